// Writing the data tree's files and its manifest.
#include "DataTree.h"

#include "platform/Files.h"

#include <filesystem>
#include <stdexcept>

namespace datagen {

const char* const ownLicence = "original work of Tessaro Puzzle Game, under the game's own licence";

DataTree::DataTree(std::string root) : root_(std::move(root)) {
    while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
    if (!platform::createFolders(root_)) throw std::runtime_error("cannot create the folder " + root_);
    std::error_code ignored;
    std::filesystem::remove(pathOf("MANIFEST.txt"), ignored);
}

std::string DataTree::prepare(const std::string& relative) {
    const std::string path = pathOf(relative);
    const auto slash = path.rfind('/');
    if (!platform::createFolders(path.substr(0, slash))) {
        throw std::runtime_error("cannot create the folder " + path.substr(0, slash));
    }
    return path;
}

void DataTree::record(const std::string& relative, const std::string& origin, const std::string& licence) {
    entries_[relative] = {origin, licence};
}

void DataTree::savePng(const std::string& relative, const Canvas& canvas, const std::string& origin) {
    if (!platform::savePng(canvas.toPixmap(), prepare(relative))) {
        throw std::runtime_error("cannot write " + pathOf(relative));
    }
    record(relative, origin, ownLicence);
}

void DataTree::saveJpeg(const std::string& relative, const Canvas& canvas, const std::string& origin,
                        int quality) {
    if (!platform::saveJpeg(canvas.toPixmap(), prepare(relative), quality)) {
        throw std::runtime_error("cannot write " + pathOf(relative));
    }
    record(relative, origin, ownLicence);
}

void DataTree::saveBytes(const std::string& relative, const std::vector<uint8_t>& bytes,
                         const std::string& origin, const std::string& licence) {
    std::string error;
    if (!platform::saveBytes(prepare(relative), bytes, &error)) {
        throw std::runtime_error("cannot write " + pathOf(relative) + ": " + error);
    }
    record(relative, origin, licence);
}

void DataTree::copyFile(const std::string& relative, const std::string& source, const std::string& origin,
                        const std::string& licence) {
    const auto bytes = platform::loadBytes(source);
    if (!bytes) throw std::runtime_error("cannot read " + source);
    saveBytes(relative, *bytes, origin, licence);
}

void DataTree::writeManifest() {
    std::string text = "# Tessaro Puzzle Game data tree, made by tessaro_datagen.\n"
                       "# Every file: path<TAB>size in bytes<TAB>origin<TAB>licence\n";
    for (const auto& [relative, entry] : entries_) {
        std::error_code error;
        const auto size = std::filesystem::file_size(pathOf(relative), error);
        if (error) throw std::runtime_error("cannot read back " + pathOf(relative));
        text += relative + "\t" + std::to_string(size) + "\t" + entry.origin + "\t" + entry.licence + "\n";
    }
    std::string error;
    if (!platform::saveText(pathOf("MANIFEST.txt"), text, &error)) {
        throw std::runtime_error("cannot write " + pathOf("MANIFEST.txt") + ": " + error);
    }
}

} // namespace datagen

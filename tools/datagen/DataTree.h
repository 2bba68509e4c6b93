// The output data tree: writes each file (creating its folder), remembers where it came from and
// under which licence, and finally writes the manifest that lists them all.
#pragma once

#include "Canvas.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace datagen {

// The licence of everything the generator makes itself.
extern const char* const ownLicence;

class DataTree {
  public:
    // Creates the root folder; a manifest left by an earlier run is removed first, so a run that
    // fails half-way never leaves a stamp behind.
    explicit DataTree(std::string root);

    std::string pathOf(const std::string& relative) const { return root_ + "/" + relative; }

    // Each writer throws std::runtime_error naming the file when it cannot be written.
    void savePng(const std::string& relative, const Canvas& canvas, const std::string& origin);
    void saveJpeg(const std::string& relative, const Canvas& canvas, const std::string& origin,
                  int quality = 92);
    void saveBytes(const std::string& relative, const std::vector<uint8_t>& bytes, const std::string& origin,
                   const std::string& licence = ownLicence);
    void copyFile(const std::string& relative, const std::string& source, const std::string& origin,
                  const std::string& licence);

    // MANIFEST.txt: one line per file, sorted by path: path, size in bytes, origin, licence.
    void writeManifest();

  private:
    void record(const std::string& relative, const std::string& origin, const std::string& licence);
    std::string prepare(const std::string& relative);
    struct Entry {
        std::string origin;
        std::string licence;
    };
    std::string root_;
    std::map<std::string, Entry> entries_;
};

} // namespace datagen

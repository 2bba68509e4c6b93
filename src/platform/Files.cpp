// Files and folders on POSIX, with case-insensitive resolution of data paths.
#include "platform/Files.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Finds an entry of `folder` whose name matches `name` ignoring case.
std::string matchEntry(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool saveData(const std::string& path, const char* data, size_t size, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = what + " " + path + ": " + std::strerror(errno);
        return false;
    };
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    // Removes the temporary file, keeping errno for the message.
    auto discard = [&](const std::string& what) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return fail(what);
    };
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail("Cannot create");
    if (!writeAll(fd, data, size) || ::fsync(fd) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return discard("Cannot write");
    }
    if (::close(fd) != 0) return discard("Cannot write");
    if (::rename(temp.c_str(), path.c_str()) != 0) return discard("Cannot replace");
    return true;
}

// The whole file as a string or a byte vector; nothing when it cannot be opened or read.
template <typename Buffer> std::optional<Buffer> readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Buffer contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return contents;
}

} // namespace

std::string resolvePath(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    std::string resolved = path[0] == '/' ? "/" : "";
    size_t start = path[0] == '/' ? 1 : 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (!part.empty()) {
            std::string candidate = joinPath(resolved, part);
            if (!exists(candidate)) {
                const std::string match = matchEntry(resolved, part);
                if (match.empty()) return path;
                candidate = joinPath(resolved, match);
            }
            resolved = candidate;
        }
        start = end + 1;
    }
    return resolved;
}

int fileType(const std::string& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return fileNone;
    if (S_ISDIR(st.st_mode)) return fileFolder;
    return S_ISREG(st.st_mode) ? fileFile : fileNone;
}

bool createFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0) return true;
    return fileType(path) == fileFolder;
}

bool createFolders(const std::string& path) {
    if (path.empty()) return false;
    for (size_t pos = path.find('/', 1); pos != std::string::npos; pos = path.find('/', pos + 1)) {
        const std::string parent = path.substr(0, pos);
        if (fileType(parent) != fileFolder && !createFolder(parent)) return false;
    }
    return createFolder(path);
}

std::optional<std::vector<uint8_t>> loadBytes(const std::string& path) {
    return readWhole<std::vector<uint8_t>>(resolvePath(path));
}

std::optional<std::string> loadText(const std::string& path) {
    const std::string resolved = resolvePath(path);
    if (fileType(resolved) != fileFile) return std::nullopt;
    return readWhole<std::string>(resolved);
}

bool saveText(const std::string& path, const std::string& text, std::string* error) {
    return saveData(path, text.data(), text.size(), error);
}

bool saveBytes(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    return saveData(path, reinterpret_cast<const char*>(bytes.data()), bytes.size(), error);
}

LineReader::LineReader(const std::string& path) : in_(resolvePath(path), std::ios::binary) {}

bool LineReader::next(std::string& line) {
    if (!std::getline(in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string currentFolder() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool setCurrentFolder(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

std::string executableFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return currentFolder();
    std::string exe(buffer, static_cast<size_t>(n));
    const size_t slash = exe.rfind('/');
    return slash == std::string::npos ? currentFolder() : exe.substr(0, slash);
}

} // namespace platform

// Files and folders. Data paths (gfx/, sfx/, dane/) are matched without regard to letter case when
// the exact path is missing, because the data tree is addressed both as "gfx/GUI" and "gfx/gui".
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum FileType { fileNone = 0, fileFile = 1, fileFolder = 2 };

// The exact path when it exists, else the first case-insensitive match, else the path unchanged.
std::string resolvePath(const std::string& path);

int fileType(const std::string& path);
// Creates one folder (its parent must exist); true when it exists afterwards.
bool createFolder(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool createFolders(const std::string& path);

std::optional<std::string> loadText(const std::string& path);
std::optional<std::vector<uint8_t>> loadBytes(const std::string& path);

// Writes the whole file atomically: a temporary file in the same folder, flushed to disk, then
// renamed over the old one. On failure the old file is untouched and `error` says why.
bool saveText(const std::string& path, const std::string& text, std::string* error = nullptr);
bool saveBytes(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error = nullptr);

// Reads a text file line by line (without the line ends; "\r\n" is accepted).
class LineReader {
  public:
    explicit LineReader(const std::string& path);
    bool ok() const { return static_cast<bool>(in_); }
    bool next(std::string& line);

  private:
    std::ifstream in_;
};

std::string currentFolder();
bool setCurrentFolder(const std::string& path);
// The folder that holds the running executable.
std::string executableFolder();

} // namespace platform

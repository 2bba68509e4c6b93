// Helpers of the storage tests: files in a fresh temporary folder, and the message of an error.
#pragma once

#include "Headless.h"
#include "platform/Files.h"

#include <functional>
#include <string>

// The shared temporary folder, with paths inside it and whole-file reads and writes.
class TempFolder : public testing_support::TempFolder {
  public:
    std::string file(const std::string& name) const { return path() + "/" + name; }

    // The file's bytes, "" when it cannot be read.
    static std::string read(const std::string& path) { return platform::loadText(path).value_or(""); }
    static void write(const std::string& path, const std::string& text) { platform::saveText(path, text); }
};

// The message of the `Error` that `action` raises, or "" when it raises none.
template <class Error> std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

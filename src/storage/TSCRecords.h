// What a TSC file holds once parsed: keys with their values, groups, and defines, with the limits
// of the format.
#pragma once

#include <string>
#include <vector>

namespace tsc {
// A key holds at most this many values.
constexpr int maxValues = 100;
// Groups nest at most this deep.
constexpr int maxGroupDepth = 100;
} // namespace tsc

enum TSCValueType : int {
    tscPlainValue = 0, // taken from a define, or never set
    tscNumberValue = 1,
    tscStringValue = 2,
};

struct TTSCKey {
    std::string path; // the path of its group, "" outside every group
    std::string name;
    // One entry per value in use; numbers keep their text as written.
    std::vector<std::string> values;
    std::vector<int> types;

    int count() const { return static_cast<int>(values.size()); }
};

struct TTSCGroup {
    std::string path; // the path of the enclosing group, "" at the top level
    std::string name;

    std::string fullPath() const { return path.empty() ? name : path + "::" + name; }
};

struct TTSCDefine {
    std::string name;
    std::string value;
};

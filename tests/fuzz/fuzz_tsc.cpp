// libFuzzer target for TSC text: lexing and parsing any input must either load or raise TSCError;
// whatever loads must save to text that loads back with the same keys, values and groups; and any
// string or float stored through the setters must come back unchanged.
#include "storage/TSCChars.h"
#include "storage/TSCError.h"
#include "storage/TSCNumber.h"
#include "storage/TTSCFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& detail = "") {
    std::fprintf(stderr, "fuzz_tsc: %s\n%s\n", what.c_str(), detail.c_str());
    std::abort();
}

std::set<std::string> groupPaths(const TTSCFile& file) {
    std::set<std::string> paths;
    for (const auto& group : file.groups()) paths.insert(LowerText(group->fullPath()));
    return paths;
}

// Loads `saved`, which `what` wrote: it must read, and save to the same text again.
TTSCFile readBack(const std::string& saved, const std::string& what) {
    TTSCFile again;
    try {
        again.LoadText(saved);
    } catch (const TSCError& error) {
        fail(what + " does not read back: " + error.what(), saved);
    }
    if (again.ToText() != saved) fail("saving what was read back changed the text", saved);
    return again;
}

void checkRoundTrip(const TTSCFile& file) {
    const std::string saved = file.ToText();
    const TTSCFile again = readBack(saved, "the written text");
    if (again.keys().size() != file.keys().size()) fail("the number of keys changed", saved);
    if (groupPaths(again) != groupPaths(file)) fail("the groups changed", saved);
    for (const auto& key : file.keys()) {
        const auto original = file.ResolveKey(key->path, key->name);
        const auto copy = again.ResolveKey(key->path, key->name);
        if (!copy) fail("key " + key->path + "::" + key->name + " was lost", saved);
        if (copy->values != original->values) fail("values of " + key->name + " changed", saved);
        for (int i = 0; i < original->count(); ++i) {
            const int before = original->types[i];
            const int after = copy->types[i];
            const bool number = IsTSCNumberText(original->values[i]);
            if (before == tscStringValue ? after != tscStringValue
                                         : after != (number ? tscNumberValue : tscStringValue))
                fail("the type of a value of " + key->name + " changed", saved);
            const float a = file.GetNumberKey(key->path, key->name, i);
            const float b = again.GetNumberKey(key->path, key->name, i);
            if (std::memcmp(&a, &b, sizeof a) != 0 || !std::isfinite(a))
                fail("a number of " + key->name + " changed", saved);
        }
    }
}

// The setters: arbitrary bytes as a string, the first four bytes as a float.
void checkSetters(const std::string& text) {
    TTSCFile file;
    file.SetStringKey("fuzz::inner", "s", text, 0);
    float number = 0.0f;
    std::memcpy(&number, text.data(), std::min(text.size(), sizeof number));
    file.SetNumberKey("fuzz", "n", number, 3);

    const std::string written = FormatTSCNumber(number);
    if (std::isfinite(number)) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%#.9g", static_cast<double>(number));
        if (written != expected) fail("number text differs from %#.9g", written + " / " + expected);
        if (ParseTSCNumber(written) != number) fail("a float did not survive its text", written);
    }

    const std::string saved = file.ToText();
    const TTSCFile again = readBack(saved, "text made by the setters");
    if (again.GetStringKey("FUZZ::Inner", "S", 0) != text) fail("a string did not survive", saved);
    if (again.GetStringKey("fuzz", "n", 3) != written) fail("a number did not survive", saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkSetters(text);
    TTSCFile file;
    try {
        file.LoadText(text);
    } catch (const TSCError&) {
        return 0;
    }
    checkRoundTrip(file);
    return 0;
}

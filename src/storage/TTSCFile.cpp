// The TSC file object: lookups, setters and the writer.
#include "storage/TTSCFile.h"

#include "platform/Files.h"
#include "storage/TSCChars.h"
#include "storage/TSCError.h"
#include "storage/TSCNumber.h"

#include <iostream>

namespace {

std::string keyAddress(const std::string& path, const std::string& name) {
    return LowerText(path) + "\n" + LowerText(name);
}

bool validName(const std::string& name) {
    return IsStringIdent(name) && !SameText(name, "define");
}

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    if (path.empty()) return parts;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find("::", start);
        parts.push_back(path.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return parts;
}

std::string quoted(const std::string& value) {
    std::string out = "\"";
    out.reserve(value.size() + 8);
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Numbers as they were read or set; anything else (strings, define values that are not numbers,
// values never set) as a string, so that every value reads back.
std::string writtenValue(const std::string& value, int type) {
    if (type != tscStringValue && IsTSCNumberText(value)) return value;
    return quoted(value);
}

std::string keyLine(const TTSCKey& key, const std::string& indentation) {
    std::string line = indentation + key.name + "=";
    if (key.values.empty()) return line + "\"\"\n";
    for (int i = 0; i < key.count(); ++i) {
        if (i > 0) line += ",";
        line += writtenValue(key.values[i], key.types[i]);
    }
    return line + "\n";
}

} // namespace

// Keys and child groups by lower-case path, each list in file order, and the writer that walks them.
struct TTSCFile::SaveIndex {
    std::unordered_map<std::string, std::vector<const TTSCKey*>> keys;
    std::unordered_map<std::string, std::vector<const TTSCGroup*>> children;

    explicit SaveIndex(const TTSCFile& file) {
        std::unordered_set<std::string> seen;
        for (const auto& key : file.keys_) keys[LowerText(key->path)].push_back(key.get());
        for (const auto& group : file.groups_)
            if (seen.insert(LowerText(group->fullPath())).second)
                children[LowerText(group->path)].push_back(group.get());
    }

    // The keys, then the subgroups, of the group whose lower-case full path is `path` ("" for the
    // top level).
    void writeContents(const std::string& path, const std::string& indentation, std::string& out) const {
        if (const auto it = keys.find(path); it != keys.end())
            for (const TTSCKey* key : it->second) out += keyLine(*key, indentation);
        if (const auto it = children.find(path); it != children.end())
            for (const TTSCGroup* child : it->second) writeGroup(*child, indentation, out);
    }

    void writeGroup(const TTSCGroup& group, const std::string& indentation, std::string& out) const {
        out += indentation + group.name + "{\n";
        writeContents(LowerText(group.fullPath()), indentation + "\t", out);
        out += indentation + "}\n";
    }
};

std::shared_ptr<TTSCKey> TTSCFile::ResolveKey(const std::string& path, const std::string& name) const {
    const auto it = keyIndex_.find(keyAddress(path, name));
    return it == keyIndex_.end() ? nullptr : it->second;
}

void TTSCFile::Load(const std::string& path) {
    lexer.Lex(path);
    parseTokens();
}

void TTSCFile::LoadText(const std::string& text) {
    lexer.LexText(text);
    parseTokens();
}

void TTSCFile::parseTokens() {
    parser.Parse(std::move(lexer.tokens));
    keys_ = parser.keys;
    groups_ = parser.groups;
    // A saved game has tens of thousands of keys: the text and its tokens are not kept twice.
    lexer.source = std::string();
    lexer.tokens = {};
    parser.tokenArray = {};
    keyIndex_.clear();
    groupPaths_.clear();
    for (const auto& key : keys_) indexKey(key);
    for (const auto& group : groups_) groupPaths_.insert(LowerText(group->fullPath()));
}

void TTSCFile::indexKey(const std::shared_ptr<TTSCKey>& key) {
    keyIndex_.emplace(keyAddress(key->path, key->name), key);
}

void TTSCFile::Save(const std::string& path) const {
    std::string error;
    if (!platform::saveText(path, ToText(), &error)) throw TSCError("ERROR: " + error);
}

std::string TTSCFile::ToText() const {
    std::string out;
    SaveIndex(*this).writeContents("", "", out);
    return out;
}

std::string TTSCFile::SaveGroup(const TTSCGroup& group, const std::string& indentation) const {
    std::string out;
    SaveIndex(*this).writeGroup(group, indentation, out);
    return out;
}

std::string TTSCFile::GetStringKey(const std::string& path, const std::string& name, int index) const {
    const auto key = ResolveKey(path, name);
    if (!key) {
        std::cout << "The key " << path << "::" << name << " does not exist" << std::endl;
        return "";
    }
    if (index < 0 || index >= key->count()) return "";
    return key->values[index];
}

float TTSCFile::GetNumberKey(const std::string& path, const std::string& name, int index) const {
    const auto key = ResolveKey(path, name);
    if (!key) throw TSCError("The key " + path + "::" + name + " does not exist");
    if (index < 0 || index >= key->count()) return 0.0f;
    return ParseTSCNumber(key->values[index]);
}

std::shared_ptr<TTSCKey> TTSCFile::keyForSet(const std::string& path, const std::string& name, int index) {
    if (index < 0 || index >= tsc::maxValues)
        throw TSCError("ERROR: Value index " + std::to_string(index) + " of the key " + path + "::" + name +
                       " is out of range (a key holds at most " + std::to_string(tsc::maxValues) +
                       " values)");
    auto key = ResolveKey(path, name);
    if (!key) key = CreateKey(path, name);
    if (key->count() < index + 1) {
        key->values.resize(index + 1);
        key->types.resize(index + 1, tscPlainValue);
    }
    return key;
}

void TTSCFile::SetStringKey(const std::string& path, const std::string& name, const std::string& value,
                            int index) {
    const auto key = keyForSet(path, name, index);
    key->values[index] = value;
    key->types[index] = tscStringValue;
}

void TTSCFile::SetNumberKey(const std::string& path, const std::string& name, float value, int index) {
    const auto key = keyForSet(path, name, index);
    key->values[index] = FormatTSCNumber(value);
    key->types[index] = tscNumberValue;
}

std::vector<std::shared_ptr<TTSCKey>> TTSCFile::GetKeyList(const std::string& path) const {
    std::vector<std::shared_ptr<TTSCKey>> list;
    for (const auto& key : keys_)
        if (SameText(key->path, path)) list.push_back(key);
    return list;
}

std::vector<std::shared_ptr<TTSCGroup>> TTSCFile::GetGroupList(const std::string& path) const {
    std::vector<std::shared_ptr<TTSCGroup>> list;
    for (const auto& group : groups_)
        if (SameText(group->path, path)) list.push_back(group);
    return list;
}

void TTSCFile::ensureGroupPath(const std::string& path) {
    const auto parts = splitPath(path);
    if (static_cast<int>(parts.size()) > tsc::maxGroupDepth)
        throw TSCError("ERROR: The group path " + path + " is deeper than " +
                       std::to_string(tsc::maxGroupDepth) + " groups");
    for (const auto& part : parts)
        if (!validName(part)) throw TSCError("ERROR: \"" + path + "\" is not a valid group path");
    std::string parent;
    for (const auto& part : parts) {
        const std::string full = parent.empty() ? part : parent + "::" + part;
        if (groupPaths_.insert(LowerText(full)).second) {
            auto group = std::make_shared<TTSCGroup>();
            group->path = parent;
            group->name = part;
            groups_.push_back(group);
        }
        parent = full;
    }
}

std::shared_ptr<TTSCKey> TTSCFile::CreateKey(const std::string& path, const std::string& name) {
    if (!validName(name)) throw TSCError("ERROR: \"" + name + "\" is not a valid key name");
    ensureGroupPath(path);
    auto key = std::make_shared<TTSCKey>();
    key->path = path;
    key->name = name;
    keys_.push_back(key);
    indexKey(key);
    return key;
}

std::shared_ptr<TTSCGroup> TTSCFile::CreateGroup(const std::string& path, const std::string& name) {
    if (!validName(name)) throw TSCError("ERROR: \"" + name + "\" is not a valid group name");
    if (static_cast<int>(splitPath(path).size()) >= tsc::maxGroupDepth)
        throw TSCError("ERROR: The group " + name + " in " + path + " would nest deeper than " +
                       std::to_string(tsc::maxGroupDepth) + " groups");
    ensureGroupPath(path);
    auto group = std::make_shared<TTSCGroup>();
    group->path = path;
    group->name = name;
    groups_.push_back(group);
    groupPaths_.insert(LowerText(group->fullPath()));
    return group;
}

// A TSC configuration file in memory: lookups by group path and key name (in any letter case),
// setters, and the writer.
#pragma once

#include "storage/TSCRecords.h"
#include "storage/TTSCLexer.h"
#include "storage/TTSCParser.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TTSCFile {
  public:
    TTSCLexer lexer;
    TTSCParser parser;

    // Both in file order (keys and groups made by the setters come after those loaded).
    const std::vector<std::shared_ptr<TTSCKey>>& keys() const { return keys_; }
    const std::vector<std::shared_ptr<TTSCGroup>>& groups() const { return groups_; }

    // The first key with this path and name; null when there is none.
    std::shared_ptr<TTSCKey> ResolveKey(const std::string& path, const std::string& name) const;

    // Replaces the contents with the file's. A file that cannot be read or parsed raises TSCError
    // and leaves the contents as they were.
    void Load(const std::string& path);
    void LoadText(const std::string& text);

    // Writes ToText() to the file atomically. When it cannot be written, TSCError is raised, the old
    // file is untouched and the values stay here.
    void Save(const std::string& path) const;
    // Keys outside every group first, then each top-level group; within a group its keys come
    // before its subgroups. Groups of the same path are written once, holding all their keys.
    std::string ToText() const;
    // The text of one group and everything inside it, each line starting with `indentation`.
    std::string SaveGroup(const TTSCGroup& group, const std::string& indentation) const;

    // The value as stored; "" for an index that was never set. A missing key prints
    // "The key path::name does not exist" and gives "".
    std::string GetStringKey(const std::string& path, const std::string& name, int index = 0) const;
    // The value as a number (0 for text that is not a number or an index never set). A missing key
    // raises TSCError "The key path::name does not exist".
    float GetNumberKey(const std::string& path, const std::string& name, int index = 0) const;
    // Store a value, creating the key (and any missing group on its path) when needed. Values
    // between the last one and `index` are left empty.
    void SetStringKey(const std::string& path, const std::string& name, const std::string& value,
                      int index = 0);
    // Stores the number as its "%#.9g" text.
    void SetNumberKey(const std::string& path, const std::string& name, float value, int index = 0);

    // New lists of the keys in group `path` and of the groups directly inside `path`.
    std::vector<std::shared_ptr<TTSCKey>> GetKeyList(const std::string& path) const;
    std::vector<std::shared_ptr<TTSCGroup>> GetGroupList(const std::string& path) const;

    // Append a key without values, or a group, to the group at `path`; the missing groups on `path`
    // are made first. A name must be an identifier other than "define", and groups nest at most
    // 100 deep, so that the file reads back; otherwise TSCError is raised.
    std::shared_ptr<TTSCKey> CreateKey(const std::string& path, const std::string& name);
    std::shared_ptr<TTSCGroup> CreateGroup(const std::string& path, const std::string& name);

  private:
    struct SaveIndex;

    std::vector<std::shared_ptr<TTSCKey>> keys_;
    std::vector<std::shared_ptr<TTSCGroup>> groups_;
    // Lower-case path + "\n" + lower-case name -> the first key of that address.
    std::unordered_map<std::string, std::shared_ptr<TTSCKey>> keyIndex_;
    // Lower-case full paths of the groups.
    std::unordered_set<std::string> groupPaths_;

    // Parses the lexer's tokens and takes the parser's keys and groups as the new contents.
    void parseTokens();
    void indexKey(const std::shared_ptr<TTSCKey>& key);
    void ensureGroupPath(const std::string& path);
    std::shared_ptr<TTSCKey> keyForSet(const std::string& path, const std::string& name, int index);
};

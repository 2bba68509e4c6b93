// The free TSC functions: thin wrappers over TTSCFile that refuse a missing file object.
#include "storage/TSCFunctions.h"

#include "storage/TSCError.h"

#include <iostream>

namespace {
TTSCFile& fileOf(const TSCFilePtr& file) {
    if (!file) throw TSCError("ERROR: No TSC file object (CreateTSCFile was not called)");
    return *file;
}
} // namespace

TSCFilePtr CreateTSCFile() {
    return std::make_shared<TTSCFile>();
}

void LoadTSCFile(const TSCFilePtr& file, const std::string& path) {
    std::cout << "Laduje plik:" << path << std::endl;
    fileOf(file).Load(path);
}

void SaveTSCFile(const TSCFilePtr& file, const std::string& path) {
    fileOf(file).Save(path);
}

std::string GetTSCStringKey(const TSCFilePtr& file, const std::string& path, const std::string& name,
                            int index) {
    return fileOf(file).GetStringKey(path, name, index);
}

float GetTSCNumberKey(const TSCFilePtr& file, const std::string& path, const std::string& name, int index) {
    return fileOf(file).GetNumberKey(path, name, index);
}

void SetTSCStringKey(const TSCFilePtr& file, const std::string& path, const std::string& name,
                     const std::string& value, int index) {
    fileOf(file).SetStringKey(path, name, value, index);
}

void SetTSCNumberKey(const TSCFilePtr& file, const std::string& path, const std::string& name, float value,
                     int index) {
    fileOf(file).SetNumberKey(path, name, value, index);
}

std::vector<std::shared_ptr<TTSCKey>> GetTSCKeyList(const TSCFilePtr& file, const std::string& path) {
    return fileOf(file).GetKeyList(path);
}

std::vector<std::shared_ptr<TTSCGroup>> GetTSCGroupList(const TSCFilePtr& file, const std::string& path) {
    return fileOf(file).GetGroupList(path);
}

std::shared_ptr<TTSCKey> CreateTSCKey(const TSCFilePtr& file, const std::string& path,
                                      const std::string& name) {
    return fileOf(file).CreateKey(path, name);
}

std::shared_ptr<TTSCGroup> CreateTSCGroup(const TSCFilePtr& file, const std::string& path,
                                          const std::string& name) {
    return fileOf(file).CreateGroup(path, name);
}

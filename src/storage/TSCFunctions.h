// The free functions through which the game reads and writes TSC files.
#pragma once

#include "storage/TTSCFile.h"

#include <memory>
#include <string>
#include <vector>

using TSCFilePtr = std::shared_ptr<TTSCFile>;

TSCFilePtr CreateTSCFile();
// Prints "Laduje plik:" and the path, then loads the file (TSCError when it cannot be read or parsed).
void LoadTSCFile(const TSCFilePtr& file, const std::string& path);
// TSCError when the file cannot be written; the old file is then untouched.
void SaveTSCFile(const TSCFilePtr& file, const std::string& path);

std::string GetTSCStringKey(const TSCFilePtr& file, const std::string& path, const std::string& name,
                            int index = 0);
float GetTSCNumberKey(const TSCFilePtr& file, const std::string& path, const std::string& name,
                      int index = 0);
void SetTSCStringKey(const TSCFilePtr& file, const std::string& path, const std::string& name,
                     const std::string& value, int index = 0);
void SetTSCNumberKey(const TSCFilePtr& file, const std::string& path, const std::string& name, float value,
                     int index = 0);

std::vector<std::shared_ptr<TTSCKey>> GetTSCKeyList(const TSCFilePtr& file, const std::string& path);
std::vector<std::shared_ptr<TTSCGroup>> GetTSCGroupList(const TSCFilePtr& file, const std::string& path);
std::shared_ptr<TTSCKey> CreateTSCKey(const TSCFilePtr& file, const std::string& path,
                                      const std::string& name);
std::shared_ptr<TTSCGroup> CreateTSCGroup(const TSCFilePtr& file, const std::string& path,
                                          const std::string& name);

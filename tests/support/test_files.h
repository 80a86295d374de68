// Files and folders for tests, by Windows path.
#pragma once

#include <string>

// A folder under the tests' work folder, emptied and created anew.
std::string FreshFolder(const std::string& name);
void RemoveTree(const std::string& path);
bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
// "a\\b" joined with "c" gives "a\\b\\c".
std::string JoinPath(const std::string& folder, const std::string& name);

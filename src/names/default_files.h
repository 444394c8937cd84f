#pragma once
// The name files the program ships ("Control.INI", "XGSystem.ini",
// "Genre.INI") and its translation ("Deutsch.lng"): copied into the program
// directory when it has none, so the user can change them there. A user's
// own file is never replaced.
#include <filesystem>
#include <string>
#include <vector>

#include "base/workspace.h"

namespace names {

// Folders that may hold the shipped files, searched in this order:
// $CTABBER_DATA_DIR, <executable's folder>/../share/ctabber,
// <executable's folder>/data, and the data folder of the source tree the
// program was built from.
std::vector<std::filesystem::path> shippedNameFileDirs(const std::filesystem::path& executable);

struct InstallResult {
    std::vector<std::string> copied;  // file names now in the program directory
    std::vector<std::string> failed;  // shipped but could not be written there
};

// Copies each shipped file missing from the program directory from the first
// folder that has it.
InstallResult installNameFiles(const base::Workspace& workspace, const std::vector<std::filesystem::path>& dirs);

}  // namespace names

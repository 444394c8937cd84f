#pragma once
// Name files written as text into a test's temporary folder.
#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace names_test {

using testing_support::TempDir;

inline std::filesystem::path writeText(const TempDir& dir, const std::string& name, std::string_view text) {
    return dir.write(name, app::Bytes(text.begin(), text.end()));
}

inline std::string readText(const TempDir& dir, const std::string& name) {
    const app::Bytes bytes = dir.read(name);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace names_test

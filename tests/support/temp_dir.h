#pragma once
// A fresh folder per test, removed afterwards, and small file helpers.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "base/workspace.h"

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path write(const std::string& name, const base::Bytes& bytes) const;
    std::filesystem::path writeText(const std::string& name, std::string_view text) const {
        return write(name, base::Bytes(text.begin(), text.end()));
    }
    // The bytes of a file; empty when it does not exist.
    base::Bytes read(const std::string& name) const;
    std::string readText(const std::string& name) const {
        const auto bytes = read(name);
        return std::string(bytes.begin(), bytes.end());
    }
    // Names of the files in the folder, sorted.
    std::vector<std::string> listing() const;

private:
    std::filesystem::path path_;
};

// Names of the entries of a folder, sorted; empty when it cannot be read.
std::vector<std::string> listing(const std::filesystem::path& folder);

// A temporary folder used as the program directory.
struct TempWorkspace {
    TempDir dir;
    base::Workspace ws{dir.path()};
};

}  // namespace testing_support

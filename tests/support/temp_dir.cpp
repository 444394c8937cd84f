#include "support/temp_dir.h"

#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace testing_support {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ctabber-test.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::write(const std::string& name, const base::Bytes& bytes) const {
    const auto p = path_ / name;
    if (!base::writeFileAtomic(p, bytes)) throw std::runtime_error("cannot write " + p.string());
    return p;
}

base::Bytes TempDir::read(const std::string& name) const { return base::readFile(path_ / name).value_or(base::Bytes{}); }

std::vector<std::string> TempDir::listing() const { return testing_support::listing(path_); }

std::vector<std::string> listing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace testing_support

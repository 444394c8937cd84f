#include "app/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

namespace app {

std::optional<Bytes> readFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) return std::nullopt;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
}

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
    auto folder = target_.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkstemp(pattern.data());
    if (fd_ >= 0) {
        temp_ = pattern;
        ::fchmod(fd_, 0644);
    }
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool AtomicFile::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || failed_) return false;
    const auto* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::write(std::string_view text) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool AtomicFile::commit() {
    if (fd_ < 0 || failed_) return false;
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) return false;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    temp_.clear();
    return true;
}

bool writeFileAtomic(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    AtomicFile file(target);
    return file.write(bytes) && file.commit();
}

bool writeFileAtomic(const std::filesystem::path& target, std::string_view text) {
    AtomicFile file(target);
    return file.write(text) && file.commit();
}

bool copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to) {
    auto bytes = readFile(from);
    return bytes && writeFileAtomic(to, *bytes);
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool removeFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !fileExists(path);
}

}  // namespace app

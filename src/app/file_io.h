#pragma once
// Whole-file reads and all-or-nothing writes: a target is replaced only
// when everything was written, so a failed save never leaves a partial file.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace app {

using Bytes = std::vector<std::uint8_t>;

// The whole file, or nothing when it cannot be opened or read.
std::optional<Bytes> readFile(const std::filesystem::path& path);

// A new file written beside its target under a temporary name and renamed
// over the target by commit(). Destroyed without commit, it removes itself.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool write(std::span<const std::uint8_t> bytes);
    bool write(std::string_view text);
    // Flushes, closes and renames over the target; false when any step failed.
    bool commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool failed_ = false;
};

// Writes `bytes` to `target` all or nothing.
bool writeFileAtomic(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
bool writeFileAtomic(const std::filesystem::path& target, std::string_view text);

// Copies a file all or nothing; false when the source cannot be read.
bool copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to);

bool fileExists(const std::filesystem::path& path);
// Deletes a file if it exists; false only when it exists and stays.
bool removeFile(const std::filesystem::path& path);

}  // namespace app

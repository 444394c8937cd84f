#pragma once
// Regular files of bounded size, read whole: the files the byte tools show
// and compare, and the small files the dialogs load. Devices, pipes and
// folders are refused before anything is read from them, so a reader never
// waits on a pipe or reads without end.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "base/file_io.h"
#include "base/language.h"
#include "base/message.h"

namespace base {

// The default limit: the hex dump of a larger file would not fit a list
// (16 MB of bytes give a million lines, 75 MB of text).
inline constexpr std::uintmax_t kMaxBoundedFileSize = 16u * 1024 * 1024;

struct BoundedFile {
    Bytes bytes;
    // Set when the file was refused: "File is not open" (a file that cannot
    // be opened, a device, pipe or folder) or "The file is too large to be
    // shown...", each with the file's name as the text.
    std::optional<Message> failure;
};

BoundedFile readBoundedFile(const std::filesystem::path& path, const Language& language,
                            std::uintmax_t limit = kMaxBoundedFileSize);

}  // namespace base

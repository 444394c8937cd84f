#pragma once
// The files the byte tools show and compare: regular files of bounded size,
// read whole. Devices, pipes and folders are refused before anything is
// read from them, so a tool never waits on a pipe or reads without end.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "app/file_io.h"
#include "app/language.h"
#include "app/message.h"

namespace tools {

// Larger files are refused: their dump would not fit a list (16 MB of bytes
// give a million lines, 75 MB of text).
inline constexpr std::uintmax_t kMaxToolFileSize = 16u * 1024 * 1024;

struct ToolFile {
    app::Bytes bytes;
    // Set when the file was refused: "File is not open" (a file that cannot
    // be opened, a device, pipe or folder) or "The file is too large to be
    // shown...", each with the file's name as the text.
    std::optional<app::Message> failure;
};

ToolFile readToolFile(const std::filesystem::path& path, const app::Language& language,
                      std::uintmax_t limit = kMaxToolFileSize);

}  // namespace tools

#pragma once
// The system-exclusive dialog's ".syx" files, each holding one message: F0,
// the data bytes, F7. (The dialog's entry is read by events::parseByteEntry.)
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/message.h"

namespace events {

// A ".syx" message is refused once this many bytes follow its F0.
inline constexpr std::size_t kSyxRefusedLength = 255;

// A ".syx" file's bytes after its F0 (the F7 included). Refused with a
// message: a file that cannot be read ("File is not open"), one that does not
// start with F0 ("Unknown file format...") and one with kSyxRefusedLength or
// more bytes after its F0 ("The event is longer than 255 bytes...").
struct SyxFile {
    std::vector<std::uint8_t> bytes;  // after the F0
    std::optional<base::Message> failure;
};
SyxFile readSyx(const std::filesystem::path& file, const base::Language& language);

// Writes F0 and the bytes, all or nothing; the failure names the file.
base::Outcome writeSyx(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const base::Language& language);

// The file name the save dialog proposes for a description: its first 256
// characters, with ":" and the folder separators "/" and "\" made "-".
std::string syxFileName(std::string_view description);

}  // namespace events

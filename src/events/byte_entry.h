#pragma once
// Bytes typed as hex groups ended by commas, as the sequencer-specific and
// system-exclusive dialogs take them, and the ".ssi" files of sequencer-
// specific data (the bytes themselves, at most kMaxSsiBytes).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/message.h"

namespace events {

// The program's byte buffer: no entry gives more.
inline constexpr std::size_t kMaxEntryBytes = 4096;
inline constexpr std::size_t kMaxSsiBytes = 4096;
inline constexpr std::size_t kSsiBytesPerLine = 16;

// The bytes of an entry (base/comma_hex.h), or the message that says why
// there are none: a character that is no hex digit, or more than `maxBytes`
// bytes ("Too many bytes entered..."), each in an "Error" box.
struct EntryBytes {
    std::vector<std::uint8_t> bytes;
    std::optional<base::Message> failure;
};
EntryBytes parseByteEntry(std::string_view text, const base::Language& language,
                          std::size_t maxBytes = kMaxEntryBytes);

// The text box's form of sequencer-specific bytes: "%02X," each, 16 a line.
std::string ssiText(const std::vector<std::uint8_t>& bytes);

// A ".ssi" file in the text box's form. A file that cannot be read, or holds
// more than kMaxSsiBytes bytes, is refused with its name as the text and
// "Не удается прочитать из файла..." (92) as the caption.
struct SsiFile {
    std::string text;
    std::optional<base::Message> failure;
};
SsiFile readSsi(const std::filesystem::path& file, const base::Language& language);

// Writes the bytes raw, all or nothing; the failure names the file.
base::Outcome writeSsi(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const base::Language& language);

}  // namespace events

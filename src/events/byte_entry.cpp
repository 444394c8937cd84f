#include "events/byte_entry.h"

#include "base/bounded_file.h"
#include "base/comma_hex.h"
#include "base/file_io.h"
#include "base/texts.h"

namespace events {
namespace {

constexpr int kErrorCaption = 366;
constexpr int kTooManyBytes = 371;
constexpr int kCannotRead = 92;

}  // namespace

EntryBytes parseByteEntry(std::string_view text, const base::Language& language, std::size_t maxBytes) {
    auto parsed = base::parseCommaHex(text, maxBytes);
    EntryBytes out;
    auto error = [&](std::string message, int textId) {
        out.failure = base::Message{language.text(kErrorCaption), std::move(message), base::Icon::Error, kErrorCaption,
                                   textId};
    };
    switch (parsed.error) {
        case base::CommaHex::Error::None: out.bytes = std::move(parsed.bytes); break;
        case base::CommaHex::Error::TooMany: error(language.text(kTooManyBytes), kTooManyBytes); break;
        case base::CommaHex::Error::NotHex: {
            std::string message = "\"";
            message += parsed.offending;
            message += "\" is not a hexadecimal digit. Enter the bytes as hex digits, each byte followed by a comma, "
                       "such as 43,10,4C,";
            error(std::move(message), 0);
            break;
        }
    }
    return out;
}

std::string ssiText(const std::vector<std::uint8_t>& bytes) { return base::commaHexLines(bytes, kSsiBytesPerLine); }

SsiFile readSsi(const std::filesystem::path& file, const base::Language& language) {
    SsiFile out;
    const auto read = base::readBoundedFile(file, language, kMaxSsiBytes);
    if (read.failure) {
        out.failure = base::Message{language.text(kCannotRead), file.string(), base::Icon::Error, kCannotRead, 0};
        return out;
    }
    out.text = ssiText(read.bytes);
    return out;
}

base::Outcome writeSsi(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const base::Language& language) {
    if (base::writeFileAtomic(file, bytes)) return {};
    return base::failure(language.text(base::text::unableToCreate), base::text::unableToCreate, file.string());
}

}  // namespace events

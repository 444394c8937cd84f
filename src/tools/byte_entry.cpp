#include "tools/byte_entry.h"

#include "app/file_io.h"
#include "app/texts.h"
#include "document/comma_hex.h"
#include "tools/tool_file.h"

namespace tools {
namespace {

constexpr int kErrorCaption = 366;
constexpr int kTooManyBytes = 371;
constexpr int kCannotRead = 92;

}  // namespace

EntryBytes parseByteEntry(std::string_view text, const app::Language& language, std::size_t maxBytes) {
    auto parsed = document::parseCommaHex(text, maxBytes);
    EntryBytes out;
    auto error = [&](std::string message, int textId) {
        out.failure = app::Message{language.text(kErrorCaption), std::move(message), app::Icon::Error, kErrorCaption,
                                   textId};
    };
    switch (parsed.error) {
        case document::CommaHex::Error::None: out.bytes = std::move(parsed.bytes); break;
        case document::CommaHex::Error::TooMany: error(language.text(kTooManyBytes), kTooManyBytes); break;
        case document::CommaHex::Error::NotHex: {
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

std::string ssiText(const std::vector<std::uint8_t>& bytes) { return document::commaHexLines(bytes, kSsiBytesPerLine); }

SsiFile readSsi(const std::filesystem::path& file, const app::Language& language) {
    SsiFile out;
    const auto read = readToolFile(file, language, kMaxSsiBytes);
    if (read.failure) {
        out.failure = app::Message{language.text(kCannotRead), file.string(), app::Icon::Error, kCannotRead, 0};
        return out;
    }
    out.text = ssiText(read.bytes);
    return out;
}

app::Outcome writeSsi(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const app::Language& language) {
    if (app::writeFileAtomic(file, bytes)) return {};
    return app::failure(language.text(app::text::unableToCreate), app::text::unableToCreate, file.string());
}

}  // namespace tools

#include "events/syx_file.h"

#include "app/file_io.h"
#include "app/texts.h"
#include "tools/tool_file.h"

namespace events {
namespace {

constexpr int kErrorCaption = 366;
constexpr int kLongerThan255 = 368;

app::Message error(const app::Language& language, std::string text, int textId) {
    return {language.text(kErrorCaption), std::move(text), app::Icon::Error, kErrorCaption, textId};
}

}  // namespace

SyxFile readSyx(const std::filesystem::path& file, const app::Language& language) {
    SyxFile out;
    auto read = tools::readToolFile(file, language);
    if (read.failure) {
        out.failure = read.failure;
        return out;
    }
    if (read.bytes.empty() || read.bytes[0] != 0xF0) {
        out.failure = error(language, language.text(app::text::unknownFormat), app::text::unknownFormat);
        return out;
    }
    if (read.bytes.size() - 1 >= kSyxRefusedLength) {
        out.failure = error(language, language.text(kLongerThan255), kLongerThan255);
        return out;
    }
    out.bytes.assign(read.bytes.begin() + 1, read.bytes.end());
    return out;
}

app::Outcome writeSyx(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const app::Language& language) {
    std::vector<std::uint8_t> all{0xF0};
    all.insert(all.end(), bytes.begin(), bytes.end());
    if (app::writeFileAtomic(file, all)) return {};
    return app::failure(language.text(app::text::unableToCreate), app::text::unableToCreate, file.string());
}

std::string syxFileName(std::string_view description) {
    std::string name(description.substr(0, 256));
    for (char& c : name)
        if (c == ':' || c == '/' || c == '\\') c = '-';
    return name;
}

}  // namespace events

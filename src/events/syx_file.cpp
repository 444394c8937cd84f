#include "events/syx_file.h"

#include "base/bounded_file.h"
#include "base/file_io.h"
#include "base/texts.h"

namespace events {
namespace {

constexpr int kErrorCaption = 366;
constexpr int kLongerThan255 = 368;

base::Message error(const base::Language& language, std::string text, int textId) {
    return {language.text(kErrorCaption), std::move(text), base::Icon::Error, kErrorCaption, textId};
}

}  // namespace

SyxFile readSyx(const std::filesystem::path& file, const base::Language& language) {
    SyxFile out;
    auto read = base::readBoundedFile(file, language);
    if (read.failure) {
        out.failure = read.failure;
        return out;
    }
    if (read.bytes.empty() || read.bytes[0] != 0xF0) {
        out.failure = error(language, language.text(base::text::unknownFormat), base::text::unknownFormat);
        return out;
    }
    if (read.bytes.size() - 1 >= kSyxRefusedLength) {
        out.failure = error(language, language.text(kLongerThan255), kLongerThan255);
        return out;
    }
    out.bytes.assign(read.bytes.begin() + 1, read.bytes.end());
    return out;
}

base::Outcome writeSyx(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                      const base::Language& language) {
    std::vector<std::uint8_t> all{0xF0};
    all.insert(all.end(), bytes.begin(), bytes.end());
    if (base::writeFileAtomic(file, all)) return {};
    return base::failure(language.text(base::text::unableToCreate), base::text::unableToCreate, file.string());
}

std::string syxFileName(std::string_view description) {
    std::string name(description.substr(0, 256));
    for (char& c : name)
        if (c == ':' || c == '/' || c == '\\') c = '-';
    return name;
}

}  // namespace events

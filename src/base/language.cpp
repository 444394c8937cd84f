#include "base/language.h"

#include <charconv>

#include "base/file_io.h"
#include "base/profile.h"
#include "base/text_encoding.h"
#include "base/texts.h"

namespace base {
namespace {

constexpr std::string_view kSection = "TB";

// A text number: decimal digits only ("12a", "-1", "" are not numbers).
std::optional<int> textNumber(std::string_view key) {
    if (key.empty() || key.size() > 9) return std::nullopt;
    int id = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (ec != std::errc() || end != key.data() + key.size() || key.front() == '-' || key.front() == '+')
        return std::nullopt;
    return id;
}

// A value in quotation marks keeps the blanks at its ends; the marks go.
std::string unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::string Language::text(int id, std::string_view builtin) const {
    auto it = texts_.find(id);
    if (it == texts_.end() || it->second.empty()) return std::string(builtin);
    return it->second;
}

std::string Language::text(int id) const { return text(id, builtinText(id)); }

Outcome Language::load(const std::filesystem::path& file) {
    const auto refused = [&] {
        return failure(text(text::unknownFormat), text::unknownFormat, file.string());
    };
    const auto bytes = readFile(file);
    if (!bytes) return failure(text(text::unableToOpen), text::unableToOpen, file.string());
    const auto decoded = decodeText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!decoded) return refused();
    const auto profile = Profile::fromText(*decoded);
    if (!profile.hasSection(kSection)) return refused();
    const auto entries = profile.entries(kSection);
    std::unordered_map<int, std::string> texts;
    texts.reserve(entries.size());
    for (const auto& [key, value] : entries)
        if (const auto id = textNumber(key)) texts.emplace(*id, unquoted(value));
    texts_ = std::move(texts);
    return {};
}

const Language& builtinLanguage() {
    static const Language none;
    return none;
}

}  // namespace base

#include "chords/section_flow.h"

#include <algorithm>

namespace chords {
namespace {

bool startsWord(std::string_view name, std::string_view word) {
    return name.starts_with(word) && (name.size() == word.size() || name[word.size()] == ' ');
}

bool has(std::span<const std::string> sections, std::string_view name) {
    return std::find(sections.begin(), sections.end(), name) != sections.end();
}

std::optional<std::string> firstMain(std::span<const std::string> sections) {
    for (const auto& s : sections)
        if (sectionKind(s) == SectionKind::Main) return s;
    return std::nullopt;
}

}  // namespace

SectionKind sectionKind(std::string_view name) {
    if (startsWord(name, "Main")) return SectionKind::Main;
    if (startsWord(name, "Fill")) return SectionKind::Fill;
    if (startsWord(name, "Intro")) return SectionKind::Intro;
    if (startsWord(name, "Ending")) return SectionKind::Ending;
    return SectionKind::Other;
}

bool sectionRepeats(std::string_view name) {
    const auto kind = sectionKind(name);
    return kind == SectionKind::Main || kind == SectionKind::Other;
}

std::optional<std::string> sectionAfter(std::string_view played, std::string_view lastMain,
                                        std::span<const std::string> sections) {
    switch (sectionKind(played)) {
        case SectionKind::Main:
        case SectionKind::Other: return std::string(played);
        case SectionKind::Ending: return std::nullopt;
        case SectionKind::Intro:
            if (has(sections, "Main A")) return "Main A";
            return firstMain(sections);
        case SectionKind::Fill: {
            const std::string own = played.empty() ? std::string() : "Main " + std::string(1, played.back());
            if (has(sections, own)) return own;
            if (has(sections, lastMain)) return std::string(lastMain);
            return firstMain(sections);
        }
    }
    return std::nullopt;
}

}  // namespace chords

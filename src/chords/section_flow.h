#pragma once
// What plays after a section of a style has played to its end, by the kind
// its name gives: a main section repeats until another is chosen, a fill
// returns to its main section (the main of the fill's last letter: "Fill In
// CC" to "Main C", the break "Fill In BA" to "Main A"), an intro plays once
// and goes to Main A, an ending stops the play. A name of no known kind
// repeats like a main section.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chords {

enum class SectionKind { Main, Fill, Intro, Ending, Other };

// By the first word of the name: "Main", "Fill", "Intro", "Ending".
SectionKind sectionKind(std::string_view name);

// Whether the section plays again from its start when it reaches its end.
bool sectionRepeats(std::string_view name);

// The section that follows `played` at its end, chosen among `sections`;
// nothing when play stops there. Where the wanted main section is missing,
// a fill goes back to `lastMain` (the main that played before it) and an
// intro to the first main of the list; without any, play stops.
std::optional<std::string> sectionAfter(std::string_view played, std::string_view lastMain,
                                        std::span<const std::string> sections);

}  // namespace chords

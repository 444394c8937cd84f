#include "chords/progression.h"

#include <gtest/gtest.h>

#include "chord_fixtures.h"

using chords::parseProgression;
using chords_test::kBar;
using chords_test::kDivision;

namespace {

// "symbol@start-end" for each timed chord, or the fault.
std::string timed(std::string_view text, chords::TimeSignature signature = {}, std::uint16_t division = kDivision) {
    auto parsed = parseProgression(text, signature, division);
    if (auto* fault = std::get_if<std::string>(&parsed)) return "! " + *fault;
    std::string out;
    for (const auto& c : std::get<std::vector<chords::TimedChord>>(parsed)) {
        if (!out.empty()) out += ' ';
        out += c.symbol + "@" + std::to_string(c.start) + "-" + std::to_string(c.end);
    }
    return out;
}

}  // namespace

TEST(Progression, BarsBeatsAndFlatLists) {
    EXPECT_EQ(timed("C Am7 F/A G7sus4 | Bb7(9)"),
              "C@0-480 Am7@480-960 F/A@960-1440 G7sus4@1440-1920 Bb7(9)@1920-3840");
    EXPECT_EQ(timed("C F G7 C"), "C@0-1920 F@1920-3840 G7@3840-5760 C@5760-7680");
    // Explicit beats, the rest shared; the empty bar holds; repeats join.
    EXPECT_EQ(timed("| Dm7 G7 | CM7 % | | A7:3 / |"), "Dm7@0-960 G7@960-1920 CM7@1920-5760 A7@5760-7680");
    EXPECT_EQ(timed("C:1 F G | C:1.5 G:2.5"), "C@0-480 F@480-1200 G@1200-1920 C@1920-2640 G@2640-3840");
    // Three items share four beats: ticks round down, the bar still ends on the bar line.
    EXPECT_EQ(timed("C D E", {}, 100), "C@0-400 D@400-800 E@800-1200");
    EXPECT_EQ(timed("C D E |"), "C@0-639 D@639-1279 E@1279-1920");
    // Without bars an item with beats takes only those.
    EXPECT_EQ(timed("C:2 G:2 F"), "C@0-960 G@960-1920 F@1920-3840");
    // Equal chords in a row are one; N.C. is a chord of its own.
    EXPECT_EQ(timed("C C . | N.C. NC"), "C@0-1920 N.C.@1920-3840");
    EXPECT_EQ(timed("C\tF\nG"), "C@0-1920 F@1920-3840 G@3840-5760");
}

TEST(Progression, TheTimeSignatureSetsBarAndBeat) {
    // 6/8: six eighth notes to the bar.
    EXPECT_EQ(timed("C | G:3 D7", {6, 8}), "C@0-1440 G@1440-2160 D7@2160-2880");
    EXPECT_EQ(timed("C F", {3, 4}), "C@0-1440 F@1440-2880");
    EXPECT_EQ(chords::barTicks({6, 8}, kDivision), 1440u);
    EXPECT_EQ(chords::beatTicks({6, 8}, kDivision), 240u);
    EXPECT_EQ(chords::barTicks({}, kDivision), kBar);
}

TEST(Progression, FaultsNameTheBarTheItemAndTheText) {
    EXPECT_EQ(timed("C F | G Am Cmaj13b"), "! bar 2, item 3: unknown chord quality 'maj13b'");
    EXPECT_EQ(timed("C F G Xm"), "! item 4: chord 'Xm' does not start with a note A to G");
    EXPECT_EQ(timed("% C"), "! item 1: '%' has no chord before it to repeat");
    EXPECT_EQ(timed("| | C |"), "! bar 1: an empty bar has no chord before it to hold");
    EXPECT_EQ(timed("C:3 F:2"), "C@0-1440 F@1440-2400");
    EXPECT_EQ(timed("C:3 F:2 |"), "! bar 1: the items take 5 beats; a bar has 4");
    EXPECT_EQ(timed("C:3 F:1.5 G|"), "! bar 1: the items take 4.5 beats and more; a bar has 4");
    EXPECT_EQ(timed("C:4 F |"), "! bar 1: the items take 4 beats and more; a bar has 4");
    EXPECT_EQ(timed("C:2 | F"), "! bar 1: the items take 2 beats; a bar has 4");
    EXPECT_EQ(timed("C:0 |"), "! bar 1, item 1: beats must be a number above 0 with up to three decimals, not 'C:0'");
    EXPECT_EQ(timed("C:1.2345"), "! item 1: beats must be a number above 0 with up to three decimals, not 'C:1.2345'");
    EXPECT_EQ(timed("C:x"), "! item 1: beats must be a number above 0 with up to three decimals, not 'C:x'");
    EXPECT_EQ(timed("C:-1"), "! item 1: beats must be a number above 0 with up to three decimals, not 'C:-1'");
    EXPECT_EQ(timed(""), "! the progression has no chord");
    EXPECT_EQ(timed(" | | "), "! bar 1: an empty bar has no chord before it to hold");
    EXPECT_EQ(timed("C", {}, 0), "! the file has no usable time signature or division");
    // Huge lengths are refused instead of computed.
    EXPECT_EQ(timed("C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 "
                    "C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 "
                    "C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000 C:1000")
                  .substr(0, 10),
              "! item 41:");
    EXPECT_EQ(timed(std::string(10001, '|').insert(0, "C")), "! bar 10001: the progression is longer than 10000 bars");
}

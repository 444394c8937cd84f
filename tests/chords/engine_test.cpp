#include "chords/engine.h"

#include <gtest/gtest.h>

#include "casm/masks.h"
#include "chord_fixtures.h"

using chords_test::ctabEntry;
using chords_test::Heard;
using chords_test::heard;
using chords_test::kBar;
using chords_test::play;
using chords_test::pitches;

namespace {

using V = std::vector<int>;
constexpr int kTrans = 0, kFixed = 1;
constexpr int kBypass = 0, kMelody = 1, kChord = 2;
enum Rtr { Stop = 0, PitchShift, PitchShiftToRoot, Retrigger, RetriggerToRoot, NoteGenerator };

// A Ctb2 entry of "Main A" on channel 1 with a middle range and, per zone,
// NTR, NTT and limits (RTR Pitch Shift).
casm::Entry ctb2Entry(int middleLow, int middleHigh) {
    casm::Entry e = casm::unmutedEntry(casm::TableKind::Ctb2);
    e.section = "Main A";
    e[casm::Track] = 1;
    e[casm::MidiChan] = 1;
    e[casm::ChordType] = 2;
    e[casm::MiddleLow] = static_cast<std::uint8_t>(middleLow);
    e[casm::MiddleHigh] = static_cast<std::uint8_t>(middleHigh);
    for (auto zone : {casm::Zone::Low, casm::Zone::Middle, casm::Zone::High}) {
        e.setRule(zone, casm::Rule::HighestKey, 11);
        e.setRule(zone, casm::Rule::RTR, PitchShift);
    }
    return e;
}

}  // namespace

TEST(Mutes, AClearedChordBitSilencesTheEntryForThatTypeAClearedNoteBitForThatRoot) {
    auto e = ctabEntry(11, 11, kTrans, kBypass);
    auto mask = casm::chordMaskOf(e);
    casm::setBit(mask, 8, false);  // min
    casm::storeChordMask(e, mask);
    const std::vector<chords_test::Note> note = {{11, 60, 0, 240}};
    EXPECT_EQ(pitches(play(note, {e}, "Cm")), V{});
    EXPECT_EQ(pitches(play(note, {e}, "Cm7")), V{60});

    auto f = ctabEntry(11, 11, kTrans, kBypass);
    auto notes = casm::noteMaskOf(f);
    casm::setBit(notes, 5, false);  // F
    casm::storeNoteMask(f, notes);
    EXPECT_EQ(pitches(play(note, {f}, "F")), V{});
    EXPECT_EQ(pitches(play(note, {f}, "Fm7")), V{});
    EXPECT_EQ(pitches(play(note, {f}, "G")), V{67});
    // The root is tested, not the bass of an on-bass chord.
    EXPECT_EQ(pitches(play(note, {f}, "G/F")), V{67});
    EXPECT_EQ(pitches(play(note, {f}, "F/G")), V{});
}

TEST(Mutes, AMutedNoteIsNotStartedLaterAndAChangeToAMutedChordStopsIt) {
    auto e = ctabEntry(11, 11, kTrans, kBypass, Retrigger);
    auto mask = casm::chordMaskOf(e);
    casm::setBit(mask, 8, false);  // min
    casm::storeChordMask(e, mask);
    // One note over two bars: muted at its start, it never sounds.
    EXPECT_EQ(heard(play({{11, 60, 0, 2 * kBar}}, {e}, "Cm | C")), std::vector<Heard>{});
    // Sounding under C, it stops where Cm starts.
    EXPECT_EQ(heard(play({{11, 60, 0, 2 * kBar}}, {e}, "C | Cm")), (std::vector<Heard>{{0, kBar, 11, 60, true}}));
}

TEST(Zones, AnSff2NoteFollowsTheZoneOfItsPitch) {
    auto e = ctb2Entry(53, 127);
    e.setRule(casm::Zone::Low, casm::Rule::NTR, kTrans);     // bass notes move
    e.setRule(casm::Zone::Low, casm::Rule::NTT, kBypass);
    e.setRule(casm::Zone::Middle, casm::Rule::NTR, kFixed);  // the rest stays
    e.setRule(casm::Zone::Middle, casm::Rule::NTT, kBypass);
    const auto p = play({{1, 48, 0, 240}, {1, 53, 0, 240}, {1, 64, 0, 240}}, {e}, "F");
    EXPECT_EQ(pitches(p), (V{53, 53, 64}));
    ASSERT_EQ(p.notes.size(), 3u);
    EXPECT_EQ(p.notes[0].sourceNote, 48);
    EXPECT_EQ(p.notes[0].zone, casm::Zone::Low);
    EXPECT_EQ(p.notes[1].zone, casm::Zone::Middle);
    // Above the middle range the high zone, with its own limits.
    auto g = ctb2Entry(0, 95);
    g.setRule(casm::Zone::High, casm::Rule::LowLimit, 96);
    g.setRule(casm::Zone::High, casm::Rule::HighLimit, 108);
    const auto q = play({{1, 95, 0, 240}, {1, 105, 0, 240}}, {g}, "F");
    EXPECT_EQ(pitches(q), (V{98, 100}));
    EXPECT_EQ(q.notes[0].zone, casm::Zone::High);
    EXPECT_EQ(q.notes[1].zone, casm::Zone::Middle);
}

TEST(Cntt, OverridesTheNttOfAnSff1Entry) {
    auto e = ctabEntry(10, 10, kTrans, kBypass);
    const std::vector<chords_test::Note> root = {{10, 36, 0, 240}};
    EXPECT_EQ(pitches(play(root, {e}, "F/A")), V{41});
    e.hasCntt = true;
    e.cntt = 0x81;  // Melody with the bass flag: the root degree plays the bass
    EXPECT_EQ(pitches(play(root, {e}, "F/A")), V{45});
    e.cntt = 0x03;  // Melodic Minor: E goes to Eb over a minor chord
    EXPECT_EQ(pitches(play({{10, 64, 0, 240}}, {e}, "Cm")), V{63});
}

TEST(Rtr, AChordChangeUnderASoundingNoteActsByTheEntrysRtr) {
    // E held over two bars, C then F (Root Trans, Bypass): its pitch goes 64 -> 69.
    const std::vector<chords_test::Note> held = {{11, 64, 0, 2 * kBar}};
    auto run = [&](int rtr) { return heard(play(held, {ctabEntry(11, 11, kTrans, kBypass, rtr)}, "C | F")); };
    using H = std::vector<Heard>;
    EXPECT_EQ(run(Stop), (H{{0, kBar, 11, 64, true}}));
    EXPECT_EQ(run(Retrigger), (H{{0, kBar, 11, 64, true}, {kBar, kBar, 11, 69, true}}));
    EXPECT_EQ(run(NoteGenerator), run(Retrigger));
    EXPECT_EQ(run(PitchShift), (H{{0, kBar, 11, 64, true}, {kBar, kBar, 11, 69, false}}));
    // To the new root (F) in the sounding note's octave.
    EXPECT_EQ(run(PitchShiftToRoot), (H{{0, kBar, 11, 64, true}, {kBar, kBar, 11, 65, false}}));
    EXPECT_EQ(run(RetriggerToRoot), (H{{0, kBar, 11, 64, true}, {kBar, kBar, 11, 65, true}}));
    // A note whose pitch the new chord does not change just sounds on, whatever the RTR.
    const auto fixed = ctabEntry(11, 11, kFixed, kChord, Stop);
    EXPECT_EQ(heard(play({{11, 60, 0, 2 * kBar}}, {fixed}, "C | F")), (H{{0, 2 * kBar, 11, 60, true}}));
    // A note that ends on the bar line meets no chord change.
    EXPECT_EQ(heard(play({{11, 64, 0, kBar}, {11, 64, kBar, 2 * kBar}}, {ctabEntry(11, 11, kTrans, kBypass, Stop)},
                         "C | F")),
              (H{{0, kBar, 11, 64, true}, {kBar, kBar, 11, 69, true}}));
}

TEST(Rtr, EachSff2ZoneUsesItsOwnRtr) {
    auto e = ctb2Entry(53, 127);
    e.setRule(casm::Zone::Low, casm::Rule::RTR, Stop);
    e.setRule(casm::Zone::Middle, casm::Rule::RTR, Retrigger);
    const auto p = play({{1, 48, 0, 2 * kBar}, {1, 60, 0, 2 * kBar}}, {e}, "C | D");
    using H = std::vector<Heard>;
    EXPECT_EQ(heard(p), (H{{0, kBar, 1, 48, true}, {0, kBar, 1, 60, true}, {kBar, kBar, 1, 62, true}}));
}

TEST(Routing, NotesAndChannelMessagesGoToTheDestinationChannelsWithoutAnEntryStaySilent) {
    const std::vector<casm::Entry> entries = {ctabEntry(11, 3, kTrans, kBypass)};
    std::vector<playback::MidiEvent> others = {
        playback::MidiEvent::shortEvent(0, 0, 0xBB, 7, 90),     // volume, channel 12
        playback::MidiEvent::shortEvent(0, 0, 0xCB, 24, 0),     // program
        playback::MidiEvent::shortEvent(0, 120, 0xEB, 0, 80),   // pitch bend
        playback::MidiEvent::shortEvent(0, 120, 0xAB, 60, 5),   // key pressure: stays behind
        playback::MidiEvent::shortEvent(0, 0, 0xB4, 7, 50),     // channel 5 has no entry
        playback::MidiEvent::longEvent(0, 0, 0xF0, std::vector<std::uint8_t>{0xF0, 0x43, 0xF7}),
    };
    const auto plan = chords::planSection(
        chords_test::sectionEvents({{11, 60, 0, 240}, {4, 50, 0, 240}, {6, 50, 0, 240}}, others), entries, {},
        chords_test::kDivision);
    EXPECT_EQ(plan.unassigned, (std::vector<int>{4, 6}));
    const auto p = chords::playProgression(plan, chords_test::progression("D"), {});
    ASSERT_EQ(p.notes.size(), 1u);
    EXPECT_EQ(p.notes[0].channel, 3);
    EXPECT_EQ(p.notes[0].note, 62);
    EXPECT_EQ(p.notes[0].sourceChannel, 11);
    std::vector<std::uint32_t> messages;
    for (const auto& ev : p.events) messages.push_back(ev.message);
    EXPECT_EQ(messages, (std::vector<std::uint32_t>{playback::packMessage(0xB3, 7, 90), playback::packMessage(0xC3, 24, 0),
                                                    0xF0, playback::packMessage(0xE3, 0, 80)}));
    // A muted destination channel sends nothing.
    chords::PlayOptions muted;
    muted.channelSwitches = static_cast<std::uint16_t>(~(1u << 3));
    const auto silent = chords::playProgression(plan, chords_test::progression("D"), muted);
    EXPECT_TRUE(silent.notes.empty());
    ASSERT_EQ(silent.events.size(), 1u);
    EXPECT_EQ(silent.events[0].message, 0xF0u);
}

TEST(NoChord, OnlyRhythmDestinationsPlayAsOverTheSourceChord) {
    const std::vector<casm::Entry> entries = {ctabEntry(9, 9, kFixed, kBypass), ctabEntry(8, 8, kTrans, kMelody),
                                              ctabEntry(11, 11, kTrans, kBypass, Retrigger)};
    const auto p = play({{9, 36, 0, 240}, {8, 70, 0, 240}, {11, 60, 0, 2 * kBar}}, entries, "N.C. | C#");
    using H = std::vector<Heard>;
    EXPECT_EQ(heard(p), (H{{0, 240, 8, 70, true}, {0, 240, 9, 36, true}}));
}

TEST(Looping, AMainSectionRepeatsUnderTheProgressionOnceStopsAtItsEnd) {
    const std::vector<chords_test::Note> bar = {{11, 60, 0, 480}, {11, 64, 960, 1440}};
    const auto e = ctabEntry(11, 11, kTrans, kBypass);
    const auto looped = play(bar, {e}, "C F G");
    EXPECT_EQ(pitches(looped), (V{60, 64, 65, 69, 67, 71}));
    EXPECT_EQ(looped.notes[4].tick, 2 * kBar);
    EXPECT_EQ(looped.notes[4].sourceTick, 0u);
    EXPECT_EQ(looped.notes[5].sourceTick, 960u);
    EXPECT_EQ(looped.length, 3 * kBar);
    chords::PlayOptions once;
    once.loop = false;
    EXPECT_EQ(pitches(play(bar, {e}, "C F G", once)), (V{60, 64}));
    // A short progression holds its last chord to the section's end.
    const std::vector<chords_test::Note> twoBars = {{11, 60, 0, 480}, {11, 60, kBar, kBar + 480}};
    EXPECT_EQ(pitches(play(twoBars, {e}, "C:2 D:2", once)), (V{60, 62}));
    // A looping section cuts the notes that sound on at the progression's end.
    const auto cut = play({{11, 60, 0, 2 * kBar}}, {e}, "C");
    EXPECT_EQ(heard(cut), (std::vector<Heard>{{0, kBar, 11, 60, true}}));
}

TEST(Incremental, PlayingChordByChordGivesWhatTheWholeProgressionGives) {
    const std::vector<casm::Entry> entries = {ctabEntry(11, 11, kTrans, kChord, PitchShift),
                                              ctabEntry(12, 12, kFixed, kMelody, Retrigger),
                                              ctabEntry(10, 10, kTrans, 3, RetriggerToRoot, 28, 55)};
    const std::vector<chords_test::Note> notes = {{11, 60, 0, 3000}, {11, 67, 500, 900}, {12, 64, 0, 1900},
                                                  {12, 71, 960, 4000}, {10, 36, 0, 3840}, {10, 43, 1920, 2400}};
    const auto plan = chords::planSection(chords_test::sectionEvents(notes), entries, {}, chords_test::kDivision);
    const auto progression = chords_test::progression("C Am7 | Dm7/F G7 | Em | A7(b9) D/F#");
    const auto whole = chords::playProgression(plan, progression, {});
    chords::PlayState state;
    chords::Performance pieces;
    for (std::size_t i = 0; i < progression.size(); ++i)
        chords::playSegment(plan, progression[i], static_cast<std::uint32_t>(i), {}, state, pieces);
    chords::endSounding(state, progression.back().end, plan, pieces);
    std::stable_sort(pieces.notes.begin(), pieces.notes.end(), [](const auto& a, const auto& b) {
        return std::tie(a.tick, a.channel, a.note) < std::tie(b.tick, b.channel, b.note);
    });
    EXPECT_EQ(heard(pieces), heard(whole));
    EXPECT_GT(whole.notes.size(), notes.size());  // the section looped and notes changed under chords
}

#include "chords/note_pitch.h"

#include "chords/choices.h"
#include "chords/chord_types.h"

namespace chords {
namespace {

using choices::DegreeRow;

constexpr int kThird = 2, kFifth = 4, kSixth = 5, kSeventh = 6;  // degree indexes of 1 9 3 11 5 13 7
constexpr DegreeRow kMinorForms = {0, 2, 3, 5, 7, 8, 10};
constexpr DegreeRow kMajorForms = {0, 2, 4, 5, 7, 9, 11};

int pitchClass(int pitch) { return ((pitch % 12) + 12) % 12; }

int rotate(int classes, int root) { return ((classes << root) | (classes >> (12 - root))) & 0xFFF; }

int classesOf(const DegreeRow& scale) {
    int set = 0;
    for (int interval : scale) set |= 1 << (interval % 12);
    return set;
}

bool isMinorTable(Table table) { return table >= Table::MelodicMinor && table <= Table::Dorian5th; }

// The source chord's scale as a minor table plays it over `played`: when the
// major/minor family changes, the table's degrees take the played family's
// form; a 5th variant also raises the 5th for an augmented and lowers it for
// a diminished chord.
DegreeRow minorTableScale(Table table, int sourceType, int playedType) {
    DegreeRow scale = choices::melodyScale(sourceType);
    const bool toMinor = isMinorFamily(playedType);
    if (toMinor != isMinorFamily(sourceType)) {
        const DegreeRow& form = toMinor ? kMinorForms : kMajorForms;
        auto take = [&](int degree) { scale[static_cast<std::size_t>(degree)] = form[static_cast<std::size_t>(degree)]; };
        take(kThird);
        if (table == Table::HarmonicMinor || table == Table::HarmonicMinor5th || table == Table::NaturalMinor ||
            table == Table::NaturalMinor5th)
            take(kSixth);
        if (table == Table::NaturalMinor || table == Table::NaturalMinor5th || table == Table::Dorian ||
            table == Table::Dorian5th)
            take(kSeventh);
    }
    const bool fifthVariant = table == Table::MelodicMinor5th || table == Table::HarmonicMinor5th ||
                              table == Table::NaturalMinor5th || table == Table::Dorian5th;
    if (fifthVariant && isAugmented(playedType)) scale[kFifth] = 8;
    if (fifthVariant && isDiminished(playedType)) scale[kFifth] = 6;
    return scale;
}

// Root Trans: how far the table moves a note `interval` above the source
// root, on top of the transposition. A chord of the source's type keeps
// every interval.
int tableShift(Table table, int interval, int sourceType, int playedType) {
    if (table == Table::Bypass || playedType == sourceType) return 0;
    const DegreeRow& sourceScale = choices::melodyScale(sourceType);
    const auto degree = choices::degreeOf(interval, sourceScale);
    const auto index = static_cast<std::size_t>(degree.index);
    if (isMinorTable(table)) {
        if (degree.offset != 0) return 0;
        return minorTableScale(table, sourceType, playedType)[index] - sourceScale[index];
    }
    const DegreeRow& target = table == Table::Chord ? choices::chordTable(playedType) : choices::melodyScale(playedType);
    return target[index] + degree.offset - interval;
}

// Root Fixed and Guitar: the pitch classes a note may move to, on the played root.
int allowedClasses(Table table, SourceChord source, const Chord& played) {
    int classes = 0;
    if (table == Table::Melody)
        classes = classesOf(choices::melodyScale(played.type));
    else if (isMinorTable(table))
        classes = classesOf(minorTableScale(table, source.type, played.type));
    else if (table >= Table::GuitarAllPurpose && choices::kGuitarAllows == choices::Allowed::ChordScale)
        classes = classesOf(choices::melodyScale(played.type));
    else
        classes = chordToneSet(played.type);
    return rotate(classes, played.root);
}

}  // namespace

int foldIntoLimits(int pitch, int low, int high) {
    while (pitch < low) pitch += 12;
    while (pitch > high) pitch -= 12;
    while (pitch < 0) pitch += 12;
    while (pitch > 127) pitch -= 12;
    return pitch;
}

int notePitch(int note, const ZoneRules& rules, SourceChord source, const Chord& played) {
    if (rules.ntr == Ntr::RootFixed && rules.table == Table::Bypass) return note;
    const int interval = pitchClass(note - source.root);
    const bool onBass = rules.bass && played.bass.has_value();
    if (played.root == source.root && played.type == source.type && !onBass)
        return foldIntoLimits(note, rules.low, rules.high);
    int pitch = note;
    if (rules.ntr == Ntr::RootTrans) {
        int shift = pitchClass(played.root - source.root);
        // Above the highest key the pattern goes down instead, both measured from the source root.
        if (shift > pitchClass(rules.highKey - source.root)) shift -= 12;
        pitch = note + shift + tableShift(rules.table, interval, source.type, played.type);
    } else {
        pitch = choices::snap(note, allowedClasses(rules.table, source, played));
    }
    if (onBass && interval == 0) pitch = choices::snap(pitch, 1 << *played.bass);
    return foldIntoLimits(pitch, rules.low, rules.high);
}

int rootPitch(int sounding, const ZoneRules& rules, const Chord& played) {
    const int root = rules.bass && played.bass ? *played.bass : played.root;
    return foldIntoLimits(sounding - pitchClass(sounding) + root, 0, 127);
}

}  // namespace chords

#include "names/gm_tables.h"

#include <array>
#include <utility>

namespace names {
namespace {

constexpr std::array<std::string_view, 128> kGmPrograms = {
    "Acoustic Grand Piano", "Bright Acoustic Piano", "Electric Grand Piano", "Honky-tonk Piano",
    "Rhodes Piano", "Chorused Piano", "Harpsichord", "Clavinet", "Celesta", "Glockenspiel", "Music Box",
    "Vibraphone", "Marimba", "Xylophone", "Tubular Bells", "Dulcimer", "Hammond Organ", "Percussive Organ",
    "Rock Organ", "Church Organ", "Reed Organ", "Accordion", "Harmonica", "Tango Accordion",
    "Acoustic Guitar (nylon)", "Acoustic Guitar (steel)", "Electric Guitar (jazz)", "Electric Guitar (clean)",
    "Electric Guitar (muted)", "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics", "Acoustic Bass",
    "Electric Bass (finger)", "Electric Bass (pick)", "Fretless Bass", "Slap Bass 1", "Slap Bass 2",
    "Synth Bass 1", "Synth Bass 2", "Violin", "Viola", "Cello", "Contrabass", "Tremolo Strings",
    "Pizzicato Strings", "Orchestral Harp", "Timpani", "String Ensemble 1", "String Ensemble 2",
    "SynthStrings 1", "SynthStrings 2", "Choir Aahs", "Voice Oohs", "Synth Voice", "Orchestra Hit", "Trumpet",
    "Trombone", "Tuba", "Muted Trumpet", "French Horn", "Brass Section", "Synth Brass 1", "Synth Brass 2",
    "Soprano Sax", "Alto Sax", "Tenor Sax", "Baritone Sax", "Oboe", "English Horn", "Bassoon", "Clarinet",
    "Piccolo", "Flute", "Recorder", "Pan Flute", "Bottle Blow", "Shakuhachi", "Whistle", "Ocarina",
    "Lead 1 (square)", "Lead 2 (sawtooth)", "Lead 3 (calliope)", "Lead 4 (chiff)", "Lead 5 (charang)",
    "Lead 6 (voice)", "Lead 7 (fifths)", "Lead 8 (bass+lead)", "Pad 1 (new age)", "Pad 2 (warm)",
    "Pad 3 (polysynth)", "Pad 4 (choir)", "Pad 5 (bowed)", "Pad 6 (metallic)", "Pad 7 (halo)", "Pad 8 (sweep)",
    "FX 1 (rain)", "FX 2 (soundtrack)", "FX 3 (crystal)", "FX 4 (atmosphere)", "FX 5 (brightness)",
    "FX 6 (goblins)", "FX 7 (echoes)", "FX 8 (sci-fi)", "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba",
    "Bagpipe", "Fiddle", "Shanai", "Tinkle Bell", "Agogo", "Steel Drums", "Woodblock", "Taiko Drum",
    "Melodic Tom", "Synth Drum", "Reverse Cymbal", "Guitar Fret Noise", "Breath Noise", "Seashore",
    "Bird Tweet", "Telephone Ring", "Helicopter", "Applause", "Gunshot",
};

constexpr std::array<std::string_view, kGmGroupCount> kGmGroups = {
    "PIANO", "CHROM PERCUSSION", "ORGAN",     "GUITAR",     "BASS",          "STRINGS", "ENSEMBLE",   "BRASS",
    "REED",  "PIPE",             "SYNTH LEAD", "SYNTH PAD", "SYNTH EFFECTS", "ETHNIC",  "PERCUSSIVE", "SOUND EFFECTS",
};

constexpr std::pair<int, std::string_view> kShortTreeNames[] = {
    {0, "Acoustic Grand"},   {1, "Bright Acoustic"},  {2, "Electric Grand"},
    {3, "Honky-Tonk"},       {4, "Electric Piano 1"}, {5, "Electric Piano 2"},
    {7, "Clav"},             {62, "SynthBrass 1"},    {63, "SynthBrass 2"},
};

// Searched in this order; the first match wins.
constexpr std::pair<int, std::string_view> kControllers[] = {
    {0, "BANK SELECT MSB"}, {32, "BANK SELECT LSB"}, {1, "MODULATION"}, {5, "PORTAMENTO TIME"},
    {6, "DATA ENTRY MSB"}, {38, "DATA ENTRY LSB"}, {7, "MAIN VOLUME"}, {10, "PAN POT"}, {11, "EXPRESSION"},
    {64, "SUSTAIN"}, {65, "PORTAMENTO"}, {66, "SOSTENUTO"}, {67, "SOFT PEDAL"}, {71, "HARMONIC CONTENT"},
    {72, "RELEASE TIME"}, {73, "ATTACK TIME"}, {74, "BRIGHTNESS"}, {84, "PORTAMENTO CONTROL"},
    {91, "REVERB SEND LEVEL"}, {93, "CHORUS SEND LEVEL"}, {94, "VARIATION SEND LEVEL"}, {96, "DATA INCREMENT"},
    {97, "DATA DECREMENT"}, {98, "NRPN LSB"}, {99, "NRPN MSB"}, {100, "RPN LSB"}, {101, "RPN MSB"},
    {120, "ALL SOUNDS OFF"}, {121, "RESET ALL CONTROLLERS"}, {123, "ALL NOTES OFF"}, {124, "OMNI OFF"},
    {125, "OMNI ON"}, {126, "MONO"}, {127, "POLY"},
};

}  // namespace

std::string_view gmProgramName(int program) { return kGmPrograms[static_cast<std::size_t>(program & 127)]; }

std::string_view gmGroupName(int group) { return kGmGroups[static_cast<std::size_t>(group & 15)]; }

std::string_view patchTreeName(int program) {
    for (const auto& [number, name] : kShortTreeNames)
        if (number == (program & 127)) return name;
    return gmProgramName(program);
}

std::string_view controllerName(int controller) {
    for (const auto& [number, name] : kControllers)
        if (number == controller) return name;
    return "?";
}

}  // namespace names

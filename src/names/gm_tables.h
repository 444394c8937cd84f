#pragma once
// Built-in General MIDI and controller names.
#include <string_view>

namespace names {

inline constexpr int kGmGroupCount = 16;
inline constexpr int kProgramsPerGroup = 8;

// General MIDI program name of program 0-127 (the value is masked to 7 bits).
std::string_view gmProgramName(int program);
// Name of General MIDI program group 0-15 ("PIANO" ... "SOUND EFFECTS"), masked to 4 bits.
std::string_view gmGroupName(int group);
// The program's name as the patch tree shows it: a shorter form for nine
// pianos and synth brasses, the full name otherwise.
std::string_view patchTreeName(int program);
// Controller name of the built-in table; "?" for numbers it does not list.
std::string_view controllerName(int controller);

}  // namespace names

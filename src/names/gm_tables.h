#pragma once
// Built-in General MIDI and controller names.
#include <string_view>

namespace names {

// General MIDI program name of program 0-127 (the value is masked to 7 bits).
std::string_view gmProgramName(int program);
// Controller name of the built-in table; "?" for numbers it does not list.
std::string_view controllerName(int controller);

}  // namespace names

#pragma once
// The controller picker's list from "Control.INI" ([Controllers], keys "0"
// to "255", each value one line such as "7 Volume") and its value rules.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/profile.h"

namespace names {

// Every non-empty value of keys "0" to "255", in key order.
std::vector<std::string> controllerList(const base::Profile& controlIni);

// The controller number an item begins with; -1 when it begins with none.
int itemController(std::string_view item);
// The first item that begins with `controller`, 0 when none does.
std::size_t itemIndexFor(const std::vector<std::string>& items, int controller);

// The value the track bar stands for: 127 at the top (position 0).
int valueOfTrackPosition(int position);
int trackPositionOf(int value);
// A typed value: 0 for text that is not a number, limited to 0..127.
int typedControllerValue(std::string_view text);

}  // namespace names

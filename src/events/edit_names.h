#pragma once
// The names the Edit menu shows after "&Undo" and "&Redo" for each command.
#include <string_view>

namespace events {

inline constexpr std::string_view kEditEvent = "Edit Event";
inline constexpr std::string_view kInsertEvent = "Insert Event";
inline constexpr std::string_view kDeleteEvents = "Delete";
inline constexpr std::string_view kMoveUp = "Move Up";
inline constexpr std::string_view kMoveDown = "Move Down";
inline constexpr std::string_view kEditTick = "Edit Tick+";

}  // namespace events

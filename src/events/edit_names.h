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
inline constexpr std::string_view kCut = "Cut";
inline constexpr std::string_view kPaste = "Paste";
inline constexpr std::string_view kEditChannel = "Edit Channel";
inline constexpr std::string_view kTranspose = "Transpose";

}  // namespace events

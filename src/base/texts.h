#pragma once
// The built-in English text of every language text number: the one place
// that pairs a number with its text. Windows look a number up here when they
// give no text of their own (a caption that differs from the shared one, such
// as "&Open" beside "&Open...", is passed at the call instead).
#include <span>
#include <string_view>

namespace base {

// Language files hold the numbers 0 to kLastTextId.
inline constexpr int kLastTextId = 406;

struct BuiltinText {
    int id;
    std::string_view english;
};

// Every number that has a text, in ascending order: all of 0 to
// kLastTextId but 33, which stands for nothing.
std::span<const BuiltinText> builtinTexts();

// The built-in text of `id`; empty for a number that stands for nothing
// (and for 365, the credit line, which is empty in English).
std::string_view builtinText(int id);

// Numbers of the texts that windows of several subsystems share.
namespace text {
inline constexpr int ok = 80;
inline constexpr int cancel = 81;
inline constexpr int message = 118;
inline constexpr int unableToCreate = 100;
inline constexpr int unableToOpen = 103;
inline constexpr int unknownFormat = 367;
inline constexpr int credit = 365;
inline constexpr int casmHexView = 107;
inline constexpr int fileNotOpen = 208;
inline constexpr int fileTooLarge = 233;
inline constexpr int desktopToolsMissing = 335;
}  // namespace text

}  // namespace base

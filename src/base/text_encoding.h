#pragma once
// Texts from files written on older systems: UTF-8 when the bytes are valid
// UTF-8, else one of the Windows code pages such files were saved in.
#include <optional>
#include <string>
#include <string_view>

namespace base {

bool isValidUtf8(std::string_view bytes);

// "CP1251" when the non-ASCII bytes look like Cyrillic words (mostly letters
// in C0h-FFh forming runs), else "CP1252".
const char* guessWindowsCodePage(std::string_view bytes);

// `bytes` converted from `codePage` to UTF-8 ("UTF-8" leaves them as they
// are). Bytes the code page cannot map become U+FFFD.
std::string toUtf8(std::string_view bytes, const char* codePage);

// A whole text file as UTF-8: UTF-8 (a byte order mark is dropped), UTF-16
// with a byte order mark, or else a guessed Windows code page. Nothing when
// the bytes are no text: a NUL byte outside UTF-16, UTF-16 of odd length or
// with a lone surrogate, or a UTF-8 byte order mark before invalid UTF-8.
std::optional<std::string> decodeText(std::string_view bytes);

}  // namespace base

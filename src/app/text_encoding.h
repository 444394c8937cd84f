#pragma once
// Texts from files written on older systems: UTF-8 when the bytes are valid
// UTF-8, else one of the Windows code pages such files were saved in.
#include <string>
#include <string_view>

namespace app {

bool isValidUtf8(std::string_view bytes);

// "CP1251" when the non-ASCII bytes look like Cyrillic words (mostly letters
// in C0h-FFh forming runs), else "CP1252".
const char* guessWindowsCodePage(std::string_view bytes);

// `bytes` converted from `codePage` to UTF-8 ("UTF-8" leaves them as they
// are). Bytes the code page cannot map become U+FFFD.
std::string toUtf8(std::string_view bytes, const char* codePage);

}  // namespace app

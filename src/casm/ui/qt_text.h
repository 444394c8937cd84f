#pragma once
// Texts of the core as the CASM windows show them: typed names as entry
// bytes, the channel items, and lists of value names (bytes shown one to one).
#include <QString>
#include <QStringList>
#include <span>
#include <string>
#include <string_view>

#include "base/ui/dialog_texts.h"

namespace casm::ui {

// A typed name as the bytes an entry stores: a character of Latin-1 keeps its
// byte, any other is a space (as a byte at or above 0x80 becomes one), one
// per character, never the question mark a Latin-1 conversion puts there.
inline std::string nameBytes(const QString& typed) {
    std::string out;
    for (const char32_t c : typed.toUcs4()) out.push_back(c <= 0xFF ? static_cast<char>(c) : ' ');
    return out;
}

// The sixteen channel items: the language's word, a space and 1 to 16 ("Chan 1" ... "Chan 16").
inline QStringList channelItems(const QString& word) {
    QStringList out;
    for (int c = 1; c <= 16; ++c) out << word + ' ' + QString::number(c);
    return out;
}

inline QStringList names(std::span<const std::string_view> list) {
    QStringList out;
    for (const auto name : list) out << base::ui::qtext(name);
    return out;
}

}  // namespace casm::ui

#pragma once
// Texts of the core as the CASM windows show them: bytes taken one to one
// (Latin-1, lossless for every byte), and lists of value names.
#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace casm::ui {

inline QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

inline QStringList names(std::span<const std::string_view> list) {
    QStringList out;
    for (const auto name : list) out << latin1(name);
    return out;
}

}  // namespace casm::ui

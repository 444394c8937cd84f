#pragma once
// Captions of this subsystem's windows through the language in use.
#include <QString>
#include <string>
#include <string_view>

#include "app/language.h"

namespace names::ui {

inline QString text(const app::Language& language, int id, const char* builtin) {
    return QString::fromStdString(language.text(id, builtin));
}

// Names read from the user's files are bytes of no known encoding: shown
// one character per byte and turned back into the same bytes, so a chosen
// name is found again in the file.
inline QString qtext(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string bytesOf(const QString& shown) { return shown.toLatin1().toStdString(); }

}  // namespace names::ui

#pragma once
// Captions of this subsystem's windows through the language in use.
#include <QString>
#include <string_view>

#include "app/language.h"

namespace names::ui {

inline QString text(const app::Language& language, int id, const char* builtin) {
    return QString::fromStdString(language.text(id, builtin));
}

inline QString qtext(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace names::ui

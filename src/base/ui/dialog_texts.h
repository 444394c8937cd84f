#pragma once
// Captions of this subsystem's windows through the language in use, and the
// OK/Cancel row the choosers share.
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <string>
#include <string_view>

#include "base/language.h"
#include "base/ui/button_row.h"

namespace base::ui {

inline QString text(const Language& language, int id, const char* builtin) {
    return QString::fromStdString(language.text(id, builtin));
}

// Names read from the user's files are bytes of no known encoding: shown
// one character per byte and turned back into the same bytes, so a chosen
// name is found again in the file.
inline QString qtext(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string bytesOf(const QString& shown) { return shown.toLatin1().toStdString(); }

// Creates the dialog's default OK button and its Cancel button in a right-aligned row.
inline QHBoxLayout* okCancelRow(QWidget* dialog, const Language& language, const char* ok, const char* cancel,
                                QPushButton*& buttonOk, QPushButton*& buttonCancel) {
    buttonOk = new QPushButton(text(language, 80, ok), dialog);
    buttonOk->setObjectName("ButtonOK");
    buttonOk->setDefault(true);
    buttonCancel = new QPushButton(text(language, 81, cancel), dialog);
    buttonCancel->setObjectName("ButtonCancel");
    return rightAlignedRow(buttonOk, buttonCancel);
}

}  // namespace base::ui

#pragma once
// Pieces the property dialogs share: an edit box with its up-down, and the
// OK/Cancel row that closes a dialog with its result.
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

#include "base/language.h"
#include "base/ui/window_position.h"

namespace events::ui {

// A spin box (edit box and up-down) bounded to [minimum, maximum].
QSpinBox* upDown(QWidget* parent, const char* name, int minimum, int maximum, int value);

// Lays out `body` above the OK and Cancel buttons (OK the default; both
// captions through the language, 80 and 81). OK accepts unless
// `acceptOnOk` is false (the dialog then connects its own check).
// `fixedSize` fixes the dialog's size to fit.
void finishDialog(base::ui::RememberedDialog* dialog, QLayout* body, const base::Language& language,
                  QPushButton*& ok, QPushButton*& cancel, bool acceptOnOk = true, bool fixedSize = true);

}  // namespace events::ui

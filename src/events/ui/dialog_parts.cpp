#include "events/ui/dialog_parts.h"

#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"

namespace events::ui {

QSpinBox* upDown(QWidget* parent, const char* name, int minimum, int maximum, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

void finishDialog(base::ui::RememberedDialog* dialog, QLayout* body, const base::Language& language, QPushButton*& ok,
                  QPushButton*& cancel, bool acceptOnOk, bool fixedSize) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(body);
    layout->addLayout(base::ui::okCancelRow(dialog, language, "&OK", "&Cancel", ok, cancel));
    if (acceptOnOk) QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    if (fixedSize) dialog->setFixedSize(std::max(dialog->sizeHint().width(), 240), dialog->sizeHint().height());
}

}  // namespace events::ui

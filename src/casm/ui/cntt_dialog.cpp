#include "casm/ui/cntt_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>

namespace casm::ui {

CnttDialog::CnttDialog(QWidget* parent, const DialogContext& context, int value)
    : QDialog(parent), captions_(context.language) {
    setObjectName("EditCntt");
    setWindowTitle("Cntt");
    auto* layout = new QHBoxLayout(this);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(0, 255);
    SpinEdit1->setValue(value);
    ButtonDelete = new QPushButton(this);
    ButtonDelete->setObjectName("ButtonDelete");
    ButtonDelete->setAutoDefault(false);
    layout->addWidget(SpinEdit1);
    layout->addWidget(ButtonDelete);
    captions_.add(373, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(19, "Delete", [this](const QString& t) { ButtonDelete->setText(t); });
    connect(ButtonDelete, &QPushButton::clicked, this, [this] {
        deleted_ = true;
        done(QDialog::Rejected);
    });
}

void CnttDialog::keyPressEvent(QKeyEvent* e) {
    // Enter closes the window with its value, as any close but Delete does.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return done(QDialog::Accepted);
    QDialog::keyPressEvent(e);
}

std::optional<std::uint8_t> CnttDialog::cntt() const {
    if (deleted_) return std::nullopt;
    return static_cast<std::uint8_t>(SpinEdit1->value());
}

void CnttDialog::reject() { done(deleted_ ? QDialog::Rejected : QDialog::Accepted); }

}  // namespace casm::ui

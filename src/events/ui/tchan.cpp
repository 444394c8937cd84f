#include "events/ui/tchan.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ui/captions.h"
#include "names/ui/chooser_parts.h"

namespace events::ui {

TChan::TChan(int position, const std::filesystem::path& settingsFile, const app::Language& language, QWidget* parent)
    : app::ui::RememberedDialog(parent, settingsFile, "Chan") {
    app::ui::Captions captions(language);
    captions.add(207, [this](const QString& t) { setWindowTitle(t); });
    EditChan = new QSpinBox(this);
    EditChan->setObjectName("EditChan");
    EditChan->setRange(1, 16);
    EditChan->setValue(position);
    auto* buttons = names::ui::okCancelRow(this, language, "&OK", "&Cancel", ButtonOK, ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(EditChan);
    layout->addLayout(buttons);
    setMinimumWidth(220);  // room for the caption
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

int TChan::position() const { return EditChan->value(); }

}  // namespace events::ui

#include "casm/ui/tselnote.h"

#include <QLabel>
#include <QVBoxLayout>

#include "casm/note_keyboard.h"
#include "casm/ui/keyboard_picture.h"
#include "names/ui/chooser_parts.h"

namespace casm::ui {

TSelNote::TSelNote(int note, const std::filesystem::path& settingsFile, const app::Language& language,
                   QWidget* parent)
    : app::ui::RememberedDialog(parent, settingsFile, "SelNote"),
      title_(names::ui::text(language, 311, "Select Note")),
      note_(note & 127) {
    setWindowTitle(title_);
    Image1 = new KeyboardPicture(this);
    Image1->setObjectName("Image1");
    Image1->setMarked(note_);
    LabelNote = new QLabel(this);
    LabelNote->setObjectName("LabelNote");
    LabelNote->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(LabelNote);
    layout->addLayout(names::ui::okCancelRow(this, language, "&OK", "&Cancel", ButtonOK, ButtonCancel));
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Image1, &KeyboardPicture::hovered, this, &TSelNote::Image1MouseMove);
    connect(Image1, &KeyboardPicture::pressed, this, &TSelNote::Image1MouseDown);
    setFixedSize(sizeHint());
    restorePlace();
}

void TSelNote::Image1MouseMove(std::optional<int> note) {
    LabelNote->setText(note ? QString::fromStdString(noteLabel(*note)) : QString());
}

void TSelNote::Image1MouseDown(int note) {
    note_ = note & 127;
    setWindowTitle(title_ + " (" + QString::fromStdString(noteLabel(note_)) + ")");
    Image1->setMarked(note_);
}

}  // namespace casm::ui

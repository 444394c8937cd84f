#include "casm/ui/note_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/button_row.h"
#include "casm/note_keyboard.h"

namespace casm::ui {
namespace {

QString noteText(int note) { return QString::fromStdString(noteWithOctave(note)); }

}  // namespace

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setFixedSize(kKeyboardWidth, kKeyboardHeight);
    setMouseTracking(true);
}

QSize KeyboardPicture::sizeHint() const { return {kKeyboardWidth, kKeyboardHeight}; }

void KeyboardPicture::setMarked(int note) {
    marked_ = note & 0x7F;
    update();
}

void KeyboardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int keyHeight = kKeyboardHeight - kKeyboardTop - 1;
    // White keys first, the black keys over them, then the mark.
    for (int note = 0; note < 128; ++note) {
        if (isBlackKey(note)) continue;
        const auto a = keyArea(note);
        p.fillRect(a.x, kKeyboardTop, kKeyWidth, keyHeight, Qt::white);
        p.setPen(Qt::black);
        p.drawRect(a.x, kKeyboardTop, kKeyWidth, keyHeight);
        if (note % 12 == 0) {
            QFont f = font();
            f.setPixelSize(9);
            p.setFont(f);
            p.drawText(QRect(a.x - 2, 2, kOctaveWidth, kKeyboardTop - 3), Qt::AlignLeft | Qt::AlignBottom, noteText(note));
        }
    }
    for (int note = 0; note < 128; ++note) {
        if (!isBlackKey(note)) continue;
        const auto a = keyArea(note);
        p.fillRect(a.x + 1, kKeyboardTop, kKeyWidth - 2, kKeyAreaHeight + 1, Qt::black);
    }
    if (marked_ >= 0) {
        const auto a = keyArea(marked_);
        p.fillRect(a.x, a.y, kMarkWidth, kMarkHeight, QColor(Qt::red));
    }
}

void KeyboardPicture::mouseMoveEvent(QMouseEvent* e) {
    const auto note = noteAt(e->position().toPoint().x(), e->position().toPoint().y());
    emit hovered(note ? *note : -1);
}

void KeyboardPicture::mousePressEvent(QMouseEvent* e) {
    const auto note = noteAt(e->position().toPoint().x(), e->position().toPoint().y());
    if (!note) return;
    setMarked(*note);
    emit clicked(*note);
}

void KeyboardPicture::leaveEvent(QEvent*) { emit hovered(-1); }

QPixmap keyboardPixmap() {
    KeyboardPicture picture(nullptr);
    return picture.grab();
}

NotePicker::NotePicker(QWidget* parent, const DialogContext& context, int note)
    : NotePicker(parent, context.language, context.settingsFile, note) {}

NotePicker::NotePicker(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile, int note)
    : RememberedDialog(parent, settingsFile, "SelNote"), captions_(language) {
    auto* layout = new QVBoxLayout(this);
    Image1 = new KeyboardPicture(this);
    Image1->setMarked(note);
    LabelNote = new QLabel(this);
    LabelNote->setObjectName("LabelNote");
    LabelNote->setAlignment(Qt::AlignCenter);
    LabelNote->setMinimumHeight(20);
    QFont big = LabelNote->font();
    big.setBold(true);
    LabelNote->setFont(big);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(LabelNote);
    base::ui::okCancelButtons(*this, captions_, ButtonOK, ButtonCancel);
    layout->addLayout(base::ui::rightAlignedRow(ButtonOK, ButtonCancel));
    captions_.add(311, [this](const QString& t) { setWindowTitle(t); });
    connect(Image1, &KeyboardPicture::hovered, this,
            [this](int n) { LabelNote->setText(n < 0 ? QString() : noteText(n)); });
    connect(Image1, &KeyboardPicture::clicked, this, [this](int n) { Image1MouseDown(n); });
    restorePlace();
}

void NotePicker::Image1MouseDown(int note) {
    setWindowTitle(captions_.text(311) + " (" + noteText(note) + ")");
}

}  // namespace casm::ui

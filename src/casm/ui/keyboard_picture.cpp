#include "casm/ui/keyboard_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "casm/note_keyboard.h"

namespace casm::ui {
namespace {

void drawKeyboard(QPainter& p, std::optional<int> marked) {
    p.fillRect(0, 0, kKeyboardWidth, kKeyboardHeight, Qt::lightGray);
    // White keys from the keys' top line down, black keys over them.
    for (int note = 0; note <= 127; ++note) {
        if (isBlackKey(note)) continue;
        const auto area = markRect(note);
        const QRect key(area.left, kKeysTop, kKeyAreaWidth, kKeyboardHeight - kKeysTop);
        p.fillRect(key, Qt::white);
        p.setPen(Qt::darkGray);
        p.drawRect(key.adjusted(0, 0, -1, -1));
    }
    // Black keys are drawn narrower than the area that picks them, over the
    // line between their two white keys.
    for (int note = 0; note <= 127; ++note) {
        if (!isBlackKey(note)) continue;
        const auto area = markRect(note);
        p.fillRect(QRect(area.left + 2, kKeysTop, kKeyAreaWidth - 3, area.top + kKeyAreaHeight - kKeysTop), Qt::black);
    }
    // Octave numbers above the keys.
    p.setPen(Qt::black);
    for (int octave = 0; octave * 12 <= 127; ++octave)
        p.drawText(QRect(octave * kOctaveWidth, 0, kOctaveWidth, kKeysTop), Qt::AlignCenter, QString::number(octave));
    if (marked) {
        const auto mark = markRect(*marked);
        p.fillRect(QRect(QPoint(mark.left, mark.top), QPoint(mark.right - 1, mark.bottom - 1)), Qt::red);
    }
}

}  // namespace

QPixmap keyboardPixmap(std::optional<int> marked) {
    QPixmap pixmap(kKeyboardWidth, kKeyboardHeight);
    QPainter p(&pixmap);
    drawKeyboard(p, marked);
    return pixmap;
}

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kKeyboardWidth, kKeyboardHeight);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void KeyboardPicture::setMarked(std::optional<int> note) {
    marked_ = note;
    update();
}

void KeyboardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawKeyboard(p, marked_);
}

void KeyboardPicture::mouseMoveEvent(QMouseEvent* event) {
    const auto at = event->position().toPoint();
    emit hovered(noteAt(at.x(), at.y()));
}

void KeyboardPicture::mousePressEvent(QMouseEvent* event) {
    const auto at = event->position().toPoint();
    if (const auto note = noteAt(at.x(), at.y())) emit pressed(*note);
}

void KeyboardPicture::leaveEvent(QEvent*) { emit hovered(std::nullopt); }

}  // namespace casm::ui

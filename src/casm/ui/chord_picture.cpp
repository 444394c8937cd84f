#include "casm/ui/chord_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "casm/chord_shapes.h"
#include "casm/note_keyboard.h"

namespace casm::ui {
namespace {

constexpr int kWhiteKeys = 14;  // two octaves from C; the widest chord spans 21 semitones
constexpr int kWhitesBefore[12] = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

}  // namespace

ChordPicture::ChordPicture(int type, QWidget* parent) : QWidget(parent), type_(type) {
    setObjectName(QString("Image%1").arg(type + 1));
    setMinimumSize(sizeHint());
}

QSize ChordPicture::sizeHint() const { return {kWhiteKeys * 9 + 1, 40}; }

void ChordPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal white = (width() - 1.0) / kWhiteKeys;
    const qreal height = this->height() - 1.0;
    const auto notes = chordIntervals(type_);
    const QColor played(0xD0, 0x20, 0x20);

    p.setPen(QPen(Qt::black, 1));
    for (int k = 0; k < kWhiteKeys; ++k) p.fillRect(QRectF(k * white, 0, white, height), Qt::white);
    for (int k = 0; k < kWhiteKeys; ++k) p.drawRect(QRectF(k * white + 0.5, 0.5, white, height));
    auto keyCentre = [&](int semitone) {
        const int octave = semitone / 12;
        const int key = semitone % 12;
        const qreal left = (octave * 7 + kWhitesBefore[key]) * white;
        return isBlackKey(key) ? QPointF(left, height * 0.3) : QPointF(left + white / 2, height * 0.8);
    };
    for (int s = 0; s < 24; ++s) {
        if (!isBlackKey(s)) continue;
        const qreal x = (s / 12 * 7 + kWhitesBefore[s % 12]) * white - white * 0.3;
        p.fillRect(QRectF(x, 0.5, white * 0.6, height * 0.6), Qt::black);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(played);
    const qreal r = std::min(white * 0.32, height * 0.12);
    for (int s : notes) p.drawEllipse(keyCentre(s), r, r);
}

void ChordPicture::mousePressEvent(QMouseEvent*) { emit clicked(); }

}  // namespace casm::ui

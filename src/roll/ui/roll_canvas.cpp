#include "roll/ui/roll_canvas.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace roll::ui {

RollCanvas::RollCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("RollCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    scene_.layout.size = size();
    scene_.overlay = &overlay_;
}

void RollCanvas::setScore(const Score* score) {
    scene_.score = score;
    scene_.list = score && link_.document ? &link_.document->events : nullptr;
    // A gesture in progress was made on the notes as they were.
    drag_ = Drag::None;
    anchor_.reset();
    dragged_.clear();
    scene_.moveBy = {};
    scene_.lengthBy = 0;
    scene_.drawing.reset();
    scene_.rubberBand.reset();
    update();
}

void RollCanvas::setGeometry(const Geometry& g) {
    scene_.geometry = g;
    clampGeometry();
    update();
    emit viewChanged();
}

void RollCanvas::clampGeometry() {
    Geometry& g = scene_.geometry;
    const int spare = g.fullHeight() - scene_.layout.noteHeight();
    g.top = std::clamp(g.top, 0, std::max(0, spare));
}

void RollCanvas::setChannels(std::uint16_t channels) {
    scene_.channels = channels;
    update();
}

void RollCanvas::setPlayTick(std::optional<std::uint64_t> tick) {
    if (tick == scene_.playTick) return;
    scene_.playTick = tick;
    // Follow the cursor: a page on when it leaves the picture.
    if (tick && drag_ == Drag::None) {
        const double x = scene_.geometry.x(*tick);
        if (x < 0 || x > scene_.layout.notes().width() - 8) {
            scene_.geometry.firstTick = *tick;
            emit viewChanged();
        }
    }
    update();
}

void RollCanvas::setOverlay(std::vector<HeardNote> notes) {
    overlay_ = std::move(notes);
    update();
}

void RollCanvas::zoomTime(double factor) {
    scene_.geometry.zoomTime(factor, scene_.layout.notes().width() / 2.0);
    update();
    emit viewChanged();
}

void RollCanvas::zoomKeys(int steps) {
    Geometry& g = scene_.geometry;
    g.zoomKeys(g.keyHeight + steps, scene_.layout.noteHeight() / 2);
    clampGeometry();
    update();
    emit viewChanged();
}

void RollCanvas::showTick(std::uint64_t tick) {
    scene_.geometry.firstTick = tick;
    update();
    emit viewChanged();
}

void RollCanvas::centreKey(int key) {
    Geometry& g = scene_.geometry;
    g.top = (127 - key) * g.keyHeight + g.keyHeight / 2 - scene_.layout.noteHeight() / 2;
    clampGeometry();
    update();
    emit viewChanged();
}

std::vector<Note> RollCanvas::selection() const {
    if (!scene_.score || !scene_.list) return {};
    return selectedNotes(*scene_.score, list(), scene_.channels);
}

void RollCanvas::select(const std::function<bool(const Note&)>& wanted) {
    if (!scene_.score || !link_.flip) return;
    const auto rows = selectionFlips(*scene_.score, list(), wanted);
    if (!rows.empty()) link_.flip(rows);
    update();
}

void RollCanvas::selectAll(bool on) {
    const std::uint16_t shown = scene_.channels;
    select([on, shown](const Note& n) { return on && (shown >> n.channel & 1); });
}

void RollCanvas::apply(document::Edit edit) {
    if (!edit.empty() && link_.apply) link_.apply(std::move(edit));
}

void RollCanvas::copySelection() {
    clip_ = copyNotes(selection());
    emit status(QString::number(clip_.size()) + ' ' + words_.notes);
}

void RollCanvas::paste() {
    if (clip_.empty() || !scene_.score) return;
    const std::uint64_t at = scene_.editTick.value_or(scene_.geometry.firstTick);
    selectAll(false);
    apply(pasteNotes(list(), clip_, at));
}

void RollCanvas::deleteSelection() {
    if (scene_.score) apply(deleteNotes(list(), selection()));
}

void RollCanvas::transposeSelection(int keys) {
    if (scene_.score) apply(moveNotes(list(), selection(), {0, keys}));
}

void RollCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintRoll(p, scene_);
}

void RollCanvas::resizeEvent(QResizeEvent*) {
    scene_.layout.size = size();
    clampGeometry();
    emit viewChanged();
}

void RollCanvas::wheelEvent(QWheelEvent* e) {
    const QPoint angle = e->angleDelta();
    const int steps = (angle.y() != 0 ? angle.y() : angle.x()) / 120;
    const QPointF at = e->position() - QPointF(scene_.layout.notes().topLeft());
    Geometry& g = scene_.geometry;
    if (e->modifiers() & Qt::ControlModifier) {
        g.zoomTime(steps > 0 ? 1.25 : 0.8, at.x());
    } else if (e->modifiers() & Qt::ShiftModifier) {
        g.zoomKeys(g.keyHeight + (steps > 0 ? 1 : -1), static_cast<int>(at.y()));
    } else if ((e->modifiers() & Qt::AltModifier) || angle.x() != 0) {
        const auto ticks = static_cast<std::int64_t>(-steps * 60 / g.pixelsPerTick);
        g.firstTick = ticks < 0 && static_cast<std::uint64_t>(-ticks) > g.firstTick ? 0 : g.firstTick + ticks;
    } else {
        g.top -= steps * 3 * g.keyHeight;
    }
    clampGeometry();
    update();
    emit viewChanged();
    e->accept();
}

void RollCanvas::keyPressEvent(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int octave = (e->modifiers() & Qt::ShiftModifier) ? 12 : 1;
    switch (e->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace: deleteSelection(); break;
    case Qt::Key_Up: transposeSelection(octave); break;
    case Qt::Key_Down: transposeSelection(-octave); break;
    case Qt::Key_Escape:
        drag_ = Drag::None;
        scene_.moveBy = {};
        scene_.lengthBy = 0;
        scene_.drawing.reset();
        scene_.rubberBand.reset();
        update();
        break;
    case Qt::Key_A:
        if (ctrl) selectAll(true);
        else e->ignore();
        break;
    case Qt::Key_C:
        if (ctrl) copySelection();
        else e->ignore();
        break;
    case Qt::Key_V:
        if (ctrl) paste();
        else e->ignore();
        break;
    default: e->ignore(); return;
    }
}

}  // namespace roll::ui

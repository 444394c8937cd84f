// The roll's mouse gestures: select, move, lengthen, draw, rubber band and
// velocity. A gesture shows what it would do while the button is down and
// becomes one edit when it is let go.
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "document/event_text.h"
#include "roll/channel_sound.h"
#include "roll/ui/roll_canvas.h"

namespace roll::ui {
namespace {

constexpr int kEndGrip = 5;    // pixels at a note's end that lengthen it
constexpr int kStalkReach = 5;  // pixels around a velocity stalk

}  // namespace

std::optional<Note> RollCanvas::noteAt(QPoint p) const {
    if (!scene_.score) return std::nullopt;
    const Geometry& g = scene_.geometry;
    const int key = g.key(p.y());
    if (p.y() < 0 || p.y() >= scene_.layout.noteHeight()) return std::nullopt;
    // Of overlapping notes the shortest is meant: a longer one can be taken elsewhere.
    std::optional<Note> found;
    double width = 0;
    scene_.score->index.forEachIn(g.tick(p.x() - 6), g.tick(p.x() + 6) + 1, [&](std::size_t i) {
        const Note& n = scene_.score->notes[i];
        if (n.key != key || !(scene_.channels >> n.channel & 1)) return;
        const QRectF r = noteRect(g, n).adjusted(n.stub() ? -6 : 0, 0, n.stub() ? 6 : 0, 0);
        if (r.left() > p.x() || p.x() > r.right() || (found && r.width() > width)) return;
        found = n;
        width = r.width();
    });
    return found;
}

std::optional<Note> RollCanvas::stalkAt(int x) const {
    if (!scene_.score) return std::nullopt;
    const Geometry& g = scene_.geometry;
    std::optional<Note> best;
    double distance = kStalkReach + 1;
    scene_.score->index.forEachIn(g.tick(x - kStalkReach), g.tick(x + kStalkReach) + 1, [&](std::size_t i) {
        const Note& n = scene_.score->notes[i];
        if (n.onRow == 0 || !(scene_.channels >> n.channel & 1)) return;
        // Stalks of notes that start together stand on one another: a selected one is meant.
        const double d = std::abs(g.x(n.start) - x) - (list().selected(n.onRow) ? 0.5 : 0.0);
        if (d < distance) distance = d, best = n;
    });
    return best;
}

bool RollCanvas::nearEnd(const Note& n, QPoint p) const {
    if (n.stub()) return false;
    const QRectF r = noteRect(scene_.geometry, n);
    return r.width() > 2 * kEndGrip && p.x() >= r.right() - kEndGrip;
}

std::int64_t RollCanvas::tickDelta(QPoint from, QPoint to) const {
    return static_cast<std::int64_t>(std::llround((to.x() - from.x()) / scene_.geometry.pixelsPerTick));
}

void RollCanvas::audition(int channel, int key, int velocity, std::uint64_t tick) {
    endAudition();
    if (!link_.sound || velocity <= 0) return;
    link_.sound(noteOnWithSound(soundAt(list(), channel, tick), channel, key, velocity));
    sounding_ = std::pair{channel, key};
}

void RollCanvas::endAudition() {
    if (!sounding_) return;
    link_.sound({{static_cast<std::uint8_t>(0x80 | sounding_->first), static_cast<std::uint8_t>(sounding_->second), 0}});
    sounding_.reset();
}

void RollCanvas::mousePressEvent(QMouseEvent* e) {
    setFocus();
    if (!scene_.score) return;
    const QPoint p = e->position().toPoint() - scene_.layout.notes().topLeft();
    if (p.x() < 0) {
        // The keyboard: the key sounds on the pencil's channel.
        if (e->button() == Qt::LeftButton && p.y() >= 0 && p.y() < scene_.layout.noteHeight())
            audition(pencilChannel_, scene_.geometry.key(p.y()), pencilVelocity_, scene_.geometry.firstTick);
        return;
    }
    pressAt_ = p;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (scene_.layout.lane().contains(e->position().toPoint())) {
        const auto n = stalkAt(p.x());
        if (!n || e->button() != Qt::LeftButton) return;
        laneNotes_ = list().selected(n->onRow) ? selection() : std::vector<Note>{*n};
        drag_ = Drag::Velocity;
        updateDrag(p, e->modifiers());
        return;
    }
    if (p.y() < 0) {  // the ruler: the paste cursor goes there
        scene_.editTick = scene_.score->grid.snapped(scene_.geometry.tick(p.x()), snap_);
        update();
        return;
    }
    const auto hit = noteAt(p);
    if (e->button() == Qt::RightButton) {
        if (hit) apply(deleteNotes(list(), std::vector<Note>{*hit}));
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    if (!hit) {
        scene_.editTick = scene_.score->grid.snapped(scene_.geometry.tick(p.x()), snap_);
        if (tool_ == Tool::Pencil) {
            const std::uint64_t start = scene_.score->grid.snappedDown(scene_.geometry.tick(p.x()), snap_);
            const std::uint64_t step = std::max<std::uint64_t>(scene_.score->grid.snapStep(snap_), 1);
            const std::uint64_t length = snap_.off() ? scene_.score->grid.division() : step;
            Note n{start, start + length, 0, 0, static_cast<std::uint8_t>(pencilChannel_),
                   static_cast<std::uint8_t>(scene_.geometry.key(p.y())), static_cast<std::uint8_t>(pencilVelocity_)};
            n.onRow = n.offRow = -1;  // not a stub: a note to be
            scene_.drawing = n;
            drag_ = Drag::Draw;
            audition(n.channel, n.key, n.velocity, n.start);
        } else {
            if (!ctrl && !shift) selectAll(false);
            drag_ = Drag::Band;
            scene_.rubberBand = QRect(p, p);
        }
        update();
        return;
    }
    const int row = hit->row();
    if (ctrl) {  // toggles the note, nothing more
        const bool on = !list().selected(row);
        const Note clicked = *hit;
        select([&](const Note& n) {
            return n.row() == clicked.row() ? on : list().selected(n.row());
        });
        return;
    }
    if (!list().selected(row)) {
        const Note clicked = *hit;
        select([&](const Note& n) { return n.row() == clicked.row() || (shift && list().selected(n.row())); });
    }
    anchor_ = hit;
    dragged_ = selection();
    if (hit->onRow != 0) audition(hit->channel, hit->key, hit->velocity, hit->start);
    drag_ = nearEnd(*hit, p) ? Drag::Resize : Drag::Move;
    emit status(QString("%1 (%2 %3, %4 %5)")
                    .arg(QString::fromStdString(document::noteName(hit->key)).trimmed(), words_.channel)
                    .arg(hit->channel + 1)
                    .arg(words_.velocity)
                    .arg(hit->velocity));
}

void RollCanvas::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint() - scene_.layout.notes().topLeft();
    if (drag_ != Drag::None) {
        updateDrag(p, e->modifiers());
        return;
    }
    // The pointer tells what a press would do.
    const auto hit = scene_.layout.notes().contains(e->position().toPoint()) ? noteAt(p) : std::nullopt;
    setCursor(hit && nearEnd(*hit, p) ? Qt::SizeHorCursor : hit ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void RollCanvas::updateDrag(QPoint p, Qt::KeyboardModifiers) {
    const TimeGrid& grid = scene_.score->grid;
    const Geometry& g = scene_.geometry;
    switch (drag_) {
    case Drag::Move: {
        const std::int64_t raw = tickDelta(pressAt_, p);
        const auto wantedStart = static_cast<std::uint64_t>(std::max<std::int64_t>(0, static_cast<std::int64_t>(anchor_->start) + raw));
        const std::int64_t ticks = static_cast<std::int64_t>(grid.snapped(wantedStart, snap_)) - static_cast<std::int64_t>(anchor_->start);
        scene_.moveBy = allowedShift(dragged_, {ticks, g.key(p.y()) - g.key(pressAt_.y())});
        break;
    }
    case Drag::Resize: {
        const std::int64_t raw = tickDelta(pressAt_, p);
        const auto wantedEnd = static_cast<std::uint64_t>(
            std::max<std::int64_t>(static_cast<std::int64_t>(anchor_->start) + 1, static_cast<std::int64_t>(anchor_->end) + raw));
        scene_.lengthBy = static_cast<std::int64_t>(grid.snapped(wantedEnd, snap_)) - static_cast<std::int64_t>(anchor_->end);
        break;
    }
    case Drag::Draw: {
        Note& n = *scene_.drawing;
        const std::uint64_t step = snap_.off() ? 1 : grid.snapStep(snap_);
        const std::uint64_t end = grid.snapped(g.tick(p.x()), snap_);
        n.end = std::max(n.start + step, end);
        break;
    }
    case Drag::Band: scene_.rubberBand = QRect(pressAt_, p).normalized(); break;
    case Drag::Velocity: {
        const int height = scene_.layout.lane().height() - 6;
        const int fromBottom = scene_.layout.lane().bottom() - (p.y() + scene_.layout.notes().top());
        laneValue_ = std::clamp(fromBottom * 127 / std::max(1, height), 1, 127);
        emit status(words_.velocity + ' ' + QString::number(laneValue_));
        break;
    }
    case Drag::None: break;
    }
    update();
}

void RollCanvas::mouseReleaseEvent(QMouseEvent*) {
    endAudition();
    if (drag_ == Drag::None) return;
    finishDrag();
}

void RollCanvas::finishDrag() {
    const Drag drag = drag_;
    drag_ = Drag::None;
    const Shift moveBy = scene_.moveBy;
    const std::int64_t lengthBy = scene_.lengthBy;
    scene_.moveBy = {};
    scene_.lengthBy = 0;
    const auto drawing = scene_.drawing;
    scene_.drawing.reset();
    const auto band = scene_.rubberBand;
    scene_.rubberBand.reset();
    switch (drag) {
    case Drag::Move: apply(moveNotes(list(), dragged_, moveBy)); break;
    case Drag::Resize: {
        const std::uint64_t step = snap_.off() ? 1 : scene_.score->grid.snapStep(snap_);
        apply(changeLengths(list(), dragged_, lengthBy, step));
        break;
    }
    case Drag::Draw:
        apply(drawNote(list(), drawing->channel, drawing->key, drawing->start, drawing->length(), drawing->velocity));
        break;
    case Drag::Band: {
        const Geometry& g = scene_.geometry;
        const QRect r = band.value_or(QRect());
        const std::uint64_t from = g.tick(r.left()), to = g.tick(r.right());
        const int low = g.key(r.bottom()), high = g.key(r.top());
        const std::uint16_t shown = scene_.channels;
        if (r.width() > 2 || r.height() > 2)
            select([&](const Note& n) {
                const bool inside = (shown >> n.channel & 1) && n.key >= low && n.key <= high && n.start <= to &&
                                    (n.stub() ? n.start >= from : n.end > from);
                return inside || list().selected(n.row());
            });
        break;
    }
    case Drag::Velocity:
        apply(setVelocities(list(), laneNotes_, std::vector<int>(laneNotes_.size(), laneValue_)));
        laneNotes_.clear();
        break;
    case Drag::None: break;
    }
    anchor_.reset();
    dragged_.clear();
    update();
}

void RollCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint() - scene_.layout.notes().topLeft();
    if (const auto hit = noteAt(p); hit && link_.showRow) link_.showRow(hit->row());
}

}  // namespace roll::ui

#include "roll/ui/roll_painter.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <bit>

#include "document/event_text.h"
#include "roll/ui/channel_colours.h"

namespace roll::ui {
namespace {

constexpr int kStubWidth = 6;
// Above this many notes in the picture they are drawn as pixels, not shapes.
constexpr std::size_t kDenseNotes = 1500;
// Up to this many stalks in the velocity lane get a round head.
constexpr std::size_t kHeadedStalks = 400;

bool isBlackKey(int key) {
    const int k = key % 12;
    return k == 1 || k == 3 || k == 6 || k == 8 || k == 10;
}

// The tick span the note area shows.
std::pair<std::uint64_t, std::uint64_t> visibleTicks(const RollScene& s) {
    const int width = s.layout.notes().width();
    return {s.geometry.tick(0), s.geometry.tick(width) + 1};
}

// Every how many bars a line (or a number) is drawn so that they stand at
// least `minPixels` apart: 1, 2, 5, 10, 20, 50...
int barStride(const RollScene& s, std::uint64_t at, double minPixels) {
    const double barPixels = static_cast<double>(s.score->grid.barAt(at).length) * s.geometry.pixelsPerTick;
    for (int stride = 1;; stride *= 10)
        for (int step : {1, 2, 5})
            if (barPixels * stride * step >= minPixels || stride * step >= 100000) return stride * step;
}

void paintKeyboard(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.keyboard();
    p.save();
    p.setClipRect(area);
    p.fillRect(area, Qt::white);
    const Geometry& g = s.geometry;
    const int first = g.key(area.height()), last = g.key(0);
    QFont font = p.font();
    font.setPixelSize(std::clamp(g.keyHeight - 2, 7, 11));
    p.setFont(font);
    for (int key = first; key <= last; ++key) {
        const QRect row(area.left(), area.top() + g.y(key), area.width(), g.keyHeight);
        if (isBlackKey(key)) p.fillRect(row.adjusted(0, 0, -area.width() / 3, 0), QColor(40, 40, 40));
        p.setPen(QColor(200, 200, 200));
        if (key % 12 == 0 || key % 12 == 5) p.drawLine(row.bottomLeft(), row.bottomRight());
        if (key % 12 == 0 || g.keyHeight >= 12) {
            p.setPen(isBlackKey(key) ? Qt::white : Qt::black);
            p.drawText(row.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignRight,
                       QString::fromStdString(document::noteName(key)).trimmed());
        }
    }
    p.setPen(Qt::gray);
    p.drawLine(area.topRight(), area.bottomRight());
    p.restore();
}

void paintRuler(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.ruler();
    p.save();
    p.setClipRect(area);
    p.fillRect(area, QColor(236, 236, 236));
    const auto [from, to] = visibleTicks(s);
    const Geometry& g = s.geometry;
    // Section bands on the upper half.
    const int bandHeight = area.height() / 2;
    for (std::size_t i = 0; i < s.score->bands.size(); ++i) {
        const auto& band = s.score->bands[i];
        if (band.end < from || band.start > to) continue;
        const double x0 = area.left() + g.x(band.start), x1 = area.left() + g.x(std::max(band.end, band.start + 1));
        const QRectF r(x0, area.top(), std::max(2.0, x1 - x0), bandHeight - 1);
        p.fillRect(r, i % 2 ? QColor(255, 226, 160) : QColor(196, 222, 255));
        p.setPen(QColor(90, 90, 90));
        p.drawLine(QPointF(x0, area.top()), QPointF(x0, area.top() + bandHeight));
        p.setPen(Qt::black);
        const QRectF label = r.adjusted(3, 0, 0, 0).intersected(QRectF(area).adjusted(3, 0, 0, 0));
        p.drawText(label, Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(band.name));
    }
    // Bar numbers and beat ticks on the lower half.
    const auto minBeat = static_cast<std::uint64_t>(6 / g.pixelsPerTick);
    const int lineStride = barStride(s, from, 6), labelStride = barStride(s, from, 44);
    s.score->grid.forEachLine(from, to, minBeat, [&](std::uint64_t tick, int bar) {
        if (bar && (bar - 1) % lineStride != 0) return;
        const int x = area.left() + static_cast<int>(g.x(tick));
        p.setPen(bar ? Qt::black : Qt::gray);
        p.drawLine(x, area.bottom(), x, area.bottom() - (bar ? bandHeight : 4));
        if (bar && (bar - 1) % labelStride == 0)
            p.drawText(QRect(x + 2, area.top() + bandHeight, 60, bandHeight), Qt::AlignVCenter, QString::number(bar));
    });
    p.setPen(Qt::gray);
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.restore();
}

void paintGrid(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.notes();
    const Geometry& g = s.geometry;
    p.fillRect(area, QColor(252, 252, 252));
    const int first = g.key(area.height()), last = g.key(0);
    for (int key = first; key <= last; ++key) {
        const QRect row(area.left(), area.top() + g.y(key), area.width(), g.keyHeight);
        if (isBlackKey(key)) p.fillRect(row, QColor(238, 238, 242));
        if (key % 12 == 0) {
            p.setPen(QColor(215, 215, 215));
            p.drawLine(row.bottomLeft(), row.bottomRight());
        }
    }
    const auto [from, to] = visibleTicks(s);
    // Outside the sections and past the end, a darker ground.
    const double endX = area.left() + g.x(s.score->end);
    if (endX < area.right()) p.fillRect(QRectF(endX, area.top(), area.right() - endX + 1, area.height()), QColor(228, 228, 228));
    const auto minBeat = static_cast<std::uint64_t>(6 / g.pixelsPerTick);
    const int lineStride = barStride(s, from, 6);
    s.score->grid.forEachLine(from, to, minBeat, [&](std::uint64_t tick, int bar) {
        if (bar && (bar - 1) % lineStride != 0) return;
        const int x = area.left() + static_cast<int>(g.x(tick));
        p.setPen(bar ? QColor(150, 150, 150) : QColor(222, 222, 222));
        p.drawLine(x, area.top(), x, area.bottom());
    });
    for (const auto& band : s.score->bands) {
        const double x = area.left() + g.x(band.start);
        if (x < area.left() || x > area.right()) continue;
        p.setPen(QPen(QColor(60, 90, 160), 2));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

bool inMove(const RollScene& s, const Note& n) {
    return (s.moveBy.ticks != 0 || s.moveBy.keys != 0 || s.lengthBy != 0) && s.list->selected(n.row());
}

void paintNote(QPainter& p, const RollScene& s, const Note& n, const QPointF& origin, bool moved) {
    QRectF r = noteRect(s.geometry, n).translated(origin);
    if (moved) {
        r.translate(static_cast<double>(s.moveBy.ticks) * s.geometry.pixelsPerTick, -s.moveBy.keys * s.geometry.keyHeight);
        if (!n.stub()) r.setWidth(std::max(3.0, r.width() + static_cast<double>(s.lengthBy) * s.geometry.pixelsPerTick));
    }
    const bool selected = n.row() > 0 && s.list->selected(n.row());
    p.setPen(selected ? QPen(Qt::black, 2) : QPen(outlineColour(n.channel), 1));
    if (n.stub()) {
        // A lone note-on points right, a lone note-off left: their partner is missing.
        const double mid = r.center().y();
        QPolygonF arrow;
        if (n.onRow != 0) arrow << r.topLeft() << QPointF(r.left() + kStubWidth, mid) << r.bottomLeft();
        else arrow << r.topLeft() << QPointF(r.left() - kStubWidth, mid) << r.bottomLeft();
        p.setBrush(QColor(230, 40, 40));
        p.drawPolygon(arrow);
        return;
    }
    // Whole pixels: the raster engine fills those fastest.
    const QRect box = r.toRect();
    p.fillRect(box, noteColour(n.channel, n.velocity));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

// Far out, many notes share each pixel: they are laid into one picture a
// pixel per key and column, which costs a few pixels per note instead of a
// drawn rectangle.
void paintDense(QPainter& p, const RollScene& s, const std::vector<std::size_t>& shown, int low, int high) {
    const QRect area = s.layout.notes();
    const Geometry& g = s.geometry;
    QImage image(area.width(), high - low + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int last = area.width() - 1;
    for (std::size_t i : shown) {
        const Note& n = s.score->notes[i];
        const int x0 = static_cast<int>(std::clamp(g.x(n.start), 0.0, static_cast<double>(last)));
        const int x1 = static_cast<int>(std::clamp(g.x(n.end), static_cast<double>(x0), static_cast<double>(last)));
        const bool selected = n.row() > 0 && s.list->selected(n.row());
        const QRgb colour = selected ? qRgb(0, 0, 0) : noteColour(n.channel, n.velocity).rgb();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(high - n.key));
        std::fill(line + x0, line + x1 + 1, colour);
    }
    p.drawImage(QRect(area.left(), area.top() + g.y(high), area.width(), (high - low + 1) * g.keyHeight), image);
}

// The bucket size of the overview to draw from, or 0 to draw the notes:
// the overview serves pictures where a pixel covers whole buckets and many notes.
std::uint64_t overviewBucket(const RollScene& s, std::uint64_t from, std::uint64_t to) {
    const std::uint64_t bucket = s.score->overview.bucketTicks(1.0 / s.geometry.pixelsPerTick);
    if (bucket == 0 || s.score->end == 0) return 0;
    const double share = static_cast<double>(std::min(to, s.score->end) - std::min(from, s.score->end)) /
                         static_cast<double>(s.score->end);
    return share * static_cast<double>(s.score->notes.size()) > kDenseNotes ? bucket : 0;
}

void paintOverview(QPainter& p, const RollScene& s, std::uint64_t bucket, int low, int high) {
    const QRect area = s.layout.notes();
    const Geometry& g = s.geometry;
    std::array<QRgb, 16> colours{};
    for (int c = 0; c < 16; ++c) colours[static_cast<std::size_t>(c)] = channelColour(c).rgb();
    std::vector<std::uint64_t> edges(static_cast<std::size_t>(area.width()) + 1);
    for (int x = 0; x <= area.width(); ++x) edges[static_cast<std::size_t>(x)] = g.tick(x);
    QImage image(area.width(), high - low + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int key = low; key <= high; ++key) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(high - key));
        for (int x = 0; x < area.width(); ++x) {
            const auto mask = static_cast<std::uint16_t>(
                s.score->overview.channels(bucket, key, edges[static_cast<std::size_t>(x)],
                                           std::max(edges[static_cast<std::size_t>(x) + 1], edges[static_cast<std::size_t>(x)] + 1)) &
                s.channels);
            if (mask) line[x] = colours[static_cast<std::size_t>(std::countr_zero(mask))];
        }
    }
    p.drawImage(QRect(area.left(), area.top() + g.y(high), area.width(), (high - low + 1) * g.keyHeight), image);
}

void paintNotes(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.notes();
    const QPointF origin(area.left(), area.top());
    const Geometry& g = s.geometry;
    auto [from, to] = visibleTicks(s);
    // A move shows notes that come in from outside the picture too.
    const std::int64_t reach = std::abs(s.moveBy.ticks) + std::abs(s.lengthBy);
    const std::uint64_t lookFrom = from > static_cast<std::uint64_t>(reach) ? from - reach : 0;
    const int low = g.key(area.height()), high = g.key(0);
    if (s.overlay) {
        p.setPen(Qt::NoPen);
        for (const auto& o : *s.overlay) {
            if (o.end < from || o.start > to || !(s.channels >> o.channel & 1)) continue;
            QColor c = channelColour(o.channel);
            c.setAlpha(70);
            p.setBrush(c);
            p.drawRect(QRectF(origin.x() + g.x(o.start), origin.y() + g.y(o.key),
                              std::max(3.0, static_cast<double>(o.end - o.start) * g.pixelsPerTick), g.keyHeight));
        }
    }
    if (const std::uint64_t bucket = overviewBucket(s, from, to)) {
        paintOverview(p, s, bucket, low, high);
        return;
    }
    std::vector<std::size_t> shown, moved;
    s.score->index.forEachIn(lookFrom, to + reach, [&](std::size_t i) {
        const Note& n = s.score->notes[i];
        if (!(s.channels >> n.channel & 1)) return;
        if (inMove(s, n)) moved.push_back(i);
        else if (n.key >= low && n.key <= high) shown.push_back(i);
    });
    if (shown.size() > kDenseNotes) {
        paintDense(p, s, shown, low, high);
    } else {
        for (std::size_t i : shown) paintNote(p, s, s.score->notes[i], origin, false);
    }
    if (moved.size() <= kDenseNotes) {
        p.setOpacity(0.3);
        for (std::size_t i : moved) paintNote(p, s, s.score->notes[i], origin, false);
        p.setOpacity(1.0);
        for (std::size_t i : moved) paintNote(p, s, s.score->notes[i], origin, true);
    }
    if (s.drawing) paintNote(p, s, *s.drawing, origin, false);
}

void paintLane(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.lane();
    p.save();
    p.setClipRect(area);
    p.fillRect(area, QColor(246, 246, 246));
    p.setPen(Qt::gray);
    p.drawLine(area.topLeft(), area.topRight());
    const auto [from, to] = visibleTicks(s);
    const Geometry& g = s.geometry;
    if (const std::uint64_t bucket = overviewBucket(s, from, to)) {
        // The loudest note-on of each pixel column, in grey: its channel is not kept.
        p.setPen(QColor(120, 120, 120));
        for (int x = 0; x < area.width(); ++x) {
            const int loud = s.score->overview.loudest(bucket, s.channels, g.tick(x), std::max(g.tick(x + 1), g.tick(x) + 1));
            if (loud > 0) p.drawLine(area.left() + x, area.bottom(), area.left() + x, area.bottom() - (area.height() - 6) * loud / 127);
        }
        p.restore();
        return;
    }
    std::vector<std::size_t> shown;
    s.score->index.forEachIn(from, to, [&](std::size_t i) {
        const Note& n = s.score->notes[i];
        if (n.onRow != 0 && (s.channels >> n.channel & 1)) shown.push_back(i);
    });
    const auto height = [&](const Note& n) { return (area.height() - 6) * n.velocity / 127; };
    if (shown.size() > kDenseNotes) {
        // The loudest note of each pixel column.
        std::vector<int> loudest(static_cast<std::size_t>(area.width()), -1);
        for (std::size_t i : shown) {
            const double x = g.x(s.score->notes[i].start);
            if (x < 0 || x >= area.width()) continue;
            int& slot = loudest[static_cast<std::size_t>(x)];
            if (slot < 0 || s.score->notes[i].velocity > s.score->notes[static_cast<std::size_t>(slot)].velocity)
                slot = static_cast<int>(i);
        }
        for (int x = 0; x < area.width(); ++x) {
            const int i = loudest[static_cast<std::size_t>(x)];
            if (i < 0) continue;
            const Note& n = s.score->notes[static_cast<std::size_t>(i)];
            p.setPen(channelColour(n.channel));
            p.drawLine(area.left() + x, area.bottom(), area.left() + x, area.bottom() - height(n));
        }
        p.restore();
        return;
    }
    for (std::size_t i : shown) {
        const Note& n = s.score->notes[i];
        const double x = area.left() + g.x(n.start);
        const int h = height(n);
        const bool selected = s.list->selected(n.onRow);
        p.setPen(QPen(selected ? Qt::black : outlineColour(n.channel), selected ? 2 : 1));
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() - h));
        if (shown.size() > kHeadedStalks) continue;
        p.setBrush(noteColour(n.channel, n.velocity));
        p.drawEllipse(QPointF(x, area.bottom() - h), 2.5, 2.5);
    }
    p.restore();
}

void paintCursors(QPainter& p, const RollScene& s) {
    const QRect area = s.layout.notes();
    const auto line = [&](std::uint64_t tick, const QPen& pen) {
        const double x = area.left() + s.geometry.x(tick);
        if (x < area.left() || x > area.right()) return;
        p.setPen(pen);
        p.drawLine(QPointF(x, s.layout.ruler().top()), QPointF(x, s.layout.lane().bottom()));
    };
    if (s.editTick) line(*s.editTick, QPen(QColor(0, 140, 0), 1, Qt::DashLine));
    if (s.playTick) line(*s.playTick, QPen(QColor(220, 0, 0), 2));
    if (s.rubberBand) {
        p.setPen(QPen(QColor(40, 80, 200), 1, Qt::DashLine));
        p.setBrush(QColor(40, 80, 200, 30));
        p.drawRect(s.rubberBand->translated(area.topLeft()));
    }
}

}  // namespace

QRectF noteRect(const Geometry& g, const Note& n) {
    const double width = n.stub() ? 1.0 : std::max(3.0, static_cast<double>(n.length()) * g.pixelsPerTick);
    return {g.x(n.start), static_cast<double>(g.y(n.key)), width, static_cast<double>(g.keyHeight)};
}

void paintRoll(QPainter& p, const RollScene& s) {
    p.fillRect(QRect(QPoint(0, 0), s.layout.size), QColor(236, 236, 236));
    if (!s.score || !s.list) return;
    p.save();
    p.setClipRect(s.layout.notes());
    paintGrid(p, s);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintNotes(p, s);
    p.restore();
    paintKeyboard(p, s);
    paintRuler(p, s);
    paintLane(p, s);
    p.save();
    p.setClipRect(QRect(RollLayout::kKeyboardWidth, 0, s.layout.size.width(), s.layout.size.height()));
    paintCursors(p, s);
    p.restore();
}

}  // namespace roll::ui

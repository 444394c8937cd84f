#pragma once
// Draws the roll: the keyboard down the left side, the ruler with the
// section bands and bar numbers on top, the notes on the bar and beat grid,
// the velocity lane at the bottom, and over them what a gesture in progress
// would do, the play cursor and the chord-following overlay. Only what lies
// in the picture is looked at: the notes come from the score's tick index.
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/event_list.h"
#include "roll/geometry.h"
#include "roll/heard_notes.h"
#include "roll/note_edits.h"
#include "roll/score.h"

class QPainter;

namespace roll::ui {

// Where the parts of the roll lie in a picture of `size`.
struct RollLayout {
    static constexpr int kKeyboardWidth = 56;
    static constexpr int kRulerHeight = 36;
    static constexpr int kLaneHeight = 64;
    QSize size;

    QRect keyboard() const { return {0, kRulerHeight, kKeyboardWidth, noteHeight()}; }
    QRect ruler() const { return {kKeyboardWidth, 0, size.width() - kKeyboardWidth, kRulerHeight}; }
    QRect notes() const { return {kKeyboardWidth, kRulerHeight, size.width() - kKeyboardWidth, noteHeight()}; }
    QRect lane() const { return {kKeyboardWidth, size.height() - kLaneHeight, size.width() - kKeyboardWidth, kLaneHeight}; }
    int noteHeight() const { return std::max(0, size.height() - kRulerHeight - kLaneHeight); }
};

struct RollScene {
    const Score* score = nullptr;
    const document::EventList* list = nullptr;  // for the selected flags
    Geometry geometry;  // x and y within the note area
    RollLayout layout;
    std::uint16_t channels = 0xFFFF;  // bit c: channel c is shown
    // A gesture in progress: the selected notes shown moved or lengthened.
    Shift moveBy;
    std::int64_t lengthBy = 0;
    std::optional<Note> drawing;   // a note the pencil is drawing
    std::optional<QRect> rubberBand;
    std::optional<std::uint64_t> playTick;
    std::optional<std::uint64_t> editTick;  // where a paste goes
    const std::vector<HeardNote>* overlay = nullptr;  // drawn faded under the notes
};

void paintRoll(QPainter& p, const RollScene& scene);

// The note's rectangle in the note area (before any gesture), at least 3 pixels wide.
QRectF noteRect(const Geometry& g, const Note& n);

}  // namespace roll::ui

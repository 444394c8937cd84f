#pragma once
// The roll's drawing surface: it paints the scene and turns the mouse, the
// wheel and the keys into view changes, selections and note edits, which
// go to the document through the link. The window around it holds the
// controls and the scroll bars.
#include <QWidget>
#include <memory>
#include <optional>

#include "roll/note_edits.h"
#include "roll/score.h"
#include "roll/time_grid.h"
#include "roll/ui/document_link.h"
#include "roll/ui/roll_painter.h"

namespace roll::ui {

enum class Tool { Select, Pencil };

class RollCanvas : public QWidget {
    Q_OBJECT
public:
    explicit RollCanvas(QWidget* parent = nullptr);

    void setLink(DocumentLink link) { link_ = std::move(link); }
    // The words the status line uses, in the language in use.
    struct Words {
        QString notes = "notes";
        QString channel = "Chan";
        QString velocity = "Velocity";
    };
    void setWords(Words words) { words_ = std::move(words); }
    void setScore(const Score* score);
    const Geometry& geometry() const { return scene_.geometry; }
    void setGeometry(const Geometry& g);
    void setChannels(std::uint16_t channels);
    std::uint16_t channels() const { return scene_.channels; }
    void setSnap(Snap snap) { snap_ = snap; }
    Snap snap() const { return snap_; }
    void setTool(Tool tool) { tool_ = tool; }
    Tool tool() const { return tool_; }
    void setPencilChannel(int channel) { pencilChannel_ = channel & 15; }
    int pencilChannel() const { return pencilChannel_; }
    void setPlayTick(std::optional<std::uint64_t> tick);
    std::optional<std::uint64_t> playTick() const { return scene_.playTick; }
    void setOverlay(std::vector<HeardNote> notes);

    // Zoom by steps: time keeps the middle of the picture, keys its middle key.
    void zoomTime(double factor);
    void zoomKeys(int steps);
    // Scrolls so that `tick` is at the left edge, and the notes there in sight.
    void showTick(std::uint64_t tick);
    // Scrolls so that the key is in the middle of the note area.
    void centreKey(int key);

    // The notes shown (on the shown channels) that are selected.
    std::vector<Note> selection() const;
    // Selects exactly the notes of the shown channels (Ctrl+A), or none.
    void selectAll(bool on);
    void copySelection();
    void paste();
    void deleteSelection();
    void transposeSelection(int keys);

    // The scene as painted now: the window's picture export paints it again.
    const RollScene& scene() const { return scene_; }

signals:
    // The geometry changed (zoom, scroll, size): the scroll bars follow.
    void viewChanged();
    // A line for the status bar (a velocity being set, what a click found).
    void status(const QString& text);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    enum class Drag { None, Move, Resize, Band, Draw, Velocity };
    // The note under a point of the note area, if any shown there.
    std::optional<Note> noteAt(QPoint inNotes) const;
    // The note whose velocity stalk is nearest to x in the lane.
    std::optional<Note> stalkAt(int xInNotes) const;
    bool nearEnd(const Note& n, QPoint inNotes) const;
    void select(const std::function<bool(const Note&)>& wanted);
    void finishDrag();
    // Sounds a note while the button is down, with its channel's instrument
    // at `tick`; the last one ends first.
    void audition(int channel, int key, int velocity, std::uint64_t tick);
    void endAudition();
    void updateDrag(QPoint inNotes, Qt::KeyboardModifiers modifiers);
    void apply(document::Edit edit);
    std::int64_t tickDelta(QPoint from, QPoint to) const;
    const document::EventList& list() const { return link_.document->events; }
    void clampGeometry();

    DocumentLink link_;
    Words words_;
    RollScene scene_;
    Snap snap_{16, false};
    Tool tool_ = Tool::Select;
    int pencilChannel_ = 0;
    int pencilVelocity_ = 100;
    std::vector<ClipNote> clip_;
    std::vector<HeardNote> overlay_;

    Drag drag_ = Drag::None;
    QPoint pressAt_;          // in the note area
    std::optional<Note> anchor_;  // the note the drag started on
    std::vector<Note> dragged_;   // the notes a move or length drag changes
    std::vector<Note> laneNotes_;  // the notes a velocity drag sets
    std::optional<std::pair<int, int>> sounding_;  // channel and key auditioned now
    int laneValue_ = 0;
};

}  // namespace roll::ui

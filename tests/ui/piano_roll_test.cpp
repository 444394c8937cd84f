// The piano roll beside the main window: the mouse gestures edit the
// document through its undo stack, and the grid and the roll stay in step.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>

#include "app/ui/open_document.h"
#include "document/demo_style.h"
#include "document/smf_writer.h"
#include "playback/recording_port.h"
#include "playback/ui/program_port.h"
#include "roll/ui/piano_roll_window.h"
#include "roll/ui/roll_canvas.h"
#include "support/window_fixture.h"

using app::ui::MainWindow;
using roll::Note;
using roll::ui::PianoRollWindow;
using roll::ui::RollCanvas;

namespace {

QAction* action(const MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

struct RollFixture : WindowFixture {
    MainWindow* main = nullptr;
    PianoRollWindow* roll = nullptr;
    // What the program's MIDI port is sent: a note pressed in the roll is heard.
    std::shared_ptr<playback::RecordingPort> port = std::make_shared<playback::RecordingPort>("Synth");

    // `german`: the program speaks the shipped German translation.
    explicit RollFixture(bool german = false) {
        playback::ui::setProgramMidiOut(std::make_unique<playback::CMIDIOUT>([p = port] { return playback::PortList{p}; }));
        if (german) {
            QFile::copy(QString(CTABBER_SOURCE_DIR) + "/data/Deutsch.lng", path("Deutsch.lng"));
            write("Ctabber.INI", "[Main]\nLanguage=Deutsch.lng\n");
        }
        const auto bytes = document::demoStyle();
        const QString file = write("Demo.sty", QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                           static_cast<int>(bytes.size())));
        main = &open();
        main->openFile(file);
        action(*main, "mPianoRoll")->trigger();
        roll = main->pianoRoll();
        QVERIFY(roll);
        roll->resize(1200, 700);
        QCoreApplication::processEvents();
        roll->showSection("Main A");
    }
    ~RollFixture() {
        close();
        playback::ui::setProgramMidiOut(nullptr);
    }
    RollCanvas& canvas() const { return roll->canvas(); }
    QUndoStack& undo() const { return main->openDocument().undoStack(); }
    const document::EventList& list() const { return main->document().events; }

    // The first whole note of the section that no other note of its key overlaps.
    Note noteIn(const std::string& section) const {
        const auto& score = *roll->score();
        const auto band = std::find_if(score.bands.begin(), score.bands.end(),
                                       [&](const roll::SectionBand& b) { return b.name == section; });
        const auto alone = [&](const Note& n) {
            return std::none_of(score.notes.begin(), score.notes.end(), [&](const Note& m) {
                return m.row() != n.row() && m.key == n.key && m.start < n.end && m.end > n.start;
            });
        };
        for (const Note& n : score.notes)
            if (!n.stub() && n.start >= band->start && n.start < band->end && alone(n)) return n;
        return {};
    }
    // Where a point of a note lies on the canvas: `along` of its length from its start.
    QPoint at(const Note& n, double along = 0.3) const {
        const auto& g = canvas().geometry();
        const QPoint origin = canvas().scene().layout.notes().topLeft();
        const double x = g.x(n.start) + along * static_cast<double>(n.length()) * g.pixelsPerTick;
        return origin + QPoint(static_cast<int>(x), g.y(n.key) + g.keyHeight / 2);
    }
    QPoint atTickKey(std::uint64_t tick, int key) const {
        const auto& g = canvas().geometry();
        return canvas().scene().layout.notes().topLeft() + QPoint(static_cast<int>(g.x(tick)) + 1, g.y(key) + g.keyHeight / 2);
    }
    std::vector<int> selectedRows() const {
        std::vector<int> rows;
        for (int r = 1; r <= list().eventCount(); ++r)
            if (list().selected(r)) rows.push_back(r);
        return rows;
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) const {
        QTest::mousePress(&canvas(), Qt::LeftButton, mods, from);
        QTest::mouseMove(&canvas(), from + (to - from) / 2);
        QTest::mouseMove(&canvas(), to);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, mods, to);
    }
};

// Each note as (start, end, key, channel, note-on row, note-off row).
std::vector<std::tuple<std::uint64_t, std::uint64_t, int, int, int, int>> described(const std::vector<Note>& notes) {
    std::vector<std::tuple<std::uint64_t, std::uint64_t, int, int, int, int>> out;
    for (const Note& n : notes) out.emplace_back(n.start, n.end, n.key, n.channel, n.onRow, n.offRow);
    return out;
}

}  // namespace

class PianoRollTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheSectionsOfTheStyle();
    void dragMovesTheSelectionAsOneStepThatUndoesToTheSameBytes();
    void gridAndRollShareOneSelection();
    void pencilRightClickKeysAndVelocityLane();
    void rubberBandAndChannelSolo();
    void gridEditsShowInTheRollAndThePlayCursorFollows();
    void picturesAreSavedAsPng();
    void speaksTheProgramsLanguage();
};

void PianoRollTest::opensOnTheSectionsOfTheStyle() {
    RollFixture f;
    auto* sections = f.roll->findChild<QComboBox*>("SectionBox");
    QVERIFY(sections->findText("Main A") >= 0);
    QVERIFY(sections->findText("Fill In AA") >= 0);
    QCOMPARE(sections->currentText(), QString("Main A"));
    const Note n = f.noteIn("Main A");
    QVERIFY(n.length() > 0);
    // The section fills the width: its first note is in view, near the left edge.
    const QPoint p = f.at(n, 0);
    QVERIFY(f.canvas().rect().contains(p));
    QVERIFY(p.x() < f.canvas().width() / 3);
    // The notes are painted: the note's middle has its channel's colour, not the ground.
    const QImage shot = f.canvas().grab().toImage();
    if (const char* keep = std::getenv("CTABBER_ROLL_SHOT")) f.roll->grab().save(keep);
    const QColor inside = shot.pixelColor(f.at(n, 0.5));
    QVERIFY(inside != QColor(252, 252, 252) && inside != QColor(238, 238, 242));
}

void PianoRollTest::dragMovesTheSelectionAsOneStepThatUndoesToTheSameBytes() {
    RollFixture f;
    const auto before = document::midiPartBytes(f.main->document());
    const Note n = f.noteIn("Main A");
    const int steps = f.undo().count();
    // An eighth later (snap 1/16), two keys up.
    const auto& g = f.canvas().geometry();
    const int dx = static_cast<int>(f.main->document().division / 2 * g.pixelsPerTick);
    f.drag(f.at(n), f.at(n) + QPoint(dx, -2 * g.keyHeight));
    QCOMPARE(f.undo().count(), steps + 1);
    QCOMPARE(f.undo().undoText(), QString("Move Notes"));
    const auto notes = roll::pairNotes(f.list());
    const bool moved = std::any_of(notes.begin(), notes.end(), [&](const Note& m) {
        return m.start == n.start + f.main->document().division / 2 && m.key == n.key + 2 && m.length() == n.length();
    });
    QVERIFY(moved);
    QVERIFY(f.list().selected(f.roll->canvas().selection().at(0).onRow));
    f.undo().undo();
    QCOMPARE(document::midiPartBytes(f.main->document()), before);
    QCOMPARE(f.roll->score()->notes.size(), notes.size());
    f.undo().redo();
    QVERIFY(document::midiPartBytes(f.main->document()) != before);

    // Dragging a note's right end makes the selected notes longer: the end snaps to the grid.
    const Note held = f.noteIn("Main A");
    f.drag(f.at(held, 1.0) - QPoint(2, 0), f.at(held, 1.0) + QPoint(dx, 0));
    QCOMPARE(f.undo().undoText(), QString("Note Length"));
    const auto lengthened = roll::pairNotes(f.list());
    QVERIFY(std::any_of(lengthened.begin(), lengthened.end(), [&](const Note& m) {
        const auto end = f.roll->score()->grid.snapped(held.end + f.main->document().division / 2, roll::Snap{16, false});
        return m.onRow == held.onRow && m.start == held.start && m.end == end && end > held.end;
    }));
}

void PianoRollTest::gridAndRollShareOneSelection() {
    RollFixture f;
    const Note n = f.noteIn("Main A");
    QTest::mouseClick(&f.canvas(), Qt::LeftButton, {}, f.at(n));
    QCOMPARE(f.selectedRows(), (std::vector<int>{n.onRow, n.offRow}));
    // The pressed note was heard with its channel's instrument, and ended on release.
    using Bytes = std::vector<std::uint8_t>;
    const auto ch = static_cast<std::uint8_t>(n.channel);
    const auto sent = f.port->sent();
    QCOMPARE(sent.size(), 5u);
    QCOMPARE(sent[0], (Bytes{static_cast<std::uint8_t>(0xB0 | ch), 0, 127}));  // the demo's drum kit bank
    QCOMPARE(sent[2], (Bytes{static_cast<std::uint8_t>(0xC0 | ch), 0}));
    QCOMPARE(sent[3], (Bytes{static_cast<std::uint8_t>(0x90 | ch), n.key, n.velocity}));
    QCOMPARE(sent[4], (Bytes{static_cast<std::uint8_t>(0x80 | ch), n.key, 0}));
    QCOMPARE(f.canvas().selection().size(), 1u);
    // The grid's command clears it, and the roll shows that at once.
    action(*f.main, "mUnselectAll")->trigger();
    QVERIFY(f.canvas().selection().empty());
    // The grid's Select All selects every note in the roll.
    action(*f.main, "mSelectAll")->trigger();
    QCOMPARE(f.canvas().selection().size(), f.roll->score()->notes.size());
    // Ctrl-click takes one out; a double click makes its note-on the grid's current row.
    QTest::mouseClick(&f.canvas(), Qt::LeftButton, Qt::ControlModifier, f.at(n));
    QVERIFY(!f.list().selected(n.onRow));
    QTest::mouseDClick(&f.canvas(), Qt::LeftButton, {}, f.at(n));
    QCOMPARE(f.main->currentRow(), n.onRow);
}

void PianoRollTest::pencilRightClickKeysAndVelocityLane() {
    RollFixture f;
    const auto& score = *f.roll->score();
    const Note n = f.noteIn("Main A");
    const std::size_t count = score.notes.size();
    // The pencil starts on the first channel that plays (the demo's 9), and
    // draws a sixteenth on the chosen channel 5 where nothing sounds.
    auto* pencilChannel = f.roll->findChild<QComboBox*>("PencilChannel");
    QCOMPARE(pencilChannel->currentIndex(), 8);
    f.roll->findChild<QToolButton*>("PencilTool")->click();
    pencilChannel->setCurrentIndex(4);
    // The top key in view, where nothing sounds in the section.
    const int freeKey = f.canvas().geometry().key(2);
    QVERIFY(std::none_of(score.notes.begin(), score.notes.end(), [&](const Note& m) {
        return m.key == freeKey && m.start <= n.start + 200 && m.end >= n.start;
    }));
    QTest::mouseClick(&f.canvas(), Qt::LeftButton, {}, f.atTickKey(n.start, freeKey));
    QCOMPARE(f.undo().undoText(), QString("Draw Note"));
    auto notes = roll::pairNotes(f.list());
    QCOMPARE(notes.size(), count + 1);
    const auto drawn = std::find_if(notes.begin(), notes.end(), [&](const Note& m) { return m.key == freeKey; });
    QVERIFY(drawn != notes.end());
    QCOMPARE(int{drawn->channel}, 4);
    QCOMPARE(drawn->length(), std::uint64_t{f.main->document().division / 4u});
    QCOMPARE(drawn->start, f.roll->score()->grid.snappedDown(n.start, roll::Snap{16, false}));
    // A right click deletes it again.
    QTest::mouseClick(&f.canvas(), Qt::RightButton, {}, f.at(*drawn));
    QCOMPARE(roll::pairNotes(f.list()).size(), count);
    QCOMPARE(f.undo().undoText(), QString("Delete Notes"));

    // Select the note, transpose it up an octave with Shift+Up, then set its velocity in the lane.
    f.roll->findChild<QToolButton*>("SelectTool")->click();
    QTest::mouseClick(&f.canvas(), Qt::LeftButton, {}, f.at(n));
    QTest::keyClick(&f.canvas(), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(f.undo().undoText(), QString("Transpose Notes"));
    QCOMPARE(int{f.list().dataBytes(n.onRow)[0]}, n.key + 12);
    const QRect lane = f.canvas().scene().layout.lane();
    const int x = f.at(n, 0).x();
    f.drag(QPoint(x, lane.bottom() - 5), QPoint(x, lane.top() + 3));
    QCOMPARE(f.undo().undoText(), QString("Velocity"));
    QCOMPARE(int{f.list().dataBytes(n.onRow)[1]}, 127);
    // Delete removes the selected note; Ctrl+Z in the roll brings it back.
    QTest::keyClick(&f.canvas(), Qt::Key_Delete);
    QCOMPARE(roll::pairNotes(f.list()).size(), count - 1);
    QTest::keyClick(f.roll, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(roll::pairNotes(f.list()).size(), count);
}

void PianoRollTest::rubberBandAndChannelSolo() {
    RollFixture f;
    const auto& score = *f.roll->score();
    const auto band = std::find_if(score.bands.begin(), score.bands.end(),
                                   [](const roll::SectionBand& b) { return b.name == "Main A"; });
    // A band over the whole picture selects every note of the section that is in view.
    const QRect notesArea = f.canvas().scene().layout.notes();
    f.canvas().centreKey(60);
    f.drag(notesArea.topLeft() + QPoint(1, 1), notesArea.bottomRight() - QPoint(1, 1));
    const auto selected = f.canvas().selection();
    QVERIFY(!selected.empty());
    const auto& g = f.canvas().geometry();
    for (const Note& n : selected) {
        QVERIFY(n.start <= g.tick(notesArea.width()));
        QVERIFY(n.key <= g.key(0) && n.key >= g.key(notesArea.height() - 2));
    }
    // Solo one channel: only its notes are shown, and Ctrl+A selects only them.
    const int channel = selected.front().channel;
    auto* channels = f.roll->findChild<QTreeWidget*>("ChannelList");
    channels->topLevelItem(channel)->setCheckState(1, Qt::Checked);
    QCOMPARE(f.canvas().channels(), std::uint16_t(1u << channel));
    action(*f.main, "mUnselectAll")->trigger();
    QTest::keyClick(&f.canvas(), Qt::Key_A, Qt::ControlModifier);
    const auto solo = f.canvas().selection();
    QVERIFY(!solo.empty());
    for (const Note& n : roll::pairNotes(f.list()))
        QCOMPARE(f.list().selected(n.row()), n.channel == channel);
    (void)band;
}

void PianoRollTest::gridEditsShowInTheRollAndThePlayCursorFollows() {
    RollFixture f;
    const Note n = f.noteIn("Main A");
    const std::size_t count = f.roll->score()->notes.size();
    // Moving the note-on down a row in the grid changes the note in the roll at once.
    const auto shown = [&] { return described(f.roll->score()->notes); };
    const auto before = shown();
    f.main->setCurrentRow(n.onRow);
    action(*f.main, "mMoveDown")->trigger();
    QVERIFY(shown() != before);
    QCOMPARE(shown(), described(roll::pairNotes(f.list())));
    QCOMPARE(f.roll->score()->notes.size(), count);

    const auto& bands = f.roll->score()->bands;
    const auto band = std::find_if(bands.begin(), bands.end(), [](const roll::SectionBand& b) { return b.name == "Main A"; });
    const std::uint64_t length = band->end - band->start;
    f.roll->setPlayPosition(std::string("Main A"), length + 10);  // looped once
    QCOMPARE(f.canvas().playTick(), std::optional<std::uint64_t>(band->start + 10));

    // A bar computed for chord following lays its notes over the section, looped into its span.
    playback::Bar bar;
    bar.start = length + 96;  // the second pass, one beat in
    bar.end = bar.start + 4 * f.main->document().division;
    bar.events.push_back(playback::MidiEvent::shortEvent(0, bar.start + 10, 0x93, 65, 100));
    bar.events.push_back(playback::MidiEvent::shortEvent(0, bar.start + 50, 0x83, 65, 0));
    bar.events.push_back(playback::MidiEvent::shortEvent(0, bar.start + 60, 0x93, 67, 100));  // lasts to the bar's end
    f.roll->addHeardBar(bar, "Main A");
    const auto* heard = f.canvas().scene().overlay;
    QCOMPARE(heard->size(), 2u);
    QCOMPARE(heard->at(0).start, band->start + 96 + 10);
    QCOMPARE(heard->at(0).end, band->start + 96 + 50);
    QCOMPARE(int{heard->at(0).channel}, 3);
    QCOMPARE(heard->at(1).end, band->start + 96 + (bar.end - bar.start));
    // The same bar computed again (a chord changed) replaces what it showed.
    f.roll->addHeardBar(bar, "Main A");
    QCOMPARE(f.canvas().scene().overlay->size(), 2u);
    f.roll->playStopped();
    QVERIFY(!f.canvas().playTick());
    QVERIFY(f.canvas().scene().overlay->empty());
}

void PianoRollTest::picturesAreSavedAsPng() {
    RollFixture f;
    const QString file = f.path("roll.png");
    QVERIFY(f.roll->savePicture(file.toStdString(), true));
    QImage picture(file);
    QVERIFY(!picture.isNull());
    // The whole section: the keyboard, its bars at the present zoom, and only its keys.
    const auto& g = f.canvas().geometry();
    const auto& bands = f.roll->score()->bands;
    const auto band = std::find_if(bands.begin(), bands.end(), [](const roll::SectionBand& b) { return b.name == "Main A"; });
    QVERIFY(std::abs(picture.width() - (56 + static_cast<int>((band->end - band->start) * g.pixelsPerTick))) <= 2);
    QVERIFY(picture.height() < 36 + 128 * g.keyHeight + 64);
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    QVERIFY(colours.size() > 20);
    // What is in view, through the menu's file dialog.
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("view.png"), 1});
    auto* button = f.roll->findChild<QToolButton*>("SavePicture");
    button->menu()->actions().at(0)->trigger();
    QCOMPARE(QImage(f.path("view.png")).size(), f.roll->canvas().size());
    // A folder that is not there: a message says so and no file is left.
    const std::size_t asked = f.dialogs.messages.size();
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("missing/view.png"), 1});
    button->menu()->actions().at(1)->trigger();
    QCOMPARE(f.dialogs.messages.size(), asked + 1);
    QVERIFY(f.dialogs.messages.back().text.contains("missing/view.png"));
    QVERIFY(!QFile::exists(f.path("missing/view.png")));
}

void PianoRollTest::speaksTheProgramsLanguage() {
    RollFixture f(true);
    QCOMPARE(f.roll->findChild<QToolButton*>("PencilTool")->text(), QString("Stift"));
    QCOMPARE(f.roll->findChild<QComboBox*>("SnapBox")->itemText(0), QString("Aus"));
    QCOMPARE(f.roll->findChild<QComboBox*>("PencilChannel")->itemText(0), QString("Kanal 1"));
    QVERIFY(f.roll->windowTitle().startsWith("Pianorolle - "));
    // The program's own file dialog asks for a German filter; a refused file is told in German.
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("missing/view.png"), 1});
    f.roll->findChild<QToolButton*>("SavePicture")->menu()->actions().at(0)->trigger();
    QCOMPARE(f.dialogs.requests.back().filters, QStringList{"PNG-Bilder (*.png)"});
    QVERIFY(f.dialogs.messages.back().text.startsWith("Das Bild konnte nicht gespeichert werden: "));
}

QTEST_MAIN(PianoRollTest)
#include "piano_roll_test.moc"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include "app/ui/open_document.h"
#include "document/event_cells.h"
#include "document/smf_writer.h"
#include "document/ui/event_table_model.h"
#include "events/ui/insert_event_dialog.h"
#include "events/ui/number_dialogs.h"
#include "events/ui/radio_group.h"
#include "events/ui/text_event_dialog.h"
#include "names/ui/controller_chooser.h"
#include "names/ui/patch_chooser.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using app::ui::MainWindow;

namespace {

// The demo style's rows: 1 track name, 2 tempo 07 A1 20, 3 sysex, 4 SFF1,
// 5 Main A, 6 B0 00 00, 7 B0 20 00, 8 C0 05, 9 note on, 10 note off,
// 11 drum note, 12 text "Hello", 13 Main B, 14 note on, 15 pitch wheel,
// 16 time signature, 17 track end.
QString cell(const MainWindow& w, int row, int column) {
    return QString::fromLatin1(document::cellText(w.document(), row, column));
}

// A click on a cell: the last mouse cell and the current row.
void clickCell(MainWindow& w, int row, int column) {
    const auto index = w.model().index(document::ui::EventTableModel::modelRow(row), column);
    w.grid()->scrollTo(index);
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->visualRect(index).center());
}

QAction* action(const MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

class EventEditingTest : public QObject {
    Q_OBJECT
private slots:
    void dispatcherEditsByTheLastMouseCell();
    void insertAndItsPropertyDialogAreOneStep();
    void deleteProtectsNotesAndMoveFollowsTheEvent();
    void commandsWaitWhileReading();
    void editsUndoneSaveTheFileAsOpened();
};

void EventEditingTest::dispatcherEditsByTheLastMouseCell() {
    WindowFixture f;
    auto& w = f.open();
    const QString file = f.write("Demo.sty", smf::demoStyle());
    w.openFile(file);
    for (const char* name : {"ButtonEdit", "ButtonInsert", "ButtonDelete", "ButtonUp", "ButtonDown"})
        QVERIFY2(w.findChild<QPushButton*>(name)->isEnabled(), name);

    // Enter on the tempo's Event cell: the tempo dialog at 120 BPM; OK with 100.
    clickCell(w, 2, document::ColEvent);
    int preset = 0;
    whenShown<events::ui::TempoDialog>([&](events::ui::TempoDialog* d) {
        preset = d->value();
        d->setValue(100);
        d->ButtonOK->click();
    });
    QTest::keyClick(w.grid(), Qt::Key_Return);
    QCOMPARE(preset, 120);
    QCOMPARE(cell(w, 2, document::ColData), QString("09 27 C0 "));
    QCOMPARE(cell(w, 2, document::ColComment), QString("BPM=100"));
    QCOMPARE(w.windowTitle(), "Ctabber... " + file + " *");
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Edit Event"));
    action(w, "mUndo")->trigger();
    QCOMPARE(cell(w, 2, document::ColData), QString("07 A1 20 "));
    QCOMPARE(w.windowTitle(), "Ctabber... " + file);

    // The Sel column flips the row the mouse was on.
    clickCell(w, 3, document::ColSel);
    action(w, "pmEditEvent")->trigger();
    QVERIFY(w.document().events.selected(3));
    QCOMPARE(w.panelText(3), QString("Selected events: 1"));

    // A text turned into a marker shows in the marker list; undo takes it out again.
    clickCell(w, 12, document::ColData);
    whenShown<events::ui::TextEventDialog>([](events::ui::TextEventDialog* d) {
        d->Kind->button(5)->click();
        d->Edit1->setText("Main C");
        d->ButtonOK->click();
    });
    w.findChild<QPushButton*>("ButtonEdit")->click();
    QCOMPARE(cell(w, 12, document::ColText), QString("Marker"));
    auto* markers = w.findChild<QListWidget*>("ListBoxMarkers");
    QCOMPARE(items(markers), (QStringList{"SFF1", "Main A", "Main C", "Main B"}));
    QVERIFY(items(w.findChild<QListWidget*>("ListBoxAll")).indexOf("Hello") < 0);
    action(w, "mUndo")->trigger();
    QCOMPARE(items(markers), (QStringList{"SFF1", "Main A", "Main B"}));

    // The Tick+ column opens Edit Tick+ on the current row; later events move with it.
    const QString before = cell(w, 14, document::ColMbt);
    clickCell(w, 9, document::ColTick);
    whenShown<events::ui::TickShiftDialog>([](events::ui::TickShiftDialog* d) {
        d->setValue(480);
        d->ButtonOK->click();
    });
    action(w, "mEditEvent")->trigger();
    QCOMPARE(cell(w, 9, document::ColTick), QString("480"));
    QVERIFY(cell(w, 14, document::ColMbt) != before);

    // A program change without a definition file: the patch tree; its name in angle brackets.
    clickCell(w, 8, document::ColComment);
    whenShown<PatchChooser>([](PatchChooser* d) {
        d->TreeView1->setCurrentItem(d->programNode(0));
        d->ButtonOK->click();
    });
    action(w, "mEditEvent")->trigger();
    QCOMPARE(cell(w, 8, document::ColData), QString("00 "));
    QCOMPARE(cell(w, 8, document::ColComment), QString("<Acoustic Grand Piano>"));

    // Cancel and kinds without a dialog change nothing.
    const int steps = w.openDocument().undoStack().count();
    clickCell(w, 6, document::ColText);
    whenShown<ControllerChooser>([](ControllerChooser* d) { d->ButtonCancel->click(); });
    action(w, "mEditEvent")->trigger();
    clickCell(w, 9, document::ColEvent);  // a note
    action(w, "mEditEvent")->trigger();
    QCOMPARE(w.openDocument().undoStack().count(), steps);
}

void EventEditingTest::insertAndItsPropertyDialogAreOneStep() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    const int rows = w.document().events.eventCount();

    // A tempo of three zero bytes: its dialog opens at 120 and OK writes 120.
    clickCell(w, 5, document::ColEvent);
    int preset = 0;
    whenShown<events::ui::InsertEventDialog>([&](events::ui::InsertEventDialog* d) {
        d->RGType->button(11)->click();
        d->EditData->setText("00,00");
        whenShown<events::ui::TempoDialog>([&](events::ui::TempoDialog* t) {
            preset = t->value();
            t->ButtonOK->click();
        });
        d->ButtonOK->click();
    });
    action(w, "mInsert")->trigger();
    QCOMPARE(preset, 120);
    QCOMPARE(w.document().events.eventCount(), rows + 1);
    QCOMPARE(cell(w, 5, document::ColN), QString("Ins"));
    QCOMPARE(cell(w, 5, document::ColData), QString("07 A1 20 "));
    QCOMPARE(cell(w, 5, document::ColComment), QString("BPM=120"));
    QCOMPARE(cell(w, 6, document::ColData), QString("Main A"));
    QCOMPARE(w.currentRow(), 5);
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Insert Event"));
    action(w, "mUndo")->trigger();
    QCOMPARE(w.document().events.eventCount(), rows);
    QCOMPARE(cell(w, 5, document::ColData), QString("Main A"));
    QVERIFY(!action(w, "mUndo")->isEnabled());

    // The last mouse release in the Sel column: Insert flips that row instead of editing.
    clickCell(w, 7, document::ColSel);
    bool controllerDialog = false;
    whenShown<events::ui::InsertEventDialog>([](events::ui::InsertEventDialog* d) {
        d->RGType->button(2)->click();
        d->EditChan->setValue(3);
        d->ButtonOK->click();
    });
    whenShown<ControllerChooser>([&](ControllerChooser* d) {
        controllerDialog = true;
        d->ButtonCancel->click();
    });
    action(w, "pmInsert")->trigger();
    QVERIFY(!controllerDialog);
    QCOMPARE(cell(w, 7, document::ColEvent), QString("B2 "));
    QCOMPARE(cell(w, 7, document::ColData), QString("07 7F "));
    QVERIFY(w.document().events.selected(7));

    // Cancel inserts nothing.
    whenShown<events::ui::InsertEventDialog>([](events::ui::InsertEventDialog* d) { d->ButtonCancel->click(); });
    QTest::keyClick(w.grid(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(w.document().events.eventCount(), rows + 1);
}

void EventEditingTest::deleteProtectsNotesAndMoveFollowsTheEvent() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    const auto& list = w.document().events;
    const int rows = list.eventCount();

    // One row, with the confirmation: No keeps it, Yes deletes it.
    w.setCurrentRow(6);
    f.dialogs.answers = {base::ui::Answer::No};
    w.findChild<QPushButton*>("ButtonDelete")->click();
    QCOMPARE(list.eventCount(), rows);
    QCOMPARE(f.dialogs.messages.back().caption, QString("Confirmation"));
    QCOMPARE(f.dialogs.messages.back().text, QString("Do you want to delete the current event?"));
    f.dialogs.answers = {base::ui::Answer::Yes};
    QTest::keyClick(w.grid(), Qt::Key_Delete);
    QCOMPARE(list.eventCount(), rows - 1);
    QCOMPARE(cell(w, 6, document::ColData), QString("20 00 "));

    // A note with note deletion off: nothing, not even a question.
    const auto asked = f.dialogs.messages.size();
    w.setCurrentRow(8);
    action(w, "mDelete")->trigger();
    QCOMPARE(list.eventCount(), rows - 1);
    QCOMPARE(f.dialogs.messages.size(), asked);

    // Three selected notes and two selected control changes: the notes stay, unselected.
    const auto noteOffTime = list.absTick(9);
    w.setCurrentRow(6);  // B0 20 00, C0 05 and three notes, selected with the Insert key
    for (int i = 0; i < 5; ++i) QTest::keyClick(w.grid(), Qt::Key_Insert);
    QCOMPARE(w.panelText(3), QString("Selected events: 5"));
    f.dialogs.answers = {base::ui::Answer::Yes};
    action(w, "pmDelete")->trigger();
    QCOMPARE(f.dialogs.messages.back().text, QString("Do you want to delete selected events?"));
    QCOMPARE(list.eventCount(), rows - 3);
    QCOMPARE(w.panelText(4), QString("Deleted 2 of 2"));
    QCOMPARE(w.panelText(3), QString());
    for (int r : {6, 7, 8}) QVERIFY(!list.selected(r));
    QCOMPARE(cell(w, 6, document::ColText), QString("Note on"));
    QCOMPARE(list.absTick(7), noteOffTime);
    action(w, "mUndo")->trigger();
    QCOMPARE(list.eventCount(), rows - 1);
    QCOMPARE(cell(w, 7, document::ColData), QString("05 "));

    // Move: the current row follows the event; nothing above the first row.
    w.setCurrentRow(2);
    w.findChild<QPushButton*>("ButtonUp")->click();
    QCOMPARE(w.currentRow(), 1);
    QCOMPARE(cell(w, 1, document::ColText), QString("Tempo"));
    w.findChild<QPushButton*>("ButtonUp")->click();
    QCOMPARE(w.currentRow(), 1);
    action(w, "pmMoveDown")->trigger();
    QCOMPARE(w.currentRow(), 2);
    QCOMPARE(cell(w, 2, document::ColText), QString("Tempo"));
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Move Down"));
}

void EventEditingTest::commandsWaitWhileReading() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    w.setCurrentRow(9);
    clickCell(w, 2, document::ColEvent);
    // Bank removal holds the reading flag while its wait window paints; the
    // commands asked for meanwhile do nothing and open no dialog.
    int dialogs = 0;
    auto count = [&dialogs](QDialog* d) {
        ++dialogs;
        d->reject();
    };
    whenShown<events::ui::TickShiftDialog>(count);
    whenShown<events::ui::TempoDialog>(count);
    whenShown<events::ui::InsertEventDialog>(count);
    bool reading = false;
    QTimer::singleShot(0, &w, [&] {
        reading = w.reading();
        for (const char* name : {"mEditTick", "mEditEvent", "mInsert", "mMoveUp", "mMoveDown"})
            action(w, name)->trigger();
        f.dialogs.answers = {base::ui::Answer::Yes};
        action(w, "mDelete")->trigger();
    });
    action(w, "mRemoveBank")->trigger();
    QTest::qWait(100);
    QVERIFY(reading);
    QCOMPARE(dialogs, 0);
    QCOMPARE(w.openDocument().undoStack().count(), 1);  // the bank removal alone
}

void EventEditingTest::editsUndoneSaveTheFileAsOpened() {
    WindowFixture f;
    auto& w = f.open();
    const QByteArray original = smf::demoStyle();
    w.openFile(f.write("Demo.prs", original));

    clickCell(w, 2, document::ColEvent);
    whenShown<events::ui::TempoDialog>([](events::ui::TempoDialog* d) {
        d->setValue(90);
        d->ButtonOK->click();
    });
    action(w, "mEditEvent")->trigger();
    whenShown<events::ui::InsertEventDialog>([](events::ui::InsertEventDialog* d) {
        d->RGType->button(10)->click();  // track end: no dialog follows
        d->ButtonOK->click();
    });
    w.setCurrentRow(10);
    action(w, "mInsert")->trigger();
    w.setCurrentRow(4);
    action(w, "mMoveDown")->trigger();
    clickCell(w, 15, document::ColTick);
    whenShown<events::ui::TickShiftDialog>([](events::ui::TickShiftDialog* d) {
        d->setValue(7);
        d->ButtonOK->click();
    });
    action(w, "mEditTick")->trigger();
    for (int r : {3, 6, 7, 11}) {
        w.setCurrentRow(r);
        QTest::keyClick(w.grid(), Qt::Key_Insert);
    }
    f.dialogs.answers = {base::ui::Answer::Yes};
    action(w, "mDelete")->trigger();
    const int steps = w.openDocument().undoStack().count();
    QCOMPARE(steps, 5);

    for (int i = 0; i < steps; ++i) action(w, "mUndo")->trigger();
    QVERIFY(!w.windowTitle().endsWith(" *"));
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("Undone.prs"), document::FilterPrs});
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.read("Undone.prs"), original);
}

QTEST_MAIN(EventEditingTest)
#include "event_editing_test.moc"

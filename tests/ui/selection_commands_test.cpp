// The main window's selection, clipboard, channel and transposition commands.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "base/profile.h"
#include "base/ui/transient_message.h"
#include "document/smf_writer.h"
#include "document/ui/event_table_model.h"
#include "events/ui/number_dialogs.h"
#include "events/ui/radio_group.h"
#include "events/ui/select_events_dialog.h"
#include "events/ui/transpose_dialog.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using app::ui::MainWindow;

namespace {

// Rows of the demo style (support/smf_bytes.h).
enum DemoRow {
    kTrackName = 1, kTempo, kSysex, kSff1, kMainA, kBankMsb, kBankLsb, kProgram, kNoteOn, kNoteOff, kDrum,
    kHello, kMainB, kNoteOn2, kPitch, kTimeSig, kEnd
};

QAction* action(const MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

QString cell(const MainWindow& w, int gridRow, int column) {
    const auto& m = w.model();
    return m.data(m.index(document::ui::EventTableModel::modelRow(gridRow), column), Qt::DisplayRole).toString();
}

QStringList cells(const MainWindow& w) {
    QStringList all;
    for (int r = 1; r <= w.model().rowCount(); ++r)
        for (int c = 0; c < document::kColumnCount; ++c) all << cell(w, r, c);
    return all;
}

std::vector<int> selectedRows(const MainWindow& w) {
    std::vector<int> rows;
    const auto& list = w.document().events;
    for (int r = 1; r < list.rowCount(); ++r)
        if (list.selected(r)) rows.push_back(r);
    return rows;
}

void select(MainWindow& w, std::initializer_list<int> rows) {
    action(w, "mUnselectAll")->trigger();
    for (int r : rows) {
        w.setCurrentRow(r);
        action(w, "pmSelUnsel")->trigger();
    }
}

// Saved with the add part, as the file was opened.
QByteArray saveAs(WindowFixture& f, MainWindow& w, const QString& name) {
    f.dialogs.files.push_back(base::ui::FileChoice{f.path(name), document::FilterPrs});
    action(w, "mSaveas")->trigger();
    return f.read(name);
}

}  // namespace

class SelectionCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void selectEventsSectionsAndAll();
    void copyCutPasteAndUndoGiveTheFileBack();
    void protectedNotesAndBadClipboards();
    void channelAndTranspose();
    void commandsWaitWhileReading();
};

void SelectionCommandsTest::selectEventsSectionsAndAll() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));

    // The filter starts from the stored settings and stores what OK takes.
    base::Profile stored(f.home() / "Ctabber.INI");
    stored.writeInt("Select", "EventType", 3);
    QVERIFY(stored.save());
    int shownKind = -1;
    whenShown<events::ui::SelectEventsDialog>([&](events::ui::SelectEventsDialog* d) {
        shownKind = d->RGType->itemIndex();
        d->RGType->button(1)->click();  // Note On
        d->ButtonOK->click();
    });
    action(w, "mSelectEvents")->trigger();
    QCOMPARE(shownKind, 3);
    QCOMPARE(selectedRows(w), (std::vector<int>{kNoteOn, kDrum, kNoteOn2}));
    QCOMPARE(w.panelText(3), QString("Selected events: 3"));
    QCOMPARE(base::Profile(f.home() / "Ctabber.INI").readInt("Select", "EventType", -1), 1);
    QVERIFY(!action(w, "mUndo")->isEnabled());  // flags are no edit

    // Unselect, channel 10 only; Cancel changes nothing.
    whenShown<events::ui::SelectEventsDialog>([](events::ui::SelectEventsDialog* d) {
        d->RGSelUnsel->button(1)->click();
        d->CheckBoxAnyChan->setChecked(false);
        d->EditChan->setValue(10);
        d->ButtonOK->click();
    });
    action(w, "pmSelectEvents")->trigger();
    QCOMPARE(selectedRows(w), (std::vector<int>{kNoteOn, kNoteOn2}));
    whenShown<events::ui::SelectEventsDialog>([](events::ui::SelectEventsDialog* d) {
        d->RGType->button(18)->click();
        d->ButtonCancel->click();
    });
    action(w, "mSelectEvents")->trigger();
    QCOMPARE(selectedRows(w), (std::vector<int>{kNoteOn, kNoteOn2}));

    // Sections: from the section's marker to the next marker; keypad minus unselects all.
    w.setCurrentRow(kProgram);
    action(w, "pmSelectSection")->trigger();
    QCOMPARE(w.panelText(4), QString("Main A"));
    QCOMPARE(selectedRows(w), (std::vector<int>{kMainA, kBankMsb, kBankLsb, kProgram, kNoteOn, kNoteOff, kDrum, kHello,
                                                kNoteOn2}));
    action(w, "mUnselectSection")->trigger();
    QCOMPARE(selectedRows(w), (std::vector<int>{kNoteOn2}));
    action(w, "mSelectAll")->trigger();
    QCOMPARE(static_cast<int>(selectedRows(w).size()), kEnd);
    QCOMPARE(w.panelText(3), QString("Selected events: %1").arg(kEnd));
    w.grid()->setFocus();
    QTest::keyClick(w.grid(), Qt::Key_Minus, Qt::KeypadModifier);
    QVERIFY(selectedRows(w).empty());
    QCOMPARE(w.panelText(3), QString("Selected events: 0"));
    // A row above every marker has no section: nothing.
    w.setCurrentRow(kTempo);
    action(w, "mSelectSection")->trigger();
    QVERIFY(selectedRows(w).empty());
}

void SelectionCommandsTest::copyCutPasteAndUndoGiveTheFileBack() {
    WindowFixture f;
    auto& w = f.open();
    const QString file = f.write("Demo.sty", smf::demoStyle());
    w.openFile(file);
    const QByteArray unchanged = saveAs(f, w, "Unchanged.prs");
    const QStringList read = cells(w);

    // Copy writes the clipboard and changes no row.
    select(w, {kTempo, kHello});
    action(w, "mCopy")->trigger();
    QCOMPARE(cells(w), read);
    QVERIFY(f.read("EventCopy.ini").startsWith("[EventCopy]\nCount=2\n"));
    QVERIFY(!action(w, "mUndo")->isEnabled());

    // Cut: the selected rows go at once, with their progress; one undo step.
    select(w, {kBankMsb, kBankLsb, kSysex});
    w.setCurrentRow(kNoteOff);
    auto waitCaption = std::make_shared<QString>();
    whenShown<base::ui::TransientMessage>([waitCaption](base::ui::TransientMessage* m) { *waitCaption = m->label()->text(); });
    action(w, "pmCut")->trigger();
    QCOMPARE(w.model().rowCount(), read.size() / document::kColumnCount - 3);
    QCOMPARE(w.panelText(4), QString("Cut 3 of 3"));
    QCOMPARE(w.currentRow(), kNoteOff - 3);
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Cut"));
    QVERIFY(w.windowTitle().endsWith(" *"));
    QCOMPARE(cell(w, kSff1 - 1, document::ColText), QString("Marker"));
    QTRY_COMPARE(*waitCaption, QString("Cut..."));
    const QStringList afterCut = cells(w);

    // Paste puts the rows above the current row, as they were, in one step.
    w.setCurrentRow(kTempo);
    action(w, "mPaste")->trigger();
    const auto cutRows = {kSysex, kBankMsb, kBankLsb};
    int at = kTempo;
    for (int source : cutRows) {
        for (int c = document::ColTick; c < document::kColumnCount; ++c)
            if (c != document::ColMbt) QCOMPARE(cell(w, at, c), read[source * document::kColumnCount - document::kColumnCount + c]);
        QCOMPARE(cell(w, at, document::ColN), QString());
        ++at;
    }
    QCOMPARE(cell(w, kTempo + 3, document::ColText), QString("Tempo"));
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Paste"));
    QVERIFY(QFileInfo::exists(f.path("EventCopy.ini")));  // the clipboard stays for the next paste
    action(w, "mUndo")->trigger();
    QCOMPARE(cells(w), afterCut);
    action(w, "mUndo")->trigger();
    QCOMPARE(cells(w), read);
    action(w, "mRedo")->trigger();
    QCOMPARE(cells(w), afterCut);
    action(w, "mUndo")->trigger();
    QVERIFY(!w.windowTitle().endsWith(" *"));
    QCOMPARE(saveAs(f, w, "Undone.prs"), unchanged);
    QCOMPARE(unchanged, smf::demoStyle());

    // With nothing selected the current row is copied and cut.
    select(w, {});
    w.setCurrentRow(kHello);
    action(w, "mCut")->trigger();
    QCOMPARE(cell(w, kHello, document::ColText), QString("Marker"));
    action(w, "mPaste")->trigger();
    for (int c = document::ColSel; c < document::kColumnCount; ++c)
        QCOMPARE(cell(w, kHello, c), read[(kHello - 1) * document::kColumnCount + c]);
    QCOMPARE(cell(w, kHello, document::ColN), QString());  // a pasted row has no number
    QCOMPARE(w.document().markers.size(), 3u);
    QCOMPARE(w.document().texts.size(), 2u);
}

void SelectionCommandsTest::protectedNotesAndBadClipboards() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    const QStringList read = cells(w);
    QVERIFY(!w.settings().delNote);

    // Cut on a protected note leaves it and the clipboard alone, as Delete does.
    f.write("EventCopy.ini", "[0]\n1=\n2=0\n3=\n4=\"C0 \"\n5=1\n6=\"07 \"\n7=\n8=Program (patch) change\n");
    w.setCurrentRow(kNoteOn);
    action(w, "mCut")->trigger();
    QCOMPARE(cells(w), read);
    QVERIFY(f.read("EventCopy.ini").startsWith("[0]\n"));
    QVERIFY(!action(w, "mUndo")->isEnabled());
    // A hand-written clipboard in the plain form pastes.
    action(w, "mPaste")->trigger();
    QCOMPARE(cell(w, kNoteOn, document::ColData), QString("07 "));
    action(w, "mUndo")->trigger();

    // Selected notes are unselected, neither copied nor cut.
    select(w, {kNoteOn, kPitch, kNoteOff});
    action(w, "mCut")->trigger();
    QCOMPARE(selectedRows(w), std::vector<int>{});
    QCOMPARE(cell(w, kNoteOn, document::ColText), QString("Note on"));
    QCOMPARE(cell(w, kPitch, document::ColText), QString("Time Signature"));
    QCOMPARE(f.read("EventCopy.ini").count("[0]"), 1);
    QVERIFY(!f.read("EventCopy.ini").contains("[1]"));
    action(w, "mUndo")->trigger();
    QCOMPARE(cells(w), read);

    // A clipboard cut short, garbled or missing pastes nothing and says so.
    const QByteArray good = f.read("EventCopy.ini");
    const auto messages = f.dialogs.messages.size();
    for (const QByteArray& bad : {good.left(good.size() - 3), QByteArray("[0]\n1=\n2=x\n3=\n4=90\n5=\n6=\n7=\n8=\n")}) {
        f.write("EventCopy.ini", bad);
        action(w, "mPaste")->trigger();
        QCOMPARE(cells(w), read);
        QCOMPARE(f.dialogs.messages.back().icon, base::Icon::Error);
        QVERIFY(f.dialogs.messages.back().text.contains("Nothing was pasted."));
    }
    QFile::remove(f.path("EventCopy.ini"));
    action(w, "pmPaste")->trigger();
    QCOMPARE(cells(w), read);
    QVERIFY(f.dialogs.messages.back().text.contains("Nothing to paste"));
    QCOMPARE(f.dialogs.messages.size(), messages + 3);
    QVERIFY(!action(w, "mUndo")->isEnabled());
}

void SelectionCommandsTest::channelAndTranspose() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    const QStringList read = cells(w);

    int preset = 0;
    whenShown<events::ui::ChannelDialog>([&preset](events::ui::ChannelDialog* d) {
        preset = d->value();
        d->setValue(5);
        d->ButtonOK->click();
    });
    w.setCurrentRow(kProgram);
    action(w, "mEditChannel")->trigger();
    QCOMPARE(preset, 1);
    QCOMPARE(cell(w, kProgram, document::ColEvent), QString("C4 "));
    QCOMPARE(cell(w, kProgram, document::ColCh), QString("5"));
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Edit Channel"));
    action(w, "mUndo")->trigger();
    QCOMPARE(cells(w), read);
    // Rows without a channel open no dialog.
    w.setCurrentRow(kTempo);
    action(w, "mEditChannel")->trigger();
    QCOMPARE(cells(w), read);

    // Transpose the current section's notes on channel 1 an octave up.
    whenShown<events::ui::TransposeDialog>([&preset](events::ui::TransposeDialog* d) {
        preset = d->channel();
        d->ButtonPlus->click();
        d->RGObject->button(0)->click();
        d->ButtonOK->click();
    });
    w.setCurrentRow(kNoteOff);
    action(w, "mTranspose")->trigger();
    QCOMPARE(preset, 1);
    QCOMPARE(cell(w, kNoteOn, document::ColData), QString("48 64 "));
    QCOMPARE(cell(w, kNoteOff, document::ColComment), QString("n=C6  v=0"));
    QCOMPARE(cell(w, kDrum, document::ColData), QString("24 64 "));
    QCOMPARE(w.panelText(3), QString("Notes transposed: 1"));
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Transpose"));
    action(w, "mUndo")->trigger();
    QCOMPARE(cells(w), read);
    // Cancel, or an amount of 0, changes nothing.
    whenShown<events::ui::TransposeDialog>([](events::ui::TransposeDialog* d) { d->ButtonOK->click(); });
    action(w, "mTranspose")->trigger();
    QCOMPARE(cells(w), read);
    QVERIFY(!action(w, "mRedo")->isEnabled() || action(w, "mRedo")->text() == "&Redo Transpose");
}

// While the reading flag is set (here by Remove Bank Events) none of the
// commands changes rows, flags or the clipboard, or opens a dialog.
void SelectionCommandsTest::commandsWaitWhileReading() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    select(w, {kNoteOn});
    w.setCurrentRow(kProgram);
    f.write("EventCopy.ini", "");
    int dialogs = 0;
    auto reject = [&dialogs] {
        for (auto* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(top); d && d->isVisible() && !qobject_cast<base::ui::TransientMessage*>(d)) {
                ++dialogs;
                d->reject();
            }
    };
    QTimer rejecter;
    connect(&rejecter, &QTimer::timeout, reject);
    rejecter.start(20);
    bool ran = false;
    std::vector<int> selectedDuring;
    QTimer::singleShot(0, [&] {
        ran = true;
        QVERIFY(w.reading());
        for (const char* name : {"mSelectAll", "mUnselectAll", "mSelectSection", "mUnselectSection", "mSelectEvents",
                                 "mCopy", "mCut", "mPaste", "mEditChannel", "mTranspose"})
            action(w, name)->trigger();
        selectedDuring = selectedRows(w);
    });
    action(w, "mRemoveBank")->trigger();
    QVERIFY(ran);
    QCOMPARE(dialogs, 0);
    QCOMPARE(selectedDuring, std::vector<int>{kNoteOn});
    QCOMPARE(f.read("EventCopy.ini"), QByteArray());
    QCOMPARE(action(w, "mUndo")->text(), QString("&Undo Remove Bank Events"));
    QCOMPARE(cell(w, kProgram - 2, document::ColEvent), QString("C0 "));
}

QTEST_MAIN(SelectionCommandsTest)
#include "selection_commands_test.moc"

// The CASM editor window on generated sections: cell edits on marked
// entries, the side panel, undo, delete, sorting, saving and closing, and
// files that are refused.
#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "base/ui/cut_texts.h"
#include "casm/ctab_file.h"
#include "casm/reader.h"
#include "casm/ui/entry_bytes_dialog.h"
#include "support/casm_editor_fixture.h"

using namespace casm_test;
using casm::Entry;

namespace {

constexpr int kSectionCol = 1, kChCol = 4, kNttCol = 8, kRtrCol = 12;

// Main A: tracks 8, 9, 10; Main B: track 11 (shown as channels 9 to 12).
Bytes fourEntries() {
    return casmOf({cseg("Main A", {ctab(8, "Drums"), ctab(9, "Bass"), ctab(10, "Chord")}), cseg("Main B", {ctab(11, "Pad")})});
}

}  // namespace

class CasmEditorTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickEditsGoToMarkedEntries();
    void sidePanelChangesTheCurrentEntryOnly();
    void deleteUndoRedoAndUndoChanges();
    void sortByChannelKeepsListOrderWithinAChannel();
    void saveAsThenCloseAsksNothingAndCloseCanDropChanges();
    void saveRefusesWhatTheReaderWouldRefuse();
    void refusedFilesChangeNothing();
    void ctb2EntriesShowAndEditTheChosenZone();
    void opensWideEnoughAndCutTextsShowTheirTooltip();
};

void CasmEditorTest::doubleClickEditsGoToMarkedEntries() {
    EditorFixture f;
    auto& w = f.open(fourEntries());
    QCOMPARE(w.model().rowCount(), 4);
    QCOMPARE(f.cell(1, kNttCol), QString("Chord"));
    // Marking three entries by double-clicking their number.
    for (int row = 1; row <= 3; ++row) w.StringGrid1DblClick(row, 0);
    QCOMPARE(w.panelText(1), QString("Selected:3"));

    chooseInMenu("Bass");
    w.StringGrid1DblClick(2, kNttCol);
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(f.entries()[i][casm::NTT], std::uint8_t{3});
        QVERIFY(f.entries()[i].changed);
    }
    QCOMPARE(f.entries()[3][casm::NTT], std::uint8_t{2});
    QVERIFY(f.action("mUndo")->isEnabled());

    // An unmarked entry changes alone.
    chooseInMenu("Melody");
    w.StringGrid1DblClick(4, kNttCol);
    QCOMPARE(f.entries()[3][casm::NTT], std::uint8_t{1});
    QCOMPARE(f.entries()[0][casm::NTT], std::uint8_t{3});

    // With one entry marked, only the clicked one changes.
    w.StringGrid1DblClick(2, 0);
    w.StringGrid1DblClick(3, 0);
    chooseInMenu("Bypass");
    w.StringGrid1DblClick(1, kNttCol);
    QCOMPARE(f.entries()[0][casm::NTT], std::uint8_t{0});
    QCOMPARE(f.entries()[1][casm::NTT], std::uint8_t{3});

    // Each change is a step of the editor's own undo; marks are no step.
    f.trigger("mUndoEdit");
    QCOMPARE(f.entries()[0][casm::NTT], std::uint8_t{3});
    f.trigger("mUndoEdit");
    f.trigger("mUndoEdit");
    QCOMPARE(f.entries()[0][casm::NTT], std::uint8_t{2});
    QVERIFY(!f.entries()[0].changed);
    QVERIFY(f.entries()[0].marked);
    QVERIFY(!f.action("mUndo")->isEnabled());  // back where the file is
    f.trigger("mRedoEdit");
    QCOMPARE(f.entries()[2][casm::NTT], std::uint8_t{3});

    // The Section menu's "Enter new..." asks for a name; Cancel changes nothing.
    f.dialogs.inputs = {std::nullopt, QString("Intro X")};
    chooseInMenu("Enter new...");
    w.StringGrid1DblClick(4, kSectionCol);
    QCOMPARE(f.entries()[3].section, std::string("Main B"));
    chooseInMenu("Enter new...");
    w.StringGrid1DblClick(4, kSectionCol);
    QCOMPARE(f.entries()[3].section, std::string("Intro X"));
    QCOMPARE(f.cell(4, kSectionCol), QString("Intro X"));
}

void CasmEditorTest::sidePanelChangesTheCurrentEntryOnly() {
    EditorFixture f;
    auto& w = f.open(fourEntries());
    for (int row = 1; row <= 3; ++row) w.StringGrid1DblClick(row, 0);
    w.setCurrentRow(2);
    QCOMPARE(w.ComboBoxRTR->currentIndex(), 1);
    emit w.ComboBoxRTR->activated(4);
    QCOMPARE(f.entries()[1][casm::RTR], std::uint8_t{4});
    QCOMPARE(f.entries()[0][casm::RTR], std::uint8_t{1});
    QCOMPARE(f.cell(2, kRtrCol), QString("Ret.ToRoot"));
    QVERIFY(!f.entries()[0].changed);

    // The same value again: no change, nothing more to undo.
    const int steps = w.casm().undoStack().count();
    emit w.ComboBoxRTR->activated(4);
    QCOMPARE(w.casm().undoStack().count(), steps);
    w.setCurrentRow(4);
    emit w.ComboBoxChan->activated(11);
    QCOMPARE(w.casm().undoStack().count(), steps);  // channel 12 is what entry 4 has
    QVERIFY(!f.entries()[3].changed);

    // "AB" is stored padded to eight characters.
    w.EditName->setText("AB");
    emit w.EditName->editingFinished();
    QCOMPARE(f.entries()[3].name(), std::string("AB      "));
    QCOMPARE(f.cell(4, 3), QString("AB      "));
    w.CheckBoxAutoStart->click();
    QVERIFY(f.entries()[3].autoStart());
    QCOMPARE(f.cell(4, 15), QString("Yes"));
    QCOMPARE(w.panelText(0), QString("Ctab Len:27"));
    QCOMPARE(w.panelText(2), QString("Test.sty"));
}

void CasmEditorTest::deleteUndoRedoAndUndoChanges() {
    EditorFixture f;
    auto& w = f.open(fourEntries());
    w.StringGrid1DblClick(1, 0);
    w.StringGrid1DblClick(3, 0);
    // Marked entries go after a Yes; No keeps them.
    f.dialogs.answers = {base::ui::Answer::No, base::ui::Answer::Yes};
    f.trigger("mDelete");
    QCOMPARE(w.model().rowCount(), 4);
    QCOMPARE(f.dialogs.messages.back().text, QString("Do you want to delete selected?"));
    f.trigger("mDelete");
    QCOMPARE(w.model().rowCount(), 2);
    QCOMPARE(f.cell(1, 3), QString("Bass    "));
    QVERIFY(f.action("mUndo")->isEnabled());

    // Ctrl+Z brings them back, marked, where they were; Ctrl+Y takes them away again.
    f.trigger("mUndoEdit");
    QCOMPARE(w.model().rowCount(), 4);
    QVERIFY(f.entries()[0].marked && f.entries()[2].marked);
    f.trigger("mRedoEdit");
    QCOMPARE(w.model().rowCount(), 2);

    // "Undo changes" reads the working file again; it can be taken back too.
    f.trigger("mUndo");
    QCOMPARE(w.model().rowCount(), 4);
    QVERIFY(!f.action("mUndo")->isEnabled());
    QVERIFY(!w.casm().modified());
    f.trigger("mUndoEdit");
    QCOMPARE(w.model().rowCount(), 2);
    QVERIFY(w.casm().modified());

    // Without marks, Del removes the current entry without asking.
    w.setCurrentRow(2);
    const auto asked = f.dialogs.messages.size();
    QTest::keyClick(w.StringGrid1, Qt::Key_Delete);
    QCOMPARE(w.model().rowCount(), 1);
    QCOMPARE(f.dialogs.messages.size(), asked);
}

void CasmEditorTest::sortByChannelKeepsListOrderWithinAChannel() {
    EditorFixture f;
    Bytes second = ctab(3, "Late");
    second[8 + casm::MidiChan] = 8;  // channel 9, after the other channel 9 entry in the list
    auto& w = f.open(casmOf({cseg("Main A", {ctab(9, "Ten"), ctab(8, "Nine"), ctab(1, "Two")}), cseg("Main B", {second})}));
    w.setCurrentRow(2);
    f.trigger("mSortChannel");
    QStringList channels, names;
    for (int row = 1; row <= 4; ++row) {
        channels << f.cell(row, kChCol);
        names << f.cell(row, 3).trimmed();
    }
    QCOMPARE(channels, (QStringList{"2", "9", "9", "10"}));
    QCOMPARE(names, (QStringList{"Two", "Nine", "Late", "Ten"}));
    QCOMPARE(f.cell(2, 0), QString("2"));  // the numbers follow the rows
    QCOMPARE(w.EditName->text(), QString("Nine"));  // the current entry stays current
    // The list itself keeps its order: a save writes it unchanged.
    QCOMPARE(f.entries()[0].name(), std::string("Ten     "));
    f.trigger("mSortTrack");
    QCOMPARE(f.cell(1, 2), QString("2"));
    QCOMPARE(f.cell(4, 2), QString("10"));
}

void CasmEditorTest::saveAsThenCloseAsksNothingAndCloseCanDropChanges() {
    const Bytes original = fourEntries();
    {
        EditorFixture f;
        auto& w = f.open(original);
        chooseInMenu("Bass");
        w.StringGrid1DblClick(1, kNttCol);
        const QString target = f.dir.filePath("copy.csm");
        f.dialogs.files = {base::ui::FileChoice{target, 1}};
        answerOrder();
        f.trigger("mSaveas");
        QCOMPARE(f.dialogs.messages.back().caption, QString("The CASM section is saved to file..."));
        QVERIFY(!f.action("mUndo")->isEnabled());
        QVERIFY(!f.entries()[0].changed);
        const auto copy = casm::readCasmFile(target.toStdString());
        QVERIFY(copy.ok());
        QCOMPARE(copy.entries[0][casm::NTT], std::uint8_t{3});
        const auto asked = f.dialogs.messages.size();
        w.close();
        QCOMPARE(f.dialogs.messages.size(), asked);  // no question
        QCOMPARE(f.workingBytes(), original);         // the working file holds the earlier data
    }
    {
        // A change, then close answering No: the working file stays; reopening shows the old values.
        EditorFixture f;
        auto& w = f.open(original);
        chooseInMenu("Bass");
        w.StringGrid1DblClick(1, kNttCol);
        f.dialogs.answers = {base::ui::Answer::No};
        w.close();
        QCOMPARE(f.dialogs.messages.back().text, QString("CASM section is changed...Save changes?"));
        QCOMPARE(f.workingBytes(), original);
        f.open(original);
        QCOMPARE(f.entries()[0][casm::NTT], std::uint8_t{2});
        // Yes writes the working file, after the order dialog.
        chooseInMenu("Bass");
        f.editor->StringGrid1DblClick(1, kNttCol);
        f.dialogs.answers = {base::ui::Answer::Yes};
        answerOrder();
        f.editor->close();
        const auto saved = casm::readCasmFile(f.working());
        QVERIFY(saved.ok());
        QCOMPARE(saved.entries[0][casm::NTT], std::uint8_t{3});
    }
}

void CasmEditorTest::saveRefusesWhatTheReaderWouldRefuse() {
    EditorFixture f;
    Bytes mainA = chunk("Sdec", text("Main A"));
    for (std::uint8_t t = 0; t < 16; ++t) append(mainA, ctab(t));
    const Bytes original = casmOf({chunk("CSEG", mainA), cseg("Main B", {ctab(3, "Extra")})});
    auto& w = f.open(original);
    QCOMPARE(w.model().rowCount(), 17);
    chooseInMenu("Main A");
    w.StringGrid1DblClick(17, kSectionCol);
    f.trigger("mSave");  // refused before the order dialog shows
    QCOMPARE(f.dialogs.messages.back().text, QString("Unable to save...\nSection \"Main A\" holds more than 16 entries."));
    QCOMPARE(f.workingBytes(), original);
    QVERIFY(w.casm().modified());
    QVERIFY(f.entries()[16].changed);

    // A comma would split the name when read: refused too.
    f.trigger("mUndoEdit");
    f.dialogs.inputs = {QString("Main,B")};
    chooseInMenu("Enter new...");
    w.StringGrid1DblClick(17, kSectionCol);
    f.trigger("mSave");
    QCOMPARE(f.dialogs.messages.back().text, QString("Unable to save...\nSection name \"Main,B\" holds a comma."));
    QCOMPARE(f.workingBytes(), original);

    // Cancel in the order dialog writes nothing and says nothing.
    f.trigger("mUndoEdit");
    chooseInMenu("Ending A");
    w.StringGrid1DblClick(17, kSectionCol);
    const auto said = f.dialogs.messages.size();
    answerOrder(false);
    f.trigger("mSave");
    QCOMPARE(f.dialogs.messages.size(), said);
    QCOMPARE(f.workingBytes(), original);
    answerOrder();
    f.trigger("mSave");
    QCOMPARE(f.dialogs.messages.back().caption, QString("Saved..."));
    QVERIFY(!w.casm().modified());
    QCOMPARE(casm::readCasmFile(f.working()).entries.back().section, std::string("Ending A"));
}

void CasmEditorTest::refusedFilesChangeNothing() {
    EditorFixture f;
    const Bytes original = fourEntries();
    auto& w = f.open(original);
    // A truncated .csm: a message that says where, no question, nothing changed.
    const Bytes other = casmOf({cseg("Intro A", {ctab(5, "Other")})});
    const std::string cut = (f.home() / "cut.csm").string();
    base::writeFileAtomic(cut, Bytes(other.begin(), other.end() - 4));
    f.dialogs.files = {base::ui::FileChoice{QString::fromStdString(cut), 1}};
    f.trigger("mOpen");
    QVERIFY(f.dialogs.messages.back().text.startsWith(QString::fromStdString(cut) + "\nThe data ends inside a chunk at "));
    QCOMPARE(w.model().rowCount(), 4);
    QCOMPARE(f.workingBytes(), original);
    QVERIFY(!w.casm().modified());

    // A good one after two Yes answers replaces the working file; Ctrl+Z shows the old entries again.
    const std::string good = (f.home() / "good.csm").string();
    base::writeFileAtomic(good, other);
    f.dialogs.files = {base::ui::FileChoice{QString::fromStdString(good), 1}};
    f.dialogs.answers = {base::ui::Answer::Yes, base::ui::Answer::Yes};
    f.trigger("mOpen");
    QCOMPARE(w.model().rowCount(), 1);
    QCOMPARE(f.workingBytes(), other);
    QVERIFY(!w.casm().modified());
    f.trigger("mUndoEdit");
    QCOMPARE(w.model().rowCount(), 4);
    QVERIFY(w.casm().modified());

    // A garbled .Ctab file says which byte is wrong and inserts nothing.
    Entry e = f.entries()[0];
    auto record = casm::toRecord(e);
    record[35] = 29;
    const std::string bad = (f.home() / "bad.Ctab").string();
    base::writeFileAtomic(bad, record);
    f.dialogs.files = {base::ui::FileChoice{QString::fromStdString(bad), 1}};
    f.trigger("mLoadCtab");
    QCOMPARE(f.dialogs.messages.back().text,
             QString("Byte 35 (the entry length) holds 29; a Ctab entry is 27, 31, 33 or 35 bytes long."));
    QCOMPARE(w.model().rowCount(), 4);

    // An SFF2 entry does not go into a section of SFF1 entries.
    Entry sff2 = casm::unmutedEntry(casm::TableKind::Ctb2);
    sff2.section = "Main A";
    const std::string ctb2 = (f.home() / "e.Ctb2").string();
    casm::saveCtabFile(ctb2, sff2);
    f.dialogs.files = {base::ui::FileChoice{QString::fromStdString(ctb2), 2}};
    f.trigger("mLoadCtab");
    QVERIFY(f.dialogs.messages.back().text.contains("cannot go into it"));
    QCOMPARE(w.model().rowCount(), 4);

    // A good .Ctab goes in before the current entry, marked changed.
    record[35] = 27;
    base::writeFileAtomic(bad, record);
    w.setCurrentRow(2);
    f.dialogs.files = {base::ui::FileChoice{QString::fromStdString(bad), 1}};
    f.trigger("mLoadCtab");
    QCOMPARE(w.model().rowCount(), 5);
    QVERIFY(f.entries()[1].changed);
}

void CasmEditorTest::ctb2EntriesShowAndEditTheChosenZone() {
    EditorFixture f;
    Bytes body = ctb2Body(8, "Drums", 0);
    for (int z : {casm::LowZone, casm::MiddleZone, casm::HighZone}) {
        body[static_cast<std::size_t>(z)] = 0;      // NTR Root Trans
        body[static_cast<std::size_t>(z) + 1] = 1;  // NTT Melody
        body[static_cast<std::size_t>(z) + 5] = 1;  // RTR Pitch Shift
    }
    body[casm::MiddleZone + 1] = 2;  // the middle zone's NTT: Chord
    auto& w = f.open(casmOf({cseg("Main A", {chunk("Ctb2", body)})}));
    QCOMPARE(f.cell(1, kNttCol), QString("Chord"));
    QCOMPARE(f.cell(1, 0), QString("1"));
    emit w.ComboBoxZone->activated(0);
    QCOMPARE(f.cell(1, kNttCol), QString("Melody"));
    QCOMPARE(w.ComboBoxNTT->currentText(), QString("Melody"));

    // The bass bit of the low zone alone.
    chooseInMenu("Bass");
    w.StringGrid1DblClick(1, kNttCol);
    QCOMPARE(f.entries()[0][casm::LowZone + 1], std::uint8_t{0x81});
    QCOMPARE(f.entries()[0][casm::MiddleZone + 1], std::uint8_t{2});
    QCOMPARE(f.cell(1, kNttCol), QString("Melody+Bass"));
    chooseInMenu("Dorian");
    w.StringGrid1DblClick(1, kNttCol);
    QCOMPARE(f.entries()[0][casm::LowZone + 1], std::uint8_t{0x89});  // the type changes, the bass bit stays
    chooseInMenu("Note Generator");
    w.StringGrid1DblClick(1, kRtrCol);
    QCOMPARE(f.entries()[0][casm::LowZone + 5], std::uint8_t{5});
    QCOMPARE(f.entries()[0][casm::HighZone + 5], std::uint8_t{1});

    // All zones side by side: 20 more columns; the high zone's RTR column edits the high zone.
    f.trigger("mAllZones");
    QCOMPARE(w.model().columnCount(), casm::kGridColumns + casm::kCtb2Columns);
    const int highRtr = casm::kGridColumns + 2 + 2 * casm::kRuleCount + 5;
    QCOMPARE(w.model().headerData(highRtr, Qt::Horizontal, Qt::DisplayRole).toString(), QString("High RTR"));
    chooseInMenu("Retrigger");
    w.StringGrid1DblClick(1, highRtr);
    QCOMPARE(f.entries()[0][casm::HighZone + 5], std::uint8_t{3});
    QCOMPARE(f.entries()[0][casm::LowZone + 5], std::uint8_t{5});

    // The byte editor shows all 47 bytes: the name row and 39 more.
    whenShown<casm::ui::EntryBytesDialog>([](casm::ui::EntryBytesDialog* d) {
        QCOMPARE(d->StringGrid1->rowCount(), 40);
        d->StringGrid1->item(39, 1)->setText("7");  // unkn46
        d->accept();
    });
    f.trigger("mByteEditor");
    QCOMPARE(f.entries()[0][46], std::uint8_t{7});
    QCOMPARE(w.panelText(0), QString("Ctab Len:47"));
}

void CasmEditorTest::opensWideEnoughAndCutTextsShowTheirTooltip() {
    EditorFixture f;
    // A width stored narrow (or by a version that opened too narrow) does not cut the columns.
    base::writeFileAtomic(f.home() / "Ctabber.INI", std::string_view("[Ctabber]\nWidth=300\nHeight=300\n"));
    auto& w = f.open(fourEntries());
    auto* grid = w.findChild<QTableView*>("StringGrid1");
    const auto whole = base::ui::wholeTextWidths(*grid);
    int needed = base::ui::gridChrome(*grid);
    for (int c = 0; c < casm::kGridColumns; ++c) needed += whole[static_cast<std::size_t>(c)];
    const int room = QGuiApplication::primaryScreen()->availableGeometry().width();
    QVERIFY2(w.width() >= std::min(needed, room - 10), qPrintable(QString("width %1").arg(w.width())));
    // Within the screen, as far as the window's own least width allows.
    QVERIFY(w.width() <= std::max(room, w.minimumSizeHint().width()));

    // Narrowed by the user: a cut cell and a cut heading show their whole text as a tooltip.
    w.resize(200, w.height());
    grid->setColumnWidth(kSectionCol, 12);
    grid->setColumnWidth(kNttCol, 12);
    QCoreApplication::processEvents();
    const QRect cell = grid->visualRect(w.model().index(0, kSectionCol));
    QHelpEvent overCell(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(grid->viewport(), &overCell);
    QCOMPARE(QToolTip::text(), QString("Main A"));
    auto* header = grid->horizontalHeader();
    const QPoint heading(header->sectionViewportPosition(kNttCol) + 4, header->height() / 2);
    QHelpEvent overHeading(QEvent::ToolTip, heading, header->viewport()->mapToGlobal(heading));
    QCoreApplication::sendEvent(header->viewport(), &overHeading);
    QCOMPARE(QToolTip::text(), QString("NTT"));
    QToolTip::hideText();
}

QTEST_MAIN(CasmEditorTest)
#include "casm_editor_test.moc"

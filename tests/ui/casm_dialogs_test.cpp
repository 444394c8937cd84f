// The CASM editor's dialogs: the byte editor's number bases, the note
// picker, the section order, the mute dialogs and chord picker, rule
// assignment, the clipboard, Cntt and the track-to-channel table.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "base/profile.h"
#include "casm/ui/assign_dialogs.h"
#include "casm/ui/cntt_dialog.h"
#include "casm/ui/create_casm_dialog.h"
#include "casm/ui/entry_bytes_dialog.h"
#include "casm/ui/mute_dialogs.h"
#include "casm/ui/note_picker.h"
#include "casm/writer.h"
#include "events/ui/track_channel_dialog.h"
#include "support/casm_editor_fixture.h"

using namespace casm_test;
using casm::Entry;

namespace {

casm::ui::DialogContext context(EditorFixture& f) { return {f.dialogs, f.language, f.home() / "Ctabber.INI"}; }

Entry entryOfLength(int length) {
    Entry e = length == 47 ? casm::unmutedEntry(casm::TableKind::Ctb2) : casm::newEntry();
    e.length = static_cast<std::uint8_t>(length);
    e.section = "Main A";
    return e;
}

QStringList column(const QTableWidget* grid, int c) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) out << grid->item(r, c)->text();
    return out;
}

}  // namespace

class CasmDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void byteEditorReadsInTheBaseItShowsAndRemembersIt();
    void notePickerHitTestAndCaption();
    void orderDialogShowsGroupsAndMovesRows();
    void muteDialogsAndChordPicker();
    void assignDialogsGoToTheirGroup();
    void clipboardCnttAndTrackChannels();
};

void CasmDialogsTest::byteEditorReadsInTheBaseItShowsAndRemembersIt() {
    EditorFixture f;
    {
        casm::ui::EntryBytesDialog d(nullptr, context(f), entryOfLength(27));
        QCOMPARE(d.StringGrid1->rowCount(), 20);
        QCOMPARE(d.StringGrid1->item(1, 0)->text(), QString("Name"));
        QCOMPARE(d.StringGrid1->item(2, 1)->text(), QString("000"));  // MidiChan, decimal
        d.StringGrid1->item(2, 1)->setText("12");
        d.RadioHex->click();
        QCOMPARE(d.StringGrid1->item(2, 1)->text(), QString("0C"));
        d.StringGrid1->item(3, 1)->setText("1G");  // ReadOnly: any other character counts as 0
        d.RadioDec->click();
        QCOMPARE(d.StringGrid1->item(3, 1)->text(), QString("016"));
        d.StringGrid1->item(4, 1)->setText("300");
        d.StringGrid1->item(5, 1)->setText("-1");
        d.StringGrid1->item(19, 1)->setText("7x");  // unkn26
        d.RadioHex->click();
        d.accept();
        const Entry& e = d.edited();
        QCOMPARE(e[casm::MidiChan], std::uint8_t{12});
        QCOMPARE(e[casm::ReadOnly], std::uint8_t{16});
        QCOMPARE(e[casm::NoteMute1], std::uint8_t{44});
        QCOMPARE(e[casm::NoteMute0], std::uint8_t{255});
        QCOMPARE(e[casm::unkn26], std::uint8_t{7});
    }
    // The base is kept in the settings and shown next time.
    QCOMPARE(base::readProfileInt(f.home() / "Ctabber.INI", "BinaryEdit", "DecHex", 0), 1);
    casm::ui::EntryBytesDialog again(nullptr, context(f), entryOfLength(35));
    QCOMPARE(again.StringGrid1->rowCount(), 28);
    QVERIFY(again.RadioHex->isChecked());
    QCOMPARE(again.StringGrid1->item(27, 0)->text(), QString("unkn34"));

    // Through the editor: a change of unkn26 alone marks the entry changed; Cancel changes nothing.
    auto& w = f.open(casmOf({cseg("Main A", {ctab(8)})}));
    whenShown<casm::ui::EntryBytesDialog>([](casm::ui::EntryBytesDialog* d) { d->reject(); });
    QTest::keyClick(w.StringGrid1, Qt::Key_Return);
    QVERIFY(!f.entries()[0].changed);
    whenShown<casm::ui::EntryBytesDialog>([](casm::ui::EntryBytesDialog* d) {
        d->StringGrid1->item(19, 1)->setText("2A");
        d->accept();
    });
    QTest::keyClick(w.StringGrid1, Qt::Key_Return);
    QCOMPARE(f.entries()[0][casm::unkn26], std::uint8_t{0x2A});
    QVERIFY(f.entries()[0].changed);
}

void CasmDialogsTest::notePickerHitTestAndCaption() {
    EditorFixture f;
    casm::ui::NotePicker d(nullptr, context(f), 40);
    d.show();
    QCOMPARE(d.windowTitle(), QString("Select Note"));
    QCOMPARE(d.note(), 40);
    // In the black-key band, left of C#'s area: C5 by the white-key pass.
    QTest::mouseClick(d.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 3, 30));
    QCOMPARE(d.note(), 60);
    QCOMPARE(d.windowTitle(), QString("Select Note (C5)"));
    QTest::mouseClick(d.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 3, 10));  // above the keys
    QCOMPARE(d.note(), 60);
    QTest::mouseClick(d.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 11, 80));
    QCOMPARE(d.note(), 62);
    QCOMPARE(d.windowTitle(), QString("Select Note (D5)"));
    QTest::mouseClick(d.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 14, 30));
    QCOMPARE(d.note(), 63);  // D#5, a black key
    QTest::mouseMove(d.Image1, QPoint(56 * 3 + 34, 80));
    QCOMPARE(d.LabelNote->text(), QString("G3"));
    QTest::mouseMove(d.Image1, QPoint(56 * 3 + 34, 5));
    QCOMPARE(d.LabelNote->text(), QString());
}

void CasmDialogsTest::orderDialogShowsGroupsAndMovesRows() {
    EditorFixture f;
    std::vector<Entry> entries;
    for (const char* s : {"Intro A", "Main A", "Main B"}) {
        Entry e = casm::newEntry();
        e.section = s;
        e[casm::Track] = std::string_view(s) == "Intro A" ? 1 : 2;
        entries.push_back(e);
    }
    casm::SectionTable table;
    QVERIFY(!casm::buildSectionTable(entries, table));
    casm::groupSections(table);
    casm::ui::SectionOrderDialog d(nullptr, context(f), table);
    QCOMPARE(column(d.StringGrid1, 1), (QStringList{"Intro A", "Main A", "Main B"}));
    QCOMPARE(column(d.StringGrid1, 3), (QStringList{"*1", "*2", "*2"}));
    QCOMPARE(column(d.StringGrid1, 2), (QStringList{"28", "28", "28"}));
    d.StringGrid1->selectRow(2);
    d.BtnUpClick();
    QCOMPARE(column(d.StringGrid1, 1), (QStringList{"Intro A", "Main B", "Main A"}));
    QCOMPARE(column(d.StringGrid1, 3), (QStringList{"*1", "*2", "*2"}));
    QCOMPARE(d.StringGrid1->currentRow(), 1);
    QCOMPARE(table[1].name, std::string("Main B"));  // the writer's table moved with it
    d.StringGrid1->selectRow(0);
    d.BtnUpClick();
    QCOMPARE(column(d.StringGrid1, 1).front(), QString("Intro A"));
    d.StringGrid1->selectRow(2);
    d.BitBtnDownClick();
    QCOMPARE(column(d.StringGrid1, 1).back(), QString("Main A"));
    QVERIFY(d.CheckBoxCompressed->isChecked());

    // The compressed choice is kept by OK only, for the next save.
    d.CheckBoxCompressed->setChecked(false);
    d.ButtonCancel->click();
    QVERIFY(casm::ui::SectionOrderDialog::compressedFormat());
    casm::ui::SectionOrderDialog again(nullptr, context(f), table);
    again.CheckBoxCompressed->setChecked(false);
    again.ButtonOK->click();
    QVERIFY(!casm::ui::SectionOrderDialog::compressedFormat());
    QVERIFY(!casm::ui::SectionOrderDialog(nullptr, context(f), table).CheckBoxCompressed->isChecked());
    casm::ui::SectionOrderDialog::compressedFormat() = true;
}

void CasmDialogsTest::muteDialogsAndChordPicker() {
    EditorFixture f;
    Bytes drums = ctab(9, "Drums");
    drums[8 + casm::ChordMute4] = 0x07;  // AutoStart, sus4 and 1+2+5
    drums[8 + casm::NoteMute1] = 0xFF;
    auto& w = f.open(casmOf({cseg("Main A", {drums})}));

    // Chord mute: the two chord bits of byte 0 show; unchecking sus4 writes 0x06, AutoStart kept.
    whenShown<casm::ui::ChordMuteDialog>([](casm::ui::ChordMuteDialog* d) {
        QCOMPARE(d->CheckListBox2->item(15)->checkState(), Qt::Checked);  // sus4 (32)
        QCOMPARE(d->CheckListBox2->item(16)->checkState(), Qt::Checked);  // 1+2+5 (33)
        QCOMPARE(d->CheckListBox1->item(8)->text(), QString("min "));
        d->CheckListBox2->item(15)->setCheckState(Qt::Unchecked);
        d->ButtonOK->click();
    });
    w.StringGrid1DblClick(1, 14);
    QCOMPARE(f.entries()[0][casm::ChordMute4], std::uint8_t{0x06});
    QCOMPARE(f.cell(1, 14), QString("SEL"));

    // Note mute: all twelve checked for 0xFF 0xFF; OK without a change writes nothing.
    const int steps = w.casm().undoStack().count();
    whenShown<casm::ui::NoteMuteDialog>([](casm::ui::NoteMuteDialog* d) {
        for (int n = 0; n < 12; ++n) QCOMPARE(d->CheckListBox1->item(n)->checkState(), Qt::Checked);
        d->ButtonOK->click();
    });
    w.StringGrid1DblClick(1, 13);
    QCOMPARE(w.casm().undoStack().count(), steps);
    QCOMPARE(f.entries()[0][casm::NoteMute1], std::uint8_t{0xFF});
    whenShown<casm::ui::NoteMuteDialog>([](casm::ui::NoteMuteDialog* d) {
        d->CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
        d->ButtonOK->click();
    });
    w.StringGrid1DblClick(1, 13);
    QCOMPARE(f.entries()[0][casm::NoteMute1], std::uint8_t{0x0F});
    QCOMPARE(f.entries()[0][casm::NoteMute0], std::uint8_t{0xFE});

    // The buttons: Invert on a full mask empties it; Min only (no stored presets) passes 8 to 18.
    {
        casm::ui::ChordMuteDialog d(nullptr, context(f), casm::fullChordMask());
        d.ButtonInv->click();
        QCOMPARE(d.mask(), casm::emptyChordMask());
        d.ButtonMin->click();
        for (int t = 0; t < casm::kChordTypes; ++t) QCOMPARE(casm::testBit(d.mask(), t), t >= 8 && t <= 18);
        d.saveButtons[2]->click();  // user group 3
        d.reject();
    }
    QCOMPARE(base::readProfileInt(f.home() / "Ctabber.INI", "ChordMute", "User3Byte2", -1), 0x07);

    // The chord picker in single-choice mode: one box at a time, none gives Maj.
    casm::ui::ChordTypesDialog chords(nullptr, context(f), casm::emptyChordMask());
    chords.setSingleChoice(true);
    QCOMPARE(chords.boxes[8]->text(), QString("min"));
    QCOMPARE(chords.firstChecked(), 0);
    chords.boxes[5]->click();
    chords.boxes[7]->click();
    QCOMPARE(chords.firstChecked(), 7);
    QVERIFY(!chords.boxes[5]->isChecked());
    whenShown<casm::ui::ChordTypesDialog>([](casm::ui::ChordTypesDialog* d) {
        d->boxes[10]->click();
        d->ButtonOK->click();
    });
    w.StringGrid1DblClick(1, 6);
    QCOMPARE(f.cell(1, 6), QString("min7"));
}

void CasmDialogsTest::assignDialogsGoToTheirGroup() {
    EditorFixture f;
    Bytes auto9 = ctab(9, "Drums");
    auto9[8 + casm::ChordMute4] = 0x07;
    auto& w = f.open(casmOf({cseg("Main A", {auto9, ctab(10, "Bass")}), cseg("Main B", {ctab(9, "Drums2")})}));

    // The Assign button follows the boxes.
    {
        casm::ui::RuleAssignDialog d(nullptr, context(f), f.entries()[0], casm::Zone::Middle, true, "x");
        QVERIFY(!d.ButtonAssign->isEnabled());
        d.CheckBoxNTT->click();
        QVERIFY(d.ButtonAssign->isEnabled());
        QVERIFY(d.ComboBoxNTT->isEnabled());
        d.CheckBoxNTT->click();
        QVERIFY(!d.ButtonAssign->isEnabled());
        d.ComboBoxChan->setCurrentIndex(16);
        QCOMPARE(d.windowTitle(), QString("Assign ... to all"));
        QCOMPARE(d.channel(), std::nullopt);
    }
    // "Assign ..." of the section with only NTT ticked, the same value: every entry of the section changed.
    whenShown<casm::ui::RuleAssignDialog>([](casm::ui::RuleAssignDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Assign to section Main A"));
        QVERIFY(!d->ComboBoxChan->isVisible());
        d->CheckBoxNTT->click();
        d->CheckBoxChordMute->click();
        d->ButtonAssign->click();
    });
    f.trigger("mSectionAssign");
    QVERIFY(f.entries()[0].changed && f.entries()[1].changed);
    QVERIFY(!f.entries()[2].changed);
    QCOMPARE(f.entries()[0][casm::ChordMute4], std::uint8_t{0x07});  // AutoStart kept

    // The channel variant with "All" reaches every entry whatever its channel.
    whenShown<casm::ui::RuleAssignDialog>([](casm::ui::RuleAssignDialog* d) {
        QCOMPARE(d->ComboBoxChan->currentIndex(), 9);
        d->ComboBoxChan->setCurrentIndex(16);
        d->CheckBoxRTR->click();
        d->ComboBoxRTR->setCurrentIndex(3);
        d->ButtonAssign->click();
    });
    f.trigger("mChannelAssign");
    for (const auto& e : f.entries()) QCOMPARE(e[casm::RTR], std::uint8_t{3});

    // Chord root with "Use for all": every section.
    whenShown<casm::ui::ChordAssignDialog>([](casm::ui::ChordAssignDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Assign Chord Root for Main A"));
        d->RadioGroupRoot->button(5)->click();
        d->CheckBoxAll->click();
        d->ButtonAssign->click();
    });
    f.trigger("mSectionRoot");
    for (const auto& e : f.entries()) QCOMPARE(e[casm::ChordRoot], std::uint8_t{5});

    // "In selected..." is enabled only with marks; the section chooser marks ticked sections.
    w.findChild<QMenu*>("mAssign")->popup({0, 0});
    QVERIFY(!w.findChild<QMenu*>("mAssignSelected")->isEnabled());
    QCOMPARE(w.findChild<QMenu*>("mAssignSection")->title(), QString("&Section Main A"));
    QCOMPARE(w.findChild<QMenu*>("mAssignChannel")->title(), QString("&Channel 10"));
    w.findChild<QMenu*>("mAssign")->close();
    whenShown<casm::ui::SectionChooser>([](casm::ui::SectionChooser* d) {
        QCOMPARE(d->CheckListBox1->count(), 2);
        QCOMPARE(d->CheckListBox1->item(0)->checkState(), Qt::Checked);
        d->CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
        d->CheckListBox1->item(1)->setCheckState(Qt::Checked);
        d->ButtonOK->click();
    });
    f.trigger("mSelectSections");
    QCOMPARE(w.panelText(1), QString("Selected:1"));
    QVERIFY(f.entries()[2].marked);
}

void CasmDialogsTest::clipboardCnttAndTrackChannels() {
    EditorFixture f;
    auto& w = f.open(casmOf({cseg("Main A", {ctab(8, "A"), ctab(9, "B"), ctab(10, "C"), cntt(9, 5)}),
                             cseg("Main B", {ctab(11, "D")})}));
    QVERIFY(!f.action("mPaste")->isEnabled());
    // Copy of three marked entries, pasted above row 4: same order, changed, without Cntt.
    for (int row = 1; row <= 3; ++row) w.StringGrid1DblClick(row, 0);
    f.trigger("mCopy");
    QVERIFY(f.action("mPaste")->isEnabled());
    w.setCurrentRow(4);
    f.trigger("mPaste");
    QCOMPARE(w.model().rowCount(), 7);
    QStringList names;
    for (int row = 1; row <= 7; ++row) names << f.cell(row, 3).trimmed();
    QCOMPARE(names, (QStringList{"A", "B", "C", "A", "B", "C", "D"}));
    QVERIFY(f.entries()[4].changed && !f.entries()[4].hasCntt && !f.entries()[4].marked);
    QVERIFY(!f.entries()[1].changed);

    // Cntt window: Delete removes it (keeping the value), any other close sets it.
    whenShown<casm::ui::CnttDialog>([](casm::ui::CnttDialog* d) {
        QCOMPARE(d->SpinEdit1->value(), 5);
        d->ButtonDelete->click();
    });
    w.StringGrid1DblClick(2, 16);
    QVERIFY(!f.entries()[1].hasCntt);
    QCOMPARE(f.entries()[1].cntt, std::uint8_t{5});
    whenShown<casm::ui::CnttDialog>([](casm::ui::CnttDialog* d) {
        d->SpinEdit1->setValue(9);
        d->close();
    });
    w.StringGrid1DblClick(7, 16);
    QVERIFY(f.entries()[6].hasCntt);
    QCOMPARE(f.cell(7, 16), QString("9"));
    f.trigger("mDeleteCntt");
    QVERIFY(!f.entries()[6].hasCntt);

    // Track to Channel table for all sections: track 9's entries go to channel 16.
    whenShown<events::ui::TrackChannelDialog>([](events::ui::TrackChannelDialog* d) {
        QCOMPARE(d->StringGrid1->item(8, 1)->text(), QString("9"));
        d->StringGrid1->setCurrentCell(8, 1);
        d->standardButtons[7]->click();
        d->StringGrid1->item(9, 1)->setText("");  // no number: track 10 keeps its channel
        d->RadioAll->click();
        d->ButtonOK->click();
    });
    w.setCurrentRow(1);
    f.trigger("mTrChTbl");
    QCOMPARE(f.entries()[0][casm::MidiChan], std::uint8_t{15});
    QCOMPARE(f.entries()[3][casm::MidiChan], std::uint8_t{15});
    QCOMPARE(f.entries()[1][casm::MidiChan], std::uint8_t{9});

    // A later editor window pastes what an earlier one copied; the clipboard
    // stops at a refused section.
    base::Profile clipboard(f.home() / "CasmCopy.ini");
    clipboard.writeInt("1", "CasmLen", 26);
    QVERIFY(clipboard.save());
    EditorFixture g;
    g.dir.remove();
    QVERIFY(QDir().mkpath(g.dir.path()));
    QFile::copy(QString::fromStdString((f.home() / "CasmCopy.ini").string()), g.dir.filePath("CasmCopy.ini"));
    auto& second = g.open(casmOf({cseg("Intro A", {ctab(1)})}));
    QVERIFY(g.action("mPaste")->isEnabled());
    g.trigger("mPaste");
    QCOMPARE(second.model().rowCount(), 2);
    QCOMPARE(g.cell(1, 3).trimmed(), QString("A"));
}

QTEST_MAIN(CasmDialogsTest)
#include "casm_dialogs_test.moc"

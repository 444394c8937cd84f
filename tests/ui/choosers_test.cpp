#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "names/ui/controller_chooser.h"
#include "names/ui/instrument_chooser.h"
#include "names/ui/patch_chooser.h"
#include "names/ui/style_instruments_window.h"
#include "support/event_rows.h"
#include "support/fake_dialogs.h"

namespace {

const char* kKeyboard =
    ".Patch Names\n[General MIDI]\n0=Grand Piano\n4=E.Piano\n[Drum Kits]\n0=Standard Kit\n25=Analog Kit\n"
    "[Hidden]\n1=Secret\n.Instrument Definitions\n[Keyboard]\nPatch[*]=General MIDI\nPatch[0]=General MIDI\n"
    "Patch[16256]=Drum Kits\nPatch[896]=Hidden\n";

void add(document::Document& doc, std::vector<std::uint8_t> bytes) {
    doc.events.appendRow(document::eventRow(0, bytes));
}

void marker(document::Document& doc, std::string_view text) {
    add(doc, testing_support::textMeta(0x06, text));
    doc.markers.emplace_back(text);
}

// SFF1 and SInt set up channels 10 and 3; Main A gives channel 1 its own program.
document::Document style() {
    document::Document doc;
    marker(doc, "SFF1");
    marker(doc, "SInt");
    add(doc, {0xB9, 0x00, 0x7F});
    add(doc, {0xC9, 0x19});  // row 4
    add(doc, {0xC2, 0x04});  // row 5
    marker(doc, "Main A");
    add(doc, {0xC0, 0x21});  // row 7
    add(doc, {0x90, 0x3C, 0x64});
    return doc;
}

QString cell(const StyleInstrumentsWindow& dialog, int channel, int column) {
    return dialog.StringGrid1->item(channel, column)->text();
}

}  // namespace

class ChoosersTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";
    const std::vector<std::string> controllers{"0 Bank Select", "7 Volume", "10 Pan", "Comment line", "91 Reverb"};
    names::InstrumentDefinitions keyboard;
    FakeDialogs dialogs;

    QStringList notices() const {
        QStringList shown;
        for (const auto& m : dialogs.messages) shown << m.caption << m.text;
        return shown;
    }

private slots:
    void initTestCase() {
        const auto file = settings.parent_path() / "keyboard.ins";
        std::ofstream(file) << kKeyboard;
        keyboard.setFile(file);
    }
    void init() { dialogs.messages.clear(); }

    void controllerPresetTrackBarAndOk() {
        ControllerChooser dialog(controllers, 10, 100, settings);
        QCOMPARE(dialog.ListBox->currentRow(), 2);
        QCOMPARE(dialog.EditVal->text(), QString("100"));
        QCOMPARE(dialog.TrackBar->value(), 27);  // the bar runs from 127 at the top to 0
        QCOMPARE(ControllerChooser(controllers, 5, 0, settings).ListBox->currentRow(), 0);
        dialog.show();
        dialog.TrackBar->setValue(0);
        QCOMPARE(dialog.EditVal->text(), QString("127"));
        dialog.EditVal->clear();
        QTest::keyClicks(dialog.EditVal, "20");
        QCOMPARE(dialog.TrackBar->value(), 107);
        QCOMPARE(dialog.EditVal->text(), QString("20"));
        dialog.ListBox->setCurrentRow(4);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.controller(), 91);
        QCOMPARE(dialog.value(), 20);
    }

    void controllerOkWithoutANumberKeepsThePresetAndCancelRejects() {
        ControllerChooser comment(controllers, 7, 64, settings);
        comment.ListBox->setCurrentRow(3);
        QTest::mouseClick(comment.ButtonOK, Qt::LeftButton);
        QCOMPARE(comment.controller(), 7);
        ControllerChooser empty({}, 11, 5, settings);
        QTest::mouseClick(empty.ButtonOK, Qt::LeftButton);
        QCOMPARE(empty.result(), int(QDialog::Accepted));
        QCOMPARE(empty.controller(), 11);
        QCOMPARE(empty.value(), 5);
        ControllerChooser cancelled(controllers, 7, 64, settings);
        cancelled.show();
        QTest::mouseClick(cancelled.ButtonCancel, Qt::LeftButton);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(!cancelled.isVisible());
    }

    void patchTreePresetOkAndCancel() {
        PatchChooser dialog(33, settings);
        QCOMPARE(dialog.TreeView1->topLevelItemCount(), 16);
        for (int g = 0; g < 16; ++g) QCOMPARE(dialog.TreeView1->topLevelItem(g)->childCount(), 8);
        QCOMPARE(dialog.TreeView1->topLevelItem(7)->child(6)->text(0), QString("SynthBrass 1"));
        QCOMPARE(dialog.TreeView1->currentItem()->text(0), QString("Electric Bass (finger)"));
        QVERIFY(dialog.TreeView1->currentItem()->parent()->isExpanded());
        dialog.show();
        dialog.TreeView1->setCurrentItem(dialog.programNode(127));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.program(), 127);

        // A group node at OK keeps the preset; Cancel keeps it too and stores the place.
        PatchChooser group(42, settings);
        group.TreeView1->setCurrentItem(group.TreeView1->topLevelItem(0));
        QTest::mouseClick(group.ButtonOK, Qt::LeftButton);
        QCOMPARE(group.program(), 42);
        {
            PatchChooser cancelled(5, settings);
            cancelled.show();
            cancelled.resize(333, 444);
            cancelled.TreeView1->setCurrentItem(cancelled.programNode(6));
            QTest::mouseClick(cancelled.ButtonCancel, Qt::LeftButton);
            QCOMPARE(cancelled.result(), int(QDialog::Rejected));
            QCOMPARE(cancelled.program(), 5);
        }
        QCOMPARE(PatchChooser(5, settings).size(), QSize(333, 444));
    }

    void instrumentPresetChoiceAndOk() {
        InstrumentChooser dialog(keyboard, 16256, 25, dialogs, settings);
        QCOMPARE(dialog.BankList->count(), 2);  // no Patch[*], no Patch[896]
        dialog.show();
        QVERIFY(notices().isEmpty());
        QCOMPARE(dialog.BankList->currentItem()->text(), QString("Drum Kits"));
        QCOMPARE(dialog.InstList->currentItem()->text(), QString("Analog Kit"));
        dialog.BankList->setCurrentRow(0);
        QCOMPARE(dialog.InstList->count(), 2);
        QCOMPARE(dialog.InstList->item(1)->text(), QString("E.Piano"));
        dialog.InstList->setCurrentRow(1);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.bank(), 0);
        QCOMPARE(dialog.program(), 4);
        QCOMPARE(QString::fromStdString(keyboard.bankName()), QString("General MIDI"));

        // OK without an instrument gives bank and program zero.
        InstrumentChooser unnamed(keyboard, 16256, 7, dialogs, settings);
        unnamed.show();
        QVERIFY(unnamed.InstList->currentItem() == nullptr);
        QTest::mouseClick(unnamed.ButtonOK, Qt::LeftButton);
        QCOMPARE(unnamed.bank(), 0);
        QCOMPARE(unnamed.program(), 0);
    }

    void instrumentMissingBankHiddenBankAndCancel() {
        InstrumentChooser dialog(keyboard, 5, 4, dialogs, settings);
        dialog.show();
        QCOMPARE(notices(), (QStringList{"Missing Bank 5", "Bank is not found... Default Bank will be used..."}));
        QCOMPARE(dialog.BankList->currentItem()->text(), QString("General MIDI"));
        QCOMPARE(dialog.InstList->currentItem()->text(), QString("E.Piano"));
        // The hidden bank is found: no message, but no list row to select either.
        dialogs.messages.clear();
        InstrumentChooser hidden(keyboard, 896, 1, dialogs, settings);
        hidden.show();
        QVERIFY(notices().isEmpty());
        QCOMPARE(hidden.InstList->count(), 0);

        InstrumentChooser cancelled(keyboard, 16256, 25, dialogs, settings);
        cancelled.show();
        cancelled.BankList->setCurrentRow(0);
        cancelled.InstList->setCurrentRow(0);
        QTest::mouseClick(cancelled.ButtonCancel, Qt::LeftButton);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(cancelled.bank(), 16256);
        QCOMPARE(cancelled.program(), 25);
    }

    void instrumentNamesThatAreNotAsciiAreFoundAgain() {
        // Set and instrument names in a single-byte code page, as such files usually are.
        const auto file = settings.parent_path() / "latin.ins";
        std::ofstream(file, std::ios::binary) << ".Instrument Definitions\nPatch[3]=Kl\xe4nge\n.Patch Names\n"
                                                 "[Kl\xe4nge]\n9=Fl\xfcte\n";
        names::InstrumentDefinitions latin(file);
        InstrumentChooser dialog(latin, 3, 9, dialogs, settings);
        dialog.show();
        QCOMPARE(dialog.BankList->currentItem()->text(), QString::fromUtf8("Kl\u00e4nge"));
        QCOMPARE(dialog.InstList->currentItem()->text(), QString::fromUtf8("Fl\u00fcte"));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.bank(), 3);
        QCOMPARE(dialog.program(), 9);
    }

    void styleInstrumentsPerSectionAndChange() {
        names::InstrumentDefinitions gm;
        const document::Document doc = style();
        StyleInstrumentsWindow dialog(doc, gm, dialogs, settings);
        QCOMPARE(dialog.StringGrid1->horizontalHeaderItem(4)->text(), QString("Patch GM"));
        QCOMPARE(cell(dialog, 9, 1), QString("16256"));
        QCOMPARE(cell(dialog, 9, 4), QString("Acoustic Guitar (steel)"));
        QCOMPARE(cell(dialog, 0, 1), QString());  // channel 1 plays only in Main A
        QCOMPARE(dialog.ComboBox->count(), 3);
        dialog.show();
        dialog.StringGrid1->selectRow(0);
        QVERIFY(!dialog.ButtonChange->isEnabled());
        dialog.StringGrid1->selectRow(2);
        QVERIFY(dialog.ButtonChange->isEnabled());

        QTest::keyClick(dialog.ComboBox, Qt::Key_Down);
        QTest::keyClick(dialog.ComboBox, Qt::Key_Down);
        QCOMPARE(dialog.ComboBox->currentText(), QString("Main A"));
        QCOMPARE(cell(dialog, 0, 4), QString("Electric Bass (finger)"));
        QCOMPARE(cell(dialog, 9, 1), QString());
        dialog.StringGrid1->selectRow(0);
        QTest::mouseClick(dialog.ButtonChange, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedChannel(), 0);
        QCOMPARE(dialog.programRow(), 7);

        const document::Document empty;
        QVERIFY(StyleInstrumentsWindow(empty, gm, dialogs, settings).ComboBox->isHidden());
    }
};

QTEST_MAIN(ChoosersTest)
#include "choosers_test.moc"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "names/ui/sel_inst.h"
#include "support/fake_dialogs.h"

namespace {

const char* kKeyboard =
    ".Patch Names\n[General MIDI]\n0=Grand Piano\n4=E.Piano\n[Drum Kits]\n0=Standard Kit\n25=Analog Kit\n"
    "[Hidden]\n1=Secret\n.Instrument Definitions\n[Keyboard]\nPatch[*]=General MIDI\nPatch[0]=General MIDI\n"
    "Patch[16256]=Drum Kits\nPatch[896]=Hidden\n";

}  // namespace

class SelInstTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    names::InstrumentDefinitions definitions;
    FakeDialogs dialogs;
    std::filesystem::path settings;

    QStringList notices() const {
        QStringList shown;
        for (const auto& m : dialogs.messages) shown << m.caption << m.text;
        return shown;
    }

private slots:
    void initTestCase() {
        const auto file = std::filesystem::path(dir.path().toStdString()) / "keyboard.ins";
        std::ofstream(file) << kKeyboard;
        definitions.setFile(file);
        settings = file.parent_path() / "Ctabber.INI";
    }
    void init() { dialogs.messages.clear(); }

    void presetSelectsBankAndInstrument() {
        TSelInst dialog(definitions, 16256, 25, dialogs, settings);
        QCOMPARE(dialog.BankList->count(), 2);  // no Patch[*], no Patch[896]
        QCOMPARE(dialog.BankList->item(1)->text(), QString("Drum Kits"));
        dialog.show();
        QVERIFY(notices().isEmpty());
        QCOMPARE(dialog.BankList->currentItem()->text(), QString("Drum Kits"));
        QCOMPARE(dialog.InstList->count(), 2);
        QCOMPARE(dialog.InstList->currentItem()->text(), QString("Analog Kit"));
    }

    void missingBankFallsBackToTheDefaultSet() {
        TSelInst dialog(definitions, 5, 4, dialogs, settings);
        dialog.show();
        QCOMPARE(notices(), (QStringList{"Missing Bank 5", "Bank is not found... Default Bank will be used..."}));
        QCOMPARE(dialog.BankList->currentItem()->text(), QString("General MIDI"));
        QCOMPARE(dialog.InstList->currentItem()->text(), QString("E.Piano"));
        // The hidden bank is still found: no message, but no list row to select either.
        dialogs.messages.clear();
        TSelInst hidden(definitions, 896, 1, dialogs, settings);
        hidden.show();
        QVERIFY(notices().isEmpty());
        QCOMPARE(hidden.InstList->count(), 0);
    }

    void choosingABankListsItsInstrumentsAndOkReturnsThem() {
        TSelInst dialog(definitions, 0, 0, dialogs, settings);
        dialog.show();
        dialog.BankList->setCurrentRow(1);
        QCOMPARE(dialog.InstList->count(), 2);
        QCOMPARE(dialog.InstList->item(0)->text(), QString("Standard Kit"));
        dialog.InstList->setCurrentRow(1);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.bank(), 16256);
        QCOMPARE(dialog.program(), 25);
        QCOMPARE(QString::fromStdString(definitions.bankName()), QString("Drum Kits"));
    }

    void okWithoutAnInstrumentGivesBankAndProgramZero() {
        TSelInst dialog(definitions, 16256, 7, dialogs, settings);
        dialog.show();
        QVERIFY(dialog.InstList->currentItem() == nullptr);  // program 7 has no name in the set
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.bank(), 0);
        QCOMPARE(dialog.program(), 0);
    }

    void namesThatAreNotAsciiAreFoundAgain() {
        // Set and instrument names in a single-byte code page, as such files usually are.
        const auto file = std::filesystem::path(dir.path().toStdString()) / "latin.ins";
        std::ofstream(file, std::ios::binary) << ".Instrument Definitions\nPatch[3]=Kl\xe4nge\n.Patch Names\n"
                                                 "[Kl\xe4nge]\n9=Fl\xfcte\n";
        names::InstrumentDefinitions latin(file);
        TSelInst dialog(latin, 3, 9, dialogs, settings);
        dialog.show();
        QCOMPARE(dialog.BankList->currentItem()->text(), QString::fromUtf8("Kl\u00e4nge"));
        QCOMPARE(dialog.InstList->currentItem()->text(), QString::fromUtf8("Fl\u00fcte"));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.bank(), 3);
        QCOMPARE(dialog.program(), 9);
    }

    void cancelKeepsTheValuesIn() {
        TSelInst dialog(definitions, 16256, 25, dialogs, settings);
        dialog.show();
        dialog.BankList->setCurrentRow(0);
        dialog.InstList->setCurrentRow(0);
        QTest::mouseClick(dialog.ButtonCancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.bank(), 16256);
        QCOMPARE(dialog.program(), 25);
    }
};

QTEST_MAIN(SelInstTest)
#include "sel_inst_test.moc"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/ui/open_document.h"
#include "names/ui/instrument_chooser.h"
#include "names/ui/style_instruments_window.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

namespace {

// Bank 1 (MSB 0, LSB 1) program 4 on channel 1, and an XG System On.
QByteArray bankedSong() {
    QByteArray e;
    e += smf::meta(0x06, "SFF1");
    e += smf::bytes({0, 0xF0, 8, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    e += smf::bytes({0, 0xB0, 0x00, 0x00, 0, 0xB0, 0x20, 0x01});
    e += smf::bytes({0, 0xC0, 0x04});
    e += smf::bytes({0, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00});
    e += smf::bytes({0, 0xFF, 0x2F, 0x00});
    return smf::header(0, 1, 96) + smf::track(e);
}

const QByteArray kDefinitions = ".Instrument Definitions\nPatch[1]=Bank One\nPatch[2]=Other\nPatch[*]=Other\n.Patch Names\n"
                                "[Bank One]\n4=Stage Keys\n[Other]\n4=Plain Keys\n";

}  // namespace

class InstrumentsCommandTest : public QObject {
    Q_OBJECT

private slots:
    void namesFromTheProgramDirectoryAndF7GoesToTheProgramRow() {
        WindowFixture f;
        const QString ins = f.write("keys.ins", kDefinitions);
        f.write("Ctabber.INI", "[Main]\nInsFile=" + ins.toUtf8() + "\n");
        f.write("XGSystem.ini", "[XGMEMORY]\n00=00 00 7E 00 XG System On\n");
        auto& window = f.open();
        window.openFile(f.write("song.mid", bankedSong()));
        const auto& doc = window.document();
        QCOMPARE(QString::fromStdString(document::cellText(doc, 2, document::ColComment)), QString("XG System On"));
        QCOMPARE(QString::fromStdString(document::cellText(doc, 5, document::ColComment)), QString("Stage Keys"));

        auto* instruments = window.findChild<QAction*>("mInstruments");
        QCOMPARE(instruments->shortcut(), QKeySequence(Qt::Key_F7));
        QString patch;
        QString preset;
        // "C&hange" edits the program change it points at: another set and instrument.
        whenShown<StyleInstrumentsWindow>([&](StyleInstrumentsWindow* dialog) {
            patch = dialog->StringGrid1->item(0, 4)->text();
            dialog->StringGrid1->selectRow(0);
            whenShown<InstrumentChooser>([&](InstrumentChooser* chooser) {
                preset = chooser->BankList->currentItem()->text() + ":" + chooser->InstList->currentItem()->text();
                chooser->BankList->setCurrentItem(chooser->BankList->findItems("Other", Qt::MatchExactly).front());
                chooser->InstList->setCurrentRow(0);
                chooser->ButtonOK->click();
            });
            dialog->ButtonChange->click();
        });
        instruments->trigger();
        QCOMPARE(patch, QString("Stage Keys"));
        QCOMPARE(preset, QString("Bank One:Stage Keys"));
        QCOMPARE(window.currentRow(), 5);
        auto cell = [&](int row, int column) { return QString::fromStdString(document::cellText(doc, row, column)); };
        // Bank 2 for bank 1: the LSB row is rewritten, the MSB row already says 0.
        QCOMPARE(cell(3, document::ColData), QString("00 00 "));
        QCOMPARE(cell(4, document::ColData), QString("20 02 "));
        QCOMPARE(cell(5, document::ColComment), QString("Plain Keys"));
        QCOMPARE(window.findChild<QAction*>("mUndo")->text(), QString("&Undo Edit Event"));

        // OK with no instrument chosen changes nothing.
        const int steps = window.openDocument().undoStack().count();
        whenShown<StyleInstrumentsWindow>([&](StyleInstrumentsWindow* dialog) {
            dialog->StringGrid1->selectRow(0);
            whenShown<InstrumentChooser>([](InstrumentChooser* chooser) {
                chooser->InstList->setCurrentRow(-1);
                chooser->ButtonOK->click();
            });
            dialog->ButtonChange->click();
        });
        instruments->trigger();
        QCOMPARE(window.openDocument().undoStack().count(), steps);
        QCOMPARE(cell(5, document::ColData), QString("04 "));

        // Cancel leaves the current row where it was.
        window.setCurrentRow(1);
        whenShown<StyleInstrumentsWindow>([](StyleInstrumentsWindow* dialog) { dialog->ButtonCancel->click(); });
        instruments->trigger();
        QCOMPARE(window.currentRow(), 1);
    }

    void aDefinitionFileChosenThereRenamesTheGridAndBecomesTheSetting() {
        WindowFixture f;
        auto& window = f.open();
        window.openFile(f.write("song.mid", bankedSong()));
        const QString ins = f.write("keys.ins", kDefinitions);
        // Cancel, then a file that does not exist, then the file.
        f.dialogs.files = {std::nullopt, base::ui::FileChoice{f.path("missing.ins")}, base::ui::FileChoice{ins}};
        QStringList patches;
        whenShown<StyleInstrumentsWindow>([&](StyleInstrumentsWindow* dialog) {
            for (int i = 0; i < 3; ++i) {
                dialog->ButtonIns->click();
                patches << dialog->StringGrid1->horizontalHeaderItem(4)->text() + ":" +
                               dialog->StringGrid1->item(0, 4)->text();
            }
            dialog->ButtonCancel->click();
        });
        window.findChild<QAction*>("mInstruments")->trigger();
        QCOMPARE(patches, (QStringList{"Patch GM:Rhodes Piano", "Patch GM:Rhodes Piano", "Patch keys.ins:Stage Keys"}));
        QCOMPARE(f.dialogs.requests.at(0).title, QString("Select Cakewalk instrument file..."));
        QCOMPARE(f.dialogs.requests.at(0).filters, QStringList{"Cakewalk instruments (*.ins)"});
        f.close();
        QVERIFY(f.read("Ctabber.INI").contains("InsFile=" + ins.toUtf8()));
    }
};

QTEST_MAIN(InstrumentsCommandTest)
#include "instruments_command_test.moc"

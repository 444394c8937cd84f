#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "names/ui/instrum.h"
#include "support/fake_dialogs.h"

namespace {

void add(document::Document& doc, std::string_view event, std::string_view data) {
    auto& row = doc.events.trailing();
    row.setCell(document::ColEvent, event);
    row.setCell(document::ColData, data);
    doc.events.appendRow();
    if (event == "FF 06 ") doc.markers.emplace_back(data);
}

document::Document style() {
    document::Document doc;
    add(doc, "FF 06 ", "SFF1");
    add(doc, "FF 06 ", "SInt");
    add(doc, "B9 ", "00 7F ");
    add(doc, "C9 ", "19 ");  // row 4
    add(doc, "C2 ", "04 ");  // row 5
    add(doc, "FF 06 ", "Main A");
    add(doc, "C0 ", "21 ");  // row 7
    add(doc, "90 ", "3C 64 ");
    return doc;
}

QString cell(const TInstrum& dialog, int channel, int column) {
    return dialog.StringGrid1->item(channel, column)->text();
}

}  // namespace

class InstrumTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";
    FakeDialogs dialogs;
    document::Document doc = style();

private slots:
    void presetShowsTheStartUpPartInGmNames() {
        names::InstrumentDefinitions gm;
        TInstrum dialog(doc, gm, dialogs, settings);
        QCOMPARE(dialog.windowTitle(), QString("Style Instruments"));
        QCOMPARE(dialog.StringGrid1->horizontalHeaderItem(4)->text(), QString("Patch GM"));
        QCOMPARE(cell(dialog, 9, 1), QString("16256"));
        QCOMPARE(cell(dialog, 9, 4), QString("Acoustic Guitar (steel)"));
        QCOMPARE(cell(dialog, 0, 1), QString());  // channel 1 plays only in Main A
        QCOMPARE(dialog.ComboBox->count(), 3);
        QVERIFY(!dialog.ButtonChange->isEnabled());

        document::Document empty;
        TInstrum noMarkers(empty, gm, dialogs, settings);
        QVERIFY(noMarkers.ComboBox->isHidden());
    }

    void choosingASectionRescansIt() {
        names::InstrumentDefinitions gm;
        TInstrum dialog(doc, gm, dialogs, settings);
        dialog.show();
        QTest::keyClick(dialog.ComboBox, Qt::Key_Down);
        QTest::keyClick(dialog.ComboBox, Qt::Key_Down);
        QCOMPARE(dialog.ComboBox->currentText(), QString("Main A"));
        QCOMPARE(cell(dialog, 0, 4), QString("Electric Bass (finger)"));
        QCOMPARE(cell(dialog, 9, 1), QString());
    }

    void changeNeedsAUsedChannelAndReturnsItsProgramRow() {
        names::InstrumentDefinitions gm;
        TInstrum dialog(doc, gm, dialogs, settings);
        dialog.show();
        dialog.StringGrid1->selectRow(0);
        QVERIFY(!dialog.ButtonChange->isEnabled());
        dialog.StringGrid1->selectRow(2);
        QVERIFY(dialog.ButtonChange->isEnabled());
        QTest::mouseClick(dialog.ButtonChange, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedChannel(), 2);
        QCOMPARE(dialog.programRow(), 5);
    }
};

QTEST_MAIN(InstrumTest)
#include "instrum_test.moc"

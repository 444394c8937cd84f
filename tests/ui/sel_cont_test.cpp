#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "names/ui/sel_cont.h"

class SelContTest : public QObject {
    Q_OBJECT
    const std::vector<std::string> items{"0 Bank Select", "7 Volume", "10 Pan", "Comment line", "91 Reverb"};
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";

private slots:
    void presetSelectsTheControllersItemAndValue() {
        TSelCont dialog(items, 10, 100, settings);
        QCOMPARE(dialog.windowTitle(), QString("Select Controller"));
        QCOMPARE(dialog.ListBox->count(), 5);
        QCOMPARE(dialog.ListBox->currentRow(), 2);
        QCOMPARE(dialog.EditVal->text(), QString("100"));
        QCOMPARE(dialog.TrackBar->value(), 27);
        TSelCont unknown(items, 5, 0, settings);
        QCOMPARE(unknown.ListBox->currentRow(), 0);
        QCOMPARE(unknown.TrackBar->value(), 127);
    }

    void trackBarAndEditBoxFollowEachOther() {
        TSelCont dialog(items, 7, 64, settings);
        dialog.show();
        dialog.TrackBar->setValue(0);
        QCOMPARE(dialog.EditVal->text(), QString("127"));
        QCOMPARE(dialog.value(), 127);
        dialog.EditVal->clear();
        QTest::keyClicks(dialog.EditVal, "20");
        QCOMPARE(dialog.TrackBar->value(), 107);
        QCOMPARE(dialog.EditVal->text(), QString("20"));
        dialog.EditVal->clear();
        QTest::keyClicks(dialog.EditVal, "x");
        QCOMPARE(dialog.value(), 0);
        QCOMPARE(dialog.TrackBar->value(), 127);
        dialog.EditVal->clear();
        QTest::keyClicks(dialog.EditVal, "300");
        QCOMPARE(dialog.value(), 127);
    }

    void okReturnsTheChosenItemsNumber() {
        TSelCont dialog(items, 7, 64, settings);
        dialog.show();
        dialog.ListBox->setCurrentRow(4);
        dialog.TrackBar->setValue(27);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.controller(), 91);
        QCOMPARE(dialog.value(), 100);
    }

    void okOnALineWithoutNumberOrAnEmptyListKeepsThePreset() {
        TSelCont comment(items, 7, 64, settings);
        comment.ListBox->setCurrentRow(3);
        QTest::mouseClick(comment.ButtonOK, Qt::LeftButton);
        QCOMPARE(comment.controller(), 7);
        TSelCont empty({}, 11, 5, settings);
        QCOMPARE(empty.ListBox->count(), 0);
        QTest::mouseClick(empty.ButtonOK, Qt::LeftButton);
        QCOMPARE(empty.result(), int(QDialog::Accepted));
        QCOMPARE(empty.controller(), 11);
        QCOMPARE(empty.value(), 5);
    }

    void cancelRejects() {
        TSelCont dialog(items, 7, 64, settings);
        dialog.show();
        QTest::mouseClick(dialog.ButtonCancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(SelContTest)
#include "sel_cont_test.moc"

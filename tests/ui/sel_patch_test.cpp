#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "names/ui/sel_patch.h"

class SelPatchTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";

private slots:
    void treeHoldsSixteenGroupsOfEightShortNames() {
        TSelPatch dialog(0, settings);
        QCOMPARE(dialog.TreeView1->topLevelItemCount(), 16);
        for (int g = 0; g < 16; ++g) QCOMPARE(dialog.TreeView1->topLevelItem(g)->childCount(), 8);
        QCOMPARE(dialog.TreeView1->topLevelItem(7)->text(0), QString("BRASS"));
        QCOMPARE(dialog.TreeView1->topLevelItem(7)->child(6)->text(0), QString("SynthBrass 1"));
    }

    void presetSelectsTheProgramNode() {
        TSelPatch dialog(33, settings);
        QCOMPARE(dialog.TreeView1->currentItem()->text(0), QString("Electric Bass (finger)"));
        QVERIFY(dialog.TreeView1->currentItem()->parent()->isExpanded());
    }

    void okReturnsTheChosenProgram() {
        TSelPatch dialog(33, settings);
        dialog.show();
        dialog.TreeView1->setCurrentItem(dialog.programNode(127));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.program(), 127);
    }

    void okOnAGroupNodeKeepsThePresetProgram() {
        TSelPatch dialog(42, settings);
        dialog.TreeView1->setCurrentItem(dialog.TreeView1->topLevelItem(0));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QCOMPARE(dialog.program(), 42);
    }

    void placeIsStoredOnCloseAndRestoredOnCreation() {
        {
            TSelPatch dialog(5, settings);
            dialog.show();
            dialog.resize(333, 444);
            QTest::mouseClick(dialog.ButtonCancel, Qt::LeftButton);
        }
        TSelPatch again(5, settings);
        QCOMPARE(again.size(), QSize(333, 444));
    }

    void cancelRejects() {
        TSelPatch dialog(5, settings);
        dialog.show();
        dialog.TreeView1->setCurrentItem(dialog.programNode(6));
        QTest::mouseClick(dialog.ButtonCancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.program(), 5);
    }
};

QTEST_MAIN(SelPatchTest)
#include "sel_patch_test.moc"

// SelectEventsDialog and TransposeDialog: presets, ranges, language texts, OK and Cancel.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "base/profile.h"
#include "events/ui/radio_group.h"
#include "events/ui/select_events_dialog.h"
#include "events/ui/transpose_dialog.h"

using events::ui::SelectEventsDialog;
using events::ui::TransposeDialog;

class SelectionDialogsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";

private slots:
    void filterDialogShowsAndTakesItsValues();
    void transposeDialogKeepsItsAmountInRange();
};

void SelectionDialogsTest::filterDialogShowsAndTakesItsValues() {
    const events::EventFilter preset{true, 19, 7, false, 5, 200, 0, 255, false};
    {
        SelectEventsDialog dialog(preset, settings);
        QCOMPARE(dialog.windowTitle(), QString("Select Events..."));
        QCOMPARE(dialog.RGType->count(), 24);
        QCOMPARE(dialog.RGType->button(23)->text(), QString("Sequencer specific information"));
        QCOMPARE(dialog.RGType->itemIndex(), 19);
        QCOMPARE(dialog.RGSelUnsel->itemIndex(), 1);
        QCOMPARE(dialog.RGSelUnsel->button(1)->text(), QString("Unselect"));
        QCOMPARE(dialog.EditChan->value(), 7);
        QCOMPARE(dialog.EditChan->minimum(), 1);
        QCOMPARE(dialog.EditChan->maximum(), 16);
        QVERIFY(!dialog.CheckBoxAnyChan->isChecked());
        QCOMPARE(dialog.Edit1L->text(), QString("005"));
        QCOMPARE(dialog.Edit1H->text(), QString("200"));
        QCOMPARE(dialog.filter(), preset);

        // Hex shows the four boxes in the other form; typed values are read in the form shown.
        dialog.CheckBoxHex->click();
        QCOMPARE(dialog.Edit1L->text(), QString("05"));
        QCOMPARE(dialog.Edit1H->text(), QString("C8"));
        QCOMPARE(dialog.Edit2H->text(), QString("FF"));
        dialog.Edit2L->setText("1G");  // not a hex digit: 0
        dialog.Edit2H->setText("17F");  // the last two digits
        dialog.CheckBoxHex->click();
        QCOMPARE(dialog.Edit2L->text(), QString("016"));
        QCOMPARE(dialog.Edit2H->text(), QString("127"));
        dialog.Edit1L->setText("300");  // modulo 256
        dialog.ButtonAny2->click();
        dialog.RGType->button(1)->click();
        dialog.RGSelUnsel->button(0)->click();
        dialog.CheckBoxAnyChan->click();
        const auto taken = dialog.filter();
        QCOMPARE(taken.kind, 1);
        QVERIFY(!taken.unselect && taken.anyChannel && !taken.hex);
        QCOMPARE(int(taken.data1Low), 44);
        QCOMPARE(int(taken.data2Low), 0);
        QCOMPARE(int(taken.data2High), 255);
        dialog.ButtonOK->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    // The dialog kept its place; Cancel closes it as rejected.
    QVERIFY(base::Profile(settings).hasKey("FSelect", "Width"));
    base::Language german;
    german.set(269, "Ereignisse wählen");
    german.set(81, "Abbrechen");
    german.set(281, "Alle Werte");
    SelectEventsDialog dialog(events::EventFilter{}, settings, german);
    QCOMPARE(dialog.windowTitle(), QString("Ereignisse wählen"));
    QCOMPARE(dialog.ButtonCancel->text(), QString("Abbrechen"));
    QCOMPARE(dialog.ButtonAny1->text(), QString("Alle Werte"));
    QCOMPARE(dialog.Edit1H->text(), QString("255"));
    dialog.ButtonCancel->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void SelectionDialogsTest::transposeDialogKeepsItsAmountInRange() {
    TransposeDialog dialog(10, settings);
    QCOMPARE(dialog.windowTitle(), QString("Transpose"));
    QCOMPARE(dialog.amount(), 0);
    QVERIFY(dialog.allSections());
    QCOMPARE(dialog.channel(), 10);
    QCOMPARE(dialog.RadioGroupChan->button(15)->text(), QString("Channel 16"));
    QCOMPARE(dialog.RGObject->button(0)->text(), QString("Current section only"));
    dialog.ButtonPlus->click();
    QCOMPARE(dialog.amount(), 12);
    dialog.EditAmount->setValue(20);
    dialog.ButtonPlus->click();
    QCOMPARE(dialog.amount(), 24);
    for (int i = 0; i < 5; ++i) dialog.ButtonMinus->click();
    QCOMPARE(dialog.amount(), -24);
    dialog.EditAmount->setValue(99);
    QCOMPARE(dialog.amount(), 24);
    dialog.RGObject->button(0)->click();
    dialog.RadioGroupChan->button(2)->click();
    QVERIFY(!dialog.allSections());
    QCOMPARE(dialog.channel(), 3);
    dialog.ButtonOK->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // A row without a channel presets channel 1.
    TransposeDialog noChannel(0, settings);
    QCOMPARE(noChannel.channel(), 1);
    noChannel.ButtonCancel->click();
    QCOMPARE(noChannel.result(), int(QDialog::Rejected));
    QVERIFY(base::Profile(settings).hasKey("Transpose", "Top"));
}

QTEST_MAIN(SelectionDialogsTest)
#include "selection_dialogs_test.moc"

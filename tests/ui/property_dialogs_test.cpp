#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "base/profile.h"
#include "casm/ui/note_picker.h"
#include "events/ui/insert_event_dialog.h"
#include "events/ui/key_aftertouch_dialog.h"
#include "events/ui/meta_dialogs.h"
#include "events/ui/number_dialogs.h"
#include "events/ui/radio_group.h"
#include "events/ui/sequencer_data_dialog.h"
#include "events/ui/sysex_dialog.h"
#include "events/ui/text_event_dialog.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"

using namespace events::ui;

namespace {

bool accepted(QDialog& dialog) { return dialog.result() == QDialog::Accepted; }

void ok(QDialog& dialog, QPushButton* button) {
    dialog.show();
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<std::uint8_t> fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class PropertyDialogsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const std::filesystem::path settings = std::filesystem::path(dir.path().toStdString()) / "Ctabber.INI";
    FakeDialogs dialogs;

    QString write(const QString& name, const std::vector<std::uint8_t>& bytes) {
        const QString path = dir.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private slots:
    void init() {
        dialogs.messages.clear();
        dialogs.requests.clear();
        dialogs.files.clear();
    }

    void numberDialogsKeepTheirBoundsAndAnswerOkOrCancel() {
        TempoDialog tempo(120, settings);
        QCOMPARE(tempo.windowTitle(), QString("Tempo Event"));
        QCOMPARE(tempo.Label1->text(), QString("BPM:"));
        QCOMPARE(tempo.value(), 120);
        QCOMPARE(tempo.Edit1->minimum(), 1);
        QCOMPARE(tempo.Edit1->maximum(), 480);
        tempo.show();
        tempo.Edit1->clear();
        QTest::keyClicks(tempo.Edit1, "999");
        QVERIFY(tempo.value() <= 480);
        tempo.setValue(100);
        QTest::mouseClick(tempo.ButtonOK, Qt::LeftButton);
        QVERIFY(accepted(tempo));
        QCOMPARE(tempo.value(), 100);
        QCOMPARE(base::readProfileInt(settings, "Tempo", "Width", -1), tempo.width());

        PitchBendDialog pitch(8192, settings);
        QCOMPARE(pitch.windowTitle(), QString("Pitch wheel change"));
        QCOMPARE(pitch.Label1->text(), QString("Value:"));
        QCOMPARE(pitch.Edit1->maximum(), 16383);
        pitch.setValue(-5);
        QCOMPARE(pitch.value(), 0);
        ok(pitch, pitch.ButtonCancel);
        QVERIFY(!accepted(pitch));

        ChannelDialog chan(0, settings);  // below the range: held at 1
        QCOMPARE(chan.windowTitle(), QString("MIDI Channel"));
        QCOMPARE(chan.value(), 1);
        QCOMPARE(chan.Edit1->maximum(), 16);

        TickShiftDialog tick(480, settings);
        QCOMPARE(tick.windowTitle(), QString("Edit Tick+"));
        QCOMPARE(tick.Edit1->maximum(), 32767);
        QCOMPARE(tick.value(), 480);
        // A longer Tick+ from a file is kept by OK, not cut to the bound.
        TickShiftDialog longTick(100000, settings);
        QCOMPARE(longTick.value(), 100000);

        base::Language german;
        german.set(340, "Tempo-Ereignis");
        german.set(80, "Gut");
        TempoDialog translated(60, settings, german);
        QCOMPARE(translated.windowTitle(), QString("Tempo-Ereignis"));
        QCOMPARE(translated.ButtonOK->text(), QString("Gut"));
        QCOMPARE(translated.ButtonCancel->text(), QString("&Cancel"));
    }

    void metaDialogsPresetsRangesAndValues() {
        TimeSignatureDialog ts({3, 8, 36, 256}, settings);
        QCOMPARE(ts.windowTitle(), QString("Time Signature Event"));
        QCOMPARE(ts.EditNum->value(), 3);
        QCOMPARE(ts.EditDen->minimum(), 2);
        QCOMPARE(ts.EditDen->maximum(), 32);
        QCOMPARE(ts.EditMet->maximum(), 128);
        QCOMPARE(ts.EditMC32->value(), 256);
        QVERIFY(!ts.findChildren<QGroupBox*>().isEmpty());
        QCOMPARE(ts.findChildren<QGroupBox*>().at(1)->title(), QString("MIDI Clocks per metronome tick "));
        ts.EditDen->setValue(12);
        ok(ts, ts.ButtonOK);
        QVERIFY(accepted(ts));
        QCOMPARE(ts.values().denominator, 12);  // the caller takes the power of two below

        KeySignatureDialog key({5, 1}, settings);
        QCOMPARE(key.windowTitle(), QString("Key Signature"));
        QCOMPARE(key.ComboBox1->count(), 15);
        QCOMPARE(key.ComboBox1->currentText(), QString("2 flats"));
        QCOMPARE(key.RadioGroup1->button(1)->text(), QString("  Minor"));
        QVERIFY(key.RadioGroup1->button(1)->isChecked());
        key.ComboBox1->setCurrentIndex(14);
        key.RadioGroup1->button(0)->click();
        QCOMPARE(key.values().index, 14);
        QCOMPARE(key.values().mode, 0);

        SmpteOffsetDialog smpte({1, 2, 3, 4, 5}, settings);
        QCOMPARE(smpte.windowTitle(), QString("SMTPE Offset"));
        const int maxima[] = {23, 59, 59, 74, 99};
        for (int i = 0; i < 5; ++i) QCOMPARE(smpte.Edits[static_cast<std::size_t>(i)]->maximum(), maxima[i]);
        smpte.Edits[3]->setValue(80);
        QCOMPARE(smpte.values(), (events::SmpteValues{1, 2, 3, 74, 5}));
        ok(smpte, smpte.ButtonCancel);
        QVERIFY(!accepted(smpte));
    }

    void textDialogOffersStandardMarkersAndGenres() {
        const auto genres = dir.filePath("Genre.INI").toStdString();
        std::ofstream(genres) << "[Genre]\n0=Pop\n1=Swing\n3=Jazz\n";
        TextEventDialog dialog({"Main A", 5}, genres, settings);
        QCOMPARE(dialog.windowTitle(), QString("Text Event"));
        QCOMPARE(dialog.ListBox1->count(), 2);  // up to the first missing key
        dialog.show();
        QVERIFY(dialog.Standart->isEnabled());
        QCOMPARE(dialog.Standart->itemIndex(), 2);
        dialog.Edit1->setText("Main B");
        QCOMPARE(dialog.Standart->itemIndex(), 8);
        dialog.Edit1->setText("Main X");
        QCOMPARE(dialog.Standart->itemIndex(), -1);
        dialog.Standart->button(5)->click();
        QCOMPARE(dialog.Edit1->text(), QString("Intro A"));
        dialog.Kind->button(4)->click();  // Lyric
        QVERIFY(!dialog.Standart->isEnabled());
        QCOMPARE(dialog.Standart->itemIndex(), -1);

        QTest::mouseClick(dialog.ListBox1->viewport(), Qt::LeftButton, {},
                          dialog.ListBox1->visualItemRect(dialog.ListBox1->item(0)).center());
        QCOMPARE(dialog.Edit1->text(), QString("Genre:Pop"));
        QCOMPARE(dialog.Kind->itemIndex(), 0);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(accepted(dialog));
        QCOMPARE(dialog.values().text, std::string("Genre:Pop"));
        QCOMPARE(dialog.values().kind, 0);

        // Bytes of any value come back as they went in; no genre file, no genres.
        const std::string lyric("caf\xE9\r\nla\0", 9);
        TextEventDialog bytes({lyric, 0}, dir.filePath("none.ini").toStdString(), settings);
        QCOMPARE(bytes.values().text, lyric);
        QCOMPARE(bytes.ListBox1->count(), 0);
        QVERIFY(!bytes.Standart->isEnabled());
    }

    void afterTouchDialogAndItsNotePicker() {
        KeyAftertouchDialog key(60, 100, settings);
        QCOMPARE(key.windowTitle(), QString("Key after-touch"));
        QCOMPARE(key.EditN->text(), QString("60"));
        QCOMPARE(key.EditV->text(), QString("100"));
        QCOMPARE(key.TrackBar->value(), 27);
        key.show();
        key.TrackBar->setValue(0);
        QCOMPARE(key.value(), 127);
        QCOMPARE(key.EditV->text(), QString("127"));
        key.EditV->clear();
        QTest::keyClicks(key.EditV, "300");
        QCOMPARE(key.value(), 127);
        key.EditV->clear();
        QTest::keyClicks(key.EditV, "16");
        QCOMPARE(key.TrackBar->value(), 111);
        key.EditN->clear();
        QTest::keyClicks(key.EditN, "64");
        QCOMPARE(key.note(), 64);

        // A click on the keyboard picture opens the picker at the note; OK takes the picked one.
        QString pickerTitle;
        whenShown<casm::ui::NotePicker>([&](casm::ui::NotePicker* picker) {
            QCOMPARE(picker->note(), 64);
            QTest::mouseClick(picker->Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 3, 30));
            pickerTitle = picker->windowTitle();
            picker->ButtonOK->click();
        });
        QTest::mouseClick(key.Image1, Qt::LeftButton);
        QCOMPARE(pickerTitle, QString("Select Note (C5)"));
        QCOMPARE(key.note(), 60);
        QCOMPARE(key.EditN->text(), QString("60"));
        ok(key, key.ButtonOK);
        QVERIFY(accepted(key));

        KeyAftertouchDialog channel(-1, 64, settings);
        channel.show();
        QCOMPARE(channel.windowTitle(), QString("Channel after-touch"));
        QVERIFY(!channel.GroupNote->isVisible());
        QCOMPARE(channel.value(), 64);
    }

    void notePickerMarksTheClickedNote() {
        casm::ui::NotePicker picker(nullptr, base::builtinLanguage(), settings, 62);
        picker.show();
        QCOMPARE(picker.windowTitle(), QString("Select Note"));
        QCOMPARE(picker.Image1->marked(), 62);
        QTest::mouseMove(picker.Image1, QPoint(56 * 3 + 10, 70));
        QCOMPARE(picker.LabelNote->text(), QString("D3"));
        QTest::mouseClick(picker.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 3, 10));  // above the keys
        QCOMPARE(picker.note(), 62);
        QCOMPARE(picker.windowTitle(), QString("Select Note"));
        QTest::mouseClick(picker.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 3, 70));
        QTest::mouseClick(picker.Image1, Qt::LeftButton, {}, QPoint(56 * 5 + 10, 70));
        QCOMPARE(picker.windowTitle(), QString("Select Note (D5)"));
        QCOMPARE(picker.Image1->marked(), 62);
        // The old mark is gone: the C5 key shows white again, the D5 key red.
        const QImage shown = picker.Image1->grab().toImage();
        QCOMPARE(shown.pixelColor(56 * 5 + 3, 80), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(56 * 5 + 11, 80), QColor(Qt::red));
        QTest::mouseClick(picker.ButtonCancel, Qt::LeftButton);
        QVERIFY(!accepted(picker));
    }

    void sysexDialogEntryListAndFiles() {
        const auto xg = dir.filePath("XGSystem.ini").toStdString();
        std::ofstream(xg) << "[SYSTEM]\n00=04 7E XX 09 01 GM System On\n01=02 41 10 Roland\n"
                             "[XGMEMORY]\n00=00 00 7E 00 XG System On\n";
        const auto descriptions = names::SysexDescriptions::fromFile(xg);
        SysexDialog dialog({0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}, "XG System On", descriptions, dialogs, settings);
        QCOMPARE(dialog.windowTitle(), QString("System Exclusive Event"));
        QCOMPARE(dialog.Edit1->text(), QString("43,10,4C,00,00,7E,00,F7"));
        QCOMPARE(dialog.Label1->text(), QString("XG System On"));
        QCOMPARE(dialog.ListBox1->count(), 2);
        QVERIFY(!dialog.ButtonLoadList->isEnabled());
        dialog.show();
        QTest::mouseClick(dialog.ListBox1->viewport(), Qt::LeftButton, {},
                          dialog.ListBox1->visualItemRect(dialog.ListBox1->item(0)).center());
        QVERIFY(dialog.ButtonLoadList->isEnabled());
        QTest::mouseClick(dialog.ButtonLoadList, Qt::LeftButton);
        QCOMPARE(dialog.Edit1->text(), QString("7E,00,09,01"));
        QCOMPARE(dialog.Label1->text(), QString("GM System On"));
        QTest::keyClicks(dialog.Edit1, ",F7");
        QCOMPARE(dialog.Label1->text(), QString());

        // A file of another format is refused and the entry stays; a .syx file loads.
        dialogs.files = {base::ui::FileChoice{write("bad.syx", {0x43, 0xF7})},
                         base::ui::FileChoice{write("xg.syx", {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})}};
        QTest::mouseClick(dialog.ButtonLoadFile, Qt::LeftButton);
        QCOMPARE(dialogs.messages.back().text, QString("Unknown file format..."));
        QCOMPARE(dialogs.messages.back().caption, QString("Error"));
        QCOMPARE(dialog.Edit1->text(), QString("7E,00,09,01,F7"));
        QCOMPARE(dialogs.requests.back().filters, QStringList{"System Exclusive Message (*.syx)"});
        QTest::mouseClick(dialog.ButtonLoadFile, Qt::LeftButton);
        QCOMPARE(dialog.Edit1->text(), QString("43,10,4C,00,00,7E,00,F7"));
        QCOMPARE(dialog.Label1->text(), QString("XG System On"));

        // Save proposes the description as the name and writes F0 and the bytes.
        dialog.Edit1->setText("7e, 1,,123");
        dialog.Label1->setText("GM: On");
        dialogs.files = {base::ui::FileChoice{dir.filePath("saved.syx")}};
        QTest::mouseClick(dialog.ButtonSaveFile, Qt::LeftButton);
        QCOMPARE(dialogs.requests.back().fileName, QString("GM- On"));
        QCOMPARE(dialogs.requests.back().defaultSuffix, QString("syx"));
        QCOMPARE(fileBytes(dir.filePath("saved.syx")), (std::vector<std::uint8_t>{0xF0, 0x7E, 0x01, 0x00, 0x23}));

        // OK with an entry that is not hex says so and stays open; a good one hands back its bytes.
        dialog.Edit1->setText("43,1X");
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialogs.messages.back().text.contains("\"X\""));
        dialog.Edit1->setText("F0, 1 ,,123");
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(accepted(dialog));
        QCOMPARE(dialog.bytes(), (std::vector<std::uint8_t>{0xF0, 0x01, 0x00, 0x23}));
    }

    void sequencerDialogTextFilesAndLimits() {
        events::ui::SequencerDataDialog dialog({0x43, 0x7B, 0x01}, dialogs, settings);
        QCOMPARE(dialog.windowTitle(), QString("Sequencer specific information (3 Bytes)"));
        QCOMPARE(dialog.Memo1->toPlainText(), QString("43,7B,01,"));
        dialog.show();

        // Saving an empty text asks for no file.
        dialog.Memo1->setPlainText("  ");
        QTest::mouseClick(dialog.ButtonSave, Qt::LeftButton);
        QVERIFY(dialogs.requests.empty());

        std::vector<std::uint8_t> seventeen(17, 0x20);
        dialogs.files = {base::ui::FileChoice{write("a.ssi", seventeen)},
                         base::ui::FileChoice{write("big.ssi", std::vector<std::uint8_t>(4097, 1))}};
        QTest::mouseClick(dialog.ButtonLoad, Qt::LeftButton);
        QCOMPARE(dialog.Memo1->toPlainText().split('\n').size(), 2);
        QCOMPARE(dialog.Memo1->toPlainText().split('\n').last(), QString("20,"));
        QTest::mouseClick(dialog.ButtonLoad, Qt::LeftButton);
        QCOMPARE(dialogs.messages.back().text, dir.filePath("big.ssi"));
        QCOMPARE(dialog.Memo1->toPlainText().split('\n').size(), 2);  // the text stays

        dialogs.files = {base::ui::FileChoice{dir.filePath("out.ssi")}};
        QTest::mouseClick(dialog.ButtonSave, Qt::LeftButton);
        QCOMPARE(fileBytes(dir.filePath("out.ssi")), seventeen);

        dialog.Memo1->setPlainText(QString(5000, ','));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialogs.messages.back().text, QString("Too many bytes entered..."));
        dialog.Memo1->setPlainText("F0 43");
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(accepted(dialog));
        QCOMPARE(dialog.bytes(), std::vector<std::uint8_t>{0x43});
    }

    void insertDialogEnablesFieldsByTypeAndPresetsHex() {
        InsertEventDialog dialog(settings);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Insert event..."));
        QCOMPARE(dialog.RGType->count(), 16);
        QCOMPARE(dialog.RGType->itemIndex(), 0);
        QCOMPARE(dialog.RGText->itemIndex(), 5);
        QVERIFY(dialog.GroupText->isEnabled());
        QVERIFY(!dialog.GroupData->isEnabled());
        QVERIFY(!dialog.GroupChannel->isEnabled());
        QCOMPARE(dialog.EditChan->minimum(), 1);
        QCOMPARE(dialog.EditChan->maximum(), 16);

        dialog.RGType->button(1)->click();
        QCOMPARE(dialog.EditData->text(), QString("3C,7F"));
        QVERIFY(dialog.GroupChannel->isEnabled());
        QVERIFY(!dialog.RGText->isEnabled());
        dialog.RGType->button(12)->click();
        QCOMPARE(dialog.EditData->text(), QString("04,02,60,08"));
        QVERIFY(!dialog.GroupChannel->isEnabled());
        dialog.RGType->button(10)->click();
        QVERIFY(!dialog.GroupData->isEnabled());
        QCOMPARE(dialog.RGType->button(4)->text(), QString("Chanel after-toch"));

        dialog.RGType->button(5)->click();
        dialog.EditChan->setValue(10);
        dialog.EditData->setText("00");
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        QVERIFY(accepted(dialog));
        const auto v = dialog.values();
        QCOMPARE(v.type, 5);
        QCOMPARE(v.channel, 10);
        QCOMPARE(v.hexData, std::string("00"));
    }
};

QTEST_MAIN(PropertyDialogsTest)
#include "property_dialogs_test.moc"

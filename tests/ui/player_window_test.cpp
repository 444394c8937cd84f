#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/ui/setup_dialog.h"
#include "base/ui/transient_message.h"
#include "document/smf_reader.h"
#include "playback/recording_port.h"
#include "playback/ui/channel_led.h"
#include "playback/ui/program_port.h"
#include "playback/ui/section_player_window.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using playback::RecordingPort;
using playback::ui::SectionPlayerWindow;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Start-up part with GM System On; "Main A" with channels 1 and 10 over one
// bar; "Main B" with channel 2.
QByteArray styleEvents(int tempo) {
    QByteArray e;
    e += smf::bytes({0, 0xFF, 0x51, 3, tempo >> 16 & 0xFF, tempo >> 8 & 0xFF, tempo & 0xFF});
    e += smf::meta(0x06, "SFF1");
    e += smf::bytes({0, 0xF0, 5, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
    e += smf::meta(0x06, "Main A");
    e += smf::bytes({0, 0xC0, 0x05, 0, 0x90, 0x3C, 0x64, 0, 0x99, 0x24, 0x64});
    e += smf::bytes({0x83, 0x60, 0x80, 0x3C, 0x00});  // 480 ticks later
    e += smf::meta(0x06, "Main B");
    e += smf::bytes({0, 0x91, 0x40, 0x50, 0x60, 0x81, 0x40, 0x00});
    e += smf::bytes({0, 0xFF, 0x2F, 0x00});
    return e;
}

QByteArray style(int tempo = 500000, int division = 480) {
    return smf::header(0, 1, division) + smf::track(styleEvents(tempo));
}

// A player over a recording port, on a document read from `bytes`.
struct PlayerRig {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    document::Document doc;
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    playback::CMIDIOUT out{[p = port] { return playback::PortList{p}; }};
    std::unique_ptr<SectionPlayerWindow> player;

    explicit PlayerRig(const QByteArray& bytes) {
        const base::Workspace ws(dir.path().toStdString());
        document::readBytes(smf::fromQt(bytes), doc, ws);
        player = std::make_unique<SectionPlayerWindow>(doc, out, dialogs, ws.settings());
    }
    bool sent(const Bytes& message) const {
        const auto all = port->sent();
        return std::find(all.begin(), all.end(), message) != all.end();
    }
    // Open, stop and close leave the port closed after All Notes Off on every channel.
    bool endsSilenced() const {
        const auto entries = port->entries();
        if (entries.size() < 18) return false;
        for (int c = 0; c < 16; ++c) {
            const auto& e = entries[entries.size() - 18 + static_cast<std::size_t>(c)];
            if (e.kind != RecordingPort::Kind::Send || e.bytes != Bytes{static_cast<std::uint8_t>(0xB0 | c), 123, 0})
                return false;
        }
        return entries[entries.size() - 2].kind == RecordingPort::Kind::Reset &&
               entries.back().kind == RecordingPort::Kind::Close && !out.opened();
    }
};

QStringList sectionNames(const SectionPlayerWindow& p) {
    QStringList names;
    for (auto* item : p.sectionItems) names << item->text();
    return names;
}

}  // namespace

class PlayerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void f6OpensThePlayerOnTheChosenPortOrSaysWhyNot() {
        auto synth = std::make_shared<RecordingPort>("Synth");
        auto keys = std::make_shared<RecordingPort>("Keys");
        playback::ui::setProgramMidiOut(
            std::make_unique<playback::CMIDIOUT>([=] { return playback::PortList{synth, keys}; }));
        WindowFixture f;
        f.write("Ctabber.INI", "[Main]\nMidiOut=1\n");
        auto& window = f.open();
        auto* f6 = window.findChild<QAction*>("mPlayer");
        QCOMPARE(f6->shortcut(), QKeySequence(Qt::Key_F6));

        // Nothing open: the notice, and no player.
        QString notice;
        whenShown<base::ui::TransientMessage>([&](base::ui::TransientMessage* mess) {
            notice = mess->windowTitle() + ": " + mess->label()->text();
            mess->accept();
        });
        f6->trigger();
        QCOMPARE(notice, QString("Player message: No section to play..."));

        window.openFile(f.write("style.sty", style()));
        QStringList sections;
        QString port;
        whenShown<SectionPlayerWindow>([&](SectionPlayerWindow* p) {
            sections = sectionNames(*p);
            port = QString::fromStdString(playback::ui::programMidiOut().DeviceName());
            p->ButtonOK->click();
        });
        f6->trigger();
        QCOMPARE(sections, (QStringList{"Main A", "Main B"}));
        QCOMPARE(port, QString("Keys"));

        // The setup page lists the same ports; its Test plays through the chosen one.
        QStringList listed;
        whenShown<app::ui::SetupDialog>([&](app::ui::SetupDialog* setup) {
            for (int i = 0; i < setup->ListBoxOut->count(); ++i) listed << setup->ListBoxOut->item(i)->text();
            setup->ListBoxOut->item(0)->setSelected(true);
            setup->ButtonTest->click();
            setup->ButtonOK->click();  // ends the note
        });
        window.findChild<QAction*>("mSetup")->trigger();
        QCOMPARE(listed, (QStringList{"Synth", "Keys"}));
        QCOMPARE(synth->sent(), (std::vector<Bytes>{{0xC0, 0}, {0x90, 48, 127}, {0x80, 48, 127}}));
        QCOMPARE(window.settings().midiOut, 0);

        // A division of 0 is refused with a word why.
        window.openFile(f.write("nodiv.mid", style(500000, 0)));
        f6->trigger();
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text,
                 QString("The file's division is 0: its ticks have no length, so the player cannot play it."));
        playback::ui::setProgramMidiOut(nullptr);
    }

    void sectionsLightTheirChannelsAndClicksSwitchThem() {
        PlayerRig rig(style());
        auto& p = *rig.player;
        QCOMPARE(p.windowTitle(), QString("Style Player"));
        QVERIFY(p.sectionItems[0]->isChecked());
        auto lit = [&] {
            QString s;
            for (auto* led : p.LED) s += led->isEnabled() ? (led->State() ? "1" : "0") : "-";
            return s;
        };
        QCOMPARE(lit(), QString("1--------1------"));
        QCOMPARE(p.LED[0]->fillColor(), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(p.LED[1]->fillColor(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(p.Label[9]->text(), QString("Chan 10"));
        QVERIFY(p.ButtonStart->isEnabled());
        QVERIFY(!p.ButtonStop->isEnabled());

        // A click on a label or a press on an LED switches its channel; a used
        // channel switched off shows orange.
        p.show();
        // The switches follow all sixteen LEDs.
        QTest::mouseClick(p.Label[0], Qt::LeftButton);
        QCOMPARE(p.controls().channelSwitches.load(), std::uint16_t(1 << 9));
        QTest::mousePress(p.LED[9], Qt::LeftButton);
        QCOMPARE(p.controls().channelSwitches.load(), std::uint16_t(0));
        QCOMPARE(lit(), QString("0--------0------"));
        QCOMPARE(p.LED[0]->fillColor(), QColor(0xFF, 0x80, 0x00));
        // Unused channels take no clicks.
        QTest::mouseClick(p.Label[5], Qt::LeftButton);
        QCOMPARE(lit(), QString("0--------0------"));

        p.sectionItems[1]->click();
        QCOMPARE(lit(), QString("-1--------------"));

        // Only the start markers: no section to choose, Start plays nothing.
        QByteArray startOnly = smf::meta(0x06, "SFF1") + smf::meta(0x06, "SInt");
        startOnly += smf::bytes({0, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00, 0, 0xFF, 0x2F, 0x00});
        PlayerRig empty(smf::header(0, 1, 96) + smf::track(startOnly));
        QCOMPARE(empty.player->sectionCount(), 0);
        empty.player->ButtonStartClick();
        QVERIFY(!empty.player->playing());
        QVERIFY(empty.port->entries().empty());
        // The display toggles between position and counter.
        QTest::mouseClick(p.LabelPos, Qt::LeftButton);
        QVERIFY(p.showCounter());
    }

    // An SFF2 style: "SFF2" is no section; Main A is chosen with its
    // channels lit, and Start sends the set-up part before the section.
    void anSff2StylePlaysItsSectionsAfterItsSetUpPart() {
        QByteArray e;
        e += smf::meta(0x06, "SFF2");
        e += smf::bytes({0, 0xF0, 8, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
        e += smf::bytes({0, 0xC8, 0x30});
        e += smf::meta(0x06, "SInt");
        e += smf::bytes({0, 0xB9, 0x00, 0x7F});
        e += smf::meta(0x06, "Main A");
        e += smf::bytes({0, 0x99, 0x24, 0x64, 0, 0x98, 0x3C, 0x64, 0x83, 0x60, 0x88, 0x3C, 0x00});
        e += smf::meta(0x06, "Fill In AA");
        e += smf::bytes({0, 0x91, 0x40, 0x50, 0x60, 0x81, 0x40, 0x00, 0, 0xFF, 0x2F, 0x00});
        PlayerRig rig(smf::header(0, 1, 480) + smf::track(e));
        auto& p = *rig.player;
        QCOMPARE(sectionNames(p), QStringList({"Main A", "Fill In AA"}));
        QVERIFY(p.sectionItems[0]->isChecked());
        QVERIFY(p.LED[8]->isEnabled() && p.LED[9]->isEnabled());
        QVERIFY(!p.LED[0]->isEnabled());
        QVERIFY(p.ButtonStart->isEnabled());
        p.ButtonStartClick();
        QVERIFY(p.playing());
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x99, 0x24, 0x64}), 2000);
        QVERIFY(rig.sent({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
        QVERIFY(rig.sent({0xC8, 0x30}));
        QVERIFY(rig.sent({0xB9, 0x00, 0x7F}));
        p.ButtonStopClick();
    }

    void startPlaysStopSilencesAndClosingWhilePlayingLeavesNoNoteHanging() {
        PlayerRig rig(style());
        auto& p = *rig.player;
        p.ButtonStartClick();
        QVERIFY(p.playing());
        QVERIFY(!p.ButtonStart->isEnabled());
        QVERIFY(p.ButtonStop->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x99, 0x24, 0x64}), 2000);
        QVERIFY(rig.sent({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
        // Channel 10 off while its note sounds: its notes stop at once.
        p.channelClick(9);
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0xB9, 123, 0}), 2000);
        p.ButtonStopClick();
        QVERIFY(rig.endsSilenced());
        QCOMPARE(p.LabelPos->text(), QString("00:0:000"));
        QVERIFY(p.ButtonStart->isEnabled());
        QVERIFY(!p.ButtonStop->isEnabled());

        // OK while playing.
        rig.port->clear();
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 0x3C, 0x64}), 2000);
        p.ButtonOK->click();
        QVERIFY(!p.playing());
        QVERIFY(rig.endsSilenced());

        // The program quits while the player plays: the window goes, the notes end.
        rig.port->clear();
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 0x3C, 0x64}), 2000);
        rig.player.reset();
        QVERIFY(rig.endsSilenced());
    }

    void aRunWithoutLoopModeStopsByItselfAndTheCounterShowsTheIndex() {
        // One millisecond to the quarter note: the section lasts 2 ms.
        PlayerRig rig(style(1000, 2));
        auto& p = *rig.player;
        p.CheckBoxLoop->setChecked(false);
        p.ButtonStartClick();
        QVERIFY(p.playing());
        QTRY_VERIFY_WITH_TIMEOUT(!p.playing(), 2000);
        QCOMPARE(p.LabelPos->text(), QString("00:0:000"));
        QVERIFY(rig.endsSilenced());

        // Counter mode while a long section loops.
        PlayerRig looping(style());
        looping.player->LabelPosClick();
        looping.player->ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(looping.player->LabelPos->text().endsWith(" (4)"), 2000);
    }

    void aPortThatVanishesStopsThePlayerWithAMessage() {
        PlayerRig rig(style());
        auto& p = *rig.player;
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 0x3C, 0x64}), 2000);
        rig.port->vanish();
        QTRY_VERIFY_WITH_TIMEOUT(!p.playing(), 2000);
        QCOMPARE(rig.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(rig.dialogs.messages[0].caption, QString("Player message"));
        QCOMPARE(rig.dialogs.messages[0].text, QString("The MIDI port \"Recording port\" is no longer there."));
        QVERIFY(!rig.out.opened());
        QVERIFY(p.ButtonStart->isEnabled());
    }

    void aSynthesizerWithoutAudioOutputSaysSoInThePlayerAndOnTheSetupPage() {
        const std::string notice = "The built-in synthesizer has no audio output: no audio device could be opened.";
        PlayerRig rig(style());
        auto& p = *rig.player;
        rig.port->setAudioNotice(notice);
        QVERIFY(p.LabelNoSound->isHidden());
        p.ButtonStartClick();
        QVERIFY(p.playing());  // it still plays: the LEDs and the position go on
        QVERIFY(!p.LabelNoSound->isHidden());
        QCOMPARE(p.LabelNoSound->text(), QString::fromStdString(notice));
        p.ButtonStopClick();
        // One line in the window, no message box at each start.
        p.ButtonStartClick();
        p.ButtonStopClick();
        QVERIFY(rig.dialogs.messages.empty());
        QVERIFY(!p.LabelNoSound->isHidden());
        // A port that is heard shows nothing.
        rig.port->setAudioNotice({});
        p.ButtonStartClick();
        p.ButtonStopClick();
        QVERIFY(p.LabelNoSound->isHidden());

        // The setup page's "Test" says the same, through the program's port object.
        QTemporaryDir dir;
        const std::filesystem::path home = dir.path().toStdString();
        rig.port->setAudioNotice(notice);
        app::ui::MidiPortList ports{playback::portNames(rig.out),
                                    [&](int port) { playback::testNoteOn(rig.out, port); },
                                    [&] { playback::testNoteOff(rig.out); }, [&] { return rig.out.audioNotice(); }};
        app::SetupValues values;
        values.midiOut = 0;
        app::ui::SetupDialog d(nullptr, {rig.dialogs, base::builtinLanguage(), home / "Ctabber.INI", home, {}}, values,
                               ports);
        QVERIFY(d.LabelNoSound->isHidden());
        d.ButtonTest->click();
        QVERIFY(!d.LabelNoSound->isHidden());
        QCOMPARE(d.LabelNoSound->text(), QString::fromStdString(notice));
        d.reject();
    }
};

QTEST_MAIN(PlayerWindowTest)
#include "player_window_test.moc"

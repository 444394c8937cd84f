// The section player's chord mode on the offscreen platform, over a
// recording port: chords typed or held, section switching, A/B between the
// CASM editor's entries and the saved ones, tempo, solo and the why list.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "casm/entry.h"
#include "casm/masks.h"
#include "document/smf_reader.h"
#include "playback/recording_port.h"
#include "playback/ui/chord_following_why_list.h"
#include "playback/ui/section_player_window.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using playback::RecordingPort;
using playback::ui::SectionPlayerWindow;
using Bytes = std::vector<std::uint8_t>;

namespace {

// "Main A": channel 1 plays C3 (60) over its one bar; "Main B": channel 2 plays E3 (64).
QByteArray style() {
    QByteArray e;
    e += smf::bytes({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20});  // 500000
    e += smf::meta(0x06, "SFF1");
    e += smf::meta(0x06, "Main A");
    e += smf::bytes({0, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0});
    e += smf::bytes({0x8B, 0x20, 0xB0, 7, 100});  // 1440 ticks later: the bar is whole
    e += smf::meta(0x06, "Main B");
    e += smf::bytes({0, 0x91, 64, 100, 0x83, 0x60, 0x81, 64, 0});
    e += smf::bytes({0x8B, 0x20, 0xB1, 7, 100});
    e += smf::bytes({0, 0xFF, 0x2F, 0x00});
    return smf::header(0, 1, 480) + smf::track(e);
}

// Root Trans, Bypass: the notes move with the chord's root.
casm::Entry entry(const std::string& section, int source, int destination) {
    casm::Entry e = casm::unmutedEntry();
    e.section = section;
    e[casm::Track] = static_cast<std::uint8_t>(source);
    e[casm::MidiChan] = static_cast<std::uint8_t>(destination);
    e[casm::ChordType] = 2;
    e[casm::HighestKey] = 11;
    e[casm::HighLimit] = 127;
    return e;
}

struct ChordRig {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    document::Document doc;
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    playback::CMIDIOUT out{[p = port] { return playback::PortList{p}; }};
    std::vector<casm::Entry> saved = {entry("Main A", 0, 0), entry("Main B", 1, 1)};
    std::optional<std::vector<casm::Entry>> unsaved;
    std::vector<std::size_t> selected;
    std::unique_ptr<SectionPlayerWindow> player;
    std::filesystem::path settings;

    explicit ChordRig(bool withEditor = false) {
        const base::Workspace ws(dir.path().toStdString());
        settings = ws.settings();
        document::readBytes(smf::fromQt(style()), doc, ws);
        playback::ui::CasmLink link;
        link.saved = [this] { return chords::SavedEntries{saved, false, {}}; };
        if (withEditor) {
            unsaved = saved;
            link.unsaved = [this] { return unsaved; };
            link.select = [this](std::size_t i) { selected.push_back(i); };
        }
        player = std::make_unique<SectionPlayerWindow>(doc, out, dialogs, ws.settings(), base::builtinLanguage(),
                                                       nullptr, std::move(link));
        player->GroupChords->setChecked(true);
        player->SpinTempo->setValue(500);  // a bar lasts 480 ms
    }
    bool sent(const Bytes& message) const {
        const auto all = port->sent();
        return std::find(all.begin(), all.end(), message) != all.end();
    }
    void type(const QString& progression) {
        player->EditProgression->setText(progression);
        player->chordsChanged();
    }
};

}  // namespace

class ChordPlayerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aTypedProgressionPlaysTheSectionOverItsChordsAndChangesAtTheBarLine() {
        ChordRig rig;
        auto& p = *rig.player;
        rig.type("F | G");
        p.ButtonStartClick();
        QVERIFY(p.playing());
        QVERIFY(p.chordMessage().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 65, 100}), 2000);  // C3 over F
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 67, 100}), 2000);  // over G in the next bar
        QVERIFY(!rig.sent({0x90, 60, 100}));                        // never the recorded pitch
        // A new progression is heard from the next bar line.
        rig.type("D");
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 62, 100}), 2000);
        p.ButtonStopClick();
        QVERIFY(!p.playing());
    }

    void aHeldChordFromThePickerIncludingItsBass() {
        ChordRig rig;
        auto& p = *rig.player;
        p.RadioHold->setChecked(true);
        p.ComboRoot->setCurrentIndex(2);  // D
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 62, 100}), 2000);
        p.ComboRoot->setCurrentIndex(9);  // A: below the highest key B, so 69
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 69, 100}), 2000);
        QCOMPARE(p.WhyList->rows().size(), std::size_t(1));
    }

    void aBadProgressionSaysWhereAndDoesNotPlay() {
        ChordRig rig;
        auto& p = *rig.player;
        rig.type("C | Fmaj13b");
        p.ButtonStartClick();
        QVERIFY(!p.playing());
        QCOMPARE(p.chordMessage(), QString("Progression: bar 2, item 1: unknown chord quality 'maj13b'"));
        QVERIFY(p.ButtonStart->isEnabled());
        // While playing, a bad edit leaves the chords playing as they were.
        rig.type("E");
        p.ButtonStartClick();
        QVERIFY(p.playing());
        rig.type("E |||| Xq");
        QVERIFY(p.chordMessage().startsWith("Progression: "));
        QTRY_VERIFY_WITH_TIMEOUT(rig.port->sent().size() > 8, 3000);
        QVERIFY(rig.sent({0x90, 64, 100}));
    }

    void aSectionChosenWhilePlayingStartsAtTheNextBarLine() {
        ChordRig rig;
        auto& p = *rig.player;
        rig.type("C");
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 60, 100}), 2000);
        p.sectionItems[1]->setChecked(true);
        p.RGSectionClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x91, 64, 100}), 2000);
    }

    void abSwitchesBetweenTheEditorsEntriesAndTheSavedOnes() {
        ChordRig rig(true);
        auto& p = *rig.player;
        QVERIFY(p.CheckBoxUnsaved->isEnabled());
        QVERIFY(p.CheckBoxUnsaved->isChecked());
        (*rig.unsaved)[0][casm::MidiChan] = 3;  // the editor routes Main A to channel 4
        rig.type("C");
        p.ButtonStartClick();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x93, 60, 100}), 2000);
        QVERIFY(!rig.sent({0x90, 60, 100}));
        p.CheckBoxUnsaved->setChecked(false);  // B: as saved
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x90, 60, 100}), 2000);
        // An edit in the editor is heard when A is chosen again.
        (*rig.unsaved)[0][casm::MidiChan] = 5;
        p.casmEdited();  // B plays: nothing changes
        p.CheckBoxUnsaved->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x95, 60, 100}), 2000);
        (*rig.unsaved)[0][casm::MidiChan] = 6;
        p.casmEdited();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sent({0x96, 60, 100}), 2000);
    }

    void theWhyListShowsEachPartAndSelectsItsEntryInTheEditor() {
        ChordRig rig(true);
        auto& p = *rig.player;
        auto mask = casm::fullChordMask();
        casm::setBit(mask, 10, false);  // min7 muted
        casm::storeChordMask((*rig.unsaved)[0], mask);
        rig.type("C | Am7");
        p.ButtonStartClick();
        QTRY_COMPARE_WITH_TIMEOUT(p.WhyList->topLevelItemCount(), 1, 2000);
        QCOMPARE(p.WhyList->topLevelItem(0)->text(5), QString("plays"));
        QCOMPARE(p.WhyList->topLevelItem(0)->text(1), QString("Main A"));
        QTRY_COMPARE_WITH_TIMEOUT(p.WhyList->topLevelItem(0)->text(5), QString("silent: chord mute"), 2000);
        p.WhyList->rowClick(0);
        QCOMPARE(rig.selected, (std::vector<std::size_t>{0}));
    }

    void tempoAndSoloReachThePlayerWithoutTouchingTheFile() {
        ChordRig rig;
        auto& p = *rig.player;
        p.SpinTempo->setValue(240);
        QCOMPARE(p.controls().tempo.load(), 250000u);
        QCOMPARE(rig.doc.tempo, 500000u);
        p.soloClick(1);
        QCOMPARE(p.controls().channelSwitches.load(), std::uint16_t{0x0002});
        p.soloClick(1);
        QCOMPARE(p.controls().channelSwitches.load(), std::uint16_t{0xFFFF});  // following chords every part may play
        p.channelClick(0);
        QCOMPARE(p.controls().channelSwitches.load(), std::uint16_t{0xFFFE});
        // Without CASM entries to follow, a word why and no play.
        SectionPlayerWindow lone(rig.doc, rig.out, rig.dialogs, rig.settings);
        lone.GroupChords->setChecked(true);
        lone.ButtonStartClick();
        QVERIFY(!lone.playing());
        QCOMPARE(lone.chordMessage(), QString("No CASM entries to follow."));
        QVERIFY(!lone.CheckBoxUnsaved->isEnabled());
    }
};

QTEST_MAIN(ChordPlayerWindowTest)
#include "chord_player_window_test.moc"

#pragma once
// "Style Player": plays one section of the open style through the MIDI output
// port, looped, with single channels switched off or soloed. The window
// collects the choices; the player thread plays its own copy of the events
// and hands the position display and the end of a run back through queued
// calls.
//
// In chord mode the section follows a typed progression or one held chord
// as the keyboard plays it. A chords::BarFeeder computes the bars ahead on
// this thread (a timer keeps two bars queued) and the player thread takes
// them from a BarQueue; a change (chords, section, CASM entries) withdraws
// the bars not yet played and computes them again, so it is heard from the
// next bar line (window_chords.cpp).
#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "chords/bar_feeder.h"
#include "document/document.h"
#include "playback/player_thread.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace playback::ui {

class ChannelLed;
class ChordFollowingWhyList;

// What chord mode reads beside the document, given by the program: the
// entries as saved, and while the CASM editor is open its unsaved entries
// and a way to select one of them there.
struct CasmLink {
    std::function<chords::SavedEntries()> saved;
    std::function<std::optional<std::vector<casm::Entry>>()> unsaved;  // nothing without an open editor
    std::function<void(std::size_t)> select;                           // an index of the unsaved list
};

class SectionPlayerWindow : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `doc` must have passed checkTiming; the window keeps its place in `settingsFile`.
    SectionPlayerWindow(const document::Document& doc, CMIDIOUT& out, base::ui::UserDialogs& dialogs,
              const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
              QWidget* parent = nullptr, CasmLink casm = {});
    // Stops a run still playing, so no note hangs when the program quits.
    ~SectionPlayerWindow() override;
    // Stops playing, then closes.
    void done(int result) override;

    bool playing() const { return thread_.playing(); }
    bool showCounter() const { return showCounter_; }
    const PlayerControls& controls() const { return controls_; }
    int sectionCount() const { return static_cast<int>(sections_.size()); }

signals:
    // Where play is: `tick` of `section`, counted from the section's start
    // and growing as it loops (following chords: from the start of play).
    void playPosition(const std::string& section, std::uint64_t tick);
    // Following chords: a bar computed for the section, about to be played.
    void barFed(const playback::Bar& bar, const std::string& section);
    void playStopped();

public:

    // Handlers, public so tests can act as the user.
    void RGSectionClick();
    void ButtonStartClick();
    void ButtonStopClick();
    void LabelPosClick();
    void channelClick(int tag);
    void soloClick(int tag);
    // Chord mode: the chords typed or picked, the A/B switch and the tempo
    // apply at the next bar line while playing.
    void chordsChanged();
    void entriesChanged();
    void tempoChanged();
    // The CASM editor changed its entries (the program connects this).
    void casmEdited();

    bool chordMode() const;
    // The reason chord mode could not start or take a change; empty when it could.
    QString chordMessage() const;

    QGroupBox* RGSection;
    std::vector<QRadioButton*> sectionItems;
    QLabel* LabelPos;
    QLabel* LabelNoSound;  // why the port is not heard; hidden while it is
    std::array<ChannelLed*, 16> LED{};
    std::array<QLabel*, 16> Label{};
    QCheckBox* CheckBoxLoop;
    QCheckBox* CheckBoxEvery;
    QPushButton* ButtonStart;
    QPushButton* ButtonStop;
    QPushButton* ButtonOK;
    std::array<QToolButton*, 16> Solo{};
    QGroupBox* GroupChords;
    QRadioButton* RadioProgression;
    QLineEdit* EditProgression;
    QRadioButton* RadioHold;
    QComboBox* ComboRoot;
    QComboBox* ComboType;
    QComboBox* ComboBass;
    QCheckBox* CheckBoxUnsaved;
    QSpinBox* SpinTempo;
    QLabel* LabelChords;
    ChordFollowingWhyList* WhyList;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString text(int id, const char* builtin) const;
    int selectedIndex() const;
    void buildControls();
    // Queued from the player thread; `run` tells stale calls from a stopped run.
    void showPosition(int run, const Position& position);
    void runFinished(int run);
    PlayerThread::Reports reportsFor(int run);
    void updateSwitches();
    void buildChordControls(QLayout* into);
    std::optional<chords::ChordChoice> chordChoice();
    // The entries chord mode plays by now (A: the editor's, B: as saved).
    std::optional<std::vector<casm::Entry>> playedEntries();
    bool startChords(int index);
    void feedBars();
    // Withdraws the bars not yet played and computes them again.
    void recomputeQueued();
    void showWhy(std::uint64_t tick);
    void setChordMessage(const QString& message);

    const document::Document& doc_;
    CMIDIOUT& out_;
    base::ui::UserDialogs& dialogs_;
    const base::Language& language_;
    Timing timing_;
    std::vector<std::string> sections_;
    std::vector<MidiEvent> startup_;  // collected once, copied to every run
    PlayerControls controls_;
    PlayerThread thread_;
    QButtonGroup* sectionGroup_ = nullptr;
    CasmLink casm_;
    std::unique_ptr<chords::BarFeeder> feeder_;
    std::unique_ptr<BarQueue> queue_;
    std::deque<chords::FedBar> fedBars_;  // bars computed, without their events, for the why list
    std::vector<casm::Entry> entries_;     // the entries of the plans in use
    std::shared_ptr<const chords::SectionPlans> plans_;
    QTimer* feedTimer_ = nullptr;
    bool chordRun_ = false;  // the run playing follows chords
    QString whyShown_;       // the section and chord the why list shows
    int run_ = 0;
    std::string playingSection_;  // the section a run without chords plays
    bool showCounter_ = false;
};

// "&Player...": "No section to play..." without markers, the timing refusal
// for a file the clock cannot serve; otherwise the player on port
// `midiOutIndex` of the program's port list, modally.
void openPlayer(const document::Document& doc, int midiOutIndex, base::ui::UserDialogs& dialogs,
                const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent,
                CasmLink casm = {}, const std::function<void(SectionPlayerWindow&)>& opened = {});

}  // namespace playback::ui

#pragma once
// "Style Player": plays one section of the open style through the MIDI output
// port, looped, with single channels switched off. The window collects the
// choices; the player thread plays its own copy of the events and hands the
// position display and the end of a run back through queued calls.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "document/document.h"
#include "playback/player_thread.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace playback::ui {

class ChannelLed;

class SectionPlayerWindow : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `doc` must have passed checkTiming; the window keeps its place in `settingsFile`.
    SectionPlayerWindow(const document::Document& doc, CMIDIOUT& out, base::ui::UserDialogs& dialogs,
              const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
              QWidget* parent = nullptr);
    // Stops a run still playing, so no note hangs when the program quits.
    ~SectionPlayerWindow() override;
    // Stops playing, then closes.
    void done(int result) override;

    bool playing() const { return thread_.playing(); }
    bool showCounter() const { return showCounter_; }
    const PlayerControls& controls() const { return controls_; }
    int sectionCount() const { return static_cast<int>(sections_.size()); }

    // Handlers, public so tests can act as the user.
    void RGSectionClick();
    void ButtonStartClick();
    void ButtonStopClick();
    void LabelPosClick();
    void channelClick(int tag);

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

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString text(int id, const char* builtin) const;
    int selectedIndex() const;
    void buildControls();
    // Queued from the player thread; `run` tells stale calls from a stopped run.
    void showPosition(int run, const Position& position);
    void runFinished(int run);

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
    int run_ = 0;
    bool showCounter_ = false;
};

// "&Player...": "No section to play..." without markers, the timing refusal
// for a file the clock cannot serve; otherwise the player on port
// `midiOutIndex` of the program's port list, modally.
void openPlayer(const document::Document& doc, int midiOutIndex, base::ui::UserDialogs& dialogs,
                const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent);

}  // namespace playback::ui

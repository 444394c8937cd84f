#pragma once
// "Track to Channel table": the destination channel of each of the 16
// source tracks, editable, with buttons that write the Yamaha standard
// channels (9 to 16) into the current row, and the choice of applying the
// table to the current section or to all. The CASM editor presets the
// channels and reads the cells back after OK.
#include <array>
#include <filesystem>

#include "base/language.h"
#include "base/ui/captions.h"
#include "base/ui/window_position.h"

class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace events::ui {

class TrackChannelDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // Row n (0 to 15) shows track n + 1 and `channels[n]`.
    TrackChannelDialog(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile,
             const std::array<int, 16>& channels);

    // The "Channel" cells as typed.
    std::array<QString, 16> channelCells() const;
    // "Section": "All" rather than "Current".
    bool allSections() const;

    QMenuBar* MainMenu1;
    QTableWidget* StringGrid1;
    std::array<QPushButton*, 8> standardButtons;  // "9 RHYTM SUB" .. "16 PHRASE2"
    QRadioButton* RadioCurrent;
    QRadioButton* RadioAll;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    base::ui::Captions captions_;
};

}  // namespace events::ui

#pragma once
// "System Exclusive Event": the message's bytes as comma-separated hex, its
// description, the predefined messages of "XGSystem.ini" and ".syx" files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "names/sysex_descriptions.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace events::ui {

class SysexDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `dataBytes`: the event's bytes after the status; `description` its Comment.
    // `dialogs` chooses files and shows the messages.
    SysexDialog(const std::vector<std::uint8_t>& dataBytes, const std::string& description,
           const names::SysexDescriptions& descriptions, base::ui::UserDialogs& dialogs,
           const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
           QWidget* parent = nullptr);

    // After OK: the entry's bytes. OK with an entry that is not hex, or gives
    // more than the program's 4096 bytes, tells so and stays open.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    QLineEdit* Edit1;
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* ButtonLoadList;  // "Load" under the predefined messages
    QGroupBox* GroupFile;
    QPushButton* ButtonLoadFile;
    QPushButton* ButtonSaveFile;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void loadPredefined();
    void ButtonLoadFileClick();
    void ButtonSaveFileClick();
    void ButtonOKClick();
    // The entry's bytes, or nothing after telling the user why not.
    std::optional<std::vector<std::uint8_t>> entryBytes();
    void tell(const base::Message& message);

    const names::SysexDescriptions& descriptions_;
    base::ui::UserDialogs& dialogs_;
    const base::Language& language_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace events::ui

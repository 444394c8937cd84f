#pragma once
// "Sequencer specific information": the data bytes of a sequencer-specific
// meta event as hex text ("%02X," each, 16 a line), and ".ssi" files that
// hold the bytes raw.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace events::ui {

class SequencerDataDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // The caption tells how many bytes the event holds; `dialogs` chooses
    // files and shows the messages.
    SequencerDataDialog(const std::vector<std::uint8_t>& dataBytes, base::ui::UserDialogs& dialogs, const std::filesystem::path& settingsFile,
         const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    // After OK: the parsed bytes. OK with text that is not hex, or gives
    // more than 4096 bytes, tells so and stays open.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    QPlainTextEdit* Memo1;
    QGroupBox* GroupBox1;
    QPushButton* ButtonLoad;
    QPushButton* ButtonSave;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void ButtonLoadClick();
    void ButtonSaveClick();
    void ButtonOKClick();
    std::optional<std::vector<std::uint8_t>> parsed();

    base::ui::UserDialogs& dialogs_;
    const base::Language& language_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace events::ui

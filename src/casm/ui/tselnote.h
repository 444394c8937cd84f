#pragma once
// "Select Note": a MIDI note picked on a keyboard picture.
#include <filesystem>
#include <optional>

#include "app/language.h"
#include "app/ui/window_position.h"

class QLabel;
class QPushButton;

namespace casm::ui {

class KeyboardPicture;

class TSelNote : public app::ui::RememberedDialog {
    Q_OBJECT
public:
    // Shows `note` (0-127) marked; the caption stays the title until a note is clicked.
    TSelNote(int note, const std::filesystem::path& settingsFile,
             const app::Language& language = app::builtinLanguage(), QWidget* parent = nullptr);

    // The chosen note, read after OK.
    int note() const { return note_; }

    KeyboardPicture* Image1;
    QLabel* LabelNote;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void Image1MouseMove(std::optional<int> note);
    void Image1MouseDown(int note);

    QString title_;
    int note_;
};

}  // namespace casm::ui

#pragma once
// The channel dialog: one position 1 to 16. Its caption is "MIDI Channel"
// unless the caller sets another ("MIDI Port").
#include <filesystem>

#include "app/language.h"
#include "app/ui/window_position.h"

class QPushButton;
class QSpinBox;

namespace events::ui {

class TChan : public app::ui::RememberedDialog {
    Q_OBJECT
public:
    TChan(int position, const std::filesystem::path& settingsFile,
          const app::Language& language = app::builtinLanguage(), QWidget* parent = nullptr);

    int position() const;  // 1 to 16

    QSpinBox* EditChan;  // the edit box and its up-down
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

}  // namespace events::ui

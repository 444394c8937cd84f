#pragma once
// "Transpose": how many semitones, which channel, and the current section
// or all sections. The dialog only collects the values.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"

class QPushButton;
class QSpinBox;

namespace events::ui {

class RadioGroup;

class TransposeDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    static constexpr int kMaxAmount = 24;
    static constexpr int kOctave = 12;

    // `channel` 1 to 16 is preset (channel 1 for anything else).
    TransposeDialog(int channel, const std::filesystem::path& settingsFile,
               const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    int amount() const;  // semitones, -24 to 24
    bool allSections() const;
    int channel() const;  // 1 to 16

    QSpinBox* EditAmount;  // the amount's edit box and its up-down
    QPushButton* ButtonPlus;
    QPushButton* ButtonMinus;
    RadioGroup* RGObject;
    RadioGroup* RadioGroupChan;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

}  // namespace events::ui

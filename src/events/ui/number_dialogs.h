#pragma once
// The property dialogs of one number: tempo, pitch wheel, MIDI channel or
// port, and Tick+. Each is an edit box with an up-down whose bounds hold
// what it hands back; the caller presets it and reads it after OK.
#include <filesystem>
#include <string>

#include "base/language.h"
#include "base/ui/window_position.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace events::ui {

class NumberDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    int value() const;
    void setValue(int value);

    QLabel* Label1;
    QSpinBox* Edit1;  // the edit box and its up-down
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

protected:
    struct Shape {
        std::string section;
        int captionId;
        const char* caption;
        int labelId;  // 0: the label is not translated
        const char* label;
        int minimum;
        int maximum;
    };
    NumberDialog(const Shape& shape, int value, const std::filesystem::path& settingsFile,
                 const base::Language& language, QWidget* parent);
};

// "Tempo Event": BPM 1-480.
class TempoDialog : public NumberDialog {
    Q_OBJECT
public:
    TempoDialog(int bpm, const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
           QWidget* parent = nullptr);
};

// "Pitch wheel change": 0-16383, 8192 the centre.
class PitchBendDialog : public NumberDialog {
    Q_OBJECT
public:
    PitchBendDialog(int value, const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
           QWidget* parent = nullptr);
};

// "MIDI Channel": position 1-16; the caller sets the caption of a port.
class ChannelDialog : public NumberDialog {
    Q_OBJECT
public:
    ChannelDialog(int position, const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
          QWidget* parent = nullptr);
};

// "Edit Tick+": 0-32767. A Tick+ above that (a file may hold one) raises the
// upper bound to it, so OK without a change keeps it.
class TickShiftDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kMaximum = 32767;
    TickShiftDialog(std::uint32_t delta, const std::filesystem::path& settingsFile,
              const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);
};

}  // namespace events::ui

#pragma once
// The property dialogs of one number: tempo, pitch wheel, MIDI channel or
// port, and Tick+. Each is an edit box with an up-down whose bounds hold
// what it hands back; the caller presets it and reads it after OK.
#include <filesystem>
#include <string>

#include "app/language.h"
#include "app/ui/window_position.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace events::ui {

class NumberDialog : public app::ui::RememberedDialog {
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
                 const app::Language& language, QWidget* parent);
};

// "Tempo Event": BPM 1-480.
class TTempo : public NumberDialog {
    Q_OBJECT
public:
    TTempo(int bpm, const std::filesystem::path& settingsFile, const app::Language& language = app::builtinLanguage(),
           QWidget* parent = nullptr);
};

// "Pitch wheel change": 0-16383, 8192 the centre.
class TPitch : public NumberDialog {
    Q_OBJECT
public:
    TPitch(int value, const std::filesystem::path& settingsFile, const app::Language& language = app::builtinLanguage(),
           QWidget* parent = nullptr);
};

// "MIDI Channel": position 1-16; the caller sets the caption of a port.
class TChan : public NumberDialog {
    Q_OBJECT
public:
    TChan(int position, const std::filesystem::path& settingsFile, const app::Language& language = app::builtinLanguage(),
          QWidget* parent = nullptr);
};

// "Edit Tick+": 0-32767. A Tick+ above that (a file may hold one) raises the
// upper bound to it, so OK without a change keeps it.
class TTickPlus : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kMaximum = 32767;
    TTickPlus(std::uint32_t delta, const std::filesystem::path& settingsFile,
              const app::Language& language = app::builtinLanguage(), QWidget* parent = nullptr);
};

}  // namespace events::ui

#pragma once
// The property dialogs of the time signature, key signature and SMPTE offset
// meta events. Values in and out are those of events/event_properties.h.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"
#include "events/event_properties.h"

class QComboBox;
class QPushButton;
class QSpinBox;

namespace events::ui {

class RadioGroup;

// "Time Signature Event": numerator 1-32, denominator 2-32, MIDI clocks per
// metronome tick 1-128, 1/32 notes per 24 MIDI clocks 1-256.
class TimeSignatureDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    TimeSignatureDialog(const TimeSignatureValues& values, const std::filesystem::path& settingsFile,
           const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);
    TimeSignatureValues values() const;

    QSpinBox* EditNum;
    QSpinBox* EditDen;
    QSpinBox* EditMet;
    QSpinBox* EditMC32;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

// "Key Signature": "7 flats" ... "7 sharps" (index = sharps/flats + 7) and
// "  Major" / "  Minor" (index = mode).
class KeySignatureDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    KeySignatureDialog(const KeySignatureValues& values, const std::filesystem::path& settingsFile,
            const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);
    KeySignatureValues values() const;

    QComboBox* ComboBox1;
    RadioGroup* RadioGroup1;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

// "SMTPE Offset": hours 0-23, minutes 0-59, seconds 0-59, frames 0-74 and
// fractional frames ("FF") 0-99.
class SmpteOffsetDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    SmpteOffsetDialog(const SmpteValues& values, const std::filesystem::path& settingsFile,
           const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);
    SmpteValues values() const;

    std::array<QSpinBox*, 5> Edits;  // hours, minutes, seconds, frames, FF
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

}  // namespace events::ui

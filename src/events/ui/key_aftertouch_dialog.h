#pragma once
// "Key after-touch" and "Channel after-touch": a value on a track bar (127
// at the top) and, for key after-touch, the note, typed or picked on a
// keyboard in the note picker.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace events::ui {

class KeyAftertouchDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `note` -1 makes the channel after-touch dialog: no note group.
    KeyAftertouchDialog(int note, int value, const std::filesystem::path& settingsFile,
              const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    int note() const { return note_; }
    int value() const { return value_; }

    QGroupBox* GroupVelocity;
    QSlider* TrackBar;
    QLineEdit* EditV;
    QGroupBox* GroupNote;
    QLabel* Image1;  // the keyboard picture; a click opens the note picker
    QLineEdit* EditN;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TrackBarChange(int position);
    void EditVChange(const QString& text);
    void EditNChange(const QString& text);
    void Image1Click();

    const base::Language& language_;
    std::filesystem::path settingsFile_;
    int note_;
    int value_;
};

}  // namespace events::ui

#pragma once
// "Select Events...": the event filter's kind, channel and data-byte ranges,
// and whether matching rows are selected or unselected. The dialog only
// collects the values; the caller applies them.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"
#include "events/event_filter.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace events::ui {

class RadioGroup;

class SelectEventsDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    SelectEventsDialog(const events::EventFilter& preset, const std::filesystem::path& settingsFile,
             const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    // The values the controls hold.
    events::EventFilter filter() const;

    RadioGroup* RGSelUnsel;
    RadioGroup* RGType;
    QSpinBox* EditChan;  // the channel's edit box and its up-down
    QCheckBox* CheckBoxAnyChan;
    QLineEdit* Edit1L;
    QLineEdit* Edit1H;
    QLineEdit* Edit2L;
    QLineEdit* Edit2H;
    QPushButton* ButtonAny1;
    QPushButton* ButtonAny2;
    QCheckBox* CheckBoxHex;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void CheckBoxHexClick();
    void showRange(QLineEdit* low, QLineEdit* high, std::uint8_t from, std::uint8_t to);

    bool shownInHex_ = false;  // the form the four range boxes are in
};

}  // namespace events::ui

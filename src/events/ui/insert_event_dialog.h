#pragma once
// "Insert event...": the type of the new event and what it is made of:
// channel, text kind and text, or hex data, each enabled as the type needs.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"
#include "events/insert_event.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace events::ui {

class RadioGroup;

class InsertEventDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    InsertEventDialog(const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
               QWidget* parent = nullptr);

    InsertValues values() const;

    RadioGroup* RGType;
    QGroupBox* GroupChannel;
    QSpinBox* EditChan;  // with its up-down
    RadioGroup* RGText;
    QGroupBox* GroupText;
    QLineEdit* EditText;
    QGroupBox* GroupData;
    QLineEdit* EditData;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    // Enables the fields the type uses and presets its hex data.
    void RGTypeClick(int type);
};

}  // namespace events::ui

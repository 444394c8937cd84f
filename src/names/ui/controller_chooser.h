#pragma once
// "Select Controller": a controller from the "Control.INI" list and its value.
#include <filesystem>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/ui/window_position.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

class ControllerChooser : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `items` as names::controllerList gives them; controller and value preset
    // the choice. The window keeps its place in `settingsFile`.
    ControllerChooser(std::vector<std::string> items, int controller, int value, const std::filesystem::path& settingsFile,
             const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    // After OK: the chosen item's controller (the preset one when the list is empty) and the value.
    int controller() const { return controller_; }
    int value() const { return value_; }

    QListWidget* ListBox;
    QGroupBox* GroupBox1;
    QSlider* TrackBar;
    QLineEdit* EditVal;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void TrackBarChange(int position);
    void EditValChange(const QString& text);
    void ButtonOKClick();

    std::vector<std::string> items_;
    int controller_;
    int value_;
};

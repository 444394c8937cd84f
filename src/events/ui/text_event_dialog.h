#pragma once
// "Text Event": a text and its kind, with the standard section markers of a
// style offered for markers and the genres of "Genre.INI" for plain texts.
#include <filesystem>
#include <string>

#include "base/language.h"
#include "base/ui/window_position.h"
#include "events/event_properties.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace events::ui {

class RadioGroup;

class TextEventDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // The text is bytes (shown one character per byte); `genreFile` is
    // "Genre.INI" of the program directory (missing: no genres).
    TextEventDialog(const TextValues& values, const std::filesystem::path& genreFile, const std::filesystem::path& settingsFile,
           const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);
    TextValues values() const;

    RadioGroup* Kind;
    QLineEdit* Edit1;
    RadioGroup* Standart;
    QListWidget* ListBox1;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // With kind "Marker" the standard markers are offered and the one that
    // reads as the text is chosen; with any other kind none is.
    void showStandardMarker();
    void StandartClick(int index);
    void ListBox1Click();
};

}  // namespace events::ui

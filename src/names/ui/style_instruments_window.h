#pragma once
// "Style Instruments": bank, group and instrument of every channel in one
// section of the style, with the instrument definition file to name them.
#include <filesystem>
#include <functional>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "document/document.h"
#include "names/instrument_definitions.h"

class QComboBox;
class QPushButton;
class QTableWidget;

class StyleInstrumentsWindow : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `dialogs` asks for a definition file; the window keeps its place in `settingsFile`.
    StyleInstrumentsWindow(const document::Document& document, names::InstrumentDefinitions& definitions,
             base::ui::UserDialogs& dialogs, const std::filesystem::path& settingsFile,
             const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

    // Called with the new definition file after "&Ins File" chose one (for the "InsFile" setting).
    std::function<void(const std::filesystem::path&)> onInsFileChosen;

    // After "C&hange": the chosen channel 0-15 (-1 for none) and the row of its
    // last program change in the shown section (0 for none).
    int selectedChannel() const;
    int programRow() const;
    const document::ChannelTable& channels() const { return channels_; }

    QTableWidget* StringGrid1;
    QComboBox* ComboBox;
    QPushButton* ButtonChange;
    QPushButton* ButtonCancel;
    QPushButton* ButtonIns;

private:
    void ComboBoxChange(int index);
    void StringGrid1Click();
    void ButtonInsClick();
    void fillGrid();
    void showSection(std::string_view marker);

    const document::Document& document_;
    names::InstrumentDefinitions& definitions_;
    const base::Language& language_;
    base::ui::UserDialogs& dialogs_;
    document::ChannelTable channels_{};
};

#pragma once
// "Setup": MIDI output port, the global options, the event colours, the file
// association and the language, on five pages. The dialog edits a copy of
// the settings' values; the caller takes them back after OK.
#include <QLabel>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_association.h"
#include "app/setup.h"
#include "base/language.h"
#include "base/message.h"
#include "base/ui/captions.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace app::ui {

// The output ports as the port layer names them, and its test note.
struct MidiPortList {
    std::vector<std::string> names;  // port 0, 1, ...
    // Sends program 0 and note 48 at velocity 127 on channel 1 of the port.
    std::function<void(int port)> startTest;
    // Sends the note-off of note 48; called about 2 seconds later.
    std::function<void()> endTest;
};

struct SetupContext {
    base::ui::UserDialogs& dialogs;
    const base::Language& language;
    std::filesystem::path settingsFile;
    std::filesystem::path programDir;  // holds the ".lng" files
    // Associates one extension ("STY" ...) with the program.
    std::function<base::Outcome(std::string_view extension)> associate;
};

// A colour label: a left click chooses its background, any other its text colour.
class ColourLabel : public QLabel {
    Q_OBJECT
public:
    ColourLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}
    std::function<void(Qt::MouseButton)> clicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

class SetupDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    static constexpr int kTestTicks = 20;  // of Timer1's 100 ms: the test note lasts about 2 s

    SetupDialog(QWidget* parent, SetupContext context, const app::SetupValues& values, MidiPortList ports);
    ~SetupDialog() override;

    // The values as the dialog shows them (read after OK).
    app::SetupValues values() const;
    void done(int result) override;

    QTabWidget* PageControl1;
    QGroupBox* GroupBoxOut;
    QListWidget* ListBoxOut;
    QPushButton* ButtonTest;
    QGroupBox* GroupBoxIn;
    QCheckBox* CheckBoxClearCasm;
    QCheckBox* CheckBoxDelConfirm;
    QCheckBox* CheckBoxDelNote;
    QCheckBox* CheckBoxAdvanced;
    QCheckBox* CheckBoxOverWrite;
    std::array<ColourLabel*, document::kColourClassCount> ColourLabels{};  // [0] stays empty
    std::array<QPushButton*, app::kStyleExtensions.size()> AssociateButtons{};
    QGroupBox* GroupBoxLang;
    QTreeWidget* ListViewLang;
    QPushButton* ButtonEnglish;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
    QTimer Timer1;

private:
    QWidget* buildMidiPage();
    QWidget* buildGlobalPage();
    QWidget* buildColourPage();
    QWidget* buildAssociationPage();
    QWidget* buildLanguagePage();
    void paintLabel(int colourClass);
    void LabelClick(int colourClass, Qt::MouseButton button);
    void ButtonTestClick();
    void Timer1Timer();
    void AssociateClick(std::string_view extension);

    SetupContext context_;
    base::ui::Captions captions_;
    app::SetupValues values_;
    MidiPortList ports_;
    int countdown_ = 0;
};

}  // namespace app::ui

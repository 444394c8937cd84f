#pragma once
// "Patch selection": the 128 General MIDI programs in a tree of their 16 groups.
#include <filesystem>

#include "app/language.h"
#include "app/ui/window_position.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TSelPatch : public app::ui::RememberedDialog {
    Q_OBJECT
public:
    // The window keeps its place in `settingsFile`.
    TSelPatch(int program, const std::filesystem::path& settingsFile,
              const app::Language& language = app::builtinLanguage(), QWidget* parent = nullptr);

    // After OK: the chosen program; the preset one when a group node was chosen.
    int program() const { return program_; }

    // The program node of a program 0-127.
    QTreeWidgetItem* programNode(int program) const;

    QTreeWidget* TreeView1;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void ButtonOKClick();

    int program_;
};

#pragma once
// "Patch selection": the 128 General MIDI programs in a tree of their 16 groups.
#include <filesystem>

#include "base/language.h"
#include "base/ui/window_position.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class PatchChooser : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // The window keeps its place in `settingsFile`.
    PatchChooser(int program, const std::filesystem::path& settingsFile,
              const base::Language& language = base::builtinLanguage(), QWidget* parent = nullptr);

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

#pragma once
// "Patch selection": the 128 General MIDI programs in a tree of their 16 groups.
#include <QDialog>

#include "app/language.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TSelPatch : public QDialog {
    Q_OBJECT
public:
    explicit TSelPatch(int program, const app::Language& language = app::builtinLanguage(),
                       QWidget* parent = nullptr);

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

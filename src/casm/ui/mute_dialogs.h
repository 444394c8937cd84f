#pragma once
// The mute dialogs and the chord picker: "Note Mute" (`NoteMuteDialog`) edits a
// 12-bit note mask, "Chord Mute" (`ChordMuteDialog`) a 34-bit chord mask with its
// presets, "Chords from Root C" (`ChordTypesDialog`) shows every chord type as a
// picture with a check box, in single-choice mode a chord-type picker.
// Each edits its own copy of the mask; the caller reads it after OK.
#include <array>

#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/masks.h"
#include "casm/ui/dialog_context.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QGroupBox;

namespace casm::ui {

class ChordPicture;

class NoteMuteDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    NoteMuteDialog(QWidget* parent, const DialogContext& context, const NoteMask& mask);
    const NoteMask& mask() const { return mask_; }

    QLabel* Label1;
    QListWidget* CheckListBox1;
    QPushButton* ButtonAll;
    QPushButton* ButtonUnselectAll;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void showMask();

    base::ui::Captions captions_;
    NoteMask mask_;
    bool filling_ = false;
};

class ChordMuteDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    ChordMuteDialog(QWidget* parent, const DialogContext& context, const ChordMask& mask);
    const ChordMask& mask() const { return mask_; }
    const ChordMutePresets& presets() const { return presets_; }

    QLabel* Label1;
    QListWidget* CheckListBox1;  // types 0 to 16
    QListWidget* CheckListBox2;  // types 17 to 33
    QPushButton* ButtonAll;
    QPushButton* ButtonUnselectAll;
    QPushButton* ButtonMin;
    QPushButton* ButtonMaj;
    QPushButton* ButtonInv;
    QGroupBox* GroupBox1;
    std::array<QPushButton*, 4> saveButtons;  // ButtonSave1, Button1, Button3, Button5
    std::array<QPushButton*, 4> loadButtons;  // ButtonLoad1, Button2, Button4, Button6
    QPushButton* Image1;                      // the chord pictures
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
    QMenu* PopupMenu1;

    void setMask(const ChordMask& mask);
    void done(int result) override;

private:
    void Image1Click();

    DialogContext context_;
    base::ui::Captions captions_;
    ChordMask mask_;
    ChordMutePresets presets_;
    bool filling_ = false;
};

class ChordTypesDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // The boxes checked from bits 0 to 33 of `checked`.
    ChordTypesDialog(QWidget* parent, const DialogContext& context, const ChordMask& checked);
    // A chord-type picker: checking a box unchecks every other.
    void setSingleChoice(bool on) { singleChoice_ = on; }
    ChordMask checked() const;
    // The first checked type, 0 ("Maj") when none is.
    int firstChecked() const;

    std::array<ChordPicture*, 34> images;
    std::array<QCheckBox*, 34> boxes;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    base::ui::Captions captions_;
    bool singleChoice_ = false;
};

// The chord picker on one chord type: nothing on Cancel.
std::optional<int> pickChordType(QWidget* parent, const DialogContext& context, int type);

}  // namespace casm::ui

#pragma once
// The dialogs of the "&Assign" menu: the chord root and type dialogs
// (`ChordRootDialog`, `ChordTypeDialog`, `ChordRootTypeDialog`), the rule assignment
// `RuleAssignDialog`, and the section chooser `SectionChooser`. Each is preset from the
// current entry and returns what the user chose; the editor applies it to
// its group of entries with the core's assignment.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/assign.h"
#include "casm/ui/dialog_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace casm::ui {

// Chord root and/or chord type radio groups, "    Use for all", "&Assign".
class ChordAssignDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    std::optional<std::uint8_t> root() const;
    std::optional<std::uint8_t> type() const;
    bool useForAll() const;

    QButtonGroup* RadioGroupRoot = nullptr;
    QButtonGroup* RadioGroupType = nullptr;
    QPushButton* ButtonPicture = nullptr;  // opens the chord picker
    QCheckBox* CheckBoxAll;
    QPushButton* ButtonAssign;
    QPushButton* ButtonCancel;

protected:
    // `captionId` is the dialog's caption; `suffix` follows it (" for Main A").
    ChordAssignDialog(QWidget* parent, const DialogContext& context, const char* settingsSection, int captionId, bool withRoot,
                      bool withType, const Entry& current, const QString& suffix);

private:
    DialogContext context_;
    base::ui::Captions captions_;
};

class ChordRootDialog : public ChordAssignDialog {
    Q_OBJECT
public:
    ChordRootDialog(QWidget* parent, const DialogContext& context, const Entry& current, const QString& suffix);
};

class ChordTypeDialog : public ChordAssignDialog {
    Q_OBJECT
public:
    ChordTypeDialog(QWidget* parent, const DialogContext& context, const Entry& current, const QString& suffix);
};

class ChordRootTypeDialog : public ChordAssignDialog {
    Q_OBJECT
public:
    ChordRootTypeDialog(QWidget* parent, const DialogContext& context, const Entry& current, const QString& suffix);
};

// "Assign ...": nine "Assign ..." boxes, each enabling its control; for a
// Ctb2 entry the names are the SFF2 ones, a zone choice says which zone the
// rules go to and a tenth box assigns the middle range.
class RuleAssignDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // With `channelVariant` the channel combo shows, set to the entry's channel.
    RuleAssignDialog(QWidget* parent, const DialogContext& context, const Entry& current, Zone shown, bool channelVariant,
             const QString& caption);

    // The ticked boxes and their values (rules of the current entry's kind).
    RuleAssignment assignment() const;
    // The channel combo's choice: a channel 0 to 15, or nothing for "All".
    std::optional<int> channel() const;

    QCheckBox* CheckBoxNTR;
    QCheckBox* CheckBoxNTT;
    QCheckBox* CheckBoxHK;
    QCheckBox* CheckBoxRTR;
    QCheckBox* CheckBoxLow;
    QCheckBox* CheckBoxHigh;
    QCheckBox* CheckBoxNoteMute;
    QCheckBox* CheckBoxChordMute;
    QCheckBox* CheckBoxAutoStart;
    QCheckBox* CheckBoxMiddle = nullptr;  // Ctb2 only
    QButtonGroup* RadioGroupNTR;
    QComboBox* ComboBoxNTT;
    QCheckBox* CheckBoxBass = nullptr;  // Ctb2 only: the NTT's bass bit
    QComboBox* ComboBoxHK;
    QComboBox* ComboBoxRTR;
    QSpinBox* SpinLow;
    QSpinBox* SpinHigh;
    QPushButton* ButtonLowNote;
    QPushButton* ButtonHighNote;
    QPushButton* ButtonNoteMute;
    QPushButton* ButtonChordMute;
    QCheckBox* AutoStart;
    QComboBox* ComboBoxZone = nullptr;  // Ctb2 only
    QSpinBox* SpinMidLow = nullptr;
    QSpinBox* SpinMidHigh = nullptr;
    QComboBox* ComboBoxChan;
    QPushButton* ButtonAssign;
    QPushButton* ButtonCancel;

private:
    void ticked();
    void fillNtt(int ntr);
    void pickNote(QSpinBox* spin);

    DialogContext context_;
    base::ui::Captions captions_;
    TableKind kind_;
    NoteMask noteMask_;
    ChordMask chordMask_;
    std::vector<QCheckBox*> boxes_;
};

// "Select Sections": every section of the list once, the current one ticked.
class SectionChooser : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    SectionChooser(QWidget* parent, const DialogContext& context, const std::vector<std::string>& sections,
            const std::string& current);
    std::vector<std::string> ticked() const;

    QListWidget* CheckListBox1;
    QPushButton* ButtonOK;

private:
    base::ui::Captions captions_;
};

}  // namespace casm::ui

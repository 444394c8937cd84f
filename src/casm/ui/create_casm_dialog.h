#pragma once
// "Create CASM section...": the 16 MIDI channels of the MIDI part with
// their bank, instrument, group and note counts, and the part kind each is
// to get ("ASSIGN"), proposed from the survey and chosen in the combo box.
// The caller creates the section from the kinds after "Create CASM".
#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/creation.h"
#include "casm/ui/dialog_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace casm::ui {

class CreateCasmDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    CreateCasmDialog(QWidget* parent, const DialogContext& context, const Survey& survey, PatchNameLookup patchName);

    // The kind of each channel: its "ASSIGN" text among the kind names, 0 otherwise.
    Kinds kinds() const;
    // Chooses a kind for the current row, as the combo box does.
    void chooseKind(int row, Kind kind);

    QTableWidget* StringGrid1;
    QComboBox* ComboBox1;
    QCheckBox* CheckBoxNotes;
    QPushButton* ButtonCreate;
    QPushButton* ButtonCancel;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void fill();
    void layoutColumns();
    QString kindText(Kind kind) const;

    base::ui::Captions captions_;
    Survey survey_;
    PatchNameLookup patchName_;
};

}  // namespace casm::ui

#pragma once
// "CASM byte editor": every byte of one entry as a number in a two-column
// grid, typed in decimal or hexadecimal. It edits a private copy; the
// caller applies it after OK (applyEditedEntry). A Ctb2 entry shows all
// its 47 bytes.
#include <vector>

#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/entry.h"
#include "casm/ui/dialog_context.h"

class QPushButton;
class QRadioButton;
class QGroupBox;
class QTableWidget;

namespace casm::ui {

class EntryBytesDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    EntryBytesDialog(QWidget* parent, const DialogContext& context, const Entry& entry);

    // The copy with the grid read back in the present format.
    const Entry& edited();
    bool hex() const;
    // Reads the grid in the format it shows, then shows it in the other.
    void setHex(bool hex);

    QTableWidget* StringGrid1;
    QGroupBox* RadioGroup1;
    QRadioButton* RadioDec;
    QRadioButton* RadioHex;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

    void done(int result) override;

private:
    void showBytes(bool hex);
    void readBack();

    DialogContext context_;
    base::ui::Captions captions_;
    Entry copy_;
    std::vector<ByteField> rows_;
    bool shownHex_ = false;
};

}  // namespace casm::ui

#pragma once
// "Cntt": a value 0 to 255 for an entry's Cntt, and "Delete", which
// removes it. There is no OK button: closing the window any other way
// takes the value.
#include <QDialog>
#include <cstdint>
#include <optional>

#include "base/ui/captions.h"
#include "casm/ui/dialog_context.h"

class QPushButton;
class QSpinBox;

namespace casm::ui {

class CnttDialog : public QDialog {
    Q_OBJECT
public:
    CnttDialog(QWidget* parent, const DialogContext& context, int value);

    // After exec(): Delete gives nothing, any other close the value.
    std::optional<std::uint8_t> cntt() const;

    QSpinBox* SpinEdit1;
    QPushButton* ButtonDelete;

    void reject() override;  // Esc and the close box take the value too

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    base::ui::Captions captions_;
    bool deleted_ = false;
};

}  // namespace casm::ui

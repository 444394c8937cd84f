#pragma once
#include <string>
#include <vector>

#include "base/ui/window_position.h"
#include "casm/ui/dialog_context.h"

namespace casm::ui {

// "Check CASM": the check's lines in a list, and "&OK".
class CasmCheckDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    CasmCheckDialog(QWidget* parent, const DialogContext& context, const std::vector<std::string>& lines);
};

}  // namespace casm::ui

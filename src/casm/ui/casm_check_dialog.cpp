#include "casm/ui/casm_check_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "casm/ui/qt_text.h"

namespace casm::ui {

CasmCheckDialog::CasmCheckDialog(QWidget* parent, const DialogContext& context, const std::vector<std::string>& lines)
    : RememberedDialog(parent, context.settingsFile, "CheckCasm") {
    setWindowTitle("Check CASM");
    auto* layout = new QVBoxLayout(this);
    auto* list = new QListWidget(this);
    list->setObjectName("ListBox1");
    for (const auto& line : lines) list->addItem(base::ui::qtext(line));
    auto* ok = new QPushButton(QString::fromStdString(context.language.text(80)), this);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(list);
    layout->addWidget(ok, 0, Qt::AlignRight);
    list->setMinimumSize(440, 240);
    restorePlace();
}

}  // namespace casm::ui

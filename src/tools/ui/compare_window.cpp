#include "tools/ui/compare_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QListView>
#include <QVBoxLayout>

#include "base/ui/window_position.h"
#include "tools/ui/dump_models.h"

namespace tools::ui {

CompareWindow::CompareWindow(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile,
                   tools::Comparison comparison)
    : QWidget(parent, Qt::Window), captions_(language), settingsFile_(settingsFile) {
    setObjectName("Compare");
    setAttribute(Qt::WA_DeleteOnClose);
    captions_.add(215, [this](const QString& t) { setWindowTitle(t); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ListBox1 = new QListView(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setModel(new CompareModel(std::move(comparison), ListBox1));
    layout->addWidget(ListBox1);
    resize(520, 360);
    base::ui::restoreOrCentre(*this, settingsFile_, "Compare");
}

void CompareWindow::closeEvent(QCloseEvent* e) {
    base::ui::storeWindow(*this, settingsFile_, "Compare");
    QWidget::closeEvent(e);
}

}  // namespace tools::ui

#include "names/ui/patch_chooser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "names/gm_tables.h"

namespace {
constexpr int kProgramRole = Qt::UserRole;
}

PatchChooser::PatchChooser(int program, const std::filesystem::path& settingsFile, const base::Language& language,
                     QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "SelPatch"), program_(program & 127) {
    setWindowTitle(base::ui::text(language, 312, "Patch selection"));

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    for (int group = 0; group < names::kGmGroupCount; ++group) {
        auto* groupNode = new QTreeWidgetItem(TreeView1, {base::ui::qtext(names::gmGroupName(group))});
        groupNode->setData(0, kProgramRole, -1);
        for (int i = 0; i < names::kProgramsPerGroup; ++i) {
            const int p = group * names::kProgramsPerGroup + i;
            auto* node = new QTreeWidgetItem(groupNode, {base::ui::qtext(names::patchTreeName(p))});
            node->setData(0, kProgramRole, p);
        }
    }
    QTreeWidgetItem* preset = programNode(program_);
    preset->parent()->setExpanded(true);
    TreeView1->setCurrentItem(preset);
    TreeView1->scrollToItem(preset);

    auto* buttons = base::ui::okCancelRow(this, language, "OK", "Cancel", ButtonOK, ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TreeView1, 1);
    layout->addLayout(buttons);

    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && item->parent()) ButtonOKClick();
    });
    connect(ButtonOK, &QPushButton::clicked, this, &PatchChooser::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

QTreeWidgetItem* PatchChooser::programNode(int program) const {
    const int p = program & 127;
    return TreeView1->topLevelItem(p / names::kProgramsPerGroup)->child(p % names::kProgramsPerGroup);
}

void PatchChooser::ButtonOKClick() {
    // A group node names no program: the preset one stays.
    if (const QTreeWidgetItem* item = TreeView1->currentItem()) {
        const int p = item->data(0, kProgramRole).toInt();
        if (p >= 0) program_ = p;
    }
    accept();
}

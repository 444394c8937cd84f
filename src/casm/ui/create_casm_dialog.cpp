#include "casm/ui/create_casm_dialog.h"
#include "casm/ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <numeric>

#include "base/ui/cut_texts.h"
#include "base/ui/window_position.h"
#include "casm/editor_grid.h"

namespace casm::ui {
namespace {

constexpr int kShares[] = {5, 17, 20, 15, 8, 9, 9, 17};
constexpr int kAssignColumn = 7;

}  // namespace

CreateCasmDialog::CreateCasmDialog(QWidget* parent, const DialogContext& context, const Survey& survey, PatchNameLookup patchName)
    : RememberedDialog(parent, context.settingsFile, "CrCasm"),
      captions_(context.language),
      survey_(survey),
      patchName_(std::move(patchName)) {
    auto* layout = new QVBoxLayout(this);
    StringGrid1 = new QTableWidget(16, 8, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setMinimumSize(700, 16 * 20 + 30);
    layout->addWidget(StringGrid1, 1);
    auto* bottom = new QHBoxLayout;
    CheckBoxNotes = new QCheckBox(this);
    CheckBoxNotes->setObjectName("CheckBoxNotes");
    CheckBoxNotes->setChecked(true);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (int k = 0; k < static_cast<int>(kindNames().size()); ++k) ComboBox1->addItem(kindText(static_cast<Kind>(k)));
    ButtonCreate = new QPushButton(this);
    ButtonCreate->setObjectName("ButtonCreate");
    ButtonCreate->setDefault(true);
    ButtonCancel = new QPushButton(this);
    ButtonCancel->setObjectName("ButtonCancel");
    bottom->addWidget(CheckBoxNotes);
    bottom->addWidget(ComboBox1);
    bottom->addStretch();
    bottom->addWidget(ButtonCreate);
    bottom->addWidget(ButtonCancel);
    layout->addLayout(bottom);

    captions_.add(216, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(217, [this](const QString& t) { ButtonCreate->setText(t); });
    captions_.add(81, [this](const QString& t) { ButtonCancel->setText(t); });
    captions_.add(218, [this](const QString& t) { CheckBoxNotes->setText(t); });
    StringGrid1->setHorizontalHeaderLabels({captions_.text(157), captions_.text(226), captions_.text(227),
                                            captions_.text(228), captions_.text(229), captions_.text(230),
                                            captions_.text(231), captions_.text(232)});

    connect(CheckBoxNotes, &QCheckBox::toggled, this, [this] { fill(); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row) {
        const auto* cell = StringGrid1->item(row, kAssignColumn);
        const int at = cell ? ComboBox1->findText(cell->text()) : -1;
        ComboBox1->setCurrentIndex(std::max(at, 0));
    });
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        chooseKind(StringGrid1->currentRow(), static_cast<Kind>(index));
    });
    connect(ButtonCreate, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    fill();
    base::ui::showCutTextsAsTooltips(*StringGrid1);
    restorePlace();
    // Wide enough for every instrument name (within the screen), however
    // narrow the stored width.
    const auto whole = base::ui::wholeTextWidths(*StringGrid1);
    const int wanted = std::accumulate(whole.begin(), whole.end(), 0) + base::ui::gridChrome(*StringGrid1) +
                       width() - StringGrid1->width() + 2;
    if (wanted > width()) {
        const QRect client = geometry();
        base::ui::applyBounds(*this, {client.x(), client.y(), base::ui::widthWithinScreen(*this, wanted), client.height()});
    }
}

QString CreateCasmDialog::kindText(Kind kind) const {
    const int k = static_cast<int>(kind);
    const auto name = kindName(kind);
    return captions_.text(219 + k, std::string(name).c_str());
}

void CreateCasmDialog::fill() {
    const bool onlyWithNotes = CheckBoxNotes->isChecked();
    for (int ch = 0; ch < 16; ++ch) {
        const auto row = creationRow(survey_[static_cast<std::size_t>(ch)], ch, onlyWithNotes, patchName_);
        const std::string cells[8] = {std::to_string(ch + 1), row.bank, row.instrument, row.group,
                                      row.notes,             row.repeat, row.maxRepeat, std::string()};
        for (int c = 0; c < 8; ++c)
            StringGrid1->setItem(ch, c, new QTableWidgetItem(c == 0 || row.filled ? base::ui::qtext(cells[c]) : QString()));
        if (row.filled && !row.assign.empty()) StringGrid1->item(ch, kAssignColumn)->setText(kindText(row.kind));
    }
}

void CreateCasmDialog::chooseKind(int row, Kind kind) {
    if (row < 0 || row >= 16) return;
    StringGrid1->item(row, kAssignColumn)->setText(kindText(kind));
}

Kinds CreateCasmDialog::kinds() const {
    Kinds kinds{};
    for (int ch = 0; ch < 16; ++ch) {
        const auto* cell = StringGrid1->item(ch, kAssignColumn);
        const int at = cell && !cell->text().isEmpty() ? ComboBox1->findText(cell->text()) : -1;
        kinds[static_cast<std::size_t>(ch)] = at > 0 ? static_cast<Kind>(at) : Kind::Unknown;
    }
    return kinds;
}

void CreateCasmDialog::layoutColumns() {
    const auto whole = base::ui::wholeTextWidths(*StringGrid1);
    const auto widths = columnWidths(kShares, StringGrid1->viewport()->width(), 2, whole);
    for (int c = 0; c < 8; ++c) StringGrid1->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

void CreateCasmDialog::resizeEvent(QResizeEvent* e) {
    RememberedDialog::resizeEvent(e);
    QTimer::singleShot(0, this, [this] { layoutColumns(); });
}

}  // namespace casm::ui

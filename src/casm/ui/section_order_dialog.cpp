#include "casm/ui/section_order_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "casm/editor_grid.h"

namespace casm::ui {
namespace {

constexpr int kShares[] = {10, 40, 20, 30};

}  // namespace

bool& SectionOrderDialog::compressedFormat() {
    static bool compressed = true;
    return compressed;
}

SectionOrder SectionOrderDialog::asOrder(QWidget* parent, const DialogContext& context) {
    return [parent, context](SectionTable& table) {
        SectionOrderDialog dialog(parent, context, table);
        return dialog.exec() == QDialog::Accepted;
    };
}

SectionOrderDialog::SectionOrderDialog(QWidget* parent, const DialogContext& context, SectionTable& table)
    : RememberedDialog(parent, context.settingsFile, "CasmOrder"), table_(table), captions_(context.language) {
    auto* layout = new QHBoxLayout(this);
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setColumnCount(4);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setMinimumSize(340, 220);
    layout->addWidget(StringGrid1, 1);

    auto* side = new QVBoxLayout;
    BtnUp = new QToolButton(this);
    BtnUp->setObjectName("BtnUp");
    BtnUp->setArrowType(Qt::UpArrow);
    BitBtnDown = new QToolButton(this);
    BitBtnDown->setObjectName("BitBtnDown");
    BitBtnDown->setArrowType(Qt::DownArrow);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    CheckBoxCompressed = new QCheckBox(this);
    CheckBoxCompressed->setObjectName("CheckBoxCompressed");
    CheckBoxCompressed->setChecked(compressedFormat());
    base::ui::okCancelButtons(*this, captions_, ButtonOK, ButtonCancel, "OK", "Cancel");
    side->addWidget(BtnUp);
    side->addWidget(BitBtnDown);
    side->addSpacing(12);
    side->addWidget(Label1);
    side->addWidget(CheckBoxCompressed);
    side->addStretch();
    side->addWidget(ButtonOK);
    side->addWidget(ButtonCancel);
    layout->addLayout(side);

    captions_.add(202, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(203, [this](const QString& t) { Label1->setText(t); });
    captions_.add(204, [this](const QString& t) { CheckBoxCompressed->setText(t); });
    captions_.add(67, [this](const QString&) { layoutColumns(); });

    connect(BtnUp, &QToolButton::clicked, this, [this] { BtnUpClick(); });
    connect(BitBtnDown, &QToolButton::clicked, this, [this] { BitBtnDownClick(); });
    connect(this, &QDialog::accepted, this, [this] { compressedFormat() = CheckBoxCompressed->isChecked(); });
    fill();
    restorePlace();
    StringGrid1->selectRow(0);
}

void SectionOrderDialog::fill() {
    StringGrid1->setRowCount(static_cast<int>(table_.size()));
    for (std::size_t r = 0; r < table_.size(); ++r) {
        const auto cells = sectionOrderCells(table_, r);
        for (int c = 0; c < 4; ++c) {
            const auto& text = cells[static_cast<std::size_t>(c)];
            StringGrid1->setItem(static_cast<int>(r), c,
                                 new QTableWidgetItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))));
        }
    }
}

void SectionOrderDialog::layoutColumns() {
    StringGrid1->setHorizontalHeaderLabels({captions_.text(67), captions_.text(154), captions_.text(205), captions_.text(206)});
    const auto widths = columnWidths(kShares, StringGrid1->viewport()->width(), 2);
    for (int c = 0; c < 4; ++c) StringGrid1->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

void SectionOrderDialog::resizeEvent(QResizeEvent* e) {
    RememberedDialog::resizeEvent(e);
    // The grid's viewport has its new width once the layout has run.
    QTimer::singleShot(0, this, [this] { layoutColumns(); });
}

void SectionOrderDialog::BtnUpClick() {
    const int row = StringGrid1->currentRow();
    if (row < 1 || !moveSectionUp(table_, static_cast<std::size_t>(row))) return;
    fill();
    StringGrid1->selectRow(row - 1);
}

void SectionOrderDialog::BitBtnDownClick() {
    const int row = StringGrid1->currentRow();
    if (row < 0 || !moveSectionDown(table_, static_cast<std::size_t>(row))) return;
    fill();
    StringGrid1->selectRow(row + 1);
}

}  // namespace casm::ui

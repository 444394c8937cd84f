#pragma once
// "CASM Sections data order": shown by every save that writes a CASM
// section. It lists the writer's section table in the order it will be
// written, marks the sections saved together in one segment ("*" and the
// group number), and moves sections up and down; Cancel abandons the save.
#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/ui/dialog_context.h"
#include "casm/writer.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace casm::ui {

class SectionOrderDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // Works on `table` directly: a move swaps two of its rows.
    SectionOrderDialog(QWidget* parent, const DialogContext& context, SectionTable& table);

    // The "Compressed format" setting: kept for the program run, initially set.
    static bool& compressedFormat();
    // The writer's order step: the dialog, modally, on the grouped table.
    static SectionOrder asOrder(QWidget* parent, const DialogContext& context);

    void BtnUpClick();
    void BitBtnDownClick();

    QTableWidget* StringGrid1;
    QLabel* Label1;
    QCheckBox* CheckBoxCompressed;
    QToolButton* BtnUp;
    QToolButton* BitBtnDown;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void fill();
    void layoutColumns();

    SectionTable& table_;
    base::ui::Captions captions_;
};

}  // namespace casm::ui

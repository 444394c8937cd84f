// Double-click editing in the CASM editor's grid: each column's editor (a
// popup menu, a dialog or the name window) picks a value, which goes to
// the clicked entry and, when it is one of two or more marked entries, to
// every marked entry (the core's marked-entries rule).
#include <QAction>
#include <QCursor>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "casm/assign.h"
#include "casm/cell_edits.h"
#include "casm/masks.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/cntt_dialog.h"
#include "casm/ui/mute_dialogs.h"
#include "casm/ui/note_picker.h"
#include "casm/ui/open_casm.h"
#include "casm/ui/qt_text.h"
#include "casm/values.h"

namespace casm::ui {
std::optional<int> CasmEditorWindow::popupChoice(const QStringList& items, int ticked, const QPoint& at, bool withNew) {
    QMenu menu(this);
    menu.setObjectName("CellMenu");
    for (int i = 0; i < items.size(); ++i) {
        auto* a = menu.addAction(items[i]);
        a->setCheckable(true);
        a->setChecked(i == ticked);
        a->setData(i);
    }
    if (withNew) {
        menu.addSeparator();
        menu.addAction(text(387, "Enter new..."))->setData(-1);
    }
    const QAction* chosen = menu.exec(at);
    if (!chosen) return std::nullopt;
    return chosen->data().toInt();
}

void CasmEditorWindow::editByte(std::size_t clicked, const Column& column, std::uint8_t value, std::uint8_t mask) {
    change(QString::fromLatin1(column.heading.data(), static_cast<qsizetype>(column.heading.size())),
           [&](CasmList& list) { editCell(list.entries, clicked, column, shownZone(), value, mask); });
}

std::optional<int> CasmEditorWindow::pickNote(int note) {
    NotePicker picker(this, dialogContext(), note);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.note();
}

std::optional<QString> CasmEditorWindow::askName(const QString& name, const QPoint& at) {
    // A small window under the cell: one edit field and "OK"; Esc closes it.
    QDialog window(this, Qt::Tool);
    window.setObjectName("NameWindow");
    window.setWindowTitle("Name");
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* edit = new QLineEdit(name, &window);
    edit->setObjectName("EditName");
    edit->setMaxLength(static_cast<int>(kNameLength));
    auto* ok = new QPushButton("OK", &window);
    ok->setDefault(true);
    layout->addWidget(edit);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    window.move(at);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return edit->text();
}

void CasmEditorWindow::StringGrid1DblClick(int gridRow, int columnIndex) {
    const int at = model_->entryAt(gridRow);
    if (at < 0 || columnIndex < 0 || columnIndex >= model_->columnCount()) return;
    const auto clicked = static_cast<std::size_t>(at);
    const Column& column = model_->column(columnIndex);
    const Entry entry = casm_->entries()[clicked];
    if (!columnApplies(column, entry)) return;
    const Zone zone = columnZone(column, shownZone());
    const bool ctb2 = entry.kind() == TableKind::Ctb2;
    const QPoint mouse = QCursor::pos();
    const QString heading = base::ui::qtext(column.heading);
    const auto byteOf = [&](int v) { return static_cast<std::uint8_t>(v); };
    const int value = columnByte(entry, column, shownZone()) ? entry[*columnByte(entry, column, shownZone())] : 0;

    switch (column.editor) {
        case CellEditor::ToggleMark: casm_->setMarked(clicked, !entry.marked); break;
        case CellEditor::SectionMenu: {
            const auto menu = names(sectionMenuNames());
            const auto choice = popupChoice(menu, static_cast<int>(menu.indexOf(base::ui::qtext(entry.section))), mouse, true);
            if (!choice) return;
            QString name;
            if (*choice >= 0) {
                name = menu[*choice];
            } else {
                const auto typed = context_.dialogs.inputBox(this, text(296, "Section"), text(387, "Enter new..."),
                                                             base::ui::qtext(entry.section));
                if (!typed || typed->isEmpty()) return;
                name = *typed;
            }
            const std::string section = name.toLatin1().toStdString();
            change(text(154), [&](CasmList& list) { editSection(list.entries, clicked, section); });
            break;
        }
        case CellEditor::ChannelMenu: {
            if (const auto c = popupChoice(channelItems(text(50)), value, mouse)) editByte(clicked, column, byteOf(*c));
            break;
        }
        case CellEditor::KeyMenu:
            if (const auto k = popupChoice(names(keyNames()), value, mouse)) editByte(clicked, column, byteOf(*k));
            break;
        case CellEditor::NtrMenu: {
            const QStringList items = ctb2 ? names(ctb2NtrNames()) : QStringList{"Transposition", "Fixed"};
            const int ticked = ctb2 ? value : (value == 0 ? 0 : 1);
            if (const auto n = popupChoice(items, ticked, mouse)) editByte(clicked, column, byteOf(*n));
            break;
        }
        case CellEditor::NttMenu: {
            if (!ctb2) {
                if (const auto n = popupChoice(names(nttNames()), value, mouse)) editByte(clicked, column, byteOf(*n));
                break;
            }
            // The type and the bass bit are set apart, so each marked entry keeps the other.
            QStringList items = names(ctb2NttNames(entry.rule(zone, Rule::NTR)));
            const int types = static_cast<int>(items.size());
            items << QStringLiteral("Bass");
            const bool bass = (value & kBassBit) != 0;
            QMenu menu(this);
            menu.setObjectName("CellMenu");
            for (int i = 0; i <= types; ++i) {
                if (i == types) menu.addSeparator();
                auto* a = menu.addAction(items[i]);
                a->setCheckable(true);
                a->setChecked(i == types ? bass : i == (value & ~kBassBit));
                a->setData(i);
            }
            const QAction* chosen = menu.exec(mouse);
            if (!chosen) return;
            const int i = chosen->data().toInt();
            if (i == types) editByte(clicked, column, bass ? 0 : kBassBit, kBassBit);
            else editByte(clicked, column, byteOf(i), static_cast<std::uint8_t>(~kBassBit));
            break;
        }
        case CellEditor::RtrMenu: {
            QStringList items = names(ctb2 ? ctb2RtrNames() : rtrNames());
            if (!ctb2) items[3] = "Retrigger";
            if (const auto r = popupChoice(items, value, mouse)) editByte(clicked, column, byteOf(*r));
            break;
        }
        case CellEditor::NotePicker:
            if (const auto note = pickNote(value)) editByte(clicked, column, byteOf(*note));
            break;
        case CellEditor::ChordPicker:
            if (const auto type = pickChordType(this, dialogContext(), entry[ChordType]))
                editByte(clicked, column, byteOf(*type));
            break;
        case CellEditor::NameEdit: {
            const QRect cell = StringGrid1->visualRect(model_->index(CasmTableModel::modelRow(gridRow), columnIndex));
            const auto name = askName(base::ui::qtext(entry.name()).trimmed(),
                                      StringGrid1->viewport()->mapToGlobal(cell.bottomLeft()));
            if (!name) return;
            const std::string typed = nameBytes(*name);
            change(heading, [&](CasmList& list) { editName(list.entries, clicked, typed); });
            break;
        }
        case CellEditor::NoteMuteDialog: {
            NoteMuteDialog dialog(this, dialogContext(), noteMaskOf(entry));
            if (dialog.exec() != QDialog::Accepted) return;
            const NoteMask mask = dialog.mask();
            change(heading, [&](CasmList& list) { editNoteMask(list.entries, clicked, mask); });
            break;
        }
        case CellEditor::ChordMuteDialog: {
            ChordMuteDialog dialog(this, dialogContext(), chordMaskOf(entry));
            if (dialog.exec() != QDialog::Accepted) return;
            const ChordMask mask = dialog.mask();
            change(heading, [&](CasmList& list) { editChordMask(list.entries, clicked, mask); });
            break;
        }
        case CellEditor::AutoStartMenu:
            if (const auto on = popupChoice({"Disable AutoStart", "Enable AutoStart"}, entry.autoStart() ? 1 : 0, mouse))
                change(heading, [&](CasmList& list) { editAutoStart(list.entries, clicked, *on == 1); });
            break;
        case CellEditor::CnttWindow: {
            CnttDialog window(this, dialogContext(), entry.cntt);
            window.move(mouse + QPoint(-140, 24));
            window.exec();
            const auto cntt = window.cntt();
            change(heading, [&](CasmList& list) {
                editCntt(list.entries, clicked, cntt.has_value(), cntt ? *cntt : entry.cntt);
            });
            break;
        }
        case CellEditor::ReadOnlyMenu:
            if (const auto r = popupChoice({"Editable", "Read Only"}, value == 0 ? 0 : 1, mouse))
                editByte(clicked, column, byteOf(*r));
            break;
    }
}

}  // namespace casm::ui

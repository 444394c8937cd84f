#pragma once
// A CASM editor over a fresh program directory whose working file the test
// writes, and helpers that answer the editor's popup menus and dialogs.
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "base/file_io.h"
#include "casm/casm_bytes.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/open_casm.h"
#include "casm/ui/section_order_dialog.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"

struct EditorFixture {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    base::Language language;
    std::unique_ptr<casm::ui::CasmEditorWindow> editor;

    std::filesystem::path home() const { return dir.path().toStdString(); }
    std::filesystem::path working() const { return home() / "#casm.csm"; }
    base::Bytes workingBytes() const { return base::readFile(working()).value_or(base::Bytes{}); }

    casm::ui::CasmEditorWindow& open(const base::Bytes& casm, bool delConfirm = true) {
        base::writeFileAtomic(working(), casm);
        editor = std::make_unique<casm::ui::CasmEditorWindow>(
            nullptr, casm::ui::CasmEditorContext{dialogs, language, base::Workspace(home()), "Test.sty", delConfirm});
        editor->show();
        QCoreApplication::processEvents();
        return *editor;
    }
    const std::vector<casm::Entry>& entries() const { return editor->casm().entries(); }
    QAction* action(const char* name) const { return editor->findChild<QAction*>(name); }
    void trigger(const char* name) const { action(name)->trigger(); }
    QString cell(int gridRow, int column) const {
        const auto& m = editor->model();
        return m.data(m.index(casm::ui::CasmTableModel::modelRow(gridRow), column), Qt::DisplayRole).toString();
    }
};

// Chooses the item of the next popup menu whose text is `text` (Esc when none is).
inline void chooseInMenu(const QString& text) {
    whenShown<QMenu>([text](QMenu* menu) {
        for (auto* a : menu->actions())
            if (a->text() == text) {
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        menu->close();
    });
}

// Answers the next section order dialog of a save with OK (or Cancel).
inline void answerOrder(bool ok = true) {
    whenShown<casm::ui::SectionOrderDialog>([ok](casm::ui::SectionOrderDialog* d) { ok ? d->accept() : d->reject(); });
}

// The main window's CASM commands: the CASM editor (F9 and the CASM
// button), modal or open beside the window ("CtabberAdvanced"), and
// "Create CASM &section" (F4) with the editor opened on the new section.
#include <QPushButton>

#include "app/ui/main_window.h"
#include "base/profile.h"
#include "base/ui/user_dialogs.h"
#include "casm/creation.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/create_casm_dialog.h"

namespace app::ui {


void MainWindow::mCasmEditorClick() {
    if (reading_ || !casmInUse_) return;
    if (casmEditor_) {
        casmEditor_->show();
        casmEditor_->raise();
        casmEditor_->activateWindow();
        return;
    }
    casm::ui::CasmEditorContext context{dialogs_, language_, ws_, openedFile_, settings_.delConfirm};
    if (!settings_.ctabberAdvanced) {
        casm::ui::CasmEditorWindow editor(this, std::move(context));
        if (editor.opened()) editor.exec();
        return;
    }
    auto* editor = new casm::ui::CasmEditorWindow(this, std::move(context));
    if (!editor->opened()) {
        delete editor;
        return;
    }
    connect(editor, &QDialog::finished, editor, &QObject::deleteLater);
    casmEditor_ = editor;
    editor->show();
}

void MainWindow::casmAfterRead(const document::ReadResult& result) {
    // The editor beside the window follows the style loaded, as the question before the read let it.
    if (casmEditor_ && result.casmTaken) casmEditor_->reloadWorkingFile(openedFile_);
}

void MainWindow::mCreateCasmClick() {
    if (reading_) return;
    if (casm::sectionNamesFromMarkers(doc_.events).empty()) {
        dialogs_.message(this, lookup(105, "Unable to create the CASM..."), lookup(106, "No Markers in the MIDI part..."),
                         base::Icon::Error, false);
        return;
    }
    const casm::ui::DialogContext context{dialogs_, language_, ws_.settings()};
    auto definitions = definitions_;
    casm::ui::CreateCasmDialog dialog(this, context, casm::surveyChannels(doc_.events),
                             [definitions](int bank, int program) { return definitions->patchName(bank, program); });
    if (dialog.exec() != QDialog::Accepted) return;
    const base::Profile casmIni(ws_.file(base::files::casmDefaults));
    const auto created = casm::createCasmFile(ws_.casm(), doc_.events, dialog.kinds(), casmIni, language_);
    if (!created.ok()) {
        base::ui::showMessage(dialogs_, this, *created.failure);
        return;
    }
    setCasmCommands(true);
    if (casmEditor_) casmEditor_->reloadWorkingFile(openedFile_);
    mCasmEditorClick();
}

}  // namespace app::ui

// The main window's CASM commands: the CASM editor (F9 and the CASM
// button), modal or open beside the window ("CtabberAdvanced"), and
// "Create CASM &section" (F4) with the editor opened on the new section.
#include <QPushButton>

#include "app/profile.h"
#include "app/ui/user_dialogs.h"
#include "casm/creation.h"
#include "casm/ui/tcrcasm.h"
#include "casm/ui/tctabber.h"
#include "app/ui/tmain.h"

namespace app::ui {


void TMain::mCasmEditorClick() {
    if (reading_ || !casmInUse_) return;
    if (casmEditor_) {
        casmEditor_->show();
        casmEditor_->raise();
        casmEditor_->activateWindow();
        return;
    }
    casm::ui::CasmEditorContext context{dialogs_, language_, ws_, openedFile_, settings_.delConfirm};
    if (!settings_.ctabberAdvanced) {
        casm::ui::TCtabber editor(this, std::move(context));
        if (editor.opened()) editor.exec();
        return;
    }
    auto* editor = new casm::ui::TCtabber(this, std::move(context));
    if (!editor->opened()) {
        delete editor;
        return;
    }
    connect(editor, &QDialog::finished, editor, &QObject::deleteLater);
    casmEditor_ = editor;
    editor->show();
}

void TMain::casmAfterRead(const document::ReadResult& result) {
    // The editor beside the window follows the style loaded, as the question before the read let it.
    if (casmEditor_ && result.casmTaken) casmEditor_->reloadWorkingFile(openedFile_);
}

void TMain::mCreateCasmClick() {
    if (reading_) return;
    if (casm::sectionNamesFromMarkers(doc_.events).empty()) {
        dialogs_.message(this, lookup(105, "Unable to create the CASM..."), lookup(106, "No Markers in the MIDI part..."),
                         app::Icon::Error, false);
        return;
    }
    const casm::ui::DialogContext context{dialogs_, language_, ws_.settings()};
    auto definitions = definitions_;
    casm::ui::TCrCasm dialog(this, context, casm::surveyChannels(doc_.events),
                             [definitions](int bank, int program) { return definitions->patchName(bank, program); });
    if (dialog.exec() != QDialog::Accepted) return;
    const app::Profile casmIni(ws_.file(app::files::casmDefaults));
    const auto created = casm::createCasmFile(ws_.casm(), doc_.events, dialog.kinds(), casmIni, language_);
    if (!created.ok()) {
        app::ui::showMessage(dialogs_, this, *created.failure);
        return;
    }
    setCasmCommands(true);
    if (casmEditor_) casmEditor_->reloadWorkingFile(openedFile_);
    mCasmEditorClick();
}

}  // namespace app::ui

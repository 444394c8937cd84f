#include "document/ui/piece_dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "base/file_names.h"

namespace document::ui {
namespace {

QString lookup(const base::Language& lang, int id, const char* builtin) {
    return QString::fromStdString(lang.text(id, builtin));
}

}  // namespace

PiecesDialog::PiecesDialog(QWidget* parent, PieceDialogContext context, Mode mode, const document::PieceNames& names)
    : base::ui::RememberedDialog(parent, context.settingsFile, mode == Mode::Export ? "FExport" : "FImport"),
      context_(context),
      mode_(mode) {
    const bool out = mode == Mode::Export;
    midi_ = {out ? "MIDI filename to export style midi part to ..." : "MIDI filename to import in style ...",
             "Standart MIDI File 0 (*.mid )", "mid"};
    casm_ = {out ? "CASM filename to export style CASM part to ..." : "CASM filename to import to style ...",
             "Yamaha CASM section (*.csm)", "csm"};
    add_ = {out ? "Additional data filename to export style add part to ..." : "Additional data filename to import in style ...",
            "Additional data (*.add)", "add"};
    setModal(true);
    setWindowTitle(out ? lookup(context_.language, 264, "Export to ...") : lookup(context_.language, 265, "Import from ..."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addGroup(262, "MIDI filename (*.mid)", EditMidi, ButtonMidi, midi_));
    layout->addWidget(addGroup(263, "CASM section filename (*.csm)", EditCasm, ButtonCasm, casm_));
    addGroupBox_ = addGroup(382, "Additional data filename (*.add)", EditAdd, ButtonAdd, add_);
    layout->addWidget(addGroupBox_);
    EditMidi->setObjectName("EditMidi");
    EditCasm->setObjectName("EditCasm");
    EditAdd->setObjectName("EditAdd");
    ButtonMidi->setObjectName(out ? "ButtonSaveMidi" : "ButtonOpenMidi");
    ButtonCasm->setObjectName(out ? "ButtonSaveCasm" : "ButtonOpenCasm");
    ButtonAdd->setObjectName(out ? "ButtonSaveAdd" : "ButtonOpenAdd");

    auto* buttons = new QHBoxLayout;
    ButtonOk = new QPushButton(out ? lookup(context_.language, 261, "&Export") : lookup(context_.language, 266, "&Import"), this);
    ButtonOk->setObjectName(out ? "ButtonExport" : "ButtonImport");
    ButtonOk->setDefault(true);
    ButtonCancel = new QPushButton(lookup(context_.language, 81, "&Cancel"), this);
    ButtonCancel->setObjectName("ButtonCancel");
    buttons->addStretch();
    buttons->addWidget(ButtonOk);
    buttons->addWidget(ButtonCancel);
    layout->addLayout(buttons);
    connect(ButtonOk, &QPushButton::clicked, this, &PiecesDialog::okClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);

    EditMidi->setText(QString::fromStdString(names.mid));
    EditCasm->setText(QString::fromStdString(names.csm));
    EditAdd->setText(QString::fromStdString(names.add));
    setMinimumWidth(480);
    restorePlace();
}

QGroupBox* PiecesDialog::addGroup(int textId, const char* builtin, QLineEdit*& edit, QPushButton*& button,
                                  const Piece& piece) {
    auto* group = new QGroupBox(lookup(context_.language, textId, builtin), this);
    auto* row = new QHBoxLayout(group);
    edit = new QLineEdit(group);
    button = new QPushButton("...", group);
    button->setFixedWidth(32);
    row->addWidget(edit);
    row->addWidget(button);
    QLineEdit* target = edit;
    connect(button, &QPushButton::clicked, this, [this, target, piece] { choose(target, piece); });
    return group;
}

void PiecesDialog::choose(QLineEdit* edit, const Piece& piece) {
    base::ui::FileRequest request;
    request.title = piece.title;
    request.directory = context_.directory;
    request.filters = {piece.filter};
    request.defaultSuffix = piece.suffix;
    request.confirmOverwrite = true;
    const auto choice = mode_ == Mode::Export ? context_.dialogs.saveFile(this, request)
                                              : context_.dialogs.openFile(this, request);
    if (!choice) return;
    context_.directory = QString::fromStdString(std::string(base::folderOf(choice->path.toStdString())));
    edit->setText(choice->path);
}

void PiecesDialog::okClick() {
    // An empty MIDI (or else CASM) name is asked for first; the dialog closes
    // with OK whatever the answer.
    if (EditMidi->text().isEmpty()) choose(EditMidi, midi_);
    else if (EditCasm->text().isEmpty()) choose(EditCasm, casm_);
    accept();
}

void PiecesDialog::hideAddPart() { addGroupBox_->hide(); }

bool PiecesDialog::addPartShown() const { return !addGroupBox_->isHidden(); }

document::PieceNames PiecesDialog::names() const {
    return {EditMidi->text().toStdString(), EditCasm->text().toStdString(),
            addPartShown() ? EditAdd->text().toStdString() : std::string()};
}

ExportDialog::ExportDialog(QWidget* parent, PieceDialogContext context, const document::PieceNames& names, bool withAddPart)
    : PiecesDialog(parent, context, Mode::Export, names) {
    if (!withAddPart) hideAddPart();
}

ImportDialog::ImportDialog(QWidget* parent, PieceDialogContext context, const document::PieceNames& names)
    : PiecesDialog(parent, context, Mode::Import, names) {}

}  // namespace document::ui

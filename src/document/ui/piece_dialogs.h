#pragma once
// The export and import dialogs: three file names (MIDI part, CASM section,
// add part), each with a "..." button that opens a file dialog.
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "document/export_import.h"

class QGroupBox;

namespace document::ui {

struct PieceDialogContext {
    base::ui::UserDialogs& dialogs;
    const base::Language& language;
    std::filesystem::path settingsFile;
    QString& directory;  // setting "ExportImportDir": follows every "..." choice
};

class PiecesDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    document::PieceNames names() const;
    bool addPartShown() const;

    QLineEdit* EditMidi;
    QLineEdit* EditCasm;
    QLineEdit* EditAdd;
    QPushButton* ButtonMidi;
    QPushButton* ButtonCasm;
    QPushButton* ButtonAdd;
    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;

protected:
    enum class Mode { Export, Import };
    PiecesDialog(QWidget* parent, PieceDialogContext context, Mode mode, const document::PieceNames& names);
    void hideAddPart();

private:
    struct Piece {
        QString title;
        QString filter;
        QString suffix;
    };
    QGroupBox* addGroup(int textId, const char* builtin, QLineEdit*& edit, QPushButton*& button, const Piece& piece);
    void choose(QLineEdit* edit, const Piece& piece);
    void okClick();

    PieceDialogContext context_;
    Mode mode_;
    Piece midi_, casm_, add_;
    QGroupBox* addGroupBox_ = nullptr;
};

class ExportDialog final : public PiecesDialog {
    Q_OBJECT
public:
    // `withAddPart` false hides the add-part field (no add part to export).
    ExportDialog(QWidget* parent, PieceDialogContext context, const document::PieceNames& names, bool withAddPart);
};

class ImportDialog final : public PiecesDialog {
    Q_OBJECT
public:
    ImportDialog(QWidget* parent, PieceDialogContext context, const document::PieceNames& names);
};

}  // namespace document::ui

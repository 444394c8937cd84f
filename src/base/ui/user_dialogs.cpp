#include "base/ui/user_dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace base::ui {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const int index = request.filterIndex;
    if (index >= 1 && index <= request.filters.size()) dialog.selectNameFilter(request.filters[index - 1]);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().front();
    choice.filterIndex = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1) choice.filterIndex = request.filterIndex;
    return choice;
}

}  // namespace

Answer QtUserDialogs::message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                              bool question) {
    QMessageBox box(qtIcon(icon), caption, text, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    const int result = box.exec();
    if (!question) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<FileChoice> QtUserDialogs::openFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, false);
}

std::optional<FileChoice> QtUserDialogs::saveFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, true);
}

std::optional<QString> QtUserDialogs::inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                               const QString& value) {
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QColor> QtUserDialogs::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

bool QtUserDialogs::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void showMessage(UserDialogs& dialogs, QWidget* parent, const Message& message) {
    dialogs.message(parent, QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    message.icon, false);
}

void showOutcome(UserDialogs& dialogs, QWidget* parent, const Outcome& outcome) {
    Message message = outcome.message;
    if (!outcome.note.empty()) message.text += "\n" + outcome.note;
    showMessage(dialogs, parent, message);
}

QStringList qtFilters(std::initializer_list<std::string_view> pairs) {
    QStringList out;
    for (auto pair : pairs) {
        // The description names its patterns in brackets, which is what Qt reads.
        const auto bar = pair.find('|');
        const auto description = QString::fromUtf8(pair.substr(0, bar));
        const auto patterns = bar == std::string_view::npos ? QString() : QString::fromUtf8(pair.substr(bar + 1));
        out << (description.contains('(') || patterns.isEmpty() ? description : description + " (" + patterns + ")");
    }
    return out;
}

}  // namespace base::ui

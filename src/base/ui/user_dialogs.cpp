#include "base/ui/user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

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

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
bool desktopCanOpen(const QUrl& url) {
    if (!qEnvironmentVariable("BROWSER").isEmpty()) return true;
    if (QStandardPaths::findExecutable("xdg-open").isEmpty()) return false;
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty()) return true;  // cannot tell: let xdg-open try
    QProcess query;
    query.start("xdg-mime", {"query", "default", QMimeDatabase().mimeTypeForUrl(url).name()});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
#endif

}  // namespace

Answer QtUserDialogs::message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                              bool question) {
    const auto box = messageBox(parent, caption, text, icon, question);
    const int result = box->exec();
    if (!question) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& caption, const QString& text, base::Icon icon,
                                        bool question) {
    auto box = std::make_unique<QMessageBox>(qtIcon(icon), caption, text,
                                             question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // The title bar loses room to the window buttons and its own font; a
    // caption that would come near the box's width is shown in the box too.
    constexpr int kTitleBarButtons = 140;
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(caption) * 5 / 4 + kTitleBarButtons;
    if (!caption.isEmpty() && captionWidth > box->sizeHint().width()) {
        box->setTextFormat(Qt::PlainText);
        box->setText(caption + "\n\n" + text);
    }
    return box;
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

bool QtUserDialogs::openUrl(const QUrl& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open is started whether or not any program can show the page, and
    // that start is all QDesktopServices reports: ask first whether one can.
    if (!desktopCanOpen(url)) return false;
#endif
    return QDesktopServices::openUrl(url);
}

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

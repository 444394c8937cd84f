#pragma once
// Message boxes, file dialogs and the input box: every window asks through
// this interface, so tests answer them without a person.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <string_view>

#include "base/message.h"

class QWidget;

namespace base::ui {

enum class Answer { Ok, Yes, No };

struct FileRequest {
    QString title;
    QString directory;
    QString fileName;
    QStringList filters;  // Qt filter strings, such as "MIDI files (*.mid)"
    int filterIndex = 1;  // 1-based, as the settings file keeps it
    bool confirmOverwrite = true;
    QString defaultSuffix;
};

struct FileChoice {
    QString path;
    int filterIndex = 1;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // An OK box, or a Yes/No question when `question` is set.
    virtual Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                           bool question) = 0;
    virtual std::optional<FileChoice> openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<FileChoice> saveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& value) = 0;
    // The colour dialog; nothing on Cancel.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // Opens a page or file in the user's browser; false when none could.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The real dialogs of the desktop.
class QtUserDialogs final : public UserDialogs {
public:
    Answer message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                   bool question) override;
    std::optional<FileChoice> openFile(QWidget* parent, const FileRequest& request) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& value) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    bool openUrl(const QUrl& url) override;
};

// Shows a core message in an OK box.
void showMessage(UserDialogs& dialogs, QWidget* parent, const Message& message);
// Shows an outcome's message with its note, when it has one, as a second line.
void showOutcome(UserDialogs& dialogs, QWidget* parent, const Outcome& outcome);

// Turns "Description (*.ext)|*.ext" pairs into Qt filter strings.
QStringList qtFilters(std::initializer_list<std::string_view> pairs);

}  // namespace base::ui

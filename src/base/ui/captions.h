#pragma once
// The captions of one window by language text number: set through the
// language in use when the window is built, and set again when the language
// changes, always from the built-in texts (so English comes back exactly).
#include <QString>
#include <functional>

class QDialog;
class QPushButton;
#include <vector>

#include "base/language.h"

namespace base::ui {

// A window the main window asks to show its texts again after the language
// changed. Windows that stay open beside the main window implement it.
class Translatable {
public:
    virtual ~Translatable() = default;
    virtual void translate() = 0;
};

class Captions {
public:
    explicit Captions(const Language& language) : language_(language) {}

    // Registers a caption with the number's built-in text (base/texts.h), or
    // with the window's own built-in text, and applies it at once.
    void add(int id, std::function<void(const QString&)> apply);
    void add(int id, const char* builtin, std::function<void(const QString&)> apply);
    // Applies every caption again.
    void apply() const;

    // One text, for captions that are composed (a caption and a file name).
    QString text(int id) const;
    QString text(int id, const char* builtin) const;
    const Language& language() const { return language_; }

private:
    struct Caption {
        int id;
        QString builtin;
        std::function<void(const QString&)> apply;
    };
    void addCaption(int id, QString builtin, std::function<void(const QString&)> apply);
    void applyOne(const Caption& caption) const;

    const Language& language_;
    std::vector<Caption> captions_;
};

// Makes the dialog's default OK button ("ButtonOK", text 80) and its Cancel
// button ("ButtonCancel", text 81), captioned through `captions`; OK accepts
// the dialog and Cancel rejects it. The caller places them.
void okCancelButtons(QDialog& dialog, Captions& captions, QPushButton*& ok, QPushButton*& cancel,
                     const char* okText = "&OK", const char* cancelText = "&Cancel");

}  // namespace base::ui

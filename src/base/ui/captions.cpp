#include "base/ui/captions.h"

#include <QDialog>
#include <QPushButton>

#include "base/texts.h"

namespace base::ui {

void Captions::add(int id, std::function<void(const QString&)> apply) {
    const auto builtin = builtinText(id);
    addCaption(id, QString::fromUtf8(builtin.data(), static_cast<qsizetype>(builtin.size())), std::move(apply));
}

void Captions::add(int id, const char* builtin, std::function<void(const QString&)> apply) {
    addCaption(id, QString::fromUtf8(builtin), std::move(apply));
}

void Captions::addCaption(int id, QString builtin, std::function<void(const QString&)> apply) {
    captions_.push_back({id, std::move(builtin), std::move(apply)});
    applyOne(captions_.back());
}

void Captions::applyOne(const Caption& c) const {
    c.apply(QString::fromStdString(language_.text(c.id, c.builtin.toStdString())));
}

void Captions::apply() const {
    for (const auto& c : captions_) applyOne(c);
}

QString Captions::text(int id) const { return QString::fromStdString(language_.text(id)); }

QString Captions::text(int id, const char* builtin) const { return QString::fromStdString(language_.text(id, builtin)); }

void okCancelButtons(QDialog& dialog, Captions& captions, QPushButton*& ok, QPushButton*& cancel, const char* okText,
                     const char* cancelText) {
    ok = new QPushButton(&dialog);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    cancel = new QPushButton(&dialog);
    cancel->setObjectName("ButtonCancel");
    captions.add(80, okText, [ok](const QString& t) { ok->setText(t); });
    captions.add(81, cancelText, [cancel](const QString& t) { cancel->setText(t); });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}

}  // namespace base::ui

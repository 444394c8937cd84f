#include "base/ui/transient_message.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace base::ui {

TransientMessage::TransientMessage(QWidget* parent, const QString& caption, const QString& text)
    : QDialog(parent, Qt::Tool), label_(new QLabel(text, this)) {
    setObjectName("Mess");
    setWindowTitle(caption);
    label_->setObjectName("Label1");
    label_->setAlignment(Qt::AlignCenter);
    label_->setAutoFillBackground(true);
    label_->setStyleSheet("QLabel { background: yellow; color: red; font-weight: bold; padding: 12px; }");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    setMinimumWidth(220);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &TransientMessage::Timer1Timer);
    timer_.start();
}

void TransientMessage::Timer1Timer() {
    if (++counter_ == kCloseAfterTicks) {
        timer_.stop();
        accept();
    }
}

TransientMessage* showWaitWindow(QWidget* parent, const QString& caption, const QString& text) {
    auto* mess = new TransientMessage(parent, caption, text);
    mess->setCounter(TransientMessage::kWaitCounter);
    mess->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return mess;
}

void showNotice(QWidget* parent, const QString& caption, const QString& text) {
    TransientMessage mess(parent, caption, text);
    mess.exec();
}

}  // namespace base::ui

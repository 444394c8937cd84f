#pragma once
// The small wait and notice window: a caption, one bold red label on yellow
// and a 100 ms timer that closes the window after 7 ticks.
#include <QDialog>
#include <QTimer>

class QLabel;

namespace base::ui {

class TransientMessage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCloseAfterTicks = 7;
    // A counter at this value never reaches the closing tick.
    static constexpr int kWaitCounter = 100;

    TransientMessage(QWidget* parent, const QString& caption, const QString& text);

    QLabel* label() const { return label_; }
    QTimer& timer() { return timer_; }
    int counter() const { return counter_; }
    void setCounter(int counter) { counter_ = counter; }

private:
    void Timer1Timer();

    QLabel* label_;
    QTimer timer_;
    int counter_ = 0;
};

// A non-modal wait window that stays until its caller closes it; it is
// painted before this returns.
TransientMessage* showWaitWindow(QWidget* parent, const QString& caption, const QString& text);
// The self-closing notice, shown modally.
void showNotice(QWidget* parent, const QString& caption, const QString& text);

}  // namespace base::ui

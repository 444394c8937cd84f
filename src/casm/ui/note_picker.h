#pragma once
// "Select Note": a piano keyboard of the notes 0 to 127 on which the user
// clicks a note; the key limits, the highest key and the middle range of
// the CASM editor are picked with it. The picture is drawn here; where each
// key lies and which note a point hits come from casm/note_keyboard.h.
#include <QWidget>
#include <filesystem>

#include "base/ui/captions.h"
#include "base/ui/window_position.h"
#include "casm/ui/dialog_context.h"

class QLabel;
class QPushButton;

namespace casm::ui {

// The keyboard picture: 601 by 100 pixels, the chosen note marked in red.
class KeyboardPicture : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardPicture(QWidget* parent);
    QSize sizeHint() const override;
    void setMarked(int note);
    int marked() const { return marked_; }

signals:
    void hovered(int note);  // -1 where no note is
    void clicked(int note);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int marked_ = -1;
};

// The keyboard picture with no note marked, for windows that show it small.
QPixmap keyboardPixmap();

class NotePicker : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    NotePicker(QWidget* parent, const DialogContext& context, int note);
    // For callers outside the CASM editor (the key after-touch dialog).
    NotePicker(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile, int note);
    int note() const { return Image1->marked(); }

    KeyboardPicture* Image1;
    QLabel* LabelNote;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    void Image1MouseDown(int note);

    base::ui::Captions captions_;
};

}  // namespace casm::ui

#pragma once
// "About": the program's icon, name and version, and the credit line of the
// language in use, on a grey gradient.
#include <filesystem>

#include "app/language.h"
#include "app/ui/captions.h"
#include "app/ui/window_position.h"

class QLabel;
class QPushButton;

namespace app::ui {

class TAboutBox : public RememberedDialog {
    Q_OBJECT
public:
    TAboutBox(QWidget* parent, const app::Language& language, const std::filesystem::path& settingsFile);

    // Grey level of pixel row y: 255 - min(y / 2, 255).
    static int greyLevel(int y);

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
    QLabel* Credit;
    QPushButton* OKButton;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Captions captions_;
};

}  // namespace app::ui

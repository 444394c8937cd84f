#pragma once
// "About": the program's icon, name and version, and the credit line of the
// language in use, on a grey gradient.
#include <filesystem>

#include "base/language.h"
#include "base/ui/captions.h"
#include "base/ui/window_position.h"

class QLabel;
class QPushButton;

namespace app::ui {

class AboutDialog : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    AboutDialog(QWidget* parent, const base::Language& language, const std::filesystem::path& settingsFile);

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
    base::ui::Captions captions_;
};

}  // namespace app::ui

#include "base/ui/window_position.h"

#include <QGuiApplication>
#include <QScreen>

#include "base/profile.h"
#include "base/window_bounds.h"

namespace base::ui {

void restoreWindow(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section) {
    const Profile profile(settingsFile);
    WindowBounds b;
    b.top = profile.readInt(section, "Top", window.y());
    b.left = profile.readInt(section, "Left", window.x());
    b.height = profile.readInt(section, "Height", window.height());
    b.width = profile.readInt(section, "Width", window.width());
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        b = keepOnScreen(b, area.width(), area.height());
    }
    window.move(b.left, b.top);
    window.resize(b.width, b.height);
}

void centreOnOwner(QWidget& window) {
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible()) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

bool storeWindow(const QWidget& window, const std::filesystem::path& settingsFile, const std::string& section) {
    Profile profile(settingsFile);
    profile.writeInt(section, "Top", window.y());
    profile.writeInt(section, "Left", window.x());
    profile.writeInt(section, "Height", window.height());
    profile.writeInt(section, "Width", window.width());
    return profile.save();
}

RememberedDialog::RememberedDialog(QWidget* parent, std::filesystem::path settingsFile, std::string section)
    : QDialog(parent), settingsFile_(std::move(settingsFile)), section_(std::move(section)) {
    setObjectName(QString::fromStdString(section_));
}

void RememberedDialog::restorePlace() {
    adjustSize();
    // Shown for the first time (nothing stored): centred on the window it
    // belongs to, or on the screen, rather than at the corner.
    const Profile profile(settingsFile_);
    if (!profile.hasKey(section_, "Top") && !profile.hasKey(section_, "Left")) centreOnOwner(*this);
    restoreWindow(*this, settingsFile_, section_);
}

void RememberedDialog::done(int result) {
    storeWindow(*this, settingsFile_, section_);
    QDialog::done(result);
}

}  // namespace base::ui

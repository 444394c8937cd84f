#include "base/ui/window_position.h"

#include <QGuiApplication>
#include <QScreen>
#include <vector>

#include "base/profile.h"
#include "base/window_bounds.h"

namespace base::ui {

namespace {

// The frame the window system puts around a window: the window's own once
// shown, else its owner's (a dialog gets the same decoration).
QMargins frameOf(const QWidget& window) {
    for (const QWidget* w = &window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w->isVisible()) {
            const QRect frame = w->frameGeometry();
            const QRect client = w->geometry();
            return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom()};
        }
    }
    return {};
}

}  // namespace

void applyBounds(QWidget& window, const base::WindowBounds& stored) {
    const QMargins frame = frameOf(window);
    std::vector<base::WindowBounds> areas;
    auto add = [&](const QScreen* screen) {
        const QRect a = screen->availableGeometry().marginsRemoved(frame);
        areas.push_back({a.x(), a.y(), a.width(), a.height()});
    };
    if (const QScreen* primary = QGuiApplication::primaryScreen()) add(primary);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) add(screen);
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const auto b = base::fitToScreens(stored, areas, least.width(), least.height());
    window.setGeometry(b.left, b.top, b.width, b.height);
}

void restoreWindow(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section) {
    const Profile profile(settingsFile);
    const QRect present = window.geometry();
    WindowBounds b;
    b.top = profile.readInt(section, "Top", present.y());
    b.left = profile.readInt(section, "Left", present.x());
    b.height = profile.readInt(section, "Height", present.height());
    b.width = profile.readInt(section, "Width", present.width());
    applyBounds(window, b);
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

void restoreOrCentre(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section) {
    const Profile profile(settingsFile);
    if (!profile.hasKey(section, "Top") && !profile.hasKey(section, "Left")) centreOnOwner(window);
    restoreWindow(window, settingsFile, section);
}

bool storeWindow(const QWidget& window, const std::filesystem::path& settingsFile, const std::string& section) {
    Profile profile(settingsFile);
    const QRect client = window.geometry();
    profile.writeInt(section, "Top", client.y());
    profile.writeInt(section, "Left", client.x());
    profile.writeInt(section, "Height", client.height());
    profile.writeInt(section, "Width", client.width());
    return profile.save();
}

RememberedDialog::RememberedDialog(QWidget* parent, std::filesystem::path settingsFile, std::string section)
    : QDialog(parent), settingsFile_(std::move(settingsFile)), section_(std::move(section)) {
    setObjectName(QString::fromStdString(section_));
}

void RememberedDialog::restorePlace() {
    adjustSize();
    restoreOrCentre(*this, settingsFile_, section_);
}

void RememberedDialog::done(int result) {
    storeWindow(*this, settingsFile_, section_);
    QDialog::done(result);
}

}  // namespace base::ui

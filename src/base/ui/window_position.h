#pragma once
// Every dialog keeps its position and size in the settings file, in a
// section named after it: restored when it is created, stored when it closes.
#include <QDialog>
#include <filesystem>
#include <string>

#include "base/window_bounds.h"

namespace base::ui {

// "Top", "Left", "Width" and "Height" are the client area's, stored and
// restored alike, so a window opens where it was closed (not a frame higher).

// Applies stored client bounds fitted to the screens' available areas, less
// the window frame, so that the whole window and its title bar are visible
// whatever the settings file holds.
void applyBounds(QWidget& window, const base::WindowBounds& stored);
// Reads "Top", "Left", "Height", "Width" (each defaulting to the present
// value) and applies them.
void restoreWindow(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section);
// Moves a window so that its centre is that of the visible window it belongs
// to, or else of its screen.
void centreOnOwner(QWidget& window);
// restoreWindow, but shown for the first time (nothing stored) the window
// opens centred on the window it belongs to, or on the screen, rather than at
// the screen's corner.
void restoreOrCentre(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section);
// Writes the four present values of the client area; false when the file could not be written.
bool storeWindow(const QWidget& window, const std::filesystem::path& settingsFile, const std::string& section);

// A dialog that restores its place on creation and stores it when it closes;
// the first time, with no place stored, it opens centred on its owner.
class RememberedDialog : public QDialog {
public:
    RememberedDialog(QWidget* parent, std::filesystem::path settingsFile, std::string section);
    void done(int result) override;

protected:
    // Restores the stored place; subclasses call it once their layout is built.
    void restorePlace();

private:
    std::filesystem::path settingsFile_;
    std::string section_;
};

}  // namespace base::ui

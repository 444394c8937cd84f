#pragma once
// Every dialog keeps its position and size in the settings file, in a
// section named after it: restored when it is created, stored when it closes.
#include <QDialog>
#include <filesystem>
#include <string>

namespace base::ui {

// Reads "Top", "Left", "Height", "Width" (each defaulting to the present
// value), applies them and brings a window that lies past the screen's right
// or bottom edge back onto it.
void restoreWindow(QWidget& window, const std::filesystem::path& settingsFile, const std::string& section);
// Moves a window so that its centre is that of the visible window it belongs
// to, or else of its screen.
void centreOnOwner(QWidget& window);
// Writes the four present values; false when the file could not be written.
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

// The main window's shell commands: setup, the hexadecimal viewer, help and
// About, and the language change that follows the setup dialog.
#include <QCoreApplication>
#include <QTableView>

#include "app/file_association.h"
#include "app/setup.h"
#include "app/ui/about_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/setup_dialog.h"
#include "base/data_files.h"
#include "base/file_io.h"
#include "base/texts.h"
#include "base/ui/user_dialogs.h"
#include "document/ui/event_row_painter.h"
#include "names/default_files.h"
#include "playback/midi_out.h"
#include "playback/ui/program_port.h"
#include "tools/ui/casm_hex_window.h"

namespace app::ui {

namespace {

std::filesystem::path executable() { return QCoreApplication::applicationFilePath().toStdString(); }

std::optional<std::filesystem::path> shippedFile(const std::filesystem::path& name) {
    return base::findDataFile(names::shippedNameFileDirs(executable()), name);
}

}  // namespace

app::ui::MidiPortList MainWindow::midiPorts() {
    auto& out = playback::ui::programMidiOut();
    return {playback::portNames(out), [&out](int port) { playback::testNoteOn(out, port); },
            [&out] { playback::testNoteOff(out); }, [&out] { return out.audioNotice(); }};
}

base::Outcome MainWindow::associate(std::string_view extension) {
    const auto icon = shippedFile("ctabber.svg");
    return app::associate(app::DesktopPlaces::ofUser(),
                          {std::string(extension), executable(), icon ? icon->string() : std::string("ctabber")},
                          language_);
}

void MainWindow::mSetupClick() {
    if (reading_) return;
    app::ui::SetupContext context{dialogs_, language_, ws_.settings(), ws_.dir(),
                                  [this](std::string_view extension) { return associate(extension); }};
    app::ui::SetupDialog dialog(this, std::move(context), app::setupValuesOf(settings_), midiPorts());
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string previous = settings_.language;
    const auto changes = app::applySetup(settings_, dialog.values());
    if (changes.colours) {
        painter_->setColours(settings_.colours);
        StringGrid1->viewport()->update();
    }
    if (changes.language) applyLanguage(previous);
}

void MainWindow::applyLanguage(const std::string& previous) {
    const QString titlePrefix = lookup(0, "Ctabber... ");
    const auto file = ws_.file(settings_.language);
    if (settings_.language.empty() || !base::fileExists(file)) {
        language_.clear();
    } else if (const auto loaded = language_.load(file); !loaded.ok) {
        // Refused: the language in use stays, and so does its setting.
        settings_.language = previous;
        base::ui::showMessage(dialogs_, this, loaded.message);
        return;
    }
    translate();
    if (windowTitle().startsWith(titlePrefix))
        setWindowTitle(lookup(0, "Ctabber... ") + windowTitle().mid(titlePrefix.size()));
    for (auto* window : findChildren<QWidget*>())
        if (auto* translatable = dynamic_cast<base::ui::Translatable*>(window)) translatable->translate();
}

void MainWindow::mCasmHexClick() {
    if (reading_ || !casmInUse_) return;
    // One viewer: the dump file it writes is the program directory's one.
    if (!binCasm_)
        binCasm_ = new tools::ui::CasmHexWindow(
            this, {dialogs_, language_, ws_.settings(), ws_.dir(), ws_.casmText()});
    // Titled with the user's file, not the working file that holds its CASM section.
    binCasm_->load(ws_.casm(), openedFile_.isEmpty() ? lookup(base::text::casmHexView, "CASM HEX View") : openedFile_);
    binCasm_->show();
    binCasm_->raise();
    binCasm_->activateWindow();
}

void MainWindow::mContentsClick() {
    const auto index = shippedFile(std::filesystem::path("help") / "index.html");
    const QString where = index ? QString::fromStdString(index->string()) : QStringLiteral("help/index.html");
    // Without a web browser (or without the manual) the user learns where it is.
    if (!index || !dialogs_.openUrl(QUrl::fromLocalFile(where)))
        dialogs_.message(this, lookup(base::text::unableToOpen, "Unable to open the file"),
                         where + "\n\n" +
                             (index ? QStringLiteral("No web browser could be started: open this file in one to read the manual.")
                                    : QStringLiteral("The manual was not found; it is installed with the program.")),
                         base::Icon::Error, false);
}

void MainWindow::mAboutClick() {
    app::ui::AboutDialog box(this, language_, ws_.settings());
    box.exec();
}

bool MainWindow::closeToolWindows() {
    // A window may refuse (the CASM editor whose changes could not be saved).
    bool all = true;
    for (auto* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (window->isWindow() && window->isVisible() && dynamic_cast<base::ui::Translatable*>(window))
            all = window->close() && all;
    return all;
}

}  // namespace app::ui

// The desktop program: one main window over the workspace of the executable.
#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "app/ui/main_window.h"
#include "app/ui/program_folder.h"
#include "app/ui/program_icon.h"
#include "base/instance_folder.h"
#include "base/termination.h"
#include "base/ui/user_dialogs.h"
#include "base/workspace.h"
#include "names/default_files.h"

int main(int argc, char** argv) {
    // A signal that ends the program removes its working folder; a file-size
    // limit is a failed write.
    base::handleTermination();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ctabber");
    QApplication::setWindowIcon(app::ui::programIcon());
    base::ui::QtUserDialogs dialogs;
    const auto program = app::ui::programWorkspace();
    // This window's own working files, beside those of any other window or
    // command-line call using the same program directory.
    std::string error;
    const auto folder = base::InstanceFolder::make(program.dir(), error);
    if (!folder) {
        dialogs.message(nullptr, "Ctabber", QString::fromStdString(error), base::Icon::Error, false);
        return 2;
    }
    const base::Workspace workspace(program.dir(), folder->path());
    // The shipped name files, for the user to change, where the program directory has none.
    names::installNameFiles(workspace,
                            names::shippedNameFileDirs(QCoreApplication::applicationFilePath().toStdString()));
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    app::ui::MainWindow window(workspace, dialogs);
    window.show();
    // The named file is read once the window is up, so a long read paints.
    QTimer::singleShot(0, &window, [&window, args] { window.runCommandLine(args); });
    return QApplication::exec();
}

// The desktop program: one main window over the workspace of the executable.
#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "app/ui/program_icon.h"
#include "app/ui/user_dialogs.h"
#include "app/workspace.h"
#include "events/ui/tmain.h"
#include "names/default_files.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ctabber");
    QApplication::setWindowIcon(app::ui::programIcon());
    const auto workspace = app::Workspace::locate(argc > 0 ? argv[0] : "ctabber");
    // The shipped name files, for the user to change, where the program directory has none.
    names::installNameFiles(workspace,
                            names::shippedNameFileDirs(QCoreApplication::applicationFilePath().toStdString()));
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    app::ui::QtUserDialogs dialogs;
    events::ui::TMain window(workspace, dialogs);
    window.show();
    // The named file is read once the window is up, so a long read paints.
    QTimer::singleShot(0, &window, [&window, args] { window.runCommandLine(args); });
    return QApplication::exec();
}

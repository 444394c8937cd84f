// One whole run of the program's window on the offscreen platform: shown,
// FILE opened and the window painted, then the program ends. Timed from
// outside by whole_process.py, so that start-up, loading the libraries and
// the end of the process count as a user waits for them:
//
//   bench/whole_process.py 'empty=build/bench/window_process'
//                          'million=build/bench/window_process big.mid'
#include <QApplication>
#include <QTemporaryDir>

#include "app/ui/main_window.h"
#include "base/ui/user_dialogs.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir work;
    if (!work.isValid()) return 2;
    base::ui::QtUserDialogs dialogs;
    app::ui::MainWindow window(base::Workspace(work.path().toStdString()), dialogs);
    window.show();
    QCoreApplication::processEvents();
    if (argc > 1) window.openFile(QString::fromLocal8Bit(argv[1]));
    QCoreApplication::processEvents();
    // Painted as the screen would show it.
    return window.grab().isNull() ? 1 : 0;
}

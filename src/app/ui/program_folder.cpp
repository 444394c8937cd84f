#include "app/ui/program_folder.h"

#include <QCoreApplication>

namespace app::ui {

Workspace programWorkspace() {
    return Workspace::locate(QCoreApplication::applicationFilePath().toStdString());
}

}  // namespace app::ui

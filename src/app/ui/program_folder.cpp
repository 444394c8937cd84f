#include "app/ui/program_folder.h"

#include <QCoreApplication>

namespace app::ui {

base::Workspace programWorkspace() {
    return base::Workspace::locate(QCoreApplication::applicationFilePath().toStdString());
}

}  // namespace app::ui

#pragma once
// The program directory of the running desktop program.
#include "base/workspace.h"

namespace app::ui {

// Workspace::locate for the executable's real path as the system reports
// it, so that the program started through PATH, by a relative name or
// through a link finds the same folder.
base::Workspace programWorkspace();

}  // namespace app::ui

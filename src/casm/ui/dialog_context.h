#pragma once
// What the CASM editor's dialogs need from the program: the questions and
// file dialogs, the language in use and the settings file that keeps their
// places.
#include <filesystem>

#include "app/language.h"
#include "app/ui/user_dialogs.h"

namespace casm::ui {

struct DialogContext {
    app::ui::UserDialogs& dialogs;
    const app::Language& language;
    std::filesystem::path settingsFile;
};

}  // namespace casm::ui

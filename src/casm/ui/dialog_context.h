#pragma once
// What the CASM editor's dialogs need from the program: the questions and
// file dialogs, the language in use and the settings file that keeps their
// places.
#include <filesystem>

#include "base/language.h"
#include "base/ui/user_dialogs.h"

namespace casm::ui {

struct DialogContext {
    base::ui::UserDialogs& dialogs;
    const base::Language& language;
    std::filesystem::path settingsFile;
};

}  // namespace casm::ui

#include "app/language.h"

namespace app {

std::string Language::text(int id, std::string_view builtin) const {
    auto it = texts_.find(id);
    if (it == texts_.end() || it->second.empty()) return std::string(builtin);
    return it->second;
}

const Language& builtinLanguage() {
    static const Language none;
    return none;
}

}  // namespace app

#include "app/language.h"

#include "app/file_io.h"
#include "app/profile.h"
#include "app/text_encoding.h"

namespace app {

std::string Language::text(int id, std::string_view builtin) const {
    auto it = texts_.find(id);
    if (it == texts_.end()) return std::string(builtin);
    return it->second;
}

bool Language::load(const std::filesystem::path& file) {
    texts_.clear();
    const auto bytes = readFile(file);
    if (!bytes) return false;
    const std::string_view all(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    // One code page for the whole file, so every value decodes alike.
    const char* codePage = isValidUtf8(all) ? "UTF-8" : guessWindowsCodePage(all);
    const Profile profile(file);
    for (const auto& key : profile.keys("TB")) {
        const auto id = Profile::parseInt(key);
        if (!id) continue;
        auto value = profile.value("TB", key);
        std::string text = toUtf8(value ? *value : std::string(), codePage);
        texts_.emplace(*id, std::move(text));
    }
    return true;
}

const Language& builtinLanguage() {
    static const Language none;
    return none;
}

}  // namespace app

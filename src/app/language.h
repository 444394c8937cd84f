#pragma once
// Every user-visible text has a fixed number and a built-in English text;
// a language file maps numbers to translated texts.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace app {

class Language {
public:
    // The text of number `id` in the language in use, or `builtin` when the
    // language has none (or no language is in use). A number the language
    // gives an empty value reads as empty.
    std::string text(int id, std::string_view builtin) const;

    void set(int id, std::string value) { texts_[id] = std::move(value); }
    void clear() { texts_.clear(); }
    bool empty() const { return texts_.empty(); }

    // Replaces the texts by section "[TB]" of a language file (keys are the
    // text numbers in decimal). Values in a Windows code page are converted
    // to UTF-8. False, with no texts, when the file cannot be read.
    bool load(const std::filesystem::path& file);

private:
    std::map<int, std::string> texts_;
};

// The built-in English texts, for callers that have no language at hand.
const Language& builtinLanguage();

}  // namespace app

#pragma once
// Every user-visible text has a fixed number and a built-in English text;
// a language file maps numbers to translated texts.
#include <filesystem>
#include <unordered_map>
#include <string>
#include <string_view>

#include "base/message.h"

namespace base {

class Language {
public:
    // The text of number `id` in the language in use, or `builtin` when the
    // language has none, gives it an empty value, or no language is in use.
    std::string text(int id, std::string_view builtin) const;
    // The same with the number's built-in text (base/texts.h) as the fallback.
    std::string text(int id) const;

    void set(int id, std::string value) { texts_[id] = std::move(value); }
    void clear() { texts_.clear(); }
    bool empty() const { return texts_.empty(); }

    // Replaces the texts by section "[TB]" of a language file; keys are the
    // text numbers in decimal, other keys are passed over; a value in
    // quotation marks loses them and keeps its blanks. The file may be
    // UTF-8, UTF-16 with a byte order mark or in a Windows code page. A file
    // that cannot be read, is no text or has no "[TB]" section is refused:
    // the texts stay as they were and the outcome names the file.
    Outcome load(const std::filesystem::path& file);

private:
    std::unordered_map<int, std::string> texts_;
};

// The built-in English texts, for callers that have no language at hand.
const Language& builtinLanguage();

}  // namespace base

#pragma once
// INI profile files with the semantics the program's files rely on:
// sections and keys match without regard to case, the first match wins,
// values are trimmed, integers are decimal with the default for anything
// that is not a number, and writing a key changes only that key's line.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace base {

class Profile {
public:
    Profile() = default;
    // Loads `path`; a missing or unreadable file gives an empty profile
    // that save() creates.
    explicit Profile(std::filesystem::path path);
    // A profile over text already read (and decoded) by the caller; it has
    // no file to save to.
    static Profile fromText(std::string_view text);

    const std::filesystem::path& path() const { return path_; }

    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    int readInt(std::string_view section, std::string_view key, int def) const;
    bool readBool(std::string_view section, std::string_view key, bool def) const;
    // Keys of a section in file order (first spelling of each, duplicates once).
    std::vector<std::string> keys(std::string_view section) const;
    // The same keys each with the value value() gives it, in one pass over the
    // section: what reads a whole section uses this, never value() per key.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
    std::vector<std::string> sections() const;

    // Sets a key: replaces the value of its first occurrence in place, or adds
    // it at the end of the section, or adds the section at the end of the file.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void eraseSection(std::string_view section);
    void eraseKey(std::string_view section, std::string_view key);

    // Writes the file all or nothing; false when it could not be written.
    bool save() const;
    // The file's text as save() would write it.
    std::string text() const;

    // Parses an integer the way readInt does (whole trimmed text, optional sign).
    static std::optional<int> parseInt(std::string_view text);

private:
    void parse(std::string_view all);
    // Index of the section header line, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index one past the last line of the section that starts at `header`.
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;

    // One line of the file with what lookups compare, found once when the
    // line is read or written: a line of any length costs one pass.
    struct Line {
        enum class Kind { Other, Section, Key };
        std::string text;
        Kind kind = Kind::Other;
        std::string name;         // the section's or the key's name, trimmed
        std::size_t valueAt = 0;  // a key line's value starts after this "="

        explicit Line(std::string_view raw);
    };

    std::filesystem::path path_;
    std::vector<Line> lines_;
    std::string eol_ = "\n";
    bool endsWithEol_ = true;
};

// Reads one value from a profile file on disk (the file is loaded each call).
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view def);
int readProfileInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int def);
// Writes one value and saves the file; false when it could not be saved.
bool writeProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value);

std::string trim(std::string_view text);
// The same without a copy: a view into `text`.
std::string_view trimmedView(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace base

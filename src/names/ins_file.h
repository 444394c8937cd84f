#pragma once
// The parts of a Cakewalk instrument definition file (".ins") that name
// instruments: the bank lines of ".Instrument Definitions" and the patch-name
// sets of ".Patch Names". The file is read once into an index; each lookup
// gives what a search through the file's lines from the top would give.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace names {

class InsFile {
public:
    InsFile() = default;  // a file without the two sections
    // Lines longer than 255 characters end the file there.
    static InsFile parse(std::string_view text);

    static constexpr std::size_t kMaxLineLength = 255;

    // Lines as they are compared: trimmed, blanks before the first "=" removed.
    const std::vector<std::string>& lines() const { return lines_; }

    struct BankMatch {
        bool found = false;
        std::string setName;            // the matched line's value (empty when not found)
        bool defaultSeen = false;       // a "Patch[*]" line was passed on the way
        std::string defaultSetName;     // the last such line's value
    };
    // The first line after ".Instrument Definitions" beginning "Patch[<bank>]"
    // with a value, and the last "Patch[*]" line before it (before the end when none).
    BankMatch findBank(int bank) const;
    // Whether ".Patch Names" holds the sub-section "[<set>]".
    bool hasPatchSet(std::string_view set) const;
    // Value of the first "<program>=" line of the set; empty when either is missing.
    std::string patchNameInSet(std::string_view set, int program) const;
    // The number after "Patch[" of the first bank line whose value is `set`
    // ("Patch[*]" gives 0); -1 when none.
    int bankOfSetName(std::string_view set) const;
    // The number before "=" of the set's first line whose value is `name`; -1 when none.
    int programOfPatchName(std::string_view set, std::string_view name) const;
    // Values of the bank lines in file order, without "Patch[*]" and "Patch[896]".
    std::vector<std::string> setNames() const;
    // Values of the set's lines in file order.
    std::vector<std::string> patchNames(std::string_view set) const;

private:
    // One patch-name set: its lines are [begin, end) of lines_.
    struct PatchSet {
        std::size_t header = 0;
        std::size_t begin = 0;
        std::size_t end = 0;
        std::unordered_map<std::string, std::size_t> programLine;  // "<number>" -> first line
        std::unordered_map<std::string, std::size_t> nameLine;     // value -> first line with a number
    };
    struct BankLine {
        std::size_t line = 0;
        std::string value;
    };

    void indexBanks();
    void indexPatchSets();
    const PatchSet* patchSet(std::string_view set) const;
    // The last "Patch[*]" line before `line`, or nullptr.
    const BankLine* lastDefaultBefore(std::size_t line) const;

    std::vector<std::string> lines_;
    std::vector<BankLine> bankLines_;     // every line beginning "Patch[" with a value
    std::vector<BankLine> defaultLines_;  // the "Patch[*]" ones among them, in order
    std::unordered_map<std::string, std::size_t> bankByNumber_;  // "<bank>" -> index into bankLines_
    std::unordered_map<std::string, std::size_t> bankBySet_;     // value -> index into bankLines_
    std::vector<PatchSet> sets_;
    std::unordered_map<std::string, std::size_t> setByName_;     // text between "[" and the first "]"
};

// Value of a line: the text after its first "=" (trimmed); no value without "=".
bool hasValue(std::string_view line);
std::string lineValue(std::string_view line);

}  // namespace names

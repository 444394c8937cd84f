#pragma once
// The parts of a Cakewalk instrument definition file (".ins") that name
// instruments: the bank lines of ".Instrument Definitions" and the patch-name
// sets of ".Patch Names". The file is read once into an index; each lookup
// gives what a search through the file's lines from the top would give.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace names {

class InsFile {
public:
    InsFile() = default;  // a file without the two sections
    // Lines longer than 255 characters end the file there, and so does its
    // 4 GB mark.
    static InsFile parse(std::string_view text);

    static constexpr std::size_t kMaxLineLength = 255;

    // Lines as they are compared: trimmed, blanks before the first "=" removed.
    std::size_t lineCount() const { return lineEnds_.size(); }
    std::string_view line(std::size_t index) const;
    // A copy of every line, for inspection.
    std::vector<std::string> lines() const;

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
    // The index keeps the compared lines in one text and refers to them by
    // number and offset, sorted where it is searched: its memory stays a
    // small multiple of the file's size (a hash map per name would take ten
    // times the file).
    using Index = std::uint32_t;
    struct Span {
        Index at = 0;
        Index size = 0;
    };
    // One patch-name set: its lines are [begin, end).
    struct PatchSet {
        Index header = 0;
        Index begin = 0;
        Index end = 0;
        Span name;                  // between "[" and the first "]"
        bool named = false;         // the header has a "]"
        std::vector<Index> byProgram;  // lines with "=", by the text before it (then by line)
        std::vector<Index> byName;     // numbered lines, by their value (then by line)
    };
    struct BankLine {
        Index line = 0;
        Span value;
        Span number;          // between "Patch[" and "]"
        bool numbered = false;  // not "Patch[*]" and with a "]"
    };

    std::string_view text(Span span) const { return std::string_view(text_).substr(span.at, span.size); }
    // The span of a part of text_.
    Span spanOf(std::string_view part) const;
    // The first line equal to `wanted`, or lineCount().
    std::size_t findLine(std::string_view wanted) const;
    void indexBanks();
    void indexPatchSets();
    const PatchSet* patchSet(std::string_view set) const;
    // The last "Patch[*]" line before `line`, or nullptr.
    const BankLine* lastDefaultBefore(std::size_t line) const;
    // The first of the sorted `indices` whose key is `wanted`, or nullptr.
    template <class Key>
    static const Index* findFirst(const std::vector<Index>& indices, std::string_view wanted, Key key);

    std::string text_;
    std::vector<Index> lineEnds_;         // line i is text_[end of line i-1, lineEnds_[i])
    std::vector<BankLine> bankLines_;     // every line beginning "Patch[" with a value
    std::vector<BankLine> defaultLines_;  // every line beginning "Patch[*]", in order
    std::vector<Index> banksByNumber_;    // bankLines_ indices of numbered banks, by number text
    std::vector<Index> banksBySet_;       // bankLines_ indices by value
    std::vector<PatchSet> sets_;
    std::vector<Index> setsByName_;       // sets_ indices of named sets, by name
};

// Value of a line: the text after its first "=" (trimmed); no value without "=".
bool hasValue(std::string_view line);
std::string lineValue(std::string_view line);

}  // namespace names

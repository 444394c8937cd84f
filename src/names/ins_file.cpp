#include "names/ins_file.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/profile.h"

namespace names {
namespace {

constexpr std::string_view kInstrumentDefinitions = ".Instrument Definitions";
constexpr std::string_view kPatchNames = ".Patch Names";
constexpr std::string_view kBankPrefix = "Patch[";
constexpr std::string_view kDefaultBankPrefix = "Patch[*]";
constexpr std::string_view kHiddenBankPrefix = "Patch[896]";

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Appends the compared form of a line: trimmed of blanks and control
// characters, and of the blanks before the first "=".
void appendComparedLine(std::string_view raw, std::string& out) {
    std::size_t b = 0, e = raw.size();
    while (b < e && isBlankOrControl(raw[b])) ++b;
    while (e > b && isBlankOrControl(raw[e - 1])) --e;
    const std::string_view line = raw.substr(b, e - b);
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        out.append(line);
        return;
    }
    std::size_t start = eq;
    while (start > 0 && isBlank(line[start - 1])) --start;
    out.append(line.substr(0, start));
    out.append(line.substr(eq));
}

// "Patch[12]=X" gives "12"; nothing without a closing bracket.
bool bankNumberText(std::string_view line, std::string_view& number) {
    const auto close = line.find(']', kBankPrefix.size());
    if (close == std::string_view::npos) return false;
    number = line.substr(kBankPrefix.size(), close - kBankPrefix.size());
    return true;
}

// Leading decimal number of a text ("12abc" gives 12), 0 for none.
int leadingNumber(std::string_view text) {
    int value = 0;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative || (!text.empty() && text[0] == '+')) i = 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > 100000000) break;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// The text after the first "=", trimmed; nothing without "=".
std::optional<std::string_view> valueView(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return base::trimmedView(line.substr(eq + 1));
}

std::string_view keyView(std::string_view line) { return line.substr(0, line.find('=')); }

}  // namespace

bool hasValue(std::string_view line) { return line.find('=') != std::string_view::npos; }

std::string lineValue(std::string_view line) { return std::string(valueView(line).value_or(std::string_view{})); }

std::string_view InsFile::line(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : lineEnds_[index - 1];
    return std::string_view(text_).substr(start, lineEnds_[index] - start);
}

std::vector<std::string> InsFile::lines() const {
    std::vector<std::string> all;
    all.reserve(lineCount());
    for (std::size_t i = 0; i < lineCount(); ++i) all.emplace_back(line(i));
    return all;
}

InsFile::Span InsFile::spanOf(std::string_view part) const {
    return {static_cast<Index>(part.data() - text_.data()), static_cast<Index>(part.size())};
}

template <class Key>
const InsFile::Index* InsFile::findFirst(const std::vector<Index>& indices, std::string_view wanted, Key key) {
    const auto it = std::lower_bound(indices.begin(), indices.end(), wanted,
                                     [&](Index i, std::string_view w) { return key(i) < w; });
    return it != indices.end() && key(*it) == wanted ? &*it : nullptr;
}

namespace {

// Sorts `indices` by their keys; equal keys keep their order, so the first
// of them is the first in the file.
template <class Key>
void sortByKey(std::vector<std::uint32_t>& indices, Key key) {
    std::stable_sort(indices.begin(), indices.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
}

}  // namespace

InsFile InsFile::parse(std::string_view text) {
    InsFile file;
    text = text.substr(0, std::min<std::size_t>(text.size(), std::numeric_limits<Index>::max()));
    file.text_.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        auto nl = text.find('\n', start);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view raw = text.substr(start, nl - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (raw.size() > kMaxLineLength) break;
        appendComparedLine(raw, file.text_);
        file.lineEnds_.push_back(static_cast<Index>(file.text_.size()));
        start = nl + 1;
    }
    file.indexBanks();
    file.indexPatchSets();
    return file;
}

std::size_t InsFile::findLine(std::string_view wanted) const {
    for (std::size_t i = 0; i < lineCount(); ++i)
        if (line(i) == wanted) return i;
    return lineCount();
}

void InsFile::indexBanks() {
    const std::size_t heading = findLine(kInstrumentDefinitions);
    for (std::size_t i = heading + 1; i < lineCount(); ++i) {
        const std::string_view l = line(i);
        if (!l.starts_with(kBankPrefix)) continue;
        BankLine bank;
        bank.line = static_cast<Index>(i);
        const auto value = valueView(l);
        if (value) bank.value = spanOf(*value);
        // A "Patch[*]" line without a value empties the default set.
        const bool isDefault = l.starts_with(kDefaultBankPrefix);
        if (isDefault) defaultLines_.push_back(bank);
        if (!value) continue;
        std::string_view number;
        if (!isDefault && bankNumberText(l, number)) {
            bank.number = spanOf(number);
            bank.numbered = true;
        }
        bankLines_.push_back(bank);
    }
    for (Index b = 0; b < bankLines_.size(); ++b) {
        banksBySet_.push_back(b);
        if (bankLines_[b].numbered) banksByNumber_.push_back(b);
    }
    sortByKey(banksBySet_, [this](Index b) { return text(bankLines_[b].value); });
    sortByKey(banksByNumber_, [this](Index b) { return text(bankLines_[b].number); });
}

void InsFile::indexPatchSets() {
    const std::size_t heading = findLine(kPatchNames);
    for (std::size_t i = heading + 1; i < lineCount() && !line(i).starts_with('.'); ++i) {
        const std::string_view header = line(i);
        if (!header.starts_with('[')) continue;
        PatchSet set;
        set.header = static_cast<Index>(i);
        set.begin = static_cast<Index>(i + 1);
        set.end = set.begin;
        while (set.end < lineCount() && !line(set.end).starts_with('[') && !line(set.end).starts_with('.')) ++set.end;
        for (Index l = set.begin; l < set.end; ++l) {
            const std::string_view entry = line(l);
            if (!hasValue(entry)) continue;
            set.byProgram.push_back(l);
            if (base::Profile::parseInt(keyView(entry))) set.byName.push_back(l);
        }
        sortByKey(set.byProgram, [this](Index l) { return keyView(line(l)); });
        sortByKey(set.byName, [this](Index l) { return *valueView(line(l)); });
        if (const auto close = header.find(']'); close != std::string_view::npos) {
            set.name = spanOf(header.substr(1, close - 1));
            set.named = true;
        }
        sets_.push_back(std::move(set));
        i = sets_.back().end - 1;
    }
    for (Index s = 0; s < sets_.size(); ++s)
        if (sets_[s].named) setsByName_.push_back(s);
    sortByKey(setsByName_, [this](Index s) { return text(sets_[s].name); });
}

const InsFile::BankLine* InsFile::lastDefaultBefore(std::size_t line) const {
    // Binary search: defaultLines_ is in line order.
    const auto it = std::lower_bound(defaultLines_.begin(), defaultLines_.end(), line,
                                     [](const BankLine& bank, std::size_t l) { return bank.line < l; });
    return it == defaultLines_.begin() ? nullptr : &*(it - 1);
}

InsFile::BankMatch InsFile::findBank(int bank) const {
    BankMatch match;
    const Index* found =
        findFirst(banksByNumber_, std::to_string(bank), [this](Index b) { return text(bankLines_[b].number); });
    const std::size_t limit = found ? bankLines_[*found].line : lineCount();
    if (const BankLine* def = lastDefaultBefore(limit)) {
        match.defaultSeen = true;
        match.defaultSetName = text(def->value);
    }
    if (found) {
        match.found = true;
        match.setName = text(bankLines_[*found].value);
    }
    return match;
}

const InsFile::PatchSet* InsFile::patchSet(std::string_view set) const {
    if (set.find(']') == std::string_view::npos) {
        const Index* found = findFirst(setsByName_, set, [this](Index s) { return text(sets_[s].name); });
        return found ? &sets_[*found] : nullptr;
    }
    // A name holding "]" cannot be found by name: compare the headers as the file has them.
    const std::string header = "[" + std::string(set) + "]";
    for (const PatchSet& s : sets_)
        if (line(s.header).starts_with(header)) return &s;
    return nullptr;
}

bool InsFile::hasPatchSet(std::string_view set) const { return patchSet(set) != nullptr; }

std::string InsFile::patchNameInSet(std::string_view set, int program) const {
    const PatchSet* s = patchSet(set);
    if (!s) return {};
    const Index* found = findFirst(s->byProgram, std::to_string(program), [this](Index l) { return keyView(line(l)); });
    return found ? lineValue(line(*found)) : std::string();
}

int InsFile::bankOfSetName(std::string_view set) const {
    const Index* found = findFirst(banksBySet_, set, [this](Index b) { return text(bankLines_[b].value); });
    if (!found) return -1;
    const std::string_view l = line(bankLines_[*found].line);
    if (l.starts_with(kDefaultBankPrefix)) return 0;
    return leadingNumber(l.substr(kBankPrefix.size()));
}

int InsFile::programOfPatchName(std::string_view set, std::string_view name) const {
    const PatchSet* s = patchSet(set);
    if (!s) return -1;
    const Index* found = findFirst(s->byName, name, [this](Index l) { return *valueView(line(l)); });
    if (!found) return -1;
    return base::Profile::parseInt(keyView(line(*found))).value_or(-1);
}

std::vector<std::string> InsFile::setNames() const {
    std::vector<std::string> result;
    for (const BankLine& bank : bankLines_) {
        const std::string_view l = line(bank.line);
        if (l.starts_with(kDefaultBankPrefix) || l.starts_with(kHiddenBankPrefix)) continue;
        result.emplace_back(text(bank.value));
    }
    return result;
}

std::vector<std::string> InsFile::patchNames(std::string_view set) const {
    std::vector<std::string> result;
    const PatchSet* s = patchSet(set);
    if (!s) return result;
    for (Index l = s->begin; l < s->end; ++l)
        if (hasValue(line(l))) result.push_back(lineValue(line(l)));
    return result;
}

}  // namespace names

#include "names/ins_file.h"

#include "app/profile.h"

namespace names {
namespace {

constexpr std::string_view kInstrumentDefinitions = ".Instrument Definitions";
constexpr std::string_view kPatchNames = ".Patch Names";
constexpr std::string_view kBankPrefix = "Patch[";
constexpr std::string_view kDefaultBankPrefix = "Patch[*]";
constexpr std::string_view kHiddenBankPrefix = "Patch[896]";

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Trimmed of blanks and control characters, and of the blanks before the first "=".
std::string comparedLine(std::string_view raw) {
    std::size_t b = 0, e = raw.size();
    while (b < e && isBlankOrControl(raw[b])) ++b;
    while (e > b && isBlankOrControl(raw[e - 1])) --e;
    std::string line(raw.substr(b, e - b));
    const auto eq = line.find('=');
    if (eq != std::string::npos) {
        std::size_t start = eq;
        while (start > 0 && isBlank(line[start - 1])) --start;
        line.erase(start, eq - start);
    }
    return line;
}

std::size_t findLine(const std::vector<std::string>& lines, std::string_view text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return i;
    return lines.size();
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

}  // namespace

bool hasValue(std::string_view line) { return line.find('=') != std::string_view::npos; }

std::string lineValue(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return app::trim(line.substr(eq + 1));
}

InsFile InsFile::parse(std::string_view text) {
    InsFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        auto nl = text.find('\n', start);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view raw = text.substr(start, nl - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (raw.size() > kMaxLineLength) break;
        file.lines_.push_back(comparedLine(raw));
        start = nl + 1;
    }
    file.indexBanks();
    file.indexPatchSets();
    return file;
}

void InsFile::indexBanks() {
    const std::size_t heading = findLine(lines_, kInstrumentDefinitions);
    for (std::size_t i = heading + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        // A "Patch[*]" line without a value empties the default set.
        if (line.starts_with(kDefaultBankPrefix)) defaultLines_.push_back({i, lineValue(line)});
        if (!line.starts_with(kBankPrefix) || !hasValue(line)) continue;
        const std::size_t index = bankLines_.size();
        bankLines_.push_back({i, lineValue(line)});
        bankBySet_.try_emplace(bankLines_.back().value, index);
        if (line.starts_with(kDefaultBankPrefix)) continue;
        std::string_view number;
        if (bankNumberText(line, number)) bankByNumber_.try_emplace(std::string(number), index);
    }
}

void InsFile::indexPatchSets() {
    const std::size_t heading = findLine(lines_, kPatchNames);
    for (std::size_t i = heading + 1; i < lines_.size() && !lines_[i].starts_with('.'); ++i) {
        const std::string& line = lines_[i];
        if (!line.starts_with('[')) continue;
        PatchSet set;
        set.header = i;
        set.begin = i + 1;
        set.end = set.begin;
        while (set.end < lines_.size() && !lines_[set.end].starts_with('[') && !lines_[set.end].starts_with('.'))
            ++set.end;
        for (std::size_t l = set.begin; l < set.end; ++l) {
            const std::string& entry = lines_[l];
            const auto eq = entry.find('=');
            if (eq == std::string::npos) continue;
            std::string number = entry.substr(0, eq);
            set.programLine.try_emplace(number, l);
            if (app::Profile::parseInt(number))
                set.nameLine.try_emplace(lineValue(entry), l);
        }
        const auto close = line.find(']');
        if (close != std::string::npos) setByName_.try_emplace(line.substr(1, close - 1), sets_.size());
        sets_.push_back(std::move(set));
        i = sets_.back().end - 1;
    }
}

const InsFile::BankLine* InsFile::lastDefaultBefore(std::size_t line) const {
    const BankLine* last = nullptr;
    // Binary search: defaultLines_ is in line order.
    std::size_t lo = 0, hi = defaultLines_.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (defaultLines_[mid].line < line) lo = mid + 1;
        else hi = mid;
    }
    if (lo > 0) last = &defaultLines_[lo - 1];
    return last;
}

InsFile::BankMatch InsFile::findBank(int bank) const {
    BankMatch match;
    const auto it = bankByNumber_.find(std::to_string(bank));
    const std::size_t limit = it == bankByNumber_.end() ? lines_.size() : bankLines_[it->second].line;
    if (const BankLine* def = lastDefaultBefore(limit)) {
        match.defaultSeen = true;
        match.defaultSetName = def->value;
    }
    if (it != bankByNumber_.end()) {
        match.found = true;
        match.setName = bankLines_[it->second].value;
    }
    return match;
}

const InsFile::PatchSet* InsFile::patchSet(std::string_view set) const {
    if (set.find(']') == std::string_view::npos) {
        const auto it = setByName_.find(std::string(set));
        return it == setByName_.end() ? nullptr : &sets_[it->second];
    }
    // A name holding "]" cannot be a key of the index: compare the headers as the file has them.
    const std::string header = "[" + std::string(set) + "]";
    for (const PatchSet& s : sets_)
        if (lines_[s.header].starts_with(header)) return &s;
    return nullptr;
}

bool InsFile::hasPatchSet(std::string_view set) const { return patchSet(set) != nullptr; }

std::string InsFile::patchNameInSet(std::string_view set, int program) const {
    const PatchSet* s = patchSet(set);
    if (!s) return {};
    const auto it = s->programLine.find(std::to_string(program));
    return it == s->programLine.end() ? std::string() : lineValue(lines_[it->second]);
}

int InsFile::bankOfSetName(std::string_view set) const {
    const auto it = bankBySet_.find(std::string(set));
    if (it == bankBySet_.end()) return -1;
    const std::string& line = lines_[bankLines_[it->second].line];
    if (line.starts_with(kDefaultBankPrefix)) return 0;
    return leadingNumber(std::string_view(line).substr(kBankPrefix.size()));
}

int InsFile::programOfPatchName(std::string_view set, std::string_view name) const {
    const PatchSet* s = patchSet(set);
    if (!s) return -1;
    const auto it = s->nameLine.find(std::string(name));
    if (it == s->nameLine.end()) return -1;
    const std::string& line = lines_[it->second];
    return app::Profile::parseInt(std::string_view(line).substr(0, line.find('='))).value_or(-1);
}

std::vector<std::string> InsFile::setNames() const {
    std::vector<std::string> result;
    for (const BankLine& bank : bankLines_) {
        const std::string& line = lines_[bank.line];
        if (line.starts_with(kDefaultBankPrefix) || line.starts_with(kHiddenBankPrefix)) continue;
        result.push_back(bank.value);
    }
    return result;
}

std::vector<std::string> InsFile::patchNames(std::string_view set) const {
    std::vector<std::string> result;
    const PatchSet* s = patchSet(set);
    if (!s) return result;
    for (std::size_t l = s->begin; l < s->end; ++l)
        if (hasValue(lines_[l])) result.push_back(lineValue(lines_[l]));
    return result;
}

}  // namespace names

#include "names/instrument_definitions.h"

#include <fstream>

#include "names/gm_tables.h"

namespace names {
namespace {

// The file's text up to the first line longer than the line limit (which
// ends the file), read in pieces so a huge line is never held whole.
std::optional<std::string> readDefinitionText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text;
    std::size_t lineStart = 0;
    char chunk[64 * 1024];
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        text.append(chunk, got);
        for (auto nl = text.find('\n', lineStart); nl != std::string::npos; nl = text.find('\n', lineStart))
            lineStart = nl + 1;
        // A line still open past the limit (a CR may follow it) ends the file.
        if (text.size() - lineStart > InsFile::kMaxLineLength + 1) break;
    }
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

std::optional<InstrumentDefinitions::Stamp> InstrumentDefinitions::stampOf(const std::filesystem::path& file) {
    // One status query for both values: this runs before every lookup.
    std::error_code ec;
    const std::filesystem::directory_entry entry(file, ec);
    if (ec || !entry.is_regular_file(ec)) return std::nullopt;
    Stamp stamp;
    stamp.time = entry.last_write_time(ec);
    if (ec) return std::nullopt;
    stamp.size = entry.file_size(ec);
    if (ec) return std::nullopt;
    return stamp;
}

void InstrumentDefinitions::setFile(std::filesystem::path file) {
    if (file == file_) return;
    file_ = std::move(file);
    loaded_ = false;
}

const InsFile& InstrumentDefinitions::current() {
    const auto stamp = hasFile() ? stampOf(file_) : std::nullopt;
    if (loaded_ && stamp == stamp_) return contents_;
    loaded_ = true;
    stamp_ = stamp;
    // A default set of another file (or an older version of this one) names nothing here.
    defaultBankName_.clear();
    const auto text = stamp ? readDefinitionText(file_) : std::nullopt;
    contents_ = text ? InsFile::parse(*text) : InsFile();
    return contents_;
}

bool InstrumentDefinitions::findBank(int bank) {
    const InsFile::BankMatch match = current().findBank(bank);
    if (match.defaultSeen) defaultBankName_ = match.defaultSetName;
    bankName_ = match.setName;
    return match.found;
}

bool InstrumentDefinitions::findPatchSet() { return current().hasPatchSet(bankName_); }

std::string InstrumentDefinitions::patchNameInSet(int program) {
    return current().patchNameInSet(bankName_, program);
}

int InstrumentDefinitions::bankOfSetName(std::string_view set) { return current().bankOfSetName(set); }

int InstrumentDefinitions::programOfPatchName(std::string_view name) {
    return current().programOfPatchName(bankName_, name);
}

std::vector<std::string> InstrumentDefinitions::setNames() { return current().setNames(); }

std::vector<std::string> InstrumentDefinitions::patchNames() { return current().patchNames(bankName_); }

std::string InstrumentDefinitions::patchName(int bank, int program) {
    if (!hasFile()) return std::string(gmProgramName(program));
    if (!findBank(bank)) {
        if (defaultBankName_.empty()) return "GM: " + std::string(gmProgramName(program));
        bankName_ = defaultBankName_;
    }
    return patchNameInSet(program);
}

}  // namespace names

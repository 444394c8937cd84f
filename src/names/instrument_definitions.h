#pragma once
// The chosen instrument definition file and the names it gives banks and
// programs. The file is read when first needed and again whenever its name
// or its contents on disk change; a file that cannot be read names nothing.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "names/ins_file.h"

namespace names {

class InstrumentDefinitions {
public:
    InstrumentDefinitions() = default;
    explicit InstrumentDefinitions(std::filesystem::path file) { setFile(std::move(file)); }

    // An empty path means no definition file: General MIDI names.
    void setFile(std::filesystem::path file);
    const std::filesystem::path& file() const { return file_; }
    bool hasFile() const { return !file_.empty(); }

    // Looks up the bank: on success the bank name is its set; otherwise the
    // bank name is empty. "Patch[*]" lines passed on the way set the default.
    bool findBank(int bank);
    // Whether the set of the current bank name exists.
    bool findPatchSet();
    // Name of the program in the current bank name's set; empty when missing.
    std::string patchNameInSet(int program);
    int bankOfSetName(std::string_view set);
    int programOfPatchName(std::string_view name);
    std::vector<std::string> setNames();
    std::vector<std::string> patchNames();

    // The instrument name of a bank and program: General MIDI without a file;
    // with one, the name in the bank's set (the default set for banks the file
    // does not list, "GM: " and the General MIDI name when it has no default).
    // Leaves the set it used as the bank name.
    std::string patchName(int bank, int program);

    const std::string& bankName() const { return bankName_; }
    void setBankName(std::string name) { bankName_ = std::move(name); }
    const std::string& defaultBankName() const { return defaultBankName_; }

private:
    // Reads the file again when it is new or changed on disk.
    const InsFile& current();

    struct Stamp {
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> stampOf(const std::filesystem::path& file);

    std::filesystem::path file_;
    InsFile contents_;
    bool loaded_ = false;
    std::optional<Stamp> stamp_;
    std::string bankName_;
    std::string defaultBankName_;
};

}  // namespace names

// Instrument definition and system-exclusive description files of any content:
// reading and every lookup must stay within the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "names/ins_file.h"
#include "names/sysex_descriptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto file = names::InsFile::parse(text);
    for (int bank : {0, 1, 12, 896, 16256}) {
        const auto match = file.findBank(bank);
        for (int program : {0, 1, 25, 127}) (void)file.patchNameInSet(match.setName, program);
        (void)file.patchNames(match.setName);
        (void)file.programOfPatchName(match.defaultSetName, match.setName);
        (void)file.bankOfSetName(match.setName);
    }
    (void)file.setNames();

    const auto entry = names::parseSystemEntry(text);
    (void)entry.matches({data, size});
    names::MemoryEntry memory;
    (void)names::parseMemoryEntry(text, memory);
    return 0;
}

#pragma once
// Reading a CASM section ("CASM" chunk holding CSEG chunks) into entry
// records. A segment holds "Ctab" chunks (SFF1) or "Ctb2" chunks (SFF2),
// never both, and a section keeps one kind across segments; a mix, or a
// chunk whose length is not one of its kind's, is wrong data.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/message.h"
#include "casm/cntt.h"
#include "casm/entry.h"

namespace casm {

inline constexpr std::size_t kMaxCtabPerSegment = 16;
inline constexpr std::size_t kMaxSdecLength = 255;
// Every Ctab of a segment becomes one entry per section its Sdec names, so a
// small crafted section could ask for millions of entries. A real style has
// a few hundred; a Ctab that would take the list past this many is wrong data.
inline constexpr std::size_t kMaxEntries = 65536;

// The entries read, in list order, the Cntt values of channels that have no
// entry in their segment (for each section of the segment), and what
// stopped the read. After a failure the entries of the segments read
// completely are kept; a caller that needs all or nothing tests ok().
struct ReadResult {
    std::vector<Entry> entries;
    std::vector<KeptCntt> keptCntt;
    std::optional<base::Message> failure;
    bool ok() const { return !failure.has_value(); }
};

// Reads the bytes of a CASM section; `fileName` names it in messages.
ReadResult readCasm(std::span<const std::uint8_t> bytes, std::string_view fileName,
                    const base::Language& language = base::builtinLanguage());
// Reads a ".csm" file (or "#casm.csm").
ReadResult readCasmFile(const std::filesystem::path& path, const base::Language& language = base::builtinLanguage());

// The section names of an Sdec text: cut at every comma, each name cut to
// 31 characters; empty pieces (two commas in a row, a trailing comma) and
// repeated names name no further section, so no entry is made twice.
std::vector<std::string> splitSdec(std::string_view text);

}  // namespace casm

#pragma once
// A style file with another CASM section in place of its own, every byte
// before it (the MIDI part) and after it (the add part) unchanged.
#include <cstdint>
#include <optional>
#include <span>

#include "base/file_io.h"
#include "document/smf_reader.h"

namespace document {

// `read` is what reading `style` returned: where its CASM section lies
// follows from the lengths it reports. Nothing when no CASM section was
// taken or the bytes there are not one.
std::optional<base::Bytes> replaceCasmSection(std::span<const std::uint8_t> style, const ReadResult& read,
                                             std::span<const std::uint8_t> casm);

}  // namespace document

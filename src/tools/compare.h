#pragma once
// Byte-wise comparison of two files as the compare window lists it:
//   "HEXPosition  " A "   " B
//   "%04X         %02X      %02X" for each differing offset (byte of A, of B)
//   "Different length..." when B ends before A
//   "___________________________________"
//   "Compared: " n "   No match:" m
// Bytes are compared up to the end of A or of B, whichever comes first; a B
// longer than A is not reported. Lines are formatted on demand.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/bounded_file.h"

namespace tools {

static_assert(base::kMaxBoundedFileSize <= UINT32_MAX, "offsets of compared files fit 32 bits");

struct Mismatch {
    std::uint32_t offset;
    std::uint8_t a;
    std::uint8_t b;
};

struct Comparison {
    std::string nameA;
    std::string nameB;
    std::vector<Mismatch> mismatches;
    std::size_t compared = 0;
    bool differentLength = false;  // B ended before A
};

Comparison compareBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::string nameA,
                        std::string nameB);

std::size_t compareLineCount(const Comparison& comparison);
std::string compareLine(const Comparison& comparison, std::size_t line);

}  // namespace tools

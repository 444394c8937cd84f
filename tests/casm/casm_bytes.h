#pragma once
// CASM chunks (Ctab and Ctb2) for the tests, made with the generic chunk builder.
#include <string_view>

#include "casm/entry.h"
#include "document/smf_builder.h"

namespace casm_test {

using base::Bytes;
using document::append;
using document::chunk;

// The section that creation writes for "Main A" and channel 9 as drums.
inline const Bytes kMainADrums = {
    0x43, 0x41, 0x53, 0x4D, 0x00, 0x00, 0x00, 0x39, 0x43, 0x53, 0x45, 0x47, 0x00, 0x00, 0x00, 0x31, 0x53,
    0x64, 0x65, 0x63, 0x00, 0x00, 0x00, 0x06, 0x4D, 0x61, 0x69, 0x6E, 0x20, 0x41, 0x43, 0x74, 0x61, 0x62,
    0x00, 0x00, 0x00, 0x1B, 0x08, 0x52, 0x68, 0x79, 0x74, 0x6D, 0x20, 0x20, 0x20, 0x08, 0x00, 0x0F, 0xFF,
    0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x02, 0x01, 0x00, 0x06, 0x00, 0x7F, 0x01, 0x00};

inline Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// A Ctab chunk: the new-entry bytes with `track` as source and destination,
// then `fill` for every byte from 26 on.
inline Bytes ctab(std::uint8_t track, std::string_view name = "Test", std::size_t length = 27,
                  std::uint8_t fill = 0) {
    casm::Entry e = casm::newEntry();
    e[casm::Track] = track;
    e[casm::MidiChan] = track;
    e.setName(name);
    Bytes body(e.ctab.begin(), e.ctab.begin() + 26);
    body.resize(length, fill);
    return chunk("Ctab", body);
}

// The data of a Ctb2 chunk: the shared bytes of a new entry with `track` as
// source and destination, then bytes 20 to 46 each of its own value
// (`first` + offset - 20), so that a byte out of place shows.
inline Bytes ctb2Body(std::uint8_t track, std::string_view name = "Test", std::uint8_t first = 0x40) {
    casm::Entry e = casm::newEntry();
    e[casm::Track] = track;
    e[casm::MidiChan] = track;
    e.setName(name);
    Bytes body(e.ctab.begin(), e.ctab.begin() + casm::MiddleLow);
    for (std::size_t i = casm::MiddleLow; i < casm::kCtb2Length; ++i)
        body.push_back(static_cast<std::uint8_t>(first + i - casm::MiddleLow));
    return body;
}

inline Bytes ctb2(std::uint8_t track, std::string_view name = "Test", std::uint8_t first = 0x40) {
    return chunk("Ctb2", ctb2Body(track, name, first));
}

inline Bytes cntt(std::uint8_t channel, std::uint8_t value) { return chunk("Cntt", {channel, value}); }

// A CSEG with its Sdec text and the given inner chunks.
inline Bytes cseg(std::string_view sections, std::initializer_list<Bytes> inner) {
    Bytes body = chunk("Sdec", text(sections));
    for (const auto& c : inner) append(body, c);
    return chunk("CSEG", body);
}

inline Bytes casmOf(std::initializer_list<Bytes> segments) {
    Bytes body;
    for (const auto& s : segments) append(body, s);
    return chunk("CASM", body);
}

}  // namespace casm_test

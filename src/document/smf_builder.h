#pragma once
// Small builders for Standard MIDI File and chunk bytes: the demo style and
// the tests make their files with them.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "base/file_io.h"

namespace document {

// The events of one track, each added with its delta time.
class TrackBuilder {
public:
    TrackBuilder& event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes);
    TrackBuilder& event(std::uint32_t delta, const std::vector<std::uint8_t>& bytes);
    TrackBuilder& meta(std::uint32_t delta, std::uint8_t type, const std::vector<std::uint8_t>& data);
    TrackBuilder& text(std::uint32_t delta, std::uint8_t type, std::string_view text);
    TrackBuilder& sysex(std::uint32_t delta, const std::vector<std::uint8_t>& bytesAfterF0);
    TrackBuilder& tempo(std::uint32_t delta, std::uint32_t microsecondsPerQuarter);
    TrackBuilder& end(std::uint32_t delta = 0);
    const base::Bytes& bytes() const { return bytes_; }

private:
    base::Bytes bytes_;
};

// A tag, a big-endian 32-bit length and the body.
base::Bytes chunk(std::string_view tag, const base::Bytes& body);
// "MThd" with format, track count and division, then one "MTrk" per track.
base::Bytes smfFile(std::uint16_t format, std::uint16_t division, const std::vector<base::Bytes>& tracks);
void append(base::Bytes& out, const base::Bytes& more);

}  // namespace document

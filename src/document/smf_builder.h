#pragma once
// Small builders for Standard MIDI File and chunk bytes: the demo style and
// the tests make their files with them.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "app/file_io.h"

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
    const app::Bytes& bytes() const { return bytes_; }

private:
    app::Bytes bytes_;
};

// A tag, a big-endian 32-bit length and the body.
app::Bytes chunk(std::string_view tag, const app::Bytes& body);
// "MThd" with format, track count and division, then one "MTrk" per track.
app::Bytes smfFile(std::uint16_t format, std::uint16_t division, const std::vector<app::Bytes>& tracks);
void append(app::Bytes& out, const app::Bytes& more);

}  // namespace document

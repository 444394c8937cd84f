#pragma once
// The smallest MIDI part CASM creation works on: the first marker (SFF1 or
// SFF2), one section "Main A" and one drum note on channel 9, at 96 ticks a
// quarter.
#include <string_view>

#include "base/file_io.h"
#include "document/smf_builder.h"

namespace testing_support {

inline base::Bytes drumSectionMidi(std::string_view firstMarker = "SFF1") {
    const auto track = document::TrackBuilder()
                           .text(0, 0x06, firstMarker)
                           .text(0, 0x06, "Main A")
                           .event(0, {0x98, 36, 100})
                           .event(96, {0x88, 36, 0})
                           .end()
                           .bytes();
    return document::smfFile(0, 96, {track});
}

}  // namespace testing_support

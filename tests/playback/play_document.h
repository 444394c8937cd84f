#pragma once
// Reads a one-track file made by a test into a document, as "&Open..." would.
#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "support/temp_dir.h"

namespace testing_support {

inline document::Document readTrack(const document::TrackBuilder& track, std::uint16_t division = 480) {
    TempWorkspace w;
    document::Document doc;
    document::readBytes(document::smfFile(0, division, {track.bytes()}), doc, w.ws);
    return doc;
}

}  // namespace testing_support

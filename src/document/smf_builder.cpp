#include "document/smf_builder.h"

#include "document/smf_writer.h"

namespace document {

void append(base::Bytes& out, const base::Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

TrackBuilder& TrackBuilder::event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
    appendVarLen(bytes_, delta);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

TrackBuilder& TrackBuilder::event(std::uint32_t delta, const std::vector<std::uint8_t>& bytes) {
    appendVarLen(bytes_, delta);
    append(bytes_, bytes);
    return *this;
}

TrackBuilder& TrackBuilder::meta(std::uint32_t delta, std::uint8_t type, const std::vector<std::uint8_t>& data) {
    appendVarLen(bytes_, delta);
    bytes_.push_back(0xFF);
    bytes_.push_back(type);
    appendVarLen(bytes_, static_cast<std::uint32_t>(data.size()));
    append(bytes_, data);
    return *this;
}

TrackBuilder& TrackBuilder::text(std::uint32_t delta, std::uint8_t type, std::string_view text) {
    return meta(delta, type, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TrackBuilder& TrackBuilder::sysex(std::uint32_t delta, const std::vector<std::uint8_t>& bytesAfterF0) {
    appendVarLen(bytes_, delta);
    bytes_.push_back(0xF0);
    appendVarLen(bytes_, static_cast<std::uint32_t>(bytesAfterF0.size()));
    append(bytes_, bytesAfterF0);
    return *this;
}

TrackBuilder& TrackBuilder::tempo(std::uint32_t delta, std::uint32_t t) {
    return meta(delta, 0x51,
                {static_cast<std::uint8_t>(t >> 16), static_cast<std::uint8_t>(t >> 8), static_cast<std::uint8_t>(t)});
}

TrackBuilder& TrackBuilder::end(std::uint32_t delta) { return meta(delta, 0x2F, {}); }

base::Bytes chunk(std::string_view tag, const base::Bytes& body) {
    base::Bytes out(tag.begin(), tag.end());
    const auto n = static_cast<std::uint32_t>(body.size());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(n >> shift));
    append(out, body);
    return out;
}

base::Bytes smfFile(std::uint16_t format, std::uint16_t division, const std::vector<base::Bytes>& tracks) {
    const auto count = static_cast<std::uint16_t>(tracks.size());
    base::Bytes header = {0,
                         static_cast<std::uint8_t>(format),
                         static_cast<std::uint8_t>(count >> 8),
                         static_cast<std::uint8_t>(count),
                         static_cast<std::uint8_t>(division >> 8),
                         static_cast<std::uint8_t>(division)};
    header[0] = static_cast<std::uint8_t>(format >> 8);
    base::Bytes out = chunk("MThd", header);
    for (const auto& t : tracks) append(out, chunk("MTrk", t));
    return out;
}

}  // namespace document

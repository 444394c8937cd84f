#pragma once
// Reading back a WAV file a test rendered: its format and its samples.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/file_io.h"

namespace testing_support {

// The format and the samples of a PCM WAV file.
struct Wav {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;  // interleaved
    std::size_t frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    // The largest magnitude from frame `from` on for `count` frames.
    int peak(std::size_t from, std::size_t count) const {
        int p = 0;
        const auto c = static_cast<std::size_t>(channels);
        for (std::size_t i = from * c; i < std::min(samples.size(), (from + count) * c); ++i)
            p = std::max(p, std::abs(static_cast<int>(samples[i])));
        return p;
    }
};

inline std::uint32_t littleEndian(const base::Bytes& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

inline Wav readWav(const base::Bytes& b) {
    Wav wav;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return wav;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::size_t size = littleEndian(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && littleEndian(b, body, 2) == 1) {
            wav.channels = static_cast<int>(littleEndian(b, body + 2, 2));
            wav.rate = static_cast<int>(littleEndian(b, body + 4, 4));
            wav.bits = static_cast<int>(littleEndian(b, body + 14, 2));
        } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
            for (std::size_t i = body; i + 1 < std::min(b.size(), body + size); i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(littleEndian(b, i, 2)));
        }
        at = body + size + (size & 1);
    }
    return wav;
}

}  // namespace testing_support

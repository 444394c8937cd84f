#pragma once
// What the benchmarks share: a folder of their own, removed when the program
// ends, and generated files that look like a style's MIDI part.
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "base/file_io.h"
#include "document/smf_builder.h"

namespace bench {

inline constexpr int kMillion = 1'000'000;

inline const std::filesystem::path& benchDir() {
    struct Dir {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("ctabber-bench-" + std::to_string(::getpid()));
        Dir() { std::filesystem::create_directories(path); }
        ~Dir() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Dir dir;
    return dir.path;
}

// A format-0 file of `events` events mixed like a real style: mostly notes
// on all 16 channels, a controller, a program change and a marker in every
// ten events. Made once per size.
inline const std::filesystem::path& styleLikeFile(int events) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(events); it != made.end()) return it->second;
    document::TrackBuilder t;
    t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
    for (int i = 0, count = 2; count < events - 1; ++i, ++count) {
        const auto ch = static_cast<std::uint8_t>(i % 16);
        switch (i % 10) {
            case 0: t.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100}); break;
            case 1: t.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(i % 128)}); break;
            case 2: t.text(0, 0x06, "Main A"); break;
            default:
                t.event(static_cast<std::uint32_t>(i % 3 * 60),
                        {static_cast<std::uint8_t>(0x90 | ch), static_cast<std::uint8_t>(36 + i % 48), 100});
        }
    }
    t.end();
    const auto file = benchDir() / ("events-" + std::to_string(events) + ".mid");
    base::writeFileAtomic(file, document::smfFile(0, 480, {t.bytes()}));
    return made[events] = file;
}

}  // namespace bench

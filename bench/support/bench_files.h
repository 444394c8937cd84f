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

// A format-0 file of about `events` events in paired notes, as the roll
// shows a style: each sixteenth (120 ticks at 480 a quarter) ends the notes
// of the one before and starts one note on each of the 16 channels; a
// volume change per channel every 64 steps, and 8 section markers spread
// over the file. Made once per size.
inline const std::filesystem::path& pairedNotesFile(int events) {
    static std::map<int, std::filesystem::path> made;
    if (auto it = made.find(events); it != made.end()) return it->second;
    static constexpr const char* kSections[] = {"Intro A", "Main A",    "Main B",   "Fill In AA",
                                                "Main C",  "Fill In BB", "Main D",  "Ending A"};
    const int steps = events / 33;
    document::TrackBuilder t;
    t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
    for (int step = 0; step <= steps; ++step) {
        std::uint32_t delta = step == 0 ? 0 : 120;
        if (step % (steps / 8 + 1) == 0 && step / (steps / 8 + 1) < 8) {
            t.text(delta, 0x06, kSections[step / (steps / 8 + 1)]);
            delta = 0;
        }
        for (int c = 0; c < 16 && step > 0; ++c, delta = 0)
            t.event(delta, {static_cast<std::uint8_t>(0x80 | c), static_cast<std::uint8_t>(36 + (step - 1 + c * 5) % 60), 0});
        if (step == steps) break;
        for (int c = 0; c < 16; ++c, delta = 0) {
            if (step % 64 == 0) t.event(delta, {static_cast<std::uint8_t>(0xB0 | c), 7, 100}), delta = 0;
            t.event(delta, {static_cast<std::uint8_t>(0x90 | c), static_cast<std::uint8_t>(36 + (step + c * 5) % 60),
                            static_cast<std::uint8_t>(40 + (step * 7 + c) % 87)});
        }
    }
    t.end();
    const auto file = benchDir() / ("notes-" + std::to_string(events) + ".mid");
    base::writeFileAtomic(file, document::smfFile(0, 480, {t.bytes()}));
    return made[events] = file;
}

}  // namespace bench

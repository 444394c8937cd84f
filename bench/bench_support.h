#pragma once
// What the benchmark programs share: a folder for their files and the
// generated file they read.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/file_io.h"
#include "document/smf_builder.h"

namespace bench {

// A fresh folder under the temporary directory, removed with everything in it.
struct TempFolder {
    std::filesystem::path path;
    explicit TempFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

// A format-0 file of `events` events mixed like a real style: mostly notes
// on all sixteen channels, with controllers, programs and a marker in every
// ten events.
inline app::Bytes styleMix(int events) {
    document::TrackBuilder t;
    t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
    for (int i = 0, count = 2; count < events - 1; ++i, ++count) {
        const auto ch = static_cast<std::uint8_t>(i % 16);
        const auto note = static_cast<std::uint8_t>(36 + i % 48);
        switch (i % 10) {
            case 0: t.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100}); break;
            case 1: t.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(i % 128)}); break;
            case 2: t.text(0, 0x06, "Main A"); break;
            default: t.event(static_cast<std::uint32_t>(i % 3 * 60), {static_cast<std::uint8_t>(0x90 | ch), note, 100});
        }
    }
    t.end();
    return document::smfFile(0, 480, {t.bytes()});
}

}  // namespace bench

#pragma once
// A generated format-0 file of a million events like a real style: mostly
// notes, with controllers, program changes and a marker in every ten events.
// Written once per program into a temporary folder removed at exit.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/file_io.h"
#include "document/smf_builder.h"

namespace bench {

inline constexpr int kMillion = 1'000'000;

inline const std::filesystem::path& benchFolder() {
    struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("ctabber-bench-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

inline const std::filesystem::path& millionStyle() {
    static const std::filesystem::path file = [] {
        document::TrackBuilder t;
        t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8});
        for (int i = 0, count = 2; count < kMillion - 1; ++i, ++count) {
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
        const auto path = benchFolder() / "million.mid";
        app::writeFileAtomic(path, document::smfFile(0, 480, {t.bytes()}));
        return path;
    }();
    return file;
}

}  // namespace bench

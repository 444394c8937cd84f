// Feeds arbitrary bytes to the file reader, then writes the rows back: no
// input may crash, hang or allocate by a length field.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "document/smf_reader.h"
#include "document/smf_writer.h"

namespace {

// The program directory of this run, removed when the fuzzer exits.
struct FuzzWorkspace {
    base::Workspace ws{std::filesystem::temp_directory_path() / ("ctabber-fuzz-" + std::to_string(::getpid()))};
    ~FuzzWorkspace() {
        std::error_code ec;
        std::filesystem::remove_all(ws.dir(), ec);
    }
};

const base::Workspace& workspace() {
    static const FuzzWorkspace fuzz;
    return fuzz.ws;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    document::Document doc;
    auto result = document::readBytes(bytes, doc, workspace());
    if (!result.failed && doc.format == 0) {
        auto written = document::midiPartBytes(doc);
        // What was read without error reads again without error.
        document::Document again;
        if (document::readBytes(written, again, workspace()).failed) __builtin_trap();
    }
    return 0;
}

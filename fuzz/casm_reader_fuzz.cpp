// Feeds arbitrary bytes to the CASM reader; whatever it reads is written
// again and must read back as the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "casm/reader.h"
#include "casm/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = casm::readCasm({data, size}, "fuzz.csm");
    if (!read.ok() && !read.failure->text.empty() && read.failure->caption.empty()) std::abort();
    const auto written = casm::writeCasm(read.entries);
    if (!written.ok()) return 0;
    const auto again = casm::readCasm(written.bytes, "again.csm");
    if (!again.ok() || again.entries.size() != read.entries.size()) std::abort();
    if (casm::writeCasm(again.entries).bytes != written.bytes) std::abort();
    return 0;
}

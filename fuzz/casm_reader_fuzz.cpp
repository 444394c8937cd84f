// Feeds arbitrary bytes to the CASM reader; whatever it reads (with the
// Cntt values it keeps) is written again, must read back as the same
// entries and write the same bytes once more. The same bytes are also read
// as an entry record, which fromRecord takes exactly when recordFault finds
// nothing, and as a casm-assign FIELD=VALUE text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "casm/assign_fields.h"
#include "casm/reader.h"
#include "casm/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (casm::fromRecord(bytes).has_value() == casm::recordFault(bytes).has_value()) std::abort();
    casm::AssignRequest request;
    casm::addAssignField(request, std::string_view(reinterpret_cast<const char*>(data), size));

    const auto read = casm::readCasm(bytes, "fuzz.csm");
    if (!read.ok() && !read.failure->text.empty() && read.failure->caption.empty()) std::abort();
    const auto written = casm::writeCasm(read.entries, {}, base::builtinLanguage(), read.keptCntt);
    if (!written.ok()) return 0;
    const auto again = casm::readCasm(written.bytes, "again.csm");
    if (!again.ok() || again.entries.size() != read.entries.size()) std::abort();
    if (casm::writeCasm(again.entries, {}, base::builtinLanguage(), again.keptCntt).bytes != written.bytes) std::abort();
    return 0;
}

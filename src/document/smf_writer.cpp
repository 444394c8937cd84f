#include "document/smf_writer.h"

#include <array>

#include "app/file_names.h"
#include "app/profile.h"
#include "document/hex_text.h"

namespace document {
namespace {

constexpr std::array<std::string_view, 8> kExtensions = {"", ".mid", ".sty", ".bcs", ".prs", ".sst", ".pst", ".pcs"};

void putBig(app::Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void appendBytes(app::Bytes& out, std::span<const std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::string_view filterExtension(int filter) {
    return filter >= FilterMid && filter <= FilterPcs ? kExtensions[static_cast<std::size_t>(filter)] : "";
}

int filterForName(const std::filesystem::path& name) {
    const std::string text = name.string();
    const auto ext = app::extensionOf(text);
    for (int f = FilterMid; f <= FilterPcs; ++f)
        if (app::equalsIgnoreCase(ext, filterExtension(f))) return f;
    return 0;
}

std::string applyExtensionRule(const std::string& name, int filter) {
    const auto wanted = filterExtension(filter);
    if (wanted.empty() || app::equalsIgnoreCase(app::extensionOf(name), wanted)) return name;
    return name + std::string(wanted);
}

void appendVarLen(app::Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (n > 1) out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

namespace {

// Appends the bytes of the row's Event and data; false when the Event cell
// holds no byte (such a row is not an event and is not written).
bool encodeEvent(const EventRow& row, app::Bytes& out, std::vector<std::uint8_t>& scratch) {
    const auto eventCell = row.cell(ColEvent);
    parseHexInto(eventCell, scratch);
    if (scratch.empty()) return false;
    appendBytes(out, scratch);
    const std::uint8_t status = scratch[0];
    const int type = scratch.size() > 1 ? scratch[1] : -1;
    const auto dataCell = row.cell(ColData);
    auto withLength = [&]() {
        parseHexInto(dataCell, scratch);
        appendVarLen(out, static_cast<std::uint32_t>(scratch.size()));
        appendBytes(out, scratch);
    };
    if (status == 0xF0 || status == 0xF7) {
        withLength();
    } else if (status < 0xFF) {
        parseHexInto(dataCell, scratch);
        appendBytes(out, scratch);
    } else if (type >= 0x01 && type <= 0x07) {
        appendVarLen(out, static_cast<std::uint32_t>(dataCell.size()));
        out.insert(out.end(), dataCell.begin(), dataCell.end());
    } else if (type == 0x7F) {
        withLength();
    } else if (type == 0x00 || type == 0x20 || type == 0x21 || type == 0x51 || type == 0x54 || type == 0x58 ||
               type == 0x59) {
        parseHexInto(dataCell, scratch);
        appendBytes(out, scratch);
    }
    return true;
}

// All event rows; a row without Event bytes passes its Tick+ on to the next
// event so that absolute times stay.
void encodeRows(const EventList& events, app::Bytes& out) {
    std::vector<std::uint8_t> scratch;
    app::Bytes eventBytes;
    std::uint32_t carried = 0;
    for (int r = 1; r <= events.eventCount(); ++r) {
        const auto& row = events.row(r);
        eventBytes.clear();
        const std::uint32_t tick = tickOf(row) + carried;
        if (!encodeEvent(row, eventBytes, scratch)) {
            carried = tick;
            continue;
        }
        carried = 0;
        appendVarLen(out, tick);
        appendBytes(out, eventBytes);
    }
}

}  // namespace

void encodeRow(const EventRow& row, app::Bytes& out) {
    std::vector<std::uint8_t> scratch;
    appendVarLen(out, tickOf(row));
    encodeEvent(row, out, scratch);
}

app::Bytes midiPartBytes(const Document& doc) {
    app::Bytes out;
    out.reserve(22 + static_cast<std::size_t>(doc.events.eventCount()) * 8);
    const std::uint8_t header[8] = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    out.insert(out.end(), header, header + 8);
    putBig(out, doc.format, 2);
    putBig(out, 1, 2);  // the one track chunk written, whatever the file claimed
    putBig(out, doc.division, 2);
    out.insert(out.end(), {'M', 'T', 'r', 'k', 0, 0, 0, 0});
    encodeRows(doc.events, out);
    const auto length = out.size() - 22;
    for (int i = 0; i < 4; ++i) out[18 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * (3 - i)));
    return out;
}

namespace {

// Writes `bytes` to `target` all or nothing, with the messages of a save.
app::Outcome writeAll(const std::filesystem::path& target, const app::Bytes& bytes, const app::Language& lang) {
    app::AtomicFile file(target);
    if (!file.isOpen()) {
        const auto& refusal = file.refusal();
        return app::failure(lang.text(100, "Unable to create the file"), 100,
                            refusal.empty() ? target.string() : target.string() + ": " + refusal);
    }
    if (!file.write(bytes) || !file.commit())
        return app::failure(lang.text(102, "Write error"), 102, target.string());
    return {};
}

// The warning of a ".sty" save that leaves the add part out; empty when
// there is none.
std::string leftOutAddPart(const app::Workspace& ws) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(ws.casmAdd(), ec);
    if (ec || size == 0) return {};
    std::string keepers;
    for (int f = FilterBcs; f <= FilterPcs; ++f)
        keepers += std::string(f == FilterBcs ? "" : f == FilterPcs ? " and " : ", ") + std::string(filterExtension(f));
    return "The add part (" + std::to_string(size) + " bytes) was left out: " + keepers + " files keep it.";
}

}  // namespace

app::Outcome writeMidiPart(const Document& doc, const std::filesystem::path& target, const app::Language& lang) {
    return writeAll(target, midiPartBytes(doc), lang);
}

app::Outcome saveAs(const Document& doc, const std::filesystem::path& target, int filter, const app::Workspace& ws,
                    const app::Language& lang) {
    if (doc.format != 0)
        return app::failure(lang.text(99, "Unsupported format"), 99,
                            lang.text(98, "This programm can save only SMF0 files..."), 98);
    app::Bytes bytes = midiPartBytes(doc);
    if (filter != FilterMid) {
        auto casm = app::readFile(ws.casm());
        if (!casm)
            return app::failure(lang.text(103, "Unable to open the file"), 103,
                                lang.text(104, "The CASM section is not found..."), 104);
        appendBytes(bytes, *casm);
    }
    if (filter != FilterMid && filter != FilterSty && app::fileExists(ws.casmAdd())) {
        auto add = app::readFile(ws.casmAdd());
        if (!add) return app::failure(lang.text(103, "Unable to open the file"), 103, std::string(app::files::casmAdd));
        appendBytes(bytes, *add);
    }
    if (auto written = writeAll(target, bytes, lang); !written.ok) return written;
    switch (filter) {
        case FilterMid: return app::success(lang.text(376, "Saved as a MIDI SMF0 file..."), 376, target.string());
        case FilterSty: {
            auto saved = app::success(lang.text(377, "Saved as a SFF style file..."), 377, target.string());
            saved.note = leftOutAddPart(ws);
            return saved;
        }
        default:
            return app::success(lang.text(378, "Saved as a SFF style file for TYROS keyboard..."), 378,
                                target.string());
    }
}

}  // namespace document

#include "document/smf_writer.h"

#include <array>

#include "base/file_names.h"
#include "base/profile.h"

namespace document {
namespace {

constexpr std::array<std::string_view, 8> kExtensions = {"", ".mid", ".sty", ".bcs", ".prs", ".sst", ".pst", ".pcs"};

void appendBytes(base::Bytes& out, std::span<const std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::string_view filterExtension(int filter) {
    return filter >= FilterMid && filter <= FilterPcs ? kExtensions[static_cast<std::size_t>(filter)] : "";
}

int filterForName(const std::filesystem::path& name) {
    const std::string text = name.string();
    const auto ext = base::extensionOf(text);
    for (int f = FilterMid; f <= FilterPcs; ++f)
        if (base::equalsIgnoreCase(ext, filterExtension(f))) return f;
    return 0;
}

std::string applyExtensionRule(const std::string& name, int filter) {
    const auto wanted = filterExtension(filter);
    if (wanted.empty() || base::equalsIgnoreCase(base::extensionOf(name), wanted)) return name;
    return name + std::string(wanted);
}

SaveTarget saveTarget(const std::string& name, int filter) {
    if (const int named = filterForName(name)) return {name, named};
    return {applyExtensionRule(name, filter), filter};
}

void appendVarLen(base::Bytes& out, std::uint32_t value) {
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

// The data of these kinds is written after its length.
bool dataHasLength(int status, int type) {
    return status == 0xF0 || status == 0xF7 || (status == 0xFF && ((type >= 0x01 && type <= 0x07) || type == 0x7F));
}

// Meta types whose data bytes follow the fixed length byte of the Event cell.
bool metaHasData(int type) {
    switch (type) {
        case 0x00: case 0x20: case 0x21: case 0x51: case 0x54: case 0x58: case 0x59: return true;
        default: return false;
    }
}

// Appends the row's Event bytes and its data by kind; false when the row
// holds no event byte (such a row is not an event and is not written).
bool encodeEvent(const EventList& list, int r, base::Bytes& out) {
    const auto event = list.eventBytes(r);
    if (event.empty()) return false;
    appendBytes(out, event);
    const int status = event[0];
    const int type = event.size() > 1 ? event[1] : -1;
    const auto data = list.dataBytes(r);
    if (dataHasLength(status, type)) {
        appendVarLen(out, static_cast<std::uint32_t>(data.size()));
        appendBytes(out, data);
    } else if (status < 0xFF || metaHasData(type)) {
        appendBytes(out, data);
    }
    return true;
}

// All event rows. A row without Event bytes, and an end-of-track before the
// last event (a file of several tracks read into one list), are left out;
// their Tick+ passes on to the next event so that absolute times stay and
// other readers do not stop in the middle of the track.
void encodeRows(const EventList& list, base::Bytes& out) {
    std::uint32_t carried = 0;
    const int last = list.eventCount();
    for (int r = 1; r <= last; ++r) {
        const std::uint32_t tick = list.delta(r) + carried;
        const auto mark = out.size();
        appendVarLen(out, tick);
        if ((r < last && isTrackEnd(list.eventBytes(r))) || !encodeEvent(list, r, out)) {
            out.resize(mark);
            carried = tick;
            continue;
        }
        carried = 0;
    }
}

}  // namespace

void encodeRow(const EventList& list, int r, base::Bytes& out) {
    appendVarLen(out, list.delta(r));
    encodeEvent(list, r, out);
}

base::Bytes midiPartBytes(const Document& doc) {
    auto byte = [](unsigned value) { return static_cast<std::uint8_t>(value & 0xFF); };
    // The header and the one track chunk's header, whatever the file claimed;
    // the track length is filled in once the rows are written.
    const std::array<std::uint8_t, 22> head = {'M', 'T', 'h', 'd', 0, 0, 0, 6, byte(doc.format >> 8u), byte(doc.format),
                                               0, 1, byte(doc.division >> 8u), byte(doc.division),
                                               'M', 'T', 'r', 'k', 0, 0, 0, 0};
    base::Bytes out(head.begin(), head.end());
    // Most events take four bytes or fewer; longer ones grow the buffer.
    out.reserve(head.size() + static_cast<std::size_t>(doc.events.eventCount()) * 4);
    encodeRows(doc.events, out);
    const auto length = out.size() - 22;
    for (int i = 0; i < 4; ++i) out[18 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * (3 - i)));
    return out;
}

base::Outcome writeAll(const std::filesystem::path& target, const base::Bytes& bytes, const base::Language& lang) {
    base::AtomicFile file(target);
    if (!file.isOpen()) {
        const auto& refusal = file.refusal();
        return base::failure(lang.text(100, "Unable to create the file"), 100,
                            refusal.empty() ? target.string() : target.string() + ": " + refusal);
    }
    if (!file.write(bytes) || !file.commit())
        return base::failure(lang.text(102, "Write error"), 102, target.string());
    return {};
}

std::string leftOutAddPart(const base::Workspace& ws, std::string_view why) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(ws.casmAdd(), ec);
    if (ec || size == 0) return {};
    return "The add part (" + std::to_string(size) + " bytes) was left out: " + std::string(why);
}

base::Outcome writeMidiPart(const Document& doc, const std::filesystem::path& target, const base::Language& lang) {
    return writeAll(target, midiPartBytes(doc), lang);
}

base::Outcome saveAs(const Document& doc, const std::filesystem::path& target, int filter, const base::Workspace& ws,
                    const base::Language& lang) {
    if (doc.format != 0)
        return base::failure(lang.text(99, "Unsupported format"), 99,
                            lang.text(98, "This programm can save only SMF0 files..."), 98);
    base::Bytes bytes = midiPartBytes(doc);
    if (filter != FilterMid) {
        auto casm = base::readFile(ws.casm());
        if (!casm)
            return base::failure(lang.text(103, "Unable to open the file"), 103,
                                lang.text(104, "The CASM section is not found..."), 104);
        appendBytes(bytes, *casm);
    }
    if (filter != FilterMid && filter != FilterSty && base::fileExists(ws.casmAdd())) {
        auto add = base::readFile(ws.casmAdd());
        if (!add) return base::failure(lang.text(103, "Unable to open the file"), 103, std::string(base::files::casmAdd));
        appendBytes(bytes, *add);
    }
    if (auto written = writeAll(target, bytes, lang); !written.ok) return written;
    switch (filter) {
        case FilterMid: return base::success(lang.text(376, "Saved as a MIDI SMF0 file..."), 376, target.string());
        case FilterSty: {
            auto saved = base::success(lang.text(377, "Saved as a SFF style file..."), 377, target.string());
            std::string keepers;
            for (int f = FilterBcs; f <= FilterPcs; ++f)
                keepers += std::string(f == FilterBcs ? "" : f == FilterPcs ? " and " : ", ") + std::string(filterExtension(f));
            saved.note = leftOutAddPart(ws, keepers + " files keep it.");
            return saved;
        }
        default:
            return base::success(lang.text(378, "Saved as a SFF style file for TYROS keyboard..."), 378,
                                target.string());
    }
}

}  // namespace document

#include "events/event_clipboard.h"

#include <array>
#include <charconv>
#include <optional>
#include <unordered_map>

#include "base/file_io.h"
#include "base/profile.h"
#include "document/event_cells.h"
#include "document/row_from_cells.h"
#include "events/edit_names.h"
#include "events/row_commands.h"

namespace events {
namespace {

constexpr std::string_view kHeader = "EventCopy";
constexpr std::string_view kCountKey = "Count";
constexpr int kKeys = 8;  // cells 1 to 8
constexpr int kProgressStep = 4096;
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A settings reader trims values; quotation marks keep what trimming would take.
bool needsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (isBlank(value.front()) || isBlank(value.back())) return true;
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

void appendPlain(std::string& out, std::string_view value) {
    const bool quote = needsQuotes(value);
    if (quote) out += '"';
    out += value;
    if (quote) out += '"';
}

// One key line; a value with a line break is written flat and again as hex.
void appendKey(std::string& out, int key, std::string_view value) {
    const char name = static_cast<char>('0' + key);
    out += name;
    out += '=';
    const bool breaks = value.find_first_of("\r\n") != std::string_view::npos;
    if (!breaks) {
        appendPlain(out, value);
        out += '\n';
        return;
    }
    std::string flat(value);
    for (char& c : flat)
        if (isLineBreak(c)) c = ' ';
    appendPlain(out, flat);
    out += '\n';
    out += name;
    out += "x=";
    for (unsigned char c : value) {
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 0x0F];
    }
    out += '\n';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> fromHexDigits(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return bytes;
}

// A row's section number: decimal digits without leading zeros.
std::optional<std::uint32_t> sectionNumber(std::string_view name) {
    if (name.empty() || name.size() > 9 || (name.size() > 1 && name.front() == '0')) return std::nullopt;
    std::uint32_t k = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), k);
    if (ec != std::errc() || end != name.data() + name.size()) return std::nullopt;
    return k;
}

// The keys of one row's section as they stand in the text; the first of
// each wins, as in every settings file.
struct SectionKeys {
    std::array<std::optional<std::string_view>, kKeys> plain;
    std::array<std::optional<std::string_view>, kKeys> hex;
};

void takeKey(SectionKeys& keys, std::string_view key, std::string_view value) {
    if (key.empty() || key.size() > 2 || key[0] < '1' || key[0] > '0' + kKeys) return;
    const auto at = static_cast<std::size_t>(key[0] - '1');
    if (key.size() == 1) {
        if (!keys.plain[at]) keys.plain[at] = value;
    } else if (key[1] == 'x' || key[1] == 'X') {
        if (!keys.hex[at]) keys.hex[at] = value;
    }
}

ParsedClipboard refused(std::string fault) { return {{}, std::move(fault)}; }

}  // namespace

CopyPlan copyPlan(const document::EventList& list, int currentRow, bool cut, bool notesProtected) {
    // The selection as Delete takes it; without one, the current row.
    auto selection = selectionDelete(list, !notesProtected);
    if (!selection.rows.empty() || !selection.keptNotes.empty())
        return {std::move(selection.rows), std::move(selection.keptNotes)};
    const bool isEvent = currentRow >= 1 && currentRow <= list.eventCount();
    if (!cut) return {isEvent ? std::vector<int>{currentRow} : std::vector<int>{}, {}};
    const auto row = singleDeleteRow(list, currentRow, !notesProtected);
    return {row ? std::vector<int>{*row} : std::vector<int>{}, {}};
}

std::string clipboardText(const document::Document& doc, const std::vector<int>& rows,
                          const ClipboardProgress& progress) {
    std::string out;
    out.reserve(rows.size() * 120 + 32);
    out += '[';
    out += kHeader;
    out += "]\n";
    out += kCountKey;
    out += '=';
    out += std::to_string(rows.size());
    out += '\n';
    const auto base = doc.timeBase();
    const int total = static_cast<int>(rows.size());
    std::string cell;
    for (int k = 0; k < total; ++k) {
        out += '[';
        out += std::to_string(k);
        out += "]\n";
        const int r = rows[static_cast<std::size_t>(k)];
        for (int key = 1; key <= kKeys; ++key) {
            cell.clear();
            document::appendCell(cell, doc.events, r, key, base);
            appendKey(out, key, cell);
        }
        if (progress && (k + 1) % kProgressStep == 0) progress(k + 1, total);
    }
    if (progress) progress(total, total);
    return out;
}

base::Outcome writeEventClipboard(const std::filesystem::path& file, const document::Document& doc,
                                 const std::vector<int>& rows, const base::Language& lang,
                                 const ClipboardProgress& progress) {
    const bool written = rows.empty() ? base::removeFile(file)
                                      : base::writeFileAtomic(file, clipboardText(doc, rows, progress));
    if (!written) return base::failure(lang.text(102, "Write error"), 102, file.string());
    return {};
}

ParsedClipboard parseEventClipboard(std::string_view text) {
    std::vector<SectionKeys> sections;
    std::unordered_map<std::uint32_t, std::size_t> sectionAt;  // row number -> index into sections
    std::optional<std::string_view> count;
    enum class In { Nothing, Header, Row };
    In in = In::Nothing;
    bool headerSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto t = trimmed(line);
        if (!t.empty() && t.front() == '[') {
            const auto close = t.find(']');
            if (close == std::string_view::npos) continue;
            const auto name = trimmed(t.substr(1, close - 1));
            in = In::Nothing;
            if (base::equalsIgnoreCase(name, kHeader)) {
                if (!headerSeen) in = In::Header;
                headerSeen = true;
            } else if (const auto k = sectionNumber(name); k && !sectionAt.contains(*k)) {
                sectionAt.emplace(*k, sections.size());
                sections.emplace_back();
                in = In::Row;
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || in == In::Nothing) continue;
        const auto key = trimmed(line.substr(0, eq));
        const auto value = unquoted(trimmed(line.substr(eq + 1)));
        if (in == In::Header) {
            if (!count && base::equalsIgnoreCase(key, kCountKey)) count = value;
        } else {
            takeKey(sections.back(), key, value);
        }
    }

    std::size_t rows = 0;
    if (headerSeen) {
        std::uint32_t n = 0;
        const auto number = count.value_or("");
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
        if (number.empty() || ec != std::errc() || end != number.data() + number.size())
            return refused("its count of events is not a number");
        rows = n;
    } else {
        while (sectionAt.contains(static_cast<std::uint32_t>(rows))) ++rows;
    }
    if (rows == 0) return refused("it holds no events");
    if (text.back() != '\n') return refused("it is cut short: its last line has no line break");

    ParsedClipboard parsed;
    parsed.rows.reserve(std::min(rows, sections.size()));
    std::array<std::string, kKeys> decoded;
    for (std::size_t k = 0; k < rows; ++k) {
        const auto found = sectionAt.find(static_cast<std::uint32_t>(k));
        if (found == sectionAt.end())
            return refused("it is cut short: it holds " + std::to_string(k) + " of " + std::to_string(rows) + " events");
        const SectionKeys& keys = sections[found->second];
        document::RowCells cells{};
        for (std::size_t i = 0; i < kKeys; ++i) {
            const std::string where = "event " + std::to_string(k) + ", key " + std::to_string(i + 1);
            if (!keys.plain[i]) return refused("it is cut short: " + where + " is missing");
            if (keys.hex[i]) {
                auto bytes = fromHexDigits(*keys.hex[i]);
                if (!bytes) return refused(where + "x is not hex digits");
                decoded[i] = std::move(*bytes);
                cells[i + 1] = decoded[i];
            } else {
                cells[i + 1] = *keys.plain[i];
            }
        }
        auto made = document::rowFromCells(cells);
        if (!made.row) return refused("event " + std::to_string(k) + ": " + made.fault);
        parsed.rows.push_back(std::move(*made.row));
    }
    return parsed;
}

ClipboardRows readEventClipboard(const std::filesystem::path& file, const base::Language& lang) {
    const std::string name = file.string();
    if (!base::fileExists(file)) {
        // Nothing to paste is no error, but the user is told.
        auto nothing = base::failure(lang.text(118, "Message"), 118,
                                    name + "\n\nNothing to paste: the event clipboard file does not exist.");
        nothing.message.icon = base::Icon::Information;
        return {std::move(nothing), {}};
    }
    const auto bytes = base::readFile(file);
    if (!bytes) return {base::failure(lang.text(103, "Unable to open the file"), 103, name), {}};
    auto parsed = parseEventClipboard(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!parsed.fault.empty())
        return {base::failure(lang.text(366, "Error"), 366,
                             name + "\n\nThe event clipboard cannot be pasted: " + parsed.fault + ". Nothing was pasted."),
                {}};
    return {{}, std::move(parsed.rows)};
}

document::Edit cutRows(const document::EventList& list, const std::vector<int>& rows) {
    return document::removeRows(list, rows, std::string(kCut));
}

document::Edit pasteRows(const document::EventList& list, int at, std::vector<document::EventRow> rows) {
    document::Edit edit;
    edit.name = kPaste;
    if (at < 1 || at > list.trailingRow()) return edit;
    // Pasted on the empty row after the track end, the events go before it:
    // nothing may follow the end of the track.
    if (at == list.trailingRow() && at > 1 && document::isTrackEnd(list.eventBytes(at - 1))) --at;
    edit.inserted.reserve(rows.size());
    for (auto& row : rows) {
        row.number = 0;
        row.selected = false;
        const int r = at + static_cast<int>(edit.inserted.size());
        edit.inserted.push_back({r, std::move(row)});
    }
    return edit;
}

}  // namespace events

#include "casm/writer.h"

#include <algorithm>

#include "casm/reader.h"

namespace casm {
namespace {

void appendLength(base::Bytes& out, std::size_t length) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(length >> shift));
}

base::Message unableToSave(const base::Language& language, std::string_view reason = {}) {
    std::string text = language.text(116, "Unable to save...");
    if (!reason.empty()) {
        text += '\n';
        text += reason;
    }
    return {language.text(118, "Message"), std::move(text), base::Icon::Error, 118, 116};
}

void appendTag(base::Bytes& out, std::string_view tag) {
    for (std::size_t i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// The Sdec text of the first unwritten row and the rows of its group that
// still fit; those rows are marked written.
std::string takeSegmentNames(SectionTable& table, std::size_t first) {
    std::string sdec = table[first].name;
    table[first].written = true;
    for (std::size_t j = first + 1; j < table.size(); ++j) {
        auto& row = table[j];
        if (row.written || row.group != table[first].group) continue;
        if (sdec.size() + 1 + row.name.size() > kMaxSdecLength) continue;
        sdec += ',';
        sdec += row.name;
        row.written = true;
    }
    return sdec;
}

}  // namespace

std::optional<base::Message> buildSectionTable(const std::vector<Entry>& entries, SectionTable& table,
                                              const base::Language& language, std::span<const KeptCntt> kept) {
    table.clear();
    // A CASM section without segments would be refused when read again.
    if (entries.empty()) return unableToSave(language, "The CASM section holds no entry.");
    std::vector<std::array<bool, 16>> carried;  // per row: the channels its entries have
    for (const Entry& e : entries) {
        if (e.section.empty()) return unableToSave(language, "An entry has no section name.");
        if (e.section.size() > kMaxSectionName)
            return unableToSave(language, "Section name \"" + e.section + "\" is longer than 31 characters.");
        if (e.section.find(',') != std::string::npos)
            return unableToSave(language, "Section name \"" + e.section + "\" holds a comma.");
        if (e[Track] >= 16)
            return unableToSave(language, "An entry of section \"" + e.section + "\" has a source channel above 16.");
        if (!kindOfLength(e.length))
            return unableToSave(language, "An entry of section \"" + e.section + "\" is " +
                                              std::to_string(e.length) + " bytes long.");
        auto row = std::find_if(table.begin(), table.end(), [&](const SectionRow& r) { return r.name == e.section; });
        if (row == table.end()) {
            if (table.size() == kMaxSections) return unableToSave(language, "The entries name more than 64 sections.");
            row = table.insert(table.end(), SectionRow{});
            carried.emplace_back();
            row->name = e.section;
            row->kind = e.kind();
        } else if (row->kind != e.kind()) {
            return unableToSave(language, "Section \"" + e.section + "\" holds both Ctab (SFF1) and Ctb2 (SFF2) entries.");
        }
        if (row->ctabs.size() == kMaxCtabPerSegment)
            return unableToSave(language, "Section \"" + e.section + "\" holds more than 16 entries.");
        const auto bytes = e.bytes();
        row->ctabs.emplace_back(bytes.begin(), bytes.end());
        row->size += e.length + 1u;
        row->cntt[e[Track]] = e.hasCntt ? CnttSlot{true, e.cntt} : CnttSlot{};
        carried[static_cast<std::size_t>(row - table.begin())][e[Track]] = true;
    }
    for (const KeptCntt& k : kept) {
        const auto row = std::find_if(table.begin(), table.end(), [&](const SectionRow& r) { return r.name == k.section; });
        const auto at = static_cast<std::size_t>(row - table.begin());
        if (row != table.end() && k.channel < 16 && !carried[at][k.channel]) row->cntt[k.channel] = {true, k.value};
    }
    return std::nullopt;
}

void groupSections(SectionTable& table) {
    for (auto& row : table) row.group = 0;
    int next = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].group != 0) continue;
        table[i].group = ++next;
        for (std::size_t j = i + 1; j < table.size(); ++j)
            if (table[j].group == 0 && table[j].sameContent(table[i])) table[j].group = next;
    }
}

bool moveSectionUp(SectionTable& table, std::size_t row) {
    if (row == 0 || row >= table.size()) return false;
    std::swap(table[row], table[row - 1]);
    return true;
}

bool moveSectionDown(SectionTable& table, std::size_t row) {
    if (row + 1 >= table.size()) return false;
    std::swap(table[row], table[row + 1]);
    return true;
}

std::array<std::string, 4> sectionOrderCells(const SectionTable& table, std::size_t index) {
    const auto& row = table.at(index);
    std::string group = std::to_string(row.group);
    group.insert(group.begin(), '*');
    return {std::to_string(index + 1), row.name, std::to_string(row.size), std::move(group)};
}

base::Bytes assembleCasm(SectionTable table) {
    for (auto& row : table) row.written = false;
    base::Bytes body;
    appendTag(body, "CASM");
    appendLength(body, 0);  // set once the body is complete
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].written) continue;
        const std::string sdec = takeSegmentNames(table, i);
        const auto& row = table[i];
        std::size_t segmentLength = 8 + sdec.size();
        for (const auto& ctab : row.ctabs) segmentLength += 8 + ctab.size();
        for (const auto& slot : row.cntt) segmentLength += slot.present ? 10 : 0;

        appendTag(body, "CSEG");
        appendLength(body, segmentLength);
        appendTag(body, "Sdec");
        appendLength(body, sdec.size());
        body.insert(body.end(), sdec.begin(), sdec.end());
        for (const auto& ctab : row.ctabs) {
            appendTag(body, chunkTag(row.kind));
            appendLength(body, ctab.size());
            body.insert(body.end(), ctab.begin(), ctab.end());
        }
        for (std::size_t channel = 0; channel < row.cntt.size(); ++channel) {
            if (!row.cntt[channel].present) continue;
            appendTag(body, "Cntt");
            appendLength(body, 2);
            body.push_back(static_cast<std::uint8_t>(channel));
            body.push_back(row.cntt[channel].value);
        }
    }
    const std::size_t length = body.size() - 8;
    for (std::size_t i = 0; i < 4; ++i) body[4 + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
    return body;
}

WriteResult writeCasm(const std::vector<Entry>& entries, const SectionOrder& order, const base::Language& language,
                      std::span<const KeptCntt> kept) {
    WriteResult result;
    SectionTable table;
    if (auto refusal = buildSectionTable(entries, table, language, kept)) {
        result.failure = std::move(refusal);
        return result;
    }
    groupSections(table);
    if (order && !order(table)) {
        result.cancelled = true;
        return result;
    }
    result.bytes = assembleCasm(std::move(table));
    return result;
}

WriteResult writeCasmFile(const std::filesystem::path& path, const std::vector<Entry>& entries,
                          const SectionOrder& order, const base::Language& language, std::span<const KeptCntt> kept) {
    WriteResult result = writeCasm(entries, order, language, kept);
    if (result.ok() && !base::writeFileAtomic(path, result.bytes))
        result.failure = base::Message{language.text(100, "Unable to create the file"), path.string(),
                                      base::Icon::Error, 100, 0};
    return result;
}

}  // namespace casm

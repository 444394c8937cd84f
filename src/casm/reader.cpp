#include "casm/reader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

#include "base/file_io.h"
#include "casm/cntt.h"

namespace casm {
namespace {

enum class Failure { None, WrongData, ReadPastEnd };

struct CnttSlot {
    bool present = false;
    std::uint8_t value = 0;
};

// Walks the chunks and counts every byte against the CASM budget and,
// inside a segment, the segment budget. Bytes are never read past the
// CASM budget or the end of the input.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    Failure failure() const { return failure_; }
    // Offset of the last byte read.
    std::size_t lastOffset() const { return pos_ == 0 ? 0 : pos_ - 1; }

    void run(std::vector<Entry>& out, std::vector<KeptCntt>& kept) {
        std::uint32_t casmLength = 0;
        if (!expectTag("CASM") || !readLength(casmLength)) return;
        if (casmLength == 0) return wrong();
        casmBudget_ = casmLength;
        budgeted_ = true;
        while (casmBudget_ > 0 && failure_ == Failure::None) {
            std::array<char, 4> tag{};
            if (!readTag(tag)) return;
            if (is(tag, "TrMt")) {
                skipChunk();
            } else if (is(tag, "CSEG")) {
                readSegment(out, kept);
            } else {
                return wrong();
            }
        }
    }

private:
    static bool is(const std::array<char, 4>& tag, std::string_view name) {
        return tag[0] == name[0] && tag[1] == name[1] && tag[2] == name[2] && tag[3] == name[3];
    }

    static std::optional<TableKind> tableKindOf(const std::array<char, 4>& tag) {
        for (TableKind kind : {TableKind::Ctab, TableKind::Ctb2})
            if (is(tag, chunkTag(kind))) return kind;
        return std::nullopt;
    }

    // A section holds entries of one kind: the first entry chunk of a
    // segment fixes its kind, which must match what earlier segments gave
    // the same sections; every later chunk must have that kind.
    bool takesKind(const std::vector<std::string>& names, TableKind kind, std::optional<TableKind>& segmentKind) const {
        if (segmentKind) return *segmentKind == kind;
        for (const auto& name : names)
            if (auto earlier = sectionKinds_.find(name); earlier != sectionKinds_.end() && earlier->second != kind)
                return false;
        segmentKind = kind;
        return true;
    }

    // The next `n` bytes, or nothing (and a read failure) when they are not there.
    const std::uint8_t* take(std::size_t n) {
        if (failure_ != Failure::None) return nullptr;
        if (n > bytes_.size() - pos_ || (budgeted_ && n > casmBudget_)) {
            failure_ = Failure::ReadPastEnd;
            return nullptr;
        }
        const auto* at = bytes_.data() + pos_;
        pos_ += n;
        if (budgeted_) casmBudget_ -= n;
        if (inSegment_) segmentBudget_ -= static_cast<std::int64_t>(n);
        return at;
    }

    bool readTag(std::array<char, 4>& tag) {
        const auto* p = take(4);
        if (!p) return false;
        for (std::size_t i = 0; i < 4; ++i) tag[i] = static_cast<char>(p[i]);
        return true;
    }

    bool expectTag(const char* name) {
        std::array<char, 4> tag{};
        if (!readTag(tag)) return false;
        if (!is(tag, name)) return wrong(), false;
        return true;
    }

    bool readLength(std::uint32_t& length) {
        const auto* p = take(4);
        if (!p) return false;
        length = std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
        return true;
    }

    void skipChunk() {
        std::uint32_t length = 0;
        if (readLength(length)) take(length);
    }

    void wrong() {
        if (failure_ == Failure::None) failure_ = Failure::WrongData;
    }

    void readSegment(std::vector<Entry>& out, std::vector<KeptCntt>& kept) {
        std::uint32_t segmentLength = 0;
        if (!readLength(segmentLength)) return;
        if (segmentLength == 0) return wrong();
        segmentBudget_ = segmentLength;
        inSegment_ = true;
        std::uint32_t sdecLength = 0;
        if (!expectTag("Sdec") || !readLength(sdecLength)) return;
        if (sdecLength == 0 || sdecLength > kMaxSdecLength) return wrong();
        const auto* sdec = take(sdecLength);
        if (!sdec) return;
        const auto names = splitSdec(std::string(sdec, sdec + sdecLength));
        if (names.empty()) return wrong();

        std::array<CnttSlot, 16> cntt{};
        std::vector<Entry> ctabs;
        std::optional<TableKind> segmentKind;
        while (segmentBudget_ > 0) {
            std::array<char, 4> tag{};
            if (!readTag(tag)) return;
            std::uint32_t length = 0;
            if (const auto kind = tableKindOf(tag)) {
                if (ctabs.size() == kMaxCtabPerSegment) return wrong();
                if (out.size() + names.size() * (ctabs.size() + 1) > kMaxEntries) return wrong();
                if (!takesKind(names, *kind, segmentKind)) return wrong();
                if (!readLength(length)) return;
                if (kindOfLength(static_cast<int>(length)) != kind) return wrong();
                const auto* data = take(length);
                if (!data) return;
                Entry& e = ctabs.emplace_back();
                e.length = static_cast<std::uint8_t>(length);
                std::copy_n(data, length, e.ctab.begin());
                for (std::size_t i = 0; i < kNameLength; ++i) e.ctab[Name + i] = nameByte(e.ctab[Name + i]);
            } else if (is(tag, "TrMt")) {
                skipChunk();
                if (failure_ != Failure::None) return;
            } else if (is(tag, "Cntt")) {
                if (!readLength(length)) return;
                if (length != 2) return wrong();
                const auto* data = take(2);
                if (!data) return;
                if (data[0] > 15) return wrong();
                cntt[data[0]] = {true, data[1]};
            } else {
                return wrong();
            }
        }
        inSegment_ = false;

        if (segmentKind)
            for (const auto& name : names) sectionKinds_.emplace(name, *segmentKind);
        for (const auto& name : names) {
            for (const Entry& ctab : ctabs) {
                Entry e = ctab;
                e.section = name;
                if (e[Track] < 16) {
                    e.hasCntt = cntt[e[Track]].present;
                    e.cntt = cntt[e[Track]].value;
                }
                out.push_back(std::move(e));
            }
            for (std::uint8_t channel = 0; channel < cntt.size(); ++channel) {
                const bool carried = std::any_of(ctabs.begin(), ctabs.end(),
                                                 [&](const Entry& ctab) { return ctab[Track] == channel; });
                if (cntt[channel].present && !carried) kept.push_back({name, channel, cntt[channel].value});
            }
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool budgeted_ = false;
    std::uint64_t casmBudget_ = 0;
    bool inSegment_ = false;
    std::int64_t segmentBudget_ = 0;
    Failure failure_ = Failure::None;
    std::unordered_map<std::string, TableKind> sectionKinds_;  // of the segments read
};

}  // namespace

std::vector<std::string> splitSdec(std::string_view text) {
    std::vector<std::string> names;
    while (true) {
        const auto comma = text.find(',');
        std::string_view piece = text.substr(0, comma);
        piece = piece.substr(0, kMaxSectionName);
        if (!piece.empty() && std::find(names.begin(), names.end(), piece) == names.end()) names.emplace_back(piece);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return names;
}

ReadResult readCasm(std::span<const std::uint8_t> bytes, std::string_view fileName, const base::Language& language) {
    ReadResult result;
    Reader reader(bytes);
    reader.run(result.entries, result.keptCntt);
    switch (reader.failure()) {
        case Failure::None: break;
        case Failure::WrongData: {
            char hex[24];
            std::snprintf(hex, sizeof hex, "%zX", reader.lastOffset());
            std::string text = language.text(169, "Wrong data...Position in CASM: %Xh");
            if (auto at = text.find("%X"); at != std::string::npos)
                text.replace(at, 2, hex);
            else
                text += std::string(hex) + "h";
            result.failure = base::Message{std::string(fileName), text, base::Icon::Error, 0, 169};
            break;
        }
        case Failure::ReadPastEnd: {
            // Where the data ran out, so a truncated file says where it was cut.
            char hex[24];
            std::snprintf(hex, sizeof hex, "%zXh", reader.lastOffset());
            result.failure = base::Message{language.text(92, "Не удается прочитать из файла..."),
                                          std::string(fileName) + "\nThe data ends inside a chunk at " + hex + ".",
                                          base::Icon::Error, 92, 0};
            break;
        }
    }
    return result;
}

ReadResult readCasmFile(const std::filesystem::path& path, const base::Language& language) {
    const auto bytes = base::readFile(path);
    if (!bytes) {
        ReadResult result;
        result.failure = base::Message{language.text(83, "Unable to open file..."), path.string(), base::Icon::Error,
                                      83, 0};
        return result;
    }
    return readCasm(*bytes, path.string(), language);
}

}  // namespace casm

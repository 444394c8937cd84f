#include "document/smf_reader.h"

#include <cstring>
#include <optional>

#include "base/file_io.h"

namespace document {
namespace {

constexpr std::uint8_t kHeader[8] = {'M', 'T', 'h', 'd', 0, 0, 0, 6};

enum class Stop { None, WrongData, ReadFailure, Time, SeqLength, TrackLength, Unrecognized, MetaUnrecognized };

std::string hexUpper(std::uint64_t v) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[v & 15]);
        v >>= 4;
    } while (v);
    return out;
}

// Reads one file held in memory: the byte position, the last byte read and
// the remaining byte count of the current track.
class Reader {
public:
    Reader(const base::Bytes& bytes, Document& doc, const ReadOptions& options)
        : bytes_(bytes), doc_(doc), options_(options), lang_(*options.language) {}

    ReadResult run(const base::Workspace& ws);

private:
    // One byte of the file, counted against nothing.
    bool fileByte(std::uint8_t& b) {
        if (pos_ >= bytes_.size()) return false;
        b = last_ = bytes_[pos_++];
        return true;
    }
    // One byte of the current track: none is read when the count is 0.
    bool trackByte(std::uint8_t& b) {
        if (remaining_ == 0 || !fileByte(b)) return false;
        --remaining_;
        return true;
    }
    // A variable-length quantity inside the track.
    bool varLen(std::uint32_t& value) {
        value = 0;
        std::uint8_t b = 0;
        do {
            if (!trackByte(b)) return false;
            value = value * 128 + (b & 0x7F);
        } while (b & 0x80);
        return true;
    }
    // A byte the event must have: its absence is wrong data.
    bool needByte(std::uint8_t& b) {
        if (trackByte(b)) return true;
        stop_ = Stop::WrongData;
        return false;
    }
    // A data byte read only while the track has bytes left; when the count
    // runs out the event keeps what it has and the track ends.
    bool optionalByte(std::uint8_t& b) {
        if (remaining_ == 0) return false;
        if (trackByte(b)) return true;
        stop_ = Stop::WrongData;  // the file ends before the track does
        return false;
    }
    bool fixedLength(std::uint32_t required) {
        std::uint32_t length = 0;
        if (!varLen(length) || length != required) {
            stop_ = Stop::WrongData;
            return false;
        }
        eventByte(static_cast<std::uint8_t>(length));
        return true;
    }
    // The bytes of the row being read: Event cell bytes first, then data.
    void eventByte(std::uint8_t b) {
        event_.push_back(b);
        eventLength_ = static_cast<int>(event_.size());
    }
    void dataByte(std::uint8_t b) { event_.push_back(b); }
    std::span<const std::uint8_t> data() const {
        return std::span<const std::uint8_t>(event_).subspan(static_cast<std::size_t>(eventLength_));
    }

    bool readTrack();
    bool readEvent(int n);
    void channelMessage(std::uint8_t status);
    void systemExclusive(std::uint8_t status);
    void meta();
    void storeRow();
    std::string stopText() const;
    void takeCasm(const base::Workspace& ws, ReadResult& result);

    const base::Bytes& bytes_;
    Document& doc_;
    const ReadOptions& options_;
    const base::Language& lang_;
    std::size_t pos_ = 0;
    std::uint8_t last_ = 0;
    std::uint32_t remaining_ = 0;
    std::uint8_t runningStatus_ = 0;
    Stop stop_ = Stop::None;
    bool partialRow_ = false;

    // The row being read.
    std::uint32_t number_ = 0;
    std::optional<std::uint32_t> delta_;
    std::vector<std::uint8_t> event_;
    int eventLength_ = 0;
    std::optional<std::string> comment_;  // a comment the bytes alone do not give
};

std::string Reader::stopText() const {
    switch (stop_) {
        case Stop::WrongData:
            return lang_.text(94, "Wrong data in file...Position:") + hexUpper(pos_ == 0 ? 0 : pos_ - 1) + "h:" +
                   std::to_string(last_);
        case Stop::ReadFailure: return lang_.text(92, "Не удается прочитать из файла...");
        case Stop::Time: return lang_.text(95, "Unable to read the time in MIDI event...");
        case Stop::SeqLength:
            return lang_.text(96, "Unable to read the lenght of Sequencer specific information...");
        case Stop::TrackLength: return lang_.text(97, "Incorrect track length...");
        case Stop::Unrecognized: return lang_.text(87, "Unrecognized data...");
        case Stop::MetaUnrecognized: return lang_.text(88, "FF: Unrecognized data...");
        case Stop::None: break;
    }
    return {};
}

// The row goes into the list's trailing row as bytes and integers; its texts
// are formatted when shown.
void Reader::storeRow() {
    auto& list = doc_.events;
    list.setTrailing(number_, delta_, event_, eventLength_);
    if (comment_) list.setText(list.trailingRow(), ColComment, *comment_);
}

void Reader::channelMessage(std::uint8_t status) {
    const int channel = status & 0x0F;
    std::uint8_t a = 0, b = 0;
    switch (status & 0xF0) {
        case 0x80:
        case 0x90:
        case 0xA0:
            if (optionalByte(a)) dataByte(a);
            else return;
            if (optionalByte(b)) dataByte(b);
            return;
        case 0xB0:
            if (optionalByte(a)) dataByte(a);
            else return;
            if (!optionalByte(b)) return;
            dataByte(b);
            if (a == 0) doc_.channels[static_cast<std::size_t>(channel)].bankMsb = b;
            if (a == 32) doc_.channels[static_cast<std::size_t>(channel)].bankLsb = b;
            return;
        case 0xC0:
            if (!optionalByte(a)) return;
            dataByte(a);
            comment_ = options_.names.patchName(doc_.channels[static_cast<std::size_t>(channel)].bank(), a & 0x7F);
            return;
        case 0xD0:
            if (optionalByte(a)) dataByte(a);
            return;
        default:  // pitch wheel: both bytes are required
            if (!needByte(a)) return;
            dataByte(a);
            if (needByte(b)) dataByte(b);
            return;
    }
}

void Reader::systemExclusive(std::uint8_t) {
    std::uint32_t length = 0;
    if (!varLen(length)) {
        stop_ = Stop::WrongData;
        return;
    }
    std::uint8_t b = 0;
    for (std::uint32_t i = 0; i < length && optionalByte(b); ++i) dataByte(b);
    if (stop_ == Stop::None) comment_ = options_.names.sysexDescription(data());
}

void Reader::meta() {
    if (options_.progress) options_.progress(pos_, bytes_.size());
    std::uint8_t type = 0;
    if (!needByte(type)) return;
    eventByte(type);
    std::uint8_t b = 0;
    // Reads up to `count` data bytes; true when all were there.
    auto dataBytes = [&](std::uint32_t count) {
        std::uint32_t got = 0;
        for (; got < count && optionalByte(b); ++got) dataByte(b);
        return got == count;
    };
    switch (type) {
        case 0x00: {
            if (!fixedLength(2)) return;
            std::uint8_t hi = 0, lo = 0;
            if (!needByte(hi)) return;
            eventByte(hi);
            if (needByte(lo)) eventByte(lo);
            return;
        }
        case 0x01: case 0x02: case 0x03: case 0x04: case 0x05: case 0x06: case 0x07: {
            std::uint32_t length = 0;
            if (!varLen(length)) {
                stop_ = Stop::WrongData;
                comment_ = "";  // a text cut short shows no length
                return;
            }
            for (std::uint32_t i = 0; i < length; ++i) {
                if (!needByte(b)) {
                    comment_ = "";
                    return;
                }
                dataByte(b);
            }
            const auto text = data();
            (type == 0x06 ? doc_.markers : doc_.texts).emplace_back(reinterpret_cast<const char*>(text.data()), text.size());
            return;
        }
        case 0x20:
        case 0x21:
            if (fixedLength(1)) dataBytes(1);
            return;
        case 0x2F:
            // A track length one short still gets its end-of-track length byte.
            if (remaining_ == 0) remaining_ = 1;
            fixedLength(0);
            return;
        case 0x51:
            if (fixedLength(3) && dataBytes(3)) doc_.tempo = tempoValue(data());
            return;
        case 0x54:
            if (fixedLength(5)) dataBytes(5);
            return;
        case 0x58:
            if (!fixedLength(4)) return;
            dataBytes(4);
            if (!data().empty()) doc_.barNumerator = data()[0];
            return;
        case 0x59:
            if (fixedLength(2)) dataBytes(2);
            return;
        case 0x7F: {
            std::uint32_t length = 0;
            if (!varLen(length)) {
                stop_ = Stop::SeqLength;
                return;
            }
            dataBytes(length);
            return;
        }
        case 0xF8: case 0xFA: case 0xFC: case 0xFE:
            return;
        default:
            eventByte(type);
            stop_ = Stop::MetaUnrecognized;
            return;
    }
}

bool Reader::readEvent(int n) {
    number_ = static_cast<std::uint32_t>(n);
    delta_.reset();
    event_.clear();
    eventLength_ = 0;
    comment_.reset();
    std::uint32_t delta = 0;
    if (!varLen(delta)) {
        stop_ = Stop::Time;
        return false;
    }
    delta_ = delta;
    if (remaining_ == 0) {
        stop_ = Stop::TrackLength;
        return false;
    }
    std::uint8_t b = 0;
    if (!needByte(b)) return false;
    std::uint8_t status = b;
    if (b < 0x80) {
        // Running status: the byte is read again as data.
        status = runningStatus_;
        --pos_;
        ++remaining_;
    }
    if (status != 0xFF) runningStatus_ = status;
    eventByte(status);
    if (status >= 0x80 && status < 0xF0) {
        channelMessage(status);
    } else if (status == 0xF0 || status == 0xF7) {
        systemExclusive(status);
    } else if (status == 0xFF) {
        meta();
    } else {
        stop_ = Stop::Unrecognized;
    }
    return stop_ == Stop::None;
}

bool Reader::readTrack() {
    std::uint8_t h[8];
    for (auto& b : h) {
        if (!fileByte(b)) {
            stop_ = Stop::ReadFailure;
            return false;
        }
    }
    if (std::memcmp(h, "MTrk", 4) != 0) {
        stop_ = Stop::WrongData;
        return false;
    }
    remaining_ = (std::uint32_t{h[4]} << 24) | (std::uint32_t{h[5]} << 16) | (std::uint32_t{h[6]} << 8) | h[7];
    for (int n = 1; remaining_ > 0; ++n) {
        const bool ok = readEvent(n);
        storeRow();
        if (!ok) {
            partialRow_ = true;
            return false;
        }
        doc_.events.commitTrailing();
    }
    return true;
}

void Reader::takeCasm(const base::Workspace& ws, ReadResult& result) {
    const std::size_t tagAt = pos_ - 4;
    result.casmCommands = CasmCommands::Disable;
    if (!base::removeFile(ws.casm())) return failOnWorkingFile(result, base::files::casm, lang_);
    // The length bytes, then exactly that many body bytes.
    std::uint8_t l[4];
    std::uint32_t length = 0;
    for (auto& b : l) {
        if (!fileByte(b)) {
            stop_ = Stop::WrongData;
            return;
        }
        length = length * 256 + b;
    }
    if (bytes_.size() - pos_ < length) {
        pos_ = bytes_.size();
        last_ = bytes_.back();
        stop_ = Stop::WrongData;
        return;
    }
    pos_ += length;
    if (length > 0) last_ = bytes_[pos_ - 1];
    const std::span<const std::uint8_t> casm(bytes_.data() + tagAt, 8 + std::size_t{length});
    if (!base::writeFileAtomic(ws.casm(), casm)) return failOnWorkingFile(result, base::files::casm, lang_);
    result.casmTaken = true;
    result.casmLength = std::uint64_t{length} + 4;
    result.casmCommands = CasmCommands::Enable;
    result.panels[3] = *result.panels[3] + lang_.text(93, "CASM Len=") + std::to_string(result.casmLength);

    // An add part that stays from the previous file would be saved with this one.
    const bool addCleared = base::removeFile(ws.casmAdd());
    const std::span<const std::uint8_t> add(bytes_.data() + pos_, bytes_.size() - pos_);
    if (!addCleared || (!add.empty() && !base::writeFileAtomic(ws.casmAdd(), add))) {
        result.casmTaken = false;
        result.casmCommands = CasmCommands::Disable;
        return failOnWorkingFile(result, base::files::casmAdd, lang_);
    }
    if (!add.empty()) {
        result.addLength = add.size();
        result.panels[3] = *result.panels[3] + "  Add Len=" + std::to_string(result.addLength);
        pos_ = bytes_.size();
    }
}

ReadResult Reader::run(const base::Workspace& ws) {
    ReadResult result;
    result.opened = true;
    doc_.events.clear();
    // Every event takes at least two bytes of the file; the room reserved
    // beyond what the file fills is never touched, so it costs no memory.
    doc_.events.reserve(bytes_.size() / 2 + 1, bytes_.size());
    doc_.markers.clear();
    doc_.texts.clear();
    doc_.channels = ChannelTable{};
    doc_.barNumerator = 0;
    // A header that cannot be read leaves none of the previous file's values.
    doc_.format = 0;
    doc_.trackCount = 0;
    doc_.division = 0;

    auto finish = [&]() {
        if (stop_ != Stop::None) {
            result.failed = true;
            result.panels[3] = stopText();
        }
        // M:B:T is counted with the numerator of the last time signature read.
        if (doc_.barNumerator == 0) doc_.barNumerator = 4;
        return result;
    };

    std::uint8_t h[14];
    for (auto& b : h) {
        if (!fileByte(b)) {
            stop_ = Stop::ReadFailure;
            return finish();
        }
    }
    if (std::memcmp(h, kHeader, 8) != 0) {
        stop_ = Stop::WrongData;
        return finish();
    }
    doc_.format = static_cast<std::uint16_t>(h[8] << 8 | h[9]);
    doc_.trackCount = static_cast<std::uint16_t>(h[10] << 8 | h[11]);
    doc_.division = static_cast<std::uint16_t>(h[12] << 8 | h[13]);
    result.panels[0] = "SMF" + std::to_string(doc_.format);
    result.panels[1] = lang_.text(84, "Trks:") + std::to_string(doc_.trackCount);
    result.panels[2] = lang_.text(85, "Tick/4=") + std::to_string(doc_.division);
    result.panels[3] = lang_.text(86, "Reading file...");

    for (int t = 0; t < doc_.trackCount; ++t) {
        if (!readTrack()) {
            result.partialRow = partialRow_;
            return finish();
        }
    }
    result.panels[3] = lang_.text(89, "OK...");
    result.saveable = true;

    std::uint8_t tag[4];
    bool isCasm = true;
    for (auto& b : tag) isCasm = isCasm && fileByte(b);
    isCasm = isCasm && std::memcmp(tag, "CASM", 4) == 0;
    if (isCasm && options_.casmEditorOpen && options_.askReloadCasm && !options_.askReloadCasm()) {
        result.casmReloadDeclined = true;
        isCasm = false;
    }
    if (isCasm) {
        takeCasm(ws, result);
    } else if (!options_.casmEditorOpen && options_.clearCasm) {
        result.casmCommands = CasmCommands::Disable;
        if (!base::removeFile(ws.casm())) failOnWorkingFile(result, base::files::casm, lang_);
    }
    return finish();
}

}  // namespace

void failOnWorkingFile(ReadResult& result, std::string_view name, const base::Language& lang) {
    result.panels[3] = result.panels[3].value_or("") + " " + lang.text(100, "Unable to create the file") + " " +
                       std::string(name);
    result.failed = true;
    result.saveable = false;
}

ReadResult readFile(const std::filesystem::path& path, Document& doc, const base::Workspace& ws,
                    const ReadOptions& options) {
    auto bytes = base::readFile(path);
    if (!bytes) {
        ReadResult result;
        result.panels[3] = options.language->text(83, "Unable to open the file...");
        return result;
    }
    doc.fileName = path.string();
    return readBytes(*bytes, doc, ws, options);
}

ReadResult readBytes(const std::vector<std::uint8_t>& bytes, Document& doc, const base::Workspace& ws,
                     const ReadOptions& options) {
    if (options.started) options.started();
    Reader reader(bytes, doc, options);
    return reader.run(ws);
}

}  // namespace document

#include "chords/progression.h"

#include <optional>

namespace chords {
namespace {

constexpr std::int64_t kMilli = 1000;  // beats are counted in thousandths
constexpr std::int64_t kMaxItemBeats = 1000;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSpace(text[at])) ++at;
        std::size_t end = at;
        while (end < text.size() && !isSpace(text[end])) ++end;
        if (end > at) out.push_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

// "3", "1.5", "0.25" in thousandths; nothing for any other text or zero.
std::optional<std::int64_t> beatsOf(std::string_view text) {
    std::int64_t whole = 0;
    std::size_t at = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        whole = whole * 10 + (text[at] - '0');
        if (whole > kMaxItemBeats) return std::nullopt;
    }
    if (at == 0) return std::nullopt;
    std::int64_t milli = whole * kMilli;
    if (at < text.size()) {
        if (text[at] != '.' || at + 1 == text.size() || text.size() - at - 1 > 3) return std::nullopt;
        std::int64_t place = kMilli / 10;
        for (++at; at < text.size(); ++at, place /= 10) {
            if (text[at] < '0' || text[at] > '9') return std::nullopt;
            milli += (text[at] - '0') * place;
        }
    }
    if (milli == 0) return std::nullopt;
    return milli;
}

struct Item {
    std::string_view text;         // without its beats
    std::optional<std::int64_t> beats;  // thousandths
};

class Builder {
public:
    Builder(TimeSignature signature, std::uint16_t division)
        : quarterTicks_(division), denominator_(signature.denominator), barBeats_(signature.numerator * kMilli) {}

    // Adds the items of one bar, or of the whole text without bars (`bar` 0).
    std::optional<std::string> add(const std::vector<std::string_view>& texts, int bar) {
        std::vector<Item> items;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            auto item = splitBeats(texts[i]);
            if (!item) return where(bar, i) + "beats must be a number above 0 with up to three decimals, not '" +
                              std::string(texts[i]) + "'";
            items.push_back(*item);
        }
        if (bar == 0) {
            for (std::size_t i = 0; i < items.size(); ++i)
                if (auto fault = place(items[i], items[i].beats.value_or(barBeats_), bar, i)) return fault;
            return std::nullopt;
        }
        if (items.empty()) {
            if (chords_.empty()) return where(bar) + "an empty bar has no chord before it to hold";
            if (beats_ + barBeats_ > static_cast<std::int64_t>(kMaxBars) * barBeats_) return tooLong(where(bar));
            chords_.back().end = ticksAt(beats_ += barBeats_);
            return std::nullopt;
        }
        std::int64_t given = 0;
        std::int64_t open = 0;
        for (const auto& item : items) {
            given += item.beats.value_or(0);
            open += item.beats ? 0 : 1;
        }
        if (given > barBeats_ || (open == 0 && given != barBeats_) || (open > 0 && given == barBeats_))
            return where(bar) + "the items take " + beatText(given) +
                   (open > 0 ? " beats and more" : " beats") + "; a bar has " + beatText(barBeats_);
        const std::int64_t share = open > 0 ? (barBeats_ - given) / open : 0;
        std::int64_t left = barBeats_ - given;
        for (std::size_t i = 0; i < items.size(); ++i) {
            std::int64_t beats = items[i].beats.value_or(0);
            if (!items[i].beats) {
                // The last open item takes what the division leaves.
                beats = --open == 0 ? left : share;
                left -= beats;
            }
            if (auto fault = place(items[i], beats, bar, i)) return fault;
        }
        return std::nullopt;
    }

    std::vector<TimedChord> take() { return std::move(chords_); }

private:
    std::optional<Item> splitBeats(std::string_view text) const {
        Item item{text, std::nullopt};
        const auto colon = text.rfind(':');
        if (colon == std::string_view::npos) return item;
        item.text = text.substr(0, colon);
        item.beats = beatsOf(text.substr(colon + 1));
        if (!item.beats) return std::nullopt;
        return item;
    }

    static std::string where(int bar) { return "bar " + std::to_string(bar) + ": "; }
    static std::string where(int bar, std::size_t index) {
        const std::string item = "item " + std::to_string(index + 1) + ": ";
        return bar == 0 ? item : "bar " + std::to_string(bar) + ", " + item;
    }
    static std::string tooLong(const std::string& where) {
        return where + "the progression is longer than " + std::to_string(kMaxBars) + " bars";
    }

    static std::string beatText(std::int64_t milli) {
        std::string text = std::to_string(milli / kMilli);
        if (std::int64_t rest = milli % kMilli; rest != 0) {
            std::string digits = std::to_string(rest + kMilli).substr(1);
            while (digits.back() == '0') digits.pop_back();
            text += "." + digits;
        }
        return text;
    }

    std::uint64_t ticksAt(std::int64_t milli) const {
        return static_cast<std::uint64_t>(milli) * 4 * quarterTicks_ / (static_cast<std::uint64_t>(kMilli) * static_cast<std::uint64_t>(denominator_));
    }

    std::optional<std::string> place(const Item& item, std::int64_t beats, int bar, std::size_t index) {
        Chord chord;
        std::string symbol(item.text);
        if (item.text == "%" || item.text == "/" || item.text == ".") {
            if (chords_.empty()) return where(bar, index) + "'" + symbol + "' has no chord before it to repeat";
            chord = chords_.back().chord;
            symbol = chords_.back().symbol;
        } else {
            auto parsed = parseChord(item.text);
            if (auto* fault = std::get_if<std::string>(&parsed)) return where(bar, index) + *fault;
            chord = std::get<Chord>(parsed);
        }
        if (beats_ + beats > static_cast<std::int64_t>(kMaxBars) * barBeats_) return tooLong(where(bar, index));
        const std::uint64_t start = ticksAt(beats_);
        beats_ += beats;
        const std::uint64_t end = ticksAt(beats_);
        if (!chords_.empty() && chords_.back().chord == chord)
            chords_.back().end = end;
        else
            chords_.push_back({start, end, chord, std::move(symbol)});
        return std::nullopt;
    }

    std::uint64_t quarterTicks_;
    int denominator_;
    std::int64_t barBeats_;
    std::int64_t beats_ = 0;  // placed so far, in thousandths
    std::vector<TimedChord> chords_;
};

}  // namespace

std::uint64_t barTicks(TimeSignature signature, std::uint16_t division) {
    return static_cast<std::uint64_t>(signature.numerator) * 4 * division / static_cast<std::uint64_t>(signature.denominator);
}

std::uint64_t beatTicks(TimeSignature signature, std::uint16_t division) {
    return 4ull * division / static_cast<std::uint64_t>(signature.denominator);
}

std::variant<std::vector<TimedChord>, std::string> parseProgression(std::string_view text, TimeSignature signature,
                                                                    std::uint16_t division) {
    if (signature.numerator <= 0 || signature.denominator <= 0 || division == 0)
        return std::string("the file has no usable time signature or division");
    Builder builder(signature, division);
    if (text.find('|') == std::string_view::npos) {
        if (auto fault = builder.add(words(text), 0)) return *fault;
    } else {
        std::vector<std::string_view> bars;
        for (std::size_t at = 0;;) {
            const auto bar = text.find('|', at);
            bars.push_back(text.substr(at, bar == std::string_view::npos ? std::string_view::npos : bar - at));
            if (bar == std::string_view::npos) break;
            at = bar + 1;
        }
        if (words(bars.front()).empty()) bars.erase(bars.begin());
        if (!bars.empty() && words(bars.back()).empty()) bars.pop_back();
        for (std::size_t b = 0; b < bars.size(); ++b)
            if (auto fault = builder.add(words(bars[b]), static_cast<int>(b + 1))) return *fault;
    }
    auto chords = builder.take();
    if (chords.empty()) return std::string("the progression has no chord");
    return chords;
}

}  // namespace chords

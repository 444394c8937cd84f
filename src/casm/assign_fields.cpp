#include "casm/assign_fields.h"

#include <algorithm>
#include <cctype>

#include "base/profile.h"
#include "casm/values.h"

namespace casm {
namespace {

struct RuleField {
    std::string_view name;
    Rule rule;
};
constexpr std::array<RuleField, 6> kRuleFields = {{{"ntr", Rule::NTR},
                                                   {"ntt", Rule::NTT},
                                                   {"highkey", Rule::HighestKey},
                                                   {"lowlimit", Rule::LowLimit},
                                                   {"highlimit", Rule::HighLimit},
                                                   {"rtr", Rule::RTR}}};

std::optional<std::uint64_t> number(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFFFull) return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> byteNumber(std::string_view text, std::uint64_t max = 255) {
    const auto n = number(text);
    if (!n || *n > max) return std::nullopt;
    return static_cast<std::uint8_t>(*n);
}

std::optional<std::uint8_t> nameIn(std::span<const std::string_view> names, std::string_view text) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (base::equalsIgnoreCase(names[i], text)) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

bool isNone(std::string_view text) { return base::equalsIgnoreCase(text, "None"); }

std::string refusal(std::string_view pair, std::string_view why) { return std::string(pair) + ": " + std::string(why); }

}  // namespace

bool AssignRequest::empty() const {
    for (const auto& a : byKind) {
        if (std::any_of(a.rules.begin(), a.rules.end(), [](const auto& v) { return v.has_value(); })) return false;
        if (a.noteMute || a.chordMute || a.autoStart) return false;
    }
    return !root && !type;
}

std::optional<std::uint8_t> noteFromText(std::string_view text) {
    if (auto n = byteNumber(text, 127)) return n;
    const auto keys = keyNames();
    // The longest key name that starts the text ("C#" before "C"), then the octave.
    std::optional<std::size_t> key;
    std::size_t used = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto name = keys[i];
        if (text.size() > name.size() && base::equalsIgnoreCase(text.substr(0, name.size()), name) &&
            name.size() > used) {
            key = i;
            used = name.size();
        }
    }
    if (!key) return std::nullopt;
    const auto octave = byteNumber(text.substr(used), 10);
    if (!octave) return std::nullopt;
    const int note = *octave * 12 + static_cast<int>(*key);
    if (note > 127) return std::nullopt;
    return static_cast<std::uint8_t>(note);
}

std::optional<std::string> addAssignField(AssignRequest& request, std::string_view pair) {
    const auto eq = pair.find('=');
    if (eq == std::string_view::npos) return refusal(pair, "not FIELD=VALUE");
    std::string field = base::trim(pair.substr(0, eq));
    std::transform(field.begin(), field.end(), field.begin(), [](unsigned char c) { return std::tolower(c); });
    const std::string value = base::trim(pair.substr(eq + 1));

    for (const auto& f : kRuleFields) {
        if (field != f.name) continue;
        if (f.rule == Rule::LowLimit || f.rule == Rule::HighLimit) {
            const auto note = noteFromText(value);
            if (!note) return refusal(pair, "not a note (such as C5) or a number 0 to 127");
            for (auto& a : request.byKind) a[f.rule] = note;
            return std::nullopt;
        }
        if (const auto n = byteNumber(value)) {
            for (auto& a : request.byKind) a[f.rule] = n;
            return std::nullopt;
        }
        bool any = false;
        for (auto& a : request.byKind) {
            if (const auto v = ruleValueFromName(a.kind, f.rule, value)) {
                a[f.rule] = v;
                any = true;
            } else {
                request.skipped.push_back({a.kind, std::string(pair)});
            }
        }
        if (!any) return refusal(pair, "not a value of " + field);
        return std::nullopt;
    }
    if (field == "notemute") {
        NoteMask mask = fullNoteMask();
        if (!isNone(value)) {
            const auto n = number(value);
            if (!n || *n > 0xFFF) return refusal(pair, "not None or a 12-bit mask (note n is bit n)");
            mask = {static_cast<std::uint8_t>(*n >> 8), static_cast<std::uint8_t>(*n)};
        }
        for (auto& a : request.byKind) a.noteMute = mask;
        return std::nullopt;
    }
    if (field == "chordmute") {
        ChordMask mask = fullChordMask();
        if (!isNone(value)) {
            const auto n = number(value);
            if (!n || *n > 0x3FFFFFFFFull) return refusal(pair, "not None or a 34-bit mask (chord type n is bit n)");
            for (std::size_t i = 0; i < mask.size(); ++i) mask[i] = static_cast<std::uint8_t>(*n >> (8 * (4 - i)));
        }
        for (auto& a : request.byKind) a.chordMute = mask;
        return std::nullopt;
    }
    if (field == "autostart") {
        bool on = false;
        if (base::equalsIgnoreCase(value, "Yes") || value == "1") on = true;
        else if (!(value.empty() || base::equalsIgnoreCase(value, "No") || value == "0"))
            return refusal(pair, "not Yes or No");
        for (auto& a : request.byKind) a.autoStart = on;
        return std::nullopt;
    }
    if (field == "root") {
        request.root = nameIn(keyNames(), value);
        if (!request.root) request.root = byteNumber(value);
        if (!request.root) return refusal(pair, "not a key (C to B) or a number");
        return std::nullopt;
    }
    if (field == "type") {
        request.type = nameIn(chordTypeNames(), value);
        if (!request.type) request.type = byteNumber(value);
        if (!request.type) return refusal(pair, "not a chord type (Maj to 1+2+5) or a number");
        return std::nullopt;
    }
    return refusal(pair, "no such field");
}

std::optional<std::string> setAssignZone(AssignRequest& request, std::string_view zone) {
    static constexpr std::array<std::string_view, 3> kZones = {"low", "middle", "high"};
    const auto at = nameIn(kZones, zone);
    if (!at) return "--zone " + std::string(zone) + ": not low, middle or high";
    request.byKind[1].zone = static_cast<Zone>(*at);
    return std::nullopt;
}

int applyAssignRequest(std::vector<Entry>& entries, const Group& group, const AssignRequest& request) {
    const std::vector<Entry> before = entries;
    // The mutes and AutoStart go to every entry of the group: once, with the Ctab values.
    assignRules(entries, group, request.byKind[0]);
    RuleAssignment ctb2Rules = request.byKind[1];
    ctb2Rules.noteMute.reset();
    ctb2Rules.chordMute.reset();
    ctb2Rules.autoStart.reset();
    assignRules(entries, group, ctb2Rules);
    if (request.root || request.type) assignChord(entries, group, request.root, request.type);
    int changed = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) changed += entries[i].ctab != before[i].ctab ? 1 : 0;
    return changed;
}

}  // namespace casm

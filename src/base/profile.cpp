#include "base/profile.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "base/file_io.h"

namespace base {
namespace {

constexpr auto npos = std::string::npos;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view trimmedView(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isSpace(text[b])) ++b;
    while (e > b && isSpace(text[e - 1])) --e;
    return text.substr(b, e - b);
}

std::string trim(std::string_view text) { return std::string(trimmedView(text)); }

// "[Name]" (trimmed) is a section header; "key = value" a key line unless
// the key is empty or begins with ";" (a comment).
Profile::Line::Line(std::string_view raw) : text(raw) {
    const std::string_view t = trimmedView(text);
    if (t.size() >= 2 && t.front() == '[') {
        if (const auto close = t.find(']'); close != npos) {
            kind = Kind::Section;
            name = trim(t.substr(1, close - 1));
            return;
        }
    }
    const auto eq = text.find('=');
    if (eq == npos) return;
    const std::string_view key = trimmedView(std::string_view(text).substr(0, eq));
    if (key.empty() || key.front() == ';') return;
    kind = Kind::Key;
    name = std::string(key);
    valueAt = eq + 1;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

Profile::Profile(std::filesystem::path path) : path_(std::move(path)) {
    auto bytes = readFile(path_);
    if (!bytes) return;
    parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

Profile Profile::fromText(std::string_view text) {
    Profile profile;
    profile.parse(text);
    return profile;
}

void Profile::parse(std::string_view all) {
    if (all.empty()) return;
    eol_ = all.find("\r\n") != npos ? "\r\n" : "\n";
    endsWithEol_ = all.back() == '\n';
    std::size_t start = 0;
    while (start < all.size()) {
        auto nl = all.find('\n', start);
        if (nl == npos) nl = all.size();
        std::string_view line = all.substr(start, nl - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        start = nl + 1;
    }
}

std::size_t Profile::findSection(std::string_view section) const {
    const std::string_view wanted = trimmedView(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Kind::Section && equalsIgnoreCase(lines_[i].name, wanted)) return i;
    return npos;
}

std::size_t Profile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Kind::Section) ++i;
    return i;
}

std::size_t Profile::findKey(std::size_t header, std::string_view key) const {
    const std::size_t end = sectionEnd(header);
    const std::string_view wanted = trimmedView(key);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Line::Kind::Key && equalsIgnoreCase(lines_[i].name, wanted)) return i;
    return npos;
}

bool Profile::hasSection(std::string_view section) const { return findSection(section) != npos; }

bool Profile::hasKey(std::string_view section, std::string_view key) const {
    return value(section, key).has_value();
}

std::optional<std::string> Profile::value(std::string_view section, std::string_view key) const {
    const auto header = findSection(section);
    if (header == npos) return std::nullopt;
    const auto line = findKey(header, key);
    if (line == npos) return std::nullopt;
    const auto& found = lines_[line];
    return trim(std::string_view(found.text).substr(found.valueAt));
}

std::string Profile::readString(std::string_view section, std::string_view key, std::string_view def) const {
    auto v = value(section, key);
    return v ? *v : trim(def);
}

std::optional<int> Profile::parseInt(std::string_view text) {
    std::string t = trim(text);
    std::string_view s = t;
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    int result = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return result;
}

int Profile::readInt(std::string_view section, std::string_view key, int def) const {
    auto v = value(section, key);
    if (!v) return def;
    return parseInt(*v).value_or(def);
}

bool Profile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInt(section, key, def ? 1 : 0) != 0;
}

std::vector<std::pair<std::string, std::string>> Profile::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> result;
    const auto header = findSection(section);
    if (header == npos) return result;
    const auto end = sectionEnd(header);
    // The keys seen so far, in lower case: each line is looked up once, so a
    // section of any size is read in one pass.
    std::unordered_set<std::string> seen;
    std::string folded;
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Line::Kind::Key) continue;
        folded.resize(line.name.size());
        std::transform(line.name.begin(), line.name.end(), folded.begin(), lower);
        if (!seen.insert(folded).second) continue;
        result.emplace_back(line.name, trim(std::string_view(line.text).substr(line.valueAt)));
    }
    return result;
}

std::vector<std::string> Profile::keys(std::string_view section) const {
    std::vector<std::string> result;
    for (auto& entry : entries(section)) result.push_back(std::move(entry.first));
    return result;
}

std::vector<std::string> Profile::sections() const {
    std::vector<std::string> result;
    for (const auto& line : lines_)
        if (line.kind == Line::Kind::Section) result.push_back(line.name);
    return result;
}

void Profile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // Built by appending: GCC 12 at -O3 warns (-Wrestrict, wrongly) on
    // "literal" + std::string.
    std::string line(trimmedView(key));
    (line += '=') += value;
    auto header = findSection(section);
    if (header == npos) {
        if (!lines_.empty() && !trimmedView(lines_.back().text).empty()) lines_.emplace_back("");
        std::string title(1, '[');
        (title += trimmedView(section)) += ']';
        lines_.emplace_back(title);
        lines_.emplace_back(line);
        endsWithEol_ = true;
        return;
    }
    const auto existing = findKey(header, key);
    if (existing != npos) {
        lines_[existing] = Line(line);
        return;
    }
    // After the section's last non-blank line, so blank separators stay below.
    std::size_t at = sectionEnd(header);
    while (at > header + 1 && trimmedView(lines_[at - 1].text).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line(line));
    if (at == lines_.size() - 1) endsWithEol_ = true;
}

void Profile::writeInt(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void Profile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void Profile::eraseSection(std::string_view section) {
    const auto header = findSection(section);
    if (header == npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
}

void Profile::eraseKey(std::string_view section, std::string_view key) {
    const auto header = findSection(section);
    if (header == npos) return;
    const auto line = findKey(header, key);
    if (line != npos) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
}

std::string Profile::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        if (i + 1 < lines_.size() || endsWithEol_) out += eol_;
    }
    return out;
}

bool Profile::save() const { return writeFileAtomic(path_, text()); }

std::string readProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view def) {
    return Profile(file).readString(section, key, def);
}

int readProfileInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int def) {
    return Profile(file).readInt(section, key, def);
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    Profile p(file);
    p.writeString(section, key, value);
    return p.save();
}

}  // namespace base

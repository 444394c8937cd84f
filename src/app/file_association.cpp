#include "app/file_association.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#include "app/program_run.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "base/texts.h"

namespace app {
namespace {

constexpr std::string_view kEntrySection = "Desktop Entry";
constexpr std::string_view kDefaultsSection = "Default Applications";
constexpr int kAssociatedText = 386;

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

// The ";"-separated items of a desktop entry list.
std::vector<std::string> listItems(std::string_view list) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const auto end = list.find(';');
        auto item = base::trim(list.substr(0, end));
        if (!item.empty()) items.push_back(std::move(item));
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return items;
}

bool writeText(const std::filesystem::path& file, std::string_view text) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return base::writeFileAtomic(file, text);
}

base::Outcome cannotWrite(const std::filesystem::path& file, const base::Language& language) {
    return base::failure(language.text(base::text::unableToCreate), base::text::unableToCreate, file.string());
}

std::filesystem::path fromEnvironment(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value && *value == '/') return value;
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / fallbackUnderHome;
    return {};
}

}  // namespace

std::string styleMimeType(std::string_view extension) { return "application/x-yamaha-" + lowerCase(extension); }

std::string mimePackage(const std::vector<std::string_view>& extensions) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const auto extension : extensions) {
        const auto lower = lowerCase(extension);
        const auto upper = upperCase(extension);
        xml += "  <mime-type type=\"" + styleMimeType(extension) + "\">\n";
        xml += "    <comment>Yamaha SFF file (" + upper + ")</comment>\n";
        // A style starts with a Standard MIDI File: MIDI programs may open it too.
        xml += "    <sub-class-of type=\"audio/midi\"/>\n";
        xml += "    <generic-icon name=\"audio-x-generic\"/>\n";
        // Above the default weight 50, so the extension wins over other
        // packages that claim it (".sty" is also a TeX style).
        xml += "    <glob pattern=\"*." + lower + "\" weight=\"60\"/>\n";
        xml += "    <glob pattern=\"*." + upper + "\" weight=\"60\" case-sensitive=\"true\"/>\n";
        // Below audio/midi's own rule, so a MIDI file without an extension stays MIDI.
        xml += "    <magic priority=\"40\">\n";
        xml += "      <match type=\"string\" value=\"MThd\" offset=\"0\"/>\n";
        xml += "    </magic>\n";
        xml += "  </mime-type>\n";
    }
    xml += "</mime-info>\n";
    return xml;
}

std::string desktopExecArgument(const std::string& argument) {
    // Exec level: the argument in double quotes, with ", `, $ and \ escaped
    // by a backslash and % doubled.
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    // String level, undone first by readers: backslashes and control characters.
    std::string out;
    for (char c : quoted) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::string desktopEntry(const std::string& program, const std::string& icon, const std::vector<std::string>& mimeTypes) {
    std::string types;
    for (const auto& type : mimeTypes) types += type + ";";
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Ctabber\n"
           "GenericName=Style editor\n"
           "Comment=Edit Yamaha keyboard style files and Standard MIDI Files\n"
           "Exec=" + desktopExecArgument(program) + " %f\n"
           "Icon=" + icon + "\n"
           "Terminal=false\n"
           "Categories=AudioVideo;Audio;Midi;\n"
           "MimeType=" + types + "\n";
}

DesktopPlaces DesktopPlaces::ofUser() {
    return {fromEnvironment("XDG_DATA_HOME", ".local/share"), fromEnvironment("XDG_CONFIG_HOME", ".config")};
}

base::Outcome associate(const DesktopPlaces& places, const AssociationRequest& request, const base::Language& language) {
    if (places.dataHome.empty() || places.configHome.empty())
        return cannotWrite("$HOME", language);
    const std::string type = styleMimeType(request.extension);

    const auto package = places.dataHome / "mime" / "packages" / ("ctabber-" + lowerCase(request.extension) + ".xml");
    if (!writeText(package, mimePackage({request.extension}))) return cannotWrite(package, language);

    // The entry keeps the types associated before and gains this one.
    const auto applications = places.dataHome / "applications";
    const auto entry = applications / kDesktopEntryName;
    auto types = listItems(base::Profile(entry).readString(kEntrySection, "MimeType", ""));
    if (std::find(types.begin(), types.end(), type) == types.end()) types.push_back(type);
    if (!writeText(entry, desktopEntry(request.program.string(), request.icon, types))) return cannotWrite(entry, language);

    const auto defaults = places.configHome / "mimeapps.list";
    base::Profile list(defaults);
    list.writeString(kDefaultsSection, type, std::string(kDesktopEntryName) + ";");
    std::error_code ec;
    std::filesystem::create_directories(places.configHome, ec);
    if (!list.save()) return cannotWrite(defaults, language);

    const bool mimeUpdated = runProgram("update-mime-database", {(places.dataHome / "mime").string()}).exitCode == 0;
    const bool entriesUpdated = runProgram("update-desktop-database", {applications.string()}).exitCode == 0;

    base::Outcome done;
    done.message = {language.text(base::text::message), upperCase(request.extension) + " " + language.text(kAssociatedText),
                    base::Icon::None, base::text::message, kAssociatedText};
    if (!mimeUpdated || !entriesUpdated) {
        done.message.text += "\n\n" + language.text(base::text::desktopToolsMissing);
        done.message.icon = base::Icon::Warning;
    }
    return done;
}

}  // namespace app

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "app/file_association.h"
#include "app/program_run.h"
#include "base/profile.h"
#include "support/temp_dir.h"

using namespace app;
using namespace base;

namespace {

// Sets an environment variable for one scope (nullptr removes it).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Undoes desktopExecArgument the way a desktop reads Exec: string escapes
// first, then the quoting of one argument, then "%%".
std::string readExecArgument(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char n = value[++i];
            unescaped += n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n == 's' ? ' ' : n;
        } else {
            unescaped += value[i];
        }
    }
    EXPECT_TRUE(unescaped.size() >= 2 && unescaped.front() == '"' && unescaped.back() == '"') << unescaped;
    std::string arg;
    for (std::size_t i = 1; i + 1 < unescaped.size(); ++i) {
        if (unescaped[i] == '\\') ++i;
        else if (unescaped[i] == '%') ++i;
        arg += unescaped[i];
    }
    return arg;
}

DesktopPlaces placesIn(const testing_support::TempDir& dir) { return {dir / "data", dir / "config"}; }

}  // namespace

TEST(FileAssociation, ExecArgumentsSurviveQuoting) {
    for (const std::string path : {"/usr/bin/ctabber", "/home/a b/Ctabber 2/ctabber", "/x/\"q\"/$HOME/`id`",
                                   "/x/back\\slash/100%/a;b&c|d", "/x/tab\there"})
        EXPECT_EQ(readExecArgument(desktopExecArgument(path)), path) << path;
    EXPECT_EQ(desktopExecArgument("/a b/c"), "\"/a b/c\"");
    EXPECT_EQ(desktopExecArgument("/a\\b"), "\"/a\\\\\\\\b\"");  // four backslashes in the file
}

TEST(FileAssociation, WritesPackageEntryAndDefaultKeepingWhatWasThere) {
    testing_support::TempDir dir;
    ScopedEnv path("PATH", dir.path().c_str());  // no desktop tools here
    const auto places = placesIn(dir);
    std::filesystem::create_directories(places.configHome);
    dir.writeText("config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\n"
                                          "text/plain=editor.desktop;\n");
    const AssociationRequest sty{"STY", "/opt/my apps/ctabber", "/opt/ctabber.svg"};
    const auto done = associate(places, sty, builtinLanguage());
    ASSERT_TRUE(done.ok);
    EXPECT_EQ(done.message.caption, "Message");
    EXPECT_EQ(done.message.text, "STY  files now are associated with Ctabber...\n\nThe desktop databases were not "
                                 "updated: install shared-mime-info and desktop-file-utils...");
    EXPECT_EQ(done.message.icon, Icon::Warning);

    const auto package = dir.readText("data/mime/packages/ctabber-sty.xml");
    EXPECT_EQ(package, mimePackage({"STY"}));
    for (const char* part : {"type=\"application/x-yamaha-sty\"", "<glob pattern=\"*.sty\" weight=\"60\"/>",
                             "<glob pattern=\"*.STY\" weight=\"60\" case-sensitive=\"true\"/>",
                             "<match type=\"string\" value=\"MThd\" offset=\"0\"/>", "<sub-class-of type=\"audio/midi\"/>"})
        EXPECT_NE(package.find(part), std::string::npos) << part;

    ASSERT_TRUE(associate(places, {"prc", sty.program, sty.icon}, builtinLanguage()).ok);
    const Profile entry(dir / "data/applications/ctabber.desktop");
    EXPECT_EQ(entry.readString("Desktop Entry", "Exec", ""), "\"/opt/my apps/ctabber\" %f");
    EXPECT_EQ(entry.readString("Desktop Entry", "Icon", ""), "/opt/ctabber.svg");
    EXPECT_EQ(entry.readString("Desktop Entry", "MimeType", ""), "application/x-yamaha-sty;application/x-yamaha-prc;");
    EXPECT_TRUE(std::filesystem::exists(dir / "data/mime/packages/ctabber-prc.xml"));

    // Associating again adds nothing twice; the user's other defaults stay.
    ASSERT_TRUE(associate(places, sty, builtinLanguage()).ok);
    EXPECT_EQ(Profile(dir / "data/applications/ctabber.desktop").readString("Desktop Entry", "MimeType", ""),
              "application/x-yamaha-sty;application/x-yamaha-prc;");
    EXPECT_EQ(dir.readText("config/mimeapps.list"),
              "[Default Applications]\ntext/plain=editor.desktop\napplication/x-yamaha-sty=ctabber.desktop;\n"
              "application/x-yamaha-prc=ctabber.desktop;\n\n[Added Associations]\ntext/plain=editor.desktop;\n");
}

TEST(FileAssociation, AFolderThatCannotBeWrittenIsNamed) {
    testing_support::TempDir dir;
    dir.writeText("blocked", "a file where a folder should be");
    const DesktopPlaces places{dir / "blocked" / "data", dir / "config"};
    const auto failed = associate(places, {"STY", "/usr/bin/ctabber", "ctabber"}, builtinLanguage());
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message.caption, "Unable to create the file");
    EXPECT_EQ(failed.message.text, (dir / "blocked/data/mime/packages/ctabber-sty.xml").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "config/mimeapps.list"));

    const DesktopPlaces readOnlyConfig{dir / "data", dir / "blocked" / "config"};
    const auto noConfig = associate(readOnlyConfig, {"STY", "/usr/bin/ctabber", "ctabber"}, builtinLanguage());
    EXPECT_FALSE(noConfig.ok);
    EXPECT_EQ(noConfig.message.text, (dir / "blocked/config/mimeapps.list").string());
}

TEST(FileAssociation, TheDesktopOpensAssociatedFilesWithTheProgram) {
    for (const char* tool : {"update-mime-database", "update-desktop-database", "xdg-mime", "gio"})
        if (!findProgram(tool)) GTEST_SKIP() << tool << " is not installed (scripts/deps.sh installs it)";
    testing_support::TempDir dir;
    const auto places = placesIn(dir);
    ScopedEnv data("XDG_DATA_HOME", places.dataHome.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", places.configHome.c_str());
    ScopedEnv dirs("XDG_DATA_DIRS", "/usr/share");
    ScopedEnv configDirs("XDG_CONFIG_DIRS", dir.path().c_str());
    // xdg-mime then asks GLib, as the GNOME and Xfce file managers do on a
    // double click. (On an unnamed desktop it asks File::MimeInfo, which
    // lets the system's "*.sty" of TeX win over any user package.)
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "GNOME");

    const auto done = associate(places, {"STY", "/opt/ctabber/ctabber", "ctabber"}, builtinLanguage());
    ASSERT_TRUE(done.ok);
    EXPECT_EQ(done.message.icon, Icon::None) << done.message.text;
    EXPECT_EQ(done.message.text, "STY  files now are associated with Ctabber...");

    // A style (any case of the extension) is of the new type even though TeX claims ".sty" too.
    const auto style = dir.write("Pop Beat.sty", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96});
    const auto upper = dir.write("BALLAD.STY", {'M', 'T', 'h', 'd'});
    EXPECT_EQ(runProgram("xdg-mime", {"query", "filetype", style.string()}).output, "application/x-yamaha-sty\n");
    EXPECT_EQ(runProgram("xdg-mime", {"query", "filetype", upper.string()}).output, "application/x-yamaha-sty\n");
    EXPECT_EQ(runProgram("xdg-mime", {"query", "default", "application/x-yamaha-sty"}).output, "ctabber.desktop\n");
    // A plain MIDI file stays MIDI.
    const auto song = dir.write("song.mid", {'M', 'T', 'h', 'd'});
    EXPECT_EQ(runProgram("xdg-mime", {"query", "filetype", song.string()}).output, "audio/midi\n");

    if (findProgram("desktop-file-validate")) {
        const auto check = runProgram("desktop-file-validate", {(places.dataHome / "applications/ctabber.desktop").string()});
        EXPECT_EQ(check.exitCode, 0) << check.output;
    }
}

TEST(FileAssociation, InstalledFilesMatchWhatTheProgramWrites) {
    const std::filesystem::path data = std::filesystem::path(CTABBER_SOURCE_DIR) / "data";
    std::vector<std::string_view> all(kStyleExtensions.begin(), kStyleExtensions.end());
    std::vector<std::string> types;
    for (auto extension : kStyleExtensions) types.push_back(styleMimeType(extension));
    auto read = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(data / "ctabber-mime.xml"), mimePackage(all));
    // Installed under a prefix the program is found in $PATH.
    auto entry = desktopEntry("ctabber", "ctabber", types);
    entry.replace(entry.find("Exec=\"ctabber\""), 14, "Exec=ctabber");
    EXPECT_EQ(read(data / "ctabber.desktop"), entry);
}

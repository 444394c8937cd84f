#pragma once
// Associating the style-file extensions with the program on a freedesktop
// desktop: a shared-mime-info package per extension, a desktop entry that
// opens the program with the file, and the program as the type's default
// application, all under the user's own data and settings folders.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/message.h"

namespace app {

// The extensions of the setup dialog's six buttons, in their order.
inline constexpr std::array<std::string_view, 6> kStyleExtensions{"STY", "BCS", "PRS", "SST", "PST", "PCS"};

// Every extension the program is associated with: the buttons' and "PRC",
// which earlier versions associated in place of "PRS" and which the "PRS"
// button keeps, so files of that name still open with the program.
inline constexpr std::array<std::string_view, 7> kAssociatedExtensions{"STY", "BCS", "PRS", "PRC",
                                                                        "SST", "PST", "PCS"};

// The extensions one button associates: "PRS" brings "PRC"; any other itself.
std::vector<std::string_view> extensionsOf(std::string_view buttonExtension);

// The name of the program's desktop entry (in applications/).
inline constexpr std::string_view kDesktopEntryName = "ctabber.desktop";

// "application/x-yamaha-sty" for "STY" (the extension in any case).
std::string styleMimeType(std::string_view extension);

// A shared-mime-info package declaring one type per extension: globs for the
// lower- and upper-case extension that outweigh other packages' globs, a
// sub-class of audio/midi, and a weak magic rule on "MThd".
std::string mimePackage(const std::vector<std::string_view>& extensions);

// One Exec argument quoted by the desktop entry rules, so any path (blanks,
// quotes, "$", "%", backslashes) reaches the program unchanged.
std::string desktopExecArgument(const std::string& argument);

// The desktop entry: Exec runs `program` with the file (%f).
std::string desktopEntry(const std::string& program, const std::string& icon,
                         const std::vector<std::string>& mimeTypes);

// The user's folders: $XDG_DATA_HOME (default ~/.local/share) and
// $XDG_CONFIG_HOME (default ~/.config). Empty paths when neither the
// variables nor $HOME are set.
struct DesktopPlaces {
    std::filesystem::path dataHome;
    std::filesystem::path configHome;
    static DesktopPlaces ofUser();
};

struct AssociationRequest {
    std::string extension;  // "STY" ...
    std::filesystem::path program;
    std::string icon;  // an icon file's path, or an icon name
};

// For each of extensionsOf(request.extension): writes
// <data>/mime/packages/ctabber-<ext>.xml and
// <data>/applications/ctabber.desktop (keeping the types associated before),
// makes the entry the type's default in <config>/mimeapps.list, then runs
// update-mime-database and update-desktop-database on the user's folders when
// they are installed. Success: the extension and text 386 (with text 335 when
// the tools are missing or fail). Failure: a file that cannot be written,
// named in the message; files written before it stay.
base::Outcome associate(const DesktopPlaces& places, const AssociationRequest& request, const base::Language& language);

}  // namespace app

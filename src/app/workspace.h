#pragma once
// The program directory: settings, working files and name files live there.
// Every part asks this object for paths; nothing changes the process's
// current directory.
#include <filesystem>
#include <string_view>

namespace app {

// Names of the working and settings files in the program directory.
namespace files {
inline constexpr std::string_view casm = "#casm.csm";
inline constexpr std::string_view casmAdd = "#CasmAdd.dat";
inline constexpr std::string_view settings = "Ctabber.INI";
inline constexpr std::string_view eventCopy = "EventCopy.ini";
inline constexpr std::string_view casmCopy = "CasmCopy.ini";
inline constexpr std::string_view casmText = "#casm.txt";
inline constexpr std::string_view casmDefaults = "Casm.INI";
inline constexpr std::string_view controllers = "Control.INI";
inline constexpr std::string_view xgSystem = "XGSystem.ini";
inline constexpr std::string_view genres = "Genre.INI";
}  // namespace files

class Workspace {
public:
    // Uses `dir` as the program directory, creating it when missing.
    explicit Workspace(std::filesystem::path dir);

    // $CTABBER_HOME when set; else the executable's folder when writable;
    // else $XDG_DATA_HOME/ctabber (default ~/.local/share/ctabber).
    static Workspace locate(const std::filesystem::path& executable);

    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path file(std::string_view name) const { return dir_ / name; }
    std::filesystem::path casm() const { return file(files::casm); }
    std::filesystem::path casmAdd() const { return file(files::casmAdd); }
    std::filesystem::path settings() const { return file(files::settings); }
    // The event clipboard, shared by every running instance.
    std::filesystem::path eventCopy() const { return file(files::eventCopy); }

private:
    std::filesystem::path dir_;
};

}  // namespace app

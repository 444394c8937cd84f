#pragma once
// Where the program's files are. Every part asks this object for paths;
// nothing changes the process's current directory.
//
// Two folders:
// - the program directory holds what the user keeps and shares between runs
//   and between windows: the settings file, the recent files in it, the name
//   files, the language files and the two clipboard files;
// - the working folder holds the open document's working files ("#casm.csm",
//   "#CasmAdd.dat", "###.###", "#casm.txt"). Every running instance (a
//   window, a command-line call) has its own, made by base::InstanceFolder
//   inside the program directory, so two instances sharing the program
//   directory never read each other's working files. A lock would have made
//   a second window wait for the first to close, or a command-line call
//   fail while the window is open; separate folders let both run.
// A Workspace made from one folder uses it for both: a command-line call
// without --workdir, and tests.
#include <filesystem>
#include <string_view>

namespace base {

// Names of the working and settings files.
namespace files {
inline constexpr std::string_view casm = "#casm.csm";
inline constexpr std::string_view casmAdd = "#CasmAdd.dat";
inline constexpr std::string_view scratch = "###.###";
inline constexpr std::string_view casmText = "#casm.txt";
inline constexpr std::string_view settings = "Ctabber.INI";
inline constexpr std::string_view eventCopy = "EventCopy.ini";
inline constexpr std::string_view casmCopy = "CasmCopy.ini";
inline constexpr std::string_view casmDefaults = "Casm.INI";
inline constexpr std::string_view controllers = "Control.INI";
inline constexpr std::string_view xgSystem = "XGSystem.ini";
inline constexpr std::string_view genres = "Genre.INI";
}  // namespace files

// The working files of the working folder, for whoever removes the folder.
inline constexpr std::string_view kWorkingFiles[] = {files::casm, files::casmAdd, files::scratch, files::casmText};

class Workspace {
public:
    // Uses `dir` as the program directory and the working folder, creating
    // it when missing.
    explicit Workspace(std::filesystem::path dir);
    // The program directory `dir` (created when missing) with the working folder `workDir`.
    Workspace(std::filesystem::path dir, std::filesystem::path workDir);

    // The program directory of the executable at `executable` (its real
    // path, links followed): $CTABBER_HOME when set; else the executable's
    // folder when writable; else $XDG_DATA_HOME/ctabber (default
    // ~/.local/share/ctabber).
    static Workspace locate(const std::filesystem::path& executable);

    const std::filesystem::path& dir() const { return dir_; }
    const std::filesystem::path& workDir() const { return workDir_; }
    // A file of the program directory.
    std::filesystem::path file(std::string_view name) const { return dir_ / name; }
    std::filesystem::path settings() const { return file(files::settings); }
    // The event clipboard of the program directory, shared by every running instance.
    std::filesystem::path eventCopy() const { return file(files::eventCopy); }
    // The working files.
    std::filesystem::path casm() const { return workDir_ / files::casm; }
    std::filesystem::path casmAdd() const { return workDir_ / files::casmAdd; }
    std::filesystem::path scratch() const { return workDir_ / files::scratch; }
    std::filesystem::path casmText() const { return workDir_ / files::casmText; }

private:
    std::filesystem::path dir_;
    std::filesystem::path workDir_;
};

}  // namespace base

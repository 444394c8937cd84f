#pragma once
// Reading a style or MIDI file into the document: the MIDI part into the
// event list, the CASM section into "#casm.csm" and the rest into "#CasmAdd.dat".
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/language.h"
#include "base/workspace.h"
#include "document/document.h"
#include "document/event_text.h"

namespace document {

struct ReadOptions {
    bool clearCasm = true;          // setting "ClearCasm"
    bool casmEditorOpen = false;    // the CASM editor is open beside the main window
    // Asked when the editor is open and the file has a CASM section:
    // "Do you want to reload CASM from the loading file?...". No keeps the present one.
    std::function<bool()> askReloadCasm;
    // Called once the file is open, before anything of it is read.
    std::function<void()> started;
    // Called once per meta event, with the bytes read so far and the file's
    // size, so a window can keep painting and show how far it got.
    std::function<void(std::size_t done, std::size_t total)> progress;
    NameSources names = builtinNames();
    const base::Language* language = &base::builtinLanguage();
};

// What the CASM commands ("CASM &Hex data", "CASM &Editor", the CASM button,
// "&Export to ...") should do after the read.
enum class CasmCommands { Unchanged, Enable, Disable };

struct ReadResult {
    bool opened = false;     // false: "Unable to open the file..." and nothing changed
    bool failed = false;     // a reading error stopped the read (panel 3 tells which)
    // Status panels 0 to 3 as the read left them; a panel the read did not
    // set keeps its previous text (nullopt).
    std::array<std::optional<std::string>, 4> panels;
    bool partialRow = false;  // the failed read left a half-read event in the last row
    // Every track was read and the working files belong to this file: only
    // then may the document be saved ("&Save as ..." enabled).
    bool saveable = false;
    CasmCommands casmCommands = CasmCommands::Unchanged;
    bool casmTaken = false;  // "#casm.csm" was rewritten from this file
    bool casmReloadDeclined = false;
    std::uint64_t casmLength = 0;  // body length + 4, as the status shows it
    std::uint64_t addLength = 0;
};

// Reads `path` into `doc` (replacing its rows, lists and header values) and
// updates the working files of `ws`. Never throws on bad input.
ReadResult readFile(const std::filesystem::path& path, Document& doc, const base::Workspace& ws,
                    const ReadOptions& options = {});

// Marks `result` failed because the working file `name` could not be
// cleared or written: status panel 3 gets "Unable to create the file" and
// the name after its present text. A read that cannot clear or write a
// working file fails, so a later save never takes the previous file's pieces.
void failOnWorkingFile(ReadResult& result, std::string_view name, const base::Language& lang);

// The same over bytes already in memory (doc.fileName is left as it is).
ReadResult readBytes(const std::vector<std::uint8_t>& bytes, Document& doc, const base::Workspace& ws,
                     const ReadOptions& options = {});

}  // namespace document

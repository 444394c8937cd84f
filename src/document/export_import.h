#pragma once
// Taking a style apart into .mid, .csm and .add files and putting it together.
#include <filesystem>
#include <string>

#include "base/language.h"
#include "base/message.h"
#include "base/workspace.h"
#include "document/smf_reader.h"

namespace document {

struct PieceNames {
    std::string mid;
    std::string csm;
    std::string add;
};

// From the opened file's name: its folder, "#", its name with the extension
// replaced by .mid, .csm and .add (Pop.sty gives #Pop.mid, #Pop.csm, #Pop.add).
PieceNames defaultExportNames(const std::string& openedFile);

// Writes the MIDI part and the CASM section, and the add part when
// "#CasmAdd.dat" exists and `names.add` is not empty. The first piece that
// cannot be written ends it with "Unable to save..." and its name; the note
// names the pieces written before it, which stay.
base::Outcome exportPieces(const Document& doc, const PieceNames& names, const base::Workspace& ws,
                          const base::Language& lang = base::builtinLanguage());

struct ImportResult {
    ReadResult read;
    bool casmImported = false;  // false: the CASM copy failed; no message is shown
    base::Message message;       // "Files are imported..." when casmImported
};

// Reads `names.mid` as the document, then replaces "#casm.csm" and "#CasmAdd.dat".
ImportResult importPieces(Document& doc, const PieceNames& names, const base::Workspace& ws,
                          const ReadOptions& options = {});

}  // namespace document

#include "document/export_import.h"

#include "base/file_io.h"
#include "base/file_names.h"
#include "document/smf_writer.h"

namespace document {

PieceNames defaultExportNames(const std::string& openedFile) {
    const std::string base = std::string(base::folderOf(openedFile)) + "#" + std::string(base::baseNameOf(openedFile));
    return {base::replaceExtension(base, ".mid"), base::replaceExtension(base, ".csm"),
            base::replaceExtension(base, ".add")};
}

base::Outcome exportPieces(const Document& doc, const PieceNames& names, const base::Workspace& ws,
                          const base::Language& lang) {
    auto unableToSave = [&](const std::string& name) { return base::failure(lang.text(116, "Unable to save..."), 116, name); };
    // A multi-track document written as one track would claim tracks it lacks.
    if (doc.format != 0)
        return base::failure(lang.text(99, "Unsupported format"), 99,
                            lang.text(98, "This programm can save only SMF0 files..."), 98);
    if (names.mid.empty() || !writeMidiPart(doc, names.mid, lang).ok) return unableToSave(names.mid);
    // A piece that was not written fails the export; the pieces written
    // before it stay and are named.
    auto failedAfter = [&](const std::string& name, std::initializer_list<std::string_view> written) {
        auto failed = unableToSave(name);
        failed.note = "Already written:";
        const char* separator = " ";
        for (auto piece : written) {
            (failed.note += separator) += piece;
            separator = ", ";
        }
        return failed;
    };
    if (names.csm.empty() || !base::copyFileAtomic(ws.casm(), names.csm)) return failedAfter(names.csm, {names.mid});
    if (!names.add.empty() && base::fileExists(ws.casmAdd()) && !base::copyFileAtomic(ws.casmAdd(), names.add))
        return failedAfter(names.add, {names.mid, names.csm});
    return {true,
            {lang.text(118, "Message"), lang.text(117, "The style is exported as mid-file and csm-file..."),
             base::Icon::None, 118, 117},
            {}};
}

ImportResult importPieces(Document& doc, const PieceNames& names, const base::Workspace& ws,
                          const ReadOptions& options) {
    ImportResult result;
    result.read = readFile(names.mid, doc, ws, options);
    const auto& lang = *options.language;
    result.read.casmCommands = CasmCommands::Disable;
    if (!base::removeFile(ws.casm())) {
        failOnWorkingFile(result.read, base::files::casm, lang);
        return result;
    }
    if (names.csm.empty() || !base::copyFileAtomic(names.csm, ws.casm())) return result;
    // The add part read from the MIDI file, or the previous one, would be saved with the imported pieces.
    if (!base::removeFile(ws.casmAdd()) ||
        (!names.add.empty() && base::fileExists(names.add) && !base::copyFileAtomic(names.add, ws.casmAdd()))) {
        base::removeFile(ws.casm());
        failOnWorkingFile(result.read, base::files::casmAdd, lang);
        return result;
    }
    result.read.casmCommands = CasmCommands::Enable;
    result.casmImported = true;
    result.message = {lang.text(118, "Message"), lang.text(119, "Files are imported. Use File/Save as to store a new style"),
                      base::Icon::None, 118, 119};
    return result;
}

}  // namespace document

#include "document/export_import.h"

#include "app/file_io.h"
#include "document/smf_writer.h"

namespace document {

std::string replaceExtension(const std::string& name, std::string_view extension) {
    const auto sep = name.find_last_of("\\/:");
    const auto dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (sep == std::string::npos || dot > sep);
    return (hasExtension ? name.substr(0, dot) : name) + std::string(extension);
}

PieceNames defaultExportNames(const std::string& openedFile) {
    const auto sep = openedFile.find_last_of("\\/:");
    const std::string folder = sep == std::string::npos ? "" : openedFile.substr(0, sep + 1);
    const std::string base = folder + "#" + openedFile.substr(sep == std::string::npos ? 0 : sep + 1);
    return {replaceExtension(base, ".mid"), replaceExtension(base, ".csm"), replaceExtension(base, ".add")};
}

app::Outcome exportPieces(const Document& doc, const PieceNames& names, const app::Workspace& ws,
                          const app::Language& lang) {
    auto unableToSave = [&](const std::string& name) { return app::failure(lang.text(116, "Unable to save..."), 116, name); };
    // A multi-track document written as one track would claim tracks it lacks.
    if (doc.format != 0)
        return app::failure(lang.text(99, "Unsupported format"), 99,
                            lang.text(98, "This programm can save only SMF0 files..."), 98);
    if (names.mid.empty() || !writeMidiPart(doc, names.mid, lang).ok) return unableToSave(names.mid);
    if (names.csm.empty() || !app::copyFileAtomic(ws.casm(), names.csm)) return unableToSave(names.csm);
    if (!names.add.empty() && app::fileExists(ws.casmAdd())) app::copyFileAtomic(ws.casmAdd(), names.add);
    return {true,
            {lang.text(118, "Message"), lang.text(117, "The style is exported as mid-file and csm-file..."),
             app::Icon::None, 118, 117}};
}

ImportResult importPieces(Document& doc, const PieceNames& names, const app::Workspace& ws,
                          const ReadOptions& options) {
    ImportResult result;
    result.read = readFile(names.mid, doc, ws, options);
    app::removeFile(ws.casm());
    result.read.casmCommands = CasmCommands::Disable;
    if (names.csm.empty() || !app::copyFileAtomic(names.csm, ws.casm())) return result;
    app::removeFile(ws.casmAdd());
    result.read.casmCommands = CasmCommands::Enable;
    if (!names.add.empty() && app::fileExists(names.add)) app::copyFileAtomic(names.add, ws.casmAdd());
    result.casmImported = true;
    const auto& lang = *options.language;
    result.message = {lang.text(118, "Message"), lang.text(119, "Files are imported. Use File/Save as to store a new style"),
                      app::Icon::None, 118, 119};
    return result;
}

}  // namespace document

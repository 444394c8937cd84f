#include <iostream>

#include "base/profile.h"
#include "casm/reader.h"
#include "cli/commands.h"
#include "cli/document_reading.h"
#include "document/demo_style.h"
#include "document/export_import.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "events/row_edit.h"

namespace cli {
namespace {

int info(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    CallWorkspace call(args);
    document::Document doc;
    auto result = document::readFile(args.positional[0], doc, call.workspace(), readOptions(args, call.workspace()));
    for (const auto& panel : result.panels) std::cout << panel.value_or("") << '\n';
    if (!result.opened) return kUsage;
    return result.failed ? kFailed : kOk;
}

int events(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    CallWorkspace call(args);
    document::Document doc;
    document::ReadResult result;
    const int status = readDocument(args, args.positional[0], doc, call.workspace(), &result);
    if (status == kUsage) return status;
    const auto& list = doc.events;
    const int last = list.eventCount() + (result.partialRow ? 1 : 0);
    std::string line, cell;
    for (int r = 1; r <= last; ++r) {
        line.clear();
        for (int c = 0; c < document::kColumnCount; ++c) {
            if (c) line += '\t';
            cell.clear();
            document::appendCell(cell, list, r, c, doc.timeBase());
            line += escapeCell(cell);
        }
        line += '\n';
        std::cout << line;
    }
    return status;
}

int save(const Args& args) {
    if (args.positional.size() != 2) return kUsage;
    if (filterFor(args, args.positional[1]) == 0) return unknownType();
    CallWorkspace call(args);
    document::Document doc;
    if (int status = readDocument(args, args.positional[0], doc, call.workspace()); status != kOk) return status;
    return saveDocument(args, doc, args.positional[1], call.workspace());
}

int exportCommand(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    CallWorkspace call(args);
    const auto& ws = call.workspace();
    document::Document doc;
    document::ReadResult read;
    if (int status = readDocument(args, args.positional[0], doc, ws, &read); status != kOk) return status;
    if (!read.casmTaken) {
        std::cerr << "ctabber-cli: " << args.positional[0] << " has no CASM section to export\n";
        return kFailed;
    }
    auto names = document::defaultExportNames(args.positional[0]);
    names.mid = args.option("mid").value_or(names.mid);
    names.csm = args.option("csm").value_or(names.csm);
    names.add = base::fileExists(ws.casmAdd()) ? args.option("add").value_or(names.add) : "";
    return printOutcome(document::exportPieces(doc, names, ws));
}

int importCommand(const Args& args) {
    if (args.positional.size() != 1 || !args.option("mid") || !args.option("csm")) return kUsage;
    const auto& out = args.positional[0];
    if (filterFor(args, out) == 0) return unknownType();
    // What the CASM reader refuses is no CASM section to put into a style.
    if (const auto refused = casm::readCasmFile(*args.option("csm")).failure) {
        printMessage(false, refused->caption, refused->text);
        return refused->captionId == 83 ? kUsage : kFailed;
    }
    CallWorkspace call(args);
    const auto& ws = call.workspace();
    document::Document doc;
    const document::PieceNames names{*args.option("mid"), *args.option("csm"), args.option("add").value_or("")};
    auto imported = document::importPieces(doc, names, ws, readOptions(args, ws));
    if (!imported.read.opened) {
        std::cerr << *imported.read.panels[3] << '\t' << names.mid << '\n';
        return kUsage;
    }
    if (imported.read.failed) {
        std::cerr << imported.read.panels[3].value_or("") << '\n';
        return kFailed;
    }
    return saveDocument(args, doc, out, ws);
}

int removeBanks(const Args& args) {
    if (args.positional.size() != 2) return kUsage;
    CallWorkspace call(args);
    document::Document doc;
    if (int status = readDocument(args, args.positional[0], doc, call.workspace()); status != kOk) return status;
    int removed = 0;
    auto outcome = events::removeBanksAndSave(doc, args.positional[1], call.workspace(), base::builtinLanguage(), &removed);
    // Like the batch, a success shows only the count of status panel 4.
    if (!outcome.ok) return printOutcome(outcome);
    std::cout << removed << " Bank messages removed...\n";
    printNote(outcome);
    return kOk;
}

int makeDemo(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    if (base::writeFileAtomic(args.positional[0], document::demoStyle())) return kOk;
    std::cerr << "Unable to create the file\t" << args.positional[0] << '\n';
    return kFailed;
}

}  // namespace

std::vector<Command> documentCommands() {
    return {
        {"info", "FILE", info},
        {"events", "FILE", events},
        {"save", "IN OUT [--type mid|sty|bcs|prs|sst|pst|pcs]", save},
        {"export", "IN [--mid F] [--csm F] [--add F]", exportCommand},
        {"import", "--mid F --csm F [--add F] OUT [--type T]", importCommand},
        {"remove-banks", "IN OUT", removeBanks},
        {"make-demo", "OUT (writes the demo style)", makeDemo, false},
    };
}

}  // namespace cli

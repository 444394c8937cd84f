#include "cli/document_reading.h"

#include <iostream>

#include "base/profile.h"
#include "cli/names_options.h"
#include "document/smf_writer.h"

namespace cli {

document::ReadOptions readOptions(const Args& args, const base::Workspace& ws) {
    document::ReadOptions options;
    options.clearCasm = base::Profile(ws.settings()).readBool("Main", "ClearCasm", true);
    options.names = nameSourcesFor(args, ws);
    return options;
}

int readDocument(const Args& args, const std::string& path, document::Document& doc, const base::Workspace& ws,
                 document::ReadResult* out) {
    auto result = document::readFile(path, doc, ws, readOptions(args, ws));
    if (out) *out = result;
    if (!result.opened) {
        std::cerr << result.panels[3].value_or("") << '\t' << path << '\n';
        return kUsage;
    }
    if (result.failed) {
        std::cerr << result.panels[3].value_or("") << '\n';
        return kFailed;
    }
    return kOk;
}

int filterFor(const Args& args, const std::string& target) {
    if (auto type = args.option("type")) return document::filterForName("x." + *type);
    return document::filterForName(target);
}

int unknownType() {
    std::cerr << "ctabber-cli: unknown file type\n";
    return kUsage;
}

void printNote(const base::Outcome& outcome) {
    if (!outcome.note.empty()) std::cerr << (outcome.ok ? "warning: " : "") << outcome.note << '\n';
}

int printOutcome(const base::Outcome& outcome) {
    printMessage(outcome.ok, outcome.message.caption, outcome.message.text);
    printNote(outcome);
    return outcome.ok ? kOk : kFailed;
}

int saveDocument(const Args& args, const document::Document& doc, const std::string& target,
                 const base::Workspace& ws) {
    const int filter = filterFor(args, target);
    if (filter == 0) return unknownType();
    return printOutcome(document::saveAs(doc, document::applyExtensionRule(target, filter), filter, ws));
}

}  // namespace cli

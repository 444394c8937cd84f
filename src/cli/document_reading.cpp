#include "cli/document_reading.h"

#include <iostream>

#include "app/profile.h"
#include "cli/names_options.h"

namespace cli {

document::ReadOptions readOptions(const Args& args, const app::Workspace& ws) {
    document::ReadOptions options;
    options.clearCasm = app::Profile(ws.settings()).readBool("Main", "ClearCasm", true);
    options.names = nameSourcesFor(args, ws);
    return options;
}

int readDocument(const Args& args, const std::string& path, document::Document& doc, const app::Workspace& ws,
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

}  // namespace cli

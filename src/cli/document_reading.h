#pragma once
// Reading a file as "&Open..." reads it, for every command that takes one.
#include <string>

#include "cli/args.h"
#include "document/smf_reader.h"

namespace cli {

// The reader's options for this call: "ClearCasm" from the program
// directory's settings file; instrument and system-exclusive names as
// nameSourcesFor gives them.
document::ReadOptions readOptions(const Args& args, const app::Workspace& ws);

// Reads `path` into `doc`; prints the reading error on stderr. Returns kOk
// when the read ended as it should, kFailed after a reading error and kUsage
// when the file cannot be opened.
int readDocument(const Args& args, const std::string& path, document::Document& doc, const app::Workspace& ws,
                 document::ReadResult* out = nullptr);

}  // namespace cli

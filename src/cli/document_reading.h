#pragma once
// Reading a file as "&Open..." reads it and saving it as "&Save as ..."
// saves it, for every command that takes or writes one.
#include <string>

#include "cli/args.h"
#include "document/smf_reader.h"

namespace cli {

// The reader's options for this call: "ClearCasm" from the program
// directory's settings file; instrument and system-exclusive names as
// nameSourcesFor gives them.
document::ReadOptions readOptions(const Args& args, const base::Workspace& ws);

// Reads `path` into `doc`; prints the reading error on stderr. Returns kOk
// when the read ended as it should, kFailed after a reading error and kUsage
// when the file cannot be opened.
int readDocument(const Args& args, const std::string& path, document::Document& doc, const base::Workspace& ws,
                 document::ReadResult* out = nullptr);

// The save filter of --type, or of the file's extension; 0 when unknown.
int filterFor(const Args& args, const std::string& target);
// Says that the type is unknown; returns kUsage.
int unknownType();
// Prints the outcome's note on stderr, after a success as a "warning:" line.
void printNote(const base::Outcome& outcome);
// Prints the outcome's message (stdout on success, stderr on failure) and
// its note; returns the exit status.
int printOutcome(const base::Outcome& outcome);
// Saves `doc` as "&Save as ..." does under `target` with the filter of
// --type or of the target's extension, and prints the outcome.
int saveDocument(const Args& args, const document::Document& doc, const std::string& target,
                 const base::Workspace& ws);

}  // namespace cli

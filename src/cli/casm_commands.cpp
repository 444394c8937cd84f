#include <algorithm>
#include <iostream>
#include <optional>

#include "app/file_io.h"
#include "app/profile.h"
#include "casm/check.h"
#include "casm/columns.h"
#include "casm/creation.h"
#include "casm/reader.h"
#include "casm/writer.h"
#include "cli/commands.h"
#include "cli/document_reading.h"
#include "document/smf_reader.h"

namespace cli {
namespace {

// kOk, or the failure's caption and text on stderr and kFailed.
int reportFailure(const std::optional<app::Message>& failure) {
    if (!failure) return kOk;
    printMessage(false, failure->caption, failure->text);
    return kFailed;
}

// The entries of FILE: a raw CASM section as it stands, else the CASM
// section the loader takes from a style file. Nothing (and the exit status)
// when it cannot be read; the message goes to stderr.
std::optional<std::vector<casm::Entry>> readEntries(const Args& args, const std::string& path, const app::Workspace& ws,
                                                    int& status) {
    const auto bytes = app::readFile(path);
    if (!bytes) {
        std::cerr << "Unable to open file...\t" << path << '\n';
        status = kUsage;
        return std::nullopt;
    }
    casm::ReadResult read;
    if (bytes->size() >= 4 && std::equal(bytes->begin(), bytes->begin() + 4, "CASM")) {
        read = casm::readCasm(*bytes, path);
    } else {
        document::Document doc;
        document::ReadResult result;
        status = readDocument(args, path, doc, ws, &result);
        if (status != kOk) return std::nullopt;
        if (!result.casmTaken) {
            std::cerr << "ctabber-cli: " << path << " has no CASM section\n";
            status = kFailed;
            return std::nullopt;
        }
        // Messages name the file the user gave, not the working file its section went to.
        read = casm::readCasm(app::readFile(ws.casm()).value_or(app::Bytes{}), path);
    }
    if (!read.ok()) {
        printMessage(false, read.failure->caption, read.failure->text);
        status = kFailed;
        return std::nullopt;
    }
    status = kOk;
    return std::move(read.entries);
}

int listEntries(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    CallWorkspace call(args);
    int status = kOk;
    const auto entries = readEntries(args, args.positional[0], call.workspace(), status);
    if (!entries) return status;
    std::uint32_t row = 0;
    for (const auto& e : *entries) {
        std::string line;
        auto add = [&](const auto& cells) {
            for (const auto& cell : cells) {
                if (!line.empty()) line += '\t';
                line += escapeCell(cell);
            }
        };
        // The grid's 18 cells (a Ctb2 entry's rules of its middle zone), then
        // a Ctb2 entry's middle range and the rules of its three zones.
        add(casm::gridCells(e, ++row));
        if (e.kind() == casm::TableKind::Ctb2) add(casm::ctb2Cells(e));
        std::cout << line << '\n';
    }
    return kOk;
}

int rewrite(const Args& args) {
    if (args.positional.size() != 2) return kUsage;
    CallWorkspace call(args);
    int status = kOk;
    const auto entries = readEntries(args, args.positional[0], call.workspace(), status);
    if (!entries) return status;
    const auto written = casm::writeCasmFile(args.positional[1], *entries);
    if (written.cancelled) return kFailed;  // the command line passes the order through and never cancels
    return reportFailure(written.failure);
}

// "--assign 9=Drums,10=Bass": channels 1 to 16 and kind names.
std::optional<casm::Kinds> parseAssign(const std::string& text) {
    casm::Kinds kinds{};
    std::size_t at = 0;
    while (at <= text.size()) {
        const auto comma = std::min(text.find(',', at), text.size());
        const std::string item = text.substr(at, comma - at);
        at = comma + 1;
        if (item.empty()) continue;
        const auto eq = item.find('=');
        if (eq == std::string::npos) return std::nullopt;
        const auto channel = app::Profile::parseInt(item.substr(0, eq));
        if (!channel || *channel < 1 || *channel > 16) return std::nullopt;
        const std::string name = app::trim(item.substr(eq + 1));
        const auto names = casm::kindNames();
        auto it = std::find_if(names.begin(), names.end(),
                               [&](std::string_view n) { return app::equalsIgnoreCase(n, name); });
        if (it == names.end()) return std::nullopt;
        kinds[static_cast<std::size_t>(*channel - 1)] = static_cast<casm::Kind>(it - names.begin());
    }
    return kinds;
}

int create(const Args& args) {
    if (args.positional.size() != 2) return kUsage;
    std::optional<casm::Kinds> assigned;
    if (auto assign = args.option("assign")) {
        assigned = parseAssign(*assign);
        if (!assigned) {
            std::cerr << "ctabber-cli: --assign takes CH=KIND,... with CH 1 to 16 and KIND one of "
                         "Unknown, Melody, Drums, Bass, Chord, Pad, Phrase\n";
            return kUsage;
        }
    }
    CallWorkspace call(args);
    const auto& ws = call.workspace();
    document::Document doc;
    if (int status = readDocument(args, args.positional[0], doc, ws); status != kOk) return status;
    const auto kinds = assigned ? *assigned : casm::proposedKinds(casm::surveyChannels(doc.events), true);
    const app::Profile casmIni(ws.file(app::files::casmDefaults));
    const auto created = casm::createCasmFile(args.positional[1], doc.events, kinds, casmIni);
    return reportFailure(created.failure);
}

int check(const Args& args) {
    if (args.positional.size() != 1) return kUsage;
    CallWorkspace call(args);
    int status = kOk;
    const auto entries = readEntries(args, args.positional[0], call.workspace(), status);
    if (!entries) return status;
    for (const auto& line : casm::checkCasm(*entries)) std::cout << escapeCell(line) << '\n';
    return kOk;
}

}  // namespace

std::vector<Command> casmCommands() {
    return {
        {"casm", "FILE (style, MIDI or .csm file)", listEntries},
        {"casm-rewrite", "IN OUT", rewrite},
        {"create-casm", "IN OUT [--assign CH=KIND,...]", create},
        {"check", "FILE", check},
    };
}

}  // namespace cli

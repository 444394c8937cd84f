#include <algorithm>
#include <iostream>
#include <optional>

#include "base/file_io.h"
#include "base/profile.h"
#include "casm/assign_fields.h"
#include "casm/check.h"
#include "casm/columns.h"
#include "casm/creation.h"
#include "casm/reader.h"
#include "casm/writer.h"
#include "cli/commands.h"
#include "cli/document_reading.h"
#include "document/casm_splice.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"

namespace cli {
namespace {

// kOk, or the failure's caption and text on stderr and kFailed.
int reportFailure(const std::optional<base::Message>& failure) {
    if (!failure) return kOk;
    printMessage(false, failure->caption, failure->text);
    return kFailed;
}

// The CASM section of FILE: a raw CASM section as it stands, else the one
// the loader takes from a style file (with what the read reported, so the
// section can be put back in its place).
struct CasmInput {
    base::Bytes bytes;  // the whole file
    bool raw = false;  // FILE is a CASM section alone
    document::ReadResult styleRead;
    casm::ReadResult casm;
};

// Nothing (and the exit status) when it cannot be read; the message goes to stderr.
std::optional<CasmInput> readInput(const Args& args, const std::string& path, const base::Workspace& ws, int& status) {
    CasmInput input;
    auto bytes = base::readFile(path);
    if (!bytes) {
        std::cerr << "Unable to open file...\t" << path << '\n';
        status = kUsage;
        return std::nullopt;
    }
    input.bytes = std::move(*bytes);
    input.raw = input.bytes.size() >= 4 && std::equal(input.bytes.begin(), input.bytes.begin() + 4, "CASM");
    if (input.raw) {
        input.casm = casm::readCasm(input.bytes, path);
    } else {
        document::Document doc;
        status = readDocument(args, path, doc, ws, &input.styleRead);
        if (status != kOk) return std::nullopt;
        if (!input.styleRead.casmTaken) {
            std::cerr << "ctabber-cli: " << path << " has no CASM section\n";
            status = kFailed;
            return std::nullopt;
        }
        // Messages name the file the user gave, not the working file its section went to.
        input.casm = casm::readCasm(base::readFile(ws.casm()).value_or(base::Bytes{}), path);
    }
    if (!input.casm.ok()) {
        printMessage(false, input.casm.failure->caption, input.casm.failure->text);
        status = kFailed;
        return std::nullopt;
    }
    status = kOk;
    return input;
}

std::optional<std::vector<casm::Entry>> readEntries(const Args& args, const std::string& path, const base::Workspace& ws,
                                                    int& status) {
    auto input = readInput(args, path, ws, status);
    if (!input) return std::nullopt;
    return std::move(input->casm.entries);
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
    const auto input = readInput(args, args.positional[0], call.workspace(), status);
    if (!input) return status;
    const auto written = casm::writeCasmFile(args.positional[1], input->casm.entries, {}, base::builtinLanguage(),
                                             input->casm.keptCntt);
    if (written.cancelled) return kFailed;  // the command line passes the order through and never cancels
    return reportFailure(written.failure);
}

// casm-assign IN OUT (--section NAME | --channel C | --all) [--zone Z] FIELD=VALUE...
int assign(const Args& args) {
    if (args.positional.size() < 3) return kUsage;
    casm::Group group;
    const int chosen = (args.option("section") ? 1 : 0) + (args.option("channel") ? 1 : 0) + (args.option("all") ? 1 : 0);
    if (chosen != 1) {
        std::cerr << "ctabber-cli: casm-assign takes one of --section NAME, --channel C, --all\n";
        return kUsage;
    }
    if (auto section = args.option("section")) {
        group = {casm::Group::By::Section, *section, 0};
    } else if (auto channel = args.option("channel")) {
        const auto c = base::Profile::parseInt(*channel);
        if (!c || *c < 1 || *c > 16) {
            std::cerr << "ctabber-cli: --channel takes the destination channel 1 to 16\n";
            return kUsage;
        }
        group = {casm::Group::By::Channel, {}, *c - 1};
    }
    casm::AssignRequest request;
    if (auto zone = args.option("zone"))
        if (auto refused = casm::setAssignZone(request, *zone)) {
            std::cerr << "ctabber-cli: " << *refused << '\n';
            return kUsage;
        }
    for (std::size_t i = 2; i < args.positional.size(); ++i)
        if (auto refused = casm::addAssignField(request, args.positional[i])) {
            std::cerr << "ctabber-cli: " << *refused << '\n';
            return kUsage;
        }

    CallWorkspace call(args);
    int status = kOk;
    auto input = readInput(args, args.positional[0], call.workspace(), status);
    if (!input) return status;
    auto& entries = input->casm.entries;
    for (const auto& skipped : request.skipped)
        if (std::any_of(entries.begin(), entries.end(),
                        [&](const casm::Entry& e) { return e.kind() == skipped.kind && casm::inGroup(e, group); }))
            std::cerr << "ctabber-cli: " << skipped.pair << " names no value of " << casm::kindLabel(skipped.kind)
                      << " entries; they keep theirs\n";
    const int changed = casm::applyAssignRequest(entries, group, request);
    const auto written = casm::writeCasm(entries, {}, base::builtinLanguage(), input->casm.keptCntt);
    if (!written.ok()) return reportFailure(written.failure);
    base::Bytes out = written.bytes;
    if (!input->raw) {
        auto spliced = document::replaceCasmSection(input->bytes, input->styleRead, written.bytes);
        if (!spliced) {
            std::cerr << "ctabber-cli: the CASM section of " << args.positional[0] << " could not be put back\n";
            return kFailed;
        }
        out = std::move(*spliced);
    }
    if (const auto saved = document::writeAll(args.positional[1], out); !saved.ok) return printOutcome(saved);
    std::cout << changed << " entries changed\n";
    return kOk;
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
        const auto channel = base::Profile::parseInt(item.substr(0, eq));
        if (!channel || *channel < 1 || *channel > 16) return std::nullopt;
        const std::string name = base::trim(item.substr(eq + 1));
        const auto names = casm::kindNames();
        auto it = std::find_if(names.begin(), names.end(),
                               [&](std::string_view n) { return base::equalsIgnoreCase(n, name); });
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
    const base::Profile casmIni(ws.file(base::files::casmDefaults));
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
        {"casm-assign", "IN OUT (--section NAME | --channel C | --all) [--zone low|middle|high] FIELD=VALUE...", assign},
        {"create-casm", "IN OUT [--assign CH=KIND,...]", create},
        {"check", "FILE", check},
    };
}

}  // namespace cli

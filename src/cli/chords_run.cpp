#include "cli/chords_run.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "base/file_io.h"
#include "base/profile.h"
#include "casm/reader.h"
#include "chords/engine.h"
#include "chords/midi_output.h"
#include "cli/document_reading.h"
#include "playback/collect_events.h"

namespace cli {
namespace {

constexpr int kMinBpm = 10;
constexpr int kMaxBpm = 500;
constexpr int kMaxLoops = 999;

int usageError(const std::string& text) {
    std::cerr << "ctabber-cli: chords " << text << '\n';
    return kUsage;
}

struct Request {
    std::string file;
    std::string section;
    std::string progression;
    bool once = false;
    int loops = 1;
    std::optional<int> bpm;
    std::uint16_t switches = 0xFFFF;
    std::optional<std::string> mid;
    std::optional<std::string> wav;
};

std::optional<Request> requestOf(const Args& args, int& status) {
    status = kUsage;
    Request r;
    const auto section = args.option("section");
    const auto progression = args.option("progression");
    if (args.positional.size() != 1 || !section || !progression) {
        usageError("needs FILE, --section NAME and --progression TEXT");
        return std::nullopt;
    }
    r.file = args.positional[0];
    r.section = *section;
    r.progression = *progression;
    r.once = args.option("once").has_value();
    if (auto loops = args.option("loops")) {
        const auto n = wholeNumber(*loops, 1, kMaxLoops);
        if (!n || r.once) {
            usageError("--loops takes 1 to 999 and does not go with --once");
            return std::nullopt;
        }
        r.loops = *n;
    }
    if (auto tempo = args.option("tempo")) {
        r.bpm = wholeNumber(*tempo, kMinBpm, kMaxBpm);
        if (!r.bpm) {
            usageError("--tempo takes 10 to 500 quarter notes a minute");
            return std::nullopt;
        }
    }
    const auto switches = switchesWithout(args.option("mute").value_or(""));
    if (!switches) {
        usageError("--mute takes channels 1 to 16 separated by commas");
        return std::nullopt;
    }
    r.switches = *switches;
    r.mid = args.option("mid");
    r.wav = args.option("wav");
    if ((r.mid && r.mid->empty()) || (r.wav && r.wav->empty())) {
        usageError("--mid and --wav take a file name");
        return std::nullopt;
    }
    status = kOk;
    return r;
}

// The entries of the file's CASM section, or those "Create CASM section"
// would make when it has none (said on stderr).
std::optional<std::vector<casm::Entry>> entriesFor(const Request& r, const document::Document& doc,
                                                   const document::ReadResult& read, const base::Workspace& ws) {
    if (!read.casmTaken) {
        std::cerr << "ctabber-cli: " << r.file
                  << " has no CASM section; its channels follow the entries Create CASM section would make\n";
        return chords::createdEntries(doc.events, base::Profile(ws.file(base::files::casmDefaults)));
    }
    auto casm = casm::readCasm(base::readFile(ws.casm()).value_or(base::Bytes{}), r.file);
    if (!casm.ok()) {
        printMessage(false, casm.failure->caption, casm.failure->text);
        return std::nullopt;
    }
    return std::move(casm.entries);
}

template <class T>
void appendNumber(std::string& out, T value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void printCsv(const chords::SectionPlan& plan, const chords::Performance& played,
              const std::vector<chords::TimedChord>& progression) {
    std::string out = kChordsCsvHeader;
    out += '\n';
    for (const auto& n : played.notes) {
        for (auto value : {std::uint64_t{n.tick}, std::uint64_t{n.channel} + 1u, std::uint64_t{n.note},
                           std::uint64_t{n.velocity}, n.duration, std::uint64_t{n.attack ? 1u : 0u},
                           std::uint64_t{n.sourceChannel} + 1u, std::uint64_t{n.sourceNote}, n.sourceTick}) {
            appendNumber(out, value);
            out += ',';
        }
        out += chords::zoneLetter(n.zone);
        out += ',';
        out += progression[n.chord].symbol;
        out += ',';
        out += chords::ruleText(plan.channels[n.sourceChannel]->rulesOf(n.zone));
        out += '\n';
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int runChords(const Args& args, const WavRenderer& renderWav) {
    int status = kOk;
    const auto request = requestOf(args, status);
    if (!request) return status;
    const Request& r = *request;
    if (r.wav && !renderWav) return usageError("--wav needs the synthesizer of ctabber-cli-playback");

    CallWorkspace call(args);
    document::Document doc;
    document::ReadResult read;
    if (status = readDocument(args, r.file, doc, call.workspace(), &read); status != kOk) return status;
    auto timing = playback::playerTiming(doc);
    if (r.bpm) timing.tempo = static_cast<std::uint32_t>(60'000'000 / *r.bpm);
    if (const auto check = playback::checkTiming(timing); !check.ok) {
        printMessage(false, check.message.caption, check.message.text);
        return kFailed;
    }
    const auto entries = entriesFor(r, doc, read, call.workspace());
    if (!entries) return kFailed;
    const auto plan = chords::planDocumentSection(doc, *entries, r.section);
    if (!plan) {
        std::cerr << "ctabber-cli: " << r.file << " has no section '" << r.section << "'\n";
        return kUsage;
    }
    const auto signature = chords::timeSignatureOf(doc.events);
    auto parsed = chords::parseProgression(r.progression, signature, doc.division);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        std::cerr << "ctabber-cli: progression: " << *fault << '\n';
        return kUsage;
    }
    const auto progression = chords::repeatProgression(std::get<std::vector<chords::TimedChord>>(parsed), r.loops);
    if (!plan->unassigned.empty()) {
        std::cerr << "ctabber-cli: source channels without an entry in '" << r.section << "' stay silent:";
        for (int c : plan->unassigned) std::cerr << ' ' << c + 1;
        std::cerr << '\n';
    }

    chords::PlayOptions options;
    options.loop = !r.once && r.section.starts_with("Main");
    options.channelSwitches = r.switches;
    const auto played = chords::playProgression(*plan, progression, options);
    printCsv(*plan, played, progression);

    if (!r.mid && !r.wav) return kOk;
    std::vector<playback::MidiEvent> startup;
    playback::CollectEvents(startup, doc.events, std::nullopt);
    auto events = chords::performanceEvents(played);
    if (r.mid) {
        const auto file = chords::performanceFile(startup, events, doc.division, timing.tempo, signature);
        if (!base::writeFileAtomic(*r.mid, file)) {
            printMessage(false, "Unable to create the file", *r.mid);
            return kFailed;
        }
    }
    if (r.wav) {
        const std::uint64_t last = events.empty() ? 0 : events.back().tick;
        if (last < played.length)
            events.push_back(playback::MidiEvent::empty(static_cast<std::uint32_t>(played.length - last), played.length));
        const auto outcome = renderWav(std::move(startup), std::move(events), timing, *r.wav);
        if (!outcome.ok) {
            printMessage(false, outcome.message.caption, outcome.message.text);
            return kFailed;
        }
    }
    return kOk;
}

}  // namespace cli

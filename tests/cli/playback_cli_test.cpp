#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "document/demo_style.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/wav_file.h"

using testing_support::runCli;
using testing_support::shellQuote;
using testing_support::readWav;
using testing_support::TempDir;
using testing_support::Wav;

namespace {

constexpr std::size_t kFramesPerMs = 44100 / 1000;  // rounded down; 44.1 in truth

}  // namespace

TEST(CliPlayback, PortsListTheBuiltInSynthesizerFirstEvenWithoutMidiHardwareWithHowEachIsTimed) {
    const auto r = runCli({"ports"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // The synthesizer's own clock times what it plays.
    ASSERT_EQ(r.out.rfind("0\tBuilt-in synthesizer (FluidSynth)\tscheduled\n", 0), 0u) << r.out;
    // Numbered from 0 in order, one port a line, its timing last.
    std::size_t line = 0;
    for (std::size_t at = 0; at < r.out.size(); ++line) {
        const auto end = r.out.find('\n', at);
        const auto text = r.out.substr(at, end - at);
        EXPECT_EQ(text.substr(0, text.find('\t')), std::to_string(line));
        const auto timing = text.substr(text.rfind('\t') + 1);
        EXPECT_TRUE(timing == "scheduled" || timing == "timed") << text;
        at = end + 1;
    }
}

TEST(CliPlayback, TheDemoMainARendersItsBarsWithSoundAndMutedChannelsAreSilent) {
    TempDir dir;
    const auto style = dir.write("Demo.sty", document::demoStyle());
    const auto out = dir / "main.wav";
    // Two bars at 120 quarter notes a minute: 4 s a pass.
    auto r = runCli({"render", style.string(), "--section", "Main A", "--out", out.string(), "--loops", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Rendered\t" + out.string() + "\t8000 ms\n");
    const auto wav = readWav(dir.read("main.wav"));
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_NEAR(static_cast<double>(wav.frames()), 8000 * 44.1, 44.1);
    // Drums, bass and pad from the first beat of every bar; nothing clips.
    for (std::size_t bar = 0; bar < 4; ++bar) EXPECT_GT(wav.peak(bar * 2000 * 441 / 10, 100 * kFramesPerMs), 1000) << bar;
    EXPECT_LT(wav.peak(0, wav.frames()), 32767);

    // The same with every channel the section uses switched off.
    const auto quiet = dir / "quiet.wav";
    r = runCli({"render", style.string(), "--section", "Main A", "--out", quiet.string(), "--mute",
                "10,11,12,13,14,15,16"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto silent = readWav(dir.read("quiet.wav"));
    EXPECT_NEAR(static_cast<double>(silent.frames()), 4000 * 44.1, 44.1);
    EXPECT_LT(silent.peak(0, silent.frames()), 16);
}

TEST(CliPlayback, RenderRefusesWhatCannotPlayAndKeepsTheTarget) {
    TempDir dir;
    const auto style = dir.write("Demo.sty", document::demoStyle());
    const auto keep = dir.writeText("keep.wav", "a good file");
    auto render = [&](std::vector<std::string> extra, const std::filesystem::path& file) {
        std::vector<std::string> args{"render", file.string(), "--out", keep.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    };
    for (const auto& bad : std::vector<std::vector<std::string>>{
             {}, {"--section", "Main A", "--loops", "0"}, {"--section", "Main A", "--mute", "17"},
             {"--section", "Main A", "--mute", "1,,2"}, {"--section", "Main A", "--mute", "1,2,"},
             {"--section", "Main A", "--mute", ",1"}})
        EXPECT_EQ(render(bad, style).status, 2);

    // One section "Main A" of two notes `gap` ticks apart, at `division`.
    auto song = [&](const std::string& name, bool marker, std::uint16_t division, std::uint32_t gap) {
        document::TrackBuilder t;
        if (marker) t.text(0, 0x06, "Main A");
        t.event(0, {0x90, 60, 100}).event(gap, {0x80, 60, 0}).end();
        return dir.write(name, document::smfFile(0, division, {t.bytes()}));
    };
    const struct {
        std::filesystem::path file;
        std::string section;
        std::string err;
    } refusals[] = {
        {style, "Main X", "Player message\tThe section \"Main X\" has nothing to play.\n"},
        {song("nodiv.mid", true, 0, 96), "Main A",
         "Player message\tThe file's division is 0: its ticks have no length, so the player cannot play it.\n"},
        {song("plain.mid", false, 96, 96), "Main A", "Player message\tNo section to play...\n"},
        {song("days.mid", true, 96, 0x0FFFFFFF), "Main A",
         "Error\tThe rendering would last 27962 minutes; renderings are limited to 60 minutes.\n"},
    };
    for (const auto& refused : refusals) {
        const auto r = render({"--section", refused.section}, refused.file);
        EXPECT_EQ(r.status, 1) << refused.file;
        EXPECT_EQ(r.err, refused.err);
    }
    EXPECT_EQ(dir.readText("keep.wav"), "a good file");
}

// With --workdir the rendering needs no temporary folder: its scratch file is
// the call's working folder's, so no TMPDIR stops it, and SIGTERM while it
// renders leaves nothing behind.
TEST(CliPlayback, RenderWithAWorkdirWritesItsScratchFileInTheCallsOwnFolder) {
    TempDir dir;
    const auto style = dir.write("Demo.sty", document::demoStyle());
    const auto work = dir / "work";
    dir.writeText("plain", "not a folder");
    for (const std::string& tmpdir : {(dir / "missing").string(), (dir / "plain").string(), std::string(),
                                     "/" + std::string(5000, 'x')}) {
        const auto out = dir / "main.wav";
        const auto r = runCli({"render", style.string(), "--section", "Main A", "--out", out.string(), "--workdir",
                               work.string()},
                              "TMPDIR=" + shellQuote(tmpdir) + " ");
        EXPECT_EQ(r.status, 0) << tmpdir.substr(0, 40) << ": " << r.err;
        EXPECT_EQ(r.out, "Rendered\t" + out.string() + "\t4000 ms\n");
        EXPECT_EQ(testing_support::listing(work), std::vector<std::string>{});
    }

    // 800 passes: stopped long before it ends, once its scratch file is there.
    const int pid = testing_support::startCli({"render", style.string(), "--section", "Main A", "--loops", "800",
                                               "--out", (dir / "long.wav").string(), "--workdir", work.string()},
                                              {});
    const auto scratchMade = [&] {
        for (const auto& name : testing_support::listing(work))
            if (std::filesystem::exists(work / name / "###.###")) return true;
        return false;
    };
    for (int tries = 0; tries < 1000 && !scratchMade(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(scratchMade());
    ::kill(pid, SIGTERM);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGTERM);
    EXPECT_EQ(testing_support::listing(work), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(dir / "long.wav"));
}

// ctabber-cli hands the playback commands to the program in its own folder,
// and never to one of that name in the current folder or on the PATH.
TEST(CliPlayback, TheHandOverRunsOnlyThePlaybackProgramBesideTheTool) {
    TempDir dir;
    std::filesystem::create_directory(dir / "alone");
    std::filesystem::copy_file(CTABBER_CLI, dir / "alone" / "ctabber-cli");
    const auto decoy = dir.writeText("ctabber-cli-playback", "#!/bin/sh\ntouch \"$(dirname \"$0\")/decoy-ran\"\n");
    std::filesystem::permissions(decoy, std::filesystem::perms::owner_all);
    const std::string line = "cd " + shellQuote(dir.path().string()) + " && PATH=" + shellQuote(dir.path().string()) +
                             ":$PATH " + shellQuote((dir / "alone" / "ctabber-cli").string()) + " ports 2>err";
    const int status = std::system(line.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(dir.readText("err").find("ports needs " + (dir / "alone" / "ctabber-cli-playback").string() + ": "),
              std::string::npos)
        << dir.readText("err");
    EXPECT_FALSE(std::filesystem::exists(dir / "decoy-ran"));

    // With the playback program beside it, the same call lists the ports.
    std::filesystem::copy_file(std::filesystem::path(CTABBER_CLI).parent_path() / "ctabber-cli-playback",
                               dir / "alone" / "ctabber-cli-playback");
    EXPECT_EQ(std::system(line.c_str()), 0) << dir.readText("err");
}

#include <gtest/gtest.h>

#include "casm/reader.h"
#include "document/demo_style.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::runCli;
using testing_support::TempDir;

TEST(CliDocument, TheDemoStyleIsTheGeneratorsOutputAndReadsCleanly) {
    const auto committed = base::readFile(std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty");
    ASSERT_TRUE(committed);
    EXPECT_EQ(*committed, demoStyle());
    auto info = runCli({"info", std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty"});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out.substr(0, info.out.find("CASM")), "SMF0\nTrks:1\nTick/4=480\nOK...");
    // Every cell of every row, as the grid shows it; a change here changes
    // what users see in every file.
    auto events = runCli({"events", std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty"});
    const auto expected = base::readFile(std::string(CTABBER_SOURCE_DIR) + "/tests/cli/data/Demo.events.tsv");
    ASSERT_TRUE(expected);
    EXPECT_EQ(events.out, std::string(expected->begin(), expected->end()));
}

TEST(CliDocument, EventsPrintsEscapedCellsAndThePartialRowAfterAnError) {
    TempDir dir;
    TrackBuilder b;
    b.text(0, 0x01, "a\tb\\c\n").event(0, {0x90, 60, 100});
    base::Bytes body = b.bytes();
    body.push_back(0x05);  // a delta time with nothing after it
    const auto file = dir.write("x.mid", smfFile(0, 480, {body}));
    auto r = runCli({"events", file.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Incorrect track length...\n");
    EXPECT_EQ(r.out,
              "1\t\t0\t1:01:0\tFF 01 \t\ta\\tb\\\\c\\n\tLen=6\tText\n"
              "2\t\t0\t1:01:0\t90 \t1\t3C 64 \tn=C5  v=100\tNote on\n"
              "3\t\t5\t1:01:5\t\t\t\t\t\n");
}

TEST(CliDocument, ExitStatusesAndTheSaveRules) {
    TempDir dir;
    EXPECT_EQ(runCli({"info", dir.file("missing.sty").string()}).status, 2);
    EXPECT_EQ(runCli({"bogus"}).status, 2);
    EXPECT_EQ(runCli({"save", "only-one"}).status, 2);
    const auto demo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";
    auto saved = runCli({"save", demo, dir.file("x.txt").string(), "--type", "mid"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "Saved as a MIDI SMF0 file...\t" + dir.file("x.txt.mid").string() + "\n");
    EXPECT_EQ(runCli({"save", demo, dir.file("y.txt").string()}).status, 2);
    // Options may come first; the whole style comes back byte for byte.
    auto again = runCli({"--type=prs", "save", demo, dir.file("copy").string()});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(dir.read("copy.prs"), demoStyle());
    // A format-1 file cannot be saved.
    TrackBuilder t;
    t.end();
    const auto multi = dir.write("multi.mid", smfFile(1, 96, {t.bytes(), t.bytes()}));
    auto refused = runCli({"save", multi.string(), dir.file("m.mid").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Unsupported format\tThis programm can save only SMF0 files...\n");
    EXPECT_FALSE(base::fileExists(dir.file("m.mid")));
}

TEST(CliDocument, ExportImportAndRemoveBanks) {
    TempDir dir;
    const auto demo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";
    const auto mid = dir.file("p.mid").string(), csm = dir.file("p.csm").string(), add = dir.file("p.add").string();
    auto exported = runCli({"export", demo, "--mid", mid, "--csm", csm, "--add", add});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "Message\tThe style is exported as mid-file and csm-file...\n");
    auto imported = runCli({"import", "--mid", mid, "--csm", csm, "--add", add, dir.file("back.pcs").string()});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(dir.read("back.pcs"), demoStyle());

    // Bank removal with an explicit target keeps the CASM section of a .sty.
    auto removed = runCli({"remove-banks", demo, dir.file("gm.sty").string()});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(removed.out, "12 Bank messages removed...\n");
    auto events = runCli({"events", dir.file("gm.sty").string()});
    EXPECT_EQ(events.out.find("\t00 00 \tBANK SELECT MSB"), std::string::npos);
    EXPECT_NE(events.out.find("\t00 7F \tBANK SELECT MSB"), std::string::npos);
    EXPECT_NE(runCli({"info", dir.file("gm.sty").string()}).out.find("CASM Len="), std::string::npos);
}

TEST(CliDocument, ASavedStyleWarnsOfTheLeftOutAddPartAndAFailedExportNamesWhatWasWritten) {
    TempDir dir;
    const auto demo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";
    auto saved = runCli({"save", demo, dir.file("psr.sty").string()});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "Saved as a SFF style file...\t" + dir.file("psr.sty").string() + "\n");
    EXPECT_EQ(saved.err, "warning: The add part (18 bytes) was left out: .bcs, .prs, .sst, .pst and .pcs files keep it.\n");
    EXPECT_EQ(runCli({"save", demo, dir.file("tyros.prs").string()}).err, "");

    dir.writeText("plain", "not a folder");
    const auto mid = dir.file("p.mid").string(), csm = dir.file("p.csm").string();
    const auto add = dir.file("plain/p.add").string();
    auto exported = runCli({"export", demo, "--mid", mid, "--csm", csm, "--add", add});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.out, "");
    EXPECT_EQ(exported.err, "Unable to save...\t" + add + "\nAlready written: " + mid + ", " + csm + "\n");
    EXPECT_TRUE(base::fileExists(mid) && base::fileExists(csm));
}

TEST(CliDocument, ASaveOverAPrivateFileALinkOrAReadOnlyFileKeepsWhatTheUserSet) {
    TempDir dir;
    const auto demo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";
    const auto secret = dir.writeText("secret.prs", "old");
    std::filesystem::permissions(secret, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    auto saved = runCli({"save", demo, secret.string()});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(dir.read("secret.prs"), demoStyle());
    EXPECT_EQ(std::filesystem::status(secret).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    std::filesystem::create_directory(dir / "library");
    const auto real = dir.writeText("library/style.prs", "old");
    std::filesystem::create_symlink(real, dir / "link.prs");
    saved = runCli({"save", demo, (dir / "link.prs").string()});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.prs"));
    EXPECT_EQ(dir.read("library/style.prs"), demoStyle());

    const auto locked = dir.writeText("locked.prs", "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    auto refused = runCli({"save", demo, locked.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Unable to create the file\t" + locked.string() + ": the file is read-only\n");
    EXPECT_EQ(dir.readText("locked.prs"), "old");
}

// Bank removal to any style type keeps the CASM section and, like a save,
// says that the add part was left out; import refuses a CASM file that the
// CASM reader refuses, with the reader's message, and writes nothing.
TEST(CliDocument, BankRemovalKeepsTheCasmSectionOfEveryStyleTypeAndImportRefusesNoCasm) {
    TempDir dir;
    const auto demo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";
    const std::string leftOut =
        "warning: The add part (18 bytes) was left out: the bank removal writes the MIDI part and the CASM section only.\n";
    for (const char* name : {"gm.prs", "gm.sty", "gm.pcs"}) {
        auto removed = runCli({"remove-banks", demo, dir.file(name).string()});
        EXPECT_EQ(removed.status, 0) << removed.err;
        EXPECT_EQ(removed.out, "12 Bank messages removed...\n");
        EXPECT_EQ(removed.err, leftOut) << name;
        EXPECT_NE(runCli({"info", dir.file(name).string()}).out.find("CASM Len="), std::string::npos) << name;
    }
    auto midi = runCli({"remove-banks", demo, dir.file("gm.mid").string()});
    EXPECT_EQ(midi.err, "");
    EXPECT_EQ(runCli({"info", dir.file("gm.mid").string()}).out.find("CASM Len="), std::string::npos);

    const auto mid = dir.file("p.mid").string(), csm = dir.file("p.csm").string();
    ASSERT_EQ(runCli({"export", demo, "--mid", mid, "--csm", csm, "--add", dir.file("p.add").string()}).status, 0);
    const auto text = dir.writeText("passwd", "root:x:0:0:root:/root:/bin/bash\n").string();
    auto refused = runCli({"import", "--mid", mid, "--csm", text, dir.file("new.sty").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    const auto reader = casm::readCasmFile(text);
    ASSERT_FALSE(reader.ok());
    EXPECT_EQ(refused.err, reader.failure->caption + "\t" + reader.failure->text + "\n");
    auto missing = runCli({"import", "--mid", mid, "--csm", dir.file("none.csm").string(), dir.file("new.sty").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(base::fileExists(dir.file("new.sty")));
    EXPECT_EQ(runCli({"import", "--mid", mid, "--csm", csm, dir.file("new.sty").string()}).status, 0);
}

// The CASM editor from the main window: F9 on an opened style, the edit
// reaching a saved style byte for byte, the editor beside the window that
// reloads with the next style, and "Create CASM section".
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "base/profile.h"
#include "casm/ui/casm_check_dialog.h"
#include "casm/ui/create_casm_dialog.h"
#include "document/smf_builder.h"
#include "support/casm_editor_fixture.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using namespace casm_test;

namespace {

constexpr int kNttCol = 8;

Bytes midiPart(bool withNotes = true) {
    document::TrackBuilder t;
    t.text(0, 0x03, "Style").tempo(0, 500000).text(0, 0x06, "SFF1").text(0, 0x06, "Main A");
    if (withNotes) t.event(0, {0xC8, 0}).event(0, {0x98, 36, 100}).event(96, {0x88, 36, 0});
    t.text(0, 0x06, "Main B");
    if (withNotes) t.event(0, {0x99, 38, 90}).event(96, {0x89, 38, 0});
    t.end();
    return document::smfFile(0, 96, {t.bytes()});
}

// Main A and Main B share a segment; channel 6 has a Cntt value but no entry.
Bytes sharedSection() {
    return casmOf({cseg("Main A,Main B", {ctab(8, "Drums"), ctab(9, "Bass", 33, 0x11), cntt(5, 3)}),
                   cseg("Fill In AA", {ctab(8, "Drums")})});
}

Bytes style(const Bytes& casm) {
    Bytes out = midiPart();
    append(out, casm);
    append(out, {'O', 'T', 'S', 'c', 0, 0, 0, 3, 1, 2, 3});
    return out;
}

QAction* action(const QWidget& w, const char* name) { return w.findChild<QAction*>(name); }

}  // namespace

class CasmMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void anEditReachesTheSavedStyleAndNothingElseChanges();
    void theEditorBesideTheWindowReloadsWithTheNextStyle();
    void createCasmSectionOpensTheEditorOnIt();
};

void CasmMainWindowTest::anEditReachesTheSavedStyleAndNothingElseChanges() {
    WindowFixture f;
    const Bytes original = style(sharedSection());
    const QString file = f.write("in.bcs", smf::toQt(original));
    auto& w = f.open();
    QVERIFY(!action(w, "mCasmEditor")->isEnabled());
    QVERIFY(!w.findChild<QPushButton*>("ButtonCasm")->isEnabled());
    w.openFile(file);
    QVERIFY(action(w, "mCasmEditor")->isEnabled());
    QVERIFY(w.findChild<QPushButton*>("ButtonCasm")->isEnabled());

    // F9: the editor, modal. Marking the Bass entries of both shared sections
    // and setting their NTT keeps the two sections in one segment.
    bool shown = false;
    whenShown<casm::ui::CasmEditorWindow>([&](casm::ui::CasmEditorWindow* editor) {
        shown = true;
        QCOMPARE(editor->model().rowCount(), 5);
        QCOMPARE(editor->panelText(2), file);
        editor->StringGrid1DblClick(2, 0);
        editor->StringGrid1DblClick(4, 0);
        chooseInMenu("M-m Only(H)");
        editor->StringGrid1DblClick(4, kNttCol);
        answerOrder();
        action(*editor, "mSave")->trigger();
        editor->close();
    });
    QTest::keyClick(&w, Qt::Key_F9);
    QVERIFY(shown);

    // Saved as the same type of style: one byte differs, the NTT of the Bass entry.
    const QString target = f.path("out.bcs");
    f.dialogs.files = {base::ui::FileChoice{target, 3}};
    action(w, "mSaveas")->trigger();
    const Bytes saved = smf::fromQt(f.read("out.bcs"));
    QCOMPARE(saved.size(), original.size());
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (saved[i] != original[i]) differing.push_back(i);
    const std::size_t casmAt = midiPart().size();
    const std::size_t bassCtab = casmAt + 8 + 8 + 8 + 13 + (8 + 27) + 8;
    QCOMPARE(differing, (std::vector<std::size_t>{bassCtab + casm::NTT}));
    QCOMPARE(saved[bassCtab + casm::NTT], std::uint8_t{5});
}

void CasmMainWindowTest::theEditorBesideTheWindowReloadsWithTheNextStyle() {
    WindowFixture f;
    base::writeProfileString(f.home() / "Ctabber.INI", "Main", "CtabberAdvanced", "1");
    const QString first = f.write("first.sty", smf::toQt(style(sharedSection())));
    const QString second = f.write("second.sty", smf::toQt(style(casmOf({cseg("Intro A", {ctab(3, "Piano")})}))));
    auto& w = f.open();
    w.openFile(first);
    action(w, "mCasmEditor")->trigger();
    auto* editor = w.findChild<casm::ui::CasmEditorWindow*>();
    QVERIFY(editor && editor->isVisible() && !editor->isModal());
    QCOMPARE(editor->model().rowCount(), 5);
    // The main window stays usable; F9 again raises the same editor.
    action(w, "mCasmEditor")->trigger();
    QCOMPARE(w.findChildren<casm::ui::CasmEditorWindow*>().size(), qsizetype{1});

    // Loading asks first; No keeps the editor and the working file as they are.
    f.dialogs.answers = {base::ui::Answer::No};
    w.openFile(second);
    QCOMPARE(f.dialogs.messages.back().text, QString("Do you want to reload CASM from the loading file?..."));
    QCOMPARE(editor->model().rowCount(), 5);
    QCOMPARE(smf::fromQt(f.read("#casm.csm")), sharedSection());
    f.dialogs.answers = {base::ui::Answer::Yes};
    w.openFile(second);
    QCOMPARE(editor->model().rowCount(), 1);
    QCOMPARE(editor->panelText(2), second);
    QVERIFY(!editor->casm().undoStack().canUndo());  // another style's entries are not undone into this one

    // Closing the main window closes the editor, asking about its changes;
    // a save that is refused keeps both windows open.
    f.dialogs.inputs = {QString("Intro,A")};
    chooseInMenu("Enter new...");
    editor->StringGrid1DblClick(1, 1);
    f.dialogs.answers = {base::ui::Answer::Yes};
    w.close();
    QVERIFY(w.isVisible() && editor->isVisible());
    QCOMPARE(f.dialogs.messages.back().text, QString("Unable to save...\nSection name \"Intro,A\" holds a comma."));
    f.dialogs.answers = {base::ui::Answer::No};
    const auto asked = f.dialogs.messages.size();
    f.close();
    QCOMPARE(f.dialogs.messages.size(), asked + 1);
    QCOMPARE(f.dialogs.messages.back().text, QString("CASM section is changed...Save changes?"));
}

void CasmMainWindowTest::createCasmSectionOpensTheEditorOnIt() {
    WindowFixture f;
    const QString midi = f.write("in.mid", smf::toQt(midiPart()));
    auto& w = f.open();
    QVERIFY(!action(w, "mCreateCasm")->isEnabled());
    w.openFile(midi);
    QVERIFY(action(w, "mCreateCasm")->isEnabled());
    QVERIFY(!action(w, "mCasmEditor")->isEnabled());

    // Channel 9 plays a piano (program 0), proposed as melody; channel 10 has no program: drums.
    bool created = false;
    whenShown<casm::ui::CreateCasmDialog>([](casm::ui::CreateCasmDialog* d) {
        QCOMPARE(d->kinds()[8], casm::Kind::Melody);
        QCOMPARE(d->kinds()[9], casm::Kind::Drums);
        d->chooseKind(9, casm::Kind::Bass);
        d->accept();
    });
    whenShown<casm::ui::CasmEditorWindow>([&](casm::ui::CasmEditorWindow* editor) {
        created = true;
        QCOMPARE(editor->model().rowCount(), 4);  // two sections, two channels
        QCOMPARE(editor->casm().entries()[1].name(), std::string("Bass    "));
        // "Check CASM" lists nothing for channels 9 and 10.
        whenShown<casm::ui::CasmCheckDialog>([](casm::ui::CasmCheckDialog* check) {
            QCOMPARE(check->findChild<QListWidget*>("ListBox1")->item(0)->text(), QString("No warnings..."));
            check->accept();
        });
        action(*editor, "mCheckCASM")->trigger();
        editor->close();
    });
    QTest::keyClick(&w, Qt::Key_F4);
    QVERIFY(created);
    QVERIFY(action(w, "mCasmEditor")->isEnabled());

    // A MIDI part without section markers cannot get one.
    const QString bare = f.write("bare.mid", smf::toQt(document::smfFile(
        0, 96, {document::TrackBuilder().event(0, {0x90, 60, 1}).event(9, {0x80, 60, 0}).end().bytes()})));
    w.openFile(bare);
    action(w, "mCreateCasm")->trigger();
    QVERIFY(!f.dialogs.messages.empty());
    QCOMPARE(f.dialogs.messages.back().text, QString("No Markers in the MIDI part..."));
}

QTEST_MAIN(CasmMainWindowTest)
#include "casm_main_window_test.moc"

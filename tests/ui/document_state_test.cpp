// What the main window says about the open document: CASM changes that only
// the working file holds mark it changed, Save as writes the type the name
// says, status texts follow edits and the language, and the keys work on
// the events from the start.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/ui/setup_dialog.h"
#include "base/profile.h"
#include "casm/ui/casm_editor_window.h"
#include "events/ui/text_event_dialog.h"
#include "support/casm_editor_fixture.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using app::ui::MainWindow;
using namespace casm_test;

namespace {

constexpr int kNttCol = 8;

QAction* action(const QWidget& w, const char* name) { return w.findChild<QAction*>(name); }

QByteArray styleWithCasm() {
    return smf::header(0, 1, 480) + smf::track(smf::demoEvents()) +
           smf::toQt(casmOf({cseg("Main A", {ctab(8, "Drums"), ctab(9, "Bass")})}));
}

}  // namespace

class DocumentStateTest : public QObject {
    Q_OBJECT
private slots:
    void casmSavedInTheEditorMarksTheDocumentUntilAStyleIsSaved();
    void saveAsWritesTheTypeTheNameEndsInFromTheFilesFolder();
    void statusTextsFollowEditsUndoAndTheLanguage();
    void keysWorkOnTheEventsWithoutAClick();
};

void DocumentStateTest::casmSavedInTheEditorMarksTheDocumentUntilAStyleIsSaved() {
    WindowFixture f;
    base::writeProfileString(f.home() / "Ctabber.INI", "Main", "CtabberAdvanced", "1");
    const QString file = f.write("in.sty", styleWithCasm());
    auto& w = f.open();
    w.openFile(file);
    QCOMPARE(w.windowTitle(), "Ctabber... " + file);

    // An NTT saved into the working file by the editor beside the window.
    action(w, "mCasmEditor")->trigger();
    auto* editor = w.findChild<casm::ui::CasmEditorWindow*>();
    QVERIFY(editor);
    chooseInMenu("M-m Only(H)");
    editor->StringGrid1DblClick(1, kNttCol);
    answerOrder();
    action(*editor, "mSave")->trigger();
    QCOMPARE(f.dialogs.messages.back().text, QString("The CASM data is saved to file..."));
    QCOMPARE(w.windowTitle(), "Ctabber... " + file + " *");

    // Closing asks, also after the editor is closed; No keeps the window and the working file.
    editor->close();
    const auto asked = f.dialogs.messages.size();
    QVERIFY(!w.close());
    QCOMPARE(f.dialogs.messages.size(), asked + 1);
    QVERIFY(f.dialogs.messages.back().question);
    QVERIFY(f.dialogs.messages.back().text.contains("CASM section"));
    QVERIFY(QFile::exists(f.path("#casm.csm")));

    // A MIDI file holds no CASM section: still changed. A style holds it: not changed.
    f.dialogs.files = {base::ui::FileChoice{f.path("out.mid"), 1}};
    action(w, "mSaveas")->trigger();
    QVERIFY(w.windowTitle().endsWith(" *"));
    f.dialogs.files = {base::ui::FileChoice{f.path("out.sty"), 2}};
    action(w, "mSaveas")->trigger();
    QCOMPARE(w.windowTitle(), "Ctabber... " + f.path("out.sty"));
    const auto before = f.dialogs.messages.size();
    QVERIFY(w.close());
    QCOMPARE(f.dialogs.messages.size(), before);  // nothing left to ask about
}

void DocumentStateTest::saveAsWritesTheTypeTheNameEndsInFromTheFilesFolder() {
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir("songs"));
    const QByteArray style = smf::demoStyle();
    const QString file = f.write("songs/ferna.sty", style);
    const QByteArray midiPart = style.left(14 + 8 + smf::demoEvents().size());
    auto& w = f.open();
    w.openFile(file);

    // "x.mid" typed under the session style filter is a MIDI file.
    f.dialogs.files = {base::ui::FileChoice{f.path("songs/x.mid"), 5}};
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.back().directory, f.path("songs"));
    QCOMPARE(f.dialogs.requests.back().fileName, QString("ferna.sty"));
    QCOMPARE(f.dialogs.messages.back().caption, QString("Saved as a MIDI SMF0 file..."));
    QCOMPARE(f.read("songs/x.mid"), midiPart);
    QVERIFY(!QFile::exists(f.path("songs/x.mid.sst")));
    QCOMPARE(w.settings().saveFilterIndex, 1);

    // The proposed style name under the MIDI filter stays a style, in its folder.
    w.openFile(file);
    f.dialogs.files = {base::ui::FileChoice{f.path("songs/copy.sty"), 1}};
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.back().fileName, QString("ferna.sty"));  // not the other document's name
    QCOMPARE(f.dialogs.messages.back().caption, QString("Saved as a SFF style file..."));
    QCOMPARE(f.read("songs/copy.sty"), midiPart + smf::casm(smf::bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0})));
    QVERIFY(!QFile::exists(f.path("songs/copy.sty.mid")));
    QCOMPARE(w.settings().saveFilterIndex, 2);
}

void DocumentStateTest::statusTextsFollowEditsUndoAndTheLanguage() {
    WindowFixture f;
    f.write("Ctabber.INI", "[Main]\nLanguage=Test.lng\n");
    f.write("Test.lng", "[TB]\n123=Bankbefehle entfernt...\n124=Ausgewählt:\n");
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));

    action(w, "mSelectAll")->trigger();
    QCOMPARE(w.panelText(3), QString::fromUtf8("Ausgewählt: 17"));
    action(w, "mRemoveBank")->trigger();
    QCOMPARE(w.panelText(4), QString("2 Bankbefehle entfernt..."));
    QCOMPARE(w.panelText(3), QString::fromUtf8("Ausgewählt: 15"));  // counted again after the edit

    // Back to English: the texts shown are made again.
    whenShown<app::ui::SetupDialog>([](app::ui::SetupDialog* d) {
        d->ButtonEnglish->click();
        d->ButtonOK->click();
    });
    action(w, "mSetup")->trigger();
    QCOMPARE(w.panelText(4), QString("2 Bank messages removed..."));
    QCOMPARE(w.panelText(3), QString("Selected events: 15"));

    // Undone, the removal is no longer reported; a cut leaves nothing selected.
    action(w, "mUndo")->trigger();
    QCOMPARE(w.panelText(4), QString());
    action(w, "mCut")->trigger();
    QCOMPARE(w.panelText(3), QString("Selected events: 0"));
}

void DocumentStateTest::keysWorkOnTheEventsWithoutAClick() {
    WindowFixture f;
    auto& w = f.open();
    QCOMPARE(w.focusWidget(), w.grid());
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    QCOMPARE(w.focusWidget(), w.grid());

    // Enter on the first row, never clicked: its text event is edited.
    QString preset;
    whenShown<events::ui::TextEventDialog>([&preset](events::ui::TextEventDialog* d) {
        preset = d->Edit1->text();
        d->reject();
    });
    QTest::keyClick(w.grid(), Qt::Key_Return);
    QCOMPARE(preset, QString("Test"));

    // A marker clicked in the list: the keys go on in the grid, from its row.
    auto* markers = w.findChild<QListWidget*>("ListBoxMarkers");
    QTest::mouseClick(markers->viewport(), Qt::LeftButton, {}, markers->visualItemRect(markers->item(2)).center());
    QCOMPARE(w.focusWidget(), w.grid());
    preset.clear();
    whenShown<events::ui::TextEventDialog>([&preset](events::ui::TextEventDialog* d) {
        preset = d->Edit1->text();
        d->reject();
    });
    QTest::keyClick(w.grid(), Qt::Key_Return);
    QCOMPARE(preset, QString("Main B"));
}

QTEST_MAIN(DocumentStateTest)
#include "document_state_test.moc"

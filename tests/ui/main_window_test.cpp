#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTest>

#include "base/profile.h"
#include "base/ui/transient_message.h"
#include "casm/casm_bytes.h"
#include "casm/reader.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "document/ui/event_row_painter.h"
#include "document/ui/event_table_model.h"
#include "document/ui/piece_dialogs.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

using app::ui::MainWindow;

namespace {

QString cell(const MainWindow& w, int gridRow, int column) {
    const auto& m = w.model();
    return m.data(m.index(document::ui::EventTableModel::modelRow(gridRow), column), Qt::DisplayRole).toString();
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void clickItem(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

QAction* action(const MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void openedFileShowsTheReadersRows();
    void listsMarkerClickAndTextClick();
    void findStopsWithoutWrapping();
    void keyboardAndPopupFlipSelectedFlags();
    void settingsWrittenOnCloseAndReadOnStart();
    void recentFilesAndCommandLine();
    void saveAsAppliesTheExtensionRule();
    void exportThenImportGivesTheSameStyle();
    void droppedFileOpensAndBatchRemovesBanks();
    void bankRemovalIsUndoneAndUnsavedChangesAreKept();
};

void MainWindowTest::openedFileShowsTheReadersRows() {
    WindowFixture f;
    const QString file = f.write("Demo.sty", smf::demoStyle());
    auto& w = f.open();
    QCOMPARE(w.windowTitle(), QString("Ctabber"));
    QVERIFY(!action(w, "mSaveas")->isEnabled());
    w.openFile(file);

    QTemporaryDir other;
    document::Document expected;
    const auto result = document::readFile(file.toStdString(), expected, base::Workspace(other.path().toStdString()));
    QVERIFY(result.opened && !result.failed);
    QCOMPARE(w.model().rowCount(), expected.events.rowCount() - 1);
    for (int r = 1; r < expected.events.rowCount(); ++r)
        for (int c = 0; c < document::kColumnCount; ++c)
            QCOMPARE(cell(w, r, c), QString::fromLatin1(document::cellText(expected, r, c)));
    for (int p = 0; p < 4; ++p) QCOMPARE(w.panelText(p), QString::fromStdString(*result.panels[p]));
    QCOMPARE(w.windowTitle(), "Ctabber... " + file);
    QCOMPARE(w.currentRow(), 1);
    QVERIFY(action(w, "mSaveas")->isEnabled());
    QVERIFY(!w.reading());
    // Every command is built: the selection and clipboard commands too.
    for (const char* name : {"mSelectEvents", "pmCopy", "mPaste", "mEditChannel", "mTranspose"})
        QVERIFY2(action(w, name)->isEnabled(), name);
    // The CASM commands follow the CASM section taken.
    QVERIFY(action(w, "mCasmEditor")->isEnabled());
    QVERIFY(action(w, "mCreateCasm")->isEnabled());
    QVERIFY(action(w, "mPianoRoll")->isVisible() && action(w, "mPianoRoll")->isEnabled());
    // The working files are those of the window's own program directory.
    QCOMPARE(f.read("#casm.csm"), smf::casm(smf::bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0})));

    // A file that cannot be opened changes only panel 3.
    w.openFile(f.path("missing.mid"));
    QCOMPARE(w.model().rowCount(), expected.events.rowCount() - 1);
    QCOMPARE(w.panelText(0), QString("SMF0"));
    QCOMPARE(w.panelText(3), QString("Unable to open the file..."));

    // A file that opens but ends inside its header shows nothing of the
    // file before it: its panels go as soon as reading starts.
    w.openFile(f.write("short.mid", smf::demoStyle().left(10)));
    for (int p : {0, 1, 2, 4}) QCOMPARE(w.panelText(p), QString());
    QCOMPARE(w.panelText(3), QString("Не удается прочитать из файла..."));
}

void MainWindowTest::listsMarkerClickAndTextClick() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    auto* markers = w.findChild<QListWidget*>("ListBoxMarkers");
    auto* texts = w.findChild<QListWidget*>("ListBoxAll");
    auto* chans = w.findChild<QListWidget*>("ListBoxChan");
    QCOMPARE(items(markers), QStringList({"SFF1", "Main A", "Main B"}));
    QCOMPARE(items(texts), QStringList({"Test", "Hello"}));
    QVERIFY(chans->count() == 0);

    clickItem(markers, "Main A");
    QCOMPARE(cell(w, w.currentRow(), document::ColData), QString("Main A"));
    // Channels of the section up to the next marker: 1 and 10, not 2.
    QCOMPARE(items(chans), QStringList({"Chan 1", "Chan 10"}));
    clickItem(markers, "Main B");
    QCOMPARE(items(chans), QStringList({"Chan 2"}));

    clickItem(texts, "Hello");
    QCOMPARE(cell(w, w.currentRow(), document::ColData), QString("Hello"));
    QCOMPARE(chans->count(), 0);
    QVERIFY(markers->selectedItems().isEmpty());

    // A click in the grid names the section of the clicked row in panel 4.
    auto* grid = w.grid();
    const int helloRow = w.currentRow();
    const QRect r = grid->visualRect(w.model().index(document::ui::EventTableModel::modelRow(helloRow), 4));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(w.panelText(4), QString("Main A"));
    QCOMPARE(w.lastMouseCell(), std::make_pair(4, helloRow));
}

void MainWindowTest::findStopsWithoutWrapping() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    auto* kind = w.findChild<QComboBox*>("ComboBoxFind");
    auto* chan = w.findChild<QComboBox*>("ComboFindChan");
    auto* next = w.findChild<QPushButton*>("ButtonNext");
    kind->setCurrentIndex(10);  // Tempo: has no channel, so "Chan3" still stops there
    chan->setCurrentIndex(3);
    next->click();
    QCOMPARE(cell(w, w.currentRow(), document::ColText), QString("Tempo"));

    kind->setCurrentIndex(4);  // Pitch wheel change on channel 2 only
    next->click();
    const int before = w.currentRow();
    QString notice;
    whenShown<base::ui::TransientMessage>([&notice](base::ui::TransientMessage* m) { notice = m->windowTitle() + "|" + m->label()->text(); });
    next->click();  // not found: the notice closes itself
    QCOMPARE(notice, QString("Find message|Not found..."));
    QCOMPARE(w.currentRow(), before);

    chan->setCurrentIndex(2);
    next->click();
    QCOMPARE(cell(w, w.currentRow(), document::ColText), QString("Pitch wheel change"));
    // No wrap: searching on from the hit finds nothing more.
    notice.clear();
    whenShown<base::ui::TransientMessage>([&notice](base::ui::TransientMessage* m) { notice = m->label()->text(); });
    next->click();
    QCOMPARE(notice, QString("Not found..."));
    QCOMPARE(cell(w, w.currentRow(), document::ColText), QString("Pitch wheel change"));
}

void MainWindowTest::keyboardAndPopupFlipSelectedFlags() {
    WindowFixture f;
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    auto* grid = w.grid();
    grid->setFocus();
    w.setCurrentRow(2);
    QTest::keyClick(grid, Qt::Key_Insert);
    QVERIFY(w.document().events.selected(2));
    QCOMPARE(w.currentRow(), 3);
    QCOMPARE(w.panelText(3), QString("Selected events: 1"));

    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);  // flips the row being left
    QVERIFY(w.document().events.selected(3));
    QCOMPARE(w.currentRow(), 4);
    QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);
    QVERIFY(w.document().events.selected(4));
    QCOMPARE(w.currentRow(), 3);
    QTest::keyClick(grid, Qt::Key_Down);  // no Shift: moves only
    QVERIFY(w.document().events.selected(3));

    action(w, "pmSelUnsel")->trigger();  // row 4 again: off
    QVERIFY(!w.document().events.selected(4));
    QCOMPARE(w.panelText(3), QString("Selected events: 2"));
}

void MainWindowTest::settingsWrittenOnCloseAndReadOnStart() {
    WindowFixture f;
    {
        auto& w = f.open();
        QCOMPARE(w.settings().midiOut, -1);
        QCOMPARE(w.findChildren<QAction*>("mRecent1").size(), 0);
        f.close();
    }
    const base::Profile written((f.home() / "Ctabber.INI"));
    QCOMPARE(written.keys("Main").size(), size_t(41));
    QCOMPARE(written.keys("Colors").size(), size_t(38));
    QCOMPARE(written.readInt("Main", "MidiOut", 0), -1);
    const int designedFind = written.readInt("Main", "Panel5", 0);
    QVERIFY(designedFind >= 40);

    // A narrow panel, stored column widths, one colour key and a language.
    f.write("Ctabber.INI", QByteArray("[Main]\nPanel5=20\nPanel2=150\nCol3=0\nCol4=120\nFindIndex=10\nFindChan=3\n"
                                      "UseColor=0\nLanguage=Test.lng\nLeft=30\nTop=40\nWidth=900\nHeight=650\n"
                                      "[Colors]\nBrush10=255\n"));
    f.write("Test.lng", QByteArray("[TB]\n1=&Datei\n2=\xD6\x66\x66nen\n49=Alle\n"));
    auto& w = f.open();
    QTest::qWait(50);
    const auto sizes = w.findChild<QSplitter*>("PanelSplitter")->sizes();
    QCOMPARE(sizes[3], designedFind);
    QCOMPARE(sizes[0], 150);
    QCOMPARE(w.grid()->columnWidth(4), 120);
    QVERIFY(w.grid()->columnWidth(3) != 0);
    QCOMPARE(w.findChild<QComboBox*>("ComboBoxFind")->currentIndex(), 10);
    QCOMPARE(w.findChild<QComboBox*>("ComboFindChan")->currentText(), QString("Chan3"));
    QCOMPARE(w.findChild<QComboBox*>("ComboFindChan")->itemText(0), QString("Alle"));
    QVERIFY(!action(w, "mUseColor")->isChecked());
    QVERIFY(!w.painter().useColor());
    QCOMPARE(w.findChild<QMenu*>("mFile")->title(), QString("&Datei"));
    QCOMPARE(action(w, "mOpen")->text(), QString::fromUtf8("\xC3\x96\x66\x66nen"));  // from code page 1252
    QCOMPARE(action(w, "mSaveas")->text(), QString("&Save as ..."));
    QCOMPARE(w.size(), QSize(900, 650));
    QCOMPARE(w.painter().colours()[10].brush, 255);
    QCOMPARE(w.painter().colours()[10].pen, document::builtinColours()[10].pen);
    f.close();
    const base::Profile again((f.home() / "Ctabber.INI"));
    QCOMPARE(again.readInt("Main", "Panel5", 0), designedFind);
    QCOMPARE(again.readInt("Main", "Col4", 0), 120);
    QCOMPARE(again.readInt("Main", "FindIndex", 0), 10);
    QCOMPARE(again.readString("Main", "Language", ""), std::string("Test.lng"));
    QCOMPARE(again.readString("Main", "UseColor", ""), std::string("0"));
    QCOMPARE(again.readInt("Colors", "Brush10", 0), 255);
    QCOMPARE(again.readInt("Colors", "Pen10", 1), 0);
}

void MainWindowTest::recentFilesAndCommandLine() {
    WindowFixture f;
    auto& w = f.open();
    QStringList names;
    for (const char* n : {"a.mid", "b.mid", "c.mid", "d.mid", "e.mid"})
        names << f.write(n, smf::header(0, 1, 96) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0})));
    for (const auto& n : names) w.openFile(n);
    auto entries = [&w] {
        QStringList out;
        for (int i = 1; i <= 4; ++i)
            if (auto* a = w.findChild<QAction*>(QString("mRecent%1").arg(i))) out << a->text();
        return out;
    };
    QCOMPARE(entries(), QStringList({names[4], names[3], names[2], names[1]}));
    // Slot 3 changes places with slot 1.
    action(w, "mRecent3")->trigger();
    QCOMPARE(entries(), QStringList({names[2], names[3], names[4], names[1]}));
    QCOMPARE(w.windowTitle(), "Ctabber... " + names[2]);
    // An entry whose file is gone does nothing.
    QFile::remove(names[1]);
    action(w, "mRecent4")->trigger();
    QCOMPARE(entries(), QStringList({names[2], names[3], names[4], names[1]}));

    // A name with a space given as two arguments.
    const QString spaced = f.write("my song.mid", smf::header(0, 1, 120) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0})));
    w.runCommandLine({f.path("my").toStdString(), "song.mid"});
    QCOMPARE(w.windowTitle(), "Ctabber... " + spaced);
    QCOMPARE(w.panelText(2), QString("Tick/4=120"));
}

void MainWindowTest::saveAsAppliesTheExtensionRule() {
    WindowFixture f;
    auto& w = f.open();
    const QByteArray style = smf::demoStyle();
    const QString file = f.write("Demo.sty", style);
    w.openFile(file);

    f.dialogs.files.push_back(base::ui::FileChoice{f.path("out.txt"), 1});
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.back().title, QString("Save as ..."));
    QCOMPARE(f.dialogs.requests.back().fileName, QString("Demo.sty"));  // the opened name without folder
    QCOMPARE(f.dialogs.messages.back().caption, QString("Saved as a MIDI SMF0 file..."));
    QCOMPARE(f.dialogs.messages.back().text, f.path("out.txt.mid"));
    const QByteArray midiPart = style.left(14 + 8 + smf::demoEvents().size());
    QCOMPARE(f.read("out.txt.mid"), midiPart);
    QVERIFY(!QFile::exists(f.path("out.txt")));

    // Capitals keep the name; the PSR type writes no add part.
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("OUT.STY"), 2});
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.back().filterIndex, 1);
    QCOMPARE(f.dialogs.requests.back().fileName, f.path("out.txt"));  // kept from the last save
    QCOMPARE(f.dialogs.messages.back().caption, QString("Saved as a SFF style file..."));
    QCOMPARE(f.read("OUT.STY"), midiPart + smf::casm(smf::bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0})));
    QCOMPARE(w.windowTitle(), "Ctabber... " + f.path("OUT.STY"));
    QCOMPARE(w.settings().saveFilterIndex, 2);

    // A name that gains an extension onto an existing file asks first; No keeps it.
    f.write("keep.mid", "old");
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("keep"), 1});
    f.dialogs.answers.push_back(base::ui::Answer::No);
    action(w, "mSaveas")->trigger();
    QVERIFY(f.dialogs.messages.back().question);
    QCOMPARE(f.read("keep.mid"), QByteArray("old"));

    // Cancel writes nothing; a format-1 document is refused before the dialog.
    const auto asked = f.dialogs.requests.size();
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.size(), asked + 1);
    w.openFile(f.write("two.mid", smf::header(1, 1, 96) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0}))));
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.dialogs.requests.size(), asked + 1);
    QCOMPARE(f.dialogs.messages.back().caption, QString("Unsupported format"));
    QCOMPARE(f.dialogs.messages.back().icon, base::Icon::Error);
}

void MainWindowTest::exportThenImportGivesTheSameStyle() {
    WindowFixture f;
    auto& w = f.open();
    // A CASM section the CASM reader takes, as import reads it first.
    const QByteArray style = smf::header(0, 1, 480) + smf::track(smf::demoEvents()) +
                             smf::toQt(casm_test::kMainADrums) + smf::bytes({'O', 'T', 'S', 'c', 0, 0, 0, 1, 0x42});
    w.openFile(f.write("Pop.sty", style));

    bool addShown = false;
    whenShown<document::ui::ExportDialog>([&addShown](document::ui::ExportDialog* d) {
        addShown = d->addPartShown();
        d->ButtonOk->click();
    });
    action(w, "mExport")->trigger();
    QVERIFY(addShown);
    QCOMPARE(f.dialogs.messages.back().text, QString("The style is exported as mid-file and csm-file..."));
    QVERIFY(QFile::exists(f.path("#Pop.mid")) && QFile::exists(f.path("#Pop.csm")) && QFile::exists(f.path("#Pop.add")));
    QCOMPARE(w.settings().exportMid, f.path("#Pop.mid").toStdString());

    // A different document in between, then the pieces back.
    w.openFile(f.write("plain.mid", smf::header(0, 1, 96) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0}))));
    QString fields;
    whenShown<document::ui::ImportDialog>([&fields](document::ui::ImportDialog* d) {
        fields = d->EditMidi->text() + "|" + d->EditCasm->text() + "|" + d->EditAdd->text();
        d->ButtonOk->click();
    });
    action(w, "mImport")->trigger();
    QCOMPARE(fields, f.path("#Pop.mid") + "|" + f.path("#Pop.csm") + "|" + f.path("#Pop.add"));
    QCOMPARE(f.dialogs.messages.back().text, QString("Files are imported. Use File/Save as to store a new style"));
    QVERIFY(action(w, "mExport")->isEnabled());

    f.dialogs.files.push_back(base::ui::FileChoice{f.path("again.prs"), 4});
    action(w, "mSaveas")->trigger();
    QCOMPARE(f.read("again.prs"), style);

    // A CASM file the CASM reader refuses is refused with its message, and
    // the open document stays.
    f.write("#Pop.csm", "root:x:0:0:root:/root:/bin/bash\n");
    w.openFile(f.write("plain.mid", smf::header(0, 1, 96) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0}))));
    whenShown<document::ui::ImportDialog>([](document::ui::ImportDialog* d) { d->ButtonOk->click(); });
    action(w, "mImport")->trigger();
    const auto refused = casm::readCasmFile(f.path("#Pop.csm").toStdString());
    QVERIFY(!refused.ok());
    QCOMPARE(f.dialogs.messages.back().caption, QString::fromStdString(refused.failure->caption));
    QCOMPARE(f.dialogs.messages.back().text, QString::fromStdString(refused.failure->text));
    QCOMPARE(f.dialogs.messages.back().icon, base::Icon::Error);
    QCOMPARE(w.windowTitle(), "Ctabber... " + f.path("plain.mid"));

    // The export dialog's place is kept under its own name.
    const base::Profile settings(f.home() / "Ctabber.INI");
    QVERIFY(settings.hasKey("FExport", "Width"));
    QVERIFY(settings.hasKey("FImport", "Left"));
}

void MainWindowTest::droppedFileOpensAndBatchRemovesBanks() {
    WindowFixture f;
    auto& w = f.open();
    const QString file = f.write("Drop.sty", smf::demoStyle());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &drop);
    QTRY_COMPARE(w.windowTitle(), "Ctabber... " + file);
    QCOMPARE(w.settings().recentFiles[0], file.toStdString());

    // "br": the bank selects of bank 0 go, the result lands as "_" + name
    // in the program directory with its CASM section, and the window closes.
    w.runCommandLine({file.toStdString(), "br"});
    QCOMPARE(w.panelText(4), QString("2 Bank messages removed..."));
    QTRY_VERIFY(!w.isVisible());
    const QByteArray saved = f.read("_Drop.sty");
    QVERIFY(!saved.isEmpty());
    QVERIFY(!saved.contains(smf::bytes({0xB0, 0x00, 0x00})));
    QVERIFY(saved.endsWith(smf::casm(smf::bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0}))));

    // A Tyros style keeps its CASM section too, and the add part that the
    // batch leaves out is said.
    auto& again = f.open();
    const QString tyros = f.write("Drop.prs", smf::demoStyle());
    again.openFile(tyros);
    again.runCommandLine({tyros.toStdString(), "br"});
    QTRY_VERIFY(!again.isVisible());
    const QByteArray kept = f.read("_Drop.prs");
    QVERIFY(kept.endsWith(smf::casm(smf::bytes({'C', 'S', 'E', 'G', 0, 0, 0, 0}))));
    QCOMPARE(f.dialogs.messages.back().text, f.path("_Drop.prs") + "\nThe add part (9 bytes) was left out: the bank "
                                                                  "removal writes the MIDI part and the CASM section only.");
}


void MainWindowTest::bankRemovalIsUndoneAndUnsavedChangesAreKept() {
    WindowFixture f;
    auto& w = f.open();
    const QString file = f.write("Demo.sty", smf::demoStyle());
    w.openFile(file);
    auto cells = [&] {
        QStringList all;
        for (int r = 1; r <= w.model().rowCount(); ++r)
            for (int c = 0; c < document::kColumnCount; ++c) all << cell(w, r, c);
        return all;
    };
    const QStringList read = cells();
    const int rows = w.model().rowCount();
    QVERIFY(!action(w, "mUndo")->isEnabled());

    action(w, "mRemoveBank")->trigger();
    QCOMPARE(w.model().rowCount(), rows - 2);
    QCOMPARE(w.windowTitle(), "Ctabber... " + file + " *");
    QVERIFY(action(w, "mUndo")->text().contains("Remove Bank Events"));
    QCOMPARE(action(w, "mUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
    QVERIFY(action(w, "mRedo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    const QStringList removed = cells();

    action(w, "mUndo")->trigger();
    QCOMPARE(cells(), read);
    QCOMPARE(w.windowTitle(), "Ctabber... " + file);
    action(w, "mRedo")->trigger();
    QCOMPARE(cells(), removed);

    // Opening another file asks first; No keeps the changed document.
    const QString other = f.write("Other.mid", smf::demoStyle());
    f.dialogs.answers = {base::ui::Answer::No};
    w.openFile(other);
    QVERIFY(f.dialogs.messages.back().question);
    QCOMPARE(cells(), removed);
    QVERIFY(w.windowTitle().endsWith(" *"));

    // A save makes the document clean; undoing after it makes it changed again.
    f.dialogs.files.push_back(base::ui::FileChoice{f.path("Saved.prs"), document::FilterPrs});
    action(w, "mSaveas")->trigger();
    QCOMPARE(w.windowTitle(), "Ctabber... " + f.path("Saved.prs"));
    action(w, "mUndo")->trigger();
    QVERIFY(w.windowTitle().endsWith(" *"));

    // Reading a file clears what can be undone.
    f.dialogs.answers = {base::ui::Answer::Yes};
    w.openFile(other);
    QCOMPARE(cells(), read);
    QVERIFY(!action(w, "mUndo")->isEnabled());
    QCOMPARE(w.windowTitle(), "Ctabber... " + other);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

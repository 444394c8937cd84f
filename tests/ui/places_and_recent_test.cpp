// The program folder, where dialogs first open, recent files given by a
// relative name, and "&Save as ..." after a read that failed.
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

#include "app/ui/program_folder.h"
#include "base/profile.h"
#include "base/ui/window_position.h"
#include "names/ui/style_instruments_window.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"

namespace {

QAction* action(const app::ui::MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

// Changes the current folder for one test and goes back after.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : old_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(old_); }

private:
    QString old_;
};

// A dialog that restores its place like every dialog of the program.
class PlainDialog : public base::ui::RememberedDialog {
public:
    PlainDialog(QWidget* parent, const std::filesystem::path& settings) : RememberedDialog(parent, settings, "Plain") {
        resize(200, 100);
        restorePlace();
    }
};

}  // namespace

class PlacesAndRecentTest : public QObject {
    Q_OBJECT

private slots:
    void theProgramFolderIsTheExecutablesWhereverItRunsFrom() {
        QTemporaryDir elsewhere;
        CurrentFolder moved(elsewhere.path());
        qunsetenv("CTABBER_HOME");
        QCOMPARE(QString::fromStdString(app::ui::programWorkspace().dir().string()),
                 QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
    }

    void dialogsFirstOpenCentredOnTheMainWindowThenWhereTheyWereLeft() {
        WindowFixture f;
        auto& w = f.open();
        w.move(300, 200);
        w.resize(1000, 700);
        QCoreApplication::processEvents();
        const QPoint centre = w.frameGeometry().center();
        {
            PlainDialog dialog(&w, f.home() / "Ctabber.INI");
            QVERIFY((dialog.geometry().center() - centre).manhattanLength() <= 4);
            dialog.move(40, 50);
            dialog.done(QDialog::Accepted);
        }
        PlainDialog again(&w, f.home() / "Ctabber.INI");
        QCOMPARE(again.pos(), QPoint(40, 50));

        // The Style Instruments window shows all sixteen channels the first time.
        names::InstrumentDefinitions definitions;
        StyleInstrumentsWindow instruments(w.document(), definitions, f.dialogs, f.home() / "Ctabber.INI", w.language(), &w);
        instruments.show();
        QCoreApplication::processEvents();
        QVERIFY((instruments.geometry().center() - centre).manhattanLength() <= 4);
        auto* grid = instruments.StringGrid1;
        const QRect lastChannel = grid->visualItemRect(grid->item(15, 0));
        QVERIFY2(grid->viewport()->rect().contains(lastChannel), "channel 16 is out of view");
    }

    void recentFilesKeepTheFullNameOfAFileGivenRelatively() {
        WindowFixture f;
        const QString file = f.write("Demo.sty", smf::demoStyle());
        QDir(f.dir.path()).mkdir("sub");
        auto& w = f.open();
        {
            CurrentFolder moved(f.path("sub"));
            w.runCommandLine({"../Demo.sty"});
        }
        QCOMPARE(QString::fromStdString(w.settings().recentFiles[0]), QFileInfo(file).absoluteFilePath());
        QCOMPARE(w.windowTitle(), "Ctabber... " + QFileInfo(file).absoluteFilePath());
        // From another folder the entry opens the same file.
        QTemporaryDir elsewhere;
        CurrentFolder moved(elsewhere.path());
        w.openFile(f.write("other.mid", smf::header(0, 1, 96) + smf::track(smf::bytes({0, 0xFF, 0x2F, 0}))));
        action(w, "mRecent2")->trigger();
        QCOMPARE(w.windowTitle(), "Ctabber... " + QFileInfo(file).absoluteFilePath());
        QCOMPARE(w.panelText(0), QString("SMF0"));
    }

    void onlyACompletedReadEnablesSaveAs() {
        WindowFixture f;
        auto& w = f.open();
        w.openFile(f.write("Demo.sty", smf::demoStyle()));
        QVERIFY(action(w, "mSaveas")->isEnabled());
        // A header cut short: nothing of the previous file's header stays either.
        w.openFile(f.write("cut.mid", smf::header(0, 1, 96).left(10)));
        QVERIFY(!action(w, "mSaveas")->isEnabled());
        QCOMPARE(w.document().division, 0);
        QCOMPARE(w.document().trackCount, 0);
        // A track that breaks off.
        w.openFile(f.write("broken.mid", smf::header(0, 1, 96) + smf::track(smf::bytes({0, 0x90, 60, 100, 5}))));
        QVERIFY(!action(w, "mSaveas")->isEnabled());
        w.openFile(f.path("Demo.sty"));
        QVERIFY(action(w, "mSaveas")->isEnabled());
    }

    void aStyleSavedAsStyTellsOfTheLeftOutAddPart() {
        WindowFixture f;
        auto& w = f.open();
        w.openFile(f.write("Demo.sty", smf::demoStyle()));
        f.dialogs.files.push_back(base::ui::FileChoice{f.path("psr.sty"), 2});
        action(w, "mSaveas")->trigger();
        QCOMPARE(f.dialogs.messages.back().caption, QString("Saved as a SFF style file..."));
        QCOMPARE(f.dialogs.messages.back().text,
                 f.path("psr.sty") +
                     "\nThe add part (9 bytes) was left out: .bcs, .prs, .sst, .pst and .pcs files keep it.");
    }
};

QTEST_MAIN(PlacesAndRecentTest)
#include "places_and_recent_test.moc"

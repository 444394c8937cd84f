#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "app/ui/about_dialog.h"
#include "app/ui/setup_dialog.h"
#include "document/ui/event_row_painter.h"
#include "playback/recording_port.h"
#include "playback/ui/program_port.h"
#include "support/smf_bytes.h"
#include "support/window_fixture.h"
#include "tools/hex_dump.h"
#include "tools/ui/casm_hex_window.h"
#include "tools/ui/compare_window.h"

using app::ui::SetupDialog;
using app::ui::MainWindow;

namespace {

QAction* action(const QWidget& w, const char* name) { return w.findChild<QAction*>(name); }

// Every caption the main window shows, each with where it stands.
QStringList captionsOf(const MainWindow& w) {
    QStringList out{"title=" + w.windowTitle()};
    for (auto* a : w.findChildren<QAction*>())
        if (!a->objectName().startsWith("mRecent")) out << a->objectName() + "=" + a->text();
    for (auto* m : w.findChildren<QMenu*>()) out << m->objectName() + "=" + m->title();
    for (auto* l : w.findChildren<QLabel*>())
        if (!l->objectName().startsWith("Panel")) out << "label=" + l->text();
    for (auto* b : w.findChildren<QPushButton*>()) out << b->objectName() + "=" + b->text();
    for (auto* g : w.findChildren<QGroupBox*>()) out << "group=" + g->title();
    for (auto* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) out << c->objectName() + "=" + c->itemText(i);
    const auto* model = w.grid()->model();
    for (int c = 0; c < model->columnCount(); ++c) out << "header=" + model->headerData(c, Qt::Horizontal).toString();
    return out;
}

QStringList lines(const QListView* list) {
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
    return out;
}

void copyShippedLanguage(const WindowFixture& f) {
    QFile::copy(QString(CTABBER_SOURCE_DIR) + "/data/Deutsch.lng", f.path("Deutsch.lng"));
}

// Runs the setup dialog from the menu; `answer` sets it up and presses a button.
void runSetup(MainWindow& w, std::function<void(SetupDialog*)> answer) {
    whenShown<SetupDialog>(std::move(answer));
    action(w, "mSetup")->trigger();
}

void chooseLanguage(SetupDialog* d, const QString& name) {
    const auto found = d->ListViewLang->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    d->ListViewLang->setCurrentItem(found.front());
    found.front()->setSelected(true);
}

template <typename T>
T* openWindow(const QWidget& parent) {
    for (auto* w : parent.findChildren<T*>())
        if (w->isVisible()) return w;
    return nullptr;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void setupShowsAndTakesPortOptionsAndColours();
    void testNoteEndsAfterItsTicksOrWithTheDialog();
    void languageChangesEveryCaptionAndEnglishComesBackExactly();
    void refusedOrUnchangedLanguageLeavesTheCaptions();
    void associationButtonWritesTheUsersFiles();
    void hexViewerDumpsSavesAndCompares();
    void aboutBoxAndHelp();
};

void ShellTest::setupShowsAndTakesPortOptionsAndColours() {
    // The program's ports, not the machine's.
    auto synth = std::make_shared<playback::RecordingPort>("Built-in synthesizer (FluidSynth)");
    playback::ui::setProgramMidiOut(std::make_unique<playback::CMIDIOUT>([=] { return playback::PortList{synth}; }));
    WindowFixture f;
    auto& w = f.open();
    QStringList ports;
    bool testEnabled = false;
    runSetup(w, [&](SetupDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Setup"));
        QCOMPARE(d->PageControl1->count(), 5);
        QCOMPARE(d->PageControl1->tabText(0), QString("MIDI Setup    "));
        for (int i = 0; i < d->ListBoxOut->count(); ++i) ports << d->ListBoxOut->item(i)->text();
        testEnabled = d->ButtonTest->isEnabled();  // saved -1 lies below the port count
        QVERIFY(d->ListBoxOut->selectedItems().isEmpty());
        QVERIFY(d->GroupBoxIn->isHidden());
        QVERIFY(d->CheckBoxDelConfirm->isChecked());
        d->ListBoxOut->item(0)->setSelected(true);
        d->CheckBoxDelConfirm->setChecked(false);
        d->CheckBoxAdvanced->setChecked(true);
        d->CheckBoxOverWrite->setChecked(false);
        // Left click: background of Marker; right click: text of Note On, cancelled.
        f.dialogs.colours = {QColor(0x12, 0x34, 0x56), std::nullopt};
        QTest::mouseClick(d->ColourLabels[10], Qt::LeftButton);
        QTest::mouseClick(d->ColourLabels[18], Qt::RightButton);
        QCOMPARE(d->ColourLabels[10]->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        d->ButtonOK->click();
    });
    QCOMPARE(ports, QStringList{"Built-in synthesizer (FluidSynth)"});
    QVERIFY(testEnabled);
    QCOMPARE(f.dialogs.colourRequests.size(), std::size_t(2));
    QCOMPARE(f.dialogs.colourRequests[0], document::ui::fromSettingsColour(document::builtinColours()[10].brush));
    QCOMPARE(f.dialogs.colourRequests[1], document::ui::fromSettingsColour(document::builtinColours()[18].pen));
    const auto& s = w.settings();
    QCOMPARE(s.midiOut, 0);
    QVERIFY(!s.delConfirm);
    QVERIFY(s.ctabberAdvanced);
    QVERIFY(!s.overWrite);
    QCOMPARE(s.colours[10].brush, 0x563412);
    QCOMPARE(w.painter().colours()[10].brush, 0x563412);
    QCOMPARE(s.colours[18].pen, document::builtinColours()[18].pen);

    // Cancel takes nothing; the choices reach the settings file at close.
    runSetup(w, [](SetupDialog* d) {
        QVERIFY(d->ListBoxOut->item(0)->isSelected());
        QVERIFY(!d->CheckBoxDelConfirm->isChecked());
        d->CheckBoxDelConfirm->setChecked(true);
        d->ButtonCancel->click();
    });
    QVERIFY(!w.settings().delConfirm);
    f.close();
    const base::Profile saved(f.home() / "Ctabber.INI");
    QCOMPARE(saved.readInt("Main", "MidiOut", -2), 0);
    QCOMPARE(saved.readInt("Colors", "Brush10", 0), 0x563412);
    QVERIFY(saved.hasSection("Setup"));
}

void ShellTest::testNoteEndsAfterItsTicksOrWithTheDialog() {
    FakeDialogs dialogs;
    QTemporaryDir dir;
    const std::filesystem::path home = dir.path().toStdString();
    std::vector<QString> sent;
    app::ui::MidiPortList ports{{"Port A", "Port B"},
                                [&](int port) { sent.push_back("on " + QString::number(port)); },
                                [&] { sent.push_back("off"); }};
    app::SetupValues values;
    values.midiOut = 5;  // not below the port count: Test starts disabled
    {
        SetupDialog d(nullptr, {dialogs, base::builtinLanguage(), home / "Ctabber.INI", home, {}}, values, ports);
        QVERIFY(!d.ButtonTest->isEnabled());
        d.ListBoxOut->item(1)->setSelected(true);
        QVERIFY(d.ButtonTest->isEnabled());
        d.Timer1.setInterval(1);
        d.ButtonTest->click();
        QCOMPARE(sent, (std::vector<QString>{"on 1"}));
        QTRY_COMPARE(sent.size(), std::size_t(2));
        QCOMPARE(sent.back(), QString("off"));
        QTest::qWait(30);
        QCOMPARE(sent.size(), std::size_t(2));  // one note-off per test

        // Closing while the note sounds ends it at once.
        d.Timer1.setInterval(100000);
        d.ButtonTest->click();
        d.reject();
        QCOMPARE(sent, (std::vector<QString>{"on 1", "off", "on 1", "off"}));
        QCOMPARE(d.values().midiOut, 1);
    }
    // No ports and the saved -1: an empty list, Test enabled, and it opens nothing.
    sent.clear();
    SetupDialog empty(nullptr, {dialogs, base::builtinLanguage(), home / "Ctabber.INI", home, {}}, app::SetupValues{},
                 {{}, ports.startTest, ports.endTest});
    QCOMPARE(empty.ListBoxOut->count(), 0);
    QVERIFY(empty.ButtonTest->isEnabled());
    empty.ButtonTest->click();
    QVERIFY(sent.empty());
    QCOMPARE(empty.values().midiOut, -1);
    QCOMPARE(empty.ListViewLang->topLevelItemCount(), 0);
}

void ShellTest::languageChangesEveryCaptionAndEnglishComesBackExactly() {
    WindowFixture f;
    copyShippedLanguage(f);
    auto& w = f.open();
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    auto* find = w.findChild<QComboBox*>("ComboBoxFind");
    find->setCurrentIndex(3);
    action(w, "mCasmHex")->trigger();
    auto* viewer = openWindow<tools::ui::CasmHexWindow>(w);
    QVERIFY(viewer);
    const QStringList english = captionsOf(w);  // the viewer's menu among them

    runSetup(w, [](SetupDialog* d) {
        QCOMPARE(d->ListViewLang->topLevelItemCount(), 1);
        QCOMPARE(d->ListViewLang->topLevelItem(0)->text(1), QString("Deutsche Übersetzung: die Ctabber-Entwickler"));
        chooseLanguage(d, "Deutsch.lng");
        d->ButtonOK->click();
    });
    QCOMPARE(w.settings().language, std::string("Deutsch.lng"));
    const QStringList german = captionsOf(w);
    QCOMPARE(german.size(), english.size());
    int same = 0;
    for (int i = 0; i < english.size(); ++i)
        if (english[i] == german[i]) ++same;
    // Only the texts German writes alike stay ("Tempo", "N", "Tick+", "Bank", ...).
    QVERIFY2(same < english.size() / 5, qPrintable(QString::number(same)));
    QVERIFY(german.contains("mFile=&Datei"));
    QVERIFY(german.contains("mSetup=&Einstellungen"));
    QVERIFY(german.contains("ButtonNext=&Weiter"));
    QVERIFY(german.contains("header=Ereignis"));
    QVERIFY(german.contains("ComboFindChan=Kanal16"));
    QCOMPARE(find->currentIndex(), 3);  // the chosen find kind stays chosen
    QCOMPARE(viewer->mFile->title(), QString("&Datei"));
    QCOMPARE(viewer->mCompare->text(), QString("&Vergleichen"));

    // Setup itself is German now; "English" goes back.
    runSetup(w, [](SetupDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Einstellungen"));
        QVERIFY(d->ListViewLang->topLevelItem(0)->isSelected());
        d->ButtonEnglish->click();
        d->ButtonOK->click();
    });
    QCOMPARE(w.settings().language, std::string());
    QCOMPARE(captionsOf(w), english);
    QCOMPARE(viewer->mFile->title(), QString("&File"));
    QCOMPARE(viewer->mOpen->text(), QString("&Open"));
}

void ShellTest::refusedOrUnchangedLanguageLeavesTheCaptions() {
    WindowFixture f;
    copyShippedLanguage(f);
    f.write("Broken.lng", QByteArray("[TB]\n1=\0\1\2", 10));
    f.write("Ctabber.INI", "[Main]\nLanguage=Deutsch.lng\n");
    auto& w = f.open();
    QCOMPARE(w.findChild<QMenu*>("mFile")->title(), QString("&Datei"));

    // The language in use chosen again: nothing is translated again.
    w.findChild<QMenu*>("mFile")->setTitle("marked");
    runSetup(w, [](SetupDialog* d) {
        QCOMPARE(d->ListViewLang->topLevelItemCount(), 2);
        chooseLanguage(d, "Deutsch.lng");
        d->ButtonOK->click();
    });
    QCOMPARE(w.findChild<QMenu*>("mFile")->title(), QString("marked"));

    // A file that cannot be decoded is refused; the language and its setting stay.
    runSetup(w, [](SetupDialog* d) {
        chooseLanguage(d, "Broken.lng");
        d->ButtonOK->click();
    });
    QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
    QCOMPARE(f.dialogs.messages[0].caption, QString("Unbekanntes Dateiformat..."));
    QCOMPARE(f.dialogs.messages[0].text, f.path("Broken.lng"));
    QCOMPARE(w.settings().language, std::string("Deutsch.lng"));
    QCOMPARE(w.findChild<QMenu*>("mFile")->title(), QString("marked"));
    QCOMPARE(action(w, "mOpen")->text(), QString("Ö&ffnen..."));
}

void ShellTest::associationButtonWritesTheUsersFiles() {
    WindowFixture f;
    QTemporaryDir desktop;
    qputenv("XDG_DATA_HOME", (desktop.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (desktop.path() + "/config").toUtf8());
    auto& w = f.open();
    QStringList buttons;
    runSetup(w, [&](SetupDialog* d) {
        for (auto* b : d->AssociateButtons) buttons << b->text();
        d->AssociateButtons[2]->click();  // PRS, and PRC with it
        d->ButtonCancel->click();
    });
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(buttons.front(), QString("Associate STY files with Ctabber"));
    QCOMPARE(buttons.back(), QString("Associate PCS files with Ctabber"));
    QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
    QCOMPARE(f.dialogs.messages[0].caption, QString("Message"));
    QCOMPARE(buttons[2], QString("Associate PRS files with Ctabber"));
    QVERIFY(f.dialogs.messages[0].text.startsWith("PRS  files now are associated with Ctabber..."));
    QVERIFY(QFile::exists(desktop.path() + "/data/mime/packages/ctabber-prs.xml"));
    QVERIFY(QFile::exists(desktop.path() + "/data/mime/packages/ctabber-prc.xml"));
    const base::Profile entry((desktop.path() + "/data/applications/ctabber.desktop").toStdString());
    QCOMPARE(QString::fromStdString(entry.readString("Desktop Entry", "Exec", "")),
             "\"" + QCoreApplication::applicationFilePath() + "\" %f");
    QVERIFY(QString::fromStdString(entry.readString("Desktop Entry", "Icon", "")).endsWith("data/ctabber.svg"));
}

void ShellTest::hexViewerDumpsSavesAndCompares() {
    WindowFixture f;
    auto& w = f.open();
    const QString cwd = QDir::currentPath();
    QVERIFY(!action(w, "mCasmHex")->isEnabled());
    w.openFile(f.write("Demo.sty", smf::demoStyle()));
    QVERIFY(action(w, "mCasmHex")->isEnabled());
    const QByteArray casm = f.read("#casm.csm");
    QCOMPARE(casm.size(), 16);

    // Opened the first time: centred on the main window, titled with the user's file.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    w.setGeometry(QRect(QPoint(0, 0), QSize(660, 440)).translated(area.center() - QPoint(330, 220)));
    QCoreApplication::processEvents();
    action(w, "mCasmHex")->trigger();
    auto* viewer = openWindow<tools::ui::CasmHexWindow>(w);
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), f.path("Demo.sty"));
    QVERIFY((viewer->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 6);
    // A 16-byte section: one full line and the closing line without bytes.
    const auto shown = lines(viewer->ListBox1);
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].startsWith("0000 43 41 53 4D 00 00 00 08 43 53 45 47"));
    QCOMPARE(shown[1], "0010 " + QString(48, ' ') + "  |  " + QString(16, ' '));
    QCOMPARE(f.read("#casm.txt"), (shown.join('\n') + '\n').toLatin1());
    QCOMPARE(QDir::currentPath(), cwd);  // the dump is written without changing folder

    // A second "CASM &Hex data" shows the same viewer again.
    action(w, "mCasmHex")->trigger();
    QCOMPARE(w.findChildren<tools::ui::CasmHexWindow*>().size(), qsizetype(1));

    // Save as: the csm filter copies the shown file, the txt filter the dump.
    f.dialogs.files = {base::ui::FileChoice{f.path("copy.csm"), 1}, base::ui::FileChoice{f.path("dump.txt"), 2}};
    viewer->mSaveas->trigger();
    viewer->mSaveas->trigger();
    QCOMPARE(f.read("copy.csm"), casm);
    QCOMPARE(f.read("dump.txt"), f.read("#casm.txt"));
    QCOMPARE(f.dialogs.requests.back().filters,
             (QStringList{"Yamaha CASM section (*.csm)", "Text file (*.txt)"}));
    QVERIFY(f.dialogs.requests.back().confirmOverwrite);
    QCOMPARE(f.dialogs.requests.back().directory, QString::fromStdString(f.home().string()));

    // Compare with the section's first 10 bytes: "Different length..." after 10.
    const QString shorter = f.write("short.csm", casm.left(10));
    f.dialogs.files = {base::ui::FileChoice{f.path("#casm.csm")}, base::ui::FileChoice{shorter}};
    viewer->mCompare->trigger();
    viewer->mCompare->trigger();
    const auto compares = w.findChildren<tools::ui::CompareWindow*>();
    QCOMPARE(compares.size(), qsizetype(2));
    QCOMPARE(compares[0]->windowTitle(), QString("Compare results"));
    QVERIFY((compares[0]->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 6);
    QCOMPARE(lines(compares[0]->ListBox1),
             (QStringList{"HEXPosition  " + f.path("#casm.csm") + "   " + f.path("Demo.sty"),
                          "___________________________________", "Compared: 16   No match:0"}));
    QCOMPARE(lines(compares[1]->ListBox1).mid(1, 1), QStringList{"___________________________________"});

    // A file that cannot be opened, and a folder, give "File is not open"; no window opens.
    f.dialogs.files = {base::ui::FileChoice{f.path("none.csm")}, base::ui::FileChoice{f.dir.path()}};
    viewer->mCompare->trigger();
    viewer->mCompare->trigger();
    QCOMPARE(w.findChildren<tools::ui::CompareWindow*>().size(), qsizetype(2));
    QCOMPARE(f.dialogs.messages.size(), std::size_t(2));
    QCOMPARE(f.dialogs.messages[0].caption, QString("File is not open"));
    QCOMPARE(f.dialogs.messages[1].text, f.dir.path());

    // Opening a folder leaves an empty list and says why.
    f.dialogs.files = {base::ui::FileChoice{f.dir.path()}};
    viewer->mOpen->trigger();
    QCOMPARE(viewer->ListBox1->model()->rowCount(), 0);
    QCOMPARE(f.dialogs.messages.size(), std::size_t(3));
    QVERIFY(!QFile::exists(f.path("#casm.txt")));

    // Closing the main window closes the tool windows, which keep their places.
    f.close();
    const base::Profile saved(f.home() / "Ctabber.INI");
    QVERIFY(saved.hasSection("BinCasm"));
    QVERIFY(saved.hasSection("Compare"));
}

void ShellTest::aboutBoxAndHelp() {
    WindowFixture f;
    copyShippedLanguage(f);
    auto& w = f.open();
    QString credit, title;
    QImage image;
    whenShown<app::ui::AboutDialog>([&](app::ui::AboutDialog* box) {
        title = box->windowTitle();
        credit = box->Credit->text();
        image = box->grab().toImage();
        box->OKButton->click();
    });
    action(w, "mAbout")->trigger();
    QCOMPARE(title, QString("About"));
    QCOMPARE(credit, QString());
    // The grey gradient: row y has grey 255 - y / 2 (checked away from the labels, at x = 2).
    for (int y : {1, 40, 81}) QCOMPARE(image.pixelColor(2, y), QColor(255 - y / 2, 255 - y / 2, 255 - y / 2));
    QCOMPARE(app::ui::AboutDialog::greyLevel(600), 0);

    runSetup(w, [](SetupDialog* d) {
        chooseLanguage(d, "Deutsch.lng");
        d->ButtonOK->click();
    });
    whenShown<app::ui::AboutDialog>([&](app::ui::AboutDialog* box) {
        title = box->windowTitle();
        credit = box->Credit->text();
        box->OKButton->click();
    });
    action(w, "mAbout")->trigger();
    QCOMPARE(title, QString("Über"));
    QCOMPARE(credit, QString("Deutsche Übersetzung: die Ctabber-Entwickler"));

    // "&Contents..." opens the shipped manual in the browser; a browser that fails is reported.
    action(w, "mContents")->trigger();
    QCOMPARE(f.dialogs.openedUrls.size(), std::size_t(1));
    QVERIFY(f.dialogs.openedUrls[0].isLocalFile());
    QVERIFY(f.dialogs.openedUrls[0].toLocalFile().endsWith("data/help/index.html"));
    f.dialogs.browserWorks = false;
    action(w, "mContents")->trigger();
    QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
    QCOMPARE(f.dialogs.messages[0].text, f.dialogs.openedUrls[0].toLocalFile() +
                                             "\n\nNo web browser could be started: open this file in one to read the manual.");
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"

// The CASM editor's name cell and channel lists, and the warning when an
// insertion gives a section two entries for one source channel.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "casm/ui/casm_check_dialog.h"
#include "support/casm_editor_fixture.h"

using namespace casm_test;

namespace {

constexpr int kNameCol = 3;

// Types `text` into the name window that a double click on a name cell opens, and presses OK.
void typeName(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto tries = std::make_shared<int>(0);
        auto step = std::make_shared<std::function<void()>>();
        *step = [text, tries, step] {
            for (auto* w : QApplication::topLevelWidgets())
                if (w->objectName() == "NameWindow" && w->isVisible()) {
                    w->findChild<QLineEdit*>("EditName")->setText(text);
                    return static_cast<QDialog*>(w)->accept();
                }
            if (++*tries < 200) QTimer::singleShot(10, *step);
        };
        (*step)();
    });
}

}  // namespace

class CasmEntryCellsTest : public QObject {
    Q_OBJECT
private slots:
    void aTypedNameKeepsLatinBytesAndMakesOtherCharactersSpaces();
    void pastingASecondEntryForAChannelIsWarnedAndChecked();
};

void CasmEntryCellsTest::aTypedNameKeepsLatinBytesAndMakesOtherCharactersSpaces() {
    EditorFixture f;
    auto& w = f.open(casmOf({cseg("Main A", {ctab(8, "Drums"), ctab(9, "Bass")})}));
    typeName(QString::fromUtf8("Str€ings"));
    w.StringGrid1DblClick(1, kNameCol);
    QCOMPARE(f.entries()[0].name(), std::string("Str ings"));

    // The side panel's name field takes the same way; Latin-1 letters stay
    // what they are until the name rule makes them spaces, one per character.
    w.setCurrentRow(2);
    w.EditName->setText(QString::fromUtf8("B😀ß"));
    emit w.EditName->editingFinished();
    QCOMPARE(f.entries()[1].name(), std::string("B       "));

    // Channels read as the keyboard names them.
    auto* channels = w.findChild<QComboBox*>("ComboBoxChan");
    QCOMPARE(channels->count(), 16);
    QCOMPARE(channels->itemText(14), QString("Chan 15"));
}

void CasmEntryCellsTest::pastingASecondEntryForAChannelIsWarnedAndChecked() {
    EditorFixture f;
    auto& w = f.open(casmOf({cseg("Main A", {ctab(8, "Drums"), ctab(9, "Bass")})}));
    w.setCurrentRow(2);
    f.trigger("mCopy");
    const auto told = f.dialogs.messages.size();
    f.trigger("mPaste");
    QCOMPARE(f.entries().size(), std::size_t{3});  // kept: Undo takes it back
    QCOMPARE(f.dialogs.messages.size(), told + 1);
    QCOMPARE(f.dialogs.messages.back().icon, base::Icon::Warning);
    QCOMPARE(f.dialogs.messages.back().text,
             QString("WARNING: more than one entry for source channel 10 in section Main A"));

    // Pasting it once more adds no new duplicate: nothing more is said.
    f.trigger("mPaste");
    QCOMPARE(f.dialogs.messages.size(), told + 1);

    QStringList lines;
    whenShown<casm::ui::CasmCheckDialog>([&lines](casm::ui::CasmCheckDialog* d) {
        auto* list = d->findChild<QListWidget*>("ListBox1");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        d->accept();
    });
    f.trigger("mCheckCASM");
    QCOMPARE(lines, QStringList{"WARNING: more than one entry for source channel 10 in section Main A"});
}

QTEST_MAIN(CasmEntryCellsTest)
#include "casm_entry_cells_test.moc"

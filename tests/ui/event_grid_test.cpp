#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "base/profile.h"
#include "base/ui/transient_message.h"
#include "base/ui/window_position.h"
#include "document/ui/event_row_painter.h"
#include "document/ui/event_table_model.h"

using document::ui::EventRowPainter;
using document::ui::EventTableModel;

namespace {

// A grid of four rows: note on, marker, an unknown meta type, track end.
struct Grid {
    document::Document doc;
    document::EventList& list = doc.events;
    EventTableModel model{doc};
    QTableView view;
    EventRowPainter painter{model, view};

    Grid() {
        for (auto bytes : {std::vector<std::uint8_t>{0x90, 60, 1}, std::vector<std::uint8_t>{0xFF, 0x06},
                           std::vector<std::uint8_t>{0xFF, 0x09}, std::vector<std::uint8_t>{0xFF, 0x2F, 0x00}})
            list.appendRow(document::eventRow(0, bytes));
        view.setModel(&model);
        view.setItemDelegate(&painter);
        view.verticalHeader()->setDefaultSectionSize(18);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.resize(700, 200);
        view.show();
    }
    QModelIndex at(int gridRow, int column) const { return model.index(EventTableModel::modelRow(gridRow), column); }
    QImage image() { return view.viewport()->grab().toImage(); }
    // Whether any pixel of the rectangle has the colour.
    bool has(const QImage& img, QRect r, QColor colour) const {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (QColor(img.pixel(x, y)) == colour) return true;
        return false;
    }
    bool hasDark(const QImage& img, QRect r) const {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(img.pixel(x, y)) < 60) return true;
        return false;
    }
};

QColor settingsColour(int v) { return document::ui::fromSettingsColour(v); }

}  // namespace

class EventGridTest : public QObject {
    Q_OBJECT
private slots:
    void modelServesTheListWithTheTrailingRow();
    void colourClassesAndTheCurrentRow();
    void shadedFillDarkensByThreePerLine();
    void selGlyphsWithColourMappingOnAndOff();
    void noticeClosesItselfAndWaitWindowStays();
    void dialogPlacesAreKeptOnScreen();
};

void EventGridTest::modelServesTheListWithTheTrailingRow() {
    Grid g;
    QCOMPARE(g.model.rowCount(), 5);  // four events and the trailing row
    QCOMPARE(g.model.data(g.at(2, document::ColText), Qt::DisplayRole).toString(), QString("Marker"));
    QCOMPARE(g.model.data(g.at(5, document::ColText), Qt::DisplayRole).toString(), QString());
    // Bytes above 7Fh come through unchanged, one character each.
    g.list.setText(1, document::ColData, "\xE9\xFF");
    QCOMPARE(g.model.data(g.at(1, document::ColData), Qt::DisplayRole).toString().toLatin1(), QByteArray("\xE9\xFF"));
    g.model.setFrozen(true);
    QCOMPARE(g.model.rowCount(), 1);
    QCOMPARE(g.model.data(g.at(1, document::ColText), Qt::DisplayRole).toString(), QString());
    g.model.setFrozen(false);
    QCOMPARE(g.model.rowCount(), 5);
}

void EventGridTest::colourClassesAndTheCurrentRow() {
    Grid g;
    g.view.setCurrentIndex(g.at(4, 2));
    const auto& builtin = document::builtinColours();
    auto colours = [&g](int row, int col) { return g.painter.cellColours(g.at(row, col)); };
    // Note on is class 18, marker 10, an unknown meta type 0.
    QCOMPARE(colours(1, 4).background, settingsColour(builtin[18].brush));
    QCOMPARE(colours(2, 4).background, settingsColour(builtin[10].brush));
    QCOMPARE(colours(2, 4).text, settingsColour(builtin[10].pen));
    QCOMPARE(colours(3, 4).background, QColor(Qt::white));
    // Column 0 stays white on black.
    QCOMPARE(colours(2, 0).background, QColor(Qt::white));
    // The current row swaps the colours; its "Sel" cell is white.
    QCOMPARE(colours(4, 6).background, settingsColour(builtin[12].pen));
    QCOMPARE(colours(4, 6).text, settingsColour(builtin[12].brush));
    QCOMPARE(colours(4, 1).background, QColor(Qt::white));
    // Colours from the settings replace the built-in ones.
    auto table = builtin;
    table[10].brush = 0x0000FF;  // red in the settings' byte order
    g.painter.setColours(table);
    QCOMPARE(colours(2, 4).background, QColor(255, 0, 0));
    // The drawn grid shows the marker row in that colour at the top of its cells.
    const QImage img = g.image();
    const QRect marker = g.view.visualRect(g.at(2, 6));
    QCOMPARE(QColor(img.pixel(marker.left() + 1, marker.top())), QColor(255, 0, 0));
}

void EventGridTest::shadedFillDarkensByThreePerLine() {
    const QImage fill = EventRowPainter::shadedFill(QColor(10, 200, 4), 18).toImage();
    QCOMPARE(fill.height(), 18);
    QCOMPARE(QColor(fill.pixel(0, 0)), QColor(10, 200, 4));
    QCOMPARE(QColor(fill.pixel(5, 1)), QColor(7, 197, 1));
    QCOMPARE(QColor(fill.pixel(5, 3)), QColor(1, 191, 0));  // never below 0
    QCOMPARE(QColor(fill.pixel(5, 17)), QColor(0, 149, 0));
}

void EventGridTest::selGlyphsWithColourMappingOnAndOff() {
    Grid g;
    g.list.setSelected(2, true);
    g.view.setCurrentIndex(g.at(3, 4));
    for (bool on : {true, false}) {
        g.painter.setUseColor(on);
        g.view.viewport()->update();
        const QImage img = g.image();
        auto mark = [&g](int row) {
            const QRect r = g.view.visualRect(g.at(row, document::ColSel));
            return QRect(r.left() + 1, r.top() + 1, 16, 16);
        };
        auto pointer = [&g](int row) {
            const QRect r = g.view.visualRect(g.at(row, document::ColSel));
            return QRect(r.left() + 17, r.top() + 1, 8, 16);
        };
        const QColor green(0, 128, 0);
        QVERIFY2(g.has(img, mark(2), green), on ? "colour on" : "colour off");
        QVERIFY(!g.has(img, mark(1), green));
        QVERIFY(!g.has(img, mark(3), green));
        QVERIFY(g.hasDark(img, pointer(3)));  // the pointer on the current row
        QVERIFY(!g.hasDark(img, pointer(1)));
    }
}

void EventGridTest::noticeClosesItselfAndWaitWindowStays() {
    base::ui::TransientMessage notice(nullptr, "Find message", "Not found...");
    QCOMPARE(notice.label()->text(), QString("Not found..."));
    notice.show();
    QTRY_VERIFY_WITH_TIMEOUT(!notice.isVisible(), 3000);
    QCOMPARE(notice.counter(), base::ui::TransientMessage::kCloseAfterTicks);

    auto* wait = base::ui::showWaitWindow(nullptr, "Removing Bank Change Messages...", "Wait...");
    QTest::qWait(900);  // more than seven ticks
    QVERIFY(wait->isVisible());
    QVERIFY(wait->counter() > base::ui::TransientMessage::kWaitCounter);
    delete wait;
}

void EventGridTest::dialogPlacesAreKeptOnScreen() {
    QTemporaryDir dir;
    const std::filesystem::path ini = dir.filePath("Ctabber.INI").toStdString();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    base::Profile p(ini);
    p.writeInt("Transpose", "Left", screen.width() + 500);
    p.writeInt("Transpose", "Top", 30);
    p.writeInt("Transpose", "Width", 300);
    p.writeInt("Transpose", "Height", 200);
    QVERIFY(p.save());
    {
        base::ui::RememberedDialog dialog(nullptr, ini, "Transpose");
        base::ui::restoreWindow(dialog, ini, "Transpose");
        QCOMPARE(dialog.x(), screen.width() - 300);
        QCOMPARE(dialog.y(), 30);
        QCOMPARE(dialog.size(), QSize(300, 200));
        dialog.move(40, 50);
        dialog.done(QDialog::Accepted);
    }
    const base::Profile back(ini);
    QCOMPARE(back.readInt("Transpose", "Left", 0), 40);
    QCOMPARE(back.readInt("Transpose", "Top", 0), 50);
    QCOMPARE(back.readInt("Transpose", "Width", 0), 300);
    // A dialog with no section keeps its present place.
    QWidget plain;
    plain.resize(123, 45);
    base::ui::restoreWindow(plain, ini, "Chan");
    QCOMPARE(plain.size(), QSize(123, 45));
}

QTEST_MAIN(EventGridTest)
#include "event_grid_test.moc"

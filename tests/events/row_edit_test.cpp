#include <gtest/gtest.h>

#include "document/document.h"
#include "events/row_edit.h"
#include "support/temp_dir.h"

using namespace document;

namespace {

EventList listOf(std::initializer_list<std::array<const char*, 4>> rows) {
    EventList list;
    for (const auto& r : rows) {
        auto& row = list.trailing();
        row.setCells({"1", "", r[0], "", r[1], r[2], r[3], "", ""});
        list.appendRow();
    }
    return list;
}

std::vector<std::string> column(const EventList& list, int c) {
    std::vector<std::string> out;
    for (int r = 1; r < list.rowCount(); ++r) out.emplace_back(list.row(r).cell(c));
    return out;
}

}  // namespace

TEST(RemoveBankEvents, KeepsRealBanksAndRemovesBankZeroKeepingTimes) {
    auto list = listOf({
        {"0", "B9 ", "10", "00 7F "},   // kept: a drum kit bank
        {"0", "B9 ", "10", "20 00 "},   // kept: LSB after a non-zero MSB
        {"5", "B0 ", "1", "00 00 "},    // removed
        {"7", "B0 ", "1", "20 00 "},    // removed: no non-zero MSB on channel 1
        {"3", "C0 ", "1", "05 "},
        {"2", "B1 ", "2", "07 64 "},    // other controllers stay
        {"4", "B1 ", "2", "20 01 "},    // removed
    });
    list.trailing().setCell(ColTick, "");
    EXPECT_EQ(events::removeBankEvents(list), 3);
    EXPECT_EQ(column(list, ColEvent), (std::vector<std::string>{"B9 ", "B9 ", "C0 ", "B1 ", ""}));
    EXPECT_EQ(column(list, ColTick), (std::vector<std::string>{"0", "0", "15", "2", "4"}));
    EXPECT_EQ(column(list, ColN), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(DeleteRow, AddsItsTickToTheNextRow) {
    auto list = listOf({{"10", "90 ", "1", "3C 64 "}, {"20", "80 ", "1", "3C 00 "}});
    events::deleteRow(list, 1);
    ASSERT_EQ(list.eventCount(), 1);
    EXPECT_EQ(list.row(1).cell(ColTick), "30");
}

TEST(BankBatch, WritesUnderscoreNameInTheProgramDirectory) {
    testing_support::TempWorkspace t;
    EXPECT_EQ(events::bankBatchTarget(t.ws, "/music/My Style.sty"), t.dir.file("_My Style.sty"));
    EXPECT_EQ(events::bankBatchTarget(t.ws, "C:\\styles\\a.prs"), t.dir.file("_a.prs"));
}

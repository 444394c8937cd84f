#include <gtest/gtest.h>

#include "document/document.h"
#include "events/row_edit.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::listOf;

namespace {

std::vector<std::string> column(const EventList& list, int c) {
    std::vector<std::string> out;
    for (int r = 1; r < list.rowCount(); ++r) out.push_back(cellText(list, r, c, {}));
    return out;
}

}  // namespace

TEST(RemoveBankEvents, KeepsRealBanksAndRemovesBankZeroKeepingTimes) {
    auto list = listOf({
        {0, {0xB9, 0x00, 0x7F}},  // kept: a drum kit bank
        {0, {0xB9, 0x20, 0x00}},  // kept: LSB after a non-zero MSB
        {5, {0xB0, 0x00, 0x00}},  // removed
        {7, {0xB0, 0x20, 0x00}},  // removed: no non-zero MSB on channel 1
        {3, {0xC0, 0x05}},
        {2, {0xB1, 0x07, 0x64}},  // other controllers stay
        {4, {0xB1, 0x20, 0x01}},  // removed
    });
    EXPECT_EQ(events::removeBankEvents(list), 3);
    EXPECT_EQ(column(list, ColEvent), (std::vector<std::string>{"B9 ", "B9 ", "C0 ", "B1 ", ""}));
    EXPECT_EQ(column(list, ColTick), (std::vector<std::string>{"0", "0", "15", "2", "4"}));
    EXPECT_EQ(column(list, ColN), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(DeleteRow, AddsItsTickToTheNextRow) {
    auto list = listOf({{10, {0x90, 0x3C, 0x64}}, {20, {0x80, 0x3C, 0x00}}});
    events::deleteRow(list, 1);
    ASSERT_EQ(list.eventCount(), 1);
    EXPECT_EQ(list.delta(1), 30u);
}

TEST(BankBatch, WritesUnderscoreNameInTheProgramDirectory) {
    testing_support::TempWorkspace t;
    EXPECT_EQ(events::bankBatchTarget(t.ws, "/music/My Style.sty"), t.dir.file("_My Style.sty"));
    EXPECT_EQ(events::bankBatchTarget(t.ws, "C:\\styles\\a.prs"), t.dir.file("_a.prs"));
}

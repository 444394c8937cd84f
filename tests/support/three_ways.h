#pragma once
// The check every edit of the event list gets: applied, taken back, applied again.
#include <gtest/gtest.h>

#include "document/list_edit.h"
#include "support/event_rows.h"

namespace testing_support {

// Applies an edit, checks that undo gives back the list it had and redo the
// edited one; leaves the edited list.
inline void applyThreeWays(document::EventList& list, document::Edit& edit) {
    const auto before = rowsOf(list);
    redo(list, edit);
    const auto after = rowsOf(list);
    undo(list, edit);
    ASSERT_EQ(rowsOf(list), before);
    redo(list, edit);
    ASSERT_EQ(rowsOf(list), after);
}

}  // namespace testing_support

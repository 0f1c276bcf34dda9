#include "StringList.h"

#include <gtest/gtest.h>

TEST(StringList, KeepsEntriesInTheOrderAdded) {
    TStringList List;
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.Add("first"), 0);
    EXPECT_EQ(List.Add("second"), 1);
    EXPECT_EQ(List.Add(""), 2);
    ASSERT_EQ(List.Count(), 3);
    EXPECT_EQ(List[0], "first");
    EXPECT_EQ(List[1], "second");
    EXPECT_EQ(List[2], "");
}

TEST(StringList, ReadingAPositionItDoesNotHoldRaisesWithThePosition) {
    TStringList List;
    List.Add("a");
    List.Add("b");
    struct Row {
        const char* Name;
        int Index;
        const char* Message;
    };
    const Row Rows[] = {
        {"just past the end", 2, "List index out of bounds (2)"},
        {"far past the end", 7, "List index out of bounds (7)"},
        {"negative", -1, "List index out of bounds (-1)"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        try {
            (void)List[R.Index];
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& E) {
            EXPECT_STREQ(E.what(), R.Message);
            EXPECT_NE(dynamic_cast<const TStringListError*>(&E), nullptr);
        }
    }
}

TEST(StringList, AnEmptyListHoldsNoPosition) {
    TStringList List;
    EXPECT_EQ(List.Count(), 0);
    EXPECT_THROW((void)List[0], TStringListError);
}

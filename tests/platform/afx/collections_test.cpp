// CPtrArray: growth, insertion, removal, and bad indexes answered safely.
#include "afx_fixture.h"

#include <afxcoll.h>

namespace {

using CollectionsTest = AfxTest;

int g_items[8];
void* Item(int i) {
    return &g_items[i];
}

TEST_F(CollectionsTest, AddInsertRemoveKeepOrder) {
    CPtrArray array;
    EXPECT_EQ(array.GetSize(), 0);
    EXPECT_EQ(array.Add(Item(0)), 0);
    EXPECT_EQ(array.Add(Item(2)), 1);
    array.InsertAt(1, Item(1));
    array.InsertAt(3, Item(3), 2);
    ASSERT_EQ(array.GetSize(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(array[i], Item(i)) << i;
    EXPECT_EQ(array.GetAt(4), Item(3));

    array.RemoveAt(1, 2);
    ASSERT_EQ(array.GetSize(), 3);
    EXPECT_EQ(array[1], Item(3));
    array.SetAt(0, Item(5));
    EXPECT_EQ(array.GetAt(0), Item(5));
    array[2] = Item(6);
    EXPECT_EQ(array.GetAt(2), Item(6));
    array.RemoveAll();
    EXPECT_EQ(array.GetSize(), 0);
}

TEST_F(CollectionsTest, BadIndexesDoNoHarm) {
    testing::internal::CaptureStderr(); // the debug build reports each misuse
    CPtrArray array;
    array.Add(Item(0));
    EXPECT_EQ(array.GetAt(5), nullptr);
    EXPECT_EQ(array.GetAt(-1), nullptr);
    array.SetAt(7, Item(1));
    array.RemoveAt(9);
    array.RemoveAt(0, 50); // removes what exists
    EXPECT_EQ(array.GetSize(), 0);
    array[3] = Item(2); // written into a scratch element, not past the end
    EXPECT_EQ(array.GetSize(), 0);
    // Inserting past the end grows the array with empty slots first.
    array.InsertAt(2, Item(4));
    ASSERT_EQ(array.GetSize(), 3);
    EXPECT_EQ(array[0], nullptr);
    EXPECT_EQ(array[2], Item(4));
    array.SetAtGrow(5, Item(5));
    EXPECT_EQ(array.GetSize(), 6);
    testing::internal::GetCapturedStderr();
}

} // namespace

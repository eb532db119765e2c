// The pane record is filled by hosts field by field and travels as three 32-bit values in this
// order; its layout is part of the library's interface.
#include <ruzav32/status.h>

#include <gtest/gtest.h>

#include <cstddef>

static_assert(sizeof(tagCKStatusBarPane) == 12, "three 32-bit fields");
static_assert(offsetof(tagCKStatusBarPane, nIndicatorID) == 0, "indicator first");
static_assert(offsetof(tagCKStatusBarPane, nMessageID) == 4, "message second");
static_assert(offsetof(tagCKStatusBarPane, nWidth) == 8, "width last");

TEST(PaneRecord, AggregateInitialisationFollowsTheFieldOrder) {
    const tagCKStatusBarPane pane = {57600, 0x8001, 40};
    EXPECT_EQ(pane.nIndicatorID, 57600u);
    EXPECT_EQ(pane.nMessageID, 0x8001u);
    EXPECT_EQ(pane.nWidth, 40u);
}

// Temporary framework wrappers are kept for reuse once their handle goes: a reused wrapper must
// wrap its new handle, be of the class asked for, and never stand for two live handles at once.
#include "gdi_fixture.h"

#include <afxwin.h>

#include <set>

namespace {

using TemporaryWrappers = GdiTest;

TEST_F(TemporaryWrappers, ARecycledDcWrapperWrapsItsNewHandle) {
    for (int round = 0; round < 100; ++round) {
        HDC first = CreateCompatibleDC(nullptr);
        HDC second = CreateCompatibleDC(nullptr);
        CDC* a = CDC::FromHandle(first);
        CDC* b = CDC::FromHandle(second);
        ASSERT_NE(a, b);
        EXPECT_EQ(a->m_hDC, first);
        EXPECT_EQ(b->m_hDC, second);
        EXPECT_EQ(b->m_hAttribDC, second);
        EXPECT_EQ(CDC::FromHandle(first), a) << "stays the same until the handle goes";
        DeleteDC(first);
        EXPECT_EQ(b->m_hDC, second) << "dropping one leaves the other";
        EXPECT_EQ(CDC::FromHandle(second), b);
        DeleteDC(second);
    }
}

TEST_F(TemporaryWrappers, ManyLiveDcWrappersStayDistinctBeyondThePool) {
    std::set<CDC*> wrappers;
    HDC dcs[80];
    for (HDC& dc : dcs) {
        dc = CreateCompatibleDC(nullptr);
        wrappers.insert(CDC::FromHandle(dc));
    }
    EXPECT_EQ(wrappers.size(), 80u);
    for (HDC dc : dcs) {
        EXPECT_EQ(CDC::FromHandle(dc)->m_hDC, dc);
    }
    CDC::DeleteTempMap();
    for (HDC dc : dcs) {
        EXPECT_EQ(CDC::FromHandle(dc)->m_hDC, dc);
        DeleteDC(dc);
    }
}

TEST_F(TemporaryWrappers, ARecycledObjectWrapperIsOfTheClassAskedFor) {
    for (int round = 0; round < 50; ++round) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        CPen* p = CPen::FromHandle(pen);
        ASSERT_TRUE(p->IsKindOf(RUNTIME_CLASS(CPen)));
        DeleteObject(pen);
        HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
        CBrush* b = CBrush::FromHandle(brush);
        ASSERT_TRUE(b->IsKindOf(RUNTIME_CLASS(CBrush)));
        EXPECT_FALSE(b->IsKindOf(RUNTIME_CLASS(CPen)));
        EXPECT_EQ(b->m_hObject, brush);
        CGdiObject* g = CGdiObject::FromHandle(brush);
        EXPECT_NE(static_cast<CGdiObject*>(b), g) << "one wrapper per class asked for";
        EXPECT_EQ(g->m_hObject, brush);
        DeleteObject(brush);
    }
    CGdiObject::DeleteTempMap();
}

TEST_F(TemporaryWrappers, AttachAfterRecycledNodesStillFindsTheNewestOwner) {
    HDC raw = CreateCompatibleDC(nullptr);
    {
        CDC first;
        CDC second;
        first.Attach(raw);
        second.Attach(raw);
        EXPECT_EQ(CDC::FromHandle(raw), &second);
        first.Detach();
        EXPECT_EQ(CDC::FromHandle(raw), &second);
        second.Detach();
        CDC* temp = CDC::FromHandle(raw);
        EXPECT_NE(temp, &second);
        EXPECT_EQ(temp->m_hDC, raw);
    }
    DeleteDC(raw);
}

TEST_F(TemporaryWrappers, AHandleDeletedBehindItsOwnerDoesNotAnswerForItsSuccessor) {
    CBrush owner;
    owner.Attach(CreateSolidBrush(RGB(1, 2, 3)));
    ::DeleteObject(owner.m_hObject);
    HBRUSH next = CreateSolidBrush(RGB(4, 5, 6)); // takes the deleted brush's place
    CGdiObject* found = CGdiObject::FromHandle(next);
    EXPECT_NE(found, static_cast<CGdiObject*>(&owner));
    EXPECT_EQ(found->m_hObject, next);
    owner.Detach();
    DeleteObject(next);
}

} // namespace

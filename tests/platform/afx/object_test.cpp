// Run-time class records: derivation, as IsKindOf reads it, and failed assertions. Dynamic
// creation serves the temporary GDI wrappers (tests/platform/gdi/temp_wrapper_reuse_test.cpp).
#include "afx_fixture.h"

namespace {

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
};
IMPLEMENT_DYNAMIC(CAnimal, CObject)

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
};
IMPLEMENT_DYNCREATE(CDog, CAnimal)

class CPuppy : public CDog {
    DECLARE_SERIAL(CPuppy)
};
IMPLEMENT_SERIAL(CPuppy, CDog, 2)

using RuntimeClassTest = AfxTest;

TEST_F(RuntimeClassTest, IsKindOfFollowsTheChainUpOnly) {
    CPuppy puppy;
    CAnimal* pAnimal = &puppy;
    EXPECT_EQ(pAnimal->GetRuntimeClass(), RUNTIME_CLASS(CPuppy));
    EXPECT_TRUE(pAnimal->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pAnimal->IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_FALSE(CDog().IsKindOf(RUNTIME_CLASS(CPuppy)));
    EXPECT_FALSE(pAnimal->IsKindOf(nullptr));
}

TEST_F(RuntimeClassTest, FailedAssertionsAreCountedNotFatal) {
#ifdef NDEBUG
    GTEST_SKIP() << "assertions compile away in release builds";
#else
    testing::internal::CaptureStderr();
    ASSERT(1 + 1 == 3);
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(desktop::AfxAssertFailures(), 1);
    EXPECT_NE(report.find("object_test.cpp"), std::string::npos);
#endif
}

} // namespace

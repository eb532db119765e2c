// Run-time class records: derivation, dynamic creation and lookup by name.
#include "afx_fixture.h"

namespace {

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
};
IMPLEMENT_DYNAMIC(CAnimal, CObject)

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
public:
    int m_nLegs = 4;
};
IMPLEMENT_DYNCREATE(CDog, CAnimal)

class CPuppy : public CDog {
    DECLARE_SERIAL(CPuppy)
};
IMPLEMENT_SERIAL(CPuppy, CDog, 2)

using RuntimeClassTest = AfxTest;

TEST_F(RuntimeClassTest, RecordsCarryNameSizeAndBase) {
    const CRuntimeClass* pClass = RUNTIME_CLASS(CDog);
    EXPECT_STREQ(pClass->m_lpszClassName, "CDog");
    EXPECT_EQ(pClass->m_nObjectSize, static_cast<int>(sizeof(CDog)));
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CAnimal));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CPuppy)->m_wSchema, 2u);
}

TEST_F(RuntimeClassTest, IsKindOfFollowsTheChainUpOnly) {
    CPuppy puppy;
    CAnimal* pAnimal = &puppy;
    EXPECT_EQ(pAnimal->GetRuntimeClass(), RUNTIME_CLASS(CPuppy));
    EXPECT_TRUE(pAnimal->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pAnimal->IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_FALSE(CDog().IsKindOf(RUNTIME_CLASS(CPuppy)));
    EXPECT_FALSE(pAnimal->IsKindOf(nullptr));
    EXPECT_TRUE(puppy.IsSerializable());
    EXPECT_FALSE(CDog().IsSerializable());
}

TEST_F(RuntimeClassTest, DynamicCreationMakesTheRightClass) {
    CObject* pObject = RUNTIME_CLASS(CDog)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_EQ(static_cast<CDog*>(pObject)->m_nLegs, 4);
    delete pObject;

    // A class declared only DYNAMIC cannot be made this way.
    EXPECT_EQ(RUNTIME_CLASS(CAnimal)->CreateObject(), nullptr);
}

TEST_F(RuntimeClassTest, ClassesAreFoundByName) {
    EXPECT_EQ(CRuntimeClass::FromName("CPuppy"), RUNTIME_CLASS(CPuppy));
    EXPECT_EQ(CRuntimeClass::FromName("CWnd"), RUNTIME_CLASS(CWnd));
    EXPECT_EQ(CRuntimeClass::FromName("cpuppy"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);

    CObject* pObject = CRuntimeClass::CreateObject("CPuppy");
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CPuppy));
    delete pObject;
    EXPECT_EQ(CRuntimeClass::CreateObject("CAnimal"), nullptr);
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

// Module state: the host's resource chain, extension modules and window classes of the
// framework.
#include "afx_fixture.h"

#include <platform_modules.h>
#include <resources.h>

namespace {

using ModuleStateTest = AfxTest;

int g_anchor;

TEST_F(ModuleStateTest, TheHostIsTheDefaultInstanceAndResourceModule) {
    HINSTANCE hHost = ::GetModuleHandleA(NULL);
    EXPECT_EQ(AfxGetInstanceHandle(), hHost);
    EXPECT_EQ(AfxGetResourceHandle(), hHost);
    HMODULE hOther = platform::RegisterModule("OTHER", &g_anchor);
    AfxSetResourceHandle(hOther);
    EXPECT_EQ(AfxGetResourceHandle(), hOther);
    desktop::reset();
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleA(NULL));
}

TEST_F(ModuleStateTest, ResourcesAreFoundInTheHostChainOnly) {
    HINSTANCE hHost = ::GetModuleHandleA(NULL);
    HMODULE hLibrary = platform::RegisterModule("EXTLIB", &g_anchor);
    HMODULE hJoined = platform::RegisterModule("JOINED", &g_anchor);
    resources::AddBitmap(hHost, "HOSTBMP", {});
    resources::AddBitmap(hLibrary, "LIBBMP", {});
    resources::AddBitmap(hJoined, "JOINEDBMP", {});

    AFX_EXTENSION_MODULE library = {};
    EXPECT_TRUE(AfxInitExtensionModule(library, hLibrary));
    EXPECT_TRUE(library.bInitialized);
    EXPECT_EQ(library.hModule, hLibrary);
    EXPECT_EQ(library.hResource, hLibrary);
    AFX_EXTENSION_MODULE unusable = {};
    EXPECT_FALSE(AfxInitExtensionModule(unusable, NULL));

    EXPECT_EQ(AfxFindResourceHandle("HOSTBMP", RT_BITMAP), hHost);
    // A module that only initialised itself is not in the chain: the host answers.
    EXPECT_EQ(AfxFindResourceHandle("LIBBMP", RT_BITMAP), hHost);

    AFX_EXTENSION_MODULE joined = {};
    AfxInitExtensionModule(joined, hJoined);
    CDynLinkLibrary* pLink = new CDynLinkLibrary(joined);
    EXPECT_EQ(AfxFindResourceHandle("JOINEDBMP", RT_BITMAP), hJoined);
    EXPECT_EQ(AfxFindResourceHandle("MISSING", RT_BITMAP), hHost);
    delete pLink;
    EXPECT_EQ(AfxFindResourceHandle("JOINEDBMP", RT_BITMAP), hHost);
}

TEST_F(ModuleStateTest, RegisteredClassesUseTheFrameworkProcedureAndAreShared) {
    LPCSTR first = AfxRegisterWndClass(CS_DBLCLKS);
    LPCSTR again = AfxRegisterWndClass(CS_DBLCLKS);
    LPCSTR other = AfxRegisterWndClass(0);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, again);
    EXPECT_STRNE(first, other);
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), first, &wc));
    EXPECT_EQ(wc.lpfnWndProc, AfxGetAfxWndProc());
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
}

} // namespace

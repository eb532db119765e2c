// A desktop with a host window for the spin control's value tests: a top-level parent that
// records the notifications it receives, and helpers to make a "CKSpin" control the way a
// dialog template does, read its fields and put text in them.
#pragma once

#include <desktop.h>
#include <ruzav32/spin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace spin_value_test {

// CKSpin with its value members in reach, for checks that have no field to look at.
class SpinProbe : public CKSpin {
public:
    using CKSpin::GetOrder;
    using CKSpin::GetPos;
    using CKSpin::GetVal;
    using CKSpin::IsValidDigit;
    using CKSpin::m_Date;
    using CKSpin::m_eDateOrder;
    using CKSpin::m_eValueType;
    using CKSpin::m_fValue;
    using CKSpin::m_nFocus;
    using CKSpin::m_nValue;
    using CKSpin::m_szAM;
    using CKSpin::m_szDateSep;
    using CKSpin::m_szPM;
    using CKSpin::m_szTimeSep;
    using CKSpin::m_Time;
};

struct Notification {
    UINT id;
    UINT code;
    HWND from;
};

class SpinValueTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Pins the user profile ("[Intl]" lines) before a control is made.
    static void SetIntl(const std::string& lines);
    static void SetYear(WORD year);

    // A control made from its window class, as a dialog template makes it, configured by the
    // given call with the host window as parent.
    CKSpin* MakeControl();
    CKSpin* MakeInt(int nMin, int nMax, int nValue, int nStep);
    CKSpin* MakeFloat(float fMin, float fMax, float fValue, float fStep);
    CKSpin* MakeKind(eSpinValueTypes eType);

    HWND Field(int n) const; // 1..3
    std::string FieldText(int n) const;
    void SetFieldText(int n, const char* text) const;
    // Gives field n the keyboard focus and clicks the up (+1) or down (-1) arrow.
    void ClickArrow(int field, int direction) const;

    HWND m_hHost = nullptr;
    CWnd m_host;
    HWND m_hSpin = nullptr;

public:
    // Every WM_COMMAND the host window received, in order.
    static std::vector<Notification> s_notifications;
};

} // namespace spin_value_test

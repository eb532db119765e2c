// The value tests' view of one control (identifier 1) in a host dialog, made as each test
// needs it, with its fields and, for a control without windows, its members in reach.
#pragma once

#include "window_host.h"

#include <memory>

namespace spin_test {

// CKSpin with its value members in reach, for checks that have no field to look at.
class SpinProbe : public CKSpin {
public:
    using CKSpin::IsValidDigit;
    using CKSpin::m_Date;
    using CKSpin::m_eDateOrder;
    using CKSpin::m_nFocus;
    using CKSpin::m_nValue;
    using CKSpin::m_szAM;
    using CKSpin::m_szDateSep;
    using CKSpin::m_szPM;
    using CKSpin::m_szTimeSep;
};

class SpinValueTest : public SpinWindowTest {
protected:
    // A control configured by the overload the plan's kind picks (or not at all), without Set.
    CKSpin* Make(ControlPlan plan) {
        plan.setValue = false;
        dialog_ = std::make_unique<SpinDialog>(std::vector<ControlPlan>{plan});
        return dialog_->spin(1);
    }
    CKSpin* MakeInt(int nMin, int nMax, int nStep) {
        ControlPlan plan;
        plan.nMin = nMin;
        plan.nMax = nMax;
        plan.nStep = nStep;
        return Make(plan);
    }
    CKSpin* MakeKind(eSpinValueTypes eType) {
        ControlPlan plan;
        plan.kind = eType;
        return Make(plan);
    }

    HWND Field(int n) const { return dialog_->field(1, n); }
    std::string FieldText(int n) const { return dialog_->fieldText(1, n); }
    void SetFieldText(int n, const char* text) const { ::SetWindowTextA(Field(n), text); }
    // Gives field n the keyboard focus and clicks the up (+1) or down (-1) arrow.
    void ClickArrowOf(int field, int direction) const {
        ::SetFocus(Field(field));
        ::SendMessageA(dialog_->control(1), WM_VSCROLL, direction > 0 ? SB_LINEUP : SB_LINEDOWN,
                       reinterpret_cast<LPARAM>(dialog_->arrows(1)));
    }

    std::unique_ptr<SpinDialog> dialog_;
};

} // namespace spin_test

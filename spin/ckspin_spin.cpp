// CKSpin's steps: the arrows, the arrow keys and the page keys all end here.
#include <ruzav32/spin.h>

#include "spin/ckspin_value_fields.h"
#include "spin/logic/value_step.h"

#include <string>

namespace rs = ruzav::spin;

void CKSpin::Spin(int nStep) {
    m_nFocus = GetnFocus();
    // Typed text counts; when it cannot be read the step applies to the value held before.
    GetVal();
    switch (m_eValueType) {
    case eSpinInt:
        rs::StepWholeNumber(m_nValue, m_nMin, m_nMax, m_nStep, nStep);
        break;
    case eSpinFloat:
        rs::StepFraction(m_fValue, m_fMin, m_fMax, m_fStep, nStep);
        break;
    case eSpinTime: {
        // The designator the field shows decides the switch.
        const bool hasField3 = rs::HasWindow(m_pEdit3);
        const std::string designator = rs::FieldText(m_pEdit3);
        rs::StepTime(m_Time, m_nFocus, nStep, hasField3 ? designator.c_str() : nullptr,
                     rs::Designators{m_szAM, m_szPM});
        break;
    }
    case eSpinDate:
        rs::StepDate(m_Date, m_eDateOrder, m_nFocus, nStep);
        break;
    default:
        break;
    }
    Update();
    Notify(nStep >= 0 ? 100 : 101);
}

eDateFocus CKSpin::GetDateChange(int nField, int nAmount) {
    return rs::AddToDateField(m_Date, m_eDateOrder, nField, nAmount);
}

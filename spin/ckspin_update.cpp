// CKSpin's fields and its value: Update shows the value, GetVal reads typed text back.
//
// The rules are the value logic's; here the control only reads and writes its field windows
// and the two regional settings that may change while it runs ("iTime", "iTLZero").
#include <ruzav32/spin.h>

#include "spin/ckspin_value_fields.h"
#include "spin/logic/field_format.h"
#include "spin/logic/field_parse.h"
#include "spin/logic/regional.h"

#include <string>

namespace rs = ruzav::spin;

namespace {

int ReadClock() {
    return static_cast<int>(::GetProfileIntA(rs::kIntlSection, rs::kKeyClock, rs::kDefaultClock));
}

rs::ClockSettings ReadClockSettings() {
    rs::ClockSettings settings;
    settings.nClock = ReadClock();
    settings.nLeadZero = static_cast<int>(
        ::GetProfileIntA(rs::kIntlSection, rs::kKeyLeadZero, rs::kDefaultLeadZero));
    return settings;
}

} // namespace

void CKSpin::Update() {
    if (!rs::HasWindow(m_pEdit1)) {
        return;
    }
    rs::FieldTexts texts;
    switch (m_eValueType) {
    case eSpinInt:
        rs::FormatIntField(m_nValue, texts.szField[0]);
        break;
    case eSpinFloat:
        rs::FormatFloatField(m_fValue, texts.szField[0]);
        break;
    case eSpinTime:
        rs::FormatTimeFields(m_Time, ReadClockSettings(), rs::Designators{m_szAM, m_szPM}, texts);
        break;
    case eSpinDate:
        rs::FormatDateFields(m_Date, m_eDateOrder, texts);
        break;
    default:
        break;
    }
    rs::ShowFieldText(m_pEdit1, texts.szField[0]);
    rs::ShowFieldText(m_pEdit2, texts.szField[1]);
    rs::ShowFieldText(m_pEdit3, texts.szField[2]);
}

BOOL CKSpin::GetVal() {
    if (!rs::HasWindow(m_pEdit1)) {
        return FALSE;
    }
    const std::string text1 = rs::FieldText(m_pEdit1);
    switch (m_eValueType) {
    case eSpinInt:
        return rs::ParseIntField(text1.c_str(), m_nValue);
    case eSpinFloat:
        return rs::ParseFloatField(text1.c_str(), m_fValue);
    case eSpinTime:
    case eSpinDate: {
        const std::string text2 = rs::FieldText(m_pEdit2);
        const std::string text3 = rs::FieldText(m_pEdit3);
        const char* fields[3] = {text1.c_str(), rs::HasWindow(m_pEdit2) ? text2.c_str() : nullptr,
                                 rs::HasWindow(m_pEdit3) ? text3.c_str() : nullptr};
        if (m_eValueType == eSpinTime) {
            return rs::ParseTimeFields(fields, ReadClock(), rs::Designators{m_szAM, m_szPM},
                                       m_Time);
        }
        return rs::ParseDateFields(fields, m_eDateOrder, rs::CurrentYear(), m_Date);
    }
    default:
        // A field 1 that is blank fails first, as for every kind.
        return FALSE;
    }
}

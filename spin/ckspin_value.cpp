// CKSpin's value model: construction with the regional settings, configuration, and the
// exchange of values with the host (Set, Get).
//
// Index: regional settings - constructor - SetProperties - Set - Get - small queries.
#include <ruzav32/spin.h>

#include "spin/ckspin_value_fields.h"
#include "spin/ckspin_window_internal.h"
#include "spin/logic/date_order.h"
#include "spin/logic/date_value.h"
#include "spin/logic/field_format.h"
#include "spin/logic/regional.h"
#include "spin/logic/valid_char.h"
#include "spin/logic/value_normalise.h"

#include <cstring>

namespace rs = ruzav::spin;

IMPLEMENT_DYNCREATE(CKSpin, CWnd)

namespace {

// The length of the longest number text the field has to take: the value at either limit in
// the field's own format. Integers take at least 2 characters, fractions at least 7.
int IntFieldLength(int nMin, int nMax) {
    char text[rs::kFieldTextSize];
    rs::FormatIntField(nMin, text);
    const std::size_t minLength = std::strlen(text);
    rs::FormatIntField(nMax, text);
    const std::size_t maxLength = std::strlen(text);
    return static_cast<int>(minLength > maxLength ? minLength : maxLength);
}

int FloatFieldLength(float fMin, float fMax) {
    char text[rs::kFieldTextSize];
    rs::FormatFloatField(fMin, text);
    const std::size_t minLength = std::strlen(text);
    rs::FormatFloatField(fMax, text);
    const std::size_t maxLength = std::strlen(text);
    return static_cast<int>(minLength > maxLength ? minLength : maxLength);
}

} // namespace

CKSpin::CKSpin()
    : m_nFocus(1), m_nMin(0), m_nMax(0), m_nValue(0), m_nStep(0), m_fMin(0.0f), m_fMax(0.0f),
      m_fValue(0.0f), m_fStep(0.0f), m_szAM(), m_szPM(), m_szTimeSep(), m_szDateSep(),
      m_bAutoDelete(FALSE), m_hThinFont(nullptr), m_Time(), m_Date(), m_pParent(nullptr),
      m_pSep1(nullptr), m_pSep2(nullptr), m_pEdit1(nullptr), m_pEdit2(nullptr), m_pEdit3(nullptr),
      m_pSpinButton(nullptr), m_eDateOrder(eDateOrderFirst), m_eValueType(eSpinInt) {
    // Before the host sets a value the fields show midnight and 1 January 1980, the first date
    // the control accepts, instead of a date that Get would refuse.
    m_Date.nDay = 1;
    m_Date.nMonth = 1;
    m_Date.nYear = 1980;

    ::GetProfileStringA(rs::kIntlSection, rs::kKeyDateSep, rs::kDefaultDateSep, m_szDateSep,
                        sizeof m_szDateSep);
    ::GetProfileStringA(rs::kIntlSection, rs::kKeyTimeSep, rs::kDefaultTimeSep, m_szTimeSep,
                        sizeof m_szTimeSep);
    ::GetProfileStringA(rs::kIntlSection, rs::kKeyAM, rs::kDefaultAM, m_szAM, sizeof m_szAM);
    ::GetProfileStringA(rs::kIntlSection, rs::kKeyPM, rs::kDefaultPM, m_szPM, sizeof m_szPM);

    SetProperties(nullptr, 0, 0, 0, 0);

    char pattern[rs::kPatternSize] = {};
    char delimiters[rs::kPatternSize] = {};
    ::GetProfileStringA(rs::kIntlSection, rs::kKeyShortDate, rs::kDefaultShortDate, pattern,
                        sizeof pattern);
    ::GetProfileStringA(rs::kIntlSection, rs::kKeyDateSep, rs::kDefaultDateSep, delimiters,
                        sizeof delimiters);
    m_eDateOrder = rs::DateOrderFromPattern(pattern, delimiters);
}

void CKSpin::SetProperties(CWnd* pParent, int nMin, int nMax, int nValue, int nStep) {
    m_eValueType = eSpinInt;
    m_pParent = pParent;
    m_nMin = nMin;
    m_nMax = nMax;
    m_nValue = nValue;
    m_nStep = nStep;
    if (pParent != nullptr) {
        Create();
    }
    // The number field takes the text of either limit. Set after the field exists, so that it
    // holds at the first configuration as well as at a later one.
    if (ruzav::spin::HasWindow(m_pEdit1)) {
        m_pEdit1->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(IntFieldLength(nMin, nMax)), 0);
    }
}

void CKSpin::SetProperties(CWnd* pParent, float fMin, float fMax, float fValue, float fStep) {
    m_eValueType = eSpinFloat;
    m_pParent = pParent;
    m_fMin = fMin;
    m_fMax = fMax;
    m_fValue = fValue;
    m_fStep = fStep;
    if (pParent != nullptr) {
        Create();
    }
    if (ruzav::spin::HasWindow(m_pEdit1)) {
        m_pEdit1->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(FloatFieldLength(fMin, fMax)), 0);
    }
}

void CKSpin::SetProperties(CWnd* pParent, eSpinValueTypes eType) {
    m_pParent = pParent;
    m_eValueType = eType;
    if (eType == eSpinTime) {
        const std::size_t am = std::strlen(m_szAM);
        const std::size_t pm = std::strlen(m_szPM);
        LimitText(static_cast<int>(am > pm ? am : pm));
    } else if (eType == eSpinDate) {
        LimitText(0);
    }
    if (pParent != nullptr) {
        Create();
    }
}

void CKSpin::Set(const void* pValue) {
    if (pValue != nullptr) {
        switch (m_eValueType) {
        case eSpinInt:
            std::memcpy(&m_nValue, pValue, sizeof m_nValue);
            break;
        case eSpinFloat:
            std::memcpy(&m_fValue, pValue, sizeof m_fValue);
            break;
        case eSpinTime:
            std::memcpy(&m_Time, pValue, sizeof m_Time);
            rs::NormaliseTime(m_Time);
            break;
        case eSpinDate:
            // Only the five bytes a host's record is sure to have.
            std::memcpy(&m_Date, pValue, kSpinDateBytes);
            rs::NormaliseDate(m_Date);
            break;
        default:
            break;
        }
    }
    Update();
}

BOOL CKSpin::Get(void* pValue) {
    if (!GetVal()) {
        return FALSE;
    }
    switch (m_eValueType) {
    case eSpinInt:
        if (pValue != nullptr) {
            std::memcpy(pValue, &m_nValue, sizeof m_nValue);
        }
        return pValue != nullptr;
    case eSpinFloat:
        if (pValue != nullptr) {
            std::memcpy(pValue, &m_fValue, sizeof m_fValue);
        }
        return pValue != nullptr;
    case eSpinTime: {
        const auto hour = static_cast<signed char>(m_Time.nHour);
        const auto minute = static_cast<signed char>(m_Time.nMinute);
        if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || pValue == nullptr) {
            return FALSE;
        }
        std::memcpy(pValue, &m_Time, sizeof m_Time);
        return TRUE;
    }
    case eSpinDate:
        // A year typed short of the present is taken as one of the coming century; the member
        // keeps the moved year.
        m_Date.nYear = static_cast<std::uint16_t>(rs::YearForHost(m_Date.nYear, rs::CurrentYear()));
        if (!rs::IsDateInRange(m_Date.nDay, m_Date.nMonth, m_Date.nYear) || pValue == nullptr) {
            return FALSE;
        }
        std::memcpy(pValue, &m_Date, kSpinDateBytes);
        return TRUE;
    default:
        return FALSE;
    }
}

eSpinValueTypes CKSpin::GetValueType() const {
    return m_eValueType;
}

BOOL CKSpin::IsValidDigit(char c) {
    return rs::IsValidSpinChar(c, m_eValueType, m_szAM, m_szPM, m_szDateSep, m_szTimeSep);
}

eDatePos CKSpin::GetPos(const char* pszPiece) {
    return rs::DatePiecePos(pszPiece);
}

eDateOrder CKSpin::GetOrder(eDatePos ePos1, eDatePos ePos2, eDatePos ePos3) {
    return rs::DateOrderOf(ePos1, ePos2, ePos3);
}

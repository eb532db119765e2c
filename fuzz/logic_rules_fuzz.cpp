// The framework-free rules on any input: keystroke rules, short-date patterns, valid
// characters, layout, placement, normalising, stepping and help file names. Each must stay
// within its buffers and keep the promise its caller relies on: an accepted digit is a digit
// and never a third one in a day or month, every pattern gives an order with one field per
// component, rectangles never turn inside out, a placed window that fits stays in the work
// area, and every step ends on a value the control can show.
//
// Input: a selector byte, then the bytes each rule reads (numbers little-endian, texts up to a
// NUL or the end).
#include "frame/logic/help_file_name.h"
#include "frame/logic/window_placement.h"
#include "spin/logic/date_order.h"
#include "spin/logic/date_value.h"
#include "spin/logic/days_in_month.h"
#include "spin/logic/keystroke.h"
#include "spin/logic/layout.h"
#include "spin/logic/valid_char.h"
#include "spin/logic/value_normalise.h"
#include "spin/logic/value_step.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace ruzav::spin;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        }
        return static_cast<std::int32_t>(v);
    }
    float Float() {
        const std::int32_t bits = Int();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    std::string Text() {
        std::string text;
        while (at_ < size_ && data_[at_] != 0) {
            text += static_cast<char>(data_[at_++]);
        }
        ++at_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool IsDigit(unsigned ch) {
    return ch >= '0' && ch <= '9';
}

void Keystrokes(Input& in) {
    const int clock = in.Byte() % 3;
    const int lead = in.Byte() % 2;
    const int field = in.Byte() % 4;
    const unsigned ch = in.Byte() | (in.Byte() & 1u) << 8;
    const long start = in.Int() % 64;
    const long end = in.Int() % 64;
    const std::string text = in.Text();
    const DigitVerdict time = CheckTimeDigit(clock, lead, field, ch, text.c_str(), start, end);
    Require(!time.accepted || IsDigit(ch));
    const DigitVerdict date = CheckDateDigit(field, ch, text.c_str(), start, end);
    Require(!date.accepted || IsDigit(ch));
    if (date.accepted && (field == kComponentDay || field == kComponentMonth)) {
        std::size_t digits = 0;
        for (char c : text) {
            digits += IsDigit(static_cast<unsigned char>(c)) ? 1 : 0;
        }
        Require(digits <= 1);
    }
    const std::string am = in.Text().substr(0, 31);
    const std::string pm = in.Text().substr(0, 31);
    const Designator picked = ChooseDesignator(ch, am.c_str(), pm.c_str());
    Require(picked != Designator::Morning || !am.empty());
    Require(picked != Designator::Afternoon || !pm.empty());
}

void Patterns(Input& in) {
    const std::string pattern = in.Text();
    const std::string delimiters = in.Text();
    const eDateOrder order = DateOrderFromPattern(pattern.c_str(), delimiters.c_str());
    Require(order >= eDateOrderFirst && order <= eDateOrderLast);
    int seen = 0;
    for (int field = 1; field <= 3; ++field) {
        const eDateFocus component = DateFieldComponent(order, field);
        Require(component >= eFocusDay && component <= eFocusYear);
        Require(DateFieldOf(order, component) == field);
        seen |= 1 << component;
    }
    Require(seen == 0xE);
    const eDatePos pos = DatePiecePos(pattern.c_str());
    Require(pos >= ePosUnknown && pos <= ePosYYYY);
    const char c = static_cast<char>(in.Byte());
    Require(c != '\0' || !IsValidSpinChar(c, static_cast<eSpinValueTypes>(in.Byte() % 5),
                                          pattern.c_str(), delimiters.c_str(), "/", ":"));
}

void Layout(Input& in) {
    const LayoutRect client{in.Int(), in.Int(), in.Int(), in.Int()};
    const int kind = in.Byte() % 6 - 1;
    const SpinLayout l = CalculateSpinLayout(client, kind, in.Byte() % 48, in.Byte() % 3);
    const LayoutRect* rects[] = {&l.field1, &l.sep1, &l.field2, &l.sep2, &l.field3};
    const int shown = LaidOutKind(kind) == kLayoutInt || LaidOutKind(kind) == kLayoutFloat ? 1 : 5;
    for (int i = 0; i < shown; ++i) {
        Require(rects[i]->top <= rects[i]->bottom);
        if (client.left <= client.right) {
            Require(rects[i]->left <= rects[i]->right);
            Require(i == 0 || rects[i - 1]->right <= rects[i]->left);
        }
    }
}

void Placement(Input& in) {
    placement::Request r;
    r.workArea = {in.Int(), in.Int(), in.Int(), in.Int()};
    r.window = {in.Int(), in.Int(), in.Int(), in.Int()};
    r.hasParent = in.Byte() & 1;
    r.parent = {in.Int(), in.Int(), in.Int(), in.Int()};
    r.parentHasMenu = in.Byte() & 1;
    r.rule = in.Int();
    r.metrics = {in.Byte(), in.Byte(), in.Byte(), in.Byte()};
    const placement::Point p = placement::PlaceRect(r);
    const long long w = static_cast<long long>(r.window.right) - r.window.left;
    const long long workWidth = static_cast<long long>(r.workArea.right) - r.workArea.left;
    if (w >= 0 && w + 2LL * r.metrics.cxFrame <= workWidth) {
        Require(p.x >= r.workArea.left && p.x + w <= r.workArea.right);
    }
}

void Values(Input& in) {
    tagSpinTime time{in.Byte(), in.Byte(), in.Byte(), in.Byte()};
    NormaliseTime(time);
    Require(time.nHour < 24 && time.nMinute < 60 && time.nSecond < 60);
    const std::string field3 = in.Text();
    StepTime(time, in.Byte() % 5, in.Int(), field3.c_str(), Designators{"AM", "PM"});
    Require(time.nHour < 24 && time.nMinute < 60);

    tagSpinDate date{in.Byte(), in.Byte(), static_cast<std::uint16_t>(in.Int()), 0};
    NormaliseDate(date);
    Require(date.nMonth >= 1 && date.nMonth <= 12);
    const auto order = static_cast<eDateOrder>(in.Byte() % 48);
    StepDate(date, order, 1 + in.Byte() % 3, in.Int());
    Require(IsDateInRange(date.nDay, date.nMonth, date.nYear));

    int value = in.Int();
    const int nMin = in.Int();
    const int nMax = in.Int();
    StepWholeNumber(value, nMin, nMax, in.Int(), in.Int());
    Require(value <= nMax && (nMin > nMax || value >= nMin));

    float fraction = in.Float();
    const float fMin = in.Float();
    const float fMax = in.Float();
    const float fStep = in.Float();
    const bool finite = std::isfinite(fraction) && std::isfinite(fMin) && std::isfinite(fMax) &&
                        std::isfinite(fStep);
    StepFraction(fraction, fMin, fMax, fStep, in.Int());
    if (finite) {
        Require(fraction <= fMax && (fMin > fMax || fraction >= fMin));
    }
}

void HelpName(Input& in) {
    const std::string name = in.Text();
    if (helpfile::StaysBelowDirectory(name.c_str())) {
        Require(name.find_first_of("*?") == std::string::npos);
        const std::string padded = "\\" + name + "\\";
        for (const char* climb : {"\\..\\", "/../", "\\../", "/..\\"}) {
            Require(padded.find(climb) == std::string::npos);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    switch (in.Byte() % 6) {
    case 0:
        Keystrokes(in);
        break;
    case 1:
        Patterns(in);
        break;
    case 2:
        Layout(in);
        break;
    case 3:
        Placement(in);
        break;
    case 4:
        Values(in);
        break;
    default:
        HelpName(in);
        break;
    }
    return 0;
}

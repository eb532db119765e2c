// Reading any field texts back and showing the value again must stay within the buffers, and
// showing is stable: the texts of a value, read back and shown once more, come out the same.
//
// Input: a control byte (kind, clock, leading zero, date order), then up to five texts
// separated by '\n': fields 1 to 3, the morning and the afternoon designator.
#include "spin/logic/field_format.h"
#include "spin/logic/field_parse.h"
#include "spin/logic/value_step.h"

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

bool SameTexts(const FieldTexts& a, const FieldTexts& b) {
    for (int i = 0; i < 3; ++i) {
        if (std::strcmp(a.szField[i], b.szField[i]) != 0) {
            return false;
        }
    }
    return true;
}

void CheckBounded(const FieldTexts& texts) {
    for (const auto& field : texts.szField) {
        Require(std::memchr(field, '\0', kFieldTextSize) != nullptr);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::uint8_t control = data[0];
    std::string parts[5];
    int part = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n' && part < 4) {
            ++part;
        } else if (c != '\0') {
            parts[part] += c;
        }
    }
    // The control keeps its designators in 32-byte buffers.
    parts[3].resize(parts[3].size() < 31 ? parts[3].size() : 31);
    parts[4].resize(parts[4].size() < 31 ? parts[4].size() : 31);

    const int kind = control & 3;
    const ClockSettings clock{(control >> 2) & 1, (control >> 3) & 1};
    const auto order = static_cast<eDateOrder>((control >> 2) % 48);
    const Designators designators{parts[3].c_str(), parts[4].c_str()};
    const char* fields[3] = {parts[0].c_str(), parts[1].c_str(), parts[2].c_str()};

    FieldTexts first;
    FieldTexts second;
    switch (kind) {
    case eSpinInt: {
        int value = 0;
        if (!ParseIntField(fields[0], value)) {
            return 0;
        }
        FormatIntField(value, first.szField[0]);
        Require(ParseIntField(first.szField[0], value));
        FormatIntField(value, second.szField[0]);
        StepWholeNumber(value, -100, 100, value, 15);
        break;
    }
    case eSpinFloat: {
        float value = 0;
        if (!ParseFloatField(fields[0], value)) {
            return 0;
        }
        FormatFloatField(value, first.szField[0]);
        Require(ParseFloatField(first.szField[0], value));
        FormatFloatField(value, second.szField[0]);
        break;
    }
    case eSpinTime: {
        tagSpinTime time{};
        if (!ParseTimeFields(fields, clock.nClock, designators, time)) {
            return 0;
        }
        Require(time.nHour < 24 && time.nMinute < 60);
        FormatTimeFields(time, clock, designators, first);
        const bool distinct = !parts[3].empty() && !parts[4].empty() && parts[3] != parts[4];
        if (clock.nClock != 0 || distinct) {
            const char* again[3] = {first.szField[0], first.szField[1], first.szField[2]};
            Require(ParseTimeFields(again, clock.nClock, designators, time));
            FormatTimeFields(time, clock, designators, second);
        } else {
            second = first;
        }
        StepTime(time, 3, 1, first.szField[2], designators);
        Require(time.nHour < 24);
        break;
    }
    default: {
        tagSpinDate date{1, 1, 1998, 0};
        const long currentYear = 1980 + control % 120;
        if (!ParseDateFields(fields, order, currentYear, date)) {
            return 0;
        }
        FormatDateFields(date, order, first);
        const char* again[3] = {first.szField[0], first.szField[1], first.szField[2]};
        Require(ParseDateFields(again, order, currentYear, date));
        FormatDateFields(date, order, second);
        for (int field = 1; field <= 3; ++field) {
            tagSpinDate stepped = date;
            StepDate(stepped, order, field, field == 2 ? -15 : 15);
            Require(stepped.nYear >= 1980 && stepped.nYear <= 2099);
        }
        break;
    }
    }
    CheckBounded(first);
    CheckBounded(second);
    Require(SameTexts(first, second));
    return 0;
}

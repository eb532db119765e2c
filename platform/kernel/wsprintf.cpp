// wsprintfA and wvsprintfA: the system's small formatter.
//
// It knows %c %d %i %u %x %X %s %p and %%, the size prefixes h, l, I64 (w is taken as plain), the
// flags "-", "0" and "#", a width and a precision, and no floating point. A null %s prints
// "(null)". Output stops at 1023 characters plus the terminating zero: Windows documents 1024
// bytes as the most these functions write, and a caller's buffer of that size is never overrun.
#include <winbase.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxOutput = 1024; // bytes, terminating zero included

class Output {
public:
    explicit Output(char* dest) : dest_(dest) {}
    void Put(char c) {
        if (length_ < kMaxOutput - 1)
            dest_[length_++] = c;
        else
            full_ = true;
    }
    void Repeat(char c, int count) {
        for (int i = 0; i < count; ++i)
            Put(c);
    }
    int Finish() {
        dest_[length_] = '\0';
        return length_;
    }
    bool Full() const { return full_; }

private:
    char* dest_;
    int length_ = 0;
    bool full_ = false;
};

struct Field {
    bool left = false, zero = false, alternate = false;
    int width = 0;
    int precision = -1;
    enum { Int, Long, Long64, Short } size = Int;
};

// Writes text padded to the field's width; zero padding goes after a sign or prefix.
void Emit(Output& out, const Field& field, const char* prefix, const char* digits, int digitCount) {
    int prefixLength = static_cast<int>(std::strlen(prefix));
    int zeros = field.precision > digitCount ? field.precision - digitCount : 0;
    int total = prefixLength + zeros + digitCount;
    int pad = field.width > total ? field.width - total : 0;
    if (!field.left && !field.zero)
        out.Repeat(' ', pad);
    for (int i = 0; i < prefixLength; ++i)
        out.Put(prefix[i]);
    if (!field.left && field.zero)
        out.Repeat('0', pad);
    out.Repeat('0', zeros);
    for (int i = 0; i < digitCount; ++i)
        out.Put(digits[i]);
    if (field.left)
        out.Repeat(' ', pad);
}

void EmitNumber(Output& out, Field field, char conversion, std::uint64_t magnitude, bool negative) {
    char digits[24];
    int count = 0;
    unsigned base = (conversion == 'x' || conversion == 'X' || conversion == 'p') ? 16 : 10;
    const char* alphabet = conversion == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
    char reversed[24];
    // With precision 0, the value 0 prints no digits at all, as in C.
    if (!(magnitude == 0 && field.precision == 0)) {
        do {
            reversed[count++] = alphabet[magnitude % base];
            magnitude /= base;
        } while (magnitude != 0);
    }
    for (int i = 0; i < count; ++i)
        digits[i] = reversed[count - 1 - i];
    const char* prefix = "";
    if (negative)
        prefix = "-";
    else if (field.alternate && base == 16 && count > 0 && !(count == 1 && digits[0] == '0'))
        prefix = conversion == 'x' ? "0x" : "0X";
    if (field.precision >= 0)
        field.zero = false;
    Emit(out, field, prefix, digits, count);
}

} // namespace

int WINAPI wvsprintfA(LPSTR dest, LPCSTR format, va_list args) {
    if (!dest) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Output out(dest);
    if (!format)
        return out.Finish();
    const char* p = format;
    while (*p && !out.Full()) {
        if (*p != '%') {
            out.Put(*p++);
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out.Put('%');
            ++p;
            continue;
        }
        Field field;
        for (;; ++p) {
            if (*p == '-')
                field.left = true;
            else if (*p == '0')
                field.zero = true;
            else if (*p == '#')
                field.alternate = true;
            else
                break;
        }
        while (*p >= '0' && *p <= '9' && field.width < 10000)
            field.width = field.width * 10 + (*p++ - '0');
        while (*p >= '0' && *p <= '9')
            ++p;
        if (*p == '.') {
            ++p;
            field.precision = 0;
            while (*p >= '0' && *p <= '9' && field.precision < 10000)
                field.precision = field.precision * 10 + (*p++ - '0');
            while (*p >= '0' && *p <= '9')
                ++p;
        }
        if (*p == 'l') {
            field.size = Field::Long;
            ++p;
        } else if (*p == 'h') {
            field.size = Field::Short;
            ++p;
        } else if (*p == 'w') {
            ++p;
        } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            field.size = Field::Long64;
            p += 3;
        }
        char conversion = *p;
        if (conversion == '\0')
            break;
        ++p;
        switch (conversion) {
        case 'c':
        case 'C': {
            char c = static_cast<char>(va_arg(args, int));
            Emit(out, field, "", &c, 1);
            break;
        }
        case 's':
        case 'S': {
            const char* s = va_arg(args, const char*);
            if (!s)
                s = "(null)";
            int length = 0;
            while (s[length] && (field.precision < 0 || length < field.precision))
                ++length;
            Field text = field;
            text.precision = -1;
            text.zero = false;
            Emit(out, text, "", s, length);
            break;
        }
        case 'd':
        case 'i': {
            std::int64_t v = field.size == Field::Long64
                                 ? va_arg(args, std::int64_t)
                                 : static_cast<std::int64_t>(va_arg(args, int));
            if (field.size == Field::Short)
                v = static_cast<short>(v);
            std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : v;
            EmitNumber(out, field, conversion, magnitude, v < 0);
            break;
        }
        case 'u':
        case 'x':
        case 'X': {
            std::uint64_t v = field.size == Field::Long64 ? va_arg(args, std::uint64_t)
                                                          : va_arg(args, unsigned int);
            if (field.size == Field::Short)
                v = static_cast<unsigned short>(v);
            EmitNumber(out, field, conversion, v, false);
            break;
        }
        case 'p': {
            auto v = reinterpret_cast<std::uintptr_t>(va_arg(args, void*));
            Field pointer = field;
            pointer.precision = static_cast<int>(sizeof(void*) * 2);
            EmitNumber(out, pointer, 'p', v, false);
            break;
        }
        default:
            // An unknown conversion prints as it stands, as the system's formatter does.
            for (const char* q = start + 1; q < p; ++q)
                out.Put(*q);
            break;
        }
    }
    return out.Finish();
}

int WINAPIV wsprintfA(LPSTR dest, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    int result = wvsprintfA(dest, format, args);
    va_end(args);
    return result;
}

// CString: construction and bad input, concatenation, comparison, extraction, trimming,
// searching, formatting of any length, buffers and string resources.
#include "afx_fixture.h"

#include <resources.h>

#include <cstring>
#include <string>

namespace {

using CStringTest = AfxTest;

TEST_F(CStringTest, NullAndEmptyInputGiveEmptyStrings) {
    CString fromNull(static_cast<LPCSTR>(nullptr));
    CString fromNullCount(nullptr, 5);
    CString repeatedNone('x', 0);
    CString repeatedNegative('x', -3);
    for (const CString* s : {&fromNull, &fromNullCount, &repeatedNone, &repeatedNegative}) {
        EXPECT_TRUE(s->IsEmpty());
        EXPECT_STREQ(static_cast<LPCSTR>(*s), "");
    }
    CString s("abc");
    s = static_cast<LPCSTR>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s += static_cast<LPCSTR>(nullptr);
    EXPECT_EQ(s.Compare(nullptr), 0);
}

TEST_F(CStringTest, CountedConstructionStopsAtTheCountOrTheFirstNul) {
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString("ab\0cd", 5), "ab");
    EXPECT_EQ(CString("ab\0cd", 5).GetLength(), 2);
    EXPECT_EQ(CString('-', 4), "----");
}

TEST_F(CStringTest, CopiesAreIndependent) {
    CString a("one");
    CString b(a);
    b += " two";
    EXPECT_EQ(a, "one");
    EXPECT_EQ(b, "one two");
    a = b;
    b.Empty();
    EXPECT_EQ(a, "one two");
    CString& alias = a;
    a = alias; // self-assignment keeps the text
    EXPECT_EQ(a, "one two");
}

TEST_F(CStringTest, ConcatenationAcceptsPartsOfItself) {
    CString s("abc");
    s += s;
    EXPECT_EQ(s, "abcabc");
    s += static_cast<LPCSTR>(s) + 4;
    EXPECT_EQ(s, "abcabcbc");
    s = static_cast<LPCSTR>(s) + 2;
    EXPECT_EQ(s, "cabcbc");
    EXPECT_EQ(CString("a") + 'b' + "c" + CString("d"), "abcd");
    EXPECT_EQ('x' + CString("y"), "xy");
    EXPECT_EQ("x" + CString("y"), "xy");
}

TEST_F(CStringTest, ComparisonsOrderByCharacterCode) {
    struct Row {
        const char* a;
        const char* b;
        int sign;
        int signNoCase;
    };
    const Row rows[] = {
        {"abc", "abc", 0, 0},  {"abc", "ABC", 1, 0}, {"ABC", "abd", -1, -1},
        {"ab", "abc", -1, -1}, {"", "", 0, 0},       {"Zeta", "alpha", -1, 1},
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.a) + " vs " + r.b);
        CString a(r.a);
        EXPECT_EQ(sign(a.Compare(r.b)), r.sign);
        EXPECT_EQ(sign(a.CompareNoCase(r.b)), r.signNoCase);
        EXPECT_EQ(a == r.b, r.sign == 0);
        EXPECT_EQ(a != CString(r.b), r.sign != 0);
        EXPECT_EQ(a < r.b, r.sign < 0);
    }
}

TEST_F(CStringTest, IndexingOutsideTheTextReadsNulAndWritesNothing) {
    CString s("abc");
    EXPECT_EQ(s[0], 'a');
    EXPECT_EQ(s[static_cast<size_t>(2)], 'c');
    EXPECT_EQ(s.GetAt(3), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    s.SetAt(5, 'x');
    s.SetAt(-1, 'x');
    EXPECT_EQ(s, "abc");
    s.SetAt(1, 'B');
    EXPECT_EQ(s, "aBc");
}

TEST_F(CStringTest, ExtractionClampsToTheText) {
    CString s("Hello");
    EXPECT_EQ(s.Left(2), "He");
    EXPECT_EQ(s.Left(99), "Hello");
    EXPECT_EQ(s.Left(-1), "");
}

TEST_F(CStringTest, TrimmingLeavesTheTextBetween) {
    CString s(" \t  padded text \r\n");
    s.TrimLeft();
    EXPECT_EQ(s, "padded text \r\n");
    s.TrimRight();
    EXPECT_EQ(s, "padded text");
    CString zeros("000120");
    zeros.TrimLeft('0');
    EXPECT_EQ(zeros, "120");
    CString blank("   ");
    blank.TrimLeft();
    EXPECT_TRUE(blank.IsEmpty());
}

// A host's Format is not cut to any buffer, and formatting from the string's own text is safe.
TEST_F(CStringTest, FormatHasNoLengthLimit) {
    CString s;
    std::string big(100000, 'q');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 100002);
    EXPECT_EQ(s.Left(2), "<q");
    s.Format("%s and %s", static_cast<LPCSTR>(s.Left(3)), "more");
    EXPECT_EQ(s, "<qq and more");
    s.Format(static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(s.IsEmpty());
}

TEST_F(CStringTest, SearchingGivesIndexesOrMinusOne) {
    CString s("one two one");
    EXPECT_EQ(s.Find('o'), 0);
    EXPECT_EQ(s.Find('o', 1), 6);
    EXPECT_EQ(s.Find('o', 50), -1);
    EXPECT_EQ(s.Find('o', -1), -1);
    EXPECT_EQ(s.ReverseFind('o'), 8);
    EXPECT_EQ(s.ReverseFind('z'), -1);
}

TEST_F(CStringTest, BuffersKeepTheTextAndHonourTheirRoom) {
    CString s("abc");
    LPSTR p = s.GetBuffer(10);
    EXPECT_STREQ(p, "abc");
    std::strcpy(p, "abcdefghij");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "abcdefghij");
    p = s.GetBuffer(0);
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    s.ReleaseBuffer(99); // more than the room: cut to the room
    EXPECT_LE(s.GetLength(), 10);

    CString sized;
    std::memcpy(sized.GetBufferSetLength(4), "wxyz", 4);
    EXPECT_EQ(sized, "wxyz");
    CString empty;
    EXPECT_STREQ(empty.GetBuffer(0), "");
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(CStringTest, LoadStringReadsTheHostsStringTable) {
    HINSTANCE hHost = ::GetModuleHandleA(nullptr);
    resources::AddString(hHost, 57345, "Ready");
    std::string longText(700, 'L');
    resources::AddString(hHost, 12, longText.c_str());

    CString s;
    EXPECT_TRUE(s.LoadString(57345));
    EXPECT_EQ(s, "Ready");
    EXPECT_TRUE(s.LoadString(12));
    EXPECT_EQ(s.GetLength(), 700);
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_TRUE(s.IsEmpty());
}

} // namespace

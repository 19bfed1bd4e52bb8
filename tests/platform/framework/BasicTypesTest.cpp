#include <gtest/gtest.h>

#include "platform/framework/CDWordArray.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"

TEST(WinTypes, ColourAndWordPacking)
{
    COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
    EXPECT_EQ(LOWORD(MAKELONG(0xBEEF, 0xCAFE)), 0xBEEF);
    EXPECT_EQ(HIWORD(MAKELONG(0xBEEF, 0xCAFE)), 0xCAFE);
    // Mouse coordinates are signed 16-bit halves.
    LPARAM lp = MAKELPARAM(static_cast<WORD>(-5), 7);
    EXPECT_EQ(GET_X_LPARAM(lp), -5);
    EXPECT_EQ(GET_Y_LPARAM(lp), 7);
    static_assert(sizeof(DWORD) == 4 && sizeof(LONG) == 4 && sizeof(BOOL) == 4 && sizeof(WORD) == 2);
}

TEST(CRectTest, GeometryUsesExclusiveEdges)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 70)));

    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(15, 15, 115, 65));
    r.DeflateRect(5, 5);
    EXPECT_EQ(r, CRect(20, 20, 110, 60));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(19, 18, 113, 64));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 94, 46));

    CRect inverted(50, 40, 10, 0);
    EXPECT_TRUE(inverted.IsRectEmpty());
    inverted.NormalizeRect();
    EXPECT_EQ(inverted, CRect(10, 0, 50, 40));
    EXPECT_FALSE(inverted.IsRectNull());
}

TEST(CRectTest, IntersectionAndUnion)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), c(10, 0, 20, 10);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    // Touching edges share no pixel.
    EXPECT_FALSE(r.IntersectRect(&a, &c));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(r.IntersectRect(&a, nullptr));

    EXPECT_TRUE(r.UnionRect(&a, &c));
    EXPECT_EQ(r, CRect(0, 0, 20, 10));
    CRect empty;
    EXPECT_TRUE(r.UnionRect(&empty, &b));
    EXPECT_EQ(r, b);
    EXPECT_FALSE(r.UnionRect(&empty, &empty));
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(CStringTest, FormatFollowsPrintf)
{
    CString s;
    s.Format("%s: %d of %d", "A1", 4, 5);
    EXPECT_EQ(s, "A1: 4 of 5");
    s.Format("%f,%d", 500.25, 1);
    EXPECT_EQ(s, "500.250000,1");
    s.Format("%5.1f%%", 25.04);
    EXPECT_EQ(s, " 25.0%");
    // Longer than any fixed buffer a naive implementation might use.
    s.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(s.GetLength(), 5000);
    s.AppendFormat("-%03d", 7);
    EXPECT_EQ(s.Right(4), "-007");
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, ComparisonConcatenationAndSearch)
{
    CString a("Probe"), b("probe");
    EXPECT_NE(a, b);
    EXPECT_EQ(a.CompareNoCase(b), 0);
    EXPECT_LT(a.Compare("Zzz"), 0);
    EXPECT_EQ(CString() , "");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");

    CString c = a + " " + b + '!';
    EXPECT_EQ(c, "Probe probe!");
    EXPECT_EQ(c.GetLength(), 12);
    EXPECT_EQ(c.Find('p'), 6);
    EXPECT_EQ(c.Find("probe"), 6);
    EXPECT_EQ(c.Find("probe", 7), -1);
    EXPECT_EQ(c.Find('P', 100), -1);
    EXPECT_EQ(c.Find('P', -3), 0);
    EXPECT_EQ(c.ReverseFind('e'), 10);
    EXPECT_EQ(c.FindOneOf("!b"), 3);

    EXPECT_EQ(c.Left(5), "Probe");
    EXPECT_EQ(c.Right(6), "probe!");
    EXPECT_EQ(c.Mid(6, 5), "probe");
    EXPECT_EQ(c.Left(100), c);
    EXPECT_EQ(c.Mid(50), "");
    EXPECT_EQ(c.Mid(-2, 2), "Pr");

    c.Empty();
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(c.GetAt(3), '\0');
    c.SetAt(3, 'x');
    EXPECT_TRUE(c.IsEmpty());
}

TEST(CStringTest, EditingOperations)
{
    CString s("  a,b,,c \r\n");
    s.Trim();
    EXPECT_EQ(s, "a,b,,c");
    EXPECT_EQ(s.Replace(",", ", "), 3);
    EXPECT_EQ(s, "a, b, , c");
    EXPECT_EQ(s.Remove(' '), 3);
    EXPECT_EQ(s, "a,b,,c");
    s.Insert(0, "[");
    s.Insert(100, "]");
    EXPECT_EQ(s, "[a,b,,c]");
    s.Delete(1, 2);
    EXPECT_EQ(s, "[b,,c]");
    s.MakeUpper();
    EXPECT_EQ(s, "[B,,C]");

    char* buf = s.GetBuffer(16);
    std::snprintf(buf, 16, "%d", 42);
    s.ReleaseBuffer();
    EXPECT_EQ(s, "42");
}

TEST(CStringTest, Windows1252ConvertsToUtf8AndBack)
{
    CString deg("45\xB0"
                "C");
    EXPECT_EQ(deg.GetLength(), 4);
    EXPECT_EQ(deg.ToUtf8(), "45\xC2\xB0"
                            "C");
    CString euro("\x80");
    EXPECT_EQ(euro.ToUtf8(), "\xE2\x82\xAC");
    EXPECT_EQ(CString::CodePointOf(0x99), U'\x2122');
    // Bytes without a character keep their value.
    EXPECT_EQ(CString::CodePointOf(0x81), U'\x81');

    EXPECT_EQ(CString::FromUtf8("45\xC2\xB0"
                                "C"),
              deg);
    EXPECT_EQ(CString::FromUtf8("\xE2\x82\xAC"), euro);
    EXPECT_EQ(CString::FromUtf8("\xE4\xB8\xAD"), "?"); // not in the code page
    EXPECT_EQ(CString::FromUtf8("\xC2"), "\xC2");     // truncated sequence kept as a byte
}

TEST(CDWordArrayTest, GrowsShrinksAndIgnoresBadIndexes)
{
    CDWordArray a;
    EXPECT_TRUE(a.IsEmpty());
    for (DWORD i = 0; i < 5; ++i) EXPECT_EQ(a.Add(i * 10), static_cast<INT_PTR>(i));
    EXPECT_EQ(a.GetSize(), 5);
    a.RemoveAt(1, 2);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[1], 30u);
    a.InsertAt(0, 7, 2);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[0], 7u);
    EXPECT_EQ(a[2], 0u);

    a.SetAt(99, 1);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a.GetAt(-1), 0u);
    a.RemoveAt(17);
    EXPECT_EQ(a.GetSize(), 5);
    a.SetAtGrow(7, 3);
    EXPECT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a[7], 3u);
    EXPECT_EQ(a[6], 0u);

    CDWordArray b;
    b.Copy(a);
    EXPECT_EQ(b, a);
    EXPECT_EQ(b.Append(a), 8);
    EXPECT_EQ(b.GetSize(), 16);
    b.SetSize(-4);
    EXPECT_TRUE(b.IsEmpty());
}

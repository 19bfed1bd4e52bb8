#include <gtest/gtest.h>

#include "platform/framework/CDWordArray.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"

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

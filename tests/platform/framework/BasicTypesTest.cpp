#include <gtest/gtest.h>

#include "platform/framework/CDWordArray.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"

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

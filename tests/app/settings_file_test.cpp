// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text: values read to the line end, lines rewritten in place or added.
#include "app/shell/settings_file.h"
#include "tests/app/test_support.h"

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;

struct FindCase {
    const char* name;
    const char* text;
    std::optional<std::string> value; // of "OpenPathName" in "Settings"
};

class FindSettingTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindSettingTest, ReadsTheValueAsWritten) {
    const SettingsText text = ParseSettingsText(GetParam().text);
    EXPECT_EQ(FindSetting(text, "Settings", "OpenPathName"), GetParam().value);
    EXPECT_EQ(SettingsBytes(text), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindSettingTest,
    testing::Values(
        FindCase{"BackslashAtLineEnd", "[Settings]\nOpenPathName=\\\nOrvlPathName=x\n", "\\"},
        FindCase{"NoEscapes", "[Settings]\nOpenPathName=C:\\Jobs\\Cams\\x41\n",
                 "C:\\Jobs\\Cams\\x41"},
        FindCase{"CommaQuotesAndEquals", "[Settings]\nOpenPathName=\"a, b\"=c ;d\n",
                 "\"a, b\"=c ;d"},
        FindCase{"BlanksAfterTheEqualsKept", "[Settings]\nOpenPathName= /a \n", " /a "},
        FindCase{"CrLfAndByteOrderMark", "\xEF\xBB\xBF[Settings]\r\nOpenPathName=/a\r\n", "/a"},
        FindCase{"NamesInAnyCaseWithBlanks", "[ settings ] x\n  openpathname\t=/a", "/a"},
        FindCase{"CommentsAreNoKeys", "[Settings]\n;OpenPathName=/c\n #OpenPathName=/d\n", {}},
        FindCase{"FirstOfTwo", "[Settings]\nOpenPathName=/1\n[Settings]\nOpenPathName=/2\n", "/1"},
        FindCase{"OtherSectionOnly", "[Other]\nOpenPathName=/a\n", {}},
        FindCase{"BeforeAnySection", "OpenPathName=/a\n[Settings]\n", {}},
        FindCase{"UnclosedHeader", "[Settings\nOpenPathName=/a\n", {}}, FindCase{"Empty", "", {}}),
    test::kRowName);

struct PutCase {
    const char* name;
    const char* before;
    const char* value; // of "K" in "Settings"
    bool ok;
    const char* after;
};

class PutSettingTest : public testing::TestWithParam<PutCase> {};

TEST_P(PutSettingTest, RewritesOnlyTheValueOrAddsALine) {
    SettingsText text = ParseSettingsText(GetParam().before);
    EXPECT_EQ(PutSetting(text, "Settings", "K", GetParam().value), GetParam().ok);
    EXPECT_EQ(SettingsBytes(text), GetParam().after);
    if (GetParam().ok) {
        EXPECT_EQ(FindSetting(ParseSettingsText(SettingsBytes(text)), "Settings", "K"),
                  GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PutSettingTest,
    testing::Values(
        PutCase{"InPlaceKeepingKeyAndLineEnd", "; c\n[Settings]\r\n k = old\r\nx\n", "new", true,
                "; c\n[Settings]\r\n k =new\r\nx\n"},
        PutCase{"AfterTheLastSettingOfTheSection", "[Settings]\nA=1\n; c\n\n[Other]\nB=2", "v",
                true, "[Settings]\nA=1\nK=v\n; c\n\n[Other]\nB=2"},
        PutCase{"NewSectionAtTheEnd", "[Other]\r\nB=2", "v", true,
                "[Other]\r\nB=2\r\n[Settings]\r\nK=v\r\n"},
        PutCase{"IntoAnEmptyFile", "", "\\", true, "[Settings]\nK=\\\n"},
        PutCase{"LineBreakRefused", "[Settings]\nK=old\n", "a\nb", false, "[Settings]\nK=old\n"},
        PutCase{"CarriageReturnRefused", "", "a\r", false, ""},
        PutCase{"UnchangedValueLeftAlone", "[Settings]\nK=a\rb\r\r\n", "a\rb", true,
                "[Settings]\nK=a\rb\r\r\n"}),
    test::kRowName);

TEST(PutSettingTest, RefusesKeysThatWouldNotReadBack) {
    for (const char* key : {"", " K", "K=", "[K", ";K", "#K", "K\n"}) {
        SettingsText text;
        EXPECT_FALSE(PutSetting(text, "Settings", key, "v")) << key;
        EXPECT_TRUE(text.Lines.empty()) << key;
    }
}

} // namespace
} // namespace spirolan

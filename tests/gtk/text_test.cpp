// Conversion between code page 936 bytes and UTF-8 at the backend's edge.

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using vcl::gtk::FromUtf8;
using vcl::gtk::ToUtf8;

TEST(TextTest, TheMenusTextsArriveAsUtf8) {
  // Plain literals hold code page 936 bytes in this build.
  EXPECT_EQ(ToUtf8("询问"), Utf8(u8"询问"));
  EXPECT_EQ(ToUtf8("文件夹 '/d/KVServer/' 不存在！"), Utf8(u8"文件夹 '/d/KVServer/' 不存在！"));
  EXPECT_EQ(std::string(FromUtf8(Utf8(u8"询问")).View()), "询问");
  EXPECT_EQ(std::string(FromUtf8(Utf8(u8"！")).View()), "\xA3\xA1");
}

TEST(TextTest, EveryCharacterSurvivesTheRoundTrip) {
  for (const std::string& Text : {Utf8(u8"한국어"), Utf8(u8"😀 𠀀"), Utf8(u8"Ünïcödé"), std::string()})
    EXPECT_EQ(ToUtf8(FromUtf8(Text).View()), Text);
}

TEST(TextTest, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(ToUtf8("a\x81 b"), Utf8(u8"a\uFFFD b"));       // a lead byte with no trail
  EXPECT_EQ(ToUtf8("ab\xB0"), Utf8(u8"ab\uFFFD"));           // cut off at the end
  EXPECT_EQ(ToUtf8(FromUtf8("x\xFFy").View()), Utf8(u8"x\uFFFDy"));
}

// A file name's bytes that are not UTF-8 come back unchanged as a file
// name, and show as U+FFFD.
TEST(TextTest, FileNamesKeepBytesThatAreNotUtf8) {
  const std::string Names[] = {"\xB9\xE2\xC5\xCC", "a\x80\xFF b", "caf\xE9", "\xF4\x8F", Utf8(u8"光盘 😀"), ""};
  for (const std::string& Name : Names) {
    SCOPED_TRACE(Name);
    EXPECT_EQ(vcl::gtk::ToFileName(vcl::gtk::FromFileName(Name).View()), Name);
  }
  EXPECT_EQ(ToUtf8(vcl::gtk::FromFileName("caf\xE9/x").View()), Utf8(u8"caf\uFFFD/x"));
  EXPECT_EQ(vcl::gtk::FromFileName(Utf8(u8"光盘")), FromUtf8(Utf8(u8"光盘")));
}

}  // namespace

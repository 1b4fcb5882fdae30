// formc run as the build runs it: a small form against its stream written
// out by hand, the menu's own form with its artwork, and faulty inputs.

#include "tool_test.h"

#include <cstdint>
#include <initializer_list>

using namespace std::string_literals;

namespace {

std::string Cat(std::initializer_list<std::string> Parts) {
  std::string Out;
  for (const std::string& P : Parts) Out += P;
  return Out;
}

std::string U32(std::uint32_t V) {
  std::string Out;
  for (int Shift = 0; Shift < 32; Shift += 8) Out += static_cast<char>(V >> Shift & 0xFF);
  return Out;
}

// A 2 x 1 bitmap of 24 bits per pixel: file header, info header, one row of
// two pixels padded to 8 bytes.
const std::string TinyBmp =
    "BM\x3E\0\0\0\0\0\0\0\x36\0\0\0"s
    "\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x08\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s
    "\x10\x20\x30\x40\x50\x60\0\0"s;

using FormcTest = ToolTest;

TEST_F(FormcTest, SmallFormGivesTheStreamByteForByte) {
  const std::string Dfm = Write("form.dfm",
                                "object Form: TTest\r\n"
                                "  A = -128\r\n"
                                "  B = 128\r\n"
                                "  C = -32769\r\n"
                                "  D = 2147483647\r\n"
                                "  Caption = #23433'a''b'\r\n"
                                "  Hint = 'x'#33\r\n"
                                "  Color = clMenu\r\n"
                                "  Font.Style = []\r\n"
                                "  Anchors = [akLeft, akTop]\r\n"
                                "  Enabled = True\r\n"
                                "  object Pic: TImage\r\n"
                                "    Height = 1\r\n"
                                "    Visible = false\r\n"
                                "    OnClick = PicClick\r\n"
                                "  end\r\n"
                                "end\r\n");
  const std::string Bmp = Write("tiny.bmp", TinyBmp);
  const Result R = Run(FORMC, {Dfm, Path("out.bin"), "Pic=" + Bmp});
  ASSERT_EQ(R.ExitCode, 0) << R.Errors;
  EXPECT_EQ(R.Errors, "");

  const std::string Expected = Cat({
      "TPF0",
      "\x05TTest\x04" "Form",
      "\x01" "A\x02\x80",
      "\x01" "B\x03\x80\0"s,
      "\x01" "C\x04\xFF\x7F\xFF\xFF",
      "\x01" "D\x04\xFF\xFF\xFF\x7F",
      "\x07" "Caption\x14\x06\0\0\0\xE5\xAE\x89" "a'b"s,
      "\x04" "Hint\x06\x02x!",
      "\x05" "Color\x07\x06" "clMenu",
      "\x0A" "Font.Style\x0B\0"s,
      "\x07" "Anchors\x0B\x06" "akLeft\x05" "akTop\0"s,
      "\x07" "Enabled\x09",
      "\0"s,
      "\x06TImage\x03Pic",
      "\x06" "Height\x02\x01",
      "\x0C" "Picture.Data\x0A\x4A\0\0\0\x07TBitmap\x3E\0\0\0"s + TinyBmp,
      "\x07" "Visible\x08",
      "\x07" "OnClick\x07\x08" "PicClick",
      "\0\0\0"s,
  });
  EXPECT_EQ(Read(Path("out.bin")), Expected);
}

TEST_F(FormcTest, MenuFormCompilesWithEachControlsPicture) {
  const std::string Art = MENU_SOURCE_DIR "/art/";
  // Controls in creation order; a button's picture is named by its Tag.
  const std::pair<std::string, std::string> Pictures[] = {
      {"Image1", "background.bmp"}, {"Image2", "button2.bmp"}, {"Image3", "button3.bmp"},
      {"Image4", "button4.bmp"},    {"Image5", "button5.bmp"}, {"Image6", "button7.bmp"},
      {"Image7", "button8.bmp"},    {"Image8", "button6.bmp"}};
  std::vector<std::string> Args = {MENU_SOURCE_DIR "/AutoMain.dfm", Path("out.bin")};
  for (const auto& [Control, File] : Pictures) Args.push_back(Control + "=" + Art + File);
  const Result R = Run(FORMC, Args);
  ASSERT_EQ(R.ExitCode, 0) << R.Errors;

  const std::string Stream = Read(Path("out.bin"));
  EXPECT_TRUE(Stream.starts_with("TPF0\x09TAutoForm\x08" "AutoForm"));
  EXPECT_NE(Stream.find("\x07" "Caption\x14\x1A\0\0\0"
                        "\xE5\xAE\x89\xE8\xA3\x85QuendraTalvex 3G ASP"s),
            std::string::npos);
  std::size_t Pos = 0;
  for (const auto& [Control, File] : Pictures) {
    SCOPED_TRACE(Control);
    const std::string Bmp = Read(Art + File);
    ASSERT_TRUE(Bmp.starts_with("BM"));
    const std::size_t Header = Stream.find("\x06TImage" + std::string(1, static_cast<char>(Control.size())) + Control, Pos);
    ASSERT_NE(Header, std::string::npos);
    const std::string Data = "\x0C" "Picture.Data\x0A" + U32(static_cast<std::uint32_t>(12 + Bmp.size())) +
                             "\x07TBitmap" + U32(static_cast<std::uint32_t>(Bmp.size())) + Bmp;
    Pos = Stream.find(Data, Header);
    ASSERT_NE(Pos, std::string::npos);
  }
}

TEST_F(FormcTest, FaultsNameTheirLineAndWriteNothing) {
  const std::string Form = "object F: TForm\n  object Pic: TImage\n  end\nend\n";
  Write("tiny.bmp", TinyBmp);
  Write("text.bmp", "hello");
  const struct {
    const char* Fault;
    std::string Dfm;
    std::vector<std::string> Pictures;
    int Line;
    const char* Message;
  } Cases[] = {
      {"no '='", "object F: T\n  Left 1\nend\n", {}, 2, "expected '=' after Left"},
      {"no class", "object F\n  Left = 1\nend\n", {}, 2, "expected ':'"},
      {"no end", "object F: T\n  Left = 1\n\n", {}, 2, "found the end of the file"},
      {"text after the form", "object F: T\nend\nend\n", {}, 3, "expected the end of the file"},
      {"property after a child", "object F: T\n  object C: T\n  end\n  Left = 1\nend\n", {}, 4,
       "property Left after the child objects of F"},
      {"real number", "object F: T\n  Left = 1.5\nend\n", {}, 2, "unknown value form '1.5'"},
      {"binary block", "object F: T\n\n  Data = {00FF}\nend\n", {}, 3, "unknown value form '{'"},
      {"integer too large", "object F: T\n  Left = 2147483648\nend\n", {}, 2, "outside the 32-bit range"},
      {"unterminated string", "object F: T\n  Hint = 'abc\nend\n", {}, 2, "unterminated string"},
      {"surrogate code", "object F: T\n  Hint = 'a'#55296\nend\n", {}, 2, "#55296 is not a Unicode character"},
      {"bad UTF-8", "object F: T\n  Hint = '\xC3('\nend\n", {}, 2, "not valid UTF-8"},
      {"long short string", "object F: T\n  Hint = '" + std::string(256, 'a') + "'\nend\n", {}, 2,
       "string of 256 bytes is longer than the 255"},
      {"long name", "object F: T\n  object " + std::string(256, 'N') + ": T\n  end\nend\n", {}, 2,
       "object name of 256 bytes"},
      {"missing picture", Form, {"Pic=" + Path("none.bmp")}, 2, "No such file"},
      {"picture not a BMP", Form, {"Pic=" + Path("text.bmp")}, 2, "is not a BMP file"},
      {"picture for no control", Form, {"Pin=" + Path("tiny.bmp")}, 1, "no control Pin in F"},
      {"two pictures", Form, {"Pic=" + Path("tiny.bmp"), "Pic=" + Path("tiny.bmp")}, 2, "already has a picture"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Fault);
    const std::string Dfm = Write("form.dfm", C.Dfm);
    std::vector<std::string> Args = {Dfm, Path("out.bin")};
    Args.insert(Args.end(), C.Pictures.begin(), C.Pictures.end());
    const Result R = Run(FORMC, Args);
    EXPECT_EQ(R.ExitCode, 1);
    EXPECT_TRUE(R.Errors.starts_with(Dfm + ":" + std::to_string(C.Line) + ": ")) << R.Errors;
    EXPECT_NE(R.Errors.find(C.Message), std::string::npos) << R.Errors;
    EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
  }
}

}  // namespace

// What vcl/backend.h promises, checked against the real platform: one
// source, built against each backend. Each check's other side comes from
// the platform's own calls (contract_platform.h), never from the backend.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AutoMain.h"
#include "backend.h"
#include "contract_platform.h"
#include "events.h"

namespace {

using namespace vcl;

std::string_view Utf8(const char8_t* Text) { return reinterpret_cast<const char*>(Text); }

// Path with the trailing delimiter the menu's entry folders have.
AnsiString Delimited(AnsiString Path) { return Path += PathDelim; }

// ---- Texts ----

TEST(Texts, TheFormResourcesUtf8ArrivesInTheLayersBytes) {
  // The literals on the right are compiled to the layer's bytes.
  EXPECT_EQ(backend::TextFromUtf8(""), AnsiString());
  EXPECT_EQ(backend::TextFromUtf8("MS Sans Serif"), AnsiString("MS Sans Serif"));
  EXPECT_EQ(backend::TextFromUtf8(Utf8(u8"安装QuendraTalvex 3G ASP")), AnsiString("安装QuendraTalvex 3G ASP"));
  EXPECT_EQ(backend::TextFromUtf8(Utf8(u8"！")), AnsiString("\xA3\xA1"));
}

// ---- Process and files ----

class Files : public ::testing::Test {
protected:
  void SetUp() override { Start = contract::CurrentFolder(); }
  void TearDown() override { backend::ChangeCurrentDir(Start); }
  contract::Scratch Scratch;
  AnsiString Start;
};

TEST_F(Files, FoldersAndFilesAreToldApart) {
  for (const std::string_view Name : {std::string_view("KVServer"), std::string_view("with  two spaces"),
                                      Utf8(u8"光盘 1"), std::string_view("Microsoft SQL Server 2005 Express(32)")}) {
    SCOPED_TRACE(Name);
    const AnsiString Folder = Scratch.MakeFolder(Name);
    const AnsiString File = Scratch.MakeFile(std::string(Name) + "/Setup.exe");
    EXPECT_TRUE(backend::ChangeCurrentDir(Folder));
    EXPECT_EQ(contract::CurrentFolder(), Folder);
    EXPECT_TRUE(backend::ChangeCurrentDir(Delimited(Folder)));  // as the menu's entry folders end
    EXPECT_TRUE(backend::IsFile(File));
    EXPECT_FALSE(backend::IsFile(Folder));           // a folder is no file
    EXPECT_FALSE(backend::ChangeCurrentDir(File));   // a file is no folder
    EXPECT_FALSE(backend::ChangeCurrentDir(Delimited(File)));
    EXPECT_EQ(contract::CurrentFolder(), Folder);    // and a failed change moves nothing
    // A folder where a setup program should be is no setup program.
    EXPECT_FALSE(backend::IsFile(Scratch.MakeFolder(std::string(Name) + "/Inner/Setup.exe")));
  }
}

TEST_F(Files, MissingThingsAreNeitherFilesNorFolders) {
  const AnsiString Missing = Scratch.PathOf(Utf8(u8"不存在"));
  EXPECT_FALSE(backend::IsFile(Missing));
  EXPECT_FALSE(backend::ChangeCurrentDir(Missing));
  EXPECT_FALSE(backend::ChangeCurrentDir(Delimited(Missing)));
  EXPECT_FALSE(backend::IsFile(Scratch.PathOf(Utf8(u8"不存在/Setup.exe"))));
  EXPECT_FALSE(backend::IsFile(""));
  EXPECT_FALSE(backend::ChangeCurrentDir(""));
  EXPECT_EQ(contract::CurrentFolder(), Start);
}

TEST(Process, TheExecutablePathIsTheRunningProgramsFile) {
  const AnsiString Path = backend::ExecutablePath();
  EXPECT_EQ(Path, contract::OwnExecutable());
  EXPECT_TRUE(backend::IsFile(Path));
}

// ---- Windows version and registry ----

TEST(Version, IsTheSystemsAndTheSameEachTime) {
  EXPECT_EQ(backend::WindowsMajorVersion(), contract::ExpectedWindowsMajorVersion());
  EXPECT_EQ(backend::WindowsMajorVersion(), contract::ExpectedWindowsMajorVersion());
}

TEST(Registry, AKeyIsPresentInEitherViewAndOnlyUnderItsRoot) {
  contract::ScratchKeys Keys;
  Keys.Make("Native", contract::View::Native);
  Keys.Make("Only64", contract::View::Only64);
  Keys.Make("Only32", contract::View::Only32);
  Keys.Make(Utf8(u8"数据库 2005"), contract::View::Native);
  struct Case {
    HKEY Root;
    const char* Sub;
    bool Exists;
  };
  const Case Cases[] = {
      {HKEY_LOCAL_MACHINE, "\\Native", true},
      {HKEY_LOCAL_MACHINE, "\\NATIVE", true},  // names are case-insensitive
      {HKEY_LOCAL_MACHINE, "\\Only64", true},  // in one view only, either one
      {HKEY_LOCAL_MACHINE, "\\Only32", true},
      {HKEY_LOCAL_MACHINE, "\\数据库 2005", true},
      {HKEY_LOCAL_MACHINE, "", true},  // the base key on the way to them
      {HKEY_LOCAL_MACHINE, "\\Missing", false},
      {HKEY_LOCAL_MACHINE, "\\Native\\Missing", false},
      {HKEY_CURRENT_USER, "\\Native", false},
  };
  backend::RegistrySession* Session = backend::OpenRegistry();
  ASSERT_NE(Session, nullptr);
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Sub);
    EXPECT_EQ(backend::KeyExists(*Session, C.Root, Keys.Base() + C.Sub), C.Exists);
  }
  backend::CloseRegistry(Session);
}

// ---- The menu's window and its message boxes ----

class MenuWindow : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(&AutoForm);
    ASSERT_NE(AutoForm, nullptr);
  }
  void TearDown() override {
    delete AutoForm;
    AutoForm = nullptr;
  }
  static HWND Window() { return AutoForm->Handle; }
};

TEST_F(MenuWindow, GoesWhereTheCorePlacesItInThePrimaryWorkArea) {
  const TRect Work = backend::PrimaryWorkArea();
  const TPoint Screen = contract::ScreenSize();
  EXPECT_FALSE(Work.IsEmpty());
  EXPECT_GE(Work.Left, 0);
  EXPECT_GE(Work.Top, 0);
  EXPECT_LE(Work.Right, Screen.x);
  EXPECT_LE(Work.Bottom, Screen.y);
  const int Band = AutoForm->BorderWidth;
  const TPoint Corner = core::WindowPlace(*AutoForm, AutoForm->ClientWidth + 2 * Band,
                                          AutoForm->ClientHeight + 2 * Band, Work);
  contract::WhileShown(*AutoForm, [&] {
    EXPECT_EQ(contract::WindowCorner(Window()), Corner);
    EXPECT_EQ(backend::ClientOrigin(Window()), (TPoint{Corner.x + Band, Corner.y + Band}));
  });
}

// A message box shown while the menu window is up, and whether the window
// takes input while the box is shown: every box keeps it from the window
// it disables, and gives it back once answered.
struct BoxCase {
  const char* Name;
  std::function<int()> Show;
  int Button;  // pressed while the box is shown, and returned
  bool InputWhileShown;
};

class MessageBoxes : public MenuWindow, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxes, DisableWhatTheyOwnUntilAnswered) {
  const BoxCase& C = GetParam();
  bool Probed = false, InputBefore = false, InputWhileShown = false, InputAfter = false;
  int Answer = 0;
  contract::WhileShown(*AutoForm, [&] {
    InputBefore = contract::TakesInput(Window());
    contract::WhileTheNextBoxIsShown(
        [&] {
          Probed = true;
          InputWhileShown = contract::TakesInput(Window());
        },
        C.Button);
    Answer = C.Show();
    InputAfter = contract::TakesInput(Window());
  });
  EXPECT_TRUE(Probed);
  EXPECT_TRUE(InputBefore);
  EXPECT_EQ(InputWhileShown, C.InputWhileShown);
  EXPECT_TRUE(InputAfter);
  EXPECT_EQ(Answer, C.Button);
}

INSTANTIATE_TEST_SUITE_P(
    ByOwner, MessageBoxes,
    ::testing::Values(
        BoxCase{"ApplicationBox", [] { return backend::ApplicationMessageBox("文件不存在！", "标题", MB_OK); }, IDOK,
                false},
        BoxCase{"OwnedByTheApplicationWindow",
                [] {
                  return backend::OwnedMessageBox(backend::ApplicationWindow(), "是否继续？", "询问",
                                                  MB_ICONQUESTION | MB_YESNO);
                },
                IDNO, true},
        BoxCase{"OwnedByTheMenuWindow",
                [] { return backend::OwnedMessageBox(AutoForm->Handle, "是否继续？", "询问", MB_ICONQUESTION | MB_YESNO); },
                IDYES, false}),
    [](const ::testing::TestParamInfo<BoxCase>& Info) { return std::string(Info.param.Name); });

}  // namespace

int main(int Argc, char** Argv) {
  ::testing::InitGoogleTest(&Argc, Argv);
  contract::StartPlatform(Argc, Argv);
  return RUN_ALL_TESTS();
}

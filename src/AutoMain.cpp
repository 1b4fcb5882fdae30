#include "AutoMain.h"

#include <cstdint>

TAutoForm* AutoForm = nullptr;

namespace {

const TPublishedField Fields[] = {
    Published("Image1", &TAutoForm::Image1), Published("Image2", &TAutoForm::Image2),
    Published("Image3", &TAutoForm::Image3), Published("Image4", &TAutoForm::Image4),
    Published("Image5", &TAutoForm::Image5), Published("Image6", &TAutoForm::Image6),
    Published("Image7", &TAutoForm::Image7), Published("Image8", &TAutoForm::Image8),
};

const TPublishedMethod Methods[] = {
    Published("Image0MouseMove", &TAutoForm::Image0MouseMove),
    Published("ImageXClick", &TAutoForm::ImageXClick),
};

constexpr const char* SetupCaption = "Quendra安装程序";
constexpr const char* QuestionCaption = "询问";

}  // namespace

const TFormClass TAutoForm::FormClass = {"TAutoForm", Fields, Methods};

// The base form has read the form resource, so the pictures exist.
TAutoForm::TAutoForm(TComponent* Owner) : TForm(Owner, FormClass) {
  for (TImage* Image : {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8})
    HotRects.insert({Image, TRect{}});
  for (auto& [Image, Rect] : HotRects) {
    Rect = Image->ClientRect;
    Rect.Left += Image->Left;
    Rect.Right += Image->Left;
    Rect.Top += Image->Top;
    Rect.Bottom += Image->Top;
  }
  AppDir = ExtractFileDir(Application->ExeName);
  if (!IsPathDelimiter(AppDir, AppDir.Length())) AppDir += PathDelim;
}

// The members go in reverse order of declaration (HotRects, ItemFile,
// ItemDir, AppDir), then the base form with the pictures it owns.
TAutoForm::~TAutoForm() = default;

// Shows each picture exactly when the pointer lies in its rectangle. The
// pointer is read afresh rather than taken from the event, whose
// coordinates are relative to whichever picture received it.
void TAutoForm::Image0MouseMove(TObject*, TShiftState, int, int) {
  TPoint Pointer;
  GetCursorPos(&Pointer);
  ScreenToClient(Handle, &Pointer);
  for (auto& [Image, Rect] : HotRects) Image->Visible = PtInRect(&Rect, Pointer);
}

void TAutoForm::ImageXClick(TObject* Sender) {
  if (auto* Entry = dynamic_cast<TComponent*>(Sender)) LaunchItem(Entry->Tag);
}

void TAutoForm::LaunchItem(int Tag) {
  switch (Tag) {
    case 7:
      Close();
      return;
    case 2: {
      if (!ConfirmDatabaseSetup()) return;
      if (Win32MajorVersion < 6) {
        SetItem("MSDE");
        LaunchSetup("");
        return;
      }
      const int Answer = MessageBoxA(Application->Handle,
                                     "请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!",
                                     QuestionCaption, MB_ICONQUESTION | MB_YESNO);
      // The menu was closed while the question was open: it is no answer.
      if (Application->Terminated) return;
      SetItem(Answer == IDYES ? "Microsoft SQL Server 2005 Express(32)"
                              : "Microsoft SQL Server 2005 Express(64)");
      LaunchSetup(" /settings " + QuotedArgument(ItemDir + "setup.ini") + " ");
      return;
    }
    case 3: SetItem("KVServer"); break;
    case 4: SetItem("KVClient"); break;
    case 5: SetItem("KVPos"); break;
    case 6: SetItem("KVSaaSServer"); break;
    case 8: SetItem("KVSaaSClient"); break;
    default:
      // No entry carries any other tag.
      return;
  }
  LaunchSetup("");
}

// Points ItemDir and ItemFile at the setup program in SubFolder of AppDir.
void TAutoForm::SetItem(const char* SubFolder) {
  ItemDir = AppDir;
  ItemDir += SubFolder;
  ItemDir += PathDelim;
  ItemFile = ItemDir;
  ItemFile += "Setup.exe";
}

// Starts ItemFile from ItemDir as its working directory, or tells which of
// the two is missing, or that the program could not be started and why;
// the current directory is AppDir again afterwards.
void TAutoForm::LaunchSetup(const AnsiString& Parameters) {
  if (!SetCurrentDir(ItemDir)) {
    Application->MessageBox(("文件夹 '" + ItemDir + "' 不存在！").c_str(), SetupCaption, 0);
  } else if (FileExists(ItemFile)) {
    const auto Started = reinterpret_cast<std::intptr_t>(
        ShellExecuteA(Handle, "open", ItemFile.c_str(), Parameters.c_str(), nullptr, SW_SHOWNORMAL));
    // A No to the setup's elevation prompt is the user's answer, not a fault.
    if (Started <= 32 && GetLastError() != ERROR_CANCELLED) {
      AnsiString Text = "文件 '" + ItemFile + "' 无法启动！";
      const AnsiString Reason = SysErrorMessage(GetLastError());
      if (!Reason.IsEmpty()) Text += "\n" + Reason;
      Application->MessageBox(Text.c_str(), SetupCaption, 0);
    }
  } else {
    Application->MessageBox(("文件 '" + ItemFile + "' 不存在！").c_str(), SetupCaption, 0);
  }
  SetCurrentDir(AppDir);
}

// Asks before reinstalling over an SQL Server found in the registry; false
// when the user declines.
bool TAutoForm::ConfirmDatabaseSetup() {
  bool Installed;
  {
    TRegistry Registry;
    Registry.RootKey = HKEY_LOCAL_MACHINE;
    Installed = Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server") ||
                Registry.KeyExists("\\SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist");
    Registry.CloseKey();
  }  // the accessor is gone before any question opens
  if (!Installed) return true;
  const int Answer = MessageBoxA(Application->Handle,
                                 "系统已经安装过MSDE或SQL Server 2005数据库,是否重新安装?",
                                 QuestionCaption, MB_ICONQUESTION | MB_YESNO);
  // A question ended by the menu's closing is no answer.
  return Answer != IDNO && !Application->Terminated;
}

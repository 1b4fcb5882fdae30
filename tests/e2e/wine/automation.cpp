// Drives the menu on drive D: the way a user would, under Wine: real
// pointer and key input (SetCursorPos, SendInput), the screen read back
// (BitBlt from the screen) and compared with the artwork, message boxes
// found by their class (#32770) and read (caption, text, buttons) and
// answered, launches read from the stand-in Setup.exe's record file.
//
//   automation PHASE ARTDIR
//   automation bench ARTDIR BARE_WINDOW_EXE
//
// PHASE names what the driver prepared (the Windows version, the registry,
// the code page); ARTDIR holds the menu's pictures. MENU_SETUP_RECORD names
// the stand-in's record file. Prints one line per check and a closing
// "N passed, M failed"; the exit code is 1 if any check failed.
//
// bench checks nothing: it prints the time from process start to the first
// frame on the screen and the peak working set, for the menu and for a bare
// window of the same size, started in turns (startup_figures.cpp).
//
// A phase is a list of steps, each one behaviour of the menu, run in order
// on one running menu (a Menu: its process, its window, the artwork it
// must show); a step that needs a fresh start starts its own.

#include "desktop.h"

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace e2e {
namespace {

// ---- Reporting ----

int Passed = 0, Failed = 0;

std::string Utf8(const std::wstring& Text) {
  if (Text.empty()) return {};
  const int Length = WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<std::size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(),
                      Length, nullptr, nullptr);
  return Result;
}

std::wstring FromUtf8(const std::string& Text) {
  if (Text.empty()) return {};
  const int Length =
      MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring Result(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Length);
  return Result;
}

bool Check(bool Condition, const std::string& Name, const std::string& Detail = {}) {
  if (Condition) {
    ++Passed;
    std::printf("ok - %s\n", Name.c_str());
  } else {
    ++Failed;
    std::printf("FAIL - %s%s%s\n", Name.c_str(), Detail.empty() ? "" : ": ", Detail.c_str());
  }
  std::fflush(stdout);
  return Condition;
}

template <class T>
bool CheckEqual(const T& Actual, const T& Expected, const std::string& Name) {
  if constexpr (std::is_same_v<T, std::wstring>)
    return Check(Actual == Expected, Name,
                 "got [" + Utf8(Actual) + "], expected [" + Utf8(Expected) + "]");
  else
    return Check(Actual == Expected, Name,
                 "got " + std::to_string(Actual) + ", expected " + std::to_string(Expected));
}

// Polls Condition until it holds or Seconds have passed: the screen and the
// other process change in their own time.
bool WaitFor(const std::function<bool()>& Condition, double Seconds = 10) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
  for (;;) {
    if (Condition()) return true;
    if (std::chrono::steady_clock::now() > Deadline) return false;
    Sleep(50);
  }
}

void Pause(int Milliseconds) { Sleep(static_cast<DWORD>(Milliseconds)); }

// ---- Pictures ----

// A 24-bit BMP file as a Picture.
Picture LoadBmp(const std::wstring& Path) {
  std::ifstream File(Path.c_str(), std::ios::binary);
  const std::vector<unsigned char> Bytes((std::istreambuf_iterator<char>(File)), {});
  Picture Result;
  if (Bytes.size() < 54 || Bytes[0] != 'B' || Bytes[1] != 'M') return Result;
  auto U32 = [&](std::size_t At) {
    return std::uint32_t{Bytes[At]} | std::uint32_t{Bytes[At + 1]} << 8 |
           std::uint32_t{Bytes[At + 2]} << 16 | std::uint32_t{Bytes[At + 3]} << 24;
  };
  const std::uint32_t Offset = U32(10);
  Result.Width = static_cast<int>(U32(18));
  Result.Height = static_cast<int>(U32(22));
  const std::size_t Stride = (static_cast<std::size_t>(Result.Width) * 3 + 3) & ~std::size_t{3};
  if (Bytes.size() < Offset + Stride * static_cast<std::size_t>(Result.Height)) return {};
  Result.Pixels.resize(static_cast<std::size_t>(Result.Width * Result.Height));
  for (int Y = 0; Y < Result.Height; ++Y) {
    const unsigned char* Row = &Bytes[Offset + Stride * static_cast<std::size_t>(Result.Height - 1 - Y)];
    for (int X = 0; X < Result.Width; ++X)
      Result.Pixels[static_cast<std::size_t>(Y * Result.Width + X)] =
          std::uint32_t{Row[3 * X + 2]} << 16 | std::uint32_t{Row[3 * X + 1]} << 8 | Row[3 * X];
  }
  return Result;
}

// A rectangle of the screen as 0x00RRGGBB pixels, top row first.
Picture Capture(const RECT& Area) {
  Picture Result;
  Result.Width = Area.right - Area.left;
  Result.Height = Area.bottom - Area.top;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = Result.Width;
  Info.bmiHeader.biHeight = -Result.Height;  // top-down
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  const HDC Screen = GetDC(nullptr);
  const HDC Memory = CreateCompatibleDC(Screen);
  const HBITMAP Section = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  const HGDIOBJ Previous = SelectObject(Memory, Section);
  BitBlt(Memory, 0, 0, Result.Width, Result.Height, Screen, Area.left, Area.top, SRCCOPY);
  GdiFlush();
  const auto* Pixels = static_cast<const std::uint32_t*>(Bits);
  Result.Pixels.assign(Pixels, Pixels + Result.Width * Result.Height);
  for (auto& P : Result.Pixels) P &= 0xFFFFFF;
  SelectObject(Memory, Previous);
  DeleteObject(Section);
  DeleteDC(Memory);
  ReleaseDC(nullptr, Screen);
  return Result;
}

// ---- The menu's layout ----

struct Entry {
  int Tag;
  RECT Bounds;             // client coordinates
  const wchar_t* Folder;  // the setup folder its click starts from; "" for none
};

// Top to bottom as the background paints them: the tests' table of the
// entries (tests/entries.tsv).
const Entry Entries[] = {
#define MENU_ENTRY(Picture, Tag, Left, Top, Right, Bottom, Folder) {Tag, {Left, Top, Right, Bottom}, L"" Folder},
#include <menu_entries.inc>
#undef MENU_ENTRY
};

const Entry& EntryOf(int Tag) {
  for (const Entry& E : Entries)
    if (E.Tag == Tag) return E;
  return Entries[0];
}

Artwork LoadArtwork(const std::wstring& Folder) {
  Artwork Art;
  Art.Background = LoadBmp(Folder + L"\\background.bmp");
  for (const Entry& E : Entries)
    Art.Buttons[E.Tag] = LoadBmp(Folder + L"\\button" + std::to_wstring(E.Tag) + L".bmp");
  return Art;
}

// What the client shows: the background, with the button of LitTag (0 for
// none) over it; Blank: the form's colour only.
std::uint32_t Expected(const Artwork& Art, int X, int Y, int LitTag, bool Blank, std::uint32_t Colour) {
  if (Blank) return Colour;
  if (LitTag) {
    const RECT& B = EntryOf(LitTag).Bounds;
    if (X >= B.left && X < B.right && Y >= B.top && Y < B.bottom)
      return Art.Buttons[LitTag].At(X - B.left, Y - B.top);
  }
  return Art.Background.At(X, Y);
}

// ---- The menu process ----

std::wstring TextOf(HWND Window) {
  wchar_t Buffer[1024] = {};
  GetWindowTextW(Window, Buffer, 1024);
  return Buffer;
}

// One run of the menu, which the steps of a phase share: the artwork it
// must show, and once started its process and window.
struct Menu {
  const Artwork* Art = nullptr;
  PROCESS_INFORMATION Process{};
  HWND Window = nullptr;
  POINT Origin{};  // the client's top-left pixel on the screen
};

// Starts the menu's process, with the show command given (else the default).
bool StartProcess(Menu& M, const std::wstring& Exe, int ShowCommand = -1) {
  SetCursorPos(2, 2);  // off the window: the first frame shows no lit entry
  return Check(StartProgram(Exe, M.Process, ShowCommand), "the menu starts", "CreateProcess failed");
}

// Starts the menu, with the show command given (else the default), and
// waits for its window (visible, unless the start was minimised).
bool Start(Menu& M, const std::wstring& Exe, int ShowCommand = -1) {
  if (!StartProcess(M, Exe, ShowCommand)) return false;
  const bool Minimised = ShowCommand == SW_SHOWMINIMIZED;
  const bool Shown = WaitFor(
      [&] {
        if (Minimised) {
          const HWND App = FindWindowOf(M.Process.dwProcessId, L"TApplication");
          if (!App || !IsIconic(App)) return false;
        }
        return (M.Window = FindWindowOf(M.Process.dwProcessId, L"TAutoForm", Minimised)) != nullptr;
      },
      20);
  if (!Check(Shown, "the menu window appears")) return false;
  M.Origin = {0, 0};
  ClientToScreen(M.Window, &M.Origin);
  return true;
}

// Ends the menu if a check left it running, and forgets the run (the
// artwork stays, for the next start).
void Finish(Menu& M) {
  if (WaitForSingleObject(M.Process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(M.Process.hProcess, 99);
  CloseHandle(M.Process.hProcess);
  CloseHandle(M.Process.hThread);
  M = Menu{M.Art};
}

// Waits for the menu process to end and checks its exit code.
void CheckExitsWithZero(const Menu& M, const std::string& How) {
  const bool Ended = WaitForSingleObject(M.Process.hProcess, 10000) == WAIT_OBJECT_0;
  DWORD Code = 1234;
  GetExitCodeProcess(M.Process.hProcess, &Code);
  Check(Ended && Code == 0, How + " ends the process with exit code 0",
        Ended ? "exit code " + std::to_string(Code) : "still running");
}

// Compares Area of the client on the screen with what it should show,
// until it matches or time runs out.
bool ClientShows(const Menu& M, int LitTag, bool Blank, const std::string& Name,
                 double Seconds = 10, RECT Area = {0, 0, ClientWidth, ClientHeight}) {
  const std::uint32_t Colour = Rgb(GetSysColor(COLOR_MENU));
  int Mismatches = 0, FirstX = 0, FirstY = 0;
  std::uint32_t Got = 0, Want = 0;
  const bool Matched = WaitFor(
      [&] {
        const Picture Shot = Capture({M.Origin.x + Area.left, M.Origin.y + Area.top,
                                      M.Origin.x + Area.right, M.Origin.y + Area.bottom});
        Mismatches = 0;
        for (int Y = Area.top; Y < Area.bottom; ++Y)
          for (int X = Area.left; X < Area.right; ++X) {
            const std::uint32_t E = Expected(*M.Art, X, Y, LitTag, Blank, Colour);
            const std::uint32_t S = Shot.At(X - Area.left, Y - Area.top);
            if (S != E && Mismatches++ == 0) FirstX = X, FirstY = Y, Got = S, Want = E;
          }
        return Mismatches == 0;
      },
      Seconds);
  char Detail[160];
  std::snprintf(Detail, sizeof Detail, "%d pixels differ, first at (%d, %d): %06X instead of %06X",
                Mismatches, FirstX, FirstY, Got, Want);
  return Check(Matched, Name, Detail);
}

// ---- Input ----

void Send(DWORD Flags) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  SendInput(1, &In, sizeof In);
}

// Puts the pointer at a screen point and sends the move the system makes of it.
void MoveTo(int X, int Y) {
  SetCursorPos(X, Y);
  Send(MOUSEEVENTF_MOVE);
}

void MoveToClient(const Menu& M, int X, int Y) { MoveTo(M.Origin.x + X, M.Origin.y + Y); }

void ClickAt(const Menu& M, int X, int Y) {
  MoveToClient(M, X, Y);
  Pause(100);
  Send(MOUSEEVENTF_LEFTDOWN);
  Send(MOUSEEVENTF_LEFTUP);
}

// Lights the entry with a move onto the background next to it and then
// onto it, as a user reaching it would, and clicks it.
void ClickEntry(const Menu& M, int Tag) {
  const RECT& B = EntryOf(Tag).Bounds;
  MoveToClient(M, B.left - 10, (B.top + B.bottom) / 2);
  Pause(50);
  MoveToClient(M, (B.left + B.right) / 2, (B.top + B.bottom) / 2);
  // Only the entry itself: a message box may cover other parts of the window.
  ClientShows(M, Tag, false, "entry " + std::to_string(Tag) + " lights before its click", 5, B);
  ClickAt(M, (B.left + B.right) / 2, (B.top + B.bottom) / 2);
}

void Key(WORD VirtualKey, bool Down) {
  INPUT In{};
  In.type = INPUT_KEYBOARD;
  In.ki.wVk = VirtualKey;
  In.ki.dwFlags = Down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &In, sizeof In);
}

// ---- Message boxes ----

struct Box {
  HWND Window = nullptr;
  std::wstring Caption, Text;
  std::vector<int> Buttons;  // control ids: IDOK, IDYES, IDNO, ...
};

BOOL CALLBACK AddButton(HWND Child, LPARAM Param) {
  wchar_t Name[32] = {};
  GetClassNameW(Child, Name, 32);
  if (_wcsicmp(Name, L"Button") == 0 && IsWindowVisible(Child))
    reinterpret_cast<Box*>(Param)->Buttons.push_back(GetDlgCtrlID(Child));
  return TRUE;
}

Box ReadBox(HWND Window) {
  Box B;
  B.Window = Window;
  B.Caption = TextOf(Window);
  // The message text is the static control with the id 0xFFFF.
  B.Text = TextOf(GetDlgItem(Window, 0xFFFF));
  EnumChildWindows(Window, AddButton, reinterpret_cast<LPARAM>(&B));
  return B;
}

Box WaitForBox(const Menu& M, double Seconds = 10) {
  HWND Found = nullptr;
  WaitFor([&] { return (Found = FindWindowOf(M.Process.dwProcessId, L"#32770")) != nullptr; }, Seconds);
  return Found ? ReadBox(Found) : Box{};
}

void Answer(const Box& B, int Button) {
  PostMessageW(B.Window, WM_COMMAND, MAKEWPARAM(Button, BN_CLICKED), 0);
  WaitFor([&] { return !IsWindow(B.Window) || !IsWindowVisible(B.Window); }, 5);
}

bool CheckBox(const Box& B, const std::wstring& Caption, const std::wstring& Text,
              const std::vector<int>& Buttons, const std::string& Name) {
  if (!Check(B.Window != nullptr, Name + ": the box appears")) return false;
  const bool A = CheckEqual(B.Caption, Caption, Name + ": caption");
  const bool T = CheckEqual(B.Text, Text, Name + ": text");
  const bool K = Check(B.Buttons == Buttons, Name + ": buttons",
                       "got " + std::to_string(B.Buttons.size()) + " buttons");
  wchar_t Owner[64] = {};
  GetClassNameW(GetWindow(B.Window, GW_OWNER), Owner, 64);
  const bool O = CheckEqual(std::wstring(Owner), std::wstring(L"TApplication"),
                            Name + ": owned by the application window");
  return A && T && K && O;
}

const std::wstring Caption = L"Quendra安装程序";
const std::wstring Question = L"询问";
const std::wstring ReinstallText = L"系统已经安装过MSDE或SQL Server 2005数据库,是否重新安装?";
const std::wstring WidthText = L"请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!";

// ---- The stand-in's records ----

struct Launch {
  DWORD Pid = 0;
  std::wstring Exe, Cwd, CommandLine;
  std::vector<std::wstring> Arguments;
};

std::wstring RecordPath() {
  wchar_t Buffer[1024] = {};
  GetEnvironmentVariableW(L"MENU_SETUP_RECORD", Buffer, 1024);
  return Buffer;
}

std::vector<Launch> Launches() {
  std::ifstream File(RecordPath().c_str(), std::ios::binary);
  std::vector<Launch> Result;
  Launch Current;
  std::string Line;
  while (std::getline(File, Line)) {
    const auto Equals = Line.find('=');
    const std::string Key = Line.substr(0, Equals);
    const std::wstring Value = Equals == std::string::npos ? L"" : FromUtf8(Line.substr(Equals + 1));
    if (Key == "pid") Current.Pid = static_cast<DWORD>(std::stoul(Line.substr(Equals + 1)));
    if (Key == "exe") Current.Exe = Value;
    if (Key == "cwd") Current.Cwd = Value;
    if (Key == "cmdline") Current.CommandLine = Value;
    if (Key == "arg") Current.Arguments.push_back(Value);
    if (Key == "end") Result.push_back(std::exchange(Current, {}));
  }
  return Result;
}

// Waits for the launch after the first Known ones.
bool NextLaunch(std::size_t Known, Launch& Out, double Seconds = 10) {
  std::vector<Launch> All;
  if (!WaitFor([&] { return (All = Launches()).size() > Known; }, Seconds)) return false;
  Out = All[Known];
  return true;
}

// The command line after the program's name (quoted or not).
std::wstring Tail(const std::wstring& CommandLine) {
  std::size_t End = 0;
  if (!CommandLine.empty() && CommandLine[0] == L'"') {
    End = CommandLine.find(L'"', 1);
    End = End == std::wstring::npos ? CommandLine.size() : End + 1;
  } else {
    End = CommandLine.find(L' ');
    if (End == std::wstring::npos) End = CommandLine.size();
  }
  return CommandLine.substr(End);
}

bool IsBlank(const std::wstring& Text) { return Text.find_first_not_of(L' ') == std::wstring::npos; }

void CheckLaunch(std::size_t Known, const std::wstring& Folder, const std::vector<std::wstring>& Arguments,
                 const std::string& Name) {
  Launch L;
  if (!Check(NextLaunch(Known, L), Name + ": the setup starts")) return;
  CheckEqual(L.Exe, Folder + L"\\Setup.exe", Name + ": program");
  // The working directory as the started program reads it back: the
  // system gives it without the trailing backslash the menu set.
  CheckEqual(L.Cwd, Folder, Name + ": working directory");
  if (Arguments.empty())
    Check(IsBlank(Tail(L.CommandLine)), Name + ": empty command tail", Utf8(L.CommandLine));
  else
    Check(L.Arguments == Arguments, Name + ": arguments", Utf8(L.CommandLine));
}

// No launch after the first Known ones and no box, for a while.
void CheckNothingHappens(const Menu& M, std::size_t Known, const std::string& Name) {
  const bool Something = WaitFor(
      [&] { return Launches().size() > Known || FindWindowOf(M.Process.dwProcessId, L"#32770"); }, 2);
  Check(!Something, Name);
}

bool StillRunning(DWORD Pid) {
  const HANDLE Process = OpenProcess(SYNCHRONIZE, FALSE, Pid);
  if (!Process) return false;
  const bool Running = WaitForSingleObject(Process, 0) == WAIT_TIMEOUT;
  CloseHandle(Process);
  return Running;
}

void ReleaseStandIns() {
  if (const HANDLE Release = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"DiscMenuSetupRelease")) {
    SetEvent(Release);
    CloseHandle(Release);
  }
}

// ---- Windows 7: the steps ----

// The window's place, size and frame, its first frame, and the band.
void FirstFrame(const Menu& M) {
  RECT Frame{};
  GetWindowRect(M.Window, &Frame);
  const int ScreenWidth = GetSystemMetrics(SM_CXSCREEN), ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  CheckEqual(static_cast<int>(Frame.right - Frame.left), ClientWidth + 2, "window width: client and a one-pixel band");
  CheckEqual(static_cast<int>(Frame.bottom - Frame.top), ClientHeight + 2, "window height: client and a one-pixel band");
  CheckEqual(static_cast<int>(Frame.left), (ScreenWidth - (ClientWidth + 2)) / 2, "window centred horizontally");
  CheckEqual(static_cast<int>(Frame.top), (ScreenHeight - (ClientHeight + 2)) / 2, "window centred vertically");
  const LONG Style = GetWindowLongW(M.Window, GWL_STYLE);
  Check((Style & WS_POPUP) && !(Style & (WS_CAPTION | WS_THICKFRAME)), "window borderless: no caption, no sizing frame");
  CheckEqual(static_cast<int>(M.Origin.x - Frame.left), 1, "client inset by the band horizontally");
  CheckEqual(static_cast<int>(M.Origin.y - Frame.top), 1, "client inset by the band vertically");
  ClientShows(M, 0, false, "first frame equals the artwork");
  const Picture Band = Capture(Frame);
  const std::uint32_t Colour = Rgb(GetSysColor(COLOR_MENU));
  bool AllMenu = true;
  for (int X = 0; X < Band.Width; ++X)
    AllMenu &= Band.At(X, 0) == Colour && Band.At(X, Band.Height - 1) == Colour;
  for (int Y = 0; Y < Band.Height; ++Y)
    AllMenu &= Band.At(0, Y) == Colour && Band.At(Band.Width - 1, Y) == Colour;
  Check(AllMenu, "the band shows the menu colour");
}

// The hidden application window owns the menu window and carries the
// title on the taskbar; the menu window has the form's caption.
void OwnerAndTitles(const Menu& M) {
  const HWND Application = GetWindow(M.Window, GW_OWNER);
  wchar_t OwnerClass[64] = {};
  GetClassNameW(Application, OwnerClass, 64);
  CheckEqual(std::wstring(OwnerClass), std::wstring(L"TApplication"), "the menu window is owned by the application window");
  CheckEqual(TextOf(Application), std::wstring(L"安装QuendraTalvex SaaS"), "the application window carries the title");
  CheckEqual(TextOf(M.Window), std::wstring(L"安装QuendraTalvex 3G ASP"), "the menu window's caption is the form's");
}

// Each entry, reached over the background, lights alone; the background
// and an entry's right edge light nothing.
void Hover(const Menu& M) {
  for (const Entry& E : Entries) {
    MoveToClient(M, E.Bounds.left - 20, E.Bounds.top + 5);
    Pause(50);
    MoveToClient(M, E.Bounds.left, E.Bounds.top);  // the top-left corner is inside
    ClientShows(M, E.Tag, false, "hover lights entry " + std::to_string(E.Tag) + " alone", 5);
  }
  // Back onto the background below the last entry: nothing lit.
  MoveToClient(M, 500, 400);
  ClientShows(M, 0, false, "the background outside the entries lights nothing", 5);
  // The right and bottom edges are outside an entry.
  MoveToClient(M, 605, 100);
  ClientShows(M, 0, false, "an entry's right edge is outside it", 5);
}

// The server's folder missing: a modal message, then the menu works on.
// (Before anything was started from it: a running setup's working
// directory cannot be renamed.)
void MissingFolder(const Menu& M) {
  Check(MoveFileW(L"D:\\KVServer", L"D:\\KVServer-away") != 0, "the server folder is moved away");
  const std::size_t Known = Launches().size();
  ClickEntry(M, 3);
  const Box B = WaitForBox(M);
  CheckBox(B, Caption, L"文件夹 'D:\\KVServer\\' 不存在！", {IDOK}, "missing folder");
  Check(B.Window && !IsWindowEnabled(M.Window), "missing folder: the menu window is disabled while shown");
  Answer(B, IDOK);
  Check(WaitFor([&] { return IsWindowEnabled(M.Window) != FALSE; }, 5), "missing folder: the menu window is enabled afterwards");
  Check(WaitFor([&] { return GetForegroundWindow() == M.Window; }, 5), "missing folder: the menu window is active again");
  CheckEqual(Launches().size(), Known, "missing folder: nothing starts");
  MoveFileW(L"D:\\KVServer-away", L"D:\\KVServer");
}

// The server's program missing: a modal message, nothing starts.
void MissingProgram(const Menu& M) {
  Check(MoveFileW(L"D:\\KVServer\\Setup.exe", L"D:\\KVServer\\Setup.away") != 0, "the server setup is moved away");
  const std::size_t Known = Launches().size();
  ClickEntry(M, 3);
  const Box B = WaitForBox(M);
  CheckBox(B, Caption, L"文件 'D:\\KVServer\\Setup.exe' 不存在！", {IDOK}, "missing file");
  Check(B.Window && !IsWindowEnabled(M.Window), "missing file: the menu window is disabled while shown");
  Answer(B, IDOK);
  CheckEqual(Launches().size(), Known, "missing file: nothing starts");
  MoveFileW(L"D:\\KVServer\\Setup.away", L"D:\\KVServer\\Setup.exe");
}

// The POS setup damaged: there, but no program the system can start; the
// message names it and the system's reason.
void DamagedProgram(const Menu& M) {
  Check(MoveFileW(L"D:\\KVPos\\Setup.exe", L"D:\\KVPos\\Setup.away") != 0, "the POS setup is moved away");
  const HANDLE Damaged = CreateFileW(L"D:\\KVPos\\Setup.exe", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD Written = 0;
  WriteFile(Damaged, "MZ damaged", 10, &Written, nullptr);
  CloseHandle(Damaged);
  const std::size_t Known = Launches().size();
  ClickEntry(M, 5);
  const Box B = WaitForBox(M);
  const std::wstring CannotStart = L"文件 'D:\\KVPos\\Setup.exe' 无法启动！";
  Check(B.Window != nullptr && B.Text.starts_with(CannotStart) && B.Text.size() > CannotStart.size() + 1,
        "damaged program: the box names it, says it cannot start, and why", Utf8(B.Text));
  CheckEqual(B.Caption, Caption, "damaged program: caption");
  Check(B.Window && !IsWindowEnabled(M.Window), "damaged program: the menu window is disabled while shown");
  Answer(B, IDOK);
  CheckEqual(Launches().size(), Known, "damaged program: nothing starts");
  DeleteFileW(L"D:\\KVPos\\Setup.exe");
  MoveFileW(L"D:\\KVPos\\Setup.away", L"D:\\KVPos\\Setup.exe");
}

// The server entry with its folder and program: its setup starts there.
void ServerEntry(const Menu& M) {
  const std::size_t Known = Launches().size();
  ClickEntry(M, 3);
  CheckLaunch(Known, Disc + L"\\" + EntryOf(3).Folder, {}, "server entry");
}

// No keys: only the 32/64-bit question, which leaves the menu usable (a
// click on the server entry meanwhile runs that entry); Yes starts the
// 32-bit Express setup.
void WidthQuestionAnsweredYes(const Menu& M) {
  ClickEntry(M, 2);
  const Box B = WaitForBox(M);
  CheckBox(B, Question, WidthText, {IDYES, IDNO}, "32/64-bit question");
  Check(B.Window && IsWindowEnabled(M.Window), "32/64-bit question: the menu window stays enabled");
  const std::size_t Known = Launches().size();
  ClickEntry(M, 3);
  CheckLaunch(Known, Disc + L"\\" + EntryOf(3).Folder, {}, "server entry clicked while the question is open");
  Check(IsWindow(B.Window) && IsWindowVisible(B.Window), "the question is still open after the nested launch");
  Answer(B, IDYES);
  const std::wstring Express32 = Disc + L"\\Microsoft SQL Server 2005 Express(32)";
  CheckLaunch(Known + 1, Express32, {L"/settings", Express32 + L"\\setup.ini"}, "Yes to the 32/64-bit question");
}

// A press on a lit entry whose capture the system cancels: no click.
void CancelledPress(const Menu& M) {
  const std::size_t Known = Launches().size();
  const RECT& Server = EntryOf(3).Bounds;
  MoveToClient(M, Server.left - 10, Server.top + 10);
  Pause(50);
  MoveToClient(M, Server.left + 10, Server.top + 10);
  ClientShows(M, 3, false, "entry 3 lights before the cancelled press", 5, Server);
  Send(MOUSEEVENTF_LEFTDOWN);
  Pause(100);
  SendMessageW(M.Window, WM_CANCELMODE, 0, 0);
  Send(MOUSEEVENTF_LEFTUP);
  CheckNothingHappens(M, Known, "a press whose capture is cancelled (WM_CANCELMODE) gives no click");
}

// Pressed on the background, dragged out and released outside: blank
// until the pointer next moves over the window.
void DragOutAndReleaseOutside(const Menu& M) {
  MoveToClient(M, 100, 100);
  Pause(100);
  Send(MOUSEEVENTF_LEFTDOWN);
  for (int Step = 1; Step <= 4; ++Step) {
    MoveToClient(M, 100 - 30 * Step, 100 - 30 * Step);
    Pause(30);
  }
  Send(MOUSEEVENTF_LEFTUP);
  ClientShows(M, 0, true, "dragged out and released outside: the window is blank");
  MoveToClient(M, 450, 100);
  ClientShows(M, 3, false, "the next move over the window shows the menu, the entry under it lit");
}

// Alt+F4, the system's close command, ends the menu; the setups it
// started keep running.
void AltF4(const Menu& M) {
  const std::vector<Launch> Started = Launches();
  SetForegroundWindow(M.Window);
  Pause(200);
  Key(VK_MENU, true);
  Key(VK_F4, true);
  Key(VK_F4, false);
  Key(VK_MENU, false);
  CheckExitsWithZero(M, "Alt+F4");
  bool AllRunning = !Started.empty();
  for (const Launch& L : Started) AllRunning &= StillRunning(L.Pid);
  Check(AllRunning, "the started setups keep running after the menu ended");
}

// A second start shows the artwork again; the Exit entry ends it.
void ExitEntry(Menu& M) {
  if (Start(M, Disc + L"\\menu.exe")) {
    ClientShows(M, 0, false, "first frame of a second start equals the artwork");
    ClickEntry(M, 7);
    CheckExitsWithZero(M, "the Exit entry");
  }
  Finish(M);
}

// Started minimised: only the taskbar entry, until it is restored.
void StartedMinimised(Menu& M) {
  if (Start(M, Disc + L"\\menu.exe", SW_SHOWMINIMIZED)) {
    // The application window goes to the taskbar first and then hides the
    // windows it owns: the menu window may still show for a moment.
    Check(WaitFor([&] { return !IsWindowVisible(M.Window); }, 5), "started minimised: the menu window is hidden");
    const HWND Minimised = GetWindow(M.Window, GW_OWNER);
    ShowWindowAsync(Minimised, SW_RESTORE);
    Check(WaitFor([&] { return IsWindowVisible(M.Window) != FALSE; }, 5), "restored: the menu window shows");
    M.Origin = {0, 0};
    ClientToScreen(M.Window, &M.Origin);
    ClientShows(M, 0, false, "restored: the artwork");
    PostMessageW(M.Window, WM_CLOSE, 0, 0);
    CheckExitsWithZero(M, "WM_CLOSE");
  }
  Finish(M);
}

// Started maximised: the window covers the screen.
void StartedMaximised(Menu& M) {
  if (Start(M, Disc + L"\\menu.exe", SW_SHOWMAXIMIZED)) {
    Check(IsZoomed(M.Window) != FALSE, "started maximised: the menu window is maximised");
    PostMessageW(M.Window, WM_CLOSE, 0, 0);
    CheckExitsWithZero(M, "WM_CLOSE");
  }
  Finish(M);
}

// ---- Phases ----

// Windows 7, no keys: the window, the artwork, hover, the launch step and
// its messages, the 32/64-bit question with a click inside it, a drag out
// of the window, Alt+F4; then the Exit entry and the minimised and
// maximised starts, each on a start of its own.
void WindowsSeven(const Artwork& Art) {
  Menu M{&Art};
  if (Start(M, Disc + L"\\menu.exe")) {
    FirstFrame(M);
    OwnerAndTitles(M);
    Hover(M);
    MissingFolder(M);
    MissingProgram(M);
    DamagedProgram(M);
    ServerEntry(M);
    WidthQuestionAnsweredYes(M);
    CancelledPress(M);
    DragOutAndReleaseOutside(M);
    AltF4(M);
  }
  Finish(M);
  ExitEntry(M);
  StartedMinimised(M);
  StartedMaximised(M);
}

// Windows 7 with key 1: the reinstall question first; No ends the request
// silently, Yes goes on to the 32/64-bit question.
void WindowsSevenWithKey(const Artwork& Art) {
  Menu M{&Art};
  if (!Start(M, Disc + L"\\menu.exe")) return;
  std::size_t Known = Launches().size();
  ClickEntry(M, 2);
  Box B = WaitForBox(M);
  CheckBox(B, Question, ReinstallText, {IDYES, IDNO}, "reinstall question");
  Check(B.Window && IsWindowEnabled(M.Window), "reinstall question: the menu window stays enabled");
  Answer(B, IDNO);
  CheckNothingHappens(M, Known, "No to the reinstall question ends the request silently");

  ClickEntry(M, 2);
  B = WaitForBox(M);
  CheckBox(B, Question, ReinstallText, {IDYES, IDNO}, "reinstall question again");
  Answer(B, IDYES);
  B = WaitForBox(M);
  CheckBox(B, Question, WidthText, {IDYES, IDNO}, "then the 32/64-bit question");
  Answer(B, IDYES);
  const std::wstring Express32 = Disc + L"\\Microsoft SQL Server 2005 Express(32)";
  CheckLaunch(Known, Express32, {L"/settings", Express32 + L"\\setup.ini"}, "Yes, Yes");
  ClickEntry(M, 7);
  CheckExitsWithZero(M, "the Exit entry");
  Finish(M);
}

// Windows XP, no keys: MSDE with no question.
void WindowsXp(const Artwork& Art) {
  Menu M{&Art};
  if (!Start(M, Disc + L"\\menu.exe")) return;
  const std::size_t Known = Launches().size();
  ClickEntry(M, 2);
  CheckLaunch(Known, Disc + L"\\MSDE", {}, "database entry on Windows XP");
  Check(FindWindowOf(M.Process.dwProcessId, L"#32770") == nullptr, "database entry on Windows XP: no question");
  ClickEntry(M, 7);
  CheckExitsWithZero(M, "the Exit entry");
  Finish(M);
}

// Started from the disc's Folder: the paths come out exact in every
// message and launch.
void StartedFromAFolder(const Artwork& Art, const std::wstring& Folder) {
  Menu M{&Art};
  if (!Start(M, Folder + L"\\menu.exe")) return;
  ClickEntry(M, 3);
  const Box B = WaitForBox(M);
  CheckBox(B, Caption, L"文件夹 '" + Folder + L"\\KVServer\\' 不存在！", {IDOK}, "missing folder under " + Utf8(Folder));
  Answer(B, IDOK);
  const std::size_t Known = Launches().size();
  ClickEntry(M, 4);
  CheckLaunch(Known, Folder + L"\\" + EntryOf(4).Folder, {}, "client entry under " + Utf8(Folder));
  ClickEntry(M, 7);
  CheckExitsWithZero(M, "the Exit entry");
  Finish(M);
}

// A folder with spaces and Chinese characters, on a system whose code page
// is not 936.
void ChineseFolder(const Artwork& Art) {
  Check(GetACP() != 936, "the system code page is not 936", std::to_string(GetACP()));
  StartedFromAFolder(Art, Disc + L"\\软件 光盘 (2)");
}

// A folder whose name ends in 運, bytes DF 5C in code page 936: its second
// byte is the backslash's, and still no delimiter.
void DoubleByteBackslashFolder(const Artwork& Art) {
  Check(GetACP() == 936, "the system code page is 936", std::to_string(GetACP()));
  StartedFromAFolder(Art, Disc + L"\\光盘運");
}

// A folder named outside code page 936. Where the system has GB18030 the
// menu works there as anywhere; where it lacks it (Wine 8), the name cannot
// be held in the menu's text, and the menu says so once and starts
// nothing, rather than claim that the folders beside it are missing.
void FolderOutsideGbk(const Artwork& Art) {
  const std::wstring Folder = Disc + L"\\한국어 디스크";
  if (IsValidCodePage(54936)) {
    StartedFromAFolder(Art, Folder);
    return;
  }
  const std::size_t Known = Launches().size();
  Menu M{&Art};
  if (!StartProcess(M, Folder + L"\\menu.exe")) return;
  const Box B = WaitForBox(M);
  Check(B.Window != nullptr, "a folder name outside code page 936: one box");
  CheckEqual(B.Caption, std::wstring(L"安装QuendraTalvex SaaS"), "the box's caption is the title");
  CheckEqual(B.Text, std::wstring(L"无法确定菜单程序所在的文件夹，无法启动任何安装程序。"), "the box says so plainly");
  Check(FindWindowOf(M.Process.dwProcessId, L"TAutoForm", true) == nullptr, "no menu window");
  Answer(B, IDOK);
  CheckExitsWithZero(M, "OK");
  CheckEqual(Launches().size(), Known, "nothing started");
  Finish(M);
}

}  // namespace
}  // namespace e2e

int wmain(int Count, wchar_t** Arguments) {
  using namespace e2e;
  const std::wstring Phase = Count > 1 ? Arguments[1] : L"";
  if (Count != (Phase == L"bench" ? 4 : 3)) {
    std::fprintf(stderr, "usage: automation win7|win7-key|xp|folder|folder-5c|folder-outside-gbk ARTDIR\n"
                         "       automation bench ARTDIR BARE_WINDOW_EXE\n");
    return 2;
  }
  const Artwork Art = LoadArtwork(Arguments[2]);
  if (!Check(Art.Background.Width == 634 && Art.Background.Height == 428, "the artwork loads")) return 1;
  if (Phase == L"bench") {
    StartupFigures(Art, Arguments[3]);
    return 0;
  }
  if (Phase == L"win7") WindowsSeven(Art);
  else if (Phase == L"win7-key") WindowsSevenWithKey(Art);
  else if (Phase == L"xp") WindowsXp(Art);
  else if (Phase == L"folder") ChineseFolder(Art);
  else if (Phase == L"folder-5c") DoubleByteBackslashFolder(Art);
  else if (Phase == L"folder-outside-gbk") FolderOutsideGbk(Art);
  else Check(false, "known phase", Utf8(Phase));
  ReleaseStandIns();
  std::printf("%s: %d passed, %d failed\n", Utf8(Phase).c_str(), Passed, Failed);
  return Failed ? 1 : 0;
}

#pragma once
// A fresh folder under the system's temporary folder for one test, with a
// name that holds spaces and Chinese characters; removed with everything
// in it afterwards.

// <windows.h> through the backend's header, which must come first.
#include "win32/win32_backend.h"

#include <string>

class ScratchFolder {
public:
  ScratchFolder() {
    wchar_t Temp[MAX_PATH];
    GetTempPathW(MAX_PATH, Temp);
    Path = std::wstring(Temp) + L"菜单 测试 " + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++Count);
    CreateDirectoryW(Path.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveTree(Path); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Path\Name, made as a folder or as an empty file.
  std::wstring Folder(const std::wstring& Name) const {
    const std::wstring Full = Path + L"\\" + Name;
    CreateDirectoryW(Full.c_str(), nullptr);
    return Full;
  }
  std::wstring File(const std::wstring& Name) const {
    const std::wstring Full = Path + L"\\" + Name;
    CloseHandle(CreateFileW(Full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return Full;
  }

  std::wstring Path;

private:
  static void RemoveTree(const std::wstring& Folder) {
    WIN32_FIND_DATAW Found;
    const HANDLE Search = FindFirstFileW((Folder + L"\\*").c_str(), &Found);
    if (Search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring Name = Found.cFileName;
        if (Name == L"." || Name == L"..") continue;
        const std::wstring Full = Folder + L"\\" + Name;
        if (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(Full);
        else DeleteFileW(Full.c_str());
      } while (FindNextFileW(Search, &Found));
      FindClose(Search);
    }
    RemoveDirectoryW(Folder.c_str());
  }
  static inline int Count = 0;
};

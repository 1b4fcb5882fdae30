#pragma once
// A temporary folder for one test, removed with everything in it, and the
// small file helpers the platform tests share. Names are UTF-8 here, as
// Linux stores them; the code under test receives them as code page 936.

#include <glib.h>
#include <glib/gstdio.h>

#include <filesystem>
#include <string>

#include "gtk_backend.h"

class TempFolder {
public:
  TempFolder() {
    gchar* Made = g_dir_make_tmp("platform-test-XXXXXX", nullptr);
    Path = Made;
    g_free(Made);
  }
  ~TempFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(Path, Ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Path/Name, as UTF-8.
  std::string operator/(const std::string& Name) const { return Path + "/" + Name; }

  std::string Path;
};

inline std::string Utf8(const char8_t* Text) { return reinterpret_cast<const char*>(Text); }

// The code page 936 bytes the menu would hold for a path (its bytes UTF-8,
// or not).
inline vcl::AnsiString Ansi(const std::string& Path) { return vcl::gtk::FromFileName(Path); }

inline void MakeFile(const std::string& Path, const std::string& Text = "", int Mode = 0644) {
  g_file_set_contents(Path.c_str(), Text.c_str(), static_cast<gssize>(Text.size()), nullptr);
  g_chmod(Path.c_str(), Mode);
}

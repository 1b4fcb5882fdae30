#pragma once
// A menu window on the fake backend, started from the root of a fake disc.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "AutoMain.h"
#include "fake.h"

// The root of the disc in the build's own path syntax.
#if defined(_WIN32)
inline const std::string Root = "D:\\";
#else
inline const std::string Root = "/";
#endif

// Root followed by Names, each ended by the build's delimiter except the last.
inline std::string OnDisc(std::initializer_list<std::string_view> Names) {
  std::string Path = Root;
  bool First = true;
  for (std::string_view Name : Names) {
    if (!First) Path += PathDelim;
    Path += Name;
    First = false;
  }
  return Path;
}

// The folder of an entry: OnDisc(Sub) with its trailing delimiter.
inline std::string EntryDir(std::string_view Sub) { return OnDisc({Sub, ""}); }
inline std::string EntrySetup(std::string_view Sub) { return OnDisc({Sub, "Setup.exe"}); }

// One of the menu's seven entries: its lit picture, the tag it carries, the
// rectangle it lights up over (client coordinates, right and bottom
// outside), and the setup folder its click starts from ("" for the database
// entry, which chooses one of three, and the exit entry).
struct MenuEntry {
  TImage* TAutoForm::*Picture;
  int Tag;
  TRect Rect;
  const char* Folder;
};

// The entries top to bottom on the screen, from tests/entries.tsv.
inline constexpr MenuEntry Entries[] = {
#define MENU_ENTRY(Picture, Tag, Left, Top, Right, Bottom, Folder) \
  {&TAutoForm::Picture, Tag, {Left, Top, Right, Bottom}, Folder},
#include <menu_entries.inc>
#undef MENU_ENTRY
};

// The entry that carries Tag; a tag no entry carries fails the test.
inline const MenuEntry& EntryTagged(int Tag) {
  for (const MenuEntry& E : Entries)
    if (E.Tag == Tag) return E;
  ADD_FAILURE() << "no entry carries tag " << Tag;
  return Entries[0];
}

// The entry shown by Picture.
inline const MenuEntry& EntryShownBy(TImage* TAutoForm::*Picture) {
  for (const MenuEntry& E : Entries)
    if (E.Picture == Picture) return E;
  ADD_FAILURE() << "no entry is shown by that picture";
  return Entries[0];
}

// The setup folder of the entry that carries Tag.
inline const char* FolderOf(int Tag) { return EntryTagged(Tag).Folder; }

// The five component entries, each starting the setup in its own folder.
inline std::vector<MenuEntry> ComponentEntries() {
  std::vector<MenuEntry> Components;
  for (const MenuEntry& E : Entries)
    if (*E.Folder) Components.push_back(E);
  return Components;
}

class MenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    fake::Reset();
    Start(Root + "menu.exe");
  }
  void TearDown() override {
    delete AutoForm;
    AutoForm = nullptr;
  }

  // (Re)builds the menu window as started from ExePath.
  void Start(const std::string& ExePath) {
    delete AutoForm;
    AutoForm = nullptr;
    fake::State().ExePath = ExePath;
    fake::AddFile(ExePath);
    fake::State().CurrentDir = Root;  // where the disc's autorun starts programs
    Application->CreateForm(&AutoForm);
  }

  // A click on the entry with this tag, as its lit picture delivers it.
  void Click(int Tag) {
    TImage Entry(nullptr);
    Entry.Tag = Tag;
    AutoForm->ImageXClick(&Entry);
  }

  // Both the folder and the setup program of Sub exist.
  static void Provide(std::string_view Sub) { fake::AddFile(EntrySetup(Sub)); }

  static fake::World& World() { return fake::State(); }
  static HWND MenuHandle() { return AutoForm->Handle; }
};

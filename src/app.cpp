// The program's entry: the application object, the one menu window, and
// the message loop until that window closes.

#include <vcl.h>

#include "AutoMain.h"

extern "C" int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application->Initialize();
    Application->Title = "安装QuendraTalvex SaaS";
    Application->CreateForm(&AutoForm);
    Application->Run();
  } catch (Exception& E) {
    Application->ShowException(&E);
  }
  return 0;
}

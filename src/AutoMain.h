#pragma once
// TAutoForm: the menu window. Seven entry pictures over one background; the
// entry under the pointer lights up and a click on it starts the setup
// program of one component from a folder beside the menu, or closes the menu.

#include <vcl.h>

#include <map>

class TAutoForm : public TForm {
public:  // published: set and connected by name from the form resource
  TImage* Image1;  // the background
  TImage* Image2;
  TImage* Image3;
  TImage* Image4;
  TImage* Image5;
  TImage* Image6;
  TImage* Image7;
  TImage* Image8;
  void Image0MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void ImageXClick(TObject* Sender);

private:
  AnsiString AppDir;    // the executable's folder, ending with one delimiter
  AnsiString ItemDir;   // folder of the entry being launched
  AnsiString ItemFile;  // setup program being launched
  std::map<TImage*, TRect> HotRects;

  void LaunchItem(int Tag);
  bool ConfirmDatabaseSetup();
  void SetItem(const char* SubFolder);
  void LaunchSetup(const AnsiString& Parameters);

public:
  explicit TAutoForm(TComponent* Owner);
  ~TAutoForm() override;

  static const TFormClass FormClass;
};

extern TAutoForm* AutoForm;

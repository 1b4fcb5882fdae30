object AutoForm: TAutoForm
  Left = 246
  Top = 183
  BorderStyle = bsNone
  BorderWidth = 1
  Caption = #23433#35013'QuendraTalvex 3G ASP'
  ClientHeight = 421
  ClientWidth = 633
  Color = clMenu
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  OnMouseMove = Image0MouseMove
  object Image1: TImage
    Tag = 1
    Left = 0
    Top = 0
    Width = 633
    Height = 425
    OnMouseMove = Image0MouseMove
  end
  object Image2: TImage
    Tag = 2
    Left = 391
    Top = 48
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image3: TImage
    Tag = 3
    Left = 391
    Top = 86
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image4: TImage
    Tag = 4
    Left = 391
    Top = 123
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image5: TImage
    Tag = 5
    Left = 391
    Top = 161
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image6: TImage
    Tag = 7
    Left = 391
    Top = 354
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image7: TImage
    Tag = 8
    Left = 391
    Top = 278
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
  object Image8: TImage
    Tag = 6
    Left = 391
    Top = 241
    Width = 214
    Height = 31
    Visible = False
    OnClick = ImageXClick
  end
end

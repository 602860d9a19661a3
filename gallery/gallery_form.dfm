object GalleryForm: TGalleryForm
  Left = 200
  Top = 150
  BorderStyle = bsSizeable
  Caption = 'Velmora 皮肤样例'
  ClientHeight = 300
  ClientWidth = 420
  Color = clBtnFace
  Font.Charset = GB2312_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  PixelsPerInch = 96
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    Caption = '外观'
    TabOrder = 0
    object BtnYellow: TButton
      Left = 12
      Top = 22
      Width = 176
      Height = 26
      Caption = '黄色皮肤(&Y)'
      TabOrder = 0
      OnClick = BtnYellowClick
    end
    object BtnBlue: TButton
      Left = 12
      Top = 54
      Width = 176
      Height = 26
      Caption = '蓝色皮肤(&B)'
      TabOrder = 1
      OnClick = BtnBlueClick
    end
    object BtnSystem: TButton
      Left = 12
      Top = 86
      Width = 176
      Height = 26
      Caption = '系统皮肤(&S)'
      TabOrder = 2
      OnClick = BtnSystemClick
    end
  end
  object Edit1: TEdit
    Left = 220
    Top = 16
    Width = 188
    Height = 24
    Text = '文本框 Edit'
    TabOrder = 1
  end
  object Label1: TLabel
    Left = 220
    Top = 52
    Width = 188
    Height = 16
    Caption = '拖动边框可以改变窗口大小。'
  end
  object ListView1: TListView
    Left = 8
    Top = 136
    Width = 400
    Height = 150
    ViewStyle = vsReport
    TabOrder = 2
    Columns = <
      item
        Caption = '名称'
        Width = 200
      end>
  end
end

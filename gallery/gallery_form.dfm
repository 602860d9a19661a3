object GalleryForm: TGalleryForm
  Left = 200
  Top = 150
  BorderStyle = bsSizeable
  Caption = 'Velmora 皮肤样例'
  ClientHeight = 380
  ClientWidth = 808
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
    Height = 150
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
    object BtnRawDialog: TButton
      Left = 12
      Top = 118
      Width = 176
      Height = 26
      Caption = '原始对话框(&D)'
      TabOrder = 3
      OnClick = BtnRawDialogClick
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
    Transparent = True
  end
  object Panel1: TPanel
    Left = 220
    Top = 76
    Width = 188
    Height = 82
    Caption = '面板 Panel'
    TabOrder = 2
  end
  object PageControl1: TPageControl
    Left = 420
    Top = 8
    Width = 380
    Height = 150
    TabOrder = 3
    object TabSheet1: TTabSheet
      Caption = '第一页'
      object Label2: TLabel
        Left = 8
        Top = 10
        Width = 110
        Height = 16
        Caption = '标签页上的文字'
        Transparent = True
      end
    end
    object TabSheet2: TTabSheet
      Caption = '第二页'
      object CheckBox1: TCheckBox
        Left = 8
        Top = 8
        Width = 118
        Height = 20
        Caption = '已选中(&C)'
        Checked = True
      end
      object CheckBox2: TCheckBox
        Left = 8
        Top = 34
        Width = 118
        Height = 20
        Caption = '未选中(&U)'
      end
      object CheckBox3: TCheckBox
        Left = 8
        Top = 60
        Width = 118
        Height = 20
        Caption = '不确定(&I)'
        AllowGrayed = True
        State = cbGrayed
      end
      object CheckBox4: TCheckBox
        Left = 130
        Top = 8
        Width = 118
        Height = 20
        Caption = '已禁用(&N)'
        Enabled = False
      end
      object CheckBox5: TCheckBox
        Left = 130
        Top = 34
        Width = 118
        Height = 20
        Caption = '禁用且选中(&K)'
        Checked = True
        Enabled = False
      end
      object CheckBox6: TCheckBox
        Left = 130
        Top = 60
        Width = 118
        Height = 20
        Caption = '文字在左(&L)'
        Alignment = taLeftJustify
      end
      object GroupBoxRadio: TGroupBox
        Left = 254
        Top = 2
        Width = 112
        Height = 112
        Caption = '单选组'
        object RadioButton1: TRadioButton
          Left = 10
          Top = 22
          Width = 96
          Height = 20
          Caption = '选项一(&1)'
          Checked = True
        end
        object RadioButton2: TRadioButton
          Left = 10
          Top = 48
          Width = 96
          Height = 20
          Caption = '选项二(&2)'
        end
        object RadioButton3: TRadioButton
          Left = 10
          Top = 74
          Width = 96
          Height = 20
          Caption = '禁用的选项(&3)'
          Enabled = False
        end
      end
    end
  end
  object ListView1: TListView
    Left = 8
    Top = 166
    Width = 544
    Height = 180
    ViewStyle = vsReport
    TabOrder = 4
    Columns = <
      item
        Caption = '名称'
        Width = 200
      end>
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 358
    Width = 560
    Height = 22
    Panels = <
      item
        Text = '就绪'
        Width = 120
      end
      item
        Text = '居中的面板'
        Width = 180
        Alignment = taCenter
        Bevel = pbRaised
      end
      item
        Text = '无边'
        Width = 100
        Bevel = pbNone
      end>
  end
end

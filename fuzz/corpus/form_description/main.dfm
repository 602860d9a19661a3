object Main: TMainForm
  Caption = 'It''s ' + #20320#22909 +
    ' 窗'
  Left = -12
  Mask = $FFFFFFFF
  BorderIcons = [biSystemMenu, 3]
  Font.Name = '宋体'
  // a comment
  object Panel: TGroupBox
    Picture.Data = {424D 0A}
    object Button: TButton
      OnClick = ButtonClick
    end
  end
  Columns = <
    item
      Width = 42
      Sub = <
        item
        end>
    end>
end

#pragma once
// Reads a stored form description into a root component (a form).
//
// The description is UTF-8 text:
//
//   object FrmMain: TFrmMain
//     Caption = 'Velmora'                  string ('' inside for a quote,
//     ClientWidth = 429                      #13#10 for character codes, and
//     Color = clBtnFace                      + to join pieces across lines)
//     BorderIcons = [biSystemMenu, biMinimize]
//     Font.Name = '宋体'                    dotted names walk object properties
//     OnCreate = FormCreate                 a handler of the root, by name
//     object Image1: TImage                 a child: created by class name,
//       Picture.Data = {424D...}            owned by the root, nested in the
//     end                                   enclosing object; binary as hex
//     object LstThemes: TListView
//       Columns = <
//         item
//           Caption = '序号'
//         end>
//     end
//   end
//
// Components are created in stored order; when everything is read, Loaded
// runs on each, root first. A binary value goes to the component's binary
// property of that name (a skin component publishes "DataStream" this way).
#include "toolkit/component.h"

#include <stdexcept>
#include <string>

class EFormReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void ReadComponentText(TComponent& root, const std::string& utf8);
// Reads the RCDATA resource `name` of the program's module.
void ReadComponentResource(TComponent& root, const std::wstring& name);

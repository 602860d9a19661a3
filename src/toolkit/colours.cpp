#include "toolkit/colours.h"

#include "toolkit/cursors.h"

#include "toolkit/text_compare.h"

namespace {

struct TIdent {
    const wchar_t* Name;
    long long Value;
};

const TIdent kIdents[] = {
    {L"clBlack", clBlack},
    {L"clWhite", clWhite},
    {L"clBtnFace", clBtnFace},
    {L"clWindow", clWindow},
    {L"clWindowText", clWindowText},
    {L"clBtnText", clBtnText},
    {L"clHighlight", clHighlight},
    {L"clNone", clNone},
    {L"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {L"ANSI_CHARSET", ANSI_CHARSET},
    {L"GB2312_CHARSET", GB2312_CHARSET},
    {L"crDefault", crDefault},
    {L"crArrow", crArrow},
    {L"crHandPoint", crHandPoint},
};

} // namespace

bool IdentToInt(const std::wstring& name, long long& value) {
    for (const TIdent& i : kIdents) {
        if (SameTextNoCase(i.Name, name)) {
            value = i.Value;
            return true;
        }
    }
    return false;
}

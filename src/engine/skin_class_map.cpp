#include "engine/skin_class_map.h"

namespace {

struct TKindGroup {
    const wchar_t* Kind;
    std::vector<const wchar_t*> Classes;
};

// Duplicates are deliberate: the map is kept exactly as programs have
// always stored it, and equal keys carry equal kinds.
const TKindGroup kGroups[] = {
    {L"scrollbar", {L"TCategoryButtons"}},
    {L"pngspeedbutton", {L"TPngSpeedbutton"}},
    {L"pngbitbtn", {L"TPngBitBtn"}},
    {L"scrollbar",
     {L"TVirtualStringTree", L"TVirtualDrawTree", L"TAdvPanelGroup", L"THTMLViewer", L"TDBCtrlGrid",
      L"TImageEnMView", L"TImageEnView", L"TAdvMemo", L"TDBAdvMemo"}},
    {L"Panel",
     {L"TTBXDockablePanel", L"TControlBar", L"TTBDock", L"TTBToolbar", L"TRzGroup",
      L"TLMDCalculator", L"TLMDGROUPBOX", L"TLMDSIMPLEPANEL", L"TLMDDBCalendar", L"TLMDButtonPanel",
      L"TLMDLMDCalculator", L"TLMDHeaderPanel", L"TLMDTechnicalLine", L"TLMDLMDClock",
      L"TLMDTrackbar"}},
    {L"combobox", {L"TComboboxex",          L"TcxDBLookupComboBox",    L"TcxDBComboBox",
                   L"TcxDBDateEdit",        L"TcxDBImageComboBox",     L"TcxDBCalcEdit",
                   L"TcxDBBlobEdit",        L"TcxDBPopupEdit",         L"TcxDBFontNameComboBox",
                   L"TcxDBShellComboBox",   L"TRxLookupEdit",          L"TRxDBLookupCombo",
                   L"TRzDateTimeEdit",      L"TRzColorEdit",           L"TRzDateTimePicker",
                   L"TRzDBDateTimeEdit",    L"TRzDbColorEdit",         L"TRzDBDateTimePicker",
                   L"TLMDListCombobox",     L"TLMDCheckListCombobox",  L"TLMDHeaderListCombobox",
                   L"TLMDImageCombobox",    L"TLMDColorCombobox",      L"TLMDFontCombobox",
                   L"TLMDFontSizeCombobox", L"TLMDFontSizeCombobox",   L"TLMDPrinterCombobox",
                   L"TLMDDriveCombobox",    L"TLMDCalculatorComboBox", L"TLMDTrackBarComboBox",
                   L"TLMDCalendarComboBox", L"TLMDTreeComboBox",       L"TDBLookupCombobox",
                   L"TWWDBCombobox",        L"TWWDBCombobox",          L"TWWDBLookupCombo",
                   L"TWWKeyCombo",          L"TWWTempKeyCombo",        L"TWWDBDateTimePicker"}},
    {L"speedbutton", {L"TRxSpeedButton", L"TfrSpeedButton", L"TfrTBButton"}},
    {L"button", {L"TRzButton"}},
    {L"bitbtn", {L"TRzBitbtn", L"TLMDButton", L"TcxButton"}},
    {L"menubtn", {L"TRzMenuButton"}},
    {L"CheckGroup", {L"TRzCheckGroup", L"TLMDCheckGroup", L"TLMDDBCheckGroup"}},
    {L"Radiogroup",
     {L"TRzRadioGroup", L"TRzDBRadioGroup", L"TLMDRADIOGROUP", L"TLMDDBRADIOGROUP",
      L"TWWRADIOGROUP", L"TcxDBRadioGroup", L"TcxRadioGroup"}},
    {L"Radiobutton", {L"TRzDBRadioButton", L"TLMDRadiobutton"}},
    {L"Groupbox", {L"TLMDGroupBox", L"TcxGroupbox"}},
    {L"Checkbox", {L"TDBCheckboxEh", L"TDBCheckboxEh", L"TLMDCHECKBOX", L"TLMDDBCHECKBOX"}},
    {L"Edit",
     {L"TRzButtonEdit",     L"TLMDCalculatorEdit", L"TLMDEDIT",           L"TLMDMASKEDIT",
      L"TLMDBROWSEEDIT",    L"TLMDEXTSPINEDIT",    L"TLMDCALENDAREDIT",   L"TLMDFILEOPENEDIT",
      L"TLMDFILESAVEEDIT",  L"TLMDCOLOREDIT",      L"TLMDDBEDIT",         L"TLMDDBMASKEDIT",
      L"TLMDDBEXTSPINEDIT", L"TLMDDBSPINEDIT",     L"TLMDDBEDITDBLookup", L"TLMDEDITDBLookup",
      L"TWWDBEDIT",         L"TOVCPICTUREFIELD",   L"TOVCDBPICTUREFIELD", L"TOVCSLIDEREDIT",
      L"TOVCDBSLIDEREDIT",  L"TOVCSIMPLEFIELD",    L"TOVCDBSIMPLEFIELD",  L"TO32DBFLEXEDIT",
      L"TOVCNUMERICFIELD",  L"TOVCDBNUMERICFIELD"}},
};

} // namespace

const std::vector<std::wstring>& DefaultSkinClassMap() {
    static const std::vector<std::wstring> lines = [] {
        std::vector<std::wstring> out;
        for (const TKindGroup& group : kGroups)
            for (const wchar_t* cls : group.Classes)
                out.push_back(std::wstring(cls) + L"=" + group.Kind);
        return out;
    }();
    return lines;
}

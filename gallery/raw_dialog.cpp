#include "raw_dialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// A dialog template written item by item: WORD-aligned strings, every item
// starting on a DWORD boundary.
class TDialogTemplate {
public:
    TDialogTemplate(const wchar_t* title, DWORD style, short cx, short cy) {
        DLGTEMPLATE head{};
        head.style = style | DS_SETFONT;
        head.cx = cx;
        head.cy = cy;
        Put(&head, sizeof head);
        Word(0); // no menu
        Word(0); // the dialog class
        Text(title);
        Word(9); // point size
        Text(L"宋体");
    }

    void Add(const wchar_t* cls, const wchar_t* text, DWORD style, short x, short y, short cx,
             short cy, WORD id) {
        Align(4);
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Put(&item, sizeof item);
        Text(cls);
        Text(text);
        Word(0); // no creation data
        auto* head = reinterpret_cast<DLGTEMPLATE*>(bytes_.data());
        ++head->cdit;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Put(const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Word(WORD w) { Put(&w, sizeof w); }
    void Text(const wchar_t* text) { Put(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
    void Align(size_t to) {
        while (bytes_.size() % to)
            bytes_.push_back(0);
    }

    std::vector<unsigned char> bytes_;
};

TDialogTemplate MainTemplate() {
    TDialogTemplate t(L"原始对话框", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 330, 236);
    t.Add(L"BUTTON", L"按钮(&P)", BS_PUSHBUTTON | WS_TABSTOP, 8, 8, 70, 14, rdPush);
    t.Add(L"BUTTON", L"默认(&D)", BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 8, 70, 14, rdDefPush);
    t.Add(L"BUTTON", L"按钮盒", BS_PUSHBOX | WS_TABSTOP, 160, 8, 70, 14, rdPushBox);
    t.Add(L"BUTTON", L"拆分按钮", BS_SPLITBUTTON | WS_TABSTOP, 236, 8, 86, 14, rdSplit);
    t.Add(L"BUTTON", L"命令链接", BS_COMMANDLINK | WS_TABSTOP, 8, 26, 146, 22, rdCommandLink);
    t.Add(L"BUTTON", L"复选框(&C)", BS_AUTOCHECKBOX | WS_TABSTOP, 160, 28, 80, 12, rdCheck);
    t.Add(L"BUTTON", L"三态", BS_AUTO3STATE | WS_TABSTOP, 244, 28, 78, 12, rdThreeState);
    t.Add(L"BUTTON", L"单选(&R)", BS_AUTORADIOBUTTON | WS_TABSTOP, 160, 42, 80, 12, rdRadio);
    t.Add(L"BUTTON", L"分组框", BS_GROUPBOX, 8, 52, 150, 70, rdGroup);
    t.Add(L"BUTTON", L"", BS_OWNERDRAW, 16, 66, 40, 14, rdOwnerDraw);
    t.Add(L"BUTTON", L"", BS_PUSHBUTTON | BS_BITMAP, 60, 66, 40, 14, rdBitmapButton);
    t.Add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, 16, 86, 134, 60,
          rdDropDown);
    t.Add(L"COMBOBOX", L"", CBS_SIMPLE | WS_TABSTOP, 164, 58, 80, 40, rdSimpleCombo);
    t.Add(L"ComboBoxEx32", L"", CBS_DROPDOWNLIST | WS_TABSTOP, 250, 58, 72, 60, rdComboEx);
    t.Add(L"SCROLLBAR", L"", SBS_VERT, 308, 104, 10, 60, rdVertScroll);
    t.Add(L"SysTreeView32", L"", WS_BORDER, 164, 104, 60, 40, rdTree);
    t.Add(L"EDIT", L"编辑框", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 230, 104, 72, 14, rdEdit);
    t.Add(L"SysTabControl32", L"", WS_TABSTOP, 8, 126, 150, 40, rdTabs);
    t.Add(L"SysTabControl32", L"", TCS_OWNERDRAWFIXED, 164, 148, 80, 18, rdOwnerDrawTabs);
    t.Add(L"ToolbarWindow32", L"", CCS_NORESIZE | CCS_NODIVIDER, 230, 124, 72, 18, rdToolbar);
    t.Add(L"STATIC", L"静态文本", SS_LEFT, 8, 172, 100, 10, rdStatic);
    t.Add(L"msctls_progress32", L"", 0, 8, 186, 150, 10, rdProgress);
    t.Add(L"BUTTON", L"确定", BS_PUSHBUTTON | WS_TABSTOP, 264, 216, 50, 14, IDOK);
    t.Add(L"SCROLLBAR", L"", SBS_SIZEGRIP, 318, 226, 12, 10, rdSizeGrip);
    return t;
}

TDialogTemplate NestedTemplate() {
    TDialogTemplate t(L"", WS_CHILD | WS_VISIBLE | DS_CONTROL, 150, 34);
    t.Add(L"STATIC", L"嵌套对话框", SS_LEFT, 4, 4, 100, 10, 0xFFFF);
    t.Add(L"BUTTON", L"嵌套按钮", BS_PUSHBUTTON | WS_TABSTOP, 4, 16, 60, 14, IDCANCEL);
    return t;
}

INT_PTR CALLBACK NestedProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

void FillChildren(HWND dialog) {
    HWND combo = GetDlgItem(dialog, rdDropDown);
    for (const wchar_t* item : {L"黄色", L"蓝色", L"系统"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    HWND tabs = GetDlgItem(dialog, rdTabs);
    const wchar_t* pages[] = {L"第一页", L"第二页"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(GetDlgItem(dialog, rdProgress), PBM_SETPOS, 60, 0);
    // A child dialog inside the dialog, as property sheets hold their pages.
    const TDialogTemplate nested = NestedTemplate();
    HWND inner =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), nested.Get(), dialog, &NestedProc, 0);
    if (!inner) return;
    SetWindowLongPtrW(inner, GWLP_ID, rdNested);
    RECT at{164, 178, 0, 0};
    MapDialogRect(dialog, &at);
    SetWindowPos(inner, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Modal dialogs end with EndDialog, modeless ones are destroyed.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        FillChildren(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (GetWindowLongPtrW(dialog, DWLP_USER))
                EndDialog(dialog, LOWORD(wParam));
            else
                DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

HWND OpenRawDialog(HWND owner) {
    const TDialogTemplate t = MainTemplate();
    HWND dialog =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner, &DialogProc, 0);
    if (dialog) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

void RunRawDialog(HWND owner) {
    const TDialogTemplate t = MainTemplate();
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner, &DialogProc, 1);
}

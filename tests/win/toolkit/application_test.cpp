// The application's message boxes are the platform's own dialogs, and the
// screen lists the forms that exist.
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

#include <gtest/gtest.h>

namespace {

HWND seenDialog = nullptr;
std::wstring seenText;

// Runs inside the message box's own loop: finds it, reads it, answers it.
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"卸载失败");
    if (!dialog) return;
    KillTimer(nullptr, id);
    seenDialog = dialog;
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, 0xFFFF, text, 256); // the static text of a message box
    seenText = text;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

} // namespace

TEST(Application, MessageBoxIsARealDialogWithTheGivenTexts) {
    UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerMessageBox);
    int result = Application().MessageBox(L"主题可能正在使用", L"卸载失败", MB_OK | MB_ICONERROR);
    KillTimer(nullptr, timer);
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(seenDialog, nullptr);
    EXPECT_EQ(seenText, L"主题可能正在使用");
}

TEST(Screen, ListsTheFormsThatExist) {
    int before = Screen().FormCount();
    TComponent root(nullptr);
    TForm* a = new TForm(&root);
    TForm* b = new TForm(&root);
    ASSERT_EQ(Screen().FormCount(), before + 2);
    EXPECT_EQ(Screen().Forms(before + 1), b);
    FreeForm(a);
    ASSERT_EQ(Screen().FormCount(), before + 1);
    EXPECT_EQ(Screen().Forms(before), b);
    FreeForm(b);
    EXPECT_EQ(Screen().FormCount(), before);
}

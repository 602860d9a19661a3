// Dialog-style keys in a form: Alt+letter mnemonics and Tab between stops.
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"

#include <gtest/gtest.h>

TEST(DialogKeys, MnemonicsClickTheirButtonAndTabMovesBetweenStops) {
    TComponent root(nullptr);
    auto* form = new TForm(&root);
    form->SetBounds(0, 0, 300, 200);
    auto* box = new TGroupBox(&root);
    box->SetParent(form);
    box->SetBounds(5, 5, 280, 150);
    const wchar_t* captions[] = {L"全选(&A)", L"反选(&R)", L"A&&B"};
    int clicks[3] = {};
    TButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TButton(&root);
        buttons[i]->SetParent(i == 2 ? static_cast<TWinControl*>(form) : box);
        buttons[i]->SetBounds(10, 20 + 30 * i, 80, 24);
        buttons[i]->SetCaption(captions[i]);
        buttons[i]->OnClick = [&clicks, i](TPersistent*) { ++clicks[i]; };
    }
    form->Show();

    auto key = [&](UINT message, WPARAM w) {
        MSG msg{};
        msg.hwnd = form->Handle();
        msg.message = message;
        msg.wParam = w;
        return form->DialogKey(msg);
    };
    EXPECT_TRUE(key(WM_SYSCHAR, L'r'));
    EXPECT_TRUE(key(WM_SYSCHAR, L'A'));
    EXPECT_FALSE(key(WM_SYSCHAR, L'b')); // "&&" is a literal ampersand
    EXPECT_EQ((std::vector<int>{clicks[0], clicks[1], clicks[2]}), (std::vector<int>{1, 1, 0}));
    EXPECT_FALSE(key(WM_KEYDOWN, L'X'));

    buttons[0]->SetFocus();
    ASSERT_TRUE(buttons[0]->Focused());
    EXPECT_TRUE(key(WM_KEYDOWN, VK_TAB));
    EXPECT_TRUE(buttons[1]->Focused()); // into and along the group box
    FreeForm(form);
}

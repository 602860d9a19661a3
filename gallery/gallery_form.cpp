#include "gallery_form.h"

#include "engine/controls/tab.h"
#include "engine/skin_store_component.h"
#include "raw_dialog.h"
#include "skin_argument.h"
#include "toolkit/list_box.h"
#include "toolkit/list_view.h"
#include "toolkit/media_player.h"
#include "toolkit/menus.h"
#include "toolkit/page_control.h"
#include "toolkit/status_bar.h"

#include <string>
#include <utility>

namespace {

constexpr int kSampleRows = 30;

// More rows and wider columns than the lists show: both scroll bars appear.
void FillSampleRows(TListView& list, TListBox& box) {
    for (int i = 1; i <= kSampleRows; ++i) {
        const std::wstring n = std::to_wstring(i);
        TListItem* item = list.Items().Add();
        item->SetCaption(L"示例主题 " + n);
        item->SubItems().Add(L"作者 " + n);
        item->SubItems().Add(L"第 " + n + L" 行的说明文字，比列宽更长");
        box.AddItem(L"列表框第 " + n + L" 行：一段比列表框更宽的文字");
    }
}

// A closed tab's page goes unless it is tagged 1: answering anything but 0
// keeps it.
LRESULT AnswerCloseTab(const TForm& form, HWND tabs, int index) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* pages = dynamic_cast<TPageControl*>(form.Components(i));
        if (!pages || pages->Handle() != tabs) continue;
        const TTabSheet* sheet = pages->Pages(index);
        return sheet && sheet->Tag() == 1 ? 1 : 0;
    }
    return 1;
}

// The media player's buttons, as the status bar names a click.
std::wstring MediaButtonCaption(TMPBtnType button) {
    static const wchar_t* const captions[kMediaButtonCount] = {
        L"播放", L"暂停", L"停止", L"下一个", L"上一个", L"单步", L"后退", L"录制", L"弹出"};
    return captions[button];
}

// The stored form names the skin components.
[[maybe_unused]] const bool kSkinComponentsKnown = (RegisterSkinComponents(), true);
} // namespace

const TClassInfo& TGalleryForm::StaticClass() {
    static const TClassInfo info(L"TGalleryForm", &TForm::StaticClass());
    return info;
}

void TGalleryForm::BtnYellowClick(TObject*) {
    SwitchToStoredSkin(*this, 1);
}

void TGalleryForm::BtnBlueClick(TObject*) {
    SwitchToStoredSkin(*this, 0);
}

void TGalleryForm::BtnSystemClick(TObject*) {
    SwitchSkinOff(*this);
}

void TGalleryForm::BtnRawDialogClick(TObject*) {
    RunRawDialog(Handle());
}

void TGalleryForm::Loaded() {
    TForm::Loaded();
    if (auto* button = Find<TMenuButton>(L"MenuButton1"))
        button->SetDropdownMenu(Find<TPopupMenu>(L"DropMenu"));
}

// The lists take rows once their windows exist.
void TGalleryForm::FormCreate(TObject*) {
    auto* list = Find<TListView>(L"ListView1");
    auto* box = Find<TListBox>(L"ListBox1");
    if (list && box) FillSampleRows(*list, *box);
    auto* player = Find<TMediaPlayer>(L"MediaPlayer1");
    auto* bar = Find<TStatusBar>(L"StatusBar1");
    if (player && bar)
        player->OnButtonClick = [bar](TPersistent*, TMPBtnType button) {
            bar->Panels()->Items(0)->SetText(L"按下了“" + MediaButtonCaption(button) + L"”");
        };
    DragAcceptFiles(Handle(), TRUE);
}

void TGalleryForm::WndProc(TMessage& m) {
    if (m.Msg == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(m.WParam);
        const std::wstring path = FirstDroppedFile(drop);
        DragFinish(drop);
        if (!path.empty()) OpenSkinFile(*this, path);
        return;
    }
    if (m.Msg == kCloseTabQuestion) {
        m.Result =
            AnswerCloseTab(*this, reinterpret_cast<HWND>(m.WParam), static_cast<int>(m.LParam));
        return;
    }
    TForm::WndProc(m);
    if (m.Msg != WM_SIZE) return;
    if (auto* bar = Find<TStatusBar>(L"StatusBar1"); bar && bar->HandleAllocated())
        SendMessageW(bar->Handle(), WM_SIZE, 0, 0);
}

std::any TGalleryForm::MethodAddress(const std::wstring& name) {
    using TNotify = void (TGalleryForm::*)(TObject*);
    static const std::pair<const wchar_t*, TNotify> handlers[] = {
        {L"BtnYellowClick", &TGalleryForm::BtnYellowClick},
        {L"BtnBlueClick", &TGalleryForm::BtnBlueClick},
        {L"BtnSystemClick", &TGalleryForm::BtnSystemClick},
        {L"BtnRawDialogClick", &TGalleryForm::BtnRawDialogClick},
        {L"FormCreate", &TGalleryForm::FormCreate},
    };
    for (const auto& [n, method] : handlers)
        if (name == n) return TNotifyEvent([this, m = method](TObject* s) { (this->*m)(s); });
    return {};
}

#include "support/message_box_answerer.h"

#include <algorithm>
#include <utility>

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), length + 1));
    return text;
}

struct Search {
    DWORD process;
    const std::vector<HWND>* skip;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || ClassOf(window) != L"#32770")
        return TRUE;
    if (std::find(search->skip->begin(), search->skip->end(), window) != search->skip->end())
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<TAnsweredBox*>(param);
    std::wstring cls = ClassOf(child);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        int id = GetDlgCtrlID(child);
        box->Buttons.push_back(id);
        if ((style & 0x0F) == BS_DEFPUSHBUTTON) box->DefaultButton = id;
    } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON)
            box->HasIcon = true;
        else if (box->Text.empty())
            box->Text = TextOf(child);
    }
    return TRUE;
}

} // namespace

TMessageBoxAnswerer::TMessageBoxAnswerer(int button, TBeforeAnswer beforeAnswer)
    : button_(button), beforeAnswer_(std::move(beforeAnswer)), thread_([this] { Watch(); }) {}

TMessageBoxAnswerer::~TMessageBoxAnswerer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

std::vector<TAnsweredBox> TMessageBoxAnswerer::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

void TMessageBoxAnswerer::Watch() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stop_) return;
        }
        if (!AnswerOne()) Sleep(30);
    }
}

bool TMessageBoxAnswerer::AnswerOne() {
    // A closed dialog's handle may be reused by the next one.
    answered_.erase(
        std::remove_if(answered_.begin(), answered_.end(), [](HWND h) { return !IsWindow(h); }),
        answered_.end());
    Search search{GetCurrentProcessId(), &answered_, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    HWND dialog = search.found;
    if (!dialog) return false;
    Sleep(50); // let the dialog finish setting itself up
    TAnsweredBox box;
    box.Caption = TextOf(dialog);
    box.HasOwner = GetWindow(dialog, GW_OWNER) != nullptr;
    EnumChildWindows(dialog, ReadChild, reinterpret_cast<LPARAM>(&box));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back(box);
    }
    answered_.push_back(dialog);
    if (beforeAnswer_) beforeAnswer_(dialog, box);
    // A box without the chosen button gets its OK (or only) button pressed.
    int press = button_;
    if (!GetDlgItem(dialog, press))
        press = GetDlgItem(dialog, IDOK) || box.Buttons.empty() ? IDOK : box.Buttons[0];
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, press)));
    return true;
}

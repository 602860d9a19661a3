#include "support/user_input.h"

#include "toolkit/application.h"

void TypeKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : keys)
        add(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
        Application().ProcessMessages();
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

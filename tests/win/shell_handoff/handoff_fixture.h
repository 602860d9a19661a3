#pragma once
// A fake Windows folder and a recorder behind the "open" command of every
// class the program may hand to the shell: images, theme files, scripts,
// folders and web addresses.
#include "support/shell_recorder.h"
#include "support/theme_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

constexpr DWORD kArrivalMs = 10000; // Wine starts cmd.exe slowly

class ShellHandoff : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* name :
             {L".bmp", L".jpg", L".theme", L".bat", L"Folder", L"Directory", L"http", L"https"})
            ASSERT_TRUE(recorder_.Catch(name)) << Narrow(name);
    }

    TThemeFixture fixture_;
    TempFolder records_;
    TShellRecorder recorder_{records_.Path()};
};

// Paths compared as Windows compares them: any case, trailing backslash
// optional.
inline std::string Comparable(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    CharLowerBuffW(path.data(), DWORD(path.size()));
    return Narrow(path);
}

#pragma once
// Observes what the shell is really handed: the "open" command of chosen
// classes (".bmp", "Folder", "http", ...) is pointed at cmd.exe, which
// writes the path and any parameters into a file the test reads back. Every
// key touched is saved first and put back as it was when the recorder goes
// (or, should the program be killed, when the next one starts).
#include "support/registry_key_guard.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TShellRecorder {
public:
    // The record file is written inside `folder`.
    explicit TShellRecorder(const std::wstring& folder);
    ~TShellRecorder(); // restores the keys in reverse order, as guards nest
    TShellRecorder(const TShellRecorder&) = delete;
    TShellRecorder& operator=(const TShellRecorder&) = delete;

    // Routes "open" of a file extension (".bmp") or a class ("Folder") to
    // the recorder. Returns false when the registry refused.
    bool Catch(const std::wstring& extensionOrClass);

    // What the recorder received (the path, then the parameters if any, with
    // the quotes and line end around them removed; a line each when several
    // arrived), waiting up to `waitMs` for it; empty when nothing came. The
    // record is removed so the next hand-off starts afresh.
    std::wstring Received(DWORD waitMs);

private:
    bool WriteCommand(const std::wstring& classKey);

    std::wstring record_;
    std::vector<std::unique_ptr<TRegistryKeyGuard>> guards_;
};

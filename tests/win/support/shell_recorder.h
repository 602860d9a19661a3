#pragma once
// Observes what the shell is really handed: the "open" command of chosen
// classes (".bmp", "Folder", "http", ...) is pointed at cmd.exe, which
// writes the path and any parameters into a file the test reads back. Every key touched
// is saved first and put back as it was when the recorder goes.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Saves the tree under root\subKey (if any) and, on destruction, replaces
// whatever is there by the saved copy (or removes it if there was none).
class TRegistryKeyGuard {
public:
    TRegistryKeyGuard(HKEY root, const std::wstring& subKey);
    ~TRegistryKeyGuard();
    TRegistryKeyGuard(const TRegistryKeyGuard&) = delete;
    TRegistryKeyGuard& operator=(const TRegistryKeyGuard&) = delete;

private:
    HKEY root_;
    std::wstring subKey_;
    std::wstring backup_; // below HKCU; empty when the key did not exist
};

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

#pragma once
// Puts a registry key of the shared prefix back as it was: the tree under
// root\subKey is saved (or noted as absent) before a test changes it and
// restored when the guard goes. The saved copy lives in a journal under
// HKEY_CURRENT_USER, so that a test program killed half-way (a time-out, a
// crash, an interrupted run) leaves nothing rewired for long: the next guard
// made in the prefix first restores what dead programs left there.
#include <windows.h>

#include <string>

class TRegistryKeyGuard {
public:
    TRegistryKeyGuard(HKEY root, const std::wstring& subKey);
    ~TRegistryKeyGuard(); // restores the key and drops its journal entry
    TRegistryKeyGuard(const TRegistryKeyGuard&) = delete;
    TRegistryKeyGuard& operator=(const TRegistryKeyGuard&) = delete;

    // Restores the keys of the journal's entries whose programs are gone,
    // the latest first.
    static void RestoreLeftovers();

private:
    std::wstring entry_; // below the journal; empty when the key could not be saved
};

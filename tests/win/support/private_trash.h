#pragma once
// Under Wine the Recycle Bin is the desktop's trash folder,
// $XDG_DATA_HOME/Trash, by default in the user's home. Every test program
// points it into a temporary folder of its own before anything is recycled,
// so that no test ever fills the real trash.
#include "support/temp_folder.h"

#include <string>
#include <vector>

class TPrivateTrash {
public:
    TPrivateTrash();

    // Where recycled entries arrive, and their records.
    std::wstring Files() const { return folder_ / L"Trash\\files"; }
    std::wstring Info() const { return folder_ / L"Trash\\info"; }

    // Each entry in the trash: the original path its record holds (as a
    // Windows path) and where it is now.
    struct TEntry {
        std::wstring Original, Now;
    };
    std::vector<TEntry> Entries() const;

private:
    TempFolder folder_;
};

// The one private trash of this test program (made by its entry point).
const TPrivateTrash& PrivateTrash();

// The host's path of a Windows path (Wine only); empty elsewhere.
std::string UnixPath(const std::wstring& path);

#pragma once
// Makes `link` a link to the folder `target`: a symbolic link if the system
// allows it, otherwise a junction, otherwise (under Wine) a Unix symbolic
// link. Returns an empty text on success, else what went wrong (Wine 8
// reports success for symbolic links but makes nothing, and refuses
// junctions, so each result is checked on disk).
#include <string>

std::string MakeFolderLink(const std::wstring& link, const std::wstring& target);

// Removes a link made by MakeFolderLink (if still there) without touching its
// target, so that a test's clean-up never walks through it.
void RemoveFolderLink(const std::wstring& link);

// A folder link for one scope: made by MakeFolderLink, removed (never its
// target) when the object goes. Under Wine a link can always be made, so a
// test asserts that Refused() is empty rather than skipping.
class TFolderLink {
public:
    TFolderLink(const std::wstring& link, const std::wstring& target);
    ~TFolderLink();
    TFolderLink(const TFolderLink&) = delete;
    TFolderLink& operator=(const TFolderLink&) = delete;

    const std::string& Refused() const { return refused_; }

private:
    std::wstring link_;
    std::string refused_;
};

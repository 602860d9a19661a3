#pragma once
// Moving what an uninstall removes to the Recycle Bin, so that a mistaken
// uninstall can be undone, where the volume has a bin.
#include <string>

// Moves the file, or the link standing at `path` as itself, to the bin.
// False when the volume has no bin, when `path` is a folder, or when the
// move failed; the caller then deletes as it would without a bin.
bool RecycleFile(const std::wstring& path);

// The same for a folder with everything in it. The shell deletes what it
// cannot recycle and its deletion enters linked folders: hand it only a
// tree that holds no link.
bool RecycleFolder(const std::wstring& path);

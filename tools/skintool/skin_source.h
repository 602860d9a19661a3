// The files of a skin as an author has them: a source folder (names as on
// disk, sub-folders included, for the checks that only a folder can fail) or
// a packed skin file (names as the archive keeps them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSkinSourceFile {
    std::string Path; // relative to the folder, '/'-separated; the archive name
    std::vector<std::uint8_t> Bytes;
    bool InSubFolder() const { return Path.find('/') != std::string::npos; }
    // The name after the last '/'.
    std::string Name() const;
};

struct TSkinSource {
    std::string Where; // the folder or file as given
    bool Packed = false;
    std::vector<TSkinSourceFile> Files;

    // The files whose (lower-cased) extension is `ext`, e.g. ".ini".
    std::vector<const TSkinSourceFile*> WithExtension(const std::string& ext) const;
    // The file next to the INI that the loader finds for `name`, which it
    // looks up in lower case; nullptr when there is none.
    const TSkinSourceFile* Lookup(const std::string& name) const;
};

// Reads a folder (every regular file, recursively) or a skin file; throws
// EToolError when neither can be read.
TSkinSource ReadSkinSource(const std::string& path);

// The file-name part of an INI picture value, as the loader takes it (the
// text after the last / or \).
std::string PictureFileName(const std::string& value);

// The lower-cased extension of a name, dot included ("" without one).
std::string LowerExtension(const std::string& name);

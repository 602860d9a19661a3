#pragma once
// Published properties of any toolkit control read and written by name, so
// that one skin class serves every control that publishes the same names
// (Caption, Color, ParentBackground, Transparent, ...). None of them throws:
// a missing property or one of another kind reads as "not there".
#include <string>

class TPersistent;

// The value of an integer or enumeration property; -1 when there is none.
long long GetOrdPropByName(const TPersistent* object, const std::wstring& name);
// An enumeration property's value name ("True", "blGlyphLeft"); empty when
// there is none.
std::wstring GetEnumPropByName(const TPersistent* object, const std::wstring& name);
// A string property's text; empty when there is none.
std::wstring GetTextPropByName(const TPersistent* object, const std::wstring& name);
// An object property's object (a glyph bitmap, a font); null when there is none.
TPersistent* GetObjectPropByName(const TPersistent* object, const std::wstring& name);
// Any of the three kinds above, or a set ("[btPlay,btStop]"), as text;
// empty when there is none.
std::wstring GetPropText(const TPersistent* object, const std::wstring& name);
// Integer properties take the text as a number, enumerations by value name,
// strings as is; other kinds and missing properties are left alone. False
// when nothing was written.
bool SetPropByName(TPersistent* object, const std::wstring& name, const std::wstring& text);

#pragma once
// The classes a form description may name, by class name. The toolkit's own
// component classes are known from the start; higher layers add theirs (the
// skin components) with RegisterComponentClass.
#include "toolkit/persistent.h"

// `info` must have a factory and live for the whole program.
void RegisterComponentClass(const TClassInfo& info);
// nullptr for an unknown class (case-insensitive).
const TClassInfo* FindComponentClass(const std::wstring& name);

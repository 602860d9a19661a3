#pragma once
// Reads a stored form description (its text is described in
// core/form_description.h) into a root component (a form).
//
// Components are created in stored order; when everything is read, Loaded
// runs on each, root first. A binary value goes to the component's binary
// property of that name (a skin component publishes "DataStream" this way).
// Every fault, in the text or in what it names, throws EFormReadError; a
// fault in the text is found before any component is created.
#include "core/form_error.h"
#include "toolkit/component.h"

#include <string>

void ReadComponentText(TComponent& root, const std::string& utf8);
// Reads the RCDATA resource `name` of the program's module.
void ReadComponentResource(TComponent& root, const std::wstring& name);

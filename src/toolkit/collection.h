#pragma once
// A list of items that the form reader fills from "< item ... end >".
#include "toolkit/persistent.h"

class TCollection : public TPersistent {
    VELMORA_CLASS()
public:
    virtual int Count() const = 0;
    virtual TPersistent* ItemAt(int index) = 0;
    // Appends a new item with default values.
    virtual TPersistent* AddItem() = 0;
    virtual void ClearItems() = 0;
};

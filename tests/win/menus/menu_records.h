#pragma once
// Every item of a menu and its submenus, as the menu holds it: what
// skinning must give back exactly.
#include <windows.h>

#include <string>
#include <vector>

struct TItemRecord {
    UINT Type, State, Id;
    ULONG_PTR Data;
    HMENU Sub;
    std::wstring Text;
    bool operator==(const TItemRecord& o) const {
        return Type == o.Type && State == o.State && Id == o.Id && Data == o.Data && Sub == o.Sub &&
               Text == o.Text;
    }
};

std::vector<TItemRecord> MenuItems(HMENU menu);
// The item at `position` is owner-drawn now.
bool OwnerDrawn(HMENU menu, UINT position);

#include "toolkit/collection.h"

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info(L"TCollection", &TPersistent::StaticClass());
    return info;
}

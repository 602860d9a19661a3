#pragma once
// The default map from other vendors' control class names to the skin kind
// that draws them, one "ClassName=kind" line each, in stored order.
#include <string>
#include <vector>

const std::vector<std::wstring>& DefaultSkinClassMap();

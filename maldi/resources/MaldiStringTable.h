#pragma once
// The library's string table, ids 1 to 50 (names in MaldiResourceIds.h).

#include <vector>

#include "platform/framework/ResourceModule.h"

class MaldiStringTable {
public:
    static std::vector<StringResource> Strings();
};

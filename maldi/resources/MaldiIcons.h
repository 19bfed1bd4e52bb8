#pragma once
// The library's icons: one 32 x 32 picture per icon id of MaldiResourceIds.h, drawn in code as a
// plain picture of what the button does. Each is drawn the first time it is found.

#include <vector>

#include "platform/framework/ResourceModule.h"

class MaldiIcons {
public:
    static std::vector<IconResource> Icons();
    static constexpr int kSize = 32;
};

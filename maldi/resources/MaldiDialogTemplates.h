#pragma once
// The library's dialog templates, as data. Each window's template is added with the window.

#include <vector>

#include "platform/framework/DialogTemplate.h"

class MaldiDialogTemplates {
public:
    static std::vector<DialogTemplate> Templates();
};

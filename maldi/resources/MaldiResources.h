#pragma once
// The library's resource module (dialog templates, string table, icons), registered in the
// framework's resource chain as soon as the library is loaded, behind nothing and ahead of the
// modules the host registers later.
//
// Registration happens when this file's object is initialised. A static library drops an object
// file that nobody refers to, so every window of the library calls Module() (the tool window frame
// does so on construction): that reference keeps the registration in any link, and it also
// registers the module when a window is made before static initialisation reached this file.

#include "platform/framework/ResourceModule.h"

class MaldiResources {
public:
    // The module, registered in the chain on first use and unregistered when the library unloads.
    static ResourceModule& Module();
    static constexpr const char* kModuleName = "maldi_ui";
};

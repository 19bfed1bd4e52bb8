#include "maldi/resources/MaldiResources.h"

#include "maldi/resources/MaldiDialogTemplates.h"
#include "maldi/resources/MaldiIcons.h"
#include "maldi/resources/MaldiStringTable.h"
#include "platform/framework/ResourceRegistrar.h"

ResourceModule& MaldiResources::Module()
{
    static ResourceModule module(kModuleName, MaldiDialogTemplates::Templates(), MaldiStringTable::Strings(),
                                 MaldiIcons::Icons());
    // Destroyed before the module (reverse order of construction), so the chain never holds a dead one.
    static ResourceRegistrar registrar(module);
    return module;
}

namespace {

// Registers the module when the library is loaded.
[[maybe_unused]] const ResourceModule& g_loaded = MaldiResources::Module();

} // namespace

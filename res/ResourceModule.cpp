#include "Dialogs.h"
#include "Resources.h"
#include "Strings.h"

const ResourceModule& AfxGetResourceModule() {
    static const ResourceModule module = {DialogTemplates(), StringTable(), {}};
    return module;
}

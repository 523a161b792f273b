#include "Dialogs.h"
#include "LogoResource.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "Strings.h"

const ResourceModule& AfxGetResourceModule() {
    static const BitmapResource bitmaps[] = {{IDB_LOGO, LogoBitmap()}};
    static const ResourceModule module = {DialogTemplates(), StringTable(), bitmaps};
    return module;
}

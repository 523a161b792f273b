#include "GdiTesting.h"

#include "GdiRegistry.h"

void GdiSetPaletteDisplayForTesting(bool paletteDisplay) {
    GdiRegistry::Instance().paletteDisplay = paletteDisplay;
}

int GdiLiveObjectCount() {
    return GdiRegistry::Instance().LiveCount();
}

void GdiStartCallLog() {
    GdiRegistry::Instance().StartLog();
}

std::vector<std::string> GdiTakeCallLog() {
    return GdiRegistry::Instance().TakeLog();
}

void GdiSetBitmapResourceForTesting(UINT id, std::vector<unsigned char> packedDib) {
    GdiRegistry::Instance().bitmapOverrides[id] = std::move(packedDib);
}

void GdiClearBitmapResourcesForTesting() {
    GdiRegistry::Instance().bitmapOverrides.clear();
}

#include "Strings.h"

#include "ResourceIds.h"

namespace {
constexpr StringResource kStringTable[] = {
    {IDS_ABOUTBOX, "&About PLOVRIN Installer..."},
    {IDS_VERSION, "1.0"},
};
} // namespace

std::span<const StringResource> StringTable() {
    return kStringTable;
}

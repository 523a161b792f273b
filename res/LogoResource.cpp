#include "LogoResource.h"

namespace {
// The bytes of logo137.dib, written out at build time.
const unsigned char kLogoBitmap[] = {
#include "logo137.inc"
};
} // namespace

std::span<const unsigned char> LogoBitmap() {
    return kLogoBitmap;
}

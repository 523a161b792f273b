#include "LogoResource.h"

// The bytes of logo137.dib, written out at build time.
const unsigned char logoBitmap[] = {
#include "logo137.inc"
};

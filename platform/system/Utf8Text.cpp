#include "Utf8Text.h"

std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    std::size_t cut = limit;
    // Step back over continuation bytes to the start of the character that does not fit; a
    // character has at most three of them, so broken text is not cut further than that.
    while (cut > 0 && limit - cut < 3 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return cut;
}

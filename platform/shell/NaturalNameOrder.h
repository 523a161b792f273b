#pragma once

// The order in which people expect names: letters without regard to case, and runs of digits by
// their value, so that "Disk 2" comes before "Disk 10". Names are UTF-8; bytes that are not
// valid UTF-8 compare by their value.

#include <string_view>

class NaturalNameOrder {
public:
    // Negative, 0 or positive. 0 only for names that are the same byte for byte; names that
    // differ only in case or in leading zeros are told apart by a final byte comparison.
    static int Compare(std::string_view left, std::string_view right);
};

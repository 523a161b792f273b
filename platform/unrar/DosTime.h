#pragma once

#include <cstdint>
#include <ctime>

// The packed MS-DOS date and time of the header record, in local time.
class DosTime {
public:
    static std::uint32_t fromUnix(std::time_t time);
    static std::uint32_t fromWindowsFileTime(std::uint64_t fileTime);
};

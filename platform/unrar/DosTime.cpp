#include "DosTime.h"

std::uint32_t DosTime::fromUnix(std::time_t time) {
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr || local.tm_year < 80) {
        return (1U << 21) | (1U << 16); // 1980-01-01, the earliest the format holds
    }
    const auto year = static_cast<std::uint32_t>(local.tm_year - 80) & 0x7F;
    return (year << 25) | (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
           (static_cast<std::uint32_t>(local.tm_mday) << 16) |
           (static_cast<std::uint32_t>(local.tm_hour) << 11) |
           (static_cast<std::uint32_t>(local.tm_min) << 5) |
           (static_cast<std::uint32_t>(local.tm_sec) / 2);
}

std::uint32_t DosTime::fromWindowsFileTime(std::uint64_t fileTime) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    return fromUnix(static_cast<std::time_t>(static_cast<std::int64_t>(fileTime / 10000000) -
                                             kSecondsFrom1601To1970));
}

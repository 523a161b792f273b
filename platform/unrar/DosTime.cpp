#include "DosTime.h"

namespace {
constexpr std::uint32_t kEarliest = (1U << 21) | (1U << 16); // 1980-01-01, the earliest it holds

// Zones change their offset only on quarter hours, so the offset found for one moment serves
// the whole quarter hour around it; listing an archive then asks the zone database rarely.
bool LocalTime(std::time_t time, std::tm& local) {
    constexpr std::time_t kQuarterHour = 900;
    thread_local std::time_t cachedQuarter = 0;
    thread_local long cachedOffset = 0;
    thread_local bool cached = false;
    const std::time_t quarter = time - ((time % kQuarterHour) + kQuarterHour) % kQuarterHour;
    if (!cached || quarter != cachedQuarter) {
        if (::localtime_r(&time, &local) == nullptr) {
            return false;
        }
        cachedQuarter = quarter;
        cachedOffset = local.tm_gmtoff;
        cached = true;
        return true;
    }
    const std::time_t shifted = time + cachedOffset;
    return ::gmtime_r(&shifted, &local) != nullptr;
}
} // namespace

std::uint32_t DosTime::fromUnix(std::time_t time) {
    std::tm local{};
    if (!LocalTime(time, local) || local.tm_year < 80) {
        return kEarliest;
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

#include "DosTime.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {
std::uint32_t Packed(const std::tm& local) {
    return (static_cast<std::uint32_t>(local.tm_year - 80) << 25) |
           (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
           (static_cast<std::uint32_t>(local.tm_mday) << 16) |
           (static_cast<std::uint32_t>(local.tm_hour) << 11) |
           (static_cast<std::uint32_t>(local.tm_min) << 5) |
           (static_cast<std::uint32_t>(local.tm_sec) / 2);
}

// The record's time is local time, also across a daylight-saving change, whatever order the
// entries' times come in.
TEST(DosTime, FollowsTheLocalZoneAcrossDaylightSavingChanges) {
    const char* previous = std::getenv("TZ");
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // Around 31 March 2024 01:00 UTC, when Berlin moved from +1 to +2 hours.
    const std::time_t change = 1711846800;
    for (std::time_t time : {change - 7200, change - 1, change, change + 1, change + 3599,
                             change - 899, change + 7200, change - 1, std::time_t{1600000000}}) {
        std::tm local{};
        ASSERT_NE(localtime_r(&time, &local), nullptr);
        EXPECT_EQ(DosTime::fromUnix(time), Packed(local)) << time;
    }
    previous ? setenv("TZ", previous, 1) : unsetenv("TZ");
    tzset();
}

TEST(DosTime, TimesBefore1980ComeOutAsTheEarliestDate) {
    EXPECT_EQ(DosTime::fromUnix(0), (1U << 21) | (1U << 16));
}
} // namespace

#include "shell/GameClock.h"

#include <chrono>
#include <cstdio>
#include <limits>

namespace vorn {

std::int64_t TSteadyClock::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
// Floor division by 100 (a clock's epoch may lie after some instants).
std::int64_t TenthsOf(std::int64_t ms) { return ms >= 0 ? ms / 100 : -((-ms + 99) / 100); }
} // namespace

std::int32_t ElapsedTenths(std::int64_t t1, std::int64_t t2)
{
    if (t2 <= t1)
        return 0;
    const std::int64_t d = TenthsOf(t2) - TenthsOf(t1);
    return d > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                         : static_cast<std::int32_t>(d);
}

std::int32_t JikanAdd(std::int32_t jikan, std::int64_t tenths)
{
    const std::int64_t sum = static_cast<std::int64_t>(jikan) + tenths;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < 0)
        return 0;
    return static_cast<std::int32_t>(sum);
}

std::string JikanText(std::int64_t tenths)
{
    if (tenths < 0)
        tenths = 0;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lld:%02d:%02d.%d", static_cast<long long>(tenths / 36000),
                  static_cast<int>(tenths % 36000 / 600), static_cast<int>(tenths % 600 / 10),
                  static_cast<int>(tenths % 10));
    return buf;
}

std::int32_t JikanParse(const std::string& text)
{
    // h:mm:ss, optionally followed by .t; blanks around it are allowed.
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    long long part[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= n || text[i] != ':')
                return 0;
            ++i;
        }
        const std::size_t start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9' && i - start < 6)
            part[k] = part[k] * 10 + (text[i++] - '0');
        if (i == start || (k > 0 && i - start != 2))
            return 0;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n || part[1] >= 60 || part[2] >= 60)
        return 0;
    return JikanAdd(0, part[0] * 36000 + part[1] * 600 + part[2] * 10);
}

} // namespace vorn

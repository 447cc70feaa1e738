// How long a sign lookup takes, as a ratio to reading the same three texts as numbers
// (the least any lookup must do), both measured here in the same run.
#include "sign/NumberText.h"
#include "sign/modPlanetSign.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct DateTexts {
    std::string year, month, day;
};

std::vector<DateTexts> EveryDate() {
    using namespace std::chrono;
    std::vector<DateTexts> dates;
    for (sys_days d = sys_days(year{1900} / January / 1); d <= sys_days(year{2018} / December / 31);
         d += days(1)) {
        const year_month_day ymd(d);
        dates.push_back({std::to_string(int(ymd.year())),
                         std::string(lunetra::modPlanetSign::MonthNames[unsigned(ymd.month()) - 1]),
                         std::to_string(unsigned(ymd.day()))});
    }
    return dates;
}

template <typename Work> double NanosecondsPerDate(const std::vector<DateTexts>& dates, Work work) {
    constexpr int Rounds = 40;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds; ++round)
        for (const DateTexts& date : dates)
            work(date);
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / (double(Rounds) * double(dates.size()));
}

} // namespace

int main() {
    const std::vector<DateTexts> dates = EveryDate();
    volatile double sink = 0;
    volatile std::size_t found = 0;
    // Warm up both, then measure each twice and keep the faster run.
    double baseline = 1e30, lookup = 1e30;
    for (int pass = 0; pass < 3; ++pass) {
        baseline =
            std::min(baseline, NanosecondsPerDate(dates, [&](const DateTexts& date) {
                         sink = sink + lunetra::ToNumber(date.year) + lunetra::ToNumber(date.day);
                     }));
        lookup = std::min(
            lookup, NanosecondsPerDate(dates, [&](const DateTexts& date) {
                found = found +
                        lunetra::modPlanetSign::LookUpSign(date.year, date.month, date.day)->size();
            }));
    }
    std::printf("sign lookup: %.1f ns a date over %zu dates; baseline (reading the year and day "
                "as numbers): %.1f ns; ratio %.2f\n",
                lookup, dates.size(), baseline, lookup / baseline);
    return 0;
}

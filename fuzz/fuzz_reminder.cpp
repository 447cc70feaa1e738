// The update reminder on any stored text and any today: reading never throws, only a day in
// the stored form counts as a day, and an unreadable value neither asks nor stores.
#include "FuzzSupport.h"
#include "core/ReminderRule.h"

using namespace lunetra::reminder;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Today anywhere within a few thousand years either side of 1970.
    const sys_days today{days(lunetra::fuzz::Take<std::int32_t>(data, size) % 2'000'000)};
    const std::string_view stored(reinterpret_cast<const char*>(data), size);

    const auto day = ParseDay(stored);
    const ReminderStep step = NextReminderStep(stored, today);
    if (stored.empty())
        FUZZ_CHECK(step == ReminderStep::StoreToday);
    else
        FUZZ_CHECK(day.has_value() == (step != ReminderStep::Unreadable));
    // Only the canonical text of a real day is read, so what is read is what was stored.
    if (day)
        FUZZ_CHECK(day->ok() && FormatDay(*day) == stored);
    return 0;
}

// The name box's key filter on any character codes, and the date checks on the entry that
// results: only capitals A to Z (and the spaces the filter lets through) reach the box, and the
// checks give one of the main window's messages or none. Which key types which code is the
// main window's test.
#include "FuzzSupport.h"
#include "core/EntryRules.h"

#include <algorithm>
#include <string>

using namespace lunetra;
using lunetra::fuzz::Take;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string box;
    while (size > 12) {
        const auto accepted = entry::FilterNameKey(Take<std::int32_t>(data, size));
        if (!accepted)
            continue;
        if (*accepted == entry::Backspace) {
            if (!box.empty())
                box.pop_back();
        } else if (*accepted != entry::CarriageReturn) {
            box.push_back(char(*accepted));
        }
    }
    FUZZ_CHECK(std::all_of(box.begin(), box.end(),
                           [](char c) { return (c >= 'A' && c <= 'Z') || c == ' '; }));

    const int day = Take<std::int32_t>(data, size), month = Take<std::int32_t>(data, size);
    const auto message = entry::MessageFor(
        entry::CheckEntry(box.empty(), day, month, Take<std::int32_t>(data, size)));
    FUZZ_CHECK(message.empty() || message == entry::FebruaryMessage ||
               message == entry::Day31Message || message == entry::NoNameMessage);
    FUZZ_CHECK((message == entry::NoNameMessage) == box.empty());
    return 0;
}

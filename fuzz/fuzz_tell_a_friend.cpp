// The refer-a-friend checks on any five field texts: an accepted address is made of the fixed
// prefix and each value trimmed and unencoded, in the form's order, and is the one kept; a
// refusal keeps the address before it. Which checks refuse, in which order, is test_outreach's.
#include "FuzzSupport.h"
#include "core/WebAddresses.h"
#include "outreach/modTellAFriend.h"

#include <string>
#include <variant>

using namespace lunetra;
using namespace lunetra::modTellAFriend;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = lunetra::fuzz::SplitTexts<5>(data, size);
    const std::string before = KeptAddress();
    const SendOutcome outcome = Send({std::string(f[0]), std::string(f[1]), std::string(f[2]),
                                      std::string(f[3]), std::string(f[4])});
    const auto* accepted = std::get_if<Accepted>(&outcome);
    const auto trimmed = [](std::string_view text) {
        const auto first = text.find_first_not_of(' ');
        return std::string(
            first == text.npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1));
    };
    FUZZ_CHECK(KeptAddress() == (accepted ? accepted->address : before));
    if (accepted)
        FUZZ_CHECK(accepted->address ==
                   web::Address(web::Page::ReferAFriend) + "?taf1=" + trimmed(f[0]) + "&taf2=" +
                       trimmed(f[1]) + "&taf3=" + trimmed(f[2]) + "&taf4=" + trimmed(f[3]) +
                       "&taf5=" + trimmed(f[4]) + "&taf6=" + web::Address(web::Page::ProductHome));
    return 0;
}

// The refer-a-friend checks on any five field texts: an address only when every check passes,
// made of the fixed prefix and each value trimmed and unencoded, in the form's order.
#include "FuzzSupport.h"
#include "outreach/modTellAFriend.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <variant>

using namespace lunetra::modTellAFriend;

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == text.npos ? text.substr(0, 0)
                              : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Has(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = lunetra::fuzz::SplitTexts<5>(data, size);
    const std::string before = KeptAddress();
    const SendOutcome outcome = Send({std::string(f[0]), std::string(f[1]), std::string(f[2]),
                                      std::string(f[3]), std::string(f[4])});
    const std::string_view name = Trimmed(f[0]), email = Trimmed(f[1]), message = Trimmed(f[2]),
                           friendName = Trimmed(f[3]), friendEmail = Trimmed(f[4]);
    FUZZ_CHECK(KeptValues().name == name && KeptValues().email == email &&
               KeptValues().message == message && KeptValues().friendName == friendName &&
               KeptValues().friendEmail == friendEmail);

    const auto filled = [](std::string_view value, std::string_view placeholder) {
        return !value.empty() && value != placeholder;
    };
    const bool passes = email != friendEmail && Has(email, '@') && Has(friendEmail, '@') &&
                        Has(email, '.') && Has(friendEmail, '.') && filled(name, NamePlaceholder) &&
                        filled(email, EmailPlaceholder) && filled(message, MessagePlaceholder) &&
                        filled(friendName, FriendNamePlaceholder) &&
                        filled(friendEmail, FriendEmailPlaceholder);
    FUZZ_CHECK(passes == std::holds_alternative<Accepted>(outcome));
    if (const auto* refused = std::get_if<Refused>(&outcome)) {
        constexpr std::string_view Messages[] = {"Please Enter Distinct Email Addresses",
                                                 "Please Enter Proper Email Address",
                                                 "Please Enter Your Name",
                                                 "Please Enter Your Email",
                                                 "Please Enter Your Message",
                                                 "Please Enter Your Friend's Name",
                                                 "Please Enter Your Friend's Email"};
        FUZZ_CHECK(KeptAddress() == before && std::find(std::begin(Messages), std::end(Messages),
                                                        refused->message) != std::end(Messages));
        return 0;
    }
    const std::string& built = std::get<Accepted>(outcome).address;
    FUZZ_CHECK(built == KeptAddress());
    FUZZ_CHECK(built == ReferAFriendPage() + "?taf1=" + std::string(name) +
                            "&taf2=" + std::string(email) + "&taf3=" + std::string(message) +
                            "&taf4=" + std::string(friendName) +
                            "&taf5=" + std::string(friendEmail) + "&taf6=" + ProductHomePage());
    FUZZ_CHECK(ReferAFriendPage().ends_with("/zelk-refer-a-friend.php"));
    return 0;
}

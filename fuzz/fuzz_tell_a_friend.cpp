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
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool Has(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// Consumes an expected piece from the front of the address.
bool Eat(std::string_view& address, std::string_view piece) {
    if (!address.starts_with(piece))
        return false;
    address.remove_prefix(piece.size());
    return true;
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
    std::string_view rest = built;
    FUZZ_CHECK(Eat(rest, ReferAFriendPage()) && Eat(rest, "?taf1=") && Eat(rest, name) &&
               Eat(rest, "&taf2=") && Eat(rest, email) && Eat(rest, "&taf3=") &&
               Eat(rest, message) && Eat(rest, "&taf4=") && Eat(rest, friendName) &&
               Eat(rest, "&taf5=") && Eat(rest, friendEmail) && Eat(rest, "&taf6=") &&
               rest == ProductHomePage());
    FUZZ_CHECK(ReferAFriendPage().ends_with("/zelk-refer-a-friend.php"));
    return 0;
}

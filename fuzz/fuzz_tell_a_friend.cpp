// The refer-a-friend checks on any five field texts: an address only when every check passes,
// made of the fixed prefix and each value trimmed and unencoded, in the form's order.
#include "FuzzSupport.h"
#include "outreach/modTellAFriend.h"

#include <string>
#include <variant>

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
    const std::string name = trimmed(f[0]), email = trimmed(f[1]), message = trimmed(f[2]),
                      friendName = trimmed(f[3]), friendEmail = trimmed(f[4]);

    const auto address = [](const std::string& value) {
        return value.find('@') != value.npos && value.find('.') != value.npos;
    };
    const auto filled = [](std::string_view value, std::string_view placeholder) {
        return !value.empty() && value != placeholder;
    };
    const bool passes = email != friendEmail && address(email) && address(friendEmail) &&
                        filled(name, NamePlaceholder) && filled(email, EmailPlaceholder) &&
                        filled(message, MessagePlaceholder) &&
                        filled(friendName, FriendNamePlaceholder) &&
                        filled(friendEmail, FriendEmailPlaceholder);
    FUZZ_CHECK(passes == (accepted != nullptr));
    FUZZ_CHECK(KeptAddress() == (accepted ? accepted->address : before));
    if (accepted)
        FUZZ_CHECK(accepted->address == ReferAFriendPage() + "?taf1=" + name + "&taf2=" + email +
                                            "&taf3=" + message + "&taf4=" + friendName +
                                            "&taf5=" + friendEmail + "&taf6=" + ProductHomePage());
    return 0;
}

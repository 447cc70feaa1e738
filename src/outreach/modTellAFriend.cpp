#include "outreach/modTellAFriend.h"

#include "core/WebAddresses.h"

namespace lunetra::modTellAFriend {

namespace {

// The values of the last send attempt and the address of the last accepted one; they live
// as long as the process.
Request keptValues;
std::string keptAddress;

constexpr std::string_view DistinctMessage = "Please Enter Distinct Email Addresses";
constexpr std::string_view ProperAddressMessage = "Please Enter Proper Email Address";

bool Contains(std::string_view text, char wanted) {
    return text.find(wanted) != std::string_view::npos;
}

// Empty or still the placeholder counts as not filled in.
bool IsMissing(std::string_view value, std::string_view placeholder) {
    const std::string trimmed = TrimSpaces(value);
    return trimmed.empty() || trimmed == placeholder;
}

Refused Refuse(std::string_view message) {
    return Refused{std::string(message)};
}

} // namespace

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool ShowsPlaceholderAgain(std::string_view text) {
    return TrimSpaces(text).empty();
}

bool ClearsOnFocus(std::string_view text, std::string_view placeholder) {
    return TrimSpaces(text) == placeholder;
}

std::string BuildRequestAddress(const Request& values) {
    // The maker's page reads the values exactly as typed, so nothing is escaped.
    return web::Address(web::Page::ReferAFriend) + "?taf1=" + values.name +
           "&taf2=" + values.email + "&taf3=" + values.message + "&taf4=" + values.friendName +
           "&taf5=" + values.friendEmail + "&taf6=" + web::Address(web::Page::ProductHome);
}

SendOutcome Send(const Request& typed) {
    // Kept before any check, so even a refused attempt replaces the previous values.
    keptValues = Request{TrimSpaces(typed.name), TrimSpaces(typed.email), TrimSpaces(typed.message),
                         TrimSpaces(typed.friendName), TrimSpaces(typed.friendEmail)};
    const std::string& email = keptValues.email;
    const std::string& friendEmail = keptValues.friendEmail;

    if (email == friendEmail)
        return Refuse(DistinctMessage);
    if (!Contains(email, '@') || !Contains(friendEmail, '@'))
        return Refuse(ProperAddressMessage);
    if (!Contains(email, '.') || !Contains(friendEmail, '.'))
        return Refuse(ProperAddressMessage);
    return TellAFriend();
}

SendOutcome TellAFriend() {
    if (IsMissing(keptValues.name, NamePlaceholder))
        return Refuse("Please Enter Your Name");
    if (IsMissing(keptValues.email, EmailPlaceholder))
        return Refuse("Please Enter Your Email");
    if (IsMissing(keptValues.message, MessagePlaceholder))
        return Refuse("Please Enter Your Message");
    if (IsMissing(keptValues.friendName, FriendNamePlaceholder))
        return Refuse("Please Enter Your Friend's Name");
    if (IsMissing(keptValues.friendEmail, FriendEmailPlaceholder))
        return Refuse("Please Enter Your Friend's Email");

    keptAddress = BuildRequestAddress(keptValues);
    return Accepted{keptAddress};
}

const Request& KeptValues() {
    return keptValues;
}

const std::string& KeptAddress() {
    return keptAddress;
}

} // namespace lunetra::modTellAFriend

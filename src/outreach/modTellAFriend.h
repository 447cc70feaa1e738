#pragma once

#include <string>
#include <string_view>
#include <variant>

// The refer-a-friend request: checks of the form's five values and the web address that
// carries them to the maker's refer-a-friend page.
namespace lunetra::modTellAFriend {

inline constexpr std::string_view NamePlaceholder = "Your Name";
inline constexpr std::string_view EmailPlaceholder = "Your Email Address";
inline constexpr std::string_view FriendNamePlaceholder = "Friend's Name";
inline constexpr std::string_view FriendEmailPlaceholder = "Friend's Email Address";
inline constexpr std::string_view MessagePlaceholder = "Your Message";
// The message field's text when the form is created: differs from its placeholder.
inline constexpr std::string_view InitialMessage = "Your Message\r\n";

// The five values of the form, in the form's words.
struct Request {
    std::string name;
    std::string email;
    std::string message;
    std::string friendName;
    std::string friendEmail;
};

// Removes leading and trailing spaces (code 32) only; tabs and line breaks stay.
std::string TrimSpaces(std::string_view text);

// True when a field that loses the focus should show its placeholder again.
bool ShowsPlaceholderAgain(std::string_view text);
// True when a field that gains the focus should be emptied.
bool ClearsOnFocus(std::string_view text, std::string_view placeholder);

// The address that carries the (already trimmed) values, nothing encoded.
std::string BuildRequestAddress(const Request& values);

// What a send attempt ends with: the message of the first failed check, or the address.
struct Refused {
    std::string message;
};
struct Accepted {
    std::string address;
};
using SendOutcome = std::variant<Refused, Accepted>;

// The send button's checks, in order: keeps the trimmed values, tests the two e-mail
// addresses, then runs TellAFriend. The caller shows a refusal or opens the address.
SendOutcome Send(const Request& typed);

// The checks on the kept values and the building of the address, which is kept on success.
SendOutcome TellAFriend();

// The values of the last attempt and the address of the last accepted one.
const Request& KeptValues();
const std::string& KeptAddress();

} // namespace lunetra::modTellAFriend

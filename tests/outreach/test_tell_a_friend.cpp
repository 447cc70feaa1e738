#include "outreach/modTellAFriend.h"

#include "config/Sites.h"

#include <gtest/gtest.h>

#include <string>

namespace taf = lunetra::modTellAFriend;
using taf::Request;

const std::string Distinct = "Please Enter Distinct Email Addresses";
const std::string Proper = "Please Enter Proper Email Address";

static std::string Said(const taf::SendOutcome& outcome) {
    const auto* refused = std::get_if<taf::Refused>(&outcome);
    return refused != nullptr ? refused->message : "sent";
}

// Each row: what the send button says, then what TellAFriend says on the values it kept
// (the same, unless the send button refused before TellAFriend ran). Each row also fails the
// checks after the one it names, so that their order shows.
TEST(TellAFriend, SaysTheFirstFailingCheck) {
    // clang-format off
    const struct { Request form; std::string sendSays, thenSays; } cases[] = {
        {{" ", "ab", "", "", " ab "}, Distinct, "Please Enter Your Name"},
        {{"", "ab.c", "", "", "d@e.f"}, Proper, "Please Enter Your Name"},
        {{"Ann", "Your Email Address", "", "", "d@e.f"}, Proper, "Please Enter Your Email"},
        {{"Ann", "a@b.c", "Hi", "Bob", "d@ef"}, Proper, "sent"},
        {{"Ann", "a@b.c", "Hi", "", "Friend's Email Address"}, Proper,
         "Please Enter Your Friend's Name"},
        {{"Ann", "a@b.c", "Hi", "Bob", "   "}, Proper, "Please Enter Your Friend's Email"},
        {{" Your Name ", "a@b.c", "", "", "d@e.f"}, "Please Enter Your Name", ""},
        {{"Ann", "a@b.c", "Your Message", "", "d@e.f"}, "Please Enter Your Message", ""},
        {{"Ann", "a@b.c", "Hi", "Friend's Name", "d@e.f"}, "Please Enter Your Friend's Name", ""},
        // Letter case makes addresses distinct, and "@." is all the address test asks for.
        {{"Ann", "@.a", "Hi", "Bob", "@.A"}, "sent", ""},
    };
    // clang-format on
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& [form, sendSays, thenSays] = cases[row];
        EXPECT_EQ(Said(taf::Send(form)), sendSays) << "row " << row;
        EXPECT_EQ(Said(taf::TellAFriend()), thenSays.empty() ? sendSays : thenSays) << row;
    }
}

// The maker's page reads the values as typed: only the spaces around them go, as only spaces
// count when a field decides whether it holds its placeholder. The address is kept when sent;
// a refused attempt leaves it alone.
TEST(TellAFriend, TrimsOnlySpacesAndSendsTheValuesUnencoded) {
    const Request typed{"  Zoë  Ünal ", " z@x.example ", std::string(taf::InitialMessage),
                        "O'Brien & Co #1", "a=b@c.d "};
    const std::string expected =
        "http://" + std::string(lunetra::sites::MakerHost) +
        "/zelk-refer-a-friend.php?taf1=Zoë  Ünal&taf2=z@x.example&taf3=Your Message\r\n"
        "&taf4=O'Brien & Co #1&taf5=a=b@c.d&taf6=http://" +
        std::string(lunetra::sites::ProductHost) + "/";
    EXPECT_EQ(std::get<taf::Accepted>(taf::Send(typed)).address, expected);
    EXPECT_EQ(Said(taf::Send({" Cy ", " c@d.e", " Yo ", " Di ", "c@d.e "})), Distinct);
    EXPECT_EQ(taf::KeptAddress(), expected);
    EXPECT_TRUE(taf::ClearsOnFocus(" Your Name ", taf::NamePlaceholder));
    EXPECT_FALSE(taf::ClearsOnFocus(taf::InitialMessage, taf::MessagePlaceholder));
    EXPECT_FALSE(taf::ShowsPlaceholderAgain("\t"));
}

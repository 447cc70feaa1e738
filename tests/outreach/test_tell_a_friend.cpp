#include "outreach/modTellAFriend.h"

#include "config/Sites.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taf = lunetra::modTellAFriend;
using taf::Request;

namespace {

// A form filled in correctly, with the message field untouched.
Request FilledForm() {
    return Request{"Ann Lee", "ann@mail.example", std::string(taf::InitialMessage), "Bob Ray",
                   "bob@mail.example"};
}

// The form as it stands when the exit window comes up.
Request UntouchedForm() {
    return Request{std::string(taf::NamePlaceholder), std::string(taf::EmailPlaceholder),
                   std::string(taf::InitialMessage), std::string(taf::FriendNamePlaceholder),
                   std::string(taf::FriendEmailPlaceholder)};
}

std::string RefusalOf(const taf::SendOutcome& outcome) {
    if (const auto* refused = std::get_if<taf::Refused>(&outcome))
        return refused->message;
    return "accepted: " + std::get<taf::Accepted>(outcome).address;
}

std::string AddressOf(const taf::SendOutcome& outcome) {
    if (const auto* accepted = std::get_if<taf::Accepted>(&outcome))
        return accepted->address;
    return "refused: " + std::get<taf::Refused>(outcome).message;
}

std::string ExpectedAddress(const std::string& name, const std::string& email,
                            const std::string& message, const std::string& friendName,
                            const std::string& friendEmail) {
    return "http://" + std::string(lunetra::sites::MakerHost) + "/zelk-refer-a-friend.php" +
           "?taf1=" + name + "&taf2=" + email + "&taf3=" + message + "&taf4=" + friendName +
           "&taf5=" + friendEmail + "&taf6=http://" + std::string(lunetra::sites::ProductHost) +
           "/";
}

void ExpectSameValues(const Request& actual, const Request& expected) {
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.email, expected.email);
    EXPECT_EQ(actual.message, expected.message);
    EXPECT_EQ(actual.friendName, expected.friendName);
    EXPECT_EQ(actual.friendEmail, expected.friendEmail);
}

} // namespace

TEST(TellAFriendPages, LieOnTheConfiguredHosts) {
    EXPECT_EQ(taf::ReferAFriendPage(),
              "http://" + std::string(lunetra::sites::MakerHost) + "/zelk-refer-a-friend.php");
    EXPECT_EQ(taf::ProductHomePage(), "http://" + std::string(lunetra::sites::ProductHost) + "/");
}

TEST(TellAFriendTrim, RemovesSpacesOnlyAtBothEnds) {
    const struct {
        std::string_view text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {" ", ""},
        {"     ", ""},
        {"a", "a"},
        {"  a  ", "a"},
        {" Ann  Lee ", "Ann  Lee"},
        {"\tAnn\t", "\tAnn\t"},
        {" Your Message\r\n", "Your Message\r\n"},
        {"\r\n \r\n", "\r\n \r\n"},
        {" \t ", "\t"},
        {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"}, // no-break spaces are not spaces
    };
    for (const auto& c : cases)
        EXPECT_EQ(taf::TrimSpaces(c.text), c.expected) << "for \"" << c.text << '"';
}

TEST(TellAFriendFields, PlaceholderComesBackOnlyForBlankText) {
    const struct {
        std::string_view text;
        bool placeholderAgain;
    } cases[] = {
        {"", true}, {"   ", true}, {"x", false}, {" x ", false}, {"\t", false}, {"\r\n", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(taf::ShowsPlaceholderAgain(c.text), c.placeholderAgain)
            << "for \"" << c.text << '"';
}

TEST(TellAFriendFields, FieldIsEmptiedOnlyWhenShowingItsPlaceholder) {
    const struct {
        std::string_view text;
        std::string_view placeholder;
        bool clears;
    } cases[] = {
        {"Your Name", taf::NamePlaceholder, true},
        {"  Your Name ", taf::NamePlaceholder, true},
        {"your name", taf::NamePlaceholder, false},
        {"Your Name.", taf::NamePlaceholder, false},
        {"Your  Name", taf::NamePlaceholder, false},
        {"", taf::NamePlaceholder, false},
        {"Friend's Email Address", taf::FriendEmailPlaceholder, true},
        {"Friend's Email Address", taf::EmailPlaceholder, false},
        {"Your Message", taf::MessagePlaceholder, true},
        // The message field's start text carries a line break and is therefore kept.
        {taf::InitialMessage, taf::MessagePlaceholder, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(taf::ClearsOnFocus(c.text, c.placeholder), c.clears)
            << "for \"" << c.text << "\" with placeholder \"" << c.placeholder << '"';
}

// Each row changes the correct form in one way and names the first message that must come.
TEST(TellAFriendSend, ReportsTheFirstFailingCheck) {
    struct Case {
        const char* what;
        Request form;
        std::string message;
    };
    auto with = [](auto change) {
        Request form = FilledForm();
        change(form);
        return form;
    };
    const std::vector<Case> cases = {
        {"untouched form: the two placeholders differ but lack '@'", UntouchedForm(),
         "Please Enter Proper Email Address"},
        {"same address twice, even with every other field empty",
         Request{"", "ann@mail.example", "", "", "ann@mail.example"},
         "Please Enter Distinct Email Addresses"},
        {"same address once with spaces around it",
         with([](Request& r) { r.friendEmail = "  ann@mail.example "; }),
         "Please Enter Distinct Email Addresses"},
        {"both e-mail fields blank", with([](Request& r) { r.email = r.friendEmail = "  "; }),
         "Please Enter Distinct Email Addresses"},
        {"user's address without '@'", with([](Request& r) { r.email = "ann.mail.example"; }),
         "Please Enter Proper Email Address"},
        {"friend's address without '@'",
         with([](Request& r) { r.friendEmail = "bob.mail.example"; }),
         "Please Enter Proper Email Address"},
        {"user's address without '.'", with([](Request& r) { r.email = "ann@mail"; }),
         "Please Enter Proper Email Address"},
        {"friend's address without '.'", with([](Request& r) { r.friendEmail = "bob@mail"; }),
         "Please Enter Proper Email Address"},
        {"user's address emptied, placeholder back",
         with([](Request& r) { r.email = taf::EmailPlaceholder; }),
         "Please Enter Proper Email Address"},
        {"friend's address emptied", with([](Request& r) { r.friendEmail = ""; }),
         "Please Enter Proper Email Address"},
        {"'@' and '.' test comes before the name check", with([](Request& r) {
             r.name = "";
             r.email = "ann";
         }),
         "Please Enter Proper Email Address"},
        {"name placeholder", with([](Request& r) { r.name = taf::NamePlaceholder; }),
         "Please Enter Your Name"},
        {"name placeholder with spaces around it",
         with([](Request& r) { r.name = "   Your Name  "; }), "Please Enter Your Name"},
        {"name empty", with([](Request& r) { r.name = ""; }), "Please Enter Your Name"},
        {"name of spaces only", with([](Request& r) { r.name = "    "; }),
         "Please Enter Your Name"},
        {"name checked before message", with([](Request& r) {
             r.name = "";
             r.message = "";
         }),
         "Please Enter Your Name"},
        {"message emptied, placeholder back",
         with([](Request& r) { r.message = taf::MessagePlaceholder; }),
         "Please Enter Your Message"},
        {"message empty", with([](Request& r) { r.message = ""; }), "Please Enter Your Message"},
        {"message of spaces only", with([](Request& r) { r.message = "  "; }),
         "Please Enter Your Message"},
        {"message checked before friend's name", with([](Request& r) {
             r.message = "";
             r.friendName = "";
         }),
         "Please Enter Your Message"},
        {"friend's name placeholder",
         with([](Request& r) { r.friendName = taf::FriendNamePlaceholder; }),
         "Please Enter Your Friend's Name"},
        {"friend's name of spaces only", with([](Request& r) { r.friendName = " "; }),
         "Please Enter Your Friend's Name"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RefusalOf(taf::Send(c.form)), c.message) << c.what;
}

TEST(TellAFriendSend, AcceptsWhatOnlyLooksOdd) {
    const struct {
        const char* what;
        Request form;
    } cases[] = {
        {"addresses differing only in case",
         Request{"Ann", "ann@mail.example", "Hi", "Bob", "ANN@MAIL.EXAMPLE"}},
        {"'@' and '.' with nothing around them", Request{"Ann", "@.", "Hi", "Bob", ".@"}},
        {"'.' before '@'", Request{"Ann", "a.b@c", "Hi", "Bob", "x.y@z"}},
        {"message with a tab only", Request{"Ann", "a@b.c", "\t", "Bob", "d@e.f"}},
        {"message placeholder followed by a line break",
         Request{"Ann", "a@b.c", "Your Message\r\n", "Bob", "d@e.f"}},
        {"name placeholder in other letter case",
         Request{"your name", "a@b.c", "Hi", "Bob", "d@e.f"}},
        {"one-letter values", Request{"A", "a@b.c", "m", "B", "d@e.f"}},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(std::holds_alternative<taf::Accepted>(taf::Send(c.form)))
            << c.what << ": " << RefusalOf(taf::Send(c.form));
}

TEST(TellAFriendSend, UntouchedMessageGoesIntoTheAddressWithItsLineBreak) {
    EXPECT_EQ(AddressOf(taf::Send(FilledForm())),
              ExpectedAddress("Ann Lee", "ann@mail.example", "Your Message\r\n", "Bob Ray",
                              "bob@mail.example"));
}

TEST(TellAFriendSend, AddressCarriesTheTrimmedValuesUnencoded) {
    const Request typed{"  Zoë  Ünal ", " zoë+x@mail.example  ", " a&b=c?d#e 100% ",
                        "Jean-Luc O'Brien \"JL\"", "jl@mail.example "};
    const std::string expected =
        ExpectedAddress("Zoë  Ünal", "zoë+x@mail.example", "a&b=c?d#e 100%",
                        "Jean-Luc O'Brien \"JL\"", "jl@mail.example");
    EXPECT_EQ(AddressOf(taf::Send(typed)), expected);
    EXPECT_EQ(taf::KeptAddress(), expected);
}

TEST(TellAFriendSend, TabsAndLineBreaksAroundValuesStay) {
    const Request typed{"\tAnn ", "ann@mail.example", "\r\n Hi \r\n", " Bob\t", "bob@mail.example"};
    EXPECT_EQ(
        AddressOf(taf::Send(typed)),
        ExpectedAddress("\tAnn", "ann@mail.example", "\r\n Hi \r\n", "Bob\t", "bob@mail.example"));
}

TEST(TellAFriendSend, SendingTwiceGivesTheSameAddressTwice) {
    const std::string first = AddressOf(taf::Send(FilledForm()));
    const std::string second = AddressOf(taf::Send(FilledForm()));
    EXPECT_EQ(first, second);
    EXPECT_EQ(taf::KeptAddress(), first);
}

TEST(TellAFriendKeptValues, AreReplacedByEveryAttemptButTheAddressOnlyOnSuccess) {
    const std::string accepted = AddressOf(taf::Send(FilledForm()));
    ASSERT_EQ(taf::KeptAddress(), accepted);

    // Refused at the very first check: the values are kept all the same.
    const Request same{" Cy ", " c@d.e ", " note ", " Di ", "c@d.e"};
    EXPECT_EQ(RefusalOf(taf::Send(same)), "Please Enter Distinct Email Addresses");
    ExpectSameValues(taf::KeptValues(), Request{"Cy", "c@d.e", "note", "Di", "c@d.e"});
    EXPECT_EQ(taf::KeptAddress(), accepted);

    // Refused by the later checks as well.
    Request noName = FilledForm();
    noName.name = " ";
    noName.friendName = "  Eve  ";
    EXPECT_EQ(RefusalOf(taf::Send(noName)), "Please Enter Your Name");
    ExpectSameValues(taf::KeptValues(), Request{"", "ann@mail.example", "Your Message\r\n", "Eve",
                                                "bob@mail.example"});
    EXPECT_EQ(taf::KeptAddress(), accepted);

    Request other = FilledForm();
    other.name = "Fay";
    const std::string next = AddressOf(taf::Send(other));
    EXPECT_NE(next, accepted);
    EXPECT_EQ(taf::KeptAddress(), next);
    EXPECT_EQ(taf::KeptValues().name, "Fay");
}

// The e-mail checks of TellAFriend itself cannot fail after the send button's '@' and '.'
// tests passed; they run on whatever a refused attempt left behind.
TEST(TellAFriendChecks, RunOnTheKeptValuesInOrder) {
    const struct {
        const char* what;
        Request leftBehind;
        std::string refusal; // what Send said
        std::string message; // what TellAFriend says on the kept values
    } cases[] = {
        {"user's address empty", Request{"Ann", "", "Hi", "Bob", ""},
         "Please Enter Distinct Email Addresses", "Please Enter Your Email"},
        {"user's address placeholder",
         Request{"Ann", std::string(taf::EmailPlaceholder), "Hi", "Bob", "b@c.d"},
         "Please Enter Proper Email Address", "Please Enter Your Email"},
        {"friend's address placeholder",
         Request{"Ann", "a@b.c", "Hi", "Bob", std::string(taf::FriendEmailPlaceholder)},
         "Please Enter Proper Email Address", "Please Enter Your Friend's Email"},
        {"friend's address of spaces only", Request{"Ann", "a@b.c", "Hi", "Bob", "   "},
         "Please Enter Proper Email Address", "Please Enter Your Friend's Email"},
        {"name comes before the addresses", Request{"Your Name", "", "Hi", "Bob", ""},
         "Please Enter Distinct Email Addresses", "Please Enter Your Name"},
        {"user's address comes before the message", Request{"Ann", "", " ", "Bob", ""},
         "Please Enter Distinct Email Addresses", "Please Enter Your Email"},
        {"message comes before the friend's name", Request{"Ann", "a@b.c", " ", "", "x"},
         "Please Enter Proper Email Address", "Please Enter Your Message"},
        {"user's address comes before the friend's name", Request{"Ann", "", "Hi", "", ""},
         "Please Enter Distinct Email Addresses", "Please Enter Your Email"},
        {"friend's name comes before the friend's address",
         Request{"Ann", "a@b.c", "Hi", "Friend's Name", ""}, "Please Enter Proper Email Address",
         "Please Enter Your Friend's Name"},
    };
    for (const auto& c : cases) {
        const std::string addressBefore = taf::KeptAddress();
        EXPECT_EQ(RefusalOf(taf::Send(c.leftBehind)), c.refusal) << c.what;
        EXPECT_EQ(RefusalOf(taf::TellAFriend()), c.message) << c.what;
        EXPECT_EQ(taf::KeptAddress(), addressBefore) << c.what;
    }
}

TEST(TellAFriendChecks, AcceptedKeptValuesGiveTheAddressOfThoseValues) {
    // Run again on the kept values of an accepted attempt, TellAFriend builds the same address.
    const Request form{"Ann", "a@b.c", "Hi", "Bob", "d@e.f"};
    const std::string viaSend = AddressOf(taf::Send(form));
    EXPECT_EQ(AddressOf(taf::TellAFriend()), viaSend);
    EXPECT_EQ(viaSend, ExpectedAddress("Ann", "a@b.c", "Hi", "Bob", "d@e.f"));
}

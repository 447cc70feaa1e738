#include "core/WebAddresses.h"

#include <gtest/gtest.h>

using namespace lunetra;
using web::Page;

// A branded build's pages each stand on the host of their own site. Each page's address on the
// default hosts, letter for letter, is checked where the windows open it.
TEST(WebAddresses, ABrandedBuildsPagesAreOnItsHosts) {
    const web::Hosts branded{"stars.example.org", "club.example.net", "aid.example.com"};
    EXPECT_EQ(web::Address(Page::ProductHome, branded), "http://stars.example.org/");
    EXPECT_EQ(web::Address(Page::MakerHome, branded), "http://club.example.net");
    EXPECT_EQ(web::Address(Page::ReferAFriend, branded),
              "http://club.example.net/zelk-refer-a-friend.php");
    EXPECT_EQ(web::Address(Page::Donation, branded), "http://aid.example.com/donate.html");
}

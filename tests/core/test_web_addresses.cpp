#include "core/WebAddresses.h"
#include "support/Addresses.h"

#include <gtest/gtest.h>

using namespace lunetra;
using web::Page;

// Each page on the default hosts is the design's address, letter for letter, and the
// configured hosts are the ones the build was given.
TEST(WebAddresses, EachPageIsTheDesignsAddress) {
    const web::Hosts standard{"www.lunetra.example", "www.qorvane.example", "help.qorvane.example"};
    const std::pair<Page, std::string_view> rows[] = {
        {Page::ProductHelp, test::design::ProductHelpPage},
        {Page::ProductDownload, test::design::ProductDownloadPage},
        {Page::ProductHome, test::design::ProductHomePage},
        {Page::MakerHome, test::design::MakerHomePage},
        {Page::MakerSoftware, test::design::MakerSoftwarePage},
        {Page::ReferAFriend, test::design::ReferAFriendPage},
        {Page::Donation, test::design::DonationPage},
        {Page::FullBranding, test::design::FullBrandingPage},
        {Page::CoBranding, test::design::CoBrandingPage}};
    for (const auto& [page, address] : rows) {
        EXPECT_EQ(web::Address(page, standard), address);
        EXPECT_EQ(web::Address(page), test::design::OnConfiguredHosts(address));
    }
}

// A branded build's pages each stand on the host of their own site.
TEST(WebAddresses, ABrandedBuildsPagesAreOnItsHosts) {
    const web::Hosts branded{"stars.example.org", "club.example.net", "aid.example.com"};
    EXPECT_EQ(web::Address(Page::ProductHome, branded), "http://stars.example.org/");
    EXPECT_EQ(web::Address(Page::MakerHome, branded), "http://club.example.net");
    EXPECT_EQ(web::Address(Page::ReferAFriend, branded),
              "http://club.example.net/zelk-refer-a-friend.php");
    EXPECT_EQ(web::Address(Page::Donation, branded), "http://aid.example.com/donate.html");
}

#pragma once

#include "config/Sites.h"

#include <string>
#include <string_view>
#include <utility>

// The nine web addresses, written out as the design gives them on the default hosts: what the
// address module and the windows are checked against, never the code under test.
namespace lunetra::test::design {

inline constexpr std::string_view ProductHelpPage = "http://www.lunetra.example/lunetra-help.html";
inline constexpr std::string_view ProductDownloadPage =
    "http://www.lunetra.example/download-lunetra.html";
inline constexpr std::string_view ProductHomePage = "http://www.lunetra.example/";
inline constexpr std::string_view MakerHomePage = "http://www.qorvane.example";
inline constexpr std::string_view MakerSoftwarePage = "http://www.qorvane.example/qorvanesoftwares";
inline constexpr std::string_view ReferAFriendPage =
    "http://www.qorvane.example/zelk-refer-a-friend.php";
inline constexpr std::string_view DonationPage = "http://help.qorvane.example/donate.html";
inline constexpr std::string_view FullBrandingPage =
    "http://help.qorvane.example/fully-branded.html";
inline constexpr std::string_view CoBrandingPage = "http://help.qorvane.example/co-brand.html";

// The same address on the hosts this build was configured with, which a branded build changes.
inline std::string OnConfiguredHosts(std::string_view address) {
    const std::pair<std::string_view, std::string_view> hosts[] = {
        {"www.lunetra.example", sites::ProductHost},
        {"www.qorvane.example", sites::MakerHost},
        {"help.qorvane.example", sites::HelpHost}};
    constexpr std::size_t Scheme = std::string_view("http://").size();
    std::string moved(address);
    for (const auto& [standard, configured] : hosts)
        if (moved.compare(Scheme, standard.size(), standard) == 0)
            return moved.replace(Scheme, standard.size(), configured);
    return moved;
}

} // namespace lunetra::test::design

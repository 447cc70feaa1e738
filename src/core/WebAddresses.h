#pragma once

#include <string>
#include <string_view>

// Every web address Lunetra opens is made here, from the hosts of its three web sites.
namespace lunetra::web {

// The sites serve their pages over plain http, and every address says so.
inline constexpr std::string_view Scheme = "http://";

// The product's web site, the maker's main site (its community) and the maker's help site.
struct Hosts {
    std::string_view product;
    std::string_view maker;
    std::string_view help;
};

// The hosts chosen when the build was configured.
Hosts ConfiguredHosts();

enum class Page {
    ProductHelp,     // the online help
    ProductDownload, // the download page, which the update entry and the reminder open
    ProductHome,     // the product's site itself, as the refer-a-friend request names it
    MakerHome,       // the maker's main site, with no path
    MakerSoftware,   // the maker's catalogue of its other programs
    ReferAFriend,    // the maker's refer-a-friend script, which takes the request's values
    Donation,
    FullBranding, // the offer of a fully branded copy
    CoBranding,
};

// The page's address on the given hosts: on the configured ones unless others are given.
std::string Address(Page page, const Hosts& hosts = ConfiguredHosts());

} // namespace lunetra::web

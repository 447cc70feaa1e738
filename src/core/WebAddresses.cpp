#include "core/WebAddresses.h"

#include "config/Sites.h"

namespace lunetra::web {

namespace {

struct Place {
    std::string_view host;
    std::string_view path;
};

Place PlaceOf(Page page, const Hosts& hosts) {
    switch (page) {
    case Page::ProductHelp:
        return {hosts.product, "/lunetra-help.html"};
    case Page::ProductDownload:
        return {hosts.product, "/download-lunetra.html"};
    case Page::ProductHome:
        return {hosts.product, "/"};
    case Page::MakerHome:
        return {hosts.maker, ""};
    case Page::MakerSoftware:
        return {hosts.maker, "/qorvanesoftwares"};
    case Page::ReferAFriend:
        return {hosts.maker, "/zelk-refer-a-friend.php"};
    case Page::Donation:
        return {hosts.help, "/donate.html"};
    case Page::FullBranding:
        return {hosts.help, "/fully-branded.html"};
    case Page::CoBranding:
        return {hosts.help, "/co-brand.html"};
    }
    return {};
}

} // namespace

Hosts ConfiguredHosts() {
    return {sites::ProductHost, sites::MakerHost, sites::HelpHost};
}

std::string Address(Page page, const Hosts& hosts) {
    const Place place = PlaceOf(page, hosts);
    std::string address(Scheme);
    address += place.host;
    address += place.path;
    return address;
}

} // namespace lunetra::web

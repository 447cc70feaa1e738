// The fixed pages apart from the rest of modHelp: they need no Qt, so every build has them.
#include "ui/modHelp.h"

#include "config/Sites.h"

namespace lunetra::modHelp {

namespace {
std::string Address(std::string_view host, std::string_view path) {
    std::string address = "http://";
    address += host;
    address += path;
    return address;
}
} // namespace

std::string ProductHelpPage() {
    return Address(sites::ProductHost, "/lunetra-help.html");
}
std::string ProductDownloadPage() {
    return Address(sites::ProductHost, "/download-lunetra.html");
}
std::string MakerHomePage() {
    return Address(sites::MakerHost, "");
}
std::string MakerSoftwarePage() {
    return Address(sites::MakerHost, "/qorvanesoftwares");
}
std::string DonationPage() {
    return Address(sites::HelpHost, "/donate.html");
}
std::string FullBrandingPage() {
    return Address(sites::HelpHost, "/fully-branded.html");
}
std::string CoBrandingPage() {
    return Address(sites::HelpHost, "/co-brand.html");
}

} // namespace lunetra::modHelp

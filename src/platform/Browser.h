#pragma once

#include <string>

namespace lunetra::platform {

// Hands an address to the default browser exactly as given and returns at once.
// Nothing waits for the browser and a failure to start it is not reported.
void OpenInBrowser(const std::string& address);

} // namespace lunetra::platform

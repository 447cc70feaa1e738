#pragma once

#include <QString>

#include <chrono>
#include <string>
#include <string_view>

namespace lunetra {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Everything the windows need from outside themselves. The program wires in the real
// services at start; tests wire in fakes that record what was asked of them.
class Services {
public:
    virtual ~Services() = default;

    // A modal message box titled "Lunetra"; returns the button that closed it.
    virtual MessageAnswer showMessage(const QString& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // Hands an address to the default browser, unchanged.
    virtual void openWebPage(const std::string& address) = 0;

    // The per-user settings, section "Settings". Reading an absent key gives empty text;
    // writing throws when the value cannot be stored.
    virtual std::string readSetting(std::string_view key) = 0;
    virtual void writeSetting(std::string_view key, const std::string& value) = 0;

    virtual std::chrono::year_month_day today() = 0;

    // Uniform draws r with 0 <= r < 1, seeded from the clock.
    virtual void seedRandom() = 0;
    virtual double nextRandom() = 0;

    // Ends the process at once.
    virtual void endProcess() = 0;
};

} // namespace lunetra

#pragma once

#include "ui/Services.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

namespace lunetra::test {

// Records what the windows ask of the outside world and answers from a script.
class FakeServices : public Services {
public:
    QStringList messages; // the texts shown, in order, with their icons and buttons below
    std::vector<MessageIcon> icons;
    std::vector<MessageButtons> buttons;
    std::deque<MessageAnswer> answers; // next answers to Yes/No questions; No when empty
    std::vector<std::string> openedPages;
    std::map<std::string, std::string, std::less<>> settings;
    bool settingsWritable = true;
    int settingWrites = 0;
    std::chrono::year_month_day todayValue{std::chrono::year{2026} / 12 / 5};
    std::deque<double> draws; // next random draws; 0 when empty
    int seeds = 0;
    int processEnds = 0;
    std::function<void()> whileAsking; // runs while each message is up

    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons shownButtons) override {
        if (whileAsking)
            whileAsking();
        messages << text;
        icons.push_back(icon);
        buttons.push_back(shownButtons);
        return shownButtons == MessageButtons::Ok ? MessageAnswer::Ok
                                                  : next(answers, MessageAnswer::No);
    }
    void openWebPage(const std::string& address) override { openedPages.push_back(address); }
    std::string readSetting(std::string_view key) override {
        return settings.contains(key) ? settings.find(key)->second : std::string();
    }
    void writeSetting(std::string_view key, const std::string& value) override {
        if (!settingsWritable)
            throw std::runtime_error("settings store is read-only");
        ++settingWrites;
        settings[std::string(key)] = value;
    }
    std::chrono::year_month_day today() override { return todayValue; }
    void seedRandom() override { ++seeds; }
    double nextRandom() override { return next(draws, 0.0); }
    void endProcess() override { ++processEnds; }

private:
    template <typename T> static T next(std::deque<T>& script, T whenEmpty) {
        const T value = script.empty() ? whenEmpty : script.front();
        if (!script.empty())
            script.pop_front();
        return value;
    }
};

} // namespace lunetra::test

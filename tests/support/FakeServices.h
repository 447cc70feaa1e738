#pragma once

#include "ui/Services.h"

#include <QStringList>

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace lunetra::test {

// Records what the windows ask of the outside world and answers from a script.
class FakeServices : public Services {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers; // next answers to Yes/No questions; No when empty
    std::vector<std::string> openedPages;
    std::map<std::string, std::string, std::less<>> settings;
    bool settingsWritable = true;
    int settingWrites = 0;
    std::chrono::year_month_day todayValue{std::chrono::year{2026}, std::chrono::month{12},
                                           std::chrono::day{5}};
    std::deque<double> draws; // next random draws; 0 when empty
    int seeds = 0;
    int processEnds = 0;

    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void openWebPage(const std::string& address) override { openedPages.push_back(address); }
    std::string readSetting(std::string_view key) override {
        const auto found = settings.find(key);
        return found == settings.end() ? std::string() : found->second;
    }
    void writeSetting(std::string_view key, const std::string& value) override {
        if (!settingsWritable)
            throw std::runtime_error("settings store is read-only");
        ++settingWrites;
        settings[std::string(key)] = value;
    }
    std::chrono::year_month_day today() override { return todayValue; }
    void seedRandom() override { ++seeds; }
    double nextRandom() override {
        if (draws.empty())
            return 0.0;
        const double draw = draws.front();
        draws.pop_front();
        return draw;
    }
    void endProcess() override { ++processEnds; }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }
};

} // namespace lunetra::test

#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/UserInterfaceServices.h"

namespace kmq::test {

// Stands in for the window: records every service the core asks for and
// answers questions from a queue (No once it runs dry).
class RecordingUi : public UserInterfaceServices {
public:
    void showCarryingPointer() override {
        carrying = true;
        calls.push_back("carry");
    }
    void showDefaultPointer() override {
        carrying = false;
        calls.push_back("default");
    }
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        calls.push_back("message");
    }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        calls.push_back("ask");
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    bool carrying = false;
    std::vector<std::string> calls;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

}  // namespace kmq::test

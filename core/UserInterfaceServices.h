#pragma once

#include <string>

namespace kmq {

// What the game core asks of whatever shows it. Texts are UTF-8.
class UserInterfaceServices {
public:
    virtual ~UserInterfaceServices() = default;

    // The peg as the pointer, for as long as a peg is carried.
    virtual void showCarryingPointer() = 0;
    virtual void showDefaultPointer() = 0;

    // A modal message with an OK button only.
    virtual void showMessage(const std::string& text) = 0;

    // A modal question with Yes (the default) and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

}  // namespace kmq

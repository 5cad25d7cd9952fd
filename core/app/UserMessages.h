#pragma once

#include <QString>

namespace veldora {

// Every message the program shows the player goes through here: the windows show
// it in a modal box, tests record it.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(const QString &text) = 0;
};

}  // namespace veldora

#pragma once

#include <QString>

namespace veldora {

// Every message the program shows the player goes through here: the windows show
// it in a modal box, tests record it.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(const QString &text) = 0;
    // A message whose fixed text is followed, in the same box, by more lines (the
    // requirements a refused item lacks). Shown as one text with an empty line
    // between; a recorder may keep the two parts apart.
    virtual void showMessageFollowedBy(const QString &text, const QString &followedBy) {
        showMessage(followedBy.isEmpty() ? text : text + QStringLiteral("\r\r") + followedBy);
    }
};

}  // namespace veldora

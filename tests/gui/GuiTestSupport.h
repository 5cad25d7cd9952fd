#pragma once

#include "app/UserMessages.h"
#include "app/Startup.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;
class QPoint;

namespace veldora::test {

// Keeps every message instead of showing it.
class RecordingMessages : public UserMessages {
public:
    void showMessage(const QString &text) override {
        if (onMessage) onMessage();
        messages << text;
        lastFollowedBy.clear();
    }
    // The fixed text is kept as a message of its own, what follows it apart.
    void showMessageFollowedBy(const QString &text, const QString &more) override {
        showMessage(text);
        lastFollowedBy = more;
    }
    QStringList messages;
    QString lastFollowedBy;  // what followed the last message in its box
    std::function<void()> onMessage;  // runs as a message would appear
};

// The staged sample program folder, or an empty text when the build has none.
QString sampleFolder();

// Copies a folder tree; returns false when anything fails.
bool copyFolder(const QString &from, const QString &to);

// The program started on a private copy of the sample folder, main window shown
// at once with its fade-in finished.
struct TestProgram {
    QTemporaryDir dir;
    QString folder;
    RecordingMessages messages;
    std::unique_ptr<StartedProgram> program;
};
// `prepare` may change the copy before the program starts; false gives up.
std::unique_ptr<TestProgram> startOnSampleCopy(bool fadeIn = false,
                                               const std::function<bool(const QString &folder)> &prepare = {});

// Starts `var` on a copy of the sample folder, or skips the test where the build
// has none; fails it when the program did not start.
#define START_ON_SAMPLE(var, ...)                                                    \
    auto var = ::veldora::test::startOnSampleCopy(__VA_ARGS__);                      \
    if (!var) GTEST_SKIP() << "the build has no sample program folder";              \
    ASSERT_TRUE(var->program->mainWindow) << var->program->error.toStdString();

// A child found by its object name; fails the test when there is none.
template <typename T = QWidget>
T *named(QObject *root, const QString &name);

void processEvents(int milliseconds = 0);

// Moves the pointer over `w` through its top-level window, as the platform does;
// it reaches the window even where another top-level window overlaps it.
void hover(QWidget *w, QPoint pos);

}  // namespace veldora::test

#include "GuiTestSupport.inl"

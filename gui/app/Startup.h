#pragma once

#include <QString>

namespace veldora {

// Runs the program's start-up on `programFolder` and returns the exit status of
// the message loop.
int runProgram(const QString &programFolder);

}  // namespace veldora

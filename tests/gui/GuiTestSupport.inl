#pragma once

#include <QObject>
#include <gtest/gtest.h>

namespace veldora::test {

template <typename T>
T *named(QObject *root, const QString &name) {
    T *found = root->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

}  // namespace veldora::test

#pragma once
// Finding a window's controls and commands the way a test should: by objectName alone.
#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace testenv {
// The child of `root` named `name`, of type T; a missing control fails the test.
template <typename T>
T* control(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}
} // namespace testenv

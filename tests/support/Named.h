#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QWidget>

namespace pelcor::testing {

// A view's control found by its object name under `root`, as a screen reader finds it;
// the test fails when there is none.
template <class T = QWidget> T* Named(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found) ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}

} // namespace pelcor::testing

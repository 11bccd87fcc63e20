#pragma once
// The UI tests find a window's controls by their object names; a missing one fails the test.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

namespace zahlix::test {

template <class T>
T* Kind(const QWidget* w, const QString& name) {
    T* k = w->findChild<T*>(name);
    EXPECT_NE(k, nullptr) << name.toStdString();
    return k;
}

template <class T>
T* Kind(const QWidget& w, const QString& name) {
    return Kind<T>(&w, name);
}

}  // namespace zahlix::test

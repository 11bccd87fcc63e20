#pragma once
// The one QApplication of the window benchmarks, offscreen unless a platform is chosen.
#include <QApplication>

inline QApplication& BenchApp() {
    static int argc = 1;
    static char name[] = "zahlix-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = [] {
        auto* da = qobject_cast<QApplication*>(QCoreApplication::instance());
        return da ? da : new QApplication(argc, argv);
    }();
    return *app;
}

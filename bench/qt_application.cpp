// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "bench/qt_application.h"

#include <QApplication>
#include <memory>

namespace numira::bench {
namespace {

std::unique_ptr<QApplication>& application() {
    static std::unique_ptr<QApplication> app;
    return app;
}

}  // namespace

void useQtApplication() {
    if (application()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "numira-bench";
    static char* argv[] = {name, nullptr};
    // The offscreen platform's notes (it cannot raise a window) are no result.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    application() = std::make_unique<QApplication>(argc, argv);
}

void endQtApplication() {
    application().reset();
}

}  // namespace numira::bench

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QApplication>

#include "qt/main_window.h"
#include "qt/numira_style.h"
#include "qt/resources.h"
#include "qt/translation.h"
#include "window/process_locale.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    numira::useProcessLocale();
    QApplication::setStyle(new numira::NumiraStyle);
    QApplication::setApplicationName(QStringLiteral("Numira"));
    QApplication::setApplicationDisplayName(QStringLiteral("Нумира"));
    QApplication::setDesktopFileName(QStringLiteral("numira"));
    numira::initResources();
    numira::installQtTranslation(app);
    numira::MainWindow window;
    window.show();
    return QApplication::exec();
}

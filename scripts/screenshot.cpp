// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Draws the README's pictures of the calculator offscreen: the window after start-up, after
// 2 + 3 =, while 2 + 3 is typed (the value in grey), after two more calculations with its
// history panel open, and after 5 : 0 = (the failing part marked). scripts/screenshot.sh
// builds and runs it. Usage: numira-screenshot FOLDER (writes numira-start.png,
// numira-2plus3.png, numira-preview.png, numira-history.png and numira-failure.png there).
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <initializer_list>

#include "qt/main_window.h"
#include "qt/resources.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // As the widget tests draw: 96 dots per inch whatever the screen says.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const QString folder = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    numira::initResources();
    numira::MainWindow window;
    window.show();
    const auto save = [&](const char* name) {
        return window.grab().toImage().save(folder + QLatin1Char('/') + QLatin1String(name));
    };
    const auto click = [&](std::initializer_list<const char*> keys) {
        for (const char* name : keys) {
            auto* key = window.findChild<QPushButton*>(QLatin1String(name));
            if (key == nullptr) {
                return false;
            }
            QTest::mouseClick(key, Qt::LeftButton);
        }
        return true;
    };
    bool done =
        !folder.isEmpty() && QDir().mkpath(folder) && QTest::qWaitForWindowExposed(&window) &&
        save("numira-start.png") &&
        click({"Commandbutton1", "CommandButton11", "CommandButton10", "Ravno"}) &&
        save("numira-2plus3.png") &&
        click({"butonC", "Commandbutton1", "CommandButton11", "CommandButton10"}) &&
        save("numira-preview.png") &&
        click({"butonC", "Commandbutton1", "CommandButton21", "CommandButton5", "CommandButton11",
               "b1", "Ravno", "butonC", "b1", "CommandButton14", "CommandButton10", "Ravno"});
    if (done) {
        window.form().Istoria_Click();
        window.refresh();
        done = save("numira-history.png");
        window.form().Istoria_Click();
        done = done &&
               click({"butonC", "CommandButton8", "CommandButton14", "CommandButton2", "Ravno"}) &&
               save("numira-failure.png");
    }
    if (!done) {
        std::fprintf(stderr, "usage: numira-screenshot FOLDER (a folder it may write in)\n");
    }
    return done ? 0 : 1;
}

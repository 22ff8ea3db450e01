// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "graph/sheet_app.h"

namespace numira {

// The chart window "Графика", loaded on first use so that start-up does without Qt Charts: the
// first sheet() loads the chart module, makes the window, owned by owner, and hands back the
// window's own sheetApp; later calls hand back the same one. The window opens beside owner,
// and again beside it, where it is then, when it is opened after the user closed it, unless
// the user moved it. A window the user's session has destroyed is made again by the next call.
//
// A module that is missing, cannot be loaded or has no entry point is reported through
// onFailure (the message says which and names the file) and sheet() gives null; the next call
// tries again. Nothing throws.
class LazyChartSheet {
  public:
    explicit LazyChartSheet(QWidget* owner, QString modulePath = defaultModulePath())
        : m_owner(owner), m_modulePath(std::move(modulePath)) {}

    // The module beside the program: <libdir>/numira, found from the program's folder.
    static QString defaultModulePath();
    // Loads another module instead (for the tests); a window already made stays.
    void setModulePath(const QString& path) { m_modulePath = path; }

    // The chart window's sheet, valid while its window lives; null when the module failed.
    graph::SheetApp* sheet();
    // The chart window, or null until sheet() has made it.
    QWidget* window() const { return m_window; }

    std::function<void(const QString& message)> onFailure;

  private:
    graph::SheetApp* fail(const QString& message);

    QWidget* m_owner;
    QString m_modulePath;
    QPointer<QWidget> m_window;
    graph::SheetApp* m_sheet = nullptr;  // the window's
};

}  // namespace numira

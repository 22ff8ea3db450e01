// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/lazy_chart_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "engine/words.h"
#include "qt/chart/chart_module.h"
#include "qt/window_place.h"

namespace numira {

QString LazyChartSheet::defaultModulePath() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(bin.absoluteFilePath(QStringLiteral(NUMIRA_CHART_MODULE)));
}

graph::SheetApp* LazyChartSheet::fail(const QString& message) {
    if (onFailure) {
        onFailure(QString::fromUtf8(word(Word::ChartNotLoaded)).arg(message));
    }
    return nullptr;
}

graph::SheetApp* LazyChartSheet::sheet() {
    if (!m_window.isNull()) {
        // Opened again: beside the calculator where it is now, unless the user moved it; the
        // size the user gave it stays.
        if (!m_window->isVisible() && m_owner != nullptr && !movedSincePlaced(m_window)) {
            placeByFrame(m_window, besideWindow(m_owner));
        }
        return m_sheet;
    }
    if (!QFileInfo::exists(m_modulePath)) {
        return fail(QString::fromUtf8(word(Word::ChartModuleMissing)).arg(m_modulePath));
    }
    // The library stays loaded for the rest of the run: the window's code lives in it.
    QLibrary library(m_modulePath);
    if (!library.load()) {
        return fail(QString::fromUtf8(word(Word::ChartModuleBroken))
                        .arg(m_modulePath, library.errorString()));
    }
    const auto create =
        reinterpret_cast<CreateChartWindow>(library.resolve(kCreateChartWindowSymbol));
    if (create == nullptr) {
        return fail(QString::fromUtf8(word(Word::NotAChartModule)).arg(m_modulePath));
    }
    QWidget* window = create(m_owner, &m_sheet);
    window->setObjectName(QStringLiteral("chartWindow"));
    closeOnEscape(window);
    if (m_owner != nullptr) {
        fitBeside(window, m_owner);
        placeByFrame(window, besideWindow(m_owner));
    }
    m_window = window;
    return m_sheet;
}

}  // namespace numira

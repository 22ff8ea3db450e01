// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/scrolling_page.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace numira {

QWidget* scrollingPage(QWidget* window) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("scrollingPage"));
    area->setAccessibleName(QStringLiteral("Превъртане"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget;
    area->setWidget(page);
    const auto tabStop = [area] {
        const bool scrolls =
            area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0;
        area->setFocusPolicy(scrolls ? Qt::StrongFocus : Qt::NoFocus);
    };
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        QObject::connect(bar, &QScrollBar::rangeChanged, area, tabStop);
    }
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return page;
}

}  // namespace numira

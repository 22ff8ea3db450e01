// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/scrolling_page.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace numira {
namespace {

const QString kAreaName = QStringLiteral("scrollingPage");

}  // namespace

QWidget* scrollingPage(QWidget* window) {
    auto* area = new QScrollArea(window);
    area->setObjectName(kAreaName);
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

int pageLeastWidth(const QWidget* window) {
    const auto* area = window->findChild<const QScrollArea*>(kAreaName, Qt::FindDirectChildrenOnly);
    return area != nullptr && area->widget() != nullptr ? area->widget()->minimumSizeHint().width()
                                                        : 0;
}

}  // namespace numira

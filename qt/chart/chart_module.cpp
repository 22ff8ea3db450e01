// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/chart_module.h"

#include <type_traits>

#include "qt/chart/chart_window.h"

extern "C" Q_DECL_EXPORT QWidget* numira_create_chart_window(QWidget* parent,
                                                             numira::graph::SheetApp** sheet) {
    auto* window = new numira::ChartWindow(parent);
    *sheet = &window->sheetApp();
    return window;
}

static_assert(std::is_same_v<decltype(&numira_create_chart_window), numira::CreateChartWindow>);

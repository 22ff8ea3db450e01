// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QWidget>

#include "graph/sheet_app.h"

// The chart module's one entry point, shared by the module and the program that loads it.
namespace numira {

// The name the entry point is exported under.
inline constexpr char kCreateChartWindowSymbol[] = "numira_create_chart_window";

// Makes the chart window "Графика", hidden, as a window of its own owned by parent, and sets
// sheet to the sheetApp that fills and shows it (it lives as long as the window). Never null.
using CreateChartWindow = QWidget* (*)(QWidget* parent, graph::SheetApp** sheet);

}  // namespace numira

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QTreeWidget>

#include "graph/key_points.h"

namespace numira {

// The key points beside the chart, under "Нули", "Минимуми", "Максимуми" and "Прекъсвания",
// each as the trace reads a point ("x = 1,41421"). Choosing one (a click, or Enter) tells
// pointChosen where it is; a zero or a break has no y of its own (hasY false).
class KeyPointsList : public QTreeWidget {
    Q_OBJECT
  public:
    KeyPointsList();
    void showPoints(const graph::KeyPoints& points, int decimals);
    // The group of one kind, in the order above.
    QTreeWidgetItem* group(int kind) const { return topLevelItem(kind); }

  signals:
    void pointChosen(double x, double y, bool hasY);
};

}  // namespace numira

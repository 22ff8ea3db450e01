// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/key_points_list.h"

#include <QHeaderView>

#include "engine/words.h"
#include "graph/point_text.h"

namespace numira {
namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

enum Role { kX = Qt::UserRole, kY, kHasY };

void add(QTreeWidgetItem* group, double x, std::optional<double> y, int decimals) {
    auto* item = new QTreeWidgetItem(group, {text(graph::pointText(x, y, decimals))});
    item->setData(0, kX, x);
    item->setData(0, kY, y.value_or(0));
    item->setData(0, kHasY, y.has_value());
}

}  // namespace

KeyPointsList::KeyPointsList() {
    setHeaderHidden(true);
    setAccessibleName(text(word(Word::KeyPoints)));
    setRootIsDecorated(false);
    for (const std::string_view title :
         {word(Word::Zeros), word(Word::Minima), word(Word::Maxima), word(Word::Breaks)}) {
        auto* group = new QTreeWidgetItem(this, {text(title)});
        group->setFlags(Qt::ItemIsEnabled);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
    }
    const auto choose = [this](QTreeWidgetItem* item) {
        if (item != nullptr && item->parent() != nullptr) {
            emit pointChosen(item->data(0, kX).toDouble(), item->data(0, kY).toDouble(),
                             item->data(0, kHasY).toBool());
        }
    };
    connect(this, &QTreeWidget::itemClicked, this, choose);
    connect(this, &QTreeWidget::itemActivated, this, choose);
}

void KeyPointsList::showPoints(const graph::KeyPoints& points, int decimals) {
    for (int kind = 0; kind < topLevelItemCount(); ++kind) {
        qDeleteAll(group(kind)->takeChildren());
    }
    for (const double x : points.zeros) {
        add(group(0), x, std::nullopt, decimals);
    }
    for (const graph::CurvePoint& p : points.minima) {
        add(group(1), p.x, p.y, decimals);
    }
    for (const graph::CurvePoint& p : points.maxima) {
        add(group(2), p.x, p.y, decimals);
    }
    for (const double x : points.breaks) {
        add(group(3), x, std::nullopt, decimals);
    }
    expandAll();
}

}  // namespace numira

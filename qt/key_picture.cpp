// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/key_picture.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

namespace numira {

QPixmap keyPicture(const QColor& face, const QString& caption, const QString& svgPath, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(face);
    painter.drawRoundedRect(body, 2, 2);
    painter.setPen(QPen(face.lighter(150), 1));
    painter.drawLine(body.topLeft() + QPointF(2, 1.5), body.topRight() + QPointF(-2, 1.5));

    if (svgPath.isEmpty()) {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(size.height() / 2);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(body, Qt::AlignCenter, caption);
    } else {
        QSvgRenderer svg(svgPath);
        QSizeF picture = svg.defaultSize();
        picture.scale(body.size() * 0.7, Qt::KeepAspectRatio);
        QRectF target(QPointF(), picture);
        target.moveCenter(body.center());
        svg.render(&painter, target);
    }
    return pixmap;
}

QPixmap svgPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(svgPath).render(&painter, QRectF(QPointF(), QSizeF(size)));
    return pixmap;
}

}  // namespace numira

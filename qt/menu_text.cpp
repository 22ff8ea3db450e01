// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/menu_text.h"

namespace numira {

QString withAccessLetter(const QString& caption, QString& used) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar c = escaped[i];
        if (c.isLetter() && !used.contains(c.toLower())) {
            used += c.toLower();
            return escaped.left(i) + QLatin1Char('&') + escaped.mid(i);
        }
    }
    return escaped;
}

QString menuItemText(const QString& caption, QString& used, const QString& shortcut) {
    QString text = withAccessLetter(caption, used);
    if (!shortcut.isEmpty()) {
        text += QLatin1Char('\t') + shortcut;
    }
    return text;
}

QString captionOf(const QString& menuText) {
    QString caption = menuText.section(QLatin1Char('\t'), 0, 0);
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        out += caption[i];
    }
    return out;
}

}  // namespace numira

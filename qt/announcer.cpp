// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace numira {

namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncer(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const Announcer*>(widget())->said();
        }
        return {};
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && className == QLatin1String("numira::Announcer")) {
        return new AccessibleAnnouncer(widget);
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    // Registered here, as the chart module has its own copy of this class.
    static const bool registered = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)registered;
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::say(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    m_said = text;
    // A reader speaks a notification when it starts showing.
    hide();
    show();
}

}  // namespace numira

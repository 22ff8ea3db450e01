// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QString>
#include <QWidget>

namespace numira {

// Something screen readers say at once, wherever the focus is: a notification whose name is
// the text, shown anew ("showing") by every say(), which Orca speaks as it comes. It draws
// nothing and covers one pixel of its parent.
class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* parent);
    // Says `text`; the same text twice is said twice. An empty text says nothing.
    void say(const QString& text);
    // What was said last (also the object's accessible name).
    QString said() const { return m_said; }

  private:
    QString m_said;
};

}  // namespace numira

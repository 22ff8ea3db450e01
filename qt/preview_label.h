// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QString>
#include <QWidget>

namespace numira {

// The value while typing, in grey in the result's place. It paints its text rather than
// holding it as a label's name, so that screen readers, which hear every result, are not
// interrupted by a value at every key.
class PreviewLabel : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewLabel(QWidget* parent);
    void setText(const QString& text);
    QString text() const { return m_text; }
    QSize sizeHint() const override;
    // The palette's grey for inactive text, darkened or lightened to be read on the window.
    QColor textColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
};

}  // namespace numira

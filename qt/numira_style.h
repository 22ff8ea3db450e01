// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QProxyStyle>

namespace numira {

// The program's style: the platform's own, except
// - the arrows of the menu bar's and tool bars' extension buttons are read when first drawn
//   instead of when the bar is made. They are PNG files, and reading a PNG by its file name
//   loads every image-format plugin (gif, ico, jpeg, svg) to ask each whether it reads PNG; a
//   calculator window, whose menu bar always fits, never draws them;
// - Alt alone puts the menu bar under the keyboard, and the menu title the keyboard is on is
//   highlighted as an open one is (some styles highlight only an open menu's title);
// - the keyboard's focus ring (qt/focus_ring.h) is drawn over the control it rings, unmasked.
// Installed with QApplication::setStyle before the first window.
class NumiraStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace numira

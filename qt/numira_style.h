// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QProxyStyle>

namespace numira {

// The program's style: the platform's own, except that the arrows of the menu bar's and tool
// bars' extension buttons are read when first drawn instead of when the bar is made. They
// are PNG files, and reading a PNG by its file name loads every image-format plugin (gif,
// ico, jpeg, svg) to ask each whether it reads PNG; a calculator window, whose menu bar
// always fits, never draws them. Installed with QApplication::setStyle before the first
// window.
class NumiraStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace numira

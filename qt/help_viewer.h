// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace numira {

// The program's viewer of its HTML help file: a modeless window with a browser, its links
// followed inside it. A file that is missing or unreadable leaves the window open with a
// message naming the path instead of the contents; nothing else happens.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the file from its beginning (its contents page). Returns whether it was found.
    bool openFile(const QString& path);

    QTextBrowser* browser() const { return m_browser; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QTextBrowser* m_browser;
};

}  // namespace numira

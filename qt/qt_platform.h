// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/help_viewer.h"
#include "window/platform.h"

namespace numira {

// The toolkit's side of the window model: text widths measured with the real Arial 12 bold
// (Liberation Sans where Arial is not installed), the screen's width, the system clipboard
// and the program's own help viewer. Twips are converted at the screen's logical dpi.
class QtPlatform : public Platform {
  public:
    // owner: the calculator window, parent of the help viewer (may be null in tests).
    explicit QtPlatform(QWidget* owner = nullptr) : m_owner(owner) {}

    float textWidth(std::string_view text) override;
    float screenWidth() override;

    void clearClipboard() override;
    void setClipboardText(std::string_view text) override;
    void setClipboardRich(std::string_view text, std::string_view html) override;
    std::string clipboardText() override;

    // The folder the help file is shipped in: <prefix>/share/numira beside <prefix>/bin, in
    // the build tree as well as when installed.
    std::string programFolder() override;
    // Looks for the help file in another folder instead (an empty folder restores the default).
    void setProgramFolder(const QString& folder) { m_folder = folder; }
    // Shows the file in the help viewer (reused while open). A missing or unreadable file
    // opens nothing and returns false, so that the window can say so.
    bool openHelpFile(const std::string& path) override;

    HelpViewer* helpViewer() const { return m_viewer; }

  private:
    QWidget* m_owner;
    QString m_folder;
    QPointer<HelpViewer> m_viewer;
};

// The font of the expression box and of the measuring label: Arial 12 bold.
QFont expressionFont();

}  // namespace numira

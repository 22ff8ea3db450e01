// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/help_viewer.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/window_place.h"

namespace numira {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Ръководство"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("Съдържание"), this);
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(contents, 0, Qt::AlignLeft);
    layout->addWidget(m_browser);
    resize(720, 640);
    closeOnEscape(this);
}

bool HelpViewer::openFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        m_browser->setSource(QUrl());
        m_browser->setHtml(
            QStringLiteral("<h2>Помощта не може да бъде отворена</h2>"
                           "<p>Файлът с помощта не е намерен или не може да бъде прочетен:</p>"
                           "<p><tt>%1</tt></p>"
                           "<p>Инсталирайте програмата отново, за да бъде възстановен.</p>")
                .arg(path.toHtmlEscaped()));
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return true;
}

}  // namespace numira

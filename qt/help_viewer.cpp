// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/help_viewer.h"

#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextTable>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

#include "qt/contrast.h"
#include "qt/window_place.h"

namespace numira {

namespace {

QColor brushOr(const QBrush& brush, const QColor& otherwise) {
    return brush.style() == Qt::NoBrush ? otherwise : brush.color();
}

// Moves each colour of the page's text to 4.5:1 against what it is drawn on: the help file's
// navy headings, blue links and light key backgrounds are made for a light window, and a dark
// palette would hide them. Under a light palette nothing changes.
void makeReadable(QTextDocument* document, const QPalette& palette) {
    struct Change {
        int from;
        int length;
        QColor colour;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QColor behind = brushOr(block.blockFormat().background(), palette.color(QPalette::Base));
        const QTextCursor at(block);
        if (const QTextTable* table = at.currentTable()) {
            behind = brushOr(table->cellAt(at).format().background(), behind);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QColor background = brushOr(format.background(), behind);
            const QColor text = brushOr(format.foreground(), palette.color(QPalette::Text));
            if (contrast(text, background) < 4.5) {
                changes.push_back(
                    {fragment.position(), fragment.length(), readableAgainst(text, background)});
            }
        }
    }
    for (const Change& change : changes) {
        QTextCursor range(document);
        range.setPosition(change.from);
        range.setPosition(change.from + change.length, QTextCursor::KeepAnchor);
        QTextCharFormat colour;
        colour.setForeground(change.colour);
        range.mergeCharFormat(colour);
    }
}

}  // namespace

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
    makeReadable(m_browser->document(), m_browser->palette());
    return true;
}

void HelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The page's colours were moved for the old palette: read it again for the new one (this
    // window's own, as the browser takes its palette only after this event).
    if (event->type() == QEvent::PaletteChange && m_browser->source().isValid()) {
        const int readTo = m_browser->verticalScrollBar()->value();
        m_browser->reload();
        makeReadable(m_browser->document(), palette());
        m_browser->verticalScrollBar()->setValue(readTo);
    }
}

}  // namespace numira

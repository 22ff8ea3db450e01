// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>

#include "qt/help_viewer.h"
#include "qt/twips.h"
#include "qt/window_place.h"

namespace numira {

QFont expressionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    return font;
}

float QtPlatform::textWidth(std::string_view text) {
    const QFontMetricsF metrics(expressionFont(), m_owner);
    const double pixels = metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return static_cast<float>(pixelsToTwips(pixels, m_owner));
}

float QtPlatform::screenWidth() {
    const QScreen* screen =
        m_owner != nullptr ? m_owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 0;
    }
    return static_cast<float>(pixelsToTwips(screen->geometry().width(), m_owner));
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtPlatform::setClipboardRich(std::string_view text, std::string_view html) {
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    data->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

std::string QtPlatform::programFolder() {
    if (!m_folder.isEmpty()) {
        return m_folder.toStdString();
    }
    const QDir bin(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/numira"))).toStdString();
}

bool QtPlatform::openHelpFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        return false;
    }
    if (m_viewer.isNull()) {
        m_viewer = new HelpViewer(m_owner);
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
        if (m_owner != nullptr) {
            placeByFrame(m_viewer, besideWindow(m_owner));
        }
    }
    const bool opened = m_viewer->openFile(file);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return opened;
}

}  // namespace numira

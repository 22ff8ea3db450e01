// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/help_windows.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSvgWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/contrast.h"
#include "qt/key_picture.h"
#include "qt/scrolling_page.h"
#include "qt/twips.h"
#include "qt/window_place.h"

namespace numira {

namespace {

// The pictures' own colours: light text on navy, whatever the desktop's palette.
const QColor kPictureBackground(0, 0, 128);
const QColor kPictureText = readableAgainst(Qt::white, kPictureBackground);
const QColor kPictureBorder(0xc0, 0xc0, 0xc0);
const QColor kOrange(255, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);

// The key pictures the pages name, as document resources "key:NAME".
struct KeyImage {
    const char* name;
    QColor face;
    const char* caption;
    const char* svg;
    const char* alt;  // what a screen reader says for the picture: the key's name, as spoken
};

const KeyImage kKeyImages[] = {
    {"power", kOrange, "", ":/icons/power.svg", "степен"},
    {"plus", kYellow, "", ":/icons/plus.svg", "плюс"},
    {"minus", kYellow, "", ":/icons/minus.svg", "минус"},
    {"times", kYellow, "", ":/icons/dot.svg", "умножение"},
    {"colon", kYellow, "", ":/icons/colon.svg", "деление"},
    {"open", kCyan, "(", "", "отваряща скоба"},
    {"close", kCyan, ")", "", "затваряща скоба"},
    {"x", kOrange, "X", "", "X"},
    {"xis", kOrange, "X =", "", "X равно"},
    {"equals", kYellow, "=", "", "равно"},
};

const char* const kPicSHtml = R"(
<h2 align="center">Повдигане на степен</h2>
<p>Повдигането на степен следва обичайния ръкописен запис.
За да повдигнете число или израз на степен:</p>
<table cellspacing="3">
<tr><td valign="top"><b>1.</b></td><td valign="top">Въведете числото или израза и натиснете
 клавиша <img src="key:power" align="middle">: курсорът се смалява и се качва нагоре.</td></tr>
<tr><td><b>2.</b></td><td>Въведете числото на степенния показател.</td></tr>
<tr><td valign="top"><b>3.</b></td><td valign="top">След всеки клавиш за действие
 <img src="key:plus" align="middle"> <img src="key:minus" align="middle">
 <img src="key:times" align="middle"> <img src="key:colon" align="middle">
 курсорът слиза сам.</td></tr>
<tr><td valign="top"><b>4.</b></td><td valign="top">За цял израз в показателя отворете скоба
 <img src="key:open" align="middle"> веднага след като курсорът се е качил, и пишете свободно:
 програмата следи скобите и сваля курсора сама, когато затворите последната
 <img src="key:close" align="middle">.</td></tr>
</table>
)";

const char* const kPicffHtml = R"(
<h2 align="center">Пресмятане на функция</h2>
<p>Калкулаторът може да пресмята една и съща функция много пъти, като сменяте само
стойността на x:</p>
<table cellspacing="3">
<tr><td><b>1.</b></td><td>Отворете разширения изглед от менюто „Функции“.</td></tr>
<tr><td valign="top"><b>2.</b></td><td valign="top">Въведете функцията, като пишете x с
 клавиша <img src="key:x" align="middle">.</td></tr>
<tr><td valign="top"><b>3.</b></td><td valign="top">Задайте стойност на x с клавиша
 <img src="key:xis" align="middle"> и цифрите.</td></tr>
<tr><td valign="top"><b>4.</b></td><td valign="top">Пресметнете с клавиша
 <img src="key:equals" align="middle">.</td></tr>
<tr><td valign="top"><b>5.</b></td><td valign="top">За друга стойност на x натиснете отново
 <img src="key:xis" align="middle">.</td></tr>
</table>
)";

// The page's text with each key picture replaced by its text alternative.
QString textWithAlternatives(const QTextDocument* document) {
    QString text;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) {
                text += fragment.text();
                continue;
            }
            const QString name = fragment.charFormat().toImageFormat().name();
            for (const KeyImage& key : kKeyImages) {
                if (name == QStringLiteral("key:") + QLatin1String(key.name)) {
                    text += QString::fromUtf8(key.alt).repeated(fragment.length());
                }
            }
        }
        text += QLatin1Char('\n');
    }
    return text.simplified();
}

void makePage(QWidget* parent, const char* objectName, const char* html) {
    auto* page = new HelpPage(parent);
    page->setObjectName(QString::fromLatin1(objectName));
    page->setFrameShape(QFrame::Box);
    page->setLineWidth(2);
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setFocusPolicy(Qt::StrongFocus);  // the keyboard scrolls it
    page->setOpenLinks(false);
    QPalette colours = page->palette();
    colours.setColor(QPalette::Base, kPictureBackground);
    colours.setColor(QPalette::Text, kPictureText);
    page->setPalette(colours);
    page->setStyleSheet(
        QStringLiteral("QTextBrowser { border: 2px solid %1; }").arg(kPictureBorder.name()));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    font.setBold(true);
    page->setFont(font);
    for (const KeyImage& key : kKeyImages) {
        page->document()->addResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("key:") + QLatin1String(key.name)),
            keyPicture(key.face, QString::fromUtf8(key.caption), QString::fromLatin1(key.svg)));
    }
    page->setHtml(QString::fromUtf8(html));
    page->setAccessibleName(page->document()->firstBlock().text());
    page->setAccessibleDescription(textWithAlternatives(page->document()));
}

// A picture of the credits: its text with margins inside the 2-pixel border, and the program's
// icon.
void makeCreditsPicture(QWidget* parent, const char* objectName, const QString& html,
                        const QMargins& margins, bool withIcon) {
    auto* picture = new QFrame(parent);
    picture->setObjectName(QString::fromLatin1(objectName));
    // A plain box is drawn in the frame's text colour: the grey border; the text is light.
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setLineWidth(2);
    picture->setAutoFillBackground(true);
    QPalette colours = picture->palette();
    colours.setColor(QPalette::Window, kPictureBackground);
    colours.setColor(QPalette::WindowText, kPictureBorder);
    picture->setPalette(colours);
    auto* text = new QLabel(html, picture);
    colours.setColor(QPalette::WindowText, kPictureText);
    text->setPalette(colours);
    text->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Text"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    text->setFont(font);
    auto* layout = new QVBoxLayout(picture);
    layout->setSizeConstraint(QLayout::SetNoConstraint);  // the model sizes the picture
    layout->setContentsMargins(margins);
    layout->addWidget(text);
    if (withIcon) {
        auto* icon = new QSvgWidget(QStringLiteral(":/icons/numira.svg"), picture);
        icon->setObjectName(QStringLiteral("creditsIcon"));
        icon->setGeometry(twipsToPixels(240), twipsToPixels(240), 96, 96);
    }
}

}  // namespace

Form3::Form3(const SecondaryWindow& model, QWidget* parent) : ModelWindow(parent) {
    setObjectName(QStringLiteral("Form3"));
    closeOnEscape(this);
    makePage(this, "PicS", kPicSHtml);
    makePage(this, "Picff", kPicffHtml);
    showModel(model);
}

Form2::Form2(const SecondaryWindow& model, QWidget* parent) : ModelWindow(parent) {
    setObjectName(QStringLiteral("Form2"));
    closeOnEscape(this);
    QWidget* page = scrollingPage(this);
    page->setFixedSize(twipsToPixels(model.width), twipsToPixels(model.height));
    makeCreditsPicture(page, "Picture1",
                       QStringLiteral("<p style='font-size:30pt'>Нумира</p>"
                                      "<p>Калкулатор с български интерфейс</p>"
                                      "<p style='font-weight:normal'>степени с повдигнат "
                                      "показател, корени, тригонометрични функции, памет и "
                                      "функция на x</p>"),
                       QMargins(108, 10, 10, 10), true);
    makeCreditsPicture(page, "Picture2",
                       QStringLiteral("<p>Творчески колектив</p>"
                                      "<p style='font-size:16pt'>екипът на Нумира</p>"
                                      "<p style='font-weight:normal'>Благодарим на всички, "
                                      "които смятат с Нумира.</p>"),
                       QMargins(10, 6, 10, 6), false);
    showModel(model);
}

void ModelWindow::showModel(const SecondaryWindow& model) {
    setWindowTitle(QString::fromStdString(model.caption));
    m_size = QSize(twipsToPixels(model.width), twipsToPixels(model.height));
    m_pictures = model.pictures;
    setMaximumSize(m_size);
    if (!isVisible()) {
        resize(sizeOnScreen(this, m_size));
    }
    placePictures();
    for (const Control& picture : m_pictures) {
        if (auto* child = findChild<QWidget*>(QString::fromStdString(picture.name))) {
            child->setVisible(picture.visible);
        }
    }
}

void ModelWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePictures();
}

void ModelWindow::placePictures() {
    for (const Control& picture : m_pictures) {
        auto* child = findChild<QWidget*>(QString::fromStdString(picture.name));
        if (child == nullptr) {
            continue;
        }
        const Geometry& g = picture.geometry;
        QRect place = twipsToPixels(g.left, g.top, g.width, g.height);
        if (qobject_cast<QAbstractScrollArea*>(child) != nullptr) {
            const QSize room = child->parentWidget()->size();
            place.setRight(
                std::min(place.right(), room.width() - (m_size.width() - place.right())));
            place.setBottom(
                std::min(place.bottom(), room.height() - (m_size.height() - place.bottom())));
        }
        child->setGeometry(place);
    }
}

void placeAtTopRight(QWidget* window) {
    placeByFrame(window, [](const QRect& screen, const QSize& frame) {
        return QPoint(screen.right() + 1 - frame.width(), screen.top());
    });
}

namespace {

// Makes the window from its model on first use and places it at the corner; otherwise brings
// it forward as the model has it now.
template <typename Window>
void showWindow(QPointer<Window>& window, QWidget* owner, const SecondaryWindow& model,
                const std::function<void()>& onClosed) {
    const auto placeNew = [&] {
        if (model.place == SecondaryWindow::Place::BesideCalculator && owner != nullptr) {
            placeByFrame(window, besideWindow(owner));
        } else {
            placeAtTopRight(window);
        }
    };
    if (window.isNull()) {
        window = new Window(model, owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &QObject::destroyed, [&onClosed] {
            if (onClosed) {
                onClosed();
            }
        });
        // Placed before it is shown, so that the window manager maps it there.
        placeNew();
        window->show();
        return;
    }
    window->showModel(model);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void HelpWindows::showForm3(const SecondaryWindow& model) {
    showWindow(m_form3, m_owner, model, onForm3Closed);
}

void HelpWindows::showForm2(const SecondaryWindow& model) {
    showWindow(m_form2, m_owner, model, onForm2Closed);
}

}  // namespace numira

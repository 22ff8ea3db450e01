// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/history_panel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/contrast.h"
#include "qt/expression_box.h"
#include "qt/twips.h"
#include "window/rich_text_box.h"
#include "window/spoken_text.h"

namespace numira {

namespace {

constexpr int kRaisedRole = Qt::UserRole;      // the expression's raised mask, '1' per raised char
constexpr int kFailedRole = Qt::UserRole + 1;  // on a result: the expression failed

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// The expression as the box draws it: the base size on the base line, the raised characters
// at their smaller size lifted by their offset.
class ExpressionDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const QByteArray text = index.data(Qt::DisplayRole).toString().toLatin1();
        const QString raised = index.data(kRaisedRole).toString();
        const QFont base = fontFor(option.font, kBaseFormat);
        const QFontMetricsF baseMetrics(base);
        const double baseline = option.rect.top() +
                                (option.rect.height() - baseMetrics.height()) / 2 +
                                baseMetrics.ascent();
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(option.state & QStyle::State_Selected
                            ? option.palette.highlightedText().color()
                            : option.palette.text().color());
        double x = option.rect.left() + 3;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const CharFormat format =
                i < raised.size() && raised[i] == '1' ? kRaisedFormat : kBaseFormat;
            const QFont font = fontFor(option.font, format);
            painter->setFont(font);
            const QString character(drawnCharacter(text[i]));
            painter->drawText(QPointF(x, baseline - twipsToPixels(format.offset, widget)),
                              character);
            x += QFontMetricsF(font).horizontalAdvance(character);
        }
        painter->restore();
    }

    // Room for a base-line character and a raised one above it.
    static int rowHeight(const QFont& font) {
        return static_cast<int>(QFontMetricsF(fontFor(font, kBaseFormat)).height()) + 4;
    }

  private:
    static QFont fontFor(QFont font, CharFormat format) {
        font.setPointSizeF(format.size);
        return font;
    }
};

}  // namespace

HistoryPanelView::HistoryPanelView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("historyPanel"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    // Opaque over the window's lines, which run on under the keypad.
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("История на изчисленията"));

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(QStringLiteral("изчисления"));
    m_table->setAccessibleDescription(
        QStringLiteral("Enter или щракване върху резултат го въвежда в израза. Shift+Enter "
                       "или двукратно щракване връща израза в полето. Delete изтрива реда."));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Израз"), QStringLiteral("Резултат")});
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setAutoScroll(false);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab reaches the rows; the focused row shows as selected.
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);
    m_table->setItemDelegateForColumn(0, new ExpressionDelegate(m_table));
    m_table->viewport()->installEventFilter(this);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    m_table->setFont(font);
    // Every row the same height, set once: no row is measured when one is added.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(
        ExpressionDelegate::rowHeight(m_table->font()));

    const auto fromNewest = [this](int row) {
        return static_cast<std::size_t>(m_table->rowCount() - 1 - row);
    };
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this, fromNewest](int row, int column) {
                if (column == 0) {
                    emit expressionChosen(fromNewest(row));
                }
            });
    connect(m_table, &QTableWidget::cellClicked, this, [this, fromNewest](int row, int column) {
        if (column == 1) {
            emit resultChosen(fromNewest(row));
        }
    });

    m_clear = new QPushButton(QStringLiteral("Изчистване"), this);
    m_clear->setObjectName(QStringLiteral("historyClear"));
    m_copy = new QPushButton(QStringLiteral("Копиране"), this);
    m_copy->setObjectName(QStringLiteral("historyCopy"));
    m_copy->setAccessibleName(QStringLiteral("копиране на историята"));
    m_copy->setToolTip(
        QStringLiteral("Копира цялата история като текст, по един ред за всяко изчисление"));
    showClearButton(false);
    for (QPushButton* button : {m_clear, m_copy}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    connect(m_clear, &QPushButton::clicked, this, [this] {
        if (m_offersRestore) {
            emit restoreRequested();
        } else {
            emit clearRequested();
        }
    });
    connect(m_copy, &QPushButton::clicked, this, &HistoryPanelView::copyRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_clear);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
}

std::size_t HistoryPanelView::currentFromNewest() const {
    return static_cast<std::size_t>(m_table->rowCount() - 1 - std::max(0, m_table->currentRow()));
}

bool HistoryPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table->viewport() && event->type() == QEvent::Resize) {
        // The result takes two fifths and elides the rest; the expression stretches over the
        // others, and nothing is wider than the table, so a click never scrolls it sideways.
        const int width = static_cast<QResizeEvent*>(event)->size().width();
        m_table->horizontalHeader()->resizeSection(1, std::max(width * 2 / 5, 40));
    }
    if (watched == m_table && event->type() == QEvent::FocusIn && m_table->currentRow() < 0 &&
        m_table->rowCount() > 0) {
        m_table->setCurrentCell(m_table->rowCount() - 1, 0);  // the newest, nearest the box
    }
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (watched != m_table || (event->type() != QEvent::KeyPress && !override) ||
        m_table->rowCount() == 0) {
        return QFrame::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (override) {
        // Ctrl+C here copies the history, not the result as it does in the window.
        if (key->matches(QKeySequence::Copy)) {
            key->accept();
            return true;
        }
        return QFrame::eventFilter(watched, event);
    }
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (modifiers == Qt::ShiftModifier) {
                emit expressionChosen(currentFromNewest());
            } else {
                emit resultChosen(currentFromNewest());
            }
            return true;
        case Qt::Key_Delete:
            if (modifiers == Qt::ShiftModifier) {
                emit clearRequested();
            } else {
                emit removeRequested(currentFromNewest());
            }
            return true;
        default:
            break;
    }
    if (key->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void HistoryPanelView::setHistory(const History& history) {
    if (history.revision() == m_revision) {
        return;
    }
    const auto& entries = history.entries();
    const std::uint64_t newEntries = history.added() - m_added;
    const bool onlyAdded =
        history.revision() - m_revision == newEntries && newEntries <= entries.size();
    m_revision = history.revision();
    m_added = history.added();
    showClearButton(history.canRestore());
    // Only the new rows are made and the oldest dropped, so that an "=" costs the same with a
    // full history as with an empty one.
    std::size_t first = 0;
    if (onlyAdded) {
        first = entries.size() - static_cast<std::size_t>(newEntries);
        const int keep = static_cast<int>(first);
        if (m_table->rowCount() > keep) {
            m_table->model()->removeRows(0, m_table->rowCount() - keep);
        }
    } else {
        m_table->setRowCount(0);
    }
    int row = m_table->rowCount();
    m_table->setRowCount(row + static_cast<int>(entries.size() - first));
    for (auto it = entries.begin() + static_cast<std::ptrdiff_t>(first); it != entries.end();
         ++it, ++row) {
        setRow(row, *it);
    }
    m_table->scrollToBottom();
}

void HistoryPanelView::showClearButton(bool offersRestore) {
    m_offersRestore = offersRestore;
    m_clear->setText(offersRestore ? QStringLiteral("Връщане") : QStringLiteral("Изчистване"));
    m_clear->setAccessibleName(offersRestore ? QStringLiteral("връщане на изчистената история")
                                             : QStringLiteral("изчистване на историята"));
    m_clear->setToolTip(offersRestore
                            ? QStringLiteral("Връща изчисленията, които току-що бяха изчистени")
                            : QStringLiteral("Изтрива всички изчисления от историята; "
                                             "до следващото изчисление бутонът ги връща"));
}

// This panel's palette, not the table's: on a change of palette the panel hears of it first.
QColor HistoryPanelView::failureColour() const {
    return readableAgainst(QColor(Qt::red), palette().color(QPalette::Base));
}

void HistoryPanelView::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            if (QTableWidgetItem* value = m_table->item(row, 1);
                value != nullptr && value->data(kFailedRole).toBool()) {
                value->setForeground(failureColour());
            }
        }
    }
}

void HistoryPanelView::setRow(int row, const HistoryEntry& entry) {
    auto* expression = new QTableWidgetItem(toQString(entry.t));
    expression->setData(kRaisedRole, toQString(entry.raised));
    expression->setData(Qt::AccessibleTextRole,
                        toQString(spokenExpression(entry.t, entry.raised).text));
    expression->setToolTip(QStringLiteral("Двукратно щракване: изразът отново в полето"));
    const std::string settings = History::settingsText(entry);
    std::string result = History::resultText(entry);
    if (!settings.empty()) {
        result += " (" + settings + ")";
    }
    auto* value = new QTableWidgetItem(toQString(result));
    // The column is narrow and elides; the tooltip has the whole of it.
    value->setToolTip(toQString(result) + QLatin1Char('\n') +
                      (entry.failure ? QStringLiteral("Изразът не може да бъде пресметнат")
                                     : QStringLiteral("Щракване: числото в израза")));
    if (entry.failure) {
        value->setData(kFailedRole, true);
        value->setForeground(failureColour());
    }
    m_table->setItem(row, 0, expression);
    m_table->setItem(row, 1, value);
}

}  // namespace numira

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>
#include <QFrame>
#include <cstddef>
#include <cstdint>

#include "window/history.h"

class QPushButton;
class QTableWidget;

namespace numira {

// The history panel: the window model's History as a table, oldest at the top, each row the
// expression drawn as the expression box draws it (raised characters smaller and lifted) and
// its result, with a button to clear it and one to copy it all. It keeps nothing of its own:
// every choice goes out as a signal with the entry counted from the newest (0).
class HistoryPanelView : public QFrame {
    Q_OBJECT
  public:
    explicit HistoryPanelView(QWidget* parent = nullptr);

    // Shows the entries: after "=" only the new row is made and, with a full history, the
    // oldest dropped; every row is made again only after another change (clear, restore).
    // While a cleared history can be restored the clear button offers that instead.
    void setHistory(const History& history);

    QTableWidget* table() const { return m_table; }

  signals:
    void expressionChosen(std::size_t fromNewest);  // a double click on an expression
    void resultChosen(std::size_t fromNewest);      // a click on a result
    void clearRequested();
    void restoreRequested();
    void copyRequested();
    void removeRequested(std::size_t fromNewest);  // Delete on a row

  protected:
    // The table's keys: Enter types the row's result, Shift+Enter brings its expression back,
    // Delete removes it, Ctrl+C copies the history and Shift+Delete clears it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setRow(int row, const HistoryEntry& entry);
    QColor failureColour() const;
    void showClearButton(bool offersRestore);
    std::size_t currentFromNewest() const;

    QTableWidget* m_table = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_copy = nullptr;
    std::uint64_t m_revision = ~std::uint64_t{0};
    std::uint64_t m_added = 0;
    bool m_offersRestore = false;
};

}  // namespace numira

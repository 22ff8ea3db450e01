// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <string>

#include "keypad/keys.h"
#include "qt/help_windows.h"
#include "qt/lazy_chart_sheet.h"
#include "qt/qt_platform.h"
#include "window/announcement.h"
#include "window/form1.h"

class QAction;
class QComboBox;
class QLabel;
class QTimer;

namespace numira {

class Announcer;
class ClientArea;
class ExpressionBox;
class HistoryPanelView;
class PreviewLabel;

// The calculator window: Qt widgets made from the controls of the window model Form1, every
// click, menu choice, combo choice, timer tick and key press forwarded to the model by the
// control's name, and the widgets refreshed from the model after each event. It holds no
// calculator state of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the widgets and runs the model's start-up.
    explicit MainWindow(QWidget* parent = nullptr);

    Form1& form() { return m_form; }
    QtPlatform& platform() { return m_platform; }
    HelpWindows& helpWindows() { return m_helpWindows; }
    // The model's sheetApp: the chart window, loaded on first use.
    LazyChartSheet& chartSheet() { return m_chartSheet; }
    // The window the function table and its chart are shown in; null until first used.
    QWidget* chartWindow() const { return m_chartSheet.window(); }

    // Forwards one key to the model and refreshes the widgets.
    void pressKey(Key key);

    // Copies the model into the widgets.
    void refresh();

    // The area under the menu bar in which the controls are placed.
    QWidget* clientArea() const;
    // The red mark shown beside the result while the last "=" could not evaluate.
    QLabel* failureMark() const { return m_failureMark; }
    // The reason of that failure in words, in the result's place.
    QLabel* failureText() const { return m_failureText; }
    // The angle unit's mark above the right end of the expression box.
    QLabel* angleUnitMark() const { return m_angleMark; }
    // The value while typing, in grey in the result's place.
    PreviewLabel* previewLabel() const { return m_preview; }
    // The panel "История на изчисленията" shows.
    HistoryPanelView* historyPanel() const { return m_history; }
    // The last message the window showed (a refused paste, a missing help file).
    QString lastMessage() const { return m_lastMessage; }
    // What screen readers were last told at once ("Резултат 5", "Градуси").
    QString lastAnnouncement() const;

    // The size of the window without its frame for the model's outer size in twips.
    QSize innerSizeFor(float widthTwips, float heightTwips) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void buildHistoryPanel();
    void stackControls();
    void controlClicked(const std::string& name);
    // Opens the help and credits windows the model has open; the menu item just chosen
    // (raised) brings its window forward.
    void syncSecondaryWindows(const std::string& raised);
    void showMessage(const QString& text);

    QtPlatform m_platform;
    Form1 m_form;
    HelpWindows m_helpWindows;
    LazyChartSheet m_chartSheet;
    ClientArea* m_client = nullptr;
    ExpressionBox* m_t = nullptr;
    QLabel* m_failureMark = nullptr;
    QLabel* m_failureText = nullptr;
    QLabel* m_angleMark = nullptr;
    PreviewLabel* m_preview = nullptr;
    HistoryPanelView* m_history = nullptr;
    std::map<std::string, QWidget*> m_widgets;
    std::map<std::string, QAction*> m_actions;
    QComboBox* m_izbor = nullptr;
    QComboBox* m_gradusi = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QString m_lastMessage;
    Announcer* m_announcer = nullptr;
    AnnouncedState m_announced;  // as screen readers were last told
};

}  // namespace numira

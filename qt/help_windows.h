// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <vector>

#include "window/form1.h"

namespace numira {

// A secondary window made from its model.
class ModelWindow : public QWidget {
    Q_OBJECT
  public:
    // Copies the model's caption, client size and picture boxes (place, shown or hidden) into
    // the window and the children named after them. The window is no larger than the model
    // says; on a screen too small for that it is smaller, and a picture that scrolls its own
    // content (a help page) narrows with it, keeping its margins.
    void showModel(const SecondaryWindow& model);

  protected:
    explicit ModelWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placePictures();

    QSize m_size;
    std::vector<Control> m_pictures;
};

// The help window "ПОМОЩ" with its two help pages, PicS and Picff, and the credits window
// "Творчески колектив" with its two pictures, each made from its model (see showModel).
class Form3 : public ModelWindow {
    Q_OBJECT
  public:
    explicit Form3(const SecondaryWindow& model, QWidget* parent = nullptr);
};

// One help page of Form3. Screen readers read it with each key picture in words
// (qt/accessibility.cpp), from its accessible description.
class HelpPage : public QTextBrowser {
    Q_OBJECT
  public:
    using QTextBrowser::QTextBrowser;
};

// The credits: its pictures lie on a page that scrolls when the window is smaller than they
// need.
class Form2 : public ModelWindow {
    Q_OBJECT
  public:
    explicit Form2(const SecondaryWindow& model, QWidget* parent = nullptr);
};

// Opens the two windows modeless. A window is created on first use and placed where its
// model says (beside the calculator, or at the top right corner of the screen), by its frame;
// while it is open a second request only brings it forward (it stays where the user moved
// it); closing it destroys it, so the next request places the new one again.
class HelpWindows {
  public:
    // The windows belong to owner (the calculator window), so they close with it.
    explicit HelpWindows(QWidget* owner) : m_owner(owner) {}
    HelpWindows(const HelpWindows&) = delete;
    HelpWindows& operator=(const HelpWindows&) = delete;
    // The windows go first, while the callbacks they call on closing are still there.
    ~HelpWindows() {
        delete m_form3;
        delete m_form2;
    }

    // Shows the window as its model has it.
    void showForm3(const SecondaryWindow& model);
    void showForm2(const SecondaryWindow& model);

    Form3* form3() const { return m_form3; }
    Form2* form2() const { return m_form2; }

    // Called when the user has closed the window (it is gone by then).
    std::function<void()> onForm3Closed;
    std::function<void()> onForm2Closed;

  private:
    QWidget* m_owner;
    QPointer<Form3> m_form3;
    QPointer<Form2> m_form2;
};

// Places a top-level window with its whole frame at the top right corner of its screen.
void placeAtTopRight(QWidget* window);

}  // namespace numira

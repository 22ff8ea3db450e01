#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace numira {

// The help window "ПОМОЩ": two help pages in the same place, one shown at a time.
class Form3 : public QWidget {
    Q_OBJECT
  public:
    enum class Page { PicS, Picff };  // raising to a power; computing a function

    explicit Form3(QWidget* parent = nullptr);
    void showPage(Page page);
    Page page() const { return m_page; }

  private:
    QTextBrowser* m_picS;
    QTextBrowser* m_picff;
    Page m_page = Page::PicS;
};

// The credits window "Творчески колектив": the upper picture and the one below it.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);
};

// Opens the two windows modeless. A window is created on first use and placed at the top
// right corner of the screen; while it is open a second request only brings it forward (it
// stays where the user moved it); closing it destroys it, so the next request places the
// new one in the corner again.
class HelpWindows {
  public:
    // The windows belong to owner (the calculator window), so they close with it.
    explicit HelpWindows(QWidget* owner) : m_owner(owner) {}

    void showForm3(Form3::Page page);
    void showForm2();

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

#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QPushButton;

// A page of the calculator: a fixed-size top-level window whose client area
// is given in twips (15 twips = 1 pixel), centred on the screen when first
// shown, never resized, and never destroyed until the program ends.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(const QString& caption, int clientWidthTwips, int clientHeightTwips);

    // Shows the page: runs onLoad() before the first showing, centres the
    // window the first time, then runs onActivate() on every showing.
    void showPage();
    void hidePage();

    // Every button, option and list handler calls this first. It completes
    // a field check that the click left pending; false means the check
    // rejected the text (or showed a message), a message box is up, or the
    // page is out of sight, and the handler must do nothing more. A click
    // whose focus change was rejected never reaches its handler at all.
    bool checksPassed();

    // Whether the page acts on a command at all now: not while a message box
    // is up, nor while the page is out of sight (save its own calls while it
    // loads). checksPassed() asks this first; a control that acts without a
    // handler (a list opening) asks it itself.
    bool takesCommands() const;

    // Every command that calculates calls this instead. After checksPassed(),
    // every shown field whose text has changed since its check last ran is
    // checked, in tab order, as if the user had left it; the first refusal
    // stops the command. However a text got into its field, it reaches no
    // calculation unchecked.
    bool allChecksPassed();

    bool loaded() const { return loaded_; }

protected:
    virtual void onLoad() {}
    virtual void onActivate() {}
    bool event(QEvent* event) override;
    // Closing the window ends the program at once, without a question.
    void closeEvent(QCloseEvent* event) override;

private:
    void centreOnScreen();

    bool loaded_ = false;
    bool loading_ = false;
    QPointer<QWidget> focusWhenHidden_;
};

// Shows or hides a control of a page, and with it everything it holds. A
// hidden control is disabled as well: the accessibility interface reaches
// hidden controls, and only a disabled one refuses its focus requests.
void setShown(QWidget* control, bool shown);

// A command button of a page (Tahoma 9.75 bold), placed in pixels.
QPushButton* pageButton(QWidget* parent, const QString& caption, const QRect& geometry);

// Position and size in twips, as the page layouts are written.
inline QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The application object and the general error report: an error that escapes a
// user action (a button, menu item, key or timer handler) ends that action and is
// shown in an error box; the program goes on.
#pragma once

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QString>
#include <vector>

// The text the error report shows: Message followed by a full stop when it is not
// empty and its last character's code is above that of "." (a letter, digit, ":"
// or "?" gets one; ".", "!", ",", ")" or a blank does not).
QString ErrorReportText(const QString& Message);

// Shows Message in an error box with the full-stop rule above.
void ShowErrorReport(const QString& Message);

// The least move that brings AFrame within the work area of the screen at AAt (else
// AWindow's screen); a frame larger than the area keeps its top left corner on it.
// None without a screen.
QPoint MoveOntoScreen(const QRect& AFrame, const QPoint& AAt, const QWidget* AWindow);

// Moves the window AWindow, by as little as it takes, so that its frame lies within
// the work area of the screen its centre is on; a frame larger than the work area
// keeps its top left corner on it.
void KeepOnScreen(QWidget* AWindow);

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& Argc, char** Argv);

    // Delivers the event; an exception thrown by its handler is reported here.
    // A dialog being shown is kept on the screen: Qt centres it over its owner and
    // keeps only the left part of the frame in mind, so beside the screen's right or
    // bottom edge the frame's other side stood out.
    bool notify(QObject* Receiver, QEvent* Event) override;
};

// The program's style, over the platform's: tool-tips appear after 400 ms, every
// control with the focus shows its focus frame, and drawings the style keeps in
// the pixmap cache are found again by their colours.
// The cache knows a palette by its cache key, and every window with colours of its
// own (the computation window, its side windows) gets palettes with fresh keys, so
// each opening of a window added pictures that were never used again. Equal
// palettes are drawn as the first one seen, whose key stays the same.
class TKavorinStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint AHint, const QStyleOption* AOption, const QWidget* AWidget,
                  QStyleHintReturn* AReturn) const override;
    void drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption, QPainter* APainter,
                       const QWidget* AWidget) const override;
    void drawControl(ControlElement AElement, const QStyleOption* AOption, QPainter* APainter,
                     const QWidget* AWidget) const override;
    void drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption,
                            QPainter* APainter, const QWidget* AWidget) const override;

    // The palette drawn for APalette: an equal one seen before (its colour group
    // taken from APalette), or APalette itself.
    QPalette Canonical(const QPalette& APalette) const;
    // Distinct palettes remembered; past this many, palettes are drawn as they come.
    static constexpr std::size_t MaxPalettes = 64;

private:
    mutable std::vector<QPalette> FPalettes;
};

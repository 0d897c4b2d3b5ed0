// The formula window: a small white tool window that shows the formula picture of
// the solid being computed. The computation window owns it, fills it and keeps it
// directly above itself; the user cannot move it.
//
//     auto* window = new TFormFormulas(this, PrimaryClientWidth());
//     TakeWindowStyle(window, this);
//     window->show();
//     window->ShowPicture(QStringLiteral("CUBE"));
//     window->PlaceAt(frameGeometry().topLeft() - QPoint(0, window->frameGeometry().height()));
#pragma once

#include "SideWindow.h"

#include <QString>

class QLabel;

class TFormFormulas : public TSideWindow {
    Q_OBJECT
public:
    // AMinimumClientWidth: the window is never narrower than this (the computation
    // window's client width without its draft panel); 0 for no minimum.
    explicit TFormFormulas(QWidget* AOwner, int AMinimumClientWidth = 0);

    QLabel* FormulasImage() const { return FFormulasImage; }

    // Shows the formula picture AName (a "GIF_FORMULA" resource): the client area becomes
    // the picture's size plus 30 pixels in width and height, widened to the minimum
    // client width, with the picture centred. An empty name clears the picture and
    // keeps the size. Throws EResourceNotFound or EInvalidGraphic; nothing changes then.
    void ShowPicture(const QString& AName);

    int MinimumClientWidth() const { return FMinimumClientWidth; }
    // Widens the window at once when it is narrower than AWidth.
    void SetMinimumClientWidth(int AWidth);

    static constexpr int PictureMargin = 15;

private:
    void SetLanguage();
    // Gives the client area ASize, raised to the minimum client width.
    void SetClientSize(QSize ASize);

    QLabel* FFormulasImage;
    int FMinimumClientWidth;
};

// The formula window: a small white tool window that shows the formula picture of
// the solid being computed. The computation window owns it, fills it and keeps it
// directly above itself; the user cannot move it.
//
//     auto* window = new TFormFormulas(this, PrimaryClientWidth());
//     TakeWindowStyle(window, FormMain);
//     window->show();
//     window->ShowPicture(QStringLiteral("CUBE"));
//     window->PlaceAt(frameGeometry().topLeft() - QPoint(0, window->frameGeometry().height()));
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;

class TFormFormulas : public QWidget {
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

    // Moves the outer frame's top left to ATopLeft and keeps it there: a move by
    // anyone else is undone.
    void PlaceAt(const QPoint& ATopLeft);

    static constexpr int PictureMargin = 15;

signals:
    // The user closed the window with its close box. Destroy the window only after
    // the close has finished (a queued connection or deleteLater).
    void Closed();

protected:
    void closeEvent(QCloseEvent* AEvent) override;
    void moveEvent(QMoveEvent* AEvent) override;
#ifdef Q_OS_WIN
    void showEvent(QShowEvent* AEvent) override;
#endif

private:
    void SetLanguage();
    // Gives the client area ASize, raised to the minimum client width.
    void SetClientSize(QSize ASize);

    QLabel* FFormulasImage;
    int FMinimumClientWidth;
    std::optional<QPoint> FPlace;
    // Where the window system last kept the window against a snap back; it is not
    // fought over and over.
    std::optional<QPoint> FRefusedAt;
};

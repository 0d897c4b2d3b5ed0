// The entered figure drawn to scale, as a widget: it paints a TFigureDrawing
// and lets the user turn it (drag), zoom it (wheel, + and -) and return to the
// first view (double-click, Home); the arrow keys turn it too. It leaves its
// background to its parent, so that it can stand in the draft panel in place
// of the catalogue draft. A screen reader hears what is drawn ("Cone, radius
// of base 3, height 4, drawn to scale").
#pragma once

#include "FigureDrawing.h"

#include <QPoint>
#include <QWidget>

class TFigureView : public QWidget {
    Q_OBJECT
public:
    // The size of the draft panel, where the view stands.
    static constexpr int PanelWidth = 314;
    static constexpr int PanelHeight = 312;

    explicit TFigureView(QWidget* AParent = nullptr);

    // The figure to draw; a drawing that is not valid empties the view. The view
    // angles stay as the user turned them.
    void SetDrawing(const TFigureDrawing& ADrawing);
    const TFigureDrawing& Drawing() const { return FDrawing; }
    bool HasFigure() const { return FDrawing.Valid(); }

    const TViewAngles& View() const { return FView; }
    void SetView(const TViewAngles& AView);
    // The first view, fitted.
    void ResetView();

    // The texts of the active language (the accessible name and description).
    void SetLanguage();

    // The drawing at the view's size and angles, as a picture for the clipboard and
    // as a file (PNG, SVG or PDF by the extension). SaveToFile reports a failure in an
    // error box and returns false.
    void CopyToClipboard() const;
    bool SaveToFile(const QString& AFileName) const;
    // Asks for a file name and saves the drawing there.
    void SaveClick();

signals:
    void ViewChanged();

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void mousePressEvent(QMouseEvent* AEvent) override;
    void mouseMoveEvent(QMouseEvent* AEvent) override;
    void mouseReleaseEvent(QMouseEvent* AEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
    void wheelEvent(QWheelEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    // Turns the figure by the pixels the pointer moved.
    void Turn(double ADeltaX, double ADeltaY);
    void Zoom(double AFactor);

    TFigureDrawing FDrawing;
    TViewAngles FView;
    QPoint FDragFrom;
    bool FDragging = false;
};

#include "FigureView.h"

#include "MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Radians the figure turns for each pixel the pointer moves.
constexpr double TurnPerPixel = 0.01;
// Radians an arrow key turns it.
constexpr double TurnPerKey = 0.1;
// The zoom of one wheel notch, and its bounds.
constexpr double ZoomPerNotch = 1.15;
constexpr double LeastZoom = 0.25;
constexpr double MostZoom = 8;
// Seen from straight above or below the view would turn over.
constexpr double SteepestPitch = 1.5;

} // namespace

TFigureView::TFigureView(QWidget* AParent) : QWidget(AParent) {
    setObjectName(QStringLiteral("FigureView"));
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::OpenHandCursor);
    SetLanguage();
}

void TFigureView::SetDrawing(const TFigureDrawing& ADrawing) {
    FDrawing = ADrawing;
    SetLanguage();
    update();
}

void TFigureView::SetView(const TViewAngles& AView) {
    if (AView == FView)
        return;
    FView = AView;
    update();
    emit ViewChanged();
}

void TFigureView::ResetView() {
    SetView(TViewAngles());
}

void TFigureView::SetLanguage() {
    setAccessibleName(FDrawing.Description(size()));
    setAccessibleDescription(DrawingText("sViewHelp"));
}

void TFigureView::CopyToClipboard() const {
    if (FDrawing.Valid())
        CopyDrawing(FDrawing, size(), devicePixelRatioF(), FView);
}

bool TFigureView::SaveToFile(const QString& AFileName) const {
    QString error;
    if (SaveDrawing(FDrawing, AFileName, size(), FView, error))
        return true;
    ShowErrorMessage(error);
    return false;
}

void TFigureView::SaveClick() {
    if (!FDrawing.Valid())
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString selected;
    QString name =
        QFileDialog::getSaveFileName(this, DrawingText("MSaveDrawing").remove(QChar(0x2026)),
                                     QDir(folder).filePath(DrawingText("sDrawingFileName")),
                                     DrawingText("sDrawingFilter"), &selected);
    if (name.isEmpty())
        return;
    // Without an extension, the one of the chosen filter ("(*.svg)").
    if (QFileInfo(name).suffix().isEmpty()) {
        const int star = selected.indexOf(QLatin1String("*."));
        name += star >= 0 ? selected.mid(star + 1, 4) : QStringLiteral(".png");
    }
    SaveToFile(name);
}

void TFigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FDrawing.Paint(painter, QRectF(rect()), FView);
}

void TFigureView::mousePressEvent(QMouseEvent* AEvent) {
    if (AEvent->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(AEvent);
    FDragging = true;
    FDragFrom = AEvent->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void TFigureView::mouseMoveEvent(QMouseEvent* AEvent) {
    if (!FDragging)
        return QWidget::mouseMoveEvent(AEvent);
    const QPoint at = AEvent->position().toPoint();
    Turn(at.x() - FDragFrom.x(), at.y() - FDragFrom.y());
    FDragFrom = at;
}

void TFigureView::mouseReleaseEvent(QMouseEvent* AEvent) {
    if (AEvent->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(AEvent);
    FDragging = false;
    setCursor(Qt::OpenHandCursor);
}

void TFigureView::mouseDoubleClickEvent(QMouseEvent* AEvent) {
    if (AEvent->button() == Qt::LeftButton)
        ResetView();
}

void TFigureView::wheelEvent(QWheelEvent* AEvent) {
    const double notches = AEvent->angleDelta().y() / 120.0;
    if (notches == 0)
        return QWidget::wheelEvent(AEvent);
    Zoom(std::pow(ZoomPerNotch, notches));
    AEvent->accept();
}

void TFigureView::keyPressEvent(QKeyEvent* AEvent) {
    const double turn = TurnPerKey / TurnPerPixel;
    switch (AEvent->key()) {
    case Qt::Key_Left:
        Turn(-turn, 0);
        break;
    case Qt::Key_Right:
        Turn(turn, 0);
        break;
    case Qt::Key_Up:
        Turn(0, -turn);
        break;
    case Qt::Key_Down:
        Turn(0, turn);
        break;
    case Qt::Key_Plus:
        Zoom(ZoomPerNotch);
        break;
    case Qt::Key_Minus:
        Zoom(1 / ZoomPerNotch);
        break;
    case Qt::Key_Home:
        ResetView();
        break;
    default:
        QWidget::keyPressEvent(AEvent);
    }
}

void TFigureView::resizeEvent(QResizeEvent* AEvent) {
    QWidget::resizeEvent(AEvent);
    // Whether a length had to be enlarged depends on the size.
    SetLanguage();
}

void TFigureView::Turn(double ADeltaX, double ADeltaY) {
    TViewAngles view = FView;
    // Dragging right brings the figure's right side to the front.
    view.Yaw -= ADeltaX * TurnPerPixel;
    view.Pitch = std::clamp(view.Pitch + ADeltaY * TurnPerPixel, -SteepestPitch, SteepestPitch);
    SetView(view);
}

void TFigureView::Zoom(double AFactor) {
    TViewAngles view = FView;
    view.Zoom = std::clamp(view.Zoom * AFactor, LeastZoom, MostZoom);
    SetView(view);
}

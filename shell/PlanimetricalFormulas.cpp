#include "PlanimetricalFormulas.h"

#include "Cancel.h"
#include "LanguageSupport.h"
#include "ResourceLoading.h"
#include "StringFunctions.h"
#include "WindowStyle.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <utility>

namespace {

constexpr int EndLabelHeight = 16;
constexpr int WheelNotch = 120; // angle delta of one notch

// The sheets' scroll bar is narrower than the style's.
class TSheetScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;
    QSize sizeHint() const override {
        QSize size = QScrollBar::sizeHint();
        size.setWidth(TFormulaSheet::ScrollBarWidth);
        return size;
    }
};

void PaintWhite(QWidget* AWidget) {
    QPalette palette = AWidget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    AWidget->setPalette(palette);
    AWidget->setAutoFillBackground(true);
}

} // namespace

std::function<void(const QString&, QLabel*)> TFormulaSheet::LoadPicture =
    [](const QString& AResourceName, QLabel* AImage) {
        LoadGIFResource(QStringLiteral("GIF_FORMULA"), AResourceName, AImage,
                        TImageSizing::AutoSize);
    };

TFormulaSheet::TFormulaSheet(QWidget* AOwner, const QSize& AOuterSize)
    : QDialog(AOwner), FOuterSize(AOuterSize), FScrollArea(new QScrollArea(this)),
      FPage(new QWidget), FFrameCancel(new TFrameCancel(this)) {
    // Close box only; the user cannot resize the sheet.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(AOuterSize);
    PaintWhite(this);

    FFrameCancel->SetDefaultButton(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FScrollArea);

    FScrollArea->setObjectName(QStringLiteral("ScrollArea"));
    FScrollArea->setFrameShape(QFrame::NoFrame);
    FScrollArea->setVerticalScrollBar(new TSheetScrollBar(Qt::Vertical));
    FScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FScrollArea->verticalScrollBar()->setSingleStep(ScrollStep);
    // The page follows the thumb while it is dragged.
    FScrollArea->verticalScrollBar()->setTracking(true);
    FScrollArea->setWidgetResizable(true);
    FPage->setObjectName(QStringLiteral("Page"));
    PaintWhite(FPage);
    FScrollArea->setWidget(FPage);
    PaintWhite(FScrollArea->viewport());
    FScrollArea->viewport()->installEventFilter(this);
    FScrollArea->verticalScrollBar()->installEventFilter(this);
}

QLabel* TFormulaSheet::AddCaption(const char* AName, int APixelSize, const QColor& AColor) {
    auto* label = new QLabel(FPage);
    label->setObjectName(QLatin1String(AName));
    label->setAccessibleName(QLatin1String(AName));
    label->setFont(PixelFont(QStringLiteral("Verdana"), APixelSize, true));
    SetTextColor(label, AColor);
    label->move(PageLeft, 0);
    return label;
}

QLabel* TFormulaSheet::AddImage(const char* AName) {
    auto* image = new QLabel(FPage);
    image->setObjectName(QLatin1String(AName));
    image->setAccessibleName(QLatin1String(AName));
    // Without its picture an image takes no room.
    image->setGeometry(PageLeft, 0, 0, 0);
    FImages.append(image);
    return image;
}

QLabel* TFormulaSheet::AddEndLabel() {
    FEndLabel = new QLabel(FPage);
    FEndLabel->setObjectName(QStringLiteral("EndLabel"));
    FEndLabel->setGeometry(PageLeft, 0, 0, EndLabelHeight);
    return FEndLabel;
}

void TFormulaSheet::LoadPictures(const std::function<QString(const QLabel*)>& AResourceName) {
    for (QLabel* image : std::as_const(FImages)) {
        try {
            LoadPicture(AResourceName(image), image);
        } catch (const EInvalidGraphic&) {
            break;
        }
    }
}

void TFormulaSheet::StackBelow(QLabel* ALabel, QLabel* AImage, QLabel* APrevious) {
    ALabel->adjustSize();
    int top = 16;
    if (APrevious) {
        const bool previousIsImage = FImages.contains(APrevious);
        top = APrevious->y() + APrevious->height() + (previousIsImage ? 32 : 16);
    }
    ALabel->move(PageLeft, top);
    if (AImage)
        AImage->move(PageLeft, top + ALabel->height() + 16);
}

void TFormulaSheet::FinishPage(QLabel* ALast) {
    FEndLabel->move(PageLeft, ALast->y() + ALast->height());
    FPage->setMinimumHeight(FEndLabel->y() + FEndLabel->height());
}

void TFormulaSheet::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    if (!FFitted) {
        FFitted = true;
        FitOuterSize();
    }
}

void TFormulaSheet::FitOuterSize() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(FOuterSize.shrunkBy(frame));
    if (QWidget* owner = parentWidget()) {
        QRect outer(QPoint(), FOuterSize);
        outer.moveCenter(owner->window()->frameGeometry().center());
        // Not beyond the screen's edges; the title bar stays reachable above all.
        if (const QScreen* screen = owner->window()->screen()) {
            const QRect area = screen->availableGeometry();
            outer.moveRight(qMin(outer.right(), area.right()));
            outer.moveBottom(qMin(outer.bottom(), area.bottom()));
            outer.moveLeft(qMax(outer.left(), area.left()));
            outer.moveTop(qMax(outer.top(), area.top()));
        }
        move(outer.topLeft());
    }
}

bool TFormulaSheet::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AEvent->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(AEvent);
        // Notches of a fine-grained wheel add up until a whole one is turned.
        FWheelRemainder += wheel->angleDelta().y();
        const int notches = FWheelRemainder / WheelNotch;
        FWheelRemainder -= notches * WheelNotch;
        ScrollByNotches(notches);
        return true;
    }
    return QDialog::eventFilter(AWatched, AEvent);
}

void TFormulaSheet::ScrollByNotches(int ANotches) {
    // A notch away from the user (positive delta) scrolls up.
    QScrollBar* bar = FScrollArea->verticalScrollBar();
    bar->setValue(bar->value() - ANotches * ScrollStep);
}

// TFormPlanimetricalFormulas

TFormPlanimetricalFormulas::TFormPlanimetricalFormulas(QWidget* AOwner)
    : TFormulaSheet(AOwner, QSize(OuterWidth, OuterHeight)) {
    setObjectName(QStringLiteral("FormPlanimetricalFormulas"));
    const QColor navy(0x00, 0x00, 0x80), maroon(0x80, 0x00, 0x00);
    constexpr int NameSize = 13, VariantSize = 12;
    SquareL = AddCaption("SquareL", NameSize, navy);
    Square = AddImage("Square");
    RectangleL = AddCaption("RectangleL", NameSize, navy);
    Rectangle = AddImage("Rectangle");
    RhombusL = AddCaption("RhombusL", NameSize, navy);
    Rhombus = AddImage("Rhombus");
    ParallelogramL = AddCaption("ParallelogramL", NameSize, navy);
    Parallelogram = AddImage("Parallelogram");
    TriangleL = AddCaption("TriangleL", NameSize, navy);
    Triangle_General = AddImage("Triangle_General");
    Triangle_GeneralL = AddCaption("Triangle_GeneralL", VariantSize, maroon);
    Triangle_Heron = AddImage("Triangle_Heron");
    Triangle_HeronL = AddCaption("Triangle_HeronL", VariantSize, maroon);
    TrapezoidL = AddCaption("TrapezoidL", NameSize, navy);
    Trapezoid = AddImage("Trapezoid");
    CircleL = AddCaption("CircleL", NameSize, navy);
    Circle = AddImage("Circle");
    NAngleL = AddCaption("NAngleL", NameSize, navy);
    NAngle = AddImage("NAngle");
    CircularRingL = AddCaption("CircularRingL", NameSize, navy);
    CircularRing = AddImage("CircularRing");
    SegmentOfCircleL = AddCaption("SegmentOfCircleL", NameSize, navy);
    SegmentOfCircle = AddImage("SegmentOfCircle");
    SectorOfCircleL = AddCaption("SectorOfCircleL", NameSize, navy);
    SectorOfCircle = AddImage("SectorOfCircle");
    AddEndLabel();
    FrameCancel()->move(-150, 0);

    SetLanguage();
    LoadPictures([](const QLabel* AImage) { return AImage->objectName().toUpper(); });

    StackBelow(SquareL, Square, nullptr);
    StackBelow(RectangleL, Rectangle, Square);
    StackBelow(RhombusL, Rhombus, Rectangle);
    StackBelow(ParallelogramL, Parallelogram, Rhombus);
    StackBelow(TriangleL, nullptr, Parallelogram);
    StackBelow(Triangle_GeneralL, Triangle_General, TriangleL);
    StackBelow(Triangle_HeronL, Triangle_Heron, Triangle_General);
    StackBelow(TrapezoidL, Trapezoid, Triangle_Heron);
    StackBelow(CircleL, Circle, Trapezoid);
    StackBelow(NAngleL, NAngle, Circle);
    StackBelow(CircularRingL, CircularRing, NAngle);
    StackBelow(SegmentOfCircleL, SegmentOfCircle, CircularRing);
    StackBelow(SectorOfCircleL, SectorOfCircle, SegmentOfCircle);
    FinishPage(SectorOfCircle);

    // Lives until it is closed; the sheet for solids forgets it then.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void TFormPlanimetricalFormulas::SetLanguage() {
    const QString own = QStringLiteral("TFormPlanimetricalFormulas");
    const QString plane = QStringLiteral("TPlaneFigure");
    setWindowTitle(LanguageText(own, QStringLiteral("Caption")));
    const std::pair<QLabel*, const char*> names[] = {
        {SquareL, "Square"},
        {RectangleL, "Rectangle"},
        {RhombusL, "Rhombus"},
        {ParallelogramL, "Parallelogram"},
        {TriangleL, "Triangle"},
        {TrapezoidL, "Trapezoid"},
        {CircleL, "Circle"},
        {NAngleL, "NAngle"},
        {CircularRingL, "CircularRing"},
        {SegmentOfCircleL, "SegmentOfCircle"},
        {SectorOfCircleL, "SectorOfCircle"},
    };
    for (const auto& [label, key] : names)
        label->setText(CapitalizeFirstLetter(LanguageText(plane, QLatin1String(key))));
    Triangle_GeneralL->setText(
        LanguageText(QStringLiteral("TFormStereometricalFormulas"), QStringLiteral("General")));
    Triangle_HeronL->setText(LanguageText(plane, QStringLiteral("Triangle_Heron")));
}

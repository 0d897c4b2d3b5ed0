#include "FormulaSheet.h"

#include "Cancel.h"
#include "ResourceLoading.h"
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

QLabel* TFormulaSheet::AddCaption(const QString& AName, int APixelSize, const QColor& AColor) {
    auto* label = new QLabel(FPage);
    label->setObjectName(AName);
    label->setFont(PixelFont(FontFamilies::Verdana, APixelSize, true));
    SetTextColor(label, AColor);
    label->move(PageLeft, 0);
    return label;
}

QLabel* TFormulaSheet::AddImage(const QString& AName) {
    auto* image = new QLabel(FPage);
    image->setObjectName(AName);
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

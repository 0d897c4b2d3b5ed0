#include "FittedText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {
// QLineEdit's own space between its frame and its text, on either side.
constexpr int LineEditTextMargin = 2;
} // namespace

TFittedText FitText(const QString& AText, const QFont& AFont, int AWidth, int AMinimumPixels) {
    TFittedText result;
    result.Font = AFont;
    result.Shown = AText;
    int pixels = QFontInfo(AFont).pixelSize();
    while (QFontMetrics(result.Font).horizontalAdvance(AText) > AWidth) {
        if (pixels <= AMinimumPixels) {
            result.Shown = QFontMetrics(result.Font).elidedText(AText, Qt::ElideRight, AWidth);
            result.Cut = true;
            break;
        }
        result.Font.setPixelSize(--pixels);
    }
    return result;
}

int LineEditTextWidth(const QLineEdit* AEdit) {
    const int frame = AEdit->hasFrame() ? AEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                      nullptr, AEdit)
                                        : 0;
    const QMargins margins = AEdit->textMargins();
    return AEdit->contentsRect().width() - 2 * frame - 2 * LineEditTextMargin - margins.left() -
           margins.right();
}

void ShowFittedText(QLineEdit* AEdit, const QString& AText, const QFont& ABaseFont) {
    const TFittedText fitted = FitText(AText, ABaseFont, LineEditTextWidth(AEdit));
    AEdit->setFont(fitted.Font);
    AEdit->setText(AText);
    // The beginning, where a number's significant digits are.
    AEdit->setCursorPosition(0);
    AEdit->setToolTip(fitted.Cut ? AText : QString());
}

// Computed values are shown whole. A text too wide for its place is shown in
// smaller type, down to a legible size; only a text that does not fit even
// then is cut, with an ellipsis that marks the cut, and its whole text is given
// as a tool-tip.
#pragma once

#include <QFont>
#include <QString>

class QLineEdit;

// The smallest type, in pixels, a value is shrunk to.
constexpr int MinimumLegiblePixels = 9;

struct TFittedText {
    QFont Font;    // the font asked for, or a smaller size of it
    QString Shown; // the text, or the text cut with an ellipsis
    bool Whole() const { return !Cut; }
    bool Cut = false;
};

// The largest size of AFont, from its own down to AMinimumPixels, in which
// AText takes no more than AWidth pixels; at the smallest size a text that is
// still too wide is cut at the right.
TFittedText FitText(const QString& AText, const QFont& AFont, int AWidth,
                    int AMinimumPixels = MinimumLegiblePixels);

// The width a line edit gives its text: its contents less frame and margins.
int LineEditTextWidth(const QLineEdit* AEdit);

// Shows AText in the read-only AEdit in ABaseFont or, where it needs it, a
// smaller size. The edit keeps the whole text (for copying); one too long even
// then shows its beginning and the whole text as a tool-tip.
void ShowFittedText(QLineEdit* AEdit, const QString& AText, const QFont& ABaseFont);

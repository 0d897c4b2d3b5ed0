// How windows and their labels look: the stay-on-top style a window takes from
// its opener, and the fonts and text colours the windows give their labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

// The colours that more than one window uses.
namespace Colours {
// The computation window's background, its results panel's too.
inline const QColor ComputationBackground(245, 243, 239);
// Entry and variant captions, the decade of a semilogarithmic number, formula headings.
inline const QColor Maroon(0x80, 0x00, 0x00);
// The formula sheets' names of quantities.
inline const QColor Navy(0x00, 0x00, 0x80);
} // namespace Colours

// The windows' font families (a sans-serif stands in where one is not installed).
namespace FontFamilies {
inline const QString Arial = QStringLiteral("Arial");
inline const QString MSSansSerif = QStringLiteral("MS Sans Serif");
inline const QString Verdana = QStringLiteral("Verdana");
} // namespace FontFamilies

// Gives AWindow the stay-on-top flag of ASource (call before showing AWindow).
inline void TakeWindowStyle(QWidget* AWindow, const QWidget* ASource) {
    const bool onTop =
        ASource && ASource->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    AWindow->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

// AFamily (a sans-serif where it is not installed) APixelSize pixels high.
inline QFont PixelFont(const QString& AFamily, int APixelSize, bool ABold) {
    QFont font(AFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(APixelSize);
    font.setBold(ABold);
    return font;
}

inline void SetTextColor(QWidget* AWidget, const QColor& AColor) {
    QPalette palette = AWidget->palette();
    palette.setColor(QPalette::WindowText, AColor);
    AWidget->setPalette(palette);
}

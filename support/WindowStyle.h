// How windows and their labels look: the stay-on-top style a window takes from
// its opener, and the fonts and text colours the windows give their labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

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

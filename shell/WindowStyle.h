// Windows opened by another window take its style: stay-on-top or normal.
#pragma once

#include <QWidget>

// Gives AWindow the stay-on-top flag of ASource (call before showing AWindow).
inline void TakeWindowStyle(QWidget* AWindow, const QWidget* ASource) {
    const bool onTop =
        ASource && ASource->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    AWindow->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

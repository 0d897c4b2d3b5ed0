// Message boxes: modal for the whole application, captioned with the application
// title, each kind with its own icon and (where the platform has them) its own sound.
#pragma once

#include <QMessageBox>
#include <QString>

// The caption of every message box. Until SetApplicationTitle runs (start-up sets
// "Kavorin" once the language manager exists) it is the platform's default title:
// the executable's name up to its first dot, letters after the first in lower case.
QString ApplicationTitle();
void SetApplicationTitle(const QString& Title);

// A box with the given icon and buttons, no sound; returns the button pressed.
// No box grows past the screen: a long text is cut, and an ellipsis marks the cut.
// Escape and the close box act only when the box has a Cancel button or a single
// button, so a Yes/No box cannot be left without choosing.
QMessageBox::StandardButton ShowMessageBox(const QString& Text, QMessageBox::Icon Icon,
                                           QMessageBox::StandardButtons Buttons);

// Error icon and sound, OK button.
void ShowErrorMessage(const QString& Text);
// Information icon and sound, OK button.
void ShowInformationMessage(const QString& Text);
// Question icon and sound with Buttons; true when OK, Retry or Yes was pressed.
bool ShowQuestionMessage(const QString& Text,
                         QMessageBox::StandardButtons Buttons = QMessageBox::Yes | QMessageBox::No);

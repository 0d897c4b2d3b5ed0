#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
QString& TitleOverride() {
    static QString Title;
    return Title;
}

// A box that ignores Escape and its close box when it has no button to stand for
// them (Yes/No, Abort/Retry/Ignore): the user has to choose.
class TChoiceMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool AllowEscape = true;

protected:
    void keyPressEvent(QKeyEvent* Event) override {
        if (!AllowEscape && Event->matches(QKeySequence::Cancel)) {
            Event->accept();
            return;
        }
        QMessageBox::keyPressEvent(Event);
    }
    void closeEvent(QCloseEvent* Event) override {
        if (!AllowEscape) {
            Event->ignore();
            return;
        }
        QMessageBox::closeEvent(Event);
    }
};

enum class TSound { Error, Information, Question };

void PlaySound(TSound Sound) {
#ifdef Q_OS_WIN
    const UINT Type = Sound == TSound::Error         ? MB_ICONHAND
                      : Sound == TSound::Information ? MB_ICONASTERISK
                                                     : MB_ICONQUESTION;
    MessageBeep(Type);
#else
    // Elsewhere there is one system sound; the icons keep the kinds apart.
    Q_UNUSED(Sound);
    QApplication::beep();
#endif
}

int CountButtons(QMessageBox::StandardButtons Buttons) {
    int Count = 0;
    for (unsigned Bit = QMessageBox::FirstButton; Bit <= QMessageBox::LastButton; Bit <<= 1)
        if (Buttons.testFlag(QMessageBox::StandardButton(Bit)))
            ++Count;
    return Count;
}
} // namespace

QString ApplicationTitle() {
    if (!TitleOverride().isEmpty())
        return TitleOverride();
    QString Name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (Name.isEmpty())
        Name = QCoreApplication::applicationName();
    Name = Name.section(QLatin1Char('.'), 0, 0);
    return Name.left(1) + Name.mid(1).toLower();
}

void SetApplicationTitle(const QString& Title) {
    TitleOverride() = Title;
}

QMessageBox::StandardButton ShowMessageBox(const QString& Text, QMessageBox::Icon Icon,
                                           QMessageBox::StandardButtons Buttons) {
    if (Buttons == QMessageBox::NoButton)
        Buttons = QMessageBox::Ok;
    // Our texts break lines with CR LF; a plain-text label wants LF alone.
    QString Shown = Text;
    Shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    TChoiceMessageBox Box(Icon, ApplicationTitle(), Shown, Buttons, QApplication::activeWindow());
    Box.setWindowModality(Qt::ApplicationModal);
    Box.setTextFormat(Qt::PlainText);
    if (Buttons.testFlag(QMessageBox::Cancel))
        Box.setEscapeButton(QMessageBox::Cancel);
    else if (CountButtons(Buttons) == 1)
        Box.setEscapeButton(Box.buttons().constFirst());
    else
        Box.AllowEscape = false;
    Box.exec();
    QAbstractButton* Pressed = Box.clickedButton();
    if (!Pressed)
        Pressed = Box.escapeButton(); // closed from outside, as by its close box
    return Box.standardButton(Pressed);
}

void ShowErrorMessage(const QString& Text) {
    PlaySound(TSound::Error);
    ShowMessageBox(Text, QMessageBox::Critical, QMessageBox::Ok);
}

void ShowInformationMessage(const QString& Text) {
    PlaySound(TSound::Information);
    ShowMessageBox(Text, QMessageBox::Information, QMessageBox::Ok);
}

bool ShowQuestionMessage(const QString& Text, QMessageBox::StandardButtons Buttons) {
    PlaySound(TSound::Question);
    const QMessageBox::StandardButton Pressed =
        ShowMessageBox(Text, QMessageBox::Question, Buttons);
    return Pressed == QMessageBox::Ok || Pressed == QMessageBox::Retry ||
           Pressed == QMessageBox::Yes;
}

#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
QString& TitleOverride() {
    static QString Title;
    return Title;
}

// A box never grows past the screen. Its text is first cut to at most this many
// lines and characters, then, once the box knows its width, shortened further until
// the box fits the screen's height; a cut is marked with an ellipsis.
constexpr int MaxShownLines = 30;
constexpr int MaxShownCharacters = 2000;
constexpr int MinShownCharacters = 80;
const QChar CutMark(0x2026);

// A word longer than this gets places to break, so that it wraps within the box's
// usual width instead of widening the box to the whole screen.
constexpr int MaxUnbrokenRun = 60;
const QChar BreakOpportunity(0x200B); // zero width space

// AText cut after AMaxLines lines or AMaxCharacters characters, whichever comes
// first, with the mark at the cut; overlong words get places to break.
QString CutText(const QString& AText, int AMaxLines, int AMaxCharacters) {
    QString shown;
    int lines = 1, run = 0;
    qsizetype i = 0;
    const qsizetype length = AText.size();
    for (; i < length && i < AMaxCharacters; ++i) {
        const QChar c = AText.at(i);
        if (c == QLatin1Char('\n') && ++lines > AMaxLines)
            break;
        // Never a break, nor a cut below, inside a surrogate pair.
        if (run >= MaxUnbrokenRun && !c.isLowSurrogate()) {
            shown += BreakOpportunity;
            run = 0;
        }
        run = c.isSpace() ? 0 : run + 1;
        shown += c;
    }
    if (i >= length)
        return shown;
    // Cut at the end of a line, the mark takes a line of its own.
    const bool lineCut = AText.at(i) == QLatin1Char('\n');
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    while (!shown.isEmpty() && (shown.back().isSpace() || shown.back() == BreakOpportunity))
        shown.chop(1);
    return shown + (lineCut ? QStringLiteral("\n") : QString()) + CutMark;
}

// A box that ignores Escape and its close box when it has no button to stand for
// them (Yes/No, Abort/Retry/Ignore): the user has to choose. Its text is cut to
// fit the screen.
class TChoiceMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool AllowEscape = true;
    // The text before any cut.
    QString FullText;

protected:
    void showEvent(QShowEvent* Event) override {
        // The box sizes itself to its text here, when it is shown.
        QMessageBox::showEvent(Event);
        const QScreen* Screen = screen() ? screen() : QGuiApplication::primaryScreen();
        if (!Screen)
            return;
        // Room for the frame and title bar the window manager adds.
        const int Limit = Screen->availableGeometry().height() - 80;
        int Lines = MaxShownLines;
        int Characters = MaxShownCharacters;
        while (height() > Limit && Characters > MinShownCharacters) {
            Lines = std::max(1, Lines / 2);
            Characters /= 2;
            setText(CutText(FullText, Lines, Characters));
        }
    }
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
    TChoiceMessageBox Box(Icon, ApplicationTitle(),
                          CutText(Shown, MaxShownLines, MaxShownCharacters), Buttons,
                          QApplication::activeWindow());
    Box.FullText = Shown;
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

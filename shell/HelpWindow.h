// The program's own window for its documents: the HTML user guide and the
// licence, for a desktop that has no program to show them (no web browser, no
// text viewer, or one that fails). It shows the document with its links and
// pictures, goes back and forward through the pages visited, and finds a text.
//
//     ShowDocument(this, ProgramDataPath("Help_EN.html"), "text/html", caption);
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

class TFormHelp : public QDialog {
    Q_OBJECT
public:
    // Shows the local file APath (HTML, or plain text such as the licence) under
    // the title ACaption, beside AOwner as the side windows stand beside the
    // computation window.
    TFormHelp(QWidget* AOwner, const QString& APath, const QString& ACaption);

    QTextBrowser* Browser() const { return FBrowser; }

    // Selects the next occurrence of AText after the selection (the previous one
    // before it with ABackward), from the other end when there is none that way;
    // false, with "Not found" shown, when the document does not hold it.
    bool Find(const QString& AText, bool ABackward);

    // The language file section of the window's texts.
    static constexpr const char* Section = "TFormHelp";

protected:
    void showEvent(QShowEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;

private:
    void SetLanguage();
    void AnchorClick(const QUrl& AUrl);
    void ContentsClick();
    // Beside the owner: right of it where the screen has room, else left of it,
    // else as far right as fits; no higher than the screen.
    void PlaceBesideOwner();

    QString FPath;
    bool FPlain = false; // a plain text, not a page with links
    bool FPlaced = false;
    QToolButton* BBack;
    QToolButton* BForward;
    QToolButton* BContents;
    QLabel* LFind;
    QLineEdit* EFind;
    QToolButton* BFindPrevious;
    QToolButton* BFindNext;
    QLabel* LNotFound;
    QTextBrowser* FBrowser;
};

// Opens the local file APath (of MIME type AMimeType) with the desktop's program
// for it where the desktop has one and it opens; otherwise shows it in TFormHelp,
// modally over AOwner.
void ShowDocument(QWidget* AOwner, const QString& APath, const QString& AMimeType,
                  const QString& ACaption);

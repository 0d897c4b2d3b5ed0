// The about window: icon, title, version and build date, copyright years, the
// maker's name and links, and two menu commands: the check for a newer version on
// the maker's web server and the licence agreement shipped beside the program.
//
//     TFormAbout window(this, Version::BuildTime(), 2002, Version::BuildTime().date().year(),
//                       Maker::ProductId);
//     TakeWindowStyle(&window, this);
//     window.exec();
#pragma once

#include "NetworkFunctions.h"

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QToolButton;
class QWidget;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    TFormAbout(QWidget* AOwner, const QDateTime& ACompilationDate, int ACopyrightFrom,
               int ACopyrightTo, int AProductID);

    // Reads the window's texts and messages from the active language file.
    void SetLanguage();

    // "mailto:" with the application title and version as the subject.
    void EmailLinkClick();
    // The product page of the maker's web site.
    void HomepageLinkClick();
    // Asks the maker's web server for the newest version and tells the user. The
    // window stays responsive meanwhile; closing it (Escape, Enter, the close box)
    // cancels the request, and nothing more is said.
    void MCheckForNewVersionClick();
    // Whether a version check is waiting for the server.
    bool Checking() const { return FCheck != nullptr; }
    // Opens License.txt from the program's folder.
    void MLicenseAgreementClick();

    int ProductID() const { return FProductID; }

    // Reads "major.minor" (or a lone "major") into its numbers; false for any other text.
    static bool ParseVersion(const QString& AText, int& AMajor, int& AMinor);

    // What the version check tells the user, read from the server's answer.
    struct TVersionAnswer {
        enum TKind {
            NoResponse,  // no line at all
            UpToDate,    // "OK" and a version not newer than the program's
            NewVersion,  // "OK" and a newer version, in Text as the server wrote it
            ServerError, // "ERROR" and the server's text, in Text as shown (ServerText)
            UnknownError // anything else
        };
        TKind Kind = NoResponse;
        QString Text;
    };
    // The answer of the lines the server sent, for the program's version AOwnVersion
    // ("major.minor"). Versions are compared number by number: 1.10 is newer than 1.9.
    static TVersionAnswer ReadVersionAnswer(const QStringList& ALines, const QString& AOwnVersion);

    // The address the version query goes to, without the path ("http://host[:port]");
    // empty means the maker's home page address. Tests point it at a local server.
    static QString ServerAddress;
    // What the server may cost the version check; tests make the limits small.
    static THttpLimits CheckLimits;
    // At most this many characters of the server's own error text are shown.
    static constexpr int MaxServerTextLength = 300;
    // The server's error text as shown: control characters as blanks, cut after
    // MaxServerTextLength characters with "..." (one character) at the cut.
    static QString ServerText(const QString& AText);

protected:
    void showEvent(QShowEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void done(int AResult) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    QLabel* AddLabel(const char* AName, int ALeft, int ATop, int APixelSize, bool ABold,
                     const QColor& AColor);
    QLabel* AddImage(const char* AName, int ALeft, int ATop, int AWidth, int AHeight,
                     const char* AResource);
    void FitTitle();
    QToolButton* AddMenuCommand(QAction* ACommand);
    void ArrangeMenu();

    int FProductID = 0;
    QString FVersion;

    // The menu bar: its commands as flat buttons that wrap to a second row when the
    // window is too narrow for them, as a native menu bar of a fixed-size window does.
    QWidget* MainMenu = nullptr;
    QAction* MCheckForNewVersion = nullptr;
    QAction* MLicenseAgreement = nullptr;
    QWidget* SpacerPanel = nullptr;
    QLabel* AppIcon = nullptr;
    QLabel* AppVersion = nullptr;
    QLabel* AppTitle = nullptr;
    QLabel* EmailLink = nullptr;
    QLabel* HomepageLink = nullptr;
    QLabel* LAppVersion = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Company = nullptr;
    QLabel* EmailIcon = nullptr;
    QLabel* HomepageIcon = nullptr;

    QString FNewVersionAvailable;
    QString FGoToProductsWebPage;
    QString FApplication;
    QString FUpToDate;
    QString FFileNotFound;
    QString FUnknownError;
    QString FNoResponseFromServer;
    QString FCannotOpen;

    // The version check under way, or null.
    QPointer<THttpCancel> FCheck;
};

#include "About.h"

#include "DesktopServices.h"
#include "HelpWindow.h"
#include "LanguageSupport.h"
#include "Maker.h"
#include "MessageBoxes.h"
#include "NetworkFunctions.h"
#include "ProgramFolder.h"
#include "ResourceLoading.h"
#include "Version.h"
#include "WindowStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

QString TFormAbout::ServerAddress;
THttpLimits TFormAbout::CheckLimits;

namespace {

constexpr int ClientWidth = 231;
constexpr int ClientHeight = 225;
const QColor TitleColor(100, 138, 203);
const QString LicenseFileName = QStringLiteral("License.txt");

QString Text(const char* AKey) {
    return LanguageText(QStringLiteral("TFormAbout"), QLatin1String(AKey));
}

} // namespace

TFormAbout::TFormAbout(QWidget* AOwner, const QDateTime& ACompilationDate, int ACopyrightFrom,
                       int ACopyrightTo, int AProductID)
    : QDialog(AOwner) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont font(FontFamilies::MSSansSerif);
    font.setPixelSize(11);
    setFont(font);

    MainMenu = new QWidget(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    MainMenu->setFixedWidth(ClientWidth);
    // A hairline parts the menu bar from the window's content.
    MainMenu->setStyleSheet(QStringLiteral("#MainMenu { border-bottom: 1px solid palette(mid); }"));
    MainMenu->setAttribute(Qt::WA_StyledBackground);
    MCheckForNewVersion = new QAction(this);
    MCheckForNewVersion->setObjectName(QStringLiteral("MCheckForNewVersion"));
    AddMenuCommand(MCheckForNewVersion);
    connect(MCheckForNewVersion, &QAction::triggered, this, [this] { MCheckForNewVersionClick(); });
    MLicenseAgreement = new QAction(this);
    MLicenseAgreement->setObjectName(QStringLiteral("MLicenseAgreement"));
    AddMenuCommand(MLicenseAgreement);
    connect(MLicenseAgreement, &QAction::triggered, this, [this] { MLicenseAgreementClick(); });

    // The panel fixes the client area below the menu bar; the window takes its size.
    SpacerPanel = new QWidget(this);
    SpacerPanel->setObjectName(QStringLiteral("SpacerPanel"));
    SpacerPanel->setFixedSize(ClientWidth, ClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(SpacerPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    AppIcon = AddImage("AppIcon", 24, 24, 32, 32, "KAVORIN");
    AppVersion = AddLabel("AppVersion", 184, 43, 12, true, Qt::black);
    AppTitle = AddLabel("AppTitle", 76, 24, 15, true, TitleColor);
    EmailLink = AddLabel("EmailLink", 46, 114, 12, false, Qt::blue);
    HomepageLink = AddLabel("HomepageLink", 46, 132, 12, false, Qt::blue);
    LAppVersion = AddLabel("LAppVersion", 76, 43, 12, false, Qt::black);
    Copyright = AddLabel("Copyright", 24, 78, 12, false, Qt::black);
    Company = AddLabel("Company", 24, 96, 12, true, Qt::black);
    EmailIcon = AddImage("EmailIcon", 24, 116, 13, 9, "ABOUT_EMAIL");
    HomepageIcon = AddImage("HomepageIcon", 24, 131, 14, 14, "ABOUT_HOMEPAGE");
    for (QLabel* link : {EmailLink, HomepageLink}) {
        QFont linkFont = link->font();
        linkFont.setUnderline(true);
        link->setFont(linkFont);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    FProductID = AProductID;
    setWindowIcon(LoadResourceIcon(QStringLiteral("ICON"), QStringLiteral("KAVORIN")));
    AppTitle->setText(ApplicationTitle());
    AppTitle->adjustSize();
    FitTitle();

    // The version resource's major and minor numbers.
    const QStringList parts = ::Version::Text().split(QLatin1Char('.'));
    FVersion = parts.value(0) + QLatin1Char('.') + parts.value(1, QStringLiteral("0"));
    AppVersion->setText(FVersion);
    AppVersion->adjustSize();
    AppVersion->setToolTip(QLocale().toString(ACompilationDate.date(), QLocale::ShortFormat));

    Copyright->setText(
        ACopyrightFrom == ACopyrightTo
            ? QStringLiteral("Copyright \u00A9 %1").arg(ACopyrightFrom)
            : QStringLiteral("Copyright \u00A9 %1\u2013%2").arg(ACopyrightFrom).arg(ACopyrightTo));
    Copyright->adjustSize();
    Company->setText(QStringLiteral("Ternwick"));
    Company->adjustSize();

    SetLanguage();
    AppVersion->move(LAppVersion->x() + LAppVersion->width() + 8, AppVersion->y());

    EmailLink->setText(Languages->EmailAddress(Maker::MailBoxName));
    EmailLink->adjustSize();
    HomepageLink->setText(Languages->HomePageAddress(false));
    HomepageLink->adjustSize();
    HomepageLink->setToolTip(Languages->ProductPageAddress(true, FProductID));
}

QToolButton* TFormAbout::AddMenuCommand(QAction* ACommand) {
    auto* button = new QToolButton(MainMenu);
    button->setObjectName(ACommand->objectName() + QStringLiteral("Button"));
    button->setDefaultAction(ACommand);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void TFormAbout::ArrangeMenu() {
    constexpr int Gap = 2;
    int left = 0, top = 0, rowHeight = 0;
    for (QToolButton* button :
         MainMenu->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QSize size = button->sizeHint();
        if (left > 0 && left + size.width() > ClientWidth) {
            left = 0;
            top += rowHeight;
            rowHeight = 0;
        }
        button->setGeometry(left, top, std::min(size.width(), ClientWidth), size.height());
        left += size.width() + Gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    MainMenu->setFixedHeight(top + rowHeight + 1);
}

QLabel* TFormAbout::AddLabel(const char* AName, int ALeft, int ATop, int APixelSize, bool ABold,
                             const QColor& AColor) {
    auto* label = new QLabel(SpacerPanel);
    label->setObjectName(QLatin1String(AName));
    label->move(ALeft, ATop);
    label->setFont(PixelFont(FontFamilies::Verdana, APixelSize, ABold));
    SetTextColor(label, AColor);
    return label;
}

QLabel* TFormAbout::AddImage(const char* AName, int ALeft, int ATop, int AWidth, int AHeight,
                             const char* AResource) {
    auto* image = new QLabel(SpacerPanel);
    image->setObjectName(QLatin1String(AName));
    image->setGeometry(ALeft, ATop, AWidth, AHeight);
    image->setPixmap(LoadResourcePixmap(QStringLiteral("ICON"), QLatin1String(AResource),
                                        QSize(AWidth, AHeight)));
    return image;
}

void TFormAbout::FitTitle() {
    // A long title gets a smaller font until it fits beside the icon.
    QFont titleFont = AppTitle->font();
    while (ClientWidth < AppTitle->x() + AppTitle->width() && titleFont.pixelSize() > 1) {
        titleFont.setPixelSize(titleFont.pixelSize() - 1);
        AppTitle->setFont(titleFont);
        AppTitle->adjustSize();
    }
}

void TFormAbout::SetLanguage() {
    FNewVersionAvailable = Text("sNewVersionAvailable");
    FGoToProductsWebPage = Text("sGoToProductsWebPage");
    FApplication = Text("sApplication");
    FUpToDate = Text("sUpToDate");
    FFileNotFound = Text("sFileNotFound");
    FUnknownError = Text("sUnknownError");
    FNoResponseFromServer = Text("sNoResponseFromServer");
    FCannotOpen = Text("sCannotOpen");
    setWindowTitle(Text("Caption"));
    MCheckForNewVersion->setText(Text("MCheckForNewVersion"));
    MLicenseAgreement->setText(Text("MLicenseAgreement"));
    ArrangeMenu();
    LAppVersion->setText(Text("LAppVersion") + QLatin1Char(':'));
    LAppVersion->adjustSize();
}

void TFormAbout::showEvent(QShowEvent* AEvent) {
    MLicenseAgreement->setEnabled(QFileInfo::exists(ProgramDataPath(LicenseFileName)));
    QDialog::showEvent(AEvent);
}

void TFormAbout::done(int AResult) {
    // However the window closes, a version check under way ends with it.
    if (FCheck)
        FCheck->Cancel();
    QDialog::done(AResult);
}

void TFormAbout::keyPressEvent(QKeyEvent* AEvent) {
    switch (AEvent->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        AEvent->accept();
        close();
        return;
    default:
        QDialog::keyPressEvent(AEvent);
    }
}

bool TFormAbout::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AEvent->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(AEvent)->button() == Qt::LeftButton) {
        if (AWatched == EmailLink) {
            EmailLinkClick();
            return true;
        }
        if (AWatched == HomepageLink) {
            HomepageLinkClick();
            return true;
        }
    }
    return QDialog::eventFilter(AWatched, AEvent);
}

void TFormAbout::EmailLinkClick() {
    const QString address = Languages->EmailAddress(Maker::MailBoxName);
    OpenOrReport(QUrl(QStringLiteral("mailto:") + address + QStringLiteral("?subject=") +
                      AppTitle->text() + QLatin1Char(' ') + AppVersion->text()),
                 FCannotOpen, address);
}

void TFormAbout::HomepageLinkClick() {
    const QString address = Languages->ProductPageAddress(true, FProductID);
    OpenOrReport(QUrl(address), FCannotOpen, address);
}

void TFormAbout::MLicenseAgreementClick() {
    // The desktop opener takes a file URL, not a command line: no quotes around the path.
    const QString path = ProgramDataPath(LicenseFileName);
    // Shown in the program's help window where the desktop has no program for it.
    if (QFileInfo::exists(path))
        ShowDocument(this, path, QStringLiteral("text/plain"), MLicenseAgreement->text());
    else
        ShowErrorMessage(FFileNotFound + QStringLiteral(":\r\n") + LicenseFileName);
}

bool TFormAbout::ParseVersion(const QString& AText, int& AMajor, int& AMinor) {
    const QStringList parts = AText.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 2)
        return false;
    int numbers[2] = {0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part.size() > 5)
            return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        numbers[i] = part.toInt();
    }
    AMajor = numbers[0];
    AMinor = numbers[1];
    return true;
}

QString TFormAbout::ServerText(const QString& AText) {
    QString text = AText.left(MaxServerTextLength + 1);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    text = text.trimmed();
    if (text.size() <= MaxServerTextLength)
        return text;
    text.truncate(MaxServerTextLength);
    // Never half a character.
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text + QChar(0x2026);
}

void TFormAbout::MCheckForNewVersionClick() {
    if (FCheck)
        return;
    const QString server =
        ServerAddress.isEmpty() ? Languages->HomePageAddress(true) : ServerAddress;
    const QString url =
        server + QStringLiteral("/external/product_version.php?pid=") + QString::number(FProductID);
    QStringList lines;
    {
        // The window answers the user meanwhile: Escape or the close box cancels.
        THttpCancel check;
        FCheck = &check;
        MCheckForNewVersion->setEnabled(false);
        const auto finish = qScopeGuard([this] {
            FCheck = nullptr;
            MCheckForNewVersion->setEnabled(true);
        });
        HttpGetLines(url, lines, CheckLimits, &check);
        if (check.IsCancelled())
            return;
    }
    const TVersionAnswer answer = ReadVersionAnswer(lines, FVersion);
    switch (answer.Kind) {
    case TVersionAnswer::NoResponse:
        ShowErrorMessage(FNoResponseFromServer);
        break;
    case TVersionAnswer::UpToDate:
        ShowInformationMessage(FApplication + QLatin1Char(' ') + FUpToDate + QLatin1Char('.'));
        break;
    case TVersionAnswer::NewVersion:
        if (ShowQuestionMessage(FNewVersionAvailable + QStringLiteral(": ") + answer.Text +
                                QStringLiteral("\r\n") + FGoToProductsWebPage + QLatin1Char('?')))
            HomepageLinkClick();
        break;
    case TVersionAnswer::ServerError:
        ShowErrorMessage(answer.Text);
        break;
    case TVersionAnswer::UnknownError:
        ShowErrorMessage(FUnknownError);
        break;
    }
}

TFormAbout::TVersionAnswer TFormAbout::ReadVersionAnswer(const QStringList& ALines,
                                                         const QString& AOwnVersion) {
    if (ALines.isEmpty())
        return {TVersionAnswer::NoResponse, QString()};
    const QString& status = ALines.first();
    if (status == QLatin1String("OK")) {
        int newestMajor = 0, newestMinor = 0, ownMajor = 0, ownMinor = 0;
        if (ALines.size() < 2 || !ParseVersion(ALines[1], newestMajor, newestMinor) ||
            !ParseVersion(AOwnVersion, ownMajor, ownMinor))
            return {TVersionAnswer::UnknownError, QString()};
        if (std::make_pair(ownMajor, ownMinor) >= std::make_pair(newestMajor, newestMinor))
            return {TVersionAnswer::UpToDate, QString()};
        return {TVersionAnswer::NewVersion, ALines[1].trimmed()};
    }
    // The server's own text, within bounds: a line of a megabyte would make a box
    // taller than any screen.
    const QString serverText = ALines.size() >= 2 ? ServerText(ALines[1]) : QString();
    if (status == QLatin1String("ERROR") && !serverText.isEmpty())
        return {TVersionAnswer::ServerError, serverText};
    return {TVersionAnswer::UnknownError, QString()};
}

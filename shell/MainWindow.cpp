#include "MainWindow.h"

#include "About.h"
#include "Computations.h"
#include "DesktopServices.h"
#include "HelpWindow.h"
#include "LanguageSupport.h"
#include "Maker.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "ResourceLoading.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "StereometricalFormulas.h"
#include "Version.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString InstanceLockPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("Kavorin.lock"));
}

namespace {

constexpr int ClientWidth = 448;
constexpr int ClientHeight = 336;
constexpr int ButtonHeight = 19;
const char* const TagProperty = "tag";

struct TButtonPlace {
    const char* Name;
    int Tag; // page index of the computation window, -1 for function buttons
    int Left, Top, Width;
    const char* Section;
    const char* Key;
};

const TButtonPlace ButtonPlaces[] = {
    {"BFormulas", -1, 78, 32, 90, "TFormFormulas", "Caption"},
    {"BSettings", -1, 324, 32, 90, "TFormSettings", "Caption"},
    {"BHelp", -1, 78, 290, 90, "TFormMain", "BHelp"},
    {"BAbout", -1, 324, 290, 90, "TFormAbout", "Caption"},
    {"BCube", 0, 34, 97, 90, "TSolidFigure", "Cube"},
    {"BBlock", 1, 34, 129, 90, "TSolidFigure", "Block"},
    {"BSphere", 2, 34, 161, 90, "TSolidFigure", "Sphere"},
    {"BCone", 3, 34, 193, 90, "TSolidFigure", "Cone"},
    {"BCylinder", 4, 34, 225, 90, "TSolidFigure", "Cylinder"},
    {"BPyramid", 5, 156, 113, 90, "TSolidFigure", "Pyramid"},
    {"BPrism", 6, 156, 145, 90, "TSolidFigure", "Prism"},
    {"BTruncatedCone", 7, 137, 177, 128, "TSolidFigure", "TruncatedCone"},
    {"BTruncatedPyramid", 8, 137, 209, 128, "TSolidFigure", "TruncatedPyramid"},
    {"BCylindricalTank", 9, 288, 113, 128, "TSolidFigure", "CylindricalTank"},
    {"BSphericalSegment", 10, 288, 145, 128, "TSolidFigure", "SphericalSegment"},
    {"BSphericalSector", 11, 288, 177, 128, "TSolidFigure", "SphericalSector"},
    {"BSphericalFrustum", 12, 288, 209, 128, "TSolidFigure", "SphericalFrustum"},
};

QRect WorkAreaNear(const QPoint& APoint) {
    QScreen* nearest = QGuiApplication::screenAt(APoint);
    if (!nearest) {
        qint64 best = -1;
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->geometry();
            const int dx = std::max({area.left() - APoint.x(), 0, APoint.x() - area.right()});
            const int dy = std::max({area.top() - APoint.y(), 0, APoint.y() - area.bottom()});
            const qint64 distance = qint64(dx) * dx + qint64(dy) * dy;
            if (best < 0 || distance < best) {
                best = distance;
                nearest = screen;
            }
        }
    }
    return nearest ? nearest->availableGeometry() : QRect();
}

} // namespace

TFormMain::TFormMain(QWidget* AParent) : QWidget(AParent) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowTitle(ApplicationTitle());
    QFont font(FontFamilies::Arial);
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);

    ImgBackground448 = new QLabel(this);
    ImgBackground448->setObjectName(QStringLiteral("ImgBackground448"));
    ImgBackground448->setGeometry(rect());
    ImgBackground448->setScaledContents(true);
    ImgBackground1024 = new QLabel(this);
    ImgBackground1024->setObjectName(QStringLiteral("ImgBackground1024"));
    ImgBackground1024->setGeometry(rect());
    ImgBackground1024->setScaledContents(true);
    // On a scaled screen the large picture, shrunk, stays sharp. Only the picture
    // shown is rendered: rasterizing a background is a good part of start-up.
    const bool scaled = devicePixelRatioF() > 1.0;
    LoadJPEGResource(QStringLiteral("JPG"),
                     scaled ? QStringLiteral("MAIN_BACKGROUND1024")
                            : QStringLiteral("MAIN_BACKGROUND448"),
                     scaled ? ImgBackground1024 : ImgBackground448, TImageSizing::KeepSize);
    ImgBackground448->setVisible(!scaled);
    ImgBackground1024->setVisible(scaled);

    AddIcon("IconFormulas", "MAIN_FORMULAS", 38, 24);
    AddIcon("IconSettings", "MAIN_SETTINGS", 284, 24);
    AddIcon("IconHelp", "MAIN_HELP", 38, 282);
    AddIcon("IconAbout", "MAIN_ABOUT", 284, 282);
    for (const TButtonPlace& place : ButtonPlaces)
        AddButton(place.Name, place.Left, place.Top, place.Width, place.Tag);

    FSystemMenu = new QMenu(this);
    FAlwaysOnTopItem = FSystemMenu->addAction(QString());
    FAlwaysOnTopItem->setObjectName(QStringLiteral("AlwaysOnTop"));
    FAlwaysOnTopItem->setCheckable(true);
    connect(FAlwaysOnTopItem, &QAction::triggered, this,
            [this](bool AChecked) { SetAlwaysOnTop(AChecked); });

    RestorePosition();
    SetLanguage();
}

TFormMain::~TFormMain() {
    TSettingsStore store(SettingsKeys::Position);
    store.WriteInteger(QString(), QStringLiteral("Top"), y());
    store.WriteInteger(QString(), QStringLiteral("Left"), x());
}

QLabel* TFormMain::AddIcon(const char* AName, const char* AResource, int ALeft, int ATop) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QLatin1String(AName));
    icon->setGeometry(ALeft, ATop, 32, 32);
    icon->setPixmap(
        LoadResourcePixmap(QStringLiteral("ICON"), QLatin1String(AResource), QSize(32, 32)));
    return icon;
}

QAbstractButton* TFormMain::AddButton(const char* AName, int ALeft, int ATop, int AWidth,
                                      int ATag) {
    auto* button = new QToolButton(this);
    // A screen reader reads the button's text (its caption in the language).
    button->setObjectName(QLatin1String(AName));
    button->setGeometry(ALeft, ATop, AWidth, ButtonHeight);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setProperty(TagProperty, ATag);
    connect(button, &QToolButton::clicked, this, [this, button] { ButtonClick(button); });
    return button;
}

void TFormMain::SetLanguage() {
    const TLanguageFile& file = Languages->ActiveFile();
    FFileNotFound = file.ReadString(QStringLiteral("TFormAbout"), QStringLiteral("sFileNotFound"));
    FCannotOpen = file.ReadString(QStringLiteral("TFormAbout"), QStringLiteral("sCannotOpen"));
    FAlwaysOnTopItem->setText(
        file.ReadString(QStringLiteral("TFormMain"), QStringLiteral("sAlwaysOnTop")));
    FAlwaysOnTopItem->setChecked(AlwaysOnTop());
#ifdef Q_OS_WIN
    // Back to the default system menu, then the item again in the new language.
    if (FSystemMenuInserted) {
        GetSystemMenu(reinterpret_cast<HWND>(winId()), TRUE);
        InsertCommand();
    }
#endif
    for (const TButtonPlace& place : ButtonPlaces)
        if (auto* button = findChild<QAbstractButton*>(QLatin1String(place.Name)))
            button->setText(
                file.ReadString(QLatin1String(place.Section), QLatin1String(place.Key)));
}

#ifdef Q_OS_WIN
void TFormMain::showEvent(QShowEvent* AEvent) {
    QWidget::showEvent(AEvent);
    InsertCommand();
}

void TFormMain::InsertCommand() {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    FSystemMenuInserted = true;
    const UINT check = AlwaysOnTop() ? MF_CHECKED : MF_UNCHECKED;
    // Changing the window's style may or may not give it a new native window
    // (and so a new system menu): add the item only where it is missing.
    if (GetMenuState(menu, AlwaysOnTopCommand, MF_BYCOMMAND) == UINT(-1)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        const QString text = FAlwaysOnTopItem->text();
        AppendMenuW(menu, MF_STRING | check, AlwaysOnTopCommand,
                    reinterpret_cast<LPCWSTR>(text.utf16()));
    } else {
        CheckMenuItem(menu, AlwaysOnTopCommand, MF_BYCOMMAND | check);
    }
}

bool TFormMain::nativeEvent(const QByteArray& AEventType, void* AMessage, qintptr* AResult) {
    const MSG* message = static_cast<const MSG*>(AMessage);
    if (message->message == WM_SYSCOMMAND && message->wParam == WPARAM(AlwaysOnTopCommand)) {
        SetAlwaysOnTop(!AlwaysOnTop());
        return true;
    }
    return QWidget::nativeEvent(AEventType, AMessage, AResult);
}
#else
void TFormMain::contextMenuEvent(QContextMenuEvent* AEvent) {
    FSystemMenu->exec(AEvent->globalPos());
}
#endif

bool TFormMain::AlwaysOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFormMain::SetAlwaysOnTop(bool AOnTop) {
    if (AOnTop == AlwaysOnTop())
        return;
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, AOnTop);
    move(position);
    if (wasVisible)
        show();
    FAlwaysOnTopItem->setChecked(AOnTop);
#ifdef Q_OS_WIN
    if (FSystemMenuInserted)
        InsertCommand();
#endif
}

void TFormMain::CorrectPosition(int& ATop, int& ALeft, const QSize& ASize, const QRect& ADesktop,
                                const std::function<QRect(const QPoint&)>& AWorkAreaNear) {
    // In 64 bits: a stored edge near the largest integer plus the window's size must
    // not wrap around to a place far off the screen. QRect's right() and bottom() are
    // inclusive; the edges are one further.
    qint64 top = ATop, left = ALeft;
    auto pull = [&](const QRect& AArea) {
        const qint64 areaTop = AArea.top(), areaLeft = AArea.left();
        if (top < areaTop)
            top = areaTop;
        if (left < areaLeft)
            left = areaLeft;
        if (areaTop + AArea.height() < top + ASize.height())
            top = areaTop + AArea.height() - ASize.height();
        if (areaLeft + AArea.width() < left + ASize.width())
            left = areaLeft + AArea.width() - ASize.width();
    };
    auto toInt = [](qint64 AValue) {
        return int(std::clamp<qint64>(AValue, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    };
    pull(ADesktop);
    pull(AWorkAreaNear(QPoint(toInt(left), toInt(top))));
    ATop = toInt(top);
    ALeft = toInt(left);
}

void TFormMain::RestorePosition() {
    int top = NoPosition, left = NoPosition;
    {
        TSettingsStore store(SettingsKeys::Program);
        if (store.KeyExists(QStringLiteral("Position"))) {
            top = store.ReadInteger(QStringLiteral("Position"), QStringLiteral("Top"), NoPosition);
            left =
                store.ReadInteger(QStringLiteral("Position"), QStringLiteral("Left"), NoPosition);
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    // Without a screen there is nothing to place the window on.
    if (!screen)
        return;
    if (top == NoPosition || left == NoPosition) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
        return;
    }
    CorrectPosition(top, left, size(), screen->virtualGeometry(), WorkAreaNear);
    move(left, top);
}

void TFormMain::ButtonClick(QAbstractButton* ASender) {
    const int tag = ASender->property(TagProperty).toInt();
    if (tag >= 0) {
        OpenComputations(ASender);
        return;
    }
    const QString name = ASender->objectName();
    if (name == QLatin1String("BHelp")) {
        HelpClick();
    } else if (name == QLatin1String("BFormulas")) {
        TFormStereometricalFormulas sheet(this);
        TakeWindowStyle(&sheet, this);
        sheet.exec();
    } else if (name == QLatin1String("BSettings")) {
        TFormSettings dialog(this);
        TakeWindowStyle(&dialog, this);
        connect(&dialog, &TFormSettings::LanguageChanged, this, &TFormMain::SetLanguage);
        dialog.exec();
    } else if (name == QLatin1String("BAbout")) {
        const QDateTime built = Version::BuildTime();
        TFormAbout window(this, built, 2002, built.date().year(), Maker::ProductId);
        TakeWindowStyle(&window, this);
        window.exec();
    }
}

void TFormMain::OpenComputations(QAbstractButton* ASender) {
    TFormComputations window(this, ASender->property(TagProperty).toInt());
    window.setWindowTitle(ASender->text());
    TakeWindowStyle(&window, this);
    connect(&window, &TFormComputations::HelpRequested, this, &TFormMain::HelpClick);
    window.exec();
}

void TFormMain::HelpClick() {
    const QString language = Languages->ActiveLanguage();
    const QString code = (language == QLatin1String("Czech") || language == QLatin1String("Slovak"))
                             ? QStringLiteral("CS")
                             : QStringLiteral("EN");
    // The guide is RTF; a desktop without a program for RTF (many Linux desktops)
    // gets the same guide as HTML, which every desktop shows. The other form
    // stands in when the preferred one is missing.
    const QString base = QStringLiteral("Help_") + code;
    const bool rtfOpens = DesktopOpensFileType(QStringLiteral("text/rtf")) ||
                          DesktopOpensFileType(QStringLiteral("application/rtf"));
    const QString preferred = base + (rtfOpens ? QStringLiteral(".rtf") : QStringLiteral(".html"));
    const QString other = base + (rtfOpens ? QStringLiteral(".html") : QStringLiteral(".rtf"));
    // The HTML guide shows in the program's own help window where the desktop has
    // no program for it, and in place of an RTF guide that the desktop fails to open.
    const QString html = ProgramDataPath(base + QStringLiteral(".html"));
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    for (const QString& name : {preferred, other}) {
        const QString path = ProgramDataPath(name);
        if (!QFileInfo::exists(path))
            continue;
        if (path == html) {
            ShowDocument(owner, html, QStringLiteral("text/html"),
                         LanguageText(QStringLiteral("TFormMain"), QStringLiteral("BHelp")));
        } else if (!OpenUrl(QUrl::fromLocalFile(path))) {
            if (QFileInfo::exists(html))
                ShowDocument(owner, html, QStringLiteral("text/html"),
                             LanguageText(QStringLiteral("TFormMain"), QStringLiteral("BHelp")));
            else
                ShowErrorMessage(FCannotOpen + QStringLiteral(":\r\n") +
                                 QDir::toNativeSeparators(path));
        }
        return;
    }
    ShowErrorMessage(FFileNotFound + QStringLiteral(":\r\n") + preferred);
}

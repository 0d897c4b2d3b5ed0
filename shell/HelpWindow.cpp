#include "HelpWindow.h"

#include "DesktopServices.h"
#include "LanguageSupport.h"
#include "WindowStyle.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int StartWidth = 640;
constexpr int StartHeight = 620;
constexpr int FindWidth = 160;

QString Text(const char* AKey) {
    return LanguageText(QLatin1String(TFormHelp::Section), QLatin1String(AKey));
}

bool IsPage(const QString& APath) {
    const QString suffix = QFileInfo(APath).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

QToolButton* AddButton(QWidget* AParent, QLayout* ALayout, const char* AName,
                       QStyle::StandardPixmap AIcon) {
    auto* button = new QToolButton(AParent);
    button->setObjectName(QLatin1String(AName));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(AParent->style()->standardIcon(AIcon));
    button->setFocusPolicy(Qt::TabFocus);
    ALayout->addWidget(button);
    return button;
}

} // namespace

TFormHelp::TFormHelp(QWidget* AOwner, const QString& APath, const QString& ACaption)
    : QDialog(AOwner), FPath(APath), FPlain(!IsPage(APath)) {
    setObjectName(QStringLiteral("FormHelp"));
    // Close box only and a fixed size, as every window of the program has.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(ACaption);
    // The texts of the about window and the settings dialog.
    setFont(PixelFont(FontFamilies::MSSansSerif, 11, false));
    setFixedSize(StartWidth, StartHeight);

    // The bar: the computation window's colour, a hairline below it.
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setStyleSheet(QStringLiteral("#ToolBar { background: %1; border-bottom: 1px solid "
                                      "palette(mid); }")
                           .arg(Colours::ComputationBackground.name()));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 4, 6, 4);
    barLayout->setSpacing(4);
    BBack = AddButton(bar, barLayout, "BBack", QStyle::SP_ArrowBack);
    BBack->setShortcut(QKeySequence::Back);
    BForward = AddButton(bar, barLayout, "BForward", QStyle::SP_ArrowForward);
    BForward->setShortcut(QKeySequence::Forward);
    BContents = AddButton(bar, barLayout, "BContents", QStyle::SP_FileDialogListView);
    barLayout->addStretch(1);
    LFind = new QLabel(bar);
    LFind->setObjectName(QStringLiteral("LFind"));
    LFind->setFont(PixelFont(FontFamilies::Arial, 11, true));
    SetTextColor(LFind, Colours::Maroon);
    barLayout->addWidget(LFind);
    EFind = new QLineEdit(bar);
    EFind->setObjectName(QStringLiteral("EFind"));
    EFind->setFixedWidth(FindWidth);
    EFind->setClearButtonEnabled(true);
    LFind->setBuddy(EFind);
    barLayout->addWidget(EFind);
    BFindPrevious = AddButton(bar, barLayout, "BFindPrevious", QStyle::SP_ArrowUp);
    BFindNext = AddButton(bar, barLayout, "BFindNext", QStyle::SP_ArrowDown);
    LNotFound = new QLabel(bar);
    LNotFound->setObjectName(QStringLiteral("LNotFound"));
    SetTextColor(LNotFound, Colours::Maroon);
    LNotFound->hide();
    barLayout->addWidget(LNotFound);

    FBrowser = new QTextBrowser(this);
    FBrowser->setObjectName(QStringLiteral("Browser"));
    FBrowser->setFrameShape(QFrame::NoFrame);
    // Links are followed here, and those that lead out of the documents (a web
    // address, an e-mail) go to the desktop.
    FBrowser->setOpenLinks(false);
    // A plain text in the formula sheets' face, big enough to read; a page sets its own.
    FBrowser->setFont(PixelFont(FontFamilies::Verdana, 13, false));
    FBrowser->document()->setDocumentMargin(10);
    QPalette palette = FBrowser->palette();
    palette.setColor(QPalette::Base, Qt::white);
    FBrowser->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(FBrowser, 1);

    connect(FBrowser, &QTextBrowser::anchorClicked, this, &TFormHelp::AnchorClick);
    connect(FBrowser, &QTextBrowser::backwardAvailable, BBack, &QWidget::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, BForward, &QWidget::setEnabled);
    connect(BBack, &QToolButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(BForward, &QToolButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(BContents, &QToolButton::clicked, this, &TFormHelp::ContentsClick);
    connect(BFindNext, &QToolButton::clicked, this, [this] { Find(EFind->text(), false); });
    connect(BFindPrevious, &QToolButton::clicked, this, [this] { Find(EFind->text(), true); });
    connect(EFind, &QLineEdit::returnPressed, this, [this] { Find(EFind->text(), false); });
    // Found as it is typed: the match grows from where it starts.
    connect(EFind, &QLineEdit::textEdited, this, [this](const QString& AText) {
        QTextCursor cursor = FBrowser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        FBrowser->setTextCursor(cursor);
        Find(AText, false);
    });
    BBack->setEnabled(false);
    BForward->setEnabled(false);

    if (FPlain) {
        // A plain text has neither links nor pages to go back to.
        BBack->hide();
        BForward->hide();
        BContents->hide();
        QFile file(APath);
        if (file.open(QIODevice::ReadOnly))
            FBrowser->setPlainText(QString::fromUtf8(file.readAll()));
    } else {
        FBrowser->setSource(QUrl::fromLocalFile(APath));
    }
    SetLanguage();
    FBrowser->setFocus();
}

void TFormHelp::SetLanguage() {
    BBack->setText(Text("BBack"));
    BForward->setText(Text("BForward"));
    BContents->setText(Text("BContents"));
    LFind->setText(Text("LFind"));
    BFindPrevious->setText(Text("BFindPrevious"));
    BFindNext->setText(Text("BFindNext"));
    LNotFound->setText(Text("sNotFound"));
    // What a screen reader says: the captions; the document by the window's title.
    EFind->setAccessibleName(LFind->text());
    FBrowser->setAccessibleName(windowTitle());
    for (QToolButton* button : {BBack, BForward, BContents, BFindPrevious, BFindNext})
        button->setAccessibleName(button->text());
}

bool TFormHelp::Find(const QString& AText, bool ABackward) {
    LNotFound->hide();
    if (AText.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        ABackward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (FBrowser->find(AText, flags))
        return true;
    QTextCursor cursor = FBrowser->textCursor();
    cursor.movePosition(ABackward ? QTextCursor::End : QTextCursor::Start);
    FBrowser->setTextCursor(cursor);
    if (FBrowser->find(AText, flags))
        return true;
    LNotFound->show();
    return false;
}

void TFormHelp::AnchorClick(const QUrl& AUrl) {
    const QUrl target = FBrowser->source().resolved(AUrl);
    if (target.isLocalFile() && IsPage(target.toLocalFile())) {
        FBrowser->setSource(target);
        return;
    }
    OpenOrReport(target, LanguageText(QStringLiteral("TFormAbout"), QStringLiteral("sCannotOpen")),
                 target.isLocalFile() ? target.toLocalFile() : target.toString());
}

void TFormHelp::ContentsClick() {
    FBrowser->setSource(QUrl::fromLocalFile(FPath));
    FBrowser->verticalScrollBar()->setValue(0);
}

void TFormHelp::keyPressEvent(QKeyEvent* AEvent) {
    if (AEvent->matches(QKeySequence::Find)) {
        EFind->setFocus();
        EFind->selectAll();
        return;
    }
    if (AEvent->matches(QKeySequence::FindNext) || AEvent->matches(QKeySequence::FindPrevious)) {
        Find(EFind->text(), AEvent->matches(QKeySequence::FindPrevious));
        return;
    }
    // Shift+Enter in the find field: the previous occurrence.
    if (EFind->hasFocus() && AEvent->modifiers() == Qt::ShiftModifier &&
        (AEvent->key() == Qt::Key_Return || AEvent->key() == Qt::Key_Enter)) {
        Find(EFind->text(), true);
        return;
    }
    QDialog::keyPressEvent(AEvent);
}

void TFormHelp::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    if (!FPlaced) {
        FPlaced = true;
        PlaceBesideOwner();
    }
}

void TFormHelp::PlaceBesideOwner() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible())
        return;
    const QRect ownerFrame = owner->frameGeometry();
    // The window manager frames this window as it frames the owner.
    const QSize frame = ownerFrame.size() - owner->geometry().size();
    const QRect area = owner->screen()->availableGeometry();
    // A screen lower than the window takes all it can.
    setFixedSize(width(), qMin(height(), area.height() - frame.height()));
    const int outerWidth = width() + frame.width();
    const int outerHeight = height() + frame.height();
    int left = ownerFrame.right() + 1;
    if (left + outerWidth > area.right() + 1)
        left = ownerFrame.left() - outerWidth;
    if (left < area.left())
        left = qMax(area.left(), area.right() + 1 - outerWidth);
    const int top = qBound(area.top(), ownerFrame.top(), area.bottom() + 1 - outerHeight);
    move(left, top);
}

void ShowDocument(QWidget* AOwner, const QString& APath, const QString& AMimeType,
                  const QString& ACaption) {
    if (DesktopOpensFileType(AMimeType) && OpenUrl(QUrl::fromLocalFile(APath)))
        return;
    TFormHelp window(AOwner, APath, ACaption);
    TakeWindowStyle(&window, AOwner);
    window.exec();
}

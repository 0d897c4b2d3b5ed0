// The main window: thirteen solid buttons and four function buttons on a
// picture background; remembers its position and offers always-on-top.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;

class TFormMain : public QWidget {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* AParent = nullptr);
    ~TFormMain() override;

    // (Re)reads every text of the window from the active language file.
    void SetLanguage();
    // The help button's action: opens the help file of the active language.
    void HelpClick();

    bool AlwaysOnTop() const;
    void SetAlwaysOnTop(bool AOnTop);

    // Moves a stored position (ATop, ALeft) of a window of ASize inside the
    // desktop and then inside the work area that AWorkAreaNear gives for
    // the corrected point.
    static void CorrectPosition(int& ATop, int& ALeft, const QSize& ASize, const QRect& ADesktop,
                                const std::function<QRect(const QPoint&)>& AWorkAreaNear);

    static constexpr int AlwaysOnTopCommand = 1000;
    static constexpr int NoPosition = 2147483647;

protected:
    // The first showing brings the whole frame onto the screen (and on Windows puts
    // the always-on-top item into the window's system menu).
    void showEvent(QShowEvent* AEvent) override;
#ifdef Q_OS_WIN
    // The always-on-top item lives in the window's system menu.
    bool nativeEvent(const QByteArray& AEventType, void* AMessage, qintptr* AResult) override;
#else
    // Elsewhere the same item is in the window's context menu.
    void contextMenuEvent(QContextMenuEvent* AEvent) override;
#endif

private:
    QAbstractButton* AddButton(const char* AName, int ALeft, int ATop, int AWidth, int ATag);
    QLabel* AddIcon(const char* AName, const char* AResource, int ALeft, int ATop);
    void RestorePosition();
    // The stored position was corrected for the client area; once the window
    // manager has framed the window, the frame is kept on the screen too.
    void KeepFrameOnScreen();
    void ButtonClick(QAbstractButton* ASender);
    void OpenComputations(QAbstractButton* ASender);
#ifdef Q_OS_WIN
    void InsertCommand();
    bool FSystemMenuInserted = false;
#endif

    bool FFrameKept = false;
    QLabel* ImgBackground448 = nullptr;
    QLabel* ImgBackground1024 = nullptr;
    QMenu* FSystemMenu = nullptr;
    QAction* FAlwaysOnTopItem = nullptr;
    QString FFileNotFound;
    QString FCannotOpen;
};

// The lock file that marks a running Kavorin (where Windows' named mutex is not at
// hand): in the user's own runtime folder (private to the user), never in a folder
// every user of the machine shares. Empty when the platform has no such folder.
QString InstanceLockPath();

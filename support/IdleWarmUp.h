// The first opening of a window in a process pays for what no window has needed
// before: a font family's first load (the font database's match, fontconfig's
// fallback query, FreeType's face) and a picture's first rendering. The idle warm-up
// does that work ahead, in small steps while the main window idles after its first
// paint: one step per pass of the event loop, so input is never held up by more than
// one step, and start-up itself does no more than before.
//
// A window joins with one line beside its class, naming what its first opening needs:
//
//   static const bool WarmedUp = RegisterWarmUp([] {
//       return TWarmUpSteps{WarmUpFont(FontFamilies::Verdana, 12, false),
//                           WarmUpPicture("GIF_DRAFT", "CUBE")};
//   });
//
// The steps only fill caches (fonts, the pixmap cache): nothing a window draws changes.
#pragma once

#include <QFont>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

using TWarmUpStep = std::function<void()>;
using TWarmUpSteps = std::vector<TWarmUpStep>;

// Adds the steps AMakeSteps gives (asked for when the warm-up starts, once the
// application exists) to the warm-up of every program run. Returns true, so that the
// registration can initialise a static.
bool RegisterWarmUp(std::function<TWarmUpSteps()> AMakeSteps);

// Every registered window's steps, in the order of registration.
TWarmUpSteps RegisteredWarmUpSteps();

// A step that loads a font: its metrics and a glyph drawn into a small image.
TWarmUpStep WarmUpFont(const QFont& AFont);
// The same for the windows' PixelFont(AFamily, APixelSize, ABold).
TWarmUpStep WarmUpFont(const QString& AFamily, int APixelSize, bool ABold);

// A step that renders a picture as the windows load it, at ASize (its natural size when
// empty), into the pixmap cache. A picture that cannot be had is left to the window.
TWarmUpStep WarmUpPicture(const QString& AResourceType, const QString& AResourceName,
                          QSize ASize = QSize());

// A step that renders the shared icon of a picture (LoadResourceIcon) at its natural size.
TWarmUpStep WarmUpIcon(const QString& AResourceType, const QString& AResourceName);

// A step that makes a widget as AMake gives it (never shown), draws it into an image and
// deletes it: the first drawing of a kind of control (the style's code and pixmaps, its
// text) is then done.
TWarmUpStep WarmUpWidget(std::function<QWidget*()> AMake);

// Runs its steps in order, one per pass of the event loop. It stops, with its steps
// left undone, when the application is about to quit, when a window other than
// AMainWindow is shown (that window has paid for its own opening; what is left would
// only compete with it), or when it is destroyed.
class TIdleWarmUp : public QObject {
public:
    TIdleWarmUp(TWarmUpSteps ASteps, QWidget* AMainWindow, QObject* AParent = nullptr);

    void Start();
    void Stop();
    bool Running() const { return FTimer.isActive(); }
    // How many steps have been run.
    int Done() const { return FNext; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void RunOne();

    TWarmUpSteps FSteps;
    QWidget* FMainWindow;
    QTimer FTimer;
    int FNext = 0;
};

// The program's warm-up: once AMainWindow has been painted for the first time, the
// registered steps run while it idles. The warm-up belongs to AMainWindow.
void StartIdleWarmUp(QWidget* AMainWindow);

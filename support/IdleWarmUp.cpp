#include "IdleWarmUp.h"

#include "ResourceLoading.h"
#include "WindowStyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <exception>
#include <memory>

namespace {

std::vector<std::function<TWarmUpSteps()>>& Registered() {
    static std::vector<std::function<TWarmUpSteps()>> registered;
    return registered;
}

// Starts the warm-up at the main window's first paint, once that paint is done.
class TWarmUpAfterFirstPaint : public QObject {
public:
    explicit TWarmUpAfterFirstPaint(QWidget* AMainWindow)
        : QObject(AMainWindow), FMainWindow(AMainWindow) {}

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AWatched == FMainWindow && AEvent->type() == QEvent::Paint) {
            FMainWindow->removeEventFilter(this);
            auto* warmUp = new TIdleWarmUp(RegisteredWarmUpSteps(), FMainWindow, FMainWindow);
            warmUp->Start();
            deleteLater();
        }
        return false;
    }

private:
    QWidget* FMainWindow;
};

} // namespace

bool RegisterWarmUp(std::function<TWarmUpSteps()> AMakeSteps) {
    Registered().push_back(std::move(AMakeSteps));
    return true;
}

TWarmUpSteps RegisteredWarmUpSteps() {
    TWarmUpSteps steps;
    for (const auto& make : Registered())
        for (TWarmUpStep& step : make())
            steps.push_back(std::move(step));
    return steps;
}

TWarmUpStep WarmUpFont(const QFont& AFont) {
    return [AFont] {
        const QFontMetrics metrics(AFont);
        QImage image(metrics.height() + 1, metrics.height() + 1,
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(AFont);
        painter.drawText(0, metrics.ascent(), QStringLiteral("0"));
    };
}

TWarmUpStep WarmUpFont(const QString& AFamily, int APixelSize, bool ABold) {
    return WarmUpFont(PixelFont(AFamily, APixelSize, ABold));
}

TWarmUpStep WarmUpPicture(const QString& AResourceType, const QString& AResourceName, QSize ASize) {
    return [=] { (void)LoadResourcePixmap(AResourceType, AResourceName, ASize); };
}

TWarmUpStep WarmUpIcon(const QString& AResourceType, const QString& AResourceName) {
    return [=] {
        (void)LoadResourceIcon(AResourceType, AResourceName)
            .pixmap(ResourceSize(AResourceType, AResourceName));
    };
}

TWarmUpStep WarmUpWidget(std::function<QWidget*()> AMake) {
    return [AMake] {
        const std::unique_ptr<QWidget> widget(AMake());
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        widget->render(&image);
    };
}

TIdleWarmUp::TIdleWarmUp(TWarmUpSteps ASteps, QWidget* AMainWindow, QObject* AParent)
    : QObject(AParent), FSteps(std::move(ASteps)), FMainWindow(AMainWindow) {
    // A zero-interval timer fires once the event loop has nothing else to do, and
    // again after every pass: one step at a time with input handled in between.
    FTimer.setInterval(0);
    connect(&FTimer, &QTimer::timeout, this, &TIdleWarmUp::RunOne);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TIdleWarmUp::Stop);
}

void TIdleWarmUp::Start() {
    if (FNext >= int(FSteps.size()))
        return;
    qApp->installEventFilter(this);
    FTimer.start();
}

void TIdleWarmUp::Stop() {
    FTimer.stop();
    qApp->removeEventFilter(this);
}

bool TIdleWarmUp::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AEvent->type() == QEvent::Show && AWatched->isWidgetType() && AWatched != FMainWindow) {
        const auto* widget = static_cast<const QWidget*>(AWatched);
        const Qt::WindowType type = widget->windowType();
        // Tool-tips and menus are no windows of their own: they come and go while the
        // main window idles.
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            Stop();
    }
    return false;
}

void TIdleWarmUp::RunOne() {
    if (FNext >= int(FSteps.size())) {
        Stop();
        return;
    }
    const TWarmUpStep& step = FSteps[size_t(FNext++)];
    try {
        step();
    } catch (const std::exception&) {
        // Only a cache goes unfilled: the window meets the fault itself and reports it.
    }
    if (FNext >= int(FSteps.size()))
        Stop();
}

void StartIdleWarmUp(QWidget* AMainWindow) {
    AMainWindow->installEventFilter(new TWarmUpAfterFirstPaint(AMainWindow));
}

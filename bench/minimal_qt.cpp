// The floor that any Qt Widgets program pays at start-up: one window with one
// button. bench/startup.sh starts it beside Kavorin; with KAVORIN_QUIT_AFTER_SHOW=1
// it quits once its window has been painted, as Kavorin does.
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

// Quits the application after the window's first paint.
class TQuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::Paint) {
            AWatched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(448, 336);
    QPushButton button(QStringLiteral("Button"), &window);
    button.move(20, 20);
    TQuitAfterPaint quit;
    if (qEnvironmentVariableIntValue("KAVORIN_QUIT_AFTER_SHOW") == 1)
        window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

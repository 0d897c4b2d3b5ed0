// Opening and closing windows again and again leaves nothing behind: no widget, no
// object, and nothing that keys a cache afresh each time (the style's pixmap cache
// knows drawings by their palette and icon pixmaps by their own keys).
#include "AppTestEnvironment.h"
#include "Application.h"
#include "MainWindow.h"
#include "ResourceLoading.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>
#include <utility>

namespace {

// Below the program's style: notes the palette of every drawing, as the pixmap
// cache would key it.
class TPaletteRecorder : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    mutable QSet<qint64> Keys;
    mutable QPalette::ColorGroup LastGroup = QPalette::NColorGroups;

    void drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption, QPainter* APainter,
                       const QWidget* AWidget) const override {
        Note(AOption);
        QProxyStyle::drawPrimitive(AElement, AOption, APainter, AWidget);
    }
    void drawControl(ControlElement AElement, const QStyleOption* AOption, QPainter* APainter,
                     const QWidget* AWidget) const override {
        Note(AOption);
        QProxyStyle::drawControl(AElement, AOption, APainter, AWidget);
    }
    void drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption,
                            QPainter* APainter, const QWidget* AWidget) const override {
        Note(AOption);
        QProxyStyle::drawComplexControl(AControl, AOption, APainter, AWidget);
    }

private:
    void Note(const QStyleOption* AOption) const {
        if (!AOption)
            return;
        Keys.insert(AOption->palette.cacheKey());
        LastGroup = AOption->palette.currentColorGroup();
    }
};

// Every object reachable from the application: its children, every top-level
// widget and every window, with all their descendants.
int LiveObjects() {
    QSet<const QObject*> seen;
    auto add = [&seen](const QObject* AObject) {
        seen.insert(AObject);
        for (const QObject* child : AObject->findChildren<QObject*>())
            seen.insert(child);
    };
    add(qApp);
    for (const QWidget* widget : QApplication::topLevelWidgets())
        add(widget);
    for (const QWindow* window : QGuiApplication::allWindows())
        add(window);
    return int(seen.size());
}

struct TCounts {
    int Widgets = 0;
    int Objects = 0;
    int Windows = 0;
    bool operator==(const TCounts& AOther) const {
        return Widgets == AOther.Widgets && Objects == AOther.Objects && Windows == AOther.Windows;
    }
};

TCounts Count() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {int(QApplication::allWidgets().size()), LiveObjects(),
            int(QGuiApplication::allWindows().size())};
}

char* Describe(const TCounts& ACounts) {
    return QTest::toString(QStringLiteral("%1 widgets, %2 objects, %3 windows")
                               .arg(ACounts.Widgets)
                               .arg(ACounts.Objects)
                               .arg(ACounts.Windows));
}

} // namespace

namespace QTest {
template <> char* toString(const TCounts& ACounts) {
    return Describe(ACounts);
}
} // namespace QTest

class TestWindowLifetimes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void computationWindowsLeaveNothingBehind_data();
    void computationWindowsLeaveNothingBehind();
    void iconsAreMadeOnce();
    void equalPalettesDrawAsOne();

private:
    // Clicks the button; once the window it opens is up and drawn, with its side
    // windows, Escape closes it.
    void OpenAndClose(QAbstractButton* AButton);

    GuiTest::TAppTestEnvironment Environment;
    TPaletteRecorder* FRecorder = nullptr;
};

void TestWindowLifetimes::initTestCase() {
    FRecorder = new TPaletteRecorder(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setStyle(new TKavorinStyle(FRecorder));
}

void TestWindowLifetimes::OpenAndClose(QAbstractButton* AButton) {
    bool closed = false;
    bool settled = false;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        // What the showing posted (the side windows' places, the activation) is
        // handled first, so that every opening is drawn in the same state.
        if (!settled) {
            settled = true;
            return;
        }
        closer.stop();
        // Everything on the screen is drawn once, the side windows included.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                widget->grab();
        QTest::keyClick(modal, Qt::Key_Escape);
        closed = !modal->isVisible();
    });
    closer.start();
    AButton->click();
    QVERIFY(closed);
}

void TestWindowLifetimes::computationWindowsLeaveNothingBehind_data() {
    QTest::addColumn<QString>("button");
    for (const char* name : {"BCube", "BBlock", "BSphere", "BCone", "BCylinder", "BPyramid",
                             "BPrism", "BTruncatedCone", "BTruncatedPyramid", "BCylindricalTank",
                             "BSphericalSegment", "BSphericalSector", "BSphericalFrustum"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Each solid's window, opened from the main window and closed with Escape many
// times (with its draft and both side windows, as the settings have it at first):
// the widgets, the objects and the palettes drawn come back to where they were.
void TestWindowLifetimes::computationWindowsLeaveNothingBehind() {
    QFETCH(QString, button);
    Environment.Settings().Clear();
    TFormMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* solid = main.findChild<QAbstractButton*>(button);
    QVERIFY(solid);
    // The first openings create what lives on (fonts, the style's palettes).
    for (int i = 0; i < 2; ++i)
        OpenAndClose(solid);
    const TCounts before = Count();
    const QSet<qint64> palettesBefore = FRecorder->Keys;
    for (int i = 0; i < 12; ++i)
        OpenAndClose(solid);
    QCOMPARE(Count(), before);
    QCOMPARE(FRecorder->Keys.size(), palettesBefore.size());
}

void TestWindowLifetimes::iconsAreMadeOnce() {
    const QIcon first = LoadResourceIcon(QStringLiteral("BITMAP"), QStringLiteral("BTN_DRAFT"));
    const QIcon again = LoadResourceIcon(QStringLiteral("bitmap"), QStringLiteral("btn_draft"));
    QCOMPARE(again.cacheKey(), first.cacheKey());
    // The pictures derived from it, such as the disabled look, are the same too.
    QCOMPARE(again.pixmap(QSize(16, 16), QIcon::Disabled).cacheKey(),
             first.pixmap(QSize(16, 16), QIcon::Disabled).cacheKey());
    const QIcon other = LoadResourceIcon(QStringLiteral("BITMAP"), QStringLiteral("BTN_FORMULAS"));
    QVERIFY(other.cacheKey() != first.cacheKey());
}

// Two windows with the same colours of their own have palettes with different keys;
// the style draws both with one, keeping each drawing's colour group, and gives the
// option its own palette back.
void TestWindowLifetimes::equalPalettesDrawAsOne() {
    auto window = [](const QColor& AColor) {
        auto* widget = new QWidget;
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, AColor);
        widget->setPalette(palette);
        return widget;
    };
    std::unique_ptr<QWidget> first(window(QColor(245, 243, 239)));
    std::unique_ptr<QWidget> second(window(QColor(245, 243, 239)));
    std::unique_ptr<QWidget> other(window(Qt::white));
    QVERIFY(first->palette().cacheKey() != second->palette().cacheKey());

    TPaletteRecorder* recorder =
        new TPaletteRecorder(QStyleFactory::create(QStringLiteral("Fusion")));
    TKavorinStyle style(recorder);
    QImage canvas(40, 40, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    auto draw = [&](QWidget* AWidget, QPalette::ColorGroup AGroup) {
        QStyleOptionButton option;
        option.initFrom(AWidget);
        option.rect = QRect(0, 0, 30, 20);
        option.palette.setCurrentColorGroup(AGroup);
        const qint64 own = option.palette.cacheKey();
        recorder->Keys.clear();
        style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, AWidget);
        const bool restored = option.palette.cacheKey() == own;
        return std::make_pair(recorder->Keys, restored);
    };
    const auto [drawnFirst, firstRestored] = draw(first.get(), QPalette::Active);
    QVERIFY(firstRestored);
    QCOMPARE(recorder->LastGroup, QPalette::Active);
    const auto [drawnSecond, secondRestored] = draw(second.get(), QPalette::Inactive);
    QCOMPARE(drawnSecond, drawnFirst);
    QVERIFY(secondRestored);
    QCOMPARE(recorder->LastGroup, QPalette::Inactive);
    QVERIFY(draw(other.get(), QPalette::Active).first != drawnFirst);
}

QTEST_MAIN(TestWindowLifetimes)
#include "tst_WindowLifetimes.moc"

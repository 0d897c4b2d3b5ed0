// The formula window: the small side window above the computation window that
// shows the solid's formula picture.
#include "AppTestEnvironment.h"
#include "Formulas.h"
#include "ResourceLoading.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

bool IsWhite(QRgb APixel) {
    return qRed(APixel) == 255 && qGreen(APixel) == 255 && qBlue(APixel) == 255;
}

// The smallest rectangle holding every pixel of AImage that is not white.
QRect InkBounds(const QImage& AImage) {
    QRect bounds;
    for (int y = 0; y < AImage.height(); ++y)
        for (int x = 0; x < AImage.width(); ++x)
            if (!IsWhite(AImage.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestFormulaWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void formulaWindowStartsSmall();
    void formulaWindowFitsPicture_data();
    void formulaWindowFitsPicture();
    void narrowPictureIsCentredInMinimumWidth();
    void emptyNameClearsPicture();
    void missingPictureChangesNothing();
    void minimumWidthRaisesAtOnce();
    void formulaWindowSnapsBack();
    void formulaWindowReportsClose();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestFormulaWindow::init() {
    Environment.Settings().Clear();
}

void TestFormulaWindow::formulaWindowStartsSmall() {
    QWidget owner;
    TFormFormulas window(&owner);
    QCOMPARE(window.size(), QSize(260, 70));
    QVERIFY(window.isWindow());
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("Formulas"));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window.FormulasImage()->objectName(), QStringLiteral("FormulasImage"));
    QVERIFY(window.FormulasImage()->pixmap().isNull());

    TFormFormulas wide(&owner, 390);
    QCOMPARE(wide.size(), QSize(390, 70));
}

void TestFormulaWindow::formulaWindowFitsPicture_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<QString>("picture");
    QTest::newRow("no minimum") << 0 << QStringLiteral("CUBE");
    QTest::newRow("wider than minimum") << 390 << QStringLiteral("TRUNCATEDPYRAMID_RECTANGLE");
    QTest::newRow("narrower than minimum") << 390 << QStringLiteral("PYRAMID_GENERAL");
    QTest::newRow("lower-case name") << 0 << QStringLiteral("cylindricaltank");
}

void TestFormulaWindow::formulaWindowFitsPicture() {
    QFETCH(int, minimum);
    QFETCH(QString, picture);
    const QSize natural = ResourceSize(QStringLiteral("GIF_FORMULA"), picture);
    QWidget owner;
    TFormFormulas window(&owner, minimum);
    window.ShowPicture(picture);
    QCOMPARE(window.size(), QSize(qMax(natural.width() + 30, minimum), natural.height() + 30));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.FormulasImage()->geometry(), window.rect());
    QCOMPARE(window.FormulasImage()->alignment(), Qt::AlignCenter);
    QVERIFY(!window.FormulasImage()->pixmap().isNull());
    QCOMPARE(window.FormulasImage()->pixmap().deviceIndependentSize().toSize(), natural);

    // From one picture to the next the window follows.
    const QSize cube = ResourceSize(QStringLiteral("GIF_FORMULA"), QStringLiteral("CUBE"));
    window.ShowPicture(QStringLiteral("CUBE"));
    QCOMPARE(window.size(), QSize(qMax(cube.width() + 30, minimum), cube.height() + 30));
}

void TestFormulaWindow::narrowPictureIsCentredInMinimumWidth() {
    const QSize cube = ResourceSize(QStringLiteral("GIF_FORMULA"), QStringLiteral("CUBE"));
    QVERIFY(cube.width() + 30 < 390);
    QWidget owner;
    TFormFormulas window(&owner, 390);
    window.ShowPicture(QStringLiteral("CUBE"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage().scaled(window.size());
    const QRect ink = InkBounds(shot);
    QVERIFY(!ink.isEmpty());
    // The picture's own area lies in the middle of the 390 pixels wide client area.
    const QRect pictureArea(QPoint((390 - cube.width()) / 2, 15), cube);
    QVERIFY2(pictureArea.adjusted(-1, -1, 1, 1).contains(ink),
             qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())));
    QVERIFY(ink.width() > cube.width() / 2); // the picture is there, not a speck
}

void TestFormulaWindow::emptyNameClearsPicture() {
    QWidget owner;
    TFormFormulas window(&owner, 390);
    window.ShowPicture(QStringLiteral("SPHERE"));
    const QSize size = window.size();
    window.ShowPicture(QString());
    QVERIFY(window.FormulasImage()->pixmap().isNull());
    QCOMPARE(window.size(), size);
}

void TestFormulaWindow::missingPictureChangesNothing() {
    QWidget owner;
    TFormFormulas window(&owner);
    window.ShowPicture(QStringLiteral("SPHERE"));
    const QImage before = window.FormulasImage()->pixmap().toImage();
    const QSize size = window.size();
    QVERIFY_THROWS_EXCEPTION(EResourceNotFound, window.ShowPicture(QStringLiteral("NO_SUCH")));
    QCOMPARE(window.size(), size);
    QCOMPARE(window.FormulasImage()->pixmap().toImage(), before);
}

void TestFormulaWindow::minimumWidthRaisesAtOnce() {
    const QSize block =
        ResourceSize(QStringLiteral("GIF_FORMULA"), QStringLiteral("BLOCK")) + QSize(30, 30);
    QVERIFY(block.width() < 390);
    QWidget owner;
    TFormFormulas window(&owner);
    window.ShowPicture(QStringLiteral("BLOCK"));
    QCOMPARE(window.size(), block);
    window.SetMinimumClientWidth(390);
    QCOMPARE(window.size(), QSize(390, block.height()));
    QCOMPARE(window.FormulasImage()->geometry(), window.rect());
    window.SetMinimumClientWidth(0);
    QCOMPARE(window.size(), QSize(390, block.height())); // lowering it does not shrink the window
    window.ShowPicture(QStringLiteral("BLOCK"));
    QCOMPARE(window.size(), block);
}

void TestFormulaWindow::formulaWindowSnapsBack() {
    QWidget owner;
    TFormFormulas window(&owner, 390);
    window.ShowPicture(QStringLiteral("CONE"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.PlaceAt(QPoint(120, 80));
    QTRY_COMPARE(window.pos(), QPoint(120, 80));
    window.move(400, 300); // as a drag by the user would
    QTRY_COMPARE(window.pos(), QPoint(120, 80));
    // The owner places it anew: it stays at the new place.
    window.PlaceAt(QPoint(50, 60));
    QTRY_COMPARE(window.pos(), QPoint(50, 60));
    QTest::qWait(20);
    QCOMPARE(window.pos(), QPoint(50, 60));
}

void TestFormulaWindow::formulaWindowReportsClose() {
    QWidget owner;
    auto* window = new TFormFormulas(&owner);
    QPointer<TFormFormulas> guard(window);
    QSignalSpy closed(window, &TFormFormulas::Closed);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->close());
    QCOMPARE(closed.count(), 1);
    // The owner decides when it goes.
    QVERIFY(guard);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestFormulaWindow)
#include "tst_FormulaWindow.moc"

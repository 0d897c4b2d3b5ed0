// The view of the drawing to scale as the user drives it: dragging turns the
// figure, the wheel zooms, a double-click returns to the first view; what a
// screen reader hears follows the figure and the language; copying and saving,
// a failed save reported in an error box.
#include "FigureView.h"
#include "GuiTestFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TFigureDrawing Cone(Extended ARadius, Extended AHeight) {
    TEntryValues values;
    values.Set(enCone_R, ARadius);
    values.Set(enCone_V, AHeight);
    return TFigureDrawing::Calculate(vaCone, values);
}

void Wheel(QWidget* AWidget, int ADelta) {
    const QPointF at(AWidget->width() / 2.0, AWidget->height() / 2.0);
    QWheelEvent event(at, AWidget->mapToGlobal(at), QPoint(), QPoint(0, ADelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(AWidget, &event);
}

} // namespace

class TestFigureView : public QObject {
    Q_OBJECT

private:
    GuiTest::TSettingsSandbox Sandbox;

private slots:
    void dragWheelAndDoubleClick() {
        GuiTest::TLanguageSandbox texts;
        TFigureView view;
        view.resize(TFigureView::PanelWidth, TFigureView::PanelHeight);
        view.SetDrawing(Cone(3, 4));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy changed(&view, &TFigureView::ViewChanged);

        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(&view, QPoint(150, 80));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(150, 80));
        // Right turns the figure's right side to the front; up looks from lower down.
        QCOMPARE_LT(view.View().Yaw, TViewAngles::DefaultYaw);
        QCOMPARE_LT(view.View().Pitch, TViewAngles::DefaultPitch);
        QVERIFY(changed.count() >= 1);

        Wheel(&view, 120);
        QCOMPARE_GT(view.View().Zoom, 1.0);
        const double zoomed = view.View().Zoom;
        Wheel(&view, -240);
        QCOMPARE_LT(view.View().Zoom, zoomed);
        // Far past its bounds the zoom stops.
        for (int i = 0; i < 60; ++i)
            Wheel(&view, 120);
        QCOMPARE(view.View().Zoom, 8.0);

        QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(view.View() == TViewAngles());

        // The pitch stops short of looking straight down.
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
        QTest::mouseMove(&view, QPoint(100, 300));
        QTest::mouseMove(&view, QPoint(100, 310));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 310));
        QCOMPARE(view.View().Pitch, 1.5);
    }

    void keys() {
        TFigureView view;
        view.SetDrawing(Cone(3, 4));
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE_GT(view.View().Yaw, TViewAngles::DefaultYaw);
        QTest::keyClick(&view, Qt::Key_Plus);
        QCOMPARE_GT(view.View().Zoom, 1.0);
        QTest::keyClick(&view, Qt::Key_Home);
        QVERIFY(view.View() == TViewAngles());
    }

    // What a screen reader hears: the figure, and how to drive the view, in the
    // language chosen; nothing while there is no figure.
    void accessibleTexts() {
        TFigureView view;
        view.resize(TFigureView::PanelWidth, TFigureView::PanelHeight);
        {
            GuiTest::TLanguageSandbox texts(QStringLiteral("Czech"));
            view.SetDrawing(Cone(3, 4));
            QCOMPARE(view.accessibleName(),
                     QStringLiteral("Kužel, poloměr podstavy 3, výška 4, nakresleno v měřítku"));
            QVERIFY(view.accessibleDescription().startsWith(QStringLiteral("Tažením")));
        }
        GuiTest::TLanguageSandbox texts;
        view.SetLanguage();
        QCOMPARE(view.accessibleName(),
                 QStringLiteral("Cone, radius of base 3, height 4, drawn to scale"));
        view.SetDrawing(Cone(0.001, 100));
        QVERIFY(view.accessibleName().endsWith(QStringLiteral("not to scale")));
        view.SetDrawing(TFigureDrawing());
        QVERIFY(!view.HasFigure());
        QVERIFY(view.accessibleName().isEmpty());
    }

    // The copy holds a picture of the view's pixels and the SVG drawing.
    void copyToClipboard() {
        GuiTest::TLanguageSandbox texts;
        TFigureView view;
        view.resize(200, 150);
        view.SetDrawing(Cone(3, 4));
        view.CopyToClipboard();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QVERIFY(data->hasImage());
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(200, 150) * view.devicePixelRatioF());
        QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    }

    void saveToFile() {
        GuiTest::TLanguageSandbox texts;
        GuiTest::TModalWatcher watcher;
        QTemporaryDir folder;
        TFigureView view;
        view.resize(200, 150);
        view.SetDrawing(Cone(3, 4));
        QVERIFY(view.SaveToFile(folder.filePath(QStringLiteral("cone.svg"))));
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("cone.svg"))));
        QVERIFY(watcher.Seen().isEmpty());

        watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
        const QString bad = folder.filePath(QStringLiteral("missing/cone.png"));
        QVERIFY(!view.SaveToFile(bad));
        QCOMPARE(watcher.Seen().size(), 1);
        QCOMPARE(watcher.Seen().value(0).Icon, QMessageBox::Critical);
        QVERIFY(watcher.Seen().value(0).Text.contains(QDir::toNativeSeparators(bad)));
        QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
    }
};

QTEST_MAIN(TestFigureView)
#include "tst_FigureView.moc"

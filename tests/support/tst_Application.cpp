// The program's style: a control with the focus shows it, also when the focus did
// not come by keyboard (a window opens with the focus on a control). The application
// keeps a dialog centred over its owner on the screen.
#include "Application.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

using TMakeControl = std::function<QWidget*(QWidget*)>;
Q_DECLARE_METATYPE(TMakeControl)

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void focusIsShown_data();
    void focusIsShown();
    void dialogStaysOnScreen_data();
    void dialogStaysOnScreen();
};

void TestApplication::initTestCase() {
    // Over Fusion, the style of Linux desktops without a theme of their own, which
    // shows the focus only after a Tab.
    QApplication::setStyle(new TKavorinStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

void TestApplication::focusIsShown_data() {
    QTest::addColumn<TMakeControl>("make");
    // The variant controls of the computation window: buttons whose captions are
    // labels of their own, and the base lists.
    QTest::newRow("radio button without text")
        << TMakeControl([](QWidget* AParent) { return new QRadioButton(AParent); });
    QTest::newRow("check box without text")
        << TMakeControl([](QWidget* AParent) { return new QCheckBox(AParent); });
    QTest::newRow("check box with text") << TMakeControl(
        [](QWidget* AParent) { return new QCheckBox(QStringLiteral("Formulas"), AParent); });
    // The main window's buttons, the dialogs' buttons.
    QTest::newRow("raised tool button") << TMakeControl([](QWidget* AParent) {
        auto* button = new QToolButton(AParent);
        button->setText(QStringLiteral("Cube"));
        button->setAutoRaise(true);
        return button;
    });
    QTest::newRow("push button") << TMakeControl(
        [](QWidget* AParent) { return new QPushButton(QStringLiteral("OK"), AParent); });
    QTest::newRow("empty list") << TMakeControl([](QWidget* AParent) {
        auto* list = new QComboBox(AParent);
        list->addItems({QStringLiteral("square"), QStringLiteral("rectangle")});
        list->setCurrentIndex(-1);
        list->setPlaceholderText(QStringLiteral("Choose a base…"));
        return list;
    });
}

// The control drawn with the focus differs from the control drawn without it by at
// least a frame's worth of pixels.
void TestApplication::focusIsShown() {
    QFETCH(TMakeControl, make);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QWidget* control = make(&window);
    control->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(control);
    auto* other = new QPushButton(QStringLiteral("other"), &window);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    const QImage without = control->grab().toImage();
    control->setFocus();
    QTRY_VERIFY(control->hasFocus());
    QVERIFY(!window.testAttribute(Qt::WA_KeyboardFocusChange));
    const QImage with = control->grab().toImage();
    QCOMPARE(with.size(), without.size());
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            changed += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
    QVERIFY2(changed >= 16, qPrintable(QString::number(changed)));
}

void TestApplication::dialogStaysOnScreen_data() {
    // Where the owner's frame touches the work area (the owner itself lies inside).
    QTest::addColumn<Qt::Edges>("edges");
    QTest::newRow("right") << Qt::Edges(Qt::RightEdge);
    QTest::newRow("bottom") << Qt::Edges(Qt::BottomEdge);
    QTest::newRow("bottom right") << (Qt::RightEdge | Qt::BottomEdge);
    QTest::newRow("top left") << (Qt::TopEdge | Qt::LeftEdge);
}

// A dialog wider and taller than its owner, shown twice (Qt centres it each time).
void TestApplication::dialogStaysOnScreen() {
    QFETCH(Qt::Edges, edges);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.resize(200, 120);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QSize frame = owner.frameGeometry().size();
    QPoint place(area.left() + 100, area.top() + 100);
    if (edges & Qt::RightEdge)
        place.setX(area.left() + area.width() - frame.width());
    if (edges & Qt::BottomEdge)
        place.setY(area.top() + area.height() - frame.height());
    if (edges & Qt::LeftEdge)
        place.setX(area.left());
    if (edges & Qt::TopEdge)
        place.setY(area.top());
    owner.move(place);
    QTRY_COMPARE(owner.frameGeometry().topLeft(), place);

    QDialog dialog(&owner);
    dialog.setFixedSize(400, 260);
    for (int showing = 0; showing < 2; ++showing) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY2(area.contains(dialog.frameGeometry()),
                 qPrintable(QStringLiteral("showing %1: %2,%3 %4x%5")
                                .arg(showing)
                                .arg(dialog.frameGeometry().x())
                                .arg(dialog.frameGeometry().y())
                                .arg(dialog.frameGeometry().width())
                                .arg(dialog.frameGeometry().height())));
        // Still centred on the owner along the edges it keeps away from.
        if (!(edges & (Qt::LeftEdge | Qt::RightEdge)))
            QVERIFY(qAbs(dialog.geometry().center().x() - owner.geometry().center().x()) <= 1);
        dialog.hide();
    }
}

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Application.moc"

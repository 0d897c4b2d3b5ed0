#include "LabeledEdit.h"

#include <QLabel>
#include <QtTest>

class TestLabeledEdit : public QObject {
    Q_OBJECT
private slots:
    void labelFollowsEdit();
};

void TestLabeledEdit::labelFollowsEdit() {
    QWidget page;
    auto* edit = new TLabeledEdit(&page, QStringLiteral("Cube_A"));
    edit->setGeometry(134, 128, 121, 21);
    edit->SetLabelText(QStringLiteral("Side"));
    page.show();
    QLabel* label = edit->EditLabel();
    QCOMPARE(label->parentWidget(), &page);
    QCOMPARE(label->x(), 134);
    QCOMPARE(label->y() + label->height() + TLabeledEdit::LabelSpacing, 128);

    edit->move(20, 60);
    QCOMPARE(label->pos(), QPoint(20, 60 - label->height() - TLabeledEdit::LabelSpacing));

    edit->hide();
    QVERIFY(!label->isVisible());
    edit->show();
    QVERIFY(label->isVisible());
}

QTEST_MAIN(TestLabeledEdit)
#include "tst_LabeledEdit.moc"

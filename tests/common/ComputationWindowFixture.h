// A computation window opened for a test as the main window opens it, and the
// ways a test reads it and works its controls as the user does.
#pragma once

#include "Computations.h"
#include "LabeledEdit.h"
#include "SolidPages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

struct TOpenWindow {
    explicit TOpenWindow(int APage) : Window(std::make_unique<TFormComputations>(nullptr, APage)) {
        Window->show();
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    }
    template <class T = QWidget> T* Control(const QString& AName) const {
        return Window->findChild<T*>(AName);
    }
    QLineEdit* Entry(const QString& AName) const { return Control<QLineEdit>(AName); }
    QString Caption(const QString& AName) const {
        return static_cast<TLabeledEdit*>(Entry(AName))->EditLabel()->text();
    }
    QString Volume() const { return Control<QLabel>(QStringLiteral("ResultVolume"))->text(); }
    QString Area() const { return Control<QLabel>(QStringLiteral("ResultArea"))->text(); }
    // Picks an item as the user does: the list's activation runs the handler.
    void Choose(const QString& AList, int AIndex) const {
        auto* list = Control<QComboBox>(AList);
        QVERIFY(list);
        list->setCurrentIndex(AIndex);
        emit list->activated(AIndex);
    }

    std::unique_ptr<TFormComputations> Window;
};

// Brings the window's page into AVariant as the user does: checks the box or
// button, or picks the list item, that chooses it.
inline void ChooseVariant(const TOpenWindow& AOpen, TVariant AVariant) {
    const TSelector& selector = VariantDesc(AVariant).Selector;
    if (selector.Control == vcNone)
        return;
    const TVariantControlDesc& control = VariantControlDesc(selector.Control);
    const QString name = QLatin1String(control.Name);
    if (control.Kind == vkList) {
        AOpen.Choose(name, selector.Value);
    } else {
        auto* button = AOpen.Control<QAbstractButton>(name);
        QVERIFY2(button, qPrintable(name));
        button->setChecked(selector.Value != 0);
    }
}

// Types "Entry=text" items into their entries; a choice takes its item, a count
// the variant fixes keeps its number.
inline void Fill(const TOpenWindow& AOpen, const QStringList& AEntries) {
    for (const QString& item : AEntries) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        const QString text = item.section(QLatin1Char('='), 1);
        if (AOpen.Control<QComboBox>(name)) {
            AOpen.Choose(name, text.toInt());
            continue;
        }
        QLineEdit* edit = AOpen.Entry(name);
        QVERIFY2(edit, qPrintable(name));
        if (!edit->isEnabled()) {
            QCOMPARE(edit->text(), text);
            continue;
        }
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

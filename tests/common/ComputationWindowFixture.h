// A computation window opened for a test as the main window opens it, and the
// ways a test reads it and works its controls as the user does.
#pragma once

#include "Computations.h"
#include "LabeledEdit.h"

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

// A stand-in for the computation window: hosts a results panel, hands it a
// result (of a cube, or of two given values) as the window does, and records the
// number forms the panel hands on to the window's other views.
#pragma once

#include "ComputationHost.h"
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "Results.h"
#include "SeparatorGuard.h"
#include "Settings.h"
#include "SolidFigures.h"
#include "SolidHandlers.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QWidget>
#include <QtTest>

#include <locale>
#include <memory>
#include <sstream>

class TFakeComputationHost : public TComputationHost {
public:
    explicit TFakeComputationHost(bool AOnTop = false) {
        Window.setWindowFlag(Qt::WindowStaysOnTopHint, AOnTop);
        Window.setGeometry(300, 200, 390, 312);
        Results = new TFrameResults(this, &Window);
        Results->move(85, 230);
    }

    void ShowNumberForm(const TNumberForm& AForm) override {
        ShownForms.append(AForm);
        ShownPrecisions.append(AForm.Precision);
        // What the panel shows by then.
        ShownTexts.append(VolumeText());
    }
    QWidget* HostWindow() override { return &Window; }
    int OpenDraftPanelWidth() const override { return DraftWidth; }

    // Hands the panel a result, as the window does after a calculation.
    void Show(const TSolidResult& AResult) {
        Result = AResult;
        Results->ShowResult(Result);
    }
    // Shows the two values of a figure not built here.
    void ShowValues(Extended AVolume, Extended AArea) {
        TSolidResult result = StateResult(vaCube, rsSpocitano);
        result.Volume = AVolume;
        result.Area = AArea;
        Show(result);
    }
    // Shows the cube of edge ASide, its mass at the preset density of the settings.
    void ShowCube(Extended ASide) {
        TEntryValues values;
        values.Set(enCube_A, ASide);
        Show(CalculateSolid(vaCube, values, ReadPresetDensity()));
    }

    QString VolumeText() const {
        return Results->findChild<QLabel*>(QStringLiteral("ResultVolume"))->text();
    }
    QString AreaText() const {
        return Results->findChild<QLabel*>(QStringLiteral("ResultArea"))->text();
    }

    QWidget Window;
    TFrameResults* Results = nullptr;
    TSolidResult Result;
    int DraftWidth = 0;
    // Every number form the panel handed on, its precision, and the volume the
    // panel showed at that moment.
    QList<TNumberForm> ShownForms;
    QList<int> ShownPrecisions;
    QStringList ShownTexts;
};

// Reads a value written with a point, in full extended precision.
inline Extended ReadExtended(const QString& AText) {
    std::istringstream stream(AText.toStdString());
    stream.imbue(std::locale::classic());
    Extended value = 0;
    stream >> value;
    return value;
}

inline void StoreSetting(const QString& AName, const QString& AValue) {
    TSettingsStore reg(SettingsKeys::Settings);
    reg.WriteString(QString(), AName, AValue);
}

inline QString StoredSetting(const QString& AName) {
    TSettingsStore reg(SettingsKeys::Settings);
    return reg.ReadString(QString(), AName, QStringLiteral("(none)"));
}

// Opens the panel's popup menu as a right click on one of its labels does.
inline QMenu* OpenMenuOn(QWidget* AWidget) {
    const QPoint pos(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, AWidget->mapToGlobal(pos));
    QApplication::sendEvent(AWidget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Clicks a menu item with the mouse.
inline void ClickItem(QMenu* AMenu, const QString& AName) {
    QAction* item = AMenu->findChild<QAction*>(AName);
    QTest::mouseClick(AMenu, Qt::LeftButton, {}, AMenu->actionGeometry(item).center());
}

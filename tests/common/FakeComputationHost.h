// A stand-in for the computation window: hosts a results panel, recalculates
// it from a figure or from two given values, and records what was asked of it.
#pragma once

#include "ComputationHost.h"
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "Results.h"
#include "SeparatorGuard.h"
#include "Settings.h"
#include "SolidFigures.h"

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

    void ReCalculate() override {
        ++ReCalculateCount;
        if (Figure)
            Results->Output();
        else if (HasValues)
            Results->Output(Volume, Area);
        else
            Results->SetResultState(rsNespocitano);
    }
    void ReCalculate(TPrecision APrecision) override {
        PreviewPrecisions.append(APrecision);
        const TPrecision kept = Results->Precision();
        Results->SetPrecision(APrecision);
        ReCalculate();
        PreviewTexts.append(Results->findChild<QLabel*>(QStringLiteral("ResultVolume"))->text());
        Results->SetPrecision(kept);
    }
    TPrecision Precision() const override { return Results->Precision(); }
    const TSolidFigure* SolidFigure() const override { return Figure.get(); }
    QWidget* HostWindow() override { return &Window; }
    int OpenDraftPanelWidth() const override { return DraftWidth; }

    // Shows the two values as a calculation handler would.
    void ShowValues(Extended AVolume, Extended AArea) {
        Volume = AVolume;
        Area = AArea;
        HasValues = true;
        ReCalculate();
    }
    void ShowCube(Extended ASide) {
        Figure = std::make_unique<TCube>(TCube::Create(ASide));
        ReCalculate();
    }

    QString VolumeText() const {
        return Results->findChild<QLabel*>(QStringLiteral("ResultVolume"))->text();
    }
    QString AreaText() const {
        return Results->findChild<QLabel*>(QStringLiteral("ResultArea"))->text();
    }

    QWidget Window;
    TFrameResults* Results = nullptr;
    std::unique_ptr<TSolidFigure> Figure;
    Extended Volume = 0;
    Extended Area = 0;
    bool HasValues = false;
    int ReCalculateCount = 0;
    int DraftWidth = 0;
    QList<int> PreviewPrecisions;
    QStringList PreviewTexts;
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

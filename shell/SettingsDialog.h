// The settings dialog: precision, number form, preset density, the side windows a
// computation window opens with, and the language. A language picked in the list is
// loaded and shown by the dialog at once; OK stores everything and tells the opener
// (LanguageChanged), which re-texts itself; any other way of closing stores nothing
// and brings back the language that was active when the dialog opened.
//
//     TFormSettings Dialog(this); // takes the opener's stay-on-top style
//     connect(&Dialog, &TFormSettings::LanguageChanged, this, &TFormMain::SetLanguage);
//     Dialog.exec();
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TLabeledEdit;
class TSettingsStore;
class TUpDown;

class TFormSettings : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog, reads the stored settings into it and opens the store,
    // which stays open until the dialog closes.
    explicit TFormSettings(QWidget* AOwner);
    ~TFormSettings() override;

    // (Re)reads every text of the dialog from the active language file.
    void SetLanguage();

    // The user picked an item of the language list: loads that language and shows it.
    void CBLanguageChange();
    // Enables the density edit exactly when the check box is checked.
    void ChBUsePresetDensityClick();
    // Puts the default values into the controls (nothing is stored) and loads the
    // default language.
    void BDefaultClick();
    // Stores every value and closes with OK, unless the preset density is in use and
    // not a positive number: then the error is reported and the dialog stays open.
    void BOKClick();

    // The selected number form: 0 basic, 1 semilogarithmic, -1 none.
    int FormIndex() const;
    void SetFormIndex(int AIndex);

    // The language active when the dialog was created.
    const QString& InitialLanguage() const { return FInitialLanguage; }
    // The flag pictures, one per item of the language list, in its order.
    const QList<QPixmap>& Flags() const { return ILFlags; }

    // Whether a preset density text is accepted on OK.
    static bool IsValidDensity(const QString& AText);

    static constexpr int ClientWidth = 366;
    static constexpr int ClientHeight = 270;

    // Closing by any way ends here (FormClose).
    void done(int AResult) override;

signals:
    // OK stored the settings: the active language is the one to show from now on.
    void LanguageChanged();

private:
    void FormCreate();
    void FormClose(int AResult);
    void ReadSettings();
    void SelectLanguage(const QString& ALanguage);

    QGroupBox* GBResults;
    TLabeledEdit* EPrecision;
    TUpDown* UDPrecision;
    QGroupBox* RGForm;
    QRadioButton* FFormItems[2];
    QButtonGroup* FFormGroup;
    QCheckBox* ChBUsePresetDensity;
    QLineEdit* EPresetDensity;
    QGroupBox* GBView;
    QCheckBox* ChBDraft;
    QCheckBox* ChBSupplementaryData;
    QCheckBox* ChBFormulas;
    QList<QPixmap> ILFlags;
    QLabel* LLanguage;
    QComboBox* CBLanguage;
    QPushButton* BOK;
    QPushButton* BCancel;
    QPushButton* BDefault;

    QString FInitialLanguage;
    std::unique_ptr<TSettingsStore> Reg;
    QString FInvalidDensity;
    bool FClosed = false;
};

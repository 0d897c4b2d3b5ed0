// Every page in every variant and every shipped language, as the user sees it:
// no text is empty or undefined, every caption shows whole inside the window,
// every picture the variant names exists as a draft and as a formula, and the
// supplementary data window shows exactly the rows and values the calculation
// hands in.
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "GuiTestFixture.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "PageTexts.h"
#include "ResourceLoading.h"
#include "SeparatorGuard.h"
#include "SolidSamples.h"
#include "SupplementaryData.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList ShippedLanguages() {
    QStringList languages;
    const QDir folder(QStringLiteral(KAVORIN_SOURCE_DIR "/Languages"));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.ini")}, QDir::Files))
        languages.append(file.completeBaseName());
    return languages;
}

bool Undefined(const QString& AText) {
    return AText.contains(TLanguageFile::Undefined);
}

} // namespace

class TestPageSweep : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyVariant_data();
    void everyVariant();
};

void TestPageSweep::initTestCase() {
    QVERIFY(ShippedLanguages().size() >= 1);
}

void TestPageSweep::everyVariant_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("variant");
    for (const QString& language : ShippedLanguages())
        for (int variant = 0; variant < VariantCount; ++variant) {
            const TVariantDesc& desc = VariantDesc(TVariant(variant));
            QTest::addRow("%s, %s, variant %d", qPrintable(language), PageDesc(desc.Page).Name,
                          variant)
                << language << variant;
        }
}

void TestPageSweep::everyVariant() {
    QFETCH(QString, language);
    QFETCH(int, variant);
    const TVariant chosen = TVariant(variant);
    const TVariantDesc& desc = VariantDesc(chosen);
    GuiTest::TSettingsSandbox settings;
    GuiTest::TLanguageSandbox texts(language);
    const TSeparatorGuard separator('.');

    TOpenWindow open(desc.Page);
    ChooseVariant(open, chosen);
    QCOMPARE(open.Window->CurrentVariant(), chosen);
    if (auto* draft = open.Control<QToolButton>(QStringLiteral("BDraft")); !draft->isChecked())
        draft->click();
    const QStringList* sampleEntries = nullptr;
    const std::vector<SolidSamples::TSample> samples = SolidSamples::Samples();
    if (const SolidSamples::TSample* sample = SolidSamples::SampleOf(samples, chosen))
        sampleEntries = &sample->Entries;
    QVERIFY2(sampleEntries || desc.SolidType == stNone, "every solid has a sample");
    // With the entries filled, the letters a choice fills show as well.
    if (sampleEntries)
        Fill(open, *sampleEntries);

    // The captions of the variant's entries and of the page's variant controls.
    QWidget* page = open.Window->findChild<QWidget*>(QLatin1String(PageDesc(desc.Page).Name));
    QVERIFY(page);
    for (const TEntryPlace& place : desc.Entries) {
        const QString name = QLatin1String(EntryDesc(place.Entry).Name);
        if (auto* edit = qobject_cast<TLabeledEdit*>(open.Entry(name))) {
            QVERIFY2(edit->isVisible(), qPrintable(name));
            QVERIFY2(!edit->EditLabel()->text().isEmpty(), qPrintable(name + " has no caption"));
        }
    }
    for (TVariantControl control : PageDesc(desc.Page).Controls) {
        const QString name = QLatin1String(VariantControlDesc(control).CaptionName);
        auto* caption = open.Control<QLabel>(name);
        QVERIFY2(caption && caption->isVisible(), qPrintable(name));
        QVERIFY2(!caption->text().isEmpty(), qPrintable(name + " has no caption"));
    }
    // Every text shown is defined and shows whole inside the window's page.
    const QRect client(0, 0, open.Window->PrimaryClientWidth(), TFormComputations::ClientHeight);
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        const QString what = label->objectName() + QStringLiteral(": \"") + label->text() + '"';
        QVERIFY2(!Undefined(label->text()), qPrintable(what));
        if (label->text().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(what + " is cut"));
        const QRect place(label->mapTo(open.Window.get(), QPoint(0, 0)), label->size());
        QVERIFY2(client.contains(place), qPrintable(what + " stands outside the page"));
    }
    for (QComboBox* list : page->findChildren<QComboBox*>())
        for (int item = 0; list->isVisible() && item < list->count(); ++item) {
            const QString text = list->itemText(item);
            QVERIFY2(!text.isEmpty() && !Undefined(text), qPrintable(list->objectName()));
        }
    // The draft button has no tip while the draft panel slides.
    QTRY_VERIFY(open.Control<QToolButton>(QStringLiteral("BDraft"))->isEnabled());
    for (const char* name : {"BFormulas", "BSupplementaryData", "BOptionsMenu", "BDraft"}) {
        const QString tip = open.Control<QToolButton>(QLatin1String(name))->toolTip();
        QVERIFY2(!tip.isEmpty() && !Undefined(tip), name);
    }

    // The pictures the variant names exist; a variant still to be chosen shows the
    // page's general formula, if it has one.
    const QString picture = open.Window->GetPictureName();
    QCOMPARE(picture, QString::fromLatin1(desc.PictureName));
    if (desc.SolidType != stNone) {
        QVERIFY2(ResourceExists(QStringLiteral("GIF_DRAFT"), picture), qPrintable(picture));
        QVERIFY2(ResourceExists(QStringLiteral("GIF_FORMULA"), picture), qPrintable(picture));
    } else if (const char* general = PageDesc(desc.Page).GeneralFormula) {
        QVERIFY2(ResourceExists(QStringLiteral("GIF_FORMULA"), QLatin1String(general)), general);
    }
    if (!sampleEntries)
        return;

    // The supplementary rows shown are the rows handed in, each with its value.
    QCOMPARE(open.Window->Results()->ResultState(), rsSpocitano);
    const auto values = open.Window->Result().SupplementaryValues;
    TFormSupplementaryData* side = open.Window->SupplementaryDataWindow();
    QVERIFY(side);
    auto* grid = side->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), std::max(1, int(values.size())));
    for (std::size_t row = 0; row < values.size(); ++row) {
        const QString name = grid->item(int(row), 0)->text();
        QVERIFY2(!name.isEmpty() && !Undefined(name), qPrintable(QString::number(row)));
        QCOMPARE(name, DescribedText(values[row].Row));
        QCOMPARE(grid->item(int(row), 1)->text(),
                 QString::fromStdString(
                     RoundToStr(open.Window->Results()->Precision(), true, values[row].Value)));
    }
}

QTEST_MAIN(TestPageSweep)
#include "tst_PageSweep.moc"

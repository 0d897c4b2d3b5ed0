// The solver names the entries as the command line does: for every variant the same
// names, in the same order, for the same entries and choices.
#include "CommandLine.h"
#include "SolveItems.h"

#include <QtTest>

class TestEntryNames : public QObject {
    Q_OBJECT
private slots:
    void sameAsTheCommandLine();
};

void TestEntryNames::sameAsTheCommandLine() {
    for (int v = 0; v < VariantCount; ++v) {
        const TVariant variant = TVariant(v);
        const std::vector<TEntryName> names = EntryNames(variant);
        const std::vector<TCommandLineEntry> entries = CommandLineEntries(variant);
        QCOMPARE(names.size(), entries.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            QCOMPARE(QString::fromStdString(names[i].Name), entries[i].Name);
            QCOMPARE(names[i].Entry, entries[i].Entry);
            QCOMPARE(names[i].Choice, entries[i].Choice);
            if (names[i].Choice != enNone)
                QCOMPARE(QLatin1String(
                             EntryDesc(names[i].Choice).Items[std::size_t(names[i].ChoiceItem)]),
                         entries[i].ChoiceItem);
        }
    }
}

QTEST_GUILESS_MAIN(TestEntryNames)
#include "tst_EntryNames.moc"

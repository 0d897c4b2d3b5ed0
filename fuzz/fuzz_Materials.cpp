// The materials file, as anybody may edit it: ParseMaterials on any bytes. A file
// read is a list of materials as the reader promises (ids of lower-case words used
// once, densities finite and above zero, an English name and a source each, every
// name in some language), a refused one leaves the list alone and names a line of
// the file.
//
// Input: the file's bytes.
#include "FuzzSupport.h"
#include "Materials.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    const QByteArray Bytes(reinterpret_cast<const char*>(AData), qsizetype(ASize));
    QList<TShippedMaterial> Materials{TShippedMaterial()};
    int Line = -1;
    const TMaterialFile State = ParseMaterials(Bytes, Materials, &Line);
    FUZZ_CHECK(State == mfRead || State == mfDamaged, "a parse told the file unreadable");
    if (State == mfDamaged) {
        FUZZ_CHECK(Materials.size() == 1 && Materials.first().Id.isEmpty(),
                   "the list changed though the file was refused");
        FUZZ_CHECK(Line >= 0 && Line <= Bytes.count('\n') + 1,
                   "line " + std::to_string(Line) + " is not a line of the file");
        return 0;
    }
    FUZZ_CHECK(Line == 0 && !Materials.isEmpty(), "a file read without materials");
    static const QRegularExpression Id(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    QSet<QString> Ids;
    for (const TShippedMaterial& Material : Materials) {
        const std::string Name = Material.Id.toStdString();
        FUZZ_CHECK(Id.match(Material.Id).hasMatch(), "id \"" + Name + "\"");
        FUZZ_CHECK(!Ids.contains(Material.Id), "id \"" + Name + "\" twice");
        Ids.insert(Material.Id);
        FUZZ_CHECK(std::isfinite(Material.Density) && Material.Density > 0,
                   Name + ": density " + Fuzz::Image(Material.Density));
        FUZZ_CHECK(!Material.Source.isEmpty(), Name + ": no source");
        FUZZ_CHECK(!Material.Name(QStringLiteral("en")).isEmpty(), Name + ": no English name");
        FUZZ_CHECK(!Material.Name(QStringLiteral("xx")).isEmpty(), Name + ": no name for others");
    }
    return 0;
}

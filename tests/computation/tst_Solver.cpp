// Solving for what is not known: round trips from seeded random figures of every
// variant over wide ranges through every set of values the solver covers (figure ->
// values in 50 digits -> solve -> the figure again), figures that share their values
// with a second one, values no figure has (the bound against its closed form), values
// that do not fit together, and the answers when there are too few values or a set
// the solver does not cover.
#include "SolidFigures.h"
#include "SolidReference.h"
#include "Solver.h"

#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <random>
#include <set>

using SolidReference::Pi;
using SolidReference::Real;
using SolidReference::TShape;

Q_DECLARE_METATYPE(TVariant)
Q_DECLARE_METATYPE(TBoundKind)
Q_DECLARE_METATYPE(TSolveOutcome)
Q_DECLARE_METATYPE(TInvalidReason)
Q_DECLARE_METATYPE(std::vector<TKnownValue>)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

const Real Eps = Real(LDBL_EPSILON);
const Real Density = Real(7850);

Real X(Extended AValue) {
    return Real(AValue); // exact
}

Extended Rounded(const Real& AValue) {
    return static_cast<Extended>(AValue);
}

QString Text(const Real& AValue) {
    return QString::fromStdString(AValue.str(21));
}

QString Join(const std::vector<std::string>& AIds) {
    QStringList ids;
    for (const std::string& id : AIds)
        ids << QString::fromStdString(id);
    return ids.join(QLatin1Char(' '));
}

const TShape& ShapeOf(TVariant AVariant) {
    for (const TShape& shape : SolidReference::Shapes())
        if (shape.Variant == AVariant)
            return shape;
    qFatal("no shape");
}

bool HasCount(TVariant AVariant) {
    return AVariant == vaPyramid_NAngle || AVariant == vaPrism_NAngle ||
           AVariant == vaTruncatedPyramid_NAngle;
}

// --- Random figures -----------------------------------------------------------------

class TFigures {
public:
    explicit TFigures(std::uint64_t ASeed) : FRandom(ASeed) {}

    // A figure of AVariant: its size over eight decades, each further dimension within
    // a factor of about 30 either way, every constraint of the solid kept.
    std::vector<Real> Next(TVariant AVariant) {
        const Real size = Power(Uniform(-4, 4));
        std::vector<Real> dims;
        for (int i = 0; i < ShapeOf(AVariant).Dimensions(); ++i)
            dims.push_back(i == 0 ? size : size * Power(Uniform(-1.5, 1.5)));
        switch (AVariant) {
        case vaPrism_Triangle: {
            const Real spread = abs(dims[0] - dims[1]);
            dims[2] = spread + (dims[0] + dims[1] - spread) * Share();
            break;
        }
        case vaPrism_CircularRing:
            dims[1] = dims[0] * Share();
            break;
        case vaCylindricalTank:
        case vaSphericalSegment_RadiusOfSphere:
            dims[1] = 2 * dims[0] * Share();
            break;
        default:
            break;
        }
        // Every dimension as Extended holds it, so that the figure is exact.
        for (Real& dim : dims)
            dim = X(Rounded(dim));
        return dims;
    }

    int Count() {
        const int counts[] = {3, 4, 5, 6, 7, 8, 12, 100, 1000};
        return counts[FRandom() % std::size(counts)];
    }

private:
    Real Uniform(double ALow, double AHigh) {
        return Real(std::uniform_real_distribution<double>(ALow, AHigh)(FRandom));
    }
    static Real Power(const Real& AExponent) { return pow(Real(10), AExponent); }
    // A share of a whole, as near its ends as to its middle.
    Real Share() {
        const Real logit = Uniform(-5, 5);
        return 1 / (1 + exp(-logit));
    }

    std::mt19937_64 FRandom;
};

// --- The sets of values the solver covers, worked out here from the rules -------------

std::vector<std::vector<std::string>> CoveredSets(TVariant AVariant,
                                                  const std::vector<std::string>& AItems) {
    const TShape& shape = ShapeOf(AVariant);
    std::vector<std::vector<std::string>> sets;
    const auto add = [&](std::vector<std::string> ASet) {
        std::vector<std::string> sorted = ASet;
        std::sort(sorted.begin(), sorted.end());
        for (const std::vector<std::string>& set : sets) {
            std::vector<std::string> other = set;
            std::sort(other.begin(), other.end());
            if (other == sorted)
                return;
        }
        sets.push_back(ASet);
    };
    const int n = shape.Dimensions();
    if (n <= 2) {
        for (std::size_t i = 0; i < AItems.size(); ++i)
            for (std::size_t j = n == 1 ? i : i + 1; j < AItems.size(); ++j)
                add(n == 1 ? std::vector<std::string>{AItems[i]}
                           : std::vector<std::string>{AItems[i], AItems[j]});
        return sets;
    }
    std::vector<std::vector<std::string>> dimensionSets = {shape.Ids};
    if (AVariant == vaTruncatedPyramid_Rectangle)
        dimensionSets.push_back({"a2", "b2", "b1", "v"});
    for (const std::vector<std::string>& dims : dimensionSets) {
        add(dims);
        for (std::size_t missing = 0; missing < dims.size(); ++missing)
            for (const std::string& item : AItems) {
                if (std::find(dims.begin(), dims.end(), item) != dims.end())
                    continue;
                std::vector<std::string> set;
                for (std::size_t d = 0; d < dims.size(); ++d)
                    if (d != missing)
                        set.push_back(dims[d]);
                set.push_back(item);
                add(set);
            }
    }
    if (AVariant == vaCylindricalTank) {
        const std::string filling = "percentage-filling-of-tank";
        for (std::size_t i = 0; i < AItems.size(); ++i)
            for (std::size_t j = i + 1; j < AItems.size(); ++j)
                if (AItems[i] != filling && AItems[j] != filling)
                    add({filling, AItems[i], AItems[j]});
    }
    return sets;
}

// --- The reference's view of a set of values ------------------------------------------

// How each given value that is not a dimension moves with each unknown dimension:
// d ln value / d ln dimension, by central differences in 50 digits.
struct TSensitivity {
    std::vector<int> Unknown;         // the shape's dimensions not given
    std::vector<std::string> Values;  // the given values that are no dimension
    std::vector<std::vector<Real>> J; // [value][unknown]
};

TSensitivity Sensitivity(TVariant AVariant, const std::vector<Real>& ADims, int ACount,
                         const std::vector<std::string>& ASet) {
    const TShape& shape = ShapeOf(AVariant);
    TSensitivity sensitivity;
    for (int d = 0; d < shape.Dimensions(); ++d)
        if (std::find(ASet.begin(), ASet.end(), shape.Ids[std::size_t(d)]) == ASet.end())
            sensitivity.Unknown.push_back(d);
    for (const std::string& id : ASet)
        if (std::find(shape.Ids.begin(), shape.Ids.end(), id) == shape.Ids.end())
            sensitivity.Values.push_back(id);
    const Real step("1e-20");
    const auto at = SolidReference::Values(AVariant, ADims, ACount, Density);
    sensitivity.J.assign(sensitivity.Values.size(), std::vector<Real>(sensitivity.Unknown.size()));
    for (std::size_t u = 0; u < sensitivity.Unknown.size(); ++u) {
        std::vector<Real> up = ADims, down = ADims;
        up[std::size_t(sensitivity.Unknown[u])] *= 1 + step;
        down[std::size_t(sensitivity.Unknown[u])] *= 1 - step;
        auto high = SolidReference::Values(AVariant, up, ACount, Density);
        auto low = SolidReference::Values(AVariant, down, ACount, Density);
        for (std::size_t v = 0; v < sensitivity.Values.size(); ++v) {
            const std::string& id = sensitivity.Values[v];
            sensitivity.J[v][u] = (high[id] - low[id]) / (2 * step * abs(at.at(id)));
        }
    }
    return sensitivity;
}

// The inverse of a small square matrix (empty when singular).
std::vector<std::vector<Real>> Inverse(std::vector<std::vector<Real>> A) {
    const std::size_t n = A.size();
    std::vector<std::vector<Real>> inverse(n, std::vector<Real>(n, 0));
    for (std::size_t i = 0; i < n; ++i)
        inverse[i][i] = 1;
    for (std::size_t column = 0; column < n; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column; row < n; ++row)
            if (abs(A[row][column]) > abs(A[pivot][column]))
                pivot = row;
        if (abs(A[pivot][column]) < Real("1e-20"))
            return {};
        std::swap(A[column], A[pivot]);
        std::swap(inverse[column], inverse[pivot]);
        for (std::size_t row = 0; row < n; ++row) {
            if (row == column)
                continue;
            const Real factor = A[row][column] / A[column][column];
            for (std::size_t k = 0; k < n; ++k) {
                A[row][k] -= factor * A[column][k];
                inverse[row][k] -= factor * inverse[column][k];
            }
        }
    }
    for (std::size_t row = 0; row < n; ++row)
        for (std::size_t k = 0; k < n; ++k)
            inverse[row][k] /= A[row][row];
    return inverse;
}

// A dimension of a solution, in the shape's terms (side a1 where the choice is b).
Real FoundDimension(TVariant AVariant, const TSolution& ASolution, int ADim) {
    const TShape& shape = ShapeOf(AVariant);
    const TEntry entry = shape.Entries[std::size_t(ADim)];
    if (entry == enTruncatedPyramid_E3 && ASolution.Values[enTruncatedPyramid_Side] == 1)
        return X(ASolution.Values[entry]) * X(ASolution.Values[enTruncatedPyramid_E1]) /
               X(ASolution.Values[enTruncatedPyramid_E2]);
    return X(ASolution.Values[entry]);
}

TSolveResult SolveFor(TVariant AVariant, std::vector<TKnownValue> AKnown,
                      std::optional<Extended> ADensity = std::nullopt, TPrecision APrecision = 2) {
    TSolveRequest request;
    request.Variant = AVariant;
    request.Known = std::move(AKnown);
    request.Density = ADensity;
    request.Precision = APrecision;
    return Solve(request);
}

// Lower-case words (letters and digits) joined by single hyphens.
bool InOneStyle(const std::string& AId) {
    if (AId.empty() || AId.front() == '-' || AId.back() == '-' ||
        AId.find("--") != std::string::npos)
        return false;
    return std::all_of(AId.begin(), AId.end(), [](char AChar) {
        return (AChar >= 'a' && AChar <= 'z') || (AChar >= '0' && AChar <= '9') || AChar == '-';
    });
}

bool Contains(const std::vector<std::string>& AIds, const std::string& AId) {
    return std::find(AIds.begin(), AIds.end(), AId) != AIds.end();
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void ids();
    void roundTrips_data();
    void roundTrips();
    void twoFigures_data();
    void twoFigures();
    void doubleRoot_data();
    void doubleRoot();
    void bounds_data();
    void bounds();
    void furtherValues_data();
    void furtherValues();
    void notEnough_data();
    void notEnough();
    void notCovered();
    void invalid_data();
    void invalid();
    void massWithDensity();
    void beyondExtended_data();
    void beyondExtended();
};

// Every variant with a solid is solved for (a new one needs its model in
// SolverModels.cpp and its closed forms in SolidReference.h); every item id is in one
// style, once per variant, and has its closed form here.
void TestSolver::ids() {
    for (int v = 0; v < VariantCount; ++v) {
        const bool described =
            std::any_of(SolidReference::Shapes().begin(), SolidReference::Shapes().end(),
                        [v](const TShape& AShape) { return AShape.Variant == v; });
        QCOMPARE(described, VariantDesc(TVariant(v)).SolidType != stNone);
    }
    for (const TShape& shape : SolidReference::Shapes()) {
        const int count = HasCount(shape.Variant) ? 5 : SolidReference::FixedCount(shape.Variant);
        SolidReference::TValues reference = SolidReference::Values(
            shape.Variant, {Real(2), Real("1.5"), Real("0.8"), Real(1)}, count, Density);
        reference.erase("n");
        std::set<std::string> ids;
        for (const TSolveItem& item : SolveItems(shape.Variant)) {
            QVERIFY2(InOneStyle(item.Id), item.Id.c_str());
            QVERIFY2(ids.insert(item.Id).second, item.Id.c_str());
            if (item.Kind != ikCount)
                QVERIFY2(reference.erase(item.Id) == 1, item.Id.c_str());
        }
        QVERIFY2(reference.empty(), reference.empty() ? "" : reference.begin()->first.c_str());
    }
    QCOMPARE(QuantityId({SupplementarySection, "sAreaOfXFace", "AB"}),
             std::string("area-of-face-ab"));
    QCOMPARE(QuantityId({SupplementarySection, "sAreaOfXFace", ""}), std::string("area-of-face"));
    QCOMPARE(QuantityId({SupplementarySection, "sSlantHeightByXSide", "A"}),
             std::string("slant-height-by-side-a"));
    QCOMPARE(QuantityId({SupplementarySection, "sPercentageFillingOfTank"}),
             std::string("percentage-filling-of-tank"));
    QCOMPARE(SolveItems(vaPyramid_None).size(), std::size_t(0));
}

void TestSolver::roundTrips_data() {
    QTest::addColumn<TVariant>("variant");
    for (const TShape& shape : SolidReference::Shapes())
        QTest::newRow(EntryDesc(shape.Entries[0]).Name + QByteArray::number(int(shape.Variant)))
            << shape.Variant;
}

// For every set of values the rules cover and three random figures: where the values
// fix the figure, it is among the solutions to 1e-16 (wider only as far as rounding the
// values to Extended moves the exact solution: 4 units times the condition), and every
// solution has the values; where one value follows from the others, the solver says so.
void TestSolver::roundTrips() {
    QFETCH(TVariant, variant);
    const TShape& shape = ShapeOf(variant);
    TFigures figures(0x5EED0000u + variant);
    std::vector<std::string> items;
    for (const TSolveItem& item : SolveItems(variant))
        if (item.Kind != ikCount)
            items.push_back(item.Id);
    QStringList failures;
    int solved = 0, dependent = 0;
    for (const std::vector<std::string>& set : CoveredSets(variant, items)) {
        for (int trial = 0; trial < 3; ++trial) {
            const std::vector<Real> dims = figures.Next(variant);
            const int count =
                HasCount(variant) ? figures.Count() : SolidReference::FixedCount(variant);
            const SolidReference::TValues values =
                SolidReference::Values(variant, dims, count, Density);
            std::vector<TKnownValue> known;
            if (HasCount(variant))
                known.push_back({"n", Extended(count)});
            for (const std::string& id : set)
                known.push_back({id, Rounded(values.at(id))});
            const TSolveResult result = SolveFor(variant, known, Rounded(Density));
            QString figure = QStringLiteral("[%1] n=%2 dims").arg(Join(set)).arg(count);
            for (const Real& dim : dims)
                figure += QLatin1Char(' ') + Text(dim);

            const TSensitivity sensitivity = Sensitivity(variant, dims, count, set);
            const std::vector<std::vector<Real>> inverse = Inverse(sensitivity.J);
            if (sensitivity.Unknown.empty()) {
                // Every dimension given: the figure itself.
                ++solved;
                if (result.Outcome != soSolved || result.Solutions.size() != 1 ||
                    !result.Solutions[0].Found.empty())
                    failures << figure + QStringLiteral(": outcome %1").arg(result.Outcome);
                continue;
            }
            if (inverse.empty()) {
                ++dependent;
                if (result.Outcome != soNotEnough || !Contains(result.Redundant, set.back()))
                    failures << figure +
                                    QStringLiteral(": dependent, but outcome %1 redundant [%2]")
                                        .arg(result.Outcome)
                                        .arg(Join(result.Redundant));
                continue;
            }
            ++solved;
            if (result.Outcome != soSolved || result.Solutions.empty()) {
                failures << figure + QStringLiteral(": outcome %1").arg(result.Outcome);
                continue;
            }
            bool matched = false;
            QString distances;
            for (const TSolution& solution : result.Solutions) {
                bool match = true;
                for (std::size_t u = 0; u < sensitivity.Unknown.size(); ++u) {
                    const int d = sensitivity.Unknown[u];
                    Real condition = 0;
                    for (const Real& element : inverse[u])
                        condition += abs(element);
                    const Real tolerance = std::max(Real("1e-16"), 4 * Eps * condition);
                    const Real found = FoundDimension(variant, solution, d);
                    const Real error = abs(found - dims[std::size_t(d)]) / dims[std::size_t(d)];
                    distances += QStringLiteral(" %1:%2(tol %3)")
                                     .arg(QString::fromStdString(shape.Ids[std::size_t(d)]),
                                          Text(error), Text(tolerance));
                    match = match && error <= tolerance;
                }
                matched = matched || match;
                // Every solution has the given values, to the last few units and what
                // a unit of each dimension found moves them.
                std::vector<Real> foundDims;
                for (int d = 0; d < shape.Dimensions(); ++d)
                    foundDims.push_back(FoundDimension(variant, solution, d));
                const auto foundValues = SolidReference::Values(variant, foundDims, count, Density);
                const TSensitivity there = Sensitivity(variant, foundDims, count, set);
                for (const std::string& id : set) {
                    const Real target = X(Rounded(values.at(id)));
                    const Real scale = target != 0 ? abs(target) : abs(values.at("volume"));
                    Real moves = 1;
                    for (std::size_t v = 0; v < there.Values.size(); ++v)
                        if (there.Values[v] == id)
                            for (const Real& slope : there.J[v])
                                moves += abs(slope);
                    if (abs(foundValues.at(id) - target) > 128 * Eps * scale * moves)
                        failures << figure +
                                        QStringLiteral(": solution off in %1 by %2")
                                            .arg(QString::fromStdString(id))
                                            .arg(Text(abs(foundValues.at(id) - target) / scale));
                }
            }
            if (!matched)
                failures << figure + QStringLiteral(": not found;") + distances;
        }
    }
    qInfo("%d solved, %d with a value that follows from the others", solved, dependent);
    QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) +
                                            QStringLiteral(" failures, the first: ") +
                                            failures.mid(0, 8).join(QStringLiteral("\n"))));
}

void TestSolver::twoFigures_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<TEntry>("entry");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    // A cone of radius 1 and height 1, and the other cone with its volume and area:
    // with u = sqrt(1 + (h/r)^2), 9 pi V^2 / S^3 = (u - 1) / (u + 1)^2 = c gives
    // c u^2 + (2c - 1) u + c + 1 = 0, whose other root is u2 = (1 - 2c) / c - u1.
    {
        const Real u1 = sqrt(Real(2)), c = (u1 - 1) / ((u1 + 1) * (u1 + 1));
        const Real u2 = (1 - 2 * c) / c - u1;
        const Real volume = Pi / 3, area = Pi * (1 + u1);
        // S = pi r^2 (1 + u) gives r of the second cone.
        const Real r2 = sqrt(area / (Pi * (1 + u2)));
        QTest::newRow("cone, volume and area")
            << vaCone
            << std::vector<TKnownValue>{{"volume", Rounded(volume)}, {"area", Rounded(area)}}
            << enCone_R << Text(r2 < 1 ? r2 : Real(1)) << Text(r2 < 1 ? Real(1) : r2);
    }
    // The slant height of a truncated cone leaves the upper radius on either side of
    // the lower one: r2 = r1 -+ sqrt(s^2 - h^2).
    QTest::newRow("truncated cone, slant height")
        << vaTruncatedCone
        << std::vector<TKnownValue>{{"r1", 2}, {"v", 0.75L}, {"slant-height", 1.25L}}
        << enTruncatedCone_R2 << QStringLiteral("1") << QStringLiteral("3");
    // A chord at the level h and at 2r - h.
    {
        const Real chord = 2 * sqrt(Real("0.5") * Real("1.5"));
        QTest::newRow("tank, chord")
            << vaCylindricalTank
            << std::vector<TKnownValue>{{"r", 1},
                                        {"d", 3},
                                        {"chord-of-segment-of-circle", Rounded(chord)}}
            << enCylindricalTank_H << QStringLiteral("0.5") << QStringLiteral("1.5");
    }
    // The circle of radius rho cuts a sphere of radius r at two heights.
    QTest::newRow("segment, radius of sphere and of segment")
        << vaSphericalSegment_RadiusOfSphere
        << std::vector<TKnownValue>{{"r", 5}, {"radius-of-segment", 4}} << enSphericalSegment_V
        << QStringLiteral("2") << QStringLiteral("8");
    // Two sides 1 and a base of area A: the third side a from a^4 - 4 a^2 + 16 A^2 = 0,
    // a^2 = 2 -+ 2 sqrt(1 - 4 A^2). The longer one is a needle whose area moves by a
    // thousandth from one value of a to the next: it is found all the same.
    {
        const Real area("1e-8"), root = 2 * sqrt(1 - 4 * area * area);
        QTest::newRow("triangular prism, a needle from its base")
            << vaPrism_Triangle
            << std::vector<TKnownValue>{{"b", 1}, {"c", 1}, {"v", 1}, {"area-of-base", 1e-8L}}
            << enPrism_E1 << Text(sqrt(2 - root)) << Text(sqrt(2 + root));
    }
    // A sector's sphere radius is reached from a flat and from a deep cap:
    // R = (rho^2 + h^2) / 2h = 2.5 with rho = 2 gives h = 1 and h = 4.
    QTest::newRow("sector, radius of sphere")
        << vaSphericalSector << std::vector<TKnownValue>{{"rho", 2}, {"radius-of-sphere", 2.5L}}
        << enSphericalSector_V << QStringLiteral("1") << QStringLiteral("4");
}

void TestSolver::twoFigures() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(TEntry, entry);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, soSolved);
    QCOMPARE(result.Solutions.size(), std::size_t(2));
    const Real expected[] = {Real(first.toStdString()), Real(second.toStdString())};
    for (int i = 0; i < 2; ++i) {
        const Real found = X(result.Solutions[std::size_t(i)].Values[entry]);
        QVERIFY2(abs(found - expected[i]) <= Real("1e-16") * expected[i],
                 qPrintable(Text(found) + QStringLiteral(" against ") + Text(expected[i])));
        QVERIFY(!result.Solutions[std::size_t(i)].Double);
    }
}

void TestSolver::doubleRoot_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<TEntry>("entry");
    QTest::addColumn<QString>("expected");

    // The cone with the least area for its volume has h = sqrt(8) r.
    for (const char* radius : {"1", "0.37", "2718.28"}) {
        const Real r(radius), h = sqrt(Real(8)) * r;
        QTest::newRow(qPrintable(QStringLiteral("cone of least area, r = ") + radius))
            << vaCone
            << std::vector<TKnownValue>{{"volume", Rounded(Pi * r * r * h / 3)},
                                        {"area", Rounded(4 * Pi * r * r)}}
            << enCone_V << Text(h);
    }
    // The longest chord is the diameter, at the level of the axis.
    QTest::newRow("tank, chord of the diameter")
        << vaCylindricalTank
        << std::vector<TKnownValue>{{"r", 1}, {"d", 3}, {"chord-of-segment-of-circle", 2}}
        << enCylindricalTank_H << QStringLiteral("1");
    QTest::newRow("segment, circle of the sphere's radius")
        << vaSphericalSegment_RadiusOfSphere
        << std::vector<TKnownValue>{{"r", 5}, {"radius-of-segment", 5}} << enSphericalSegment_V
        << QStringLiteral("5");
    // The sphere is smallest for its circle at the hemisphere, where the sector's cone
    // vanishes.
    QTest::newRow("sector, the hemisphere")
        << vaSphericalSector << std::vector<TKnownValue>{{"rho", 2}, {"radius-of-sphere", 2}}
        << enSphericalSector_V << QStringLiteral("2");
}

// Values at a turning point, where two figures meet. Rounded to Extended they may fall
// just outside what the figures reach, or just inside with two figures a few units
// apart; either way the figure is found, to the half of the digits that the flat turn
// of the values leaves, as one double figure or two.
void TestSolver::doubleRoot() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(TEntry, entry);
    QFETCH(QString, expected);
    const Real value(expected.toStdString());
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, soSolved);
    QVERIFY(!result.Solutions.empty() && result.Solutions.size() <= 2);
    for (const TSolution& solution : result.Solutions)
        QVERIFY2(abs(X(solution.Values[entry]) - value) <= Real("1e-8") * value,
                 qPrintable(Text(X(solution.Values[entry]))));
    QVERIFY(result.Solutions.size() == 2 || result.Solutions[0].Double);
}

void TestSolver::bounds_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<QString>("id");
    QTest::addColumn<TBoundKind>("kind");
    QTest::addColumn<QString>("bound");
    QTest::addColumn<std::vector<std::string>>("given");

    // The cylinder of least area for its volume has h = 2r: S = 3 (2 pi)^(1/3) V^(2/3).
    QTest::newRow("cylinder, area for a volume")
        << vaCylinder << std::vector<TKnownValue>{{"volume", 1000}, {"area", 10}} << "area"
        << bkAtLeast << Text(3 * cbrt(2 * Pi) * pow(Real(1000), Real(2) / 3))
        << std::vector<std::string>{"volume"};
    // The other way round: from S = 6 pi r^2, V = 2 pi r^3.
    QTest::newRow("cylinder, volume for an area")
        << vaCylinder << std::vector<TKnownValue>{{"area", 10}, {"volume", 1000}} << "volume"
        << bkAtMost << Text(2 * Pi * pow(Real(10) / (6 * Pi), Real(3) / 2))
        << std::vector<std::string>{"area"};
    // The cone of least area: 9 pi V^2 / S^3 = 1/8.
    QTest::newRow("cone, area for a volume")
        << vaCone << std::vector<TKnownValue>{{"volume", 2}, {"area", 9}} << "area" << bkAtLeast
        << Text(cbrt(72 * Pi * 4)) << std::vector<std::string>{"volume"};
    QTest::newRow("tank, volume above full")
        << vaCylindricalTank << std::vector<TKnownValue>{{"r", 1}, {"d", 2}, {"volume", 10}}
        << "volume" << bkLessThan << Text(2 * Pi) << std::vector<std::string>{"r", "d"};
    QTest::newRow("tank, filling above full")
        << vaCylindricalTank
        << std::vector<TKnownValue>{{"d", 2}, {"volume", 10}, {"percentage-filling-of-tank", 120}}
        << "percentage-filling-of-tank" << bkLessThan << QStringLiteral("100")
        << std::vector<std::string>{};
    // Half full, the tank holds V = pi r^2 d / 2 and its liquid has the area
    // S = pi r^2 + (2 + pi) r d. For V = 1, S = pi r^2 + 2 (2 + pi) / (pi r) is least at
    // r^3 = (2 + pi) / pi^2, where S = 3 pi r^2 = 3 pi^(-1/3) (2 + pi)^(2/3).
    QTest::newRow("tank, area for a volume at a filling")
        << vaCylindricalTank
        << std::vector<TKnownValue>{{"percentage-filling-of-tank", 50}, {"volume", 1}, {"area", 1}}
        << "area" << bkAtLeast << Text(3 * cbrt(1 / Pi) * pow(2 + Pi, Real(2) / 3))
        << std::vector<std::string>{"percentage-filling-of-tank", "volume"};
    QTest::newRow("segment, circle wider than the sphere")
        << vaSphericalSegment_RadiusOfSphere
        << std::vector<TKnownValue>{{"r", 1}, {"radius-of-segment", 1.5L}} << "radius-of-segment"
        << bkAtMost << QStringLiteral("1") << std::vector<std::string>{"r"};
    // The slant height is more than the height, however near the radii.
    QTest::newRow("truncated cone, slant height below the height")
        << vaTruncatedCone << std::vector<TKnownValue>{{"r1", 2}, {"v", 1}, {"slant-height", 0.5L}}
        << "slant-height" << bkMoreThan << QStringLiteral("1")
        << std::vector<std::string>{"r1", "v"};
    // Towards an upper radius of 0 the truncated cone becomes a cone: pi r1^2 h / 3.
    QTest::newRow("truncated cone, volume below the cone's")
        << vaTruncatedCone << std::vector<TKnownValue>{{"r1", 2}, {"v", 1}, {"volume", 1}}
        << "volume" << bkMoreThan << Text(4 * Pi / 3) << std::vector<std::string>{"r1", "v"};
    QTest::newRow("triangular prism, side too long")
        << vaPrism_Triangle << std::vector<TKnownValue>{{"a", 1}, {"b", 1}, {"v", 1}, {"c", 3}}
        << "c" << bkLessThan << QStringLiteral("2") << std::vector<std::string>{"a", "b", "v"};
    QTest::newRow("ring prism, inner radius too long")
        << vaPrism_CircularRing << std::vector<TKnownValue>{{"r1", 1}, {"v", 1}, {"r2", 2}} << "r2"
        << bkLessThan << QStringLiteral("1") << std::vector<std::string>{"r1", "v"};
    QTest::newRow("truncated cone, equal radii")
        << vaTruncatedCone << std::vector<TKnownValue>{{"r1", 2}, {"v", 1}, {"r2", 2}} << "r2"
        << bkOtherThan << QStringLiteral("2") << std::vector<std::string>{"r1", "v"};
    // The length is solved for, but no length makes a tank whose level is at or above
    // its diameter: the bound is the level's, told by the radius alone.
    QTest::newRow("tank, level at the diameter")
        << vaCylindricalTank << std::vector<TKnownValue>{{"r", 1}, {"h", 2}, {"volume", 1}} << "h"
        << bkLessThan << QStringLiteral("2") << std::vector<std::string>{"r"};
    QTest::newRow("tank, level above the diameter")
        << vaCylindricalTank << std::vector<TKnownValue>{{"r", 1}, {"h", 3}, {"volume", 1}} << "h"
        << bkLessThan << QStringLiteral("2") << std::vector<std::string>{"r"};
    QTest::newRow("segment, height above the diameter")
        << vaSphericalSegment_RadiusOfSphere << std::vector<TKnownValue>{{"r", 1}, {"v", 3}} << "v"
        << bkLessThan << QStringLiteral("2") << std::vector<std::string>{"r"};
}

// The bound within 1e-16 of its closed form, stated for the value the user gave last.
void TestSolver::bounds() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(QString, id);
    QFETCH(TBoundKind, kind);
    QFETCH(QString, bound);
    QFETCH(std::vector<std::string>, given);
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, soNoneFits);
    QVERIFY(result.Solutions.empty());
    QVERIFY(result.Bound.has_value());
    QCOMPARE(QString::fromStdString(result.Bound->Id), id);
    QCOMPARE(result.Bound->Kind, kind);
    const Real expected(bound.toStdString());
    QVERIFY2(abs(X(result.Bound->Value) - expected) <= Real("1e-16") * expected,
             qPrintable(Text(X(result.Bound->Value)) + QStringLiteral(" against ") + bound));
    QCOMPARE(Join(result.Bound->Given), Join(given));
}

void TestSolver::furtherValues_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<int>("precision");
    QTest::addColumn<TSolveOutcome>("outcome");
    QTest::addColumn<std::vector<std::string>>("named"); // Checked or Conflicting
    QTest::addColumn<int>("solutions");

    // V = 12 pi = 37.699...
    QTest::newRow("agrees at two places")
        << vaCone << std::vector<TKnownValue>{{"r", 3}, {"v", 4}, {"volume", 37.70L}} << 2
        << soSolved << std::vector<std::string>{"volume"} << 1;
    QTest::newRow("disagrees at four places")
        << vaCone << std::vector<TKnownValue>{{"r", 3}, {"v", 4}, {"volume", 37.70L}} << 4
        << soConflict << std::vector<std::string>{"r", "v", "volume"} << 0;
    QTest::newRow("the basis is the entries, in the order given")
        << vaCone << std::vector<TKnownValue>{{"volume", 40}, {"v", 4}, {"r", 3}} << 2 << soConflict
        << std::vector<std::string>{"volume", "v", "r"} << 0;
    // Of the two cones with V = pi/3 and S = pi (1 + sqrt 2), the height picks one.
    QTest::newRow("a height picks one of two cones")
        << vaCone
        << std::vector<TKnownValue>{{"volume", Rounded(Pi / 3)},
                                    {"area", Rounded(Pi * (1 + sqrt(Real(2))))},
                                    {"slant-height", Rounded(sqrt(Real(2)))}}
        << 14 << soSolved << std::vector<std::string>{"slant-height"} << 1;
    QTest::newRow("block, an edge and a face area too many")
        << vaBlock
        << std::vector<TKnownValue>{{"a", 1}, {"b", 2}, {"c", 3}, {"area-of-face-ab", 2.5L}} << 2
        << soConflict << std::vector<std::string>{"a", "b", "c", "area-of-face-ab"} << 0;
}

void TestSolver::furtherValues() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(int, precision);
    QFETCH(TSolveOutcome, outcome);
    QFETCH(std::vector<std::string>, named);
    QFETCH(int, solutions);
    const TSolveResult result = SolveFor(variant, known, std::nullopt, TPrecision(precision));
    QCOMPARE(result.Outcome, outcome);
    QCOMPARE(int(result.Solutions.size()), solutions);
    QCOMPARE(Join(outcome == soSolved ? result.Checked : result.Conflicting), Join(named));
}

void TestSolver::notEnough_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<int>("more");
    QTest::addColumn<std::vector<std::string>>("candidates"); // among them
    QTest::addColumn<std::vector<std::string>>("notCandidates");
    QTest::addColumn<std::vector<std::string>>("redundant");

    QTest::newRow("cone, nothing")
        << vaCone << std::vector<TKnownValue>{} << 2
        << std::vector<std::string>{"r", "v", "volume", "area"} << std::vector<std::string>{"mass"}
        << std::vector<std::string>{};
    // The base's area says no more than the radius.
    QTest::newRow("cone, a radius")
        << vaCone << std::vector<TKnownValue>{{"r", 1}} << 1
        << std::vector<std::string>{"v", "volume", "slant-height"}
        << std::vector<std::string>{"r", "area-of-base"} << std::vector<std::string>{};
    QTest::newRow("cylinder, radius and base")
        << vaCylinder << std::vector<TKnownValue>{{"r", 1}, {"area-of-base", 3}} << 1
        << std::vector<std::string>{"v", "volume"} << std::vector<std::string>{"area-of-base"}
        << std::vector<std::string>{"area-of-base"};
    QTest::newRow("block, an edge")
        << vaBlock << std::vector<TKnownValue>{{"a", 1}} << 2
        << std::vector<std::string>{"b", "c", "volume", "area-of-face-bc"}
        << std::vector<std::string>{"a"} << std::vector<std::string>{};
    QTest::newRow("block, a volume")
        << vaBlock << std::vector<TKnownValue>{{"volume", 1}} << 2
        << std::vector<std::string>{"a", "b", "c"} << std::vector<std::string>{"area"}
        << std::vector<std::string>{};
    QTest::newRow("block, two edges and their face")
        << vaBlock << std::vector<TKnownValue>{{"a", 1}, {"b", 2}, {"diagonal-of-face-ab", 2.2L}}
        << 1 << std::vector<std::string>{"c", "volume", "diagonal-of-face-bc"}
        << std::vector<std::string>{"area-of-face-ab"}
        << std::vector<std::string>{"diagonal-of-face-ab"};
    QTest::newRow("tank, level and radius at a filling")
        << vaCylindricalTank
        << std::vector<TKnownValue>{{"percentage-filling-of-tank", 30}, {"r", 1}, {"h", 0.7L}} << 1
        << std::vector<std::string>{"d", "volume"} << std::vector<std::string>{"h"}
        << std::vector<std::string>{"h"};
    QTest::newRow("regular pyramid without its count")
        << vaPyramid_NAngle << std::vector<TKnownValue>{{"a", 1}, {"volume", 2}} << 1
        << std::vector<std::string>{"n"} << std::vector<std::string>{"v"}
        << std::vector<std::string>{};
    QTest::newRow("regular prism, nothing")
        << vaPrism_NAngle << std::vector<TKnownValue>{} << 3
        << std::vector<std::string>{"n", "a", "v"} << std::vector<std::string>{}
        << std::vector<std::string>{};
}

void TestSolver::notEnough() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(int, more);
    QFETCH(std::vector<std::string>, candidates);
    QFETCH(std::vector<std::string>, notCandidates);
    QFETCH(std::vector<std::string>, redundant);
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, soNotEnough);
    QCOMPARE(result.MoreNeeded, more);
    for (const std::string& id : candidates)
        QVERIFY2(Contains(result.Candidates, id), id.c_str());
    for (const std::string& id : notCandidates)
        QVERIFY2(!Contains(result.Candidates, id), id.c_str());
    QCOMPARE(Join(result.Redundant), Join(redundant));
}

// Three quantities of a block fix it, but the solver needs two of its edges: it names
// the sets with one of the given values and two edges.
void TestSolver::notCovered() {
    const TSolveResult result =
        SolveFor(vaBlock, {{"volume", 6}, {"area", 22}, {"diagonal-of-solid", sqrtl(14)}});
    QCOMPARE(result.Outcome, soNotCovered);
    QCOMPARE(result.MoreNeeded, 2);
    QCOMPARE(result.Enough.size(), std::size_t(9));
    for (const std::vector<std::string>& set : result.Enough) {
        QCOMPARE(set.size(), std::size_t(3));
        int edges = 0;
        for (const std::string& id : set)
            edges += id == "a" || id == "b" || id == "c" ? 1 : 0;
        QCOMPARE(edges, 2);
    }
    const TSolveResult cone = SolveFor(vaTruncatedCone, {{"volume", 6}, {"area", 22}});
    QCOMPARE(cone.Outcome, soNotCovered);
    QCOMPARE(cone.MoreNeeded, 2);
}

void TestSolver::invalid_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<QString>("id");
    QTest::addColumn<TInvalidReason>("reason");

    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    QTest::newRow("no solid") << vaPrism_None << std::vector<TKnownValue>{{"volume", 1}} << ""
                              << irNoSolid;
    QTest::newRow("unknown") << vaCone << std::vector<TKnownValue>{{"diagonal", 1}} << "diagonal"
                             << irUnknownId;
    QTest::newRow("another variant's")
        << vaCone << std::vector<TKnownValue>{{"a", 1}} << "a" << irUnknownId;
    QTest::newRow("repeated") << vaCone << std::vector<TKnownValue>{{"volume", 1}, {"volume", 2}}
                              << "volume" << irRepeated;
    QTest::newRow("not a number") << vaCone << std::vector<TKnownValue>{{"r", nan}} << "r"
                                  << irNotFinite;
    QTest::newRow("negative") << vaCone << std::vector<TKnownValue>{{"volume", -1}} << "volume"
                              << irNotPositive;
    QTest::newRow("zero") << vaCone << std::vector<TKnownValue>{{"r", 0}} << "r" << irNotPositive;
    QTest::newRow("count not whole")
        << vaPrism_NAngle << std::vector<TKnownValue>{{"n", 4.5L}} << "n" << irNotACount;
    QTest::newRow("count of two") << vaPrism_NAngle << std::vector<TKnownValue>{{"n", 2}} << "n"
                                  << irNotACount;
    QTest::newRow("mass without density")
        << vaCone << std::vector<TKnownValue>{{"mass", 1}} << "mass" << irNoDensity;
}

void TestSolver::invalid() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(QString, id);
    QFETCH(TInvalidReason, reason);
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, soInvalid);
    QCOMPARE(QString::fromStdString(result.Invalid), id);
    QCOMPARE(result.InvalidReason, reason);
}

// 7850 kg of steel in a cylinder of radius 0.5: its volume is one cubic metre.
void TestSolver::massWithDensity() {
    const TSolveResult result = SolveFor(vaCylinder, {{"r", 0.5L}, {"mass", 7850}}, 7850);
    QCOMPARE(result.Outcome, soSolved);
    const Real height = 1 / (Pi / 4);
    QVERIFY(abs(X(result.Solutions.at(0).Values[enCylinder_V]) - height) <= Real("1e-16") * height);
    // A sector's cone part is taken away above a hemisphere: its volume may be negative.
    const TSolveResult sector =
        SolveFor(vaSphericalSector, {{"rho", 1}, {"volume-of-cone-part", -0.5L}});
    QCOMPARE(sector.Outcome, soSolved);
    QVERIFY(sector.Solutions.at(0).Values[enSphericalSector_V] > 1);
}

void TestSolver::beyondExtended_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<std::vector<TKnownValue>>("known");
    QTest::addColumn<TSolveOutcome>("outcome");

    const Extended most = std::numeric_limits<Extended>::max();
    const Extended least = std::numeric_limits<Extended>::denorm_min();
    QTest::newRow("a sphere of the largest volume")
        << vaSphere << std::vector<TKnownValue>{{"volume", most}} << soSolved;
    QTest::newRow("edges 1e-4000 and 1e4000")
        << vaBlock << std::vector<TKnownValue>{{"a", 1e-4000L}, {"b", 1e4000L}, {"volume", 1}}
        << soSolved;
    // The third edge would be 1 / the largest value: its volume is beyond Extended.
    QTest::newRow("block of the largest values")
        << vaBlock << std::vector<TKnownValue>{{"a", most}, {"b", most}, {"volume", most}}
        << soNoneFits;
    QTest::newRow("cone on the least radius")
        << vaCone << std::vector<TKnownValue>{{"r", least}, {"volume", 1}} << soNoneFits;
    QTest::newRow("tank whose full volume overflows")
        << vaCylindricalTank
        << std::vector<TKnownValue>{{"r", 1e4000L}, {"d", 1e-4000L}, {"volume", 1}} << soNoneFits;
    QTest::newRow("cone of volume and area 1e4000")
        << vaCone << std::vector<TKnownValue>{{"volume", 1e4000L}, {"area", 1e4000L}} << soNoneFits;
}

// Values at the ends of Extended: no crash, and no bound stated from values that left
// its range (a figure the geometry cannot hold fits none).
void TestSolver::beyondExtended() {
    QFETCH(TVariant, variant);
    QFETCH(std::vector<TKnownValue>, known);
    QFETCH(TSolveOutcome, outcome);
    const TSolveResult result = SolveFor(variant, known);
    QCOMPARE(result.Outcome, outcome);
    QVERIFY(!result.Bound);
    for (const TSolution& solution : result.Solutions)
        QVERIFY(CalculateSolid(variant, solution.Values).Figure);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_Solver.moc"

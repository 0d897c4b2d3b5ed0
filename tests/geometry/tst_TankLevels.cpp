// The level table of a horizontal cylindrical tank: the volume and the share
// of the full tank at each level, and the level that holds a volume or a
// share, checked against closed forms evaluated with 50 significant digits
// and by round trips over the whole height, the ends and the levels next to
// them included.
#include "GeometryTestSupport.h"
#include "SolidFigures.h"
#include "TankLevels.h"

#include <QtTest>
#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cfloat>
#include <functional>
#include <random>

using TCall = std::function<void()>;
Q_DECLARE_METATYPE(TCall)

namespace {

using Real = boost::multiprecision::cpp_bin_float_50;

const Real Pi = boost::math::constants::pi<Real>();
const Real Bound("1e-16");

Real X(Extended AValue) {
    return Real(AValue); // exact
}

// The liquid's end face: the sector of half-angle phi less the triangle between
// the chord and the centre (a triangle added when the level is above the centre).
Real ReferenceSegment(const Real& R, const Real& Level) {
    if (Level <= 0)
        return 0;
    if (Level >= 2 * R)
        return Pi * R * R;
    const Real HalfChord = sqrt(Level * (2 * R - Level));
    return R * R * atan2(HalfChord, R - Level) - (R - Level) * HalfChord;
}

// The level whose segment has the area AArea, by halving [0, 2R] in 50 digits
// until the interval is far below anything Extended can tell apart.
Real ReferenceLevel(const Real& R, const Real& AArea) {
    Real Low = 0, High = 2 * R;
    for (int i = 0; i < 180; ++i) {
        const Real Middle = (Low + High) / 2;
        (ReferenceSegment(R, Middle) < AArea ? Low : High) = Middle;
    }
    return (Low + High) / 2;
}

// The segment of central angle w, over R^2: (w - sin w) / 2, by its series for a
// small angle, where the difference would cancel even in 50 digits.
Real SegmentOverSquare(const Real& w) {
    if (w >= 1)
        return (w - sin(w)) / 2;
    Real Term = w * w * w / 6;
    Real Sum = Term;
    for (int k = 2; abs(Term) > Sum * Real("1e-55"); ++k) {
        Term *= -(w * w) / ((2 * k) * (2 * k + 1));
        Sum += Term;
    }
    return Sum / 2;
}

// The level whose segment has the area AArea, by Newton's method in 50 digits from
// AStart, a level near it: the segment grows by the chord per unit of level.
Real ReferenceLevelNear(const Real& R, const Real& AArea, Real ALevel) {
    if (AArea <= 0)
        return 0;
    if (AArea >= Pi * R * R)
        return 2 * R;
    for (int i = 0; i < 100; ++i) {
        if (ALevel <= 0 || ALevel >= 2 * R)
            ALevel = ReferenceLevel(R, AArea);
        const Real HalfChord = sqrt(ALevel * (2 * R - ALevel));
        const Real Segment = R * R * SegmentOverSquare(2 * atan2(HalfChord, R - ALevel));
        const Real Step = (Segment - AArea) / (2 * HalfChord);
        ALevel -= Step;
        if (abs(Step) <= ALevel * Real("1e-45"))
            break;
    }
    return ALevel;
}

Real RelativeError(Extended AActual, const Real& AExact) {
    if (AExact == 0)
        return abs(X(AActual));
    return abs(X(AActual) - AExact) / abs(AExact);
}

QString Text(Extended AValue) {
    return QString::fromStdString(X(AValue).str(21));
}

// How far apart two levels may be when they hold the same Extended volume:
// 1e-16 relative where the volume tells levels apart to that, wider only just
// below the top, where the tank hardly widens any more and a volume rounded to
// Extended stands for a whole range of levels (its half-width is half a unit
// of the volume divided by the growth L * chord of the volume per level).
Extended LevelTolerance(Extended R, Extended L, Extended ALevel) {
    const Extended Volume = TankFullVolume(R, L);
    const Extended Chord = 2 * std::sqrt(ALevel * std::fmax(2 * R - ALevel, 0));
    const Extended Conditioned = Chord > 0 ? (8 * LDBL_EPSILON * Volume) / (L * Chord) : 2 * R;
    return std::fmax(1e-16L * ALevel, Conditioned);
}

struct TTank {
    const char* Name;
    Extended R;
    Extended L;
};

const TTank Tanks[] = {{"unit", 1, 1},
                       {"ordinary", 0.75L, 3.2L},
                       {"long and thin", 0.0123L, 456.5L},
                       {"large", 1e150L, 1e100L},
                       {"small", 1e-150L, 1e-100L},
                       {"odd radius", 1.0L / 3, 7}};

// Levels over the whole height: the ends, the units next to them, very low and
// very high ones, around the centre, and a seeded random sweep.
std::vector<Extended> Levels(Extended R) {
    const Extended D = 2 * R;
    std::vector<Extended> Result = {0,
                                    D,
                                    R * 1e-300L,
                                    R * 1e-20L,
                                    R * 1e-10L,
                                    std::nextafter(D, Extended(0)),
                                    D - D * 1e-15L,
                                    D - D * 1e-10L,
                                    D - D * 1e-6L,
                                    R,
                                    std::nextafter(R, Extended(0)),
                                    std::nextafter(R, D)};
    for (int k = 1; k < 20; ++k)
        Result.push_back(D * k / 20);
    std::mt19937_64 Random(14);
    std::uniform_real_distribution<double> Exponent(-30, 0);
    for (int i = 0; i < 400; ++i) {
        const Extended t = std::pow(10.0L, Extended(Exponent(Random)));
        Result.push_back(i % 2 == 0 ? D * t : D - D * t);
    }
    return Result;
}

} // namespace

class TestTankLevels : public QObject {
    Q_OBJECT
private slots:
    void tableAgainstReference_data();
    void tableAgainstReference();
    void levelForVolumeAgainstReference_data();
    void levelForVolumeAgainstReference();
    void roundTrips_data();
    void roundTrips();
    void closestLevel_data();
    void closestLevel();
    void sameVolumeAsTheTank();
    void rejections_data();
    void rejections();
};

void TestTankLevels::tableAgainstReference_data() {
    QTest::addColumn<Extended>("R");
    QTest::addColumn<Extended>("L");
    for (const TTank& Tank : Tanks)
        QTest::newRow(Tank.Name) << Tank.R << Tank.L;
}

// Every row of a table in twentieths of the diameter, and the very low and
// very high levels, against the closed form: volume and percentage to 1e-16.
void TestTankLevels::tableAgainstReference() {
    QFETCH(Extended, R);
    QFETCH(Extended, L);
    std::vector<Extended> Rows;
    // Twentieths of the diameter, the last row the diameter itself (20 D / 20
    // need not give D back).
    for (int k = 0; k < 20; ++k)
        Rows.push_back(2 * R * k / 20);
    Rows.push_back(2 * R);
    for (const Extended Level :
         {R * 1e-20L, R * 1e-9L, 2 * R - 2 * R * 1e-9L, std::nextafter(2 * R, Extended(0))})
        Rows.push_back(Level);
    const Real Full = Pi * X(R) * X(R) * X(L);
    for (const Extended Level : Rows) {
        const Real Volume = ReferenceSegment(X(R), X(Level)) * X(L);
        const Extended Actual = TankVolumeAtLevel(R, L, Level);
        QVERIFY2(RelativeError(Actual, Volume) <= Bound,
                 qPrintable(QStringLiteral("volume at %1: %2").arg(Text(Level), Text(Actual))));
        const Extended Percentage = TankPercentageAtLevel(R, L, Level);
        QVERIFY2(
            RelativeError(Percentage, 100 * Volume / Full) <= Bound,
            qPrintable(QStringLiteral("percentage at %1: %2").arg(Text(Level), Text(Percentage))));
    }
    QCOMPARE(TankVolumeAtLevel(R, L, 0), Extended(0));
    // Levels whose volume is below the range of Extended hold nothing, and
    // are no error.
    for (const Extended Level : {std::nextafter(Extended(0), Extended(1)), LDBL_MIN}) {
        const Extended Volume = TankVolumeAtLevel(R, L, Level);
        QVERIFY(Volume >= 0 && Volume < 1e-4000L);
    }
    QCOMPARE(TankPercentageAtLevel(R, L, 2 * R), Extended(100));
}

void TestTankLevels::levelForVolumeAgainstReference_data() {
    tableAgainstReference_data();
}

// The level for a volume and for a percentage against the level solved in 50
// digits for exactly that (Extended) volume.
void TestTankLevels::levelForVolumeAgainstReference() {
    QFETCH(Extended, R);
    QFETCH(Extended, L);
    const Extended Full = TankFullVolume(R, L);
    std::vector<Extended> Shares = {1e-30L, 1e-12L, 1e-4L, 0.999L, 0.9999L};
    for (int k = 1; k < 20; ++k)
        Shares.push_back(Extended(k) / 20);
    for (const Extended Share : Shares) {
        const Extended Volume = Full * Share;
        // The Extended full volume stands for pi R^2 L rounded; the share of it
        // is what the user's volume means.
        const Real Area = X(Volume) / X(Full) * Pi * X(R) * X(R);
        const Real Level = ReferenceLevel(X(R), Area);
        const Extended Actual = TankLevelForVolume(R, L, Volume);
        QVERIFY2(RelativeError(Actual, Level) <= Bound,
                 qPrintable(QStringLiteral("share %1: %2").arg(Text(Share), Text(Actual))));
        const Extended Percentage = Share * 100;
        const Real ByPercentage = ReferenceLevel(X(R), X(Percentage) / 100 * Pi * X(R) * X(R));
        QVERIFY2(RelativeError(TankLevelForPercentage(R, Percentage), ByPercentage) <= Bound,
                 qPrintable(QStringLiteral("percentage %1").arg(Text(Percentage))));
    }
    QCOMPARE(TankLevelForVolume(R, L, 0), Extended(0));
    QCOMPARE(TankLevelForVolume(R, L, Full), 2 * R);
    QCOMPARE(TankLevelForPercentage(R, 0), Extended(0));
    QCOMPARE(TankLevelForPercentage(R, 100), 2 * R);
}

void TestTankLevels::roundTrips_data() {
    tableAgainstReference_data();
}

// level -> volume -> level and level -> percentage -> level to 1e-16 relative
// (just below the top to what the volume can tell apart, see LevelTolerance),
// and volume -> level -> volume to 1e-16 relative everywhere.
void TestTankLevels::roundTrips() {
    QFETCH(Extended, R);
    QFETCH(Extended, L);
    for (const Extended Level : Levels(R)) {
        const Extended Volume = TankVolumeAtLevel(R, L, Level);
        const Extended Back = TankLevelForVolume(R, L, Volume);
        const Extended Tolerance = LevelTolerance(R, L, Level);
        QVERIFY2(std::fabs(Back - Level) <= Tolerance,
                 qPrintable(QStringLiteral("level %1 -> volume %2 -> level %3")
                                .arg(Text(Level), Text(Volume), Text(Back))));
        const Extended Percentage = TankPercentageAtLevel(R, L, Level);
        const Extended FromPercentage = TankLevelForPercentage(R, Percentage);
        QVERIFY2(std::fabs(FromPercentage - Level) <= std::fmax(Tolerance, 1e-16L * Level),
                 qPrintable(QStringLiteral("level %1 -> %2 % -> level %3")
                                .arg(Text(Level), Text(Percentage), Text(FromPercentage))));
        const Extended Again = TankVolumeAtLevel(R, L, Back);
        QVERIFY2(std::fabs(Again - Volume) <= 1e-16L * Volume,
                 qPrintable(QStringLiteral("volume %1 -> level %2 -> volume %3")
                                .arg(Text(Volume), Text(Back), Text(Again))));
    }
}

void TestTankLevels::closestLevel_data() {
    tableAgainstReference_data();
}

// The level for each volume of the sweep, and for each percentage, is the Extended
// value closest to the level solved in 50 digits for exactly that volume or share:
// neither of its neighbours is closer. The full tank is 2R by definition (above).
void TestTankLevels::closestLevel() {
    QFETCH(Extended, R);
    QFETCH(Extended, L);
    const auto closest = [R](Extended AActual, const Real& AExact) {
        const Real Error = abs(X(AActual) - AExact);
        return abs(X(std::nextafter(AActual, Extended(0))) - AExact) >= Error &&
               abs(X(std::nextafter(AActual, 2 * R)) - AExact) >= Error;
    };
    for (const Extended Level : Levels(R)) {
        const Extended Volume = TankVolumeAtLevel(R, L, Level);
        if (Volume == TankFullVolume(R, L))
            continue;
        const Extended Actual = TankLevelForVolume(R, L, Volume);
        const Real Exact = ReferenceLevelNear(X(R), X(Volume) / X(L), X(Actual));
        QVERIFY2(closest(Actual, Exact),
                 qPrintable(
                     QStringLiteral("volume %1: level %2, not %3")
                         .arg(Text(Volume), Text(Actual), QString::fromStdString(Exact.str(25)))));
        const Extended Percentage = TankPercentageAtLevel(R, L, Level);
        if (Percentage == 100)
            continue;
        const Extended ByPercentage = TankLevelForPercentage(R, Percentage);
        const Real ExactByPercentage =
            ReferenceLevelNear(X(R), X(Percentage) / 100 * Pi * X(R) * X(R), X(ByPercentage));
        QVERIFY2(closest(ByPercentage, ExactByPercentage),
                 qPrintable(QStringLiteral("%1 %: level %2, not %3")
                                .arg(Text(Percentage), Text(ByPercentage),
                                     QString::fromStdString(ExactByPercentage.str(25)))));
    }
}

// Inside the tank the table's volume is the one the computation window shows
// for that level, to the bit.
void TestTankLevels::sameVolumeAsTheTank() {
    for (const TTank& Tank : Tanks)
        for (int k = 1; k < 20; ++k) {
            const Extended Level = 2 * Tank.R * k / 20;
            const TCylindricalTank Figure = TCylindricalTank::Create(Tank.R, Level, Tank.L);
            QCOMPARE(TankVolumeAtLevel(Tank.R, Tank.L, Level), Figure.Volume());
            QCOMPARE(TankPercentageAtLevel(Tank.R, Tank.L, Level), Figure.PercentageFilling());
        }
}

void TestTankLevels::rejections_data() {
    QTest::addColumn<TCall>("Call");
    QTest::addColumn<QString>("Operation");
    using F = std::function<void()>;
    const QString Volume = QStringLiteral("TankLevelForVolume");
    const QString Percentage = QStringLiteral("TankLevelForPercentage");
    const QString AtLevel = QStringLiteral("TankVolumeAtLevel");
    QTest::newRow("volume below zero") << F([] { TankLevelForVolume(1, 1, -1e-30L); }) << Volume;
    QTest::newRow("volume above full")
        << F([] { TankLevelForVolume(1, 1, std::nextafter(TankFullVolume(1, 1), Extended(4))); })
        << Volume;
    QTest::newRow("volume not a number") << F([] { TankLevelForVolume(1, 1, NAN); }) << Volume;
    QTest::newRow("radius zero") << F([] { TankLevelForVolume(0, 1, 0); }) << Volume;
    QTest::newRow("length infinite") << F([] { TankLevelForVolume(1, INFINITY, 1); }) << Volume;
    QTest::newRow("percentage above 100")
        << F([] { TankLevelForPercentage(1, 100.000001L); }) << Percentage;
    QTest::newRow("percentage below zero")
        << F([] { TankLevelForPercentage(1, -1); }) << Percentage;
    QTest::newRow("level above diameter")
        << F([] { TankVolumeAtLevel(1, 1, std::nextafter(Extended(2), Extended(3))); }) << AtLevel;
    QTest::newRow("level below zero") << F([] { TankVolumeAtLevel(1, 1, -1); }) << AtLevel;
}

void TestTankLevels::rejections() {
    QFETCH(TCall, Call);
    QFETCH(QString, Operation);
    try {
        Call();
        QFAIL("no exception");
    } catch (const EInvalidInputSolidFigures& E) {
        QVERIFY2(QString::fromStdString(E.what()).endsWith(Operation), E.what());
    }
}

QTEST_APPLESS_MAIN(TestTankLevels)
#include "tst_TankLevels.moc"

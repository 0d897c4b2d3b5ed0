// The shown digits of every solid for the figure as typed: the values from
// CertifyFigure against closed forms written here, evaluated with 50 digits
// from the decimal texts (not from their 80-bit roundings), and rounded to
// the shown text by a rounding written here too. Ill-conditioned figures of
// every solid where they exist, the four figures of the report that found
// the fault, a seeded sweep of typed decimals, ties, and the tank's levels.
#include "CertifyTank.h"
#include "GeometryTestSupport.h"
#include "ShownReference.h"

#include <QtTest>
#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <functional>
#include <random>
#include <type_traits>

namespace {
using namespace GeometryTest;

using Real = boost::multiprecision::cpp_bin_float_50;
const Real Pi = boost::math::constants::pi<Real>();

TDecimalNumber D(const QString& AText) {
    const std::optional<TDecimalNumber> Number = TDecimalNumber::Parse(AText.toStdString());
    if (!Number) {
        qFatal("not a decimal: %s", qPrintable(AText));
    }
    return *Number;
}

Real R(const QString& AText) {
    return Real(AText.toStdString());
}

using ShownReference::Shown;
using ShownReference::TText;

QString Image(const TShownValue& AValue) {
    const QString Digits = QString::fromStdString(AValue.Digits);
    return AValue.Decade ? Digits + QString(" x10^%1").arg(AValue.Exponent) : Digits;
}

// ---- The solids, in any number type, and their closed forms -------------------------

using TReference = std::function<std::vector<Real>(const std::vector<Real>&)>;
using TCertifier = std::function<TCertifiedFigure(const std::vector<TDecimalNumber>&, TShownForm)>;
using TExtended = std::function<std::vector<Extended>(const std::vector<Extended>&)>;

struct TKind {
    QString Name;
    TCertifier Certify;
    TExtended InExtended;
    TReference Reference;
};

template <class TQuantities>
TKind Kind(const QString& AName, TQuantities AQuantities, TReference AReference) {
    return {AName,
            [AQuantities](const std::vector<TDecimalNumber>& AInputs, TShownForm AForm) {
                return CertifyFigure(AInputs, AQuantities, AForm);
            },
            [AQuantities](const std::vector<Extended>& AInputs) { return AQuantities(AInputs); },
            AReference};
}

// Volume and surface of the solid that ABuild makes of the inputs.
#define SOLID(BUILD)                                                                               \
    [](const auto& In) {                                                                           \
        using T = std::decay_t<decltype(In[0])>;                                                   \
        const auto F = BUILD;                                                                      \
        return std::vector<T>{F.Volume(), F.Area()};                                               \
    }

// The apothem of a regular n-gon of side a.
Real Apothem(int n, const Real& a) {
    return a / (2 * tan(Pi / n));
}

// w - sin w without cancellation for a small w: its series.
Real AngleMinusSine(const Real& w) {
    if (w > Real("0.1")) {
        return w - sin(w);
    }
    Real Term = w * w * w / 6;
    Real Sum = 0;
    for (int k = 1; Term != 0 && abs(Term) > abs(Sum) * Real("1e-60"); ++k) {
        Sum += Term;
        Term *= -(w * w) / ((2 * k + 2) * (2 * k + 3));
    }
    return Sum;
}

// The segment of a circle of radius r and height h: area, chord, arc.
struct TSegment {
    Real Area, Chord, Arc;
};
TSegment Segment(const Real& r, const Real& h) {
    const Real w = 4 * asin(sqrt(h / (2 * r))); // central angle
    return {r * r * AngleMinusSine(w) / 2, 2 * sqrt(h * (2 * r - h)), r * w};
}

const std::vector<TKind>& Kinds() {
    static const std::vector<TKind> List = {
        Kind("cube", SOLID(Figures::TCube<T>::Create(In[0])),
             [](const std::vector<Real>& x) {
                 return std::vector<Real>{x[0] * x[0] * x[0], 6 * x[0] * x[0]};
             }),
        Kind("block", SOLID(Figures::TBlock<T>::Create(In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 return std::vector<Real>{x[0] * x[1] * x[2],
                                          2 * (x[0] * x[1] + x[1] * x[2] + x[2] * x[0])};
             }),
        Kind("sphere", SOLID(Figures::TSphere<T>::Create(In[0])),
             [](const std::vector<Real>& x) {
                 return std::vector<Real>{4 * Pi * pow(x[0], 3) / 3, 4 * Pi * x[0] * x[0]};
             }),
        Kind("cone", SOLID(Figures::TCone<T>::Create(In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real r = x[0], h = x[1];
                 return std::vector<Real>{Pi * r * r * h / 3,
                                          Pi * r * r + Pi * r * sqrt(r * r + h * h)};
             }),
        Kind("cylinder", SOLID(Figures::TCylinder<T>::Create(In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real r = x[0], h = x[1];
                 return std::vector<Real>{Pi * r * r * h, 2 * Pi * r * r + 2 * Pi * r * h};
             }),
        Kind("tetrahedron", SOLID(Figures::TPyramid_Tetrahedron<T>::Create(In[0])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0];
                 return std::vector<Real>{a * a * a / (6 * sqrt(Real(2))), sqrt(Real(3)) * a * a};
             }),
        Kind("rectangular pyramid",
             SOLID(Figures::TPyramid_Rectangle<T>::Create(In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], b = x[1], h = x[2];
                 return std::vector<Real>{a * b * h / 3, a * b + a * sqrt(h * h + b * b / 4) +
                                                             b * sqrt(h * h + a * a / 4)};
             }),
        Kind("hexagonal pyramid", SOLID(Figures::TPyramid_NAngle<T>::Create(6, In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], h = x[1], m = Apothem(6, a), Base = 6 * a * m / 2;
                 return std::vector<Real>{Base * h / 3, Base + 6 * a * sqrt(m * m + h * h) / 2};
             }),
        Kind("pyramid of five million sides",
             SOLID(Figures::TPyramid_NAngle<T>::Create(5000000, In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], h = x[1], m = Apothem(5000000, a), Base = 5000000 * a * m / 2;
                 return std::vector<Real>{Base * h / 3,
                                          Base + 5000000 * a * sqrt(m * m + h * h) / 2};
             }),
        Kind("triangular prism",
             SOLID(Figures::TPrism_Triangle<T>::Create(In[0], In[1], In[2], In[3])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], b = x[1], c = x[2], h = x[3];
                 const Real Base = sqrt((a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c)) / 4;
                 return std::vector<Real>{Base * h, 2 * Base + (a + b + c) * h};
             }),
        Kind("pentagonal prism", SOLID(Figures::TPrism_NAngle<T>::Create(5, In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], h = x[1], Base = 5 * a * Apothem(5, a) / 2;
                 return std::vector<Real>{Base * h, 2 * Base + 5 * a * h};
             }),
        Kind("prism of three million sides",
             SOLID(Figures::TPrism_NAngle<T>::Create(3000000, In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real a = x[0], h = x[1], Base = 3000000 * a * Apothem(3000000, a) / 2;
                 return std::vector<Real>{Base * h, 2 * Base + 3000000 * a * h};
             }),
        Kind("ring prism", SOLID(Figures::TPrism_CircularRing<T>::Create(In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 const Real R = x[0], r = x[1], h = x[2], Base = Pi * (R * R - r * r);
                 return std::vector<Real>{Base * h, 2 * Base + 2 * Pi * (R + r) * h};
             }),
        Kind(
            "truncated cone",
            [](const auto& In) {
                using T = std::decay_t<decltype(In[0])>;
                const auto F = Figures::TTruncatedCone<T>::Create(In[0], In[1], In[2]);
                return std::vector<T>{F.Volume(), F.Area(), F.SlantHeight()};
            },
            [](const std::vector<Real>& x) {
                const Real r1 = x[0], r2 = x[1], h = x[2], s = sqrt((r1 - r2) * (r1 - r2) + h * h);
                return std::vector<Real>{Pi * h * (r1 * r1 + r1 * r2 + r2 * r2) / 3,
                                         Pi * (r1 * r1 + r2 * r2) + Pi * (r1 + r2) * s, s};
            }),
        // The lower base similar to the upper one, as the page gives it: a2, b2 and
        // the lower side a1; b1 = a1 / a2 * b2.
        Kind("truncated rectangular pyramid",
             SOLID(Figures::TTruncatedPyramid_Rectangle<T>::Create(In[0], In[1], In[2],
                                                                   In[2] / In[0] * In[1], In[3])),
             [](const std::vector<Real>& x) {
                 const Real a2 = x[0], b2 = x[1], a1 = x[2], b1 = x[2] / x[0] * x[1], h = x[3];
                 const Real S2 = a2 * b2, S1 = a1 * b1;
                 const Real sA = sqrt((b2 - b1) * (b2 - b1) / 4 + h * h);
                 const Real sB = sqrt((a2 - a1) * (a2 - a1) / 4 + h * h);
                 return std::vector<Real>{h * (S1 + S2 + sqrt(S1 * S2)) / 3,
                                          S1 + S2 + (a2 + a1) * sA + (b2 + b1) * sB};
             }),
        Kind("truncated hexagonal pyramid",
             SOLID(Figures::TTruncatedPyramid_NAngle<T>::Create(6, In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 const Real a1 = x[0], a2 = x[1], h = x[2], m1 = Apothem(6, a1),
                            m2 = Apothem(6, a2);
                 const Real S1 = 3 * a1 * m1, S2 = 3 * a2 * m2;
                 return std::vector<Real>{h * (S1 + S2 + sqrt(S1 * S2)) / 3,
                                          S1 + S2 +
                                              3 * (a1 + a2) * sqrt((m1 - m2) * (m1 - m2) + h * h)};
             }),
        Kind("truncated pyramid of two million sides",
             SOLID(Figures::TTruncatedPyramid_NAngle<T>::Create(2000000, In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 const int n = 2000000;
                 const Real a1 = x[0], a2 = x[1], h = x[2], m1 = Apothem(n, a1),
                            m2 = Apothem(n, a2);
                 const Real S1 = n * a1 * m1 / 2, S2 = n * a2 * m2 / 2;
                 return std::vector<Real>{
                     h * (S1 + S2 + sqrt(S1 * S2)) / 3,
                     S1 + S2 + n * (a1 + a2) / 2 * sqrt((m1 - m2) * (m1 - m2) + h * h)};
             }),
        Kind(
            "cylindrical tank",
            [](const auto& In) {
                using T = std::decay_t<decltype(In[0])>;
                const auto F = Figures::TCylindricalTank<T>::Create(In[0], In[1], In[2]);
                return std::vector<T>{F.Volume(), F.Area(), F.PercentageFilling()};
            },
            [](const std::vector<Real>& x) {
                const Real r = x[0], h = x[1], L = x[2];
                const TSegment S = Segment(r, h);
                return std::vector<Real>{S.Area * L, 2 * S.Area + L * (S.Chord + S.Arc),
                                         100 * S.Area / (Pi * r * r)};
            }),
        Kind("spherical segment", SOLID(Figures::TSphericalSegment<T>::Create(In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real r = x[0], h = x[1];
                 return std::vector<Real>{Pi * h * (3 * r * r + h * h) / 6,
                                          Pi * (r * r + h * h) + Pi * r * r};
             }),
        Kind("spherical segment of a sphere",
             SOLID(Figures::TSphericalSegment<T>::Create_RadiusOfSphere_Height(In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real R = x[0], h = x[1];
                 return std::vector<Real>{Pi * h * h * (3 * R - h) / 3,
                                          2 * Pi * R * h + Pi * (2 * R - h) * h};
             }),
        Kind("spherical sector", SOLID(Figures::TSphericalSector<T>::Create(In[0], In[1])),
             [](const std::vector<Real>& x) {
                 const Real r = x[0], h = x[1], R = (r * r + h * h) / (2 * h);
                 return std::vector<Real>{2 * Pi * R * R * h / 3, 2 * Pi * R * h + Pi * r * R};
             }),
        Kind("spherical frustum", SOLID(Figures::TSphericalFrustum<T>::Create(In[0], In[1], In[2])),
             [](const std::vector<Real>& x) {
                 const Real r1 = x[0], r2 = x[1], h = x[2];
                 const Real X = (h * h + r2 * r2 - r1 * r1) / (2 * h);
                 return std::vector<Real>{Pi * h * (3 * r1 * r1 + 3 * r2 * r2 + h * h) / 6,
                                          Pi * (r1 * r1 + r2 * r2) +
                                              2 * Pi * sqrt(r1 * r1 + X * X) * h};
             }),
    };
    return List;
}

const TKind& KindNamed(const QString& AName) {
    for (const TKind& Kind : Kinds()) {
        if (Kind.Name == AName) {
            return Kind;
        }
    }
    qFatal("no solid %s", qPrintable(AName));
}

// The figure of the texts certified at AForm, with its references.
struct TChecked {
    TCertifiedFigure Figure;
    std::vector<Real> Reference;
    std::vector<Extended> InExtended; // what the program computes today
};

TChecked Check(const TKind& AKind, const QStringList& AInputs, TShownForm AForm) {
    std::vector<TDecimalNumber> Decimals;
    std::vector<Real> Exact;
    std::vector<Extended> Rounded;
    for (const QString& Input : AInputs) {
        Decimals.push_back(D(Input));
        Exact.push_back(R(Input));
        Rounded.push_back(D(Input).Rounded());
    }
    TChecked Result{AKind.Certify(Decimals, AForm), AKind.Reference(Exact), {}};
    try {
        Result.InExtended = AKind.InExtended(Rounded);
    } catch (const EInvalidInput&) {
    }
    return Result;
}

// The value of the certified text against the reference's: the same text, or
// a tie whose text the reference's value rounds to from one side.
QString Mismatch(const TCertifiedValue& AValue, const Real& AReference, TShownForm AForm) {
    const TText Expected = Shown(AReference, AForm.Precision, AForm.Semilogarithmic);
    if (Expected.Ambiguous) {
        return QString();
    }
    if (AValue.Shown.Certainty != scCertain) {
        return QString("uncertain %1, exact %2").arg(Image(AValue.Shown), Expected.Image());
    }
    if (Image(AValue.Shown) != Expected.Image()) {
        return QString("shows %1, exact %2").arg(Image(AValue.Shown), Expected.Image());
    }
    return QString();
}

using ShownReference::Near;
using ShownReference::RandomDecimal;

} // namespace

class TestCertifiedResults : public QObject {
    Q_OBJECT
private slots:
    void reportedFigures_data();
    void reportedFigures();
    void illConditioned_data();
    void illConditioned();
    void sweep();
    void ties_data();
    void ties();
    void tieAtTheLastPrecision();
    void typedFigureIsChecked_data();
    void typedFigureIsChecked();
    void otherForms();
    void tankAtLevel_data();
    void tankAtLevel();
    void tankLevel_data();
    void tankLevel();
};

// The four figures of the report: the program's 80-bit value shows a wrong
// digit, the certified one the exact digits.
void TestCertifiedResults::reportedFigures_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("exact");
    QTest::newRow("prism ring r1=1.0000000000000001 r2=1 v=1")
        << "ring prism" << QStringList{"1.0000000000000001", "1", "1"}
        << "6.28318530717959 x10^-16";
    QTest::newRow("prism triangle a=0.000000921637183 b=64000000 c=63999999.999999344 v=5201862.46")
        << "triangular prism"
        << QStringList{"0.000000921637183", "64000000", "63999999.999999344", "5201862.46"}
        << "107759816.489092";
    QTest::newRow("prism triangle a=3886483.383 b=0.0000033260666 c=3886483.3830003017 v=0.69")
        << "triangular prism"
        << QStringList{"3886483.383", "0.0000033260666", "3886483.3830003017", "0.69"}
        << "4.44132746930526";
    QTest::newRow("prism triangle a=0.0000004 b=300 c=300.00000012844345 v=0.008055791")
        << "triangular prism"
        << QStringList{"0.0000004", "300", "300.00000012844345", "0.008055791"}
        << "4.57750524245668 x10^-7";
}

void TestCertifiedResults::reportedFigures() {
    QFETCH(QString, kind);
    QFETCH(QStringList, inputs);
    QFETCH(QString, exact);
    const TShownForm Form{14, false};
    const TChecked Checked = Check(KindNamed(kind), inputs, Form);
    QCOMPARE(Checked.Figure.State, ccComputed);
    const TCertifiedValue& Volume = Checked.Figure.Values[0];
    QCOMPARE(Shown(Checked.Reference[0], 14, false).Image(), exact);
    QCOMPARE(Image(Volume.Shown), exact);
    QCOMPARE(Volume.Shown.Certainty, scCertain);
    // The slow path ran, and the 80-bit value it replaces shows other digits.
    QVERIFY(Volume.Exact);
    QVERIFY(Image(ShownValue(Checked.InExtended[0], Checked.InExtended[0], Form)) != exact);
}

// Figures where the typed numbers' 80-bit roundings move the shown digits
// (or where a naive formula would), for every solid where one exists; each
// text comes from the closed form, which the test checks first.
void TestCertifiedResults::illConditioned_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("exact");
    const auto Row = [](const char* AName, const char* AKind, const QStringList& AInputs,
                        int AQuantity, const char* AExact) {
        QTest::newRow(AName) << AKind << AInputs << AQuantity << AExact;
    };
    Row("flat triangle", "triangular prism", {"1", "1", "1.9999999999999999999", "1"}, 0,
        "3.16227766016838 x10^-10");
    Row("needle triangle", "triangular prism",
        {"0.000000000001", "1", "1.00000000000000000001", "2"}, 1, "4.00000000000300");
    Row("thin ring, volume", "ring prism", {"5", "4.99999999999999999", "3"}, 0,
        "9.42477796076938 x10^-16");
    Row("thin ring, surface", "ring prism", {"5", "4.99999999999999999", "3"}, 1,
        "188.495559215388");
    Row("truncated cone, nearly equal radii, slant height", "truncated cone",
        {"2", "2.0000000000000000003", "0.00000001"}, 2, "1.00000000000000 x10^-8");
    Row("truncated cone, nearly equal radii, volume", "truncated cone",
        {"2", "2.0000000000000000003", "0.00000001"}, 0, "1.25663706143592 x10^-7");
    Row("truncated pyramid, nearly equal bases", "truncated rectangular pyramid",
        {"3", "2", "3.00000000000000000001", "0.0000000001"}, 1, "12.0000000010000");
    Row("truncated hexagonal pyramid, nearly equal bases", "truncated hexagonal pyramid",
        {"1", "1.000000000000000000007", "0.000000000003"}, 0, "7.79422863405995 x10^-12");
    Row("tank nearly full, volume", "cylindrical tank", {"1", "1.99999999999999999999", "1"}, 0,
        "3.14159265358979");
    Row("tank nearly full, filling", "cylindrical tank", {"1", "1.99999999999999999999", "1"}, 2,
        "100.000000000000");
    Row("tank nearly empty, volume", "cylindrical tank", {"1", "0.0000000000000000001", "3"}, 0,
        "1.78885438199983 x10^-28");
    Row("tank nearly empty, surface", "cylindrical tank", {"1", "0.0000000000000000001", "3"}, 1,
        "5.36656314599950 x10^-9");
    Row("segment of nearly the whole sphere", "spherical segment of a sphere",
        {"1", "1.9999999999999999999"}, 1, "12.5663706143592");
    Row("sector just above the hemisphere", "spherical sector", {"1", "1.0000000000000000001"}, 0,
        "2.09439510239320");
    Row("sector just below the hemisphere", "spherical sector", {"0.7", "0.69999999999999999999"},
        1, "4.61814120077700");
    Row("hemisphere of decimals", "spherical sector", {"0.3", "0.3"}, 0, "0.05654866776462");
    Row("prism of three million sides", "prism of three million sides", {"0.000001", "1"}, 1,
        "4.43239448782653");
    Row("pyramid of five million sides", "pyramid of five million sides", {"0.000001", "1"}, 1,
        "5.18441076914151");
    Row("truncated pyramid of two million sides", "truncated pyramid of two million sides",
        {"0.000001", "0.0000010000000000000001", "0.5"}, 0, "0.15915494309176");
    Row("spherical frustum with the centre in a base", "spherical frustum", {"5", "3", "4"}, 1,
        "232.477856365645");
    Row("spherical frustum with the centre next to a base", "spherical frustum",
        {"5", "3", "4.0000000000000000001"}, 1, "232.477856365645");
    Row("needle cone", "cone", {"0.000000001", "1000000000"}, 1, "3.14159265358979");
}

void TestCertifiedResults::illConditioned() {
    QFETCH(QString, kind);
    QFETCH(QStringList, inputs);
    QFETCH(int, quantity);
    QFETCH(QString, exact);
    const TShownForm Form{14, false};
    const TChecked Checked = Check(KindNamed(kind), inputs, Form);
    QCOMPARE(Shown(Checked.Reference[std::size_t(quantity)], 14, false).Image(), exact);
    QCOMPARE(Checked.Figure.State, ccComputed);
    const TCertifiedValue& Value = Checked.Figure.Values[std::size_t(quantity)];
    QCOMPARE(Image(Value.Shown), exact);
    QCOMPARE(Value.Shown.Certainty, scCertain);
}

// Typed decimals of 1 to 18 significant digits, a third of the figures next to
// a degenerate one; every shown volume and surface (and the other values
// listed) against the reference. The program's 80-bit values are counted
// too: the sweep must hold figures where they show a wrong digit.
void TestCertifiedResults::sweep() {
    std::mt19937_64 Random(0x5EED22);
    const TShownForm Form{14, false};
    int Values = 0;
    int SlowPath = 0;
    int WrongIn80Bits = 0;
    const auto Digits = [&Random] { return 1 + int(Random() % 18); };
    const auto Exponent = [&Random](int ALow, int AHigh) {
        return ALow + int(Random() % unsigned(AHigh - ALow + 1));
    };
    const auto Closeness = [&Random] {
        // 1e-6 to 1e-17, either side.
        return Real(Random() % 2 ? 1 : -1) * pow(Real(10), -6 - int(Random() % 12));
    };
    for (int Figure = 0; Figure < 1500; ++Figure) {
        const TKind& Kind = Kinds()[std::size_t(Figure) % Kinds().size()];
        const bool Thin = Figure % 3 == 0;
        const auto Any = [&] { return RandomDecimal(Random, Digits(), Exponent(-4, 4)); };
        QStringList Inputs;
        const QString Name = Kind.Name;
        if (Name == "triangular prism") {
            // Flat (the longest side next to the sum of the others), needle-like
            // (next to their difference) or in between.
            const QString a = Any(), b = Any();
            const Real Shortest = abs(R(a) - R(b)), Longest = R(a) + R(b);
            Real c = Shortest + (Longest - Shortest) * Real(1 + Random() % 9) / 10;
            if (Thin) {
                c = Random() % 2 || Shortest == 0 ? Longest * (1 - abs(Closeness()))
                                                  : Shortest * (1 + abs(Closeness()));
            }
            Inputs = {a, b, QString::fromStdString(c.str(18, std::ios_base::scientific)), Any()};
        } else if (Name == "ring prism") {
            const QString Outer = Any();
            Inputs = {Outer, Thin ? Near(Outer, -abs(Closeness())) : Near(Outer, Real(-0.5)),
                      Any()};
        } else if (Name == "truncated cone") {
            const QString First = Any();
            Inputs = {First, Thin ? Near(First, Closeness()) : Any(), Any()};
            if (Inputs[0] == Inputs[1]) {
                Inputs[1] = Near(First, Real(0.5));
            }
        } else if (Name == "truncated rectangular pyramid") {
            const QString a2 = Any();
            Inputs = {a2, Any(), Thin ? Near(a2, Closeness()) : Any(), Any()};
            if (Inputs[0] == Inputs[2]) {
                Inputs[2] = Near(a2, Real(0.5));
            }
        } else if (Name.startsWith("truncated")) {
            const QString a1 = Any();
            Inputs = {a1, Thin ? Near(a1, Closeness()) : Any(), Any()};
            if (Inputs[0] == Inputs[1]) {
                Inputs[1] = Near(a1, Real(0.5));
            }
        } else if (Name == "cylindrical tank" || Name == "spherical segment of a sphere") {
            const QString Radius = Any();
            const QString Diameter = Near(Radius, Real(1)); // 2 r
            QString Level = Thin ? (Random() % 2 ? Near(Diameter, -abs(Closeness()))
                                                 : Near(Radius, Real(-1) + abs(Closeness())))
                                 : Near(Diameter, Real(-1) / (2 + int(Random() % 7)));
            Inputs = {Radius, Level};
            if (Name == "cylindrical tank") {
                Inputs << Any();
            }
        } else if (Name == "spherical sector" || Name == "spherical segment") {
            const QString Radius = Any();
            Inputs = {Radius, Thin ? Near(Radius, Closeness()) : Any()};
        } else {
            const int Count =
                Name == "cube" || Name == "sphere" || Name == "tetrahedron" ? 1
                : Name == "block" || Name == "rectangular pyramid" || Name == "spherical frustum"
                    ? 3
                    : 2;
            for (int I = 0; I < Count; ++I) {
                Inputs << Any();
            }
        }
        const TChecked Checked = Check(Kind, Inputs, Form);
        const QString Figure80 = Kind.Name + " " + Inputs.join(' ');
        QVERIFY2(Checked.Figure.State == ccComputed,
                 qPrintable(Figure80 + ": state " + QString::number(Checked.Figure.State) + " " +
                            QString::fromStdString(Checked.Figure.Error)));
        SlowPath += Checked.Figure.Bits > 0 ? 1 : 0;
        for (std::size_t I = 0; I < Checked.Figure.Values.size(); ++I) {
            const TCertifiedValue& Value = Checked.Figure.Values[I];
            const QString Wrong = Mismatch(Value, Checked.Reference[I], Form);
            QVERIFY2(Wrong.isEmpty(),
                     qPrintable(QString("%1, value %2: %3").arg(Figure80).arg(I).arg(Wrong)));
            ++Values;
            // The fast path's bound holds the exact value.
            if (std::isfinite(Value.Bounded.Error())) {
                const Real Distance = abs(Real(Value.Bounded.Value()) - Checked.Reference[I]);
                QVERIFY2(Distance <= Real(Value.Bounded.Error()) * (1 + Real("1e-10")),
                         qPrintable(QString("%1, value %2: off by %3, bound %4")
                                        .arg(Figure80)
                                        .arg(I)
                                        .arg(QString::fromStdString(Distance.str(5)))
                                        .arg(Text(Value.Bounded.Error()))));
            }
            if (I < Checked.InExtended.size()) {
                const TShownValue Today =
                    ShownValue(Checked.InExtended[I], Checked.InExtended[I], Form);
                WrongIn80Bits += Image(Today) != Image(Value.Shown) ? 1 : 0;
            }
        }
    }
    QVERIFY(Values >= 3000);
    QVERIFY2(WrongIn80Bits > 10, qPrintable(QString::number(WrongIn80Bits)));
    qInfo("%d values of 1500 figures; %d figures took the slow path; %d 80-bit texts were wrong",
          Values, SlowPath, WrongIn80Bits);
}

// A value exactly on a rounding boundary rounds away from zero: exactly
// where it is a rational number of the typed decimals (a volume of a cube,
// of a block), at the first precision of the slow path.
void TestCertifiedResults::ties_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("digits");
    QTest::newRow("cube of 0.15: volume 0.003375")
        << "cube" << QStringList{"0.15"} << 5 << 0 << "0.00338";
    QTest::newRow("cube of 0.15: surface 0.135")
        << "cube" << QStringList{"0.15"} << 2 << 1 << "0.14";
    QTest::newRow("block of 0.1, 0.1, 0.125: volume 0.00125")
        << "block" << QStringList{"0.1", "0.1", "0.125"} << 4 << 0 << "0.0013";
    QTest::newRow("cube of 0.5: volume 0.125") << "cube" << QStringList{"0.5"} << 2 << 0 << "0.13";
    QTest::newRow("block of 1.0000001, 1.0000001, 0.5: volume 0.500000100000005")
        << "block" << QStringList{"1.0000001", "1.0000001", "0.5"} << 14 << 0 << "0.50000010000001";
}

void TestCertifiedResults::ties() {
    QFETCH(QString, kind);
    QFETCH(QStringList, inputs);
    QFETCH(int, precision);
    QFETCH(int, quantity);
    QFETCH(QString, digits);
    const TShownForm Form{TPrecision(precision), false};
    const TChecked Checked = Check(KindNamed(kind), inputs, Form);
    const TCertifiedValue& Value = Checked.Figure.Values[std::size_t(quantity)];
    // The exact value is the boundary itself.
    QVERIFY(Shown(Checked.Reference[std::size_t(quantity)], precision, false).Ambiguous);
    QCOMPARE(Value.Shown.Certainty, scCertain);
    QCOMPARE(QString::fromStdString(Value.Shown.Digits), digits);
    QCOMPARE(Checked.Figure.Bits, CertifyFirstBits);
}

// A value on a boundary that the intervals cannot tell from one (a square of a
// square root) is undecided at every precision: after the last it is a tie,
// with the text of the boundary rounded away from zero.
void TestCertifiedResults::tieAtTheLastPrecision() {
    const auto Square = [](const auto& AIn) {
        using Figures::Sqrt;
        using T = std::decay_t<decltype(AIn[0])>;
        return std::vector<T>{Sqrt(AIn[0]) * Sqrt(AIn[0])};
    };
    const TCertifiedFigure Figure = CertifyFigure({D("0.125")}, Square, TShownForm{2, false});
    QCOMPARE(Figure.State, ccComputed);
    QCOMPARE(Figure.Bits, CertifyLastBits);
    QCOMPARE(Figure.Values[0].Shown.Certainty, scTie);
    QCOMPARE(QString::fromStdString(Figure.Values[0].Shown.Digits), QString("0.13"));
    QVERIFY(Figure.Values[0].Exact);
}

// The checks of a figure are decided for the typed numbers: a triangle that
// closes only in 80 bits, equal radii that 80 bits tell apart or not.
void TestCertifiedResults::typedFigureIsChecked_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("state");
    QTest::newRow("0.1 + 0.2 = 0.3: no triangle, in 80 bits neither")
        << "triangular prism" << QStringList{"0.1", "0.2", "0.3", "1"} << int(ccRejected);
    QTest::newRow("0.3 + 0.483 = 0.783: no triangle, though one in 80 bits")
        << "triangular prism" << QStringList{"0.3", "0.483", "0.783", "1"}
        << int(ccRejectedExactly);
    QTest::newRow("a triangle by 1e-25")
        << "triangular prism" << QStringList{"0.1", "0.2", "0.2999999999999999999999999", "1"}
        << int(ccComputed);
    QTest::newRow("radii equal in 80 bits, not typed")
        << "truncated cone" << QStringList{"1.00000000000000000001", "1", "2"} << int(ccComputed);
    QTest::newRow("radii typed equal")
        << "truncated cone" << QStringList{"0.1", "0.10", "2"} << int(ccRejected);
    QTest::newRow("level above the tank")
        << "cylindrical tank" << QStringList{"1", "2.5", "1"} << int(ccRejected);
}

void TestCertifiedResults::typedFigureIsChecked() {
    QFETCH(QString, kind);
    QFETCH(QStringList, inputs);
    QFETCH(int, state);
    const TChecked Checked = Check(KindNamed(kind), inputs, TShownForm{14, false});
    QCOMPARE(int(Checked.Figure.State), state);
    if (state == ccComputed) {
        for (std::size_t I = 0; I < Checked.Figure.Values.size(); ++I) {
            QVERIFY(Mismatch(Checked.Figure.Values[I], Checked.Reference[I], TShownForm{14, false})
                        .isEmpty());
        }
    }
}

// A decision kept for another precision and form: from the enclosure of the
// slow path, or from the bound of the fast one.
void TestCertifiedResults::otherForms() {
    const TChecked Thin =
        Check(KindNamed("ring prism"), {"1.0000000000000001", "1", "1"}, TShownForm{14, false});
    const TChecked Plain = Check(KindNamed("cone"), {"3", "4"}, TShownForm{14, false});
    for (const TChecked* Checked : {&Thin, &Plain}) {
        for (int Precision = 0; Precision <= 14; ++Precision) {
            for (const bool Semilogarithmic : {false, true}) {
                const TShownForm Form{TPrecision(Precision), Semilogarithmic};
                for (std::size_t I = 0; I < Checked->Figure.Values.size(); ++I) {
                    TCertifiedValue Value = Checked->Figure.Values[I];
                    Value.Shown = Redecide(Value, Form);
                    QVERIFY(Mismatch(Value, Checked->Reference[I], Form).isEmpty());
                }
            }
        }
    }
}

// ---- The tank's level table and its levels -----------------------------------------

void TestCertifiedResults::tankAtLevel_data() {
    QTest::addColumn<QStringList>("tank"); // radius, length
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("percentage");
    QTest::newRow("empty") << QStringList{"1.5", "2"} << "0"
                           << "0.00000000000000"
                           << "0.00000000000000";
    QTest::newRow("full, told exactly") << QStringList{"1.5", "2"} << "3"
                                        << "14.1371669411541"
                                        << "100.000000000000";
    QTest::newRow("a hair below the top") << QStringList{"1.5", "2"} << "2.99999999999999999999"
                                          << "14.1371669411541"
                                          << "100.000000000000";
    QTest::newRow("a hair above the bottom") << QStringList{"1.5", "2"} << "0.00000000000000000001"
                                             << "4.61880215351701 x10^-30"
                                             << "3.26713419509210 x10^-29";
    QTest::newRow("half") << QStringList{"0.1", "7"} << "0.1"
                          << "0.10995574287564"
                          << "50.0000000000000";
}

void TestCertifiedResults::tankAtLevel() {
    QFETCH(QStringList, tank);
    QFETCH(QString, level);
    QFETCH(QString, volume);
    QFETCH(QString, percentage);
    const Real r = R(tank[0]), L = R(tank[1]), h = R(level);
    const TSegment S = h == 2 * r ? TSegment{Pi * r * r, 0, 0} : Segment(r, h);
    QCOMPARE(Shown(S.Area * L, 14, false).Image(), volume);
    QCOMPARE(Shown(100 * S.Area / (Pi * r * r), 14, false).Image(), percentage);
    const TCertifiedFigure Figure =
        CertifyTankAtLevel(D(tank[0]), D(tank[1]), D(level), TShownForm{14, false});
    QCOMPARE(Figure.State, ccComputed);
    QCOMPARE(Image(Figure.Values[0].Shown), volume);
    QCOMPARE(Image(Figure.Values[1].Shown), percentage);
    QCOMPARE(Figure.Values[0].Shown.Certainty, scCertain);
    QCOMPARE(Figure.Values[1].Shown.Certainty, scCertain);
}

void TestCertifiedResults::tankLevel_data() {
    QTest::addColumn<QStringList>("tank"); // radius, length
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("percentage");
    QTest::newRow("volume just below full") << QStringList{"1", "1"} << "3.14159265358979" << false;
    QTest::newRow("volume next to nothing")
        << QStringList{"1", "3"} << "0.000000000000000000001" << false;
    QTest::newRow("volume of decimals") << QStringList{"0.35", "2.7"} << "0.5" << false;
    QTest::newRow("half full") << QStringList{"2.5", "1"} << "50" << true;
    QTest::newRow("nearly full") << QStringList{"2.5", "1"} << "99.9999999999999999" << true;
    QTest::newRow("nearly empty") << QStringList{"2.5", "1"} << "0.000000000000001" << true;
    QTest::newRow("full") << QStringList{"0.7", "1"} << "100" << true;
    QTest::newRow("empty") << QStringList{"0.7", "1"} << "0" << true;
}

// The level from the closed form of the segment, by bisection on its central angle.
void TestCertifiedResults::tankLevel() {
    QFETCH(QStringList, tank);
    QFETCH(QString, target);
    QFETCH(bool, percentage);
    const Real r = R(tank[0]), L = R(tank[1]);
    const Real Area = percentage ? Pi * r * r * R(target) / 100 : R(target) / L;
    // r^2 (w - sin w) / 2 = Area for w in [0, 2 pi]; the level is 2 r sin^2(w / 4).
    Real Low = 0, High = 2 * Pi;
    for (int I = 0; I < 200; ++I) {
        const Real Middle = (Low + High) / 2;
        (r * r * AngleMinusSine(Middle) / 2 < Area ? Low : High) = Middle;
    }
    const Real Level = Area == 0 ? Real(0) : 2 * r * pow(sin((Low + High) / 8), 2);
    const TShownForm Form{14, false};
    const TCertifiedFigure Figure =
        percentage ? CertifyTankLevelForPercentage(D(tank[0]), D(target), Form)
                   : CertifyTankLevelForVolume(D(tank[0]), D(tank[1]), D(target), Form);
    QCOMPARE(Figure.State, ccComputed);
    QVERIFY2(Mismatch(Figure.Values[0], Level, Form).isEmpty(),
             qPrintable(Mismatch(Figure.Values[0], Level, Form)));
}

QTEST_APPLESS_MAIN(TestCertifiedResults)
#include "tst_CertifiedResults.moc"

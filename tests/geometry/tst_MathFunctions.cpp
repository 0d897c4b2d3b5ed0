#include "MathFunctions.h"

#include <QtTest>
#include <cstring>

namespace {
// The 80-bit image of a value: sign-and-exponent word and 64-bit mantissa.
struct Image {
    std::uint16_t exponent;
    std::uint64_t mantissa;
};
Image ImageOf(Extended x) {
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &x, 10);
    Image img{};
    std::memcpy(&img.mantissa, bytes, 8);
    std::memcpy(&img.exponent, bytes + 8, 2);
    return img;
}
} // namespace

class TestMathFunctions : public QObject {
    Q_OBJECT
private slots:
    void constantsHaveTheirBits_data();
    void constantsHaveTheirBits();
};

void TestMathFunctions::constantsHaveTheirBits_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<quint16>("exponent");
    QTest::addColumn<quint64>("mantissa");
    QTest::newRow("pi") << 0 << quint16(0x4000) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("2pi") << 1 << quint16(0x4001) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("4pi/3") << 2 << quint16(0x4001) << quint64(0x860A91C16B9B2C24ull);
    QTest::newRow("4pi") << 3 << quint16(0x4002) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("pi/2") << 4 << quint16(0x3FFF) << quint64(0xC90FDAA22168C235ull);
}

void TestMathFunctions::constantsHaveTheirBits() {
    QFETCH(int, which);
    QFETCH(quint16, exponent);
    QFETCH(quint64, mantissa);
    const Extended values[] = {Constants::Pi, Constants::TwoPi, Constants::FourPiThirds,
                               Constants::FourPi, Constants::HalfPi};
    const Image img = ImageOf(values[which]);
    QCOMPARE(img.exponent, exponent);
    QCOMPARE(img.mantissa, mantissa);
}

QTEST_APPLESS_MAIN(TestMathFunctions)
#include "tst_MathFunctions.moc"

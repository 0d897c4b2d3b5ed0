#include "FillCurve.h"

#include "LanguageSupport.h"
#include "TankLevels.h"
#include "WindowStyle.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Points of the curve drawn across the plot.
constexpr int CurvePoints = 200;
// Rows up to the first number are marked by dots, up to the second by small
// ones; more cover the whole curve and are not marked.
constexpr std::size_t LargeDots = 60;
constexpr std::size_t MostDots = 250;

const QColor CurveColour = Colours::Navy;
const QColor LevelColour = Colours::Maroon;
const QColor GridColour(220, 220, 220);
const QColor AxisColour(90, 90, 90);

QString TableText(const char* AKey) {
    return LanguageText(QStringLiteral("TFormLevelTable"), QLatin1String(AKey));
}

// Round steps (1, 2, 2.5 or 5 times a power of ten) from 0 to ATop, at most
// about AMost of them.
std::vector<Extended> RoundSteps(Extended ATop, int AMost) {
    std::vector<Extended> values;
    if (!(ATop > 0) || !std::isfinite(ATop))
        return values;
    const Extended rough = ATop / AMost;
    const Extended power = std::pow(10.0L, std::floor(std::log10(rough)));
    Extended step = power * 10;
    for (const Extended factor : {1.0L, 2.0L, 2.5L, 5.0L, 10.0L})
        if (power * factor >= rough) {
            step = power * factor;
            break;
        }
    for (int i = 0; i * step <= ATop * (1 + 1e-9L); ++i)
        values.push_back(i * step);
    return values;
}

} // namespace

// --- The curve ---------------------------------------------------------------------------

bool TFillCurve::Valid() const {
    return Radius > 0 && Length > 0 && std::isfinite(FullVolume());
}

QString TFillCurve::Number(Extended AValue) const {
    if (NumberText)
        return NumberText(AValue);
    return QLocale::system().toString(double(AValue), 'g', 6);
}

QString TFillCurve::LevelText(Extended ALevel) const {
    if (Units.Length == luFeetAndInches)
        return FeetAndInchesText(ALevel, LevelPrecision);
    return Number(ALevel);
}

Extended TFillCurve::ShownVolume(Extended AVolume) const {
    return ShownQuantity(AVolume, qkVolume, Units.Length, Units).Value;
}

namespace {
QString Titled(const QString& ATitle, const QString& ASymbol) {
    return ASymbol.isEmpty() ? ATitle : ATitle + QStringLiteral(" (") + ASymbol + QLatin1Char(')');
}
} // namespace

QString TFillCurve::LevelTitle() const {
    return Titled(TableText("ColLevel"), UnitSymbol(Units.Length));
}

QString TFillCurve::VolumeTitle() const {
    return Titled(TableText("ColVolume"), ShownQuantity(0, qkVolume, Units.Length, Units).Symbol);
}

Extended TFillCurve::FullVolume() const {
    return TankFullVolume(Radius, Length);
}

Extended TFillCurve::VolumeAt(Extended ALevel) const {
    return TankVolumeAtLevel(Radius, Length, std::clamp(ALevel, 0.0L, Radius * 2));
}

Extended TFillCurve::PercentageAt(Extended ALevel) const {
    return TankPercentageAtLevel(Radius, Length, std::clamp(ALevel, 0.0L, Radius * 2));
}

QStringList CurveValueTexts(const TFillCurve& ACurve, Extended ALevel) {
    return {ACurve.LevelTitle() + QLatin1Char(' ') + ACurve.LevelText(ALevel),
            ACurve.VolumeTitle() + QLatin1Char(' ') +
                ACurve.Number(ACurve.ShownVolume(ACurve.VolumeAt(ALevel))),
            TableText("ColPercentage") + QLatin1Char(' ') +
                ACurve.Number(ACurve.PercentageAt(ALevel))};
}

// --- The layout ----------------------------------------------------------------------------

TCurveLayout::TCurveLayout(const TFillCurve& ACurve, const QRectF& ATarget, double AUnit)
    : FCurve(ACurve), FUnit(AUnit) {
    FFont = QFont(QStringLiteral("DejaVu Sans"));
    FFont.setStyleHint(QFont::SansSerif);
    FFont.setPixelSize(std::max(1, int(std::lround(11 * AUnit))));
    const QFontMetricsF metrics(FFont);
    const Extended diameter = ACurve.Radius * 2, full = ACurve.ShownVolume(ACurve.FullVolume());
    std::vector<Extended> levels = RoundSteps(diameter, 5), volumes = RoundSteps(full, 5);
    double left = 0, right = metrics.horizontalAdvance(QStringLiteral("100"));
    for (Extended volume : volumes)
        left = std::max(left, metrics.horizontalAdvance(ACurve.Number(volume)));
    const double gap = 6 * AUnit;
    // Room for the axis titles above and below, and for the numbers beside.
    FPlot = ATarget.adjusted(left + gap * 1.5, metrics.height() * 1.6, -(right + gap * 1.5),
                             -(metrics.height() * 2.6));
    if (FPlot.width() < 10 || FPlot.height() < 10)
        FPlot = ATarget;
    if (!ACurve.Valid())
        return;
    for (Extended level : levels)
        FLevelTicks.push_back(
            {FPlot.left() + double(level / diameter) * FPlot.width(), ACurve.LevelText(level)});
    for (Extended volume : volumes)
        FVolumeTicks.push_back(
            {FPlot.bottom() - double(volume / full) * FPlot.height(), ACurve.Number(volume)});
    for (int percentage = 0; percentage <= 100; percentage += 25)
        FPercentageTicks.push_back({FPlot.bottom() - percentage / 100.0 * FPlot.height(),
                                    QLocale::system().toString(percentage)});
}

QPointF TCurveLayout::PointAt(Extended ALevel) const {
    const double share = double(std::clamp(ALevel / (FCurve.Radius * 2), 0.0L, 1.0L));
    return {FPlot.left() + share * FPlot.width(),
            FPlot.bottom() - double(FCurve.PercentageAt(ALevel)) / 100 * FPlot.height()};
}

std::optional<Extended> TCurveLayout::LevelAt(double AX) const {
    if (!FCurve.Valid() || AX < FPlot.left() || AX > FPlot.right())
        return std::nullopt;
    return Extended((AX - FPlot.left()) / FPlot.width()) * FCurve.Radius * 2;
}

// --- Painting -----------------------------------------------------------------------------

void PaintFillCurve(QPainter& APainter, const QRectF& ATarget, const TFillCurve& ACurve,
                    std::optional<Extended> AHover, double AUnit) {
    if (!ACurve.Valid())
        return;
    const TCurveLayout layout(ACurve, ATarget, AUnit);
    const QRectF plot = layout.Plot();
    const QFontMetricsF metrics(layout.Font());
    APainter.save();
    APainter.setRenderHint(QPainter::Antialiasing, true);
    APainter.setFont(layout.Font());

    // The grid, the axes and their numbers.
    APainter.setPen(QPen(GridColour, AUnit * 0.8));
    for (const TCurveLayout::TTick& tick : layout.LevelTicks())
        APainter.drawLine(QPointF(tick.Position, plot.top()),
                          QPointF(tick.Position, plot.bottom()));
    for (const TCurveLayout::TTick& tick : layout.PercentageTicks())
        APainter.drawLine(QPointF(plot.left(), tick.Position),
                          QPointF(plot.right(), tick.Position));
    APainter.setPen(QPen(AxisColour, AUnit));
    APainter.setBrush(Qt::NoBrush);
    APainter.drawRect(plot);
    const double gap = 4 * AUnit;
    for (const TCurveLayout::TTick& tick : layout.LevelTicks())
        APainter.drawText(
            QRectF(tick.Position - 60 * AUnit, plot.bottom() + gap, 120 * AUnit, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, tick.Text);
    for (const TCurveLayout::TTick& tick : layout.VolumeTicks())
        APainter.drawText(QRectF(ATarget.left(), tick.Position - metrics.height() / 2,
                                 plot.left() - gap - ATarget.left(), metrics.height()),
                          Qt::AlignRight | Qt::AlignVCenter, tick.Text);
    for (const TCurveLayout::TTick& tick : layout.PercentageTicks())
        APainter.drawText(QRectF(plot.right() + gap, tick.Position - metrics.height() / 2,
                                 ATarget.right() - plot.right() - gap, metrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, tick.Text);
    // The axes' titles: the level below, the volume above the left axis, the filling
    // above the right one.
    APainter.drawText(QRectF(plot.left(), plot.bottom() + gap + metrics.height(), plot.width(),
                             metrics.height() * 1.4),
                      Qt::AlignHCenter | Qt::AlignBottom, ACurve.LevelTitle());
    APainter.setPen(CurveColour);
    APainter.drawText(
        QRectF(ATarget.left(), ATarget.top(), ATarget.width(), plot.top() - ATarget.top()),
        Qt::AlignLeft | Qt::AlignVCenter, ACurve.VolumeTitle());
    APainter.drawText(
        QRectF(ATarget.left(), ATarget.top(), ATarget.width(), plot.top() - ATarget.top()),
        Qt::AlignRight | Qt::AlignVCenter, TableText("ColPercentage"));

    // The curve.
    QPainterPath path;
    for (int i = 0; i <= CurvePoints; ++i) {
        const QPointF point = layout.PointAt(ACurve.Radius * 2 * i / CurvePoints);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    APainter.setPen(QPen(CurveColour, 1.8 * AUnit));
    APainter.drawPath(path);

    // The table's rows.
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(CurveColour);
    const std::size_t rows = ACurve.RowLevels.size();
    const double dot = (rows <= LargeDots ? 2.2 : 1.3) * AUnit;
    if (rows <= MostDots)
        for (Extended level : ACurve.RowLevels)
            APainter.drawEllipse(layout.PointAt(level), dot, dot);

    // The current level.
    if (ACurve.Level && *ACurve.Level >= 0 && *ACurve.Level <= ACurve.Radius * 2) {
        const QPointF point = layout.PointAt(*ACurve.Level);
        QPen pen(LevelColour, 1.2 * AUnit, Qt::DashLine);
        APainter.setPen(pen);
        APainter.drawLine(QPointF(point.x(), plot.bottom()), point);
        APainter.drawLine(point, QPointF(plot.left(), point.y()));
        APainter.setPen(Qt::NoPen);
        APainter.setBrush(LevelColour);
        APainter.drawEllipse(point, 3.5 * AUnit, 3.5 * AUnit);
    }

    // The values under the pointer.
    if (AHover) {
        const QPointF point = layout.PointAt(*AHover);
        APainter.setPen(QPen(AxisColour, 0.8 * AUnit, Qt::DotLine));
        APainter.drawLine(QPointF(point.x(), plot.top()), QPointF(point.x(), plot.bottom()));
        APainter.setPen(QPen(Qt::white, 1.5 * AUnit));
        APainter.setBrush(CurveColour);
        APainter.drawEllipse(point, 4 * AUnit, 4 * AUnit);
        const QStringList lines = CurveValueTexts(ACurve, *AHover);
        double width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        QRectF box(0, 0, width + 2 * gap, lines.size() * metrics.height() + gap);
        // Beside the point, on the side where the box fits.
        box.moveTopLeft(point + QPointF(3 * gap, -box.height() - gap));
        if (box.right() > plot.right())
            box.moveRight(point.x() - 3 * gap);
        if (box.top() < plot.top())
            box.moveTop(point.y() + 3 * gap);
        APainter.setPen(QPen(AxisColour, 0.8 * AUnit));
        APainter.setBrush(QColor(255, 255, 240, 235));
        APainter.drawRect(box);
        APainter.setPen(Qt::black);
        for (int i = 0; i < lines.size(); ++i)
            APainter.drawText(QRectF(box.left() + gap, box.top() + gap / 2 + i * metrics.height(),
                                     width, metrics.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    APainter.restore();
}

// --- The widget --------------------------------------------------------------------------------

TFillCurveView::TFillCurveView(QWidget* AParent) : QWidget(AParent) {
    setObjectName(QStringLiteral("FillCurve"));
    setMouseTracking(true);
    setMinimumSize(200, 140);
    SetLanguage();
}

void TFillCurveView::SetCurve(const TFillCurve& ACurve) {
    FCurve = ACurve;
    FHover.reset();
    setToolTip(QString());
    update();
}

void TFillCurveView::SetLanguage() {
    setAccessibleName(LanguageText(QStringLiteral("TFillCurve"), QStringLiteral("Caption")));
    setAccessibleDescription(
        LanguageText(QStringLiteral("TFillCurve"), QStringLiteral("sDescription")));
    update();
}

void TFillCurveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintFillCurve(painter, QRectF(rect()).adjusted(4, 4, -4, -4), FCurve, FHover);
}

void TFillCurveView::mouseMoveEvent(QMouseEvent* AEvent) {
    const TCurveLayout layout(FCurve, QRectF(rect()).adjusted(4, 4, -4, -4));
    const std::optional<Extended> level = layout.LevelAt(AEvent->position().x());
    if (level == FHover)
        return;
    FHover = level;
    // The same values for a screen reader and as a tooltip.
    setToolTip(level ? CurveValueTexts(FCurve, *level).join(QLatin1Char('\n')) : QString());
    update();
}

void TFillCurveView::leaveEvent(QEvent* AEvent) {
    FHover.reset();
    update();
    QWidget::leaveEvent(AEvent);
}

#include "FigureDrawing.h"

#include "LanguageSupport.h"
#include "PageTexts.h"
#include "ResourceLoading.h"
#include "SolidFigures.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace {

const QString Section = QStringLiteral("TFigureDrawing");

// The share of the target's shorter side that the figure may fill; the rest is
// room for the letters.
constexpr double FittedShare = 0.80;
// A parent sphere up to this many times the figure's size is fitted into the
// view with it; a larger one is only partly seen.
constexpr double FittedSphere = 1.6;
// Depth within which a point counts as lying on a face, in model units.
constexpr double OnFace = 1e-7;

const QColor SolidColour(196, 212, 232);
const QColor LiquidColour(112, 160, 222);
// The tank's shell is seen through: this much of the shell's colour covers what
// lies behind it.
const QColor ShellColour(226, 232, 240);
constexpr double ShellCover = 0.47;
const QColor LineColour(0, 0, 0);
const QColor LiquidLineColour(24, 64, 128);
const QColor SphereColour(170, 170, 170);
// The faint inside of the parent sphere, opaque: a see-through disc as large as the
// drawing would cost more than the rest of the frame.
const QColor SphereFill(244, 244, 244);
const QColor NoteColour(110, 110, 110);

// The directions of the view: right and up on the screen, and towards the viewer.
struct TViewAxes {
    TPoint3 Right, Up, Toward;
    explicit TViewAxes(const TViewAngles& AView) {
        Right = {std::cos(AView.Yaw), std::sin(AView.Yaw), 0};
        Toward = {std::sin(AView.Yaw) * std::cos(AView.Pitch),
                  -std::cos(AView.Yaw) * std::cos(AView.Pitch), std::sin(AView.Pitch)};
        Up = Cross(Toward, Right);
    }
    // x right, y up, z towards the viewer.
    TPoint3 Project(const TPoint3& APoint) const {
        return {Dot(APoint, Right), Dot(APoint, Up), Dot(APoint, Toward)};
    }
};

// A face that turns to the viewer, projected, for the tests of what it hides.
struct TOccluder {
    std::vector<TPoint3> Points; // projected, counterclockwise
    double MinX, MaxX, MinY, MaxY;
    TPoint3 Normal; // in view coordinates, Z > 0
};

class TOcclusion {
public:
    void Add(const std::vector<TPoint3>& APoints, const TPoint3& ANormal) {
        if (ANormal.Z < 1e-9)
            return;
        TOccluder occluder{APoints,      APoints[0].X, APoints[0].X,
                           APoints[0].Y, APoints[0].Y, ANormal};
        for (const TPoint3& point : APoints) {
            occluder.MinX = std::min(occluder.MinX, point.X);
            occluder.MaxX = std::max(occluder.MaxX, point.X);
            occluder.MinY = std::min(occluder.MinY, point.Y);
            occluder.MaxY = std::max(occluder.MaxY, point.Y);
        }
        FOccluders.push_back(std::move(occluder));
        FCells.clear();
    }
    // Whether some face lies in front of the projected point.
    bool Hides(const TPoint3& APoint) const {
        if (FCells.empty())
            Index();
        const int cell = CellAt(APoint.X, APoint.Y);
        if (cell < 0)
            return false;
        for (std::size_t index : FCells[std::size_t(cell)]) {
            const TOccluder& face = FOccluders[index];
            if (APoint.X < face.MinX || APoint.X > face.MaxX || APoint.Y < face.MinY ||
                APoint.Y > face.MaxY)
                continue;
            if (!Inside(face.Points, APoint))
                continue;
            const TPoint3& origin = face.Points[0];
            const double depth = origin.Z - (face.Normal.X * (APoint.X - origin.X) +
                                             face.Normal.Y * (APoint.Y - origin.Y)) /
                                                face.Normal.Z;
            if (depth > APoint.Z + OnFace)
                return true;
        }
        return false;
    }

private:
    // The faces are found through a grid over their bounds: a point is tested only
    // against the faces whose bounds share its cell.
    static constexpr int GridSize = 32;

    void Index() const {
        FCells.assign(GridSize * GridSize, {});
        if (FOccluders.empty())
            return;
        FMinX = FOccluders[0].MinX, FMaxX = FOccluders[0].MaxX;
        FMinY = FOccluders[0].MinY, FMaxY = FOccluders[0].MaxY;
        for (const TOccluder& face : FOccluders) {
            FMinX = std::min(FMinX, face.MinX);
            FMaxX = std::max(FMaxX, face.MaxX);
            FMinY = std::min(FMinY, face.MinY);
            FMaxY = std::max(FMaxY, face.MaxY);
        }
        for (std::size_t i = 0; i < FOccluders.size(); ++i) {
            const TOccluder& face = FOccluders[i];
            const int left = Column(face.MinX), right = Column(face.MaxX);
            const int bottom = Row(face.MinY), top = Row(face.MaxY);
            for (int row = bottom; row <= top; ++row)
                for (int column = left; column <= right; ++column)
                    FCells[std::size_t(row * GridSize + column)].push_back(i);
        }
    }
    int Column(double AX) const {
        const double width = std::max(FMaxX - FMinX, 1e-300);
        return std::clamp(int((AX - FMinX) / width * GridSize), 0, GridSize - 1);
    }
    int Row(double AY) const {
        const double height = std::max(FMaxY - FMinY, 1e-300);
        return std::clamp(int((AY - FMinY) / height * GridSize), 0, GridSize - 1);
    }
    int CellAt(double AX, double AY) const {
        if (FOccluders.empty() || AX < FMinX || AX > FMaxX || AY < FMinY || AY > FMaxY)
            return -1;
        return Row(AY) * GridSize + Column(AX);
    }
    static bool Inside(const std::vector<TPoint3>& APolygon, const TPoint3& APoint) {
        const std::size_t count = APolygon.size();
        for (std::size_t i = 0; i < count; ++i) {
            const TPoint3& a = APolygon[i];
            const TPoint3& b = APolygon[(i + 1) % count];
            if ((b.X - a.X) * (APoint.Y - a.Y) - (b.Y - a.Y) * (APoint.X - a.X) < -1e-12)
                return false;
        }
        return true;
    }

    std::vector<TOccluder> FOccluders;
    mutable std::vector<std::vector<std::size_t>> FCells;
    mutable double FMinX = 0, FMaxX = 0, FMinY = 0, FMaxY = 0;
};

class TLayoutBuilder {
public:
    TLayoutBuilder(const TFigureModel& AModel, const QRectF& ATarget, const TViewAngles& AView)
        : FModel(AModel), FAxes(AView) {
        FLayout.Target = ATarget;
        FLayout.NotToScale = AModel.Exaggerated;
        FLayout.LineUnit =
            std::clamp(std::sqrt(std::min(ATarget.width(), ATarget.height()) / 300), 1.0, 3.0);
        FLayout.LetterFont = QFont(QStringLiteral("DejaVu Serif"));
        FLayout.LetterFont.setStyleHint(QFont::Serif);
        FLayout.LetterFont.setItalic(true);
        FLayout.LetterFont.setPixelSize(int(std::lround(15 * FLayout.LineUnit)));
        Project();
        Fit(ATarget, AView.Zoom);
    }

    TFigureLayout Build() {
        AddFaces();
        for (std::size_t i = 0; i < FModel.Bodies.size(); ++i)
            AddEdges(i);
        AddDimensions();
        return std::move(FLayout);
    }

private:
    void Project() {
        for (const TBody& body : FModel.Bodies) {
            std::vector<TPoint3> points;
            points.reserve(body.Points.size());
            for (const TPoint3& point : body.Points)
                points.push_back(FAxes.Project(point));
            FProjected.push_back(std::move(points));
            std::vector<TPoint3> normals;
            std::vector<bool> front;
            for (const TMeshFace& face : body.Faces) {
                normals.push_back(FAxes.Project(face.Normal));
                front.push_back(normals.back().Z > 1e-9);
            }
            FNormals.push_back(std::move(normals));
            FFront.push_back(std::move(front));
        }
    }

    void Fit(const QRectF& ATarget, double AZoom) {
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        bool first = true;
        const auto include = [&](double AX, double AY) {
            if (first) {
                minX = maxX = AX;
                minY = maxY = AY;
                first = false;
            }
            minX = std::min(minX, AX);
            maxX = std::max(maxX, AX);
            minY = std::min(minY, AY);
            maxY = std::max(maxY, AY);
        };
        for (const std::vector<TPoint3>& points : FProjected)
            for (const TPoint3& point : points)
                include(point.X, point.Y);
        std::optional<TPoint3> sphere;
        if (FModel.SphereCentre)
            sphere = FAxes.Project(*FModel.SphereCentre);
        const double extent = std::max(maxX - minX, maxY - minY);
        if (sphere && FModel.SphereRadius <= FittedSphere * extent) {
            include(sphere->X - FModel.SphereRadius, sphere->Y - FModel.SphereRadius);
            include(sphere->X + FModel.SphereRadius, sphere->Y + FModel.SphereRadius);
        }
        const double width = std::max(maxX - minX, 1e-12), height = std::max(maxY - minY, 1e-12);
        const double margin = (1 - FittedShare) / 2 * std::min(ATarget.width(), ATarget.height());
        FScale = std::min((ATarget.width() - 2 * margin) / width,
                          (ATarget.height() - 2 * margin) / height) *
                 AZoom;
        FCentreX = (minX + maxX) / 2;
        FCentreY = (minY + maxY) / 2;
        FScreenCentre = ATarget.center();
        FLayout.Scale = FScale;
        if (sphere) {
            FLayout.SphereCentre = Screen(*sphere);
            FLayout.SphereRadius = FModel.SphereRadius * FScale;
        }
        QPointF least = Screen({minX, maxY, 0}), most = Screen({maxX, minY, 0});
        if (!first) {
            double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
            for (const std::vector<TPoint3>& points : FProjected)
                for (const TPoint3& point : points) {
                    const QPointF screen = Screen(point);
                    left = std::min(left, screen.x());
                    right = std::max(right, screen.x());
                    top = std::min(top, screen.y());
                    bottom = std::max(bottom, screen.y());
                }
            least = {left, top};
            most = {right, bottom};
        }
        const QRectF bounds(least, most);
        FLayout.FigureBounds = bounds;
    }

    QPointF Screen(const TPoint3& AProjected) const {
        return {FScreenCentre.x() + (AProjected.X - FCentreX) * FScale,
                FScreenCentre.y() - (AProjected.Y - FCentreY) * FScale};
    }

    QColor Shaded(const QColor& ABase, const TPoint3& ANormal) const {
        // Light from the upper left, in front of the figure; it turns with the view.
        static const TPoint3 light = [] {
            const TPoint3 direction{-0.45, 0.6, 0.66};
            return direction * (1 / std::sqrt(Dot(direction, direction)));
        }();
        const double diffuse = std::max(0.0, Dot(ANormal, light));
        const double factor = 0.78 + 0.3 * diffuse;
        const auto channel = [&](int AValue) {
            return std::clamp(int(std::lround(AValue * factor)), 0, 255);
        };
        return QColor(channel(ABase.red()), channel(ABase.green()), channel(ABase.blue()),
                      ABase.alpha());
    }

    // The faces that turn to the viewer, in the order they are painted: the tank's
    // shell, then the liquid seen through it (its colours mixed with the shell's, so
    // that nothing needs transparency), then the solid. Within a body that hides
    // part of itself, farthest first; within a convex one, whose faces do not
    // overlap, by colour, so that faces of one colour are painted at once.
    void AddFaces() {
        struct TSorted {
            double Depth;
            TDrawnFace Face;
        };
        for (TBodyKind kind : {bkShell, bkLiquid, bkSolid}) {
            for (std::size_t b = 0; b < FModel.Bodies.size(); ++b) {
                const TBody& body = FModel.Bodies[b];
                if (body.Kind != kind)
                    continue;
                std::vector<TSorted> faces;
                for (std::size_t f = 0; f < body.Faces.size(); ++f) {
                    if (!FFront[b][f])
                        continue;
                    TSorted sorted{0, {}};
                    for (int index : body.Faces[f].Points) {
                        const TPoint3& point = FProjected[b][index];
                        sorted.Depth += point.Z;
                        sorted.Face.Polygon.append(Screen(point));
                    }
                    sorted.Depth /= double(body.Faces[f].Points.size());
                    sorted.Face.Body = kind;
                    sorted.Face.Colour = FaceColour(kind, FNormals[b][f]);
                    faces.push_back(std::move(sorted));
                }
                if (body.Convex)
                    std::sort(faces.begin(), faces.end(), [](const TSorted& A, const TSorted& B) {
                        return A.Face.Colour.rgba() < B.Face.Colour.rgba();
                    });
                else
                    std::stable_sort(
                        faces.begin(), faces.end(),
                        [](const TSorted& A, const TSorted& B) { return A.Depth < B.Depth; });
                for (TSorted& sorted : faces)
                    FLayout.Faces.push_back(std::move(sorted.Face));
            }
        }
    }

    QColor FaceColour(TBodyKind AKind, const TPoint3& ANormal) const {
        if (AKind == bkShell)
            return Mixed(Qt::white, ShellColour);
        if (AKind == bkSolid)
            return Shaded(SolidColour, ANormal);
        return Mixed(Shaded(LiquidColour, ANormal), ShellColour);
    }

    static QColor Mixed(const QColor& ABehind, const QColor& AShell) {
        const auto channel = [](int ABehindValue, int AShellValue) {
            return int(std::lround(ABehindValue * (1 - ShellCover) + AShellValue * ShellCover));
        };
        return QColor(channel(ABehind.red(), AShell.red()),
                      channel(ABehind.green(), AShell.green()),
                      channel(ABehind.blue(), AShell.blue()));
    }

    TOcclusion OccludersOf(std::size_t ABody) const {
        TOcclusion occlusion;
        const TBody& body = FModel.Bodies[ABody];
        for (std::size_t f = 0; f < body.Faces.size(); ++f) {
            if (!FFront[ABody][f])
                continue;
            std::vector<TPoint3> points;
            for (int index : body.Faces[f].Points)
                points.push_back(FProjected[ABody][index]);
            occlusion.Add(points, FNormals[ABody][f]);
        }
        return occlusion;
    }

    // Adds the segment from AFrom to ATo (projected), split where it passes behind a
    // face of AOcclusion; hidden parts are dropped unless AKeepHidden.
    void AddSegment(const TPoint3& AFrom, const TPoint3& ATo, const TOcclusion* AOcclusion,
                    bool AKeepHidden, TLineKind AKind, TBodyKind ABody) {
        const QPointF from = Screen(AFrom), to = Screen(ATo);
        const double length = QLineF(from, to).length();
        const int samples = AOcclusion ? std::clamp(int(length / 4), 1, 48) : 1;
        const auto pointAt = [&](double AT) { return AFrom + (ATo - AFrom) * AT; };
        int start = 0;
        bool hidden = AOcclusion && AOcclusion->Hides(pointAt(0.5 / samples));
        for (int i = 1; i <= samples; ++i) {
            const bool nextHidden =
                i < samples && AOcclusion && AOcclusion->Hides(pointAt((i + 0.5) / samples));
            if (i == samples || nextHidden != hidden) {
                if (!hidden || AKeepHidden) {
                    const QPointF a = Screen(pointAt(double(start) / samples));
                    const QPointF b = Screen(pointAt(double(i) / samples));
                    FLayout.Lines.push_back({QLineF(a, b), AKind, ABody, hidden});
                }
                start = i;
                hidden = nextHidden;
            }
        }
    }

    void AddEdges(std::size_t ABody) {
        const TBody& body = FModel.Bodies[ABody];
        const std::vector<TPoint3>& points = FProjected[ABody];
        std::optional<TOcclusion> occlusion;
        if (!body.Convex)
            occlusion = OccludersOf(ABody);
        for (const TMeshEdge& edge : body.Edges) {
            const bool front1 = FFront[ABody][edge.Face1], front2 = FFront[ABody][edge.Face2];
            if (edge.Feature) {
                if (!front1 && !front2)
                    FLayout.Lines.push_back(
                        {QLineF(Screen(points[edge.From]), Screen(points[edge.To])), lkEdge,
                         body.Kind, true});
                else
                    AddSegment(points[edge.From], points[edge.To],
                               occlusion ? &*occlusion : nullptr, true, lkEdge, body.Kind);
            } else if (front1 != front2) {
                // The outline of a curved surface; where something hides it, it is not drawn.
                AddSegment(points[edge.From], points[edge.To], occlusion ? &*occlusion : nullptr,
                           false, lkEdge, body.Kind);
            }
        }
    }

    void AddDimensions() {
        TOcclusion occlusion;
        for (std::size_t b = 0; b < FModel.Bodies.size(); ++b) {
            if (FModel.Bodies[b].Kind != bkSolid)
                continue;
            const TBody& body = FModel.Bodies[b];
            for (std::size_t f = 0; f < body.Faces.size(); ++f) {
                if (!FFront[b][f])
                    continue;
                std::vector<TPoint3> points;
                for (int index : body.Faces[f].Points)
                    points.push_back(FProjected[b][index]);
                occlusion.Add(points, FNormals[b][f]);
            }
        }
        const QFontMetricsF metrics(FLayout.LetterFont);
        QFont subscriptFont = FLayout.LetterFont;
        subscriptFont.setPixelSize(std::max(1, int(FLayout.LetterFont.pixelSize() * 0.7)));
        const QFontMetricsF subscriptMetrics(subscriptFont);
        const QPointF centre = FLayout.FigureBounds.center();
        for (const TDimensionLine& dimension : FModel.Dimensions) {
            const TPoint3 from = FAxes.Project(dimension.From), to = FAxes.Project(dimension.To);
            if (dimension.OwnLine)
                AddSegment(from, to, &occlusion, true, lkDimension, bkSolid);
            if (dimension.DotAtFrom)
                FLayout.Dots.push_back(Screen(from));
            if (dimension.Glyph.isEmpty())
                continue;
            TDrawnLetter letter;
            letter.Entry = dimension.Entry;
            letter.Glyph = dimension.Glyph;
            letter.Subscript = dimension.Subscript;
            letter.Edge = QLineF(Screen(from), Screen(to));
            letter.Anchor = letter.Edge.center();
            const QSizeF size(metrics.horizontalAdvance(letter.Glyph) +
                                  subscriptMetrics.horizontalAdvance(letter.Subscript) + 2,
                              metrics.ascent() + metrics.descent() * 0.5);
            letter.Box = QRectF(QPointF(0, 0), size);
            letter.Box.moveCenter(Beside(letter, centre, size));
            FLayout.Letters.push_back(std::move(letter));
        }
        Separate();
    }

    // Where a letter of ASize stands: beside its segment's midpoint, on the side away
    // from the figure's centre.
    QPointF Beside(const TDrawnLetter& ALetter, const QPointF& ACentre, const QSizeF& ASize) const {
        const QPointF along = ALetter.Edge.p2() - ALetter.Edge.p1();
        const double length = std::hypot(along.x(), along.y());
        QPointF normal =
            length > 1 ? QPointF(-along.y() / length, along.x() / length) : QPointF(1, 0);
        const QPointF outward = ALetter.Anchor - ACentre;
        const double side = normal.x() * outward.x() + normal.y() * outward.y();
        if (side < 0 || (std::fabs(side) < 1e-9 && normal.x() < 0))
            normal = -normal;
        const double reach = std::fabs(normal.x()) * ASize.width() / 2 +
                             std::fabs(normal.y()) * ASize.height() / 2 + 3 * FLayout.LineUnit;
        return ALetter.Anchor + normal * reach;
    }

    // Keeps the letters inside the target and off one another.
    void Separate() {
        const QRectF inside = FLayout.Target.adjusted(2, 2, -2, -2);
        for (std::size_t i = 0; i < FLayout.Letters.size(); ++i) {
            QRectF& box = FLayout.Letters[i].Box;
            for (std::size_t j = 0; j < i; ++j) {
                const QRectF& other = FLayout.Letters[j].Box;
                if (box.intersects(other))
                    box.moveTop(box.center().y() < other.center().y() ? other.top() - box.height()
                                                                      : other.bottom());
            }
            box.moveLeft(std::clamp(box.left(), inside.left(), inside.right() - box.width()));
            box.moveTop(std::clamp(box.top(), inside.top(), inside.bottom() - box.height()));
        }
    }

    const TFigureModel& FModel;
    TViewAxes FAxes;
    TFigureLayout FLayout;
    std::vector<std::vector<TPoint3>> FProjected;
    std::vector<std::vector<TPoint3>> FNormals;
    std::vector<std::vector<bool>> FFront;
    double FScale = 1, FCentreX = 0, FCentreY = 0;
    QPointF FScreenCentre;
};

QPen LinePen(const QColor& AColour, double AWidth, bool ADashed, double AUnit) {
    QPen pen(AColour, AWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (ADashed) {
        // As the drafts, 4 on and 2.6 off, grown with the drawing (in pen widths).
        pen.setDashPattern({4 * AUnit / AWidth, 2.6 * AUnit / AWidth});
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

// Lines of one look (kind, body, hidden) joined end to end.
struct TLineRun {
    std::vector<std::size_t> Lines;
    QPolygonF Points;
};

std::vector<TLineRun> LineRuns(const std::vector<TDrawnLine>& ALines, bool AHidden) {
    // Ends meet where they round to the same hundredth of a pixel.
    const auto key = [](const QPointF& APoint) {
        return std::make_pair(std::llround(APoint.x() * 100), std::llround(APoint.y() * 100));
    };
    const auto sameLook = [&](std::size_t A, std::size_t B) {
        return ALines[A].Kind == ALines[B].Kind && ALines[A].Body == ALines[B].Body;
    };
    std::map<std::pair<long long, long long>, std::vector<std::size_t>> starts, ends;
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < ALines.size(); ++i)
        if (ALines[i].Hidden == AHidden) {
            chosen.push_back(i);
            starts[key(ALines[i].Line.p1())].push_back(i);
            ends[key(ALines[i].Line.p2())].push_back(i);
        }
    std::vector<bool> used(ALines.size(), false);
    // The line that continues ALine at APoint, turned to run on from there.
    const auto next = [&](std::size_t ALine, const QPointF& APoint, bool& AReversed) {
        for (auto* table : {&starts, &ends}) {
            const auto found = table->find(key(APoint));
            if (found == table->end())
                continue;
            for (std::size_t candidate : found->second)
                if (!used[candidate] && sameLook(ALine, candidate)) {
                    AReversed = table == &ends;
                    return std::optional<std::size_t>(candidate);
                }
        }
        return std::optional<std::size_t>();
    };
    std::vector<TLineRun> runs;
    for (std::size_t first : chosen) {
        if (used[first])
            continue;
        used[first] = true;
        std::deque<QPointF> points{ALines[first].Line.p1(), ALines[first].Line.p2()};
        TLineRun run;
        run.Lines.push_back(first);
        // Onwards from the end, then backwards from the start.
        for (bool forward : {true, false}) {
            bool reversed = false;
            while (const auto line =
                       next(first, forward ? points.back() : points.front(), reversed)) {
                used[*line] = true;
                run.Lines.push_back(*line);
                const QLineF& segment = ALines[*line].Line;
                // A line found by its start runs on to its end, and the other way round.
                const QPointF far = reversed ? segment.p1() : segment.p2();
                if (forward)
                    points.push_back(far);
                else
                    points.push_front(far);
            }
        }
        run.Points = QPolygonF(QList<QPointF>(points.begin(), points.end()));
        runs.push_back(std::move(run));
    }
    return runs;
}

void PaintLetter(QPainter& APainter, const TFigureLayout& ALayout, const TDrawnLetter& ALetter) {
    QFont subscriptFont = ALayout.LetterFont;
    subscriptFont.setPixelSize(std::max(1, int(ALayout.LetterFont.pixelSize() * 0.7)));
    const QFontMetricsF metrics(ALayout.LetterFont);
    const QPointF baseline(ALetter.Box.left() + 1, ALetter.Box.top() + metrics.ascent());
    QPainterPath path;
    path.addText(baseline, ALayout.LetterFont, ALetter.Glyph);
    if (!ALetter.Subscript.isEmpty())
        path.addText(baseline +
                         QPointF(metrics.horizontalAdvance(ALetter.Glyph), metrics.ascent() * 0.28),
                     subscriptFont, ALetter.Subscript);
    // A white halo keeps the letter readable over lines and shading, as in the drafts.
    APainter.strokePath(
        path, QPen(Qt::white, 3 * ALayout.LineUnit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    APainter.fillPath(path, LineColour);
}

} // namespace

// --- The drawing --------------------------------------------------------------------------

TFigureDrawing::TFigureDrawing(TVariant AVariant, const TEntryValues& AValues,
                               std::shared_ptr<const TSolidFigure> AFigure)
    : FVariant(AVariant), FValues(AValues) {
    if (AFigure)
        FBuild = [AVariant, AValues, figure = std::move(AFigure)](double AMinimum) {
            return BuildFigureModel(AVariant, AValues, *figure, AMinimum);
        };
}

TFigureDrawing TFigureDrawing::Calculate(TVariant AVariant, const TEntryValues& AValues) {
    TSolidResult result = CalculateSolid(AVariant, AValues);
    return TFigureDrawing(AVariant, AValues,
                          std::shared_ptr<const TSolidFigure>(std::move(result.Figure)));
}

TFigureDrawing TFigureDrawing::Tank(Extended ARadius, Extended ALength,
                                    std::optional<Extended> ALevel) {
    TEntryValues values;
    values.Set(enCylindricalTank_R, ARadius);
    values.Set(enCylindricalTank_D, ALength);
    values.Set(enCylindricalTank_H, ALevel.value_or(0));
    TFigureDrawing drawing;
    if (!(ARadius > 0) || !(ALength > 0) || !std::isfinite(ARadius) || !std::isfinite(ALength))
        return drawing;
    drawing.FVariant = vaCylindricalTank;
    drawing.FValues = values;
    drawing.FBuild = [values](double AMinimum) {
        return BuildTankModel(values[enCylindricalTank_R], values[enCylindricalTank_D],
                              values[enCylindricalTank_H], AMinimum);
    };
    return drawing;
}

const TFigureModel& TFigureDrawing::Model(double AMinimumLength) const {
    if (!FModel || FModelMinimum != AMinimumLength) {
        FModel = std::make_shared<TFigureModel>(FBuild(AMinimumLength));
        FModelMinimum = AMinimumLength;
    }
    return *FModel;
}

double MinimumLength(const QSizeF& ASize) {
    const double fitted = std::min(ASize.width(), ASize.height()) * FittedShare;
    return fitted > 0 ? MinimumLegiblePixels / fitted : 0;
}

TFigureLayout TFigureDrawing::Layout(const QRectF& ATarget, const TViewAngles& AView) const {
    if (!Valid())
        return TFigureLayout{ATarget, {}, {}, {}, {}, {}, 0, {}, 0, 1, {}, false};
    return LayOutFigure(Model(MinimumLength(ATarget.size())), ATarget, AView);
}

void TFigureDrawing::Paint(QPainter& APainter, const QRectF& ATarget,
                           const TViewAngles& AView) const {
    if (Valid())
        PaintFigureLayout(APainter, Layout(ATarget, AView));
}

bool TFigureDrawing::NotToScale(const QSizeF& ASize) const {
    return Valid() && Model(MinimumLength(ASize)).Exaggerated;
}

QString TFigureDrawing::Description(const QSizeF& ASize) const {
    if (!Valid())
        return QString();
    const TVariantDesc& variant = VariantDesc(FVariant);
    QStringList parts;
    const QString page = QString::fromLatin1(PageDesc(variant.Page).Name).mid(2);
    parts << LanguageText(QStringLiteral("TSolidFigure"), page);
    // The base the variant has, as its list names it.
    if (variant.Selector.Control != vcNone) {
        const TVariantControlDesc& control = VariantControlDesc(variant.Selector.Control);
        if (control.Kind == vkList && std::size_t(variant.Selector.Value) < control.Items.size())
            parts << DescribedText(control.Items[std::size_t(variant.Selector.Value)]);
        else if (control.Kind == vkCheckBox)
            parts << DescribedText(control.Caption).toLower();
    }
    const QLocale locale = QLocale::system();
    for (const TEntryPlace& place : variant.Entries) {
        if (EntryDesc(place.Entry).Kind == ekChoice || !place.Caption.Key || place.FixedCount != 0)
            continue;
        QString letters;
        if (place.ChosenBy != enNone)
            letters = FValues[place.ChosenBy] == 0 ? QStringLiteral("a") : QStringLiteral("b");
        QString caption =
            DescribedText(place.Caption, place.ChosenBy != enNone ? &letters : nullptr);
        if (!caption.isEmpty())
            caption[0] = caption[0].toLower();
        const Extended value = FValues[place.Entry];
        const QString number =
            EntryDesc(place.Entry).Kind == ekCount ? locale.toString(qlonglong(value))
            : FLengthUnit == luFeetAndInches       ? FeetAndInchesText(value, MaxPrecision, false)
                                                   : WithUnit(locale.toString(double(value), 'g', 12),
                                                              UnitSymbol(FLengthUnit));
        parts << caption + QLatin1Char(' ') + number;
    }
    parts << DrawingText(NotToScale(ASize) ? "sNotToScale" : "sDrawnToScale");
    return parts.join(QStringLiteral(", "));
}

QString DrawingText(const char* AKey) {
    return LanguageText(Section, QLatin1String(AKey));
}

TFigureLayout LayOutFigure(const TFigureModel& AModel, const QRectF& ATarget,
                           const TViewAngles& AView) {
    return TLayoutBuilder(AModel, ATarget, AView).Build();
}

void PaintFigureLayout(QPainter& APainter, const TFigureLayout& ALayout) {
    APainter.save();
    APainter.setClipRect(ALayout.Target);
    APainter.setRenderHint(QPainter::Antialiasing, true);
    APainter.setRenderHint(QPainter::TextAntialiasing, true);
    const double unit = ALayout.LineUnit;

    if (ALayout.SphereRadius > 0 &&
        ALayout.SphereRadius < 50 * std::max(ALayout.Target.width(), ALayout.Target.height())) {
        APainter.setPen(LinePen(SphereColour, 0.8 * unit, false, unit));
        APainter.setBrush(SphereFill);
        APainter.drawEllipse(ALayout.SphereCentre, ALayout.SphereRadius, ALayout.SphereRadius);
    }

    // On a raster the faces tile without seams when they are not smoothed; a vector
    // reader smooths each face, and a hairline of its own colour closes the seams.
    const bool raster =
        APainter.paintEngine() && APainter.paintEngine()->type() == QPaintEngine::Raster;
    APainter.setRenderHint(QPainter::Antialiasing, !raster);
    // Faces of one colour that follow one another are filled as one path.
    QPainterPath faces;
    QColor colour;
    const auto fill = [&] {
        if (faces.isEmpty())
            return;
        APainter.setPen(raster ? QPen(Qt::NoPen) : QPen(colour, 0.6));
        APainter.setBrush(colour);
        APainter.drawPath(faces);
        faces.clear();
        faces.setFillRule(Qt::WindingFill);
    };
    faces.setFillRule(Qt::WindingFill);
    for (const TDrawnFace& face : ALayout.Faces) {
        if (face.Colour != colour)
            fill();
        colour = face.Colour;
        faces.addPolygon(face.Polygon);
        faces.closeSubpath();
    }
    fill();
    APainter.setRenderHint(QPainter::Antialiasing, true);

    // Hidden lines under the visible ones, a run of joined lines as one polyline, so
    // that the dashes show along a curved rim of short pieces.
    for (bool hidden : {true, false})
        for (const TLineRun& run : LineRuns(ALayout.Lines, hidden)) {
            const TDrawnLine& line = ALayout.Lines[run.Lines.front()];
            const QColor colour = line.Body == bkLiquid ? LiquidLineColour : LineColour;
            const double width = line.Kind == lkDimension ? 0.9 * unit
                                 : hidden                 ? 1.0 * unit
                                 : line.Body == bkLiquid  ? 1.0 * unit
                                                          : 1.35 * unit;
            APainter.setPen(LinePen(colour, width, hidden, unit));
            // A solid line needs no run: apart, its pieces are stroked much faster than
            // a polyline that turns at every corner of the figure.
            if (hidden)
                APainter.drawPolyline(run.Points);
            else
                for (std::size_t index : run.Lines)
                    APainter.drawLine(ALayout.Lines[index].Line);
        }
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(LineColour);
    for (const QPointF& dot : ALayout.Dots)
        APainter.drawEllipse(dot, 1.6 * unit, 1.6 * unit);

    for (const TDrawnLetter& letter : ALayout.Letters)
        PaintLetter(APainter, ALayout, letter);

    if (ALayout.NotToScale) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(int(std::lround(11 * unit)));
        APainter.setFont(font);
        APainter.setPen(NoteColour);
        APainter.drawText(ALayout.Target.adjusted(4 * unit, 2 * unit, -4 * unit, -2 * unit),
                          Qt::AlignLeft | Qt::AlignBottom, DrawingText("sNotToScale"));
    }
    APainter.restore();
}

// --- Export ---------------------------------------------------------------------------------

TDrawingFormat DrawingFormatOf(const QString& AFileName) {
    const QString suffix = QFileInfo(AFileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return dfPng;
    if (suffix == QLatin1String("svg"))
        return dfSvg;
    if (suffix == QLatin1String("pdf"))
        return dfPdf;
    return dfNone;
}

QImage DrawingImage(const TFigureDrawing& ADrawing, const QSize& ASize, qreal ADevicePixelRatio,
                    const TViewAngles& AView) {
    QImage image(ASize * ADevicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ADevicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    ADrawing.Paint(painter, QRectF(QPointF(0, 0), QSizeF(ASize)), AView);
    return image;
}

namespace {

bool WriteSvg(const TFigureDrawing& ADrawing, QIODevice& ADevice, const QSize& ASize,
              const TViewAngles& AView) {
    // Qt Svg comes with the SVG module, loaded for the first SVG the program
    // reads or writes, not at start-up.
    return WriteSvgDocument(ADevice, ASize, QStringLiteral("Kavorin"), ADrawing.Description(ASize),
                            [&](QPainter& APainter) {
                                APainter.fillRect(QRect(QPoint(0, 0), ASize), Qt::white);
                                ADrawing.Paint(APainter, QRectF(QPointF(0, 0), QSizeF(ASize)),
                                               AView);
                            });
}

bool WritePdf(const TFigureDrawing& ADrawing, QIODevice& ADevice, const QSize& ASize,
              const TViewAngles& AView) {
    QPdfWriter writer(&ADevice);
    writer.setCreator(QStringLiteral("Kavorin"));
    writer.setTitle(ADrawing.Description(ASize));
    // One page the size of the drawing, a point being 4/3 of a pixel at 96 per inch.
    writer.setPageSize(QPageSize(QSizeF(ASize) * 0.75, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(96);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRectF page(0, 0, writer.width(), writer.height());
    painter.fillRect(page, Qt::white);
    ADrawing.Paint(painter, page, AView);
    return painter.end();
}

} // namespace

QByteArray DrawingSvg(const TFigureDrawing& ADrawing, const QSize& ASize,
                      const TViewAngles& AView) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSvg(ADrawing, buffer, ASize, AView);
    return buffer.data();
}

bool SaveDrawing(const TFigureDrawing& ADrawing, const QString& AFileName, const QSize& ASize,
                 const TViewAngles& AView, QString& AError) {
    const TDrawingFormat format = DrawingFormatOf(AFileName);
    if (format == dfNone) {
        AError = DrawingText("sUnknownFormat").arg(QDir::toNativeSeparators(AFileName));
        return false;
    }
    // Written beside the target and renamed onto it at the end: a failure leaves no
    // half-written file and an existing file as it was.
    QSaveFile file(AFileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        switch (format) {
        case dfPng:
            written = DrawingImage(ADrawing, ASize, 2, AView).save(&file, "PNG");
            break;
        case dfSvg:
            written = WriteSvg(ADrawing, file, ASize, AView);
            break;
        case dfPdf:
            written = WritePdf(ADrawing, file, ASize, AView);
            break;
        case dfNone:
            break;
        }
    }
    if (written && file.error() == QFileDevice::NoError && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    AError = DrawingText("sCannotSave").arg(QDir::toNativeSeparators(AFileName));
    if (!reason.isEmpty())
        AError += QStringLiteral(": ") + reason;
    return false;
}

void CopyDrawing(const TFigureDrawing& ADrawing, const QSize& ASize, qreal ADevicePixelRatio,
                 const TViewAngles& AView) {
    auto* data = new QMimeData;
    data->setImageData(DrawingImage(ADrawing, ASize, ADevicePixelRatio, AView));
    data->setData(QStringLiteral("image/svg+xml"), DrawingSvg(ADrawing, ASize, AView));
    QGuiApplication::clipboard()->setMimeData(data);
}

#include "FigureModel.h"

#include "SolidFigures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <utility>

namespace {

constexpr double Pi = 3.14159265358979323846;

// The direction (in the ground plane) of the radii drawn from a centre: towards
// the right of the default view and a little towards the viewer, where a radius
// shows nearly its whole length.
constexpr double RadiusAngle = 10 * Pi / 180;
// The generator of a curved side that the default view shows as its right outline.
constexpr double OutlineAngle = 30 * Pi / 180;
// A regular polygon of more edges has its lateral faces drawn as one curved surface;
// one of more points than a circle is drawn as a circle of CirclePoints points.
constexpr int MostDrawnEdges = 48;
constexpr int CirclePoints = 360;
// The segments of a full meridian of a sphere: fewer than round a circle, where the
// outline shows them; the shading hides them.
constexpr int MeridianSegments = 60;

template <class TFigure> const TFigure& As(const TSolidFigure& AFigure) {
    const auto* figure = dynamic_cast<const TFigure*>(&AFigure);
    if (!figure)
        throw std::logic_error("The figure is not of the kind of the variant");
    return *figure;
}

// Turns the figure's lengths into model lengths: the largest one becomes 1, and a
// length too short to see becomes the shortest visible one.
class TSizer {
public:
    TSizer(std::initializer_list<Extended> ALengths, double AMinimum) : FMinimum(AMinimum) {
        for (Extended length : ALengths)
            FUnit = std::max(FUnit, length);
        if (!(FUnit > 0))
            FUnit = 1;
    }
    Extended Unit() const { return FUnit; }
    double Size(Extended ALength) const { return double(ALength / FUnit); }
    double Legible(Extended ALength) { return Legible(Size(ALength)); }
    double Legible(double ASize) {
        if (ASize >= FMinimum)
            return ASize;
        FExaggerated = true;
        return FMinimum;
    }
    bool Exaggerated() const { return FExaggerated; }
    double Minimum() const { return FMinimum; }

private:
    Extended FUnit = 0;
    double FMinimum;
    bool FExaggerated = false;
};

TPoint3 AtAngle(double ARadius, double AAngle, double AZ) {
    return {ARadius * std::cos(AAngle), ARadius * std::sin(AAngle), AZ};
}

// Builds a body face by face; surfaces are numbered as they are opened.
class TBodyBuilder {
public:
    explicit TBodyBuilder(TBodyKind AKind) { FBody.Kind = AKind; }

    int Surface(bool ASmooth) {
        FBody.SmoothSurface.push_back(ASmooth);
        return int(FBody.SmoothSurface.size()) - 1;
    }
    int Point(const TPoint3& APoint) {
        FBody.Points.push_back(APoint);
        return int(FBody.Points.size()) - 1;
    }
    // A face of the points in order; repeated neighbours (a ring shrunk to a point on
    // the axis) are dropped, and what is left of fewer than three points is no face.
    void Face(std::vector<int> APoints, int ASurface) {
        APoints.erase(std::unique(APoints.begin(), APoints.end()), APoints.end());
        while (APoints.size() > 1 && APoints.front() == APoints.back())
            APoints.pop_back();
        if (APoints.size() >= 3)
            FBody.Faces.push_back({std::move(APoints), ASurface, {}});
    }
    void SetConvex(bool AConvex) { FBody.Convex = AConvex; }
    TBody Finish();

private:
    TBody FBody;
};

TPoint3 NewellNormal(const TBody& ABody, const TMeshFace& AFace) {
    TPoint3 normal;
    const std::size_t count = AFace.Points.size();
    for (std::size_t i = 0; i < count; ++i) {
        const TPoint3& p = ABody.Points[AFace.Points[i]];
        const TPoint3& q = ABody.Points[AFace.Points[(i + 1) % count]];
        normal.X += (p.Y - q.Y) * (p.Z + q.Z);
        normal.Y += (p.Z - q.Z) * (p.X + q.X);
        normal.Z += (p.X - q.X) * (p.Y + q.Y);
    }
    const double length = std::sqrt(Dot(normal, normal));
    return length > 0 ? normal * (1 / length) : TPoint3{0, 0, 1};
}

TBody TBodyBuilder::Finish() {
    for (TMeshFace& face : FBody.Faces)
        face.Normal = NewellNormal(FBody, face);
    // Each edge once, with the face on either side of it.
    std::map<std::pair<int, int>, std::size_t> found;
    for (std::size_t faceIndex = 0; faceIndex < FBody.Faces.size(); ++faceIndex) {
        const std::vector<int>& points = FBody.Faces[faceIndex].Points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const int from = points[i], to = points[(i + 1) % points.size()];
            const auto key = std::minmax(from, to);
            const auto known = found.find(key);
            if (known == found.end()) {
                found.emplace(key, FBody.Edges.size());
                FBody.Edges.push_back({from, to, int(faceIndex), int(faceIndex), true});
            } else {
                TMeshEdge& edge = FBody.Edges[known->second];
                edge.Face2 = int(faceIndex);
                edge.Feature = FBody.Faces[edge.Face1].Surface != FBody.Faces[faceIndex].Surface;
            }
        }
    }
    // Edges inside a flat face are never drawn.
    std::vector<TMeshEdge> kept;
    for (const TMeshEdge& edge : FBody.Edges)
        if (edge.Feature || FBody.SmoothSurface[FBody.Faces[edge.Face1].Surface])
            kept.push_back(edge);
    FBody.Edges = std::move(kept);
    return std::move(FBody);
}

// A profile in the half plane (r, z) for a solid of revolution about the z axis:
// the outline of the solid's cross-section, counterclockwise (the solid on its
// left), each segment on the surface Surfaces[i]. Closed: the last point joins
// the first (a ring that does not touch the axis).
struct TProfile {
    std::vector<double> R, Z;
    std::vector<int> Surfaces;
    void Start(double AR, double AZ) {
        R.push_back(AR);
        Z.push_back(AZ);
    }
    void LineTo(double AR, double AZ, int ASurface) {
        Start(AR, AZ);
        Surfaces.push_back(ASurface);
    }
    // An arc of the circle of radius ARadius about (0, ACentreZ), from its point at
    // polar angle AFrom (0 at the top) to AToward.
    void ArcTo(double ARadius, double ACentreZ, double AFrom, double AToward, int ASurface) {
        const int steps =
            std::max(2, int(std::ceil(std::fabs(AToward - AFrom) / (2 * Pi / MeridianSegments))));
        for (int i = 1; i <= steps; ++i) {
            // The last point exactly at its angle: a pole must fall on the axis.
            const double angle = i == steps ? AToward : AFrom + (AToward - AFrom) * i / steps;
            const double r = ARadius * std::sin(angle);
            LineTo(r > ARadius * 1e-12 ? r : 0.0, ACentreZ + ARadius * std::cos(angle), ASurface);
        }
    }
};

void Revolve(TBodyBuilder& ABuilder, const TProfile& AProfile, bool AClosed = false) {
    std::vector<std::vector<int>> rings;
    for (std::size_t k = 0; k < AProfile.R.size(); ++k) {
        std::vector<int> ring;
        if (AProfile.R[k] <= 0) {
            ring.assign(CircleSegments, ABuilder.Point({0, 0, AProfile.Z[k]}));
        } else {
            for (int j = 0; j < CircleSegments; ++j)
                ring.push_back(ABuilder.Point(
                    AtAngle(AProfile.R[k], 2 * Pi * j / CircleSegments, AProfile.Z[k])));
        }
        rings.push_back(std::move(ring));
    }
    const std::size_t segments = AClosed ? rings.size() : rings.size() - 1;
    for (std::size_t k = 0; k < segments; ++k) {
        const std::vector<int>& lower = rings[k];
        const std::vector<int>& upper = rings[(k + 1) % rings.size()];
        for (int j = 0; j < CircleSegments; ++j) {
            const int next = (j + 1) % CircleSegments;
            ABuilder.Face({lower[j], lower[next], upper[next], upper[j]}, AProfile.Surfaces[k]);
        }
    }
}

using TPolygon = std::vector<std::pair<double, double>>;

// A regular polygon of ACount edges about the origin with its circumradius,
// counterclockwise, its first edge (points 0 and 1) at the front (-y).
TPolygon RegularPolygon(int ACount, double ACircumradius) {
    TPolygon polygon;
    for (int i = 0; i < ACount; ++i) {
        const double angle = -Pi / 2 - Pi / ACount + 2 * Pi * i / ACount;
        polygon.emplace_back(ACircumradius * std::cos(angle), ACircumradius * std::sin(angle));
    }
    return polygon;
}

// The first two points of that polygon, its front edge (without the other points,
// which may be millions).
TPolygon FrontEdge(std::int32_t ACount, double ACircumradius) {
    TPolygon edge;
    for (int i = 0; i < 2; ++i) {
        const double angle = -Pi / 2 - Pi / ACount + 2 * Pi * i / ACount;
        edge.emplace_back(ACircumradius * std::cos(angle), ACircumradius * std::sin(angle));
    }
    return edge;
}

TPolygon Rectangle(double AWidth, double ADepth) {
    return {{-AWidth / 2, -ADepth / 2},
            {AWidth / 2, -ADepth / 2},
            {AWidth / 2, ADepth / 2},
            {-AWidth / 2, ADepth / 2}};
}

// The solid between a lower polygon at z = 0 and an upper one at AHeight, both
// counterclockwise with the same number of points, or an apex when AUpper has
// one point. The lateral face of edge i is on ALateral[i] (a new flat surface
// each where ALateral is empty).
struct TLoft {
    std::vector<int> Lower, Upper;
};

TLoft Loft(TBodyBuilder& ABuilder, const TPolygon& ALower, const TPolygon& AUpper, double AHeight,
           std::vector<int> ALateral = {}) {
    TLoft loft;
    for (const auto& [x, y] : ALower)
        loft.Lower.push_back(ABuilder.Point({x, y, 0}));
    for (const auto& [x, y] : AUpper)
        loft.Upper.push_back(ABuilder.Point({x, y, AHeight}));
    const std::size_t count = ALower.size();
    if (ALateral.empty())
        for (std::size_t i = 0; i < count; ++i)
            ALateral.push_back(ABuilder.Surface(false));
    ABuilder.Face({loft.Lower.rbegin(), loft.Lower.rend()}, ABuilder.Surface(false));
    const bool apex = loft.Upper.size() == 1;
    if (!apex)
        ABuilder.Face(loft.Upper, ABuilder.Surface(false));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t next = (i + 1) % count;
        if (apex)
            ABuilder.Face({loft.Lower[i], loft.Lower[next], loft.Upper[0]}, ALateral[i]);
        else
            ABuilder.Face({loft.Lower[i], loft.Lower[next], loft.Upper[next], loft.Upper[i]},
                          ALateral[i]);
    }
    return loft;
}

// Lateral surfaces of a regular polygon's solid: flat faces, or one curved surface
// where there are too many to draw each.
int DrawnCount(std::int32_t ACount) {
    return std::min<std::int32_t>(ACount, CirclePoints);
}

// One for each edge drawn, so as many as DrawnCount gives.
std::vector<int> LateralSurfaces(TBodyBuilder& ABuilder, std::int32_t ACount) {
    if (ACount <= MostDrawnEdges)
        return {};
    return std::vector<int>(std::size_t(DrawnCount(ACount)), ABuilder.Surface(true));
}

double Circumradius(int ACount, double ASide) {
    return ASide / (2 * std::sin(Pi / ACount));
}

TPoint3 Lifted(const std::pair<double, double>& APoint, double AZ) {
    return {APoint.first, APoint.second, AZ};
}

TDimensionLine Dimension(TEntry AEntry, const TPoint3& AFrom, const TPoint3& ATo,
                         bool AOwnLine = false, bool ADotAtFrom = false) {
    TDimensionLine line;
    line.Entry = AEntry;
    line.From = AFrom;
    line.To = ATo;
    line.OwnLine = AOwnLine;
    line.DotAtFrom = ADotAtFrom;
    return line;
}

// A radius of the circle about the axis at AZ, drawn from its centre.
TDimensionLine Radius(TEntry AEntry, double ARadius, double AZ, double AAngle = RadiusAngle) {
    return Dimension(AEntry, {0, 0, AZ}, AtAngle(ARadius, AAngle, AZ), true, true);
}

TDimensionLine Axis(TEntry AEntry, double AFromZ, double AToZ) {
    return Dimension(AEntry, {0, 0, AFromZ}, {0, 0, AToZ}, true);
}

// --- The solids ------------------------------------------------------------------------

struct TBuilt {
    std::vector<TBody> Bodies;
    std::vector<TDimensionLine> Dimensions;
    std::optional<TPoint3> SphereCentre;
    double SphereRadius = 0;
};

TBuilt Block(double AA, double AB, double AC, TEntry AEntryA, TEntry AEntryB, TEntry AEntryC) {
    TBodyBuilder builder(bkSolid);
    Loft(builder, Rectangle(AA, AB), Rectangle(AA, AB), AC);
    const TPoint3 corner{AA / 2, -AB / 2, 0};
    TBuilt built{{builder.Finish()}, {}, {}, 0};
    built.Dimensions.push_back(Dimension(AEntryA, {-AA / 2, -AB / 2, 0}, corner));
    if (AEntryB != enNone)
        built.Dimensions.push_back(Dimension(AEntryB, corner, {AA / 2, AB / 2, 0}));
    if (AEntryC != enNone)
        built.Dimensions.push_back(Dimension(AEntryC, corner, {AA / 2, -AB / 2, AC}));
    return built;
}

// A solid of revolution from base to top: the radii at z = 0 and at AHeight (0
// for an apex).
TBuilt RoundFrustum(double ALower, double AUpper, double AHeight) {
    TBodyBuilder builder(bkSolid);
    TProfile profile;
    profile.Start(0, 0);
    profile.LineTo(ALower, 0, builder.Surface(false));
    profile.LineTo(AUpper, AHeight, builder.Surface(true));
    if (AUpper > 0)
        profile.LineTo(0, AHeight, builder.Surface(false));
    Revolve(builder, profile);
    return {{builder.Finish()}, {}, {}, 0};
}

TBuilt PolygonFrustum(const TPolygon& ALower, const TPolygon& AUpper, double AHeight, int AEdges) {
    TBodyBuilder builder(bkSolid);
    Loft(builder, ALower, AUpper, AHeight, LateralSurfaces(builder, AEdges));
    return {{builder.Finish()}, {}, {}, 0};
}

TBuilt Sphere(double ARadius) {
    TBodyBuilder builder(bkSolid);
    TProfile profile;
    profile.Start(0, -ARadius);
    profile.ArcTo(ARadius, 0, Pi, 0, builder.Surface(true));
    Revolve(builder, profile);
    return {{builder.Finish()}, {}, {}, 0};
}

// A cap of the sphere of radius ARadius cut by the plane z = 0, AHeight high,
// together with the cone from the sphere's centre to its base for a sector.
TBuilt Cap(double ARadius, double AHeight, bool ASector) {
    TBodyBuilder builder(bkSolid);
    const double centreZ = AHeight - ARadius;
    const double baseAngle = std::acos(std::clamp(-centreZ / ARadius, -1.0, 1.0));
    const double baseRadius = ARadius * std::sin(baseAngle);
    TProfile profile;
    if (ASector) {
        profile.Start(0, centreZ);
        profile.LineTo(baseRadius, 0, builder.Surface(true));
        builder.SetConvex(AHeight <= ARadius);
    } else {
        profile.Start(0, 0);
        profile.LineTo(baseRadius, 0, builder.Surface(false));
    }
    profile.ArcTo(ARadius, centreZ, baseAngle, 0, builder.Surface(true));
    Revolve(builder, profile);
    TBuilt built{{builder.Finish()}, {}, TPoint3{0, 0, centreZ}, ARadius};
    return built;
}

// The slice of the sphere of radius ARadius about (0, 0, ACentreZ) between z = 0
// and AHeight.
TBuilt Slice(double ARadius, double ACentreZ, double AHeight) {
    TBodyBuilder builder(bkSolid);
    const auto angleAt = [&](double AZ) {
        return std::acos(std::clamp((AZ - ACentreZ) / ARadius, -1.0, 1.0));
    };
    const double lowerAngle = angleAt(0), upperAngle = angleAt(AHeight);
    TProfile profile;
    profile.Start(0, 0);
    profile.LineTo(ARadius * std::sin(lowerAngle), 0, builder.Surface(false));
    profile.ArcTo(ARadius, ACentreZ, lowerAngle, upperAngle, builder.Surface(true));
    profile.LineTo(0, AHeight, builder.Surface(false));
    Revolve(builder, profile);
    return {{builder.Finish()}, {}, TPoint3{0, 0, ACentreZ}, ARadius};
}

// A tank of radius ARadius and length ALength lying along x, its bottom line on
// z = 0, holding liquid up to ALevel.
TBuilt Tank(double ARadius, double ALength, double ALevel) {
    // Both are built standing along z and laid down by a rotation: (x, y, z) ->
    // (z - L/2, -y, x + R), which keeps the faces' orientation.
    const auto layDown = [&](TBody& ABody) {
        for (TPoint3& point : ABody.Points)
            point = {point.Z - ALength / 2, -point.Y, point.X + ARadius};
        for (TMeshFace& face : ABody.Faces)
            face.Normal = {face.Normal.Z, -face.Normal.Y, face.Normal.X};
    };
    TBodyBuilder shell(bkShell);
    TProfile profile;
    profile.Start(0, 0);
    profile.LineTo(ARadius, 0, shell.Surface(false));
    profile.LineTo(ARadius, ALength, shell.Surface(true));
    profile.LineTo(0, ALength, shell.Surface(false));
    Revolve(shell, profile);

    TBuilt built;
    if (ALevel > 0) {
        // The liquid's cross-section: the part of the end circle below the level, whose
        // chord (the last edge) is the liquid's surface.
        TBodyBuilder liquid(bkLiquid);
        const double startAngle = std::acos(std::clamp((ALevel - ARadius) / ARadius, -1.0, 1.0));
        const int steps =
            std::max(2, int(std::ceil((2 * Pi - 2 * startAngle) / (2 * Pi / CircleSegments))));
        TPolygon section;
        const bool full = startAngle <= 0;
        for (int i = 0; i <= (full ? steps - 1 : steps); ++i) {
            const double angle = startAngle + (2 * Pi - 2 * startAngle) * i / steps;
            section.emplace_back(ARadius * std::cos(angle), ARadius * std::sin(angle));
        }
        const int wall = liquid.Surface(true);
        std::vector<int> lateral(section.size(), wall);
        if (!full)
            lateral.back() = liquid.Surface(false);
        Loft(liquid, section, section, ALength, lateral);
        built.Bodies.push_back(liquid.Finish());
    }
    built.Bodies.push_back(shell.Finish());
    for (TBody& body : built.Bodies)
        layDown(body);
    return built;
}

// The letters as the page description gives them.
void SetLetters(TFigureModel& AModel, TVariant AVariant, const TEntryValues& AValues) {
    for (TDimensionLine& line : AModel.Dimensions) {
        const TEntryPlace* place = PlaceOf(AVariant, line.Entry);
        if (!place)
            continue;
        if (place->ChosenBy != enNone)
            line.Glyph = AValues[place->ChosenBy] == 0 ? QStringLiteral("a") : QStringLiteral("b");
        else if (place->Letter.Glyph)
            line.Glyph = QString::fromUtf8(place->Letter.Glyph);
        if (place->Letter.Subscript)
            line.Subscript = QString::fromUtf8(place->Letter.Subscript);
    }
}

} // namespace

TFigureModel BuildFigureModel(TVariant AVariant, const TEntryValues& AValues,
                              const TSolidFigure& AFigure, double AMinimumLength) {
    TFigureModel model;
    const auto finish = [&](TBuilt ABuilt, const TSizer& ASizer) {
        model.Bodies = std::move(ABuilt.Bodies);
        model.Dimensions = std::move(ABuilt.Dimensions);
        model.SphereCentre = ABuilt.SphereCentre;
        model.SphereRadius = ABuilt.SphereRadius;
        model.Exaggerated = ASizer.Exaggerated();
        model.Unit = ASizer.Unit();
    };
    const double minimum = AMinimumLength;
    switch (AVariant) {
    case vaCube: {
        const TCube& cube = As<TCube>(AFigure);
        TSizer sizer({cube.Side()}, minimum);
        const double a = sizer.Size(cube.Side());
        finish(Block(a, a, a, enCube_A, enNone, enNone), sizer);
        break;
    }
    case vaBlock: {
        const TBlock& block = As<TBlock>(AFigure);
        TSizer sizer({block.SideA(), block.SideB(), block.SideC()}, minimum);
        const double a = sizer.Legible(block.SideA()), b = sizer.Legible(block.SideB());
        const double c = sizer.Legible(block.SideC());
        finish(Block(a, b, c, enBlock_A, enBlock_B, enBlock_C), sizer);
        break;
    }
    case vaSphere: {
        const TSphere& sphere = As<TSphere>(AFigure);
        TSizer sizer({sphere.Diameter()}, minimum);
        const double r = sizer.Size(sphere.Radius());
        TBuilt built = Sphere(r);
        built.Dimensions.push_back(Radius(enSphere_R, r, 0));
        finish(std::move(built), sizer);
        break;
    }
    case vaCone: {
        const TCone& cone = As<TCone>(AFigure);
        const Extended radius = cone.Base().Radius();
        TSizer sizer({radius * 2, cone.Height()}, minimum);
        const double r = sizer.Legible(radius * 2) / 2, h = sizer.Legible(cone.Height());
        TBuilt built = RoundFrustum(r, 0, h);
        built.Dimensions.push_back(Radius(enCone_R, r, 0));
        built.Dimensions.push_back(Axis(enCone_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaCylinder: {
        const TCylinder& cylinder = As<TCylinder>(AFigure);
        const Extended radius = cylinder.Base().Radius();
        TSizer sizer({radius * 2, cylinder.Height()}, minimum);
        const double r = sizer.Legible(radius * 2) / 2, h = sizer.Legible(cylinder.Height());
        TBuilt built = RoundFrustum(r, r, h);
        built.Dimensions.push_back(Radius(enCylinder_R, r, h));
        built.Dimensions.push_back(Dimension(enCylinder_V, AtAngle(r, OutlineAngle, 0),
                                             AtAngle(r, OutlineAngle, h), true));
        finish(std::move(built), sizer);
        break;
    }
    case vaPyramid_Tetrahedron: {
        const TPyramid_Tetrahedron& tetrahedron = As<TPyramid_Tetrahedron>(AFigure);
        const Extended side = tetrahedron.Face().Side();
        TSizer sizer({side}, minimum);
        const double a = sizer.Size(side), h = sizer.Size(tetrahedron.Height());
        const TPolygon base = RegularPolygon(3, Circumradius(3, a));
        TBuilt built = PolygonFrustum(base, {{0, 0}}, h, 3);
        built.Dimensions.push_back(Dimension(enPyramid_A, Lifted(base[0], 0), Lifted(base[1], 0)));
        finish(std::move(built), sizer);
        break;
    }
    case vaPyramid_Rectangle: {
        const TPyramid_Rectangle& pyramid = As<TPyramid_Rectangle>(AFigure);
        const TRectangle& base = pyramid.Base();
        TSizer sizer({base.SideA(), base.SideB(), pyramid.Height()}, minimum);
        const double a = sizer.Legible(base.SideA()), b = sizer.Legible(base.SideB());
        const double h = sizer.Legible(pyramid.Height());
        TBuilt built = PolygonFrustum(Rectangle(a, b), {{0, 0}}, h, 4);
        built.Dimensions.push_back(Dimension(enPyramid_A, {-a / 2, -b / 2, 0}, {a / 2, -b / 2, 0}));
        built.Dimensions.push_back(Dimension(enPyramid_B, {a / 2, -b / 2, 0}, {a / 2, b / 2, 0}));
        built.Dimensions.push_back(Axis(enPyramid_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaPyramid_Square:
    case vaPyramid_EquilateralTriangle:
    case vaPyramid_NAngle: {
        const TPyramid_NAngle& pyramid = As<TPyramid_NAngle>(AFigure);
        const std::int32_t count = pyramid.Base().NumberOfEdges();
        const Extended side = pyramid.Base().Side();
        const Extended circumradius = side / (2 * std::sin(Constants::Pi / count));
        TSizer sizer({circumradius * 2, pyramid.Height()}, minimum);
        const double rc = sizer.Legible(circumradius * 2) / 2, h = sizer.Legible(pyramid.Height());
        const TPolygon base = RegularPolygon(DrawnCount(count), rc);
        const TPolygon edge = FrontEdge(count, rc);
        TBuilt built = PolygonFrustum(base, {{0, 0}}, h, count);
        built.Dimensions.push_back(Dimension(enPyramid_A, Lifted(edge[0], 0), Lifted(edge[1], 0)));
        built.Dimensions.push_back(Axis(enPyramid_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaPrism_Triangle: {
        const TPrism_Triangle& prism = As<TPrism_Triangle>(AFigure);
        const TTriangle& base = prism.Base();
        TSizer sizer({base.SideA(), base.SideB(), base.SideC(), prism.Height()}, minimum);
        // The triangle keeps its shape: it is enlarged whole when it is too small.
        const Extended longest = std::max({base.SideA(), base.SideB(), base.SideC()});
        const double factor = sizer.Legible(longest) / sizer.Size(longest);
        const double b = sizer.Size(base.SideB()) * factor, c = sizer.Size(base.SideC()) * factor;
        const double alpha = double(base.AngleAlpha());
        // A, B, C counterclockwise, side c = AB at the front, centred on the centroid.
        const double cx = b * std::cos(alpha), cy = b * std::sin(alpha);
        const double mx = (c + cx) / 3, my = cy / 3;
        const TPolygon triangle = {{-mx, -my}, {c - mx, -my}, {cx - mx, cy - my}};
        const double h = sizer.Legible(prism.Height());
        TBuilt built = PolygonFrustum(triangle, triangle, h, 3);
        const TPoint3 pa = Lifted(triangle[0], h), pb = Lifted(triangle[1], h),
                      pc = Lifted(triangle[2], h);
        built.Dimensions.push_back(Dimension(enPrism_E1, pb, pc));
        built.Dimensions.push_back(Dimension(enPrism_E2, pc, pa));
        built.Dimensions.push_back(Dimension(enPrism_E3, pa, pb));
        built.Dimensions.push_back(Dimension(enPrism_V, Lifted(triangle[1], 0), pb));
        finish(std::move(built), sizer);
        break;
    }
    case vaPrism_NAngle: {
        const TPrism_NAngle& prism = As<TPrism_NAngle>(AFigure);
        const std::int32_t count = prism.Base().NumberOfEdges();
        const Extended circumradius = prism.Base().Side() / (2 * std::sin(Constants::Pi / count));
        TSizer sizer({circumradius * 2, prism.Height()}, minimum);
        const double rc = sizer.Legible(circumradius * 2) / 2, h = sizer.Legible(prism.Height());
        const TPolygon base = RegularPolygon(DrawnCount(count), rc);
        const TPolygon edge = FrontEdge(count, rc);
        TBuilt built = PolygonFrustum(base, base, h, count);
        built.Dimensions.push_back(Dimension(enPrism_E3, Lifted(edge[0], h), Lifted(edge[1], h)));
        built.Dimensions.push_back(Dimension(enPrism_V, Lifted(base[1], 0), Lifted(base[1], h)));
        finish(std::move(built), sizer);
        break;
    }
    case vaPrism_CircularRing: {
        const TPrism_CircularRing& prism = As<TPrism_CircularRing>(AFigure);
        const Extended outer = prism.Base().OuterCircle().Radius();
        const Extended inner = prism.Base().InnerCircle().Radius();
        TSizer sizer({outer * 2, prism.Height()}, minimum);
        const double r1 = sizer.Legible(outer * 2) / 2, h = sizer.Legible(prism.Height());
        const double r2 = std::min(r1 * (1 - 1e-9), sizer.Legible(inner * 2) / 2);
        TBodyBuilder builder(bkSolid);
        builder.SetConvex(false);
        TProfile profile;
        profile.Start(r2, 0);
        profile.LineTo(r1, 0, builder.Surface(false));
        profile.LineTo(r1, h, builder.Surface(true));
        profile.LineTo(r2, h, builder.Surface(false));
        profile.LineTo(r2, 0, builder.Surface(true));
        profile.R.pop_back();
        profile.Z.pop_back();
        Revolve(builder, profile, true);
        TBuilt built{{builder.Finish()}, {}, {}, 0};
        built.Dimensions.push_back(Radius(enPrism_E2, r1, h));
        built.Dimensions.push_back(Radius(enPrism_E3, r2, h, RadiusAngle + Pi * 0.8));
        built.Dimensions.push_back(
            Dimension(enPrism_V, AtAngle(r1, OutlineAngle, 0), AtAngle(r1, OutlineAngle, h), true));
        finish(std::move(built), sizer);
        break;
    }
    case vaTruncatedCone: {
        const TTruncatedCone& cone = As<TTruncatedCone>(AFigure);
        const Extended upper = cone.Base1().Radius(), lower = cone.Base2().Radius();
        TSizer sizer({upper * 2, lower * 2, cone.Height()}, minimum);
        const double r2 = sizer.Legible(upper * 2) / 2, r1 = sizer.Legible(lower * 2) / 2;
        const double h = sizer.Legible(cone.Height());
        TBuilt built = RoundFrustum(r1, r2, h);
        built.Dimensions.push_back(Radius(enTruncatedCone_R2, r2, h));
        built.Dimensions.push_back(Radius(enTruncatedCone_R1, r1, 0));
        built.Dimensions.push_back(Axis(enTruncatedCone_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaTruncatedPyramid_Rectangle: {
        const TTruncatedPyramid_Rectangle& pyramid = As<TTruncatedPyramid_Rectangle>(AFigure);
        const TRectangle &upper = pyramid.Base1(), &lower = pyramid.Base2();
        TSizer sizer({upper.SideA(), upper.SideB(), lower.SideA(), lower.SideB(), pyramid.Height()},
                     minimum);
        const double a2 = sizer.Legible(upper.SideA()), b2 = sizer.Legible(upper.SideB());
        const double a1 = sizer.Legible(lower.SideA()), b1 = sizer.Legible(lower.SideB());
        const double h = sizer.Legible(pyramid.Height());
        TBuilt built = PolygonFrustum(Rectangle(a1, b1), Rectangle(a2, b2), h, 4);
        built.Dimensions.push_back(
            Dimension(enTruncatedPyramid_E1, {-a2 / 2, -b2 / 2, h}, {a2 / 2, -b2 / 2, h}));
        built.Dimensions.push_back(
            Dimension(enTruncatedPyramid_E2, {a2 / 2, -b2 / 2, h}, {a2 / 2, b2 / 2, h}));
        if (AValues[enTruncatedPyramid_Side] == 0)
            built.Dimensions.push_back(
                Dimension(enTruncatedPyramid_E3, {-a1 / 2, -b1 / 2, 0}, {a1 / 2, -b1 / 2, 0}));
        else
            built.Dimensions.push_back(
                Dimension(enTruncatedPyramid_E3, {a1 / 2, -b1 / 2, 0}, {a1 / 2, b1 / 2, 0}));
        built.Dimensions.push_back(Axis(enTruncatedPyramid_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaTruncatedPyramid_Square:
    case vaTruncatedPyramid_EquilateralTriangle:
    case vaTruncatedPyramid_NAngle: {
        const TTruncatedPyramid_NAngle& pyramid = As<TTruncatedPyramid_NAngle>(AFigure);
        const std::int32_t count = pyramid.Base1().NumberOfEdges();
        const Extended toCircumradius = 1 / (2 * std::sin(Constants::Pi / count));
        const Extended upper = pyramid.Base1().Side() * toCircumradius;
        const Extended lower = pyramid.Base2().Side() * toCircumradius;
        TSizer sizer({upper * 2, lower * 2, pyramid.Height()}, minimum);
        const double rc2 = sizer.Legible(upper * 2) / 2, rc1 = sizer.Legible(lower * 2) / 2;
        const double h = sizer.Legible(pyramid.Height());
        const int drawn = DrawnCount(count);
        TBuilt built =
            PolygonFrustum(RegularPolygon(drawn, rc1), RegularPolygon(drawn, rc2), h, count);
        const TPolygon upperEdge = FrontEdge(count, rc2), lowerEdge = FrontEdge(count, rc1);
        built.Dimensions.push_back(
            Dimension(enTruncatedPyramid_E2, Lifted(upperEdge[0], h), Lifted(upperEdge[1], h)));
        built.Dimensions.push_back(
            Dimension(enTruncatedPyramid_E3, Lifted(lowerEdge[0], 0), Lifted(lowerEdge[1], 0)));
        built.Dimensions.push_back(Axis(enTruncatedPyramid_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaCylindricalTank: {
        const TCylindricalTank& tank = As<TCylindricalTank>(AFigure);
        model = BuildTankModel(tank.ParentCylinder().Base().Radius(), tank.Length(),
                               tank.SideFace().Height(), minimum);
        break;
    }
    case vaSphericalSegment_RadiusOfSegment:
    case vaSphericalSegment_RadiusOfSphere:
    case vaSphericalSector: {
        const bool sector = AVariant == vaSphericalSector;
        const TSphericalSegment& segment = sector ? As<TSphericalSector>(AFigure).SphericalSegment()
                                                  : As<TSphericalSegment>(AFigure);
        const Extended radius = segment.ParentSphere().Radius(), height = segment.Height();
        const Extended width =
            height < radius ? segment.IntersectingSurface().Radius() * 2 : radius * 2;
        TSizer sizer({width, sector ? std::max(height, radius) : height}, minimum);
        const double r = sizer.Size(radius);
        const double v = std::min(2 * r, sizer.Legible(height));
        TBuilt built = Cap(r, v, sector);
        const double rho = std::sqrt(std::max(0.0, v * (2 * r - v)));
        if (AVariant == vaSphericalSegment_RadiusOfSphere)
            built.Dimensions.push_back(Dimension(enSphericalSegment_R, {0, 0, v - r},
                                                 AtAngle(rho, RadiusAngle + Pi, 0), true, true));
        else
            built.Dimensions.push_back(
                Radius(sector ? enSphericalSector_Ro : enSphericalSegment_R, rho, 0));
        built.Dimensions.push_back(Axis(sector ? enSphericalSector_V : enSphericalSegment_V, 0, v));
        finish(std::move(built), sizer);
        break;
    }
    case vaSphericalFrustum: {
        const TSphericalFrustum& frustum = As<TSphericalFrustum>(AFigure);
        const Extended upper = frustum.Base1().Radius(), lower = frustum.Base2().Radius();
        const Extended radius = frustum.ParentSphere().Radius(), height = frustum.Height();
        // From the upper plane to the centre, towards the lower one.
        const Extended toCentre =
            (height * height + (lower - upper) * (lower + upper)) / (height * 2);
        const bool equator = toCentre > 0 && toCentre < height;
        TSizer sizer({(equator ? radius : std::max(upper, lower)) * 2, height}, minimum);
        const double r = sizer.Size(radius);
        const double centreZ = sizer.Size(height - toCentre);
        const double h = std::min(centreZ + r, sizer.Legible(height));
        TBuilt built = Slice(r, centreZ, h);
        const auto radiusAt = [&](double AZ) {
            return std::sqrt(std::max(0.0, r * r - (AZ - centreZ) * (AZ - centreZ)));
        };
        built.Dimensions.push_back(Radius(enSphericalFrustum_Ro2, radiusAt(h), h));
        built.Dimensions.push_back(Radius(enSphericalFrustum_Ro1, radiusAt(0), 0));
        built.Dimensions.push_back(Axis(enSphericalFrustum_V, 0, h));
        finish(std::move(built), sizer);
        break;
    }
    case vaPyramid_None:
    case vaPrism_None:
    case vaTruncatedPyramid_None:
    case VariantCount:
        throw std::logic_error("The variant has no figure");
    }
    SetLetters(model, AVariant, AValues);
    return model;
}

TFigureModel BuildTankModel(Extended ARadius, Extended ALength, Extended ALevel,
                            double AMinimumLength) {
    TSizer sizer({ARadius * 2, ALength}, AMinimumLength);
    const double r = sizer.Legible(ARadius * 2) / 2, d = sizer.Legible(ALength);
    const double level = ALevel > 0 ? std::min(2 * r, sizer.Legible(ALevel)) : 0;
    TBuilt built = Tank(r, d, level);
    const double slant = std::sqrt(0.5);
    built.Dimensions.push_back(Dimension(enCylindricalTank_R, {d / 2, 0, r},
                                         {d / 2, -r * slant, r + r * slant}, true, true));
    if (level > 0)
        built.Dimensions.push_back(
            Dimension(enCylindricalTank_H, {d / 2, 0, 0}, {d / 2, 0, level}, true));
    built.Dimensions.push_back(Dimension(enCylindricalTank_D, {-d / 2, -r * slant, r - r * slant},
                                         {d / 2, -r * slant, r - r * slant}, true));
    TFigureModel model;
    model.Bodies = std::move(built.Bodies);
    model.Dimensions = std::move(built.Dimensions);
    model.Exaggerated = sizer.Exaggerated();
    model.Unit = sizer.Unit();
    SetLetters(model, vaCylindricalTank, TEntryValues());
    return model;
}

double EnclosedVolume(const TBody& ABody) {
    double volume = 0;
    for (const TMeshFace& face : ABody.Faces) {
        const TPoint3& first = ABody.Points[face.Points[0]];
        for (std::size_t i = 1; i + 1 < face.Points.size(); ++i)
            volume +=
                Dot(first, Cross(ABody.Points[face.Points[i]], ABody.Points[face.Points[i + 1]]));
    }
    return volume / 6;
}

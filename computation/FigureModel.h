// The entered figure as a small 3D model for its drawing to scale: closed
// bodies of flat convex faces (a curved surface is a band of narrow faces that
// share one surface number), the segments that the entries measure with their
// draft letters, and the faint parent sphere of the spherical solids. Nothing
// here paints; FigureDrawing.h projects and paints the model.
//
// Coordinates are relative: the figure's largest dimension is about 1, so that
// a needle 1e-30 thin and a tank 1e30 long both fit a double. The z axis points
// up; a solid stands on the plane z = 0 (the tank lies along x), centred on
// the z axis.
#pragma once

#include "SolidHandlers.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TSolidFigure;

struct TPoint3 {
    double X = 0, Y = 0, Z = 0;
};

inline TPoint3 operator+(const TPoint3& A, const TPoint3& B) {
    return {A.X + B.X, A.Y + B.Y, A.Z + B.Z};
}
inline TPoint3 operator-(const TPoint3& A, const TPoint3& B) {
    return {A.X - B.X, A.Y - B.Y, A.Z - B.Z};
}
inline TPoint3 operator*(const TPoint3& A, double AFactor) {
    return {A.X * AFactor, A.Y * AFactor, A.Z * AFactor};
}
inline double Dot(const TPoint3& A, const TPoint3& B) {
    return A.X * B.X + A.Y * B.Y + A.Z * B.Z;
}
inline TPoint3 Cross(const TPoint3& A, const TPoint3& B) {
    return {A.Y * B.Z - A.Z * B.Y, A.Z * B.X - A.X * B.Z, A.X * B.Y - A.Y * B.X};
}

// How a body is painted: the solid itself, the liquid in the tank, or the tank's
// shell, which is see-through so that the liquid shows.
enum TBodyKind : std::uint8_t { bkSolid, bkLiquid, bkShell };

struct TMeshFace {
    std::vector<int> Points; // counterclockwise seen from outside
    int Surface = 0;         // faces of one flat face or one curved surface share it
    TPoint3 Normal;          // outward, unit length
};

// An edge of the mesh with the faces on either side of it.
struct TMeshEdge {
    int From = 0, To = 0;
    int Face1 = 0, Face2 = 0;
    // Between two surfaces (drawn, visible or hidden); otherwise inside a curved
    // surface (drawn only where it is the outline of the surface).
    bool Feature = false;
};

struct TBody {
    TBodyKind Kind = bkSolid;
    std::vector<TPoint3> Points;
    std::vector<TMeshFace> Faces;
    std::vector<bool> SmoothSurface; // by surface number
    std::vector<TMeshEdge> Edges;    // filled by FinishBody
    // A convex body hides an edge exactly when both its faces turn away.
    bool Convex = true;
};

// A length that an entry gives, with the entry's draft letter: on an edge of
// the solid, or on a line of its own (a radius, a height through the inside).
struct TDimensionLine {
    TEntry Entry = enNone;
    TPoint3 From, To;
    QString Glyph;     // "r", "a", "ρ"
    QString Subscript; // "1", "2" or empty
    bool OwnLine = false;
    bool DotAtFrom = false; // a centre
};

struct TFigureModel {
    std::vector<TBody> Bodies;
    std::vector<TDimensionLine> Dimensions;
    // The sphere that a spherical solid is cut from, drawn faintly.
    std::optional<TPoint3> SphereCentre;
    double SphereRadius = 0;
    // Some length was drawn longer than it is, to stay visible.
    bool Exaggerated = false;
    // The length that 1 of the model stands for.
    Extended Unit = 1;
};

// The segments a full circle is drawn with.
inline constexpr int CircleSegments = 72;

// The model of AFigure, the figure that AVariant's solid has for AValues (as
// CalculateSolid gives it). Every length below AMinimumLength (relative to the
// largest dimension, 1) is drawn AMinimumLength long and the model says so;
// 0 draws everything to scale. Throws std::logic_error for a figure of another
// kind than the variant's.
TFigureModel BuildFigureModel(TVariant AVariant, const TEntryValues& AValues,
                              const TSolidFigure& AFigure, double AMinimumLength);

// The model of a cylindrical tank with liquid up to ALevel (none at 0), lettered as
// the tank's page.
TFigureModel BuildTankModel(Extended ARadius, Extended ALength, Extended ALevel,
                            double AMinimumLength);

// The volume the model's faces enclose (of its first body, the solid or the
// tank's shell), by the divergence theorem; for tests of the model.
double EnclosedVolume(const TBody& ABody);

// The entered figure drawn to scale: one drawing code for the screen, PNG, SVG
// and PDF. The model (FigureModel.h) is turned by a small orthographic
// projection into a layout (faces flat-shaded back to front, edges visible or
// hidden, the entries' letters at the midpoints of the segments they measure),
// which QPainter paints on any device.
//
//     const TFigureDrawing drawing = TFigureDrawing::Calculate(vaCone, values);
//     if (drawing.Valid()) {
//         QPainter painter(&image);
//         drawing.Paint(painter, image.rect(), TViewAngles());
//     }
//
// A length so short against the figure's largest one that it would be drawn
// below MinimumLegiblePixels is drawn that long instead, and the drawing says
// "not to scale" (NotToScale, the painted note and the description).
#pragma once

#include "FigureModel.h"
#include "SolidHandlers.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// A length drawn shorter than this many pixels is drawn this long.
inline constexpr double MinimumLegiblePixels = 4;

// The direction the figure is seen from: turned about the vertical axis (Yaw),
// looked at from above (Pitch, radians), and the zoom over the fitted size.
struct TViewAngles {
    static constexpr double DefaultYaw = 0.5235987755982988;   // 30 degrees
    static constexpr double DefaultPitch = 0.3839724354387525; // 22 degrees
    double Yaw = DefaultYaw;
    double Pitch = DefaultPitch;
    double Zoom = 1;
    bool operator==(const TViewAngles& AOther) const {
        return Yaw == AOther.Yaw && Pitch == AOther.Pitch && Zoom == AOther.Zoom;
    }
};

// --- The layout: what is painted, where ----------------------------------------------------

struct TDrawnFace {
    QPolygonF Polygon;
    QColor Colour;
    TBodyKind Body = bkSolid;
};

enum TLineKind : std::uint8_t {
    lkEdge,     // an edge or the outline of a curved surface
    lkDimension // a line of its own that an entry measures
};

struct TDrawnLine {
    QLineF Line;
    TLineKind Kind = lkEdge;
    TBodyKind Body = bkSolid;
    bool Hidden = false; // dashed
};

struct TDrawnLetter {
    TEntry Entry = enNone;
    QString Glyph, Subscript;
    QLineF Edge;    // the measured segment as drawn
    QPointF Anchor; // its midpoint
    QRectF Box;     // where the letter stands, beside the anchor
};

struct TFigureLayout {
    QRectF Target;
    std::vector<TDrawnFace> Faces; // in painting order, farthest first
    std::vector<TDrawnLine> Lines;
    std::vector<TDrawnLetter> Letters;
    std::vector<QPointF> Dots;
    // The parent sphere of a spherical solid, drawn faintly; radius 0: none.
    QPointF SphereCentre;
    double SphereRadius = 0;
    QRectF FigureBounds; // the projected bodies
    double Scale = 0;    // pixels per model unit
    double LineUnit = 1; // line widths and letters grow with the drawing
    QFont LetterFont;
    bool NotToScale = false;
};

// --- The drawing --------------------------------------------------------------------------

class TFigureDrawing {
public:
    // No figure: Valid() is false, painting paints nothing.
    TFigureDrawing() = default;
    // AFigure is AVariant's figure for AValues, as CalculateSolid gives it.
    TFigureDrawing(TVariant AVariant, const TEntryValues& AValues,
                   std::shared_ptr<const TSolidFigure> AFigure);
    // Calculates the figure; not valid while the entries give none.
    static TFigureDrawing Calculate(TVariant AVariant, const TEntryValues& AValues);
    // A cylindrical tank with liquid up to ALevel, empty without one (the dip chart's
    // tank, whose level may be 0 or the full tank).
    static TFigureDrawing Tank(Extended ARadius, Extended ALength, std::optional<Extended> ALevel);

    bool Valid() const { return bool(FBuild); }
    // The unit the entries' lengths are in, which the description names.
    void SetLengthUnit(TLengthUnit AUnit) { FLengthUnit = AUnit; }
    TVariant Variant() const { return FVariant; }
    const TEntryValues& Values() const { return FValues; }

    TFigureLayout Layout(const QRectF& ATarget, const TViewAngles& AView = {}) const;
    // Paints the figure into ATarget (nothing when not valid); the background is left
    // as it is.
    void Paint(QPainter& APainter, const QRectF& ATarget, const TViewAngles& AView = {}) const;
    // Whether a drawing of ASize has to draw some length longer than it is.
    bool NotToScale(const QSizeF& ASize) const;
    // What a screen reader says: "Cone, radius of base 3 cm, height 4 cm, drawn to scale".
    QString Description(const QSizeF& ASize) const;

private:
    const TFigureModel& Model(double AMinimumLength) const;

    TVariant FVariant = VariantCount;
    TEntryValues FValues;
    TLengthUnit FLengthUnit = luNone;
    std::function<TFigureModel(double)> FBuild;
    mutable std::shared_ptr<TFigureModel> FModel;
    mutable double FModelMinimum = -1;
};

// The model length below which a drawing fitted into ASize exaggerates.
double MinimumLength(const QSizeF& ASize);

// The layout of AModel in ATarget seen from AView.
TFigureLayout LayOutFigure(const TFigureModel& AModel, const QRectF& ATarget,
                           const TViewAngles& AView);
void PaintFigureLayout(QPainter& APainter, const TFigureLayout& ALayout);

// The texts of the drawing's language file section.
QString DrawingText(const char* AKey);

// --- Export ---------------------------------------------------------------------------------

enum TDrawingFormat : std::uint8_t { dfNone, dfPng, dfSvg, dfPdf };

// The format a file name's extension asks for (.png, .svg, .pdf, any case).
TDrawingFormat DrawingFormatOf(const QString& AFileName);

// The drawing on white, ASize logical pixels at ADevicePixelRatio.
QImage DrawingImage(const TFigureDrawing& ADrawing, const QSize& ASize, qreal ADevicePixelRatio,
                    const TViewAngles& AView = {});
QByteArray DrawingSvg(const TFigureDrawing& ADrawing, const QSize& ASize,
                      const TViewAngles& AView = {});

// Writes the drawing, ASize logical pixels, to AFileName in the format of its
// extension (a PNG at twice the pixels, so that it prints sharp). The file is
// written whole or not at all: an existing file is kept on failure. Returns
// false with the message in AError (an unknown extension, a file that cannot
// be written).
bool SaveDrawing(const TFigureDrawing& ADrawing, const QString& AFileName, const QSize& ASize,
                 const TViewAngles& AView, QString& AError);
// Puts the drawing on the clipboard as a picture and as SVG.
void CopyDrawing(const TFigureDrawing& ADrawing, const QSize& ASize, qreal ADevicePixelRatio,
                 const TViewAngles& AView = {});

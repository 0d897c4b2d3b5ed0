// The program's built-in pictures and the loaders that put them into image controls.
//
// Every picture is a Qt resource addressed by a type and a name, both upper case
// (a lower-case request is upper-cased first, as resource look-ups by name are not
// case-sensitive). The file is ":/<TYPE>/<NAME>.<ext>", the extension being the first
// of svg, png, jpg, gif that exists. The types in the build:
//
//   GIF_DRAFT    ":/GIF_DRAFT/CUBE.svg"        line drawings of the solids (22 names)
//   GIF_FORMULA  ":/GIF_FORMULA/CUBE.svg"      formulas of the solids and plane figures (37 names)
//   JPG          ":/JPG/COMPUTATION_BACKGROUND.svg"   390 x 312, the computation window's page
//                ":/JPG/MAIN_BACKGROUND448.svg"       448 x 336, the main window
//                ":/JPG/MAIN_BACKGROUND1024.svg"      1024 x 768, the main window when scaled
//   BITMAP       ":/BITMAP/BTN_FORMULAS.svg", BTN_SUPPLEMENTARYDATA, BTN_OPTIONSMENU, BTN_DRAFT
//                                              16 x 16 glyphs of the computation window's buttons
//                ":/BITMAP/RHO.svg"            7 x 12, the Greek letter rho of the entry letters
//   ICON         ":/ICON/KAVORIN.svg"          the application icon (32 x 32, scales to any size)
//                MAIN_FORMULAS, MAIN_SETTINGS, MAIN_HELP, MAIN_ABOUT   32 x 32, main window
//                ABOUT_EMAIL (13 x 9), ABOUT_HOMEPAGE (14 x 14)        about window
//
// A picture's natural size is its catalogue size: the width and height of the SVG
// (or the pixel size of a raster picture). SVG pictures are rendered at the device
// pixel ratio of the control's screen, so they stay sharp on high-density screens.
//
// The pictures of the main window's first paint also have raster copies at the
// pixel sizes of 1x and 2x screens (":/RASTER/<TYPE>/<NAME>_<W>x<H>.rgb32", made
// from the SVGs at build time by tools/RasterPictures.cpp), which the loaders take
// instead of rendering the SVG: start-up then renders no SVG at all. SVG pictures are
// rendered by the SVG module (SvgModule.h), which brings Qt Svg when it is first
// needed.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>
#include <stdexcept>
#include <string>

class QIODevice;
class QLabel;
class QPainter;

// A picture that the program asked for is not in the build.
class EResourceNotFound : public std::runtime_error {
public:
    EResourceNotFound(const QString& AResourceType, const QString& AResourceName);
};

// A picture exists but cannot be decoded. The formula sheets stop loading on it.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const QString& APictureName);
};

// How a loader treats the image control's geometry.
enum class TImageSizing {
    // The control takes the picture's natural size (its position stays).
    AutoSize,
    // The control keeps its geometry. A control with scaled contents gets the picture
    // rendered at the control's size (stretched, still sharp); any other shows it at
    // its natural size, placed by the control's alignment.
    KeepSize,
};

// The resource file of a picture, e.g. ":/GIF_DRAFT/CUBE.svg". Throws EResourceNotFound.
QString ResourceFileName(const QString& AResourceType, const QString& AResourceName);
bool ResourceExists(const QString& AResourceType, const QString& AResourceName);

// The natural size of a picture. Throws EResourceNotFound or EInvalidGraphic.
QSize ResourceSize(const QString& AResourceType, const QString& AResourceName);

// Puts a draft or formula picture into an image control.
// Throws EResourceNotFound or EInvalidGraphic; the control is unchanged then.
void LoadGIFResource(const QString& AResourceType, const QString& AResourceName, QLabel* AImage,
                     TImageSizing ASizing = TImageSizing::AutoSize);

// Puts a background picture into an image control; same contract as LoadGIFResource.
void LoadJPEGResource(const QString& AResourceType, const QString& AResourceName, QLabel* AImage,
                      TImageSizing ASizing = TImageSizing::AutoSize);

// The picture as a pixmap of logical size ASize (the natural size when empty), rendered
// for the device pixel ratio ADevicePixelRatio (the highest of the screens when 0).
// Throws EResourceNotFound or EInvalidGraphic.
QPixmap LoadResourcePixmap(const QString& AResourceType, const QString& AResourceName,
                           QSize ASize = QSize(), qreal ADevicePixelRatio = 0);

// The picture as an icon for buttons and windows, rendered at its natural size for 1x, 2x
// and 3x screens; the application icon also at the usual icon sizes up to 256. Each
// picture's icon is made once and shared by every window that asks for it.
// Throws EResourceNotFound or EInvalidGraphic.
QIcon LoadResourceIcon(const QString& AResourceType, const QString& AResourceName);

// Writes what APaint paints into an SVG document of ASize pixels on ADevice, through
// the SVG module; false when the module cannot be loaded or the writing fails.
bool WriteSvgDocument(QIODevice& ADevice, const QSize& ASize, const QString& ATitle,
                      const QString& ADescription, const std::function<void(QPainter&)>& APaint);

// How many SVG pictures the loaders have rendered in this process (not counting
// those taken from the pixmap cache or a raster copy); for the tests.
int SvgPicturesRendered();

// The same for a picture file of any path (resource or disk), named by its path in errors.
QSize PictureFileSize(const QString& AFileName);
QPixmap RenderPictureFile(const QString& AFileName, QSize ASize = QSize(),
                          qreal ADevicePixelRatio = 0);
void LoadPictureFile(const QString& AFileName, QLabel* AImage,
                     TImageSizing ASizing = TImageSizing::AutoSize);

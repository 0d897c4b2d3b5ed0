// Rendering SVG files with Qt Svg: what the SVG module does for the loaders of
// ResourceLoading.h, and what tools/RasterPictures.cpp makes the raster copies with
// at build time. It needs nothing of the program (the module and the tool compile
// it alone), so that a copy is exactly what the loader would have rendered.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The SVG file rendered to an image of APixels (ARGB32_Premultiplied, antialiased,
// on transparent). Null when the file cannot be read, is not a valid SVG or has no
// size of its own.
QImage RenderSvgFile(const QString& AFileName, const QSize& APixels);

// The SVG file's own size (its width and height, else its view box); empty when it
// cannot be read or is not a valid SVG.
QSize SvgFileSize(const QString& AFileName);

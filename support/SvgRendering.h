// Rendering an SVG file into an image: what the loaders of ResourceLoading.h do when
// a picture has no raster copy, and what tools/RasterPictures.cpp makes the raster
// copies with at build time. It needs nothing of the program (the tool compiles it
// alone), so that a copy is exactly what the loader would have rendered.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The SVG file rendered to an image of APixels (ARGB32_Premultiplied, antialiased,
// on transparent). Null when the file cannot be read, is not a valid SVG or has no
// size of its own.
QImage RenderSvgFile(const QString& AFileName, const QSize& APixels);

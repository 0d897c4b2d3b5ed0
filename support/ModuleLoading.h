// The program's modules: the parts that bring Qt libraries which start-up does not
// need (Qt Network for the version check, Qt Svg for the pictures that have no
// raster copy, Qt Print Support for printing). Each is a Qt plug-in with one
// object, loaded the first time it is asked for and kept until the program ends. A
// module sees nothing of the program but its interface header (HttpTransport.h,
// SvgModule.h, PrintModule.h).
//
// A module file is looked for beside the executable (the build folder, Windows),
// then in the installed module folder as seen from the executable's folder
// ("../lib/kavorin", or "../lib/<triplet>/kavorin" on Debian), then in Qt's library
// paths (QCoreApplication::addLibraryPath: the tests add the build folder).
#pragma once

#include <QObject>
#include <QString>

// The module's object, or null (with a warning naming the file and why) when it
// cannot be loaded; asked again, a module that failed is not looked for again.
QObject* LoadModule(const QString& AFileName);

template <class TInterface> TInterface* Module(const QString& AFileName) {
    return qobject_cast<TInterface*>(LoadModule(AFileName));
}

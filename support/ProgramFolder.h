// The folder of the executable, where the program finds the files it ships
// with (language folder, help files, licence text, settings INI file).
#pragma once

#include <QString>

// The folder with a trailing separator.
QString ProgramFolder();
// Points ProgramFolder() elsewhere (tests); an empty path restores the default.
void SetProgramFolder(const QString& AFolder);

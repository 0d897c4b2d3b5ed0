// The folder of the executable, and where the program finds the files it ships
// with (language folder, help files, licence text).
//
// They lie beside the executable on Windows and in the build folder. An installed
// Unix program keeps its executable in <prefix>/bin and its data in
// <prefix>/share/kavorin, so a file missing beside the executable is looked for
// there. The settings INI file that overrides the language is only ever read
// beside the executable: it belongs to a portable copy.
#pragma once

#include <QString>

// The folder with a trailing separator.
QString ProgramFolder();
// Points ProgramFolder() elsewhere (tests); an empty path restores the default.
void SetProgramFolder(const QString& AFolder);

// The installed data folder as seen from the executable's folder ("../share/kavorin"
// by default).
QString InstalledDataFolderFromExecutable();

// The path of a shipped file or folder (ARelative, such as "Help_EN.rtf" or
// "Languages/"): beside the executable when it exists there, else in the
// installed data folder when it exists there, else beside the executable (where
// the message about a missing file sends the user).
QString ProgramDataPath(const QString& AExecutableFolder, const QString& ARelative);
// The same for the running program (ProgramFolder()).
QString ProgramDataPath(const QString& ARelative);

#pragma once
// The first start of an installed program: it works in the per-user data folder
// ($XDG_DATA_HOME/vemox), which it prepares from the defaults installed beside it
// (bin/../share/vemox), so that a package unpacked under any root runs as installed. A
// program started from its build tree is left in the folder it was started in.
#include <QString>

namespace FirstStart {
// The installed defaults for a program in exeDir: exeDir/../share/vemox when it holds the
// resource library; empty otherwise.
QString InstalledDefaults(const QString& exeDir);
// Creates dataDir with dll/ and help/; copies "currency.dat" only when the folder has none, so
// an operator's rates are never overwritten; the library and the help pages belong to the
// installation and are replaced when they differ. Raises VemoxError naming what failed.
void Prepare(const QString& defaults, const QString& dataDir);
// For an installed program: prepares the per-user data folder and gives it; empty when the
// program runs from its build tree. A failure is told in the standard error box and the
// folder is given all the same, so the program says what it then misses.
QString UserDataFolder();
} // namespace FirstStart

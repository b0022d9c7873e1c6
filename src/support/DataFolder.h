#pragma once
// The folder every data file is found in: "currency.dat", "RollBackCurrency.dat",
// "UserDefined.dat", the resource library in dll/ and the help pages in help/.
//
// It is the working folder as it was when the program started, captured once and kept
// absolute, so a later change of the process's current folder (a folder chosen for an
// export) never moves where the data is looked for. An installed program may point it at
// the per-user data folder it prepared instead.
#include <QString>

namespace DataFolder {
// Takes the current working folder, made absolute, as the data folder.
void capture();
// Uses this folder (made absolute) as the data folder.
void set(const QString& folder);
// The data folder, absolute. Captured from the working folder at the first call when
// neither capture() nor set() was called.
QString path();
// A data file or folder by its name relative to the data folder ("dll/ZYM_VEMOX.dll").
QString file(const QString& name);
} // namespace DataFolder

// Fuzz target: "currency.dat" and "UserDefined.dat" as the loader reads them. The input is
// the data file; after a line "--user--" the rest is the user-defined file. A small
// library is in place, so every path of the loader can be reached.
#include "Defs.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

struct Workplace {
    QTemporaryDir dir;
    ScriptedMessenger quiet;
    Workplace()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
        QDir::setCurrent(dir.path());
        QDir().mkpath("dll");
        ResourceLibraryWriter w;
        w.AddString(Defs::kResCount, "3");
        const char* iso[] = {"USD", "GBP", "EUR"};
        for (int i = 0; i < 3; ++i) {
            w.AddString(Defs::kResRegion + i, "Europe");
            w.AddString(Defs::kResIso + i, iso[i]);
            w.AddString(Defs::kResCountry + i, QString("Country %1").arg(i));
            w.AddString(Defs::kResDenomination + i, "Units");
        }
        w.Save(Defs::kResourceLibrary);
        setMessenger(&quiet);
    }
};

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Workplace* place = new Workplace();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf("\n--user--\n");
    writeFile(Defs::kCurrencyFile, split < 0 ? input : input.left(split));
    if (split < 0)
        QFile::remove(Defs::kUserDefinedFile);
    else
        writeFile(Defs::kUserDefinedFile, input.mid(split + 10));

    for (const QString& line : DataFiles::splitLines(input)) {
        CurrencyLoader::ClassifyReplyLine(line);
        CurrencyLoader::ParseUserDefinedLine(line);
    }
    CurrencyTable table;
    LoadCurrencyData(table);
    for (int i = 0; i < table.Count(); ++i)
        if (table.At(i)->GetCountryName().isNull() && table.At(i)->GetResourceIndex() < 0)
            std::abort();
    place->quiet.clear();
    return 0;
}

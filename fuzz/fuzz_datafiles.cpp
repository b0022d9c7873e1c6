// Fuzz target: "currency.dat" and "UserDefined.dat" as the loader reads them. The input is
// the data file; after a line "--user--" the rest is the user-defined file. A small
// library is in place, so every path of the loader can be reached.
//
// The loader reads its files from the working folder, so each input is tried inside a
// temporary folder, and the working folder is put back after it: the corpus folders, input
// files and artifact paths given on the command line keep meaning what they meant.
#include "support/DataFolder.h"
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
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Workplace {
    QTemporaryDir dir;
    ScriptedMessenger quiet;
    Workplace()
    {
        if (!dir.isValid())
            std::abort();
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
        QDir(dir.path()).mkpath("dll");
        ResourceLibraryWriter w;
        w.AddString(Defs::kResCount, "3");
        const char* iso[] = {"USD", "GBP", "EUR"};
        for (int i = 0; i < 3; ++i) {
            w.AddString(Defs::kResRegion + i, "Europe");
            w.AddString(Defs::kResIso + i, iso[i]);
            w.AddString(Defs::kResCountry + i, QString("Country %1").arg(i));
            w.AddString(Defs::kResDenomination + i, "Units");
        }
        w.Save(dir.filePath(Defs::kResourceLibrary));
        setMessenger(&quiet);
    }
};

// A scratch file of the workplace: no need for a safe replacement (it would sync the disk at
// every input), but an input that did not arrive in full would be fuzzing nothing.
void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush())
        std::abort();
}

// Moves into the workplace for one input and back out after it.
class InsideWorkplace {
public:
    explicit InsideWorkplace(const QString& dir) : back_(QDir::currentPath())
    {
        if (!QDir::setCurrent(dir))
            std::abort();
        DataFolder::set(dir);
    }
    ~InsideWorkplace()
    {
        QDir::setCurrent(back_);
        DataFolder::set(back_);
    }
    InsideWorkplace(const InsideWorkplace&) = delete;
    InsideWorkplace& operator=(const InsideWorkplace&) = delete;

private:
    QString back_;
};

// An artifact is written while an input runs, that is inside the workplace; so its path
// is made absolute, and without one given it goes to the folder the fuzzer started in.
std::string absoluteArtifactArg(const std::string& arg, const char* flag)
{
    const std::string value = arg.substr(std::strlen(flag));
    if (value.empty() || value[0] == '/')
        return arg;
    return flag + QDir::current().absoluteFilePath(QString::fromStdString(value)).toStdString() +
           (value.back() == '/' ? "/" : "");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static std::vector<std::string> args;
    static std::vector<char*> pointers;
    bool prefixGiven = false;
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        for (const char* flag : {"-artifact_prefix=", "-exact_artifact_path="}) {
            if (arg.rfind(flag, 0) == 0) {
                arg = absoluteArtifactArg(arg, flag);
                prefixGiven = prefixGiven || std::strcmp(flag, "-artifact_prefix=") == 0;
            }
        }
        args.push_back(arg);
    }
    if (!prefixGiven)
        args.insert(args.begin() + 1, "-artifact_prefix=" + QDir::currentPath().toStdString() + "/");
    for (std::string& a : args)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);
    *argc = int(args.size());
    *argv = pointers.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Workplace* place = new Workplace();
    const InsideWorkplace inside(place->dir.path());
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

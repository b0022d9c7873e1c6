// makeres: builds the resource library "dll/ZYM_VEMOX.dll" from the master currency list
// and the flag pictures.
//
//   makeres <currencies.csv> <flags folder>[:<flags folder>...] <output library>
//   makeres --picture <picture.svg> <output.bmp>
//
// The list is UTF-8 text: a header line "region,iso,country,denomination,flag", then one
// row per currency position, in the library's order. A field may be quoted ("..."), with ""
// for a quote inside it. Every text must be expressible in Latin-1, the library's encoding.
// The flag is the name of an SVG file, without ".svg", looked up in the flags folders in
// the order given: the project's own drawings come first and replace packaged ones.
//
// The second form renders one SVG to a 35 x 20, 24-bit BMP (the program's default picture).
#include "Defs.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/ResourceLibrary.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

constexpr int kPictureWidth = 35;
constexpr int kPictureHeight = 20;
// Flags are drawn larger, then reduced, so thin stripes and emblems blend into the few
// pixels they cover instead of vanishing between pixel centres.
constexpr int kOversample = 4;

const QStringList kRegions = {
    QStringLiteral("Central Africa"), QStringLiteral("East Africa"),   QStringLiteral("North Africa"),
    QStringLiteral("South Africa"),   QStringLiteral("West Africa"),   QStringLiteral("Central America"),
    QStringLiteral("North America"),  QStringLiteral("South America"), QStringLiteral("Asia"),
    QStringLiteral("Caribbean"),      QStringLiteral("Europe"),        QStringLiteral("Middle East"),
    QStringLiteral("Oceania"),        QStringLiteral("Antarctica"),
};

constexpr int kMaxRows = Defs::kResIso - Defs::kResRegion;
static_assert(Defs::kResCountry - Defs::kResIso == kMaxRows && Defs::kResDenomination - Defs::kResCountry == kMaxRows &&
              Defs::kResFlag - Defs::kResDenomination >= kMaxRows && Defs::kResRegion - Defs::kResCount >= 1);

const QString kHeader = QStringLiteral("region,iso,country,denomination,flag");

struct Row {
    QString region, iso, country, denomination, flag;
};

struct Failure {
    QString message;
};

// Splits one line into fields; a quoted field may hold commas and doubled quotes.
std::optional<QStringList> splitFields(const QString& line)
{
    QStringList fields;
    QString cur;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line[i + 1] == u'"') {
                    cur += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cur += c;
            }
        } else if (c == u',') {
            fields << cur;
            cur.clear();
            wasQuoted = false;
        } else if (c == u'"') {
            if (!cur.isEmpty() || wasQuoted)
                return std::nullopt; // a quote in the middle of a bare field
            quoted = wasQuoted = true;
        } else {
            if (wasQuoted)
                return std::nullopt; // text after a closing quote
            cur += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << cur;
    return fields;
}

bool isLatin1(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF || c.unicode() < 0x20)
            return false;
    return true;
}

QString describe(int lineNo, const QString& line, const QString& why)
{
    return QStringLiteral("line %1: \"%2\": %3").arg(lineNo).arg(line, why);
}

// The first folder that holds the flag's file; empty when none does.
QString findFlag(const QStringList& flagDirs, const QString& flag)
{
    for (const QString& dir : flagDirs) {
        const QString file = dir + u'/' + flag + QStringLiteral(".svg");
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

std::vector<Row> readList(const QString& path, const QStringList& flagDirs)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Failure{QStringLiteral("%1: cannot open").arg(path)};
    QByteArray all = f.readAll();
    const QString text = QString::fromUtf8(all);
    if (text.toUtf8() != all)
        throw Failure{QStringLiteral("%1: not UTF-8 text").arg(path)};
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the final line end
    std::vector<Row> rows;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int lineNo = n + 1;
        auto fail = [&](const QString& why) { return Failure{path + QStringLiteral(" ") + describe(lineNo, line, why)}; };
        if (n == 0) {
            if (line != kHeader)
                throw fail(QStringLiteral("the header must be \"%1\"").arg(kHeader));
            continue;
        }
        const auto fields = splitFields(line);
        if (!fields)
            throw fail(QStringLiteral("unbalanced or misplaced quotes"));
        if (fields->size() != 5)
            throw fail(QStringLiteral("%1 columns instead of 5").arg(fields->size()));
        static const char* const names[] = {"region", "iso", "country", "denomination", "flag"};
        for (int c = 0; c < 5; ++c) {
            const QString& v = fields->at(c);
            if (v.trimmed().isEmpty())
                throw fail(QStringLiteral("the %1 is empty").arg(QLatin1String(names[c])));
            if (v != v.trimmed())
                throw fail(QStringLiteral("the %1 has blanks around it").arg(QLatin1String(names[c])));
            if (!isLatin1(v))
                throw fail(QStringLiteral("the %1 is not Latin-1 text").arg(QLatin1String(names[c])));
            if (v.size() > ResourceLibrary::kMaxStringLength)
                throw fail(QStringLiteral("the %1 is longer than %2 characters")
                               .arg(QLatin1String(names[c]))
                               .arg(ResourceLibrary::kMaxStringLength));
        }
        Row r{fields->at(0), fields->at(1), fields->at(2), fields->at(3), fields->at(4)};
        if (!kRegions.contains(r.region))
            throw fail(QStringLiteral("unknown region \"%1\"").arg(r.region));
        if (r.flag.contains(u'/') || r.flag.startsWith(u'.'))
            throw fail(QStringLiteral("the flag must be a plain file name"));
        if (findFlag(flagDirs, r.flag).isEmpty())
            throw fail(QStringLiteral("no flag file %1.svg in %2").arg(r.flag, flagDirs.join(u':')));
        rows.push_back(r);
    }
    if (rows.empty())
        throw Failure{QStringLiteral("%1: no currency rows").arg(path)};
    // Each text has its own range of ids, one range every 1000: a longer list would run into
    // the next range (the 1001st region would land on the first ISO code).
    if (rows.size() > std::size_t(kMaxRows))
        throw Failure{QStringLiteral("%1: %2 currency rows; at most %3 fit the identifier ranges")
                          .arg(path)
                          .arg(rows.size())
                          .arg(kMaxRows)};
    return rows;
}

// Renders an SVG, stretched to fill the whole picture, into 24-bit RGB.
QImage renderSvg(const QString& svgPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        throw Failure{QStringLiteral("%1: not a readable SVG picture").arg(svgPath)};
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage big(kPictureWidth * kOversample, kPictureHeight * kOversample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white); // transparent parts show as white, as on a sheet of paper
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&p, QRectF(0, 0, big.width(), big.height()));
    }
    return big.scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

ResourcePicture toPicture(const QImage& img)
{
    ResourcePicture pic;
    pic.width = img.width();
    pic.height = img.height();
    pic.rgb.reserve(qsizetype(img.width()) * img.height() * 3);
    // QImage pads each row to 4 bytes; the library holds them packed.
    for (int y = 0; y < img.height(); ++y)
        pic.rgb.append(reinterpret_cast<const char*>(img.constScanLine(y)), qsizetype(img.width()) * 3);
    return pic;
}

int buildLibrary(const QString& csv, const QString& flagsArg, const QString& out)
{
    const QStringList flagDirs = flagsArg.split(u':', Qt::SkipEmptyParts);
    const std::vector<Row> rows = readList(csv, flagDirs);
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QString::number(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& r = rows[i];
        w.AddString(Defs::kResRegion + i, r.region);
        w.AddString(Defs::kResIso + i, r.iso);
        w.AddString(Defs::kResCountry + i, r.country);
        w.AddString(Defs::kResDenomination + i, r.denomination);
        try {
            w.AddPicture(ResourceLibrary::FlagId(i), toPicture(renderSvg(findFlag(flagDirs, r.flag))));
        } catch (const Failure& f) {
            throw Failure{csv + QStringLiteral(" ") + describe(i + 2, r.flag, f.message)};
        }
    }
    w.Save(out);
    std::printf("makeres: %d currencies written to %s\n", int(rows.size()), qPrintable(out));
    return 0;
}

int renderPicture(const QString& svg, const QString& out)
{
    QBuffer bmp;
    bmp.open(QIODevice::WriteOnly);
    if (!renderSvg(svg).save(&bmp, "BMP"))
        throw Failure{QStringLiteral("%1: cannot encode the picture").arg(out)};
    FileWriter::replace(out, bmp.data());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // A build machine has no display; the offscreen platform is all the renderer needs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == QStringLiteral("--picture"))
            return renderPicture(args[2], args[3]);
        if (args.size() == 4 && !args[1].startsWith(QStringLiteral("--")))
            return buildLibrary(args[1], args[2], args[3]);
        std::fprintf(stderr, "usage: makeres <currencies.csv> <flags folder>[:<folder>...] <output library>\n"
                             "       makeres --picture <picture.svg> <output.bmp>\n");
        return 2;
    } catch (const Failure& f) {
        std::fprintf(stderr, "makeres: %s\n", qPrintable(f.message));
    } catch (const VemoxError& e) {
        std::fprintf(stderr, "makeres: %s\n", e.what());
    }
    return 1;
}

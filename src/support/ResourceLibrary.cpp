#include "support/ResourceLibrary.h"
#include "Defs.h"
#include "support/DataFolder.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/FileWriter.h"
#include "support/Translate.h"
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <zlib.h>

namespace ResourceFormat {

namespace {
constexpr char kMagic[8] = {'V', 'M', 'X', 'R', 'E', 'S', '\r', '\n'};
} // namespace

std::uint32_t crc32(const char* data, std::size_t size)
{
    // zlib's CRC-32 is several times faster than a byte table, and the library is checked
    // at every load.
    uLong c = ::crc32(0L, Z_NULL, 0);
    const auto* p = reinterpret_cast<const Bytef*>(data);
    while (size > 0) {
        const auto n = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        c = ::crc32(c, p, n);
        p += n;
        size -= n;
    }
    return static_cast<std::uint32_t>(c);
}

} // namespace ResourceFormat

using namespace ResourceFormat;

namespace {
std::uint32_t u32At(const char* p) { return qFromLittleEndian<std::uint32_t>(p); }
std::uint16_t u16At(const char* p) { return qFromLittleEndian<std::uint16_t>(p); }
void putU32(QByteArray& b, std::uint32_t v)
{
    char buf[4];
    qToLittleEndian(v, buf);
    b.append(buf, 4);
}
void putU16(QByteArray& b, std::uint16_t v)
{
    char buf[2];
    qToLittleEndian(v, buf);
    b.append(buf, 2);
}
} // namespace

bool ResourceLibrary::Load(const QString& path)
{
    Release();
    // A pipe, a device or a file far larger than any library is not ours, and is refused
    // before it is read.
    QByteArray bytes;
    try {
        bytes = FileReader::readAll(path, kMaxFileSize);
    } catch (const VemoxError&) {
        return false;
    }
    return LoadFromBytes(std::move(bytes));
}

void ResourceLibrary::Open(const QString& failure, const QString& path)
{
    if (!Load(path.isEmpty() ? DataFolder::file(Defs::kResourceLibrary) : path))
        throw VemoxError(failure);
}

bool ResourceLibrary::LoadFromBytes(QByteArray bytes)
{
    Release();
    const auto size = static_cast<std::uint64_t>(bytes.size());
    const char* d = bytes.constData();
    if (size < kHeaderSize || !std::equal(kMagic, kMagic + 8, d))
        return false;
    if (u32At(d + 8) != kVersion || u32At(d + 16) != size)
        return false;
    const std::uint64_t count = u32At(d + 12);
    if (count > (size - kHeaderSize) / kEntrySize)
        return false;
    if (crc32(d + kHeaderSize, size - kHeaderSize) != u32At(d + 20))
        return false;

    // The payloads tile the rest of the file. This also covers the entry count, which lies
    // outside the checksum: a count one short would otherwise drop the last entry unseen.
    std::uint64_t nextPayload = kHeaderSize + count * kEntrySize;
    std::vector<Entry> index;
    index.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const char* e = d + kHeaderSize + i * kEntrySize;
        Entry en{u16At(e), u32At(e + 4), u32At(e + 8), u32At(e + 12)};
        if ((en.kind != kString && en.kind != kPicture) || u16At(e + 2) != 0)
            return false;
        if (en.offset != nextPayload || std::uint64_t(en.offset) + en.length > size)
            return false;
        nextPayload += en.length;
        if (!index.empty()) {
            const Entry& p = index.back();
            if (std::make_pair(p.kind, p.id) >= std::make_pair(en.kind, en.id))
                return false; // unsorted or doubled: the lookups could not trust it
        }
        if (en.kind == kPicture) {
            if (en.length < 4)
                return false;
            const std::uint64_t w = u16At(d + en.offset), h = u16At(d + en.offset + 2);
            if (w * h * 3 != en.length - 4)
                return false;
        }
        index.push_back(en);
    }
    if (nextPayload != size)
        return false;
    bytes_ = std::move(bytes);
    index_ = std::move(index);
    loaded_ = true;
    return true;
}

void ResourceLibrary::Release()
{
    bytes_.clear();
    index_.clear();
    loaded_ = false;
}

const ResourceLibrary::Entry* ResourceLibrary::find(std::uint16_t kind, std::uint32_t id) const
{
    auto it = std::lower_bound(index_.begin(), index_.end(), std::make_pair(kind, id),
                               [](const Entry& e, const std::pair<std::uint16_t, std::uint32_t>& k) {
                                   return std::make_pair(e.kind, e.id) < k;
                               });
    if (it == index_.end() || it->kind != kind || it->id != id)
        return nullptr;
    return &*it;
}

const ResourceLibrary::Entry* ResourceLibrary::lookup(std::uint16_t kind, int id) const
{
    if (!loaded_)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The resource library is not loaded")));
    return id < 0 ? nullptr : find(kind, static_cast<std::uint32_t>(id));
}

QString ResourceLibrary::ReadString(int id) const
{
    const Entry* e = lookup(kString, id);
    if (!e)
        return {};
    const auto n = std::min<std::uint32_t>(e->length, kMaxStringLength);
    return QString::fromLatin1(bytes_.constData() + e->offset, n);
}

ResourcePicture ResourceLibrary::ReadPicture(int id) const
{
    const Entry* e = lookup(kPicture, id);
    if (!e)
        return {};
    const char* p = bytes_.constData() + e->offset;
    ResourcePicture pic;
    pic.width = u16At(p);
    pic.height = u16At(p + 2);
    pic.rgb = QByteArray(p + 4, e->length - 4);
    if (pic.isNull())
        return {};
    return pic;
}

void ResourceLibraryWriter::add(std::uint16_t kind, int id, QByteArray payload)
{
    if (id < 0)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Resource id %1 is out of range")).arg(id));
    // A second item under one id would silently hide the first, as when one range of ids
    // runs into the next.
    if (!items_.try_emplace({kind, static_cast<std::uint32_t>(id)}, std::move(payload)).second)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Resource id %1 is given twice")).arg(id));
}

void ResourceLibraryWriter::AddString(int id, const QString& text)
{
    add(kString, id, text.toLatin1());
}

void ResourceLibraryWriter::AddPicture(int id, const ResourcePicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0 || picture.width > 0xFFFF || picture.height > 0xFFFF ||
        picture.rgb.size() != qsizetype(picture.width) * picture.height * 3)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Picture %1 has a wrong size")).arg(id));
    QByteArray payload;
    putU16(payload, static_cast<std::uint16_t>(picture.width));
    putU16(payload, static_cast<std::uint16_t>(picture.height));
    payload.append(picture.rgb);
    add(kPicture, id, std::move(payload));
}

QByteArray ResourceLibraryWriter::Build() const
{
    QByteArray out(kMagic, 8);
    putU32(out, ResourceLibrary::kVersion);
    putU32(out, static_cast<std::uint32_t>(items_.size()));
    putU32(out, 0); // size, filled in below
    putU32(out, 0); // checksum, filled in below
    std::uint64_t offset = kHeaderSize + items_.size() * kEntrySize;
    for (const auto& [key, payload] : items_) {
        putU16(out, key.first);
        putU16(out, 0);
        putU32(out, key.second);
        putU32(out, static_cast<std::uint32_t>(offset));
        putU32(out, static_cast<std::uint32_t>(payload.size()));
        offset += payload.size();
    }
    if (offset > 0xFFFFFFFFu)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The resource library is too large")));
    for (const auto& item : items_)
        out.append(item.second);
    qToLittleEndian(static_cast<std::uint32_t>(out.size()), out.data() + 16);
    qToLittleEndian(crc32(out.constData() + kHeaderSize, out.size() - kHeaderSize), out.data() + 20);
    return out;
}

void ResourceLibraryWriter::Save(const QString& path) const
{
    const QByteArray bytes = Build();
    FileWriter::replace(path, bytes);
}

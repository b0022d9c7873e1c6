#pragma once
// The resource library "dll/ZYM_VEMOX.dll": the master list of currencies and their flag
// pictures, read by numeric identifier. Each user loads it at the start of an operation and
// releases it when done.
//
// File format (all integers little-endian, version 1):
//
//   offset  size  field
//   0       8     magic "VMXRES\r\n"  (the CR LF catches a text-mode copy)
//   8       4     version, 1
//   12      4     entry count N
//   16      4     total file size in bytes
//   20      4     CRC-32 (IEEE, as zlib) of every byte from offset 24 to the end
//   24      16*N  index, sorted by (kind, id), no two entries alike:
//                   u16 kind (1 string, 2 picture), u16 reserved 0,
//                   u32 id, u32 payload offset, u32 payload length
//   ...           payloads, in index order, each starting where the one before ends, the
//                 first right after the index and the last ending at the end of the file:
//                   string:  the text as Latin-1 bytes, no terminator
//                   picture: u16 width, u16 height, then width*height*3 bytes of RGB,
//                            rows top to bottom, no padding
//
// Anything that does not match this exactly (short, foreign, wrong size, wrong checksum,
// unsorted index, a payload out of place, a picture whose pixels do not fill its length)
// makes Load fail, as if the library were missing. Nothing is read before the
// whole file has been checked, so a read never leaves the file's bounds.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// A picture as the library holds it: 24-bit RGB, rows top to bottom.
struct ResourcePicture {
    int width = 0;
    int height = 0;
    QByteArray rgb; // width * height * 3 bytes
    bool isNull() const { return width == 0 || height == 0; }
};

class ResourceLibrary {
public:
    // A string arrives through a 40-character buffer: at most 39 characters.
    static constexpr int kMaxStringLength = 39;
    static constexpr std::uint32_t kVersion = 1;
    // A larger file is refused unread. A currency takes about 2 KB with its flag, so this
    // leaves room for tens of thousands of them; a reply has its own, smaller cap.
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

    // Identifier of the flag picture of a currency position; the sum wraps at 65536.
    static int FlagId(int resourceIndex) { return (7001 + resourceIndex) & 0xFFFF; }

    // False when the file is missing, unreadable, not a regular file, larger than
    // kMaxFileSize or not a valid library.
    bool Load(const QString& path);
    // Checks and adopts an image of a library file; false when it is not valid.
    bool LoadFromBytes(QByteArray bytes);
    // Loads the library at `path`, or the data folder's when it is empty; raises VemoxError
    // with `failure`, the text of the operation that needed it, when it cannot.
    void Open(const QString& failure, const QString& path = QString());
    bool IsLoaded() const { return loaded_; }
    void Release();

    // The text of string id, at most 39 characters; empty for a missing id. Reading from a
    // library that is not loaded raises VemoxError.
    QString ReadString(int id) const;
    // The picture id; a null picture when the id is missing. Raises VemoxError when not loaded.
    ResourcePicture ReadPicture(int id) const;

private:
    struct Entry {
        std::uint16_t kind;
        std::uint32_t id;
        std::uint32_t offset;
        std::uint32_t length;
    };
    const Entry* find(std::uint16_t kind, std::uint32_t id) const;
    // The entry of an id, nullptr when there is none; raises VemoxError when not loaded.
    const Entry* lookup(std::uint16_t kind, int id) const;

    QByteArray bytes_;
    std::vector<Entry> index_;
    bool loaded_ = false;
};

// Builds a library image in the format above. Used by the build tool and by tests.
class ResourceLibraryWriter {
public:
    // A second string, or a second picture, with the same id raises VemoxError.
    void AddString(int id, const QString& text);
    // rgb must hold width*height*3 bytes; raises VemoxError otherwise.
    void AddPicture(int id, const ResourcePicture& picture);
    QByteArray Build() const;
    // Replaces the file (FileWriter::replace); raises VemoxError naming the file and the reason.
    void Save(const QString& path) const;

private:
    void add(std::uint16_t kind, int id, QByteArray payload);
    // Keyed by (kind, id): the order of the index.
    std::map<std::pair<std::uint16_t, std::uint32_t>, QByteArray> items_;
};

namespace ResourceFormat {
inline constexpr std::uint16_t kString = 1;
inline constexpr std::uint16_t kPicture = 2;
inline constexpr int kHeaderSize = 24;
inline constexpr int kEntrySize = 16;
std::uint32_t crc32(const char* data, std::size_t size);
} // namespace ResourceFormat

// libFuzzer target: the resource library reader must turn any bytes into either a clean
// refusal or a library whose every read stays within what it holds.
//
// Almost every mutant would be refused at the size field or the checksum before the index is
// looked at, so the harness writes both to match each input: the fuzzer reaches the parser.
// The seeds include the shipped library (setup/sanitize.sh passes its folder).
#include "support/ResourceLibrary.h"

#include <QByteArray>
#include <QtEndian>
#include <cstddef>
#include <cstdint>

namespace {
void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

// The header's size (offset 16) and checksum (offset 20) made to match the bytes.
QByteArray withHeaderFixed(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.size() >= 24) {
        qToLittleEndian(static_cast<std::uint32_t>(bytes.size()), bytes.data() + 16);
        const std::uint32_t crc = ResourceFormat::crc32(bytes.constData() + 24, std::size_t(bytes.size() - 24));
        qToLittleEndian(crc, bytes.data() + 20);
    }
    return bytes;
}

void readId(const ResourceLibrary& lib, int id)
{
    check(lib.ReadString(id).size() <= ResourceLibrary::kMaxStringLength);
    const ResourcePicture p = lib.ReadPicture(id);
    check(p.isNull() ? p.rgb.isEmpty() : p.rgb.size() == qsizetype(p.width) * p.height * 3);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResourceLibrary lib;
    // A copy of exactly the input's length, so a read past its end is caught.
    const bool loaded = lib.LoadFromBytes(withHeaderFixed(data, size));
    check(loaded == lib.IsLoaded());
    if (!loaded)
        return 0;
    // The ids the program reads: the count, the four string ranges and the flags, with the
    // ends of the id space where the flag ids wrap.
    readId(lib, 108);
    for (int i = 0; i < 64; ++i)
        for (int base : {2001, 3001, 4001, 5001})
            readId(lib, base + i);
    for (int i = 0; i < 64; ++i)
        readId(lib, ResourceLibrary::FlagId(i));
    for (int id : {-1, 0, 1, 65535, 65536, 0x7FFFFFFF})
        readId(lib, id);
    lib.Release();
    check(!lib.IsLoaded());
    return 0;
}

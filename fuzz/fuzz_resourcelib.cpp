// libFuzzer target: the resource library reader must turn any bytes into either a clean
// refusal or a library whose every read stays within what it holds.
#include "support/ResourceLibrary.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {
void check(bool ok)
{
    if (!ok)
        __builtin_trap();
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
    // A copy of exactly the input, so a read past its end is caught.
    const bool loaded = lib.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
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

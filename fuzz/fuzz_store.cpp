// libFuzzer target: the store's REGEDIT4 text reader. Operators and support staff edit the
// file by hand, so any bytes must give either a clean refusal with a reason or a store that
// writes out canonically: read back, the written text gives the same store and the same text.
#include "support/RegStore.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace {
void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString why;
    const auto store =
        regstore::Store::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &why);
    if (!store) {
        check(!why.isEmpty());
        return 0;
    }
    const QByteArray text = store->serialize();
    QString again;
    const auto back = regstore::Store::parse(text, &again);
    check(back.has_value());
    check(back->serialize() == text);
    return 0;
}

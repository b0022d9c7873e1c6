#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_resourcelib: a few small valid libraries and some broken
ones, in fuzz/corpus/resourcelib/. The libraries are written here independently of the
program's own writer, from the format described in src/support/ResourceLibrary.h."""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "resourcelib")
STRING, PICTURE = 1, 2


def library(items):
    """items: {(kind, id): payload bytes}; returns the file's bytes."""
    keys = sorted(items)
    start = 24 + 16 * len(keys)
    index, payloads, offset = b"", b"", start
    for kind, ident in keys:
        p = items[(kind, ident)]
        index += struct.pack("<HHIII", kind, 0, ident, offset, len(p))
        payloads += p
        offset += len(p)
    body = index + payloads
    return b"VMXRES\r\n" + struct.pack("<IIII", 1, len(keys), 24 + len(body), zlib.crc32(body)) + body


def picture(w, h, seed=0):
    return struct.pack("<HH", w, h) + bytes((x * 7 + y * 13 + seed) & 0xFF for y in range(h) for x in range(w) for _ in range(3))


def currencies(rows, pic=(4, 2)):
    items = {(STRING, 108): str(len(rows)).encode()}
    for i, (region, iso, country, denom) in enumerate(rows):
        for base, text in ((2001, region), (3001, iso), (4001, country), (5001, denom)):
            items[(STRING, base + i)] = text.encode("latin-1")
        items[(PICTURE, (7001 + i) % 65536)] = picture(*pic, seed=i)
    return items


def main():
    os.makedirs(OUT, exist_ok=True)
    seeds = {}
    seeds["empty_library"] = library({})
    seeds["one_string"] = library({(STRING, 108): b"0"})
    two = currencies([("Europe", "GBP", "Unt. Kingdom", "Pounds"), ("Caribbean", "XCG", "Cura\xe7ao", "Guilders")])
    seeds["two_currencies"] = library(two)
    seeds["full_size_flag"] = library(currencies([("North America", "USD", "Unt. States", "Dollars")], pic=(35, 20)))
    seeds["long_string"] = library({(STRING, 4001): b"A country whose name runs well past forty characters"})
    seeds["wrapped_flag_ids"] = library({(PICTURE, 65535): picture(1, 1), (PICTURE, 0): picture(2, 1), (PICTURE, 5): picture(1, 2)})
    seeds["empty_picture"] = library({(PICTURE, 7001): struct.pack("<HH", 0, 0)})

    good = seeds["two_currencies"]
    seeds["broken_truncated"] = good[: len(good) // 2]
    seeds["broken_header_only"] = good[:24]
    flipped = bytearray(good)
    flipped[len(good) - 5] ^= 0x40
    seeds["broken_checksum"] = bytes(flipped)
    short_count = bytearray(good)
    struct.pack_into("<I", short_count, 12, struct.unpack_from("<I", good, 12)[0] - 1)
    seeds["broken_count"] = bytes(short_count)
    seeds["broken_text_copy"] = good.replace(b"\r\n", b"\n")
    seeds["foreign_text"] = b"<KRTDATE>1 December 2026</KRTDATE>\r\n<KRTISO>EUR</KRTISO><KRTDATA>0.862</KRTDATA>\r\n"
    seeds["foreign_empty"] = b""

    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
    print(f"{len(seeds)} seeds in {OUT}")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Packs the catalogues' compact forms into the one resource of the program, deflated.

    pack_catalogues.py OUTPUT CODE=CATALOGUE.txt...

The output starts with an index, for each catalogue its language's code (ASCII), a zero byte and
the size of its packed form (two bytes, little-endian), and ends the index with a zero byte; the
packed catalogues follow, in the index's order. The program finds its display language's one by
the code and unpacks only that one (src/texts/inflate.cpp). Each is deflated on its own (RFC 1951,
without a zlib header), in the fewest bytes of zlib's memory levels and strategies.
"""
import sys
import zlib


def pack(data):
    candidates = []
    for memory in range(1, 10):
        for strategy in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED):
            packer = zlib.compressobj(9, zlib.DEFLATED, -15, memory, strategy)
            candidates.append(packer.compress(data) + packer.flush())
    return min(candidates, key=len)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    index, packed = bytearray(), bytearray()
    for argument in sys.argv[2:]:
        code, _, path = argument.partition("=")
        with open(path, "rb") as source:
            data = source.read()
        catalogue = pack(data)
        if zlib.decompress(catalogue, -15) != data:
            sys.exit(f"{path}: the packed catalogue does not unpack to itself")
        index += code.encode("ascii") + b"\0" + len(catalogue).to_bytes(2, "little")
        packed += catalogue
    with open(sys.argv[1], "wb") as out:
        out.write(index + b"\0" + packed)


if __name__ == "__main__":
    main()

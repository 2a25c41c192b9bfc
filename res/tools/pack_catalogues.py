#!/usr/bin/env python3
"""Packs the catalogues' compact forms into the one resource of the program, LZNT1-compressed.

    pack_catalogues.py OUTPUT CODE=CATALOGUE.txt...

The output starts with an index, for each catalogue its language's code (ASCII), a zero byte and
the size of its packed form (two bytes, little-endian), and ends the index with a zero byte; the
packed catalogues follow, in the index's order. The program finds its display language's one by
the code and unpacks only that one (src/texts/lznt1.cpp).

LZNT1 is the format of NTFS's compression (and of ntdll's RtlDecompressBuffer): the input in
chunks of 4096 bytes, each with a two-byte header (bit 15 set when compressed, 3 in bits 12-14,
the chunk's size after the header less one in bits 0-11) and either the chunk's bytes or groups
of a flag byte and eight items, a byte (flag bit clear) or a copy of earlier bytes of the chunk
(flag bit set): a 16-bit word whose high bits hold the distance less one and whose low bits the
length less three, the distance taking as many bits as the chunk's position needs (4 to 12). The
copies are chosen for the shortest output.
"""
import sys

CHUNK = 4096


def split(position):
    """(length bits, longest distance) of a copy at `position` bytes into its chunk."""
    distance_bits = max(4, (position - 1).bit_length())
    return 16 - distance_bits, 1 << distance_bits


def pack_chunk(data):
    """The body of one compressed chunk: the shortest sequence of bytes and copies."""
    n = len(data)
    # cost[i]: bits to encode data[i:] (9 a byte, 17 a copy: its flag bit and the item);
    # step[i]: the length of the copy taken at i, or 0 for the byte.
    cost, step = [0] * (n + 1), [0] * (n + 1)
    starts = {}
    candidates = [[] for _ in range(n)]
    for i in range(n - 2):
        key = data[i:i + 3]
        candidates[i] = starts.get(key, [])[:]
        starts.setdefault(key, []).append(i)
    for i in range(n - 1, -1, -1):
        cost[i], step[i] = 9 + cost[i + 1], 0
        if i == 0:
            continue
        length_bits, farthest = split(i)
        longest = min((1 << length_bits) + 2, n - i)
        best = {}
        for j in candidates[i]:
            if i - j > farthest:
                continue
            length = 0
            while length < longest and data[j + length] == data[i + length]:
                length += 1
            best[length] = max(best.get(length, 0), j)
        top = max(best, default=0)
        for length in range(3, top + 1):
            if 17 + cost[i + length] < cost[i]:
                cost[i], step[i] = 17 + cost[i + length], length
        if step[i]:
            length = step[i]
            step[i] = (length, i - max(j for l, j in best.items() if l >= length))
    out, i = bytearray(), 0
    while i < n:
        flag_at, flags = len(out), 0
        out.append(0)
        for item in range(8):
            if i >= n:
                break
            if step[i]:
                length, distance = step[i]
                length_bits, _ = split(i)
                out += (((distance - 1) << length_bits) | (length - 3)).to_bytes(2, "little")
                flags |= 1 << item
                i += length
            else:
                out.append(data[i])
                i += 1
        out[flag_at] = flags
    return bytes(out)


def pack(data):
    out = bytearray()
    for start in range(0, len(data), CHUNK):
        chunk = data[start:start + CHUNK]
        body = pack_chunk(chunk)
        compressed = len(body) < len(chunk)
        if not compressed:
            body = chunk
        out += ((0x8000 if compressed else 0) | 0x3000 | (len(body) - 1)).to_bytes(2, "little")
        out += body
    return bytes(out)


def unpack(packed):
    """The bytes `packed` holds (the build's own check of what it wrote)."""
    out, at = bytearray(), 0
    while at + 2 <= len(packed):
        header = int.from_bytes(packed[at:at + 2], "little")
        if header == 0:
            break
        body, start = packed[at + 2:at + 3 + (header & 0xFFF)], len(out)
        at += 3 + (header & 0xFFF)
        if not header & 0x8000:
            out += body
            continue
        i = 0
        while i < len(body):
            flags, i = body[i], i + 1
            for item in range(8):
                if i >= len(body):
                    break
                if flags >> item & 1:
                    length_bits, _ = split(len(out) - start)
                    word, i = int.from_bytes(body[i:i + 2], "little"), i + 2
                    distance = (word >> length_bits) + 1
                    for _ in range((word & ((1 << length_bits) - 1)) + 3):
                        out.append(out[-distance])
                else:
                    out.append(body[i])
                    i += 1
    return bytes(out)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    index, packed = bytearray(), bytearray()
    for argument in sys.argv[2:]:
        code, _, path = argument.partition("=")
        with open(path, "rb") as source:
            data = source.read()
        catalogue = pack(data)
        if unpack(catalogue) != data:
            sys.exit(f"{path}: the packed catalogue does not unpack to itself")
        index += code.encode("ascii") + b"\0" + len(catalogue).to_bytes(2, "little")
        packed += catalogue
    with open(sys.argv[1], "wb") as out:
        out.write(index + b"\0" + packed)


if __name__ == "__main__":
    main()

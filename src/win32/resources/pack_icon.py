#!/usr/bin/python3
# Writes a Windows icon from the program's PNG icons: each PNG kept whole as one image of the
# icon, which Windows has read since Vista.
# Usage: pack_icon.py out.ico icon-16.png icon-32.png ...
import struct
import sys


def size_of(png):
    # The IHDR chunk follows the 8-byte signature: length, type, then width and height.
    width, height = struct.unpack(">II", png[16:24])
    return width, height


def main(target, *sources):
    images = [open(path, "rb").read() for path in sources]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for png in images:
        width, height = size_of(png)
        # 0 stands for 256 in the one-byte sizes.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    with open(target, "wb") as out:
        out.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main(*sys.argv[1:])

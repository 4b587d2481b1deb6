#!/usr/bin/python3
# Writes the program's own face: the installed Liberation Sans cut down to the characters the
# program can show, so that every device measures and draws its texts alike. As WOFF for the page,
# as TrueType (out.ttf) for the Windows executable, whose font loader takes no WOFF.
# Usage: subset_font.py LiberationSans-Regular.ttf out.woff|out.ttf
#
# Liberation is a Reserved Font Name under the SIL Open Font License: a cut-down copy is a
# modified version and goes by a name of its own, with the copyright and licence kept in its
# name table.
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Sorvel Sans"
# Every text of the program is plain ASCII; Latin-1 covers what a pupil may type into a text box
# in the languages of Western Europe, and the close button's multiplication sign; the ellipsis of
# "Save picture…", and the square of the full-screen button.
CHARACTERS = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + [0x2026, 0x25A1]
# The name records kept: copyright, names, version, licence and its address.
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 13, 14]


def main(source, target):
    font = TTFont(source)
    options = subset.Options()
    if target.endswith(".woff"):
        options.flavor = "woff"  # zlib: no other compressor needed at build time
        options.hinting = False  # the browsers lay text out by advance widths; hints only add bytes
    # GDI draws the aliased text of pictures from the hints, which keep thin stems whole.
    options.name_IDs = KEPT_NAMES
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    for record in list(names.names):
        if record.nameID == 1:
            names.setName(FAMILY, 1, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 3:
            names.setName(f"{FAMILY} {style} (subset of Liberation Sans)", 3, record.platformID,
                          record.platEncID, record.langID)
        elif record.nameID == 4:
            names.setName(f"{FAMILY} {style}", 4, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            names.setName(f"{FAMILY.replace(' ', '')}-{style}", 6, record.platformID, record.platEncID,
                          record.langID)
    subset.save_font(font, target, options)


if __name__ == "__main__":
    main(*sys.argv[1:])

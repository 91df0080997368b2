#!/usr/bin/python3
"""Writes a stand-in for the SimSun font ("宋体") that Chinese Windows has.

Wine ships no such font and its GDI+ ignores font substitutes, so we rename a
free CJK font (WenQuanYi Micro Hei, font 0 of its collection) to that family.
Usage: make-simsun-font.py <output .ttf>
"""
import sys
from fontTools.ttLib import TTCollection

SOURCE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FAMILY_EN = "SimSun"
FAMILY_ZH = "宋体"
LANG_EN = 0x409
LANG_ZH = 0x804


def main() -> None:
    font = TTCollection(SOURCE).fonts[0]
    names = font["name"]
    # Drop every family/full/postscript record, then write ours.
    names.names = [n for n in names.names if n.nameID not in (1, 3, 4, 6, 16, 17, 18)]
    for lang, family in ((LANG_EN, FAMILY_EN), (LANG_ZH, FAMILY_ZH)):
        names.setName(family, 1, 3, 1, lang)
        names.setName("Regular", 2, 3, 1, lang)
        names.setName(family, 3, 3, 1, lang)
        names.setName(family, 4, 3, 1, lang)
    names.setName(FAMILY_EN, 6, 3, 1, LANG_EN)
    font.save(sys.argv[1])


if __name__ == "__main__":
    main()

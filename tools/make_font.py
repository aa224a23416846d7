#!/usr/bin/python3
"""Makes the Traditional Chinese font the game ships, in res/fonts/.

A subset of Noto Sans CJK TC Regular from Debian's fonts-noto-cjk holding
what the game can show: the characters of the C++ sources' literals under
ui/ and core/ and of the game's title (cmake/GameIdentity.cmake), printable ASCII, common CJK punctuation, the full-width
forms, and what Qt itself shows in Traditional Chinese on a text box's
context menu and on standard buttons (read from Debian's Qt translations).
Beside it go the font's licence and a README naming the source version.
The output is the same bytes on every run for the same sources.

Needs Debian's python3-fonttools, fonts-noto-cjk and qt6-translations-l10n.
Usage: make_font.py [folder]
"""
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

from qm_messages import read_messages
from game_identity import identity
from source_characters import characters_in_sources

REPOSITORY = Path(__file__).resolve().parent.parent
COLLECTION = Path("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc")
FAMILY = "Noto Sans CJK TC"
COPYRIGHT_FILE = Path("/usr/share/doc/fonts-noto-cjk/copyright")
LICENSE_STANZA = "License: SIL-1.1"
QT_TRANSLATIONS = Path("/usr/share/qt6/translations/qtbase_zh_TW.qm")
# Qt's own words on a text box's context menu and on standard dialog buttons.
QT_CONTEXTS = ("QLineEdit", "QWidgetTextControl", "QPlatformTheme", "QDialogButtonBox")

FONT_FILE = "KongmingqiSansTC-Regular.otf"
# The subset gets a family name of its own: a system with the whole Noto
# Sans CJK TC installed would otherwise hold two faces of one name, and
# which one Qt draws with would be left to chance.
SUBSET_FAMILY = "Kongmingqi Sans TC"
SUBSET_POSTSCRIPT_NAME = "KongmingqiSansTC-Regular"
# The dialogs set their texts in boxes of fixed size made for lines 1.19 em
# apart, as common Latin sans faces space them; the CJK face's own 1.45 em
# would push the About box's last lines into each other. 0.94 em above and
# 0.25 em below the baseline hold the ideographs' em box (0.88 and 0.12),
# the full-width circumflex and the Latin descenders.
LINE_ASCENT, LINE_DESCENT = 940, -250  # font units of a 1000-unit em
PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))
CJK_PUNCTUATION = "、。，：；！？「」『』（）～\u3000"
FULL_WIDTH_FORMS = "".join(chr(c) for c in range(0xFF01, 0xFF5F))
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14]  # names, copyright, trademark, licence


def qt_translated_characters(path=QT_TRANSLATIONS, contexts=QT_CONTEXTS):
    """The characters of Qt's translations in the given contexts."""
    found, seen = set(), set()
    for context, _, translations in read_messages(path):
        if context in contexts and any(translations):
            seen.add(context)
            found.update("".join(translations))
    missing = set(contexts) - seen
    if missing:
        raise SystemExit(f"{path} has no translations for {', '.join(sorted(missing))}")
    return found


def fixed_characters():
    """What the font holds whatever the sources say."""
    return set(PRINTABLE_ASCII) | set(CJK_PUNCTUATION) | set(FULL_WIDTH_FORMS) | qt_translated_characters()


def characters_to_keep(root=REPOSITORY):
    """The sources' characters, and those of the names the game shows: its
    title and the contact address in the About dialog."""
    names = identity(root / "cmake" / "GameIdentity.cmake")
    return characters_in_sources(root) | set(names["KMQ_TITLE"] + names["KMQ_CONTACT"]) | fixed_characters()


def face_index(collection=COLLECTION, family=FAMILY):
    """Which font of the collection is the family, found by its name."""
    with TTCollection(str(collection), lazy=True) as faces:
        matches = [i for i, face in enumerate(faces) if face["name"].getDebugName(1) == family]
    if len(matches) != 1:
        raise SystemExit(f"{collection}: expected one face named {family!r}, found {len(matches)}")
    return matches[0]


def subset_font(characters):
    """The family's face cut down to the characters, without hinting."""
    font = TTFont(str(COLLECTION), fontNumber=face_index(), recalcTimestamp=False)
    options = subset.Options()
    options.hinting = False
    options.name_IDs = KEPT_NAMES
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(ch) for ch in characters])
    subsetter.subset(font)
    return font


def set_line_spacing(font):
    """The same line spacing for every platform's way of reading it."""
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = LINE_ASCENT, LINE_DESCENT, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = LINE_ASCENT, LINE_DESCENT, 0
    os2.usWinAscent, os2.usWinDescent = LINE_ASCENT, -LINE_DESCENT


def rename_family(font):
    """Names the subset as its own family, keeping the source's name in its version string."""
    name = font["name"]
    source = name.getDebugName(4)
    for record in list(name.names):
        if record.nameID in (1, 4):
            record.string = SUBSET_FAMILY
        elif record.nameID == 3:
            record.string = f"{SUBSET_POSTSCRIPT_NAME};subset of {source}"
        elif record.nameID == 6:
            record.string = SUBSET_POSTSCRIPT_NAME
    # The collection shares one CFF among its faces, named after the first.
    font["CFF "].cff.fontNames = [SUBSET_POSTSCRIPT_NAME]
    return source


def licence_text(copyright_notice):
    """The font's copyright notice and the SIL Open Font License from Debian's copyright file."""
    # The stanza whose continuation lines hold the text; "Files:" stanzas name it with none.
    lines, inside = [], False
    for line in COPYRIGHT_FILE.read_text(encoding="utf-8").splitlines():
        if line == LICENSE_STANZA:
            inside = True
        elif inside and line.startswith(" "):
            lines.append("" if line == " ." else line[1:])
        elif inside:
            if lines:
                break
            inside = False
    if not lines:
        raise SystemExit(f"{COPYRIGHT_FILE} has no {LICENSE_STANZA!r} stanza")
    return copyright_notice + "\n\n" + "\n".join(lines) + "\n"


def readme_text(font, source):
    name = font["name"]
    return (f"{FONT_FILE}\n\n"
            f"A subset of {source}, {name.getDebugName(5).split(';')[0]}, from Debian's\n"
            "fonts-noto-cjk, holding the characters the game shows: those in the string\n"
            "literals of ui/ and core/, printable ASCII, common CJK punctuation, the\n"
            "full-width forms and Qt's own Traditional Chinese words for a text box's\n"
            "context menu and standard buttons. Hinting is left out. Its family is\n"
            f"named {SUBSET_FAMILY}, so it never stands in for the whole font.\n\n"
            "Licensed under the SIL Open Font License 1.1, in OFL.txt.\n\n"
            "Remake it after changing any text the game shows, with Debian's\n"
            "python3-fonttools, fonts-noto-cjk and qt6-translations-l10n installed:\n\n"
            "    tools/make_font.py\n")


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    with subset_font(characters_to_keep()) as font:
        source = rename_family(font)
        set_line_spacing(font)
        font.save(str(out / FONT_FILE))
        (out / "OFL.txt").write_text(licence_text(font["name"].getDebugName(0)), encoding="utf-8")
        (out / "README").write_text(readme_text(font, source), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else REPOSITORY / "res" / "fonts")

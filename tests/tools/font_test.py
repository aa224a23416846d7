#!/usr/bin/python3
"""The shipped font holds every character the game shows, and the tool's readers find those characters:
literals in the sources, Qt's own words."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
REPOSITORY = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools"))

from fontTools.pens.boundsPen import BoundsPen  # noqa: E402
from fontTools.ttLib import TTFont  # noqa: E402

import make_font  # noqa: E402
from qm_messages import QmFormatError, read_messages  # noqa: E402
from source_characters import characters_in_sources  # noqa: E402

FONT = REPOSITORY / "res" / "fonts" / make_font.FONT_FILE


def font_characters():
    with TTFont(str(FONT)) as font:
        return {chr(code) for code in font.getBestCmap()}


def listing(characters):
    return " ".join(f"{ch} (U+{ord(ch):04X})" for ch in sorted(characters))


def scan(files):
    """characters_in_sources over a made-up tree of {relative path: text}."""
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = Path(root) / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        return characters_in_sources(root)


class SourceScan(unittest.TestCase):
    def test_only_literals_count_not_comments(self):
        found = scan({"ui/a.cpp": '// 註解\n/* 區塊\n 註 */ auto t = QStringLiteral("確定"); char c = \'，\';\n'})
        self.assertEqual(found, set("確定，"))

    def test_escapes_raw_strings_and_digit_separators(self):
        source = ('int n = 1\'000\'000; auto a = "跳\\"過\\u9C77"; auto r = R"x(甲)"乙)x";\n'
                  'auto b = u8"丙"; auto q = \'\\\'\'; // 丁\n')
        self.assertEqual(scan({"core/b.cpp": source}), set("跳過鱷甲乙丙"))

    def test_every_source_under_ui_and_core_and_nothing_else(self):
        found = scan({"ui/deep/er/c.h": 'auto s = "棋";', "core/d.cpp": 'auto s = "盤";',
                      "tools/e.cpp": 'auto s = "外";', "ui/notes.txt": '"文"', "tests/f.cpp": 'auto s = "測";'})
        self.assertEqual(found, set("棋盤"))


class QtTranslations(unittest.TestCase):
    def test_reads_the_text_box_menu_and_button_words(self):
        messages = {(context, source): translations for context, source, translations in
                    read_messages(make_font.QT_TRANSLATIONS)}
        self.assertEqual(messages[("QLineEdit", "&Copy")], ["複製(&C)"])
        self.assertEqual(messages[("QPlatformTheme", "Cancel")], ["取消"])
        self.assertGreater(len(messages), 1000)

    def test_a_cut_short_file_is_refused(self):
        data = make_font.QT_TRANSLATIONS.read_bytes()
        with tempfile.NamedTemporaryFile(suffix=".qm") as cut:
            cut.write(data[: len(data) // 2])
            cut.flush()
            with self.assertRaises(QmFormatError):
                read_messages(cut.name)


class ShippedFont(unittest.TestCase):
    def test_covers_every_character_in_the_sources(self):
        missing = characters_in_sources(REPOSITORY) - font_characters()
        self.assertFalse(missing, f"{FONT.name} lacks characters the sources show: {listing(missing)}\n"
                         "Re-run tools/make_font.py and commit res/fonts/.")

    def test_covers_ascii_punctuation_and_qt_words(self):
        # The subsetter drops quietly what the source font lacks; this catches it.
        missing = make_font.fixed_characters() - font_characters()
        self.assertFalse(missing, f"not in {FONT.name}: {listing(missing)}")

    def test_fontconfig_reads_it_under_a_family_name_of_its_own(self):
        names = subprocess.run(["fc-query", "--format", "%{family}|%{postscriptname}", str(FONT)],
                               check=True, capture_output=True, text=True).stdout
        self.assertEqual(names, f"{make_font.SUBSET_FAMILY}|{make_font.SUBSET_POSTSCRIPT_NAME}")

    def test_lines_are_spaced_alike_everywhere_and_clear_the_glyphs(self):
        with TTFont(str(FONT)) as font:
            hhea, os2 = font["hhea"], font["OS/2"]
            spacings = {(hhea.ascent, hhea.descent, hhea.lineGap),
                        (os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap),
                        (os2.usWinAscent, -os2.usWinDescent, 0)}
            self.assertEqual(spacings, {(make_font.LINE_ASCENT, make_font.LINE_DESCENT, 0)})
            cmap, glyphs = font.getBestCmap(), font.getGlyphSet()
            for text in ("孔明棋", "gjy", "＾"):
                for ch in text:
                    pen = BoundsPen(glyphs)
                    glyphs[cmap[ord(ch)]].draw(pen)
                    _, bottom, _, top = pen.bounds
                    self.assertLessEqual(top, make_font.LINE_ASCENT, ch)
                    self.assertGreaterEqual(bottom, make_font.LINE_DESCENT, ch)


if __name__ == "__main__":
    unittest.main()

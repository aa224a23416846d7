#!/usr/bin/python3
"""The committed artwork and font are byte for byte what the tools make from the sources now, so a changed
generator, a changed string in the sources or a hand-edited picture cannot go unnoticed."""
import filecmp
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
REPOSITORY = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools"))

import make_artwork  # noqa: E402
import make_font  # noqa: E402

RESOURCES = REPOSITORY / "res"
FONT_FOLDER = "fonts"


def files_under(folder):
    return {path.relative_to(folder).as_posix() for path in folder.rglob("*") if path.is_file()}


def maker_of(name):
    return "tools/make_font.py" if name.startswith(FONT_FOLDER + "/") else "tools/make_artwork.py"


class Regenerate(unittest.TestCase):
    def test_every_resource_is_byte_for_byte_what_the_tools_make(self):
        with tempfile.TemporaryDirectory() as scratch:
            fresh = Path(scratch)
            make_artwork.main(fresh)
            make_font.main(fresh / FONT_FOLDER)
            made, committed = files_under(fresh), files_under(RESOURCES)
            problems = [f"res/{name} is missing" for name in sorted(made - committed)]
            problems += [f"res/{name} is there but no tool makes it" for name in sorted(committed - made)]
            problems += [f"res/{name} differs from what {maker_of(name)} makes now"
                         for name in sorted(made & committed)
                         if not filecmp.cmp(fresh / name, RESOURCES / name, shallow=False)]
        if problems:
            self.fail("\n".join(problems) + "\nRe-run the named tool and commit what it writes into res/.")


if __name__ == "__main__":
    unittest.main()

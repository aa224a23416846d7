#!/usr/bin/python3
"""What scripts/build-qt-windows.sh decides before it builds anything: the cached Qt's name changes with what
shapes it (the script, the notices writer), and the sources it hands apt are the machine's own, as source entries."""
import os
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

SCRIPTS = Path(__file__).resolve().parents[2] / "scripts"


def run(folder, *arguments, **environment):
    return subprocess.run([str(Path(folder) / "build-qt-windows.sh"), *arguments], check=True, text=True,
                          capture_output=True, env=dict(os.environ, **environment)).stdout


class CacheKey(unittest.TestCase):
    def test_follows_the_script_and_the_notices_writer(self):
        with tempfile.TemporaryDirectory() as folder:
            for name in ("build-qt-windows.sh", "qt_notices.py"):
                shutil.copy2(SCRIPTS / name, folder)
            key = run(folder, "--key")
            self.assertEqual(run(folder, "--key"), key)
            for name in ("build-qt-windows.sh", "qt_notices.py"):
                with open(Path(folder) / name, "a", encoding="utf-8") as f:
                    f.write("\n# changed\n")
                changed = run(folder, "--key")
                self.assertNotEqual(changed, key, name)
                key = changed


class PackageSources(unittest.TestCase):
    def test_are_the_machines_own_as_source_entries(self):
        with tempfile.TemporaryDirectory() as etc:
            parts = Path(etc) / "sources.list.d"
            parts.mkdir()
            (Path(etc) / "sources.list").write_text(
                "# a comment\ndeb [signed-by=/k.gpg] http://mirror.example/debian trixie main\n"
                "deb-src http://mirror.example/debian trixie main\n")
            (parts / "mirror.sources").write_text(
                "Types: deb\nURIs: http://mirror.example/debian-security\nSuites: trixie-security\n"
                "Components: main\n\nTypes: deb\nEnabled: no\nURIs: http://off.example/\nSuites: trixie\n")
            (parts / "old.list.disabled").write_text("deb http://stale.example/ bookworm main\n")
            sources = run(SCRIPTS, "--sources", KMQ_APT_ETC=etc)
        self.assertIn("deb-src [signed-by=/k.gpg] http://mirror.example/debian trixie main", sources)
        self.assertIn("Types: deb-src\nURIs: http://mirror.example/debian-security\nSuites: trixie-security", sources)
        self.assertNotIn("off.example", sources)
        self.assertNotIn("stale.example", sources)
        self.assertNotIn("bookworm", sources)


if __name__ == "__main__":
    unittest.main()

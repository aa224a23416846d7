#!/usr/bin/env python3
"""Writes the licence notices of a static Qt for Windows: Qt's own licence
and, for each third-party part compiled into Core, Gui, Widgets and the
Windows platform plugin, its name, copyright and licence text, as Qt's
source records them in its qt_attribution.json files.

    qt_notices.py QTBASE_SOURCE VERSION OUTPUT
"""
import glob
import json
import os
import sys

# Parts of qtbase that the Windows program never contains: other modules,
# other platforms, and the libraries configured out (JPEG, FreeType, the
# Markdown parser, the system ones).
LEFT_OUT = ("src/3rdparty/libpsl", "src/3rdparty/libjpeg", "src/3rdparty/freetype", "src/3rdparty/md4c",
            "src/3rdparty/VulkanMemoryAllocator",
            "src/3rdparty/wasm", "src/3rdparty/xcb", "src/3rdparty/forkfd", "src/3rdparty/android",
            "src/3rdparty/gradle", "src/3rdparty/pixman", "src/network", "src/testlib", "src/dbus",
            "src/plugins/platforms/cocoa", "src/gui/opengl", "src/gui/vulkan")
RULE = "=" * 72


def attributions(source):
    for path in sorted(glob.glob(os.path.join(source, "src", "**", "qt_attribution.json"), recursive=True)):
        relative = os.path.relpath(path, source).replace(os.sep, "/")
        if relative.startswith(LEFT_OUT):
            continue
        with open(path, encoding="utf-8") as f:
            entries = json.loads(f.read(), strict=False)  # Qt's files break lines inside strings
        for entry in entries if isinstance(entries, list) else [entries]:
            yield os.path.dirname(path), entry


def licence_texts(folder, entry):
    files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if "LicenseFile" in entry else [])
    for name in files:
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            yield f.read().strip()


def main():
    source, version, output = sys.argv[1:4]
    with open(os.path.join(source, "LICENSES", "LGPL-3.0-only.txt"), encoding="utf-8") as f:
        lgpl = f.read().strip()
    parts = [
        "Licence notices of the parts of kongmingqi.exe that are not the game's own",
        RULE,
        "Qt %s (Qt Core, Qt GUI, Qt Widgets and the Windows platform plugin),\n"
        "copyright (C) The Qt Company Ltd. and other contributors, used under the\n"
        "GNU Lesser General Public License version 3. Its source is Debian's\n"
        "qt6-base source package of the same version." % version,
        lgpl,
    ]
    seen = set()
    for folder, entry in attributions(source):
        key = entry.get("Id", entry.get("Name"))
        if key in seen:
            continue
        seen.add(key)
        heading = ("%s %s" % (entry.get("Name", key), entry.get("Version", ""))).strip()
        parts += [RULE, heading, entry.get("Copyright", "").strip(), "Licence: " + entry.get("License", "")]
        parts += list(licence_texts(folder, entry))
    with open(output, "w", encoding="utf-8", newline="\r\n") as out:
        out.write("\n\n".join(parts) + "\n")


if __name__ == "__main__":
    main()

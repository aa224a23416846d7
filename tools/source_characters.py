"""Finds the characters the game's C++ sources put on screen.

Text the player sees comes from string and character literals; comments
are skipped, so a note in Chinese does not pull its characters into the
shipped font.
"""
import re
from pathlib import Path

SOURCE_FOLDERS = ("ui", "core")
SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc", ".cxx", ".hxx", ".inl"}
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}
UNIVERSAL_NAME = re.compile(r"\\u([0-9A-Fa-f]{4})|\\U([0-9A-Fa-f]{8})")


def literal_texts(source):
    """Yields the text inside each string and character literal of C++ source."""
    pos, end = 0, len(source)
    while pos < end:
        ch = source[pos]
        if source.startswith("//", pos):
            newline = source.find("\n", pos)
            pos = end if newline < 0 else newline
        elif source.startswith("/*", pos):
            close = source.find("*/", pos + 2)
            pos = end if close < 0 else close + 2
        elif ch == '"' and _prefix(source, pos) in RAW_PREFIXES:
            open_paren = source.index("(", pos)
            closing = ")" + source[pos + 1:open_paren] + '"'
            close = source.find(closing, open_paren)
            close = end if close < 0 else close
            yield source[open_paren + 1:close]
            pos = close + len(closing)
        elif ch == '"' or (ch == "'" and not _prefix(source, pos)[:1].isdigit()):
            close = _closing_quote(source, pos)
            yield _decode_universal_names(source[pos + 1:close])
            pos = close + 1
        else:
            pos += 1


def _prefix(source, pos):
    """The identifier or number written right before position pos."""
    start = pos
    while start > 0 and (source[start - 1].isalnum() or source[start - 1] in "_'"):
        start -= 1
    return source[start:pos]


def _closing_quote(source, pos):
    quote, i = source[pos], pos + 1
    while i < len(source) and source[i] != quote and source[i] != "\n":
        i += 2 if source[i] == "\\" else 1
    return min(i, len(source))


def _decode_universal_names(text):
    return UNIVERSAL_NAME.sub(lambda m: chr(int(m.group(1) or m.group(2), 16)), text)


def source_files(root):
    for folder in SOURCE_FOLDERS:
        for path in sorted((Path(root) / folder).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                yield path


def characters_in_sources(root):
    """Every non-ASCII character in a literal of the C++ sources under ui/ and core/."""
    found = set()
    for path in source_files(root):
        for text in literal_texts(path.read_text(encoding="utf-8")):
            found.update(ch for ch in text if ord(ch) > 0x7F)
    return found

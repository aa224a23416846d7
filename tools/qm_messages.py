"""Reads the messages of a compiled Qt translation file (.qm).

A .qm file is a 16-byte signature followed by blocks, each a tag byte and a
big-endian 32-bit length. The messages block is a run of records; a record
is a list of tagged fields ending with an end tag. Only the fields needed to
find a translation by context and source text are kept; the hash and
context tables are lookup accelerators and are skipped.
"""
import struct
from pathlib import Path

SIGNATURE = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")
MESSAGES_BLOCK = 0x69

END = 1
SOURCE_TEXT_16 = 2
TRANSLATION = 3
CONTEXT_16 = 4
OBSOLETE_1 = 5
SOURCE_TEXT = 6
CONTEXT = 7
COMMENT = 8
OBSOLETE_2 = 9

NULL_LENGTH = 0xFFFFFFFF  # a translation that is a null string
LENGTH_PREFIXED = {SOURCE_TEXT_16, TRANSLATION, CONTEXT_16, SOURCE_TEXT, CONTEXT, COMMENT}


class QmFormatError(ValueError):
    pass


def blocks(data):
    """Yields (tag, payload) for each block after the signature."""
    if not data.startswith(SIGNATURE):
        raise QmFormatError("not a Qt translation file")
    pos = len(SIGNATURE)
    while pos < len(data):
        if pos + 5 > len(data):
            raise QmFormatError("truncated block header")
        tag, length = struct.unpack_from(">BI", data, pos)
        pos += 5
        if pos + length > len(data):
            raise QmFormatError("block runs past the end of the file")
        yield tag, data[pos:pos + length]
        pos += length


def records(messages):
    """Yields each message record as a dict of tag -> list of raw payloads."""
    pos, record = 0, {}
    while pos < len(messages):
        tag = messages[pos]
        pos += 1
        if tag == END:
            yield record
            record = {}
        elif tag == OBSOLETE_1:
            pos += 4
        elif tag == OBSOLETE_2:
            pass
        elif tag in LENGTH_PREFIXED:
            (length,) = struct.unpack_from(">I", messages, pos)
            pos += 4
            if length == NULL_LENGTH:
                length = 0
            if pos + length > len(messages):
                raise QmFormatError("message field runs past its block")
            record.setdefault(tag, []).append(messages[pos:pos + length])
            pos += length
        else:
            raise QmFormatError(f"unknown message field tag {tag:#x}")
    if record:
        raise QmFormatError("last message record has no end tag")


def read_messages(path):
    """Returns [(context, source text, [translations])] from a .qm file."""
    found = []
    for tag, payload in blocks(Path(path).read_bytes()):
        if tag != MESSAGES_BLOCK:
            continue
        for record in records(payload):
            context = b"".join(record.get(CONTEXT, [])).decode("utf-8")
            source = b"".join(record.get(SOURCE_TEXT, [])).decode("utf-8")
            translations = [t.decode("utf-16-be") for t in record.get(TRANSLATION, [])]
            found.append((context, source, translations))
    return found

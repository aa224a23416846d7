"""The game's names as cmake/GameIdentity.cmake writes them once: the
title, the program, the application id, the publisher and the contact."""
import re
from pathlib import Path

IDENTITY_FILE = Path(__file__).resolve().parent.parent / "cmake" / "GameIdentity.cmake"


def identity(path=IDENTITY_FILE):
    """Each KMQ_ name set in the file, with its value."""
    text = Path(path).read_text(encoding="utf-8")
    return dict(re.findall(r'^set\((KMQ_\w+) "?([^")]*)"?\)', text, re.M))

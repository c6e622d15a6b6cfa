"""Shared paths and records for the cvnaaccr package's tests."""

import os
import re
import sys
from pathlib import Path

import pytest

REPOSITORY = Path(__file__).resolve().parents[2]
SAMPLES = REPOSITORY / "samples"
PEERDATA = REPOSITORY / "data" / "flat-samples"
XMLSAMPLES = REPOSITORY / "data" / "xml-samples"
HEADER = REPOSITORY / "library" / "include" / "cvnaaccr.h"

# Run from a checkout without ctest's environment: the package beside the
# tests, and the native build's library unless another one is named.
sys.path.insert(0, str(REPOSITORY / "python"))
if not os.environ.get("CVNAACCR_LIBRARY"):
    built = REPOSITORY / "build" / "native" / "library" / "libcvnaaccr.so"
    if built.exists():
        os.environ["CVNAACCR_LIBRARY"] = str(built)


@pytest.fixture(scope="session")
def command():
    """The command-line program of the same build: CVNAACCR_COMMAND, else the native build's."""
    named = os.environ.get("CVNAACCR_COMMAND")
    path = Path(named) if named else REPOSITORY / "build" / "native" / "tools" / "cvnaaccr"
    if not path.exists():
        pytest.skip("the command-line program is not built")
    return path


def library_at_least(major, minor):
    """True when the loaded library is of version major.minor or later."""
    import cvnaaccr

    version = tuple(int(part) for part in cvnaaccr.library_info().library_version.split(".")[:2])
    return version >= (major, minor)


def header_defines(prefix):
    """The integer #defines of the public header whose names start with `prefix`.

    A value is a number, negative or unsigned ("1u"), or a shift of numbers
    ("(1u << 20)"); other macros (CV_CALL, the version string) are left out.
    """
    text = HEADER.read_text()
    pattern = r"^#define (" + re.escape(prefix) + r"\w*)[ \t]+(.*?)\s*(?:/\*.*)?$"
    defines = {}
    for name, value in re.findall(pattern, text, re.MULTILINE):
        value = re.sub(r"(\d+)u\b", r"\1", value)
        if re.fullmatch(r"[-\d ()<]+", value) and re.search(r"\d", value):
            defines[name] = int(eval(value))  # digits, parentheses and shifts only
    return defines


def peer_file(name):
    path = PEERDATA / name
    if not path.exists():
        pytest.skip(f"peer sample {name} is not here")
    return path


@pytest.fixture(scope="session")
def i180_records():
    """The two records (without terminators) of the I 180 sample; they carry checksums."""
    return (SAMPLES / "i-180-lf.txt").read_bytes().split(b"\n")[:2]


@pytest.fixture(scope="session")
def fault_records(i180_records):
    """Five records: a bad type at record 3, a byte 1 at column 200 of record 4, record 5 short."""
    first, second = i180_records
    return [first, second, b"X" + first[1:], first[:199] + b"\x01" + first[200:], first[:4000]]


@pytest.fixture
def fault_file(tmp_path, fault_records):
    path = tmp_path / "fault.txt"
    path.write_bytes(b"".join(record + b"\n" for record in fault_records))
    return path


@pytest.fixture(scope="session")
def many_problems_file(tmp_path_factory, i180_records):
    """3000 records, all but the second of a bad type: 12 MB, more problems than the queue holds and past a progress step.

    The one good record makes it a NAACCR file (a file none of whose first
    records is would be one problem) and the reference of the others.
    """
    path = tmp_path_factory.mktemp("big") / "bad-types.txt"
    bad = b"X" + i180_records[0][1:] + b"\n"
    path.write_bytes(bad + i180_records[0] + b"\n" + bad * 2998)
    return path


def v18_incidence(**values):
    """A NAACCR 18 incidence record, the items given as {start column: value} put in."""
    record = bytearray(b"I" + b" " * 4047)
    record[16:19] = b"180"
    for column, value in values.items():
        start = int(column[1:]) - 1
        record[start : start + len(value)] = value.encode()
    return bytes(record)

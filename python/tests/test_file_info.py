"""inspect() on the bundled and peer samples, and the paths it takes or refuses."""

import os
import shutil
import sys
from pathlib import Path

import pytest

import cvnaaccr
from cvnaaccr import ResultCode as R
from conftest import SAMPLES, peer_file

# file: code, record type, version, terminators, record length, record count
BUNDLED = {
    "a-180-crlf.txt": (R.OK, "A", "180", "\r\n", 24196, 2),
    "c-A-lf.txt": (R.OK, "C", "A", "\n", 2645, 2),
    "i-1-lfcr.txt": (R.OK, "I", "1", "\n\r", 852, 2),
    "i-5-cr.txt": (R.OK, "I", "5", "\r", 1526, 2),
    "m-130-none.txt": (R.OK, "M", "130", "", 22824, 2),
    "bad-type.txt": (R.BAD_TYPE, "X", " ", "\r\n", 3341, 0),
    "mixed-types.txt": (R.MIXED_TYPES, "I", "150", "\n", 3340, 2),
    "last-terminator-omitted.txt": (R.TERMINATOR_OMITTED, "I", "150", "\r\n", 3341, 3),
    "stray-ctrl-z.txt": (R.STRAY_CTRL_Z, "I", "150", "\r\n", 3341, 2),
    "empty.txt": (R.EMPTY_FILE, " ", "", "", 0, 0),
}

PEERS = {
    "werth-naaccr__synthetic-naaccr-18-incidence.txt": (R.OK, "I", "180", "\n", 4049, 20),
    "werth-naaccr__synthetic-naaccr-18-abstract.txt": (R.OK, "A", "180", "\n", 24195, 20),
    "werth-naaccr__synthetic-naaccr-16-abstract.txt": (R.OK, "A", "160", "\n", 22825, 10),
    "layout__fake-naaccr15-1-rec.txt": (R.OK, "I", "150", "\n", 3340, 1),
    "naaccr-xml__fake-naaccr14inc-2-rec.txt": (R.TERMINATOR_OMITTED, "I", "140", "\n", 3340, 2),
}


def found(info):
    return (info.code, info.record_type, info.version, info.terminators, info.record_length, info.record_count)


@pytest.mark.parametrize("name", sorted(BUNDLED))
def test_bundled_sample(name):
    info = cvnaaccr.inspect(SAMPLES / name)
    assert found(info) == BUNDLED[name]
    assert info.file_size == (SAMPLES / name).stat().st_size
    assert info.is_problem == (info.code > 0) and info.is_anomaly == (info.code < 0)
    assert info.message


@pytest.mark.parametrize("name", sorted(PEERS))
def test_peer_sample(name):
    assert found(cvnaaccr.inspect(peer_file(name))) == PEERS[name]


@pytest.mark.parametrize("kind", [str, Path, os.fsencode], ids=["str", "Path", "bytes"])
def test_every_kind_of_path_gives_the_same_answer(kind):
    info = cvnaaccr.inspect(kind(str(SAMPLES / "i-140-crlf.txt")))
    assert (info.path, info.file_name, info.extension) == (str(SAMPLES / "i-140-crlf.txt"), "i-140-crlf", ".txt")
    assert info.record_count == 2


def test_a_missing_file_is_an_answer_not_an_exception(tmp_path):
    info = cvnaaccr.inspect(tmp_path / "missing.txt")
    assert info.code == R.OPEN_FAILED and info.is_problem
    assert str(tmp_path / "missing.txt") in info.message


def test_a_path_of_1023_bytes_is_inspected_whole_and_1024_refused(tmp_path):
    longest = "/" + "d" * 1000 + "/" + "f" * 17 + ".txt"
    assert len(longest) == 1023
    info = cvnaaccr.inspect(longest)
    assert info.code == R.OPEN_FAILED and info.path == longest
    with pytest.raises(ValueError, match="1024 bytes"):
        cvnaaccr.inspect(longest + "x")


@pytest.mark.parametrize("path", ["sample\0.txt", b"sample\0.txt"], ids=["str", "bytes"])
def test_a_nul_in_the_path_is_refused_rather_than_cut(path):
    with pytest.raises(ValueError, match="null"):
        cvnaaccr.inspect(path)


@pytest.mark.skipif(sys.platform == "win32", reason="file names are bytes on POSIX only")
def test_a_file_name_that_is_no_utf8_round_trips(tmp_path):
    raw = os.fsencode(tmp_path) + b"/caf\xe9 \xff.txt"
    shutil.copyfile(SAMPLES / "i-140-crlf.txt", raw)
    info = cvnaaccr.inspect(raw)
    assert info.code == R.OK and os.fsencode(info.path) == raw
    assert cvnaaccr.inspect(os.fsdecode(raw)) == info

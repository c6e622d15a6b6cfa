"""check() and check_file(): problems of files and streams, early stops, failures."""

import gzip
import io
import os
import subprocess
import sys
import threading

import pytest

import cvnaaccr
from cvnaaccr import ProblemKind as K
from cvnaaccr import ResultCode
from conftest import SAMPLES, peer_file

FAULTS = [(3, K.RECORD_TYPE, 1), (4, K.ILLEGAL_BYTE, 200), (5, K.RECORD_LENGTH, 0)]


def where(problems):
    return [(p.record, p.kind, p.column) for p in problems]


def test_check_yields_the_problems_of_each_record_and_returns_the_summary(fault_file):
    returned = []

    def delegate():
        returned.append((yield from cvnaaccr.check(fault_file)))

    problems = list(delegate())
    assert where(problems) == FAULTS
    assert [p.offset for p in problems] == [2 * 4049, 3 * 4049, 4 * 4049]
    assert returned[0].problems == 3

    check_run = cvnaaccr.check(fault_file)
    assert where(check_run) == FAULTS
    summary = check_run.summary
    assert (summary.records, summary.bytes, summary.problems, summary.reported) == (5, 4 * 4049 + 4001, 3, 3)
    assert (summary.record_type, summary.version, summary.terminators) == ("I", "180", "\n")
    assert (summary.record_length, summary.layout_length, summary.stopped) == (4049, 4048, 0)
    assert {kind: n for kind, n in summary.counts.items() if n} == {K.RECORD_TYPE: 1, K.ILLEGAL_BYTE: 1, K.RECORD_LENGTH: 1}
    assert not summary.ok

    with pytest.raises(StopIteration) as stop:
        next(iter(cvnaaccr.check(SAMPLES / "i-140-crlf.txt")))
    assert stop.value.value.records == 2 and stop.value.value.ok


class ReadOnlyStream:
    """A binary stream with read() alone, as some file-like objects are."""

    def __init__(self, data):
        self.data = io.BytesIO(data)

    def read(self, size):
        return self.data.read(min(size, 1000))


STREAMS = {
    "gzip": lambda path: gzip.GzipFile(fileobj=io.BytesIO(gzip.compress(path.read_bytes()))),
    "read() of 1000 bytes at most": lambda path: ReadOnlyStream(path.read_bytes()),
}


@pytest.mark.parametrize("make", STREAMS.values(), ids=STREAMS.keys())
def test_a_stream_gives_what_the_file_gives(fault_file, make):
    run = cvnaaccr.check(make(fault_file))
    problems = list(run)
    assert problems == cvnaaccr.check_file(fault_file).problems
    assert run.summary == cvnaaccr.check_file(fault_file).summary


# file: kinds found with checksums verified, records whose checksum matched
SAMPLE_KINDS = {
    "i-140-crlf.txt": ({}, 2),
    "mixed-types.txt": ({K.RECORD_TYPE: 1, K.CHECKSUM_MISMATCH: 1}, 1),
    "stray-ctrl-z.txt": ({K.STRAY_CTRL_Z: 1}, 2),
    "last-terminator-omitted.txt": ({K.TERMINATOR_OMITTED: 1}, 3),
    "r-120-crlf.txt": ({K.NO_CHECKSUM: 1}, 0),
}


@pytest.mark.parametrize("name", sorted(SAMPLE_KINDS))
def test_bundled_sample_with_checksums(name):
    summary, problems = cvnaaccr.check_file(SAMPLES / name, checksums=True)
    assert ({kind: n for kind, n in summary.counts.items() if n}, summary.checksums_matched) == SAMPLE_KINDS[name]
    assert len(problems) == summary.problems
    assert summary.ok == all(p.is_anomaly for p in problems)


def test_peer_gzip_file_of_1000_records_with_blank_checksums_and_a_limit():
    with gzip.open(peer_file("layout__fake-naaccr13-1000-recs.txt.gz")) as stream:
        summary, problems = cvnaaccr.check_file(stream, checksums=True, max_problems=5)
    assert (summary.records, summary.bytes, summary.problems, summary.reported) == (1000, 3341000, 1000, 5)
    assert summary.counts[K.CHECKSUM_BLANK] == 1000 and summary.version == "130"
    assert where(problems) == [(n, K.CHECKSUM_BLANK, 1920) for n in range(1, 6)]


def test_peer_v18_incidence_is_clean():
    summary, problems = cvnaaccr.check_file(peer_file("werth-naaccr__synthetic-naaccr-18-incidence.txt"))
    assert problems == [] and (summary.records, summary.record_length, summary.version) == (20, 4049, "180")


class CountingStream(io.RawIOBase):
    def __init__(self, data):
        self.data = io.BytesIO(data)
        self.read_bytes = 0

    def readable(self):
        return True

    def readinto(self, buffer):
        n = self.data.readinto(buffer)
        self.read_bytes += n
        return n


def test_closing_early_stops_the_check_and_its_thread(many_problems_file):
    threads = threading.active_count()
    stream = CountingStream(many_problems_file.read_bytes())
    run = cvnaaccr.check(stream)
    assert next(run).record == 1
    run.close()
    assert threading.active_count() == threads
    assert stream.read_bytes < many_problems_file.stat().st_size
    assert run.summary is None
    with pytest.raises(StopIteration):
        next(run)

    for _ in cvnaaccr.check(many_problems_file):
        break  # the dropped generator closes itself
    assert threading.active_count() == threads


def test_progress_runs_on_the_iterating_thread_and_can_stop_the_check(many_problems_file):
    calls = []

    def progress(done, total, records):
        calls.append((threading.current_thread(), done, total, records))
        return done > 0  # past the first step of a few megabytes

    run = cvnaaccr.check(many_problems_file, progress=progress)
    problems = list(run)
    assert calls and {call[0] for call in calls} == {threading.current_thread()}
    assert calls[0][2] == many_problems_file.stat().st_size
    assert run.summary.stopped == 2 and 0 < run.summary.records < 3000
    assert len(problems) == run.summary.reported


class Boom(Exception):
    pass


def test_an_exception_in_progress_stops_the_check_and_reaches_the_caller(many_problems_file):
    def progress(done, total, records):
        raise Boom()

    threads = threading.active_count()
    with pytest.raises(Boom):
        list(cvnaaccr.check(many_problems_file, progress=progress))
    with pytest.raises(Boom):
        cvnaaccr.check_file(many_problems_file, progress=progress)
    assert threading.active_count() == threads


def test_an_exception_of_the_stream_reaches_the_caller(tmp_path, fault_file):
    cut = tmp_path / "cut.gz"
    cut.write_bytes(gzip.compress(fault_file.read_bytes())[:-20])
    with gzip.open(cut) as stream, pytest.raises(EOFError):
        list(cvnaaccr.check(stream))
    with gzip.open(cut) as stream, pytest.raises(EOFError):
        cvnaaccr.check_file(stream)


FAILURES = {
    "missing file": (lambda tmp: tmp / "missing.txt", ResultCode.OPEN_FAILED),
    "directory": (lambda tmp: tmp, ResultCode.OPEN_FAILED),
    "empty file": (lambda tmp: SAMPLES / "empty.txt", ResultCode.EMPTY_FILE),
    "empty stream": (lambda tmp: io.BytesIO(b""), ResultCode.EMPTY_FILE),
}


@pytest.mark.parametrize("make, code", FAILURES.values(), ids=FAILURES.keys())
def test_a_file_that_cannot_be_checked_raises_check_error_with_the_code(tmp_path, make, code):
    with pytest.raises(cvnaaccr.CheckError) as raised:
        list(cvnaaccr.check(make(tmp_path)))
    assert raised.value.code == code and isinstance(raised.value, OSError)
    with pytest.raises(cvnaaccr.CheckError):
        cvnaaccr.check_file(make(tmp_path))


REFUSED = {
    "text file": (lambda: io.StringIO("I"), {}, TypeError),
    "nul in path": (lambda: "a\0b", {}, ValueError),
    "max_problems 0": (lambda: SAMPLES / "i-140-crlf.txt", {"max_problems": 0}, ValueError),
    "negative threads": (lambda: SAMPLES / "i-140-crlf.txt", {"threads": -1}, ValueError),
}


@pytest.mark.parametrize("make, options, error", REFUSED.values(), ids=REFUSED.keys())
def test_arguments_are_refused_before_anything_is_read(make, options, error):
    with pytest.raises(error):
        cvnaaccr.check(make(), **options)


# Ctrl-C during a check, in a Python of its own: a helper thread sends SIGINT
# once the check runs.  The stream case holds the check inside the stream's
# read until the signal has been sent, so the check is surely running then.
INTERRUPT = """
import os, signal, sys, threading, time
import cvnaaccr
path, call = sys.argv[1], sys.argv[2]
running, sent = threading.Event(), threading.Event()

def interrupt():
    running.wait()
    time.sleep(0.005)
    os.kill(os.getpid(), signal.SIGINT)
    sent.set()

class HeldStream:
    def __init__(self):
        self.file = open(path, "rb")
    def read(self, size):
        running.set()
        sent.wait()
        return self.file.read(size)

def progress(done, total, records):
    running.set()

threading.Thread(target=interrupt, daemon=True).start()
try:
    if call == "check_file":
        cvnaaccr.check_file(path, threads=1, progress=progress)
    elif call == "check":
        list(cvnaaccr.check(path, threads=1, progress=progress))
    else:
        cvnaaccr.check_file(HeldStream())
    print("returned")
except KeyboardInterrupt:
    print("interrupted", [t.name for t in threading.enumerate() if t.name == "cvnaaccr check"])
"""


@pytest.mark.parametrize("call", ["check_file", "check", "check_file of a stream"])
def test_ctrl_c_stops_the_check_and_reaches_the_caller(many_problems_file, call):
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(sys.path))
    result = subprocess.run(
        [sys.executable, "-c", INTERRUPT, str(many_problems_file), call],
        env=env, capture_output=True, text=True, timeout=60,
    )
    assert result.stdout.strip() == "interrupted []", result.stdout + result.stderr
    assert "Exception ignored" not in result.stderr, result.stderr


def test_stopped_is_an_int_enum_equal_to_the_librarys_numbers(many_problems_file):
    summary, _ = cvnaaccr.check_file(SAMPLES / "i-140-crlf.txt")
    assert summary.stopped is cvnaaccr.Stopped.NO and summary.stopped == 0
    run = cvnaaccr.check(many_problems_file, progress=lambda done, total, records: True)
    list(run)
    assert run.summary.stopped is cvnaaccr.Stopped.BY_PROGRESS and run.summary.stopped == 2
    assert [int(s) for s in cvnaaccr.Stopped] == [0, 1, 2]


def test_library_not_found_is_a_cvnaaccr_error_and_an_os_error():
    error = cvnaaccr.LibraryNotFoundError("no library")
    assert isinstance(error, cvnaaccr.CvnaaccrError) and isinstance(error, OSError)
    assert str(error) == "no library" and error.code is None

"""check(..., items=True): every data item checked, problems that name their item, the summary's item counts."""

import gzip
import io

import pytest

import cvnaaccr
from cvnaaccr import ProblemKind as K
from conftest import peer_file, v18_incidence


GOOD = v18_incidence(c544="20190101", c222="2", c185="012345", c226="19500228")
BAD = v18_incidence(c544="20191345", c222="X", c185=" 12345", c226="20190230")

# record 2 of three: (column, kind, number, id, name, start, length, value)
FAULTS = [
    (185, K.ITEM_PADDING, 135, "censusTract2010", "Census Tract 2010", 185, 6, " 12345"),
    (222, K.ITEM_DATA_TYPE, 220, "sex", "Sex", 222, 1, "X"),
    (232, K.ITEM_DATE, 240, "dateOfBirth", "Date of Birth", 226, 8, "20190230"),
    (548, K.ITEM_DATE, 390, "dateOfDiagnosis", "Date of Diagnosis", 544, 8, "20191345"),
]


@pytest.fixture
def item_faults(tmp_path):
    path = tmp_path / "items.txt"
    path.write_bytes(b"\n".join([GOOD, BAD, GOOD]) + b"\n")
    return path


def described(problems):
    return [
        (p.column, p.kind, p.item.number, p.item.id, p.item.name, p.item.start, p.item.length, p.value)
        for p in problems
    ]


SOURCES = {
    "path, one thread": lambda path: (path, 1),
    "path, two threads": lambda path: (path, 2),
    "str path": lambda path: (str(path), 0),
    "binary stream": lambda path: (io.BytesIO(path.read_bytes()), 0),
    "gzip stream": lambda path: (gzip.GzipFile(fileobj=io.BytesIO(gzip.compress(path.read_bytes()))), 0),
}


@pytest.mark.parametrize("label", SOURCES)
def test_item_faults_come_with_their_item_and_value_from_every_source(item_faults, label):
    source, threads = SOURCES[label](item_faults)
    summary, problems = cvnaaccr.check_file(source, items=True, threads=threads)
    assert described(problems) == FAULTS, label
    assert {p.record for p in problems} == {2} and {p.offset for p in problems} == {4049}
    assert {kind: n for kind, n in summary.counts.items() if n} == {K.ITEM_PADDING: 1, K.ITEM_DATA_TYPE: 1, K.ITEM_DATE: 2}
    assert (summary.records, summary.problems, summary.reported, summary.items) == (3, 4, 4, 15)
    assert not summary.ok


def test_without_items_no_item_is_looked_at_and_every_kind_is_counted(item_faults):
    summary, problems = cvnaaccr.check_file(item_faults)
    assert problems == [] and summary.ok and summary.items == 0
    assert set(summary.counts) == set(K) and not any(summary.counts.values())


def test_the_limit_bounds_record_and_item_problems_together_and_all_are_counted(item_faults, tmp_path):
    more = tmp_path / "more.txt"
    more.write_bytes(item_faults.read_bytes() + b"X" + GOOD[1:] + b"\n" + BAD + b"\n")
    summary, problems = cvnaaccr.check_file(more, items=True, max_problems=5)
    assert [(p.record, p.kind) for p in problems] == [(2, f[1]) for f in FAULTS] + [(4, K.RECORD_TYPE)]
    assert problems[-1].item is None and problems[-1].value is None
    assert (summary.problems, summary.reported, summary.counts[K.ITEM_DATE]) == (9, 5, 4)


def test_a_record_without_a_dictionary_is_one_problem_without_an_item(tmp_path):
    path = tmp_path / "v130.txt"
    path.write_bytes((b"I" + b" " * 15 + b"130").ljust(3339) + b"\n")
    summary, problems = cvnaaccr.check_file(path, items=True)
    assert [(p.record, p.kind, p.item, p.value) for p in problems] == [(1, K.NO_DICTIONARY, None, None)]
    assert summary.counts[K.NO_DICTIONARY] == 1 and summary.items == 0


@pytest.mark.parametrize(
    "name, problems, items",
    [
        ("werth-naaccr__synthetic-naaccr-16-abstract.txt", {}, 844),
        ("werth-naaccr__synthetic-naaccr-18-incidence.txt", {}, 1828),
        ("layout__fake-naaccr15-1-rec.txt", {K.ITEM_DATA_TYPE: 38, K.ITEM_DATE: 27}, 264),
    ],
)
def test_peer_files_with_items(name, problems, items):
    summary, found = cvnaaccr.check_file(peer_file(name), items=True)
    assert {kind: n for kind, n in summary.counts.items() if n} == problems
    assert summary.items == items and len(found) == sum(problems.values())
    assert all(p.item is not None and p.value for p in found)


@pytest.mark.parametrize("named", [True, False], ids=["a library that names them", "an older library"])
def test_problems_name_their_patient_and_tumour_when_the_library_can(named, fault_file, monkeypatch):
    from cvnaaccr import _header, _native

    if not named:
        offered = _native.offered_flags
        monkeypatch.setattr(_native, "offered_flags", lambda options: offered(options) & ~_header.NAACCR_CHECK_IDS)
    problems = cvnaaccr.check_file(peer_file("werth-naaccr__synthetic-naaccr-18-incidence.txt"), codes=True).problems
    ids = ("00000013", "01", None) if named else (None, None, None)
    assert [(p.label, p.patient_id, p.tumor_record_number, p.accession_number) for p in problems] == [
        ("Date order", *ids)
    ]
    # Record problems come as before, whichever callback the library hands them to.
    record_problems = cvnaaccr.check_file(fault_file).problems
    assert [(p.record, p.column, p.kind, p.item) for p in record_problems] == [
        (3, 1, K.RECORD_TYPE, None),
        (4, 200, K.ILLEGAL_BYTE, None),
        (5, 0, K.RECORD_LENGTH, None),
    ]

"""cvnaaccr.dictionary() and cvnaaccr.records(): the data items of a version, and records as dicts of items."""

import threading

import pytest

import cvnaaccr
from conftest import peer_file

# From NAACCR's dictionary files.
KNOWN = [
    (180, "sex", dict(number=220, name="Sex", start_column=222, length=1, data_type="digits", level="Patient")),
    (160, "dateOfDiagnosis", dict(number=390, start_column=530, length=8, data_type="date", padding="rightBlank")),
    (180, "censusTract2010", dict(number=135, start_column=185, length=6, data_type="digits", padding="leftZero")),
    (180, "stateRequestorItems", dict(number=2220, start_column=3049, length=1000, trim="none", user=True)),
    (180, "textDxProcPe", dict(number=2520, start_column=6935, record_types="AM", unlimited=True)),
    (180, "geolocationid2000", dict(number=352, start_column=167, length=12, grouped=True)),
    (250, "pathDateSpecCollect1", dict(number=7320, start_column=0, length=25, data_type="dateTime")),
]


@pytest.mark.parametrize("version,item_id,attributes", KNOWN, ids=[f"{v} {i}" for v, i, _ in KNOWN])
def test_known_items_have_their_attributes(version, item_id, attributes):
    (item,) = [item for item in cvnaaccr.dictionary(version) if item.id == item_id]
    for name, value in attributes.items():
        assert getattr(item, name) == value, name


@pytest.mark.parametrize("version,length", [(140, 22824), (160, 22824), (180, 24194)])
def test_a_flat_version_tiles_its_abstract_record(version, length):
    columns = [(i.start_column, i.end_column) for i in cvnaaccr.dictionary(version) if not i.grouped]
    assert columns[0][0] == 1
    assert all(end + 1 == start for (_, end), (start, _) in zip(columns, columns[1:]))
    assert columns[-1][1] == length


@pytest.mark.parametrize("version", [18, "18", "180", 180])
def test_a_version_may_be_given_in_either_form(version):
    assert cvnaaccr.dictionary(version) == cvnaaccr.dictionary(180)


@pytest.mark.parametrize("version", [170, 130, "x", None, 0, 2700])
def test_a_version_without_a_dictionary_is_refused(version):
    with pytest.raises(ValueError):
        cvnaaccr.dictionary(version)


def record_180(**values):
    """A NAACCR 18 incidence record with the given items set (by naaccrId, each field as it stands)."""
    items = {i.id: i for i in cvnaaccr.dictionary(180)}
    record = bytearray(b"I" + b" " * 15 + b"180" + b" " * (4048 - 19))
    for item_id, text in values.items():
        item = items[item_id]
        assert len(text) == item.length
        record[item.start_column - 1 : item.end_column] = text.encode("ascii")
    return bytes(record)


def test_records_cut_padding_and_keep_zeros(tmp_path):
    first = record_180(
        sex="2",
        dateOfDiagnosis="2019    ",  # right-blank: trailing blanks cut
        censusTract2010="000100",  # left-zero: zeros kept
        censusTract2000=" 12345",  # left-zero with a blank: as it stands
        primarySite="C50 ",  # right-blank text: trailing blank cut
        stateRequestorItems="  state data" + " " * 988,  # trim="none": verbatim
    )
    second = record_180(sex="1")
    path = tmp_path / "two.txt"
    path.write_bytes(first + b"\r\n" + second + b"\r\n")
    rows = list(cvnaaccr.records(path))
    assert rows == [
        {
            "recordType": "I",
            "naaccrRecordVersion": "180",
            "primarySite": "C50",
            "censusTract2000": " 12345",
            "censusTract2010": "000100",
            "sex": "2",
            "dateOfDiagnosis": "2019",
            "stateRequestorItems": "  state data" + " " * 988,
        },
        {"recordType": "I", "naaccrRecordVersion": "180", "sex": "1"},
    ]


def test_records_of_a_peer_file_hold_their_items():
    rows = list(cvnaaccr.records(peer_file("werth-naaccr__synthetic-naaccr-16-abstract.txt")))
    assert len(rows) == 10
    assert all(row["recordType"] == "A" and row["naaccrRecordVersion"] == "160" for row in rows)
    assert rows[0]["dateOfDiagnosis"] == "20111014"
    assert len(rows[0]["patientIdNumber"]) == 8


def test_records_make_a_data_frame(tmp_path):
    pandas = pytest.importorskip("pandas")
    path = tmp_path / "two.txt"
    path.write_bytes(record_180(sex="2") + b"\n" + record_180(dateOfDiagnosis="20200229") + b"\n")
    frame = pandas.DataFrame(cvnaaccr.records(path))
    assert list(frame["recordType"]) == ["I", "I"]
    assert frame["sex"][0] == "2" and pandas.isna(frame["sex"][1])


def test_closing_records_early_stops_its_reader(tmp_path):
    path = tmp_path / "many.txt"
    path.write_bytes((record_180(sex="2") + b"\n") * 500)
    before = threading.active_count()
    rows = cvnaaccr.records(path)
    assert next(rows)["sex"] == "2"
    rows.close()
    assert threading.active_count() == before


@pytest.mark.parametrize(
    "content,error",
    [
        (b"I" + b" " * 15 + b"130" + b" " * 3320 + b"\n", ValueError),  # no dictionary for 130
        (None, cvnaaccr.CheckError),  # no file
    ],
    ids=["version 130", "missing file"],
)
def test_records_refuse_what_they_cannot_read(tmp_path, content, error):
    path = tmp_path / "file.txt"
    if content is not None:
        path.write_bytes(content)
    with pytest.raises(error):
        list(cvnaaccr.records(path))

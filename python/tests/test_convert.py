"""cvnaaccr.convert(): records written as NAACCR XML, flat records and CSV; OUT untouched when refused."""

import csv
import gzip
import io

import pytest

import cvnaaccr
from conftest import PEERDATA, XMLSAMPLES
from test_dictionary import record_180


def padded(item_id, text):
    (item,) = [i for i in cvnaaccr.dictionary(180) if i.id == item_id]
    return text.ljust(item.length)


def write_records(path, *records, terminator=b"\r\n"):
    path.write_bytes(b"".join(r + terminator for r in records))
    return path


def test_csv_quotes_commas_quotes_and_holds_what_records_yields(tmp_path):
    source = write_records(
        tmp_path / "two.txt",
        record_180(patientIdNumber="00000001", addrAtDxCity=padded("addrAtDxCity", 'SPRING, "OLD" TOWN')),
        record_180(patientIdNumber="00000002", sex="2"),
    )
    result = cvnaaccr.convert(source, tmp_path / "two.csv", items=["patientIdNumber", "addrAtDxCity", "sex"])
    assert (result.target, result.written, result.patients, result.tumors) == ("csv", 2, 2, 2)
    text = (tmp_path / "two.csv").read_bytes()
    assert text == b'patientIdNumber,addrAtDxCity,sex\r\n00000001,"SPRING, ""OLD"" TOWN",\r\n00000002,,2\r\n'
    rows = list(csv.DictReader(io.StringIO(text.decode("utf-8"), newline="")))
    expected = [{k: v for k, v in r.items() if k in rows[0]} for r in cvnaaccr.records(source)]
    assert [{k: v for k, v in r.items() if v} for r in rows] == expected


@pytest.mark.parametrize(
    "name", ["werth-naaccr__synthetic-naaccr-18-incidence.txt", "werth-naaccr__synthetic-naaccr-16-abstract.txt"]
)
def test_a_peer_file_written_as_flat_records_comes_back_with_its_checksums(tmp_path, name):
    source = PEERDATA / name
    if not source.exists():
        pytest.skip("no peer data")
    result = cvnaaccr.convert(source, tmp_path / "back.txt", lf=True)
    lines = source.read_bytes().split(b"\n")[:-1]
    assert (tmp_path / "back.txt").read_bytes() == b"".join(cvnaaccr.assign_checksum(line) + b"\n" for line in lines)
    assert result.written == len(lines) and result.problems == []


def test_xml_gathers_a_patient_and_lists_a_split(tmp_path):
    one = record_180(patientIdNumber="00000001", sex="1")
    other_sex = record_180(patientIdNumber="00000001", sex="2")
    source = write_records(tmp_path / "three.txt", one, one, other_sex)
    result = cvnaaccr.convert(source, tmp_path / "three.xml.gz")
    xml = gzip.decompress((tmp_path / "three.xml.gz").read_bytes()).decode("utf-8")
    assert xml.count("<Patient>") == 2 and xml.count("<Tumor>") == 3
    assert result.patient_splits == 1
    assert [(p.kind, p.record) for p in result.problems] == [(cvnaaccr.ProblemKind.PATIENT_SPLIT, 3)]


@pytest.mark.parametrize(
    "options,code,kind",
    [
        (dict(), cvnaaccr.ResultCode.REFUSED, cvnaaccr.ProblemKind.ROOT_CONFLICT),
        (dict(to="csv", items=["noSuchItem"]), cvnaaccr.ResultCode.BAD_ARGUMENT, cvnaaccr.ProblemKind.ITEM_UNKNOWN),
    ],
    ids=["root conflict", "unknown item"],
)
def test_a_refused_conversion_leaves_out_untouched(tmp_path, options, code, kind):
    source = write_records(
        tmp_path / "two.txt",
        record_180(patientIdNumber="00000001"),
        record_180(patientIdNumber="00000002", registryId="0000000042"),
    )
    out = tmp_path / "two.xml"
    out.write_bytes(b"before")
    with pytest.raises(cvnaaccr.ConvertError) as caught:
        cvnaaccr.convert(source, out, **options)
    assert caught.value.code == code and caught.value.problems[0].kind == kind
    assert out.read_bytes() == b"before"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["two.txt", "two.xml"]


@pytest.mark.parametrize(
    "out,options,error",
    [
        ("x.json", {}, ValueError),
        ("x.xml", dict(items=["sex"]), ValueError),
        ("x.xml", dict(to="pdf"), ValueError),
    ],
    ids=["unknown extension", "items for XML", "unknown target"],
)
def test_bad_arguments_are_refused_before_anything_is_written(tmp_path, out, options, error):
    source = write_records(tmp_path / "one.txt", record_180(sex="1"))
    with pytest.raises(error):
        cvnaaccr.convert(source, tmp_path / out, **options)
    assert [p.name for p in tmp_path.iterdir()] == ["one.txt"]


def test_a_missing_source_raises_check_error(tmp_path):
    with pytest.raises(cvnaaccr.CheckError):
        cvnaaccr.convert(tmp_path / "absent.txt", tmp_path / "absent.xml")
    assert list(tmp_path.iterdir()) == []


def test_xml_of_another_project_gives_the_records_and_bytes_of_its_flat_file(tmp_path):
    xml = XMLSAMPLES / "werth-naaccr__synthetic-naaccr-18-incidence.xml"
    flat = PEERDATA / "werth-naaccr__synthetic-naaccr-18-incidence.txt"
    assert list(cvnaaccr.records(xml)) == list(cvnaaccr.records(flat))
    result = cvnaaccr.convert(xml, tmp_path / "back.txt", lf=True)
    lines = flat.read_bytes().split(b"\n")[:-1]
    assert (tmp_path / "back.txt").read_bytes() == b"".join(cvnaaccr.assign_checksum(line) + b"\n" for line in lines)
    # Its root lacks recordType and has a timeGenerated that is no date: listed, nothing lost.
    assert {p.kind for p in result.problems} == {cvnaaccr.ProblemKind.XML_ROOT}

"""cvnaaccr.convert(): records written as NAACCR XML, flat records and CSV; OUT untouched when refused."""

import _thread
import contextlib
import csv
import gzip
import io
import os
import stat
import sys
from pathlib import Path

import pytest

import cvnaaccr
from cvnaaccr import _header
from conftest import PEERDATA, XMLSAMPLES, library_at_least
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
    assert caught.value.problems[0].message in str(caught.value)
    assert out.read_bytes() == b"before"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["two.txt", "two.xml"]


needs_1_5 = pytest.mark.skipif(not library_at_least(1, 5), reason="the library takes these options from 1.5 on")


@needs_1_5
def test_the_options_for_real_files_reach_the_library(tmp_path):
    # Record 2 has another Registry ID, record 3 is cut short, record 1 holds byte 0xE9 (e acute in Latin-1).
    city = padded("addrAtDxCity", "MONT~")
    first = record_180(patientIdNumber="00000001", addrAtDxCity=city).replace(b"~", b"\xe9")
    second = record_180(patientIdNumber="00000002", registryId="0000000042")
    source = write_records(tmp_path / "in.txt", first, second, b"I" + b" " * 15 + b"180")
    options = dict(root_first=True, skip_bad_records=True, encoding="latin1")
    result = cvnaaccr.convert(source, tmp_path / "out.xml", **options)
    assert (result.written, result.left_out) == (2, 2)
    assert [p.kind for p in result.problems] == [cvnaaccr.ProblemKind.ROOT_CONFLICT, cvnaaccr.ProblemKind.RECORD_LENGTH]
    assert "MONT\u00e9" in (tmp_path / "out.xml").read_text(encoding="utf-8")
    assert next(cvnaaccr.records(write_records(tmp_path / "one.txt", first), encoding="latin1"))["addrAtDxCity"] == (
        "MONT\u00e9"
    )


def test_an_unknown_encoding_is_refused(tmp_path):
    source = write_records(tmp_path / "one.txt", record_180(sex="1"))
    with pytest.raises(ValueError):
        cvnaaccr.convert(source, tmp_path / "one.csv", encoding="utf-8")
    with pytest.raises(ValueError):
        list(cvnaaccr.records(source, encoding="ascii"))


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


def split_source(folder, name="in.txt"):
    """Three records, the third a patient split: something to write and one problem to list."""
    one = record_180(patientIdNumber="00000001", sex="1")
    return write_records(folder / name, one, one, record_180(patientIdNumber="00000001", sex="2"))


def make_hard_link(folder, source):
    os.link(source, folder / "hard.txt")
    return source, folder / "hard.txt"


def make_symbolic_link(folder, source):
    (folder / "other.xml").write_bytes(b"before")
    os.symlink("other.xml", folder / "link.xml")
    return source, folder / "link.xml"


# label: how the source and OUT are made of the folder and a source file
REFUSED_OUTPUTS = {
    "OUT is IN": lambda folder, source: (source, source),
    "OUT a hard link of IN": make_hard_link,
    "OUT a symbolic link": make_symbolic_link,
    "IN a stream of OUT's file": lambda folder, source: (open(source, "rb"), source),
    "OUT a folder": lambda folder, source: (source, folder),
}


@pytest.mark.skipif(sys.platform == "win32", reason="links and modes are POSIX ones")
@pytest.mark.parametrize("make", REFUSED_OUTPUTS.values(), ids=REFUSED_OUTPUTS.keys())
def test_an_out_that_is_the_input_or_no_regular_file_is_refused_untouched(tmp_path, make):
    source, out = make(tmp_path, split_source(tmp_path))
    before = {p.name: p.read_bytes() for p in tmp_path.iterdir() if p.is_file()}
    with contextlib.closing(source) if hasattr(source, "read") else contextlib.nullcontext():
        with pytest.raises(ValueError, match="not be the input|not a regular file"):
            cvnaaccr.convert(source, out, to="xml")
    assert {p.name: p.read_bytes() for p in tmp_path.iterdir() if p.is_file()} == before
    assert not list(tmp_path.glob(".cvnaaccr-*"))


@pytest.mark.skipif(sys.platform == "win32", reason="modes are POSIX ones")
@pytest.mark.parametrize("mode", [0o640, 0o604, 0o755, None], ids=["640", "604", "755", "stream"])
def test_out_gets_the_inputs_mode_or_0666_less_the_umask_from_a_stream(tmp_path, mode):
    source = split_source(tmp_path)
    out = tmp_path / "out.xml"
    out.write_bytes(b"before")
    out.chmod(0o600)
    if mode is None:
        umask = os.umask(0o022)
        os.umask(umask)
        with open(source, "rb") as stream:
            cvnaaccr.convert(stream, out)
        assert stat.S_IMODE(out.stat().st_mode) == 0o666 & ~umask
    else:
        source.chmod(mode)
        cvnaaccr.convert(source, out)
        assert stat.S_IMODE(out.stat().st_mode) == mode


MINE = b"""<?xml version="1.0"?>
<NaaccrDictionary dictionaryUri="urn:mine" naaccrVersion="180" specificationVersion="1.4"
                  xmlns="http://naaccr.org/naaccrxml">
<ItemDefs><ItemDef naaccrId="myItem" naaccrNum="9500" length="5" parentXmlElement="Tumor" dataType="digits"/></ItemDefs>
</NaaccrDictionary>
"""
MY_XML = b"""<?xml version="1.0"?>
<NaaccrData baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml" recordType="I"
            userDictionaryUri="urn:mine" specificationVersion="1.4" xmlns="http://naaccr.org/naaccrxml">
  <Patient><Item naaccrId="patientIdNumber">00000001</Item><Tumor><Item naaccrId="myItem">12345</Item></Tumor></Patient>
</NaaccrData>
"""


@pytest.mark.parametrize("given", [str, os.fsencode, Path, lambda path: [path]], ids=["str", "bytes", "Path", "list"])
def test_dictionaries_may_be_one_path_or_a_list(tmp_path, given):
    (tmp_path / "mine.xml").write_bytes(MINE)
    (tmp_path / "my.xml").write_bytes(MY_XML)
    result = cvnaaccr.convert(tmp_path / "my.xml", tmp_path / "out.xml", dictionaries=given(str(tmp_path / "mine.xml")))
    assert result.problems == [] and b'<Item naaccrId="myItem">12345</Item>' in (tmp_path / "out.xml").read_bytes()


def interrupting(real):
    """A ctypes callback type whose callbacks press Ctrl-C (interrupt_main) each time they run."""

    def make(function):
        def pressed(*arguments):
            _thread.interrupt_main()
            return function(*arguments)

        return real(pressed)

    return make


def ctrl_c_in(callback):
    def press(monkeypatch):
        monkeypatch.setattr(_header, callback, interrupting(getattr(_header, callback)))
        return {}

    return press


def raise_keyboard_interrupt(*arguments):
    raise KeyboardInterrupt


# label: what presses Ctrl-C; it returns further arguments of convert()
CTRL_C = {
    "in write": ctrl_c_in("WriteCallback"),
    "in on_problem": ctrl_c_in("ItemProblemCallback"),
    "in the library's progress": ctrl_c_in("ProgressCallback"),
    "in the progress function": lambda monkeypatch: {"progress": raise_keyboard_interrupt},
}


@pytest.mark.parametrize("press", CTRL_C.values(), ids=CTRL_C.keys())
def test_ctrl_c_in_any_callback_raises_and_leaves_out_untouched(tmp_path, monkeypatch, press):
    source = split_source(tmp_path)
    out = tmp_path / "out.xml.gz"
    out.write_bytes(b"before")
    options = press(monkeypatch)
    with pytest.raises(KeyboardInterrupt):
        cvnaaccr.convert(source, out, **options)
    assert out.read_bytes() == b"before"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["in.txt", "out.xml.gz"]


# sex given in the Patient and, otherwise, in its Tumor.
CONFLICT = b"""<?xml version="1.0"?>
<NaaccrData baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml" recordType="I"
            specificationVersion="1.4" xmlns="http://naaccr.org/naaccrxml">
  <Patient>
    <Item naaccrId="patientIdNumber">00000001</Item><Item naaccrId="sex">1</Item>
    <Tumor><Item naaccrId="sex">2</Item><Item naaccrId="primarySite">C509</Item></Tumor>
  </Patient>
</NaaccrData>
"""

needs_1_4 = pytest.mark.skipif(not library_at_least(1, 4), reason="the library tells these from 1.4 on")


# label: (file, the error and the warning it gives, the item and the value records(lossy=True) keeps)
TWO_VALUES = {
    "sex in the Patient and its Tumor": (
        CONFLICT,
        r"tumour 1 .*sex.* '2' in the Tumor, '1' in the Patient",
        r"sex '1' in the Patient is left out",
        "sex",
        "2",
    ),
    "a recordType Item against the root": (
        CONFLICT.replace(b"<Patient>", b'<Item naaccrId="recordType">A</Item><Patient>'),
        r'recordType "A" contradicts the root', r'recordType "A" contradicts the root', "recordType", "A",
    ),
}


@needs_1_4
@pytest.mark.parametrize("xml, error, warning, item, kept", TWO_VALUES.values(), ids=TWO_VALUES.keys())
def test_records_of_two_values_raise_or_with_lossy_warn_of_the_one_left_out(tmp_path, xml, error, warning, item, kept):
    path = tmp_path / "conflict.xml"
    path.write_bytes(xml)
    with pytest.raises(ValueError, match=error):
        list(cvnaaccr.records(path))
    with pytest.warns(UserWarning, match=warning):
        (row,) = cvnaaccr.records(path, lossy=True)
    assert (row[item], row["naaccrRecordVersion"]) == (kept, "180")


@needs_1_4
def test_csv_counts_the_given_items_without_a_column(tmp_path):
    path = tmp_path / "conflict.xml"
    path.write_bytes(CONFLICT)
    columns = "patientIdNumber,recordType,naaccrRecordVersion"
    result = cvnaaccr.convert(path, tmp_path / "out.csv", items=columns, lossy=True)
    assert result.items_without_column == 2  # sex and primarySite

"""check() on NAACCR XML: problems at their line, column, patient and tumour, what the summary says of the file, user dictionaries."""

import gzip
import io
from pathlib import Path

import pytest

import cvnaaccr
from cvnaaccr import ProblemKind as K
from conftest import XMLSAMPLES


ROOT = (
    'baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml" recordType="I" '
    'specificationVersion="1.8"'
)
FAULTS = f"""<?xml version="1.0" encoding="UTF-8"?>
<NaaccrData {ROOT} userDictionaryUri="urn:mine" xmlns="http://naaccr.org/naaccrxml">
  <Patient>
    <Item naaccrId="sex">X</Item>
    <Tumor>
      <Item naaccrId="dateOfDiagnosis">20191345</Item>
      <Item naaccrId="myItem">12x45</Item>
    </Tumor>
    <Tumor>
      <Item naaccrId="primarySite">C509</Item>
      <Item naaccrId="primarySite">C509</Item>
    </Tumor>
  </Patient>
  <Patient>
    <Tumor><Tumour/></Tumor>
  </Patient>
</NaaccrData>
""".encode()

MINE = b"""<?xml version="1.0"?>
<NaaccrDictionary dictionaryUri="urn:mine" naaccrVersion="250" specificationVersion="1.8" xmlns="http://naaccr.org/naaccrxml">
<ItemDefs>
<ItemDef naaccrId="myItem" naaccrNum="9500" naaccrName="Mine" length="5" recordTypes="A,M,C,I" parentXmlElement="Tumor" dataType="digits"/>
</ItemDefs>
</NaaccrDictionary>
"""

# (line, column, patient, tumour, record, kind, item number, item id, value)
WITHOUT_MINE = [
    (4, 5, 1, 0, 0, K.ITEM_DATA_TYPE, 220, "sex", "X"),
    (6, 7, 1, 1, 1, K.ITEM_DATE, 390, "dateOfDiagnosis", "20191345"),
    (7, 7, 1, 1, 1, K.ITEM_UNKNOWN, 0, "myItem", "12x45"),
    (11, 7, 1, 2, 2, K.ITEM_REPEATED, 400, "primarySite", "C509"),
    (15, 12, 2, 1, 3, K.XML_STRUCTURE, None, None, None),
]
WITH_MINE = WITHOUT_MINE[:2] + [(7, 7, 1, 1, 1, K.ITEM_DATA_TYPE, 9500, "myItem", "12x45")] + WITHOUT_MINE[3:]


def places(problems):
    return [
        (
            p.line,
            p.column,
            p.patient,
            p.tumor,
            p.record,
            p.kind,
            p.item.number if p.item else None,
            p.item.id if p.item else None,
            p.value,
        )
        for p in problems
    ]


@pytest.fixture
def files(tmp_path):
    (tmp_path / "faults.xml").write_bytes(FAULTS)
    (tmp_path / "faults.xml.gz").write_bytes(gzip.compress(FAULTS))
    (tmp_path / "mine.xml").write_bytes(MINE)
    (tmp_path / "broken.xml").write_bytes(MINE[:150])
    return tmp_path


def sources(files):
    """Each way to hand the same file over, by label."""
    return {
        "path as str": lambda: str(files / "faults.xml"),
        "path as Path": lambda: files / "faults.xml",
        "bytes stream": lambda: io.BytesIO(FAULTS),
        "gzip stream": lambda: gzip.open(files / "faults.xml.gz"),
        "one thread": lambda: files / "faults.xml",
    }


@pytest.mark.parametrize("dictionaries, want", [([], WITHOUT_MINE), (["mine.xml"], WITH_MINE)])
def test_xml_problems_stand_at_their_place_however_the_file_comes(files, dictionaries, want):
    loaded = [files / name for name in dictionaries]
    for label, source in sources(files).items():
        result = cvnaaccr.check_file(source(), dictionaries=loaded, threads=1 if label == "one thread" else 0)
        assert places(result.problems) == want, label
        assert result.summary.problems == len(want), label


def test_the_summary_says_what_the_xml_file_is(files):
    summary = cvnaaccr.check_file(files / "faults.xml").summary
    assert (summary.format, summary.version, summary.record_type) == ("xml", "250", "I")
    assert (summary.specification_version, summary.user_dictionaries) == ("1.8", "urn:mine")
    assert (summary.patients, summary.tumors, summary.records) == (2, 3, 3)
    assert summary.items == 4
    assert summary.counts[K.ITEM_UNKNOWN] == 1 and summary.significant_problems == 5


def test_xml_is_checked_item_by_item_without_asking(files):
    plain = cvnaaccr.check_file(files / "faults.xml", items=False)
    asked = cvnaaccr.check_file(files / "faults.xml", items=True)
    assert places(plain.problems) == places(asked.problems) == WITHOUT_MINE


def test_an_unknown_item_names_the_dictionaries_not_loaded(files):
    unknown = [p for p in cvnaaccr.check_file(files / "faults.xml").problems if p.kind == K.ITEM_UNKNOWN]
    assert len(unknown) == 1 and "urn:mine" in unknown[0].message
    assert unknown[0].item.name == "" and unknown[0].item.number == 0


@pytest.mark.parametrize(
    "label, dictionaries",
    [("missing", ["nothing.xml"]), ("not well-formed", ["broken.xml"]), ("one good, one missing", ["mine.xml", "x.xml"])],
)
def test_a_user_dictionary_that_cannot_be_loaded_is_a_problem(files, label, dictionaries):
    result = cvnaaccr.check_file(files / "faults.xml", dictionaries=[files / d for d in dictionaries])
    assert result.summary.counts[K.USER_DICTIONARY] >= 1, label
    assert any(p.kind == K.USER_DICTIONARY and p.item is None for p in result.problems), label


def test_dictionaries_are_one_path_or_paths(files):
    one = cvnaaccr.check_file(files / "faults.xml", dictionaries=str(files / "mine.xml"))
    assert places(one.problems) == WITH_MINE
    with pytest.raises(ValueError):
        cvnaaccr.check_file(files / "faults.xml", dictionaries=["mi\0ne.xml"])


def test_an_xml_problem_says_its_line_column_patient_and_tumour(files):
    said = [str(p).split(":")[0] for p in cvnaaccr.check_file(files / "faults.xml").problems]
    assert said[:2] == ["line 4, column 5 (patient 1)", "line 6, column 7 (patient 1, tumour 1)"]


def test_a_flat_file_says_it_is_flat_and_has_no_xml_places(fault_file):
    result = cvnaaccr.check_file(fault_file)
    assert result.summary.format == "flat" and result.summary.patients == 0
    assert result.summary.specification_version == "" and result.summary.user_dictionaries == ""
    assert all(p.line == 0 and p.patient == 0 and p.tumor == 0 for p in result.problems)


SAMPLES = [
    # file, problems, format fields (version, record type, specificationVersion), patients, tumours
    ("naaccr-xml__valid_standard-file-1.xml", {}, ("240", "I", "1.7"), 2, 1),
    ("naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz", {}, ("250", "I", "1.7"), 944, 1000),
    ("naaccr-xml__invalid_value-to-long-1.xml", {K.ITEM_TOO_LONG: 1}, ("240", "A", "1.7"), 1, 1),
    ("naaccr-xml__xml-reader-duplicate-items.xml", {K.ITEM_REPEATED: 1, K.XML_ROOT: 1}, ("160", "I", "1.1"), 1, 1),
    ("werth-naaccr__synthetic-naaccr-18-incidence.xml", {K.XML_ROOT: 2}, ("180", " ", "1.4"), 17, 20),
]


@pytest.mark.parametrize("name, problems, root, patients, tumors", SAMPLES)
def test_the_sample_files(name, problems, root, patients, tumors):
    path = XMLSAMPLES / name
    source = gzip.open(path) if name.endswith(".gz") else path
    summary = cvnaaccr.check_file(source).summary
    assert {k: n for k, n in summary.counts.items() if n} == problems
    assert (summary.version, summary.record_type, summary.specification_version) == root
    assert (summary.patients, summary.tumors, summary.format) == (patients, tumors, "xml")

"""Python = the command: the same files, plain, gzip, NAACCR XML and streams, give what the command line gives."""

import contextlib
import csv
import gzip
import io
import json
import re
import subprocess

import pytest

import cvnaaccr
from test_dictionary import record_180

# Two patients, a bad date (a check problem that does not stop a conversion).
XML = b"""<?xml version="1.0" encoding="UTF-8"?>
<NaaccrData baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml" recordType="I"
            specificationVersion="1.4" xmlns="http://naaccr.org/naaccrxml">
  <Item naaccrId="registryId">0000000042</Item>
  <Patient>
    <Item naaccrId="patientIdNumber">00000001</Item>
    <Item naaccrId="sex">2</Item>
    <Tumor><Item naaccrId="primarySite">C509</Item><Item naaccrId="dateOfDiagnosis">20191345</Item></Tumor>
    <Tumor><Item naaccrId="primarySite">C619</Item></Tumor>
  </Patient>
  <Patient><Item naaccrId="patientIdNumber">00000002</Item><Tumor/></Patient>
</NaaccrData>
"""


@pytest.fixture(scope="module")
def files(tmp_path_factory):
    folder = tmp_path_factory.mktemp("same")
    one = record_180(patientIdNumber="00000001", sex="1", primarySite="C509")
    flat = one + b"\n" + one + b"\n" + record_180(patientIdNumber="00000001", sex="2") + b"\n"
    (folder / "flat.txt").write_bytes(flat)
    (folder / "flat.txt.gz").write_bytes(gzip.compress(flat))
    (folder / "faults.xml").write_bytes(XML)
    (folder / "faults.xml.gz").write_bytes(gzip.compress(XML))
    (folder / "hidden.xml").write_bytes(gzip.compress(XML))
    return folder


# label: (file, handed to Python as a binary stream and to the command as "-")
INPUTS = {
    "flat": ("flat.txt", False),
    "flat, gzip": ("flat.txt.gz", False),
    "flat, stream": ("flat.txt", True),
    "XML": ("faults.xml", False),
    "XML, gzip": ("faults.xml.gz", False),
    "XML, gzip named .xml": ("hidden.xml", False),
    "XML, gzip stream": ("faults.xml.gz", True),
}


@pytest.mark.parametrize("name, stream", INPUTS.values(), ids=INPUTS.keys())
def test_python_says_what_the_command_says(files, command, tmp_path, name, stream):
    path = files / name

    def given():
        return open(path, "rb") if stream else contextlib.nullcontext(path)

    def run(*arguments):
        with open(path, "rb") as standard_input:
            line = [command, *arguments[:1], "-" if stream else path, *arguments[1:]]
            return subprocess.run(line, stdin=standard_input, capture_output=True, timeout=60)

    said = json.loads(run("check", "--json", "--max-problems", "0").stdout)
    places = [(p["code"], p["record"], p.get("line", 0), p["column"]) for p in said["problems"]]
    with given() as source:
        result = cvnaaccr.check_file(source)
    assert [(p.kind, p.record, p.line, p.column) for p in result.problems] == places
    assert (result.summary.problems, result.summary.records) == (said["problem_count"], said["records"])
    with given() as source:
        assert [(p.kind, p.record, p.line, p.column) for p in cvnaaccr.check(source)] == places

    written = run("convert", "-o", tmp_path / "command.csv")
    with given() as source:
        converted = cvnaaccr.convert(source, tmp_path / "python.csv")
    assert (tmp_path / "python.csv").read_bytes() == (tmp_path / "command.csv").read_bytes()
    said = written.stdout + written.stderr
    counts = re.search(rb"(\d+) rows? written, (\d+) patient splits?, (\d+) left out", said).groups()
    assert (converted.written, converted.patient_splits, converted.left_out) == tuple(map(int, counts))

    rows = csv.DictReader(io.StringIO((tmp_path / "command.csv").read_text("utf-8"), newline=""))
    with given() as source:
        assert list(cvnaaccr.records(source)) == [{k: v for k, v in row.items() if v} for row in rows]

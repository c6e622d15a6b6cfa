"""check_files(): folders walked as the command line walks them, one summary per file in order."""

import os
import shutil

import pytest

import cvnaaccr
from conftest import SAMPLES, XMLSAMPLES


@pytest.fixture
def month(tmp_path):
    """A month's folder: facilities' folders, a letter, links that loop or lead to a folder."""
    root = tmp_path / "month"
    (root / "b-facility").mkdir(parents=True)
    (root / "a-facility").mkdir()
    shutil.copy(SAMPLES / "i-180-lf.txt", root / "a-facility" / "clean.txt")
    shutil.copy(SAMPLES / "illegal-character.txt", root / "a-facility" / "faulty.txt")
    shutil.copy(XMLSAMPLES / "naaccr-xml__valid_standard-file-1.xml", root / "b-facility" / "standard.xml")
    shutil.copy(SAMPLES / "i-180-lf.txt", root / ".hidden.txt")
    (root / "letter.pdf").write_bytes(b"%PDF-1.4 a letter\n")
    os.symlink("..", root / "b-facility" / "up")
    os.symlink("loop-b", root / "loop-a")
    os.symlink("loop-a", root / "loop-b")
    return root


@pytest.mark.parametrize(
    "label, recursive, include, expected",
    [
        ("its own files alone", False, (), ["letter.pdf not NAACCR", "loop-a unreadable", "loop-b unreadable"]),
        ("nested, in name order", True, (),
         ["a-facility/clean.txt passed", "a-facility/faulty.txt problems", "b-facility/standard.xml passed",
          "letter.pdf not NAACCR", "loop-a unreadable", "loop-b unreadable"]),
        ("patterns", True, ("*.xml", "c*"), ["a-facility/clean.txt passed", "b-facility/standard.xml passed"]),
    ],
)
def test_check_files_walks_folders_as_the_command_line_does(month, label, recursive, include, expected):
    found = [
        "%s %s" % (os.path.relpath(each.path, month), each.result)
        for each in cvnaaccr.check_files(month, recursive=recursive, include=include)
    ]
    assert found == expected, label


def test_check_files_gives_the_same_summaries_whatever_the_threads(month):
    def summaries(threads):
        return [(s.path, s.result, s.reason, s.summary) for s in
                cvnaaccr.check_files([month, SAMPLES], recursive=True, threads=threads, items=True)]

    one = summaries(1)
    assert len(one) > 20
    assert summaries(3) == one
    loop = [s for s in one if s[0].endswith("loop-a")][0]
    assert "link leads nowhere" in loop[2] and loop[3] is None


def test_check_files_agrees_with_the_command_lines_summary_csv(month, command, tmp_path):
    import csv
    import subprocess

    rows = tmp_path / "rows.csv"
    subprocess.run([str(command), "check", "--recursive", "--quiet", "--summary-csv", str(rows), str(month)],
                   capture_output=True)
    with open(rows, newline="") as f:
        table = [(row["file"], row["result"], int(row["problems"])) for row in csv.DictReader(f)][:-1]
    ours = [(s.path, s.result, s.summary.problems if s.summary else 0)
            for s in cvnaaccr.check_files(month, recursive=True)]
    assert ours == table

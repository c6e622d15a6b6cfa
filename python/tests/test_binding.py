"""The ctypes side agrees with the C header, and the library is found or refused clearly."""

import ctypes
import os
import re
import subprocess
import sys

import pytest

import cvnaaccr
from cvnaaccr import _native
from conftest import HEADER, REPOSITORY, header_defines

STRUCTS = {
    "NaaccrFileInfo": _native.NaaccrFileInfo,
    "NaaccrLibraryInfo": _native.NaaccrLibraryInfo,
    "NaaccrProblem": _native.NaaccrProblem,
    "NaaccrRecordView": _native.NaaccrRecordView,
    "NaaccrCheckSummary": _native.NaaccrCheckSummary,
    "NaaccrCheckOptions": _native.NaaccrCheckOptions,
}


def test_struct_layouts_match_the_headers_static_asserts():
    text = HEADER.read_text()
    sizes = re.findall(r"sizeof\((\w+)\) == (\d+)\b(?!\s*\+)", text)
    offsets = re.findall(r"offsetof\((\w+), (\w+)\) == (\d+)\s*,", text)
    assert len(sizes) >= 5 and len(offsets) >= 15
    for name, size in sizes:
        assert ctypes.sizeof(STRUCTS[name]) == int(size), name
    for name, field, offset in offsets:
        assert getattr(STRUCTS[name], field).offset == int(offset), f"{name}.{field}"
    pointer = ctypes.sizeof(ctypes.c_void_p)
    assert ctypes.sizeof(_native.NaaccrCheckOptions) == 16 + 4 * pointer
    assert _native.NaaccrRecordView.length.offset == 16 + pointer


@pytest.mark.parametrize(
    "prefix, enum, skipped",
    [
        ("NAACCR_REC_", cvnaaccr.ResultCode, set()),
        ("NAACCR_CHECK_", cvnaaccr.ProblemKind, {"KINDS", "CHECKSUMS", "LONGEST_VIEW"}),
    ],
    ids=["result codes", "problem kinds"],
)
def test_enums_name_every_code_of_the_header(prefix, enum, skipped):
    defined = {name[len(prefix):]: value for name, value in header_defines(prefix).items()}
    expected = {name: value for name, value in defined.items() if name not in skipped}
    assert {member.name: member.value for member in enum} == expected


def test_field_constants_match_the_header():
    for name, value in header_defines("CV_FIELD_").items():
        assert getattr(cvnaaccr, name) == value, name


def test_a_code_without_a_name_keeps_its_number():
    code = cvnaaccr.ResultCode(8192)
    assert code == 8192 and code.name == "CODE_8192" and code.is_problem


def test_package_version_is_the_librarys():
    assert cvnaaccr.__version__ == cvnaaccr.library_info().library_version
    macro = re.search(r'#define CVNAACCR_VERSION_STRING "([^"]+)"', HEADER.read_text())
    project = re.search(r"project\(cvnaaccr VERSION ([\d.]+)", (REPOSITORY / "CMakeLists.txt").read_text())
    assert cvnaaccr.__version__ == (macro.group(1) if macro else project.group(1))


def run_python(code, **environment):
    env = dict(os.environ, PYTHONPATH=str(REPOSITORY / "python"), **environment)
    return subprocess.run([sys.executable, "-c", code], env=env, capture_output=True, text=True, timeout=60)


def test_a_missing_library_named_by_the_variable_fails_on_first_use_with_its_name():
    result = run_python(
        "import cvnaaccr\n"
        "try:\n"
        "    cvnaaccr.library_info()\n"
        "except cvnaaccr.LibraryNotFoundError as error:\n"
        "    assert isinstance(error, OSError)\n"
        "    print(error)\n",
        CVNAACCR_LIBRARY="/nonexistent/libcvnaaccr.so",
    )
    assert result.returncode == 0, result.stderr
    assert "CVNAACCR_LIBRARY" in result.stdout and "/nonexistent/libcvnaaccr.so" in result.stdout


@pytest.mark.skipif(sys.platform == "win32", reason="the dynamic loader's search path is a POSIX one")
def test_without_the_variable_the_library_is_found_by_the_loaders_search():
    folder = os.path.dirname(os.environ["CVNAACCR_LIBRARY"])
    result = run_python(
        "import cvnaaccr\nprint(cvnaaccr.load_library(), cvnaaccr.library_info().library_version)",
        CVNAACCR_LIBRARY="",
        LD_LIBRARY_PATH=folder,
    )
    assert result.returncode == 0, result.stderr
    assert result.stdout.split()[1] == cvnaaccr.__version__


def test_loading_a_file_that_is_no_library_keeps_the_loaded_one(tmp_path):
    cvnaaccr.library_info()
    fake = tmp_path / "libcvnaaccr.so"
    fake.write_text("not a library")
    with pytest.raises(cvnaaccr.LibraryNotFoundError, match="libcvnaaccr.so"):
        cvnaaccr.load_library(fake)
    assert cvnaaccr.library_info().library_version == cvnaaccr.__version__

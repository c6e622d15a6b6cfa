"""The ctypes side agrees with the C header, and the library is found or refused clearly."""

import ctypes
import os
import re
import subprocess
import sys

import pytest

import cvnaaccr
from cvnaaccr import _header, _native
from conftest import HEADER, REPOSITORY, header_defines

STRUCTS = {
    "NaaccrFileInfo": _header.NaaccrFileInfo,
    "NaaccrLibraryInfo": _header.NaaccrLibraryInfo,
    "NaaccrProblem": _header.NaaccrProblem,
    "NaaccrRecordView": _header.NaaccrRecordView,
    "NaaccrCheckSummary": _header.NaaccrCheckSummary,
    "NaaccrCheckOptions": _header.NaaccrCheckOptions,
    "NaaccrItemDef": _header.NaaccrItemDef,
    "NaaccrItemProblem": _header.NaaccrItemProblem,
    "NaaccrCodeReport": _header.NaaccrCodeReport,
    "NaaccrItemCheckOptions": _header.NaaccrItemCheckOptions,
    "NaaccrItemCheckSummary": _header.NaaccrItemCheckSummary,
    "NaaccrItemValue": _header.NaaccrItemValue,
    "NaaccrTumorView": _header.NaaccrTumorView,
    "NaaccrReadOptions": _header.NaaccrReadOptions,
    "NaaccrConvertOptions": _header.NaaccrConvertOptions,
    "NaaccrConvertSummary": _header.NaaccrConvertSummary,
    "NaaccrItemCode": _header.NaaccrItemCode,
}


def c_value(expression):
    """A constant expression of the header's static asserts, for this interpreter's pointer size."""
    defines = header_defines("NAACCR_")
    text = expression.replace("sizeof(void *)", str(ctypes.sizeof(ctypes.c_void_p)))
    text = re.sub(r"\bNAACCR_\w+", lambda name: str(defines[name.group(0)]), text)
    text = re.sub(r"(\d+) > (\d+) \? (\d+) : (\d+)", r"\3 if \1 > \2 else \4", text)
    assert re.fullmatch(r"[\d\s+*()<>ifelse]+", text), expression
    return eval(text)  # numbers and arithmetic only, as the assertion above makes sure


def test_struct_layouts_match_the_headers_static_asserts():
    text = HEADER.read_text()
    asserts = re.findall(r"CV_STATIC_ASSERT\((sizeof|offsetof)\((\w+)(?:, (\w+))?\) == ([^,]+),", text)
    assert len([a for a in asserts if a[0] == "sizeof"]) >= 10 and len(asserts) >= 30
    assert {a[1] for a in asserts} == set(STRUCTS)
    for what, name, field, expression in asserts:
        expected = c_value(expression)
        if what == "sizeof":
            assert ctypes.sizeof(STRUCTS[name]) == expected, name
        else:
            assert getattr(STRUCTS[name], field).offset == expected, f"{name}.{field}"


# NAACCR_CHECK_ numbers that are no kind of problem.
NOT_KINDS = {"KINDS", "ALL_KINDS", "CHECKSUMS", "ITEMS", "CODES", "IDS", "MOST_HELD", "LONGEST_VIEW"}


@pytest.mark.parametrize(
    "prefix, enum, skipped",
    [
        ("NAACCR_REC_", cvnaaccr.ResultCode, set()),
        ("NAACCR_CHECK_", cvnaaccr.ProblemKind, NOT_KINDS),
    ],
    ids=["result codes", "problem kinds"],
)
def test_enums_name_every_code_of_the_header(prefix, enum, skipped):
    defined = {name[len(prefix):]: value for name, value in header_defines(prefix).items()}
    expected = {name: value for name, value in defined.items() if name not in skipped}
    assert {member.name: member.value for member in enum} == expected


def test_every_number_of_the_header_has_its_python_name():
    defines = header_defines("")
    assert len(defines) > 75 and defines["NAACCR_CHECK_LONGEST_VIEW"] == 1 << 20
    for name, value in defines.items():
        if name.startswith("CVNAACCR_VERSION_"):
            continue  # the version is compared as a whole below
        elif name.startswith("NAACCR_REC_"):
            assert cvnaaccr.ResultCode[name[len("NAACCR_REC_"):]] == value, name
        elif name.startswith("NAACCR_CHECK_") and name[len("NAACCR_CHECK_"):] not in NOT_KINDS:
            assert cvnaaccr.ProblemKind[name[len("NAACCR_CHECK_"):]] == value, name
        elif name.startswith("CV_FIELD_"):
            assert getattr(cvnaaccr, name) == value, name
        else:
            assert getattr(_header, name, None) == value, name


def test_kind_labels_are_the_librarys():
    label_of = _native.library().cvGetNaaccrKindLabel
    label_of.restype, label_of.argtypes = ctypes.c_char_p, [ctypes.c_int32]
    labels = {kind.name: label_of(kind).decode() for kind in cvnaaccr.ProblemKind}
    assert {kind.name: kind.label for kind in cvnaaccr.ProblemKind} == labels
    assert cvnaaccr.ProblemKind.ITEM_DATE.text == "Item date", "text is the label"
    assert cvnaaccr.ProblemKind(47).label == "" and label_of(47) is None


def test_field_constants_match_the_header():
    for name, value in header_defines("CV_FIELD_").items():
        assert getattr(cvnaaccr, name) == value, name


def test_a_code_without_a_name_keeps_its_number():
    code = cvnaaccr.ResultCode(1 << 20)
    assert code == 1 << 20 and code.name == "CODE_1048576" and code.is_problem


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
        "import cvnaaccr\nprint(cvnaaccr.load_library(), cvnaaccr.library_info().library_version, cvnaaccr.library_path())",
        CVNAACCR_LIBRARY="",
        LD_LIBRARY_PATH=folder,
    )
    assert result.returncode == 0, result.stderr
    name, version, path = result.stdout.split()
    # Found by name; library_path() names the file the loader took.
    assert version == cvnaaccr.__version__ and path == os.path.join(folder, name)


def test_loading_a_file_that_is_no_library_keeps_the_loaded_one(tmp_path):
    cvnaaccr.library_info()
    fake = tmp_path / "libcvnaaccr.so"
    fake.write_text("not a library")
    with pytest.raises(cvnaaccr.LibraryNotFoundError, match="libcvnaaccr.so"):
        cvnaaccr.load_library(fake)
    assert cvnaaccr.library_info().library_version == cvnaaccr.__version__

"""check(..., codes=True) and codes(version, item): the codes through the package, and a library without them."""

import ctypes

import pytest

import cvnaaccr
from cvnaaccr import ProblemKind as K
from cvnaaccr import _header, _native
from conftest import v18_incidence


# The record of the issue: sex 7, C999, 9999, behavior 5, laterality 8, age 150; and a birth after the diagnosis.
ISSUE = v18_incidence(c222="7", c223="150", c554="C999", c558="8", c564="9999", c568="5")
LATE_BIRTH = v18_incidence(c226="20220101", c544="20210520", c223="000")


@pytest.fixture
def codes_file(tmp_path):
    path = tmp_path / "codes.txt"
    path.write_bytes(ISSUE + b"\n" + LATE_BIRTH + b"\n")
    return path


def test_codes_are_checked_only_when_asked(codes_file):
    summary, problems = cvnaaccr.check_file(codes_file, items=True)
    assert problems == [] and summary.codes is None
    summary, problems = cvnaaccr.check_file(codes_file, codes=True)
    assert [(p.record, p.kind) for p in problems] == [(1, K.ITEM_CODE)] * 6 + [(2, K.ITEM_DATE_ORDER)]
    assert (problems[-1].column, problems[-1].item.id, problems[-1].value) == (226, "dateOfBirth", "20220101")
    assert summary.codes == cvnaaccr.CodeReport(180, "NAACCR 180", "2022-04-29", (2021, 2023), 2, 0, 0)


@pytest.mark.parametrize(
    "version, item, count, first",
    [
        (180, "maritalStatusAtDx", 7, cvnaaccr.ItemCode("1", 180, "Single (never married)")),
        (18, 400, 330, cvnaaccr.ItemCode("C000", 180, None)),
        ("250", "histologicTypeIcdO3", 865, cvnaaccr.ItemCode("8000", 180, None)),
        (180, "dateOfDiagnosis", 0, None),
    ],
    ids=["labelled", "by number, codes only", "of a later version", "an item without a list"],
)
def test_codes_of_an_item(version, item, count, first):
    found = cvnaaccr.codes(version, item)
    assert len(found) == count and (found[0] if found else None) == first


@pytest.mark.parametrize("version, item", [(170, "sex"), (180, "noSuchItem"), (260, "sex")])
def test_codes_of_what_the_dictionary_does_not_define_raise(version, item):
    with pytest.raises(ValueError):
        cvnaaccr.codes(version, item)


class OlderLibrary:
    """The loaded library without the export of the codes (as 1.3 and 1.4 are); records the options' size."""

    def __init__(self, library):
        self._library = library
        self.sizes = []

    def __getattr__(self, name):
        if name == "cvGetNaaccrItemCodes":
            raise AttributeError(name)
        function = getattr(self._library, name)
        if name != "cvCheckNaaccrFileEx":
            return function
        sizes = self.sizes

        class Recorded:
            def __setattr__(self, attribute, value):
                setattr(function, attribute, value)

            def __call__(self, path, options, summary):
                sizes.append(ctypes.cast(options, ctypes.POINTER(ctypes.c_uint32)).contents.value)
                return function(path, options, summary)

        return Recorded()


def test_an_older_library_is_told_by_its_exports(codes_file, monkeypatch):
    older = OlderLibrary(_native.library())
    monkeypatch.setattr(_native, "library", lambda: older)
    with pytest.raises(cvnaaccr.LibraryNotFoundError, match="cannot check codes"):
        cvnaaccr.check_file(codes_file, codes=True)
    with pytest.raises(cvnaaccr.LibraryNotFoundError, match="no lists of codes"):
        cvnaaccr.codes(180, "sex")
    summary, problems = cvnaaccr.check_file(codes_file, items=True)
    assert problems == [] and summary.codes is None
    assert older.sizes == [_header.NaaccrItemCheckOptions.code_report.offset], "the options of 1.3, which it takes"

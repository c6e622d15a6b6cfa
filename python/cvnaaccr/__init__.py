"""cvnaaccr: NAACCR fixed-length record files, through the cvnaaccr C library.

Inspect a file (record type, NAACCR version, record length and count), check
every record of a file or stream, and compute, write and verify CRC-32 check
fields and the NAACCR checksum field of records held in memory::

    import cvnaaccr
    info = cvnaaccr.inspect("incidence.txt")
    print(info.record_type, info.version, info.record_count, info.message)
    for problem in cvnaaccr.check("incidence.txt", checksums=True):
        print(problem)
    items = cvnaaccr.dictionary(180)          # NAACCR's data items of version 18
    sexes = cvnaaccr.codes(180, "sex")        # the allowed codes of an item
    rows = list(cvnaaccr.records("incidence.xml.gz"))  # {naaccrId: value} per tumour
    cvnaaccr.convert("incidence.txt", "incidence.xml")   # or .csv, .txt; .gz compresses

Inputs are read as the command line reads them: a path, plain or gzip (told
by its first bytes), or a binary file object such as ``sys.stdin.buffer``.

The shared library is loaded on first use: the file named by the environment
variable CVNAACCR_LIBRARY, else the one inside the package (an install from a
checkout with CMake puts it there), else the installed one (see load_library);
library_path() says which file is in use.
"""

from ._check_field import assign_checksum, assign_crc32, calc_crc32, compare_checksum, compare_crc32
from ._check_results import CheckResult, CheckSummary, CodeReport, Problem, ProblemItem, Stopped
from ._checker import CheckRun, check, check_file
from ._convert import ConvertError, ConvertProblem, ConvertResult, convert
from ._dictionary import ItemDef, dictionary
from ._codes import (
    CV_FIELD_MISMATCH,
    CV_FIELD_OK,
    CV_FIELD_PAST_END,
    CV_FIELD_TOO_NARROW,
    CV_FIELD_TOO_WIDE,
    CheckError,
    CheckFieldError,
    CvnaaccrError,
    LibraryNotFoundError,
    ProblemKind,
    ResultCode,
)
from ._file_info import FileInfo, LibraryInfo, inspect, library_info
from ._item_codes import ItemCode, codes
from ._native import LIBRARY_VARIABLE, library_path, load_library
from ._records import records
from ._version import __version__

__all__ = [
    "CV_FIELD_MISMATCH",
    "CV_FIELD_OK",
    "CV_FIELD_PAST_END",
    "CV_FIELD_TOO_NARROW",
    "CV_FIELD_TOO_WIDE",
    "CheckError",
    "CheckFieldError",
    "CheckResult",
    "CheckRun",
    "CheckSummary",
    "CodeReport",
    "ConvertError",
    "ConvertProblem",
    "ConvertResult",
    "CvnaaccrError",
    "FileInfo",
    "ItemCode",
    "ItemDef",
    "LIBRARY_VARIABLE",
    "LibraryInfo",
    "LibraryNotFoundError",
    "Problem",
    "ProblemItem",
    "ProblemKind",
    "ResultCode",
    "Stopped",
    "__version__",
    "assign_checksum",
    "assign_crc32",
    "calc_crc32",
    "check",
    "check_file",
    "codes",
    "compare_checksum",
    "compare_crc32",
    "convert",
    "dictionary",
    "inspect",
    "library_info",
    "library_path",
    "load_library",
    "records",
]

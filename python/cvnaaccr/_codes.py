"""Result codes, kinds of problem and exceptions of the cvnaaccr package."""

from __future__ import annotations

import enum
from typing import Any, Optional

#: cvAssignCRC32 / cvAssignChecksum: written; cvCompareCRC32 / cvCompareChecksum: the field matches.
CV_FIELD_OK = 0
#: compare_checksum: the field does not hold the checksum (or the record ends inside it).
CV_FIELD_MISMATCH = -1
#: assign_crc32: the width is below 8.  The same number as CV_FIELD_MISMATCH.
CV_FIELD_TOO_NARROW = -1
#: assign_crc32: the width is above 99.
CV_FIELD_TOO_WIDE = -2
#: assign_crc32 / assign_checksum: the field does not lie within the record.
CV_FIELD_PAST_END = -3


class _OpenIntEnum(enum.IntEnum):
    """An IntEnum that also takes numbers it has no name for.

    A newer library may return a code this package does not know yet; it comes
    back as a member named CODE_<n> rather than failing the conversion.
    """

    @classmethod
    def _missing_(cls, value: Any) -> Any:
        if not isinstance(value, int):
            return None
        member = int.__new__(cls, value)
        member._name_ = f"CODE_{value}"
        member._value_ = value
        return member


class ResultCode(_OpenIntEnum):
    """The library's NAACCR_REC_ result codes.

    0 is success; a positive code is a problem (the file is not a consistent
    record file, or it could not be read); a negative code is an insignificant
    anomaly at the end of a file, and every other finding is still valid.
    """

    OK = 0
    MIXED_TYPES = 1
    UNEVEN_LENGTH = 2
    BAD_VERSION = 4
    BAD_TYPE = 8
    TOO_SHORT = 16
    EMPTY_FILE = 32
    OPEN_FAILED = 64
    NO_MEMORY = 256
    ILLEGAL_CHAR = 512
    NO_CHECKSUM = 1024
    READ_FAILED = 2048
    BAD_ARGUMENT = 4096
    REFUSED = 8192
    WRITE_FAILED = 16384
    STOPPED = 32768
    TERMINATOR_OMITTED = -1
    STRAY_CTRL_Z = -2

    @property
    def is_problem(self) -> bool:
        """True for a positive code: the file has a problem."""
        return self > 0

    @property
    def is_anomaly(self) -> bool:
        """True for a negative code: an insignificant anomaly at the end of the file."""
        return self < 0


class ProblemKind(_OpenIntEnum):
    """The kinds of problem the record and item checkers report (NAACCR_CHECK_ kinds).

    ``label`` names a kind in a registrar's words ("Record length", "Item
    date"), as the command line and veldrix show it.
    """

    RECORD_LENGTH = 1
    """The record's length differs from the first record's."""
    LAYOUT_LENGTH = 2
    """The first record's length differs from its layout's."""
    RECORD_TYPE = 3
    """Column 1 holds no valid type, or another than the first record's."""
    VERSION = 4
    """The version code is not valid, or differs from the first record's."""
    ILLEGAL_BYTE = 5
    """A byte outside 32 to 126 (NUL, TAB, 127 to 255) in a record."""
    SPLIT_RECORD = 6
    """A lone CR or LF inside a record: the record is split in two."""
    TERMINATOR_FORM = 7
    """The record ends in another terminator than the first record."""
    TERMINATOR_OMITTED = 8
    """The last record lacks its terminator (an insignificant anomaly)."""
    STRAY_CTRL_Z = 9
    """One Ctrl-Z follows the last record (an insignificant anomaly)."""
    PARTIAL_RECORD = 10
    """The file ends inside a record."""
    BYTE_ORDER_MARK = 11
    """The file starts with a UTF-8 or UTF-16 byte-order mark."""
    CHECKSUM_MISMATCH = 12
    """The checksum field does not hold the record's checksum."""
    CHECKSUM_BLANK = 13
    """The checksum field holds only blanks: not assigned yet."""
    NO_CHECKSUM = 14
    """The layout has no checksum field (reported once, at record 1)."""
    CHECKSUM_CUT = 15
    """The record ends before the end of its checksum field."""
    ITEM_DATA_TYPE = 16
    """The value is not of the item's data type."""
    ITEM_SHORT = 17
    """The value is shorter than a fixed-length item."""
    ITEM_DATE = 18
    """Not a valid date or time."""
    ITEM_PADDING = 19
    """A blank inside a zero-padded value, or padding on the wrong side."""
    NO_DICTIONARY = 20
    """A record's type and version have no dictionary (once per file)."""
    ITEM_TOO_LONG = 21
    """The value is longer than the item (XML)."""
    ITEM_BLANKS = 22
    """The value starts or ends with a blank (XML)."""
    ITEM_UNKNOWN = 23
    """No loaded dictionary has the naaccrId (XML)."""
    ITEM_NUMBER = 24
    """The naaccrNum is not the naaccrId's (XML)."""
    ITEM_RECORD_TYPE = 25
    """The item is not defined for the file's record type (XML)."""
    ITEM_LEVEL = 26
    """The item stands at another level than its dictionary's (XML)."""
    ITEM_REPEATED = 27
    """The item stands twice in one element (XML)."""
    XML_MALFORMED = 28
    """Not well-formed XML, or a DOCTYPE."""
    XML_STRUCTURE = 29
    """An element or attribute out of place, unknown, or missing."""
    XML_ROOT = 30
    """A root attribute is missing or not valid."""
    XML_ENCODING = 31
    """The declared encoding is not supported."""
    XML_TOKEN_TOO_LONG = 32
    """A tag, attribute, comment or instruction over 16 MB."""
    USER_DICTIONARY = 33
    """A user dictionary cannot be read or is not valid."""
    ITEM_CONFLICT = 34
    """An item given at more than one level (root, Patient, Tumor) with different values (XML)."""
    ITEM_CODE = 35
    """The value is not one of its item's allowed codes."""
    ITEM_COMBINATION = 36
    """Codes of one tumour that do not go together."""
    ITEM_DATE_ORDER = 37
    """Dates out of order, or an age the dates do not give."""
    PATIENT_SPLIT = 40
    """Same Patient ID Number as the previous record, other patient items: a new Patient."""
    ROOT_CONFLICT = 41
    """A file-level item differs from the first record's."""
    NOT_WRITABLE = 42
    """The conversion's target cannot hold the item, extension or element."""
    NOT_READABLE = 43
    """A record the reader cannot take apart into items."""

    @property
    def label(self) -> str:
        """The kind in a registrar's words ("Record length"); "" for a kind this package does not know."""
        return _KIND_LABELS.get(self, "")

    @property
    def text(self) -> str:
        """The label, by its name before 1.6 (when it was "record length")."""
        return self.label

    @property
    def is_anomaly(self) -> bool:
        """True for the insignificant anomalies at the end of a file."""
        return self in (ProblemKind.TERMINATOR_OMITTED, ProblemKind.STRAY_CTRL_Z)


# A copy of the labels of the header's NAACCR_CHECK_KIND_LIST, which the
# command line and veldrix show; the package's tests compare it with the
# library's cvGetNaaccrKindLabel.
_KIND_LABELS = {
    ProblemKind.RECORD_LENGTH: "Record length",
    ProblemKind.LAYOUT_LENGTH: "Layout length",
    ProblemKind.RECORD_TYPE: "Record type",
    ProblemKind.VERSION: "Version code",
    ProblemKind.ILLEGAL_BYTE: "Illegal character",
    ProblemKind.SPLIT_RECORD: "Split record",
    ProblemKind.TERMINATOR_FORM: "Line ending",
    ProblemKind.TERMINATOR_OMITTED: "Last line ending missing",
    ProblemKind.STRAY_CTRL_Z: "Stray Ctrl-Z",
    ProblemKind.PARTIAL_RECORD: "Partial record",
    ProblemKind.BYTE_ORDER_MARK: "Byte-order mark",
    ProblemKind.CHECKSUM_MISMATCH: "Checksum mismatch",
    ProblemKind.CHECKSUM_BLANK: "Blank checksum",
    ProblemKind.NO_CHECKSUM: "No checksum field",
    ProblemKind.CHECKSUM_CUT: "Checksum field cut",
    ProblemKind.ITEM_DATA_TYPE: "Item data type",
    ProblemKind.ITEM_SHORT: "Item too short",
    ProblemKind.ITEM_DATE: "Item date",
    ProblemKind.ITEM_PADDING: "Item padding",
    ProblemKind.NO_DICTIONARY: "No dictionary",
    ProblemKind.ITEM_TOO_LONG: "Item too long",
    ProblemKind.ITEM_BLANKS: "Blanks around a value",
    ProblemKind.ITEM_UNKNOWN: "Unknown item",
    ProblemKind.ITEM_NUMBER: "Item number",
    ProblemKind.ITEM_RECORD_TYPE: "Item not of the record type",
    ProblemKind.ITEM_LEVEL: "Item level",
    ProblemKind.ITEM_REPEATED: "Repeated item",
    ProblemKind.XML_MALFORMED: "Malformed XML",
    ProblemKind.XML_STRUCTURE: "XML structure",
    ProblemKind.XML_ROOT: "XML root",
    ProblemKind.XML_ENCODING: "XML encoding",
    ProblemKind.XML_TOKEN_TOO_LONG: "XML token too long",
    ProblemKind.USER_DICTIONARY: "User dictionary",
    ProblemKind.ITEM_CONFLICT: "Item conflict",
    ProblemKind.ITEM_CODE: "Invalid code",
    ProblemKind.ITEM_COMBINATION: "Code combination",
    ProblemKind.ITEM_DATE_ORDER: "Date order",
    ProblemKind.PATIENT_SPLIT: "Patient split",
    ProblemKind.ROOT_CONFLICT: "File-level items differ",
    ProblemKind.NOT_WRITABLE: "Cannot be written",
    ProblemKind.NOT_READABLE: "Cannot be read as items",
}


class CvnaaccrError(Exception):
    """Base of the errors this package raises for a code of the library.

    ``code`` is the library's code: a ResultCode, or one of the CV_FIELD_
    numbers for the check-field functions; None when there is none (the
    library could not be loaded).
    """

    def __init__(self, message: str, code: Optional[int] = None) -> None:
        super().__init__(message)
        self.code = code


class CheckFieldError(CvnaaccrError, ValueError):
    """assign_crc32 or assign_checksum refused to write the field.

    ``code`` is CV_FIELD_TOO_NARROW, CV_FIELD_TOO_WIDE or CV_FIELD_PAST_END, or
    for assign_checksum a ResultCode: BAD_VERSION, BAD_TYPE, ILLEGAL_CHAR or
    NO_CHECKSUM.
    """


class CheckError(CvnaaccrError, OSError):
    """The record checker could not read the file or stream to its end.

    ``code`` is the ResultCode (OPEN_FAILED, EMPTY_FILE, READ_FAILED,
    NO_MEMORY or BAD_ARGUMENT); ``summary`` is what was found before the
    failure, or None when nothing was read.
    """

    def __init__(self, message: str, code: int, summary: Optional[Any] = None) -> None:
        super().__init__(message, code)
        self.summary = summary

    def __str__(self) -> str:
        # OSError would format its arguments as (errno, strerror).
        return str(self.args[0])


class LibraryNotFoundError(CvnaaccrError, OSError):
    """The cvnaaccr shared library could not be found or loaded; ``code`` is None."""

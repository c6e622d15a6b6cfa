"""CRC-32 check fields and the NAACCR checksum field of records held in memory."""

from __future__ import annotations

import ctypes
import operator
from typing import Any, Optional, Tuple, Union

from . import _native
from ._codes import (
    CV_FIELD_OK,
    CV_FIELD_PAST_END,
    CV_FIELD_TOO_NARROW,
    CV_FIELD_TOO_WIDE,
    CheckFieldError,
    ResultCode,
)

Record = Union[bytes, bytearray, memoryview]

_U32_MAX = 0xFFFFFFFF

_CRC_REFUSALS = {
    CV_FIELD_TOO_NARROW: "the field is narrower than 8 columns",
    CV_FIELD_TOO_WIDE: "the field is wider than 99 columns",
    CV_FIELD_PAST_END: "the field does not lie within the record",
}

_CHECKSUM_REFUSALS = {
    CV_FIELD_PAST_END: "the record ends before the end of its checksum field",
    ResultCode.BAD_VERSION: "the record's version code is not valid for its record type",
    ResultCode.BAD_TYPE: "column 1 holds no valid record type",
    ResultCode.ILLEGAL_CHAR: "the record holds a control byte or a byte above 126",
    ResultCode.NO_CHECKSUM: "the record's type or version has no checksum field",
}


def _copy(record: Record) -> Tuple[Any, int]:
    """A private copy of ``record`` with one NUL after it, and its length.

    The library writes into the copy, never into the caller's object, and the
    checksum functions, which read a record up to its first CR, LF or NUL,
    stop at the added NUL at the latest.
    """
    data = memoryview(record).tobytes()  # refuses str and int, unlike bytes()
    return ctypes.create_string_buffer(data, len(data) + 1), len(data)


def _u32(name: str, value: int) -> int:
    number = operator.index(value)
    if not 0 <= number <= _U32_MAX:
        raise ValueError(f"{name} {number} is outside 0 .. {_U32_MAX}")
    return number


def _arguments(record: Record, column: int, width: int, length: Optional[int]) -> Tuple[Any, int, int, int, int]:
    buffer, size = _copy(record)
    if length is None:
        length = size
    length = _u32("length", length)
    if length > size:
        raise ValueError(f"length {length} is past the end of the {size}-byte record")
    return buffer, size, length, _u32("column", column), _u32("width", width)


def calc_crc32(record: Record, column: int, width: int, length: Optional[int] = None) -> int:
    """CRC-32 (ISO-HDLC) of ``record`` without the field at ``column`` .. ``column + width - 1``.

    Columns count from 1 (0 counts as 1).  ``length`` is the number of bytes
    of ``record`` that make the record (all of them by default); a length
    past the end of ``record`` raises ValueError.  A field reaching past
    ``length`` leaves out everything from its column on.
    """
    buffer, _, length, column, width = _arguments(record, column, width, length)
    return int(_native.library().cvCalcCRC32(buffer, length, column, width))


def assign_crc32(record: Record, column: int, width: int, length: Optional[int] = None) -> bytes:
    """A copy of ``record`` whose field holds its CRC-32 as ``width`` upper-case hex digits.

    The caller's object is not changed.  A field the library refuses to write
    raises CheckFieldError whose ``code`` is CV_FIELD_TOO_NARROW (width below
    8), CV_FIELD_TOO_WIDE (above 99) or CV_FIELD_PAST_END (the field does not
    lie within ``length`` bytes): a refusal means the arguments were wrong,
    which Python reports by raising.
    """
    buffer, size, length, column, width = _arguments(record, column, width, length)
    code = _native.library().cvAssignCRC32(buffer, length, column, width)
    if code != CV_FIELD_OK:
        reason = _CRC_REFUSALS.get(code, f"refused with code {code}")
        raise CheckFieldError(f"cannot write a CRC-32 field at column {column}, width {width}: {reason}", code)
    return bytes(buffer.raw[:size])


def compare_crc32(record: Record, column: int, width: int, length: Optional[int] = None) -> bool:
    """True when the field at ``column`` holds the CRC-32 of the rest of the record.

    False otherwise, also when the field does not lie within ``length`` bytes.
    Only the last eight characters of the field are significant.
    """
    buffer, _, length, column, width = _arguments(record, column, width, length)
    return bool(_native.library().cvCompareCRC32(buffer, length, column, width) == CV_FIELD_OK)


def assign_checksum(record: Record) -> bytes:
    """A copy of ``record`` with its NAACCR checksum field (10 characters) written.

    The record ends at its first CR, LF or NUL (or after its layout's length);
    anything after that is copied unchanged, and the caller's object is not
    changed.  When the library refuses, CheckFieldError is raised with the
    library's code: ResultCode.BAD_VERSION, BAD_TYPE, ILLEGAL_CHAR or
    NO_CHECKSUM (types R and U, versions 1 to 5), or CV_FIELD_PAST_END when
    the record ends inside the field.  Raising keeps a loop over records from
    writing a record it believes was given its checksum.
    """
    buffer, size = _copy(record)
    code = _native.library().cvAssignChecksum(buffer)
    if code != CV_FIELD_OK:
        named = ResultCode(code) if code > 0 else code
        reason = _CHECKSUM_REFUSALS.get(code, f"refused with code {code}")
        raise CheckFieldError(f"cannot write the checksum field: {reason}", named)
    return bytes(buffer.raw[:size])


def compare_checksum(record: Record) -> int:
    """Verifies the NAACCR checksum field of ``record``; returns the library's code.

    CV_FIELD_OK (0) when the field holds the checksum, CV_FIELD_MISMATCH (-1)
    when it does not or the record ends inside it, or a positive ResultCode
    (BAD_VERSION, BAD_TYPE, ILLEGAL_CHAR, NO_CHECKSUM) when the record has no
    checksum field to compare.  Nothing is raised for these: every answer is a
    finding about the record.  The record ends as for assign_checksum.
    """
    buffer, _ = _copy(record)
    code = int(_native.library().cvCompareChecksum(buffer))
    return ResultCode(code) if code > 0 else code

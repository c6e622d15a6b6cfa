"""inspect() over cvGet_naaccr_file_info, and library_info() over cvGet_cvnaaccr_dll_info."""

from __future__ import annotations

import ctypes
from dataclasses import dataclass

from . import _header, _native
from ._codes import ResultCode


def _terminator(raw: bytes) -> str:
    return "" if raw in (b"", b"\0") else _native.decode_text(raw)


@dataclass(frozen=True)
class FileInfo:
    """What file inspection found out about one file.

    ``code`` is the library's result: ``ResultCode.OK``; a problem (positive:
    ``record_count`` is not to be relied on); or an insignificant anomaly at
    the end of the file (negative: every field is valid).  Columns count from
    1.  ``directory``, ``file_name`` and ``extension`` are the given path
    split in three (they join to it); ``record_type`` is column 1 of the file
    (a blank when none was examined); ``version`` is "120" to "180", "1" to
    "9", "A" or "B" (" " or "" after an error); the terminators are "\\r", "\\n" or
    "" when there is none; ``record_length`` counts the terminator bytes.
    """

    code: ResultCode
    directory: str
    file_name: str
    extension: str
    record_type: str
    version: str
    first_terminator: str
    second_terminator: str
    record_length: int
    record_count: int
    file_size: int
    message: str

    @property
    def is_problem(self) -> bool:
        """True when the file is not a consistent record file (a positive code)."""
        return self.code > 0

    @property
    def is_anomaly(self) -> bool:
        """True for an insignificant anomaly at the end of the file (a negative code)."""
        return self.code < 0

    @property
    def terminators(self) -> str:
        """The record terminator: "\\r\\n", "\\n", "\\r", "\\n\\r", or "" for none."""
        return self.first_terminator + self.second_terminator

    @property
    def path(self) -> str:
        """The path as the library split it: directory, file name and extension joined."""
        return self.directory + self.file_name + self.extension


def inspect(path: _native.PathArgument) -> FileInfo:
    """Inspects the record file at ``path`` (str, bytes or os.PathLike).

    Reads at most the file's first 23000 bytes and its last byte.  Every
    outcome of the inspection, a file that cannot be opened included, comes
    back as the FileInfo's ``code`` and ``message``, not as an exception: a
    file's problems are what inspection is for.

    The library skips blanks and control characters at the front of the path
    and takes at most 1023 bytes of it; a longer path raises ValueError rather
    than inspecting a cut one.  A NUL in the path also raises ValueError.
    """
    raw = _native.encode_path(path)
    if len(raw) > _header.FILE_INFO_PATH_BYTES:
        raise ValueError(
            f"path of {len(raw)} bytes: inspection takes at most {_header.FILE_INFO_PATH_BYTES}"
        )
    info = _header.NaaccrFileInfo()
    info.directory = raw
    code = _native.library().cvGet_naaccr_file_info(ctypes.byref(info))
    return FileInfo(
        code=ResultCode(code),
        directory=_native.decode_path(info.directory),
        file_name=_native.decode_path(info.file_name),
        extension=_native.decode_path(info.extension),
        record_type=_native.decode_text(info.record_type),
        version=_native.decode_text(info.version),
        first_terminator=_terminator(info.first_terminator),
        second_terminator=_terminator(info.second_terminator),
        record_length=info.record_length,
        record_count=info.record_count,
        file_size=info.file_size,
        message=_native.decode_path(info.message),
    )


@dataclass(frozen=True)
class LibraryInfo:
    """The library's identification: version, build date and time, contact text."""

    library_version: str
    build_date: str
    build_time: str
    contact: str


def library_info() -> LibraryInfo:
    """Identifies the loaded cvnaaccr library (cvGet_cvnaaccr_dll_info)."""
    info = _header.NaaccrLibraryInfo()
    _native.library().cvGet_cvnaaccr_dll_info(ctypes.byref(info))
    return LibraryInfo(
        library_version=_native.decode_text(info.library_version),
        build_date=_native.decode_text(info.build_date),
        build_time=_native.decode_text(info.build_time),
        contact=_native.decode_text(info.contact),
    )

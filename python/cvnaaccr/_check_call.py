"""The one call into the library's checker: cvCheckNaaccrFileEx or cvCheckNaaccrStreamEx.

A library without the Ex calls (1.2) still checks records through
cvCheckNaaccrFile and cvCheckNaaccrStream; only the item check needs the Ex
calls.  The code check needs a library that has cvGetNaaccrItemCodes (1.5),
the export that comes with NAACCR_CHECK_CODES; any other library gets the
options in the size of 1.3, which every library since takes.
"""

from __future__ import annotations

import ctypes
from typing import Any, Optional, Sequence, Tuple

from . import _header, _native
from ._check_results import CheckSummary, summary_of
from ._codes import LibraryNotFoundError


def _ex_functions(library: Any) -> Optional[Tuple[Any, Any]]:
    """The library's Ex check calls with their types set, or None when it has none."""
    try:
        file_call, stream_call = library.cvCheckNaaccrFileEx, library.cvCheckNaaccrStreamEx
    except AttributeError:
        return None
    options = ctypes.POINTER(_header.NaaccrItemCheckOptions)
    summary = ctypes.POINTER(_header.NaaccrItemCheckSummary)
    file_call.restype = stream_call.restype = ctypes.c_int32
    file_call.argtypes = [ctypes.c_char_p, options, summary]
    stream_call.argtypes = [_header.ReadCallback, ctypes.c_void_p, options, summary]
    return file_call, stream_call


def has_codes(library: Any) -> bool:
    """True when the library checks codes: it has cvGetNaaccrItemCodes, which came with NAACCR_CHECK_CODES."""
    return hasattr(library, "cvGetNaaccrItemCodes")


def run_check(path: Optional[bytes], reader: Any, flags: int, threads: int, max_reported: int,
              on_problem: Any, on_item_problem: Any, on_progress: Any,
              dictionaries: Sequence[bytes] = ()) -> Tuple[int, CheckSummary]:
    """Checks the file at `path`, or the stream read by `reader`; returns the result code and summary.

    The callbacks are ctypes callbacks; they must outlive the call, which they do as arguments.
    `dictionaries` are the paths of NAACCR XML user dictionaries to load, encoded.
    """
    library = _native.library()
    codes = bool(flags & _header.NAACCR_CHECK_CODES)
    if codes and not has_codes(library):
        raise LibraryNotFoundError("the loaded cvnaaccr library cannot check codes: it is older than this package")
    ex = _ex_functions(library)
    if ex is None:
        if flags & _header.NAACCR_CHECK_ITEMS or dictionaries:
            raise LibraryNotFoundError(
                "the loaded cvnaaccr library cannot check data items: it is older than this package"
            )
        options = _header.NaaccrCheckOptions(
            size=ctypes.sizeof(_header.NaaccrCheckOptions), flags=flags, threads=threads,
            max_reported=max_reported, on_problem=on_problem, on_progress=on_progress,
        )
        raw = _header.NaaccrCheckSummary()
        if path is not None:
            code = library.cvCheckNaaccrFile(path, ctypes.byref(options), ctypes.byref(raw))
        else:
            code = library.cvCheckNaaccrStream(reader, None, ctypes.byref(options), ctypes.byref(raw))
        return code, summary_of(raw)
    wide = _header.NaaccrItemCheckOptions(
        size=ctypes.sizeof(_header.NaaccrItemCheckOptions) if codes else _header.ITEM_CHECK_OPTIONS_1_3_SIZE,
        flags=flags, threads=threads, max_reported=max_reported, on_problem=on_problem, on_progress=on_progress,
        on_item_problem=on_item_problem,
    )
    report = _header.NaaccrCodeReport(size=ctypes.sizeof(_header.NaaccrCodeReport))
    if codes:
        wide.code_report = ctypes.pointer(report)
    # The array and its bytes live in these locals until the call returns.
    names = (ctypes.c_char_p * max(len(dictionaries), 1))(*dictionaries)
    if dictionaries:
        wide.dictionaries = ctypes.cast(names, ctypes.POINTER(ctypes.c_char_p))
        wide.dictionary_count = len(dictionaries)
    wide_raw = _header.NaaccrItemCheckSummary()
    if path is not None:
        code = ex[0](path, ctypes.byref(wide), ctypes.byref(wide_raw))
    else:
        code = ex[1](reader, None, ctypes.byref(wide), ctypes.byref(wide_raw))
    return code, summary_of(wide_raw.records, wide_raw, report if codes else None)

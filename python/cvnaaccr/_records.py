"""records(): each tumour of a file as a dict of its given data items, read by the library's record model."""

from __future__ import annotations

import ctypes
import queue
import threading
from typing import Any, Dict, Iterator, List, Optional

from . import _header, _native
from ._codes import CheckError, LibraryNotFoundError, ProblemKind, ResultCode

_FINISHED = object()


def read_function(name: str, stream: bool = False) -> Any:
    """cvReadNaaccrFile or cvReadNaaccrStream with its prototype set."""
    try:
        function = getattr(_native.library(), name)
    except AttributeError as error:
        raise LibraryNotFoundError(
            f"the loaded cvnaaccr library has no {name}: it is older than this package"
        ) from error
    first = [_header.ReadCallback, ctypes.c_void_p] if stream else [ctypes.c_char_p]
    function.restype = ctypes.c_int32
    function.argtypes = first + [
        ctypes.POINTER(_header.NaaccrReadOptions),
        ctypes.POINTER(_header.NaaccrItemCheckSummary),
    ]
    return function


def tumor_items(view: Any) -> Dict[str, str]:
    """{naaccrId: value} of a NaaccrTumorView: the file's, the patient's and the tumour's items."""
    values: Dict[str, str] = {}
    for level in range(3):
        items = view.items[level]
        for i in range(view.counts[level]):
            entry = items[i]
            raw = ctypes.string_at(entry.value, entry.length)
            values[entry.item.contents.id.decode("ascii")] = raw.decode("utf-8", "surrogateescape")
    return values


# Problems that lose no item: anomalies at the end of a flat file, a value's
# own faults (check reports them), the root's attributes.
_HARMLESS = frozenset(
    (
        ProblemKind.TERMINATOR_OMITTED,
        ProblemKind.STRAY_CTRL_Z,
        ProblemKind.BYTE_ORDER_MARK,
        ProblemKind.ITEM_DATA_TYPE,
        ProblemKind.ITEM_SHORT,
        ProblemKind.ITEM_DATE,
        ProblemKind.ITEM_PADDING,
        ProblemKind.ITEM_BLANKS,
        ProblemKind.ITEM_NUMBER,
        ProblemKind.ITEM_RECORD_TYPE,
        ProblemKind.ITEM_LEVEL,
        ProblemKind.XML_ROOT,
    )
)


def _is_harmless(code: int) -> bool:
    return code in _HARMLESS


def records(path: _native.PathArgument) -> Iterator[Dict[str, str]]:
    """Yields each tumour of the file ``path`` as a dict of its given data items.

    A flat record is one tumour; a NAACCR XML Tumor comes with its Patient's
    and the file's items.  Keys are the items' naaccrIds, values their text
    with the padding blanks cut (trailing blanks of right-blank items, leading
    blanks of left-blank ones) and zeros kept; blank items are left out, and
    text kept as it stands (trim="none", such as the state-requestor block)
    keeps its blanks.  So ``pandas.DataFrame(cvnaaccr.records(path))`` gives
    one row per tumour.

    The file is read by the library on another thread, a few tumours ahead.
    Raises CheckError when the file cannot be read, and ValueError at the
    first problem that loses an item: a flat record problem that ``check``
    reports, a record type and version without a data dictionary (versions
    120 and 130, types R and U, the old layouts), XML that is not well formed
    or out of structure, an unknown, repeated or too long item, an extension,
    a Patient without Tumors.  A value's own faults (a bad date, ...) are
    ``check``'s business and raise nothing here.
    """
    name = _native.encode_path(path)
    channel: "queue.Queue[Any]" = queue.Queue(maxsize=64)
    stop = threading.Event()
    failures: List[BaseException] = []

    def hand_over(entry: Any) -> bool:
        while not stop.is_set():
            try:
                channel.put(entry, timeout=0.05)
                return True
            except queue.Full:
                continue
        return False

    def run() -> None:
        def on_tumor(_context: Any, view: Any) -> int:
            try:
                return 0 if hand_over(tumor_items(view.contents)) else 1
            except BaseException as error:  # raised in the caller's thread, not through the C frames
                failures.append(error)
                return 1

        def on_problem(_context: Any, problem: Any) -> int:
            p = problem.contents
            if _is_harmless(p.code):
                return 0
            message = p.message.decode("utf-8", "replace") if p.message else ""
            where = f"record {p.record}: " if p.record else ""
            failures.append(ValueError(f"{where}{message}"))
            return 1

        options = _header.NaaccrReadOptions()
        options.size = ctypes.sizeof(_header.NaaccrReadOptions)
        options.on_tumor = _header.TumorCallback(on_tumor)
        options.on_problem = _header.ItemProblemCallback(on_problem)
        summary = _header.NaaccrItemCheckSummary()
        code: Optional[int] = None
        try:
            code = read_function("cvReadNaaccrFile")(name, ctypes.byref(options), ctypes.byref(summary))
        except BaseException as error:
            failures.append(error)
        hand_over((_FINISHED, code))

    reader = threading.Thread(target=run, name="cvnaaccr records", daemon=True)
    reader.start()
    try:
        while True:
            entry = channel.get()
            if isinstance(entry, tuple) and entry[0] is _FINISHED:
                if failures:
                    raise failures[0]
                code = entry[1]
                if code not in (ResultCode.OK, ResultCode.EMPTY_FILE) and code is not None and code > 0:
                    result = ResultCode(code)
                    raise CheckError(f"cannot read {_native.decode_path(name)} ({result.name})", result)
                return
            yield entry
    finally:
        stop.set()
        reader.join()

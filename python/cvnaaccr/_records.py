"""records(): each record of a flat file as a dict of its given data items, read by the library's record checker."""

from __future__ import annotations

import ctypes
import queue
import threading
from typing import Any, Dict, Iterator, List, Optional, Tuple

from . import _native
from ._codes import CheckError, ResultCode
from ._dictionary import dictionary
from ._header import NaaccrCheckOptions, NaaccrCheckSummary, RecordCallback

# How a record's type and version cut it: (id, first byte, end, padding, kept as it stands).
_Cut = Tuple[str, int, int, str, bool]


def _cuts(record_type: str, version: int) -> List[_Cut]:
    try:
        items = dictionary(version)
    except ValueError:
        return []
    return [
        (item.id, item.start_column - 1, item.end_column, item.padding, item.trim == "none")
        for item in items
        if item.start_column and not item.grouped and record_type in item.record_types
    ]


class _Decoder:
    """Record bytes to {naaccrId: value} by the record's own type and version."""

    def __init__(self) -> None:
        self._layouts: Dict[bytes, List[_Cut]] = {}

    def decode(self, number: int, data: bytes) -> Dict[str, str]:
        key = data[0:1] + data[16:19]
        cuts = self._layouts.get(key)
        if cuts is None:
            version = data[16:19]
            cuts = _cuts(_native.decode_text(data[0:1]), int(version)) if version.isdigit() else []
            self._layouts[key] = cuts
        if not cuts:
            raise ValueError(
                f"record {number}: record type {_native.decode_text(data[0:1])!r} and version "
                f"{_native.decode_text(data[16:19])!r} have no data dictionary"
            )
        values: Dict[str, str] = {}
        for item_id, start, end, padding, verbatim in cuts:
            field = data[start:end]
            if len(field) < end - start or not field.strip(b" "):
                continue  # beyond a record cut short, or not given
            if not verbatim:
                if padding == "rightBlank":
                    field = field.rstrip(b" ")
                elif padding == "leftBlank":
                    field = field.lstrip(b" ")
            values[item_id] = _native.decode_text(field)
        return values


_FINISHED = object()


def records(path: _native.PathArgument) -> Iterator[Dict[str, str]]:
    """Yields each record of the flat file ``path`` as a dict of its given data items.

    Keys are the items' naaccrIds, values their text with the padding blanks
    cut (trailing blanks of right-blank items, leading blanks of left-blank
    ones) and zeros kept; blank items are left out, and text kept as it
    stands (trim="none", such as the state-requestor block) keeps its blanks.
    Each record is read by its own type and version, so
    ``pandas.DataFrame(cvnaaccr.records(path))`` gives one row per record.

    The file is read by the library's record checker on another thread, a
    few records ahead.  Raises CheckError when the file cannot be read, and
    ValueError for a record whose type and version have no data dictionary
    (versions 120 and 130, types R and U, the old layouts).
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
        decoder = _Decoder()

        def on_record(_context: Any, view: Any) -> int:
            try:
                v = view.contents
                if v.number == 0:
                    return 0
                if not v.bytes:
                    raise ValueError(f"record {v.number} is too long to be handed over whole")
                values = decoder.decode(v.number, ctypes.string_at(v.bytes, v.length))
                return 0 if hand_over(values) else 1
            except BaseException as error:  # raised in the caller's thread, not through the C frames
                failures.append(error)
                return 1

        options = NaaccrCheckOptions()
        options.size = ctypes.sizeof(NaaccrCheckOptions)
        options.threads = 1
        options.max_reported = 1
        options.on_record = RecordCallback(on_record)
        summary = NaaccrCheckSummary()
        code: Optional[int] = None
        try:
            code = _native.library().cvCheckNaaccrFile(name, ctypes.byref(options), ctypes.byref(summary))
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

"""convert(): a record file written as NAACCR XML, flat records or CSV by the library's conversion."""

from __future__ import annotations

import ctypes
import gzip
import os
import tempfile
from dataclasses import dataclass, field
from typing import Any, BinaryIO, List, NamedTuple, Optional, Sequence

from . import _header, _native
from ._codes import CheckError, CvnaaccrError, LibraryNotFoundError, ProblemKind, ResultCode

_TARGETS = {"xml": _header.NAACCR_FORMAT_XML, "flat": _header.NAACCR_FORMAT_FLAT, "csv": _header.NAACCR_FORMAT_CSV}
_EXTENSIONS = {".xml": "xml", ".txt": "flat", ".dat": "flat", ".csv": "csv"}


class ConvertProblem(NamedTuple):
    """One problem of a conversion: its kind, the record (tumour) it is about (0: none), the item's id, the text."""

    kind: ProblemKind
    record: int
    item_id: str
    message: str


@dataclass
class ConvertResult:
    """What a conversion wrote: ``written`` records, tumours or rows; what it listed."""

    target: str
    patients: int
    tumors: int
    written: int
    patient_splits: int
    left_out: int
    problems: List[ConvertProblem] = field(default_factory=list)


class ConvertError(CvnaaccrError, ValueError):
    """A conversion refused (``code`` ResultCode.REFUSED) or given bad arguments (BAD_ARGUMENT).

    ``problems`` lists why; the output file was not touched.
    """

    def __init__(self, message: str, code: int, problems: Sequence[ConvertProblem]) -> None:
        super().__init__(message, code)
        self.problems = list(problems)


def _target_of(out: str, to: Optional[str]) -> str:
    if to is not None:
        if to not in _TARGETS:
            raise ValueError(f"to must be xml, flat or csv, not {to!r}")
        return to
    name = out[:-3] if out.lower().endswith(".gz") else out
    target = _EXTENSIONS.get(os.path.splitext(name)[1].lower())
    if target is None:
        raise ValueError(f"{out!r}: its extension (.xml, .txt, .dat, .csv) tells no format; give to=")
    return target


def _function() -> Any:
    try:
        function = _native.library().cvConvertNaaccrFile
    except AttributeError as error:
        raise LibraryNotFoundError(
            "the loaded cvnaaccr library cannot convert: it is older than this package"
        ) from error
    function.restype = ctypes.c_int32
    function.argtypes = [
        ctypes.c_char_p,
        ctypes.POINTER(_header.NaaccrConvertOptions),
        ctypes.POINTER(_header.NaaccrConvertSummary),
    ]
    return function


def _run(name: bytes, target: str, sink: BinaryIO, flags: int, items: Optional[str], dictionaries: Sequence[str]):
    problems: List[ConvertProblem] = []
    failures: List[BaseException] = []

    def write(_output: Any, data: Any, size: int) -> int:
        try:
            sink.write(ctypes.string_at(data, size))
            return 0
        except BaseException as error:  # raised again in the caller, not through the C frames
            failures.append(error)
            return 1

    def on_problem(_context: Any, problem: Any) -> int:
        p = problem.contents
        if p.code in (ProblemKind.TERMINATOR_OMITTED, ProblemKind.STRAY_CTRL_Z, ProblemKind.BYTE_ORDER_MARK):
            return 0
        text = p.message.decode("utf-8", "replace") if p.message else ""
        item_id = (p.item_id or b"").decode("ascii", "replace")
        problems.append(ConvertProblem(ProblemKind(p.code), p.record, item_id, text))
        return 0

    options = _header.NaaccrConvertOptions()
    options.size = ctypes.sizeof(options)
    options.flags = flags
    options.target = _TARGETS[target]
    options.items = items.encode("ascii") if items is not None else None
    options.write = _header.WriteCallback(write)
    options.on_problem = _header.ItemProblemCallback(on_problem)
    paths = [_native.encode_path(d) for d in dictionaries]
    if paths:
        options.dictionaries = (ctypes.c_char_p * len(paths))(*paths)
        options.dictionary_count = len(paths)
    summary = _header.NaaccrConvertSummary()
    code = _function()(name, ctypes.byref(options), ctypes.byref(summary))
    if failures:
        raise failures[0]
    return ResultCode(code), summary, problems


def convert(
    source: _native.PathArgument,
    out: _native.PathArgument,
    *,
    to: Optional[str] = None,
    items: Optional[Sequence[str]] = None,
    lf: bool = False,
    lossy: bool = False,
    dictionaries: Sequence[_native.PathArgument] = (),
) -> ConvertResult:
    """Writes the record file ``source`` to ``out`` as NAACCR XML, flat records or CSV.

    The target is ``to`` ("xml", "flat" or "csv"), else ``out``'s extension
    (.xml; .txt or .dat; .csv) before a further .gz, which compresses the
    output with gzip.  ``items`` (CSV only) are the columns' naaccrIds; ``lf``
    ends flat records and CSV lines with LF instead of CR LF; ``lossy`` writes
    what the target can hold and lists the rest instead of refusing;
    ``dictionaries`` are user dictionaries for NAACCR XML input.  ``out`` is
    written through a temporary file in its folder that replaces it only when
    the conversion is complete, so a refusal or failure leaves it untouched.

    Returns a ConvertResult whose ``problems`` list patient splits and what
    ``lossy`` left out.  Raises ConvertError when the conversion is refused or
    its arguments are bad, CheckError when ``source`` cannot be read, and
    ValueError for an unknown target.
    """
    out_name = os.fsdecode(out)
    target = _target_of(out_name, to)
    if items is not None and target != "csv":
        raise ValueError("items chooses CSV columns; it means nothing for other targets")
    flags = (_header.NAACCR_CONVERT_LF if lf else 0) | (_header.NAACCR_CONVERT_LOSSY if lossy else 0)
    folder = os.path.dirname(os.path.abspath(out_name))
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".cvnaaccr-", suffix=".tmp")
    try:
        with os.fdopen(handle, "wb") as file:
            sink: BinaryIO = gzip.GzipFile(fileobj=file, mode="wb") if out_name.lower().endswith(".gz") else file
            code, summary, problems = _run(
                _native.encode_path(source), target, sink, flags, ",".join(items) if items else None, dictionaries
            )
            if sink is not file:
                sink.close()
            file.flush()
            os.fsync(file.fileno())
        if code in (ResultCode.REFUSED, ResultCode.BAD_ARGUMENT):
            raise ConvertError(f"{os.fsdecode(source)}: conversion {code.name.lower()}", code, problems)
        if code != ResultCode.OK:
            raise CheckError(f"cannot convert {os.fsdecode(source)} ({code.name})", code)
        os.replace(temporary, out_name)
    except BaseException:
        os.unlink(temporary)
        raise
    return ConvertResult(
        target,
        summary.input.patients,
        summary.input.tumors,
        summary.written,
        summary.patient_splits,
        summary.left_out,
        problems,
    )

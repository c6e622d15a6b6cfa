"""convert(): a record file written as NAACCR XML, flat records or CSV by the library's conversion.

OUT is written as the command line writes it: through a new temporary file
in its folder that replaces it only when the conversion is complete and
flushed.  The library runs on a thread of its own, so that Ctrl-C reaches
the calling thread, which waits, and never a callback of the library
(ctypes would print the exception and go on).
"""

from __future__ import annotations

import ctypes
import gzip
import os
import queue
import secrets
import stat
import threading
from dataclasses import dataclass, field
from typing import Any, BinaryIO, List, NamedTuple, Optional, Sequence, Tuple, Union

from . import _header, _input, _native
from ._check_results import place
from ._checker import ProgressAsk, ProgressFunction, failure_text
from ._codes import CheckError, CvnaaccrError, LibraryNotFoundError, ProblemKind, ResultCode

_TARGETS = {"xml": _header.NAACCR_FORMAT_XML, "flat": _header.NAACCR_FORMAT_FLAT, "csv": _header.NAACCR_FORMAT_CSV}
_EXTENSIONS = {".xml": "xml", ".txt": "flat", ".dat": "flat", ".csv": "csv"}

# Anomalies that lose nothing of the data: not listed, as the command lists them not.
_UNLISTED = (ProblemKind.TERMINATOR_OMITTED, ProblemKind.STRAY_CTRL_Z, ProblemKind.BYTE_ORDER_MARK)

# Problems named in a ConvertError's message; the rest are counted.
_REASONS_NAMED = 3

# How long the calling thread waits at a time: a wait that cannot be
# interrupted (Windows) still lets Ctrl-C through this often.
_WAIT_SECONDS = 0.25


class ConvertProblem(NamedTuple):
    """One problem of a conversion: its kind, the record (tumour) it is about (0: none), the item's id, the text.

    In NAACCR XML input ``line`` and ``column`` (from 1) place it, with the
    ``patient`` in the file and the ``tumor`` in its patient (0 outside
    them); in flat records ``column`` is the record's, 0 for the record as a
    whole, and ``line`` is 0.  ``str()`` gives the place, the kind and the text.
    """

    kind: ProblemKind
    record: int
    item_id: str
    message: str
    line: int = 0
    column: int = 0
    patient: int = 0
    tumor: int = 0

    def __str__(self) -> str:
        what = f"{self.kind.label or 'Problem'}: {self.message}"
        if self.line == 0 and self.record == 0:
            return what
        return f"{place(self.record, self.column, self.line, self.patient, self.tumor)}: {what}"


@dataclass
class ConvertResult:
    """What a conversion wrote: ``written`` records, tumours or rows; what it listed.

    ``items_without_column`` (CSV) counts the distinct given items that had
    no column because ``items`` did not name them (0 from a library before 1.4).
    """

    target: str
    patients: int
    tumors: int
    written: int
    patient_splits: int
    left_out: int
    problems: List[ConvertProblem] = field(default_factory=list)
    items_without_column: int = 0


class ConvertError(CvnaaccrError, ValueError):
    """A conversion refused (``code`` ResultCode.REFUSED), given bad arguments (BAD_ARGUMENT) or stopped
    by ``progress`` (STOPPED).

    ``problems`` lists why, and the message names the first few and their
    count; the output file was not touched.
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


def _functions() -> Tuple[Any, Any]:
    """cvConvertNaaccrFile and cvConvertNaaccrStream with their prototypes set."""
    library = _native.library()
    try:
        file_call, stream_call = library.cvConvertNaaccrFile, library.cvConvertNaaccrStream
    except AttributeError as error:
        raise LibraryNotFoundError(
            "the loaded cvnaaccr library cannot convert: it is older than this package"
        ) from error
    options = ctypes.POINTER(_header.NaaccrConvertOptions)
    summary = ctypes.POINTER(_header.NaaccrConvertSummary)
    file_call.restype = stream_call.restype = ctypes.c_int32
    file_call.argtypes = [ctypes.c_char_p, options, summary]
    stream_call.argtypes = [_header.ReadCallback, ctypes.c_void_p, options, summary]
    return file_call, stream_call


# ---- OUT ----


def _refuse_output(source: _input.Source, out: Union[str, bytes]) -> None:
    """ValueError for an OUT that is no regular file or new name (a symbolic link included), or that is the input.

    As the command line's convert and checksum assign refuse them: a link
    would be replaced by a file, and the input would be lost.
    """
    try:
        target = os.lstat(out)
    except (FileNotFoundError, NotADirectoryError):
        return
    if not stat.S_ISREG(target.st_mode):
        raise ValueError(f"{os.fsdecode(out)!r}: not a regular file; out must be a regular file or a new name")
    try:
        if _input.is_stream(source):
            given = os.fstat(source.fileno())
        else:
            given = os.stat(os.fspath(source))
    except (AttributeError, OSError, ValueError):
        return  # a stream of no file, or an input the conversion will say it cannot read
    if given.st_ino != 0 and (given.st_dev, given.st_ino) == (target.st_dev, target.st_ino):
        raise ValueError(f"{os.fsdecode(out)!r}: the output must not be the input")


def _mode_of(source: _input.Source) -> Optional[int]:
    """OUT's permission bits: the input file's read, write and execute bits exactly; None for a stream."""
    if _input.is_stream(source):
        return None
    try:
        return os.stat(os.fspath(source)).st_mode & 0o777
    except OSError:
        return None


def _temporary(out: Union[str, bytes], mode: Optional[int]) -> Tuple[int, Union[str, bytes]]:
    """A new temporary file next to `out`, open for writing, with `mode` (None: 0666 less the umask)."""
    folder = os.path.dirname(out)
    flags = os.O_WRONLY | os.O_CREAT | os.O_EXCL | getattr(os, "O_NOFOLLOW", 0) | getattr(os, "O_BINARY", 0)
    for _ in range(100):
        name = f".cvnaaccr-{secrets.token_hex(8)}.tmp"
        temporary = os.path.join(folder, os.fsencode(name) if isinstance(folder, bytes) else name)
        try:
            handle = os.open(temporary, flags, 0o600 if mode is not None else 0o666)
        except FileExistsError:
            continue
        if mode is not None and os.name == "posix":
            try:
                os.fchmod(handle, mode)
            except BaseException:
                os.close(handle)
                os.unlink(temporary)
                raise
        return handle, temporary
    raise FileExistsError(f"{os.fsdecode(out)!r}: cannot make a temporary file next to it: every name tried exists")


def _abandon(sink: BinaryIO) -> None:
    """Closes the gzip writer of an output thrown away, so that nothing writes to its file later."""
    try:
        sink.close()
    except Exception:
        pass


def _remove(temporary: Union[str, bytes]) -> None:
    try:
        os.unlink(temporary)
    except FileNotFoundError:
        pass


# ---- the converting thread ----


class _Finished(NamedTuple):
    code: Optional[int]


class _Settings(NamedTuple):
    """What the library is asked to do, and its two conversion calls."""

    target: str
    flags: int
    items: Optional[bytes]  # CSV columns, separated by commas
    dictionaries: Tuple[bytes, ...]
    calls: Tuple[Any, Any]  # cvConvertNaaccrFile, cvConvertNaaccrStream


class _Run(NamedTuple):
    code: Optional[int]
    summary: _header.NaaccrConvertSummary
    problems: List[ConvertProblem]
    failure: Optional[BaseException]
    stopped: bool  # progress asked to stop


def _problem_of(p: _header.NaaccrItemProblem) -> ConvertProblem:
    text = p.message.decode("utf-8", "replace") if p.message else ""
    item_id = (p.item_id or b"").decode("ascii", "replace")
    return ConvertProblem(ProblemKind(p.code), p.record, item_id, text, p.line, p.column, p.patient, p.tumor)


def _options(settings: _Settings, paths: Any, callbacks: Tuple[Any, Any, Any]) -> _header.NaaccrConvertOptions:
    """The options of the call; `paths` is the array of the dictionaries' paths, kept alive by the caller."""
    options = _header.NaaccrConvertOptions()
    options.size = ctypes.sizeof(options)
    options.flags = settings.flags
    options.target = _TARGETS[settings.target]
    options.items = settings.items
    options.write, options.on_problem, options.on_progress = callbacks
    if settings.dictionaries:
        options.dictionaries = ctypes.cast(paths, ctypes.POINTER(ctypes.c_char_p))
        options.dictionary_count = len(settings.dictionaries)
    return options


def _next(events: "queue.Queue[Any]") -> Any:
    while True:
        try:
            return events.get(timeout=_WAIT_SECONDS)
        except queue.Empty:
            continue


def _drain(events: "queue.Queue[Any]") -> None:
    """Waits for the converting thread's end, letting it go on past every progress report.

    A second Ctrl-C does not cut this short: the first one is on its way
    already, and the thread ends at its next callback.
    """
    while True:
        try:
            item = _next(events)
        except KeyboardInterrupt:
            continue
        if isinstance(item, ProgressAsk):
            item.reply.put(True)
        else:
            return


def _run(
    source: _input.Source,
    name: str,
    sink: BinaryIO,
    settings: _Settings,
    progress: Optional[ProgressFunction],
) -> _Run:
    """Converts `source` into `sink` on a thread of its own; the calling thread answers progress and waits.

    However the wait ends (an exception of ``progress``, Ctrl-C), the
    converting thread is told to stop, stops at its next callback and is
    waited for before this returns or raises.
    """
    file_call, stream_call = settings.calls
    events: "queue.Queue[Any]" = queue.Queue()
    stop = threading.Event()
    failures: List[BaseException] = []
    problems: List[ConvertProblem] = []

    # No exception may unwind through the C frames: each callback keeps the
    # first one and stops the conversion.
    def write(_output: Any, data: Any, size: int) -> int:
        if stop.is_set():
            return 1
        try:
            sink.write(ctypes.string_at(data, size))
            return 0
        except BaseException as error:
            failures.append(error)
            stop.set()
            return 1

    def on_problem(_context: Any, pointer: Any) -> int:
        try:
            p = pointer.contents
            if p.code not in _UNLISTED:
                problems.append(_problem_of(p))
            return 1 if stop.is_set() else 0
        except BaseException as error:
            failures.append(error)
            stop.set()
            return 1

    def on_progress(_context: Any, done: int, total: int, records: int) -> int:
        # Also without a progress function: it is how a conversion that
        # lists nothing and writes little learns that the caller has gone.
        if stop.is_set() or progress is None:
            return 1 if stop.is_set() else 0
        try:
            reply: "queue.Queue[bool]" = queue.Queue(1)
            events.put(ProgressAsk(done, None if total < 0 else total, records, reply))
            return 1 if reply.get() else 0
        except BaseException as error:
            failures.append(error)
            stop.set()
            return 1

    callbacks = (
        _header.WriteCallback(write),
        _header.ItemProblemCallback(on_problem),
        _header.ProgressCallback(on_progress),
    )
    # The array and its bytes live in this frame until the thread is joined.
    paths = (ctypes.c_char_p * max(len(settings.dictionaries), 1))(*settings.dictionaries)
    options = _options(settings, paths, callbacks)
    summary = _header.NaaccrConvertSummary()

    def work() -> None:
        code: Optional[int] = None
        try:
            with _input.open_input(source, name) as opened:
                if opened.path is not None:
                    code = file_call(opened.path, ctypes.byref(options), ctypes.byref(summary))
                else:
                    read = _input.read_callback(opened.stream, failures)
                    code = stream_call(read, None, ctypes.byref(options), ctypes.byref(summary))
        except BaseException as error:
            failures.append(error)
        events.put(_Finished(code))

    worker = threading.Thread(target=work, name="cvnaaccr convert", daemon=True)
    finished: Optional[_Finished] = None
    stopped = False
    worker.start()
    try:
        while finished is None:
            item = _next(events)
            if isinstance(item, ProgressAsk):
                assert progress is not None
                answer = True
                try:
                    answer = bool(progress(item.done, item.total, item.records))
                    stopped = stopped or answer
                finally:
                    item.reply.put(answer)
            else:
                finished = item
    finally:
        if finished is None:
            stop.set()
            _drain(events)
        worker.join()
    return _Run(finished.code, summary, problems, failures[0] if failures else None, stopped)


# ---- what a conversion ends in ----


def _plural(n: int, word: str) -> str:
    return f"{n} {word}" if n == 1 else f"{n} {word}s"


def _reasons(problems: Sequence[ConvertProblem]) -> str:
    named = "; ".join(str(p) for p in problems[:_REASONS_NAMED])
    more = len(problems) - _REASONS_NAMED
    return named + (f"; and {more} more" if more > 0 else "")


def _check_outcome(run: _Run, name: str, out: str, lossy: bool) -> None:
    """Raises what a conversion that wrote nothing usable ends in; returns when OUT may be replaced."""
    if run.failure is not None:
        raise run.failure
    code = None if run.code is None else ResultCode(run.code)
    if run.stopped or code == ResultCode.STOPPED:
        text = f"{name}: conversion stopped by progress; {out!r} not written"
        raise ConvertError(text, ResultCode.STOPPED, run.problems)
    if code == ResultCode.REFUSED:
        hint = " (lossy=True writes what the target can hold)" if not lossy and run.summary.left_out else ""
        raise ConvertError(
            f"{name}: conversion refused ({_plural(len(run.problems), 'problem')}), {out!r} not written{hint}: "
            f"{_reasons(run.problems)}",
            code,
            run.problems,
        )
    if code == ResultCode.BAD_ARGUMENT:
        why = f": {_reasons(run.problems)}" if run.problems else ""
        raise ConvertError(f"{name}: the conversion's arguments were refused{why}", code, run.problems)
    if code != ResultCode.OK:
        assert code is not None
        raise CheckError(f"cannot convert: {failure_text(code, name)}", code)


def convert(
    source: _input.Source,
    out: _native.PathArgument,
    *,
    to: Optional[str] = None,
    items: Optional[Union[str, Sequence[str]]] = None,
    lf: bool = False,
    lossy: bool = False,
    root_first: bool = False,
    skip_bad_records: bool = False,
    encoding: Optional[str] = None,
    dictionaries: _native.Dictionaries = (),
    progress: Optional[ProgressFunction] = None,
) -> ConvertResult:
    """Writes the record file ``source`` to ``out`` as NAACCR XML, flat records or CSV.

    ``source`` is a path (str, bytes, os.PathLike) or a binary file object
    (``sys.stdin.buffer``); gzip data is decompressed whatever its name, as
    the command line does.  The target is ``to`` ("xml", "flat" or "csv"),
    else ``out``'s extension (.xml; .txt or .dat; .csv) before a further
    .gz, which compresses the output with gzip.  ``items`` (CSV only) are
    the columns' naaccrIds, a list or one string of ids separated by
    commas; ``lf`` ends flat records and CSV lines with LF instead of CR LF;
    ``lossy`` writes what the target can hold and lists the rest instead of
    refusing.  From flat records, with a library of 1.5 or later:
    ``root_first`` keeps the first record's file-level items where later
    records differ (NAACCR XML holds one set; the other values are dropped
    and listed, no ``lossy`` needed); ``skip_bad_records`` leaves out and
    lists each record with a record problem and converts the rest;
    ``encoding`` ("latin1" or "windows-1252") reads bytes above 126 in that
    encoding, written to XML and CSV as UTF-8 (an older library raises
    LibraryNotFoundError for them).  ``dictionaries`` is the path, or a list of paths, of user
    dictionaries for NAACCR XML input.  ``progress(bytes_done, bytes_total,
    tumours)`` is called on the calling thread before the first record,
    every few megabytes and at the end (``bytes_total`` is None for a
    stream); a true return value stops the conversion.

    ``out`` is written through a temporary file in its folder that replaces
    it only when the conversion is complete, so a refusal, a failure,
    an exception or Ctrl-C leaves it untouched and no temporary file behind.
    It gets the input file's read, write and execute bits (0666 less the
    umask from a stream).  An ``out`` that is the input (through any link),
    or that is a symbolic link or anything but a regular file or a new name,
    raises ValueError before anything is read.

    Returns a ConvertResult whose ``problems`` list patient splits and what
    ``lossy`` left out.  Raises ConvertError when the conversion is refused
    (its message names the first problems and their count), its arguments
    are bad or ``progress`` stopped it, CheckError when ``source`` cannot be
    read, ValueError for an unknown target, and KeyboardInterrupt on Ctrl-C;
    an exception raised by ``progress`` or by the stream stops the
    conversion and is raised again here.
    """
    out_path = os.fspath(out)
    out_text = os.fsdecode(out_path)
    target = _target_of(out_text, to)
    if items is not None and target != "csv":
        raise ValueError("items chooses CSV columns; it means nothing for other targets")
    columns = None if items is None else (items if isinstance(items, str) else ",".join(items)).encode("ascii")
    flags = (_header.NAACCR_CONVERT_LF if lf else 0) | (_header.NAACCR_CONVERT_LOSSY if lossy else 0)
    later = (
        (_header.NAACCR_CONVERT_ROOT_FIRST if root_first else 0)
        | (_header.NAACCR_CONVERT_SKIP_BAD_RECORDS if skip_bad_records else 0)
        | _native.encoding_flag(encoding)
    )
    if later:
        _native.require_flags(_header.NAACCR_OPTIONS_CONVERT, later, "take root_first, skip_bad_records or encoding")
    flags |= later
    _input.refuse_text(source, "convert")
    name = _input.name_of(source)
    # A library that cannot convert fails here, before OUT's folder is touched.
    settings = _Settings(target, flags, columns, _native.dictionary_paths(dictionaries), _functions())
    _refuse_output(source, out_path)
    handle, temporary = _temporary(out_path, _mode_of(source))
    try:
        with os.fdopen(handle, "wb") as file:
            compress = out_text.lower().endswith(".gz")
            sink: BinaryIO = gzip.GzipFile(fileobj=file, mode="wb") if compress else file
            try:
                run = _run(source, name, sink, settings, progress)
                _check_outcome(run, name, out_text, lossy)
            except BaseException:
                if sink is not file:
                    _abandon(sink)
                raise
            if sink is not file:
                sink.close()
            file.flush()
            os.fsync(file.fileno())
        os.replace(temporary, out_path)
    except BaseException:
        _remove(temporary)
        raise
    summary = run.summary
    return ConvertResult(
        target,
        summary.input.patients,
        summary.input.tumors,
        summary.written,
        summary.patient_splits,
        summary.left_out,
        run.problems,
        summary.items_without_column,
    )

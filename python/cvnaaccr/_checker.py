"""The record checker: every problem of every record of a file or a binary stream."""

from __future__ import annotations

import operator
import queue
import threading
from dataclasses import dataclass
from typing import Any, Callable, Generator, List, NamedTuple, Optional, Tuple

from . import _header, _input, _native
from ._check_call import run_check
from ._check_results import CheckResult, CheckSummary, Problem, item_problem_of
from ._codes import CheckError, ProblemKind, ResultCode

#: progress(bytes_done, bytes_total, records): bytes_total is None for a stream.
#: A true return value stops the check.
ProgressFunction = Callable[[int, Optional[int], int], Any]

Source = _input.Source
PathArgument = _native.PathArgument
Dictionaries = _native.Dictionaries

# Problems waiting for the consumer of check(): enough to keep the checking
# thread busy, few enough that memory stays small whatever the file.
_QUEUE_SIZE = 1024


@dataclass(frozen=True)
class _Settings:
    source: Source
    flags: int
    threads: int
    max_reported: int
    name: str
    dictionaries: Tuple[bytes, ...] = ()


def _settings(source: Source, checksums: bool, items: bool, threads: int, max_problems: Optional[int],
              dictionaries: Dictionaries = (), codes: bool = False) -> _Settings:
    threads = operator.index(threads)
    max_problems = None if max_problems is None else operator.index(max_problems)
    if threads < 0 or threads > 0xFFFFFFFF:
        raise ValueError(f"threads {threads} is outside 0 .. 4294967295")
    if max_problems is not None and max_problems < 1:
        raise ValueError("max_problems must be at least 1, or None for every problem")
    # The C count is 32 bits, with 0 for "all": a larger limit is no limit.
    most = 0 if max_problems is None or max_problems > 0xFFFFFFFF else max_problems
    flags = (_header.NAACCR_CHECK_CHECKSUMS if checksums else 0) | (_header.NAACCR_CHECK_ITEMS if items or codes else 0)
    flags |= _header.NAACCR_CHECK_CODES if codes else 0
    _input.refuse_text(source, "check")
    # The path is encoded now, so that a NUL in it fails before anything is read.
    name = _input.name_of(source)
    return _Settings(source, flags, threads, most, name, _native.dictionary_paths(dictionaries))


_FAILURES = {
    ResultCode.OPEN_FAILED: "cannot open {name} for reading (missing, not a regular file, or not permitted)",
    ResultCode.EMPTY_FILE: "{name} is empty",
    ResultCode.READ_FAILED: "reading {name} failed",
    ResultCode.NO_MEMORY: "no memory to check {name}",
    ResultCode.BAD_ARGUMENT: "the library refused the arguments of the check of {name}",
}


def failure_text(code: int, name: str) -> str:
    """Why the input `name` could not be read to its end, for a result code of the library."""
    return _FAILURES.get(ResultCode(code), "reading {name} failed with code %d" % code).format(name=name)


def _outcome(settings: _Settings, code: int, summary: CheckSummary, error: Optional[BaseException]) -> CheckSummary:
    """The summary of a finished check, or the exception it ends in."""
    if error is not None:
        raise error
    if code != ResultCode.OK:
        raise CheckError(failure_text(code, settings.name), ResultCode(code), summary if summary.bytes else None)
    return summary


# ---- the checking thread ----


class ProgressAsk(NamedTuple):
    """A progress report from a worker thread, waiting for the caller's answer in ``reply``."""

    done: int
    total: Optional[int]
    records: int
    reply: "queue.Queue[bool]"


class _Finished(NamedTuple):
    code: int
    summary: Optional[CheckSummary]
    error: Optional[BaseException]


def _produce(items: "queue.Queue[Any]", stop: threading.Event, settings: _Settings, asks: bool) -> None:
    """The checking thread: runs the C check and puts its problems, progress and end on `items`.

    No exception may unwind through the C frames, so each callback keeps the
    first one and stops the check.  This thread is never the main one, so a
    KeyboardInterrupt is never raised here but in the consumer, which then
    sets `stop`.
    """
    failures: List[BaseException] = []
    # Problems name their patient and tumour when the library can (1.6 on);
    # it then hands record problems to on_item_problem too.
    named = False

    def on_problem(_context: Any, pointer: Any) -> int:
        try:
            p = pointer.contents
            kind = ProblemKind(p.code)
            items.put(Problem(p.record, p.offset, p.column, kind, _native.decode_text(p.message)))
            return 1 if stop.is_set() else 0
        except BaseException as error:
            failures.append(error)
            return 1

    def on_item_problem(_context: Any, pointer: Any) -> int:
        try:
            items.put(item_problem_of(pointer.contents, named))
            return 1 if stop.is_set() else 0
        except BaseException as error:
            failures.append(error)
            return 1

    def on_progress(_context: Any, done: int, total: int, records: int) -> int:
        # Also without a progress function: it is how a check of a file with
        # no problems learns that the consumer has gone.
        if not asks or stop.is_set():
            return 1 if stop.is_set() else 0
        reply: "queue.Queue[bool]" = queue.Queue(1)
        items.put(ProgressAsk(done, None if total < 0 else total, records, reply))
        return 1 if reply.get() else 0

    try:
        named = bool(_native.offered_flags(_header.NAACCR_OPTIONS_ITEM_CHECK) & _header.NAACCR_CHECK_IDS)
        with _input.open_input(settings.source, settings.name) as opened:
            reader = None if opened.path is not None else _input.read_callback(opened.stream, failures)
            code, summary = run_check(
                opened.path,
                reader,
                settings.flags | (_header.NAACCR_CHECK_IDS if named else 0),
                settings.threads,
                settings.max_reported,
                _header.ProblemCallback(on_problem),
                _header.ItemProblemCallback(on_item_problem),
                _header.ProgressCallback(on_progress),
                settings.dictionaries,
            )
        items.put(_Finished(code, summary, failures[0] if failures else None))
    except BaseException as error:
        items.put(_Finished(ResultCode.OK, None, error))


def _problems(
    settings: _Settings, progress: Optional[ProgressFunction], box: List[CheckSummary]
) -> Generator[Problem, None, CheckSummary]:
    """The problems of one check in file order; returns the summary, also put in `box`.

    However it ends (exhausted, closed, dropped, an exception thrown in or
    raised by ``progress``), the checking thread is told to stop and joined.
    """
    items: "queue.Queue[Any]" = queue.Queue(_QUEUE_SIZE)
    stop = threading.Event()
    thread = threading.Thread(
        target=_produce, args=(items, stop, settings, progress is not None), name="cvnaaccr check", daemon=True
    )
    thread.start()
    finished: Optional[_Finished] = None
    try:
        while finished is None:
            item = items.get()
            if isinstance(item, Problem):
                yield item
            elif isinstance(item, ProgressAsk):
                assert progress is not None
                answer = True
                try:
                    answer = bool(progress(item.done, item.total, item.records))
                finally:
                    item.reply.put(answer)
            else:
                finished = item
    finally:
        if finished is None:
            # Drained to the end, so that a checking thread blocked on a full
            # queue or waiting for an answer goes on, sees `stop` and returns.
            stop.set()
            item = items.get()
            while not isinstance(item, _Finished):
                if isinstance(item, ProgressAsk):
                    item.reply.put(True)
                item = items.get()
        thread.join()
    if finished.summary is None:
        assert finished.error is not None
        raise finished.error
    box.append(_outcome(settings, finished.code, finished.summary, finished.error))
    return box[0]


class CheckRun(Generator[Problem, None, CheckSummary]):
    """The generator check() returns: the problems in file order, then the summary.

    Iterate it for the problems.  When it is exhausted its return value (the
    ``value`` of StopIteration, and the value of ``yield from``) is the
    CheckSummary, also kept in ``summary``.  Closing it early (``close()``,
    leaving a ``with`` block, ``break`` and dropping it) stops the check in
    the library and waits for the checking thread to end.
    """

    def __init__(self, settings: _Settings, progress: Optional[ProgressFunction]) -> None:
        # The summary comes back through a list, so that the inner generator
        # holds no reference to this object and dropping it closes the check.
        self._box: List[CheckSummary] = []
        self._inner = _problems(settings, progress, self._box)

    @property
    def summary(self) -> Optional[CheckSummary]:
        """The CheckSummary once every problem has been yielded; None before, and after an early close."""
        return self._box[0] if self._box else None

    def send(self, value: None) -> Problem:
        return self._inner.send(value)

    def throw(self, typ: Any = None, value: Any = None, traceback: Any = None) -> Problem:
        if value is None and traceback is None:
            return self._inner.throw(typ)
        return self._inner.throw(typ, value, traceback)

    def close(self) -> None:
        """Stops the check, if it is running, and waits for the checking thread to end."""
        self._inner.close()

    def __enter__(self) -> "CheckRun":
        return self

    def __exit__(self, *exc: Any) -> None:
        self.close()


def check_file(
    source: Source,
    *,
    checksums: bool = False,
    items: bool = False,
    threads: int = 0,
    max_problems: Optional[int] = None,
    progress: Optional[ProgressFunction] = None,
    dictionaries: Dictionaries = (),
    codes: bool = False,
) -> CheckResult:
    """Checks every record of a file and returns ``(summary, problems)`` as a CheckResult.

    The problems are collected in a list: for a huge file with many problems
    bound it with ``max_problems`` (the rest are still counted in the
    summary), or iterate with check().  The arguments and exceptions are
    those of check(); Ctrl-C (KeyboardInterrupt) stops the check and is
    raised here.
    """
    run = check(
        source,
        checksums=checksums,
        items=items,
        threads=threads,
        max_problems=max_problems,
        progress=progress,
        dictionaries=dictionaries,
        codes=codes,
    )
    problems = list(run)
    assert run.summary is not None
    return CheckResult(run.summary, problems)


def check(
    source: Source,
    *,
    checksums: bool = False,
    items: bool = False,
    threads: int = 0,
    max_problems: Optional[int] = None,
    progress: Optional[ProgressFunction] = None,
    dictionaries: Dictionaries = (),
    codes: bool = False,
) -> CheckRun:
    """Checks every record of a file; yields each Problem in file order and returns the CheckSummary.

    ``source`` is a path (str, bytes, os.PathLike), read by the library, or a
    binary file object (``sys.stdin.buffer``, ``gzip.open(...)``) read
    through its ``readinto`` or ``read`` on the checking thread.  Data that
    starts with the gzip magic bytes 1F 8B, a file's or a stream's, is
    decompressed whatever its name, as the command line does; a file whose
    name ends in ".gz" but whose data is not gzip raises CheckError.  The first
    record sets what every record is compared with.  With ``checksums`` each
    record's NAACCR checksum field is verified too.  With ``items`` every
    data item of every record is checked by the NAACCR data dictionary of
    the record's type and version, and its problems (their ``item`` and
    ``value`` set) come in file order among the record problems; it needs a
    library of 1.3 or later (LibraryNotFoundError otherwise).  With ``codes``
    (which implies ``items``) each coded item's value is also checked against
    its item's allowed codes (ITEM_CODE), and each tumour's codes and dates
    together (ITEM_COMBINATION, ITEM_DATE_ORDER: a problem that names the
    first item of its rule, at its column, or in XML at its line after its
    Tumor's item problems); the summary's ``codes`` says which lists were
    used.  It needs a library of 1.5 or later, which has
    cvGetNaaccrItemCodes (LibraryNotFoundError otherwise).  A NAACCR XML
    file (its first character after a byte-order mark and white space is
    "<") is checked item by item whether ``items`` is given or not: its
    problems carry their ``line``, ``patient`` and ``tumor``, and the
    summary its ``format``, root and counts.  ``dictionaries`` is the path,
    or a list of paths, of a registry's user dictionaries to load for XML
    (fixed-length records do not use them); one that cannot be read is a
    USER_DICTIONARY problem.  ``threads`` is the number of threads the library reads and checks a file with (0: one per
    processor, at most 8); the problems and their order do not depend on it.
    ``max_problems`` bounds the problems yielded; the rest are still counted
    in the summary.  ``progress(bytes_done, bytes_total, records)`` is called
    before the first record, every few megabytes and at the end, on the
    iterating thread between problems (``bytes_total`` is None for a
    stream); a true return value stops the check, and ``summary.stopped`` is
    then 2.

    The check runs in a background thread feeding a bounded queue, so memory
    stays small whatever the file.  Use it as a generator::

        run = check("data.txt")
        for problem in run:
            print(problem)
        print(run.summary.records)     # or: summary = yield from check(...)

    Raises CheckError (an OSError, with ``code``) when the file cannot be
    opened or read or is empty or its gzip data is damaged, ValueError for a NUL in the path, TypeError
    for a text-mode file object; an exception raised by ``progress`` or by
    the stream stops the check and is raised again here.  Nothing is read
    until the first item is asked for.
    """
    return CheckRun(_settings(source, checksums, items, threads, max_problems, dictionaries, codes), progress)


"""The record checker: every problem of every record of a file or a binary stream."""

from __future__ import annotations

import collections
import ctypes
import io
import operator
import threading
from dataclasses import dataclass, field
from typing import (
    Any,
    BinaryIO,
    Callable,
    Deque,
    Dict,
    Generator,
    List,
    NamedTuple,
    Optional,
    Tuple,
    Union,
)

from . import _native
from ._codes import CheckError, ProblemKind, ResultCode

#: progress(bytes_done, bytes_total, records): bytes_total is None for a stream.
#: A true return value stops the check.
ProgressFunction = Callable[[int, Optional[int], int], Any]

Source = Union[_native.PathArgument, BinaryIO, Any]

# Problems waiting for the consumer of check(): enough to keep the checking
# thread busy, few enough that memory stays small whatever the file.
_QUEUE_SIZE = 1024

@dataclass(frozen=True)
class Problem:
    """One problem of one record.

    ``record`` counts from 1; ``offset`` is the byte offset of the record's
    first byte in the file (or stream); ``column`` counts from 1, 0 meaning
    the record as a whole.
    """

    record: int
    offset: int
    column: int
    kind: ProblemKind
    message: str

    @property
    def is_anomaly(self) -> bool:
        """True for the insignificant anomalies at the end of a file."""
        return self.kind.is_anomaly

    def __str__(self) -> str:
        where = f"record {self.record}" + (f", column {self.column}" if self.column else "")
        return f"{where}: {self.message}"


@dataclass(frozen=True)
class CheckSummary:
    """What a check found.

    ``records`` and ``bytes`` were read (a partial last record counts);
    ``problems`` were found, of which ``reported`` were handed on (the rest,
    past ``max_problems``, only counted); ``counts`` holds the problems by
    kind, every kind present.  ``checksums_matched`` counts the records whose
    checksum field holds their checksum (with ``checksums=True``).
    ``record_length`` is the first record's length with its terminators,
    ``layout_length`` its layout's length without them (0 when unknown);
    ``record_type``, ``version`` and ``terminators`` are the first record's.
    ``stopped`` is 0 when the check read to the end, 1 when it was stopped
    early, 2 when the progress function stopped it.
    """

    records: int
    bytes: int
    problems: int
    reported: int
    counts: Dict[ProblemKind, int] = field(hash=False)
    checksums_matched: int
    record_length: int
    layout_length: int
    record_type: str
    version: str
    terminators: str
    stopped: int

    @property
    def significant_problems(self) -> int:
        """Problems other than the insignificant anomalies at the end of the file."""
        return self.problems - sum(n for kind, n in self.counts.items() if kind.is_anomaly)

    @property
    def ok(self) -> bool:
        """True when the whole file was read and it has no significant problem."""
        return self.stopped == 0 and self.significant_problems == 0


class CheckResult(NamedTuple):
    """check_file's answer: the summary and the problems reported, in file order."""

    summary: CheckSummary
    problems: List[Problem]


def _summary(raw: _native.NaaccrCheckSummary) -> CheckSummary:
    def text(value: bytes) -> str:
        return "" if value in (b"", b"\0") else _native.decode_text(value)

    return CheckSummary(
        records=raw.records,
        bytes=raw.bytes,
        problems=raw.problems,
        reported=raw.reported,
        counts={kind: raw.counts[kind] for kind in ProblemKind},
        checksums_matched=raw.checksums_matched,
        record_length=raw.record_length,
        layout_length=raw.layout_length,
        record_type=text(raw.record_type),
        version=text(raw.version),
        terminators=text(raw.first_terminator) + text(raw.second_terminator),
        stopped=raw.stopped,
    )


# ---- one call of the C checker ----


@dataclass(frozen=True)
class _Settings:
    path: Optional[bytes]
    stream: Optional[Any]
    flags: int
    threads: int
    max_reported: int
    name: str


def _settings(source: Source, checksums: bool, threads: int, max_problems: Optional[int]) -> _Settings:
    threads = operator.index(threads)
    max_problems = None if max_problems is None else operator.index(max_problems)
    if threads < 0 or threads > 0xFFFFFFFF:
        raise ValueError(f"threads {threads} is outside 0 .. 4294967295")
    if max_problems is not None and max_problems < 1:
        raise ValueError("max_problems must be at least 1, or None for every problem")
    # The C count is 32 bits, with 0 for "all": a larger limit is no limit.
    most = 0 if max_problems is None or max_problems > 0xFFFFFFFF else max_problems
    flags = _native.NAACCR_CHECK_CHECKSUMS if checksums else 0
    if hasattr(source, "read"):
        if isinstance(source, io.TextIOBase):
            raise TypeError("check needs a binary file object (open it with 'rb'), not a text file")
        return _Settings(None, source, flags, threads, most, repr(getattr(source, "name", source)))
    raw = _native.encode_path(source)
    return _Settings(raw, None, flags, threads, most, repr(_native.decode_path(raw)))


_FAILURES = {
    ResultCode.OPEN_FAILED: "cannot open {name} for reading (missing, not a regular file, or not permitted)",
    ResultCode.EMPTY_FILE: "{name} is empty",
    ResultCode.READ_FAILED: "reading {name} failed",
    ResultCode.NO_MEMORY: "no memory to check {name}",
    ResultCode.BAD_ARGUMENT: "the library refused the arguments of the check of {name}",
}


def _run(
    settings: _Settings,
    on_problem: Callable[[Problem], bool],
    on_progress: Callable[[int, Optional[int], int], bool],
) -> Tuple[int, CheckSummary, Optional[BaseException]]:
    """Runs the C check on this thread; returns its code, summary, and an exception raised in a callback.

    An exception must not unwind through the C frames: each callback catches
    it, keeps the first one, and stops the check.  ``on_problem`` and
    ``on_progress`` return True to stop.
    """
    failures: List[BaseException] = []

    def problem_callback(_context: Any, problem: Any) -> int:
        try:
            p = problem.contents
            found = Problem(
                record=p.record,
                offset=p.offset,
                column=p.column,
                kind=ProblemKind(p.code),
                message=_native.decode_text(p.message),
            )
            return 1 if on_problem(found) else 0
        except BaseException as error:  # handed to the caller once the check has returned
            failures.append(error)
            return 1

    def progress_callback(_context: Any, done: int, total: int, records: int) -> int:
        try:
            return 1 if on_progress(done, None if total < 0 else total, records) else 0
        except BaseException as error:
            failures.append(error)
            return 1

    options = _native.NaaccrCheckOptions()
    options.size = ctypes.sizeof(_native.NaaccrCheckOptions)
    options.flags = settings.flags
    options.threads = settings.threads
    options.max_reported = settings.max_reported
    options.on_problem = _native.ProblemCallback(problem_callback)
    options.on_progress = _native.ProgressCallback(progress_callback)
    summary = _native.NaaccrCheckSummary()
    library = _native.library()

    if settings.path is not None:
        code = library.cvCheckNaaccrFile(settings.path, ctypes.byref(options), ctypes.byref(summary))
    else:
        stream: Any = settings.stream
        readinto = getattr(stream, "readinto", None)

        def read_callback(_stream: Any, buffer: Any, size: int) -> int:
            try:
                # Straight into the library's buffer when the stream can.
                if readinto is not None:
                    target = (ctypes.c_ubyte * size).from_address(buffer)
                    got = readinto(memoryview(target).cast("B"))
                else:
                    data = stream.read(size)
                    got = None if data is None else len(data)
                    if got is not None and not isinstance(data, (bytes, bytearray)):
                        raise TypeError(f"the stream's read() gave {type(data).__name__}, not bytes")
                if got is None:
                    raise BlockingIOError("the stream has no data ready: check needs a blocking stream")
                if not 0 <= got <= size:
                    raise ValueError(f"the stream read {got} bytes into a buffer of {size}")
                if readinto is None:
                    ctypes.memmove(buffer, data, got)
                return int(got)
            except BaseException as error:
                failures.append(error)
                return -1

        reader = _native.ReadCallback(read_callback)
        code = library.cvCheckNaaccrStream(reader, None, ctypes.byref(options), ctypes.byref(summary))
    return code, _summary(summary), failures[0] if failures else None


def _outcome(settings: _Settings, code: int, summary: CheckSummary, error: Optional[BaseException]) -> CheckSummary:
    """The summary of a finished check, or the exception it ends in."""
    if error is not None:
        raise error
    if code != ResultCode.OK:
        result = ResultCode(code)
        text = _FAILURES.get(result, "checking {name} failed with code %d" % code).format(name=settings.name)
        raise CheckError(text, result, summary if summary.bytes else None)
    return summary


def check_file(
    source: Source,
    *,
    checksums: bool = False,
    threads: int = 0,
    max_problems: Optional[int] = None,
    progress: Optional[ProgressFunction] = None,
) -> CheckResult:
    """Checks every record of a file and returns ``(summary, problems)`` as a CheckResult.

    Runs on the calling thread (the library may read and check on ``threads``
    threads of its own).  The problems are collected in a list: for a huge
    file with many problems bound it with ``max_problems`` (the rest are
    still counted in the summary), or iterate with check().  The arguments
    and exceptions are those of check().
    """
    settings = _settings(source, checksums, threads, max_problems)
    problems: List[Problem] = []

    def on_problem(problem: Problem) -> bool:
        problems.append(problem)
        return False

    def on_progress(done: int, total: Optional[int], records: int) -> bool:
        return bool(progress(done, total, records)) if progress is not None else False

    code, summary, error = _run(settings, on_problem, on_progress)
    return CheckResult(_outcome(settings, code, summary, error), problems)


# ---- check(): a generator fed by a checking thread ----


class _ProgressEvent:
    __slots__ = ("done", "total", "records", "answer")

    def __init__(self, done: int, total: Optional[int], records: int) -> None:
        self.done = done
        self.total = total
        self.records = records
        self.answer: Optional[bool] = None


class _Finished(NamedTuple):
    code: int
    summary: Optional[CheckSummary]
    error: Optional[BaseException]


class _Channel:
    """A bounded queue from the checking thread to the consumer that either side can end.

    Once the consumer closes it, every put and ask returns at once with
    "closed", so the checking thread's callbacks tell the library to stop.
    """

    def __init__(self, size: int) -> None:
        self._items: Deque[Any] = collections.deque()
        self._size = size
        self._condition = threading.Condition()
        self.closed = False

    def put(self, item: Any, wait: bool = True) -> bool:
        """Adds an item, waiting for room; False when the consumer has closed."""
        with self._condition:
            while wait and not self.closed and len(self._items) >= self._size:
                self._condition.wait()
            if self.closed:
                return False
            self._items.append(item)
            self._condition.notify_all()
            return True

    def get(self) -> Any:
        with self._condition:
            while not self._items:
                self._condition.wait()
            item = self._items.popleft()
            self._condition.notify_all()
            return item

    def ask(self, event: _ProgressEvent) -> Optional[bool]:
        """Hands an event to the consumer and waits for its answer; None when closed."""
        if not self.put(event):
            return None
        with self._condition:
            while event.answer is None and not self.closed:
                self._condition.wait()
            return event.answer

    def answer(self, event: _ProgressEvent, value: bool) -> None:
        with self._condition:
            event.answer = value
            self._condition.notify_all()

    def close(self) -> None:
        with self._condition:
            self.closed = True
            self._items.clear()
            self._condition.notify_all()


def _produce(channel: _Channel, settings: _Settings, asks_progress: bool) -> None:
    """The checking thread.  It holds no reference to the CheckRun, so dropping that closes it."""

    def on_problem(problem: Problem) -> bool:
        return not channel.put(problem)

    def on_progress(done: int, total: Optional[int], records: int) -> bool:
        # Also without a progress function: it is how a check of a file with
        # no problems learns that the consumer has gone.
        if not asks_progress:
            return channel.closed
        answer = channel.ask(_ProgressEvent(done, total, records))
        return True if answer is None else answer

    try:
        code, summary, error = _run(settings, on_problem, on_progress)
        channel.put(_Finished(code, summary, error), wait=False)
    except BaseException as error:  # handed to the consumer
        channel.put(_Finished(ResultCode.OK, None, error), wait=False)


class CheckRun(Generator[Problem, None, CheckSummary]):
    """The generator check() returns: the problems in file order, then the summary.

    Iterate it for the problems.  When it is exhausted its return value (the
    ``value`` of StopIteration, and the value of ``yield from``) is the
    CheckSummary, also kept in ``summary``.  Closing it early (``close()``,
    leaving a ``with`` block, ``break`` and dropping it) stops the check in
    the library and waits for the checking thread to end.
    """

    def __init__(self, settings: _Settings, progress: Optional[ProgressFunction]) -> None:
        self._settings = settings
        self._progress = progress
        self._channel = _Channel(_QUEUE_SIZE)
        self._thread: Optional[threading.Thread] = None
        self._done = False
        self.summary: Optional[CheckSummary] = None
        """The CheckSummary once every problem has been yielded; None before, and after an early close."""

    def send(self, value: None) -> Problem:
        if self._done:
            raise StopIteration(self.summary)
        if self._thread is None:
            self._thread = threading.Thread(
                target=_produce,
                args=(self._channel, self._settings, self._progress is not None),
                name="cvnaaccr check",
                daemon=True,
            )
            self._thread.start()
        try:
            while True:
                item = self._channel.get()
                if isinstance(item, Problem):
                    return item
                if isinstance(item, _ProgressEvent):
                    assert self._progress is not None
                    self._channel.answer(item, bool(self._progress(item.done, item.total, item.records)))
                    continue
                self._finish(item)
        except StopIteration:
            raise
        except BaseException:
            self.close()
            raise

    def _finish(self, finished: _Finished) -> None:
        assert self._thread is not None
        self._thread.join()
        self._done = True
        if finished.summary is None:
            assert finished.error is not None
            raise finished.error
        self.summary = _outcome(self._settings, finished.code, finished.summary, finished.error)
        raise StopIteration(self.summary)

    def throw(self, typ: Any = None, value: Any = None, traceback: Any = None) -> Problem:
        self.close()
        if value is None:
            value = typ() if isinstance(typ, type) else typ
        if traceback is not None:
            value = value.with_traceback(traceback)
        raise value

    def close(self) -> None:
        """Stops the check, if it is running, and waits for the checking thread to end."""
        self._done = True
        self._channel.close()
        thread = self._thread
        if thread is not None and thread is not threading.current_thread():
            thread.join()

    def __enter__(self) -> "CheckRun":
        return self

    def __exit__(self, *exc: Any) -> None:
        self.close()

    def __del__(self) -> None:
        try:
            self.close()
        except Exception:  # nothing can be reported from a finalizer
            pass


def check(
    source: Source,
    *,
    checksums: bool = False,
    threads: int = 0,
    max_problems: Optional[int] = None,
    progress: Optional[ProgressFunction] = None,
) -> CheckRun:
    """Checks every record of a file; yields each Problem in file order and returns the CheckSummary.

    ``source`` is a path (str, bytes, os.PathLike), read by the library, or a
    binary file object (``sys.stdin.buffer``, ``gzip.open(...)``) read
    through its ``readinto`` or ``read`` on the checking thread.  The first
    record sets what every record is compared with.  With ``checksums`` each
    record's NAACCR checksum field is verified too.  ``threads`` is the
    number of threads the library reads and checks a file with (0: one per
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
    opened or read or is empty, ValueError for a NUL in the path, TypeError
    for a text-mode file object; an exception raised by ``progress`` or by
    the stream stops the check and is raised again here.  Nothing is read
    until the first item is asked for.
    """
    return CheckRun(_settings(source, checksums, threads, max_problems), progress)


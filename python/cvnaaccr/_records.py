"""records(): each tumour of a file as a dict of its given data items, read by the library's record model."""

from __future__ import annotations

import ctypes
import queue
import threading
import warnings
from typing import Any, Dict, Iterator, List, NamedTuple, Optional, Set, Tuple, Union

from . import _header, _input, _native
from ._check_results import Problem, item_problem_of
from ._codes import CheckError, LibraryNotFoundError, ProblemKind, ResultCode
from ._dictionary import LEVELS


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


class _Given(NamedTuple):
    """One value of an item in a tumour view: its level and its text."""

    level: int
    value: str

    @property
    def where(self) -> str:
        return LEVELS[self.level] if self.level == _header.NAACCR_LEVEL_ROOT else f"the {LEVELS[self.level]}"


def tumor_items(view: Any) -> Tuple[Dict[str, str], Dict[str, List[_Given]]]:
    """{naaccrId: value} of a NaaccrTumorView, and the items it gives at more than one level.

    The file's, the patient's and the tumour's items, in that order, so the
    innermost value is the one kept; the second dict holds every value of
    each item given at more than one level, outermost first.
    """
    levels: List[Dict[str, str]] = []
    for level in range(3):
        items = view.items[level]
        given: Dict[str, str] = {}
        for i in range(view.counts[level]):
            entry = items[i]
            raw = ctypes.string_at(entry.value, entry.length)
            given[entry.item.contents.id.decode("ascii")] = raw.decode("utf-8", "surrogateescape")
        levels.append(given)
    values = {**levels[0], **levels[1], **levels[2]}
    twice: Dict[str, List[_Given]] = {}
    if len(values) < sum(map(len, levels)):
        for item_id in values:
            found = [_Given(level, given[item_id]) for level, given in enumerate(levels) if item_id in given]
            if len(found) > 1:
                twice[item_id] = found
    return values, twice


class _Conflict(NamedTuple):
    """An item given at two levels with different values: the value kept and those left out."""

    where: str
    item_id: str
    kept: _Given
    left_out: List[_Given]

    def error(self) -> str:
        values = ", ".join(f"{g.value!r} in {g.where}" for g in [self.kept] + self.left_out)
        return (
            f"{self.where}: {self.item_id} is given with different values: {values} "
            f"(records(..., lossy=True) keeps {self.kept.where}'s)"
        )

    def warnings(self) -> List[str]:
        """One for each value left out."""
        return [
            f"{self.where}: {self.item_id} {g.value!r} in {g.where} is left out; {self.kept.where}'s "
            f"{self.kept.value!r} is kept"
            for g in self.left_out
        ]


def _conflicts(
    view: Any, twice: Dict[str, List[_Given]], reported: List[Problem], patient_ids: Set[str]
) -> List[Union[_Conflict, Problem]]:
    """The conflicts of a tumour (`view`, None after the last) that the library reported.

    The library says whether two values conflict (ITEM_CONFLICT: it compares
    them up to the item's length), in this tumour or, for a Patient's item
    against the root's, outside any tumour (record 0) before the patient's
    first one: `patient_ids` keeps those ids for every tumour of the patient.
    A library before 1.4 reports none, and the innermost value is kept as it
    always was.  A reported problem that the tumour does not show as two
    values (an Item against the root's attribute, whose value the tumour
    does not hold), or of an earlier tumour, stands as the library's problem.
    """
    tumor = view.tumor if view is not None else None
    mine = [p for p in reported if tumor is not None and p.record in (0, tumor)]
    if view is not None and view.first_of_patient:
        patient_ids.clear()
    patient_ids.update(p.item.id for p in mine if p.record == 0 and p.item is not None)

    def conflict(item_id: str) -> Optional[_Conflict]:
        given = twice.get(item_id, [])
        left_out = [g for g in given[:-1] if g.value != given[-1].value]
        if not left_out:
            return None
        return _Conflict(f"tumour {view.tumor} (patient {view.patient})", item_id, given[-1], left_out)

    # In the order the library reported them, then those of the patient it reported before.
    found: List[Union[_Conflict, Problem]] = []
    shown: Set[str] = set()
    for p in reported:
        item_id = p.item.id if p.item is not None and p in mine else None
        c = conflict(item_id) if item_id is not None else None
        if c is None:
            found.append(p)
        elif item_id not in shown:
            found.append(c)
            shown.add(c.item_id)
    for item_id in sorted(patient_ids - shown):
        c = conflict(item_id)
        if c is not None:
            found.append(c)
    return found


# Problems that lose no item: anomalies at the end of a flat file, a value's
# own faults (check reports them), the root's attributes (but an Item that
# contradicts them, which is a conflict).
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

_FINISHED = object()


def records(
    source: _input.Source,
    *,
    dictionaries: _native.Dictionaries = (),
    lossy: bool = False,
    encoding: Optional[str] = None,
) -> Iterator[Dict[str, str]]:
    """Yields each tumour of ``source`` as a dict of its given data items.

    ``source`` is a path (str, bytes, os.PathLike) or a binary file object
    (``sys.stdin.buffer``); gzip data is decompressed whatever its name, as
    check() and the command line do.  A flat record is one tumour; a NAACCR
    XML Tumor comes with its Patient's and the file's items, and the root's
    ``recordType`` and ``naaccrRecordVersion`` attributes are given as those
    items (with a library of 1.4 or later).  Keys are the items' naaccrIds,
    values their text with the padding blanks cut (trailing blanks of
    right-blank items, leading blanks of left-blank ones) and zeros kept;
    blank items are left out, and text kept as it stands (trim="none", such
    as the state-requestor block) keeps its blanks.  So
    ``pandas.DataFrame(cvnaaccr.records(path))`` gives one row per tumour.
    ``dictionaries`` is the path, or a list of paths, of user dictionaries
    to load for XML.  ``encoding`` ("latin1" or "windows-1252", a library of
    1.5 or later) reads the bytes above 126 of flat records in that
    encoding: their values come as text, where without it such a byte is a
    record problem (flat NAACCR is ASCII).

    An item given at two levels with different values (``sex`` in the
    Patient and in its Tumor), or a ``recordType`` or ``naaccrRecordVersion``
    Item that contradicts the root, raises ValueError naming the item, both
    values and the tumour (the root's: where the Item stands); with
    ``lossy=True`` the innermost value is kept and a warning (warnings.warn)
    names each value left out.

    The file is read by the library on another thread, a few tumours ahead.
    Raises CheckError when the file cannot be read, and ValueError at the
    first problem that loses an item: a flat record problem that ``check``
    reports, a record type and version without a data dictionary (versions
    120 and 130, types R and U, the old layouts), XML that is not well formed
    or out of structure, an unknown, repeated or too long item, an extension,
    a Patient without Tumors.  A value's own faults (a bad date, ...) are
    ``check``'s business and raise nothing here.  TypeError for a text-mode
    file object.
    """
    _input.refuse_text(source, "records")
    name = _input.name_of(source)
    flags = _native.encoding_flag(encoding)
    if flags:
        _native.require_flags(_header.NAACCR_OPTIONS_READ, flags, "read an encoding")
    return _tumours(source, name, _native.dictionary_paths(dictionaries), lossy, flags)


def _tumours(
    source: _input.Source, name: str, dictionaries: Tuple[bytes, ...], lossy: bool, flags: int = 0
) -> Iterator[Dict[str, str]]:
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

    def settle(found: List[Union[_Conflict, Problem]]) -> Optional[List[str]]:
        """The warnings of what `lossy` leaves out; None when a conflict ends the reading."""
        if found and not lossy:
            first = found[0]
            failures.append(ValueError(first.error() if isinstance(first, _Conflict) else str(first)))
            return None
        return [
            text
            for f in found
            for text in (f.warnings() if isinstance(f, _Conflict) else [f"{f}; the innermost Item's value is kept"])
        ]

    def run() -> None:
        # ITEM_CONFLICT problems wait here for the tumour they are about, which comes after them.
        reported: List[Problem] = []
        patient_ids: Set[str] = set()

        def on_tumor(_context: Any, pointer: Any) -> int:
            try:
                view = pointer.contents
                values, twice = tumor_items(view)
                notes: Optional[List[str]] = []
                if reported or patient_ids:
                    notes = settle(_conflicts(view, twice, reported, patient_ids))
                    reported.clear()
                return 0 if notes is not None and hand_over((values, notes)) else 1
            except BaseException as error:  # raised in the caller's thread, not through the C frames
                failures.append(error)
                return 1

        def on_problem(_context: Any, pointer: Any) -> int:
            try:
                problem = item_problem_of(pointer.contents)
                # An Item that contradicts the root is an XML_ROOT problem about that Item.
                if problem.kind == ProblemKind.ITEM_CONFLICT or (
                    problem.kind == ProblemKind.XML_ROOT and problem.item is not None
                ):
                    reported.append(problem)
                    return 0
                if problem.kind in _HARMLESS:
                    return 0
                failures.append(ValueError(str(problem)))
            except BaseException as error:
                failures.append(error)
            return 1

        options = _header.NaaccrReadOptions()
        options.size = ctypes.sizeof(_header.NaaccrReadOptions)
        options.flags = flags
        options.on_tumor = _header.TumorCallback(on_tumor)
        options.on_problem = _header.ItemProblemCallback(on_problem)
        # The array and its bytes live in this frame until the call returns.
        paths = (ctypes.c_char_p * max(len(dictionaries), 1))(*dictionaries)
        if dictionaries:
            options.dictionaries = ctypes.cast(paths, ctypes.POINTER(ctypes.c_char_p))
            options.dictionary_count = len(dictionaries)
        summary = _header.NaaccrItemCheckSummary()
        code: Optional[int] = None
        notes: Optional[List[str]] = []
        try:
            with _input.open_input(source, name) as opened:
                if opened.path is not None:
                    code = read_function("cvReadNaaccrFile")(opened.path, ctypes.byref(options), ctypes.byref(summary))
                else:
                    read = _input.read_callback(opened.stream, failures)
                    call = read_function("cvReadNaaccrStream", stream=True)
                    code = call(read, None, ctypes.byref(options), ctypes.byref(summary))
            if not failures:
                notes = settle(_conflicts(None, {}, reported, patient_ids))
        except BaseException as error:
            failures.append(error)
        hand_over((_FINISHED, code, notes or []))

    reader = threading.Thread(target=run, name="cvnaaccr records", daemon=True)
    reader.start()
    try:
        while True:
            entry = channel.get()
            for text in entry[-1]:
                warnings.warn(text, stacklevel=2)
            if entry[0] is _FINISHED:
                if failures:
                    raise failures[0]
                code = entry[1]
                if code not in (ResultCode.OK, ResultCode.EMPTY_FILE) and code is not None and code > 0:
                    result = ResultCode(code)
                    raise CheckError(f"cannot read {name} ({result.name})", result)
                return
            yield entry[0]
    finally:
        stop.set()
        reader.join()

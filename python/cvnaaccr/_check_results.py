"""What a check finds: its problems, its summary, and how it ended."""

from __future__ import annotations

import ctypes
import enum
from dataclasses import dataclass, field
from typing import Dict, List, NamedTuple, Optional, Tuple

from . import _header, _native
from ._codes import ProblemKind


class Stopped(enum.IntEnum):
    """How a check ended (CheckSummary.stopped)."""

    NO = 0
    """The whole input was read."""
    EARLY = 1
    """Stopped early: the run was closed before its end."""
    BY_PROGRESS = 2
    """The progress function returned a true value."""


@dataclass(frozen=True)
class ProblemItem:
    """The data item an item problem is about: its naaccrNum, naaccrId, naaccrName and columns."""

    number: int
    id: str
    name: str
    start: int
    """First column in the record."""
    length: int


@dataclass(frozen=True)
class Problem:
    """One problem of one record.

    ``record`` counts from 1; ``offset`` is the byte offset of the record's
    first byte in the file (or stream); ``column`` counts from 1, 0 meaning
    the record as a whole.  A problem of a data item (``check(...,
    items=True)``) has ``item``, the item, and ``value``, its value as it
    stands in the record (padding blanks included); both are None for a
    problem of the record.

    In a NAACCR XML file ``line`` and ``column`` (from 1) place the problem,
    ``offset`` is its byte offset, ``patient`` is the patient's number in the
    file and ``tumor`` the tumour's in its patient (0 outside them), and
    ``record`` the tumour's number in the file (0 outside a tumour).  An
    unknown item has number 0 and name "".  ``line``, ``patient`` and
    ``tumor`` are 0 in fixed-length records.

    ``patient_id``, ``tumor_record_number`` and ``accession_number`` name the
    problem's patient and tumour as its record, or its XML Patient and Tumor,
    gives them (Patient ID Number, Tumor Record Number, Accession
    Number--Hosp), blanks around them cut; None when not given, and with a
    library before 1.6.  ``label`` names the kind in a registrar's words.
    """

    record: int
    offset: int
    column: int
    kind: ProblemKind
    message: str
    item: Optional[ProblemItem] = None
    value: Optional[str] = None
    line: int = 0
    patient: int = 0
    tumor: int = 0
    patient_id: Optional[str] = None
    tumor_record_number: Optional[str] = None
    accession_number: Optional[str] = None

    @property
    def label(self) -> str:
        """The kind in a registrar's words ("Item date")."""
        return self.kind.label

    @property
    def is_anomaly(self) -> bool:
        """True for the insignificant anomalies at the end of a file."""
        return self.kind.is_anomaly

    def __str__(self) -> str:
        return f"{place(self.record, self.column, self.line, self.patient, self.tumor)}: {self.message}"


def place(record: int, column: int, line: int = 0, patient: int = 0, tumor: int = 0) -> str:
    """Where a problem stands, as the command line says it.

    "record 3, column 200" in flat records (no column: the record as a
    whole); in XML, where only problems have a line, "line 12, column 9
    (patient 3, tumour 1)", the patient and tumour when it is in one.
    """
    if line == 0:
        return f"record {record}" + (f", column {column}" if column else "")
    where = f"line {line}, column {column}"
    if patient and tumor:
        return f"{where} (patient {patient}, tumour {tumor})"
    return f"{where} (patient {patient})" if patient else where


@dataclass(frozen=True)
class CodeReport:
    """What a check with ``codes=True`` judged the file by.

    ``lists`` names the code lists of the file's ``version`` ("NAACCR 180 to
    240"; files of 140 to 160 take the 180 lists, 270 the 260 lists), ""
    when the version has none and no code was checked; ``site_list`` is the
    edition of SEER's ICD-O-3 Site/Histology Validation List ("2022-04-29")
    and ``site_list_years`` the years of diagnosis it judges ((2021, 2023)).
    ``tumors_judged`` counts the tumours whose codes and dates were judged
    together (a flat record with a problem of its length, type or version
    is not), ``tumors_judged_by_site_list`` those diagnosed in the list's
    years, and ``tumors_not_judged_by_site_list`` those whose site,
    histology and behavior it could have judged but whose diagnosis is of
    another year or not given.
    """

    version: int
    lists: str
    site_list: str
    site_list_years: Tuple[int, int]
    tumors_judged: int
    tumors_judged_by_site_list: int
    tumors_not_judged_by_site_list: int


@dataclass(frozen=True)
class CheckSummary:
    """What a check found.

    ``records`` and ``bytes`` were read (a partial last record counts);
    ``problems`` were found, of which ``reported`` were handed on (the rest,
    past ``max_problems``, only counted); ``counts`` holds the problems by
    kind, every kind of the record checker (1 to 15) present.
    ``checksums_matched`` counts the records whose checksum field holds
    their checksum (with ``checksums=True``).
    ``record_length`` is the first record's length with its terminators,
    ``layout_length`` its layout's length without them (0 when unknown);
    ``record_type``, ``version`` and ``terminators`` are the first record's.
    ``stopped`` is a Stopped: 0 when the check read to the end, 1 when it
    was stopped early, 2 when the progress function stopped it.
    With a library that has the item check, ``counts`` holds every kind of
    ProblemKind, the item kinds included, and ``items`` counts the item
    values checked (given, not blank; 0 without ``items=True``).

    ``format`` is "flat" for fixed-length records, "xml" for NAACCR XML
    (checked item by item whatever ``items`` says) and "" when nothing was
    read.  For XML, ``version`` and ``record_type`` are the root's
    ("250", "I"; record_type " " when it has none), ``records`` counts the
    tumours, and ``patients``, ``tumors``, ``specification_version`` ("1.8")
    and ``user_dictionaries`` (the root's userDictionaryUri as given) are
    filled; they are 0 and "" for flat records.

    ``codes`` is the CodeReport of a check with ``codes=True``, else None.

    ``problems_without_ids`` counts the problems reported without their
    patient's and tumour's ids because a NAACCR XML Patient or Tumor had more
    than 1000 before its Items ended (0 with a library before 1.6).
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
    stopped: Stopped
    items: int = 0
    format: str = ""
    patients: int = 0
    tumors: int = 0
    specification_version: str = ""
    user_dictionaries: str = ""
    codes: Optional[CodeReport] = None
    problems_without_ids: int = 0

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


def item_problem_of(p: _header.NaaccrItemProblem, named: bool = False) -> Problem:
    """The Problem an item problem of the library stands for; its texts copied, as they live only during the call.

    Its ids are read only when the check was `named` (NAACCR_CHECK_IDS): a
    library before 1.6 hands over the struct without them.
    """

    def text(raw: Optional[bytes]) -> str:
        return _native.decode_text(raw) if raw else ""

    def given(raw: Optional[bytes]) -> Optional[str]:
        return _native.decode_text(raw) if named and raw else None

    item = value = None
    # An unknown XML item has an id but no number.
    if p.item_number > 0 or p.item_id:
        item = ProblemItem(p.item_number, text(p.item_id), text(p.item_name), p.item_start, p.item_length)
        value = text(ctypes.string_at(p.value, p.value_length)) if p.value and p.value_length else ""
    ids = (given(p.patient_id), given(p.tumor_record_number), given(p.accession_number)) if named else (None,) * 3
    return Problem(
        p.record, p.offset, p.column, ProblemKind(p.code), text(p.message), item, value, p.line, p.patient, p.tumor,
        *ids,
    )


def summary_of(
    raw: _header.NaaccrCheckSummary,
    wide: Optional[_header.NaaccrItemCheckSummary] = None,
    codes: Optional[_header.NaaccrCodeReport] = None,
) -> CheckSummary:
    """The CheckSummary of a record check's summary, or of an Ex check's (`wide`, whose records are `raw`,
    with the code report `codes` when codes were checked)."""

    def text(value: bytes) -> str:
        return "" if value in (b"", b"\0") else _native.decode_text(value)

    if wide is not None:
        counts = {kind: wide.counts[kind] for kind in ProblemKind if kind < _header.NAACCR_CHECK_ALL_KINDS}
    else:
        counts = {kind: raw.counts[kind] for kind in ProblemKind if kind < _header.NAACCR_CHECK_KINDS}
    return CheckSummary(
        records=raw.records,
        bytes=raw.bytes,
        problems=raw.problems,
        reported=raw.reported,
        counts=counts,
        checksums_matched=raw.checksums_matched,
        record_length=raw.record_length,
        layout_length=raw.layout_length,
        record_type=text(raw.record_type),
        version=text(raw.version),
        terminators=text(raw.first_terminator) + text(raw.second_terminator),
        stopped=Stopped(raw.stopped),
        items=wide.items if wide is not None else 0,
        codes=_code_report_of(codes) if codes is not None else None,
        problems_without_ids=raw.reported_without_ids if wide is not None else 0,
        **(_format_of(wide) if wide is not None else {}),
    )


def _code_report_of(raw: _header.NaaccrCodeReport) -> CodeReport:
    return CodeReport(
        version=raw.version,
        lists=_native.decode_text(raw.lists),
        site_list=_native.decode_text(raw.site_list),
        site_list_years=(raw.site_list_first_year, raw.site_list_last_year),
        tumors_judged=raw.tumors_judged,
        tumors_judged_by_site_list=raw.site_list_judged,
        tumors_not_judged_by_site_list=raw.site_list_not_judged,
    )


_FORMATS = {_header.NAACCR_FORMAT_FLAT: "flat", _header.NAACCR_FORMAT_XML: "xml"}


def _format_of(wide: _header.NaaccrItemCheckSummary) -> Dict[str, object]:
    """What an Ex check's summary says of the file's format."""
    return dict(
        format=_FORMATS.get(wide.format, ""),
        patients=wide.patients,
        tumors=wide.tumors,
        specification_version=_native.decode_text(wide.specification_version),
        user_dictionaries=_native.decode_text(wide.user_dictionaries),
    )

"""What a check finds: its problems, its summary, and how it ended."""

from __future__ import annotations

import enum
from dataclasses import dataclass, field
from typing import Dict, List, NamedTuple

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
    kind, every kind of the record checker (1 to 15) present.
    ``checksums_matched`` counts the records whose checksum field holds
    their checksum (with ``checksums=True``).
    ``record_length`` is the first record's length with its terminators,
    ``layout_length`` its layout's length without them (0 when unknown);
    ``record_type``, ``version`` and ``terminators`` are the first record's.
    ``stopped`` is a Stopped: 0 when the check read to the end, 1 when it
    was stopped early, 2 when the progress function stopped it.
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


def summary_of(raw: _header.NaaccrCheckSummary) -> CheckSummary:
    def text(value: bytes) -> str:
        return "" if value in (b"", b"\0") else _native.decode_text(value)

    return CheckSummary(
        records=raw.records,
        bytes=raw.bytes,
        problems=raw.problems,
        reported=raw.reported,
        counts={kind: raw.counts[kind] for kind in ProblemKind if kind < _header.NAACCR_CHECK_KINDS},
        checksums_matched=raw.checksums_matched,
        record_length=raw.record_length,
        layout_length=raw.layout_length,
        record_type=text(raw.record_type),
        version=text(raw.version),
        terminators=text(raw.first_terminator) + text(raw.second_terminator),
        stopped=Stopped(raw.stopped),
    )

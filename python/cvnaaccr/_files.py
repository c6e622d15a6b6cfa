"""check_files(): the files of folders checked, several at once, one summary per file in order."""

import collections
import concurrent.futures
import fnmatch
import os
import stat
from dataclasses import dataclass
from typing import Deque, Iterable, Iterator, List, Optional, Sequence, Tuple, Union

from ._check_results import CheckSummary
from ._checker import check
from ._codes import CheckError, ProblemKind

PathLike = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]


@dataclass(frozen=True)
class FileSummary:
    """One file of check_files(): its ``path`` (str), its ``result`` and why.

    ``result`` is "passed" (checked, no problem that counts), "problems",
    "not NAACCR" (read, but no NAACCR file: ``reason`` says what was found)
    or "unreadable" (``reason`` says why).  ``summary`` is the CheckSummary
    of a file that was checked, else None.
    """

    path: str
    result: str
    reason: str = ""
    summary: Optional[CheckSummary] = None


def _listed(path: str, recursive: bool, include: Sequence[str]) -> Iterator[Tuple[str, str]]:
    """(path, reason) for each file a folder stands for, as the command line lists them."""
    try:
        names = sorted(os.listdir(path), key=os.fsencode)
    except OSError as error:
        yield path, "folder cannot be read: %s" % error.strerror
        return
    for name in names:
        if name.startswith("."):
            continue
        full = os.path.join(path, name)
        try:
            mode = os.lstat(full).st_mode
            if stat.S_ISDIR(mode):
                if recursive:
                    yield from _listed(full, recursive, include)
                continue
            if stat.S_ISLNK(mode):
                try:
                    mode = os.stat(full).st_mode
                except OSError as error:
                    if not include or any(fnmatch.fnmatchcase(name, p) for p in include):
                        yield full, "link leads nowhere: %s" % error.strerror
                    continue
        except OSError as error:
            yield full, error.strerror or str(error)
            continue
        # A link to a folder is never followed; what is neither file nor folder is passed over.
        if stat.S_ISREG(mode) and (not include or any(fnmatch.fnmatchcase(name, p) for p in include)):
            yield full, ""


def _inputs(paths: Iterable[PathLike], recursive: bool, include: Sequence[str]) -> Iterator[Tuple[str, str]]:
    for given in paths:
        path = os.fsdecode(given)
        if os.path.isdir(path):
            yield from _listed(path, recursive, include)
        else:
            yield path, ""


def _result(summary: CheckSummary, first: str) -> Tuple[str, str]:
    """The result and reason of a checked file, as the command line's summary row gives them."""
    no_records = (summary.format != "xml" and summary.records == 0 and summary.problems > 0
                  and summary.counts.get(ProblemKind.RECORD_TYPE, 0) > 0)
    no_root = (summary.format == "xml" and summary.version.strip() == "" and summary.patients == 0
               and summary.specification_version == "" and summary.problems > 0)
    if no_records or no_root:
        return "not NAACCR", first
    return ("passed" if summary.significant_problems == 0 else "problems"), ""


def _check_one(path: str, reason: str, options: dict) -> FileSummary:
    if reason:
        return FileSummary(path, "unreadable", reason)
    run = check(path, max_problems=1, **options)
    try:
        first = [problem.message for problem in run]
    except CheckError as error:
        return FileSummary(path, "unreadable", str(error), error.summary)
    assert run.summary is not None
    result, why = _result(run.summary, first[0] if first else "")
    return FileSummary(path, result, why, run.summary)


def check_files(
    paths: Union[PathLike, Iterable[PathLike]],
    *,
    recursive: bool = False,
    include: Union[str, Sequence[str]] = (),
    threads: int = 0,
    checksums: bool = False,
    items: bool = False,
    codes: bool = False,
    dictionaries: Union[str, Sequence[str]] = (),
) -> Iterator[FileSummary]:
    """Checks files and the files of folders; yields one FileSummary per file, in order.

    ``paths`` is a path or a list of them.  A folder stands for its files,
    sorted by name, with ``recursive`` those of the folders within it at
    their name's place; names starting with "." are passed over, links to
    folders are not followed (links to files are), and what is neither a
    file nor a folder is passed over.  ``include`` (a pattern or a list,
    fnmatch's ``*``, ``?``, ``[a-z]``, ``[!a-z]``) keeps the files of a folder
    whose name matches one; files named in ``paths`` are always checked.
    ``threads`` is the total (0: one per processor): up to that many files
    are checked at once, each with its share; the summaries still come in
    the files' order.  A file that cannot be read is a summary with its
    reason, never an exception.  The other arguments are check()'s.
    """
    if isinstance(paths, (str, bytes, os.PathLike)):
        paths = [paths]
    patterns: List[str] = [include] if isinstance(include, str) else list(include)
    total = threads if threads > 0 else (os.cpu_count() or 1)
    listed = list(_inputs(paths, recursive, patterns))
    at_once = max(1, min(total, len(listed)))
    options = dict(checksums=checksums, items=items, codes=codes, dictionaries=dictionaries,
                   threads=threads if at_once == 1 else max(1, total // at_once))
    if at_once == 1:
        for path, reason in listed:
            yield _check_one(path, reason, options)
        return
    with concurrent.futures.ThreadPoolExecutor(max_workers=at_once) as pool:
        pending: Deque["concurrent.futures.Future[FileSummary]"] = collections.deque()
        waiting = iter(listed)
        for path, reason in waiting:
            pending.append(pool.submit(_check_one, path, reason, options))
            if len(pending) >= 2 * at_once:
                break
        while pending:
            done = pending.popleft().result()
            for path, reason in waiting:
                pending.append(pool.submit(_check_one, path, reason, options))
                break
            yield done

"""dictionary() over cvGetNaaccrItemCount and cvGetNaaccrItem: NAACCR's data items of a version."""

from __future__ import annotations

import ctypes
import threading
from dataclasses import dataclass
from typing import Any, Dict, List, Tuple, Union

from . import _native
from ._codes import LibraryNotFoundError
from ._header import NaaccrItemDef

_DATA_TYPES = ("text", "digits", "alpha", "mixed", "numeric", "date", "dateTime")
_PADDINGS = ("rightBlank", "leftBlank", "rightZero", "leftZero")
# The XML elements of NAACCR_LEVEL_ROOT, _PATIENT and _TUMOR, in that order.
LEVELS = ("NaaccrData", "Patient", "Tumor")


@dataclass(frozen=True)
class ItemDef:
    """One data item of a NAACCR data dictionary, with every attribute the library holds.

    ``start_column`` counts from 1 and is 0 for the versions exchanged only as
    XML (210 on); ``record_types`` holds the letters of the record types the
    item belongs to ("AMCI", "AM", ...); ``level`` is the XML element it
    stands in ("NaaccrData", "Patient" or "Tumor"); ``data_type`` and
    ``padding`` are the dictionary's words ("digits", "leftZero"); ``trim`` is
    "all" or "none" (kept as it stands); ``unlimited`` allows XML values
    longer than ``length``; a ``grouped`` item overlaps its members; ``user``
    items come from NAACCR's default user dictionary of the version.
    """

    number: int
    id: str
    name: str
    start_column: int
    length: int
    record_types: str
    level: str
    data_type: str
    padding: str
    trim: str
    unlimited: bool
    grouped: bool
    user: bool

    @property
    def end_column(self) -> int:
        """The last column of a flat record the item takes; 0 when it has none."""
        return self.start_column + self.length - 1 if self.start_column else 0


def _word(words: Tuple[str, ...], value: int) -> str:
    return words[value] if value < len(words) else str(value)


def _item(raw: NaaccrItemDef) -> ItemDef:
    return ItemDef(
        number=raw.number,
        id=_native.decode_text(raw.id or b""),
        name=_native.decode_text(raw.name or b""),
        start_column=raw.start_column,
        length=raw.length,
        record_types="".join(t for bit, t in zip((1, 2, 4, 8), "AMCI") if raw.record_types & bit),
        level=_word(LEVELS, raw.level),
        data_type=_word(_DATA_TYPES, raw.data_type),
        padding=_word(_PADDINGS, raw.padding),
        trim="none" if raw.trim_none else "all",
        unlimited=bool(raw.unlimited),
        grouped=bool(raw.grouped),
        user=bool(raw.user),
    )


def _functions() -> Tuple[Any, Any]:
    """cvGetNaaccrItemCount and cvGetNaaccrItem of the loaded library, their types set."""
    library = _native.library()
    try:
        count, get = library.cvGetNaaccrItemCount, library.cvGetNaaccrItem
    except AttributeError as error:
        raise LibraryNotFoundError(
            "the loaded cvnaaccr library has no data dictionaries: it is older than this package"
        ) from error
    count.restype, count.argtypes = ctypes.c_int32, [ctypes.c_int32]
    get.restype = ctypes.c_int32
    get.argtypes = [ctypes.c_int32, ctypes.c_int32, ctypes.POINTER(NaaccrItemDef)]
    return count, get


def version_number(version: Union[int, str]) -> int:
    """180 for 180, "180", 18 or "18"; ValueError for anything else."""
    try:
        number = int(version)
    except (TypeError, ValueError):
        raise ValueError(f"not a NAACCR version: {version!r}") from None
    return number * 10 if 0 < number < 100 else number


_lock = threading.Lock()
_cache: Dict[int, Tuple[ItemDef, ...]] = {}


def dictionary(version: Union[int, str]) -> List[ItemDef]:
    """The data items of NAACCR version ``version`` (140, 150, 160, 180, 210 to 270; 18 for 180).

    Its base dictionary's items and then those of NAACCR's default user
    dictionary of the version (the reserved and state-requestor blocks of the
    flat layouts, up to 210).  Flat versions (140 to 180) come in column
    order, grouped items last; later versions in dictionary order.  Raises
    ValueError for a version without a dictionary.
    """
    number = version_number(version)
    with _lock:
        cached = _cache.get(number)
        if cached is None:
            count, get = _functions()
            n = count(number)
            if n <= 0:
                raise ValueError(f"no NAACCR data dictionary for version {version!r}")
            raw = NaaccrItemDef()
            items = []
            for index in range(n):
                if get(number, index, ctypes.byref(raw)) != 0:
                    raise ValueError(f"item {index} of version {number} cannot be read")
                items.append(_item(raw))
            cached = _cache[number] = tuple(items)
    return list(cached)

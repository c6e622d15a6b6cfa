"""codes() over cvGetNaaccrItemCodes: the allowed codes of one data item in a NAACCR version."""

from __future__ import annotations

import ctypes
from dataclasses import dataclass
from typing import Any, List, Optional, Union

from . import _native
from ._check_call import has_codes
from ._codes import LibraryNotFoundError
from ._dictionary import dictionary, version_number
from ._header import NaaccrItemCode


@dataclass(frozen=True)
class ItemCode:
    """One allowed code of a data item.

    ``code`` is written in full, as a flat field holds it ("C509", "01");
    ``first_version`` is the first NAACCR version whose list holds it (180,
    210, ..., 260); ``label`` says what it means where the list is in the
    public domain, else None.
    """

    code: str
    first_version: int
    label: Optional[str]


def _function() -> Any:
    """cvGetNaaccrItemCodes of the loaded library, its types set."""
    library = _native.library()
    if not has_codes(library):
        raise LibraryNotFoundError("the loaded cvnaaccr library has no lists of codes: it is older than this package")
    function = library.cvGetNaaccrItemCodes
    function.restype = ctypes.c_int32
    function.argtypes = [ctypes.c_int32, ctypes.c_int32, ctypes.POINTER(NaaccrItemCode), ctypes.c_uint32]
    return function


def codes(version: Union[int, str], item: Union[int, str]) -> List[ItemCode]:
    """The allowed codes of ``item`` (its naaccrId, or its naaccrNum) in files of NAACCR ``version``.

    In code order, each with the first version whose list holds it: a code
    is allowed in version V when any list from 180 to V holds it (140 to
    160 take the 180 lists, 270 the 260 lists), as check(..., codes=True)
    judges it.  An empty list for an item without a list of codes (most
    items, the dates, recordType and naaccrRecordVersion).  Raises
    ValueError for a version without a dictionary or an item it does not
    define, LibraryNotFoundError for a library before 1.5.
    """
    number = version_number(version)
    function = _function()
    items = dictionary(number)
    found = [i for i in items if (i.number == item if isinstance(item, int) else i.id == item)]
    if not found:
        raise ValueError(f"no item {item!r} in the dictionary of version {number}")
    count = function(number, found[0].number, None, 0)
    if count <= 0:
        return []
    raw = (NaaccrItemCode * count)()
    count = min(count, function(number, found[0].number, raw, count))
    return [
        ItemCode(
            _native.decode_text(raw[k].code),
            raw[k].first_version,
            _native.decode_text(raw[k].label) if raw[k].label else None,
        )
        for k in range(count)
    ]

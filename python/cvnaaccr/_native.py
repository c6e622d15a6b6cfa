"""The C side: finding and loading the cvnaaccr shared library, its structs and prototypes."""

from __future__ import annotations

import ctypes
import ctypes.util
import os
import sys
import sysconfig
import threading
from typing import Any, Iterable, List, Optional, Tuple, Union

from . import _header
from ._codes import LibraryNotFoundError
from ._header import (
    WINDOWS,
    NaaccrCheckOptions,
    NaaccrCheckSummary,
    NaaccrFileInfo,
    NaaccrLibraryInfo,
    ReadCallback,
)

#: The environment variable that names the library file to load.
LIBRARY_VARIABLE = "CVNAACCR_LIBRARY"

# The library's functions are __stdcall on Windows (see _header for the callbacks).
_Library: Any = getattr(ctypes, "WinDLL") if WINDOWS else ctypes.CDLL

PathArgument = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]
#: User dictionaries: one path, or an iterable of paths.
Dictionaries = Union[PathArgument, Iterable[PathArgument]]

_c_char_p = ctypes.c_char_p
_c_void_p = ctypes.c_void_p
_u32 = ctypes.c_uint32
_i32 = ctypes.c_int32

# name: (result type, argument types)
_PROTOTYPES = {
    "cvGet_naaccr_file_info": (_i32, [ctypes.POINTER(NaaccrFileInfo)]),
    "cvCalcCRC32": (_u32, [_c_void_p, _u32, _u32, _u32]),
    "cvAssignCRC32": (_i32, [_c_void_p, _u32, _u32, _u32]),
    "cvCompareCRC32": (_i32, [_c_void_p, _u32, _u32, _u32]),
    "cvAssignChecksum": (_i32, [_c_void_p]),
    "cvCompareChecksum": (_i32, [_c_void_p]),
    "cvGet_cvnaaccr_dll_info": (_i32, [ctypes.POINTER(NaaccrLibraryInfo)]),
    "cvCheckNaaccrFile": (
        _i32,
        [_c_char_p, ctypes.POINTER(NaaccrCheckOptions), ctypes.POINTER(NaaccrCheckSummary)],
    ),
    "cvCheckNaaccrStream": (
        _i32,
        [ReadCallback, _c_void_p, ctypes.POINTER(NaaccrCheckOptions), ctypes.POINTER(NaaccrCheckSummary)],
    ),
}

# ---- finding the library ----

# This package's folder: a build from a checkout puts the library here, and a
# Windows user may put cvnaaccr.dll here.
_PACKAGE_FOLDER = os.path.dirname(os.path.abspath(__file__))


def _library_names() -> List[str]:
    """The library's file names on this system, the one the package holds first."""
    if WINDOWS:
        return ["cvnaaccr.dll"]
    if sys.platform == "darwin":
        return ["libcvnaaccr.1.dylib", "libcvnaaccr.dylib"]
    return ["libcvnaaccr.so.1", "libcvnaaccr.so"]


def _search_places() -> List[str]:
    """Where to look when CVNAACCR_LIBRARY is not set, in order: inside the package, then installed."""
    names = _library_names()
    places = [os.path.join(_PACKAGE_FOLDER, names[0])]
    found = ctypes.util.find_library("cvnaaccr")
    if WINDOWS:
        # find_library's search of PATH (LoadLibrary itself no longer searches
        # PATH for Python's processes).
        if found:
            places.append(found)
        return places
    if found:
        places.append(found)
    # By name: the dynamic loader's own search (LD_LIBRARY_PATH, its cache,
    # /lib, /usr/lib).  Then the folders an install puts it in that the cache
    # may not know yet.
    places.extend(names)
    folders = ["/usr/local/lib", "/usr/local/lib64"]
    multiarch = sysconfig.get_config_var("MULTIARCH")
    if multiarch:
        folders += [f"/usr/local/lib/{multiarch}", f"/usr/lib/{multiarch}"]
    folders += ["/usr/lib64", "/usr/lib"]
    places.extend(os.path.join(folder, name) for folder in folders for name in names)
    return places


def _open(place: str) -> Any:
    library = _Library(place)
    missing = [name for name in _PROTOTYPES if not hasattr(library, name)]
    if missing:
        raise LibraryNotFoundError(
            f"{place} is a cvnaaccr library without {', '.join(missing)}: it is older than this package"
        )
    for name, (result, arguments) in _PROTOTYPES.items():
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    return library


_lock = threading.Lock()
_loaded: Optional[Tuple[Any, str]] = None


def load_library(path: Optional[PathArgument] = None) -> str:
    """Loads the cvnaaccr shared library and returns the file or name it was loaded from.

    With ``path``, loads that file, and the package uses it from then on.
    Otherwise the environment variable CVNAACCR_LIBRARY, when set, names the
    file; else the library inside this package (libcvnaaccr.so.1, which an
    install from a checkout with CMake puts there; on Windows cvnaaccr.dll
    put there by hand); else the installed library: on Windows cvnaaccr.dll
    on PATH, elsewhere what ``ctypes.util.find_library("cvnaaccr")`` finds,
    then libcvnaaccr.so.1 and libcvnaaccr.so through the dynamic loader's
    search and in /usr/local/lib, /usr/lib and their multiarch folders.
    Every function of the package loads the library on its first call, so
    calling this is needed only to choose the file, or to fail early;
    library_path() says which file was loaded.

    Raises LibraryNotFoundError (an OSError) naming the places tried.
    """
    global _loaded
    with _lock:
        if path is not None:
            place = os.fsdecode(os.fspath(path))
            _loaded = (_open_named(place, "the given path"), place)
            return place
        if _loaded is not None:
            return _loaded[1]
        named = os.environ.get(LIBRARY_VARIABLE)
        if named:
            _loaded = (_open_named(named, LIBRARY_VARIABLE), named)
            return named
        failures: List[str] = []
        for place in _search_places():
            if os.path.isabs(place) and not os.path.exists(place):
                continue
            try:
                _loaded = (_open(place), place)
                return place
            except OSError as error:
                failures.append(f"{place}: {error}")
        tried = "; ".join(failures) if failures else "none of its places exists"
        wanted = "cvnaaccr.dll" if WINDOWS else "libcvnaaccr.so"
        raise LibraryNotFoundError(
            f"cannot find the cvnaaccr library {wanted} (tried: {tried}).  "
            f"Install it, set {LIBRARY_VARIABLE} to the library file's path, "
            "or install this package from a checkout with CMake, which puts the library inside it."
        )


def _open_named(place: str, source: str) -> Any:
    try:
        return _open(place)
    except LibraryNotFoundError:
        raise
    except OSError as error:
        raise LibraryNotFoundError(f"cannot load the cvnaaccr library {place!r} named by {source}: {error}") from error


def library() -> Any:
    """The loaded library, loading it on first use."""
    loaded = _loaded
    if loaded is None:
        load_library()
        loaded = _loaded
        assert loaded is not None
    return loaded[0]


def library_path() -> str:
    """The full path of the library file in use, loading the library on first use.

    This is the file the system loaded, also when the library was found by
    name through the dynamic loader's search.
    """
    loaded = library()
    if WINDOWS:
        # A kernel32 of its own, so that the prototype set here meets no other caller's.
        get_module_file_name = _Library("kernel32").GetModuleFileNameW
        get_module_file_name.argtypes = [_c_void_p, ctypes.c_wchar_p, _u32]
        get_module_file_name.restype = _u32
        buffer = ctypes.create_unicode_buffer(32768)
        if get_module_file_name(loaded._handle, buffer, len(buffer)):
            return buffer.value
        return os.path.abspath(loaded._name)
    # dladdr names the file that holds one of the library's functions.
    dladdr = ctypes.CDLL(None).dladdr
    dladdr.argtypes = [_c_void_p, ctypes.POINTER(_DlInfo)]
    dladdr.restype = ctypes.c_int
    info = _DlInfo()
    if dladdr(ctypes.cast(loaded.cvGet_cvnaaccr_dll_info, _c_void_p), ctypes.byref(info)) and info.dli_fname:
        return os.path.abspath(os.fsdecode(info.dli_fname))
    return os.path.abspath(loaded._name)


class _DlInfo(ctypes.Structure):
    """Dl_info of <dlfcn.h>: the file and symbol that hold an address."""

    _fields_ = [("dli_fname", _c_char_p), ("dli_fbase", _c_void_p), ("dli_sname", _c_char_p), ("dli_saddr", _c_void_p)]


# ---- the flags an options struct takes ----

#: The encodings of bytes above 126 of flat records that records() and
#: convert() take, by name: their flag (the same bits for both).
ENCODINGS = {"latin1": _header.NAACCR_READ_LATIN1, "windows-1252": _header.NAACCR_READ_WINDOWS_1252}


def offered_flags(options: int) -> int:
    """The flag bits the loaded library takes in the options struct `options` (NAACCR_OPTIONS_...).

    A library before 1.5 has no cvGetNaaccrOptionFlags: it takes none of
    1.5's flags, and this returns 0.
    """
    loaded = library()
    try:
        function = loaded.cvGetNaaccrOptionFlags
    except AttributeError:
        return 0
    function.restype = _u32
    function.argtypes = [_i32]
    return int(function(options))


def require_flags(options: int, flags: int, what: str) -> None:
    """LibraryNotFoundError unless the loaded library takes every bit of `flags` in `options`."""
    if flags & ~offered_flags(options):
        raise LibraryNotFoundError(f"the loaded cvnaaccr library cannot {what}: it is older than this package")


def encoding_flag(encoding: Optional[str]) -> int:
    """The flag of an encoding's name, 0 for None; ValueError for another name."""
    if encoding is None:
        return 0
    if encoding not in ENCODINGS:
        raise ValueError(f"encoding must be latin1 or windows-1252, not {encoding!r}")
    return ENCODINGS[encoding]


# ---- text and paths ----


def encode_path(path: PathArgument) -> bytes:
    """The bytes the library is to open for `path`.

    On Windows the library opens files through the ANSI functions, so a str is
    encoded in the ANSI code page; a name that code page cannot spell raises
    UnicodeEncodeError (a ValueError) rather than opening another file.
    Elsewhere os.fsencode.  A NUL inside the path raises ValueError, since the
    library would see only the part before it.
    """
    name = os.fspath(path)
    if isinstance(name, str):
        raw = name.encode("mbcs", "strict") if WINDOWS else os.fsencode(name)
    else:
        raw = bytes(name)
    if b"\0" in raw:
        raise ValueError("embedded null byte in path")
    return raw


def dictionary_paths(dictionaries: Dictionaries) -> Tuple[bytes, ...]:
    """User dictionaries' paths, encoded as the library opens them: one path, or an iterable of paths.

    One path given alone (str, bytes, os.PathLike) is one dictionary, never a
    sequence of characters.
    """
    if isinstance(dictionaries, (str, bytes, os.PathLike)):
        return (encode_path(dictionaries),)
    return tuple(encode_path(path) for path in dictionaries)


def decode_path(raw: bytes) -> str:
    """A path (or a message holding one) from the library, as a str."""
    if WINDOWS:
        return raw.decode("mbcs", "replace")
    return os.fsdecode(raw)


def decode_text(raw: bytes) -> str:
    """A text field of the library: its characters are bytes, kept one to one."""
    return raw.decode("latin-1")

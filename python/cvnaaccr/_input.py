"""An input read as the command line reads it: a path, plain or gzip found by its first bytes, or a binary stream."""

from __future__ import annotations

import contextlib
import ctypes
import gzip
import io
import os
import stat
import zlib
from typing import Any, BinaryIO, Iterator, List, NamedTuple, Optional, Union

from . import _header, _native
from ._codes import CheckError, ResultCode

#: A path (str, bytes, os.PathLike) or a binary file object.
Source = Union[_native.PathArgument, BinaryIO, Any]

# gzip data is told by these bytes, whatever the name, as the command tells it.
_GZIP_MAGIC = b"\x1f\x8b"


class Opened(NamedTuple):
    """What the library is handed: a path for its file call, or a stream for its stream call."""

    path: Optional[bytes]
    stream: Optional[Any]


def is_stream(source: Source) -> bool:
    return hasattr(source, "read")


def refuse_text(source: Source, what: str) -> None:
    """TypeError for a text-mode file object, whose characters are not the file's bytes."""
    if isinstance(source, io.TextIOBase):
        raise TypeError(f"{what} needs a binary file object (open it with 'rb'), not a text file")


def name_of(source: Source) -> str:
    """How messages name the input: the path, or the stream's name, quoted."""
    if is_stream(source):
        return repr(getattr(source, "name", source))
    return repr(_native.decode_path(_native.encode_path(source)))


def read_into(stream: Any, view: memoryview) -> int:
    """Reads at most len(view) bytes of `stream` into `view`; 0 at its end.

    Through ``readinto`` when the stream has it, else ``read``.  A stream
    with no data ready (None) raises BlockingIOError, a read() that gives no
    bytes TypeError and a count outside the buffer ValueError, so that a
    faulty stream never passes for one that ended.
    """
    readinto = getattr(stream, "readinto", None)
    data: Any = None
    if readinto is not None:
        got = readinto(view)
    else:
        data = stream.read(len(view))
        if data is not None and not isinstance(data, (bytes, bytearray)):
            raise TypeError(f"the stream's read() gave {type(data).__name__}, not bytes")
        got = None if data is None else len(data)
    if got is None:
        raise BlockingIOError("the stream has no data ready: a blocking stream is needed")
    if not 0 <= got <= len(view):
        raise ValueError(f"the stream read {got} bytes into a buffer of {len(view)}")
    if readinto is None:
        view[:got] = data
    return int(got)


def read_callback(stream: Any, failures: List[BaseException]) -> Any:
    """The library's NaaccrReadCallback over `stream`.

    No exception may unwind through the C frames: the first one is kept in
    `failures` for the caller to raise, and the read fails (-1).
    """

    def read(_stream: Any, buffer: Any, size: int) -> int:
        try:
            # Straight into the library's buffer.
            return read_into(stream, memoryview((ctypes.c_ubyte * size).from_address(buffer)).cast("B"))
        except BaseException as error:
            failures.append(error)
            return -1

    return _header.ReadCallback(read)


class _HeadFirst(io.RawIOBase):
    """A stream whose first bytes were read ahead: they come first, then the rest of the stream."""

    def __init__(self, stream: Any, head: bytes) -> None:
        super().__init__()
        self._stream = stream
        self._head = head

    def readable(self) -> bool:
        return True

    def readinto(self, buffer: Any) -> int:
        view = memoryview(buffer).cast("B")
        if self._head:
            n = min(len(view), len(self._head))
            view[:n] = self._head[:n]
            self._head = self._head[n:]
            return n
        return read_into(self._stream, view)


class _Decompressed(io.RawIOBase):
    """gzip data decompressed; damaged or cut data is CheckError READ_FAILED, as the command fails on it."""

    def __init__(self, compressed: gzip.GzipFile, name: str) -> None:
        super().__init__()
        self._compressed = compressed
        self._name = name

    def readable(self) -> bool:
        return True

    def readinto(self, buffer: Any) -> int:
        try:
            return self._compressed.readinto(buffer)
        except (OSError, EOFError, zlib.error) as error:
            raise CheckError(
                f"{self._name}: the gzip data cannot be read ({error})", ResultCode.READ_FAILED
            ) from error


def _head(stream: Any) -> bytes:
    """The first bytes of a stream, enough to tell gzip data; fewer only at its end."""
    head = bytearray(len(_GZIP_MAGIC))
    got = 0
    while got < len(head):
        n = read_into(stream, memoryview(head)[got:])
        if n == 0:
            break
        got += n
    return bytes(head[:got])


@contextlib.contextmanager
def open_input(source: Source, name: str) -> Iterator[Opened]:
    """The input `source` as the command line reads it; what was opened here is closed on leaving.

    A path to a regular file that starts with the gzip magic bytes 1F 8B is
    decompressed and read as a stream, whatever its name; a name ending in
    ".gz" whose data is not gzip raises CheckError READ_FAILED; any other
    path goes to the library as it is (which also tells why a path that
    cannot be opened fails).  A binary stream is decompressed when its data
    starts with the magic bytes; its first bytes are read here, and it is
    never closed here.
    """
    if is_stream(source):
        head = _head(source)
        if head == _GZIP_MAGIC:
            with gzip.GzipFile(fileobj=_HeadFirst(source, head), mode="rb") as compressed:
                yield Opened(None, _Decompressed(compressed, name))
        else:
            yield Opened(None, _HeadFirst(source, head))
        return
    raw = _native.encode_path(source)
    path = os.fspath(source)
    file = None
    try:
        # Only a regular file is looked into, so that a FIFO is never read
        # here; the library refuses anything else anyway.
        if stat.S_ISREG(os.stat(path).st_mode):
            file = open(path, "rb")
    except OSError:
        file = None
    if file is None:
        yield Opened(raw, None)
        return
    with file:
        head = file.read(len(_GZIP_MAGIC))
        if head == _GZIP_MAGIC:
            file.seek(0)
            with gzip.GzipFile(fileobj=file, mode="rb") as compressed:
                yield Opened(None, _Decompressed(compressed, name))
            return
        if head and os.fsdecode(path).endswith(".gz"):
            raise CheckError(f"{name}: not in gzip format, though its name ends in .gz", ResultCode.READ_FAILED)
    yield Opened(raw, None)

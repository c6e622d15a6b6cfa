"""The C header's numbers and structs (cvnaaccr.h), as ctypes mirrors; the tests compare them with the header."""

from __future__ import annotations

import ctypes
import sys
from typing import Any

WINDOWS = sys.platform == "win32"

# The library's functions are __stdcall on Windows, so are its callbacks.  On
# x86_64 both conventions are the same; on x86 a mismatch corrupts the stack.
_FUNCTYPE: Any = getattr(ctypes, "WINFUNCTYPE") if WINDOWS else ctypes.CFUNCTYPE

# The header's numbers that are no result code or kind of problem; the tests
# compare every one with the header.
NAACCR_RECORD_BUFFER_SIZE = 23000
NAACCR_CHECK_KINDS = 16  # entries of NaaccrCheckSummary.counts
NAACCR_CHECK_ALL_KINDS = 48  # entries of NaaccrItemCheckSummary.counts
NAACCR_CHECK_CHECKSUMS = 1
NAACCR_CHECK_ITEMS = 2
NAACCR_CHECK_CODES = 4  # (1.5) also each coded value and each tumour's codes and dates together
NAACCR_CHECK_IDS = 8  # (1.6) name each problem's patient and tumour
NAACCR_CHECK_MOST_HELD = 1000  # (1.6) problems an XML Patient or Tumor holds before its ids
NAACCR_CHECK_LONGEST_VIEW = 1 << 20
FILE_INFO_PATH_BYTES = 1023  # NaaccrFileInfo.directory, without its NUL
NAACCR_VERSION_COLUMN = 17  # a flat record's version code: columns 17 to 19
NAACCR_VERSION_COLUMN_U = 2  # ... 2 to 4 for record type U
NAACCR_CHECKSUM_WIDTH = 10  # the NAACCR checksum field's width
NAACCR_STOP_NONE = 0  # NaaccrCheckSummary.stopped: read to the end
NAACCR_STOP_CALLBACK = 1  # ... stopped by a problem or record callback
NAACCR_STOP_PROGRESS = 2  # ... stopped by the progress callback

# NaaccrItemDef.data_type, .padding, .record_types, .level; NaaccrItemCheckSummary.format
NAACCR_ITEM_TEXT = 0
NAACCR_ITEM_DIGITS = 1
NAACCR_ITEM_ALPHA = 2
NAACCR_ITEM_MIXED = 3
NAACCR_ITEM_NUMERIC = 4
NAACCR_ITEM_DATE = 5
NAACCR_ITEM_DATETIME = 6
NAACCR_PAD_RIGHT_BLANK = 0
NAACCR_PAD_LEFT_BLANK = 1
NAACCR_PAD_RIGHT_ZERO = 2
NAACCR_PAD_LEFT_ZERO = 3
NAACCR_ITEM_IN_A = 1
NAACCR_ITEM_IN_M = 2
NAACCR_ITEM_IN_C = 4
NAACCR_ITEM_IN_I = 8
NAACCR_LEVEL_ROOT = 0
NAACCR_LEVEL_PATIENT = 1
NAACCR_LEVEL_TUMOR = 2
NAACCR_FORMAT_FLAT = 1
NAACCR_FORMAT_XML = 2
NAACCR_FORMAT_CSV = 3  # NaaccrConvertOptions.target
NAACCR_CONVERT_LF = 1
NAACCR_CONVERT_LOSSY = 2
NAACCR_CONVERT_ROOT_FIRST = 4  # (1.5) flat to XML: differing file-level items keep the first record's values
NAACCR_CONVERT_SKIP_BAD_RECORDS = 8  # (1.5) a flat record with a record problem is left out and listed
NAACCR_READ_LATIN1 = 16  # (1.5) NaaccrReadOptions.flags: flat bytes above 126 are ISO-8859-1
NAACCR_READ_WINDOWS_1252 = 32  # (1.5) ... windows-1252
NAACCR_CONVERT_LATIN1 = NAACCR_READ_LATIN1  # the same bits in NaaccrConvertOptions.flags
NAACCR_CONVERT_WINDOWS_1252 = NAACCR_READ_WINDOWS_1252
NAACCR_OPTIONS_CHECK = 1  # (1.5) cvGetNaaccrOptionFlags: NaaccrCheckOptions
NAACCR_OPTIONS_ITEM_CHECK = 2  # ... NaaccrItemCheckOptions
NAACCR_OPTIONS_READ = 3  # ... NaaccrReadOptions
NAACCR_OPTIONS_CONVERT = 4  # ... NaaccrConvertOptions
NAACCR_VALUE_FROM_ROOT = 1  # NaaccrItemValue.flags (1.4): the value is a root attribute's, not an Item's


class NaaccrFileInfo(ctypes.Structure):
    _fields_ = [
        ("directory", ctypes.c_char * 1024),
        ("file_name", ctypes.c_char * 1024),
        ("extension", ctypes.c_char * 256),
        ("record_type", ctypes.c_char),
        ("version", ctypes.c_char * 4),
        ("first_terminator", ctypes.c_char),
        ("second_terminator", ctypes.c_char),
        ("record_length", ctypes.c_int32),
        ("record_count", ctypes.c_int32),
        ("file_size", ctypes.c_int64),
        ("message", ctypes.c_char * 1024),
    ]


class NaaccrLibraryInfo(ctypes.Structure):
    _fields_ = [
        ("library_version", ctypes.c_char * 16),
        ("build_date", ctypes.c_char * 16),
        ("build_time", ctypes.c_char * 16),
        ("contact", ctypes.c_char * 64),
    ]


class NaaccrProblem(ctypes.Structure):
    _fields_ = [
        ("record", ctypes.c_uint64),
        ("offset", ctypes.c_int64),
        ("column", ctypes.c_int32),
        ("code", ctypes.c_int32),
        ("message", ctypes.c_char * 256),
    ]


class NaaccrRecordView(ctypes.Structure):
    _fields_ = [
        ("number", ctypes.c_uint64),
        ("offset", ctypes.c_int64),
        ("bytes", ctypes.c_void_p),
        ("length", ctypes.c_uint32),
        ("terminator_length", ctypes.c_uint32),
        ("problems", ctypes.c_uint32),
        ("checksum_column", ctypes.c_uint32),
    ]


class NaaccrCheckSummary(ctypes.Structure):
    _fields_ = [
        ("records", ctypes.c_uint64),
        ("bytes", ctypes.c_uint64),
        ("problems", ctypes.c_uint64),
        ("reported", ctypes.c_uint64),
        ("counts", ctypes.c_uint64 * NAACCR_CHECK_KINDS),
        ("checksums_matched", ctypes.c_uint64),
        ("record_length", ctypes.c_int32),
        ("layout_length", ctypes.c_int32),
        ("stopped", ctypes.c_int32),
        ("record_type", ctypes.c_char),
        ("version", ctypes.c_char * 4),
        ("first_terminator", ctypes.c_char),
        ("second_terminator", ctypes.c_char),
        ("reserved", ctypes.c_char),
        ("reported_without_ids", ctypes.c_uint32),  # (1.6) with NAACCR_CHECK_IDS
    ]


ProblemCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.POINTER(NaaccrProblem))
RecordCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.POINTER(NaaccrRecordView))
ProgressCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.c_uint64, ctypes.c_int64, ctypes.c_uint64)
ReadCallback = _FUNCTYPE(ctypes.c_int64, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32)


class NaaccrCheckOptions(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_uint32),
        ("flags", ctypes.c_uint32),
        ("threads", ctypes.c_uint32),
        ("max_reported", ctypes.c_uint32),
        ("on_problem", ProblemCallback),
        ("on_record", RecordCallback),
        ("on_progress", ProgressCallback),
        ("context", ctypes.c_void_p),
    ]


class NaaccrItemDef(ctypes.Structure):
    _fields_ = [
        ("id", ctypes.c_char_p),
        ("name", ctypes.c_char_p),
        ("number", ctypes.c_int32),
        ("start_column", ctypes.c_int32),
        ("length", ctypes.c_int32),
        ("record_types", ctypes.c_uint8),
        ("level", ctypes.c_uint8),
        ("data_type", ctypes.c_uint8),
        ("padding", ctypes.c_uint8),
        ("trim_none", ctypes.c_uint8),
        ("unlimited", ctypes.c_uint8),
        ("grouped", ctypes.c_uint8),
        ("user", ctypes.c_uint8),
        ("reserved", ctypes.c_uint8 * 4),
    ]


class NaaccrItemProblem(ctypes.Structure):
    _fields_ = [
        ("record", ctypes.c_uint64),
        ("offset", ctypes.c_int64),
        ("line", ctypes.c_uint64),
        ("patient", ctypes.c_uint64),
        ("tumor", ctypes.c_uint64),
        ("column", ctypes.c_int32),
        ("code", ctypes.c_int32),
        ("item_number", ctypes.c_int32),
        ("item_start", ctypes.c_int32),
        ("item_length", ctypes.c_int32),
        ("value_length", ctypes.c_uint32),
        ("value", ctypes.c_void_p),  # value_length bytes, no NUL after them
        ("item_id", ctypes.c_char_p),
        ("item_name", ctypes.c_char_p),
        ("message", ctypes.c_char_p),
        # (1.6) Only with NAACCR_CHECK_IDS: a library before it hands over the struct without them.
        ("patient_id", ctypes.c_char_p),
        ("tumor_record_number", ctypes.c_char_p),
        ("accession_number", ctypes.c_char_p),
    ]


ItemProblemCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.POINTER(NaaccrItemProblem))


class NaaccrCodeReport(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_uint32),
        ("version", ctypes.c_int32),
        ("lists", ctypes.c_char * 32),
        ("site_list", ctypes.c_char * 16),
        ("site_list_first_year", ctypes.c_int32),
        ("site_list_last_year", ctypes.c_int32),
        ("tumors_judged", ctypes.c_uint64),
        ("site_list_judged", ctypes.c_uint64),
        ("site_list_not_judged", ctypes.c_uint64),
    ]


class NaaccrItemCode(ctypes.Structure):
    _fields_ = [
        ("code", ctypes.c_char * 8),
        ("first_version", ctypes.c_int32),
        ("reserved", ctypes.c_uint32),
        ("label", ctypes.c_char_p),
    ]


class NaaccrItemCheckOptions(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_uint32),
        ("flags", ctypes.c_uint32),
        ("threads", ctypes.c_uint32),
        ("max_reported", ctypes.c_uint32),
        ("on_problem", ProblemCallback),
        ("on_record", RecordCallback),
        ("on_progress", ProgressCallback),
        ("on_item_problem", ItemProblemCallback),
        ("context", ctypes.c_void_p),
        ("dictionaries", ctypes.POINTER(ctypes.c_char_p)),
        ("dictionary_count", ctypes.c_uint32),
        ("reserved", ctypes.c_uint32),
        ("code_report", ctypes.POINTER(NaaccrCodeReport)),  # 1.5: past the size of 1.3 and 1.4
    ]


# The options' size that every library from 1.3 on takes: without code_report.
ITEM_CHECK_OPTIONS_1_3_SIZE = NaaccrItemCheckOptions.code_report.offset


class NaaccrItemCheckSummary(ctypes.Structure):
    _fields_ = [
        ("records", NaaccrCheckSummary),
        ("counts", ctypes.c_uint64 * NAACCR_CHECK_ALL_KINDS),
        ("items", ctypes.c_uint64),
        ("patients", ctypes.c_uint64),
        ("tumors", ctypes.c_uint64),
        ("format", ctypes.c_int32),
        ("version", ctypes.c_int32),
        ("specification_version", ctypes.c_char * 8),
        ("user_dictionaries", ctypes.c_char * 512),
    ]


class NaaccrItemValue(ctypes.Structure):
    _fields_ = [
        ("item", ctypes.POINTER(NaaccrItemDef)),
        ("value", ctypes.c_void_p),  # length bytes, no NUL after them
        ("length", ctypes.c_uint32),
        ("flags", ctypes.c_uint32),  # NAACCR_VALUE_FROM_ROOT; 0 from a 1.3 library
    ]


class NaaccrTumorView(ctypes.Structure):
    _fields_ = [
        ("tumor", ctypes.c_uint64),
        ("patient", ctypes.c_uint64),
        ("offset", ctypes.c_int64),
        ("items", ctypes.POINTER(NaaccrItemValue) * 3),
        ("reserved_pointer", ctypes.c_void_p),
        ("counts", ctypes.c_uint32 * 3),
        ("version", ctypes.c_int32),
        ("record_type", ctypes.c_char),
        ("first_of_patient", ctypes.c_uint8),
        ("patient_split", ctypes.c_uint8),
        ("root_differs", ctypes.c_uint8),
        ("reserved", ctypes.c_uint32),
    ]


TumorCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.POINTER(NaaccrTumorView))
WriteCallback = _FUNCTYPE(ctypes.c_int32, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint32)


class NaaccrReadOptions(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_uint32),
        ("flags", ctypes.c_uint32),
        ("max_reported", ctypes.c_uint32),
        ("reserved", ctypes.c_uint32),
        ("on_tumor", TumorCallback),
        ("on_problem", ItemProblemCallback),
        ("on_progress", ProgressCallback),
        ("context", ctypes.c_void_p),
        ("dictionaries", ctypes.POINTER(ctypes.c_char_p)),
        ("dictionary_count", ctypes.c_uint32),
        ("reserved2", ctypes.c_uint32),
    ]


class NaaccrConvertOptions(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_uint32),
        ("flags", ctypes.c_uint32),
        ("target", ctypes.c_int32),
        ("max_reported", ctypes.c_uint32),
        ("items", ctypes.c_char_p),
        ("write", WriteCallback),
        ("output", ctypes.c_void_p),
        ("on_problem", ItemProblemCallback),
        ("on_progress", ProgressCallback),
        ("context", ctypes.c_void_p),
        ("dictionaries", ctypes.POINTER(ctypes.c_char_p)),
        ("dictionary_count", ctypes.c_uint32),
        ("reserved2", ctypes.c_uint32),
    ]


class NaaccrConvertSummary(ctypes.Structure):
    _fields_ = [
        ("input", NaaccrItemCheckSummary),
        ("written", ctypes.c_uint64),
        ("patient_splits", ctypes.c_uint64),
        ("left_out", ctypes.c_uint64),
        ("problems", ctypes.c_uint64),
        ("refused", ctypes.c_int32),
        ("items_without_column", ctypes.c_int32),  # CSV: given items that no column held (0 from a 1.3 library)
    ]

"""CRC-32 check fields and the NAACCR checksum field of records in memory."""

import random
import zlib

import pytest

import cvnaaccr
from cvnaaccr import ResultCode
from conftest import SAMPLES

RECORD = bytes(random.Random(7).randrange(32, 127) for _ in range(500))


def test_crc_known_answer():
    # A field past the end of the message leaves nothing out.
    assert cvnaaccr.calc_crc32(b"123456789", 10, 1) == 0xCBF43926


# label: column, width, length, the bytes hashed
CRC_CASES = {
    "field inside": (101, 10, None, RECORD[:100] + RECORD[110:]),
    "field at column 1": (1, 8, None, RECORD[8:]),
    "column 0 counts as 1": (0, 8, None, RECORD[8:]),
    "field at the end": (491, 10, None, RECORD[:490]),
    "field past the end": (499, 10, None, RECORD[:498]),
    "shorter length": (11, 10, 200, RECORD[:10] + RECORD[20:200]),
}


@pytest.mark.parametrize("column, width, length, hashed", CRC_CASES.values(), ids=CRC_CASES.keys())
def test_crc_is_the_standard_crc_of_the_record_without_its_field(column, width, length, hashed):
    assert cvnaaccr.calc_crc32(RECORD, column, width, length) == zlib.crc32(hashed)


@pytest.mark.parametrize("record_type", [bytes, bytearray, memoryview])
def test_assign_then_compare_and_the_callers_object_unchanged(record_type):
    record = record_type(RECORD)
    before = bytes(record)
    assigned = cvnaaccr.assign_crc32(record, 101, 10)
    assert bytes(record) == before
    assert isinstance(assigned, bytes) and len(assigned) == len(RECORD)
    assert assigned[100:110] == b"%010X" % zlib.crc32(RECORD[:100] + RECORD[110:])
    assert assigned[:100] == RECORD[:100] and assigned[110:] == RECORD[110:]
    assert cvnaaccr.compare_crc32(assigned, 101, 10) is True
    changed = assigned[:300] + bytes([assigned[300] ^ 1]) + assigned[301:]
    assert cvnaaccr.compare_crc32(changed, 101, 10) is False


REFUSALS = {
    "width 7": (101, 7, cvnaaccr.CV_FIELD_TOO_NARROW),
    "width 100": (101, 100, cvnaaccr.CV_FIELD_TOO_WIDE),
    "past the end": (495, 10, cvnaaccr.CV_FIELD_PAST_END),
}


@pytest.mark.parametrize("column, width, code", REFUSALS.values(), ids=REFUSALS.keys())
def test_a_refused_crc_field_raises_with_the_code(column, width, code):
    with pytest.raises(cvnaaccr.CheckFieldError) as raised:
        cvnaaccr.assign_crc32(RECORD, column, width)
    assert raised.value.code == code and isinstance(raised.value, ValueError)
    assert cvnaaccr.compare_crc32(RECORD, column, width) is False


BAD_ARGUMENTS = {
    "length past the record": ((RECORD, 1, 8, len(RECORD) + 1), ValueError),
    "negative column": ((RECORD, -1, 8), ValueError),
    "column of 33 bits": ((RECORD, 1 << 32, 8), ValueError),
    "str record": (("text", 1, 8), TypeError),
    "int record": ((500, 1, 8), TypeError),
}


@pytest.mark.parametrize("arguments, error", BAD_ARGUMENTS.values(), ids=BAD_ARGUMENTS.keys())
def test_arguments_that_would_reach_outside_the_record_are_refused(arguments, error):
    for function in (cvnaaccr.calc_crc32, cvnaaccr.assign_crc32, cvnaaccr.compare_crc32):
        with pytest.raises(error):
            function(*arguments)


def blank_field(record, column=2607):
    return record[: column - 1] + b" " * 10 + record[column + 9 :]


def test_sample_records_carry_their_checksums(i180_records):
    for record in i180_records:
        assert cvnaaccr.compare_checksum(record) == cvnaaccr.CV_FIELD_OK
        assert cvnaaccr.compare_checksum(record + b"\n") == cvnaaccr.CV_FIELD_OK
        assert cvnaaccr.assign_checksum(blank_field(record)) == record


def test_assign_checksum_writes_only_the_first_record_and_leaves_the_callers_bytes(i180_records):
    first, second = i180_records
    given = bytearray(blank_field(first) + b"\n" + blank_field(second) + b"\n")
    before = bytes(given)
    assigned = cvnaaccr.assign_checksum(given)
    assert bytes(given) == before
    assert assigned == first + b"\n" + blank_field(second) + b"\n"


def test_a_changed_byte_is_a_checksum_mismatch(i180_records):
    record = i180_records[0]
    changed = record[:999] + (b"A" if record[999:1000] != b"A" else b"B") + record[1000:]
    assert cvnaaccr.compare_checksum(changed) == cvnaaccr.CV_FIELD_MISMATCH


CHECKSUM_REFUSALS = {
    "type R has no field": (lambda: (SAMPLES / "r-120-crlf.txt").read_bytes()[:2215], ResultCode.NO_CHECKSUM),
    "record ends inside the field": (lambda: (SAMPLES / "i-180-lf.txt").read_bytes()[:2610], cvnaaccr.CV_FIELD_PAST_END),
    "bad record type": (lambda: b"X" + (SAMPLES / "i-180-lf.txt").read_bytes()[1:4048], ResultCode.BAD_TYPE),
}


@pytest.mark.parametrize("make, code", CHECKSUM_REFUSALS.values(), ids=CHECKSUM_REFUSALS.keys())
def test_a_record_without_a_checksum_field_raises_on_assign_and_answers_on_compare(make, code):
    record = make()
    with pytest.raises(cvnaaccr.CheckFieldError) as raised:
        cvnaaccr.assign_checksum(record)
    assert raised.value.code == code
    expected = cvnaaccr.CV_FIELD_MISMATCH if code == cvnaaccr.CV_FIELD_PAST_END else code
    assert cvnaaccr.compare_checksum(record) == expected

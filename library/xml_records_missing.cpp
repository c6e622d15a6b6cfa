// xml_records_missing.cpp -- NAACCR XML read as tumours, in a build whose
// XML reader is not there yet: one clear problem.
#include "record_reading.h"

int32_t read_xml_tumors(NaaccrReadCallback, void *, const NaaccrReadOptions *, ReadReport *report)
{
    report_problem(report, NAACCR_CHECK_NOT_READABLE, 0, 0, 0, "NAACCR XML cannot be read as items by this build.");
    return NAACCR_REC_BAD_TYPE;
}

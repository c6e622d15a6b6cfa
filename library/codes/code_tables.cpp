// code_tables.cpp -- the allowed codes of NAACCR data items as tables: made by
// tools/dictionaries/make_code_tables.py from data/codes; do not edit.
//
// A row holds a code and the first NAACCR version whose list holds it (0: the
// source does not track versions, and the code holds for all).  Labels only
// where the table is in the public domain.  Sources, commits and licences of
// every table: data/codes/README.md and items.csv.
// clang-format off
#include "codes/codes.h"

namespace
{

// A code and the first version whose list holds it; the same with its label.
#define C(code, first) {code, first, nullptr}
#define L(code, first, label) {code, first, label}

// maritalStatusAtDx (150), 7 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/maritalStatusAtDx.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow maritalStatusAtDx_codes[] = {
    /* maritalStatusAtDx */ L("1", 180, "Single (never married)"),
    /* maritalStatusAtDx */ L("2", 180, "Married (including common law)"),
    /* maritalStatusAtDx */ L("3", 180, "Separated"),
    /* maritalStatusAtDx */ L("4", 180, "Divorced"),
    /* maritalStatusAtDx */ L("5", 180, "Widowed"),
    /* maritalStatusAtDx */ L("6", 180, "Unmarried or Domestic Partner (same sex or opposite sex, registered or unregistered, other than common law marriage)"),
    /* maritalStatusAtDx */ L("9", 180, "Unknown"),
};

// race1 (160), 30 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow race1_codes[] = {
    /* race1 */ C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180), C("08", 180),
    /* race1 */ C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("15", 180), C("16", 180), C("17", 180),
    /* race1 */ C("20", 180), C("21", 180), C("22", 180), C("25", 180), C("26", 180), C("27", 180), C("28", 180), C("30", 180),
    /* race1 */ C("31", 180), C("32", 180), C("96", 180), C("97", 180), C("98", 180), C("99", 180),
};

// race2 (161), 31 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow race2_codes[] = {
    /* race2 */ C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180), C("08", 180),
    /* race2 */ C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("15", 180), C("16", 180), C("17", 180),
    /* race2 */ C("20", 180), C("21", 180), C("22", 180), C("25", 180), C("26", 180), C("27", 180), C("28", 180), C("30", 180),
    /* race2 */ C("31", 180), C("32", 180), C("88", 180), C("96", 180), C("97", 180), C("98", 180), C("99", 180),
};

// race3 (162), 31 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow race3_codes[] = {
    /* race3 */ C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180), C("08", 180),
    /* race3 */ C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("15", 180), C("16", 180), C("17", 180),
    /* race3 */ C("20", 180), C("21", 180), C("22", 180), C("25", 180), C("26", 180), C("27", 180), C("28", 180), C("30", 180),
    /* race3 */ C("31", 180), C("32", 180), C("88", 180), C("96", 180), C("97", 180), C("98", 180), C("99", 180),
};

// race4 (163), 31 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow race4_codes[] = {
    /* race4 */ C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180), C("08", 180),
    /* race4 */ C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("15", 180), C("16", 180), C("17", 180),
    /* race4 */ C("20", 180), C("21", 180), C("22", 180), C("25", 180), C("26", 180), C("27", 180), C("28", 180), C("30", 180),
    /* race4 */ C("31", 180), C("32", 180), C("88", 180), C("96", 180), C("97", 180), C("98", 180), C("99", 180),
};

// race5 (164), 31 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow race5_codes[] = {
    /* race5 */ C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180), C("08", 180),
    /* race5 */ C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("15", 180), C("16", 180), C("17", 180),
    /* race5 */ C("20", 180), C("21", 180), C("22", 180), C("25", 180), C("26", 180), C("27", 180), C("28", 180), C("30", 180),
    /* race5 */ C("31", 180), C("32", 180), C("88", 180), C("96", 180), C("97", 180), C("98", 180), C("99", 180),
};

// spanishHispanicOrigin (190), 10 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow spanishHispanicOrigin_codes[] = {
    /* spanishHispanicOrigin */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180),
    /* spanishHispanicOrigin */ C("8", 180), C("9", 180),
};

// sex (220), 7 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow sex_codes[] = {
    /* sex */ C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("9", 180),
};

// sexAssignedAtBirth (225), 3 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow sexAssignedAtBirth_codes[] = {
    /* sexAssignedAtBirth */ C("1", 260), C("2", 260), C("9", 260),
};

// ageAtDiagnosis (230), 122 codes.
// Source: constructed: whole years 000 to 120, and 999 for unknown
// Licence: a rule, not a table
const CodeRow ageAtDiagnosis_codes[] = {
    /* ageAtDiagnosis */ C("000", 0), C("001", 0), C("002", 0), C("003", 0), C("004", 0), C("005", 0), C("006", 0), C("007", 0),
    /* ageAtDiagnosis */ C("008", 0), C("009", 0), C("010", 0), C("011", 0), C("012", 0), C("013", 0), C("014", 0), C("015", 0),
    /* ageAtDiagnosis */ C("016", 0), C("017", 0), C("018", 0), C("019", 0), C("020", 0), C("021", 0), C("022", 0), C("023", 0),
    /* ageAtDiagnosis */ C("024", 0), C("025", 0), C("026", 0), C("027", 0), C("028", 0), C("029", 0), C("030", 0), C("031", 0),
    /* ageAtDiagnosis */ C("032", 0), C("033", 0), C("034", 0), C("035", 0), C("036", 0), C("037", 0), C("038", 0), C("039", 0),
    /* ageAtDiagnosis */ C("040", 0), C("041", 0), C("042", 0), C("043", 0), C("044", 0), C("045", 0), C("046", 0), C("047", 0),
    /* ageAtDiagnosis */ C("048", 0), C("049", 0), C("050", 0), C("051", 0), C("052", 0), C("053", 0), C("054", 0), C("055", 0),
    /* ageAtDiagnosis */ C("056", 0), C("057", 0), C("058", 0), C("059", 0), C("060", 0), C("061", 0), C("062", 0), C("063", 0),
    /* ageAtDiagnosis */ C("064", 0), C("065", 0), C("066", 0), C("067", 0), C("068", 0), C("069", 0), C("070", 0), C("071", 0),
    /* ageAtDiagnosis */ C("072", 0), C("073", 0), C("074", 0), C("075", 0), C("076", 0), C("077", 0), C("078", 0), C("079", 0),
    /* ageAtDiagnosis */ C("080", 0), C("081", 0), C("082", 0), C("083", 0), C("084", 0), C("085", 0), C("086", 0), C("087", 0),
    /* ageAtDiagnosis */ C("088", 0), C("089", 0), C("090", 0), C("091", 0), C("092", 0), C("093", 0), C("094", 0), C("095", 0),
    /* ageAtDiagnosis */ C("096", 0), C("097", 0), C("098", 0), C("099", 0), C("100", 0), C("101", 0), C("102", 0), C("103", 0),
    /* ageAtDiagnosis */ C("104", 0), C("105", 0), C("106", 0), C("107", 0), C("108", 0), C("109", 0), C("110", 0), C("111", 0),
    /* ageAtDiagnosis */ C("112", 0), C("113", 0), C("114", 0), C("115", 0), C("116", 0), C("117", 0), C("118", 0), C("119", 0),
    /* ageAtDiagnosis */ C("120", 0), C("999", 0),
};

// sequenceNumberCentral (380), 91 codes.
// Source: WerthPADOH/naaccr
//    data-raw/sentinel-labels/sequenceNumberCentral.csv@50179f1457f92ae630e130cb07411cb95492cce2
//    (special codes) + numeric range
// Licence: NAACCR copyright: codes only
const CodeRow sequenceNumberCentral_codes[] = {
    /* sequenceNumberCentral */ C("00", 0), C("01", 0), C("02", 0), C("03", 0), C("04", 0), C("05", 0), C("06", 0), C("07", 0),
    /* sequenceNumberCentral */ C("08", 0), C("09", 0), C("10", 0), C("11", 0), C("12", 0), C("13", 0), C("14", 0), C("15", 0),
    /* sequenceNumberCentral */ C("16", 0), C("17", 0), C("18", 0), C("19", 0), C("20", 0), C("21", 0), C("22", 0), C("23", 0),
    /* sequenceNumberCentral */ C("24", 0), C("25", 0), C("26", 0), C("27", 0), C("28", 0), C("29", 0), C("30", 0), C("31", 0),
    /* sequenceNumberCentral */ C("32", 0), C("33", 0), C("34", 0), C("35", 0), C("36", 0), C("37", 0), C("38", 0), C("39", 0),
    /* sequenceNumberCentral */ C("40", 0), C("41", 0), C("42", 0), C("43", 0), C("44", 0), C("45", 0), C("46", 0), C("47", 0),
    /* sequenceNumberCentral */ C("48", 0), C("49", 0), C("50", 0), C("51", 0), C("52", 0), C("53", 0), C("54", 0), C("55", 0),
    /* sequenceNumberCentral */ C("56", 0), C("57", 0), C("58", 0), C("59", 0), C("60", 0), C("61", 0), C("62", 0), C("63", 0),
    /* sequenceNumberCentral */ C("64", 0), C("65", 0), C("66", 0), C("67", 0), C("68", 0), C("69", 0), C("70", 0), C("71", 0),
    /* sequenceNumberCentral */ C("72", 0), C("73", 0), C("74", 0), C("75", 0), C("76", 0), C("77", 0), C("78", 0), C("79", 0),
    /* sequenceNumberCentral */ C("80", 0), C("81", 0), C("82", 0), C("83", 0), C("84", 0), C("85", 0), C("86", 0), C("87", 0),
    /* sequenceNumberCentral */ C("88", 0), C("98", 0), C("99", 0),
};

// primarySite (400), 330 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: WHO ICD-O-3 classification (copyright): codes only
const CodeRow primarySite_codes[] = {
    /* primarySite */ C("C000", 180), C("C001", 180), C("C002", 180), C("C003", 180), C("C004", 180), C("C005", 180), C("C006", 180), C("C008", 180),
    /* primarySite */ C("C009", 180), C("C019", 180), C("C020", 180), C("C021", 180), C("C022", 180), C("C023", 180), C("C024", 180), C("C028", 180),
    /* primarySite */ C("C029", 180), C("C030", 180), C("C031", 180), C("C039", 180), C("C040", 180), C("C041", 180), C("C048", 180), C("C049", 180),
    /* primarySite */ C("C050", 180), C("C051", 180), C("C052", 180), C("C058", 180), C("C059", 180), C("C060", 180), C("C061", 180), C("C062", 180),
    /* primarySite */ C("C068", 180), C("C069", 180), C("C079", 180), C("C080", 180), C("C081", 180), C("C088", 180), C("C089", 180), C("C090", 180),
    /* primarySite */ C("C091", 180), C("C098", 180), C("C099", 180), C("C100", 180), C("C101", 180), C("C102", 180), C("C103", 180), C("C104", 180),
    /* primarySite */ C("C108", 180), C("C109", 180), C("C110", 180), C("C111", 180), C("C112", 180), C("C113", 180), C("C118", 180), C("C119", 180),
    /* primarySite */ C("C129", 180), C("C130", 180), C("C131", 180), C("C132", 180), C("C138", 180), C("C139", 180), C("C140", 180), C("C142", 180),
    /* primarySite */ C("C148", 180), C("C150", 180), C("C151", 180), C("C152", 180), C("C153", 180), C("C154", 180), C("C155", 180), C("C158", 180),
    /* primarySite */ C("C159", 180), C("C160", 180), C("C161", 180), C("C162", 180), C("C163", 180), C("C164", 180), C("C165", 180), C("C166", 180),
    /* primarySite */ C("C168", 180), C("C169", 180), C("C170", 180), C("C171", 180), C("C172", 180), C("C173", 180), C("C178", 180), C("C179", 180),
    /* primarySite */ C("C180", 180), C("C181", 180), C("C182", 180), C("C183", 180), C("C184", 180), C("C185", 180), C("C186", 180), C("C187", 180),
    /* primarySite */ C("C188", 180), C("C189", 180), C("C199", 180), C("C209", 180), C("C210", 180), C("C211", 180), C("C212", 180), C("C218", 180),
    /* primarySite */ C("C220", 180), C("C221", 180), C("C239", 180), C("C240", 180), C("C241", 180), C("C248", 180), C("C249", 180), C("C250", 180),
    /* primarySite */ C("C251", 180), C("C252", 180), C("C253", 180), C("C254", 180), C("C257", 180), C("C258", 180), C("C259", 180), C("C260", 180),
    /* primarySite */ C("C268", 180), C("C269", 180), C("C300", 180), C("C301", 180), C("C310", 180), C("C311", 180), C("C312", 180), C("C313", 180),
    /* primarySite */ C("C318", 180), C("C319", 180), C("C320", 180), C("C321", 180), C("C322", 180), C("C323", 180), C("C328", 180), C("C329", 180),
    /* primarySite */ C("C339", 180), C("C340", 180), C("C341", 180), C("C342", 180), C("C343", 180), C("C348", 180), C("C349", 180), C("C379", 180),
    /* primarySite */ C("C380", 180), C("C381", 180), C("C382", 180), C("C383", 180), C("C384", 180), C("C388", 180), C("C390", 180), C("C398", 180),
    /* primarySite */ C("C399", 180), C("C400", 180), C("C401", 180), C("C402", 180), C("C403", 180), C("C408", 180), C("C409", 180), C("C410", 180),
    /* primarySite */ C("C411", 180), C("C412", 180), C("C413", 180), C("C414", 180), C("C418", 180), C("C419", 180), C("C420", 180), C("C421", 180),
    /* primarySite */ C("C422", 180), C("C423", 180), C("C424", 180), C("C440", 180), C("C441", 180), C("C442", 180), C("C443", 180), C("C444", 180),
    /* primarySite */ C("C445", 180), C("C446", 180), C("C447", 180), C("C448", 180), C("C449", 180), C("C470", 180), C("C471", 180), C("C472", 180),
    /* primarySite */ C("C473", 180), C("C474", 180), C("C475", 180), C("C476", 180), C("C478", 180), C("C479", 180), C("C480", 180), C("C481", 180),
    /* primarySite */ C("C482", 180), C("C488", 180), C("C490", 180), C("C491", 180), C("C492", 180), C("C493", 180), C("C494", 180), C("C495", 180),
    /* primarySite */ C("C496", 180), C("C498", 180), C("C499", 180), C("C500", 180), C("C501", 180), C("C502", 180), C("C503", 180), C("C504", 180),
    /* primarySite */ C("C505", 180), C("C506", 180), C("C508", 180), C("C509", 180), C("C510", 180), C("C511", 180), C("C512", 180), C("C518", 180),
    /* primarySite */ C("C519", 180), C("C529", 180), C("C530", 180), C("C531", 180), C("C538", 180), C("C539", 180), C("C540", 180), C("C541", 180),
    /* primarySite */ C("C542", 180), C("C543", 180), C("C548", 180), C("C549", 180), C("C559", 180), C("C569", 180), C("C570", 180), C("C571", 180),
    /* primarySite */ C("C572", 180), C("C573", 180), C("C574", 180), C("C577", 180), C("C578", 180), C("C579", 180), C("C589", 180), C("C600", 180),
    /* primarySite */ C("C601", 180), C("C602", 180), C("C608", 180), C("C609", 180), C("C619", 180), C("C620", 180), C("C621", 180), C("C629", 180),
    /* primarySite */ C("C630", 180), C("C631", 180), C("C632", 180), C("C637", 180), C("C638", 180), C("C639", 180), C("C649", 180), C("C659", 180),
    /* primarySite */ C("C669", 180), C("C670", 180), C("C671", 180), C("C672", 180), C("C673", 180), C("C674", 180), C("C675", 180), C("C676", 180),
    /* primarySite */ C("C677", 180), C("C678", 180), C("C679", 180), C("C680", 180), C("C681", 180), C("C688", 180), C("C689", 180), C("C690", 180),
    /* primarySite */ C("C691", 180), C("C692", 180), C("C693", 180), C("C694", 180), C("C695", 180), C("C696", 180), C("C698", 180), C("C699", 180),
    /* primarySite */ C("C700", 180), C("C701", 180), C("C709", 180), C("C710", 180), C("C711", 180), C("C712", 180), C("C713", 180), C("C714", 180),
    /* primarySite */ C("C715", 180), C("C716", 180), C("C717", 180), C("C718", 180), C("C719", 180), C("C720", 180), C("C721", 180), C("C722", 180),
    /* primarySite */ C("C723", 180), C("C724", 180), C("C725", 180), C("C728", 180), C("C729", 180), C("C739", 180), C("C740", 180), C("C741", 180),
    /* primarySite */ C("C749", 180), C("C750", 180), C("C751", 180), C("C752", 180), C("C753", 180), C("C754", 180), C("C755", 180), C("C758", 180),
    /* primarySite */ C("C759", 180), C("C760", 180), C("C761", 180), C("C762", 180), C("C763", 180), C("C764", 180), C("C765", 180), C("C767", 180),
    /* primarySite */ C("C768", 180), C("C770", 180), C("C771", 180), C("C772", 180), C("C773", 180), C("C774", 180), C("C775", 180), C("C778", 180),
    /* primarySite */ C("C779", 180), C("C809", 180),
};

// laterality (410), 7 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow laterality_codes[] = {
    /* laterality */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("9", 180),
};

// grade (440), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: WHO ICD-O-3 classification (copyright): codes only
const CodeRow grade_codes[] = {
    /* grade */ C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180), C("8", 180),
    /* grade */ C("9", 180),
};

// ambiguousTerminologyDx (442), 4 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/ambiguousTerminologyDx.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow ambiguousTerminologyDx_codes[] = {
    /* ambiguousTerminologyDx */ L("0", 180, "Conclusive term"),
    /* ambiguousTerminologyDx */ L("1", 180, "Ambiguous term only"),
    /* ambiguousTerminologyDx */ L("2", 180, "Ambiguous term followed by conclusive term"),
    /* ambiguousTerminologyDx */ L("9", 180, "Unknown term"),
};

// multTumRptAsOnePrim (444), 12 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/multTumRptAsOnePrim.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow multTumRptAsOnePrim_codes[] = {
    /* multTumRptAsOnePrim */ L("00", 180, "Single tumor"),
    /* multTumRptAsOnePrim */ L("10", 180, "Multiple benign"),
    /* multTumRptAsOnePrim */ L("11", 180, "Multiple borderline"),
    /* multTumRptAsOnePrim */ L("12", 180, "Benign and borderline"),
    /* multTumRptAsOnePrim */ L("20", 180, "Multiple in situ"),
    /* multTumRptAsOnePrim */ L("30", 180, "In situ and invasive"),
    /* multTumRptAsOnePrim */ L("31", 180, "Polyp and adenocarcinoma"),
    /* multTumRptAsOnePrim */ L("32", 180, "FAP with carcinoma"),
    /* multTumRptAsOnePrim */ L("40", 180, "Multiple invasive"),
    /* multTumRptAsOnePrim */ L("80", 180, "Unknown in situ or invasive"),
    /* multTumRptAsOnePrim */ C("88", 180),
    /* multTumRptAsOnePrim */ L("99", 180, "Unknown"),
};

// diagnosticConfirmation (490), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow diagnosticConfirmation_codes[] = {
    /* diagnosticConfirmation */ C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180), C("8", 180),
    /* diagnosticConfirmation */ C("9", 180),
};

// typeOfReportingSource (500), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/typeOfReportingSource.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow typeOfReportingSource_codes[] = {
    /* typeOfReportingSource */ L("1", 180, "Hospital inpatient; Managed health plans with comprehensive, unified medical records"),
    /* typeOfReportingSource */ L("2", 180, "Radiation Treatment Centers or Medical Oncology Centers (hospital-affiliated or independent)"),
    /* typeOfReportingSource */ L("3", 180, "Laboratory only (hospital-affiliated or independent)"),
    /* typeOfReportingSource */ L("4", 180, "Physician's office/private medical practitioner (LMD)"),
    /* typeOfReportingSource */ L("5", 180, "Nursing/convalescent home/hospice"),
    /* typeOfReportingSource */ L("6", 180, "Autopsy only"),
    /* typeOfReportingSource */ L("7", 180, "Death certificate only"),
    /* typeOfReportingSource */ L("8", 180, "Other hospital outpatient units/surgery centers"),
};

// histologicTypeIcdO3 (522), 865 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
//    histologicTypeIcdO3_allTerms.csv (column 1)
// Licence: WHO ICD-O-3 classification (copyright): codes only
const CodeRow histologicTypeIcdO3_codes[] = {
    /* histologicTypeIcdO3 */ C("8000", 180), C("8001", 180), C("8002", 180), C("8003", 180), C("8004", 180), C("8005", 180), C("8010", 180), C("8011", 180),
    /* histologicTypeIcdO3 */ C("8012", 180), C("8013", 180), C("8014", 180), C("8015", 180), C("8020", 180), C("8021", 180), C("8022", 180), C("8023", 180),
    /* histologicTypeIcdO3 */ C("8030", 180), C("8031", 180), C("8032", 180), C("8033", 180), C("8034", 180), C("8035", 180), C("8040", 180), C("8041", 180),
    /* histologicTypeIcdO3 */ C("8042", 180), C("8043", 180), C("8044", 180), C("8045", 180), C("8046", 180), C("8050", 180), C("8051", 180), C("8052", 180),
    /* histologicTypeIcdO3 */ C("8053", 180), C("8054", 180), C("8060", 180), C("8070", 180), C("8071", 180), C("8072", 180), C("8073", 180), C("8074", 180),
    /* histologicTypeIcdO3 */ C("8075", 180), C("8076", 180), C("8077", 180), C("8078", 180), C("8080", 180), C("8081", 180), C("8082", 180), C("8083", 180),
    /* histologicTypeIcdO3 */ C("8084", 180), C("8085", 180), C("8086", 180), C("8090", 180), C("8091", 180), C("8092", 180), C("8093", 180), C("8094", 180),
    /* histologicTypeIcdO3 */ C("8095", 180), C("8096", 180), C("8097", 180), C("8098", 180), C("8100", 180), C("8101", 180), C("8102", 180), C("8103", 180),
    /* histologicTypeIcdO3 */ C("8104", 250), C("8110", 180), C("8120", 180), C("8121", 180), C("8122", 180), C("8123", 180), C("8124", 180), C("8130", 180),
    /* histologicTypeIcdO3 */ C("8131", 180), C("8140", 180), C("8141", 180), C("8142", 180), C("8143", 180), C("8144", 180), C("8145", 180), C("8146", 180),
    /* histologicTypeIcdO3 */ C("8147", 180), C("8148", 180), C("8149", 180), C("8150", 180), C("8151", 180), C("8152", 180), C("8153", 180), C("8154", 180),
    /* histologicTypeIcdO3 */ C("8155", 180), C("8156", 180), C("8157", 180), C("8158", 180), C("8160", 180), C("8161", 180), C("8162", 180), C("8163", 180),
    /* histologicTypeIcdO3 */ C("8170", 180), C("8171", 180), C("8172", 180), C("8173", 180), C("8174", 180), C("8175", 180), C("8180", 180), C("8190", 180),
    /* histologicTypeIcdO3 */ C("8191", 180), C("8200", 180), C("8201", 180), C("8202", 180), C("8204", 180), C("8210", 180), C("8211", 180), C("8212", 180),
    /* histologicTypeIcdO3 */ C("8213", 180), C("8214", 180), C("8215", 180), C("8220", 180), C("8221", 180), C("8230", 180), C("8231", 180), C("8240", 180),
    /* histologicTypeIcdO3 */ C("8241", 180), C("8242", 180), C("8243", 180), C("8244", 180), C("8245", 180), C("8246", 180), C("8247", 180), C("8248", 180),
    /* histologicTypeIcdO3 */ C("8249", 180), C("8250", 180), C("8251", 180), C("8252", 180), C("8253", 180), C("8254", 180), C("8255", 180), C("8256", 180),
    /* histologicTypeIcdO3 */ C("8257", 180), C("8260", 180), C("8261", 180), C("8262", 180), C("8263", 180), C("8264", 180), C("8265", 180), C("8270", 180),
    /* histologicTypeIcdO3 */ C("8271", 180), C("8272", 180), C("8273", 210), C("8280", 180), C("8281", 180), C("8290", 180), C("8300", 180), C("8310", 180),
    /* histologicTypeIcdO3 */ C("8311", 180), C("8312", 180), C("8313", 180), C("8314", 180), C("8315", 180), C("8316", 180), C("8317", 180), C("8318", 180),
    /* histologicTypeIcdO3 */ C("8319", 180), C("8320", 180), C("8321", 180), C("8322", 180), C("8323", 180), C("8324", 180), C("8325", 180), C("8330", 180),
    /* histologicTypeIcdO3 */ C("8331", 180), C("8332", 180), C("8333", 180), C("8334", 180), C("8335", 180), C("8336", 180), C("8337", 180), C("8339", 180),
    /* histologicTypeIcdO3 */ C("8340", 180), C("8341", 180), C("8342", 180), C("8343", 180), C("8344", 180), C("8345", 180), C("8346", 180), C("8347", 180),
    /* histologicTypeIcdO3 */ C("8348", 250), C("8349", 210), C("8350", 180), C("8360", 180), C("8361", 180), C("8370", 180), C("8371", 180), C("8372", 180),
    /* histologicTypeIcdO3 */ C("8373", 180), C("8374", 180), C("8375", 180), C("8380", 180), C("8381", 180), C("8382", 180), C("8383", 180), C("8384", 180),
    /* histologicTypeIcdO3 */ C("8390", 180), C("8391", 180), C("8392", 180), C("8400", 180), C("8401", 180), C("8402", 180), C("8403", 180), C("8404", 180),
    /* histologicTypeIcdO3 */ C("8405", 180), C("8406", 180), C("8407", 180), C("8408", 180), C("8409", 180), C("8410", 180), C("8413", 180), C("8420", 180),
    /* histologicTypeIcdO3 */ C("8430", 180), C("8440", 180), C("8441", 180), C("8442", 180), C("8443", 180), C("8444", 180), C("8450", 180), C("8451", 180),
    /* histologicTypeIcdO3 */ C("8452", 180), C("8453", 180), C("8454", 180), C("8455", 230), C("8460", 180), C("8461", 180), C("8462", 180), C("8463", 180),
    /* histologicTypeIcdO3 */ C("8470", 180), C("8471", 180), C("8472", 180), C("8473", 180), C("8474", 180), C("8480", 180), C("8481", 180), C("8482", 180),
    /* histologicTypeIcdO3 */ C("8483", 230), C("8484", 230), C("8490", 180), C("8500", 180), C("8501", 180), C("8502", 180), C("8503", 180), C("8504", 180),
    /* histologicTypeIcdO3 */ C("8505", 180), C("8506", 180), C("8507", 180), C("8508", 180), C("8509", 180), C("8510", 180), C("8512", 180), C("8513", 180),
    /* histologicTypeIcdO3 */ C("8514", 180), C("8519", 180), C("8520", 180), C("8521", 180), C("8522", 180), C("8523", 180), C("8524", 180), C("8525", 180),
    /* histologicTypeIcdO3 */ C("8530", 180), C("8540", 180), C("8541", 180), C("8542", 180), C("8543", 180), C("8550", 180), C("8551", 180), C("8552", 180),
    /* histologicTypeIcdO3 */ C("8560", 180), C("8561", 180), C("8562", 180), C("8563", 250), C("8570", 180), C("8571", 180), C("8572", 180), C("8573", 180),
    /* histologicTypeIcdO3 */ C("8574", 180), C("8575", 180), C("8576", 180), C("8580", 180), C("8581", 180), C("8582", 180), C("8583", 180), C("8584", 180),
    /* histologicTypeIcdO3 */ C("8585", 180), C("8586", 180), C("8587", 180), C("8588", 180), C("8589", 180), C("8590", 180), C("8591", 180), C("8592", 180),
    /* histologicTypeIcdO3 */ C("8593", 180), C("8594", 180), C("8600", 180), C("8601", 180), C("8602", 180), C("8610", 180), C("8620", 180), C("8621", 180),
    /* histologicTypeIcdO3 */ C("8622", 180), C("8623", 180), C("8630", 180), C("8631", 180), C("8632", 180), C("8633", 180), C("8634", 180), C("8640", 180),
    /* histologicTypeIcdO3 */ C("8641", 180), C("8642", 180), C("8643", 250), C("8650", 180), C("8660", 180), C("8670", 180), C("8671", 180), C("8680", 180),
    /* histologicTypeIcdO3 */ C("8681", 180), C("8682", 180), C("8683", 180), C("8690", 180), C("8691", 180), C("8692", 180), C("8693", 180), C("8700", 180),
    /* histologicTypeIcdO3 */ C("8710", 180), C("8711", 180), C("8712", 180), C("8713", 180), C("8714", 180), C("8720", 180), C("8721", 180), C("8722", 180),
    /* histologicTypeIcdO3 */ C("8723", 180), C("8725", 180), C("8726", 180), C("8727", 180), C("8728", 180), C("8730", 180), C("8740", 180), C("8741", 180),
    /* histologicTypeIcdO3 */ C("8742", 180), C("8743", 180), C("8744", 180), C("8745", 180), C("8746", 180), C("8750", 180), C("8760", 180), C("8761", 180),
    /* histologicTypeIcdO3 */ C("8762", 180), C("8770", 180), C("8771", 180), C("8772", 180), C("8773", 180), C("8774", 180), C("8780", 180), C("8790", 180),
    /* histologicTypeIcdO3 */ C("8800", 180), C("8801", 180), C("8802", 180), C("8803", 180), C("8804", 180), C("8805", 180), C("8806", 180), C("8810", 180),
    /* histologicTypeIcdO3 */ C("8811", 180), C("8812", 180), C("8813", 180), C("8814", 180), C("8815", 180), C("8816", 250), C("8817", 250), C("8818", 250),
    /* histologicTypeIcdO3 */ C("8820", 180), C("8821", 180), C("8822", 180), C("8823", 180), C("8824", 180), C("8825", 180), C("8826", 180), C("8827", 180),
    /* histologicTypeIcdO3 */ C("8830", 180), C("8831", 180), C("8832", 180), C("8833", 180), C("8834", 180), C("8835", 180), C("8836", 180), C("8840", 180),
    /* histologicTypeIcdO3 */ C("8841", 180), C("8842", 180), C("8850", 180), C("8851", 180), C("8852", 180), C("8853", 180), C("8854", 180), C("8855", 180),
    /* histologicTypeIcdO3 */ C("8856", 180), C("8857", 180), C("8858", 180), C("8859", 230), C("8860", 180), C("8861", 180), C("8862", 180), C("8870", 180),
    /* histologicTypeIcdO3 */ C("8880", 180), C("8881", 180), C("8890", 180), C("8891", 180), C("8892", 180), C("8893", 180), C("8894", 180), C("8895", 180),
    /* histologicTypeIcdO3 */ C("8896", 180), C("8897", 180), C("8898", 180), C("8900", 180), C("8901", 180), C("8902", 180), C("8903", 180), C("8904", 180),
    /* histologicTypeIcdO3 */ C("8905", 180), C("8910", 180), C("8912", 180), C("8920", 180), C("8921", 180), C("8930", 180), C("8931", 180), C("8932", 180),
    /* histologicTypeIcdO3 */ C("8933", 180), C("8934", 180), C("8935", 180), C("8936", 180), C("8940", 180), C("8941", 180), C("8950", 180), C("8951", 180),
    /* histologicTypeIcdO3 */ C("8959", 180), C("8960", 180), C("8963", 180), C("8964", 180), C("8965", 180), C("8966", 180), C("8967", 180), C("8970", 180),
    /* histologicTypeIcdO3 */ C("8971", 180), C("8972", 180), C("8973", 180), C("8974", 180), C("8975", 180), C("8976", 230), C("8980", 180), C("8981", 180),
    /* histologicTypeIcdO3 */ C("8982", 180), C("8983", 180), C("8990", 180), C("8991", 180), C("8992", 250), C("9000", 180), C("9010", 180), C("9011", 180),
    /* histologicTypeIcdO3 */ C("9012", 180), C("9013", 180), C("9014", 180), C("9015", 180), C("9016", 180), C("9020", 180), C("9030", 180), C("9040", 180),
    /* histologicTypeIcdO3 */ C("9041", 180), C("9042", 180), C("9043", 180), C("9044", 180), C("9045", 180), C("9050", 180), C("9051", 180), C("9052", 180),
    /* histologicTypeIcdO3 */ C("9053", 180), C("9054", 180), C("9055", 180), C("9060", 180), C("9061", 180), C("9062", 180), C("9063", 180), C("9064", 180),
    /* histologicTypeIcdO3 */ C("9065", 180), C("9070", 180), C("9071", 180), C("9072", 180), C("9073", 180), C("9080", 180), C("9081", 180), C("9082", 180),
    /* histologicTypeIcdO3 */ C("9083", 180), C("9084", 180), C("9085", 180), C("9086", 180), C("9090", 180), C("9091", 180), C("9092", 230), C("9100", 180),
    /* histologicTypeIcdO3 */ C("9101", 180), C("9102", 180), C("9103", 180), C("9104", 180), C("9105", 180), C("9110", 180), C("9111", 230), C("9120", 180),
    /* histologicTypeIcdO3 */ C("9121", 180), C("9122", 180), C("9123", 180), C("9124", 180), C("9125", 180), C("9130", 180), C("9131", 180), C("9132", 180),
    /* histologicTypeIcdO3 */ C("9133", 180), C("9135", 180), C("9136", 180), C("9137", 180), C("9140", 180), C("9141", 180), C("9142", 180), C("9150", 180),
    /* histologicTypeIcdO3 */ C("9160", 180), C("9161", 180), C("9170", 180), C("9171", 180), C("9172", 180), C("9173", 180), C("9174", 180), C("9175", 180),
    /* histologicTypeIcdO3 */ C("9180", 180), C("9181", 180), C("9182", 180), C("9183", 180), C("9184", 180), C("9185", 180), C("9186", 180), C("9187", 180),
    /* histologicTypeIcdO3 */ C("9191", 180), C("9192", 180), C("9193", 180), C("9194", 180), C("9195", 180), C("9200", 180), C("9210", 180), C("9211", 250),
    /* histologicTypeIcdO3 */ C("9212", 250), C("9213", 250), C("9220", 180), C("9221", 180), C("9222", 230), C("9230", 180), C("9231", 180), C("9240", 180),
    /* histologicTypeIcdO3 */ C("9241", 180), C("9242", 180), C("9243", 180), C("9250", 180), C("9251", 180), C("9252", 180), C("9260", 180), C("9261", 180),
    /* histologicTypeIcdO3 */ C("9262", 180), C("9270", 180), C("9271", 180), C("9272", 180), C("9273", 180), C("9274", 180), C("9275", 180), C("9280", 180),
    /* histologicTypeIcdO3 */ C("9281", 180), C("9282", 180), C("9290", 180), C("9300", 180), C("9301", 180), C("9302", 180), C("9310", 180), C("9311", 180),
    /* histologicTypeIcdO3 */ C("9312", 180), C("9320", 180), C("9321", 180), C("9322", 180), C("9330", 180), C("9340", 180), C("9341", 180), C("9342", 180),
    /* histologicTypeIcdO3 */ C("9350", 180), C("9351", 180), C("9352", 180), C("9360", 180), C("9361", 180), C("9362", 180), C("9363", 180), C("9364", 180),
    /* histologicTypeIcdO3 */ C("9365", 180), C("9366", 230), C("9367", 230), C("9368", 230), C("9370", 180), C("9371", 180), C("9372", 180), C("9373", 180),
    /* histologicTypeIcdO3 */ C("9380", 180), C("9381", 180), C("9382", 180), C("9383", 180), C("9384", 180), C("9385", 180), C("9390", 180), C("9391", 180),
    /* histologicTypeIcdO3 */ C("9392", 180), C("9393", 180), C("9394", 180), C("9395", 180), C("9396", 180), C("9400", 180), C("9401", 180), C("9410", 180),
    /* histologicTypeIcdO3 */ C("9411", 180), C("9412", 180), C("9413", 180), C("9420", 180), C("9421", 180), C("9423", 180), C("9424", 180), C("9425", 180),
    /* histologicTypeIcdO3 */ C("9430", 180), C("9431", 180), C("9432", 180), C("9440", 180), C("9441", 180), C("9442", 180), C("9444", 180), C("9445", 180),
    /* histologicTypeIcdO3 */ C("9450", 180), C("9451", 180), C("9460", 180), C("9470", 180), C("9471", 180), C("9472", 180), C("9473", 180), C("9474", 180),
    /* histologicTypeIcdO3 */ C("9475", 180), C("9476", 180), C("9477", 180), C("9478", 180), C("9480", 180), C("9490", 180), C("9491", 180), C("9492", 180),
    /* histologicTypeIcdO3 */ C("9493", 180), C("9500", 180), C("9501", 180), C("9502", 180), C("9503", 180), C("9504", 180), C("9505", 180), C("9506", 180),
    /* histologicTypeIcdO3 */ C("9507", 180), C("9508", 180), C("9509", 180), C("9510", 180), C("9511", 180), C("9512", 180), C("9513", 180), C("9514", 180),
    /* histologicTypeIcdO3 */ C("9520", 180), C("9521", 180), C("9522", 180), C("9523", 180), C("9530", 180), C("9531", 180), C("9532", 180), C("9533", 180),
    /* histologicTypeIcdO3 */ C("9534", 180), C("9535", 180), C("9537", 180), C("9538", 180), C("9539", 180), C("9540", 180), C("9541", 180), C("9542", 180),
    /* histologicTypeIcdO3 */ C("9550", 180), C("9560", 180), C("9561", 180), C("9562", 180), C("9563", 230), C("9570", 180), C("9571", 180), C("9580", 180),
    /* histologicTypeIcdO3 */ C("9581", 180), C("9582", 180), C("9590", 180), C("9591", 180), C("9596", 180), C("9597", 180), C("9650", 180), C("9651", 180),
    /* histologicTypeIcdO3 */ C("9652", 180), C("9653", 180), C("9654", 180), C("9655", 180), C("9659", 180), C("9661", 180), C("9662", 180), C("9663", 180),
    /* histologicTypeIcdO3 */ C("9664", 180), C("9665", 180), C("9667", 180), C("9670", 180), C("9671", 180), C("9673", 180), C("9675", 180), C("9678", 180),
    /* histologicTypeIcdO3 */ C("9679", 180), C("9680", 180), C("9684", 180), C("9687", 180), C("9688", 180), C("9689", 180), C("9690", 180), C("9691", 180),
    /* histologicTypeIcdO3 */ C("9695", 180), C("9698", 180), C("9699", 180), C("9700", 180), C("9701", 180), C("9702", 180), C("9705", 180), C("9708", 180),
    /* histologicTypeIcdO3 */ C("9709", 180), C("9712", 180), C("9714", 180), C("9715", 210), C("9716", 180), C("9717", 180), C("9718", 180), C("9719", 180),
    /* histologicTypeIcdO3 */ C("9724", 180), C("9725", 180), C("9726", 180), C("9727", 180), C("9728", 180), C("9729", 180), C("9731", 180), C("9732", 180),
    /* histologicTypeIcdO3 */ C("9733", 180), C("9734", 180), C("9735", 180), C("9737", 180), C("9738", 180), C("9740", 180), C("9741", 180), C("9742", 180),
    /* histologicTypeIcdO3 */ C("9749", 210), C("9750", 180), C("9751", 180), C("9752", 180), C("9753", 180), C("9754", 180), C("9755", 180), C("9756", 180),
    /* histologicTypeIcdO3 */ C("9757", 180), C("9758", 180), C("9759", 180), C("9760", 180), C("9761", 180), C("9762", 180), C("9764", 180), C("9765", 180),
    /* histologicTypeIcdO3 */ C("9766", 180), C("9767", 180), C("9768", 180), C("9769", 180), C("9800", 180), C("9801", 180), C("9805", 180), C("9806", 180),
    /* histologicTypeIcdO3 */ C("9807", 180), C("9808", 180), C("9809", 180), C("9810", 250), C("9811", 180), C("9812", 180), C("9813", 180), C("9814", 180),
    /* histologicTypeIcdO3 */ C("9815", 180), C("9816", 180), C("9817", 180), C("9818", 180), C("9819", 210), C("9820", 180), C("9823", 180), C("9826", 180),
    /* histologicTypeIcdO3 */ C("9827", 180), C("9831", 180), C("9832", 180), C("9833", 180), C("9834", 180), C("9835", 180), C("9836", 180), C("9837", 180),
    /* histologicTypeIcdO3 */ C("9840", 180), C("9860", 180), C("9861", 180), C("9863", 180), C("9865", 180), C("9866", 180), C("9867", 180), C("9869", 180),
    /* histologicTypeIcdO3 */ C("9870", 180), C("9871", 180), C("9872", 180), C("9873", 180), C("9874", 180), C("9875", 180), C("9876", 180), C("9877", 210),
    /* histologicTypeIcdO3 */ C("9878", 210), C("9879", 210), C("9891", 180), C("9895", 180), C("9896", 180), C("9897", 180), C("9898", 180), C("9910", 180),
    /* histologicTypeIcdO3 */ C("9911", 180), C("9912", 210), C("9920", 180), C("9930", 180), C("9931", 180), C("9940", 180), C("9945", 180), C("9946", 180),
    /* histologicTypeIcdO3 */ C("9948", 180), C("9950", 180), C("9960", 180), C("9961", 180), C("9962", 180), C("9963", 180), C("9964", 180), C("9965", 180),
    /* histologicTypeIcdO3 */ C("9966", 180), C("9967", 180), C("9968", 210), C("9970", 180), C("9971", 180), C("9975", 180), C("9980", 180), C("9982", 180),
    /* histologicTypeIcdO3 */ C("9983", 180), C("9984", 180), C("9985", 180), C("9986", 180), C("9987", 180), C("9989", 180), C("9991", 180), C("9992", 180),
    /* histologicTypeIcdO3 */ C("9993", 210),
};

// behaviorCodeIcdO3 (523), 4 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: WHO ICD-O-3 classification (copyright): codes only
const CodeRow behaviorCodeIcdO3_codes[] = {
    /* behaviorCodeIcdO3 */ C("0", 180), C("1", 180), C("2", 180), C("3", 180),
};

// sequenceNumberHospital (560), 90 codes.
// Source: WerthPADOH/naaccr
//    data-raw/sentinel-labels/sequenceNumberHospital.csv@50179f1457f92ae630e130cb07411cb95492cce2
//    (special codes) + numeric range
// Licence: NAACCR copyright: codes only
const CodeRow sequenceNumberHospital_codes[] = {
    /* sequenceNumberHospital */ C("00", 0), C("01", 0), C("02", 0), C("03", 0), C("04", 0), C("05", 0), C("06", 0), C("07", 0),
    /* sequenceNumberHospital */ C("08", 0), C("09", 0), C("10", 0), C("11", 0), C("12", 0), C("13", 0), C("14", 0), C("15", 0),
    /* sequenceNumberHospital */ C("16", 0), C("17", 0), C("18", 0), C("19", 0), C("20", 0), C("21", 0), C("22", 0), C("23", 0),
    /* sequenceNumberHospital */ C("24", 0), C("25", 0), C("26", 0), C("27", 0), C("28", 0), C("29", 0), C("30", 0), C("31", 0),
    /* sequenceNumberHospital */ C("32", 0), C("33", 0), C("34", 0), C("35", 0), C("36", 0), C("37", 0), C("38", 0), C("39", 0),
    /* sequenceNumberHospital */ C("40", 0), C("41", 0), C("42", 0), C("43", 0), C("44", 0), C("45", 0), C("46", 0), C("47", 0),
    /* sequenceNumberHospital */ C("48", 0), C("49", 0), C("50", 0), C("51", 0), C("52", 0), C("53", 0), C("54", 0), C("55", 0),
    /* sequenceNumberHospital */ C("56", 0), C("57", 0), C("58", 0), C("59", 0), C("60", 0), C("61", 0), C("62", 0), C("63", 0),
    /* sequenceNumberHospital */ C("64", 0), C("65", 0), C("66", 0), C("67", 0), C("68", 0), C("69", 0), C("70", 0), C("71", 0),
    /* sequenceNumberHospital */ C("72", 0), C("73", 0), C("74", 0), C("75", 0), C("76", 0), C("77", 0), C("78", 0), C("79", 0),
    /* sequenceNumberHospital */ C("80", 0), C("81", 0), C("82", 0), C("83", 0), C("84", 0), C("85", 0), C("86", 0), C("87", 0),
    /* sequenceNumberHospital */ C("88", 0), C("99", 0),
};

// classOfCase (610), 24 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow classOfCase_codes[] = {
    /* classOfCase */ C("00", 180), C("10", 180), C("11", 180), C("12", 180), C("13", 180), C("14", 180), C("20", 180), C("21", 180),
    /* classOfCase */ C("22", 180), C("30", 180), C("31", 180), C("32", 180), C("33", 180), C("34", 180), C("35", 180), C("36", 180),
    /* classOfCase */ C("37", 180), C("38", 180), C("40", 180), C("41", 180), C("42", 180), C("43", 180), C("49", 180), C("99", 180),
};

// primaryPayerAtDx (630), 17 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow primaryPayerAtDx_codes[] = {
    /* primaryPayerAtDx */ C("01", 180), C("02", 180), C("10", 180), C("20", 180), C("21", 180), C("31", 180), C("35", 180), C("60", 180),
    /* primaryPayerAtDx */ C("61", 180), C("62", 180), C("63", 180), C("64", 180), C("65", 180), C("66", 180), C("67", 180), C("68", 180),
    /* primaryPayerAtDx */ C("99", 180),
};

// seerSummaryStage2000 (759), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/seer_summary_stage.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow seerSummaryStage2000_codes[] = {
    /* seerSummaryStage2000 */ L("0", 180, "In situ"),
    /* seerSummaryStage2000 */ L("1", 180, "Localized"),
    /* seerSummaryStage2000 */ L("2", 180, "Regional, direct extension only"),
    /* seerSummaryStage2000 */ L("3", 180, "Regional, regional lymph nodes only"),
    /* seerSummaryStage2000 */ L("4", 180, "Regional, direct extension and regional lymph nodes"),
    /* seerSummaryStage2000 */ L("5", 180, "Regional, NOS"),
    /* seerSummaryStage2000 */ L("7", 180, "Distant"),
    /* seerSummaryStage2000 */ L("8", 180, "Not applicable"),
    /* seerSummaryStage2000 */ L("9", 180, "Unstaged"),
};

// seerSummaryStage1977 (760), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/seer_summary_stage.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow seerSummaryStage1977_codes[] = {
    /* seerSummaryStage1977 */ L("0", 180, "In situ"),
    /* seerSummaryStage1977 */ L("1", 180, "Localized"),
    /* seerSummaryStage1977 */ L("2", 180, "Regional, direct extension only"),
    /* seerSummaryStage1977 */ L("3", 180, "Regional, regional lymph nodes only"),
    /* seerSummaryStage1977 */ L("4", 180, "Regional, direct extension and regional lymph nodes"),
    /* seerSummaryStage1977 */ L("5", 180, "Regional, NOS"),
    /* seerSummaryStage1977 */ L("7", 180, "Distant"),
    /* seerSummaryStage1977 */ L("8", 180, "Not applicable"),
    /* seerSummaryStage1977 */ L("9", 180, "Unstaged"),
};

// derivedSummaryStage2018 (762), 8 codes.
// Source: WerthPADOH/naaccr
//    data-raw/code-labels/seer_summary_stage_2018.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow derivedSummaryStage2018_codes[] = {
    /* derivedSummaryStage2018 */ L("0", 0, "In situ"),
    /* derivedSummaryStage2018 */ L("1", 0, "Localized"),
    /* derivedSummaryStage2018 */ L("2", 0, "Regional, direct extension only"),
    /* derivedSummaryStage2018 */ L("3", 0, "Regional, regional lymph nodes only"),
    /* derivedSummaryStage2018 */ L("4", 0, "Regional, direct extension and regional lymph nodes"),
    /* derivedSummaryStage2018 */ L("7", 0, "Distant"),
    /* derivedSummaryStage2018 */ L("8", 0, "Not applicable"),
    /* derivedSummaryStage2018 */ L("9", 0, "Unstaged"),
};

// summaryStage2018 (764), 8 codes.
// Source: WerthPADOH/naaccr
//    data-raw/code-labels/seer_summary_stage_2018.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow summaryStage2018_codes[] = {
    /* summaryStage2018 */ L("0", 0, "In situ"),
    /* summaryStage2018 */ L("1", 0, "Localized"),
    /* summaryStage2018 */ L("2", 0, "Regional, direct extension only"),
    /* summaryStage2018 */ L("3", 0, "Regional, regional lymph nodes only"),
    /* summaryStage2018 */ L("4", 0, "Regional, direct extension and regional lymph nodes"),
    /* summaryStage2018 */ L("7", 0, "Distant"),
    /* summaryStage2018 */ L("8", 0, "Not applicable"),
    /* summaryStage2018 */ L("9", 0, "Unstaged"),
};

// rxSummTreatmentStatus (1285), 4 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummTreatmentStatus_codes[] = {
    /* rxSummTreatmentStatus */ C("0", 180), C("1", 180), C("2", 180), C("9", 180),
};

// rxSummScopeRegLnSur (1292), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummScopeRegLnSur_codes[] = {
    /* rxSummScopeRegLnSur */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180),
    /* rxSummScopeRegLnSur */ C("9", 180),
};

// rxSummSurgOthRegDis (1294), 7 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummSurgOthRegDis_codes[] = {
    /* rxSummSurgOthRegDis */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("9", 180),
};

// rxSummSurgicalMargins (1320), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummSurgicalMargins_codes[] = {
    /* rxSummSurgicalMargins */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("7", 180), C("8", 180),
    /* rxSummSurgicalMargins */ C("9", 180),
};

// rxSummReconBreast (1335), 15 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummReconBreast_codes[] = {
    /* rxSummReconBreast */ C("A000", 240), C("A100", 240), C("A200", 240), C("A300", 240), C("A400", 240), C("A500", 240), C("A600", 240), C("A610", 240),
    /* rxSummReconBreast */ C("A620", 240), C("A630", 240), C("A640", 240), C("A900", 240), C("A970", 240), C("A980", 240), C("A990", 240),
};

// reasonForNoSurgery (1340), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow reasonForNoSurgery_codes[] = {
    /* reasonForNoSurgery */ C("0", 180), C("1", 180), C("2", 180), C("5", 180), C("6", 180), C("7", 180), C("8", 180), C("9", 180),
};

// rxSummDxStgProc (1350), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummDxStgProc_codes[] = {
    /* rxSummDxStgProc */ C("00", 180), C("01", 180), C("02", 180), C("03", 180), C("04", 180), C("05", 180), C("06", 180), C("07", 180),
    /* rxSummDxStgProc */ C("09", 180),
};

// rxSummRadiation (1360), 10 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README); labels
//    WerthPADOH/naaccr
//    data-raw/code-labels/rxSummRadiation.csv@50179f1457f92ae630e130cb07411cb95492cce2
// Licence: public domain (US government work per WerthPADOH/naaccr inst/COPYRIGHTS): code+label
const CodeRow rxSummRadiation_codes[] = {
    /* rxSummRadiation */ L("0", 180, "None"),
    /* rxSummRadiation */ L("1", 180, "Beam radiation"),
    /* rxSummRadiation */ L("2", 180, "Radioactive implants"),
    /* rxSummRadiation */ L("3", 180, "Radioisotopes"),
    /* rxSummRadiation */ L("4", 180, "Combination of 1 with 2 or 3"),
    /* rxSummRadiation */ L("5", 180, "Radiation, NOS-method or source not specified"),
    /* rxSummRadiation */ L("6", 180, "Currently allowable for historic cases only; see note below"),
    /* rxSummRadiation */ L("7", 180, "Patient or patient's guardian refused*"),
    /* rxSummRadiation */ L("8", 180, "Radiation recommended, unknown if administered*"),
    /* rxSummRadiation */ L("9", 180, "Unknown if radiation administered"),
};

// rxSummRadToCns (1370), 5 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummRadToCns_codes[] = {
    /* rxSummRadToCns */ C("0", 180), C("1", 180), C("7", 180), C("8", 180), C("9", 180),
};

// rxSummSurgRadSeq (1380), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummSurgRadSeq_codes[] = {
    /* rxSummSurgRadSeq */ C("0", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180), C("9", 180),
};

// rxSummChemo (1390), 10 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummChemo_codes[] = {
    /* rxSummChemo */ C("00", 180), C("01", 180), C("02", 180), C("03", 180), C("82", 180), C("85", 180), C("86", 180), C("87", 180),
    /* rxSummChemo */ C("88", 180), C("99", 180),
};

// rxSummHormone (1400), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummHormone_codes[] = {
    /* rxSummHormone */ C("00", 180), C("01", 180), C("82", 180), C("85", 180), C("86", 180), C("87", 180), C("88", 180), C("99", 180),
};

// rxSummBrm (1410), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummBrm_codes[] = {
    /* rxSummBrm */ C("00", 180), C("01", 180), C("82", 180), C("85", 180), C("86", 180), C("87", 180), C("88", 180), C("99", 180),
};

// rxSummOther (1420), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummOther_codes[] = {
    /* rxSummOther */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("6", 180), C("7", 180), C("8", 180), C("9", 180),
};

// reasonForNoRadiation (1430), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow reasonForNoRadiation_codes[] = {
    /* reasonForNoRadiation */ C("0", 180), C("1", 180), C("2", 180), C("5", 180), C("6", 180), C("7", 180), C("8", 180), C("9", 180),
};

// rxSummSystemicSurSeq (1639), 8 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummSystemicSurSeq_codes[] = {
    /* rxSummSystemicSurSeq */ C("0", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180), C("9", 180),
};

// vitalStatus (1760), 2 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR copyright: codes only
const CodeRow vitalStatus_codes[] = {
    /* vitalStatus */ C("0", 180), C("1", 180),
};

// rxSummTransplntEndocr (3250), 13 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummTransplntEndocr_codes[] = {
    /* rxSummTransplntEndocr */ C("00", 180), C("10", 180), C("11", 180), C("12", 180), C("20", 180), C("30", 180), C("40", 180), C("82", 180),
    /* rxSummTransplntEndocr */ C("85", 180), C("86", 180), C("87", 180), C("88", 180), C("99", 180),
};

// rxSummPalliativeProc (3270), 9 codes.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
// Licence: NAACCR/CoC standard (copyright): codes only
const CodeRow rxSummPalliativeProc_codes[] = {
    /* rxSummPalliativeProc */ C("0", 180), C("1", 180), C("2", 180), C("3", 180), C("4", 180), C("5", 180), C("6", 180), C("7", 180),
    /* rxSummPalliativeProc */ C("9", 180),
};

// Histology and behavior (items 522 and 523) as histology * 10 + behavior: the pairs of the ICD-O-3
//    term list per NAACCR version, 1436 in all.
// Source: imsweb/layout docs/naaccr-lookups/naaccr-lookups-{180..260} (commits in README)
//    histologicTypeIcdO3_allTerms.csv (column 1)
// Licence: WHO ICD-O-3 classification (copyright): codes only
const MorphologyRow pairs[] = {
    /* 522+523 */ {80000, 180}, {80001, 180}, {80002, 180}, {80003, 180}, {80006, 180}, {80009, 180}, {80010, 180}, {80011, 180},
    /* 522+523 */ {80013, 180}, {80023, 180}, {80033, 180}, {80043, 180}, {80050, 180}, {80053, 180}, {80100, 180}, {80102, 180},
    /* 522+523 */ {80103, 180}, {80106, 180}, {80109, 180}, {80110, 180}, {80112, 180}, {80113, 180}, {80122, 180}, {80123, 180},
    /* 522+523 */ {80133, 180}, {80143, 180}, {80153, 180}, {80203, 180}, {80213, 180}, {80222, 180}, {80223, 180}, {80233, 180},
    /* 522+523 */ {80302, 180}, {80303, 180}, {80312, 180}, {80313, 180}, {80322, 180}, {80323, 180}, {80332, 180}, {80333, 180},
    /* 522+523 */ {80343, 180}, {80353, 180}, {80400, 180}, {80401, 180}, {80403, 180}, {80412, 180}, {80413, 180}, {80422, 180},
    /* 522+523 */ {80423, 180}, {80433, 180}, {80443, 180}, {80453, 180}, {80462, 180}, {80463, 180}, {80500, 180}, {80501, 180},
    /* 522+523 */ {80502, 180}, {80503, 180}, {80510, 180}, {80512, 180}, {80513, 180}, {80520, 180}, {80522, 180}, {80523, 180},
    /* 522+523 */ {80530, 180}, {80533, 180}, {80543, 180}, {80600, 180}, {80702, 180}, {80703, 180}, {80706, 180}, {80712, 180},
    /* 522+523 */ {80713, 180}, {80722, 180}, {80723, 180}, {80732, 180}, {80733, 180}, {80742, 180}, {80743, 180}, {80752, 180},
    /* 522+523 */ {80753, 180}, {80762, 180}, {80763, 180}, {80772, 180}, {80773, 180}, {80783, 180}, {80802, 180}, {80803, 180},
    /* 522+523 */ {80812, 180}, {80813, 180}, {80822, 180}, {80823, 180}, {80832, 180}, {80833, 180}, {80843, 180}, {80853, 180},
    /* 522+523 */ {80863, 180}, {80901, 180}, {80902, 180}, {80903, 180}, {80912, 180}, {80913, 180}, {80923, 180}, {80933, 180},
    /* 522+523 */ {80942, 180}, {80943, 180}, {80953, 180}, {80960, 180}, {80973, 180}, {80983, 180}, {81000, 180}, {81003, 180},
    /* 522+523 */ {81010, 180}, {81020, 180}, {81023, 180}, {81030, 180}, {81033, 180}, {81040, 250}, {81100, 180}, {81103, 180},
    /* 522+523 */ {81200, 180}, {81201, 180}, {81202, 180}, {81203, 180}, {81210, 180}, {81211, 180}, {81212, 180}, {81213, 180},
    /* 522+523 */ {81223, 180}, {81232, 180}, {81233, 180}, {81242, 180}, {81243, 180}, {81301, 180}, {81302, 180}, {81303, 180},
    /* 522+523 */ {81312, 180}, {81313, 180}, {81400, 180}, {81401, 180}, {81402, 180}, {81403, 180}, {81406, 180}, {81412, 180},
    /* 522+523 */ {81413, 180}, {81423, 180}, {81432, 180}, {81433, 180}, {81442, 180}, {81443, 180}, {81452, 180}, {81453, 180},
    /* 522+523 */ {81460, 180}, {81462, 180}, {81463, 180}, {81470, 180}, {81473, 180}, {81482, 180}, {81490, 180}, {81500, 180},
    /* 522+523 */ {81501, 180}, {81503, 180}, {81510, 180}, {81513, 180}, {81521, 180}, {81523, 180}, {81530, 180}, {81531, 180},
    /* 522+523 */ {81533, 180}, {81543, 180}, {81551, 180}, {81553, 180}, {81561, 180}, {81563, 180}, {81571, 180}, {81573, 180},
    /* 522+523 */ {81581, 180}, {81583, 210}, {81600, 180}, {81602, 180}, {81603, 180}, {81610, 180}, {81613, 180}, {81623, 180},
    /* 522+523 */ {81632, 230}, {81633, 180}, {81700, 180}, {81702, 180}, {81703, 180}, {81713, 180}, {81723, 180}, {81733, 180},
    /* 522+523 */ {81743, 180}, {81753, 180}, {81803, 180}, {81900, 180}, {81903, 180}, {81910, 180}, {82000, 180}, {82002, 180},
    /* 522+523 */ {82003, 180}, {82012, 180}, {82013, 180}, {82020, 180}, {82040, 180}, {82100, 180}, {82102, 180}, {82103, 180},
    /* 522+523 */ {82110, 180}, {82112, 180}, {82113, 180}, {82120, 180}, {82130, 180}, {82132, 180}, {82133, 180}, {82143, 180},
    /* 522+523 */ {82153, 180}, {82200, 180}, {82202, 180}, {82203, 180}, {82210, 180}, {82212, 180}, {82213, 180}, {82302, 180},
    /* 522+523 */ {82303, 180}, {82313, 180}, {82400, 180}, {82401, 180}, {82402, 180}, {82403, 180}, {82406, 180}, {82410, 180},
    /* 522+523 */ {82413, 180}, {82416, 180}, {82420, 180}, {82421, 180}, {82423, 180}, {82426, 180}, {82433, 180}, {82436, 180},
    /* 522+523 */ {82442, 180}, {82443, 180}, {82451, 180}, {82453, 180}, {82456, 180}, {82462, 180}, {82463, 180}, {82466, 180},
    /* 522+523 */ {82472, 180}, {82473, 180}, {82476, 180}, {82481, 180}, {82483, 180}, {82493, 180}, {82496, 180}, {82501, 180},
    /* 522+523 */ {82502, 180}, {82503, 180}, {82510, 180}, {82513, 180}, {82522, 180}, {82523, 180}, {82532, 180}, {82533, 180},
    /* 522+523 */ {82543, 180}, {82552, 180}, {82553, 180}, {82563, 180}, {82573, 180}, {82600, 180}, {82602, 180}, {82603, 180},
    /* 522+523 */ {82610, 180}, {82612, 180}, {82613, 180}, {82622, 180}, {82623, 180}, {82630, 180}, {82632, 180}, {82633, 180},
    /* 522+523 */ {82640, 180}, {82653, 180}, {82700, 180}, {82701, 180}, {82703, 180}, {82710, 180}, {82713, 180}, {82720, 180},
    /* 522+523 */ {82721, 180}, {82723, 180}, {82733, 210}, {82800, 180}, {82803, 180}, {82810, 180}, {82813, 180}, {82900, 180},
    /* 522+523 */ {82902, 180}, {82903, 180}, {83000, 180}, {83003, 180}, {83100, 180}, {83102, 180}, {83103, 180}, {83111, 180},
    /* 522+523 */ {83113, 180}, {83122, 180}, {83123, 180}, {83130, 180}, {83131, 180}, {83133, 180}, {83143, 180}, {83153, 180},
    /* 522+523 */ {83162, 180}, {83163, 180}, {83173, 180}, {83183, 180}, {83193, 180}, {83203, 180}, {83210, 180}, {83220, 180},
    /* 522+523 */ {83223, 180}, {83230, 180}, {83232, 180}, {83233, 180}, {83240, 180}, {83250, 180}, {83253, 180}, {83300, 180},
    /* 522+523 */ {83301, 180}, {83302, 180}, {83303, 180}, {83313, 180}, {83323, 180}, {83330, 180}, {83333, 180}, {83340, 180},
    /* 522+523 */ {83351, 210}, {83352, 180}, {83353, 180}, {83360, 180}, {83361, 250}, {83373, 180}, {83393, 180}, {83402, 180},
    /* 522+523 */ {83403, 180}, {83412, 180}, {83413, 180}, {83422, 180}, {83423, 180}, {83432, 180}, {83433, 180}, {83443, 180},
    /* 522+523 */ {83453, 180}, {83463, 180}, {83473, 180}, {83481, 250}, {83491, 210}, {83503, 180}, {83601, 180}, {83610, 180},
    /* 522+523 */ {83611, 240}, {83700, 180}, {83702, 180}, {83703, 180}, {83710, 180}, {83720, 180}, {83730, 180}, {83740, 180},
    /* 522+523 */ {83750, 180}, {83800, 180}, {83801, 180}, {83802, 180}, {83803, 180}, {83810, 180}, {83811, 180}, {83812, 180},
    /* 522+523 */ {83813, 180}, {83822, 180}, {83823, 180}, {83833, 180}, {83842, 180}, {83843, 180}, {83900, 180}, {83902, 180},
    /* 522+523 */ {83903, 180}, {83910, 180}, {83920, 180}, {84000, 180}, {84001, 180}, {84002, 180}, {84003, 180}, {84010, 180},
    /* 522+523 */ {84012, 180}, {84013, 180}, {84020, 180}, {84022, 180}, {84023, 180}, {84030, 180}, {84033, 180}, {84040, 180},
    /* 522+523 */ {84050, 180}, {84060, 180}, {84063, 180}, {84070, 180}, {84073, 180}, {84080, 180}, {84081, 180}, {84083, 180},
    /* 522+523 */ {84090, 180}, {84092, 180}, {84093, 180}, {84100, 180}, {84102, 180}, {84103, 180}, {84133, 180}, {84200, 180},
    /* 522+523 */ {84203, 180}, {84301, 180}, {84302, 180}, {84303, 180}, {84400, 180}, {84402, 180}, {84403, 180}, {84410, 180},
    /* 522+523 */ {84412, 180}, {84413, 180}, {84421, 180}, {84422, 180}, {84423, 180}, {84430, 180}, {84433, 180}, {84441, 180},
    /* 522+523 */ {84443, 180}, {84500, 180}, {84502, 180}, {84503, 180}, {84511, 180}, {84521, 180}, {84523, 180}, {84530, 180},
    /* 522+523 */ {84531, 180}, {84532, 180}, {84533, 180}, {84540, 180}, {84552, 230}, {84553, 230}, {84600, 180}, {84602, 180},
    /* 522+523 */ {84603, 180}, {84610, 180}, {84612, 180}, {84613, 180}, {84621, 180}, {84631, 180}, {84633, 180}, {84700, 180},
    /* 522+523 */ {84701, 180}, {84702, 180}, {84703, 180}, {84710, 180}, {84712, 180}, {84713, 180}, {84721, 180}, {84722, 180},
    /* 522+523 */ {84723, 180}, {84731, 180}, {84732, 180}, {84733, 180}, {84743, 180}, {84800, 180}, {84801, 180}, {84802, 180},
    /* 522+523 */ {84803, 180}, {84806, 180}, {84812, 180}, {84813, 180}, {84823, 180}, {84832, 230}, {84833, 230}, {84842, 230},
    /* 522+523 */ {84843, 230}, {84900, 180}, {84902, 180}, {84903, 180}, {84906, 180}, {85002, 180}, {85003, 180}, {85012, 180},
    /* 522+523 */ {85013, 180}, {85022, 180}, {85023, 180}, {85030, 180}, {85032, 180}, {85033, 180}, {85040, 180}, {85042, 180},
    /* 522+523 */ {85043, 180}, {85050, 180}, {85060, 180}, {85072, 180}, {85073, 180}, {85082, 180}, {85083, 180}, {85092, 180},
    /* 522+523 */ {85093, 180}, {85102, 180}, {85103, 180}, {85122, 180}, {85123, 180}, {85133, 180}, {85143, 180}, {85192, 180},
    /* 522+523 */ {85202, 180}, {85203, 180}, {85212, 180}, {85213, 180}, {85222, 180}, {85223, 180}, {85232, 180}, {85233, 180},
    /* 522+523 */ {85242, 180}, {85243, 180}, {85253, 180}, {85303, 180}, {85402, 180}, {85403, 180}, {85413, 180}, {85422, 180},
    /* 522+523 */ {85423, 180}, {85432, 180}, {85433, 180}, {85500, 180}, {85501, 180}, {85502, 180}, {85503, 180}, {85513, 180},
    /* 522+523 */ {85523, 180}, {85600, 180}, {85602, 180}, {85603, 180}, {85610, 180}, {85613, 180}, {85622, 180}, {85623, 180},
    /* 522+523 */ {85630, 250}, {85702, 180}, {85703, 180}, {85712, 180}, {85713, 180}, {85720, 180}, {85723, 180}, {85732, 180},
    /* 522+523 */ {85733, 180}, {85742, 180}, {85743, 180}, {85753, 180}, {85763, 180}, {85800, 180}, {85801, 180}, {85802, 180},
    /* 522+523 */ {85803, 180}, {85811, 180}, {85813, 180}, {85821, 180}, {85823, 180}, {85831, 180}, {85833, 180}, {85841, 180},
    /* 522+523 */ {85843, 180}, {85851, 180}, {85853, 180}, {85863, 180}, {85870, 180}, {85883, 180}, {85893, 180}, {85900, 240},
    /* 522+523 */ {85901, 180}, {85903, 180}, {85911, 180}, {85921, 180}, {85931, 180}, {85933, 180}, {85941, 180}, {86000, 180},
    /* 522+523 */ {86003, 180}, {86010, 180}, {86020, 180}, {86023, 180}, {86100, 180}, {86201, 180}, {86203, 180}, {86211, 180},
    /* 522+523 */ {86213, 180}, {86221, 180}, {86223, 180}, {86231, 180}, {86233, 180}, {86300, 180}, {86301, 180}, {86303, 180},
    /* 522+523 */ {86310, 180}, {86311, 180}, {86313, 180}, {86321, 180}, {86323, 180}, {86331, 180}, {86341, 180}, {86343, 180},
    /* 522+523 */ {86401, 180}, {86403, 180}, {86410, 180}, {86421, 180}, {86431, 250}, {86500, 180}, {86501, 180}, {86503, 180},
    /* 522+523 */ {86600, 180}, {86700, 180}, {86703, 180}, {86710, 180}, {86800, 180}, {86801, 180}, {86803, 180}, {86811, 180},
    /* 522+523 */ {86813, 210}, {86821, 180}, {86823, 210}, {86830, 180}, {86833, 180}, {86901, 180}, {86903, 180}, {86911, 180},
    /* 522+523 */ {86913, 180}, {86921, 180}, {86923, 180}, {86931, 180}, {86933, 180}, {87000, 180}, {87003, 180}, {87103, 180},
    /* 522+523 */ {87110, 180}, {87113, 180}, {87120, 180}, {87123, 180}, {87130, 180}, {87143, 180}, {87200, 180}, {87202, 180},
    /* 522+523 */ {87203, 180}, {87212, 180}, {87213, 180}, {87220, 180}, {87222, 180}, {87223, 180}, {87230, 180}, {87232, 180},
    /* 522+523 */ {87233, 180}, {87250, 180}, {87260, 180}, {87263, 180}, {87270, 180}, {87273, 180}, {87280, 180}, {87281, 180},
    /* 522+523 */ {87283, 180}, {87300, 180}, {87302, 180}, {87303, 180}, {87400, 180}, {87402, 180}, {87403, 180}, {87412, 180},
    /* 522+523 */ {87413, 180}, {87420, 210}, {87422, 180}, {87423, 180}, {87432, 180}, {87433, 180}, {87442, 180}, {87443, 180},
    /* 522+523 */ {87452, 180}, {87453, 180}, {87462, 180}, {87463, 180}, {87500, 180}, {87600, 180}, {87602, 180}, {87610, 180},
    /* 522+523 */ {87611, 180}, {87612, 180}, {87613, 180}, {87621, 180}, {87700, 180}, {87702, 180}, {87703, 180}, {87710, 180},
    /* 522+523 */ {87712, 180}, {87713, 180}, {87720, 180}, {87722, 180}, {87723, 180}, {87733, 180}, {87743, 180}, {87800, 180},
    /* 522+523 */ {87803, 180}, {87900, 180}, {87903, 180}, {88000, 180}, {88003, 180}, {88009, 180}, {88013, 180}, {88023, 180},
    /* 522+523 */ {88033, 180}, {88043, 180}, {88053, 180}, {88063, 180}, {88100, 180}, {88101, 180}, {88103, 180}, {88110, 180},
    /* 522+523 */ {88111, 180}, {88113, 180}, {88120, 180}, {88123, 180}, {88130, 180}, {88133, 180}, {88143, 180}, {88150, 180},
    /* 522+523 */ {88151, 180}, {88153, 180}, {88160, 250}, {88170, 250}, {88180, 250}, {88200, 180}, {88211, 180}, {88213, 180},
    /* 522+523 */ {88221, 180}, {88223, 180}, {88230, 180}, {88231, 180}, {88233, 180}, {88240, 180}, {88241, 180}, {88243, 180},
    /* 522+523 */ {88250, 180}, {88251, 180}, {88253, 180}, {88260, 180}, {88263, 180}, {88271, 180}, {88300, 180}, {88301, 180},
    /* 522+523 */ {88303, 180}, {88310, 180}, {88313, 180}, {88320, 180}, {88321, 210}, {88323, 180}, {88331, 210}, {88333, 180},
    /* 522+523 */ {88341, 180}, {88351, 180}, {88353, 180}, {88361, 180}, {88363, 180}, {88400, 180}, {88403, 180}, {88410, 250},
    /* 522+523 */ {88411, 180}, {88413, 180}, {88420, 180}, {88423, 180}, {88500, 180}, {88501, 180}, {88503, 180}, {88510, 180},
    /* 522+523 */ {88513, 180}, {88520, 180}, {88523, 180}, {88533, 180}, {88540, 180}, {88543, 180}, {88553, 180}, {88560, 180},
    /* 522+523 */ {88570, 180}, {88573, 180}, {88583, 180}, {88593, 230}, {88600, 180}, {88603, 180}, {88610, 180}, {88620, 180},
    /* 522+523 */ {88700, 180}, {88800, 180}, {88810, 180}, {88900, 180}, {88901, 180}, {88903, 180}, {88910, 180}, {88913, 180},
    /* 522+523 */ {88920, 180}, {88930, 180}, {88933, 180}, {88940, 180}, {88943, 180}, {88950, 180}, {88953, 180}, {88963, 180},
    /* 522+523 */ {88971, 180}, {88973, 180}, {88981, 180}, {89000, 180}, {89003, 180}, {89013, 180}, {89023, 180}, {89030, 180},
    /* 522+523 */ {89040, 180}, {89050, 180}, {89103, 180}, {89123, 180}, {89203, 180}, {89213, 180}, {89300, 180}, {89303, 180},
    /* 522+523 */ {89313, 180}, {89320, 180}, {89333, 180}, {89343, 180}, {89350, 180}, {89351, 180}, {89353, 180}, {89360, 180},
    /* 522+523 */ {89361, 180}, {89362, 180}, {89363, 180}, {89400, 180}, {89403, 180}, {89412, 180}, {89413, 180}, {89503, 180},
    /* 522+523 */ {89513, 180}, {89590, 180}, {89591, 180}, {89593, 180}, {89601, 180}, {89603, 180}, {89633, 180}, {89643, 180},
    /* 522+523 */ {89650, 180}, {89660, 180}, {89670, 180}, {89703, 180}, {89713, 180}, {89723, 180}, {89733, 180}, {89741, 180},
    /* 522+523 */ {89751, 180}, {89763, 230}, {89803, 180}, {89813, 180}, {89820, 180}, {89823, 180}, {89830, 180}, {89833, 180},
    /* 522+523 */ {89900, 180}, {89901, 180}, {89903, 180}, {89913, 180}, {89920, 250}, {90000, 180}, {90001, 180}, {90003, 180},
    /* 522+523 */ {90100, 180}, {90110, 180}, {90120, 180}, {90130, 180}, {90133, 180}, {90140, 180}, {90141, 180}, {90142, 180},
    /* 522+523 */ {90143, 180}, {90150, 180}, {90151, 180}, {90153, 180}, {90160, 180}, {90200, 180}, {90201, 180}, {90203, 180},
    /* 522+523 */ {90300, 180}, {90400, 180}, {90403, 180}, {90413, 180}, {90423, 180}, {90433, 180}, {90443, 180}, {90453, 180},
    /* 522+523 */ {90500, 180}, {90502, 230}, {90503, 180}, {90510, 180}, {90513, 180}, {90520, 180}, {90523, 180}, {90533, 180},
    /* 522+523 */ {90540, 180}, {90543, 180}, {90550, 180}, {90551, 180}, {90553, 180}, {90602, 180}, {90603, 180}, {90612, 180},
    /* 522+523 */ {90613, 180}, {90623, 180}, {90632, 180}, {90633, 180}, {90642, 180}, {90643, 180}, {90653, 180}, {90702, 180},
    /* 522+523 */ {90703, 180}, {90712, 240}, {90713, 180}, {90723, 180}, {90731, 180}, {90733, 180}, {90800, 180}, {90801, 180},
    /* 522+523 */ {90802, 180}, {90803, 180}, {90812, 180}, {90813, 180}, {90823, 180}, {90833, 180}, {90840, 180}, {90842, 180},
    /* 522+523 */ {90843, 180}, {90852, 180}, {90853, 180}, {90863, 180}, {90900, 180}, {90903, 180}, {90911, 180}, {90913, 180},
    /* 522+523 */ {90922, 230}, {91000, 180}, {91001, 180}, {91002, 180}, {91003, 180}, {91012, 180}, {91013, 180}, {91023, 180},
    /* 522+523 */ {91030, 180}, {91033, 180}, {91041, 180}, {91043, 180}, {91053, 180}, {91100, 180}, {91101, 180}, {91103, 180},
    /* 522+523 */ {91113, 230}, {91200, 180}, {91203, 180}, {91210, 180}, {91211, 180}, {91220, 180}, {91230, 180}, {91243, 180},
    /* 522+523 */ {91250, 180}, {91253, 180}, {91300, 180}, {91301, 180}, {91303, 180}, {91310, 180}, {91320, 180}, {91331, 180},
    /* 522+523 */ {91333, 180}, {91351, 180}, {91361, 180}, {91373, 180}, {91403, 180}, {91410, 180}, {91420, 180}, {91500, 180},
    /* 522+523 */ {91501, 180}, {91503, 180}, {91600, 180}, {91603, 180}, {91610, 180}, {91611, 180}, {91613, 180}, {91700, 180},
    /* 522+523 */ {91703, 180}, {91710, 180}, {91720, 180}, {91730, 180}, {91740, 180}, {91741, 180}, {91743, 230}, {91750, 180},
    /* 522+523 */ {91800, 180}, {91803, 180}, {91813, 180}, {91823, 180}, {91833, 180}, {91843, 180}, {91853, 180}, {91863, 180},
    /* 522+523 */ {91873, 180}, {91910, 180}, {91923, 180}, {91933, 180}, {91943, 180}, {91953, 180}, {92000, 180}, {92001, 180},
    /* 522+523 */ {92003, 180}, {92100, 180}, {92101, 180}, {92110, 250}, {92120, 250}, {92130, 250}, {92200, 180}, {92201, 180},
    /* 522+523 */ {92203, 180}, {92210, 180}, {92213, 180}, {92221, 230}, {92223, 230}, {92300, 180}, {92303, 180}, {92313, 180},
    /* 522+523 */ {92403, 180}, {92410, 180}, {92423, 180}, {92433, 180}, {92501, 180}, {92503, 180}, {92511, 180}, {92513, 180},
    /* 522+523 */ {92520, 180}, {92523, 180}, {92603, 180}, {92611, 230}, {92613, 180}, {92620, 180}, {92700, 180}, {92701, 180},
    /* 522+523 */ {92703, 180}, {92710, 180}, {92720, 180}, {92730, 180}, {92740, 180}, {92750, 180}, {92800, 180}, {92810, 180},
    /* 522+523 */ {92820, 180}, {92823, 180}, {92900, 180}, {92903, 180}, {93000, 180}, {93010, 180}, {93020, 180}, {93023, 180},
    /* 522+523 */ {93100, 180}, {93103, 180}, {93110, 180}, {93120, 180}, {93123, 180}, {93200, 180}, {93210, 180}, {93213, 180},
    /* 522+523 */ {93220, 180}, {93300, 180}, {93303, 180}, {93400, 180}, {93411, 180}, {93413, 180}, {93423, 180}, {93500, 180},
    /* 522+523 */ {93501, 180}, {93503, 180}, {93510, 180}, {93511, 180}, {93513, 180}, {93520, 180}, {93521, 180}, {93600, 180},
    /* 522+523 */ {93601, 180}, {93603, 180}, {93611, 180}, {93613, 180}, {93623, 180}, {93630, 180}, {93633, 180}, {93643, 180},
    /* 522+523 */ {93653, 180}, {93663, 230}, {93673, 230}, {93683, 230}, {93703, 180}, {93713, 180}, {93723, 180}, {93730, 180},
    /* 522+523 */ {93800, 180}, {93801, 180}, {93803, 180}, {93810, 180}, {93813, 180}, {93820, 180}, {93823, 180}, {93831, 180},
    /* 522+523 */ {93833, 180}, {93841, 180}, {93843, 180}, {93853, 180}, {93900, 180}, {93901, 180}, {93903, 180}, {93913, 180},
    /* 522+523 */ {93923, 180}, {93930, 180}, {93933, 180}, {93941, 180}, {93943, 180}, {93953, 180}, {93963, 180}, {94001, 180},
    /* 522+523 */ {94003, 180}, {94010, 180}, {94013, 180}, {94103, 180}, {94113, 180}, {94121, 180}, {94130, 180}, {94131, 180},
    /* 522+523 */ {94133, 180}, {94203, 180}, {94211, 180}, {94213, 180}, {94233, 180}, {94243, 180}, {94253, 180}, {94303, 180},
    /* 522+523 */ {94311, 180}, {94321, 180}, {94400, 180}, {94401, 180}, {94403, 180}, {94413, 180}, {94421, 180}, {94423, 180},
    /* 522+523 */ {94441, 180}, {94453, 180}, {94500, 180}, {94503, 180}, {94513, 180}, {94603, 180}, {94703, 180}, {94713, 180},
    /* 522+523 */ {94723, 180}, {94733, 180}, {94743, 180}, {94753, 180}, {94763, 180}, {94773, 180}, {94783, 180}, {94803, 180},
    /* 522+523 */ {94900, 180}, {94903, 180}, {94910, 180}, {94920, 180}, {94930, 180}, {95000, 180}, {95002, 180}, {95003, 180},
    /* 522+523 */ {95010, 180}, {95013, 180}, {95020, 180}, {95023, 180}, {95033, 180}, {95043, 180}, {95050, 180}, {95051, 180},
    /* 522+523 */ {95053, 180}, {95060, 180}, {95061, 180}, {95063, 180}, {95070, 180}, {95083, 180}, {95090, 230}, {95091, 180},
    /* 522+523 */ {95093, 230}, {95100, 180}, {95103, 180}, {95113, 180}, {95123, 180}, {95133, 180}, {95141, 180}, {95203, 180},
    /* 522+523 */ {95213, 180}, {95223, 180}, {95233, 180}, {95300, 180}, {95301, 180}, {95303, 180}, {95310, 180}, {95311, 180},
    /* 522+523 */ {95313, 180}, {95320, 180}, {95323, 180}, {95330, 180}, {95333, 180}, {95340, 180}, {95343, 180}, {95350, 180},
    /* 522+523 */ {95353, 180}, {95370, 180}, {95373, 180}, {95380, 180}, {95381, 180}, {95383, 180}, {95390, 180}, {95391, 180},
    /* 522+523 */ {95393, 180}, {95400, 180}, {95401, 180}, {95403, 180}, {95410, 180}, {95423, 180}, {95500, 180}, {95501, 180},
    /* 522+523 */ {95600, 180}, {95601, 180}, {95603, 180}, {95613, 180}, {95620, 180}, {95623, 180}, {95630, 230}, {95700, 180},
    /* 522+523 */ {95710, 180}, {95711, 180}, {95713, 180}, {95800, 180}, {95803, 180}, {95813, 180}, {95820, 180}, {95903, 180},
    /* 522+523 */ {95911, 210}, {95913, 180}, {95963, 180}, {95973, 180}, {96503, 180}, {96513, 180}, {96523, 180}, {96533, 180},
    /* 522+523 */ {96543, 180}, {96553, 180}, {96593, 180}, {96613, 180}, {96623, 180}, {96633, 180}, {96643, 180}, {96653, 180},
    /* 522+523 */ {96673, 180}, {96703, 180}, {96713, 180}, {96731, 210}, {96733, 180}, {96753, 180}, {96783, 180}, {96793, 180},
    /* 522+523 */ {96801, 210}, {96803, 180}, {96843, 180}, {96873, 180}, {96883, 180}, {96893, 180}, {96903, 180}, {96913, 180},
    /* 522+523 */ {96951, 210}, {96953, 180}, {96983, 180}, {96993, 180}, {97003, 180}, {97013, 180}, {97021, 210}, {97023, 180},
    /* 522+523 */ {97053, 180}, {97083, 180}, {97091, 210}, {97093, 180}, {97123, 180}, {97143, 180}, {97153, 210}, {97163, 180},
    /* 522+523 */ {97173, 180}, {97181, 180}, {97183, 180}, {97193, 180}, {97243, 180}, {97251, 210}, {97253, 180}, {97263, 180},
    /* 522+523 */ {97273, 180}, {97283, 180}, {97293, 180}, {97313, 180}, {97323, 180}, {97333, 180}, {97343, 180}, {97353, 180},
    /* 522+523 */ {97373, 180}, {97381, 210}, {97383, 180}, {97401, 180}, {97403, 180}, {97411, 180}, {97413, 180}, {97423, 180},
    /* 522+523 */ {97491, 230}, {97493, 210}, {97503, 180}, {97511, 180}, {97513, 180}, {97521, 180}, {97531, 180}, {97543, 180},
    /* 522+523 */ {97553, 180}, {97563, 180}, {97573, 180}, {97583, 180}, {97593, 180}, {97603, 180}, {97611, 210}, {97613, 180},
    /* 522+523 */ {97623, 180}, {97643, 180}, {97651, 180}, {97661, 180}, {97663, 180}, {97671, 180}, {97681, 180}, {97691, 180},
    /* 522+523 */ {97693, 180}, {98003, 180}, {98013, 180}, {98053, 180}, {98063, 180}, {98073, 180}, {98083, 180}, {98093, 180},
    /* 522+523 */ {98103, 250}, {98113, 180}, {98123, 180}, {98133, 180}, {98143, 180}, {98153, 180}, {98163, 180}, {98173, 180},
    /* 522+523 */ {98183, 180}, {98193, 210}, {98203, 180}, {98231, 210}, {98233, 180}, {98263, 180}, {98273, 180}, {98311, 180},
    /* 522+523 */ {98313, 180}, {98323, 180}, {98333, 180}, {98343, 180}, {98353, 180}, {98363, 180}, {98373, 180}, {98403, 180},
    /* 522+523 */ {98603, 180}, {98613, 180}, {98633, 180}, {98653, 180}, {98663, 180}, {98673, 180}, {98693, 180}, {98703, 180},
    /* 522+523 */ {98713, 180}, {98723, 180}, {98733, 180}, {98743, 180}, {98753, 180}, {98763, 180}, {98773, 210}, {98783, 210},
    /* 522+523 */ {98793, 210}, {98913, 180}, {98953, 180}, {98963, 180}, {98973, 180}, {98981, 180}, {98983, 180}, {99103, 180},
    /* 522+523 */ {99113, 180}, {99123, 210}, {99203, 180}, {99303, 180}, {99313, 180}, {99403, 180}, {99453, 180}, {99463, 180},
    /* 522+523 */ {99483, 180}, {99503, 180}, {99603, 180}, {99613, 180}, {99623, 180}, {99633, 180}, {99643, 180}, {99653, 180},
    /* 522+523 */ {99663, 180}, {99673, 180}, {99683, 210}, {99701, 180}, {99703, 180}, {99711, 180}, {99713, 180}, {99751, 180},
    /* 522+523 */ {99753, 180}, {99803, 180}, {99823, 180}, {99833, 180}, {99843, 180}, {99853, 180}, {99863, 180}, {99873, 180},
    /* 522+523 */ {99893, 180}, {99913, 180}, {99923, 180}, {99933, 210},
};

// SEER's Site/Histology Validation List of 2022-04-29: histology * 10 + behavior by site group,
//    12496 rows.
// Source: https://seer.cancer.gov/icd-o-3/sitetype.icdo3.d20220429.xlsx (copy: yatmadiop/scrpits
//    source/sitetype.icdo3.d20220429 (1).xlsx@8010bbbe04553ac94ea6f2a5172e52eec5533f40)
// Licence: public domain (SEER/NCI federal work); codes only, WHO terms dropped
const uint32_t site_list_rows[] = {
    // group 0: C000-C006,C008-C009
    /* group 0 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 0 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 0 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 0 */ 80783, 80812, 80823, 80833, 80843, 81402, 81403, 81413, 81433, 81473, 82003, 82012,
    /* group 0 */ 82013, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 84303, 84803, 84813, 87202,
    /* group 0 */ 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87703, 87713, 87723, 89403,
    /* group 0 */ 89413, 91403, 96993, 98233,
    // group 1: C019
    /* group 1 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 1 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 1 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 1 */ 80783, 80812, 80823, 80833, 80843, 80853, 80863, 81402, 81403, 81413, 81433, 81473,
    /* group 1 */ 82003, 82012, 82013, 82553, 84303, 84803, 84813, 85603, 85623, 85703, 85713, 85723,
    /* group 1 */ 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 88253, 89003, 89013, 89023,
    /* group 1 */ 89103, 89123, 89403, 89413, 91403, 95903, 95913, 95963, 96503, 96513, 96523, 96533,
    /* group 1 */ 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733,
    /* group 1 */ 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023,
    /* group 1 */ 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353,
    /* group 1 */ 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583,
    /* group 1 */ 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233,
    /* group 1 */ 98313, 98373, 99653, 99673, 99713, 99753,
    // group 2: C020-C024,C028-C029
    /* group 2 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 2 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 2 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 2 */ 80783, 80812, 80823, 80833, 80843, 81402, 81403, 81413, 81433, 81473, 82003, 82012,
    /* group 2 */ 82013, 82553, 84303, 84803, 84813, 85603, 85623, 85703, 85713, 85723, 85733, 85743,
    /* group 2 */ 85753, 87202, 87203, 87213, 87223, 87233, 88253, 89003, 89013, 89023, 89103, 89123,
    /* group 2 */ 89403, 89413, 91403, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 2 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 2 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 2 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 2 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 2 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 2 */ 99653, 99673, 99713, 99753,
    // group 3: C030-C031,C039-C041,C048-C052,C058-C062,C068-C069
    /* group 3 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 3 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 3 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 3 */ 80783, 80812, 80823, 80833, 80843, 81402, 81403, 81413, 81433, 81473, 82003, 82012,
    /* group 3 */ 82013, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103, 84303, 84403, 84803,
    /* group 3 */ 84813, 85503, 85513, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463,
    /* group 3 */ 87703, 87713, 87723, 88103, 88113, 88133, 88143, 88153, 88253, 89003, 89013, 89023,
    /* group 3 */ 89103, 89123, 89403, 89413, 89803, 89813, 89823, 91403, 95903, 95913, 95963, 96503,
    /* group 3 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 3 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 3 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 3 */ 97313, 97343, 97353, 97373, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563,
    /* group 3 */ 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183,
    /* group 3 */ 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 4: C079-C081,C088-C089
    /* group 4 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 4 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 4 */ 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80783,
    /* group 4 */ 80823, 80833, 80843, 81402, 81403, 81413, 81433, 81473, 81903, 82003, 82012, 82013,
    /* group 4 */ 82302, 82303, 82313, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 82903, 83103,
    /* group 4 */ 84303, 84403, 84803, 84813, 85003, 85023, 85253, 85503, 85513, 85603, 85613, 85623,
    /* group 4 */ 85703, 85713, 85723, 85733, 85743, 85753, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 4 */ 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88403, 88503, 88513, 88523, 88533,
    /* group 4 */ 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023,
    /* group 4 */ 89103, 89123, 89403, 89413, 89803, 89813, 89823, 89903, 89913, 91403, 95903, 95913,
    /* group 4 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 4 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 4 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273,
    /* group 4 */ 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513,
    /* group 4 */ 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153,
    /* group 4 */ 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 5: C090-C091,C098-C104,C108-C109
    /* group 5 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 5 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 5 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 5 */ 80783, 80812, 80823, 80833, 80843, 80853, 80863, 81202, 81203, 81213, 81223, 81233,
    /* group 5 */ 81243, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603, 82612,
    /* group 5 */ 82613, 82623, 82632, 82633, 84303, 84803, 84813, 87202, 87203, 87213, 87223, 87233,
    /* group 5 */ 87303, 87433, 87453, 87463, 87613, 87703, 87713, 87723, 88003, 88013, 88023, 88033,
    /* group 5 */ 88043, 88053, 88063, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 89003,
    /* group 5 */ 89013, 89023, 89103, 89123, 89403, 89413, 89803, 89813, 89823, 91403, 95903, 95913,
    /* group 5 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 5 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 5 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273,
    /* group 5 */ 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513,
    /* group 5 */ 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153,
    /* group 5 */ 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 6: C110,C112-C113,C118-C119
    /* group 6 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 6 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 6 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 6 */ 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233,
    /* group 6 */ 81243, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603, 82612,
    /* group 6 */ 82613, 82623, 82632, 82633, 83103, 84303, 84803, 84813, 87202, 87203, 87213, 87223,
    /* group 6 */ 87233, 87303, 87433, 87453, 87463, 87703, 87713, 87723, 88003, 88013, 88023, 88033,
    /* group 6 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 89003, 89013, 89023,
    /* group 6 */ 89103, 89123, 89403, 89413, 89803, 89813, 89823, 90703, 90713, 90723, 91403, 93703,
    /* group 6 */ 93713, 93723, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 6 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 6 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97143, 97153,
    /* group 6 */ 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413,
    /* group 6 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 6 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 6 */ 99713, 99753,
    // group 7: C111
    /* group 7 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 7 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 7 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 7 */ 80762, 80763, 80783, 80812, 80823, 80833, 80843, 80853, 80863, 81202, 81203, 81213,
    /* group 7 */ 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553,
    /* group 7 */ 82603, 82612, 82613, 82623, 82632, 82633, 83103, 84303, 84803, 84813, 87202, 87203,
    /* group 7 */ 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87703, 87713, 87723, 88003, 88013,
    /* group 7 */ 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 89003,
    /* group 7 */ 89013, 89023, 89103, 89123, 89403, 89413, 89803, 89813, 89823, 90703, 90713, 90723,
    /* group 7 */ 91403, 93703, 93713, 93723, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543,
    /* group 7 */ 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753,
    /* group 7 */ 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053,
    /* group 7 */ 97143, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 7 */ 97413, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 98113, 98123, 98133,
    /* group 7 */ 98143, 98153, 98163, 98173, 98183, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 8: C129-C132,C138-C139
    /* group 8 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 8 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 8 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81202,
    /* group 8 */ 81203, 81213, 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473, 82003, 82012,
    /* group 8 */ 82013, 82553, 84303, 88103, 88113, 88133, 88143, 88153, 88253, 89403, 89413, 89803,
    /* group 8 */ 89813, 89823, 91403, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 8 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 8 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 8 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 8 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 8 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 8 */ 99653, 99673, 99713, 99753,
    // group 9: C140,C142,C148
    /* group 9 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 9 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 9 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81402,
    /* group 9 */ 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 84303, 88903, 88913, 88943,
    /* group 9 */ 88953, 88963, 89403, 89413, 89803, 89813, 89823, 93703, 93713, 93723, 95903, 95913,
    /* group 9 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 9 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 9 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273,
    /* group 9 */ 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513,
    /* group 9 */ 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153,
    /* group 9 */ 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 10: C150-C155,C158-C159
    /* group 10 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 10 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 10 */ 80453, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743,
    /* group 10 */ 80753, 80762, 80763, 80783, 80823, 80833, 81402, 81403, 81413, 81433, 81453, 81473,
    /* group 10 */ 81543, 82003, 82012, 82013, 82403, 82443, 82463, 82493, 82553, 82603, 82612, 82613,
    /* group 10 */ 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623, 85703, 85713, 85723, 85733,
    /* group 10 */ 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87703,
    /* group 10 */ 87713, 87723, 88903, 88913, 88943, 88953, 88963, 89803, 89813, 89823, 96803, 96883,
    /* group 10 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 10 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 10 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 10 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 11: C160-C166,C168-C169
    /* group 11 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 11 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 11 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 11 */ 80762, 80763, 80783, 81402, 81403, 81413, 81423, 81433, 81442, 81443, 81453, 81473,
    /* group 11 */ 81533, 81543, 81563, 82102, 82103, 82113, 82132, 82143, 82202, 82203, 82212, 82213,
    /* group 11 */ 82302, 82303, 82313, 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553,
    /* group 11 */ 82603, 82612, 82613, 82623, 82632, 82633, 83103, 84303, 84803, 84813, 84903, 85103,
    /* group 11 */ 85123, 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013,
    /* group 11 */ 88023, 88033, 88043, 88053, 88063, 88903, 88913, 88943, 88953, 88963, 89343, 89353,
    /* group 11 */ 89363, 89763, 89803, 89813, 89823, 95903, 95913, 95963, 96503, 96513, 96523, 96533,
    /* group 11 */ 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733,
    /* group 11 */ 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023,
    /* group 11 */ 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97323, 97343,
    /* group 11 */ 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573,
    /* group 11 */ 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193,
    /* group 11 */ 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 12: C170-C173,C178-C179
    /* group 12 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 12 */ 80153, 80203, 80213, 80223, 80413, 80433, 80502, 80503, 80513, 80522, 80523, 81402,
    /* group 12 */ 81403, 81413, 81433, 81442, 81443, 81453, 81473, 81523, 81533, 81543, 81563, 81573,
    /* group 12 */ 81633, 82113, 82132, 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553,
    /* group 12 */ 82603, 82612, 82613, 82623, 82632, 82633, 84803, 84813, 84903, 85103, 85703, 85713,
    /* group 12 */ 85723, 85733, 85743, 85753, 85763, 86933, 87103, 88003, 88013, 88023, 88033, 88043,
    /* group 12 */ 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88503, 88513, 88523, 88533,
    /* group 12 */ 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89343, 89353, 89363,
    /* group 12 */ 89903, 89913, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 12 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 12 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97143, 97153,
    /* group 12 */ 97173, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 12 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97643, 97663,
    /* group 12 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 12 */ 99653, 99673, 99713, 99753,
    // group 13: C180,C182-C189,C199
    /* group 13 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 13 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 13 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 13 */ 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81453, 81473, 81523, 81543, 82102,
    /* group 13 */ 82103, 82113, 82133, 82202, 82203, 82212, 82213, 82302, 82303, 82313, 82403, 82413,
    /* group 13 */ 82423, 82433, 82443, 82453, 82463, 82493, 82553, 82603, 82612, 82613, 82623, 82632,
    /* group 13 */ 82633, 82653, 84303, 84403, 84803, 84813, 84903, 85103, 85503, 85513, 85603, 85623,
    /* group 13 */ 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013, 88023, 88033, 88043,
    /* group 13 */ 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88503, 88513, 88523, 88533,
    /* group 13 */ 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89343, 89353, 89363,
    /* group 13 */ 89803, 89813, 89823, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 13 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 13 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 13 */ 97143, 97153, 97173, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373,
    /* group 13 */ 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593,
    /* group 13 */ 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313,
    /* group 13 */ 98373, 99653, 99673, 99713, 99753,
    // group 14: C181
    /* group 14 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 14 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 14 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 14 */ 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81453, 81473, 81543, 82102, 82103,
    /* group 14 */ 82113, 82202, 82203, 82212, 82213, 82302, 82303, 82313, 82403, 82413, 82423, 82433,
    /* group 14 */ 82443, 82453, 82463, 82493, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 84303,
    /* group 14 */ 84403, 84702, 84703, 84713, 84802, 84803, 84813, 84903, 85103, 85503, 85513, 85603,
    /* group 14 */ 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013, 88023, 88033,
    /* group 14 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88503, 88513, 88523,
    /* group 14 */ 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89343, 89353,
    /* group 14 */ 89363, 89803, 89813, 89823, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543,
    /* group 14 */ 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753,
    /* group 14 */ 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053,
    /* group 14 */ 97123, 97143, 97153, 97173, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353,
    /* group 14 */ 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583,
    /* group 14 */ 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233,
    /* group 14 */ 98313, 98373, 99653, 99673, 99713, 99753,
    // group 15: C209
    /* group 15 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 15 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 15 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 15 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81402, 81403, 81413,
    /* group 15 */ 81433, 81453, 81473, 82102, 82103, 82113, 82133, 82202, 82203, 82212, 82213, 82302,
    /* group 15 */ 82303, 82313, 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553, 82603,
    /* group 15 */ 82612, 82613, 82623, 82632, 82633, 82653, 84303, 84403, 84803, 84813, 84903, 85103,
    /* group 15 */ 85503, 85513, 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 87202,
    /* group 15 */ 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87613, 87703, 87713, 87723,
    /* group 15 */ 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153,
    /* group 15 */ 88253, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943,
    /* group 15 */ 88953, 88963, 89343, 89353, 89363, 89803, 89813, 89823, 95903, 95913, 95963, 96503,
    /* group 15 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 15 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 15 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97173, 97193, 97243, 97273, 97283,
    /* group 15 */ 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543,
    /* group 15 */ 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163,
    /* group 15 */ 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 16: C210-C212,C218
    /* group 16 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 16 */ 80153, 80203, 80213, 80223, 80413, 80433, 80502, 80503, 80513, 80522, 80523, 80702,
    /* group 16 */ 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80772, 80783, 81202, 81203,
    /* group 16 */ 81213, 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81453, 81473, 81543, 82102,
    /* group 16 */ 82103, 82153, 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553, 82603,
    /* group 16 */ 82612, 82613, 82623, 82632, 82633, 84303, 84803, 84813, 85002, 85003, 85032, 85033,
    /* group 16 */ 85042, 85043, 85423, 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763,
    /* group 16 */ 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87703, 87713, 87723,
    /* group 16 */ 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88903, 88913, 88943, 88953, 88963,
    /* group 16 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 16 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 16 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97173,
    /* group 16 */ 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413,
    /* group 16 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 16 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 16 */ 99713, 99753,
    // group 17: C220
    /* group 17 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 17 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 81402, 81403,
    /* group 17 */ 81413, 81433, 81473, 81543, 81603, 81613, 81703, 81713, 81723, 81733, 81743, 81753,
    /* group 17 */ 81803, 81903, 82403, 82463, 82493, 82553, 83103, 84702, 84703, 84803, 84813, 85002,
    /* group 17 */ 85003, 85012, 85013, 85032, 85033, 85042, 85043, 85072, 85083, 88003, 88013, 88023,
    /* group 17 */ 88033, 88043, 88053, 88063, 88903, 88913, 88943, 88953, 88963, 89703, 89803, 89813,
    /* group 17 */ 89823, 89913, 91203, 91243, 91303, 91333, 95903, 95913, 95963, 96503, 96513, 96523,
    /* group 17 */ 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713,
    /* group 17 */ 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013,
    /* group 17 */ 97023, 97053, 97123, 97143, 97153, 97163, 97193, 97243, 97273, 97283, 97293, 97313,
    /* group 17 */ 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563,
    /* group 17 */ 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183,
    /* group 17 */ 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 18: C221
    /* group 18 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 18 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 81402, 81403,
    /* group 18 */ 81413, 81433, 81473, 81603, 81613, 81623, 81703, 81713, 81723, 81733, 81743, 81753,
    /* group 18 */ 81803, 81903, 82553, 83103, 84803, 84813, 85002, 85003, 85012, 85013, 85032, 85033,
    /* group 18 */ 85042, 85043, 85072, 85083, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88903,
    /* group 18 */ 88913, 88943, 88953, 88963, 89803, 89813, 89823, 91203, 91303, 91333, 95903, 95913,
    /* group 18 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 18 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 18 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97163, 97193, 97243,
    /* group 18 */ 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503,
    /* group 18 */ 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143,
    /* group 18 */ 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 19: C239-C241,C248-C249
    /* group 19 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 19 */ 80153, 80203, 80213, 80223, 80413, 80433, 80502, 80503, 80513, 80522, 80523, 80702,
    /* group 19 */ 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80783, 81402, 81403, 81413,
    /* group 19 */ 81433, 81442, 81443, 81473, 81543, 81603, 81613, 81623, 81633, 82403, 82463, 82493,
    /* group 19 */ 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103, 84703, 84803, 84813, 84903,
    /* group 19 */ 85002, 85003, 85012, 85013, 85032, 85033, 85042, 85043, 85072, 85083, 85603, 85623,
    /* group 19 */ 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013, 88023, 88033, 88043,
    /* group 19 */ 88053, 88063, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89803, 89813,
    /* group 19 */ 89823, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 19 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873,
    /* group 19 */ 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153,
    /* group 19 */ 97163, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 19 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 19 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653,
    /* group 19 */ 99673, 99713, 99753,
    // group 20: C250-C254,C257-C259
    /* group 20 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 20 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 20 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 20 */ 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81473, 81482, 81503, 81513, 81523,
    /* group 20 */ 81533, 81543, 81553, 81563, 81573, 81583, 82102, 82103, 82113, 82302, 82303, 82313,
    /* group 20 */ 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553, 82603, 82612, 82613,
    /* group 20 */ 82623, 82632, 82633, 83103, 83233, 84303, 84403, 84413, 84503, 84523, 84532, 84533,
    /* group 20 */ 84552, 84553, 84702, 84703, 84713, 84803, 84813, 84903, 85002, 85003, 85012, 85013,
    /* group 20 */ 85032, 85033, 85042, 85043, 85072, 85083, 85103, 85143, 85213, 85503, 85513, 85523,
    /* group 20 */ 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013, 88023,
    /* group 20 */ 88033, 88043, 88053, 88063, 88903, 88913, 88943, 88953, 88963, 89713, 89803, 89813,
    /* group 20 */ 89823, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 20 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873,
    /* group 20 */ 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153,
    /* group 20 */ 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413,
    /* group 20 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 20 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 20 */ 99713, 99753,
    // group 21: C260,C268-C269
    /* group 21 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 21 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 21 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 21 */ 80762, 80763, 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243,
    /* group 21 */ 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 81523, 81533, 81563, 81573,
    /* group 21 */ 81903, 82003, 82012, 82013, 82102, 82103, 82113, 82302, 82303, 82313, 82403, 82413,
    /* group 21 */ 82423, 82433, 82443, 82453, 82463, 82493, 82513, 82553, 82603, 82612, 82613, 82623,
    /* group 21 */ 82632, 82633, 82903, 83103, 83203, 83233, 83803, 84013, 84303, 84403, 84803, 84813,
    /* group 21 */ 84903, 85032, 85033, 85042, 85043, 85103, 85213, 85423, 85503, 85513, 85603, 85623,
    /* group 21 */ 85703, 85713, 85723, 85733, 85743, 85753, 85763, 86933, 87202, 87203, 87213, 87223,
    /* group 21 */ 87233, 87303, 87433, 87453, 87463, 87703, 87713, 87723, 88003, 88013, 88023, 88033,
    /* group 21 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88403, 88503,
    /* group 21 */ 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963,
    /* group 21 */ 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89353, 89363, 89403, 89413, 89503,
    /* group 21 */ 89513, 89803, 89813, 89823, 89903, 89913, 90403, 90413, 90423, 90433, 90443, 90603,
    /* group 21 */ 90643, 90653, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843, 90853, 91003,
    /* group 21 */ 91013, 91053, 91103, 91203, 91303, 91333, 91403, 91503, 91703, 92513, 92523, 93703,
    /* group 21 */ 93713, 93723, 94903, 95003, 95013, 95023, 95033, 95043, 95053, 95403, 95603, 95613,
    /* group 21 */ 95713, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 21 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873,
    /* group 21 */ 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153,
    /* group 21 */ 97163, 97173, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 21 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 21 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 21 */ 99653, 99673, 99713, 99753,
    // group 22: C300
    /* group 22 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 22 */ 80153, 80203, 80213, 80223, 80233, 80303, 80313, 80323, 80333, 80343, 80353, 80502,
    /* group 22 */ 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762,
    /* group 22 */ 80763, 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243, 81302,
    /* group 22 */ 81303, 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603,
    /* group 22 */ 82612, 82613, 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623, 85703, 85713,
    /* group 22 */ 85723, 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453,
    /* group 22 */ 87463, 87703, 87713, 87723, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103,
    /* group 22 */ 88113, 88133, 88143, 88153, 88253, 88303, 88903, 88913, 88943, 88953, 88963, 89003,
    /* group 22 */ 89013, 89023, 89103, 89123, 89203, 89213, 89403, 89413, 90453, 92203, 92213, 93703,
    /* group 22 */ 93713, 93723, 95003, 95013, 95023, 95033, 95043, 95053, 95203, 95213, 95223, 95233,
    /* group 22 */ 95403, 95603, 95613, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 22 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 22 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 22 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 22 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 22 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 22 */ 99653, 99673, 99713, 99753,
    // group 23: C301
    /* group 23 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 23 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 23 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 23 */ 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303,
    /* group 23 */ 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603, 82612,
    /* group 23 */ 82613, 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623, 85703, 85713, 85723,
    /* group 23 */ 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463,
    /* group 23 */ 87703, 87713, 87723, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113,
    /* group 23 */ 88133, 88143, 88153, 88253, 88303, 88903, 88913, 88943, 88953, 88963, 89003, 89013,
    /* group 23 */ 89023, 89103, 89123, 89203, 89213, 89403, 89413, 93703, 93713, 93723, 95003, 95013,
    /* group 23 */ 95023, 95033, 95043, 95053, 95203, 95213, 95223, 95233, 95403, 95603, 95613, 95713,
    /* group 23 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 23 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 23 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193,
    /* group 23 */ 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493,
    /* group 23 */ 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133,
    /* group 23 */ 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713,
    /* group 23 */ 99753,
    // group 24: C310-C313,C318
    /* group 24 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 24 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80502, 80503,
    /* group 24 */ 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763,
    /* group 24 */ 80783, 80823, 80833, 80843, 80853, 80863, 81202, 81203, 81213, 81223, 81233, 81243,
    /* group 24 */ 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553,
    /* group 24 */ 82603, 82612, 82613, 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623, 85703,
    /* group 24 */ 85713, 85723, 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87433,
    /* group 24 */ 87453, 87463, 87703, 87713, 87723, 88003, 88013, 88023, 88033, 88043, 88053, 88063,
    /* group 24 */ 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88903, 88913, 88943, 88953, 88963,
    /* group 24 */ 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89403, 89413, 90453, 93703, 93713,
    /* group 24 */ 93723, 95003, 95013, 95023, 95033, 95043, 95053, 95203, 95213, 95223, 95233, 95403,
    /* group 24 */ 95603, 95613, 95713, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 24 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 24 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 24 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 24 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 24 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 24 */ 99653, 99673, 99713, 99753,
    // group 25: C319
    /* group 25 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 25 */ 80153, 80203, 80213, 80223, 80233, 80303, 80313, 80323, 80333, 80343, 80353, 80502,
    /* group 25 */ 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762,
    /* group 25 */ 80763, 80783, 80823, 80833, 80843, 80853, 80863, 81202, 81203, 81213, 81223, 81233,
    /* group 25 */ 81243, 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013,
    /* group 25 */ 82553, 82603, 82612, 82613, 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623,
    /* group 25 */ 85703, 85713, 85723, 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303,
    /* group 25 */ 87433, 87453, 87463, 87703, 87713, 87723, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 25 */ 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88903, 88913, 88943, 88953,
    /* group 25 */ 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89403, 89413, 90453, 93703,
    /* group 25 */ 93713, 93723, 95003, 95013, 95023, 95033, 95043, 95053, 95203, 95213, 95223, 95233,
    /* group 25 */ 95403, 95603, 95613, 95713, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543,
    /* group 25 */ 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753,
    /* group 25 */ 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053,
    /* group 25 */ 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373,
    /* group 25 */ 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593,
    /* group 25 */ 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313,
    /* group 25 */ 98373, 99653, 99673, 99713, 99753,
    // group 26: C320-C323,C328-C329
    /* group 26 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 26 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 26 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 26 */ 80762, 80763, 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243,
    /* group 26 */ 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603, 82612, 82613,
    /* group 26 */ 82623, 82632, 82633, 84303, 84803, 84813, 85603, 85623, 88003, 88013, 88023, 88033,
    /* group 26 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 89803, 89813, 89823,
    /* group 26 */ 92203, 92213, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 26 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 26 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143,
    /* group 26 */ 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 26 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 26 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653,
    /* group 26 */ 99673, 99713, 99753,
    // group 27: C339
    /* group 27 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 27 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80423,
    /* group 27 */ 80433, 80443, 80453, 80463, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 27 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81473,
    /* group 27 */ 82003, 82012, 82013, 82503, 82523, 82533, 82543, 82553, 82603, 82612, 82613, 82623,
    /* group 27 */ 82632, 82633, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133,
    /* group 27 */ 88143, 88153, 88253, 88303, 89723, 89733, 92203, 92213, 96993, 98233,
    // group 28: C340-C343,C348-C349
    /* group 28 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 28 */ 80153, 80203, 80213, 80223, 80233, 80303, 80313, 80323, 80333, 80343, 80353, 80413,
    /* group 28 */ 80423, 80433, 80443, 80453, 80463, 80502, 80503, 80513, 80522, 80523, 80702, 80703,
    /* group 28 */ 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80833, 81202, 81203, 81213,
    /* group 28 */ 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82302,
    /* group 28 */ 82303, 82313, 82403, 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82502, 82503,
    /* group 28 */ 82513, 82523, 82532, 82533, 82543, 82553, 82563, 82573, 82603, 82653, 83103, 83203,
    /* group 28 */ 83233, 83333, 84303, 84803, 84813, 84903, 85103, 85503, 85513, 85603, 85623, 85703,
    /* group 28 */ 85713, 85723, 85733, 85743, 85753, 85763, 87143, 88003, 88013, 88023, 88033, 88043,
    /* group 28 */ 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88423, 88903, 88913,
    /* group 28 */ 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89723, 89733, 89803, 89813,
    /* group 28 */ 89823, 89903, 89913, 90502, 90503, 90513, 90523, 90533, 91203, 91333, 91373, 91403,
    /* group 28 */ 91743, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 28 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783, 96793, 96803,
    /* group 28 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 28 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 28 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 28 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 28 */ 99653, 99673, 99713, 99753,
    // group 29: C379
    /* group 29 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 29 */ 80153, 80203, 80213, 80223, 80233, 80703, 82403, 82413, 82423, 82433, 82443, 82453,
    /* group 29 */ 82463, 82493, 85803, 85813, 85823, 85833, 85843, 85853, 85863, 85883, 85893, 90863,
    /* group 29 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 29 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96793, 96803, 96843, 96873,
    /* group 29 */ 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153,
    /* group 29 */ 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413,
    /* group 29 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 29 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 29 */ 99713, 99753,
    // group 30: C380
    /* group 30 */ 91203, 91373, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 30 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783, 96793,
    /* group 30 */ 96803, 96843, 96873, 96883, 96893, 96903, 96913, 96953, 96983, 96993, 97003, 97013,
    /* group 30 */ 97023, 97053, 97083, 97093, 97123, 97143, 97153, 97163, 97173, 97183, 97193, 97243,
    /* group 30 */ 97273, 97283, 97293, 97353, 97373, 97383, 97493, 97513, 97593, 97663, 98113, 98123,
    /* group 30 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 30 */ 99713, 99753,
    // group 31: C381-C383,C388
    /* group 31 */ 80003, 80013, 80023, 80033, 80043, 80053, 86803, 86933, 88003, 88013, 88023, 88033,
    /* group 31 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88503, 88513,
    /* group 31 */ 88523, 88533, 88543, 88553, 88573, 88583, 88593, 88903, 88913, 88943, 88953, 88963,
    /* group 31 */ 89003, 89013, 89023, 89103, 89123, 89903, 89913, 90603, 90613, 90623, 90633, 90643,
    /* group 31 */ 90653, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843, 90853, 91003, 91013,
    /* group 31 */ 91053, 94903, 95003, 95013, 95023, 95033, 95043, 95053, 95403, 95603, 95613, 95713,
    /* group 31 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 31 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783, 96793, 96803, 96843,
    /* group 31 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143,
    /* group 31 */ 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 31 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 31 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653,
    /* group 31 */ 99673, 99713, 99753,
    // group 32: C384
    /* group 32 */ 80003, 80013, 80023, 80033, 80043, 80053, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 32 */ 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 89733, 90502, 90503, 90513,
    /* group 32 */ 90523, 90533, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 32 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783, 96803,
    /* group 32 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 32 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 32 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 32 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 32 */ 99653, 99673, 99713, 99753,
    // group 33: C390,C398-C399
    /* group 33 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 33 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 33 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 33 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81402, 81403, 81413,
    /* group 33 */ 81433, 81473, 82003, 82012, 82013, 82302, 82303, 82313, 82403, 82413, 82423, 82433,
    /* group 33 */ 82443, 82453, 82463, 82493, 82503, 82513, 82523, 82533, 82543, 82553, 82603, 82612,
    /* group 33 */ 82613, 82623, 82632, 82633, 83103, 83203, 83233, 84303, 84803, 84813, 84903, 85103,
    /* group 33 */ 85503, 85513, 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003,
    /* group 33 */ 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253,
    /* group 33 */ 88303, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89803,
    /* group 33 */ 89813, 89823, 89903, 89913, 90803, 90813, 90823, 90833, 90843, 90853, 91203, 93643,
    /* group 33 */ 93653, 98233,
    // group 34: C400-C403,C408-C409,C412-C414,C418-C419
    /* group 34 */ 80003, 80013, 80023, 80033, 80043, 80053, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 34 */ 88063, 88103, 88113, 88123, 88133, 88143, 88153, 88253, 88303, 88403, 88503, 88513,
    /* group 34 */ 88523, 88533, 88543, 88553, 88573, 88583, 90403, 90413, 90423, 90433, 91203, 91303,
    /* group 34 */ 91333, 91803, 91813, 91823, 91833, 91843, 91853, 91863, 91873, 91923, 91933, 91943,
    /* group 34 */ 91953, 92203, 92213, 92303, 92313, 92403, 92423, 92433, 92503, 92513, 92603, 92613,
    /* group 34 */ 92703, 92903, 93103, 93303, 93423, 93643, 93653, 93703, 93713, 93723, 95903, 95913,
    /* group 34 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 34 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 34 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97163, 97193, 97243,
    /* group 34 */ 97273, 97283, 97293, 97313, 97323, 97353, 97373, 97383, 97403, 97413, 97493, 97503,
    /* group 34 */ 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143,
    /* group 34 */ 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 35: C410
    /* group 35 */ 80003, 80013, 80023, 80033, 80043, 80053, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 35 */ 88063, 88103, 88113, 88123, 88133, 88143, 88153, 88253, 88303, 88403, 88503, 88513,
    /* group 35 */ 88523, 88533, 88543, 88553, 88573, 88583, 90403, 90413, 90423, 90433, 91203, 91303,
    /* group 35 */ 91333, 91803, 91813, 91823, 91833, 91843, 91853, 91863, 91873, 91923, 91933, 91943,
    /* group 35 */ 91953, 92203, 92213, 92303, 92313, 92403, 92423, 92433, 92503, 92513, 92603, 92613,
    /* group 35 */ 92703, 92903, 93023, 93103, 93303, 93413, 93423, 93643, 93653, 93703, 93713, 93723,
    /* group 35 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 35 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 35 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97163,
    /* group 35 */ 97193, 97243, 97273, 97283, 97293, 97313, 97323, 97353, 97373, 97383, 97403, 97413,
    /* group 35 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 35 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 35 */ 99713, 99753,
    // group 36: C411
    /* group 36 */ 80003, 80013, 80023, 80033, 80043, 80053, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 36 */ 88063, 88103, 88113, 88123, 88133, 88143, 88153, 88253, 88303, 88403, 88503, 88513,
    /* group 36 */ 88523, 88533, 88543, 88553, 88573, 88583, 90403, 90413, 90423, 90433, 91203, 91303,
    /* group 36 */ 91333, 91803, 91813, 91823, 91833, 91843, 91853, 91863, 91873, 91923, 91933, 91943,
    /* group 36 */ 91953, 92203, 92213, 92303, 92313, 92403, 92423, 92433, 92503, 92513, 92603, 92613,
    /* group 36 */ 92703, 92903, 93023, 93103, 93303, 93413, 93423, 93643, 93653, 93703, 93713, 93723,
    /* group 36 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 36 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 36 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97163,
    /* group 36 */ 97193, 97243, 97273, 97283, 97293, 97313, 97323, 97353, 97373, 97383, 97403, 97413,
    /* group 36 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 36 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 36 */ 99713, 99753,
    // group 37: C420,C421,C424
    /* group 37 */ 93663, 93673, 93683, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 37 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783,
    /* group 37 */ 96793, 96803, 96843, 96873, 96883, 96893, 96903, 96913, 96953, 96983, 96993, 97013,
    /* group 37 */ 97023, 97053, 97123, 97143, 97193, 97243, 97273, 97283, 97293, 97313, 97323, 97333,
    /* group 37 */ 97343, 97353, 97373, 97383, 97403, 97413, 97423, 97503, 97513, 97543, 97553, 97563,
    /* group 37 */ 97573, 97583, 97593, 97603, 97613, 97623, 98003, 98013, 98053, 98063, 98073, 98083,
    /* group 37 */ 98093, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98203, 98233,
    /* group 37 */ 98263, 98273, 98283, 98313, 98323, 98333, 98343, 98353, 98363, 98373, 98403, 98603,
    /* group 37 */ 98613, 98633, 98653, 98663, 98673, 98693, 98703, 98713, 98723, 98733, 98743, 98753,
    /* group 37 */ 98763, 98773, 98783, 98793, 98913, 98953, 98963, 98973, 98983, 99103, 99113, 99123,
    /* group 37 */ 99203, 99303, 99313, 99403, 99453, 99463, 99483, 99503, 99603, 99613, 99623, 99633,
    /* group 37 */ 99643, 99653, 99713, 99753, 99803, 99823, 99833, 99843, 99853, 99863, 99873, 99893,
    /* group 37 */ 99913, 99923, 99933,
    // group 38: C422
    /* group 38 */ 91203, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 38 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783, 96793, 96803,
    /* group 38 */ 96843, 96873, 96883, 96893, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053,
    /* group 38 */ 97123, 97143, 97153, 97163, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353,
    /* group 38 */ 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583,
    /* group 38 */ 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233,
    /* group 38 */ 98313, 98373, 99653, 99673, 99713, 99753,
    // group 39: C423
    /* group 39 */ 95903, 96993, 97403, 97413, 97503, 97543, 97553, 97563, 97573, 97583, 98233,
    // group 40: C440-C449
    /* group 40 */ 81023, 81103, 81402, 81403, 81413, 81433, 81473, 81903, 82003, 82012, 82013, 82302,
    /* group 40 */ 82303, 82313, 82473, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103, 83903,
    /* group 40 */ 84003, 84013, 84023, 84033, 84073, 84083, 84093, 84103, 84133, 84203, 84303, 84403,
    /* group 40 */ 84803, 84813, 85423, 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 87202,
    /* group 40 */ 87203, 87213, 87223, 87233, 87303, 87403, 87412, 87413, 87422, 87423, 87432, 87433,
    /* group 40 */ 87443, 87453, 87463, 87613, 87703, 87713, 87723, 87803, 88003, 88013, 88023, 88033,
    /* group 40 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88323, 88333,
    /* group 40 */ 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953,
    /* group 40 */ 88963, 89103, 89123, 89403, 89413, 89803, 89813, 89823, 91203, 91303, 91333, 91403,
    /* group 40 */ 91503, 95603, 95613, 95903, 95913, 95963, 95973, 96503, 96513, 96523, 96533, 96543,
    /* group 40 */ 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753,
    /* group 40 */ 96803, 96843, 96873, 96903, 96913, 96953, 96983, 96993, 97003, 97013, 97023, 97053,
    /* group 40 */ 97083, 97093, 97183, 97253, 97263, 97273, 97283, 97293, 97513, 98233, 98373,
    // group 41: C470-C476,C478-C479
    /* group 41 */ 80003, 80013, 80023, 80033, 80043, 80053, 86803, 86933, 88003, 88013, 88023, 88033,
    /* group 41 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88323, 88333,
    /* group 41 */ 88403, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943,
    /* group 41 */ 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503, 89513, 89903,
    /* group 41 */ 89913, 90403, 90413, 90423, 90433, 90443, 90803, 90813, 90823, 90833, 90843, 90853,
    /* group 41 */ 91203, 91303, 91333, 91403, 91503, 91703, 92403, 92423, 92433, 92513, 92523, 93643,
    /* group 41 */ 93653, 93703, 93713, 93723, 94903, 95003, 95013, 95023, 95033, 95043, 95053, 95403,
    /* group 41 */ 95423, 95603, 95613, 95713, 95803, 95813, 95903, 95913, 95963, 96503, 96513, 96523,
    /* group 41 */ 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713,
    /* group 41 */ 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013,
    /* group 41 */ 97023, 97053, 97083, 97123, 97143, 97153, 97193, 97243, 97263, 97273, 97283, 97293,
    /* group 41 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 41 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 41 */ 98183, 98193, 98233, 98313, 98373, 99303, 99653, 99673, 99713, 99753,
    // group 42: C480-C482,C488
    /* group 42 */ 80003, 80013, 80023, 80033, 80043, 80053, 84603, 84613, 86803, 86933, 87143, 88003,
    /* group 42 */ 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253,
    /* group 42 */ 88303, 88403, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913,
    /* group 42 */ 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89303, 89313,
    /* group 42 */ 89363, 89503, 89513, 89903, 89913, 90502, 90503, 90513, 90523, 90533, 90603, 90643,
    /* group 42 */ 90653, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843, 90853, 91103, 91203,
    /* group 42 */ 91303, 91333, 91503, 94903, 95003, 95013, 95023, 95033, 95043, 95053, 95403, 95603,
    /* group 42 */ 95613, 95713, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 42 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 42 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143,
    /* group 42 */ 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 42 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 42 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99303,
    /* group 42 */ 99653, 99673, 99713, 99753,
    // group 43: C490-C496,C498-C499
    /* group 43 */ 80003, 80013, 80023, 80033, 80043, 80053, 86803, 86933, 88003, 88013, 88023, 88033,
    /* group 43 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88323, 88333,
    /* group 43 */ 88403, 88423, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88593, 88903,
    /* group 43 */ 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503,
    /* group 43 */ 89513, 89823, 89903, 89913, 90403, 90413, 90423, 90433, 90443, 90803, 90813, 90823,
    /* group 43 */ 90833, 90843, 90853, 91203, 91303, 91333, 91373, 91403, 91503, 91703, 92403, 92423,
    /* group 43 */ 92433, 92513, 92523, 93643, 93653, 93663, 93673, 93683, 93703, 93713, 93723, 94903,
    /* group 43 */ 95003, 95013, 95023, 95033, 95043, 95053, 95403, 95603, 95613, 95713, 95803, 95813,
    /* group 43 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 43 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 43 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97083, 97123, 97143, 97153,
    /* group 43 */ 97193, 97243, 97263, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 43 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 43 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99303,
    /* group 43 */ 99653, 99663, 99673, 99683, 99713, 99753,
    // group 44: C500-C506,C508-C509
    /* group 44 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 44 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 44 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 44 */ 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81473, 81903, 82003, 82012, 82013,
    /* group 44 */ 82113, 82302, 82303, 82313, 82403, 82463, 82493, 82513, 82553, 82603, 82612, 82613,
    /* group 44 */ 82903, 83103, 83143, 83153, 83203, 83233, 84013, 84103, 84303, 84403, 84703, 84803,
    /* group 44 */ 84813, 84903, 85002, 85003, 85012, 85013, 85023, 85032, 85033, 85042, 85043, 85072,
    /* group 44 */ 85073, 85083, 85092, 85093, 85103, 85123, 85133, 85143, 85192, 85202, 85203, 85213,
    /* group 44 */ 85222, 85223, 85232, 85233, 85243, 85253, 85303, 85403, 85413, 85433, 85503, 85513,
    /* group 44 */ 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 88003, 88013, 88023, 88033,
    /* group 44 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88503, 88513, 88523,
    /* group 44 */ 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89353, 89803,
    /* group 44 */ 89813, 89823, 89833, 89903, 89913, 90203, 91203, 91303, 91333, 95803, 95813, 95903,
    /* group 44 */ 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633,
    /* group 44 */ 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903,
    /* group 44 */ 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243,
    /* group 44 */ 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503,
    /* group 44 */ 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143,
    /* group 44 */ 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 45: C510-C512,C518,C529
    /* group 45 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 45 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80712,
    /* group 45 */ 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80772, 80783, 80812, 80823, 80833,
    /* group 45 */ 80843, 80853, 80863, 80903, 80913, 80923, 80933, 80943, 80953, 80973, 80983, 81023,
    /* group 45 */ 81103, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313, 81402, 81403,
    /* group 45 */ 81413, 81433, 81473, 82003, 82012, 82013, 82553, 82603, 82612, 82613, 82623, 82632,
    /* group 45 */ 82633, 83103, 83233, 83803, 84013, 84803, 84813, 84823, 84833, 85423, 85603, 85623,
    /* group 45 */ 85703, 85713, 85723, 85733, 85743, 85753, 85763, 87202, 87203, 87213, 87223, 87233,
    /* group 45 */ 87303, 87403, 87412, 87413, 87422, 87423, 87433, 87453, 87463, 87613, 87703, 87713,
    /* group 45 */ 87723, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143,
    /* group 45 */ 88153, 88253, 88303, 88323, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583,
    /* group 45 */ 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89333, 89503,
    /* group 45 */ 89513, 89803, 89813, 89823, 90643, 90713, 91103, 95403, 95903, 95913, 95963, 95973,
    /* group 45 */ 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653,
    /* group 45 */ 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953,
    /* group 45 */ 96983, 96993, 97003, 97013, 97023, 97053, 97083, 97093, 97123, 97143, 97153, 97183,
    /* group 45 */ 97193, 97243, 97253, 97263, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 45 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 45 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 45 */ 99653, 99673, 99713, 99753,
    // group 46: C519
    /* group 46 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 46 */ 80153, 80203, 80213, 80223, 80413, 80502, 80503, 80513, 80522, 80523, 80702, 80703,
    /* group 46 */ 80712, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80772, 80783, 80812, 80823,
    /* group 46 */ 80833, 80843, 80853, 80863, 80903, 80913, 80923, 80933, 80943, 80953, 80973, 80983,
    /* group 46 */ 81023, 81103, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313, 81402,
    /* group 46 */ 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82473, 82553, 82603, 82612, 82613,
    /* group 46 */ 82623, 82632, 82633, 83103, 83233, 83803, 83903, 84003, 84013, 84103, 84133, 84203,
    /* group 46 */ 84803, 84813, 84823, 84833, 85423, 85603, 85623, 85703, 85713, 85723, 85733, 85743,
    /* group 46 */ 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87403, 87412, 87413, 87422, 87423,
    /* group 46 */ 87433, 87453, 87463, 87613, 87703, 87713, 87723, 87803, 88003, 88013, 88023, 88033,
    /* group 46 */ 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88323, 88503,
    /* group 46 */ 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963,
    /* group 46 */ 89003, 89013, 89023, 89103, 89123, 89333, 89503, 89513, 89803, 89813, 89823, 90643,
    /* group 46 */ 90713, 90923, 91103, 95403, 95903, 95913, 95963, 95973, 96503, 96513, 96523, 96533,
    /* group 46 */ 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733,
    /* group 46 */ 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97003, 97013,
    /* group 46 */ 97023, 97053, 97083, 97093, 97123, 97143, 97153, 97183, 97193, 97243, 97253, 97263,
    /* group 46 */ 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503,
    /* group 46 */ 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143,
    /* group 46 */ 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 47: C530-C531,C538-C539
    /* group 47 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 47 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 47 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80712, 80713, 80722, 80723, 80733,
    /* group 47 */ 80743, 80753, 80762, 80763, 80772, 80783, 80812, 80823, 80833, 80843, 80853, 80863,
    /* group 47 */ 80983, 81202, 81203, 81213, 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473,
    /* group 47 */ 82003, 82012, 82013, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103, 83233,
    /* group 47 */ 83803, 83843, 84303, 84803, 84813, 84823, 84833, 84843, 85603, 85623, 85703, 85713,
    /* group 47 */ 85723, 85733, 85743, 85753, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103,
    /* group 47 */ 88113, 88133, 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963, 89003, 89013,
    /* group 47 */ 89023, 89103, 89123, 89333, 89503, 89513, 89803, 89813, 89823, 89903, 89913, 90643,
    /* group 47 */ 90713, 91003, 91103, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 47 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803,
    /* group 47 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 47 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 47 */ 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663,
    /* group 47 */ 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373,
    /* group 47 */ 99653, 99673, 99713, 99753,
    // group 48: C540-C543,C548-C549
    /* group 48 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 48 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 48 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 48 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 48 */ 81402, 81403, 81413, 81433, 81443, 81473, 82102, 82103, 82113, 82302, 82303, 82313,
    /* group 48 */ 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103, 83203, 83233, 83802, 83803,
    /* group 48 */ 83813, 83823, 83833, 84403, 84412, 84413, 84603, 84613, 84803, 84813, 84823, 85103,
    /* group 48 */ 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 87143, 88003, 88013,
    /* group 48 */ 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88903,
    /* group 48 */ 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89303, 89313, 89333,
    /* group 48 */ 89343, 89503, 89513, 89803, 89813, 89823, 89903, 89913, 90643, 90713, 90803, 91103,
    /* group 48 */ 91113, 94733, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 48 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 48 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143,
    /* group 48 */ 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97403, 97413, 97493, 97503,
    /* group 48 */ 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143,
    /* group 48 */ 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 49: C559
    /* group 49 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 49 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 49 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 49 */ 80762, 80763, 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243,
    /* group 49 */ 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013, 82102,
    /* group 49 */ 82103, 82113, 82302, 82303, 82313, 82553, 82603, 82612, 82613, 82623, 82632, 82633,
    /* group 49 */ 83103, 83203, 83233, 84303, 84403, 84412, 84413, 84603, 84803, 84813, 84823, 85103,
    /* group 49 */ 85603, 85623, 85703, 85713, 85723, 85733, 85743, 85753, 85763, 88003, 88013, 88023,
    /* group 49 */ 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88903, 88913,
    /* group 49 */ 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89303, 89313, 89343, 89353,
    /* group 49 */ 89503, 89513, 89803, 89813, 89823, 89903, 89913, 91103, 95903, 95913, 95963, 96503,
    /* group 49 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 49 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 49 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 49 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 49 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 49 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 50: C569
    /* group 50 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 50 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80443,
    /* group 50 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 50 */ 80762, 80763, 80783, 81402, 81403, 81413, 81433, 81473, 82302, 82303, 82313, 82403,
    /* group 50 */ 82413, 82423, 82433, 82443, 82453, 82463, 82493, 82553, 82603, 82612, 82613, 82623,
    /* group 50 */ 82632, 82633, 83103, 83133, 83203, 83233, 83803, 83813, 83823, 83833, 84403, 84412,
    /* group 50 */ 84413, 84421, 84503, 84511, 84602, 84603, 84613, 84621, 84702, 84703, 84713, 84721,
    /* group 50 */ 84731, 84743, 84803, 84813, 84823, 84903, 85103, 85603, 85623, 85703, 85713, 85723,
    /* group 50 */ 85733, 85743, 85753, 85903, 86003, 86203, 86213, 86303, 86313, 86323, 86343, 86703,
    /* group 50 */ 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153,
    /* group 50 */ 88253, 88403, 88903, 88913, 88943, 88953, 88963, 89303, 89313, 89333, 89503, 89513,
    /* group 50 */ 89803, 89813, 89823, 90003, 90143, 90153, 90603, 90643, 90653, 90703, 90713, 90723,
    /* group 50 */ 90803, 90813, 90823, 90833, 90843, 90853, 90903, 91003, 91013, 91053, 91103, 91113,
    /* group 50 */ 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623,
    /* group 50 */ 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883,
    /* group 50 */ 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193,
    /* group 50 */ 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493,
    /* group 50 */ 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133,
    /* group 50 */ 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713,
    /* group 50 */ 99753,
    // group 51: C570
    /* group 51 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 51 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 51 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81402,
    /* group 51 */ 81403, 81413, 81433, 81473, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103,
    /* group 51 */ 83233, 83803, 83823, 83833, 84403, 84412, 84413, 84603, 84613, 84803, 84813, 84823,
    /* group 51 */ 85703, 85713, 85723, 85733, 85743, 85753, 88003, 88013, 88023, 88033, 88043, 88053,
    /* group 51 */ 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963,
    /* group 51 */ 89333, 89503, 89513, 89803, 89813, 89823, 90803, 91103, 95903, 95913, 95963, 96503,
    /* group 51 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 51 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 51 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 51 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 51 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 51 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 52: C571-C574,C577-C579
    /* group 52 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 52 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 52 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81402,
    /* group 52 */ 81403, 81413, 81433, 81473, 82553, 82603, 82612, 82613, 82623, 82632, 82633, 83103,
    /* group 52 */ 83233, 83803, 83823, 83833, 84403, 84803, 84813, 84823, 85703, 85713, 85723, 85733,
    /* group 52 */ 85743, 85753, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133,
    /* group 52 */ 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963, 89503, 89513, 89803, 89813,
    /* group 52 */ 89823, 91103, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593,
    /* group 52 */ 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843,
    /* group 52 */ 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143,
    /* group 52 */ 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403,
    /* group 52 */ 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113,
    /* group 52 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653,
    /* group 52 */ 99673, 99713, 99753,
    // group 53: C589
    /* group 53 */ 80003, 80013, 80023, 80033, 80043, 80053, 91003, 91013, 91043, 91053, 96993, 98233,
    // group 54: C600-C602,C608-C609
    /* group 54 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 54 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80543, 80702, 80703,
    /* group 54 */ 80712, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80802, 80812, 80823,
    /* group 54 */ 80833, 80843, 80903, 80913, 80923, 80933, 80943, 80953, 80973, 80983, 81023, 81103,
    /* group 54 */ 81202, 81203, 81213, 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473, 82553,
    /* group 54 */ 82603, 82612, 82613, 82623, 82632, 82633, 83903, 84003, 84013, 84103, 84133, 85423,
    /* group 54 */ 85703, 85713, 85723, 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303,
    /* group 54 */ 87403, 87412, 87413, 87422, 87423, 87433, 87453, 87463, 87613, 87703, 87713, 87723,
    /* group 54 */ 87803, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143,
    /* group 54 */ 88153, 88253, 88303, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903,
    /* group 54 */ 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503,
    /* group 54 */ 89513, 89803, 89813, 89823, 89903, 89913, 91403, 95973, 96993, 97003, 97013, 97083,
    /* group 54 */ 97093, 97183, 97253, 97263, 98233,
    // group 55: C619
    /* group 55 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 55 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 55 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 55 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 55 */ 81402, 81403, 81413, 81433, 81473, 81482, 82003, 82012, 82013, 82113, 82513, 82553,
    /* group 55 */ 82603, 82612, 82613, 82623, 82632, 82633, 83103, 84803, 84813, 85002, 85003, 85032,
    /* group 55 */ 85033, 85042, 85043, 85072, 85103, 85143, 85503, 85513, 85523, 85603, 85623, 85703,
    /* group 55 */ 85713, 85723, 85733, 85743, 85753, 88003, 88013, 88023, 88033, 88043, 88053, 88063,
    /* group 55 */ 88103, 88113, 88133, 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963, 89003,
    /* group 55 */ 89013, 89023, 89103, 89123, 89203, 89213, 89803, 89813, 89823, 96883, 96993, 97123,
    /* group 55 */ 97153, 97243, 97353, 97373, 97383, 97493, 97513, 97593, 97663, 98113, 98123, 98133,
    /* group 55 */ 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713,
    /* group 55 */ 99753,
    // group 56: C620-C621,C629
    /* group 56 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 56 */ 80153, 80203, 80213, 80223, 81402, 81403, 81413, 81433, 81473, 82553, 82603, 82612,
    /* group 56 */ 82613, 82623, 82632, 82633, 86303, 86313, 86343, 86403, 86503, 88003, 88013, 88023,
    /* group 56 */ 88033, 88043, 88053, 88063, 89003, 89013, 89023, 89103, 89123, 90603, 90613, 90623,
    /* group 56 */ 90633, 90642, 90643, 90653, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843,
    /* group 56 */ 90853, 91003, 91013, 91023, 91053, 95903, 95913, 95963, 96503, 96513, 96523, 96533,
    /* group 56 */ 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733,
    /* group 56 */ 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023,
    /* group 56 */ 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353,
    /* group 56 */ 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583,
    /* group 56 */ 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233,
    /* group 56 */ 98313, 98373, 99653, 99673, 99713, 99753,
    // group 57: C630,C631,C637-C639
    /* group 57 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 57 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 57 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233,
    /* group 57 */ 81243, 81402, 81403, 81413, 81433, 81473, 82553, 82603, 82612, 82613, 82623, 82632,
    /* group 57 */ 82633, 84013, 85423, 85703, 85713, 85723, 85733, 85743, 85753, 88003, 88013, 88023,
    /* group 57 */ 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88503,
    /* group 57 */ 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963,
    /* group 57 */ 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503, 89513, 89803, 89813, 89823,
    /* group 57 */ 89903, 89913, 91403, 96993, 98233,
    // group 58: C632
    /* group 58 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 58 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 58 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80802, 80812, 80823, 80833, 80843,
    /* group 58 */ 80903, 80913, 80923, 80933, 80943, 80953, 80973, 80983, 81023, 81103, 81202, 81203,
    /* group 58 */ 81213, 81223, 81233, 81243, 81402, 81403, 81413, 81433, 81473, 82553, 82603, 82612,
    /* group 58 */ 82613, 82623, 82632, 82633, 83903, 84003, 84013, 84103, 84133, 85423, 85703, 85713,
    /* group 58 */ 85723, 85733, 85743, 85753, 87202, 87203, 87213, 87223, 87233, 87303, 87403, 87412,
    /* group 58 */ 87413, 87422, 87423, 87433, 87453, 87463, 87613, 87703, 87713, 87723, 87803, 88003,
    /* group 58 */ 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253,
    /* group 58 */ 88303, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943,
    /* group 58 */ 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503, 89513, 89803,
    /* group 58 */ 89813, 89823, 89903, 89913, 91403, 95973, 96993, 97003, 97013, 97083, 97093, 97183,
    /* group 58 */ 97253, 97263, 98233,
    // group 59: C649
    /* group 59 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 59 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 59 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 59 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 59 */ 81402, 81403, 81413, 81433, 81473, 81903, 82113, 82302, 82303, 82313, 82403, 82553,
    /* group 59 */ 82603, 82612, 83103, 83113, 83123, 83163, 83173, 83183, 83193, 83203, 83233, 84403,
    /* group 59 */ 84803, 84813, 85603, 85623, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103,
    /* group 59 */ 88113, 88133, 88143, 88153, 88253, 88303, 88503, 88513, 88523, 88533, 88543, 88553,
    /* group 59 */ 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123,
    /* group 59 */ 89503, 89513, 89593, 89603, 89633, 89643, 89803, 89813, 89823, 89903, 89913, 95003,
    /* group 59 */ 95013, 95023, 95033, 95043, 95053, 95903, 95913, 95963, 96503, 96513, 96523, 96533,
    /* group 59 */ 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733,
    /* group 59 */ 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023,
    /* group 59 */ 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353,
    /* group 59 */ 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583,
    /* group 59 */ 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233,
    /* group 59 */ 98313, 98373, 99653, 99673, 99713, 99753,
    // group 60: C659,C669
    /* group 60 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 60 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 60 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 60 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 60 */ 81402, 81403, 81413, 81433, 81473, 81903, 82113, 82302, 82303, 82313, 82553, 82603,
    /* group 60 */ 82612, 83103, 83203, 83233, 84403, 84803, 84813, 85603, 85623, 88003, 88013, 88023,
    /* group 60 */ 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88503,
    /* group 60 */ 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963,
    /* group 60 */ 89003, 89013, 89023, 89103, 89123, 89503, 89513, 89593, 89643, 89803, 89813, 89823,
    /* group 60 */ 89903, 89913, 95003, 95013, 95023, 95033, 95043, 95053, 95903, 95913, 95963, 96503,
    /* group 60 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 60 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 60 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 60 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 60 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 60 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 61: C670-C679
    /* group 61 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 61 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 61 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 61 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 61 */ 81402, 81403, 81413, 81433, 81473, 82302, 82303, 82313, 82553, 82603, 82612, 82613,
    /* group 61 */ 83103, 83203, 83233, 84803, 84813, 84903, 85103, 85763, 86803, 88003, 88013, 88023,
    /* group 61 */ 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88903,
    /* group 61 */ 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89503,
    /* group 61 */ 89513, 89803, 89813, 89823, 89903, 89913, 95903, 95913, 95963, 96503, 96513, 96523,
    /* group 61 */ 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713,
    /* group 61 */ 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013,
    /* group 61 */ 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343,
    /* group 61 */ 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573,
    /* group 61 */ 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193,
    /* group 61 */ 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 62: C680-C681,C688-C689
    /* group 62 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 62 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 62 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 62 */ 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313,
    /* group 62 */ 81402, 81403, 81413, 81433, 81473, 81903, 82302, 82303, 82313, 82553, 82603, 82612,
    /* group 62 */ 82613, 82623, 82632, 82633, 83103, 83203, 83233, 83803, 84403, 84803, 84813, 85603,
    /* group 62 */ 85623, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463, 87703, 87713,
    /* group 62 */ 87723, 88003, 88013, 88023, 88033, 88043, 88053, 88063, 88103, 88113, 88133, 88143,
    /* group 62 */ 88153, 88253, 88503, 88513, 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913,
    /* group 62 */ 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89503, 89513, 89643, 89803,
    /* group 62 */ 89813, 89823, 89903, 89913, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843,
    /* group 62 */ 90853, 91103, 95003, 95013, 95023, 95033, 95043, 95053, 95903, 95913, 95963, 96503,
    /* group 62 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 62 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 62 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 62 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 62 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 62 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 63: C690-C691,C693,C695-C698
    /* group 63 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 63 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 63 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81202,
    /* group 63 */ 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313, 81402, 81403, 81413, 81433,
    /* group 63 */ 81473, 82003, 82012, 82013, 82553, 82903, 84303, 87202, 87203, 87213, 87223, 87233,
    /* group 63 */ 87303, 87433, 87453, 87463, 87703, 87713, 87723, 87733, 87743, 88103, 88113, 88133,
    /* group 63 */ 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103,
    /* group 63 */ 89123, 89203, 89213, 89403, 89413, 89903, 89913, 91503, 95903, 95913, 95963, 96503,
    /* group 63 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 63 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 63 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 63 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 63 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 63 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 64: C692
    /* group 64 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 64 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 64 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81202,
    /* group 64 */ 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313, 81402, 81403, 81413, 81433,
    /* group 64 */ 81473, 82003, 82012, 82013, 82553, 82903, 84303, 87202, 87203, 87213, 87223, 87233,
    /* group 64 */ 87303, 87433, 87453, 87463, 87703, 87713, 87723, 88103, 88113, 88133, 88143, 88153,
    /* group 64 */ 88253, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203,
    /* group 64 */ 89213, 89403, 89413, 89903, 89913, 91503, 95103, 95113, 95123, 95133, 95903, 95913,
    /* group 64 */ 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643,
    /* group 64 */ 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913,
    /* group 64 */ 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273,
    /* group 64 */ 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513,
    /* group 64 */ 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153,
    /* group 64 */ 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 65: C694
    /* group 65 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 65 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 65 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 80812, 80823, 80833, 80843, 81202,
    /* group 65 */ 81203, 81213, 81223, 81233, 81243, 81302, 81303, 81313, 81402, 81403, 81413, 81433,
    /* group 65 */ 81473, 82003, 82012, 82013, 82553, 82903, 84303, 87202, 87203, 87213, 87223, 87233,
    /* group 65 */ 87303, 87433, 87453, 87463, 87703, 87713, 87723, 87733, 87743, 88103, 88113, 88133,
    /* group 65 */ 88143, 88153, 88253, 88903, 88913, 88943, 88953, 88963, 89003, 89013, 89023, 89103,
    /* group 65 */ 89123, 89203, 89213, 89403, 89413, 89903, 89913, 91503, 95903, 95913, 95963, 96503,
    /* group 65 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 65 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 65 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 65 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 65 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 65 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 66: C699
    /* group 66 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 66 */ 80153, 80203, 80213, 80223, 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713,
    /* group 66 */ 80723, 80733, 80743, 80753, 80762, 80763, 80783, 81202, 81203, 81213, 81223, 81233,
    /* group 66 */ 81243, 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 82003, 82012, 82013,
    /* group 66 */ 82553, 82903, 84303, 87202, 87203, 87213, 87223, 87233, 87303, 87433, 87453, 87463,
    /* group 66 */ 87703, 87713, 87723, 88103, 88113, 88133, 88143, 88153, 88253, 88903, 88913, 88943,
    /* group 66 */ 88953, 88963, 89003, 89013, 89023, 89103, 89123, 89203, 89213, 89403, 89413, 89903,
    /* group 66 */ 89913, 91503, 95103, 95113, 95123, 95133, 95903, 95913, 95963, 96503, 96513, 96523,
    /* group 66 */ 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713,
    /* group 66 */ 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013,
    /* group 66 */ 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343,
    /* group 66 */ 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553, 97563, 97573,
    /* group 66 */ 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98193,
    /* group 66 */ 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 67: C700-C701,C709
    /* group 67 */ 80000, 80001, 80003, 80010, 80011, 80013, 80053, 87203, 87280, 87281, 87283, 88000,
    /* group 67 */ 88003, 88013, 88053, 88063, 88100, 88103, 88150, 88253, 88500, 88510, 88610, 88903,
    /* group 67 */ 89103, 90800, 90801, 90803, 90840, 90843, 91200, 91210, 91500, 91501, 91503, 91611,
    /* group 67 */ 92403, 95300, 95301, 95303, 95310, 95320, 95330, 95340, 95370, 95381, 95383, 95391,
    /* group 67 */ 95393, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553, 96593, 96613,
    /* group 67 */ 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96803, 96843, 96873,
    /* group 67 */ 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153,
    /* group 67 */ 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97403, 97413,
    /* group 67 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 67 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 67 */ 99713, 99753,
    // group 68: C710-C714,C717-C719,C720-C725
    /* group 68 */ 80000, 80001, 80003, 80010, 80011, 80013, 80023, 80033, 80043, 80053, 86801, 87203,
    /* group 68 */ 88000, 88003, 88013, 88053, 88063, 88151, 88153, 88500, 88510, 88513, 90603, 90643,
    /* group 68 */ 90703, 90713, 90800, 90801, 90803, 90813, 90853, 91003, 91200, 91210, 91220, 91310,
    /* group 68 */ 91501, 91611, 93703, 93713, 93723, 93803, 93813, 93823, 93831, 93841, 93853, 93911,
    /* group 68 */ 93913, 93923, 93933, 93941, 93963, 94003, 94013, 94103, 94113, 94121, 94130, 94203,
    /* group 68 */ 94211, 94213, 94233, 94243, 94253, 94303, 94311, 94403, 94413, 94421, 94423, 94441,
    /* group 68 */ 94453, 94503, 94513, 94603, 94733, 94753, 94763, 94773, 94783, 94900, 94903, 94920,
    /* group 68 */ 95003, 95013, 95023, 95033, 95050, 95051, 95053, 95083, 95091, 95400, 95401, 95403,
    /* group 68 */ 95410, 95500, 95600, 95601, 95603, 95613, 95620, 95700, 95710, 95713, 95903, 95913,
    /* group 68 */ 95963, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953,
    /* group 68 */ 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283,
    /* group 68 */ 97293, 97313, 97343, 97353, 97373, 97383, 97493, 97503, 97513, 97543, 97553, 97563,
    /* group 68 */ 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173, 98183,
    /* group 68 */ 98193, 98233, 98313, 98373, 99303, 99653, 99673, 99713, 99753,
    // group 69: C715
    /* group 69 */ 80000, 80001, 80003, 80010, 80011, 80013, 80053, 90853, 93703, 93713, 93723, 93803,
    /* group 69 */ 93813, 93823, 93831, 93841, 93853, 93900, 93901, 93903, 93913, 93923, 93933, 93963,
    /* group 69 */ 94003, 94013, 94103, 94113, 94203, 94211, 94213, 94233, 94243, 94253, 94303, 94311,
    /* group 69 */ 94403, 94413, 94423, 94441, 94453, 94503, 94513, 94733, 94753, 94763, 94773, 94783,
    /* group 69 */ 94900, 94903, 94920, 95003, 95013, 95023, 95033, 95051, 95053, 95061, 95083, 95091,
    /* group 69 */ 95903, 95913, 95963, 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903,
    /* group 69 */ 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243,
    /* group 69 */ 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383, 97491, 97493, 97503, 97513,
    /* group 69 */ 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153,
    /* group 69 */ 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 70: C716
    /* group 70 */ 80000, 80001, 80003, 80010, 80011, 80013, 80053, 88000, 88003, 88053, 88063, 88103,
    /* group 70 */ 88150, 88253, 88500, 90800, 90801, 90803, 90840, 91200, 91310, 91501, 91611, 93703,
    /* group 70 */ 93713, 93723, 93803, 93813, 93823, 93831, 93853, 93913, 93923, 93933, 93963, 94003,
    /* group 70 */ 94013, 94103, 94113, 94203, 94211, 94213, 94243, 94253, 94303, 94311, 94403, 94413,
    /* group 70 */ 94423, 94453, 94503, 94513, 94703, 94713, 94723, 94733, 94743, 94753, 94763, 94773,
    /* group 70 */ 94783, 94803, 94900, 94903, 94920, 94930, 95003, 95013, 95023, 95033, 95051, 95061,
    /* group 70 */ 95083, 95090, 95091, 95093, 95903, 95913, 95963, 96703, 96713, 96733, 96753, 96803,
    /* group 70 */ 96843, 96873, 96883, 96903, 96913, 96953, 96983, 96993, 97013, 97023, 97053, 97123,
    /* group 70 */ 97143, 97153, 97193, 97243, 97273, 97283, 97293, 97313, 97343, 97353, 97373, 97383,
    /* group 70 */ 97493, 97503, 97513, 97543, 97553, 97563, 97573, 97583, 97593, 97663, 98113, 98123,
    /* group 70 */ 98133, 98143, 98153, 98163, 98173, 98183, 98193, 98233, 98313, 98373, 99653, 99673,
    /* group 70 */ 99713, 99753,
    // group 71: C728-C729
    /* group 71 */ 80000, 80001, 80003, 80010, 80011, 80013, 80023, 80033, 80043, 80053, 88000, 88003,
    /* group 71 */ 88013, 88023, 88033, 88043, 88053, 88063, 88500, 88501, 88503, 88610, 88900, 88901,
    /* group 71 */ 88903, 88971, 89000, 89003, 89103, 89203, 90643, 90801, 90803, 90823, 90840, 90843,
    /* group 71 */ 91200, 91203, 91210, 91300, 91301, 91303, 91403, 91500, 91501, 91503, 91611, 92603,
    /* group 71 */ 93703, 93713, 93723, 95003, 95013, 95023, 95033, 95083, 95400, 95401, 95403, 95410,
    /* group 71 */ 95500, 95600, 95603, 95613, 95620, 95700, 95710, 95713, 95903, 95913, 95963, 96503,
    /* group 71 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 71 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 71 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 71 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 71 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 71 */ 98183, 98193, 98233, 98273, 98313, 98373, 98613, 99303, 99653, 99673, 99713, 99753,
    // group 72: C739
    /* group 72 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 72 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 72 */ 80502, 80503, 80702, 80703, 80713, 80723, 80733, 80743, 80753, 80762, 80763, 80783,
    /* group 72 */ 81402, 81403, 81413, 81433, 81473, 81903, 82302, 82303, 82313, 82513, 82553, 82603,
    /* group 72 */ 82612, 82613, 82623, 82632, 82633, 82903, 83103, 83303, 83313, 83323, 83333, 83353,
    /* group 72 */ 83373, 83393, 83403, 83413, 83423, 83432, 83433, 83443, 83453, 83463, 83473, 83503,
    /* group 72 */ 84503, 85103, 85503, 85513, 88303, 89803, 89813, 89823, 95903, 95913, 95963, 96503,
    /* group 72 */ 96513, 96523, 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673,
    /* group 72 */ 96703, 96713, 96733, 96753, 96803, 96843, 96873, 96883, 96903, 96913, 96953, 96983,
    /* group 72 */ 96993, 97013, 97023, 97053, 97123, 97143, 97153, 97193, 97243, 97273, 97283, 97293,
    /* group 72 */ 97313, 97343, 97353, 97373, 97383, 97403, 97413, 97493, 97503, 97513, 97543, 97553,
    /* group 72 */ 97563, 97573, 97583, 97593, 97663, 98113, 98123, 98133, 98143, 98153, 98163, 98173,
    /* group 72 */ 98183, 98193, 98233, 98313, 98373, 99653, 99673, 99713, 99753,
    // group 73: C740-C741,C749
    /* group 73 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 73 */ 80153, 80203, 80213, 80223, 81402, 81403, 81413, 81433, 81473, 82553, 82903, 83103,
    /* group 73 */ 83203, 83233, 83703, 86803, 86933, 87003, 90603, 90643, 90653, 90703, 90713, 90723,
    /* group 73 */ 90803, 90813, 90823, 90833, 90843, 90853, 93703, 93713, 93723, 94903, 95003, 95013,
    /* group 73 */ 95023, 95033, 95043, 95053, 96993, 98233,
    // group 74: C750
    /* group 74 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 74 */ 80153, 80203, 80213, 80223, 81402, 81403, 81413, 81433, 81473, 82553, 82903, 83103,
    /* group 74 */ 83203, 83223, 83233, 86803, 86933, 90603, 90643, 90653, 90703, 90713, 90723, 90803,
    /* group 74 */ 90813, 90823, 90833, 90843, 90853, 93703, 93713, 93723, 94903, 95003, 95013, 95023,
    /* group 74 */ 95033, 95043, 95053, 96993, 98233,
    // group 75: C751
    /* group 75 */ 80000, 80001, 80003, 80010, 80011, 80013, 80050, 80053, 80100, 80102, 80103, 81400,
    /* group 75 */ 81402, 81403, 81460, 82600, 82700, 82703, 82710, 82720, 82723, 82733, 82800, 82803,
    /* group 75 */ 82810, 82813, 82900, 82903, 83000, 83003, 83100, 83203, 83230, 83233, 88000, 88003,
    /* group 75 */ 88500, 90603, 90643, 90653, 90703, 90713, 90723, 90800, 90801, 90803, 90813, 90823,
    /* group 75 */ 90833, 90843, 90853, 93501, 93511, 93521, 93703, 93713, 93723, 94321, 95003, 95013,
    /* group 75 */ 95023, 95033, 95053, 95800, 95820, 96993, 98233,
    // group 76: C752
    /* group 76 */ 80000, 80001, 80003, 80010, 80011, 80013, 80050, 80053, 80100, 80102, 80103, 81400,
    /* group 76 */ 81402, 81403, 81460, 82600, 82700, 82703, 82710, 82720, 82723, 82800, 82803, 82810,
    /* group 76 */ 82813, 82900, 82903, 83000, 83003, 83100, 83203, 83230, 83233, 88000, 88003, 88500,
    /* group 76 */ 90603, 90643, 90653, 90703, 90713, 90723, 90800, 90801, 90803, 90813, 90823, 90833,
    /* group 76 */ 90843, 90853, 93501, 93511, 93521, 93703, 93713, 93723, 95003, 95013, 95023, 95033,
    /* group 76 */ 95053, 95800, 96993, 98233,
    // group 77: C753
    /* group 77 */ 80000, 80001, 80003, 80010, 80011, 80013, 80100, 90603, 90643, 90653, 90703, 90713,
    /* group 77 */ 90723, 90800, 90803, 90813, 90823, 90833, 90840, 90843, 90853, 93601, 93611, 93623,
    /* group 77 */ 93703, 93713, 93723, 93953, 94733, 94903, 94920, 95003, 95013, 95023, 95033, 95051,
    /* group 77 */ 95053, 96803, 96993, 98233,
    // group 78: C754-C755,C758-C759
    /* group 78 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 78 */ 80153, 80203, 80213, 80223, 81402, 81403, 81413, 81433, 81473, 82553, 82903, 83103,
    /* group 78 */ 83203, 83233, 86803, 86813, 86823, 86903, 86913, 86923, 86933, 90603, 90643, 90653,
    /* group 78 */ 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843, 90853, 93703, 93713, 93723,
    /* group 78 */ 94903, 95003, 95013, 95023, 95033, 95043, 95053, 96993, 98233,
    // group 79: C760-C768
    /* group 79 */ 80003, 80013, 80023, 80033, 80043, 80053, 80103, 80203, 80213, 80223, 80463, 80513,
    /* group 79 */ 80523, 80703, 80713, 80723, 80733, 80743, 80823, 80833, 80843, 81213, 81402, 81403,
    /* group 79 */ 81413, 81433, 81473, 82003, 82553, 83103, 84303, 84503, 84803, 84813, 85253, 85503,
    /* group 79 */ 85623, 89413, 95003, 96993, 98233,
    // group 80: C770-C775,C778-C779
    /* group 80 */ 80003, 80013, 80023, 80033, 80043, 80053, 95903, 95913, 95963, 96503, 96513, 96523,
    /* group 80 */ 96533, 96543, 96553, 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713,
    /* group 80 */ 96733, 96753, 96783, 96793, 96803, 96843, 96873, 96883, 96893, 96903, 96913, 96953,
    /* group 80 */ 96983, 96993, 97023, 97053, 97083, 97123, 97143, 97153, 97163, 97173, 97193, 97243,
    /* group 80 */ 97273, 97283, 97293, 97353, 97373, 97383, 97513, 97553, 97593, 97613, 97623, 98113,
    /* group 80 */ 98123, 98133, 98143, 98153, 98163, 98173, 98183, 98233, 98313, 98373, 99653, 99673,
    /* group 80 */ 99713, 99753,
    // group 81: C809
    /* group 81 */ 80003, 80013, 80023, 80033, 80043, 80053, 80102, 80103, 80113, 80123, 80133, 80143,
    /* group 81 */ 80153, 80203, 80213, 80223, 80303, 80313, 80323, 80333, 80343, 80353, 80413, 80433,
    /* group 81 */ 80502, 80503, 80513, 80522, 80523, 80702, 80703, 80713, 80723, 80733, 80743, 80753,
    /* group 81 */ 80762, 80763, 80783, 80823, 80833, 80843, 81202, 81203, 81213, 81223, 81233, 81243,
    /* group 81 */ 81302, 81303, 81313, 81402, 81403, 81413, 81433, 81473, 81523, 81533, 81563, 81573,
    /* group 81 */ 81903, 82003, 82012, 82013, 82102, 82103, 82113, 82302, 82303, 82313, 82403, 82413,
    /* group 81 */ 82423, 82433, 82443, 82453, 82463, 82493, 82513, 82553, 82603, 82612, 82613, 82623,
    /* group 81 */ 82632, 82633, 82903, 83103, 83203, 83233, 83803, 84013, 84303, 84403, 84803, 84813,
    /* group 81 */ 84903, 85103, 85213, 85423, 85503, 85513, 85603, 85623, 85703, 85713, 85723, 85733,
    /* group 81 */ 85743, 85753, 86303, 86503, 86803, 86933, 87103, 88003, 88013, 88023, 88033, 88043,
    /* group 81 */ 88053, 88063, 88103, 88113, 88133, 88143, 88153, 88253, 88303, 88403, 88503, 88513,
    /* group 81 */ 88523, 88533, 88543, 88553, 88573, 88583, 88903, 88913, 88943, 88953, 88963, 89003,
    /* group 81 */ 89013, 89023, 89103, 89123, 89203, 89213, 89343, 89353, 89403, 89413, 89503, 89513,
    /* group 81 */ 89803, 89813, 89823, 89903, 89913, 90403, 90413, 90423, 90433, 90443, 90603, 90643,
    /* group 81 */ 90653, 90703, 90713, 90723, 90803, 90813, 90823, 90833, 90843, 90853, 91003, 91013,
    /* group 81 */ 91023, 91053, 91103, 91203, 91303, 91333, 91403, 91503, 91703, 93103, 93703, 93713,
    /* group 81 */ 93723, 94903, 95003, 95013, 95023, 95033, 95043, 95053, 95203, 95403, 95603, 95613,
    /* group 81 */ 95713, 95803, 95813, 95903, 95913, 95963, 96503, 96513, 96523, 96533, 96543, 96553,
    /* group 81 */ 96593, 96613, 96623, 96633, 96643, 96653, 96673, 96703, 96713, 96733, 96753, 96783,
    /* group 81 */ 96793, 96803, 96843, 96873, 96893, 96903, 96913, 96953, 96983, 96993, 97023, 97053,
    /* group 81 */ 97083, 97143, 97163, 97173, 97193, 97273, 97283, 97293, 97313, 97323, 97343, 98233,
};

} // namespace

const int32_t code_list_versions[] = {180, 210, 220, 230, 240, 250, 260};
const size_t code_list_version_count = sizeof code_list_versions / sizeof code_list_versions[0];

// By naaccrNum: naaccrId, rows, codes, code length, lowest byte and span of
// bytes at each position, first slot in code_index.
const CodeTable code_tables[] = {
    {150, "maritalStatusAtDx", maritalStatusAtDx_codes, 7, 1, "1", {9}, 0},
    {160, "race1", race1_codes, 30, 2, "00", {10, 10}, 9},
    {161, "race2", race2_codes, 31, 2, "00", {10, 10}, 109},
    {162, "race3", race3_codes, 31, 2, "00", {10, 10}, 209},
    {163, "race4", race4_codes, 31, 2, "00", {10, 10}, 309},
    {164, "race5", race5_codes, 31, 2, "00", {10, 10}, 409},
    {190, "spanishHispanicOrigin", spanishHispanicOrigin_codes, 10, 1, "0", {10}, 509},
    {220, "sex", sex_codes, 7, 1, "1", {9}, 519},
    {225, "sexAssignedAtBirth", sexAssignedAtBirth_codes, 3, 1, "1", {9}, 528},
    {230, "ageAtDiagnosis", ageAtDiagnosis_codes, 122, 3, "000", {10, 10, 10}, 537},
    {380, "sequenceNumberCentral", sequenceNumberCentral_codes, 91, 2, "00", {10, 10}, 1537},
    {400, "primarySite", primarySite_codes, 330, 4, "C000", {1, 9, 10, 10}, 1637},
    {410, "laterality", laterality_codes, 7, 1, "0", {10}, 2537},
    {440, "grade", grade_codes, 9, 1, "1", {9}, 2547},
    {442, "ambiguousTerminologyDx", ambiguousTerminologyDx_codes, 4, 1, "0", {10}, 2556},
    {444, "multTumRptAsOnePrim", multTumRptAsOnePrim_codes, 12, 2, "00", {10, 10}, 2566},
    {490, "diagnosticConfirmation", diagnosticConfirmation_codes, 9, 1, "1", {9}, 2666},
    {500, "typeOfReportingSource", typeOfReportingSource_codes, 8, 1, "1", {8}, 2675},
    {522, "histologicTypeIcdO3", histologicTypeIcdO3_codes, 865, 4, "8000", {2, 10, 10, 10}, 2683},
    {523, "behaviorCodeIcdO3", behaviorCodeIcdO3_codes, 4, 1, "0", {4}, 4683},
    {560, "sequenceNumberHospital", sequenceNumberHospital_codes, 90, 2, "00", {10, 10}, 4687},
    {610, "classOfCase", classOfCase_codes, 24, 2, "00", {10, 10}, 4787},
    {630, "primaryPayerAtDx", primaryPayerAtDx_codes, 17, 2, "00", {10, 10}, 4887},
    {759, "seerSummaryStage2000", seerSummaryStage2000_codes, 9, 1, "0", {10}, 4987},
    {760, "seerSummaryStage1977", seerSummaryStage1977_codes, 9, 1, "0", {10}, 4997},
    {762, "derivedSummaryStage2018", derivedSummaryStage2018_codes, 8, 1, "0", {10}, 5007},
    {764, "summaryStage2018", summaryStage2018_codes, 8, 1, "0", {10}, 5017},
    {1285, "rxSummTreatmentStatus", rxSummTreatmentStatus_codes, 4, 1, "0", {10}, 5027},
    {1292, "rxSummScopeRegLnSur", rxSummScopeRegLnSur_codes, 9, 1, "0", {10}, 5037},
    {1294, "rxSummSurgOthRegDis", rxSummSurgOthRegDis_codes, 7, 1, "0", {10}, 5047},
    {1320, "rxSummSurgicalMargins", rxSummSurgicalMargins_codes, 9, 1, "0", {10}, 5057},
    {1335, "rxSummReconBreast", rxSummReconBreast_codes, 15, 4, "A000", {1, 10, 10, 1}, 5067},
    {1340, "reasonForNoSurgery", reasonForNoSurgery_codes, 8, 1, "0", {10}, 5167},
    {1350, "rxSummDxStgProc", rxSummDxStgProc_codes, 9, 2, "00", {1, 10}, 5177},
    {1360, "rxSummRadiation", rxSummRadiation_codes, 10, 1, "0", {10}, 5187},
    {1370, "rxSummRadToCns", rxSummRadToCns_codes, 5, 1, "0", {10}, 5197},
    {1380, "rxSummSurgRadSeq", rxSummSurgRadSeq_codes, 8, 1, "0", {10}, 5207},
    {1390, "rxSummChemo", rxSummChemo_codes, 10, 2, "00", {10, 10}, 5217},
    {1400, "rxSummHormone", rxSummHormone_codes, 8, 2, "00", {10, 10}, 5317},
    {1410, "rxSummBrm", rxSummBrm_codes, 8, 2, "00", {10, 10}, 5417},
    {1420, "rxSummOther", rxSummOther_codes, 8, 1, "0", {10}, 5517},
    {1430, "reasonForNoRadiation", reasonForNoRadiation_codes, 8, 1, "0", {10}, 5527},
    {1639, "rxSummSystemicSurSeq", rxSummSystemicSurSeq_codes, 8, 1, "0", {10}, 5537},
    {1760, "vitalStatus", vitalStatus_codes, 2, 1, "0", {2}, 5547},
    {3250, "rxSummTransplntEndocr", rxSummTransplntEndocr_codes, 13, 2, "00", {10, 10}, 5549},
    {3270, "rxSummPalliativeProc", rxSummPalliativeProc_codes, 9, 1, "0", {10}, 5649},
};
const size_t code_table_count = sizeof code_tables / sizeof code_tables[0];

// The pairs: rows, lowest morphology, span of morphologies, first slot in code_index.
const MorphologyTable morphology_pairs = {pairs, 1436, 80000, 19934, 5659};

// Site groups: their sites, and their rows in site_list_rows.
const SiteGroup site_groups[] = {
    {"C000 C001 C002 C003 C004 C005 C006 C008 C009", 0, 76}, // C000-C006,C008-C009
    {"C019", 76, 150}, // C019
    {"C020 C021 C022 C023 C024 C028 C029", 226, 148}, // C020-C024,C028-C029
    {"C030 C031 C039 C040 C041 C048 C049 C050 C051 C052 C058 C059 C060 C061 C062 C068 C069", 374, 164}, // C030-C031,C039-C041,C048-C052,C058-C062,C068-C069
    {"C079 C080 C081 C088 C089", 538, 191}, // C079-C081,C088-C089
    {"C090 C091 C098 C099 C100 C101 C102 C103 C104 C108 C109", 729, 179}, // C090-C091,C098-C104,C108-C109
    {"C110 C112 C113 C118 C119", 908, 182}, // C110,C112-C113,C118-C119
    {"C111", 1090, 180}, // C111
    {"C129 C130 C131 C132 C138 C139", 1270, 136}, // C129-C132,C138-C139
    {"C140 C142 C148", 1406, 131}, // C140,C142,C148
    {"C150 C151 C152 C153 C154 C155 C158 C159", 1537, 141}, // C150-C155,C158-C159
    {"C160 C161 C162 C163 C164 C165 C166 C168 C169", 1678, 187}, // C160-C166,C168-C169
    {"C170 C171 C172 C173 C178 C179", 1865, 172}, // C170-C173,C178-C179
    {"C180 C182 C183 C184 C185 C186 C187 C188 C189 C199", 2037, 197}, // C180,C182-C189,C199
    {"C181", 2234, 198}, // C181
    {"C209", 2432, 214}, // C209
    {"C210 C211 C212 C218", 2646, 182}, // C210-C212,C218
    {"C220", 2828, 152}, // C220
    {"C221", 2980, 144}, // C221
    {"C239 C240 C241 C248 C249", 3124, 171}, // C239-C241,C248-C249
    {"C250 C251 C252 C253 C254 C257 C258 C259", 3295, 206}, // C250-C254,C257-C259
    {"C260 C268 C269", 3501, 292}, // C260,C268-C269
    {"C300", 3793, 208}, // C300
    {"C301", 4001, 205}, // C301
    {"C310 C311 C312 C313 C318", 4206, 208}, // C310-C313,C318
    {"C319", 4414, 209}, // C319
    {"C320 C321 C322 C323 C328 C329", 4623, 159}, // C320-C323,C328-C329
    {"C339", 4782, 82}, // C339
    {"C340 C341 C342 C343 C348 C349", 4864, 220}, // C340-C343,C348-C349
    {"C379", 5084, 110}, // C379
    {"C380", 5194, 74}, // C380
    {"C381 C382 C383 C388", 5268, 147}, // C381-C383,C388
    {"C384", 5415, 100}, // C384
    {"C390 C398 C399", 5515, 134}, // C390,C398-C399
    {"C400 C401 C402 C403 C408 C409 C412 C413 C414 C418 C419", 5649, 144}, // C400-C403,C408-C409,C412-C414,C418-C419
    {"C410", 5793, 146}, // C410
    {"C411", 5939, 146}, // C411
    {"C420 C421 C424", 6085, 147}, // C420,C421,C424
    {"C422", 6232, 78}, // C422
    {"C423", 6310, 11}, // C423
    {"C440 C441 C442 C443 C444 C445 C446 C447 C448 C449", 6321, 155}, // C440-C449
    {"C470 C471 C472 C473 C474 C475 C476 C478 C479", 6476, 166}, // C470-C476,C478-C479
    {"C480 C481 C482 C488", 6642, 160}, // C480-C482,C488
    {"C490 C491 C492 C493 C494 C495 C496 C498 C499", 6802, 174}, // C490-C496,C498-C499
    {"C500 C501 C502 C503 C504 C505 C506 C508 C509", 6976, 228}, // C500-C506,C508-C509
    {"C510 C511 C512 C518 C529", 7204, 232}, // C510-C512,C518,C529
    {"C519", 7436, 240}, // C519
    {"C530 C531 C538 C539", 7676, 196}, // C530-C531,C538-C539
    {"C540 C541 C542 C543 C548 C549", 7872, 204}, // C540-C543,C548-C549
    {"C559", 8076, 201}, // C559
    {"C569", 8277, 229}, // C569
    {"C570", 8506, 165}, // C570
    {"C571 C572 C573 C574 C577 C578 C579", 8671, 159}, // C571-C574,C577-C579
    {"C589", 8830, 12}, // C589
    {"C600 C601 C602 C608 C609", 8842, 149}, // C600-C602,C608-C609
    {"C619", 8991, 145}, // C619
    {"C620 C621 C629", 9136, 138}, // C620-C621,C629
    {"C630 C631 C637 C638 C639", 9274, 101}, // C630,C631,C637-C639
    {"C632", 9375, 147}, // C632
    {"C649", 9522, 198}, // C649
    {"C659 C669", 9720, 189}, // C659,C669
    {"C670 C671 C672 C673 C674 C675 C676 C677 C678 C679", 9909, 175}, // C670-C679
    {"C680 C681 C688 C689", 10084, 213}, // C680-C681,C688-C689
    {"C690 C691 C693 C695 C696 C698", 10297, 165}, // C690-C691,C693,C695-C698
    {"C692", 10462, 167}, // C692
    {"C694", 10629, 165}, // C694
    {"C699", 10794, 163}, // C699
    {"C700 C701 C709", 10957, 122}, // C700-C701,C709
    {"C710 C711 C712 C713 C714 C717 C718 C719 C720 C721 C722 C723 C724 C725", 11079, 165}, // C710-C714,C717-C719,C720-C725
    {"C715", 11244, 119}, // C715
    {"C716", 11363, 134}, // C716
    {"C728 C729", 11497, 144}, // C728-C729
    {"C739", 11641, 153}, // C739
    {"C740 C741 C749", 11794, 54}, // C740-C741,C749
    {"C750", 11848, 53}, // C750
    {"C751", 11901, 67}, // C751
    {"C752", 11968, 64}, // C752
    {"C753", 12032, 40}, // C753
    {"C754 C755 C758 C759", 12072, 57}, // C754-C755,C758-C759
    {"C760 C761 C762 C763 C764 C765 C767 C768", 12129, 41}, // C760-C768
    {"C770 C771 C772 C773 C774 C775 C778 C779", 12170, 74}, // C770-C775,C778-C779
    {"C809", 12244, 252}, // C809
};
// Edition, groups, rows, years of diagnosis, the site groups' slots in code_index.
const SiteList site_list = {"2022-04-29", site_groups, sizeof site_groups / sizeof site_groups[0], site_list_rows,
                            12496, 2021, 2023, 25593, 900};

// Room for the look-up index that codes are found by, built on first use:
// each table's slots, then the pairs', then the site group of each site.
uint8_t code_index[26493];
const size_t code_index_size = sizeof code_index;
// clang-format on

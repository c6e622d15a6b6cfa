// dictionary_tables.cpp -- NAACCR's data dictionaries as tables: made by
// tools/dictionaries/make_dictionary_tables.py; do not edit.
//
// The item definitions are NAACCR's (the NAACCR XML data dictionaries, base
// 140 to 270 and the default user dictionaries 140 to 210).  Each item's row
// ends with its naaccrId.
// clang-format off
#include "items/items.h"

namespace
{

// Every naaccrId and naaccrName once.
constexpr const char *S[] = {
    "recordType",
    "Record Type",
    "registryType",
    "Registry Type",
    "reserved00",
    "Reserved 00",
    "naaccrRecordVersion",
    "NAACCR Record Version",
    "npiRegistryId",
    "NPI--Registry ID",
    "registryId",
    "Registry ID",
    "tumorRecordNumber",
    "Tumor Record Number",
    "patientIdNumber",
    "Patient ID Number",
    "patientSystemIdHosp",
    "Patient System ID-Hosp",
    "reserved01",
    "Reserved 01",
    "addrAtDxCity",
    "Addr at DX--City",
    "addrAtDxState",
    "Addr at DX--State",
    "addrAtDxPostalCode",
    "Addr at DX--Postal Code",
    "countyAtDx",
    "County at DX",
    "censusTract19708090",
    "Census Tract 1970/80/90",
    "censusBlockGrp197090",
    "Census Block Grp 1970-90",
    "censusCodSys19708090",
    "Census Cod Sys 1970/80/90",
    "censusTrCert19708090",
    "Census Tr Cert 1970/80/90",
    "censusTract2000",
    "Census Tract 2000",
    "censusBlockGroup2000",
    "Census Block Group 2000",
    "censusTrCertainty2000",
    "Census Tr Certainty 2000",
    "maritalStatusAtDx",
    "Marital Status at DX",
    "race1",
    "Race 1",
    "race2",
    "Race 2",
    "race3",
    "Race 3",
    "race4",
    "Race 4",
    "race5",
    "Race 5",
    "raceCodingSysCurrent",
    "Race Coding Sys--Current",
    "raceCodingSysOriginal",
    "Race Coding Sys--Original",
    "spanishHispanicOrigin",
    "Spanish/Hispanic Origin",
    "computedEthnicity",
    "Computed Ethnicity",
    "computedEthnicitySource",
    "Computed Ethnicity Source",
    "sex",
    "Sex",
    "ageAtDiagnosis",
    "Age at Diagnosis",
    "dateOfBirth",
    "Date of Birth",
    "dateOfBirthFlag",
    "Date of Birth Flag",
    "birthplace",
    "Birthplace",
    "censusOccCode19702000",
    "Census Occ Code 1970-2000",
    "censusIndCode19702000",
    "Census Ind Code 1970-2000",
    "occupationSource",
    "Occupation Source",
    "industrySource",
    "Industry Source",
    "textUsualOccupation",
    "Text--Usual Occupation",
    "textUsualIndustry",
    "Text--Usual Industry",
    "censusOccIndSys7000",
    "Census Occ/Ind Sys 70-00",
    "nhiaDerivedHispOrigin",
    "NHIA Derived Hisp Origin",
    "raceNapiia",
    "Race--NAPIIA(derived API)",
    "ihsLink",
    "IHS Link",
    "gisCoordinateQuality",
    "GIS Coordinate Quality",
    "ruralurbanContinuum1993",
    "RuralUrban Continuum 1993",
    "ruralurbanContinuum2003",
    "RuralUrban Continuum 2003",
    "censusTract2010",
    "Census Tract 2010",
    "censusBlockGroup2010",
    "Census Block Group 2010",
    "censusTrCertainty2010",
    "Census Tr Certainty 2010",
    "addrAtDxCountry",
    "Addr at DX--Country",
    "addrCurrentCountry",
    "Addr Current--Country",
    "birthplaceState",
    "Birthplace--State",
    "birthplaceCountry",
    "Birthplace--Country",
    "followupContactCountry",
    "FollowUp Contact--Country",
    "placeOfDeathState",
    "Place of Death--State",
    "placeOfDeathCountry",
    "Place of Death--Country",
    "censusIndCode2010",
    "Census Ind Code 2010",
    "censusOccCode2010",
    "Census Occ Code 2010",
    "censusTrPovertyIndictr",
    "Census Tr Poverty Indictr",
    "reserved02",
    "Reserved 02",
    "sequenceNumberCentral",
    "Sequence Number--Central",
    "dateOfDiagnosis",
    "Date of Diagnosis",
    "dateOfDiagnosisFlag",
    "Date of Diagnosis Flag",
    "primarySite",
    "Primary Site",
    "laterality",
    "Laterality",
    "histologyIcdO2",
    "Histology (92-00) ICD-O-2",
    "behaviorIcdO2",
    "Behavior (92-00) ICD-O-2",
    "histologicTypeIcdO3",
    "Histologic Type ICD-O-3",
    "behaviorCodeIcdO3",
    "Behavior Code ICD-O-3",
    "grade",
    "Grade",
    "gradePathValue",
    "Grade Path Value",
    "gradePathSystem",
    "Grade Path System",
    "siteCodingSysCurrent",
    "Site Coding Sys--Current",
    "siteCodingSysOriginal",
    "Site Coding Sys--Original",
    "morphCodingSysCurrent",
    "Morph Coding Sys--Current",
    "morphCodingSysOriginl",
    "Morph Coding Sys--Originl",
    "diagnosticConfirmation",
    "Diagnostic Confirmation",
    "typeOfReportingSource",
    "Type of Reporting Source",
    "casefindingSource",
    "Casefinding Source",
    "ambiguousTerminologyDx",
    "Ambiguous Terminology DX",
    "dateConclusiveDx",
    "Date Conclusive DX",
    "dateConclusiveDxFlag",
    "Date Conclusive DX Flag",
    "multTumRptAsOnePrim",
    "Mult Tum Rpt as One Prim",
    "dateOfMultTumors",
    "Date of Mult Tumors",
    "dateOfMultTumorsFlag",
    "Date of Mult Tumors Flag",
    "multiplicityCounter",
    "Multiplicity Counter",
    "reserved03",
    "Reserved 03",
    "npiReportingFacility",
    "NPI--Reporting Facility",
    "reportingFacility",
    "Reporting Facility",
    "npiArchiveFin",
    "NPI--Archive FIN",
    "archiveFin",
    "Archive FIN",
    "accessionNumberHosp",
    "Accession Number--Hosp",
    "sequenceNumberHospital",
    "Sequence Number--Hospital",
    "abstractedBy",
    "Abstracted By",
    "dateOf1stContact",
    "Date of 1st Contact",
    "dateOf1stContactFlag",
    "Date of 1st Contact Flag",
    "dateOfInptAdm",
    "Date of Inpt Adm",
    "dateOfInptAdmFlag",
    "Date of Inpt Adm Flag",
    "dateOfInptDisch",
    "Date of Inpt Disch",
    "dateOfInptDischFlag",
    "Date of Inpt Disch Flag",
    "inpatientStatus",
    "Inpatient Status",
    "classOfCase",
    "Class of Case",
    "primaryPayerAtDx",
    "Primary Payer at DX",
    "reserved15",
    "Reserved 15",
    "rxHospSurgApp2010",
    "RX Hosp--Surg App 2010",
    "rxHospSurgPrimSite",
    "RX Hosp--Surg Prim Site",
    "rxHospScopeRegLnSur",
    "RX Hosp--Scope Reg LN Sur",
    "rxHospSurgOthRegDis",
    "RX Hosp--Surg Oth Reg/Dis",
    "rxHospRegLnRemoved",
    "RX Hosp--Reg LN Removed",
    "reserved16",
    "Reserved 16",
    "rxHospRadiation",
    "RX Hosp--Radiation",
    "rxHospChemo",
    "RX Hosp--Chemo",
    "rxHospHormone",
    "RX Hosp--Hormone",
    "rxHospBrm",
    "RX Hosp--BRM",
    "rxHospOther",
    "RX Hosp--Other",
    "rxHospDxStgProc",
    "RX Hosp--DX/Stg Proc",
    "rxHospPalliativeProc",
    "RX Hosp--Palliative Proc",
    "rxHospSurgSite9802",
    "RX Hosp--Surg Site 98-02",
    "rxHospScopeReg9802",
    "RX Hosp--Scope Reg 98-02",
    "rxHospSurgOth9802",
    "RX Hosp--Surg Oth 98-02",
    "reserved04",
    "Reserved 04",
    "seerSummaryStage2000",
    "SEER Summary Stage 2000",
    "seerSummaryStage1977",
    "SEER Summary Stage 1977",
    "eodTumorSize",
    "EOD--Tumor Size",
    "eodExtension",
    "EOD--Extension",
    "eodExtensionProstPath",
    "EOD--Extension Prost Path",
    "eodLymphNodeInvolv",
    "EOD--Lymph Node Involv",
    "regionalNodesPositive",
    "Regional Nodes Positive",
    "regionalNodesExamined",
    "Regional Nodes Examined",
    "eodOld13Digit",
    "EOD--Old 13 Digit",
    "eodOld2Digit",
    "EOD--Old 2 Digit",
    "eodOld4Digit",
    "EOD--Old 4 Digit",
    "codingSystemForEod",
    "Coding System for EOD",
    "tnmEditionNumber",
    "TNM Edition Number",
    "tnmPathT",
    "TNM Path T",
    "tnmPathN",
    "TNM Path N",
    "tnmPathM",
    "TNM Path M",
    "tnmPathStageGroup",
    "TNM Path Stage Group",
    "tnmPathDescriptor",
    "TNM Path Descriptor",
    "tnmPathStagedBy",
    "TNM Path Staged By",
    "tnmClinT",
    "TNM Clin T",
    "tnmClinN",
    "TNM Clin N",
    "tnmClinM",
    "TNM Clin M",
    "tnmClinStageGroup",
    "TNM Clin Stage Group",
    "tnmClinDescriptor",
    "TNM Clin Descriptor",
    "tnmClinStagedBy",
    "TNM Clin Staged By",
    "pediatricStage",
    "Pediatric Stage",
    "pediatricStagingSystem",
    "Pediatric Staging System",
    "pediatricStagedBy",
    "Pediatric Staged By",
    "tumorMarker1",
    "Tumor Marker 1",
    "tumorMarker2",
    "Tumor Marker 2",
    "tumorMarker3",
    "Tumor Marker 3",
    "lymphVascularInvasion",
    "Lymph-vascular Invasion",
    "csTumorSize",
    "CS Tumor Size",
    "csExtension",
    "CS Extension",
    "csTumorSizeExtEval",
    "CS Tumor Size/Ext Eval",
    "csLymphNodes",
    "CS Lymph Nodes",
    "csLymphNodesEval",
    "CS Lymph Nodes Eval",
    "csMetsAtDx",
    "CS Mets at DX",
    "csMetsEval",
    "CS Mets Eval",
    "csMetsAtDxBone",
    "CS Mets at Dx-Bone",
    "csMetsAtDxBrain",
    "CS Mets at Dx-Brain",
    "csMetsAtDxLiver",
    "CS Mets at Dx-Liver",
    "csMetsAtDxLung",
    "CS Mets at Dx-Lung",
    "csSiteSpecificFactor1",
    "CS Site-Specific Factor 1",
    "csSiteSpecificFactor2",
    "CS Site-Specific Factor 2",
    "csSiteSpecificFactor3",
    "CS Site-Specific Factor 3",
    "csSiteSpecificFactor4",
    "CS Site-Specific Factor 4",
    "csSiteSpecificFactor5",
    "CS Site-Specific Factor 5",
    "csSiteSpecificFactor6",
    "CS Site-Specific Factor 6",
    "csSiteSpecificFactor7",
    "CS Site-Specific Factor 7",
    "csSiteSpecificFactor8",
    "CS Site-Specific Factor 8",
    "csSiteSpecificFactor9",
    "CS Site-Specific Factor 9",
    "csSiteSpecificFactor10",
    "CS Site-Specific Factor10",
    "csSiteSpecificFactor11",
    "CS Site-Specific Factor11",
    "csSiteSpecificFactor12",
    "CS Site-Specific Factor12",
    "csSiteSpecificFactor13",
    "CS Site-Specific Factor13",
    "csSiteSpecificFactor14",
    "CS Site-Specific Factor14",
    "csSiteSpecificFactor15",
    "CS Site-Specific Factor15",
    "csSiteSpecificFactor16",
    "CS Site-Specific Factor16",
    "csSiteSpecificFactor17",
    "CS Site-Specific Factor17",
    "csSiteSpecificFactor18",
    "CS Site-Specific Factor18",
    "csSiteSpecificFactor19",
    "CS Site-Specific Factor19",
    "csSiteSpecificFactor20",
    "CS Site-Specific Factor20",
    "csSiteSpecificFactor21",
    "CS Site-Specific Factor21",
    "csSiteSpecificFactor22",
    "CS Site-Specific Factor22",
    "csSiteSpecificFactor23",
    "CS Site-Specific Factor23",
    "csSiteSpecificFactor24",
    "CS Site-Specific Factor24",
    "csSiteSpecificFactor25",
    "CS Site-Specific Factor25",
    "csPrerxTumorSize",
    "CS PreRx Tumor Size",
    "csPrerxExtension",
    "CS PreRx Extension",
    "csPrerxTumSzExtEval",
    "CS PreRx Tum Sz/Ext Eval",
    "csPrerxLymphNodes",
    "CS PreRx Lymph Nodes",
    "csPrerxRegNodesEval",
    "CS PreRx Reg Nodes Eval",
    "csPrerxMetsAtDx",
    "CS PreRx Mets at DX",
    "csPrerxMetsEval",
    "CS PreRx Mets Eval",
    "csPostrxTumorSize",
    "CS PostRx Tumor Size",
    "csPostrxExtension",
    "CS PostRx Extension",
    "csPostrxLymphNodes",
    "CS PostRx Lymph Nodes",
    "csPostrxMetsAtDx",
    "CS PostRx Mets at DX",
    "derivedAjcc6T",
    "Derived AJCC-6 T",
    "derivedAjcc6TDescript",
    "Derived AJCC-6 T Descript",
    "derivedAjcc6N",
    "Derived AJCC-6 N",
    "derivedAjcc6NDescript",
    "Derived AJCC-6 N Descript",
    "derivedAjcc6M",
    "Derived AJCC-6 M",
    "derivedAjcc6MDescript",
    "Derived AJCC-6 M Descript",
    "derivedAjcc6StageGrp",
    "Derived AJCC-6 Stage Grp",
    "derivedAjcc7T",
    "Derived AJCC-7 T",
    "derivedAjcc7TDescript",
    "Derived AJCC-7 T Descript",
    "derivedAjcc7N",
    "Derived AJCC-7 N",
    "derivedAjcc7NDescript",
    "Derived AJCC-7 N Descript",
    "derivedAjcc7M",
    "Derived AJCC-7 M",
    "derivedAjcc7MDescript",
    "Derived AJCC-7 M Descript",
    "derivedAjcc7StageGrp",
    "Derived AJCC-7 Stage Grp",
    "derivedPrerx7T",
    "Derived PreRx-7 T",
    "derivedPrerx7TDescrip",
    "Derived PreRx-7 T Descrip",
    "derivedPrerx7N",
    "Derived PreRx-7 N",
    "derivedPrerx7NDescrip",
    "Derived PreRx-7 N Descrip",
    "derivedPrerx7M",
    "Derived PreRx-7 M",
    "derivedPrerx7MDescrip",
    "Derived PreRx-7 M Descrip",
    "derivedPrerx7StageGrp",
    "Derived PreRx-7 Stage Grp",
    "derivedPostrx7T",
    "Derived PostRx-7 T",
    "derivedPostrx7N",
    "Derived PostRx-7 N",
    "derivedPostrx7M",
    "Derived PostRx-7 M",
    "derivedPostrx7StgeGrp",
    "Derived PostRx-7 Stge Grp",
    "derivedSs1977",
    "Derived SS1977",
    "derivedSs2000",
    "Derived SS2000",
    "derivedNeoadjuvRxFlag",
    "Derived Neoadjuv Rx Flag",
    "derivedAjccFlag",
    "Derived AJCC--Flag",
    "derivedSs1977Flag",
    "Derived SS1977--Flag",
    "derivedSs2000Flag",
    "Derived SS2000--Flag",
    "csVersionInputCurrent",
    "CS Version Input Current",
    "csVersionInputOriginal",
    "CS Version Input Original",
    "csVersionDerived",
    "CS Version Derived",
    "seerSiteSpecificFact1",
    "SEER Site-Specific Fact 1",
    "seerSiteSpecificFact2",
    "SEER Site-Specific Fact 2",
    "seerSiteSpecificFact3",
    "SEER Site-Specific Fact 3",
    "seerSiteSpecificFact4",
    "SEER Site-Specific Fact 4",
    "seerSiteSpecificFact5",
    "SEER Site-Specific Fact 5",
    "seerSiteSpecificFact6",
    "SEER Site-Specific Fact 6",
    "icdRevisionComorbid",
    "ICD Revision Comorbid",
    "comorbidComplication1",
    "Comorbid/Complication 1",
    "comorbidComplication2",
    "Comorbid/Complication 2",
    "comorbidComplication3",
    "Comorbid/Complication 3",
    "comorbidComplication4",
    "Comorbid/Complication 4",
    "comorbidComplication5",
    "Comorbid/Complication 5",
    "comorbidComplication6",
    "Comorbid/Complication 6",
    "comorbidComplication7",
    "Comorbid/Complication 7",
    "comorbidComplication8",
    "Comorbid/Complication 8",
    "comorbidComplication9",
    "Comorbid/Complication 9",
    "comorbidComplication10",
    "Comorbid/Complication 10",
    "secondaryDiagnosis1",
    "Secondary Diagnosis 1",
    "secondaryDiagnosis2",
    "Secondary Diagnosis 2",
    "secondaryDiagnosis3",
    "Secondary Diagnosis 3",
    "secondaryDiagnosis4",
    "Secondary Diagnosis 4",
    "secondaryDiagnosis5",
    "Secondary Diagnosis 5",
    "secondaryDiagnosis6",
    "Secondary Diagnosis 6",
    "secondaryDiagnosis7",
    "Secondary Diagnosis 7",
    "secondaryDiagnosis8",
    "Secondary Diagnosis 8",
    "secondaryDiagnosis9",
    "Secondary Diagnosis 9",
    "secondaryDiagnosis10",
    "Secondary Diagnosis 10",
    "npcrSpecificField",
    "NPCR Specific Field",
    "reserved05",
    "Reserved 05",
    "dateInitialRxSeer",
    "Date Initial RX SEER",
    "dateInitialRxSeerFlag",
    "Date Initial RX SEER Flag",
    "date1stCrsRxCoc",
    "Date 1st Crs RX CoC",
    "date1stCrsRxCocFlag",
    "Date 1st Crs RX CoC Flag",
    "rxDateSurgery",
    "RX Date Surgery",
    "rxDateSurgeryFlag",
    "RX Date Surgery Flag",
    "rxDateMostDefinSurg",
    "RX Date Most Defin Surg",
    "rxDateMostDefinSurgFlag",
    "RX Date Most Defin Surg Flag",
    "rxDateSurgicalDisch",
    "RX Date Surgical Disch",
    "rxDateSurgicalDischFlag",
    "RX Date Surgical Disch Flag",
    "rxDateRadiation",
    "RX Date Radiation",
    "rxDateRadiationFlag",
    "RX Date Radiation Flag",
    "rxDateRadiationEnded",
    "RX Date Radiation Ended",
    "rxDateRadiationEndedFlag",
    "RX Date Radiation Ended Flag",
    "rxDateSystemic",
    "RX Date Systemic",
    "rxDateSystemicFlag",
    "RX Date Systemic Flag",
    "rxDateChemo",
    "RX Date Chemo",
    "rxDateChemoFlag",
    "RX Date Chemo Flag",
    "rxDateHormone",
    "RX Date Hormone",
    "rxDateHormoneFlag",
    "RX Date Hormone Flag",
    "rxDateBrm",
    "RX Date BRM",
    "rxDateBrmFlag",
    "RX Date BRM Flag",
    "rxDateOther",
    "RX Date Other",
    "rxDateOtherFlag",
    "RX Date Other Flag",
    "rxDateDxStgProc",
    "RX Date DX/Stg Proc",
    "rxDateDxStgProcFlag",
    "RX Date DX/Stg Proc Flag",
    "rxSummTreatmentStatus",
    "RX Summ--Treatment Status",
    "rxSummSurgPrimSite",
    "RX Summ--Surg Prim Site",
    "rxSummScopeRegLnSur",
    "RX Summ--Scope Reg LN Sur",
    "rxSummSurgOthRegDis",
    "RX Summ--Surg Oth Reg/Dis",
    "rxSummRegLnExamined",
    "RX Summ--Reg LN Examined",
    "rxSummSurgicalApproch",
    "RX Summ--Surgical Approch",
    "rxSummSurgicalMargins",
    "RX Summ--Surgical Margins",
    "rxSummReconstruct1st",
    "RX Summ--Reconstruct 1st",
    "reasonForNoSurgery",
    "Reason for No Surgery",
    "rxSummDxStgProc",
    "RX Summ--DX/Stg Proc",
    "rxSummPalliativeProc",
    "RX Summ--Palliative Proc",
    "rxSummRadiation",
    "RX Summ--Radiation",
    "rxSummRadToCns",
    "RX Summ--Rad to CNS",
    "rxSummSurgRadSeq",
    "RX Summ--Surg/Rad Seq",
    "rxSummTransplntEndocr",
    "RX Summ--Transplnt/Endocr",
    "rxSummChemo",
    "RX Summ--Chemo",
    "rxSummHormone",
    "RX Summ--Hormone",
    "rxSummBrm",
    "RX Summ--BRM",
    "rxSummOther",
    "RX Summ--Other",
    "reasonForNoRadiation",
    "Reason for No Radiation",
    "rxCodingSystemCurrent",
    "RX Coding System--Current",
    "reserved18",
    "Reserved 18",
    "radRegionalDoseCgy",
    "Rad--Regional Dose: cGy",
    "radNoOfTreatmentVol",
    "Rad--No of Treatment Vol",
    "radTreatmentVolume",
    "Rad--Treatment Volume",
    "radLocationOfRx",
    "Rad--Location of RX",
    "radRegionalRxModality",
    "Rad--Regional RX Modality",
    "radBoostRxModality",
    "Rad--Boost RX Modality",
    "radBoostDoseCgy",
    "Rad--Boost Dose cGy",
    "rxSummSystemicSurSeq",
    "RX Summ--Systemic/Sur Seq",
    "rxSummSurgeryType",
    "RX Summ--Surgery Type",
    "readmSameHosp30Days",
    "Readm Same Hosp 30 Days",
    "rxSummSurgSite9802",
    "RX Summ--Surg Site 98-02",
    "rxSummScopeReg9802",
    "RX Summ--Scope Reg 98-02",
    "rxSummSurgOth9802",
    "RX Summ--Surg Oth 98-02",
    "reserved06",
    "Reserved 06",
    "subsqRx2ndCourseDate",
    "Subsq RX 2nd Course Date",
    "subsqRx2ndcrsDateFlag",
    "Subsq RX 2ndCrs Date Flag",
    "subsqRx2ndCourseSurg",
    "Subsq RX 2nd Course Surg",
    "subsqRx2ndScopeLnSu",
    "Subsq RX 2nd--Scope LN SU",
    "subsqRx2ndSurgOth",
    "Subsq RX 2nd--Surg Oth",
    "subsqRx2ndRegLnRem",
    "Subsq RX 2nd--Reg LN Rem",
    "subsqRx2ndCourseRad",
    "Subsq RX 2nd Course Rad",
    "subsqRx2ndCourseChemo",
    "Subsq RX 2nd Course Chemo",
    "subsqRx2ndCourseHorm",
    "Subsq RX 2nd Course Horm",
    "subsqRx2ndCourseBrm",
    "Subsq RX 2nd Course BRM",
    "subsqRx2ndCourseOth",
    "Subsq RX 2nd Course Oth",
    "subsqRx3rdCourseDate",
    "Subsq RX 3rd Course Date",
    "subsqRx3rdcrsDateFlag",
    "Subsq RX 3rdCrs Date Flag",
    "subsqRx3rdCourseSurg",
    "Subsq RX 3rd Course Surg",
    "subsqRx3rdScopeLnSu",
    "Subsq RX 3rd--Scope LN Su",
    "subsqRx3rdSurgOth",
    "Subsq RX 3rd--Surg Oth",
    "subsqRx3rdRegLnRem",
    "Subsq RX 3rd--Reg LN Rem",
    "subsqRx3rdCourseRad",
    "Subsq RX 3rd Course Rad",
    "subsqRx3rdCourseChemo",
    "Subsq RX 3rd Course Chemo",
    "subsqRx3rdCourseHorm",
    "Subsq RX 3rd Course Horm",
    "subsqRx3rdCourseBrm",
    "Subsq RX 3rd Course BRM",
    "subsqRx3rdCourseOth",
    "Subsq RX 3rd Course Oth",
    "subsqRx4thCourseDate",
    "Subsq RX 4th Course Date",
    "subsqRx4thcrsDateFlag",
    "Subsq RX 4thCrs Date Flag",
    "subsqRx4thCourseSurg",
    "Subsq RX 4th Course Surg",
    "subsqRx4thScopeLnSu",
    "Subsq RX 4th--Scope LN Su",
    "subsqRx4thSurgOth",
    "Subsq RX 4th--Surg Oth",
    "subsqRx4thRegLnRem",
    "Subsq RX 4th--Reg LN Rem",
    "subsqRx4thCourseRad",
    "Subsq RX 4th Course Rad",
    "subsqRx4thCourseChemo",
    "Subsq RX 4th Course Chemo",
    "subsqRx4thCourseHorm",
    "Subsq RX 4th Course Horm",
    "subsqRx4thCourseBrm",
    "Subsq RX 4th Course BRM",
    "subsqRx4thCourseOth",
    "Subsq RX 4th Course Oth",
    "subsqRxReconstructDel",
    "Subsq RX--Reconstruct Del",
    "reserved07",
    "Reserved 07",
    "overRideSsNodespos",
    "Over-ride SS/NodesPos",
    "overRideSsTnmN",
    "Over-ride SS/TNM-N",
    "overRideSsTnmM",
    "Over-ride SS/TNM-M",
    "overRideAcsnClassSeq",
    "Over-ride Acsn/Class/Seq",
    "overRideHospseqDxconf",
    "Over-ride HospSeq/DxConf",
    "overRideCocSiteType",
    "Over-ride CoC-Site/Type",
    "overRideHospseqSite",
    "Over-ride HospSeq/Site",
    "overRideSiteTnmStggrp",
    "Over-ride Site/TNM-StgGrp",
    "overRideAgeSiteMorph",
    "Over-ride Age/Site/Morph",
    "overRideSeqnoDxconf",
    "Over-ride SeqNo/DxConf",
    "overRideSiteLatSeqno",
    "Over-ride Site/Lat/SeqNo",
    "overRideSurgDxconf",
    "Over-ride Surg/DxConf",
    "overRideSiteType",
    "Over-ride Site/Type",
    "overRideHistology",
    "Over-ride Histology",
    "overRideReportSource",
    "Over-ride Report Source",
    "overRideIllDefineSite",
    "Over-ride Ill-define Site",
    "overRideLeukLymphoma",
    "Over-ride Leuk, Lymphoma",
    "overRideSiteBehavior",
    "Over-ride Site/Behavior",
    "overRideSiteEodDxDt",
    "Over-ride Site/EOD/DX Dt",
    "overRideSiteLatEod",
    "Over-ride Site/Lat/EOD",
    "overRideSiteLatMorph",
    "Over-ride Site/Lat/Morph",
    "siteIcdO1",
    "Site (73-91) ICD-O-1",
    "histologyIcdO1",
    "Histology (73-91) ICD-O-1",
    "behaviorIcdO1",
    "Behavior (73-91) ICD-O-1",
    "gradeIcdO1",
    "Grade (73-91) ICD-O-1",
    "icdO2ConversionFlag",
    "ICD-O-2 Conversion Flag",
    "crcChecksum",
    "CRC CHECKSUM",
    "seerCodingSysCurrent",
    "SEER Coding Sys--Current",
    "seerCodingSysOriginal",
    "SEER Coding Sys--Original",
    "cocCodingSysCurrent",
    "CoC Coding Sys--Current",
    "cocCodingSysOriginal",
    "CoC Coding Sys--Original",
    "vendorName",
    "Vendor Name",
    "seerTypeOfFollowUp",
    "SEER Type of Follow-Up",
    "seerRecordNumber",
    "SEER Record Number",
    "diagnosticProc7387",
    "Diagnostic Proc 73-87",
    "dateCaseInitiated",
    "Date Case Initiated",
    "dateCaseCompleted",
    "Date Case Completed",
    "dateCaseCompletedCoc",
    "Date Case Completed--CoC",
    "dateCaseLastChanged",
    "Date Case Last Changed",
    "dateCaseReportExported",
    "Date Case Report Exported",
    "dateCaseReportReceived",
    "Date Case Report Received",
    "dateCaseReportLoaded",
    "Date Case Report Loaded",
    "dateTumorRecordAvailbl",
    "Date Tumor Record Availbl",
    "icdO3ConversionFlag",
    "ICD-O-3 Conversion Flag",
    "overRideCs1",
    "Over-ride CS 1",
    "overRideCs2",
    "Over-ride CS 2",
    "overRideCs3",
    "Over-ride CS 3",
    "overRideCs4",
    "Over-ride CS 4",
    "overRideCs5",
    "Over-ride CS 5",
    "overRideCs6",
    "Over-ride CS 6",
    "overRideCs7",
    "Over-ride CS 7",
    "overRideCs8",
    "Over-ride CS 8",
    "overRideCs9",
    "Over-ride CS 9",
    "overRideCs10",
    "Over-ride CS 10",
    "overRideCs11",
    "Over-ride CS 11",
    "overRideCs12",
    "Over-ride CS 12",
    "overRideCs13",
    "Over-ride CS 13",
    "overRideCs14",
    "Over-ride CS 14",
    "overRideCs15",
    "Over-ride CS 15",
    "overRideCs16",
    "Over-ride CS 16",
    "overRideCs17",
    "Over-ride CS 17",
    "overRideCs18",
    "Over-ride CS 18",
    "overRideCs19",
    "Over-ride CS 19",
    "overRideCs20",
    "Over-ride CS 20",
    "reserved08",
    "Reserved 08",
    "dateOfLastContact",
    "Date of Last Contact",
    "dateOfLastContactFlag",
    "Date of Last Contact Flag",
    "vitalStatus",
    "Vital Status",
    "cancerStatus",
    "Cancer Status",
    "qualityOfSurvival",
    "Quality of Survival",
    "followUpSource",
    "Follow-Up Source",
    "nextFollowUpSource",
    "Next Follow-Up Source",
    "addrCurrentCity",
    "Addr Current--City",
    "addrCurrentState",
    "Addr Current--State",
    "addrCurrentPostalCode",
    "Addr Current--Postal Code",
    "countyCurrent",
    "County--Current",
    "reserved17",
    "Reserved 17",
    "recurrenceDate1st",
    "Recurrence Date--1st",
    "recurrenceDate1stFlag",
    "Recurrence Date--1st Flag",
    "recurrenceType1st",
    "Recurrence Type--1st",
    "followUpContactCity",
    "Follow-Up Contact--City",
    "followUpContactState",
    "Follow-Up Contact--State",
    "followUpContactPostal",
    "Follow-Up Contact--Postal",
    "causeOfDeath",
    "Cause of Death",
    "icdRevisionNumber",
    "ICD Revision Number",
    "autopsy",
    "Autopsy",
    "placeOfDeath",
    "Place of Death",
    "followUpSourceCentral",
    "Follow-up Source Central",
    "dateOfDeathCanada",
    "Date of Death--Canada",
    "dateOfDeathCanadaFlag",
    "Date of Death--Canada Flag",
    "unusualFollowUpMethod",
    "Unusual Follow-Up Method",
    "reserved09",
    "Reserved 09",
    "stateRequestorItems",
    "State/Requestor Items",
    "nameLast",
    "Name--Last",
    "nameFirst",
    "Name--First",
    "nameMiddle",
    "Name--Middle",
    "namePrefix",
    "Name--Prefix",
    "nameSuffix",
    "Name--Suffix",
    "nameAlias",
    "Name--Alias",
    "nameMaiden",
    "Name--Maiden",
    "nameSpouseParent",
    "Name--Spouse/Parent",
    "medicalRecordNumber",
    "Medical Record Number",
    "militaryRecordNoSuffix",
    "Military Record No Suffix",
    "socialSecurityNumber",
    "Social Security Number",
    "addrAtDxNoStreet",
    "Addr at DX--No & Street",
    "addrAtDxSupplementl",
    "Addr at DX--Supplementl",
    "addrCurrentNoStreet",
    "Addr Current--No & Street",
    "addrCurrentSupplementl",
    "Addr Current--Supplementl",
    "telephone",
    "Telephone",
    "dcStateFileNumber",
    "DC State File Number",
    "followUpContactName",
    "Follow-Up Contact--Name",
    "followUpContactNost",
    "Follow-Up Contact--No&St",
    "followUpContactSuppl",
    "Follow-Up Contact--Suppl",
    "latitude",
    "Latitude",
    "longitude",
    "Longitude",
    "reserved10",
    "Reserved 10",
    "npiFollowingRegistry",
    "NPI--Following Registry",
    "followingRegistry",
    "Following Registry",
    "npiInstReferredFrom",
    "NPI--Inst Referred From",
    "institutionReferredFrom",
    "Institution Referred From",
    "npiInstReferredTo",
    "NPI--Inst Referred To",
    "institutionReferredTo",
    "Institution Referred To",
    "reserved11",
    "Reserved 11",
    "npiPhysicianManaging",
    "NPI--Physician--Managing",
    "physicianManaging",
    "Physician--Managing",
    "npiPhysicianFollowUp",
    "NPI--Physician--Follow-Up",
    "physicianFollowUp",
    "Physician--Follow-Up",
    "npiPhysicianPrimarySurg",
    "NPI--Physician--Primary Surg",
    "physicianPrimarySurg",
    "Physician--Primary Surg",
    "npiPhysician3",
    "NPI--Physician 3",
    "physician3",
    "Physician 3",
    "npiPhysician4",
    "NPI--Physician 4",
    "physician4",
    "Physician 4",
    "reserved12",
    "Reserved 12",
    "pathReportingFacId1",
    "Path Reporting Fac ID 1",
    "pathReportNumber1",
    "Path Report Number 1",
    "pathDateSpecCollect1",
    "Path Date Spec Collect 1",
    "pathReportType1",
    "Path Report Type 1",
    "pathOrderingFacNo1",
    "Path Ordering Fac No 1",
    "pathOrderPhysLicNo1",
    "Path Order Phys Lic No 1",
    "pathReportingFacId2",
    "Path Reporting Fac ID 2",
    "pathReportNumber2",
    "Path Report Number 2",
    "pathDateSpecCollect2",
    "Path Date Spec Collect 2",
    "pathReportType2",
    "Path Report Type 2",
    "pathOrderingFacNo2",
    "Path Ordering Fac No 2",
    "pathOrderPhysLicNo2",
    "Path Order Phys Lic No 2",
    "pathReportingFacId3",
    "Path Reporting Fac ID 3",
    "pathReportNumber3",
    "Path Report Number 3",
    "pathDateSpecCollect3",
    "Path Date Spec Collect 3",
    "pathReportType3",
    "Path Report Type 3",
    "pathOrderingFacNo3",
    "Path Ordering Fac No 3",
    "pathOrderPhysLicNo3",
    "Path Order Phys Lic No 3",
    "pathReportingFacId4",
    "Path Reporting Fac ID 4",
    "pathReportNumber4",
    "Path Report Number 4",
    "pathDateSpecCollect4",
    "Path Date Spec Collect 4",
    "pathReportType4",
    "Path Report Type 4",
    "pathOrderingFacNo4",
    "Path Ordering Fac No 4",
    "pathOrderPhysLicNo4",
    "Path Order Phys Lic No 4",
    "pathReportingFacId5",
    "Path Reporting Fac ID 5",
    "pathReportNumber5",
    "Path Report Number 5",
    "pathDateSpecCollect5",
    "Path Date Spec Collect 5",
    "pathReportType5",
    "Path Report Type 5",
    "pathOrderingFacNo5",
    "Path Ordering Fac No 5",
    "pathOrderPhysLicNo5",
    "Path Order Phys Lic No 5",
    "reserved13",
    "Reserved 13",
    "textDxProcPe",
    "Text--DX Proc--PE",
    "textDxProcXRayScan",
    "Text--DX Proc--X-ray/Scan",
    "textDxProcScopes",
    "Text--DX Proc--Scopes",
    "textDxProcLabTests",
    "Text--DX Proc--Lab Tests",
    "textDxProcOp",
    "Text--DX Proc--Op",
    "textDxProcPath",
    "Text--DX Proc--Path",
    "textPrimarySiteTitle",
    "Text--Primary Site Title",
    "textHistologyTitle",
    "Text--Histology Title",
    "textStaging",
    "Text--Staging",
    "rxTextSurgery",
    "RX Text--Surgery",
    "rxTextRadiation",
    "RX Text--Radiation (Beam)",
    "rxTextRadiationOther",
    "RX Text--Radiation Other",
    "rxTextChemo",
    "RX Text--Chemo",
    "rxTextHormone",
    "RX Text--Hormone",
    "rxTextBrm",
    "RX Text--BRM",
    "rxTextOther",
    "RX Text--Other",
    "textRemarks",
    "Text--Remarks",
    "textPlaceOfDiagnosis",
    "Text--Place of Diagnosis",
    "reserved14",
    "Reserved 14",
    "morphTypebehavIcdO2",
    "Morph--Type&Behav ICD-O-2",
    "morphTypebehavIcdO3",
    "Morph--Type&Behav ICD-O-3",
    "extentOfDisease10Dig",
    "Extent of Disease 10-Dig",
    "subsqRx2ndCourseCodes",
    "Subsq RX 2nd Course Codes",
    "subsqRx3rdCourseCodes",
    "Subsq RX 3rd Course Codes",
    "subsqRx4thCourseCodes",
    "Subsq RX 4th Course Codes",
    "morphIcdO1",
    "Morph (73-91) ICD-O-1",
    "survDateActiveFollowup",
    "Surv-Date Active Followup",
    "survFlagActiveFollowup",
    "Surv-Flag Active Followup",
    "survMosActiveFollowup",
    "Surv-Mos Active Followup",
    "survDatePresumedAlive",
    "Surv-Date Presumed Alive",
    "survFlagPresumedAlive",
    "Surv-Flag Presumed Alive",
    "survMosPresumedAlive",
    "Surv-Mos Presumed Alive",
    "survDateDxRecode",
    "Surv-Date DX Recode",
    "Census Ind Code 2010 CDC",
    "Census Occ Code 2010 CDC",
    "countyAtDxGeocode1990",
    "County at DX Geocode1990",
    "countyAtDxGeocode2000",
    "County at DX Geocode2000",
    "countyAtDxGeocode2010",
    "County at DX Geocode2010",
    "countyAtDxGeocode2020",
    "County at DX Geocode2020",
    "ruralurbanContinuum2013",
    "RuralUrban Continuum 2013",
    "metsAtDxBone",
    "Mets at DX-Bone",
    "metsAtDxBrain",
    "Mets at DX-Brain",
    "metsAtDxDistantLn",
    "Mets at DX-Distant LN",
    "metsAtDxLiver",
    "Mets at DX-Liver",
    "metsAtDxLung",
    "Mets at DX-Lung",
    "metsAtDxOther",
    "Mets at DX-Other",
    "tumorSizeClinical",
    "Tumor Size Clinical",
    "tumorSizePathologic",
    "Tumor Size Pathologic",
    "tumorSizeSummary",
    "Tumor Size Summary",
    "derivedSeerPathStgGrp",
    "Derived SEER Path Stg Grp",
    "derivedSeerClinStgGrp",
    "Derived SEER Clin Stg Grp",
    "derivedSeerCmbStgGrp",
    "Derived SEER Cmb Stg Grp",
    "derivedSeerCombinedT",
    "Derived SEER Combined T",
    "derivedSeerCombinedN",
    "Derived SEER Combined N",
    "derivedSeerCombinedM",
    "Derived SEER Combined M",
    "derivedSeerCmbTSrc",
    "Derived SEER Cmb T Src",
    "derivedSeerCmbNSrc",
    "Derived SEER Cmb N Src",
    "derivedSeerCmbMSrc",
    "Derived SEER Cmb M Src",
    "seerPrimaryTumor",
    "SEER Primary Tumor",
    "seerRegionalNodes",
    "SEER Regional Nodes",
    "seerMets",
    "SEER Mets",
    "derivedSs2017",
    "Derived SS2017",
    "directlyAssignedSs2017",
    "Directly Assigned SS2017",
    "npcrDerivedClinStgGrp",
    "NPCR Derived Clin Stg Grp",
    "npcrDerivedPathStgGrp",
    "NPCR Derived Path Stg Grp",
    "reserved19",
    "Reserved 19",
    "reserved20",
    "Reserved 20",
    "County at DX Reported",
    "countyAtDxAnalysis",
    "County at DX Analysis",
    "stateAtDxGeocode19708090",
    "State at DX Geocode 1970/80/90",
    "County at DX Geocode 1970/80/90",
    "Census Block Grp 1970/80/90",
    "stateAtDxGeocode2000",
    "State at DX Geocode 2000",
    "stateAtDxGeocode2010",
    "State at DX Geocode 2010",
    "stateAtDxGeocode2020",
    "State at DX Geocode 2020",
    "censusTract2020",
    "Census Tract 2020",
    "censusBlockGroup2020",
    "Census Block Group 2020",
    "censusTractCertainty2020",
    "Census Tract Certainty 2020",
    "ruca2000",
    "RUCA 2000",
    "ruca2010",
    "RUCA 2010",
    "uric2000",
    "URIC 2000",
    "uric2010",
    "URIC 2010",
    "Mets at Dx-Distant LN",
    "eodPrimaryTumor",
    "EOD Primary Tumor",
    "eodRegionalNodes",
    "EOD Regional Nodes",
    "eodMets",
    "EOD Mets",
    "derivedEod2018T",
    "Derived EOD 2018 T",
    "derivedEod2018N",
    "Derived EOD 2018 N",
    "derivedEod2018M",
    "Derived EOD 2018 M",
    "derivedEod2018StageGroup",
    "Derived EOD 2018 Stage Group",
    "derivedSummaryStage2018",
    "Derived Summary Stage 2018",
    "summaryStage2018",
    "Summary Stage 2018",
    "dateRegionalLNDissection",
    "Date Regional Lymph Node Dissection",
    "dateRegionalLNDissectionFlag",
    "Date Regional Lymph Node Dissection Flag",
    "sentinelLymphNodesPositive",
    "Sentinel Lymph Nodes Positive",
    "sentinelLymphNodesExamined",
    "Sentinel Lymph Nodes Examined",
    "dateSentinelLymphNodeBiopsy",
    "Date of Sentinel Lymph Node Biopsy",
    "dateSentinelLymphNodeBiopsyFlag",
    "Date of Sentinel Lymph Node Biopsy Flag",
    "ajccTnmClinT",
    "AJCC TNM Clin T",
    "ajccTnmClinTSuffix",
    "AJCC TNM Clin T Suffix",
    "ajccTnmClinN",
    "AJCC TNM Clin N",
    "ajccTnmClinNSuffix",
    "AJCC TNM Clin N Suffix",
    "ajccTnmClinM",
    "AJCC TNM Clin M",
    "ajccTnmClinStageGroup",
    "AJCC TNM Clin Stage Group",
    "ajccTnmPathT",
    "AJCC TNM Path T",
    "ajccTnmPathTSuffix",
    "AJCC TNM Path T Suffix",
    "ajccTnmPathN",
    "AJCC TNM Path N",
    "ajccTnmPathNSuffix",
    "AJCC TNM Path N Suffix",
    "ajccTnmPathM",
    "AJCC TNM Path M",
    "ajccTnmPathStageGroup",
    "AJCC TNM Path Stage Group",
    "ajccTnmPostTherapyT",
    "AJCC TNM Post Therapy T",
    "ajccTnmPostTherapyTSuffix",
    "AJCC TNM Post Therapy T Suffix",
    "ajccTnmPostTherapyN",
    "AJCC TNM Post Therapy N",
    "ajccTnmPostTherapyNSuffix",
    "AJCC TNM Post Therapy N Suffix",
    "ajccTnmPostTherapyM",
    "AJCC TNM Post Therapy M",
    "ajccTnmPostTherapyStageGroup",
    "AJCC TNM Post Therapy Stage Group",
    "gradeClinical",
    "Grade Clinical",
    "gradePathological",
    "Grade Pathological",
    "gradePostTherapy",
    "Grade Post Therapy",
    "Lymphovascular Invasion",
    "npcrDerivedAjcc8TnmClinStgGrp",
    "NPCR Derived AJCC 8 TNM Clin Stg Grp",
    "npcrDerivedAjcc8TnmPathStgGrp",
    "NPCR Derived AJCC 8 TNM Path Stg Grp",
    "npcrDerivedAjcc8TnmPostStgGrp",
    "NPCR Derived AJCC 8 TNM Post Therapy Stg Grp",
    "ajccId",
    "AJCC ID",
    "schemaId",
    "Schema ID",
    "schemaDiscriminator1",
    "Schema Discriminator 1",
    "schemaDiscriminator2",
    "Schema Discriminator 2",
    "schemaDiscriminator3",
    "Schema Discriminator 3",
    "percentNecrosisPostNeoadjuvant",
    "Percent Necrosis Post Neoadjuvant",
    "chromosome1pLossHeterozygosity",
    "Chromosome 1p: Loss of Heterozygosity (LOH)",
    "chromosome19qLossHeterozygosity",
    "Chromosome 19q: Loss of Heterozygosity (LOH)",
    "methylationOfO6MGMT",
    "Methylation of O6-Methylguanine-Methyltransferase",
    "estrogenReceptorSummary",
    "Estrogen Receptor Summary",
    "her2OverallSummary",
    "HER2 Overall Summary",
    "lnPositiveAxillaryLevel1To2",
    "LN Positive Axillary Level I-II",
    "multigeneSignatureMethod",
    "Multigene Signature Method",
    "multigeneSignatureResults",
    "Multigene Signature Results",
    "progesteroneRecepSummary",
    "Progesterone Receptor Summary",
    "responseToNeoadjuvantTherapy",
    "Response to Neoadjuvant Therapy",
    "estrogenReceptorPercntPosOrRange",
    "Estrogen Receptor Percent Positive or Range",
    "estrogenReceptorTotalAllredScore",
    "Estrogen Receptor Total Allred Score",
    "her2IhcSummary",
    "HER2 IHC Summary",
    "her2IshDualProbeCopyNumber",
    "HER2 ISH Dual Probe Copy Number",
    "her2IshDualProbeRatio",
    "HER2 ISH Dual Probe Ratio",
    "her2IshSingleProbeCopyNumber",
    "HER2 ISH Single Probe Copy Number",
    "her2IshSummary",
    "HER2 ISH Summary",
    "ki67",
    "Ki-67",
    "oncotypeDxRecurrenceScoreDcis",
    "Oncotype Dx Recurrence Score-DCIS",
    "oncotypeDxRecurrenceScoreInvasiv",
    "Oncotype Dx Recurrence Score-Invasive",
    "oncotypeDxRiskLevelDcis",
    "Oncotype Dx Risk Level-DCIS",
    "oncotypeDxRiskLevelInvasive",
    "Oncotype Dx Risk Level-Invasive",
    "progesteroneRecepPrcntPosOrRange",
    "Progesterone Receptor Percent Positive or Range",
    "progesteroneRecepTotalAllredScor",
    "Progesterone Receptor Total Allred Score",
    "ceaPretreatmentInterpretation",
    "CEA Pretreatment Interpretation",
    "ceaPretreatmentLabValue",
    "CEA Pretreatment Lab Value",
    "circumferentialResectionMargin",
    "Circumferential Resection Margin (CRM)",
    "kras",
    "KRAS",
    "microsatelliteInstability",
    "Microsatellite Instability (MSI)",
    "perineuralInvasion",
    "Perineural Invasion",
    "tumorDeposits",
    "Tumor Deposits",
    "numberOfPositiveParaAorticNodes",
    "Number of Positive Para-Aortic Nodes",
    "numberOfExaminedParaAorticNodes",
    "Number of Examined Para-Aortic Nodes",
    "numberOfPositivePelvicNodes",
    "Number of Positive Pelvic Nodes",
    "numberOfExaminedPelvicNodes",
    "Number of Examined Pelvic Nodes",
    "peritonealCytology",
    "Peritoneal Cytology",
    "esophagusAndEgjTumorEpicenter",
    "Esophagus and EGJ Tumor Epicenter",
    "kitGeneImmunohistochemistry",
    "KIT Gene Immunohistochemistry",
    "figoStage",
    "FIGO Stage",
    "extranodalExtensionHeadNeckClin",
    "Extranodal Extension Head and Neck Clinical",
    "extranodalExtensionHeadNeckPath",
    "Extranodal Extension Head and Neck Pathological",
    "lnHeadAndNeckLevels1To3",
    "LN Head and Neck Levels I-III",
    "lnHeadAndNeckLevels4To5",
    "LN Head and Neck Levels IV-V",
    "lnHeadAndNeckLevels6To7",
    "LN Head and Neck Levels VI-VII",
    "lnHeadAndNeckOther",
    "LN Head and Neck Other",
    "lnSize",
    "LN Size",
    "jak2",
    "JAK2",
    "primarySclerosingCholangitis",
    "Primary Sclerosing Cholangitis",
    "tumorGrowthPattern",
    "Tumor Growth Pattern",
    "ipsilateralAdrenalGlandInvolve",
    "Ipsilateral Adrenal Gland Involvement",
    "invasionBeyondCapsule",
    "Invasion Beyond Capsule",
    "majorVeinInvolvement",
    "Major Vein Involvement",
    "sarcomatoidFeatures",
    "Sarcomatoid Features",
    "adenoidCysticBasaloidPattern",
    "Adenoid Cystic Basaloid Pattern",
    "afpPretreatmentInterpretation",
    "AFP Pretreatment Interpretation",
    "afpPretreatmentLabValue",
    "AFP Pretreatment Lab Value",
    "bilirubinPretxTotalLabValue",
    "Bilirubin Pretreatment Total Lab Value",
    "bilirubinPretxUnitOfMeasure",
    "Bilirubin Pretreatment Unit of Measure",
    "creatininePretreatmentLabValue",
    "Creatinine Pretreatment Lab Value",
    "creatininePretxUnitOfMeasure",
    "Creatinine Pretreatment Unit of Measure",
    "fibrosisScore",
    "Fibrosis Score",
    "iNRProthrombinTime",
    "International Normalized Ratio Prothrombin Time",
    "separateTumorNodules",
    "Separate Tumor Nodules",
    "visceralParietalPleuralInvasion",
    "Visceral and Parietal Pleural Invasion",
    "bSymptoms",
    "B symptoms",
    "hivStatus",
    "HIV Status",
    "nccnInternationalPrognosticIndex",
    "NCCN International Prognostic Index (IPI)",
    "mitoticRateMelanoma",
    "Mitotic Rate Melanoma",
    "chromosome3Status",
    "Chromosome 3 Status",
    "chromosome8qStatus",
    "Chromosome 8q Status",
    "extravascularMatrixPatterns",
    "Extravascular Matrix Patterns",
    "measuredBasalDiameter",
    "Measured Basal Diameter",
    "measuredThickness",
    "Measured Thickness",
    "microvascularDensity",
    "Microvascular Density",
    "mitoticCountUvealMelanoma",
    "Mitotic Count Uveal Melanoma",
    "breslowTumorThickness",
    "Breslow Tumor Thickness",
    "ldhUpperLimitsOfNormal",
    "LDH Upper Limits of Normal",
    "ldhPretreatmentLabValue",
    "LDH Pretreatment Lab Value",
    "ulceration",
    "Ulceration",
    "lnIsolatedTumorCells",
    "LN Isolated Tumor Cells (ITC)",
    "profoundImmuneSuppression",
    "Profound Immune Suppression",
    "peripheralBloodInvolvement",
    "Peripheral Blood Involvement",
    "heritableTrait",
    "Heritable Trait",
    "adenopathy",
    "Adenopathy",
    "anemia",
    "Anemia",
    "lymphocytosis",
    "Lymphocytosis",
    "organomegaly",
    "Organomegaly",
    "thrombocytopenia",
    "Thrombocytopenia",
    "highRiskCytogenetics",
    "High Risk Cytogenetics",
    "ldhPretreatmentLevel",
    "LDH Pretreatment Level",
    "serumAlbuminPretreatmentLevel",
    "Serum Albumin Pretreatment Level",
    "serumBeta2MicroglobulinPretxLvl",
    "Serum Beta-2 Microglobulin Pretreatment Level",
    "ca125PretreatmentInterpretation",
    "CA-125 Pretreatment Interpretation",
    "residualTumVolPostCytoreduction",
    "Residual Tumor Volume Post Cytoreduction",
    "extranodalExtensionClin",
    "Extranodal Extension Clin (non-Head and Neck)",
    "extranodalExtensionPath",
    "Extranodal Extension Path (non-Head and Neck)",
    "gestationalTrophoblasticPxIndex",
    "Gestational Trophoblastic Prognostic Scoring Index",
    "pleuralEffusion",
    "Pleural Effusion",
    "gleasonPatternsClinical",
    "Gleason Patterns Clinical",
    "gleasonPatternsPathological",
    "Gleason Patterns Pathological",
    "gleasonScoreClinical",
    "Gleason Score Clinical",
    "gleasonScorePathological",
    "Gleason Score Pathological",
    "gleasonTertiaryPattern",
    "Gleason Tertiary Pattern",
    "numberOfCoresExamined",
    "Number of Cores Examined",
    "numberOfCoresPositive",
    "Number of Cores Positive",
    "prostatePathologicalExtension",
    "Prostate Pathological Extension",
    "psaLabValue",
    "PSA (Prostatic Specific Antigen) Lab Value",
    "highRiskHistologicFeatures",
    "High Risk Histologic Features",
    "boneInvasion",
    "Bone Invasion",
    "afpPreOrchiectomyLabValue",
    "AFP Pre-Orchiectomy Lab Value",
    "afpPreOrchiectomyRange",
    "AFP Pre-Orchiectomy Range",
    "afpPostOrchiectomyLabValue",
    "AFP Post-Orchiectomy Lab Value",
    "afpPostOrchiectomyRange",
    "AFP Post-Orchiectomy Range",
    "hcgPreOrchiectomyLabValue",
    "hCG Pre-Orchiectomy Lab Value",
    "hcgPreOrchiectomyRange",
    "hCG Pre-Orchiectomy Range",
    "hcgPostOrchiectomyLabValue",
    "hCG Post-Orchiectomy Lab Value",
    "hcgPostOrchiectomyRange",
    "hCG Post-Orchiectomy Range",
    "ldhPreOrchiectomyRange",
    "LDH Pre-Orchiectomy Range",
    "ldhPostOrchiectomyRange",
    "LDH Post-Orchiectomy Range",
    "sCategoryClinical",
    "S Category Clinical",
    "sCategoryPathological",
    "S Category Pathological",
    "lnAssessMethodParaaortic",
    "LN Assessment Method Para-Aortic",
    "lnAssessMethodPelvic",
    "LN Assessment Method Pelvic",
    "lnDistantAssessMethod",
    "LN Distant Assessment Method",
    "lnDistantMediastinalScalene",
    "LN Distant: Mediastinal, Scalene",
    "lnStatusFemorInguinParaaortPelv",
    "LN Status Femoral-Inguinal, Para-Aortic, Pelvic",
    "lnAssessMethodFemoralInguinal",
    "LN Assessment Method Femoral-Inguinal",
    "lnLaterality",
    "LN Laterality",
    "brainMolecularMarkers",
    "Brain Molecular Markers",
    "RX Date Mst Defn Srg",
    "RX Date Mst Defn Srg Flag",
    "RX Date Surg Disch",
    "RX Date Surg Disch Flag",
    "RX Date Rad Ended",
    "RX Date Rad Ended Flag",
    "phase1RadiationPrimaryTxVolume",
    "Phase I Radiation Primary Treatment Volume",
    "phase1RadiationToDrainingLN",
    "Phase I Radiation to Draining Lymph Nodes",
    "phase1RadiationTreatmentModality",
    "Phase I Radiation Treatment Modality",
    "phase1RadiationExternalBeamTech",
    "Phase I Radiation External Beam Planning Tech",
    "phase1DosePerFraction",
    "Phase I Dose per Fraction",
    "phase1NumberOfFractions",
    "Phase I Number of Fractions",
    "phase1TotalDose",
    "Phase I Total Dose",
    "phase2RadiationPrimaryTxVolume",
    "Phase II Radiation Primary Treatment Volume",
    "phase2RadiationToDrainingLN",
    "Phase II Radiation to Draining Lymph Nodes",
    "phase2RadiationTreatmentModality",
    "Phase II Radiation Treatment Modality",
    "phase2RadiationExternalBeamTech",
    "Phase II Radiation External Beam Planning Tech",
    "phase2DosePerFraction",
    "Phase II Dose per Fraction",
    "phase2NumberOfFractions",
    "Phase II Number of Fractions",
    "phase2TotalDose",
    "Phase II Total Dose",
    "phase3RadiationPrimaryTxVolume",
    "Phase III Radiation Primary Treatment Volume",
    "phase3RadiationToDrainingLN",
    "Phase III Radiation to Draining Lymph Nodes",
    "phase3RadiationTreatmentModality",
    "Phase III Radiation Treatment Modality",
    "phase3RadiationExternalBeamTech",
    "Phase III Radiation External Beam Planning Tech",
    "phase3DosePerFraction",
    "Phase III Dose per Fraction",
    "phase3NumberOfFractions",
    "Phase III Number of Fractions",
    "phase3TotalDose",
    "Phase III Total Dose",
    "numberPhasesOfRadTxToVolume",
    "Number of Phases of Rad Treatment to this Volume",
    "radiationTxDiscontinuedEarly",
    "Radiation Treatment Discontinued Early",
    "totalDose",
    "Total Dose",
    "overRideTnmStage",
    "Over-ride TNM Stage",
    "overRideTnmTis",
    "Over-ride TNM Tis",
    "overRideTnm3",
    "Over-ride TNM 3",
    "overRideNameSex",
    "Over-ride Name/Sex",
    "rqrsNcdbSubmissionFlag",
    "RQRS NCDB Submission Flag",
    "cocAccreditedFlag",
    "CoC Accredited Flag",
    "vitalStatusRecode",
    "Vital Status Recode",
    "dateOfLastCancerStatus",
    "Date of Last Cancer (tumor) Status",
    "dateOfLastCancerStatusFlag",
    "Date of Last Cancer (tumor) Status Flag",
    "recordNumberRecode",
    "Record Number Recode",
    "seerCauseSpecificCod",
    "SEER Cause Specific COD",
    "seerOtherCod",
    "SEER Other COD",
    "Date of Death--CanadaFlag",
    "medicareBeneficiaryIdentifier",
    "Medicare Beneficiary Identifier",
    "ehrReporting",
    "EHR Reporting",
    "geolocationid19708090",
    "GeoLocationID - 1970/80/90",
    "geolocationid2000",
    "GeoLocationID - 2000",
    "geolocationid2010",
    "GeoLocationID - 2010",
    "geolocationid2020",
    "GeoLocationID - 2020",
    "ajccApiVersionCurrent",
    "AJCC API Version Current",
    "ajccApiVersionOriginal",
    "AJCC API Version Original",
    "ajccCancerSurvApiVersionCurrent",
    "AJCC Cancer Surveillance API Version Current",
    "ajccCancerSurvApiVersionOriginal",
    "AJCC Cancer Surveillance API Version Original",
    "ajccTnmPostTherapyClinM",
    "AJCC TNM Post Therapy Clin (yc) M",
    "ajccTnmPostTherapyClinN",
    "AJCC TNM Post Therapy Clin (yc) N",
    "ajccTnmPostTherapyClinNSuffix",
    "AJCC TNM Post Therapy Clin (yc) N Suffix",
    "ajccTnmPostTherapyClinStageGrp",
    "AJCC TNM Post Therapy Clin (yc) Stage Group",
    "ajccTnmPostTherapyClinT",
    "AJCC TNM Post Therapy Clin (yc) T",
    "ajccTnmPostTherapyClinTSuffix",
    "AJCC TNM Post Therapy Clin (yc) T Suffix",
    "AJCC TNM Post Therapy Path (yp) M",
    "AJCC TNM Post Therapy Path (yp) N",
    "AJCC TNM Post Therapy Path (yp) N Suffix",
    "AJCC TNM Post Therapy Path (yp) Stage Group",
    "AJCC TNM Post Therapy Path (yp) T",
    "AJCC TNM Post Therapy Path (yp) T Suffix",
    "alkRearrangement",
    "ALK Rearrangement",
    "brafMutationalAnalysis",
    "BRAF Mutational Analysis",
    "ca199PretxLabValue",
    "CA 19-9 PreTX Lab Value",
    "egfrMutationalAnalysis",
    "EGFR Mutational Analysis",
    "Grade Post Therapy Path (yp)",
    "gradePostTherapyClin",
    "Grade Post Therapy Clin (yc)",
    "LDH Lab Value",
    "LDH Level",
    "nameBirthSurname",
    "Name--Birth Surname",
    "ncdbCovid19TxImpact",
    "NCDB--COVID19--Tx Impact",
    "ncdbSarsCov2Pos",
    "NCDB--SARSCoV2--Pos",
    "ncdbSarsCov2PosDate",
    "NCDB--SARSCoV2--Pos Date",
    "ncdbSarsCov2Test",
    "NCDB--SARSCoV2--Test",
    "neoadjuvTherapyClinicalResponse",
    "Neoadjuvant Therapy-Clinical Response",
    "neoadjuvTherapyTreatmentEffect",
    "Neoadjuvant Therapy-Treatment Effect",
    "neoadjuvantTherapy",
    "Neoadjuvant Therapy",
    "nrasMutationalAnalysis",
    "NRAS Mutational Analysis",
    "EOD Prostate Pathologic Extension",
    "schemaIdVersionCurrent",
    "Schema ID Version Current",
    "schemaIdVersionOriginal",
    "Schema ID Version Original",
    "AJCC Cancer Surveillance DLL Version Current",
    "AJCC Cancer Surveillance DLL Version Original",
    "derivedRaiStage",
    "Derived Rai Stage",
    "edpMdeLink",
    "EDP MDE Link",
    "edpMdeLinkDate",
    "EDP MDE Link Date",
    "ihsPurchRefCareDeliveryArea",
    "IHS Purchased/Referred Care Delivery Area",
    "lnStatusFemoralInguinal",
    "LN Status Femoral-Inguinal",
    "lnStatusParaAortic",
    "LN Status Para-Aortic",
    "lnStatusPelvic",
    "LN Status Pelvic",
    "macroscopicEvalOfTheMesorectum",
    "Macroscopic Evaluation of Mesorectum",
    "p16",
    "tobaccoUseSmokingStatus",
    "Tobacco Use Smoking Status",
    "uihoFacility",
    "UIHO City",
    "urbanIndianHealthOrganization",
    "Urban Indian Health Organization (UIHO)",
    "clinicalMarginWidth",
    "Clinical Margin Width",
    "histologicSubtype",
    "Histologic Subtype",
    "noPatientContactFlag",
    "No Patient Contact Flag",
    "reportingFacilityRestrictionFlag",
    "Reporting Facility Restriction Flag",
    "RX Hosp--Surg Prim Site 03-2022",
    "rxHospSurgPrimSite2023",
    "RX Hosp--Surg Prim Site 2023",
    "RX Summ--Surg Prim Site 03-2022",
    "rxSummSurgPrimSite2023",
    "RX Summ--Surg Prim Site 2023",
    "brainPrimaryTumorLocation",
    "Brain Primary Tumor Location",
    "derivedSummaryGrade2018",
    "Derived Summary Grade 2018",
    "geocodingQualityCode",
    "Geocoding Quality Code",
    "geocodingQualityCodeDetail",
    "Geocoding Quality Code Detail",
    "rxHospReconBreast",
    "RX Hosp--Recon Breast",
    "rxSummReconBreast",
    "RX Summ--Recon Breast",
    "Urban Indian Organization (UIO) Service Area",
    "Urban Indian Organization (UIO)",
    "Census Ind Code CDC",
    "Census Occ Code CDC",
    "chromosome16qLossHeterozygosity",
    "Chromosome 16q: Loss of Heterozygosity",
    "chromosome1qStatus",
    "Chromosome 1q Status",
    "derivedPediatricM",
    "Derived Pediatric M",
    "derivedPediatricStageGroup",
    "Derived Pediatric Stage Group",
    "derivedPediatricT",
    "Derived Pediatric T",
    "derivedPediatricN",
    "Derived Pediatric N",
    "ewsr1Fli1Fusion",
    "EWSR1-FLI1 fusion",
    "foxo1GeneRearrangements",
    "FOXO1 Gene Rearrangements",
    "inpc",
    "Intl Neuroblastoma Path Prog Class (INPC)",
    "inrgss",
    "Intl Neuroblastoma Risk Grp Stag Sys (INRGSS)",
    "irssStageForEye2",
    "IRSS Stage for Eye-2",
    "nMycAmplification",
    "n-MYC Amplification",
    "pdl1",
    "PD-L1",
    "pediatricId",
    "Pediatric ID",
    "pediatricIdVersionCurrent",
    "Pediatric ID Version Current",
    "pediatricIdVersionOriginal",
    "Pediatric ID Version Original",
    "pediatricMets",
    "Pediatric Mets",
    "pediatricPrimaryTumor",
    "Pediatric Primary Tumor",
    "pediatricRegionalNodes",
    "Pediatric Regional Nodes",
    "pretextClinicalStaging",
    "Pretext Clinical Staging",
    "ptld",
    "Post Transplant Lymphoproliferative Disorder-PTLD",
    "torontoM",
    "Toronto M",
    "torontoN",
    "Toronto N",
    "torontoStageGroup",
    "Toronto Stage Group",
    "torontoT",
    "Toronto T",
    "torontoVersionNumber",
    "Toronto Version Number",
    "whiteBloodCellCount",
    "White Blood Cell Count",
    "geocodingAccuracyScore",
    "Geocoding Accuracy Score",
    "geocodingAccuracyType",
    "Geocoding Accuracy Type",
    "Over-ride Name/Sex Assigned at Birth",
    "residualCancerBurdenClass",
    "Residual Cancer Burden Class",
    "residualCancerBurdenRCB",
    "Residual Cancer Burden (RCB)",
    "ruca2020",
    "RUCA 2020",
    "sexAssignedAtBirth",
    "Sex Assigned at Birth",
    "spreadThroughAirSpacesStas",
    "Spread Through Air Spaces (STAS)",
    "uric2020",
    "URIC 2020",
    "cancerStatusFollowing1stCrsTx",
    "Cancer Status Following First Course of TX",
    "dateOfCaStatusFollowing1stCrsTx",
    "Date of Cancer Status Following First Course of TX",
    "geoAddrAtDxCity",
    "Geo Addr at DX--City",
    "geoAddrAtDxNoStreet",
    "Geo Addr at DX--No Street",
    "geoAddrAtDxPostalCode",
    "Geo Addr at DX--Postal Code",
    "geoAddrAtDxState",
    "Geo Addr at DX--State",
    "LN Positive Axillary",
    "minorSalivaryTumorLocation",
    "Minor Salivary Tumor Location",
    "overRideSexAssignedAtBirth",
    "Over-ride Sex Assigned at Birth",
    "rectalTumorLocation",
    "Rectal Tumor Location",
    "Date Disease follow up/1st Recurrence/Progression",
    "Disease Follow-up or 1st Recurrence/Progression",
    "thoracicNodalStation10lEx",
    "Thoracic Nodal Station 10L Examined",
    "thoracicNodalStation10lPos",
    "Thoracic Nodal Station 10L Positive",
    "thoracicNodalStation10rEx",
    "Thoracic Nodal Station 10R Examined",
    "thoracicNodalStation10rPos",
    "Thoracic Nodal Station 10R Positive",
    "thoracicNodalStation11lEx",
    "Thoracic Nodal Station 11L Examined",
    "thoracicNodalStation11lPos",
    "Thoracic Nodal Station 11L Positive",
    "thoracicNodalStation11rEx",
    "Thoracic Nodal Station 11R Examined",
    "thoracicNodalStation11rPos",
    "Thoracic Nodal Station 11R Positive",
    "thoracicNodalStation12l14lEx",
    "Thoracic Nodal Station 12L-14L Examined",
    "thoracicNodalStation12l14lPos",
    "Thoracic Nodal Station 12L-14L Positive",
    "thoracicNodalStation12r14rEx",
    "Thoracic Nodal Station 12R-14R Examined",
    "thoracicNodalStation12r14rPos",
    "Thoracic Nodal Station 12R-14R Positive",
    "thoracicNodalStation1lEx",
    "Thoracic Nodal Station 1L Examined",
    "thoracicNodalStation1lPos",
    "Thoracic Nodal Station 1L Positive",
    "thoracicNodalStation1rEx",
    "Thoracic Nodal Station 1R Examined",
    "thoracicNodalStation1rPos",
    "Thoracic Nodal Station 1R Positive",
    "thoracicNodalStation2lEx",
    "Thoracic Nodal Station 2L Examined",
    "thoracicNodalStation2lPos",
    "Thoracic Nodal Station 2L Positive",
    "thoracicNodalStation2rEx",
    "Thoracic Nodal Station 2R Examined",
    "thoracicNodalStation2rPos",
    "Thoracic Nodal Station 2R Positive",
    "thoracicNodalStation3aEx",
    "Thoracic Nodal Station 3a Examined",
    "thoracicNodalStation3aPos",
    "Thoracic Nodal Station 3a Positive",
    "thoracicNodalStation3pEx",
    "Thoracic Nodal Station 3p Examined",
    "thoracicNodalStation3pPos",
    "Thoracic Nodal Station 3p Positive",
    "thoracicNodalStation4lEx",
    "Thoracic Nodal Station 4L Examined",
    "thoracicNodalStation4lPos",
    "Thoracic Nodal Station 4L Positive",
    "thoracicNodalStation4rEx",
    "Thoracic Nodal Station 4R Examined",
    "thoracicNodalStation4rPos",
    "Thoracic Nodal Station 4R Positive",
    "thoracicNodalStation5Ex",
    "Thoracic Nodal Station 5 Examined",
    "thoracicNodalStation5Pos",
    "Thoracic Nodal Station 5 Positive",
    "thoracicNodalStation6Ex",
    "Thoracic Nodal Station 6 Examined",
    "thoracicNodalStation6Pos",
    "Thoracic Nodal Station 6 Positive",
    "thoracicNodalStation7Ex",
    "Thoracic Nodal Station 7 Examined",
    "thoracicNodalStation7Pos",
    "Thoracic Nodal Station 7 Positive",
    "thoracicNodalStation8lEx",
    "Thoracic Nodal Station 8L Examined",
    "thoracicNodalStation8lPos",
    "Thoracic Nodal Station 8L Positive",
    "thoracicNodalStation8rEx",
    "Thoracic Nodal Station 8R Examined",
    "thoracicNodalStation8rPos",
    "Thoracic Nodal Station 8R Positive",
    "thoracicNodalStation9lEx",
    "Thoracic Nodal Station 9L Examined",
    "thoracicNodalStation9lPos",
    "Thoracic Nodal Station 9L Positive",
    "thoracicNodalStation9rEx",
    "Thoracic Nodal Station 9R Examined",
    "thoracicNodalStation9rPos",
    "Thoracic Nodal Station 9R Positive",
};

// An item of the base dictionary, a grouped item, an item of the user dictionary.
#define I(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \
    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 0, 0, {0, 0, 0, 0}}
#define G(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \
    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 1, 0, {0, 0, 0, 0}}
#define U(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \
    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 0, 1, {0, 0, 0, 0}}

// Every distinct item once; the versions' tables copy them.
constexpr NaaccrItemDef R[] = {
    I(0,1,10,1,1,15,0,0,0,0,0), // recordType
    I(2,3,30,2,1,15,0,1,0,0,0), // registryType
    U(4,5,37,3,14,15,2,0,0,1,0), // reserved00
    I(6,7,50,17,3,15,0,1,0,0,0), // naaccrRecordVersion
    I(8,9,45,20,10,15,0,1,3,0,0), // npiRegistryId
    I(10,11,40,30,10,15,0,1,3,0,0), // registryId
    I(12,13,60,40,2,15,2,1,3,0,0), // tumorRecordNumber
    I(14,15,20,42,8,15,1,1,3,0,0), // patientIdNumber
    I(16,17,21,50,8,15,2,1,0,0,0), // patientSystemIdHosp
    U(18,19,370,58,37,15,2,0,0,1,0), // reserved01
    I(20,21,70,95,50,15,2,0,0,0,0), // addrAtDxCity
    I(22,23,80,145,2,15,2,2,0,0,0), // addrAtDxState
    I(24,25,100,147,9,15,2,0,0,0,0), // addrAtDxPostalCode
    I(26,27,90,156,3,15,2,1,0,0,0), // countyAtDx
    I(28,29,110,159,6,15,2,1,3,0,0), // censusTract19708090
    I(30,31,368,165,1,15,2,1,0,0,0), // censusBlockGrp197090
    I(32,33,120,166,1,15,2,1,0,0,0), // censusCodSys19708090
    I(34,35,364,167,1,15,2,1,0,0,0), // censusTrCert19708090
    I(36,37,130,168,6,15,2,1,3,0,0), // censusTract2000
    I(38,39,362,174,1,15,2,1,0,0,0), // censusBlockGroup2000
    I(40,41,365,175,1,15,2,1,0,0,0), // censusTrCertainty2000
    I(42,43,150,176,1,15,2,1,0,0,0), // maritalStatusAtDx
    I(44,45,160,177,2,15,1,1,0,0,0), // race1
    I(46,47,161,179,2,15,1,1,0,0,0), // race2
    I(48,49,162,181,2,15,1,1,0,0,0), // race3
    I(50,51,163,183,2,15,1,1,0,0,0), // race4
    I(52,53,164,185,2,15,1,1,0,0,0), // race5
    I(54,55,170,187,1,15,1,1,0,0,0), // raceCodingSysCurrent
    I(56,57,180,188,1,15,1,1,0,0,0), // raceCodingSysOriginal
    I(58,59,190,189,1,15,1,1,0,0,0), // spanishHispanicOrigin
    I(60,61,200,190,1,15,1,1,0,0,0), // computedEthnicity
    I(62,63,210,191,1,15,1,1,0,0,0), // computedEthnicitySource
    I(64,65,220,192,1,15,1,1,0,0,0), // sex
    I(66,67,230,193,3,15,2,1,0,0,0), // ageAtDiagnosis
    I(68,69,240,196,8,15,1,5,0,0,0), // dateOfBirth
    I(70,71,241,204,2,15,1,1,0,0,0), // dateOfBirthFlag
    I(72,73,250,206,3,15,1,0,0,0,0), // birthplace
    I(74,75,270,209,3,15,2,1,0,0,0), // censusOccCode19702000
    I(76,77,280,212,3,15,2,1,0,0,0), // censusIndCode19702000
    I(78,79,290,215,1,15,2,1,0,0,0), // occupationSource
    I(80,81,300,216,1,15,2,1,0,0,0), // industrySource
    I(82,83,310,217,100,15,2,0,0,0,0), // textUsualOccupation
    I(84,85,320,317,100,15,2,0,0,0,0), // textUsualIndustry
    I(86,87,330,417,1,15,2,1,0,0,0), // censusOccIndSys7000
    I(88,89,191,418,1,15,1,1,0,0,0), // nhiaDerivedHispOrigin
    I(90,91,193,419,2,15,1,1,0,0,0), // raceNapiia
    I(92,93,192,421,1,15,1,1,0,0,0), // ihsLink
    I(94,95,366,422,2,15,2,1,0,0,0), // gisCoordinateQuality
    I(96,97,3300,424,2,15,2,1,0,0,0), // ruralurbanContinuum1993
    I(98,99,3310,426,2,15,2,1,0,0,0), // ruralurbanContinuum2003
    I(100,101,135,428,6,15,2,1,3,0,0), // censusTract2010
    I(102,103,363,434,1,15,2,1,0,0,0), // censusBlockGroup2010
    I(104,105,367,435,1,15,2,1,0,0,0), // censusTrCertainty2010
    I(106,107,102,436,3,15,2,2,0,0,0), // addrAtDxCountry
    I(108,109,1832,439,3,15,1,2,0,0,0), // addrCurrentCountry
    I(110,111,252,442,2,15,1,2,0,0,0), // birthplaceState
    I(112,113,254,444,3,15,1,2,0,0,0), // birthplaceCountry
    I(114,115,1847,447,3,15,2,2,0,0,0), // followupContactCountry
    I(116,117,1942,450,2,15,1,2,0,0,0), // placeOfDeathState
    I(118,119,1944,452,3,15,1,2,0,0,0), // placeOfDeathCountry
    I(120,121,272,455,4,15,2,0,0,0,0), // censusIndCode2010
    I(122,123,282,459,4,15,2,1,0,0,0), // censusOccCode2010
    I(124,125,145,463,1,15,2,1,0,0,0), // censusTrPovertyIndictr
    U(126,127,530,464,64,15,2,0,0,1,0), // reserved02
    I(128,129,380,528,2,15,2,1,0,0,0), // sequenceNumberCentral
    I(130,131,390,530,8,15,2,5,0,0,0), // dateOfDiagnosis
    I(132,133,391,538,2,15,2,1,0,0,0), // dateOfDiagnosisFlag
    I(134,135,400,540,4,15,2,0,0,0,0), // primarySite
    I(136,137,410,544,1,15,2,1,0,0,0), // laterality
    I(138,139,420,545,4,15,2,1,0,0,0), // histologyIcdO2
    I(140,141,430,549,1,15,2,1,0,0,0), // behaviorIcdO2
    I(142,143,522,550,4,15,2,1,0,0,0), // histologicTypeIcdO3
    I(144,145,523,554,1,15,2,1,0,0,0), // behaviorCodeIcdO3
    I(146,147,440,555,1,15,2,1,0,0,0), // grade
    I(148,149,441,556,1,15,2,1,0,0,0), // gradePathValue
    I(150,151,449,557,1,15,2,1,0,0,0), // gradePathSystem
    I(152,153,450,558,1,15,2,1,0,0,0), // siteCodingSysCurrent
    I(154,155,460,559,1,15,2,1,0,0,0), // siteCodingSysOriginal
    I(156,157,470,560,1,15,2,1,0,0,0), // morphCodingSysCurrent
    I(158,159,480,561,1,15,2,1,0,0,0), // morphCodingSysOriginl
    I(160,161,490,562,1,15,2,1,0,0,0), // diagnosticConfirmation
    I(162,163,500,563,1,15,2,1,0,0,0), // typeOfReportingSource
    I(164,165,501,564,2,15,2,1,0,0,0), // casefindingSource
    I(166,167,442,566,1,15,2,1,0,0,0), // ambiguousTerminologyDx
    I(168,169,443,567,8,15,2,5,0,0,0), // dateConclusiveDx
    I(170,171,448,575,2,15,2,1,0,0,0), // dateConclusiveDxFlag
    I(172,173,444,577,2,15,2,1,0,0,0), // multTumRptAsOnePrim
    I(174,175,445,579,8,15,2,5,0,0,0), // dateOfMultTumors
    I(176,177,439,587,2,15,2,1,0,0,0), // dateOfMultTumorsFlag
    I(178,179,446,589,2,15,2,1,0,0,0), // multiplicityCounter
    U(180,181,680,591,100,15,2,0,0,1,0), // reserved03
    I(182,183,545,691,10,15,2,1,3,0,0), // npiReportingFacility
    I(184,185,540,701,10,15,2,0,0,0,0), // reportingFacility
    I(186,187,3105,711,10,15,2,0,0,0,0), // npiArchiveFin
    I(188,189,3100,721,10,15,2,1,0,0,0), // archiveFin
    I(190,191,550,731,9,15,2,0,0,0,0), // accessionNumberHosp
    I(192,193,560,740,2,15,2,1,0,0,0), // sequenceNumberHospital
    I(194,195,570,742,3,15,2,0,0,0,0), // abstractedBy
    I(196,197,580,745,8,15,2,5,0,0,0), // dateOf1stContact
    I(198,199,581,753,2,15,2,1,0,0,0), // dateOf1stContactFlag
    I(200,201,590,755,8,15,2,5,0,0,0), // dateOfInptAdm
    I(202,203,591,763,2,15,2,1,0,0,0), // dateOfInptAdmFlag
    I(204,205,600,765,8,15,2,5,0,0,0), // dateOfInptDisch
    I(206,207,601,773,2,15,2,1,0,0,0), // dateOfInptDischFlag
    I(208,209,605,775,1,15,2,1,0,0,0), // inpatientStatus
    I(210,211,610,776,2,15,2,1,0,0,0), // classOfCase
    I(212,213,630,778,2,15,2,1,0,0,0), // primaryPayerAtDx
    U(214,215,2400,780,1,15,2,0,0,1,0), // reserved15
    I(216,217,668,781,1,15,2,1,0,0,0), // rxHospSurgApp2010
    I(218,219,670,782,2,15,2,1,0,0,0), // rxHospSurgPrimSite
    I(220,221,672,784,1,15,2,1,0,0,0), // rxHospScopeRegLnSur
    I(222,223,674,785,1,15,2,1,0,0,0), // rxHospSurgOthRegDis
    I(224,225,676,786,2,15,2,1,0,0,0), // rxHospRegLnRemoved
    U(226,227,2450,788,1,15,2,0,0,1,0), // reserved16
    I(228,229,690,789,1,15,2,1,0,0,0), // rxHospRadiation
    I(230,231,700,790,2,15,2,1,0,0,0), // rxHospChemo
    I(232,233,710,792,2,15,2,1,0,0,0), // rxHospHormone
    I(234,235,720,794,2,15,2,1,0,0,0), // rxHospBrm
    I(236,237,730,796,1,15,2,1,0,0,0), // rxHospOther
    I(238,239,740,797,2,15,2,1,0,0,0), // rxHospDxStgProc
    I(240,241,3280,799,1,15,2,1,0,0,0), // rxHospPalliativeProc
    I(242,243,746,800,2,15,2,1,0,0,0), // rxHospSurgSite9802
    I(244,245,747,802,1,15,2,1,0,0,0), // rxHospScopeReg9802
    I(246,247,748,803,1,15,2,1,0,0,0), // rxHospSurgOth9802
    U(248,249,750,804,100,15,2,0,0,1,0), // reserved04
    I(250,251,759,904,1,15,2,1,0,0,0), // seerSummaryStage2000
    I(252,253,760,905,1,15,2,1,0,0,0), // seerSummaryStage1977
    I(254,255,780,906,3,15,2,0,0,0,0), // eodTumorSize
    I(256,257,790,909,2,15,2,0,0,0,0), // eodExtension
    I(258,259,800,911,2,15,2,1,0,0,0), // eodExtensionProstPath
    I(260,261,810,913,1,15,2,0,0,0,0), // eodLymphNodeInvolv
    I(262,263,820,914,2,15,2,1,0,0,0), // regionalNodesPositive
    I(264,265,830,916,2,15,2,1,0,0,0), // regionalNodesExamined
    I(266,267,840,918,13,15,2,0,0,0,0), // eodOld13Digit
    I(268,269,850,931,2,15,2,0,0,0,0), // eodOld2Digit
    I(270,271,860,933,4,15,2,0,0,0,0), // eodOld4Digit
    I(272,273,870,937,1,15,2,1,0,0,0), // codingSystemForEod
    I(274,275,1060,938,2,15,2,1,0,0,0), // tnmEditionNumber
    I(276,277,880,940,4,15,2,0,0,0,0), // tnmPathT
    I(278,279,890,944,4,15,2,0,0,0,0), // tnmPathN
    I(280,281,900,948,4,15,2,0,0,0,0), // tnmPathM
    I(282,283,910,952,4,15,2,0,0,0,0), // tnmPathStageGroup
    I(284,285,920,956,1,15,2,1,0,0,0), // tnmPathDescriptor
    I(286,287,930,957,1,15,2,1,0,0,0), // tnmPathStagedBy
    I(288,289,940,958,4,15,2,0,0,0,0), // tnmClinT
    I(290,291,950,962,4,15,2,0,0,0,0), // tnmClinN
    I(292,293,960,966,4,15,2,0,0,0,0), // tnmClinM
    I(294,295,970,970,4,15,2,0,0,0,0), // tnmClinStageGroup
    I(296,297,980,974,1,15,2,1,0,0,0), // tnmClinDescriptor
    I(298,299,990,975,1,15,2,1,0,0,0), // tnmClinStagedBy
    I(300,301,1120,976,2,15,2,1,0,0,0), // pediatricStage
    I(302,303,1130,978,2,15,2,1,0,0,0), // pediatricStagingSystem
    I(304,305,1140,980,1,15,2,1,0,0,0), // pediatricStagedBy
    I(306,307,1150,981,1,15,2,1,0,0,0), // tumorMarker1
    I(308,309,1160,982,1,15,2,1,0,0,0), // tumorMarker2
    I(310,311,1170,983,1,15,2,1,0,0,0), // tumorMarker3
    I(312,313,1182,984,1,15,2,1,0,0,0), // lymphVascularInvasion
    I(314,315,2800,985,3,15,2,1,0,0,0), // csTumorSize
    I(316,317,2810,988,3,15,2,1,0,0,0), // csExtension
    I(318,319,2820,991,1,15,2,1,0,0,0), // csTumorSizeExtEval
    I(320,321,2830,992,3,15,2,1,0,0,0), // csLymphNodes
    I(322,323,2840,995,1,15,2,1,0,0,0), // csLymphNodesEval
    I(324,325,2850,996,2,15,2,1,0,0,0), // csMetsAtDx
    I(326,327,2860,998,1,15,2,1,0,0,0), // csMetsEval
    I(328,329,2851,999,1,15,2,1,0,0,0), // csMetsAtDxBone
    I(330,331,2852,1000,1,15,2,1,0,0,0), // csMetsAtDxBrain
    I(332,333,2853,1001,1,15,2,1,0,0,0), // csMetsAtDxLiver
    I(334,335,2854,1002,1,15,2,1,0,0,0), // csMetsAtDxLung
    I(336,337,2880,1003,3,15,2,1,0,0,0), // csSiteSpecificFactor1
    I(338,339,2890,1006,3,15,2,1,0,0,0), // csSiteSpecificFactor2
    I(340,341,2900,1009,3,15,2,1,0,0,0), // csSiteSpecificFactor3
    I(342,343,2910,1012,3,15,2,1,0,0,0), // csSiteSpecificFactor4
    I(344,345,2920,1015,3,15,2,1,0,0,0), // csSiteSpecificFactor5
    I(346,347,2930,1018,3,15,2,1,0,0,0), // csSiteSpecificFactor6
    I(348,349,2861,1021,3,15,2,1,0,0,0), // csSiteSpecificFactor7
    I(350,351,2862,1024,3,15,2,1,0,0,0), // csSiteSpecificFactor8
    I(352,353,2863,1027,3,15,2,1,0,0,0), // csSiteSpecificFactor9
    I(354,355,2864,1030,3,15,2,1,0,0,0), // csSiteSpecificFactor10
    I(356,357,2865,1033,3,15,2,1,0,0,0), // csSiteSpecificFactor11
    I(358,359,2866,1036,3,15,2,1,0,0,0), // csSiteSpecificFactor12
    I(360,361,2867,1039,3,15,2,1,0,0,0), // csSiteSpecificFactor13
    I(362,363,2868,1042,3,15,2,1,0,0,0), // csSiteSpecificFactor14
    I(364,365,2869,1045,3,15,2,1,0,0,0), // csSiteSpecificFactor15
    I(366,367,2870,1048,3,15,2,1,0,0,0), // csSiteSpecificFactor16
    I(368,369,2871,1051,3,15,2,1,0,0,0), // csSiteSpecificFactor17
    I(370,371,2872,1054,3,15,2,1,0,0,0), // csSiteSpecificFactor18
    I(372,373,2873,1057,3,15,2,1,0,0,0), // csSiteSpecificFactor19
    I(374,375,2874,1060,3,15,2,1,0,0,0), // csSiteSpecificFactor20
    I(376,377,2875,1063,3,15,2,1,0,0,0), // csSiteSpecificFactor21
    I(378,379,2876,1066,3,15,2,1,0,0,0), // csSiteSpecificFactor22
    I(380,381,2877,1069,3,15,2,1,0,0,0), // csSiteSpecificFactor23
    I(382,383,2878,1072,3,15,2,1,0,0,0), // csSiteSpecificFactor24
    I(384,385,2879,1075,3,15,2,1,0,0,0), // csSiteSpecificFactor25
    I(386,387,2730,1078,3,15,2,1,0,0,0), // csPrerxTumorSize
    I(388,389,2735,1081,3,15,2,1,0,0,0), // csPrerxExtension
    I(390,391,2740,1084,1,15,2,1,0,0,0), // csPrerxTumSzExtEval
    I(392,393,2750,1085,3,15,2,1,0,0,0), // csPrerxLymphNodes
    I(394,395,2755,1088,1,15,2,1,0,0,0), // csPrerxRegNodesEval
    I(396,397,2760,1089,2,15,2,1,0,0,0), // csPrerxMetsAtDx
    I(398,399,2765,1091,1,15,2,1,0,0,0), // csPrerxMetsEval
    I(400,401,2770,1092,3,15,2,1,0,0,0), // csPostrxTumorSize
    I(402,403,2775,1095,3,15,2,1,0,0,0), // csPostrxExtension
    I(404,405,2780,1098,3,15,2,1,0,0,0), // csPostrxLymphNodes
    I(406,407,2785,1101,2,15,2,1,0,0,0), // csPostrxMetsAtDx
    I(408,409,2940,1103,2,15,2,1,0,0,0), // derivedAjcc6T
    I(410,411,2950,1105,1,15,2,0,0,0,0), // derivedAjcc6TDescript
    I(412,413,2960,1106,2,15,2,1,0,0,0), // derivedAjcc6N
    I(414,415,2970,1108,1,15,2,0,0,0,0), // derivedAjcc6NDescript
    I(416,417,2980,1109,2,15,2,1,0,0,0), // derivedAjcc6M
    I(418,419,2990,1111,1,15,2,0,0,0,0), // derivedAjcc6MDescript
    I(420,421,3000,1112,2,15,2,1,0,0,0), // derivedAjcc6StageGrp
    I(422,423,3400,1114,3,15,2,1,0,0,0), // derivedAjcc7T
    I(424,425,3402,1117,1,15,2,0,0,0,0), // derivedAjcc7TDescript
    I(426,427,3410,1118,3,15,2,1,0,0,0), // derivedAjcc7N
    I(428,429,3412,1121,1,15,2,0,0,0,0), // derivedAjcc7NDescript
    I(430,431,3420,1122,3,15,2,1,0,0,0), // derivedAjcc7M
    I(432,433,3422,1125,1,15,2,0,0,0,0), // derivedAjcc7MDescript
    I(434,435,3430,1126,3,15,2,1,0,0,0), // derivedAjcc7StageGrp
    I(436,437,3440,1129,3,15,2,1,0,0,0), // derivedPrerx7T
    I(438,439,3442,1132,1,15,2,1,0,0,0), // derivedPrerx7TDescrip
    I(440,441,3450,1133,3,15,2,1,0,0,0), // derivedPrerx7N
    I(442,443,3452,1136,1,15,2,1,0,0,0), // derivedPrerx7NDescrip
    I(444,445,3460,1137,3,15,2,1,0,0,0), // derivedPrerx7M
    I(446,447,3462,1140,1,15,2,1,0,0,0), // derivedPrerx7MDescrip
    I(448,449,3470,1141,3,15,2,1,0,0,0), // derivedPrerx7StageGrp
    I(450,451,3480,1144,3,15,2,1,0,0,0), // derivedPostrx7T
    I(452,453,3482,1147,3,15,2,1,0,0,0), // derivedPostrx7N
    I(454,455,3490,1150,2,15,2,1,0,0,0), // derivedPostrx7M
    I(456,457,3492,1152,3,15,2,1,0,0,0), // derivedPostrx7StgeGrp
    I(458,459,3010,1155,1,15,2,1,0,0,0), // derivedSs1977
    I(460,461,3020,1156,1,15,2,1,0,0,0), // derivedSs2000
    I(462,463,3600,1157,1,15,2,1,0,0,0), // derivedNeoadjuvRxFlag
    I(464,465,3030,1158,1,15,2,1,0,0,0), // derivedAjccFlag
    I(466,467,3040,1159,1,15,2,1,0,0,0), // derivedSs1977Flag
    I(468,469,3050,1160,1,15,2,1,0,0,0), // derivedSs2000Flag
    I(470,471,2937,1161,6,15,2,1,0,0,0), // csVersionInputCurrent
    I(472,473,2935,1167,6,15,2,1,0,0,0), // csVersionInputOriginal
    I(474,475,2936,1173,6,15,2,0,0,0,0), // csVersionDerived
    I(476,477,3700,1179,1,15,2,1,0,0,0), // seerSiteSpecificFact1
    I(478,479,3702,1180,1,15,2,1,0,0,0), // seerSiteSpecificFact2
    I(480,481,3704,1181,1,15,2,1,0,0,0), // seerSiteSpecificFact3
    I(482,483,3706,1182,1,15,2,1,0,0,0), // seerSiteSpecificFact4
    I(484,485,3708,1183,1,15,2,1,0,0,0), // seerSiteSpecificFact5
    I(486,487,3710,1184,1,15,2,1,0,0,0), // seerSiteSpecificFact6
    I(488,489,3165,1185,1,15,2,1,0,0,0), // icdRevisionComorbid
    I(490,491,3110,1186,5,15,2,3,0,0,0), // comorbidComplication1
    I(492,493,3120,1191,5,15,2,3,0,0,0), // comorbidComplication2
    I(494,495,3130,1196,5,15,2,3,0,0,0), // comorbidComplication3
    I(496,497,3140,1201,5,15,2,3,0,0,0), // comorbidComplication4
    I(498,499,3150,1206,5,15,2,3,0,0,0), // comorbidComplication5
    I(500,501,3160,1211,5,15,2,3,0,0,0), // comorbidComplication6
    I(502,503,3161,1216,5,15,2,3,0,0,0), // comorbidComplication7
    I(504,505,3162,1221,5,15,2,3,0,0,0), // comorbidComplication8
    I(506,507,3163,1226,5,15,2,3,0,0,0), // comorbidComplication9
    I(508,509,3164,1231,5,15,2,3,0,0,0), // comorbidComplication10
    I(510,511,3780,1236,7,15,2,0,0,0,0), // secondaryDiagnosis1
    I(512,513,3782,1243,7,15,2,0,0,0,0), // secondaryDiagnosis2
    I(514,515,3784,1250,7,15,2,0,0,0,0), // secondaryDiagnosis3
    I(516,517,3786,1257,7,15,2,0,0,0,0), // secondaryDiagnosis4
    I(518,519,3788,1264,7,15,2,0,0,0,0), // secondaryDiagnosis5
    I(520,521,3790,1271,7,15,2,0,0,0,0), // secondaryDiagnosis6
    I(522,523,3792,1278,7,15,2,0,0,0,0), // secondaryDiagnosis7
    I(524,525,3794,1285,7,15,2,0,0,0,0), // secondaryDiagnosis8
    I(526,527,3796,1292,7,15,2,0,0,0,0), // secondaryDiagnosis9
    I(528,529,3798,1299,7,15,2,0,0,0,0), // secondaryDiagnosis10
    U(530,531,3720,1306,75,15,2,0,0,1,0), // npcrSpecificField
    U(532,533,1180,1381,55,15,2,0,0,1,0), // reserved05
    I(534,535,1260,1436,8,15,2,5,0,0,0), // dateInitialRxSeer
    I(536,537,1261,1444,2,15,2,1,0,0,0), // dateInitialRxSeerFlag
    I(538,539,1270,1446,8,15,2,5,0,0,0), // date1stCrsRxCoc
    I(540,541,1271,1454,2,15,2,1,0,0,0), // date1stCrsRxCocFlag
    I(542,543,1200,1456,8,15,2,5,0,0,0), // rxDateSurgery
    I(544,545,1201,1464,2,15,2,1,0,0,0), // rxDateSurgeryFlag
    I(546,547,3170,1466,8,15,2,5,0,0,0), // rxDateMostDefinSurg
    I(548,549,3171,1474,2,15,2,1,0,0,0), // rxDateMostDefinSurgFlag
    I(550,551,3180,1476,8,15,2,5,0,0,0), // rxDateSurgicalDisch
    I(552,553,3181,1484,2,15,2,1,0,0,0), // rxDateSurgicalDischFlag
    I(554,555,1210,1486,8,15,2,5,0,0,0), // rxDateRadiation
    I(556,557,1211,1494,2,15,2,1,0,0,0), // rxDateRadiationFlag
    I(558,559,3220,1496,8,15,2,5,0,0,0), // rxDateRadiationEnded
    I(560,561,3221,1504,2,15,2,1,0,0,0), // rxDateRadiationEndedFlag
    I(562,563,3230,1506,8,15,2,5,0,0,0), // rxDateSystemic
    I(564,565,3231,1514,2,15,2,1,0,0,0), // rxDateSystemicFlag
    I(566,567,1220,1516,8,15,2,5,0,0,0), // rxDateChemo
    I(568,569,1221,1524,2,15,2,1,0,0,0), // rxDateChemoFlag
    I(570,571,1230,1526,8,15,2,5,0,0,0), // rxDateHormone
    I(572,573,1231,1534,2,15,2,1,0,0,0), // rxDateHormoneFlag
    I(574,575,1240,1536,8,15,2,5,0,0,0), // rxDateBrm
    I(576,577,1241,1544,2,15,2,1,0,0,0), // rxDateBrmFlag
    I(578,579,1250,1546,8,15,2,5,0,0,0), // rxDateOther
    I(580,581,1251,1554,2,15,2,1,0,0,0), // rxDateOtherFlag
    I(582,583,1280,1556,8,15,2,5,0,0,0), // rxDateDxStgProc
    I(584,585,1281,1564,2,15,2,1,0,0,0), // rxDateDxStgProcFlag
    I(586,587,1285,1566,1,15,2,1,0,0,0), // rxSummTreatmentStatus
    I(588,589,1290,1567,2,15,2,1,0,0,0), // rxSummSurgPrimSite
    I(590,591,1292,1569,1,15,2,1,0,0,0), // rxSummScopeRegLnSur
    I(592,593,1294,1570,1,15,2,1,0,0,0), // rxSummSurgOthRegDis
    I(594,595,1296,1571,2,15,2,1,0,0,0), // rxSummRegLnExamined
    I(596,597,1310,1573,1,15,2,1,0,0,0), // rxSummSurgicalApproch
    I(598,599,1320,1574,1,15,2,1,0,0,0), // rxSummSurgicalMargins
    I(600,601,1330,1575,1,15,2,1,0,0,0), // rxSummReconstruct1st
    I(602,603,1340,1576,1,15,2,1,0,0,0), // reasonForNoSurgery
    I(604,605,1350,1577,2,15,2,1,0,0,0), // rxSummDxStgProc
    I(606,607,3270,1579,1,15,2,1,0,0,0), // rxSummPalliativeProc
    I(608,609,1360,1580,1,15,2,1,0,0,0), // rxSummRadiation
    I(610,611,1370,1581,1,15,2,1,0,0,0), // rxSummRadToCns
    I(612,613,1380,1582,1,15,2,1,0,0,0), // rxSummSurgRadSeq
    I(614,615,3250,1583,2,15,2,1,0,0,0), // rxSummTransplntEndocr
    I(616,617,1390,1585,2,15,2,1,0,0,0), // rxSummChemo
    I(618,619,1400,1587,2,15,2,1,0,0,0), // rxSummHormone
    I(620,621,1410,1589,2,15,2,1,0,0,0), // rxSummBrm
    I(622,623,1420,1591,1,15,2,1,0,0,0), // rxSummOther
    I(624,625,1430,1592,1,15,2,1,0,0,0), // reasonForNoRadiation
    I(626,627,1460,1593,2,15,2,1,0,0,0), // rxCodingSystemCurrent
    U(628,629,2161,1595,1,15,2,0,0,1,0), // reserved18
    I(630,631,1510,1596,5,15,2,0,0,0,0), // radRegionalDoseCgy
    I(632,633,1520,1601,3,15,2,1,0,0,0), // radNoOfTreatmentVol
    I(634,635,1540,1604,2,15,2,1,0,0,0), // radTreatmentVolume
    I(636,637,1550,1606,1,15,2,1,0,0,0), // radLocationOfRx
    I(638,639,1570,1607,2,15,2,1,0,0,0), // radRegionalRxModality
    I(640,641,3200,1609,2,15,2,1,0,0,0), // radBoostRxModality
    I(642,643,3210,1611,5,15,2,0,0,0,0), // radBoostDoseCgy
    I(644,645,1639,1616,1,15,2,1,0,0,0), // rxSummSystemicSurSeq
    I(646,647,1640,1617,2,15,2,1,0,0,0), // rxSummSurgeryType
    I(648,649,3190,1619,1,15,2,1,0,0,0), // readmSameHosp30Days
    I(650,651,1646,1620,2,15,2,1,0,0,0), // rxSummSurgSite9802
    I(652,653,1647,1622,1,15,2,1,0,0,0), // rxSummScopeReg9802
    I(654,655,1648,1623,1,15,2,1,0,0,0), // rxSummSurgOth9802
    U(656,657,1190,1624,100,15,2,0,0,1,0), // reserved06
    I(658,659,1660,1724,8,15,2,5,0,0,0), // subsqRx2ndCourseDate
    I(660,661,1661,1732,2,15,2,1,0,0,0), // subsqRx2ndcrsDateFlag
    I(662,663,1671,1734,2,15,2,1,0,0,0), // subsqRx2ndCourseSurg
    I(664,665,1677,1736,1,15,2,1,0,0,0), // subsqRx2ndScopeLnSu
    I(666,667,1678,1737,1,15,2,1,0,0,0), // subsqRx2ndSurgOth
    I(668,669,1679,1738,2,15,2,1,0,0,0), // subsqRx2ndRegLnRem
    I(670,671,1672,1740,1,15,2,1,0,0,0), // subsqRx2ndCourseRad
    I(672,673,1673,1741,1,15,2,1,0,0,0), // subsqRx2ndCourseChemo
    I(674,675,1674,1742,1,15,2,1,0,0,0), // subsqRx2ndCourseHorm
    I(676,677,1675,1743,1,15,2,1,0,0,0), // subsqRx2ndCourseBrm
    I(678,679,1676,1744,1,15,2,1,0,0,0), // subsqRx2ndCourseOth
    I(680,681,1680,1745,8,15,2,5,0,0,0), // subsqRx3rdCourseDate
    I(682,683,1681,1753,2,15,2,1,0,0,0), // subsqRx3rdcrsDateFlag
    I(684,685,1691,1755,2,15,2,1,0,0,0), // subsqRx3rdCourseSurg
    I(686,687,1697,1757,1,15,2,1,0,0,0), // subsqRx3rdScopeLnSu
    I(688,689,1698,1758,1,15,2,1,0,0,0), // subsqRx3rdSurgOth
    I(690,691,1699,1759,2,15,2,1,0,0,0), // subsqRx3rdRegLnRem
    I(692,693,1692,1761,1,15,2,1,0,0,0), // subsqRx3rdCourseRad
    I(694,695,1693,1762,1,15,2,1,0,0,0), // subsqRx3rdCourseChemo
    I(696,697,1694,1763,1,15,2,1,0,0,0), // subsqRx3rdCourseHorm
    I(698,699,1695,1764,1,15,2,1,0,0,0), // subsqRx3rdCourseBrm
    I(700,701,1696,1765,1,15,2,1,0,0,0), // subsqRx3rdCourseOth
    I(702,703,1700,1766,8,15,2,5,0,0,0), // subsqRx4thCourseDate
    I(704,705,1701,1774,2,15,2,1,0,0,0), // subsqRx4thcrsDateFlag
    I(706,707,1711,1776,2,15,2,1,0,0,0), // subsqRx4thCourseSurg
    I(708,709,1717,1778,1,15,2,1,0,0,0), // subsqRx4thScopeLnSu
    I(710,711,1718,1779,1,15,2,1,0,0,0), // subsqRx4thSurgOth
    I(712,713,1719,1780,2,15,2,1,0,0,0), // subsqRx4thRegLnRem
    I(714,715,1712,1782,1,15,2,1,0,0,0), // subsqRx4thCourseRad
    I(716,717,1713,1783,1,15,2,1,0,0,0), // subsqRx4thCourseChemo
    I(718,719,1714,1784,1,15,2,1,0,0,0), // subsqRx4thCourseHorm
    I(720,721,1715,1785,1,15,2,1,0,0,0), // subsqRx4thCourseBrm
    I(722,723,1716,1786,1,15,2,1,0,0,0), // subsqRx4thCourseOth
    I(724,725,1741,1787,1,15,2,1,0,0,0), // subsqRxReconstructDel
    U(726,727,1300,1788,100,15,2,0,0,1,0), // reserved07
    I(728,729,1981,1888,1,15,2,1,0,0,0), // overRideSsNodespos
    I(730,731,1982,1889,1,15,2,1,0,0,0), // overRideSsTnmN
    I(732,733,1983,1890,1,15,2,1,0,0,0), // overRideSsTnmM
    I(734,735,1985,1891,1,15,2,1,0,0,0), // overRideAcsnClassSeq
    I(736,737,1986,1892,1,15,2,1,0,0,0), // overRideHospseqDxconf
    I(738,739,1987,1893,1,15,2,1,0,0,0), // overRideCocSiteType
    I(740,741,1988,1894,1,15,2,1,0,0,0), // overRideHospseqSite
    I(742,743,1989,1895,1,15,2,1,0,0,0), // overRideSiteTnmStggrp
    I(744,745,1990,1896,1,15,2,1,0,0,0), // overRideAgeSiteMorph
    I(746,747,2000,1897,1,15,2,1,0,0,0), // overRideSeqnoDxconf
    I(748,749,2010,1898,1,15,2,1,0,0,0), // overRideSiteLatSeqno
    I(750,751,2020,1899,1,15,2,1,0,0,0), // overRideSurgDxconf
    I(752,753,2030,1900,1,15,2,1,0,0,0), // overRideSiteType
    I(754,755,2040,1901,1,15,2,1,0,0,0), // overRideHistology
    I(756,757,2050,1902,1,15,2,1,0,0,0), // overRideReportSource
    I(758,759,2060,1903,1,15,2,1,0,0,0), // overRideIllDefineSite
    I(760,761,2070,1904,1,15,2,1,0,0,0), // overRideLeukLymphoma
    I(762,763,2071,1905,1,15,2,1,0,0,0), // overRideSiteBehavior
    I(764,765,2072,1906,1,15,2,1,0,0,0), // overRideSiteEodDxDt
    I(766,767,2073,1907,1,15,2,1,0,0,0), // overRideSiteLatEod
    I(768,769,2074,1908,1,15,2,1,0,0,0), // overRideSiteLatMorph
    I(770,771,1960,1909,4,15,2,1,0,0,0), // siteIcdO1
    I(772,773,1971,1913,4,15,2,1,0,0,0), // histologyIcdO1
    I(774,775,1972,1917,1,15,2,1,0,0,0), // behaviorIcdO1
    I(776,777,1973,1918,1,15,2,1,0,0,0), // gradeIcdO1
    I(778,779,1980,1919,1,15,2,1,0,0,0), // icdO2ConversionFlag
    I(780,781,2081,1920,10,15,2,0,0,0,0), // crcChecksum
    I(782,783,2120,1930,1,15,2,3,0,0,0), // seerCodingSysCurrent
    I(784,785,2130,1931,1,15,2,3,0,0,0), // seerCodingSysOriginal
    I(786,787,2140,1932,2,15,2,1,0,0,0), // cocCodingSysCurrent
    I(788,789,2150,1934,2,15,2,1,0,0,0), // cocCodingSysOriginal
    I(790,791,2170,1936,10,15,2,0,0,0,0), // vendorName
    I(792,793,2180,1946,1,15,2,1,0,0,0), // seerTypeOfFollowUp
    I(794,795,2190,1947,2,15,2,1,0,0,0), // seerRecordNumber
    I(796,797,2200,1949,2,15,2,0,0,0,0), // diagnosticProc7387
    I(798,799,2085,1951,8,15,2,5,0,0,0), // dateCaseInitiated
    I(800,801,2090,1959,8,15,2,5,0,0,0), // dateCaseCompleted
    I(802,803,2092,1967,8,15,2,5,0,0,0), // dateCaseCompletedCoc
    I(804,805,2100,1975,8,15,2,5,0,0,0), // dateCaseLastChanged
    I(806,807,2110,1983,8,15,2,5,0,0,0), // dateCaseReportExported
    I(808,809,2111,1991,8,15,2,5,0,0,0), // dateCaseReportReceived
    I(810,811,2112,1999,8,15,2,5,0,0,0), // dateCaseReportLoaded
    I(812,813,2113,2007,8,15,2,5,0,0,0), // dateTumorRecordAvailbl
    I(814,815,2116,2015,1,15,2,1,0,0,0), // icdO3ConversionFlag
    I(816,817,3750,2016,1,15,2,1,0,0,0), // overRideCs1
    I(818,819,3751,2017,1,15,2,1,0,0,0), // overRideCs2
    I(820,821,3752,2018,1,15,2,1,0,0,0), // overRideCs3
    I(822,823,3753,2019,1,15,2,1,0,0,0), // overRideCs4
    I(824,825,3754,2020,1,15,2,1,0,0,0), // overRideCs5
    I(826,827,3755,2021,1,15,2,1,0,0,0), // overRideCs6
    I(828,829,3756,2022,1,15,2,1,0,0,0), // overRideCs7
    I(830,831,3757,2023,1,15,2,1,0,0,0), // overRideCs8
    I(832,833,3758,2024,1,15,2,1,0,0,0), // overRideCs9
    I(834,835,3759,2025,1,15,2,1,0,0,0), // overRideCs10
    I(836,837,3760,2026,1,15,2,1,0,0,0), // overRideCs11
    I(838,839,3761,2027,1,15,2,1,0,0,0), // overRideCs12
    I(840,841,3762,2028,1,15,2,1,0,0,0), // overRideCs13
    I(842,843,3763,2029,1,15,2,1,0,0,0), // overRideCs14
    I(844,845,3764,2030,1,15,2,1,0,0,0), // overRideCs15
    I(846,847,3765,2031,1,15,2,1,0,0,0), // overRideCs16
    I(848,849,3766,2032,1,15,2,1,0,0,0), // overRideCs17
    I(850,851,3767,2033,1,15,2,1,0,0,0), // overRideCs18
    I(852,853,3768,2034,1,15,2,1,0,0,0), // overRideCs19
    I(854,855,3769,2035,1,15,2,1,0,0,0), // overRideCs20
    U(856,857,1650,2036,80,15,2,0,0,1,0), // reserved08
    I(858,859,1750,2116,8,15,1,5,0,0,0), // dateOfLastContact
    I(860,861,1751,2124,2,15,1,1,0,0,0), // dateOfLastContactFlag
    I(862,863,1760,2126,1,15,1,1,0,0,0), // vitalStatus
    I(864,865,1770,2127,1,15,2,1,0,0,0), // cancerStatus
    I(866,867,1780,2128,1,15,2,1,0,0,0), // qualityOfSurvival
    I(868,869,1790,2129,1,15,2,1,0,0,0), // followUpSource
    I(870,871,1800,2130,1,15,2,1,0,0,0), // nextFollowUpSource
    I(872,873,1810,2131,50,15,1,0,0,0,0), // addrCurrentCity
    I(874,875,1820,2181,2,15,1,2,0,0,0), // addrCurrentState
    I(876,877,1830,2183,9,15,1,0,0,0,0), // addrCurrentPostalCode
    I(878,879,1840,2192,3,15,1,1,0,0,0), // countyCurrent
    U(880,881,2700,2195,1,15,2,0,0,1,0), // reserved17
    I(882,883,1860,2196,8,15,2,5,0,0,0), // recurrenceDate1st
    I(884,885,1861,2204,2,15,2,1,0,0,0), // recurrenceDate1stFlag
    I(886,887,1880,2206,2,15,2,1,0,0,0), // recurrenceType1st
    I(888,889,1842,2208,50,15,2,0,0,0,0), // followUpContactCity
    I(890,891,1844,2258,2,15,2,2,0,0,0), // followUpContactState
    I(892,893,1846,2260,9,15,2,1,0,0,0), // followUpContactPostal
    I(894,895,1910,2269,4,15,1,0,0,0,0), // causeOfDeath
    I(896,897,1920,2273,1,15,1,1,0,0,0), // icdRevisionNumber
    I(898,899,1930,2274,1,15,1,1,0,0,0), // autopsy
    I(900,901,1940,2275,3,15,1,0,0,0,0), // placeOfDeath
    I(902,903,1791,2278,2,15,2,1,0,0,0), // followUpSourceCentral
    I(904,905,1755,2280,8,15,1,5,0,0,0), // dateOfDeathCanada
    I(906,907,1756,2288,2,15,1,1,0,0,0), // dateOfDeathCanadaFlag
    I(908,909,1850,2290,2,15,2,1,0,0,0), // unusualFollowUpMethod
    U(910,911,1740,2292,48,15,2,0,0,1,0), // reserved09
    U(912,913,2220,2340,1000,15,2,0,0,1,0), // stateRequestorItems
    I(914,915,2230,3340,40,7,1,0,0,0,0), // nameLast
    I(916,917,2240,3380,40,7,1,0,0,0,0), // nameFirst
    I(918,919,2250,3420,40,7,1,0,0,0,0), // nameMiddle
    I(920,921,2260,3460,3,7,1,0,0,0,0), // namePrefix
    I(922,923,2270,3463,3,7,1,0,0,0,0), // nameSuffix
    I(924,925,2280,3466,40,7,1,0,0,0,0), // nameAlias
    I(926,927,2390,3506,40,7,1,0,0,0,0), // nameMaiden
    I(928,929,2290,3546,60,7,2,0,0,0,0), // nameSpouseParent
    I(930,931,2300,3606,11,7,2,0,0,0,0), // medicalRecordNumber
    I(932,933,2310,3617,2,7,2,1,0,0,0), // militaryRecordNoSuffix
    I(934,935,2320,3619,9,7,1,1,0,0,0), // socialSecurityNumber
    I(936,937,2330,3628,60,7,2,0,0,0,0), // addrAtDxNoStreet
    I(938,939,2335,3688,60,7,2,0,0,0,0), // addrAtDxSupplementl
    I(940,941,2350,3748,60,7,1,0,0,0,0), // addrCurrentNoStreet
    I(942,943,2355,3808,60,7,1,0,0,0,0), // addrCurrentSupplementl
    I(944,945,2360,3868,10,7,1,0,0,0,0), // telephone
    I(946,947,2380,3878,6,7,1,0,0,0,0), // dcStateFileNumber
    I(948,949,2394,3884,60,7,2,0,0,0,0), // followUpContactName
    I(950,951,2392,3944,60,7,2,0,0,0,0), // followUpContactNost
    I(952,953,2393,4004,60,7,2,0,0,0,0), // followUpContactSuppl
    I(954,955,2352,4064,10,7,2,0,0,0,0), // latitude
    I(956,957,2354,4074,11,7,2,0,0,0,0), // longitude
    U(958,959,1835,4085,200,7,2,0,0,1,0), // reserved10
    I(960,961,2445,4285,10,7,2,1,3,0,0), // npiFollowingRegistry
    I(962,963,2440,4295,10,7,2,1,3,0,0), // followingRegistry
    I(964,965,2415,4305,10,7,2,0,3,0,0), // npiInstReferredFrom
    I(966,967,2410,4315,10,7,2,1,3,0,0), // institutionReferredFrom
    I(968,969,2425,4325,10,7,2,1,3,0,0), // npiInstReferredTo
    I(970,971,2420,4335,10,7,2,0,3,0,0), // institutionReferredTo
    U(972,973,1900,4345,50,7,2,0,0,1,0), // reserved11
    I(974,975,2465,4395,10,7,2,1,3,0,0), // npiPhysicianManaging
    I(976,977,2460,4405,8,7,2,0,0,0,0), // physicianManaging
    I(978,979,2475,4413,10,7,2,1,3,0,0), // npiPhysicianFollowUp
    I(980,981,2470,4423,8,7,2,0,0,0,0), // physicianFollowUp
    I(982,983,2485,4431,10,7,2,1,3,0,0), // npiPhysicianPrimarySurg
    I(984,985,2480,4441,8,7,2,0,0,0,0), // physicianPrimarySurg
    I(986,987,2495,4449,10,7,2,1,3,0,0), // npiPhysician3
    I(988,989,2490,4459,8,7,2,0,0,0,0), // physician3
    I(990,991,2505,4467,10,7,2,1,3,0,0), // npiPhysician4
    I(992,993,2500,4477,8,7,2,0,0,0,0), // physician4
    U(994,995,2510,4485,50,7,2,0,0,1,0), // reserved12
    I(996,997,7010,4535,25,7,2,0,0,0,0), // pathReportingFacId1
    I(998,999,7090,4560,20,7,2,0,0,0,0), // pathReportNumber1
    I(1000,1001,7320,4580,14,7,2,0,0,0,0), // pathDateSpecCollect1
    I(1002,1003,7480,4594,2,7,2,1,0,0,0), // pathReportType1
    I(1004,1005,7190,4596,25,7,2,0,0,0,0), // pathOrderingFacNo1
    I(1006,1007,7100,4621,20,7,2,0,0,0,0), // pathOrderPhysLicNo1
    I(1008,1009,7011,4641,25,7,2,0,0,0,0), // pathReportingFacId2
    I(1010,1011,7091,4666,20,7,2,0,0,0,0), // pathReportNumber2
    I(1012,1013,7321,4686,14,7,2,0,0,0,0), // pathDateSpecCollect2
    I(1014,1015,7481,4700,2,7,2,1,0,0,0), // pathReportType2
    I(1016,1017,7191,4702,25,7,2,0,0,0,0), // pathOrderingFacNo2
    I(1018,1019,7101,4727,20,7,2,0,0,0,0), // pathOrderPhysLicNo2
    I(1020,1021,7012,4747,25,7,2,0,0,0,0), // pathReportingFacId3
    I(1022,1023,7092,4772,20,7,2,0,0,0,0), // pathReportNumber3
    I(1024,1025,7322,4792,14,7,2,0,0,0,0), // pathDateSpecCollect3
    I(1026,1027,7482,4806,2,7,2,1,0,0,0), // pathReportType3
    I(1028,1029,7192,4808,25,7,2,0,0,0,0), // pathOrderingFacNo3
    I(1030,1031,7102,4833,20,7,2,0,0,0,0), // pathOrderPhysLicNo3
    I(1032,1033,7013,4853,25,7,2,0,0,0,0), // pathReportingFacId4
    I(1034,1035,7093,4878,20,7,2,0,0,0,0), // pathReportNumber4
    I(1036,1037,7323,4898,14,7,2,0,0,0,0), // pathDateSpecCollect4
    I(1038,1039,7483,4912,2,7,2,1,0,0,0), // pathReportType4
    I(1040,1041,7193,4914,25,7,2,0,0,0,0), // pathOrderingFacNo4
    I(1042,1043,7103,4939,20,7,2,0,0,0,0), // pathOrderPhysLicNo4
    I(1044,1045,7014,4959,25,7,2,0,0,0,0), // pathReportingFacId5
    I(1046,1047,7094,4984,20,7,2,0,0,0,0), // pathReportNumber5
    I(1048,1049,7324,5004,14,7,2,0,0,0,0), // pathDateSpecCollect5
    I(1050,1051,7484,5018,2,7,2,1,0,0,0), // pathReportType5
    I(1052,1053,7194,5020,25,7,2,0,0,0,0), // pathOrderingFacNo5
    I(1054,1055,7104,5045,20,7,2,0,0,0,0), // pathOrderPhysLicNo5
    U(1056,1057,2080,5065,500,7,2,0,0,1,0), // reserved13
    I(1058,1059,2520,5565,1000,3,2,0,0,0,1), // textDxProcPe
    I(1060,1061,2530,6565,1000,3,2,0,0,0,1), // textDxProcXRayScan
    I(1062,1063,2540,7565,1000,3,2,0,0,0,1), // textDxProcScopes
    I(1064,1065,2550,8565,1000,3,2,0,0,0,1), // textDxProcLabTests
    I(1066,1067,2560,9565,1000,3,2,0,0,0,1), // textDxProcOp
    I(1068,1069,2570,10565,1000,3,2,0,0,0,1), // textDxProcPath
    I(1070,1071,2580,11565,100,3,2,0,0,0,0), // textPrimarySiteTitle
    I(1072,1073,2590,11665,100,3,2,0,0,0,0), // textHistologyTitle
    I(1074,1075,2600,11765,1000,3,2,0,0,0,1), // textStaging
    I(1076,1077,2610,12765,1000,3,2,0,0,0,1), // rxTextSurgery
    I(1078,1079,2620,13765,1000,3,2,0,0,0,1), // rxTextRadiation
    I(1080,1081,2630,14765,1000,3,2,0,0,0,1), // rxTextRadiationOther
    I(1082,1083,2640,15765,1000,3,2,0,0,0,1), // rxTextChemo
    I(1084,1085,2650,16765,1000,3,2,0,0,0,1), // rxTextHormone
    I(1086,1087,2660,17765,1000,3,2,0,0,0,1), // rxTextBrm
    I(1088,1089,2670,18765,1000,3,2,0,0,0,1), // rxTextOther
    I(1090,1091,2680,19765,1000,3,2,0,0,0,1), // textRemarks
    I(1092,1093,2690,20765,60,3,2,0,0,0,0), // textPlaceOfDiagnosis
    U(1094,1095,2210,20825,2000,3,2,0,0,1,0), // reserved14
    G(1096,1097,419,545,5,15,2,1,0,0,0), // morphTypebehavIcdO2
    G(1098,1099,521,550,5,15,2,1,0,0,0), // morphTypebehavIcdO3
    G(1100,1101,779,906,12,15,2,1,0,0,0), // extentOfDisease10Dig
    G(1102,1103,1670,1734,11,15,2,1,0,0,0), // subsqRx2ndCourseCodes
    G(1104,1105,1690,1755,11,15,2,1,0,0,0), // subsqRx3rdCourseCodes
    G(1106,1107,1710,1776,11,15,2,1,0,0,0), // subsqRx4thCourseCodes
    G(1108,1109,1970,1913,6,15,2,1,0,0,0), // morphIcdO1
    I(8,9,45,20,10,15,0,1,0,0,0), // npiRegistryId
    I(16,17,21,50,8,15,2,1,3,0,0), // patientSystemIdHosp
    I(26,27,90,156,3,15,2,1,3,0,0), // countyAtDx
    I(44,45,160,177,2,15,1,1,3,0,0), // race1
    I(46,47,161,179,2,15,1,1,3,0,0), // race2
    I(48,49,162,181,2,15,1,1,3,0,0), // race3
    I(50,51,163,183,2,15,1,1,3,0,0), // race4
    I(52,53,164,185,2,15,1,1,3,0,0), // race5
    I(66,67,230,193,3,15,2,1,3,0,0), // ageAtDiagnosis
    I(72,73,250,206,3,15,1,0,3,0,0), // birthplace
    I(74,75,270,209,3,15,2,1,3,0,0), // censusOccCode19702000
    I(76,77,280,212,3,15,2,1,3,0,0), // censusIndCode19702000
    I(90,91,193,419,2,15,1,1,3,0,0), // raceNapiia
    I(94,95,366,422,2,15,2,1,3,0,0), // gisCoordinateQuality
    I(96,97,3300,424,2,15,2,1,3,0,0), // ruralurbanContinuum1993
    I(98,99,3310,426,2,15,2,1,3,0,0), // ruralurbanContinuum2003
    I(120,121,272,455,4,15,2,0,3,0,0), // censusIndCode2010
    I(122,123,282,459,4,15,2,1,3,0,0), // censusOccCode2010
    I(128,129,380,528,2,15,2,1,3,0,0), // sequenceNumberCentral
    I(172,173,444,577,2,15,2,1,3,0,0), // multTumRptAsOnePrim
    I(178,179,446,589,2,15,2,1,3,0,0), // multiplicityCounter
    I(182,183,545,691,10,15,2,1,0,0,0), // npiReportingFacility
    I(186,187,3105,711,10,15,2,1,0,0,0), // npiArchiveFin
    I(188,189,3100,721,10,15,2,1,3,0,0), // archiveFin
    I(190,191,550,731,9,15,2,1,0,0,0), // accessionNumberHosp
    I(192,193,560,740,2,15,2,1,3,0,0), // sequenceNumberHospital
    I(210,211,610,776,2,15,2,1,3,0,0), // classOfCase
    I(212,213,630,778,2,15,2,1,3,0,0), // primaryPayerAtDx
    I(218,219,670,782,2,15,2,1,3,0,0), // rxHospSurgPrimSite
    I(224,225,676,786,2,15,2,1,3,0,0), // rxHospRegLnRemoved
    I(230,231,700,790,2,15,2,1,3,0,0), // rxHospChemo
    I(232,233,710,792,2,15,2,1,3,0,0), // rxHospHormone
    I(234,235,720,794,2,15,2,1,3,0,0), // rxHospBrm
    I(238,239,740,797,2,15,2,1,3,0,0), // rxHospDxStgProc
    I(242,243,746,800,2,15,2,1,3,0,0), // rxHospSurgSite9802
    I(254,255,780,906,3,15,2,0,3,0,0), // eodTumorSize
    I(256,257,790,909,2,15,2,0,3,0,0), // eodExtension
    I(258,259,800,911,2,15,2,1,3,0,0), // eodExtensionProstPath
    I(262,263,820,914,2,15,2,1,3,0,0), // regionalNodesPositive
    I(264,265,830,916,2,15,2,1,3,0,0), // regionalNodesExamined
    I(274,275,1060,938,2,15,2,1,3,0,0), // tnmEditionNumber
    I(300,301,1120,976,2,15,2,0,0,0,0), // pediatricStage
    I(302,303,1130,978,2,15,2,1,3,0,0), // pediatricStagingSystem
    I(314,315,2800,985,3,15,2,1,3,0,0), // csTumorSize
    I(316,317,2810,988,3,15,2,1,3,0,0), // csExtension
    I(320,321,2830,992,3,15,2,1,3,0,0), // csLymphNodes
    I(324,325,2850,996,2,15,2,1,3,0,0), // csMetsAtDx
    I(336,337,2880,1003,3,15,2,1,3,0,0), // csSiteSpecificFactor1
    I(338,339,2890,1006,3,15,2,1,3,0,0), // csSiteSpecificFactor2
    I(340,341,2900,1009,3,15,2,1,3,0,0), // csSiteSpecificFactor3
    I(342,343,2910,1012,3,15,2,1,3,0,0), // csSiteSpecificFactor4
    I(344,345,2920,1015,3,15,2,1,3,0,0), // csSiteSpecificFactor5
    I(346,347,2930,1018,3,15,2,1,3,0,0), // csSiteSpecificFactor6
    I(348,349,2861,1021,3,15,2,1,3,0,0), // csSiteSpecificFactor7
    I(350,351,2862,1024,3,15,2,1,3,0,0), // csSiteSpecificFactor8
    I(352,353,2863,1027,3,15,2,1,3,0,0), // csSiteSpecificFactor9
    I(354,355,2864,1030,3,15,2,1,3,0,0), // csSiteSpecificFactor10
    I(356,357,2865,1033,3,15,2,1,3,0,0), // csSiteSpecificFactor11
    I(358,359,2866,1036,3,15,2,1,3,0,0), // csSiteSpecificFactor12
    I(360,361,2867,1039,3,15,2,1,3,0,0), // csSiteSpecificFactor13
    I(362,363,2868,1042,3,15,2,1,3,0,0), // csSiteSpecificFactor14
    I(364,365,2869,1045,3,15,2,1,3,0,0), // csSiteSpecificFactor15
    I(366,367,2870,1048,3,15,2,1,3,0,0), // csSiteSpecificFactor16
    I(368,369,2871,1051,3,15,2,1,3,0,0), // csSiteSpecificFactor17
    I(370,371,2872,1054,3,15,2,1,3,0,0), // csSiteSpecificFactor18
    I(372,373,2873,1057,3,15,2,1,3,0,0), // csSiteSpecificFactor19
    I(374,375,2874,1060,3,15,2,1,3,0,0), // csSiteSpecificFactor20
    I(376,377,2875,1063,3,15,2,1,3,0,0), // csSiteSpecificFactor21
    I(378,379,2876,1066,3,15,2,1,3,0,0), // csSiteSpecificFactor22
    I(380,381,2877,1069,3,15,2,1,3,0,0), // csSiteSpecificFactor23
    I(382,383,2878,1072,3,15,2,1,3,0,0), // csSiteSpecificFactor24
    I(384,385,2879,1075,3,15,2,1,3,0,0), // csSiteSpecificFactor25
    I(386,387,2730,1078,3,15,2,1,3,0,0), // csPrerxTumorSize
    I(388,389,2735,1081,3,15,2,1,3,0,0), // csPrerxExtension
    I(392,393,2750,1085,3,15,2,1,3,0,0), // csPrerxLymphNodes
    I(396,397,2760,1089,2,15,2,1,3,0,0), // csPrerxMetsAtDx
    I(400,401,2770,1092,3,15,2,1,3,0,0), // csPostrxTumorSize
    I(402,403,2775,1095,3,15,2,1,3,0,0), // csPostrxExtension
    I(404,405,2780,1098,3,15,2,1,3,0,0), // csPostrxLymphNodes
    I(406,407,2785,1101,2,15,2,1,3,0,0), // csPostrxMetsAtDx
    I(422,423,3400,1114,3,15,2,1,3,0,0), // derivedAjcc7T
    I(426,427,3410,1118,3,15,2,1,3,0,0), // derivedAjcc7N
    I(430,431,3420,1122,3,15,2,1,3,0,0), // derivedAjcc7M
    I(434,435,3430,1126,3,15,2,1,3,0,0), // derivedAjcc7StageGrp
    I(436,437,3440,1129,3,15,2,1,3,0,0), // derivedPrerx7T
    I(440,441,3450,1133,3,15,2,1,3,0,0), // derivedPrerx7N
    I(444,445,3460,1137,3,15,2,1,3,0,0), // derivedPrerx7M
    I(448,449,3470,1141,3,15,2,1,3,0,0), // derivedPrerx7StageGrp
    I(450,451,3480,1144,3,15,2,1,3,0,0), // derivedPostrx7T
    I(452,453,3482,1147,3,15,2,1,3,0,0), // derivedPostrx7N
    I(454,455,3490,1150,2,15,2,1,3,0,0), // derivedPostrx7M
    I(474,475,2936,1173,6,15,2,1,0,0,0), // csVersionDerived
    I(490,491,3110,1186,5,15,2,3,2,0,0), // comorbidComplication1
    I(492,493,3120,1191,5,15,2,3,2,0,0), // comorbidComplication2
    I(494,495,3130,1196,5,15,2,3,2,0,0), // comorbidComplication3
    I(496,497,3140,1201,5,15,2,3,2,0,0), // comorbidComplication4
    I(498,499,3150,1206,5,15,2,3,2,0,0), // comorbidComplication5
    I(500,501,3160,1211,5,15,2,3,2,0,0), // comorbidComplication6
    I(502,503,3161,1216,5,15,2,3,2,0,0), // comorbidComplication7
    I(504,505,3162,1221,5,15,2,3,2,0,0), // comorbidComplication8
    I(506,507,3163,1226,5,15,2,3,2,0,0), // comorbidComplication9
    I(508,509,3164,1231,5,15,2,3,2,0,0), // comorbidComplication10
    I(588,589,1290,1567,2,15,2,1,3,0,0), // rxSummSurgPrimSite
    I(594,595,1296,1571,2,15,2,1,3,0,0), // rxSummRegLnExamined
    I(604,605,1350,1577,2,15,2,1,3,0,0), // rxSummDxStgProc
    I(614,615,3250,1583,2,15,2,1,3,0,0), // rxSummTransplntEndocr
    I(616,617,1390,1585,2,15,2,1,3,0,0), // rxSummChemo
    I(618,619,1400,1587,2,15,2,1,3,0,0), // rxSummHormone
    I(620,621,1410,1589,2,15,2,1,3,0,0), // rxSummBrm
    I(626,627,1460,1593,2,15,2,1,3,0,0), // rxCodingSystemCurrent
    I(630,631,1510,1596,5,15,2,1,3,0,0), // radRegionalDoseCgy
    I(632,633,1520,1601,3,15,2,1,3,0,0), // radNoOfTreatmentVol
    I(634,635,1540,1604,2,15,2,1,3,0,0), // radTreatmentVolume
    I(638,639,1570,1607,2,15,2,1,3,0,0), // radRegionalRxModality
    I(640,641,3200,1609,2,15,2,1,3,0,0), // radBoostRxModality
    I(642,643,3210,1611,5,15,2,1,3,0,0), // radBoostDoseCgy
    I(646,647,1640,1617,2,15,2,1,3,0,0), // rxSummSurgeryType
    I(650,651,1646,1620,2,15,2,1,3,0,0), // rxSummSurgSite9802
    I(662,663,1671,1734,2,15,2,1,3,0,0), // subsqRx2ndCourseSurg
    I(668,669,1679,1738,2,15,2,1,3,0,0), // subsqRx2ndRegLnRem
    I(684,685,1691,1755,2,15,2,1,3,0,0), // subsqRx3rdCourseSurg
    I(690,691,1699,1759,2,15,2,1,3,0,0), // subsqRx3rdRegLnRem
    I(706,707,1711,1776,2,15,2,1,3,0,0), // subsqRx4thCourseSurg
    I(712,713,1719,1780,2,15,2,1,3,0,0), // subsqRx4thRegLnRem
    I(786,787,2140,1932,2,15,2,1,3,0,0), // cocCodingSysCurrent
    I(788,789,2150,1934,2,15,2,1,3,0,0), // cocCodingSysOriginal
    I(794,795,2190,1947,2,15,2,1,3,0,0), // seerRecordNumber
    I(878,879,1840,2192,3,15,1,1,3,0,0), // countyCurrent
    I(886,887,1880,2206,2,15,2,1,3,0,0), // recurrenceType1st
    I(900,901,1940,2275,3,15,1,0,3,0,0), // placeOfDeath
    I(902,903,1791,2278,2,15,2,1,3,0,0), // followUpSourceCentral
    I(1110,1111,1782,2292,8,15,2,5,0,0,0), // survDateActiveFollowup
    I(1112,1113,1783,2300,1,15,2,1,0,0,0), // survFlagActiveFollowup
    I(1114,1115,1784,2301,4,15,2,1,3,0,0), // survMosActiveFollowup
    I(1116,1117,1785,2305,8,15,2,5,0,0,0), // survDatePresumedAlive
    I(1118,1119,1786,2313,1,15,2,1,0,0,0), // survFlagPresumedAlive
    I(1120,1121,1787,2314,4,15,2,1,3,0,0), // survMosPresumedAlive
    I(1122,1123,1788,2318,8,15,2,5,0,0,0), // survDateDxRecode
    U(910,911,1740,2326,14,15,2,0,0,1,0), // reserved09
    I(930,931,2300,3606,11,7,2,0,1,0,0), // medicalRecordNumber
    I(932,933,2310,3617,2,7,2,1,3,0,0), // militaryRecordNoSuffix
    I(944,945,2360,3868,10,7,1,1,0,0,0), // telephone
    I(954,955,2352,4064,10,7,2,0,1,0,0), // latitude
    I(956,957,2354,4074,11,7,2,0,1,0,0), // longitude
    I(960,961,2445,4285,10,7,2,1,0,0,0), // npiFollowingRegistry
    I(964,965,2415,4305,10,7,2,1,0,0,0), // npiInstReferredFrom
    I(966,967,2410,4315,10,7,2,0,3,0,0), // institutionReferredFrom
    I(968,969,2425,4325,10,7,2,1,0,0,0), // npiInstReferredTo
    I(978,979,2475,4413,10,7,2,1,0,0,0), // npiPhysicianFollowUp
    I(982,983,2485,4431,10,7,2,1,0,0,0), // npiPhysicianPrimarySurg
    I(986,987,2495,4449,10,7,2,1,0,0,0), // npiPhysician3
    I(990,991,2505,4467,10,7,2,1,0,0,0), // npiPhysician4
    I(1000,1001,7320,4580,14,7,2,5,0,0,0), // pathDateSpecCollect1
    I(1002,1003,7480,4594,2,7,2,1,3,0,0), // pathReportType1
    I(1012,1013,7321,4686,14,7,2,5,0,0,0), // pathDateSpecCollect2
    I(1014,1015,7481,4700,2,7,2,1,3,0,0), // pathReportType2
    I(1024,1025,7322,4792,14,7,2,5,0,0,0), // pathDateSpecCollect3
    I(1026,1027,7482,4806,2,7,2,1,3,0,0), // pathReportType3
    I(1036,1037,7323,4898,14,7,2,5,0,0,0), // pathDateSpecCollect4
    I(1038,1039,7483,4912,2,7,2,1,3,0,0), // pathReportType4
    I(1048,1049,7324,5004,14,7,2,5,0,0,0), // pathDateSpecCollect5
    I(1050,1051,7484,5018,2,7,2,1,3,0,0), // pathReportType5
    I(120,1124,272,455,4,15,2,0,3,0,0), // censusIndCode2010
    I(122,1125,282,459,4,15,2,0,3,0,0), // censusOccCode2010
    I(1126,1127,94,464,3,15,2,1,0,0,0), // countyAtDxGeocode1990
    I(1128,1129,95,467,3,15,2,1,0,0,0), // countyAtDxGeocode2000
    I(1130,1131,96,470,3,15,2,1,0,0,0), // countyAtDxGeocode2010
    I(1132,1133,97,473,3,15,2,0,0,0,0), // countyAtDxGeocode2020
    I(1134,1135,3312,476,2,15,2,1,0,0,0), // ruralurbanContinuum2013
    U(126,127,530,478,50,15,2,0,0,1,0), // reserved02
    U(248,249,750,804,30,15,2,0,0,1,0), // reserved04
    I(286,287,930,834,2,15,2,1,0,0,0), // tnmPathStagedBy
    I(298,299,990,836,2,15,2,1,0,0,0), // tnmClinStagedBy
    I(1136,1137,1112,838,1,15,2,1,0,0,0), // metsAtDxBone
    I(1138,1139,1113,839,1,15,2,1,0,0,0), // metsAtDxBrain
    I(1140,1141,1114,840,1,15,2,1,0,0,0), // metsAtDxDistantLn
    I(1142,1143,1115,841,1,15,2,1,0,0,0), // metsAtDxLiver
    I(1144,1145,1116,842,1,15,2,1,0,0,0), // metsAtDxLung
    I(1146,1147,1117,843,1,15,2,1,0,0,0), // metsAtDxOther
    I(1148,1149,752,844,3,15,2,1,0,0,0), // tumorSizeClinical
    I(1150,1151,754,847,3,15,2,1,0,0,0), // tumorSizePathologic
    I(1152,1153,756,850,3,15,2,1,0,0,0), // tumorSizeSummary
    I(1154,1155,3605,853,5,15,2,0,0,0,0), // derivedSeerPathStgGrp
    I(1156,1157,3610,858,5,15,2,0,0,0,0), // derivedSeerClinStgGrp
    I(1158,1159,3614,863,5,15,2,0,0,0,0), // derivedSeerCmbStgGrp
    I(1160,1161,3616,868,5,15,2,0,0,0,0), // derivedSeerCombinedT
    I(1162,1163,3618,873,5,15,2,0,0,0,0), // derivedSeerCombinedN
    I(1164,1165,3620,878,5,15,2,0,0,0,0), // derivedSeerCombinedM
    I(1166,1167,3622,883,1,15,2,1,0,0,0), // derivedSeerCmbTSrc
    I(1168,1169,3624,884,1,15,2,1,0,0,0), // derivedSeerCmbNSrc
    I(1170,1171,3626,885,1,15,2,1,0,0,0), // derivedSeerCmbMSrc
    I(1172,1173,772,886,3,15,2,1,0,0,0), // seerPrimaryTumor
    I(1174,1175,774,889,3,15,2,1,0,0,0), // seerRegionalNodes
    I(1176,1177,776,892,2,15,2,1,0,0,0), // seerMets
    I(1178,1179,762,894,1,15,2,1,0,0,0), // derivedSs2017
    I(1180,1181,764,895,1,15,2,1,0,0,0), // directlyAssignedSs2017
    I(1182,1183,3650,896,4,15,2,0,0,0,0), // npcrDerivedClinStgGrp
    I(1184,1185,3655,900,4,15,2,0,0,0,0), // npcrDerivedPathStgGrp
    U(1186,1187,2162,957,1,15,2,0,0,1,0), // reserved19
    U(1188,1189,2163,975,1,15,2,0,0,1,0), // reserved20
    U(18,19,370,58,16,15,2,0,0,1,0), // reserved01
    I(20,21,70,74,50,15,2,0,0,0,0), // addrAtDxCity
    I(22,23,80,124,2,15,2,2,0,0,0), // addrAtDxState
    I(24,25,100,126,9,15,2,0,0,0,0), // addrAtDxPostalCode
    I(26,1190,90,135,3,15,2,1,3,0,0), // countyAtDx
    U(226,227,2450,138,12,15,2,0,0,1,0), // reserved16
    I(1191,1192,89,150,3,15,2,1,0,0,0), // countyAtDxAnalysis
    I(1193,1194,81,153,2,15,2,0,0,0,0), // stateAtDxGeocode19708090
    I(1126,1195,94,155,3,15,2,1,0,0,0), // countyAtDxGeocode1990
    I(28,29,110,158,6,15,2,1,3,0,0), // censusTract19708090
    I(30,1196,368,164,1,15,2,1,0,0,0), // censusBlockGrp197090
    I(32,33,120,165,1,15,2,1,0,0,0), // censusCodSys19708090
    I(34,35,364,166,1,15,2,1,0,0,0), // censusTrCert19708090
    I(1197,1198,82,167,2,15,2,0,0,0,0), // stateAtDxGeocode2000
    I(1128,1129,95,169,3,15,2,1,0,0,0), // countyAtDxGeocode2000
    I(36,37,130,172,6,15,2,1,3,0,0), // censusTract2000
    I(38,39,362,178,1,15,2,1,0,0,0), // censusBlockGroup2000
    I(40,41,365,179,1,15,2,1,0,0,0), // censusTrCertainty2000
    I(1199,1200,83,180,2,15,2,0,0,0,0), // stateAtDxGeocode2010
    I(1130,1131,96,182,3,15,2,1,0,0,0), // countyAtDxGeocode2010
    I(100,101,135,185,6,15,2,1,3,0,0), // censusTract2010
    I(102,103,363,191,1,15,2,1,0,0,0), // censusBlockGroup2010
    I(104,105,367,192,1,15,2,1,0,0,0), // censusTrCertainty2010
    I(1201,1202,84,193,2,15,2,0,0,0,0), // stateAtDxGeocode2020
    I(1132,1133,97,195,3,15,2,1,0,0,0), // countyAtDxGeocode2020
    I(1203,1204,125,198,6,15,2,1,3,0,0), // censusTract2020
    I(1205,1206,361,204,1,15,2,1,0,0,0), // censusBlockGroup2020
    I(1207,1208,369,205,1,15,2,1,0,0,0), // censusTractCertainty2020
    I(42,43,150,206,1,15,2,1,0,0,0), // maritalStatusAtDx
    I(44,45,160,207,2,15,1,1,3,0,0), // race1
    I(46,47,161,209,2,15,1,1,3,0,0), // race2
    I(48,49,162,211,2,15,1,1,3,0,0), // race3
    I(50,51,163,213,2,15,1,1,3,0,0), // race4
    I(52,53,164,215,2,15,1,1,3,0,0), // race5
    I(54,55,170,217,1,15,1,1,0,0,0), // raceCodingSysCurrent
    I(56,57,180,218,1,15,1,1,0,0,0), // raceCodingSysOriginal
    I(58,59,190,219,1,15,1,1,0,0,0), // spanishHispanicOrigin
    I(60,61,200,220,1,15,1,1,0,0,0), // computedEthnicity
    I(62,63,210,221,1,15,1,1,0,0,0), // computedEthnicitySource
    I(64,65,220,222,1,15,1,1,0,0,0), // sex
    I(66,67,230,223,3,15,2,1,3,0,0), // ageAtDiagnosis
    I(68,69,240,226,8,15,1,5,0,0,0), // dateOfBirth
    I(70,71,241,234,2,15,1,1,0,0,0), // dateOfBirthFlag
    I(72,73,250,236,3,15,1,0,3,0,0), // birthplace
    I(74,75,270,239,3,15,2,1,3,0,0), // censusOccCode19702000
    I(76,77,280,242,3,15,2,1,3,0,0), // censusIndCode19702000
    I(78,79,290,245,1,15,2,1,0,0,0), // occupationSource
    I(80,81,300,246,1,15,2,1,0,0,0), // industrySource
    I(82,83,310,247,100,15,2,0,0,0,0), // textUsualOccupation
    I(84,85,320,347,100,15,2,0,0,0,0), // textUsualIndustry
    I(86,87,330,447,1,15,2,1,0,0,0), // censusOccIndSys7000
    I(88,89,191,448,1,15,1,1,0,0,0), // nhiaDerivedHispOrigin
    I(90,91,193,449,2,15,1,1,3,0,0), // raceNapiia
    I(92,93,192,451,1,15,1,1,0,0,0), // ihsLink
    I(94,95,366,452,2,15,2,1,3,0,0), // gisCoordinateQuality
    I(96,97,3300,454,2,15,2,1,3,0,0), // ruralurbanContinuum1993
    I(98,99,3310,456,2,15,2,1,3,0,0), // ruralurbanContinuum2003
    I(1134,1135,3312,458,2,15,2,1,3,0,0), // ruralurbanContinuum2013
    I(1209,1210,339,460,1,15,2,3,0,0,0), // ruca2000
    I(1211,1212,341,461,1,15,2,3,0,0,0), // ruca2010
    I(1213,1214,345,462,1,15,2,3,0,0,0), // uric2000
    I(1215,1216,346,463,1,15,2,3,0,0,0), // uric2010
    I(106,107,102,464,3,15,2,2,0,0,0), // addrAtDxCountry
    I(108,109,1832,467,3,15,1,2,0,0,0), // addrCurrentCountry
    I(110,111,252,470,2,15,1,2,0,0,0), // birthplaceState
    I(112,113,254,472,3,15,1,2,0,0,0), // birthplaceCountry
    I(114,115,1847,475,3,15,2,2,0,0,0), // followupContactCountry
    I(116,117,1942,478,2,15,1,2,0,0,0), // placeOfDeathState
    I(118,119,1944,480,3,15,1,2,0,0,0), // placeOfDeathCountry
    I(120,1124,272,483,4,15,2,1,3,0,0), // censusIndCode2010
    I(122,1125,282,487,4,15,2,1,3,0,0), // censusOccCode2010
    I(124,125,145,491,1,15,2,1,0,0,0), // censusTrPovertyIndictr
    U(126,127,530,492,50,15,2,0,0,1,0), // reserved02
    I(128,129,380,542,2,15,2,1,3,0,0), // sequenceNumberCentral
    I(130,131,390,544,8,15,2,5,0,0,0), // dateOfDiagnosis
    I(132,133,391,552,2,15,2,1,0,0,0), // dateOfDiagnosisFlag
    I(134,135,400,554,4,15,2,0,0,0,0), // primarySite
    I(136,137,410,558,1,15,2,1,0,0,0), // laterality
    I(138,139,420,559,4,15,2,1,0,0,0), // histologyIcdO2
    I(140,141,430,563,1,15,2,1,0,0,0), // behaviorIcdO2
    I(142,143,522,564,4,15,2,1,0,0,0), // histologicTypeIcdO3
    I(144,145,523,568,1,15,2,1,0,0,0), // behaviorCodeIcdO3
    I(146,147,440,569,1,15,2,1,0,0,0), // grade
    I(148,149,441,570,1,15,2,1,0,0,0), // gradePathValue
    I(150,151,449,571,1,15,2,1,0,0,0), // gradePathSystem
    I(152,153,450,572,1,15,2,1,0,0,0), // siteCodingSysCurrent
    I(154,155,460,573,1,15,2,1,0,0,0), // siteCodingSysOriginal
    I(156,157,470,574,1,15,2,3,0,0,0), // morphCodingSysCurrent
    I(158,159,480,575,1,15,2,3,0,0,0), // morphCodingSysOriginl
    I(160,161,490,576,1,15,2,1,0,0,0), // diagnosticConfirmation
    I(162,163,500,577,1,15,2,1,0,0,0), // typeOfReportingSource
    I(164,165,501,578,2,15,2,1,0,0,0), // casefindingSource
    I(166,167,442,580,1,15,2,1,0,0,0), // ambiguousTerminologyDx
    I(168,169,443,581,8,15,2,5,0,0,0), // dateConclusiveDx
    I(170,171,448,589,2,15,2,1,0,0,0), // dateConclusiveDxFlag
    I(172,173,444,591,2,15,2,1,3,0,0), // multTumRptAsOnePrim
    I(174,175,445,593,8,15,2,5,0,0,0), // dateOfMultTumors
    I(176,177,439,601,2,15,2,1,0,0,0), // dateOfMultTumorsFlag
    I(178,179,446,603,2,15,2,1,3,0,0), // multiplicityCounter
    U(180,181,680,605,100,15,2,0,0,1,0), // reserved03
    I(182,183,545,705,10,15,2,1,0,0,0), // npiReportingFacility
    I(184,185,540,715,10,15,2,0,0,0,0), // reportingFacility
    I(186,187,3105,725,10,15,2,1,0,0,0), // npiArchiveFin
    I(188,189,3100,735,10,15,2,1,3,0,0), // archiveFin
    I(190,191,550,745,9,15,2,1,0,0,0), // accessionNumberHosp
    I(192,193,560,754,2,15,2,1,3,0,0), // sequenceNumberHospital
    I(194,195,570,756,3,15,2,0,0,0,0), // abstractedBy
    I(196,197,580,759,8,15,2,5,0,0,0), // dateOf1stContact
    I(198,199,581,767,2,15,2,1,0,0,0), // dateOf1stContactFlag
    I(200,201,590,769,8,15,2,5,0,0,0), // dateOfInptAdm
    I(202,203,591,777,2,15,2,1,0,0,0), // dateOfInptAdmFlag
    I(204,205,600,779,8,15,2,5,0,0,0), // dateOfInptDisch
    I(206,207,601,787,2,15,2,1,0,0,0), // dateOfInptDischFlag
    I(208,209,605,789,1,15,2,1,0,0,0), // inpatientStatus
    I(210,211,610,790,2,15,2,1,3,0,0), // classOfCase
    I(212,213,630,792,2,15,2,1,3,0,0), // primaryPayerAtDx
    I(216,217,668,794,1,15,2,1,0,0,0), // rxHospSurgApp2010
    I(218,219,670,795,2,15,2,1,3,0,0), // rxHospSurgPrimSite
    I(220,221,672,797,1,15,2,1,0,0,0), // rxHospScopeRegLnSur
    I(222,223,674,798,1,15,2,1,0,0,0), // rxHospSurgOthRegDis
    I(224,225,676,799,2,15,2,1,3,0,0), // rxHospRegLnRemoved
    I(228,229,690,801,1,15,2,1,0,0,0), // rxHospRadiation
    I(230,231,700,802,2,15,2,1,3,0,0), // rxHospChemo
    I(232,233,710,804,2,15,2,1,3,0,0), // rxHospHormone
    I(234,235,720,806,2,15,2,1,3,0,0), // rxHospBrm
    I(236,237,730,808,1,15,2,1,0,0,0), // rxHospOther
    I(238,239,740,809,2,15,2,1,3,0,0), // rxHospDxStgProc
    I(240,241,3280,811,1,15,2,1,0,0,0), // rxHospPalliativeProc
    I(242,243,746,812,2,15,2,1,3,0,0), // rxHospSurgSite9802
    I(244,245,747,814,1,15,2,1,0,0,0), // rxHospScopeReg9802
    I(246,247,748,815,1,15,2,1,0,0,0), // rxHospSurgOth9802
    U(248,249,750,816,50,15,2,0,0,1,0), // reserved04
    I(286,287,930,866,2,15,2,1,0,0,0), // tnmPathStagedBy
    I(298,299,990,868,2,15,2,1,0,0,0), // tnmClinStagedBy
    I(1136,1137,1112,870,1,15,2,1,0,0,0), // metsAtDxBone
    I(1138,1139,1113,871,1,15,2,1,0,0,0), // metsAtDxBrain
    I(1140,1217,1114,872,1,15,2,1,0,0,0), // metsAtDxDistantLn
    I(1142,1143,1115,873,1,15,2,1,0,0,0), // metsAtDxLiver
    I(1144,1145,1116,874,1,15,2,1,0,0,0), // metsAtDxLung
    I(1146,1147,1117,875,1,15,2,1,0,0,0), // metsAtDxOther
    I(1148,1149,752,876,3,15,2,1,0,0,0), // tumorSizeClinical
    I(1150,1151,754,879,3,15,2,1,0,0,0), // tumorSizePathologic
    I(1152,1153,756,882,3,15,2,1,0,0,0), // tumorSizeSummary
    I(1154,1155,3605,885,5,15,2,0,0,0,0), // derivedSeerPathStgGrp
    I(1156,1157,3610,890,5,15,2,0,0,0,0), // derivedSeerClinStgGrp
    I(1158,1159,3614,895,5,15,2,0,0,0,0), // derivedSeerCmbStgGrp
    I(1160,1161,3616,900,5,15,2,0,0,0,0), // derivedSeerCombinedT
    I(1162,1163,3618,905,5,15,2,0,0,0,0), // derivedSeerCombinedN
    I(1164,1165,3620,910,5,15,2,0,0,0,0), // derivedSeerCombinedM
    I(1166,1167,3622,915,1,15,2,1,0,0,0), // derivedSeerCmbTSrc
    I(1168,1169,3624,916,1,15,2,1,0,0,0), // derivedSeerCmbNSrc
    I(1170,1171,3626,917,1,15,2,1,0,0,0), // derivedSeerCmbMSrc
    I(1218,1219,772,918,3,15,2,0,0,0,0), // eodPrimaryTumor
    I(1220,1221,774,921,3,15,2,0,0,0,0), // eodRegionalNodes
    I(1222,1223,776,924,2,15,2,0,0,0,0), // eodMets
    I(1224,1225,785,926,15,15,2,0,0,0,0), // derivedEod2018T
    I(1226,1227,815,941,15,15,2,0,0,0,0), // derivedEod2018N
    I(1228,1229,795,956,15,15,2,0,0,0,0), // derivedEod2018M
    I(1230,1231,818,971,15,15,2,0,0,0,0), // derivedEod2018StageGroup
    I(1232,1233,762,986,1,15,2,1,0,0,0), // derivedSummaryStage2018
    I(1234,1235,764,987,1,15,2,1,0,0,0), // summaryStage2018
    I(250,251,759,988,1,15,2,1,0,0,0), // seerSummaryStage2000
    I(252,253,760,989,1,15,2,1,0,0,0), // seerSummaryStage1977
    I(254,255,780,990,3,15,2,1,3,0,0), // eodTumorSize
    I(256,257,790,993,2,15,2,1,3,0,0), // eodExtension
    I(258,259,800,995,2,15,2,1,3,0,0), // eodExtensionProstPath
    I(260,261,810,997,1,15,2,0,0,0,0), // eodLymphNodeInvolv
    I(262,263,820,998,2,15,2,1,3,0,0), // regionalNodesPositive
    I(264,265,830,1000,2,15,2,1,3,0,0), // regionalNodesExamined
    I(1236,1237,682,1002,8,15,2,5,0,0,0), // dateRegionalLNDissection
    I(1238,1239,683,1010,2,15,2,1,0,0,0), // dateRegionalLNDissectionFlag
    I(1240,1241,835,1012,2,15,2,1,3,0,0), // sentinelLymphNodesPositive
    I(1242,1243,834,1014,2,15,2,1,3,0,0), // sentinelLymphNodesExamined
    I(1244,1245,832,1016,8,15,2,5,0,0,0), // dateSentinelLymphNodeBiopsy
    I(1246,1247,833,1024,2,15,2,1,0,0,0), // dateSentinelLymphNodeBiopsyFlag
    I(266,267,840,1026,13,15,2,0,0,0,0), // eodOld13Digit
    I(268,269,850,1039,2,15,2,0,0,0,0), // eodOld2Digit
    I(270,271,860,1041,4,15,2,0,0,0,0), // eodOld4Digit
    I(272,273,870,1045,1,15,2,1,0,0,0), // codingSystemForEod
    I(274,275,1060,1046,2,15,2,0,3,0,0), // tnmEditionNumber
    I(276,277,880,1048,4,15,2,0,0,0,0), // tnmPathT
    I(278,279,890,1052,4,15,2,0,0,0,0), // tnmPathN
    I(280,281,900,1056,4,15,2,0,0,0,0), // tnmPathM
    I(282,283,910,1060,4,15,2,0,0,0,0), // tnmPathStageGroup
    I(284,285,920,1064,1,15,2,1,0,0,0), // tnmPathDescriptor
    I(288,289,940,1065,4,15,2,0,0,0,0), // tnmClinT
    I(290,291,950,1069,4,15,2,0,0,0,0), // tnmClinN
    I(292,293,960,1073,4,15,2,0,0,0,0), // tnmClinM
    I(294,295,970,1077,4,15,2,0,0,0,0), // tnmClinStageGroup
    I(296,297,980,1081,1,15,2,1,0,0,0), // tnmClinDescriptor
    I(1248,1249,1001,1082,15,15,2,0,0,0,0), // ajccTnmClinT
    I(1250,1251,1031,1097,4,15,2,0,0,0,0), // ajccTnmClinTSuffix
    I(1252,1253,1002,1101,15,15,2,0,0,0,0), // ajccTnmClinN
    I(1254,1255,1034,1116,4,15,2,0,0,0,0), // ajccTnmClinNSuffix
    I(1256,1257,1003,1120,15,15,2,0,0,0,0), // ajccTnmClinM
    I(1258,1259,1004,1135,15,15,2,0,0,0,0), // ajccTnmClinStageGroup
    I(1260,1261,1011,1150,15,15,2,0,0,0,0), // ajccTnmPathT
    I(1262,1263,1032,1165,4,15,2,0,0,0,0), // ajccTnmPathTSuffix
    I(1264,1265,1012,1169,15,15,2,0,0,0,0), // ajccTnmPathN
    I(1266,1267,1035,1184,4,15,2,0,0,0,0), // ajccTnmPathNSuffix
    I(1268,1269,1013,1188,15,15,2,0,0,0,0), // ajccTnmPathM
    I(1270,1271,1014,1203,15,15,2,0,0,0,0), // ajccTnmPathStageGroup
    I(1272,1273,1021,1218,15,15,2,0,0,0,0), // ajccTnmPostTherapyT
    I(1274,1275,1033,1233,4,15,2,0,0,0,0), // ajccTnmPostTherapyTSuffix
    I(1276,1277,1022,1237,15,15,2,0,0,0,0), // ajccTnmPostTherapyN
    I(1278,1279,1036,1252,4,15,2,0,0,0,0), // ajccTnmPostTherapyNSuffix
    I(1280,1281,1023,1256,15,15,2,0,0,0,0), // ajccTnmPostTherapyM
    I(1282,1283,1024,1271,15,15,2,0,0,0,0), // ajccTnmPostTherapyStageGroup
    I(1284,1285,3843,1286,1,15,2,0,0,0,0), // gradeClinical
    I(1286,1287,3844,1287,1,15,2,0,0,0,0), // gradePathological
    I(1288,1289,3845,1288,1,15,2,0,0,0,0), // gradePostTherapy
    I(300,301,1120,1289,2,15,2,0,0,0,0), // pediatricStage
    I(302,303,1130,1291,2,15,2,1,3,0,0), // pediatricStagingSystem
    I(304,305,1140,1293,1,15,2,1,0,0,0), // pediatricStagedBy
    I(306,307,1150,1294,1,15,2,1,0,0,0), // tumorMarker1
    I(308,309,1160,1295,1,15,2,1,0,0,0), // tumorMarker2
    I(310,311,1170,1296,1,15,2,1,0,0,0), // tumorMarker3
    I(312,1290,1182,1297,1,15,2,1,0,0,0), // lymphVascularInvasion
    I(314,315,2800,1298,3,15,2,1,3,0,0), // csTumorSize
    I(316,317,2810,1301,3,15,2,1,3,0,0), // csExtension
    I(318,319,2820,1304,1,15,2,1,0,0,0), // csTumorSizeExtEval
    I(320,321,2830,1305,3,15,2,1,3,0,0), // csLymphNodes
    I(322,323,2840,1308,1,15,2,1,0,0,0), // csLymphNodesEval
    I(324,325,2850,1309,2,15,2,1,3,0,0), // csMetsAtDx
    I(326,327,2860,1311,1,15,2,1,0,0,0), // csMetsEval
    I(328,329,2851,1312,1,15,2,1,0,0,0), // csMetsAtDxBone
    I(330,331,2852,1313,1,15,2,1,0,0,0), // csMetsAtDxBrain
    I(332,333,2853,1314,1,15,2,1,0,0,0), // csMetsAtDxLiver
    I(334,335,2854,1315,1,15,2,1,0,0,0), // csMetsAtDxLung
    I(336,337,2880,1316,3,15,2,1,3,0,0), // csSiteSpecificFactor1
    I(338,339,2890,1319,3,15,2,1,3,0,0), // csSiteSpecificFactor2
    I(340,341,2900,1322,3,15,2,1,3,0,0), // csSiteSpecificFactor3
    I(342,343,2910,1325,3,15,2,1,3,0,0), // csSiteSpecificFactor4
    I(344,345,2920,1328,3,15,2,1,3,0,0), // csSiteSpecificFactor5
    I(346,347,2930,1331,3,15,2,1,3,0,0), // csSiteSpecificFactor6
    I(348,349,2861,1334,3,15,2,1,3,0,0), // csSiteSpecificFactor7
    I(350,351,2862,1337,3,15,2,1,3,0,0), // csSiteSpecificFactor8
    I(352,353,2863,1340,3,15,2,1,3,0,0), // csSiteSpecificFactor9
    I(354,355,2864,1343,3,15,2,1,3,0,0), // csSiteSpecificFactor10
    I(356,357,2865,1346,3,15,2,1,3,0,0), // csSiteSpecificFactor11
    I(358,359,2866,1349,3,15,2,1,3,0,0), // csSiteSpecificFactor12
    I(360,361,2867,1352,3,15,2,1,3,0,0), // csSiteSpecificFactor13
    I(362,363,2868,1355,3,15,2,1,3,0,0), // csSiteSpecificFactor14
    I(364,365,2869,1358,3,15,2,1,3,0,0), // csSiteSpecificFactor15
    I(366,367,2870,1361,3,15,2,1,3,0,0), // csSiteSpecificFactor16
    I(368,369,2871,1364,3,15,2,1,3,0,0), // csSiteSpecificFactor17
    I(370,371,2872,1367,3,15,2,1,3,0,0), // csSiteSpecificFactor18
    I(372,373,2873,1370,3,15,2,1,3,0,0), // csSiteSpecificFactor19
    I(374,375,2874,1373,3,15,2,1,3,0,0), // csSiteSpecificFactor20
    I(376,377,2875,1376,3,15,2,1,3,0,0), // csSiteSpecificFactor21
    I(378,379,2876,1379,3,15,2,1,3,0,0), // csSiteSpecificFactor22
    I(380,381,2877,1382,3,15,2,1,3,0,0), // csSiteSpecificFactor23
    I(382,383,2878,1385,3,15,2,1,3,0,0), // csSiteSpecificFactor24
    I(384,385,2879,1388,3,15,2,1,3,0,0), // csSiteSpecificFactor25
    I(408,409,2940,1391,2,15,2,1,0,0,0), // derivedAjcc6T
    I(410,411,2950,1393,1,15,2,0,0,0,0), // derivedAjcc6TDescript
    I(412,413,2960,1394,2,15,2,1,0,0,0), // derivedAjcc6N
    I(414,415,2970,1396,1,15,2,0,0,0,0), // derivedAjcc6NDescript
    I(416,417,2980,1397,2,15,2,1,0,0,0), // derivedAjcc6M
    I(418,419,2990,1399,1,15,2,0,0,0,0), // derivedAjcc6MDescript
    I(420,421,3000,1400,2,15,2,1,0,0,0), // derivedAjcc6StageGrp
    I(422,423,3400,1402,3,15,2,1,3,0,0), // derivedAjcc7T
    I(424,425,3402,1405,1,15,2,0,0,0,0), // derivedAjcc7TDescript
    I(426,427,3410,1406,3,15,2,1,3,0,0), // derivedAjcc7N
    I(428,429,3412,1409,1,15,2,0,0,0,0), // derivedAjcc7NDescript
    I(430,431,3420,1410,3,15,2,1,3,0,0), // derivedAjcc7M
    I(432,433,3422,1413,1,15,2,0,0,0,0), // derivedAjcc7MDescript
    I(434,435,3430,1414,3,15,2,1,3,0,0), // derivedAjcc7StageGrp
    I(436,437,3440,1417,3,15,2,1,3,0,0), // derivedPrerx7T
    I(438,439,3442,1420,1,15,2,0,0,0,0), // derivedPrerx7TDescrip
    I(440,441,3450,1421,3,15,2,1,3,0,0), // derivedPrerx7N
    I(442,443,3452,1424,1,15,2,0,0,0,0), // derivedPrerx7NDescrip
    I(444,445,3460,1425,3,15,2,1,3,0,0), // derivedPrerx7M
    I(446,447,3462,1428,1,15,2,0,0,0,0), // derivedPrerx7MDescrip
    I(448,449,3470,1429,3,15,2,1,3,0,0), // derivedPrerx7StageGrp
    I(450,451,3480,1432,3,15,2,1,3,0,0), // derivedPostrx7T
    I(452,453,3482,1435,3,15,2,1,3,0,0), // derivedPostrx7N
    I(454,455,3490,1438,2,15,2,1,3,0,0), // derivedPostrx7M
    I(456,457,3492,1440,3,15,2,1,3,0,0), // derivedPostrx7StgeGrp
    I(458,459,3010,1443,1,15,2,1,0,0,0), // derivedSs1977
    I(460,461,3020,1444,1,15,2,1,0,0,0), // derivedSs2000
    I(462,463,3600,1445,1,15,2,1,0,0,0), // derivedNeoadjuvRxFlag
    I(464,465,3030,1446,1,15,2,1,0,0,0), // derivedAjccFlag
    I(466,467,3040,1447,1,15,2,1,0,0,0), // derivedSs1977Flag
    I(468,469,3050,1448,1,15,2,1,0,0,0), // derivedSs2000Flag
    I(1182,1183,3650,1449,4,15,2,0,0,0,0), // npcrDerivedClinStgGrp
    I(1184,1185,3655,1453,4,15,2,0,0,0,0), // npcrDerivedPathStgGrp
    I(1291,1292,3645,1457,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmClinStgGrp
    I(1293,1294,3646,1472,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmPathStgGrp
    I(1295,1296,3647,1487,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmPostStgGrp
    I(470,471,2937,1502,6,15,2,1,0,0,0), // csVersionInputCurrent
    I(472,473,2935,1508,6,15,2,1,0,0,0), // csVersionInputOriginal
    I(474,475,2936,1514,6,15,2,0,0,0,0), // csVersionDerived
    I(476,477,3700,1520,1,15,2,1,0,0,0), // seerSiteSpecificFact1
    I(478,479,3702,1521,1,15,2,1,0,0,0), // seerSiteSpecificFact2
    I(480,481,3704,1522,1,15,2,1,0,0,0), // seerSiteSpecificFact3
    I(482,483,3706,1523,1,15,2,1,0,0,0), // seerSiteSpecificFact4
    I(484,485,3708,1524,1,15,2,1,0,0,0), // seerSiteSpecificFact5
    I(486,487,3710,1525,1,15,2,1,0,0,0), // seerSiteSpecificFact6
    I(488,489,3165,1526,1,15,2,1,0,0,0), // icdRevisionComorbid
    I(490,491,3110,1527,5,15,2,3,2,0,0), // comorbidComplication1
    I(492,493,3120,1532,5,15,2,3,2,0,0), // comorbidComplication2
    I(494,495,3130,1537,5,15,2,3,2,0,0), // comorbidComplication3
    I(496,497,3140,1542,5,15,2,3,2,0,0), // comorbidComplication4
    I(498,499,3150,1547,5,15,2,3,2,0,0), // comorbidComplication5
    I(500,501,3160,1552,5,15,2,3,2,0,0), // comorbidComplication6
    I(502,503,3161,1557,5,15,2,3,2,0,0), // comorbidComplication7
    I(504,505,3162,1562,5,15,2,3,2,0,0), // comorbidComplication8
    I(506,507,3163,1567,5,15,2,3,2,0,0), // comorbidComplication9
    I(508,509,3164,1572,5,15,2,3,2,0,0), // comorbidComplication10
    I(510,511,3780,1577,7,15,2,0,0,0,0), // secondaryDiagnosis1
    I(512,513,3782,1584,7,15,2,0,0,0,0), // secondaryDiagnosis2
    I(514,515,3784,1591,7,15,2,0,0,0,0), // secondaryDiagnosis3
    I(516,517,3786,1598,7,15,2,0,0,0,0), // secondaryDiagnosis4
    I(518,519,3788,1605,7,15,2,0,0,0,0), // secondaryDiagnosis5
    I(520,521,3790,1612,7,15,2,0,0,0,0), // secondaryDiagnosis6
    I(522,523,3792,1619,7,15,2,0,0,0,0), // secondaryDiagnosis7
    I(524,525,3794,1626,7,15,2,0,0,0,0), // secondaryDiagnosis8
    I(526,527,3796,1633,7,15,2,0,0,0,0), // secondaryDiagnosis9
    I(528,529,3798,1640,7,15,2,0,0,0,0), // secondaryDiagnosis10
    U(530,531,3720,1647,75,15,2,0,0,1,0), // npcrSpecificField
    I(1297,1298,995,1722,4,15,2,0,0,0,0), // ajccId
    I(1299,1300,3800,1726,5,15,2,0,0,0,0), // schemaId
    I(1301,1302,3926,1731,1,15,2,0,0,0,0), // schemaDiscriminator1
    I(1303,1304,3927,1732,1,15,2,0,0,0,0), // schemaDiscriminator2
    I(1305,1306,3928,1733,1,15,2,0,0,0,0), // schemaDiscriminator3
    I(1307,1308,3908,1734,5,15,2,0,1,0,0), // percentNecrosisPostNeoadjuvant
    U(214,215,2400,1739,1,15,2,0,0,1,0), // reserved15
    I(1309,1310,3801,1740,1,15,2,1,0,0,0), // chromosome1pLossHeterozygosity
    I(1311,1312,3802,1741,1,15,2,1,0,0,0), // chromosome19qLossHeterozygosity
    I(1313,1314,3889,1742,1,15,2,1,0,0,0), // methylationOfO6MGMT
    I(1315,1316,3827,1743,1,15,2,1,0,0,0), // estrogenReceptorSummary
    I(1317,1318,3855,1744,1,15,2,1,0,0,0), // her2OverallSummary
    I(1319,1320,3882,1745,2,15,2,0,0,0,0), // lnPositiveAxillaryLevel1To2
    I(1321,1322,3894,1747,1,15,2,1,0,0,0), // multigeneSignatureMethod
    I(1323,1324,3895,1748,2,15,2,0,0,0,0), // multigeneSignatureResults
    I(1325,1326,3915,1750,1,15,2,1,0,0,0), // progesteroneRecepSummary
    I(1327,1328,3922,1751,1,15,2,1,0,0,0), // responseToNeoadjuvantTherapy
    I(1329,1330,3826,1752,3,15,2,0,0,0,0), // estrogenReceptorPercntPosOrRange
    I(1331,1332,3828,1755,2,15,2,0,0,0,0), // estrogenReceptorTotalAllredScore
    I(1333,1334,3850,1757,1,15,2,1,0,0,0), // her2IhcSummary
    I(1335,1336,3851,1758,4,15,2,0,1,0,0), // her2IshDualProbeCopyNumber
    I(1337,1338,3852,1762,4,15,2,0,1,0,0), // her2IshDualProbeRatio
    I(1339,1340,3853,1766,4,15,2,0,1,0,0), // her2IshSingleProbeCopyNumber
    I(1341,1342,3854,1770,1,15,2,1,0,0,0), // her2IshSummary
    I(1343,1344,3863,1771,5,15,2,0,1,0,0), // ki67
    I(1345,1346,3903,1776,3,15,2,0,3,0,0), // oncotypeDxRecurrenceScoreDcis
    I(1347,1348,3904,1779,3,15,2,0,3,0,0), // oncotypeDxRecurrenceScoreInvasiv
    I(1349,1350,3905,1782,1,15,2,1,0,0,0), // oncotypeDxRiskLevelDcis
    I(1351,1352,3906,1783,1,15,2,1,0,0,0), // oncotypeDxRiskLevelInvasive
    I(1353,1354,3914,1784,3,15,2,0,0,0,0), // progesteroneRecepPrcntPosOrRange
    I(1355,1356,3916,1787,2,15,2,0,0,0,0), // progesteroneRecepTotalAllredScor
    I(1357,1358,3819,1789,1,15,2,1,0,0,0), // ceaPretreatmentInterpretation
    I(1359,1360,3820,1790,6,15,2,0,1,0,0), // ceaPretreatmentLabValue
    I(1361,1362,3823,1796,4,15,2,0,1,0,0), // circumferentialResectionMargin
    I(1363,1364,3866,1800,1,15,2,1,0,0,0), // kras
    I(1365,1366,3890,1801,1,15,2,1,0,0,0), // microsatelliteInstability
    I(1367,1368,3909,1802,1,15,2,1,0,0,0), // perineuralInvasion
    I(1369,1370,3934,1803,2,15,2,0,0,0,0), // tumorDeposits
    I(1371,1372,3901,1805,2,15,2,0,0,0,0), // numberOfPositiveParaAorticNodes
    I(1373,1374,3899,1807,2,15,2,0,0,0,0), // numberOfExaminedParaAorticNodes
    I(1375,1376,3902,1809,2,15,2,0,0,0,0), // numberOfPositivePelvicNodes
    I(1377,1378,3900,1811,2,15,2,0,0,0,0), // numberOfExaminedPelvicNodes
    I(1379,1380,3911,1813,1,15,2,1,0,0,0), // peritonealCytology
    I(1381,1382,3829,1814,1,15,2,1,0,0,0), // esophagusAndEgjTumorEpicenter
    I(1383,1384,3865,1815,1,15,2,1,0,0,0), // kitGeneImmunohistochemistry
    I(1385,1386,3836,1816,2,15,2,1,0,0,0), // figoStage
    I(1387,1388,3831,1818,1,15,2,1,0,0,0), // extranodalExtensionHeadNeckClin
    I(1389,1390,3832,1819,3,15,2,0,0,0,0), // extranodalExtensionHeadNeckPath
    I(1391,1392,3876,1822,1,15,2,1,0,0,0), // lnHeadAndNeckLevels1To3
    I(1393,1394,3877,1823,1,15,2,1,0,0,0), // lnHeadAndNeckLevels4To5
    I(1395,1396,3878,1824,1,15,2,1,0,0,0), // lnHeadAndNeckLevels6To7
    I(1397,1398,3879,1825,1,15,2,1,0,0,0), // lnHeadAndNeckOther
    I(1399,1400,3883,1826,4,15,2,0,1,0,0), // lnSize
    I(1401,1402,3862,1830,1,15,2,1,0,0,0), // jak2
    I(1403,1404,3917,1831,1,15,2,1,0,0,0), // primarySclerosingCholangitis
    I(1405,1406,3935,1832,1,15,2,1,0,0,0), // tumorGrowthPattern
    I(1407,1408,3861,1833,1,15,2,1,0,0,0), // ipsilateralAdrenalGlandInvolve
    I(1409,1410,3864,1834,1,15,2,1,0,0,0), // invasionBeyondCapsule
    I(1411,1412,3886,1835,1,15,2,1,0,0,0), // majorVeinInvolvement
    I(1413,1414,3925,1836,3,15,2,0,0,0,0), // sarcomatoidFeatures
    I(1415,1416,3803,1839,5,15,2,0,1,0,0), // adenoidCysticBasaloidPattern
    I(1417,1418,3809,1844,1,15,2,1,0,0,0), // afpPretreatmentInterpretation
    I(1419,1420,3810,1845,6,15,2,0,1,0,0), // afpPretreatmentLabValue
    I(1421,1422,3813,1851,5,15,2,0,1,0,0), // bilirubinPretxTotalLabValue
    I(1423,1424,3814,1856,1,15,2,1,0,0,0), // bilirubinPretxUnitOfMeasure
    I(1425,1426,3824,1857,4,15,2,0,1,0,0), // creatininePretreatmentLabValue
    I(1427,1428,3825,1861,1,15,2,1,0,0,0), // creatininePretxUnitOfMeasure
    I(1429,1430,3835,1862,1,15,2,1,0,0,0), // fibrosisScore
    I(1431,1432,3860,1863,3,15,2,0,0,0,0), // iNRProthrombinTime
    I(1433,1434,3929,1866,1,15,2,1,0,0,0), // separateTumorNodules
    I(1435,1436,3937,1867,1,15,2,1,0,0,0), // visceralParietalPleuralInvasion
    I(1437,1438,3812,1868,1,15,2,1,0,0,0), // bSymptoms
    I(1439,1440,3859,1869,1,15,2,1,0,0,0), // hivStatus
    I(1441,1442,3896,1870,2,15,2,0,0,0,0), // nccnInternationalPrognosticIndex
    I(1443,1444,3893,1872,2,15,2,0,0,0,0), // mitoticRateMelanoma
    I(1445,1446,3821,1874,1,15,2,1,0,0,0), // chromosome3Status
    I(1447,1448,3822,1875,1,15,2,0,0,0,0), // chromosome8qStatus
    I(1449,1450,3834,1876,1,15,2,1,0,0,0), // extravascularMatrixPatterns
    I(1451,1452,3887,1877,4,15,2,0,1,0,0), // measuredBasalDiameter
    I(1453,1454,3888,1881,4,15,2,0,1,0,0), // measuredThickness
    I(1455,1456,3891,1885,2,15,2,0,0,0,0), // microvascularDensity
    I(1457,1458,3892,1887,4,15,2,0,1,0,0), // mitoticCountUvealMelanoma
    I(1459,1460,3817,1891,4,15,2,0,1,0,0), // breslowTumorThickness
    I(1461,1462,3870,1895,3,15,2,0,0,0,0), // ldhUpperLimitsOfNormal
    I(1463,1464,3932,1898,7,15,2,0,1,0,0), // ldhPretreatmentLabValue
    I(1465,1466,3936,1905,1,15,2,1,0,0,0), // ulceration
    I(1467,1468,3880,1906,1,15,2,1,0,0,0), // lnIsolatedTumorCells
    I(1469,1470,3918,1907,1,15,2,1,0,0,0), // profoundImmuneSuppression
    I(1471,1472,3910,1908,1,15,2,1,0,0,0), // peripheralBloodInvolvement
    I(1473,1474,3856,1909,1,15,2,1,0,0,0), // heritableTrait
    I(1475,1476,3804,1910,1,15,2,1,0,0,0), // adenopathy
    I(1477,1478,3811,1911,1,15,2,1,0,0,0), // anemia
    I(1479,1480,3885,1912,1,15,2,1,0,0,0), // lymphocytosis
    I(1481,1482,3907,1913,1,15,2,1,0,0,0), // organomegaly
    I(1483,1484,3933,1914,1,15,2,1,0,0,0), // thrombocytopenia
    I(1485,1486,3857,1915,1,15,2,0,0,0,0), // highRiskCytogenetics
    I(1487,1488,3869,1916,1,15,2,1,0,0,0), // ldhPretreatmentLevel
    I(1489,1490,3930,1917,1,15,2,1,0,0,0), // serumAlbuminPretreatmentLevel
    I(1491,1492,3931,1918,1,15,2,1,0,0,0), // serumBeta2MicroglobulinPretxLvl
    I(1493,1494,3818,1919,1,15,2,1,0,0,0), // ca125PretreatmentInterpretation
    I(1495,1496,3921,1920,2,15,2,1,0,0,0), // residualTumVolPostCytoreduction
    I(1497,1498,3830,1922,1,15,2,1,0,0,0), // extranodalExtensionClin
    I(1499,1500,3833,1923,1,15,2,1,0,0,0), // extranodalExtensionPath
    I(1501,1502,3837,1924,2,15,2,0,0,0,0), // gestationalTrophoblasticPxIndex
    I(1503,1504,3913,1926,1,15,2,1,0,0,0), // pleuralEffusion
    I(1505,1506,3838,1927,2,15,2,0,0,0,0), // gleasonPatternsClinical
    I(1507,1508,3839,1929,2,15,2,0,0,0,0), // gleasonPatternsPathological
    I(1509,1510,3840,1931,2,15,2,0,0,0,0), // gleasonScoreClinical
    I(1511,1512,3841,1933,2,15,2,0,0,0,0), // gleasonScorePathological
    I(1513,1514,3842,1935,2,15,2,0,0,0,0), // gleasonTertiaryPattern
    I(1515,1516,3897,1937,2,15,2,0,0,0,0), // numberOfCoresExamined
    I(1517,1518,3898,1939,2,15,2,0,0,0,0), // numberOfCoresPositive
    I(1519,1520,3919,1941,3,15,2,0,0,0,0), // prostatePathologicalExtension
    I(1521,1522,3920,1944,5,15,2,0,1,0,0), // psaLabValue
    I(1523,1524,3858,1949,1,15,2,1,0,0,0), // highRiskHistologicFeatures
    I(1525,1526,3815,1950,1,15,2,1,0,0,0), // boneInvasion
    I(1527,1528,3807,1951,7,15,2,0,1,0,0), // afpPreOrchiectomyLabValue
    I(1529,1530,3808,1958,1,15,2,1,0,0,0), // afpPreOrchiectomyRange
    I(1531,1532,3805,1959,7,15,2,0,1,0,0), // afpPostOrchiectomyLabValue
    I(1533,1534,3806,1966,1,15,2,1,0,0,0), // afpPostOrchiectomyRange
    I(1535,1536,3848,1967,7,15,2,0,1,0,0), // hcgPreOrchiectomyLabValue
    I(1537,1538,3849,1974,1,15,2,1,0,0,0), // hcgPreOrchiectomyRange
    I(1539,1540,3846,1975,7,15,2,0,1,0,0), // hcgPostOrchiectomyLabValue
    I(1541,1542,3847,1982,1,15,2,1,0,0,0), // hcgPostOrchiectomyRange
    I(1543,1544,3868,1983,1,15,2,1,0,0,0), // ldhPreOrchiectomyRange
    I(1545,1546,3867,1984,1,15,2,1,0,0,0), // ldhPostOrchiectomyRange
    I(1547,1548,3923,1985,1,15,2,1,0,0,0), // sCategoryClinical
    I(1549,1550,3924,1986,1,15,2,1,0,0,0), // sCategoryPathological
    I(1551,1552,3872,1987,1,15,2,1,0,0,0), // lnAssessMethodParaaortic
    I(1553,1554,3873,1988,1,15,2,1,0,0,0), // lnAssessMethodPelvic
    I(1555,1556,3874,1989,1,15,2,1,0,0,0), // lnDistantAssessMethod
    I(1557,1558,3875,1990,1,15,2,1,0,0,0), // lnDistantMediastinalScalene
    I(1559,1560,3884,1991,1,15,2,1,0,0,0), // lnStatusFemorInguinParaaortPelv
    I(1561,1562,3871,1992,1,15,2,1,0,0,0), // lnAssessMethodFemoralInguinal
    I(1563,1564,3881,1993,1,15,2,1,0,0,0), // lnLaterality
    I(1565,1566,3816,1994,2,15,2,1,0,0,0), // brainMolecularMarkers
    U(532,533,1180,1996,98,15,2,0,0,1,0), // reserved05
    I(534,535,1260,2094,8,15,2,5,0,0,0), // dateInitialRxSeer
    I(536,537,1261,2102,2,15,2,1,0,0,0), // dateInitialRxSeerFlag
    I(538,539,1270,2104,8,15,2,5,0,0,0), // date1stCrsRxCoc
    I(540,541,1271,2112,2,15,2,1,0,0,0), // date1stCrsRxCocFlag
    I(542,543,1200,2114,8,15,2,5,0,0,0), // rxDateSurgery
    I(544,545,1201,2122,2,15,2,1,0,0,0), // rxDateSurgeryFlag
    I(546,1567,3170,2124,8,15,2,5,0,0,0), // rxDateMostDefinSurg
    I(548,1568,3171,2132,2,15,2,1,0,0,0), // rxDateMostDefinSurgFlag
    I(550,1569,3180,2134,8,15,2,5,0,0,0), // rxDateSurgicalDisch
    I(552,1570,3181,2142,2,15,2,1,0,0,0), // rxDateSurgicalDischFlag
    I(554,555,1210,2144,8,15,2,5,0,0,0), // rxDateRadiation
    I(556,557,1211,2152,2,15,2,1,0,0,0), // rxDateRadiationFlag
    I(558,1571,3220,2154,8,15,2,5,0,0,0), // rxDateRadiationEnded
    I(560,1572,3221,2162,2,15,2,1,0,0,0), // rxDateRadiationEndedFlag
    I(562,563,3230,2164,8,15,2,5,0,0,0), // rxDateSystemic
    I(564,565,3231,2172,2,15,2,1,0,0,0), // rxDateSystemicFlag
    I(566,567,1220,2174,8,15,2,5,0,0,0), // rxDateChemo
    I(568,569,1221,2182,2,15,2,1,0,0,0), // rxDateChemoFlag
    I(570,571,1230,2184,8,15,2,5,0,0,0), // rxDateHormone
    I(572,573,1231,2192,2,15,2,1,0,0,0), // rxDateHormoneFlag
    I(574,575,1240,2194,8,15,2,5,0,0,0), // rxDateBrm
    I(576,577,1241,2202,2,15,2,1,0,0,0), // rxDateBrmFlag
    I(578,579,1250,2204,8,15,2,5,0,0,0), // rxDateOther
    I(580,581,1251,2212,2,15,2,1,0,0,0), // rxDateOtherFlag
    I(582,583,1280,2214,8,15,2,5,0,0,0), // rxDateDxStgProc
    I(584,585,1281,2222,2,15,2,1,0,0,0), // rxDateDxStgProcFlag
    I(586,587,1285,2224,1,15,2,1,0,0,0), // rxSummTreatmentStatus
    I(588,589,1290,2225,2,15,2,1,3,0,0), // rxSummSurgPrimSite
    I(590,591,1292,2227,1,15,2,1,0,0,0), // rxSummScopeRegLnSur
    I(592,593,1294,2228,1,15,2,1,0,0,0), // rxSummSurgOthRegDis
    I(594,595,1296,2229,2,15,2,1,3,0,0), // rxSummRegLnExamined
    I(596,597,1310,2231,1,15,2,1,0,0,0), // rxSummSurgicalApproch
    I(598,599,1320,2232,1,15,2,1,0,0,0), // rxSummSurgicalMargins
    I(600,601,1330,2233,1,15,2,1,0,0,0), // rxSummReconstruct1st
    I(602,603,1340,2234,1,15,2,1,0,0,0), // reasonForNoSurgery
    I(604,605,1350,2235,2,15,2,1,3,0,0), // rxSummDxStgProc
    I(606,607,3270,2237,1,15,2,1,0,0,0), // rxSummPalliativeProc
    I(608,609,1360,2238,1,15,2,1,0,0,0), // rxSummRadiation
    I(610,611,1370,2239,1,15,2,1,0,0,0), // rxSummRadToCns
    I(612,613,1380,2240,1,15,2,1,0,0,0), // rxSummSurgRadSeq
    I(614,615,3250,2241,2,15,2,1,3,0,0), // rxSummTransplntEndocr
    I(616,617,1390,2243,2,15,2,1,3,0,0), // rxSummChemo
    I(618,619,1400,2245,2,15,2,1,3,0,0), // rxSummHormone
    I(620,621,1410,2247,2,15,2,1,3,0,0), // rxSummBrm
    I(622,623,1420,2249,1,15,2,1,0,0,0), // rxSummOther
    I(624,625,1430,2250,1,15,2,1,0,0,0), // reasonForNoRadiation
    I(626,627,1460,2251,2,15,2,1,3,0,0), // rxCodingSystemCurrent
    I(630,631,1510,2253,5,15,2,1,3,0,0), // radRegionalDoseCgy
    I(632,633,1520,2258,3,15,2,1,3,0,0), // radNoOfTreatmentVol
    I(634,635,1540,2261,2,15,2,1,3,0,0), // radTreatmentVolume
    I(636,637,1550,2263,1,15,2,1,0,0,0), // radLocationOfRx
    I(638,639,1570,2264,2,15,2,1,3,0,0), // radRegionalRxModality
    I(640,641,3200,2266,2,15,2,1,3,0,0), // radBoostRxModality
    I(642,643,3210,2268,5,15,2,1,3,0,0), // radBoostDoseCgy
    I(644,645,1639,2273,1,15,2,1,0,0,0), // rxSummSystemicSurSeq
    I(646,647,1640,2274,2,15,2,1,3,0,0), // rxSummSurgeryType
    I(648,649,3190,2276,1,15,2,1,0,0,0), // readmSameHosp30Days
    I(650,651,1646,2277,2,15,2,1,3,0,0), // rxSummSurgSite9802
    I(652,653,1647,2279,1,15,2,1,0,0,0), // rxSummScopeReg9802
    I(654,655,1648,2280,1,15,2,1,0,0,0), // rxSummSurgOth9802
    I(1573,1574,1504,2281,2,15,2,0,0,0,0), // phase1RadiationPrimaryTxVolume
    I(1575,1576,1505,2283,2,15,2,1,0,0,0), // phase1RadiationToDrainingLN
    I(1577,1578,1506,2285,2,15,2,1,0,0,0), // phase1RadiationTreatmentModality
    I(1579,1580,1502,2287,2,15,2,1,0,0,0), // phase1RadiationExternalBeamTech
    I(1581,1582,1501,2289,5,15,2,1,3,0,0), // phase1DosePerFraction
    I(1583,1584,1503,2294,3,15,2,1,3,0,0), // phase1NumberOfFractions
    I(1585,1586,1507,2297,6,15,2,1,3,0,0), // phase1TotalDose
    I(1587,1588,1514,2303,2,15,2,1,0,0,0), // phase2RadiationPrimaryTxVolume
    I(1589,1590,1515,2305,2,15,2,1,0,0,0), // phase2RadiationToDrainingLN
    I(1591,1592,1516,2307,2,15,2,1,0,0,0), // phase2RadiationTreatmentModality
    I(1593,1594,1512,2309,2,15,2,1,0,0,0), // phase2RadiationExternalBeamTech
    I(1595,1596,1511,2311,5,15,2,1,0,0,0), // phase2DosePerFraction
    I(1597,1598,1513,2316,3,15,2,1,3,0,0), // phase2NumberOfFractions
    I(1599,1600,1517,2319,6,15,2,1,3,0,0), // phase2TotalDose
    I(1601,1602,1524,2325,2,15,2,1,0,0,0), // phase3RadiationPrimaryTxVolume
    I(1603,1604,1525,2327,2,15,2,1,0,0,0), // phase3RadiationToDrainingLN
    I(1605,1606,1526,2329,2,15,2,1,0,0,0), // phase3RadiationTreatmentModality
    I(1607,1608,1522,2331,2,15,2,1,0,0,0), // phase3RadiationExternalBeamTech
    I(1609,1610,1521,2333,5,15,2,1,0,0,0), // phase3DosePerFraction
    I(1611,1612,1523,2338,3,15,2,1,3,0,0), // phase3NumberOfFractions
    I(1613,1614,1527,2341,6,15,2,1,3,0,0), // phase3TotalDose
    I(1615,1616,1532,2347,2,15,2,1,3,0,0), // numberPhasesOfRadTxToVolume
    I(1617,1618,1531,2349,2,15,2,1,0,0,0), // radiationTxDiscontinuedEarly
    I(1619,1620,1533,2351,6,15,2,1,3,0,0), // totalDose
    U(656,657,1190,2357,100,15,2,0,0,1,0), // reserved06
    I(658,659,1660,2457,8,15,2,5,0,0,0), // subsqRx2ndCourseDate
    I(660,661,1661,2465,2,15,2,1,0,0,0), // subsqRx2ndcrsDateFlag
    I(662,663,1671,2467,2,15,2,1,3,0,0), // subsqRx2ndCourseSurg
    I(664,665,1677,2469,1,15,2,1,0,0,0), // subsqRx2ndScopeLnSu
    I(666,667,1678,2470,1,15,2,1,0,0,0), // subsqRx2ndSurgOth
    I(668,669,1679,2471,2,15,2,1,3,0,0), // subsqRx2ndRegLnRem
    I(670,671,1672,2473,1,15,2,1,0,0,0), // subsqRx2ndCourseRad
    I(672,673,1673,2474,1,15,2,1,0,0,0), // subsqRx2ndCourseChemo
    I(674,675,1674,2475,1,15,2,1,0,0,0), // subsqRx2ndCourseHorm
    I(676,677,1675,2476,1,15,2,1,0,0,0), // subsqRx2ndCourseBrm
    I(678,679,1676,2477,1,15,2,1,0,0,0), // subsqRx2ndCourseOth
    I(680,681,1680,2478,8,15,2,5,0,0,0), // subsqRx3rdCourseDate
    I(682,683,1681,2486,2,15,2,1,0,0,0), // subsqRx3rdcrsDateFlag
    I(684,685,1691,2488,2,15,2,1,3,0,0), // subsqRx3rdCourseSurg
    I(686,687,1697,2490,1,15,2,1,0,0,0), // subsqRx3rdScopeLnSu
    I(688,689,1698,2491,1,15,2,1,0,0,0), // subsqRx3rdSurgOth
    I(690,691,1699,2492,2,15,2,1,3,0,0), // subsqRx3rdRegLnRem
    I(692,693,1692,2494,1,15,2,1,0,0,0), // subsqRx3rdCourseRad
    I(694,695,1693,2495,1,15,2,1,0,0,0), // subsqRx3rdCourseChemo
    I(696,697,1694,2496,1,15,2,1,0,0,0), // subsqRx3rdCourseHorm
    I(698,699,1695,2497,1,15,2,1,0,0,0), // subsqRx3rdCourseBrm
    I(700,701,1696,2498,1,15,2,1,0,0,0), // subsqRx3rdCourseOth
    I(702,703,1700,2499,8,15,2,5,0,0,0), // subsqRx4thCourseDate
    I(704,705,1701,2507,2,15,2,1,0,0,0), // subsqRx4thcrsDateFlag
    I(706,707,1711,2509,2,15,2,1,3,0,0), // subsqRx4thCourseSurg
    I(708,709,1717,2511,1,15,2,1,0,0,0), // subsqRx4thScopeLnSu
    I(710,711,1718,2512,1,15,2,1,0,0,0), // subsqRx4thSurgOth
    I(712,713,1719,2513,2,15,2,1,3,0,0), // subsqRx4thRegLnRem
    I(714,715,1712,2515,1,15,2,1,0,0,0), // subsqRx4thCourseRad
    I(716,717,1713,2516,1,15,2,1,0,0,0), // subsqRx4thCourseChemo
    I(718,719,1714,2517,1,15,2,1,0,0,0), // subsqRx4thCourseHorm
    I(720,721,1715,2518,1,15,2,1,0,0,0), // subsqRx4thCourseBrm
    I(722,723,1716,2519,1,15,2,1,0,0,0), // subsqRx4thCourseOth
    I(724,725,1741,2520,1,15,2,1,0,0,0), // subsqRxReconstructDel
    U(726,727,1300,2521,50,15,2,0,0,1,0), // reserved07
    I(728,729,1981,2571,1,15,2,1,0,0,0), // overRideSsNodespos
    I(730,731,1982,2572,1,15,2,1,0,0,0), // overRideSsTnmN
    I(732,733,1983,2573,1,15,2,1,0,0,0), // overRideSsTnmM
    I(734,735,1985,2574,1,15,2,1,0,0,0), // overRideAcsnClassSeq
    I(736,737,1986,2575,1,15,2,1,0,0,0), // overRideHospseqDxconf
    I(738,739,1987,2576,1,15,2,1,0,0,0), // overRideCocSiteType
    I(740,741,1988,2577,1,15,2,1,0,0,0), // overRideHospseqSite
    I(742,743,1989,2578,1,15,2,1,0,0,0), // overRideSiteTnmStggrp
    I(744,745,1990,2579,1,15,2,1,0,0,0), // overRideAgeSiteMorph
    I(1621,1622,1992,2580,1,15,2,1,0,0,0), // overRideTnmStage
    I(1623,1624,1993,2581,1,15,2,1,0,0,0), // overRideTnmTis
    I(1625,1626,1994,2582,1,15,2,1,0,0,0), // overRideTnm3
    I(746,747,2000,2583,1,15,2,1,0,0,0), // overRideSeqnoDxconf
    I(748,749,2010,2584,1,15,2,1,0,0,0), // overRideSiteLatSeqno
    I(750,751,2020,2585,1,15,2,1,0,0,0), // overRideSurgDxconf
    I(752,753,2030,2586,1,15,2,1,0,0,0), // overRideSiteType
    I(754,755,2040,2587,1,15,2,1,0,0,0), // overRideHistology
    I(756,757,2050,2588,1,15,2,1,0,0,0), // overRideReportSource
    I(758,759,2060,2589,1,15,2,1,0,0,0), // overRideIllDefineSite
    I(760,761,2070,2590,1,15,2,1,0,0,0), // overRideLeukLymphoma
    I(762,763,2071,2591,1,15,2,1,0,0,0), // overRideSiteBehavior
    I(764,765,2072,2592,1,15,2,1,0,0,0), // overRideSiteEodDxDt
    I(766,767,2073,2593,1,15,2,1,0,0,0), // overRideSiteLatEod
    I(768,769,2074,2594,1,15,2,1,0,0,0), // overRideSiteLatMorph
    I(1627,1628,2078,2595,1,15,1,1,0,0,0), // overRideNameSex
    I(770,771,1960,2596,4,15,2,1,0,0,0), // siteIcdO1
    I(772,773,1971,2600,4,15,2,1,0,0,0), // histologyIcdO1
    I(774,775,1972,2604,1,15,2,1,0,0,0), // behaviorIcdO1
    I(776,777,1973,2605,1,15,2,1,0,0,0), // gradeIcdO1
    I(778,779,1980,2606,1,15,2,1,0,0,0), // icdO2ConversionFlag
    I(780,781,2081,2607,10,15,2,0,0,0,0), // crcChecksum
    I(782,783,2120,2617,1,15,2,3,0,0,0), // seerCodingSysCurrent
    I(784,785,2130,2618,1,15,2,3,0,0,0), // seerCodingSysOriginal
    I(786,787,2140,2619,2,15,2,1,3,0,0), // cocCodingSysCurrent
    I(788,789,2150,2621,2,15,2,1,3,0,0), // cocCodingSysOriginal
    I(1629,1630,2155,2623,1,15,2,1,0,0,0), // rqrsNcdbSubmissionFlag
    I(1631,1632,2152,2624,1,15,2,1,0,0,0), // cocAccreditedFlag
    I(790,791,2170,2625,10,15,2,0,0,0,0), // vendorName
    I(792,793,2180,2635,1,15,2,1,0,0,0), // seerTypeOfFollowUp
    I(794,795,2190,2636,2,15,2,1,3,0,0), // seerRecordNumber
    I(796,797,2200,2638,2,15,2,0,0,0,0), // diagnosticProc7387
    I(798,799,2085,2640,8,15,2,5,0,0,0), // dateCaseInitiated
    I(800,801,2090,2648,8,15,2,5,0,0,0), // dateCaseCompleted
    I(802,803,2092,2656,8,15,2,5,0,0,0), // dateCaseCompletedCoc
    I(804,805,2100,2664,8,15,2,5,0,0,0), // dateCaseLastChanged
    I(806,807,2110,2672,8,15,2,5,0,0,0), // dateCaseReportExported
    I(808,809,2111,2680,8,15,2,5,0,0,0), // dateCaseReportReceived
    I(810,811,2112,2688,8,15,2,5,0,0,0), // dateCaseReportLoaded
    I(812,813,2113,2696,8,15,2,5,0,0,0), // dateTumorRecordAvailbl
    I(814,815,2116,2704,1,15,2,1,0,0,0), // icdO3ConversionFlag
    I(816,817,3750,2705,1,15,2,1,0,0,0), // overRideCs1
    I(818,819,3751,2706,1,15,2,1,0,0,0), // overRideCs2
    I(820,821,3752,2707,1,15,2,1,0,0,0), // overRideCs3
    I(822,823,3753,2708,1,15,2,1,0,0,0), // overRideCs4
    I(824,825,3754,2709,1,15,2,1,0,0,0), // overRideCs5
    I(826,827,3755,2710,1,15,2,1,0,0,0), // overRideCs6
    I(828,829,3756,2711,1,15,2,1,0,0,0), // overRideCs7
    I(830,831,3757,2712,1,15,2,1,0,0,0), // overRideCs8
    I(832,833,3758,2713,1,15,2,1,0,0,0), // overRideCs9
    I(834,835,3759,2714,1,15,2,1,0,0,0), // overRideCs10
    I(836,837,3760,2715,1,15,2,1,0,0,0), // overRideCs11
    I(838,839,3761,2716,1,15,2,1,0,0,0), // overRideCs12
    I(840,841,3762,2717,1,15,2,1,0,0,0), // overRideCs13
    I(842,843,3763,2718,1,15,2,1,0,0,0), // overRideCs14
    I(844,845,3764,2719,1,15,2,1,0,0,0), // overRideCs15
    I(846,847,3765,2720,1,15,2,1,0,0,0), // overRideCs16
    I(848,849,3766,2721,1,15,2,1,0,0,0), // overRideCs17
    I(850,851,3767,2722,1,15,2,1,0,0,0), // overRideCs18
    I(852,853,3768,2723,1,15,2,1,0,0,0), // overRideCs19
    I(854,855,3769,2724,1,15,2,1,0,0,0), // overRideCs20
    U(856,857,1650,2725,50,15,2,0,0,1,0), // reserved08
    I(858,859,1750,2775,8,15,1,5,0,0,0), // dateOfLastContact
    I(860,861,1751,2783,2,15,1,1,0,0,0), // dateOfLastContactFlag
    I(862,863,1760,2785,1,15,1,1,0,0,0), // vitalStatus
    I(1633,1634,1762,2786,1,15,1,1,0,0,0), // vitalStatusRecode
    I(864,865,1770,2787,1,15,2,1,0,0,0), // cancerStatus
    I(1635,1636,1772,2788,8,15,2,5,0,0,0), // dateOfLastCancerStatus
    I(1637,1638,1773,2796,2,15,2,1,0,0,0), // dateOfLastCancerStatusFlag
    I(1639,1640,1775,2798,2,15,2,1,0,0,0), // recordNumberRecode
    I(866,867,1780,2800,1,15,2,1,0,0,0), // qualityOfSurvival
    I(868,869,1790,2801,1,15,2,1,0,0,0), // followUpSource
    I(870,871,1800,2802,1,15,2,1,0,0,0), // nextFollowUpSource
    I(872,873,1810,2803,50,15,1,0,0,0,0), // addrCurrentCity
    I(874,875,1820,2853,2,15,1,2,0,0,0), // addrCurrentState
    I(876,877,1830,2855,9,15,1,0,0,0,0), // addrCurrentPostalCode
    I(878,879,1840,2864,3,15,1,1,3,0,0), // countyCurrent
    I(882,883,1860,2867,8,15,2,5,0,0,0), // recurrenceDate1st
    I(884,885,1861,2875,2,15,2,1,0,0,0), // recurrenceDate1stFlag
    I(886,887,1880,2877,2,15,2,1,3,0,0), // recurrenceType1st
    I(888,889,1842,2879,50,15,2,0,0,0,0), // followUpContactCity
    I(890,891,1844,2929,2,15,2,2,0,0,0), // followUpContactState
    I(892,893,1846,2931,9,15,2,0,0,0,0), // followUpContactPostal
    I(894,895,1910,2940,4,15,1,0,0,0,0), // causeOfDeath
    I(1641,1642,1914,2944,1,15,2,1,0,0,0), // seerCauseSpecificCod
    I(1643,1644,1915,2945,1,15,2,1,0,0,0), // seerOtherCod
    I(896,897,1920,2946,1,15,1,1,0,0,0), // icdRevisionNumber
    I(898,899,1930,2947,1,15,1,1,0,0,0), // autopsy
    I(900,901,1940,2948,3,15,1,0,3,0,0), // placeOfDeath
    I(902,903,1791,2951,2,15,2,1,3,0,0), // followUpSourceCentral
    I(904,905,1755,2953,8,15,1,5,0,0,0), // dateOfDeathCanada
    I(906,1645,1756,2961,2,15,1,1,0,0,0), // dateOfDeathCanadaFlag
    I(908,909,1850,2963,2,15,2,1,0,0,0), // unusualFollowUpMethod
    I(1110,1111,1782,2965,8,15,2,5,0,0,0), // survDateActiveFollowup
    I(1112,1113,1783,2973,1,15,2,1,0,0,0), // survFlagActiveFollowup
    I(1114,1115,1784,2974,4,15,2,1,3,0,0), // survMosActiveFollowup
    I(1116,1117,1785,2978,8,15,2,5,0,0,0), // survDatePresumedAlive
    I(1118,1119,1786,2986,1,15,2,1,0,0,0), // survFlagPresumedAlive
    I(1120,1121,1787,2987,4,15,2,1,3,0,0), // survMosPresumedAlive
    I(1122,1123,1788,2991,8,15,2,5,0,0,0), // survDateDxRecode
    U(910,911,1740,2999,50,15,2,0,0,1,0), // reserved09
    U(912,913,2220,3049,1000,15,2,0,0,1,0), // stateRequestorItems
    I(914,915,2230,4049,40,7,1,0,0,0,0), // nameLast
    I(916,917,2240,4089,40,7,1,0,0,0,0), // nameFirst
    I(918,919,2250,4129,40,7,1,0,0,0,0), // nameMiddle
    I(920,921,2260,4169,3,7,1,0,0,0,0), // namePrefix
    I(922,923,2270,4172,3,7,1,0,0,0,0), // nameSuffix
    I(924,925,2280,4175,40,7,1,0,0,0,0), // nameAlias
    I(926,927,2390,4215,40,7,1,0,0,0,0), // nameMaiden
    I(928,929,2290,4255,60,7,2,0,0,0,0), // nameSpouseParent
    I(930,931,2300,4315,11,7,2,0,1,0,0), // medicalRecordNumber
    I(932,933,2310,4326,2,7,2,1,3,0,0), // militaryRecordNoSuffix
    I(934,935,2320,4328,9,7,1,1,0,0,0), // socialSecurityNumber
    I(1646,1647,2315,4337,11,7,1,0,0,0,0), // medicareBeneficiaryIdentifier
    I(936,937,2330,4348,60,7,2,0,0,0,0), // addrAtDxNoStreet
    I(938,939,2335,4408,60,7,2,0,0,0,0), // addrAtDxSupplementl
    I(940,941,2350,4468,60,7,1,0,0,0,0), // addrCurrentNoStreet
    I(942,943,2355,4528,60,7,1,0,0,0,0), // addrCurrentSupplementl
    I(944,945,2360,4588,10,7,1,1,0,0,0), // telephone
    I(946,947,2380,4598,6,7,1,0,0,0,0), // dcStateFileNumber
    I(948,949,2394,4604,60,7,2,0,0,0,0), // followUpContactName
    I(950,951,2392,4664,60,7,2,0,0,0,0), // followUpContactNost
    I(952,953,2393,4724,60,7,2,0,0,0,0), // followUpContactSuppl
    I(954,955,2352,4784,10,7,2,0,1,0,0), // latitude
    I(956,957,2354,4794,11,7,2,0,1,0,0), // longitude
    U(958,959,1835,4805,100,7,2,0,0,1,0), // reserved10
    I(960,961,2445,4905,10,7,2,1,0,0,0), // npiFollowingRegistry
    I(962,963,2440,4915,10,7,2,1,3,0,0), // followingRegistry
    I(964,965,2415,4925,10,7,2,1,0,0,0), // npiInstReferredFrom
    I(966,967,2410,4935,10,7,2,0,3,0,0), // institutionReferredFrom
    I(968,969,2425,4945,10,7,2,1,0,0,0), // npiInstReferredTo
    I(970,971,2420,4955,10,7,2,0,3,0,0), // institutionReferredTo
    U(972,973,1900,4965,50,7,2,0,0,1,0), // reserved11
    I(974,975,2465,5015,10,7,2,1,0,0,0), // npiPhysicianManaging
    I(976,977,2460,5025,8,7,2,0,0,0,0), // physicianManaging
    I(978,979,2475,5033,10,7,2,1,0,0,0), // npiPhysicianFollowUp
    I(980,981,2470,5043,8,7,2,0,0,0,0), // physicianFollowUp
    I(982,983,2485,5051,10,7,2,1,0,0,0), // npiPhysicianPrimarySurg
    I(984,985,2480,5061,8,7,2,0,0,0,0), // physicianPrimarySurg
    I(986,987,2495,5069,10,7,2,1,0,0,0), // npiPhysician3
    I(988,989,2490,5079,8,7,2,0,0,0,0), // physician3
    I(990,991,2505,5087,10,7,2,1,0,0,0), // npiPhysician4
    I(992,993,2500,5097,8,7,2,0,0,0,0), // physician4
    I(1648,1649,2508,5105,1000,7,2,0,0,0,0), // ehrReporting
    U(994,995,2510,6105,50,7,2,0,0,1,0), // reserved12
    I(996,997,7010,6155,25,3,2,0,0,0,0), // pathReportingFacId1
    I(998,999,7090,6180,20,3,2,0,0,0,0), // pathReportNumber1
    I(1000,1001,7320,6200,14,3,2,5,0,0,0), // pathDateSpecCollect1
    I(1002,1003,7480,6214,2,3,2,1,3,0,0), // pathReportType1
    I(1004,1005,7190,6216,25,3,2,0,0,0,0), // pathOrderingFacNo1
    I(1006,1007,7100,6241,20,3,2,0,0,0,0), // pathOrderPhysLicNo1
    I(1008,1009,7011,6261,25,3,2,0,0,0,0), // pathReportingFacId2
    I(1010,1011,7091,6286,20,3,2,0,0,0,0), // pathReportNumber2
    I(1012,1013,7321,6306,14,3,2,5,0,0,0), // pathDateSpecCollect2
    I(1014,1015,7481,6320,2,3,2,1,3,0,0), // pathReportType2
    I(1016,1017,7191,6322,25,3,2,0,0,0,0), // pathOrderingFacNo2
    I(1018,1019,7101,6347,20,3,2,0,0,0,0), // pathOrderPhysLicNo2
    I(1020,1021,7012,6367,25,3,2,0,0,0,0), // pathReportingFacId3
    I(1022,1023,7092,6392,20,3,2,0,0,0,0), // pathReportNumber3
    I(1024,1025,7322,6412,14,3,2,5,0,0,0), // pathDateSpecCollect3
    I(1026,1027,7482,6426,2,3,2,1,3,0,0), // pathReportType3
    I(1028,1029,7192,6428,25,3,2,0,0,0,0), // pathOrderingFacNo3
    I(1030,1031,7102,6453,20,3,2,0,0,0,0), // pathOrderPhysLicNo3
    I(1032,1033,7013,6473,25,3,2,0,0,0,0), // pathReportingFacId4
    I(1034,1035,7093,6498,20,3,2,0,0,0,0), // pathReportNumber4
    I(1036,1037,7323,6518,14,3,2,5,0,0,0), // pathDateSpecCollect4
    I(1038,1039,7483,6532,2,3,2,1,3,0,0), // pathReportType4
    I(1040,1041,7193,6534,25,3,2,0,0,0,0), // pathOrderingFacNo4
    I(1042,1043,7103,6559,20,3,2,0,0,0,0), // pathOrderPhysLicNo4
    I(1044,1045,7014,6579,25,3,2,0,0,0,0), // pathReportingFacId5
    I(1046,1047,7094,6604,20,3,2,0,0,0,0), // pathReportNumber5
    I(1048,1049,7324,6624,14,3,2,5,0,0,0), // pathDateSpecCollect5
    I(1050,1051,7484,6638,2,3,2,1,3,0,0), // pathReportType5
    I(1052,1053,7194,6640,25,3,2,0,0,0,0), // pathOrderingFacNo5
    I(1054,1055,7104,6665,20,3,2,0,0,0,0), // pathOrderPhysLicNo5
    U(1056,1057,2080,6685,250,3,2,0,0,1,0), // reserved13
    I(1058,1059,2520,6935,1000,3,2,0,0,0,1), // textDxProcPe
    I(1060,1061,2530,7935,1000,3,2,0,0,0,1), // textDxProcXRayScan
    I(1062,1063,2540,8935,1000,3,2,0,0,0,1), // textDxProcScopes
    I(1064,1065,2550,9935,1000,3,2,0,0,0,1), // textDxProcLabTests
    I(1066,1067,2560,10935,1000,3,2,0,0,0,1), // textDxProcOp
    I(1068,1069,2570,11935,1000,3,2,0,0,0,1), // textDxProcPath
    I(1070,1071,2580,12935,100,3,2,0,0,0,0), // textPrimarySiteTitle
    I(1072,1073,2590,13035,100,3,2,0,0,0,0), // textHistologyTitle
    I(1074,1075,2600,13135,1000,3,2,0,0,0,1), // textStaging
    I(1076,1077,2610,14135,1000,3,2,0,0,0,1), // rxTextSurgery
    I(1078,1079,2620,15135,1000,3,2,0,0,0,1), // rxTextRadiation
    I(1080,1081,2630,16135,1000,3,2,0,0,0,1), // rxTextRadiationOther
    I(1082,1083,2640,17135,1000,3,2,0,0,0,1), // rxTextChemo
    I(1084,1085,2650,18135,1000,3,2,0,0,0,1), // rxTextHormone
    I(1086,1087,2660,19135,1000,3,2,0,0,0,1), // rxTextBrm
    I(1088,1089,2670,20135,1000,3,2,0,0,0,1), // rxTextOther
    I(1090,1091,2680,21135,1000,3,2,0,0,0,1), // textRemarks
    I(1092,1093,2690,22135,60,3,2,0,0,0,0), // textPlaceOfDiagnosis
    U(1094,1095,2210,22195,2000,3,2,0,0,1,0), // reserved14
    G(1650,1651,351,153,12,15,2,0,0,0,0), // geolocationid19708090
    G(1652,1653,352,167,12,15,2,0,0,0,0), // geolocationid2000
    G(1654,1655,353,180,12,15,2,0,0,0,0), // geolocationid2010
    G(1656,1657,354,193,12,15,2,0,0,0,0), // geolocationid2020
    G(1096,1097,419,559,5,15,2,1,0,0,0), // morphTypebehavIcdO2
    G(1098,1099,521,564,5,15,2,1,0,0,0), // morphTypebehavIcdO3
    G(1100,1101,779,990,12,15,2,1,0,0,0), // extentOfDisease10Dig
    G(1102,1103,1670,2467,11,15,2,1,0,0,0), // subsqRx2ndCourseCodes
    G(1104,1105,1690,2488,11,15,2,1,0,0,0), // subsqRx3rdCourseCodes
    G(1106,1107,1710,2509,11,15,2,1,0,0,0), // subsqRx4thCourseCodes
    G(1108,1109,1970,2600,6,15,2,1,0,0,0), // morphIcdO1
    I(194,195,570,0,3,15,2,0,0,0,0), // abstractedBy
    I(190,191,550,0,9,15,2,1,0,0,0), // accessionNumberHosp
    I(20,21,70,0,50,15,2,0,0,0,0), // addrAtDxCity
    I(106,107,102,0,3,15,2,2,0,0,0), // addrAtDxCountry
    I(936,937,2330,0,60,7,2,0,0,0,0), // addrAtDxNoStreet
    I(24,25,100,0,9,15,2,0,0,0,0), // addrAtDxPostalCode
    I(22,23,80,0,2,15,2,2,0,0,0), // addrAtDxState
    I(938,939,2335,0,60,7,2,0,0,0,0), // addrAtDxSupplementl
    I(872,873,1810,0,50,15,1,0,0,0,0), // addrCurrentCity
    I(108,109,1832,0,3,15,1,2,0,0,0), // addrCurrentCountry
    I(940,941,2350,0,60,7,1,0,0,0,0), // addrCurrentNoStreet
    I(876,877,1830,0,9,15,1,0,0,0,0), // addrCurrentPostalCode
    I(874,875,1820,0,2,15,1,2,0,0,0), // addrCurrentState
    I(942,943,2355,0,60,7,1,0,0,0,0), // addrCurrentSupplementl
    I(1415,1416,3803,0,5,15,2,0,1,0,0), // adenoidCysticBasaloidPattern
    I(1475,1476,3804,0,1,15,2,1,0,0,0), // adenopathy
    I(1531,1532,3805,0,7,15,2,0,1,0,0), // afpPostOrchiectomyLabValue
    I(1533,1534,3806,0,1,15,2,1,0,0,0), // afpPostOrchiectomyRange
    I(1527,1528,3807,0,7,15,2,0,1,0,0), // afpPreOrchiectomyLabValue
    I(1529,1530,3808,0,1,15,2,1,0,0,0), // afpPreOrchiectomyRange
    I(1417,1418,3809,0,1,15,2,1,0,0,0), // afpPretreatmentInterpretation
    I(1419,1420,3810,0,6,15,2,0,1,0,0), // afpPretreatmentLabValue
    I(66,67,230,0,3,15,2,1,3,0,0), // ageAtDiagnosis
    I(1658,1659,2156,0,8,15,2,0,0,0,0), // ajccApiVersionCurrent
    I(1660,1661,2157,0,8,15,2,0,0,0,0), // ajccApiVersionOriginal
    I(1662,1663,2158,0,13,15,2,0,0,0,0), // ajccCancerSurvApiVersionCurrent
    I(1664,1665,2159,0,13,15,2,0,0,0,0), // ajccCancerSurvApiVersionOriginal
    I(1297,1298,995,0,4,15,2,0,0,0,0), // ajccId
    I(1256,1257,1003,0,15,15,2,0,0,0,0), // ajccTnmClinM
    I(1252,1253,1002,0,15,15,2,0,0,0,0), // ajccTnmClinN
    I(1254,1255,1034,0,4,15,2,0,0,0,0), // ajccTnmClinNSuffix
    I(1258,1259,1004,0,15,15,2,0,0,0,0), // ajccTnmClinStageGroup
    I(1248,1249,1001,0,15,15,2,0,0,0,0), // ajccTnmClinT
    I(1250,1251,1031,0,4,15,2,0,0,0,0), // ajccTnmClinTSuffix
    I(1268,1269,1013,0,15,15,2,0,0,0,0), // ajccTnmPathM
    I(1264,1265,1012,0,15,15,2,0,0,0,0), // ajccTnmPathN
    I(1266,1267,1035,0,4,15,2,0,0,0,0), // ajccTnmPathNSuffix
    I(1270,1271,1014,0,15,15,2,0,0,0,0), // ajccTnmPathStageGroup
    I(1260,1261,1011,0,15,15,2,0,0,0,0), // ajccTnmPathT
    I(1262,1263,1032,0,4,15,2,0,0,0,0), // ajccTnmPathTSuffix
    I(1666,1667,1066,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyClinM
    I(1668,1669,1064,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyClinN
    I(1670,1671,1065,0,4,15,2,0,0,0,0), // ajccTnmPostTherapyClinNSuffix
    I(1672,1673,1067,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyClinStageGrp
    I(1674,1675,1062,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyClinT
    I(1676,1677,1063,0,4,15,2,0,0,0,0), // ajccTnmPostTherapyClinTSuffix
    I(1280,1678,1023,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyM
    I(1276,1679,1022,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyN
    I(1278,1680,1036,0,4,15,2,0,0,0,0), // ajccTnmPostTherapyNSuffix
    I(1282,1681,1024,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyStageGroup
    I(1272,1682,1021,0,15,15,2,0,0,0,0), // ajccTnmPostTherapyT
    I(1274,1683,1033,0,4,15,2,0,0,0,0), // ajccTnmPostTherapyTSuffix
    I(1684,1685,3938,0,1,15,2,0,0,0,0), // alkRearrangement
    I(166,167,442,0,1,15,2,1,0,0,0), // ambiguousTerminologyDx
    I(1477,1478,3811,0,1,15,2,1,0,0,0), // anemia
    I(188,189,3100,0,10,15,2,1,3,0,0), // archiveFin
    I(898,899,1930,0,1,15,1,1,0,0,0), // autopsy
    I(1437,1438,3812,0,1,15,2,1,0,0,0), // bSymptoms
    I(144,145,523,0,1,15,2,1,0,0,0), // behaviorCodeIcdO3
    I(774,775,1972,0,1,15,2,1,0,0,0), // behaviorIcdO1
    I(140,141,430,0,1,15,2,1,0,0,0), // behaviorIcdO2
    I(1421,1422,3813,0,5,15,2,0,1,0,0), // bilirubinPretxTotalLabValue
    I(1423,1424,3814,0,1,15,2,1,0,0,0), // bilirubinPretxUnitOfMeasure
    I(72,73,250,0,3,15,1,0,3,0,0), // birthplace
    I(112,113,254,0,3,15,1,2,0,0,0), // birthplaceCountry
    I(110,111,252,0,2,15,1,2,0,0,0), // birthplaceState
    I(1525,1526,3815,0,1,15,2,1,0,0,0), // boneInvasion
    I(1686,1687,3940,0,1,15,2,0,0,0,0), // brafMutationalAnalysis
    I(1565,1566,3816,0,2,15,2,1,0,0,0), // brainMolecularMarkers
    I(1459,1460,3817,0,4,15,2,0,1,0,0), // breslowTumorThickness
    I(1493,1494,3818,0,1,15,2,1,0,0,0), // ca125PretreatmentInterpretation
    I(1688,1689,3942,0,6,15,2,0,1,0,0), // ca199PretxLabValue
    I(864,865,1770,0,1,15,2,1,0,0,0), // cancerStatus
    I(164,165,501,0,2,15,2,1,0,0,0), // casefindingSource
    I(894,895,1910,0,4,15,1,0,0,0,0), // causeOfDeath
    I(1357,1358,3819,0,1,15,2,1,0,0,0), // ceaPretreatmentInterpretation
    I(1359,1360,3820,0,6,15,2,0,1,0,0), // ceaPretreatmentLabValue
    I(38,39,362,0,1,15,2,1,0,0,0), // censusBlockGroup2000
    I(102,103,363,0,1,15,2,1,0,0,0), // censusBlockGroup2010
    I(1205,1206,361,0,1,15,2,1,0,0,0), // censusBlockGroup2020
    I(30,1196,368,0,1,15,2,1,0,0,0), // censusBlockGrp197090
    I(32,33,120,0,1,15,2,1,0,0,0), // censusCodSys19708090
    I(76,77,280,0,3,15,2,1,3,0,0), // censusIndCode19702000
    I(120,1124,272,0,4,15,2,1,3,0,0), // censusIndCode2010
    I(74,75,270,0,3,15,2,1,3,0,0), // censusOccCode19702000
    I(122,1125,282,0,4,15,2,1,3,0,0), // censusOccCode2010
    I(86,87,330,0,1,15,2,1,0,0,0), // censusOccIndSys7000
    I(34,35,364,0,1,15,2,1,0,0,0), // censusTrCert19708090
    I(40,41,365,0,1,15,2,1,0,0,0), // censusTrCertainty2000
    I(104,105,367,0,1,15,2,1,0,0,0), // censusTrCertainty2010
    I(124,125,145,0,1,15,2,1,0,0,0), // censusTrPovertyIndictr
    I(28,29,110,0,6,15,2,1,3,0,0), // censusTract19708090
    I(36,37,130,0,6,15,2,1,3,0,0), // censusTract2000
    I(100,101,135,0,6,15,2,1,3,0,0), // censusTract2010
    I(1203,1204,125,0,6,15,2,1,3,0,0), // censusTract2020
    I(1207,1208,369,0,1,15,2,1,0,0,0), // censusTractCertainty2020
    I(1311,1312,3802,0,1,15,2,1,0,0,0), // chromosome19qLossHeterozygosity
    I(1309,1310,3801,0,1,15,2,1,0,0,0), // chromosome1pLossHeterozygosity
    I(1445,1446,3821,0,1,15,2,1,0,0,0), // chromosome3Status
    I(1447,1448,3822,0,1,15,2,0,0,0,0), // chromosome8qStatus
    I(1361,1362,3823,0,4,15,2,0,1,0,0), // circumferentialResectionMargin
    I(210,211,610,0,2,15,2,1,3,0,0), // classOfCase
    I(1631,1632,2152,0,1,15,2,1,0,0,0), // cocAccreditedFlag
    I(786,787,2140,0,2,15,2,1,3,0,0), // cocCodingSysCurrent
    I(788,789,2150,0,2,15,2,1,3,0,0), // cocCodingSysOriginal
    I(272,273,870,0,1,15,2,1,0,0,0), // codingSystemForEod
    I(490,491,3110,0,5,15,2,3,2,0,0), // comorbidComplication1
    I(508,509,3164,0,5,15,2,3,2,0,0), // comorbidComplication10
    I(492,493,3120,0,5,15,2,3,2,0,0), // comorbidComplication2
    I(494,495,3130,0,5,15,2,3,2,0,0), // comorbidComplication3
    I(496,497,3140,0,5,15,2,3,2,0,0), // comorbidComplication4
    I(498,499,3150,0,5,15,2,3,2,0,0), // comorbidComplication5
    I(500,501,3160,0,5,15,2,3,2,0,0), // comorbidComplication6
    I(502,503,3161,0,5,15,2,3,2,0,0), // comorbidComplication7
    I(504,505,3162,0,5,15,2,3,2,0,0), // comorbidComplication8
    I(506,507,3163,0,5,15,2,3,2,0,0), // comorbidComplication9
    I(60,61,200,0,1,15,1,1,0,0,0), // computedEthnicity
    I(62,63,210,0,1,15,1,1,0,0,0), // computedEthnicitySource
    I(26,1190,90,0,3,15,2,1,3,0,0), // countyAtDx
    I(1191,1192,89,0,3,15,2,1,0,0,0), // countyAtDxAnalysis
    I(1126,1195,94,0,3,15,2,1,0,0,0), // countyAtDxGeocode1990
    I(1128,1129,95,0,3,15,2,1,0,0,0), // countyAtDxGeocode2000
    I(1130,1131,96,0,3,15,2,1,0,0,0), // countyAtDxGeocode2010
    I(1132,1133,97,0,3,15,2,1,0,0,0), // countyAtDxGeocode2020
    I(878,879,1840,0,3,15,1,1,3,0,0), // countyCurrent
    I(780,781,2081,0,10,15,2,0,0,0,0), // crcChecksum
    I(1425,1426,3824,0,4,15,2,0,1,0,0), // creatininePretreatmentLabValue
    I(1427,1428,3825,0,1,15,2,1,0,0,0), // creatininePretxUnitOfMeasure
    I(316,317,2810,0,3,15,2,1,3,0,0), // csExtension
    I(320,321,2830,0,3,15,2,1,3,0,0), // csLymphNodes
    I(322,323,2840,0,1,15,2,1,0,0,0), // csLymphNodesEval
    I(324,325,2850,0,2,15,2,1,3,0,0), // csMetsAtDx
    I(328,329,2851,0,1,15,2,1,0,0,0), // csMetsAtDxBone
    I(330,331,2852,0,1,15,2,1,0,0,0), // csMetsAtDxBrain
    I(332,333,2853,0,1,15,2,1,0,0,0), // csMetsAtDxLiver
    I(334,335,2854,0,1,15,2,1,0,0,0), // csMetsAtDxLung
    I(326,327,2860,0,1,15,2,1,0,0,0), // csMetsEval
    I(336,337,2880,0,3,15,2,1,3,0,0), // csSiteSpecificFactor1
    I(354,355,2864,0,3,15,2,1,3,0,0), // csSiteSpecificFactor10
    I(356,357,2865,0,3,15,2,1,3,0,0), // csSiteSpecificFactor11
    I(358,359,2866,0,3,15,2,1,3,0,0), // csSiteSpecificFactor12
    I(360,361,2867,0,3,15,2,1,3,0,0), // csSiteSpecificFactor13
    I(362,363,2868,0,3,15,2,1,3,0,0), // csSiteSpecificFactor14
    I(364,365,2869,0,3,15,2,1,3,0,0), // csSiteSpecificFactor15
    I(366,367,2870,0,3,15,2,1,3,0,0), // csSiteSpecificFactor16
    I(368,369,2871,0,3,15,2,1,3,0,0), // csSiteSpecificFactor17
    I(370,371,2872,0,3,15,2,1,3,0,0), // csSiteSpecificFactor18
    I(372,373,2873,0,3,15,2,1,3,0,0), // csSiteSpecificFactor19
    I(338,339,2890,0,3,15,2,1,3,0,0), // csSiteSpecificFactor2
    I(374,375,2874,0,3,15,2,1,3,0,0), // csSiteSpecificFactor20
    I(376,377,2875,0,3,15,2,1,3,0,0), // csSiteSpecificFactor21
    I(378,379,2876,0,3,15,2,1,3,0,0), // csSiteSpecificFactor22
    I(380,381,2877,0,3,15,2,1,3,0,0), // csSiteSpecificFactor23
    I(382,383,2878,0,3,15,2,1,3,0,0), // csSiteSpecificFactor24
    I(384,385,2879,0,3,15,2,1,3,0,0), // csSiteSpecificFactor25
    I(340,341,2900,0,3,15,2,1,3,0,0), // csSiteSpecificFactor3
    I(342,343,2910,0,3,15,2,1,3,0,0), // csSiteSpecificFactor4
    I(344,345,2920,0,3,15,2,1,3,0,0), // csSiteSpecificFactor5
    I(346,347,2930,0,3,15,2,1,3,0,0), // csSiteSpecificFactor6
    I(348,349,2861,0,3,15,2,1,3,0,0), // csSiteSpecificFactor7
    I(350,351,2862,0,3,15,2,1,3,0,0), // csSiteSpecificFactor8
    I(352,353,2863,0,3,15,2,1,3,0,0), // csSiteSpecificFactor9
    I(314,315,2800,0,3,15,2,1,3,0,0), // csTumorSize
    I(318,319,2820,0,1,15,2,1,0,0,0), // csTumorSizeExtEval
    I(474,475,2936,0,6,15,2,0,0,0,0), // csVersionDerived
    I(470,471,2937,0,6,15,2,1,0,0,0), // csVersionInputCurrent
    I(472,473,2935,0,6,15,2,1,0,0,0), // csVersionInputOriginal
    I(538,539,1270,0,8,15,2,5,0,0,0), // date1stCrsRxCoc
    I(540,541,1271,0,2,15,2,1,0,0,0), // date1stCrsRxCocFlag
    I(800,801,2090,0,8,15,2,5,0,0,0), // dateCaseCompleted
    I(802,803,2092,0,8,15,2,5,0,0,0), // dateCaseCompletedCoc
    I(798,799,2085,0,8,15,2,5,0,0,0), // dateCaseInitiated
    I(804,805,2100,0,8,15,2,5,0,0,0), // dateCaseLastChanged
    I(806,807,2110,0,8,15,2,5,0,0,0), // dateCaseReportExported
    I(810,811,2112,0,8,15,2,5,0,0,0), // dateCaseReportLoaded
    I(808,809,2111,0,8,15,2,5,0,0,0), // dateCaseReportReceived
    I(168,169,443,0,8,15,2,5,0,0,0), // dateConclusiveDx
    I(170,171,448,0,2,15,2,1,0,0,0), // dateConclusiveDxFlag
    I(534,535,1260,0,8,15,2,5,0,0,0), // dateInitialRxSeer
    I(536,537,1261,0,2,15,2,1,0,0,0), // dateInitialRxSeerFlag
    I(196,197,580,0,8,15,2,5,0,0,0), // dateOf1stContact
    I(198,199,581,0,2,15,2,1,0,0,0), // dateOf1stContactFlag
    I(68,69,240,0,8,15,1,5,0,0,0), // dateOfBirth
    I(70,71,241,0,2,15,1,1,0,0,0), // dateOfBirthFlag
    I(904,905,1755,0,8,15,1,5,0,0,0), // dateOfDeathCanada
    I(906,1645,1756,0,2,15,1,1,0,0,0), // dateOfDeathCanadaFlag
    I(130,131,390,0,8,15,2,5,0,0,0), // dateOfDiagnosis
    I(132,133,391,0,2,15,2,1,0,0,0), // dateOfDiagnosisFlag
    I(200,201,590,0,8,15,2,5,0,0,0), // dateOfInptAdm
    I(202,203,591,0,2,15,2,1,0,0,0), // dateOfInptAdmFlag
    I(204,205,600,0,8,15,2,5,0,0,0), // dateOfInptDisch
    I(206,207,601,0,2,15,2,1,0,0,0), // dateOfInptDischFlag
    I(1635,1636,1772,0,8,15,2,5,0,0,0), // dateOfLastCancerStatus
    I(1637,1638,1773,0,2,15,2,1,0,0,0), // dateOfLastCancerStatusFlag
    I(858,859,1750,0,8,15,1,5,0,0,0), // dateOfLastContact
    I(860,861,1751,0,2,15,1,1,0,0,0), // dateOfLastContactFlag
    I(174,175,445,0,8,15,2,5,0,0,0), // dateOfMultTumors
    I(176,177,439,0,2,15,2,1,0,0,0), // dateOfMultTumorsFlag
    I(1236,1237,682,0,8,15,2,5,0,0,0), // dateRegionalLNDissection
    I(1238,1239,683,0,2,15,2,1,0,0,0), // dateRegionalLNDissectionFlag
    I(1244,1245,832,0,8,15,2,5,0,0,0), // dateSentinelLymphNodeBiopsy
    I(1246,1247,833,0,2,15,2,1,0,0,0), // dateSentinelLymphNodeBiopsyFlag
    I(812,813,2113,0,8,15,2,5,0,0,0), // dateTumorRecordAvailbl
    I(946,947,2380,0,6,7,1,0,0,0,0), // dcStateFileNumber
    I(416,417,2980,0,2,15,2,1,0,0,0), // derivedAjcc6M
    I(418,419,2990,0,1,15,2,0,0,0,0), // derivedAjcc6MDescript
    I(412,413,2960,0,2,15,2,1,0,0,0), // derivedAjcc6N
    I(414,415,2970,0,1,15,2,0,0,0,0), // derivedAjcc6NDescript
    I(420,421,3000,0,2,15,2,1,0,0,0), // derivedAjcc6StageGrp
    I(408,409,2940,0,2,15,2,1,0,0,0), // derivedAjcc6T
    I(410,411,2950,0,1,15,2,0,0,0,0), // derivedAjcc6TDescript
    I(430,431,3420,0,3,15,2,1,3,0,0), // derivedAjcc7M
    I(432,433,3422,0,1,15,2,0,0,0,0), // derivedAjcc7MDescript
    I(426,427,3410,0,3,15,2,1,3,0,0), // derivedAjcc7N
    I(428,429,3412,0,1,15,2,0,0,0,0), // derivedAjcc7NDescript
    I(434,435,3430,0,3,15,2,1,3,0,0), // derivedAjcc7StageGrp
    I(422,423,3400,0,3,15,2,1,3,0,0), // derivedAjcc7T
    I(424,425,3402,0,1,15,2,0,0,0,0), // derivedAjcc7TDescript
    I(464,465,3030,0,1,15,2,1,0,0,0), // derivedAjccFlag
    I(1228,1229,795,0,15,15,2,0,0,0,0), // derivedEod2018M
    I(1226,1227,815,0,15,15,2,0,0,0,0), // derivedEod2018N
    I(1230,1231,818,0,15,15,2,0,0,0,0), // derivedEod2018StageGroup
    I(1224,1225,785,0,15,15,2,0,0,0,0), // derivedEod2018T
    I(462,463,3600,0,1,15,2,1,0,0,0), // derivedNeoadjuvRxFlag
    I(454,455,3490,0,2,15,2,1,3,0,0), // derivedPostrx7M
    I(452,453,3482,0,3,15,2,1,3,0,0), // derivedPostrx7N
    I(456,457,3492,0,3,15,2,1,3,0,0), // derivedPostrx7StgeGrp
    I(450,451,3480,0,3,15,2,1,3,0,0), // derivedPostrx7T
    I(444,445,3460,0,3,15,2,1,3,0,0), // derivedPrerx7M
    I(446,447,3462,0,1,15,2,0,0,0,0), // derivedPrerx7MDescrip
    I(440,441,3450,0,3,15,2,1,3,0,0), // derivedPrerx7N
    I(442,443,3452,0,1,15,2,0,0,0,0), // derivedPrerx7NDescrip
    I(448,449,3470,0,3,15,2,1,3,0,0), // derivedPrerx7StageGrp
    I(436,437,3440,0,3,15,2,1,3,0,0), // derivedPrerx7T
    I(438,439,3442,0,1,15,2,0,0,0,0), // derivedPrerx7TDescrip
    I(1156,1157,3610,0,5,15,2,0,0,0,0), // derivedSeerClinStgGrp
    I(1170,1171,3626,0,1,15,2,1,0,0,0), // derivedSeerCmbMSrc
    I(1168,1169,3624,0,1,15,2,1,0,0,0), // derivedSeerCmbNSrc
    I(1158,1159,3614,0,5,15,2,0,0,0,0), // derivedSeerCmbStgGrp
    I(1166,1167,3622,0,1,15,2,1,0,0,0), // derivedSeerCmbTSrc
    I(1164,1165,3620,0,5,15,2,0,0,0,0), // derivedSeerCombinedM
    I(1162,1163,3618,0,5,15,2,0,0,0,0), // derivedSeerCombinedN
    I(1160,1161,3616,0,5,15,2,0,0,0,0), // derivedSeerCombinedT
    I(1154,1155,3605,0,5,15,2,0,0,0,0), // derivedSeerPathStgGrp
    I(458,459,3010,0,1,15,2,1,0,0,0), // derivedSs1977
    I(466,467,3040,0,1,15,2,1,0,0,0), // derivedSs1977Flag
    I(460,461,3020,0,1,15,2,1,0,0,0), // derivedSs2000
    I(468,469,3050,0,1,15,2,1,0,0,0), // derivedSs2000Flag
    I(1232,1233,762,0,1,15,2,1,0,0,0), // derivedSummaryStage2018
    I(160,161,490,0,1,15,2,1,0,0,0), // diagnosticConfirmation
    I(796,797,2200,0,2,15,2,0,0,0,0), // diagnosticProc7387
    I(1690,1691,3939,0,1,15,2,0,0,0,0), // egfrMutationalAnalysis
    I(1648,1649,2508,0,1000,7,2,0,0,0,0), // ehrReporting
    I(256,257,790,0,2,15,2,1,3,0,0), // eodExtension
    I(258,259,800,0,2,15,2,1,3,0,0), // eodExtensionProstPath
    I(260,261,810,0,1,15,2,0,0,0,0), // eodLymphNodeInvolv
    I(1222,1223,776,0,2,15,2,0,0,0,0), // eodMets
    I(266,267,840,0,13,15,2,0,0,0,0), // eodOld13Digit
    I(268,269,850,0,2,15,2,0,0,0,0), // eodOld2Digit
    I(270,271,860,0,4,15,2,0,0,0,0), // eodOld4Digit
    I(1218,1219,772,0,3,15,2,0,0,0,0), // eodPrimaryTumor
    I(1220,1221,774,0,3,15,2,0,0,0,0), // eodRegionalNodes
    I(254,255,780,0,3,15,2,1,3,0,0), // eodTumorSize
    I(1381,1382,3829,0,1,15,2,1,0,0,0), // esophagusAndEgjTumorEpicenter
    I(1329,1330,3826,0,3,15,2,0,0,0,0), // estrogenReceptorPercntPosOrRange
    I(1315,1316,3827,0,1,15,2,1,0,0,0), // estrogenReceptorSummary
    I(1331,1332,3828,0,2,15,2,0,0,0,0), // estrogenReceptorTotalAllredScore
    I(1497,1498,3830,0,1,15,2,1,0,0,0), // extranodalExtensionClin
    I(1387,1388,3831,0,1,15,2,1,0,0,0), // extranodalExtensionHeadNeckClin
    I(1389,1390,3832,0,3,15,2,0,0,0,0), // extranodalExtensionHeadNeckPath
    I(1499,1500,3833,0,1,15,2,1,0,0,0), // extranodalExtensionPath
    I(1449,1450,3834,0,1,15,2,1,0,0,0), // extravascularMatrixPatterns
    I(1429,1430,3835,0,1,15,2,1,0,0,0), // fibrosisScore
    I(1385,1386,3836,0,5,15,2,0,0,0,0), // figoStage
    I(888,889,1842,0,50,15,2,0,0,0,0), // followUpContactCity
    I(948,949,2394,0,60,7,2,0,0,0,0), // followUpContactName
    I(950,951,2392,0,60,7,2,0,0,0,0), // followUpContactNost
    I(892,893,1846,0,9,15,2,0,0,0,0), // followUpContactPostal
    I(890,891,1844,0,2,15,2,2,0,0,0), // followUpContactState
    I(952,953,2393,0,60,7,2,0,0,0,0), // followUpContactSuppl
    I(868,869,1790,0,1,15,2,1,0,0,0), // followUpSource
    I(902,903,1791,0,2,15,2,1,3,0,0), // followUpSourceCentral
    I(962,963,2440,0,10,7,2,1,3,0,0), // followingRegistry
    I(114,115,1847,0,3,15,2,2,0,0,0), // followupContactCountry
    I(1501,1502,3837,0,2,15,2,0,0,0,0), // gestationalTrophoblasticPxIndex
    I(94,95,366,0,2,15,2,1,3,0,0), // gisCoordinateQuality
    I(1505,1506,3838,0,2,15,2,0,0,0,0), // gleasonPatternsClinical
    I(1507,1508,3839,0,2,15,2,0,0,0,0), // gleasonPatternsPathological
    I(1509,1510,3840,0,2,15,2,0,0,0,0), // gleasonScoreClinical
    I(1511,1512,3841,0,2,15,2,0,0,0,0), // gleasonScorePathological
    I(1513,1514,3842,0,2,15,2,0,0,0,0), // gleasonTertiaryPattern
    I(146,147,440,0,1,15,2,1,0,0,0), // grade
    I(1284,1285,3843,0,1,15,2,0,0,0,0), // gradeClinical
    I(776,777,1973,0,1,15,2,1,0,0,0), // gradeIcdO1
    I(150,151,449,0,1,15,2,1,0,0,0), // gradePathSystem
    I(148,149,441,0,1,15,2,1,0,0,0), // gradePathValue
    I(1286,1287,3844,0,1,15,2,0,0,0,0), // gradePathological
    I(1288,1692,3845,0,1,15,2,0,0,0,0), // gradePostTherapy
    I(1693,1694,1068,0,1,15,2,0,0,0,0), // gradePostTherapyClin
    I(1539,1540,3846,0,7,15,2,0,1,0,0), // hcgPostOrchiectomyLabValue
    I(1541,1542,3847,0,1,15,2,1,0,0,0), // hcgPostOrchiectomyRange
    I(1535,1536,3848,0,7,15,2,0,1,0,0), // hcgPreOrchiectomyLabValue
    I(1537,1538,3849,0,1,15,2,1,0,0,0), // hcgPreOrchiectomyRange
    I(1333,1334,3850,0,1,15,2,1,0,0,0), // her2IhcSummary
    I(1335,1336,3851,0,4,15,2,0,1,0,0), // her2IshDualProbeCopyNumber
    I(1337,1338,3852,0,4,15,2,0,1,0,0), // her2IshDualProbeRatio
    I(1339,1340,3853,0,4,15,2,0,1,0,0), // her2IshSingleProbeCopyNumber
    I(1341,1342,3854,0,1,15,2,1,0,0,0), // her2IshSummary
    I(1317,1318,3855,0,1,15,2,1,0,0,0), // her2OverallSummary
    I(1473,1474,3856,0,1,15,2,1,0,0,0), // heritableTrait
    I(1485,1486,3857,0,1,15,2,0,0,0,0), // highRiskCytogenetics
    I(1523,1524,3858,0,1,15,2,1,0,0,0), // highRiskHistologicFeatures
    I(142,143,522,0,4,15,2,1,0,0,0), // histologicTypeIcdO3
    I(772,773,1971,0,4,15,2,1,0,0,0), // histologyIcdO1
    I(138,139,420,0,4,15,2,1,0,0,0), // histologyIcdO2
    I(1439,1440,3859,0,1,15,2,1,0,0,0), // hivStatus
    I(1431,1432,3860,0,3,15,2,0,0,0,0), // iNRProthrombinTime
    I(778,779,1980,0,1,15,2,1,0,0,0), // icdO2ConversionFlag
    I(814,815,2116,0,1,15,2,1,0,0,0), // icdO3ConversionFlag
    I(488,489,3165,0,1,15,2,1,0,0,0), // icdRevisionComorbid
    I(896,897,1920,0,1,15,1,1,0,0,0), // icdRevisionNumber
    I(92,93,192,0,1,15,1,1,0,0,0), // ihsLink
    I(80,81,300,0,1,15,2,1,0,0,0), // industrySource
    I(208,209,605,0,1,15,2,1,0,0,0), // inpatientStatus
    I(966,967,2410,0,10,7,2,0,3,0,0), // institutionReferredFrom
    I(970,971,2420,0,10,7,2,0,3,0,0), // institutionReferredTo
    I(1409,1410,3864,0,1,15,2,1,0,0,0), // invasionBeyondCapsule
    I(1407,1408,3861,0,1,15,2,1,0,0,0), // ipsilateralAdrenalGlandInvolve
    I(1401,1402,3862,0,1,15,2,1,0,0,0), // jak2
    I(1343,1344,3863,0,5,15,2,0,1,0,0), // ki67
    I(1383,1384,3865,0,1,15,2,1,0,0,0), // kitGeneImmunohistochemistry
    I(1363,1364,3866,0,1,15,2,1,0,0,0), // kras
    I(136,137,410,0,1,15,2,1,0,0,0), // laterality
    I(954,955,2352,0,10,7,2,0,1,0,0), // latitude
    I(1545,1546,3867,0,1,15,2,1,0,0,0), // ldhPostOrchiectomyRange
    I(1543,1544,3868,0,1,15,2,1,0,0,0), // ldhPreOrchiectomyRange
    I(1463,1695,3932,0,7,15,2,0,1,0,0), // ldhPretreatmentLabValue
    I(1487,1696,3869,0,1,15,2,1,0,0,0), // ldhPretreatmentLevel
    I(1461,1462,3870,0,3,15,2,0,0,0,0), // ldhUpperLimitsOfNormal
    I(1561,1562,3871,0,1,15,2,1,0,0,0), // lnAssessMethodFemoralInguinal
    I(1551,1552,3872,0,1,15,2,1,0,0,0), // lnAssessMethodParaaortic
    I(1553,1554,3873,0,1,15,2,1,0,0,0), // lnAssessMethodPelvic
    I(1555,1556,3874,0,1,15,2,1,0,0,0), // lnDistantAssessMethod
    I(1557,1558,3875,0,1,15,2,1,0,0,0), // lnDistantMediastinalScalene
    I(1391,1392,3876,0,1,15,2,1,0,0,0), // lnHeadAndNeckLevels1To3
    I(1393,1394,3877,0,1,15,2,1,0,0,0), // lnHeadAndNeckLevels4To5
    I(1395,1396,3878,0,1,15,2,1,0,0,0), // lnHeadAndNeckLevels6To7
    I(1397,1398,3879,0,1,15,2,1,0,0,0), // lnHeadAndNeckOther
    I(1467,1468,3880,0,1,15,2,1,0,0,0), // lnIsolatedTumorCells
    I(1563,1564,3881,0,1,15,2,1,0,0,0), // lnLaterality
    I(1319,1320,3882,0,2,15,2,0,0,0,0), // lnPositiveAxillaryLevel1To2
    I(1399,1400,3883,0,4,15,2,0,1,0,0), // lnSize
    I(1559,1560,3884,0,1,15,2,1,0,0,0), // lnStatusFemorInguinParaaortPelv
    I(956,957,2354,0,11,7,2,0,1,0,0), // longitude
    I(312,1290,1182,0,1,15,2,1,0,0,0), // lymphVascularInvasion
    I(1479,1480,3885,0,1,15,2,1,0,0,0), // lymphocytosis
    I(1411,1412,3886,0,1,15,2,1,0,0,0), // majorVeinInvolvement
    I(42,43,150,0,1,15,2,1,0,0,0), // maritalStatusAtDx
    I(1451,1452,3887,0,4,15,2,0,1,0,0), // measuredBasalDiameter
    I(1453,1454,3888,0,4,15,2,0,1,0,0), // measuredThickness
    I(930,931,2300,0,15,7,2,0,1,0,0), // medicalRecordNumber
    I(1646,1647,2315,0,11,7,1,0,0,0,0), // medicareBeneficiaryIdentifier
    I(1313,1314,3889,0,1,15,2,1,0,0,0), // methylationOfO6MGMT
    I(1136,1137,1112,0,1,15,2,1,0,0,0), // metsAtDxBone
    I(1138,1139,1113,0,1,15,2,1,0,0,0), // metsAtDxBrain
    I(1140,1217,1114,0,1,15,2,1,0,0,0), // metsAtDxDistantLn
    I(1142,1143,1115,0,1,15,2,1,0,0,0), // metsAtDxLiver
    I(1144,1145,1116,0,1,15,2,1,0,0,0), // metsAtDxLung
    I(1146,1147,1117,0,1,15,2,1,0,0,0), // metsAtDxOther
    I(1365,1366,3890,0,1,15,2,1,0,0,0), // microsatelliteInstability
    I(1455,1456,3891,0,2,15,2,0,0,0,0), // microvascularDensity
    I(932,933,2310,0,2,7,2,1,3,0,0), // militaryRecordNoSuffix
    I(1457,1458,3892,0,4,15,2,0,1,0,0), // mitoticCountUvealMelanoma
    I(1443,1444,3893,0,2,15,2,0,0,0,0), // mitoticRateMelanoma
    I(156,157,470,0,1,15,2,3,0,0,0), // morphCodingSysCurrent
    I(158,159,480,0,1,15,2,3,0,0,0), // morphCodingSysOriginl
    I(172,173,444,0,2,15,2,1,3,0,0), // multTumRptAsOnePrim
    I(1321,1322,3894,0,1,15,2,1,0,0,0), // multigeneSignatureMethod
    I(1323,1324,3895,0,2,15,2,0,0,0,0), // multigeneSignatureResults
    I(178,179,446,0,2,15,2,1,3,0,0), // multiplicityCounter
    I(6,7,50,0,3,15,0,1,0,0,0), // naaccrRecordVersion
    I(924,925,2280,0,40,7,1,0,0,0,0), // nameAlias
    I(1697,1698,2232,0,40,7,1,0,0,0,0), // nameBirthSurname
    I(916,917,2240,0,40,7,1,0,0,0,0), // nameFirst
    I(914,915,2230,0,40,7,1,0,0,0,0), // nameLast
    I(926,927,2390,0,40,7,1,0,0,0,0), // nameMaiden
    I(918,919,2250,0,40,7,1,0,0,0,0), // nameMiddle
    I(920,921,2260,0,3,7,1,0,0,0,0), // namePrefix
    I(928,929,2290,0,60,7,2,0,0,0,0), // nameSpouseParent
    I(922,923,2270,0,3,7,1,0,0,0,0), // nameSuffix
    I(1441,1442,3896,0,2,15,2,0,0,0,0), // nccnInternationalPrognosticIndex
    I(1699,1700,3946,0,1,15,2,1,0,0,0), // ncdbCovid19TxImpact
    I(1701,1702,3944,0,1,15,1,1,0,0,0), // ncdbSarsCov2Pos
    I(1703,1704,3945,0,8,15,1,5,0,0,0), // ncdbSarsCov2PosDate
    I(1705,1706,3943,0,1,15,1,1,0,0,0), // ncdbSarsCov2Test
    I(1707,1708,1633,0,1,15,2,0,0,0,0), // neoadjuvTherapyClinicalResponse
    I(1709,1710,1634,0,1,15,2,0,0,0,0), // neoadjuvTherapyTreatmentEffect
    I(1711,1712,1632,0,1,15,2,0,0,0,0), // neoadjuvantTherapy
    I(870,871,1800,0,1,15,2,1,0,0,0), // nextFollowUpSource
    I(88,89,191,0,1,15,1,1,0,0,0), // nhiaDerivedHispOrigin
    I(1291,1292,3645,0,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmClinStgGrp
    I(1293,1294,3646,0,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmPathStgGrp
    I(1295,1296,3647,0,15,15,2,0,0,0,0), // npcrDerivedAjcc8TnmPostStgGrp
    I(1182,1183,3650,0,4,15,2,0,0,0,0), // npcrDerivedClinStgGrp
    I(1184,1185,3655,0,4,15,2,0,0,0,0), // npcrDerivedPathStgGrp
    I(186,187,3105,0,10,15,2,1,0,0,0), // npiArchiveFin
    I(960,961,2445,0,10,7,2,1,0,0,0), // npiFollowingRegistry
    I(964,965,2415,0,10,7,2,1,0,0,0), // npiInstReferredFrom
    I(968,969,2425,0,10,7,2,1,0,0,0), // npiInstReferredTo
    I(986,987,2495,0,10,7,2,1,0,0,0), // npiPhysician3
    I(990,991,2505,0,10,7,2,1,0,0,0), // npiPhysician4
    I(978,979,2475,0,10,7,2,1,0,0,0), // npiPhysicianFollowUp
    I(974,975,2465,0,10,7,2,1,0,0,0), // npiPhysicianManaging
    I(982,983,2485,0,10,7,2,1,0,0,0), // npiPhysicianPrimarySurg
    I(8,9,45,0,10,15,0,1,0,0,0), // npiRegistryId
    I(182,183,545,0,10,15,2,1,0,0,0), // npiReportingFacility
    I(1713,1714,3941,0,1,15,2,0,0,0,0), // nrasMutationalAnalysis
    I(1515,1516,3897,0,2,15,2,0,0,0,0), // numberOfCoresExamined
    I(1517,1518,3898,0,2,15,2,0,0,0,0), // numberOfCoresPositive
    I(1373,1374,3899,0,2,15,2,0,0,0,0), // numberOfExaminedParaAorticNodes
    I(1377,1378,3900,0,2,15,2,0,0,0,0), // numberOfExaminedPelvicNodes
    I(1371,1372,3901,0,2,15,2,0,0,0,0), // numberOfPositiveParaAorticNodes
    I(1375,1376,3902,0,2,15,2,0,0,0,0), // numberOfPositivePelvicNodes
    I(1615,1616,1532,0,2,15,2,1,3,0,0), // numberPhasesOfRadTxToVolume
    I(78,79,290,0,1,15,2,1,0,0,0), // occupationSource
    I(1345,1346,3903,0,3,15,2,0,3,0,0), // oncotypeDxRecurrenceScoreDcis
    I(1347,1348,3904,0,3,15,2,0,3,0,0), // oncotypeDxRecurrenceScoreInvasiv
    I(1349,1350,3905,0,1,15,2,1,0,0,0), // oncotypeDxRiskLevelDcis
    I(1351,1352,3906,0,1,15,2,1,0,0,0), // oncotypeDxRiskLevelInvasive
    I(1481,1482,3907,0,1,15,2,1,0,0,0), // organomegaly
    I(734,735,1985,0,1,15,2,1,0,0,0), // overRideAcsnClassSeq
    I(744,745,1990,0,1,15,2,1,0,0,0), // overRideAgeSiteMorph
    I(738,739,1987,0,1,15,2,1,0,0,0), // overRideCocSiteType
    I(816,817,3750,0,1,15,2,1,0,0,0), // overRideCs1
    I(834,835,3759,0,1,15,2,1,0,0,0), // overRideCs10
    I(836,837,3760,0,1,15,2,1,0,0,0), // overRideCs11
    I(838,839,3761,0,1,15,2,1,0,0,0), // overRideCs12
    I(840,841,3762,0,1,15,2,1,0,0,0), // overRideCs13
    I(842,843,3763,0,1,15,2,1,0,0,0), // overRideCs14
    I(844,845,3764,0,1,15,2,1,0,0,0), // overRideCs15
    I(846,847,3765,0,1,15,2,1,0,0,0), // overRideCs16
    I(848,849,3766,0,1,15,2,1,0,0,0), // overRideCs17
    I(850,851,3767,0,1,15,2,1,0,0,0), // overRideCs18
    I(852,853,3768,0,1,15,2,1,0,0,0), // overRideCs19
    I(818,819,3751,0,1,15,2,1,0,0,0), // overRideCs2
    I(854,855,3769,0,1,15,2,1,0,0,0), // overRideCs20
    I(820,821,3752,0,1,15,2,1,0,0,0), // overRideCs3
    I(822,823,3753,0,1,15,2,1,0,0,0), // overRideCs4
    I(824,825,3754,0,1,15,2,1,0,0,0), // overRideCs5
    I(826,827,3755,0,1,15,2,1,0,0,0), // overRideCs6
    I(828,829,3756,0,1,15,2,1,0,0,0), // overRideCs7
    I(830,831,3757,0,1,15,2,1,0,0,0), // overRideCs8
    I(832,833,3758,0,1,15,2,1,0,0,0), // overRideCs9
    I(754,755,2040,0,1,15,2,1,0,0,0), // overRideHistology
    I(736,737,1986,0,1,15,2,1,0,0,0), // overRideHospseqDxconf
    I(740,741,1988,0,1,15,2,1,0,0,0), // overRideHospseqSite
    I(758,759,2060,0,1,15,2,1,0,0,0), // overRideIllDefineSite
    I(760,761,2070,0,1,15,2,1,0,0,0), // overRideLeukLymphoma
    I(1627,1628,2078,0,1,15,1,1,0,0,0), // overRideNameSex
    I(756,757,2050,0,1,15,2,1,0,0,0), // overRideReportSource
    I(746,747,2000,0,1,15,2,1,0,0,0), // overRideSeqnoDxconf
    I(762,763,2071,0,1,15,2,1,0,0,0), // overRideSiteBehavior
    I(764,765,2072,0,1,15,2,1,0,0,0), // overRideSiteEodDxDt
    I(766,767,2073,0,1,15,2,1,0,0,0), // overRideSiteLatEod
    I(768,769,2074,0,1,15,2,1,0,0,0), // overRideSiteLatMorph
    I(748,749,2010,0,1,15,2,1,0,0,0), // overRideSiteLatSeqno
    I(742,743,1989,0,1,15,2,1,0,0,0), // overRideSiteTnmStggrp
    I(752,753,2030,0,1,15,2,1,0,0,0), // overRideSiteType
    I(728,729,1981,0,1,15,2,1,0,0,0), // overRideSsNodespos
    I(732,733,1983,0,1,15,2,1,0,0,0), // overRideSsTnmM
    I(730,731,1982,0,1,15,2,1,0,0,0), // overRideSsTnmN
    I(750,751,2020,0,1,15,2,1,0,0,0), // overRideSurgDxconf
    I(1625,1626,1994,0,1,15,2,1,0,0,0), // overRideTnm3
    I(1621,1622,1992,0,1,15,2,1,0,0,0), // overRideTnmStage
    I(1623,1624,1993,0,1,15,2,1,0,0,0), // overRideTnmTis
    I(1000,1001,7320,0,14,3,2,5,0,0,0), // pathDateSpecCollect1
    I(1012,1013,7321,0,14,3,2,5,0,0,0), // pathDateSpecCollect2
    I(1024,1025,7322,0,14,3,2,5,0,0,0), // pathDateSpecCollect3
    I(1036,1037,7323,0,14,3,2,5,0,0,0), // pathDateSpecCollect4
    I(1048,1049,7324,0,14,3,2,5,0,0,0), // pathDateSpecCollect5
    I(1006,1007,7100,0,20,3,2,0,0,0,0), // pathOrderPhysLicNo1
    I(1018,1019,7101,0,20,3,2,0,0,0,0), // pathOrderPhysLicNo2
    I(1030,1031,7102,0,20,3,2,0,0,0,0), // pathOrderPhysLicNo3
    I(1042,1043,7103,0,20,3,2,0,0,0,0), // pathOrderPhysLicNo4
    I(1054,1055,7104,0,20,3,2,0,0,0,0), // pathOrderPhysLicNo5
    I(1004,1005,7190,0,25,3,2,0,0,0,0), // pathOrderingFacNo1
    I(1016,1017,7191,0,25,3,2,0,0,0,0), // pathOrderingFacNo2
    I(1028,1029,7192,0,25,3,2,0,0,0,0), // pathOrderingFacNo3
    I(1040,1041,7193,0,25,3,2,0,0,0,0), // pathOrderingFacNo4
    I(1052,1053,7194,0,25,3,2,0,0,0,0), // pathOrderingFacNo5
    I(998,999,7090,0,20,3,2,0,0,0,0), // pathReportNumber1
    I(1010,1011,7091,0,20,3,2,0,0,0,0), // pathReportNumber2
    I(1022,1023,7092,0,20,3,2,0,0,0,0), // pathReportNumber3
    I(1034,1035,7093,0,20,3,2,0,0,0,0), // pathReportNumber4
    I(1046,1047,7094,0,20,3,2,0,0,0,0), // pathReportNumber5
    I(1002,1003,7480,0,2,3,2,1,3,0,0), // pathReportType1
    I(1014,1015,7481,0,2,3,2,1,3,0,0), // pathReportType2
    I(1026,1027,7482,0,2,3,2,1,3,0,0), // pathReportType3
    I(1038,1039,7483,0,2,3,2,1,3,0,0), // pathReportType4
    I(1050,1051,7484,0,2,3,2,1,3,0,0), // pathReportType5
    I(996,997,7010,0,25,3,2,0,0,0,0), // pathReportingFacId1
    I(1008,1009,7011,0,25,3,2,0,0,0,0), // pathReportingFacId2
    I(1020,1021,7012,0,25,3,2,0,0,0,0), // pathReportingFacId3
    I(1032,1033,7013,0,25,3,2,0,0,0,0), // pathReportingFacId4
    I(1044,1045,7014,0,25,3,2,0,0,0,0), // pathReportingFacId5
    I(14,15,20,0,8,15,1,1,3,0,0), // patientIdNumber
    I(16,17,21,0,8,15,2,1,3,0,0), // patientSystemIdHosp
    I(300,301,1120,0,2,15,2,0,0,0,0), // pediatricStage
    I(304,305,1140,0,1,15,2,1,0,0,0), // pediatricStagedBy
    I(302,303,1130,0,2,15,2,1,3,0,0), // pediatricStagingSystem
    I(1307,1308,3908,0,5,15,2,0,1,0,0), // percentNecrosisPostNeoadjuvant
    I(1367,1368,3909,0,1,15,2,1,0,0,0), // perineuralInvasion
    I(1471,1472,3910,0,1,15,2,1,0,0,0), // peripheralBloodInvolvement
    I(1379,1380,3911,0,1,15,2,1,0,0,0), // peritonealCytology
    I(1581,1582,1501,0,5,15,2,1,3,0,0), // phase1DosePerFraction
    I(1583,1584,1503,0,3,15,2,1,3,0,0), // phase1NumberOfFractions
    I(1579,1580,1502,0,2,15,2,1,0,0,0), // phase1RadiationExternalBeamTech
    I(1573,1574,1504,0,2,15,2,0,0,0,0), // phase1RadiationPrimaryTxVolume
    I(1575,1576,1505,0,2,15,2,1,0,0,0), // phase1RadiationToDrainingLN
    I(1577,1578,1506,0,2,15,2,1,0,0,0), // phase1RadiationTreatmentModality
    I(1585,1586,1507,0,6,15,2,1,3,0,0), // phase1TotalDose
    I(1595,1596,1511,0,5,15,2,1,0,0,0), // phase2DosePerFraction
    I(1597,1598,1513,0,3,15,2,1,3,0,0), // phase2NumberOfFractions
    I(1593,1594,1512,0,2,15,2,1,0,0,0), // phase2RadiationExternalBeamTech
    I(1587,1588,1514,0,2,15,2,1,0,0,0), // phase2RadiationPrimaryTxVolume
    I(1589,1590,1515,0,2,15,2,1,0,0,0), // phase2RadiationToDrainingLN
    I(1591,1592,1516,0,2,15,2,1,0,0,0), // phase2RadiationTreatmentModality
    I(1599,1600,1517,0,6,15,2,1,3,0,0), // phase2TotalDose
    I(1609,1610,1521,0,5,15,2,1,0,0,0), // phase3DosePerFraction
    I(1611,1612,1523,0,3,15,2,1,3,0,0), // phase3NumberOfFractions
    I(1607,1608,1522,0,2,15,2,1,0,0,0), // phase3RadiationExternalBeamTech
    I(1601,1602,1524,0,2,15,2,1,0,0,0), // phase3RadiationPrimaryTxVolume
    I(1603,1604,1525,0,2,15,2,1,0,0,0), // phase3RadiationToDrainingLN
    I(1605,1606,1526,0,2,15,2,1,0,0,0), // phase3RadiationTreatmentModality
    I(1613,1614,1527,0,6,15,2,1,3,0,0), // phase3TotalDose
    I(988,989,2490,0,8,7,2,0,0,0,0), // physician3
    I(992,993,2500,0,8,7,2,0,0,0,0), // physician4
    I(980,981,2470,0,8,7,2,0,0,0,0), // physicianFollowUp
    I(976,977,2460,0,8,7,2,0,0,0,0), // physicianManaging
    I(984,985,2480,0,8,7,2,0,0,0,0), // physicianPrimarySurg
    I(900,901,1940,0,3,15,1,0,3,0,0), // placeOfDeath
    I(118,119,1944,0,3,15,1,2,0,0,0), // placeOfDeathCountry
    I(116,117,1942,0,2,15,1,2,0,0,0), // placeOfDeathState
    I(1503,1504,3913,0,1,15,2,1,0,0,0), // pleuralEffusion
    I(212,213,630,0,2,15,2,1,3,0,0), // primaryPayerAtDx
    I(1403,1404,3917,0,1,15,2,1,0,0,0), // primarySclerosingCholangitis
    I(134,135,400,0,4,15,2,0,0,0,0), // primarySite
    I(1469,1470,3918,0,1,15,2,1,0,0,0), // profoundImmuneSuppression
    I(1353,1354,3914,0,3,15,2,0,0,0,0), // progesteroneRecepPrcntPosOrRange
    I(1325,1326,3915,0,1,15,2,1,0,0,0), // progesteroneRecepSummary
    I(1355,1356,3916,0,2,15,2,0,0,0,0), // progesteroneRecepTotalAllredScor
    I(1519,1715,3919,0,3,15,2,0,0,0,0), // prostatePathologicalExtension
    I(1521,1522,3920,0,5,15,2,0,1,0,0), // psaLabValue
    I(866,867,1780,0,1,15,2,1,0,0,0), // qualityOfSurvival
    I(44,45,160,0,2,15,1,1,3,0,0), // race1
    I(46,47,161,0,2,15,1,1,3,0,0), // race2
    I(48,49,162,0,2,15,1,1,3,0,0), // race3
    I(50,51,163,0,2,15,1,1,3,0,0), // race4
    I(52,53,164,0,2,15,1,1,3,0,0), // race5
    I(54,55,170,0,1,15,1,1,0,0,0), // raceCodingSysCurrent
    I(56,57,180,0,1,15,1,1,0,0,0), // raceCodingSysOriginal
    I(90,91,193,0,2,15,1,1,3,0,0), // raceNapiia
    I(642,643,3210,0,5,15,2,1,3,0,0), // radBoostDoseCgy
    I(640,641,3200,0,2,15,2,1,3,0,0), // radBoostRxModality
    I(636,637,1550,0,1,15,2,1,0,0,0), // radLocationOfRx
    I(632,633,1520,0,3,15,2,1,3,0,0), // radNoOfTreatmentVol
    I(630,631,1510,0,5,15,2,1,3,0,0), // radRegionalDoseCgy
    I(638,639,1570,0,2,15,2,1,3,0,0), // radRegionalRxModality
    I(634,635,1540,0,2,15,2,1,3,0,0), // radTreatmentVolume
    I(1617,1618,1531,0,2,15,2,1,0,0,0), // radiationTxDiscontinuedEarly
    I(648,649,3190,0,1,15,2,1,0,0,0), // readmSameHosp30Days
    I(624,625,1430,0,1,15,2,1,0,0,0), // reasonForNoRadiation
    I(602,603,1340,0,1,15,2,1,0,0,0), // reasonForNoSurgery
    I(1639,1640,1775,0,2,15,2,1,0,0,0), // recordNumberRecode
    I(0,1,10,0,1,15,0,0,0,0,0), // recordType
    I(882,883,1860,0,8,15,2,5,0,0,0), // recurrenceDate1st
    I(884,885,1861,0,2,15,2,1,0,0,0), // recurrenceDate1stFlag
    I(886,887,1880,0,2,15,2,1,3,0,0), // recurrenceType1st
    I(264,265,830,0,2,15,2,1,3,0,0), // regionalNodesExamined
    I(262,263,820,0,2,15,2,1,3,0,0), // regionalNodesPositive
    I(10,11,40,0,10,15,0,1,3,0,0), // registryId
    I(2,3,30,0,1,15,0,1,0,0,0), // registryType
    I(184,185,540,0,10,15,2,0,0,0,0), // reportingFacility
    I(1495,1496,3921,0,2,15,2,1,0,0,0), // residualTumVolPostCytoreduction
    I(1327,1328,3922,0,1,15,2,1,0,0,0), // responseToNeoadjuvantTherapy
    I(1629,1630,2155,0,1,15,2,1,0,0,0), // rqrsNcdbSubmissionFlag
    I(1209,1210,339,0,1,15,2,3,0,0,0), // ruca2000
    I(1211,1212,341,0,1,15,2,3,0,0,0), // ruca2010
    I(96,97,3300,0,2,15,2,1,3,0,0), // ruralurbanContinuum1993
    I(98,99,3310,0,2,15,2,1,3,0,0), // ruralurbanContinuum2003
    I(1134,1135,3312,0,2,15,2,1,3,0,0), // ruralurbanContinuum2013
    I(626,627,1460,0,2,15,2,1,3,0,0), // rxCodingSystemCurrent
    I(574,575,1240,0,8,15,2,5,0,0,0), // rxDateBrm
    I(576,577,1241,0,2,15,2,1,0,0,0), // rxDateBrmFlag
    I(566,567,1220,0,8,15,2,5,0,0,0), // rxDateChemo
    I(568,569,1221,0,2,15,2,1,0,0,0), // rxDateChemoFlag
    I(582,583,1280,0,8,15,2,5,0,0,0), // rxDateDxStgProc
    I(584,585,1281,0,2,15,2,1,0,0,0), // rxDateDxStgProcFlag
    I(570,571,1230,0,8,15,2,5,0,0,0), // rxDateHormone
    I(572,573,1231,0,2,15,2,1,0,0,0), // rxDateHormoneFlag
    I(546,1567,3170,0,8,15,2,5,0,0,0), // rxDateMostDefinSurg
    I(548,1568,3171,0,2,15,2,1,0,0,0), // rxDateMostDefinSurgFlag
    I(578,579,1250,0,8,15,2,5,0,0,0), // rxDateOther
    I(580,581,1251,0,2,15,2,1,0,0,0), // rxDateOtherFlag
    I(554,555,1210,0,8,15,2,5,0,0,0), // rxDateRadiation
    I(558,1571,3220,0,8,15,2,5,0,0,0), // rxDateRadiationEnded
    I(560,1572,3221,0,2,15,2,1,0,0,0), // rxDateRadiationEndedFlag
    I(556,557,1211,0,2,15,2,1,0,0,0), // rxDateRadiationFlag
    I(542,543,1200,0,8,15,2,5,0,0,0), // rxDateSurgery
    I(544,545,1201,0,2,15,2,1,0,0,0), // rxDateSurgeryFlag
    I(550,1569,3180,0,8,15,2,5,0,0,0), // rxDateSurgicalDisch
    I(552,1570,3181,0,2,15,2,1,0,0,0), // rxDateSurgicalDischFlag
    I(562,563,3230,0,8,15,2,5,0,0,0), // rxDateSystemic
    I(564,565,3231,0,2,15,2,1,0,0,0), // rxDateSystemicFlag
    I(234,235,720,0,2,15,2,1,3,0,0), // rxHospBrm
    I(230,231,700,0,2,15,2,1,3,0,0), // rxHospChemo
    I(238,239,740,0,2,15,2,1,3,0,0), // rxHospDxStgProc
    I(232,233,710,0,2,15,2,1,3,0,0), // rxHospHormone
    I(236,237,730,0,1,15,2,1,0,0,0), // rxHospOther
    I(240,241,3280,0,1,15,2,1,0,0,0), // rxHospPalliativeProc
    I(228,229,690,0,1,15,2,1,0,0,0), // rxHospRadiation
    I(224,225,676,0,2,15,2,1,3,0,0), // rxHospRegLnRemoved
    I(244,245,747,0,1,15,2,1,0,0,0), // rxHospScopeReg9802
    I(220,221,672,0,1,15,2,1,0,0,0), // rxHospScopeRegLnSur
    I(216,217,668,0,1,15,2,1,0,0,0), // rxHospSurgApp2010
    I(246,247,748,0,1,15,2,1,0,0,0), // rxHospSurgOth9802
    I(222,223,674,0,1,15,2,1,0,0,0), // rxHospSurgOthRegDis
    I(218,219,670,0,2,15,2,1,3,0,0), // rxHospSurgPrimSite
    I(242,243,746,0,2,15,2,1,3,0,0), // rxHospSurgSite9802
    I(620,621,1410,0,2,15,2,1,3,0,0), // rxSummBrm
    I(616,617,1390,0,2,15,2,1,3,0,0), // rxSummChemo
    I(604,605,1350,0,2,15,2,1,3,0,0), // rxSummDxStgProc
    I(618,619,1400,0,2,15,2,1,3,0,0), // rxSummHormone
    I(622,623,1420,0,1,15,2,1,0,0,0), // rxSummOther
    I(606,607,3270,0,1,15,2,1,0,0,0), // rxSummPalliativeProc
    I(610,611,1370,0,1,15,2,1,0,0,0), // rxSummRadToCns
    I(608,609,1360,0,1,15,2,1,0,0,0), // rxSummRadiation
    I(600,601,1330,0,1,15,2,1,0,0,0), // rxSummReconstruct1st
    I(594,595,1296,0,2,15,2,1,3,0,0), // rxSummRegLnExamined
    I(652,653,1647,0,1,15,2,1,0,0,0), // rxSummScopeReg9802
    I(590,591,1292,0,1,15,2,1,0,0,0), // rxSummScopeRegLnSur
    I(654,655,1648,0,1,15,2,1,0,0,0), // rxSummSurgOth9802
    I(592,593,1294,0,1,15,2,1,0,0,0), // rxSummSurgOthRegDis
    I(588,589,1290,0,2,15,2,1,3,0,0), // rxSummSurgPrimSite
    I(612,613,1380,0,1,15,2,1,0,0,0), // rxSummSurgRadSeq
    I(650,651,1646,0,2,15,2,1,3,0,0), // rxSummSurgSite9802
    I(646,647,1640,0,2,15,2,1,3,0,0), // rxSummSurgeryType
    I(596,597,1310,0,1,15,2,1,0,0,0), // rxSummSurgicalApproch
    I(598,599,1320,0,1,15,2,1,0,0,0), // rxSummSurgicalMargins
    I(644,645,1639,0,1,15,2,1,0,0,0), // rxSummSystemicSurSeq
    I(614,615,3250,0,2,15,2,1,3,0,0), // rxSummTransplntEndocr
    I(586,587,1285,0,1,15,2,1,0,0,0), // rxSummTreatmentStatus
    I(1086,1087,2660,0,1000,3,2,0,0,0,1), // rxTextBrm
    I(1082,1083,2640,0,1000,3,2,0,0,0,1), // rxTextChemo
    I(1084,1085,2650,0,1000,3,2,0,0,0,1), // rxTextHormone
    I(1088,1089,2670,0,1000,3,2,0,0,0,1), // rxTextOther
    I(1078,1079,2620,0,1000,3,2,0,0,0,1), // rxTextRadiation
    I(1080,1081,2630,0,1000,3,2,0,0,0,1), // rxTextRadiationOther
    I(1076,1077,2610,0,1000,3,2,0,0,0,1), // rxTextSurgery
    I(1547,1548,3923,0,1,15,2,1,0,0,0), // sCategoryClinical
    I(1549,1550,3924,0,1,15,2,1,0,0,0), // sCategoryPathological
    I(1413,1414,3925,0,3,15,2,0,0,0,0), // sarcomatoidFeatures
    I(1301,1302,3926,0,1,15,2,0,0,0,0), // schemaDiscriminator1
    I(1303,1304,3927,0,1,15,2,0,0,0,0), // schemaDiscriminator2
    I(1305,1306,3928,0,1,15,2,0,0,0,0), // schemaDiscriminator3
    I(1299,1300,3800,0,5,15,2,0,0,0,0), // schemaId
    I(1716,1717,2117,0,5,15,2,0,0,0,0), // schemaIdVersionCurrent
    I(1718,1719,2118,0,5,15,2,0,0,0,0), // schemaIdVersionOriginal
    I(510,511,3780,0,7,15,2,0,0,0,0), // secondaryDiagnosis1
    I(528,529,3798,0,7,15,2,0,0,0,0), // secondaryDiagnosis10
    I(512,513,3782,0,7,15,2,0,0,0,0), // secondaryDiagnosis2
    I(514,515,3784,0,7,15,2,0,0,0,0), // secondaryDiagnosis3
    I(516,517,3786,0,7,15,2,0,0,0,0), // secondaryDiagnosis4
    I(518,519,3788,0,7,15,2,0,0,0,0), // secondaryDiagnosis5
    I(520,521,3790,0,7,15,2,0,0,0,0), // secondaryDiagnosis6
    I(522,523,3792,0,7,15,2,0,0,0,0), // secondaryDiagnosis7
    I(524,525,3794,0,7,15,2,0,0,0,0), // secondaryDiagnosis8
    I(526,527,3796,0,7,15,2,0,0,0,0), // secondaryDiagnosis9
    I(1641,1642,1914,0,1,15,2,1,0,0,0), // seerCauseSpecificCod
    I(782,783,2120,0,1,15,2,3,0,0,0), // seerCodingSysCurrent
    I(784,785,2130,0,1,15,2,3,0,0,0), // seerCodingSysOriginal
    I(1643,1644,1915,0,1,15,2,1,0,0,0), // seerOtherCod
    I(794,795,2190,0,2,15,2,1,3,0,0), // seerRecordNumber
    I(476,477,3700,0,1,15,2,1,0,0,0), // seerSiteSpecificFact1
    I(478,479,3702,0,1,15,2,1,0,0,0), // seerSiteSpecificFact2
    I(480,481,3704,0,1,15,2,1,0,0,0), // seerSiteSpecificFact3
    I(482,483,3706,0,1,15,2,1,0,0,0), // seerSiteSpecificFact4
    I(484,485,3708,0,1,15,2,1,0,0,0), // seerSiteSpecificFact5
    I(486,487,3710,0,1,15,2,1,0,0,0), // seerSiteSpecificFact6
    I(252,253,760,0,1,15,2,1,0,0,0), // seerSummaryStage1977
    I(250,251,759,0,1,15,2,1,0,0,0), // seerSummaryStage2000
    I(792,793,2180,0,1,15,2,1,0,0,0), // seerTypeOfFollowUp
    I(1242,1243,834,0,2,15,2,1,3,0,0), // sentinelLymphNodesExamined
    I(1240,1241,835,0,2,15,2,1,3,0,0), // sentinelLymphNodesPositive
    I(1433,1434,3929,0,1,15,2,1,0,0,0), // separateTumorNodules
    I(128,129,380,0,2,15,2,1,3,0,0), // sequenceNumberCentral
    I(192,193,560,0,2,15,2,1,3,0,0), // sequenceNumberHospital
    I(1489,1490,3930,0,1,15,2,1,0,0,0), // serumAlbuminPretreatmentLevel
    I(1491,1492,3931,0,1,15,2,1,0,0,0), // serumBeta2MicroglobulinPretxLvl
    I(64,65,220,0,1,15,1,1,0,0,0), // sex
    I(152,153,450,0,1,15,2,1,0,0,0), // siteCodingSysCurrent
    I(154,155,460,0,1,15,2,1,0,0,0), // siteCodingSysOriginal
    I(770,771,1960,0,4,15,2,1,0,0,0), // siteIcdO1
    I(934,935,2320,0,9,7,1,1,0,0,0), // socialSecurityNumber
    I(58,59,190,0,1,15,1,1,0,0,0), // spanishHispanicOrigin
    I(1193,1194,81,0,2,15,2,0,0,0,0), // stateAtDxGeocode19708090
    I(1197,1198,82,0,2,15,2,0,0,0,0), // stateAtDxGeocode2000
    I(1199,1200,83,0,2,15,2,0,0,0,0), // stateAtDxGeocode2010
    I(1201,1202,84,0,2,15,2,0,0,0,0), // stateAtDxGeocode2020
    I(676,677,1675,0,1,15,2,1,0,0,0), // subsqRx2ndCourseBrm
    I(672,673,1673,0,1,15,2,1,0,0,0), // subsqRx2ndCourseChemo
    I(658,659,1660,0,8,15,2,5,0,0,0), // subsqRx2ndCourseDate
    I(674,675,1674,0,1,15,2,1,0,0,0), // subsqRx2ndCourseHorm
    I(678,679,1676,0,1,15,2,1,0,0,0), // subsqRx2ndCourseOth
    I(670,671,1672,0,1,15,2,1,0,0,0), // subsqRx2ndCourseRad
    I(662,663,1671,0,2,15,2,1,3,0,0), // subsqRx2ndCourseSurg
    I(668,669,1679,0,2,15,2,1,3,0,0), // subsqRx2ndRegLnRem
    I(664,665,1677,0,1,15,2,1,0,0,0), // subsqRx2ndScopeLnSu
    I(666,667,1678,0,1,15,2,1,0,0,0), // subsqRx2ndSurgOth
    I(660,661,1661,0,2,15,2,1,0,0,0), // subsqRx2ndcrsDateFlag
    I(698,699,1695,0,1,15,2,1,0,0,0), // subsqRx3rdCourseBrm
    I(694,695,1693,0,1,15,2,1,0,0,0), // subsqRx3rdCourseChemo
    I(680,681,1680,0,8,15,2,5,0,0,0), // subsqRx3rdCourseDate
    I(696,697,1694,0,1,15,2,1,0,0,0), // subsqRx3rdCourseHorm
    I(700,701,1696,0,1,15,2,1,0,0,0), // subsqRx3rdCourseOth
    I(692,693,1692,0,1,15,2,1,0,0,0), // subsqRx3rdCourseRad
    I(684,685,1691,0,2,15,2,1,3,0,0), // subsqRx3rdCourseSurg
    I(690,691,1699,0,2,15,2,1,3,0,0), // subsqRx3rdRegLnRem
    I(686,687,1697,0,1,15,2,1,0,0,0), // subsqRx3rdScopeLnSu
    I(688,689,1698,0,1,15,2,1,0,0,0), // subsqRx3rdSurgOth
    I(682,683,1681,0,2,15,2,1,0,0,0), // subsqRx3rdcrsDateFlag
    I(720,721,1715,0,1,15,2,1,0,0,0), // subsqRx4thCourseBrm
    I(716,717,1713,0,1,15,2,1,0,0,0), // subsqRx4thCourseChemo
    I(702,703,1700,0,8,15,2,5,0,0,0), // subsqRx4thCourseDate
    I(718,719,1714,0,1,15,2,1,0,0,0), // subsqRx4thCourseHorm
    I(722,723,1716,0,1,15,2,1,0,0,0), // subsqRx4thCourseOth
    I(714,715,1712,0,1,15,2,1,0,0,0), // subsqRx4thCourseRad
    I(706,707,1711,0,2,15,2,1,3,0,0), // subsqRx4thCourseSurg
    I(712,713,1719,0,2,15,2,1,3,0,0), // subsqRx4thRegLnRem
    I(708,709,1717,0,1,15,2,1,0,0,0), // subsqRx4thScopeLnSu
    I(710,711,1718,0,1,15,2,1,0,0,0), // subsqRx4thSurgOth
    I(704,705,1701,0,2,15,2,1,0,0,0), // subsqRx4thcrsDateFlag
    I(724,725,1741,0,1,15,2,1,0,0,0), // subsqRxReconstructDel
    I(1234,1235,764,0,1,15,2,1,0,0,0), // summaryStage2018
    I(1110,1111,1782,0,8,15,2,5,0,0,0), // survDateActiveFollowup
    I(1122,1123,1788,0,8,15,2,5,0,0,0), // survDateDxRecode
    I(1116,1117,1785,0,8,15,2,5,0,0,0), // survDatePresumedAlive
    I(1112,1113,1783,0,1,15,2,1,0,0,0), // survFlagActiveFollowup
    I(1118,1119,1786,0,1,15,2,1,0,0,0), // survFlagPresumedAlive
    I(1114,1115,1784,0,4,15,2,1,3,0,0), // survMosActiveFollowup
    I(1120,1121,1787,0,4,15,2,1,3,0,0), // survMosPresumedAlive
    I(944,945,2360,0,10,7,1,1,0,0,0), // telephone
    I(1064,1065,2550,0,1000,3,2,0,0,0,1), // textDxProcLabTests
    I(1066,1067,2560,0,1000,3,2,0,0,0,1), // textDxProcOp
    I(1068,1069,2570,0,1000,3,2,0,0,0,1), // textDxProcPath
    I(1058,1059,2520,0,1000,3,2,0,0,0,1), // textDxProcPe
    I(1062,1063,2540,0,1000,3,2,0,0,0,1), // textDxProcScopes
    I(1060,1061,2530,0,1000,3,2,0,0,0,1), // textDxProcXRayScan
    I(1072,1073,2590,0,100,3,2,0,0,0,0), // textHistologyTitle
    I(1092,1093,2690,0,60,3,2,0,0,0,0), // textPlaceOfDiagnosis
    I(1070,1071,2580,0,100,3,2,0,0,0,0), // textPrimarySiteTitle
    I(1090,1091,2680,0,1000,3,2,0,0,0,1), // textRemarks
    I(1074,1075,2600,0,1000,3,2,0,0,0,1), // textStaging
    I(84,85,320,0,100,15,2,0,0,0,0), // textUsualIndustry
    I(82,83,310,0,100,15,2,0,0,0,0), // textUsualOccupation
    I(1483,1484,3933,0,1,15,2,1,0,0,0), // thrombocytopenia
    I(296,297,980,0,1,15,2,1,0,0,0), // tnmClinDescriptor
    I(292,293,960,0,4,15,2,0,0,0,0), // tnmClinM
    I(290,291,950,0,4,15,2,0,0,0,0), // tnmClinN
    I(294,295,970,0,4,15,2,0,0,0,0), // tnmClinStageGroup
    I(298,299,990,0,2,15,2,1,0,0,0), // tnmClinStagedBy
    I(288,289,940,0,4,15,2,0,0,0,0), // tnmClinT
    I(274,275,1060,0,2,15,2,0,3,0,0), // tnmEditionNumber
    I(284,285,920,0,1,15,2,1,0,0,0), // tnmPathDescriptor
    I(280,281,900,0,4,15,2,0,0,0,0), // tnmPathM
    I(278,279,890,0,4,15,2,0,0,0,0), // tnmPathN
    I(282,283,910,0,4,15,2,0,0,0,0), // tnmPathStageGroup
    I(286,287,930,0,2,15,2,1,0,0,0), // tnmPathStagedBy
    I(276,277,880,0,4,15,2,0,0,0,0), // tnmPathT
    I(1619,1620,1533,0,6,15,2,1,3,0,0), // totalDose
    I(1369,1370,3934,0,2,15,2,0,0,0,0), // tumorDeposits
    I(1405,1406,3935,0,1,15,2,1,0,0,0), // tumorGrowthPattern
    I(306,307,1150,0,1,15,2,1,0,0,0), // tumorMarker1
    I(308,309,1160,0,1,15,2,1,0,0,0), // tumorMarker2
    I(310,311,1170,0,1,15,2,1,0,0,0), // tumorMarker3
    I(12,13,60,0,2,15,2,1,3,0,0), // tumorRecordNumber
    I(1148,1149,752,0,3,15,2,1,0,0,0), // tumorSizeClinical
    I(1150,1151,754,0,3,15,2,1,0,0,0), // tumorSizePathologic
    I(1152,1153,756,0,3,15,2,1,0,0,0), // tumorSizeSummary
    I(162,163,500,0,1,15,2,1,0,0,0), // typeOfReportingSource
    I(1465,1466,3936,0,1,15,2,1,0,0,0), // ulceration
    I(908,909,1850,0,2,15,2,1,0,0,0), // unusualFollowUpMethod
    I(1213,1214,345,0,1,15,2,3,0,0,0), // uric2000
    I(1215,1216,346,0,1,15,2,3,0,0,0), // uric2010
    I(790,791,2170,0,10,15,2,0,0,0,0), // vendorName
    I(1435,1436,3937,0,1,15,2,1,0,0,0), // visceralParietalPleuralInvasion
    I(862,863,1760,0,1,15,1,1,0,0,0), // vitalStatus
    I(1633,1634,1762,0,1,15,1,1,0,0,0), // vitalStatusRecode
    U(530,531,3720,0,75,15,2,0,0,1,0), // npcrSpecificField
    U(912,913,2220,0,1000,15,2,0,0,1,0), // stateRequestorItems
    G(1100,1101,779,0,12,15,2,1,0,0,0), // extentOfDisease10Dig
    G(1650,1651,351,0,12,15,2,0,0,0,0), // geolocationid19708090
    G(1652,1653,352,0,12,15,2,0,0,0,0), // geolocationid2000
    G(1654,1655,353,0,12,15,2,0,0,0,0), // geolocationid2010
    G(1656,1657,354,0,12,15,2,0,0,0,0), // geolocationid2020
    G(1108,1109,1970,0,6,15,2,1,0,0,0), // morphIcdO1
    G(1096,1097,419,0,5,15,2,1,0,0,0), // morphTypebehavIcdO2
    G(1098,1099,521,0,5,15,2,1,0,0,0), // morphTypebehavIcdO3
    G(1102,1103,1670,0,11,15,2,1,0,0,0), // subsqRx2ndCourseCodes
    G(1104,1105,1690,0,11,15,2,1,0,0,0), // subsqRx3rdCourseCodes
    G(1106,1107,1710,0,11,15,2,1,0,0,0), // subsqRx4thCourseCodes
    I(1662,1720,2158,0,13,15,2,0,0,0,0), // ajccCancerSurvApiVersionCurrent
    I(1664,1721,2159,0,13,15,2,0,0,0,0), // ajccCancerSurvApiVersionOriginal
    I(946,947,2380,0,12,7,1,0,0,0,0), // dcStateFileNumber
    I(1722,1723,3955,0,1,15,2,0,0,0,0), // derivedRaiStage
    I(1724,1725,531,0,1,15,2,0,0,0,0), // edpMdeLink
    I(1726,1727,530,0,8,15,2,5,0,0,0), // edpMdeLinkDate
    I(1728,1729,194,0,1,15,2,0,0,0,0), // ihsPurchRefCareDeliveryArea
    I(1730,1731,3959,0,1,15,2,0,0,0,0), // lnStatusFemoralInguinal
    I(1732,1733,3958,0,1,15,2,0,0,0,0), // lnStatusParaAortic
    I(1734,1735,3957,0,1,15,2,0,0,0,0), // lnStatusPelvic
    I(1736,1737,3950,0,2,15,2,0,0,0,0), // macroscopicEvalOfTheMesorectum
    I(1738,1738,3956,0,1,15,2,0,0,0,0), // p16
    I(1739,1740,344,0,1,15,2,0,0,0,0), // tobaccoUseSmokingStatus
    I(1741,1742,285,0,2,15,2,0,0,0,0), // uihoFacility
    I(1743,1744,284,0,1,15,2,0,0,0,0), // urbanIndianHealthOrganization
    I(1745,1746,3961,0,4,15,2,0,1,0,0), // clinicalMarginWidth
    I(1648,1649,2508,0,4000,7,2,0,0,0,0), // ehrReporting
    I(1747,1748,3960,0,1,15,2,1,0,0,0), // histologicSubtype
    I(1749,1750,1854,0,1,15,1,1,0,0,0), // noPatientContactFlag
    I(1751,1752,1856,0,2,15,2,1,0,0,0), // reportingFacilityRestrictionFlag
    I(218,1753,670,0,2,15,2,1,3,0,0), // rxHospSurgPrimSite
    I(1754,1755,671,0,4,15,2,3,0,0,0), // rxHospSurgPrimSite2023
    I(588,1756,1290,0,2,15,2,1,3,0,0), // rxSummSurgPrimSite
    I(1757,1758,1291,0,4,15,2,3,0,0,0), // rxSummSurgPrimSite2023
    I(1086,1087,2660,0,4000,3,2,0,0,0,0), // rxTextBrm
    I(1082,1083,2640,0,4000,3,2,0,0,0,0), // rxTextChemo
    I(1084,1085,2650,0,4000,3,2,0,0,0,0), // rxTextHormone
    I(1088,1089,2670,0,4000,3,2,0,0,0,0), // rxTextOther
    I(1078,1079,2620,0,4000,3,2,0,0,0,0), // rxTextRadiation
    I(1080,1081,2630,0,4000,3,2,0,0,0,0), // rxTextRadiationOther
    I(1076,1077,2610,0,4000,3,2,0,0,0,0), // rxTextSurgery
    I(1064,1065,2550,0,4000,3,2,0,0,0,0), // textDxProcLabTests
    I(1066,1067,2560,0,4000,3,2,0,0,0,0), // textDxProcOp
    I(1068,1069,2570,0,4000,3,2,0,0,0,0), // textDxProcPath
    I(1058,1059,2520,0,4000,3,2,0,0,0,0), // textDxProcPe
    I(1062,1063,2540,0,4000,3,2,0,0,0,0), // textDxProcScopes
    I(1060,1061,2530,0,4000,3,2,0,0,0,0), // textDxProcXRayScan
    I(1090,1091,2680,0,4000,3,2,0,0,0,0), // textRemarks
    I(1074,1075,2600,0,4000,3,2,0,0,0,0), // textStaging
    I(1415,1416,3803,0,5,15,2,0,0,0,0), // adenoidCysticBasaloidPattern
    I(1531,1532,3805,0,7,15,2,0,0,0,0), // afpPostOrchiectomyLabValue
    I(1527,1528,3807,0,7,15,2,0,0,0,0), // afpPreOrchiectomyLabValue
    I(1419,1420,3810,0,6,15,2,0,0,0,0), // afpPretreatmentLabValue
    I(1421,1422,3813,0,5,15,2,0,0,0,0), // bilirubinPretxTotalLabValue
    I(1759,1760,3964,0,1,15,2,4,0,0,0), // brainPrimaryTumorLocation
    I(1459,1460,3817,0,4,15,2,0,0,0,0), // breslowTumorThickness
    I(1688,1689,3942,0,6,15,2,0,0,0,0), // ca199PretxLabValue
    I(1359,1360,3820,0,6,15,2,0,0,0,0), // ceaPretreatmentLabValue
    I(1361,1362,3823,0,4,15,2,0,0,0,0), // circumferentialResectionMargin
    I(1745,1746,3961,0,4,15,2,0,0,0,0), // clinicalMarginWidth
    I(490,491,3110,0,5,15,2,3,0,0,0), // comorbidComplication1
    I(508,509,3164,0,5,15,2,3,0,0,0), // comorbidComplication10
    I(492,493,3120,0,5,15,2,3,0,0,0), // comorbidComplication2
    I(494,495,3130,0,5,15,2,3,0,0,0), // comorbidComplication3
    I(496,497,3140,0,5,15,2,3,0,0,0), // comorbidComplication4
    I(498,499,3150,0,5,15,2,3,0,0,0), // comorbidComplication5
    I(500,501,3160,0,5,15,2,3,0,0,0), // comorbidComplication6
    I(502,503,3161,0,5,15,2,3,0,0,0), // comorbidComplication7
    I(504,505,3162,0,5,15,2,3,0,0,0), // comorbidComplication8
    I(506,507,3163,0,5,15,2,3,0,0,0), // comorbidComplication9
    I(1425,1426,3824,0,4,15,2,0,0,0,0), // creatininePretreatmentLabValue
    I(1761,1762,1975,0,1,15,2,3,0,0,0), // derivedSummaryGrade2018
    I(902,903,1791,0,2,15,1,1,3,0,0), // followUpSourceCentral
    I(1763,1764,86,0,1,15,2,2,0,0,0), // geocodingQualityCode
    I(1765,1766,87,0,14,15,2,2,0,0,0), // geocodingQualityCodeDetail
    I(1539,1540,3846,0,7,15,2,0,0,0,0), // hcgPostOrchiectomyLabValue
    I(1535,1536,3848,0,7,15,2,0,0,0,0), // hcgPreOrchiectomyLabValue
    I(1335,1336,3851,0,4,15,2,0,0,0,0), // her2IshDualProbeCopyNumber
    I(1337,1338,3852,0,4,15,2,0,0,0,0), // her2IshDualProbeRatio
    I(1339,1340,3853,0,4,15,2,0,0,0,0), // her2IshSingleProbeCopyNumber
    I(1343,1344,3863,0,5,15,2,0,0,0,0), // ki67
    I(954,955,2352,0,10,7,2,0,0,0,0), // latitude
    I(1463,1695,3932,0,7,15,2,0,0,0,0), // ldhPretreatmentLabValue
    I(1399,1400,3883,0,4,15,2,0,0,0,0), // lnSize
    I(956,957,2354,0,11,7,2,0,0,0,0), // longitude
    I(1451,1452,3887,0,4,15,2,0,0,0,0), // measuredBasalDiameter
    I(1453,1454,3888,0,4,15,2,0,0,0,0), // measuredThickness
    I(930,931,2300,0,15,7,2,0,0,0,0), // medicalRecordNumber
    I(1457,1458,3892,0,4,15,2,0,0,0,0), // mitoticCountUvealMelanoma
    I(1307,1308,3908,0,5,15,2,0,0,0,0), // percentNecrosisPostNeoadjuvant
    I(1521,1522,3920,0,5,15,2,0,0,0,0), // psaLabValue
    I(1767,1768,751,0,4,15,2,3,0,0,0), // rxHospReconBreast
    I(1769,1770,1335,0,4,15,2,3,0,0,0), // rxSummReconBreast
    I(476,477,3700,0,2,15,2,4,0,0,0), // seerSiteSpecificFact1
    I(1741,1771,285,0,2,15,2,0,0,0,0), // uihoFacility
    I(1743,1772,284,0,1,15,2,0,0,0,0), // urbanIndianHealthOrganization
    I(120,1773,272,0,4,15,2,1,3,0,0), // censusIndCode2010
    I(122,1774,282,0,4,15,2,1,3,0,0), // censusOccCode2010
    I(1775,1776,1189,0,1,15,2,4,0,0,0), // chromosome16qLossHeterozygosity
    I(1777,1778,1190,0,1,15,2,4,0,0,0), // chromosome1qStatus
    I(1779,1780,1144,0,3,15,2,0,0,0,0), // derivedPediatricM
    I(1781,1782,1145,0,3,15,2,0,0,0,0), // derivedPediatricStageGroup
    I(1783,1784,1142,0,3,15,2,0,0,0,0), // derivedPediatricT
    I(1785,1786,1143,0,3,15,2,0,0,0,0), // derivedPediatricN
    I(1787,1788,1191,0,1,15,2,4,0,0,0), // ewsr1Fli1Fusion
    I(1789,1790,1193,0,1,15,2,4,0,0,0), // foxo1GeneRearrangements
    I(1765,1766,87,0,14,15,2,3,0,0,0), // geocodingQualityCodeDetail
    I(1791,1792,1187,0,1,15,2,1,0,0,0), // inpc
    I(1793,1794,1185,0,1,15,2,4,0,0,0), // inrgss
    I(1795,1796,1188,0,1,15,2,4,0,0,0), // irssStageForEye2
    I(1797,1798,1186,0,1,15,2,4,0,0,0), // nMycAmplification
    I(1000,1001,7320,0,25,3,2,6,0,0,0), // pathDateSpecCollect1
    I(1012,1013,7321,0,25,3,2,6,0,0,0), // pathDateSpecCollect2
    I(1024,1025,7322,0,25,3,2,6,0,0,0), // pathDateSpecCollect3
    I(1036,1037,7323,0,25,3,2,6,0,0,0), // pathDateSpecCollect4
    I(1048,1049,7324,0,25,3,2,6,0,0,0), // pathDateSpecCollect5
    I(1799,1800,1174,0,5,15,2,0,0,0,0), // pdl1
    I(1801,1802,1132,0,5,15,2,0,0,0,0), // pediatricId
    I(1803,1804,1133,0,5,15,2,4,0,0,0), // pediatricIdVersionCurrent
    I(1805,1806,1134,0,5,15,2,4,0,0,0), // pediatricIdVersionOriginal
    I(1807,1808,1138,0,2,15,2,4,0,0,0), // pediatricMets
    I(1809,1810,1136,0,3,15,2,4,0,0,0), // pediatricPrimaryTumor
    I(1811,1812,1137,0,3,15,2,4,0,0,0), // pediatricRegionalNodes
    I(1813,1814,1192,0,1,15,2,4,0,0,0), // pretextClinicalStaging
    I(1815,1816,1172,0,1,15,2,4,0,0,0), // ptld
    I(1716,1717,2117,0,5,15,2,4,0,0,0), // schemaIdVersionCurrent
    I(1718,1719,2118,0,5,15,2,4,0,0,0), // schemaIdVersionOriginal
    I(1817,1818,1148,0,3,15,2,0,0,0,0), // torontoM
    I(1819,1820,1147,0,3,15,2,0,0,0,0), // torontoN
    I(1821,1822,1149,0,3,15,2,0,0,0,0), // torontoStageGroup
    I(1823,1824,1146,0,3,15,2,0,0,0,0), // torontoT
    I(1825,1826,1135,0,1,15,2,4,0,0,0), // torontoVersionNumber
    I(1827,1828,1184,0,7,15,2,0,0,0,0), // whiteBloodCellCount
    I(1829,1830,331,0,4,15,2,4,0,0,0), // geocodingAccuracyScore
    I(1831,1832,332,0,21,15,2,0,0,0,0), // geocodingAccuracyType
    I(1627,1833,2078,0,1,15,1,1,0,0,0), // overRideNameSex
    I(1834,1835,1179,0,1,15,2,4,0,0,0), // residualCancerBurdenClass
    I(1836,1837,1178,0,5,15,2,0,0,0,0), // residualCancerBurdenRCB
    I(1838,1839,342,0,1,15,2,0,0,0,0), // ruca2020
    I(1840,1841,225,0,1,15,1,1,0,0,0), // sexAssignedAtBirth
    I(1842,1843,1176,0,1,15,2,4,0,0,0), // spreadThroughAirSpacesStas
    I(1844,1845,347,0,1,15,2,0,0,0,0), // uric2020
    I(1248,1249,1001,0,18,15,2,0,0,0,0), // ajccTnmClinT
    I(1260,1261,1011,0,18,15,2,0,0,0,0), // ajccTnmPathT
    I(1674,1675,1062,0,18,15,2,0,0,0,0), // ajccTnmPostTherapyClinT
    I(1272,1682,1021,0,18,15,2,0,0,0,0), // ajccTnmPostTherapyT
    I(1846,1847,1769,0,1,15,2,1,0,0,0), // cancerStatusFollowing1stCrsTx
    I(1848,1849,1768,0,8,15,2,5,0,0,0), // dateOfCaStatusFollowing1stCrsTx
    I(1850,1851,106,0,50,15,2,0,0,0,0), // geoAddrAtDxCity
    I(1852,1853,105,0,60,7,2,0,0,0,0), // geoAddrAtDxNoStreet
    I(1854,1855,108,0,9,15,2,0,0,0,0), // geoAddrAtDxPostalCode
    I(1856,1857,107,0,2,15,2,0,0,0,0), // geoAddrAtDxState
    I(1485,1486,3857,0,1,15,2,1,0,0,0), // highRiskCytogenetics
    I(1319,1858,3882,0,2,15,2,0,0,0,0), // lnPositiveAxillaryLevel1To2
    I(1859,1860,3966,0,4,15,2,0,0,0,0), // minorSalivaryTumorLocation
    I(1707,1708,1633,0,2,15,2,1,0,0,0), // neoadjuvTherapyClinicalResponse
    I(1711,1712,1632,0,1,15,2,1,0,0,0), // neoadjuvantTherapy
    I(1861,1862,2079,0,1,15,1,1,0,0,0), // overRideSexAssignedAtBirth
    I(1799,1800,1174,0,1,15,2,1,0,0,0), // pdl1
    I(1863,1864,3965,0,1,15,2,0,0,0,0), // rectalTumorLocation
    I(882,1865,1860,0,8,15,2,5,0,0,0), // recurrenceDate1st
    I(886,1866,1880,0,2,15,2,1,3,0,0), // recurrenceType1st
    I(1301,1302,3926,0,1,15,2,1,0,0,0), // schemaDiscriminator1
    I(1867,1868,3997,0,1,15,2,1,0,0,0), // thoracicNodalStation10lEx
    I(1869,1870,3998,0,1,15,2,1,0,0,0), // thoracicNodalStation10lPos
    I(1871,1872,3999,0,1,15,2,1,0,0,0), // thoracicNodalStation10rEx
    I(1873,1874,4000,0,1,15,2,1,0,0,0), // thoracicNodalStation10rPos
    I(1875,1876,4001,0,1,15,2,1,0,0,0), // thoracicNodalStation11lEx
    I(1877,1878,4002,0,1,15,2,1,0,0,0), // thoracicNodalStation11lPos
    I(1879,1880,4003,0,1,15,2,1,0,0,0), // thoracicNodalStation11rEx
    I(1881,1882,4004,0,1,15,2,1,0,0,0), // thoracicNodalStation11rPos
    I(1883,1884,4005,0,1,15,2,1,0,0,0), // thoracicNodalStation12l14lEx
    I(1885,1886,4006,0,1,15,2,1,0,0,0), // thoracicNodalStation12l14lPos
    I(1887,1888,4007,0,1,15,2,1,0,0,0), // thoracicNodalStation12r14rEx
    I(1889,1890,4008,0,1,15,2,1,0,0,0), // thoracicNodalStation12r14rPos
    I(1891,1892,3967,0,1,15,2,1,0,0,0), // thoracicNodalStation1lEx
    I(1893,1894,3968,0,1,15,2,1,0,0,0), // thoracicNodalStation1lPos
    I(1895,1896,3969,0,1,15,2,1,0,0,0), // thoracicNodalStation1rEx
    I(1897,1898,3970,0,1,15,2,1,0,0,0), // thoracicNodalStation1rPos
    I(1899,1900,3971,0,1,15,2,1,0,0,0), // thoracicNodalStation2lEx
    I(1901,1902,3972,0,1,15,2,1,0,0,0), // thoracicNodalStation2lPos
    I(1903,1904,3973,0,1,15,2,1,0,0,0), // thoracicNodalStation2rEx
    I(1905,1906,3974,0,1,15,2,1,0,0,0), // thoracicNodalStation2rPos
    I(1907,1908,3975,0,1,15,2,1,0,0,0), // thoracicNodalStation3aEx
    I(1909,1910,3976,0,1,15,2,1,0,0,0), // thoracicNodalStation3aPos
    I(1911,1912,3977,0,1,15,2,1,0,0,0), // thoracicNodalStation3pEx
    I(1913,1914,3978,0,1,15,2,1,0,0,0), // thoracicNodalStation3pPos
    I(1915,1916,3979,0,1,15,2,1,0,0,0), // thoracicNodalStation4lEx
    I(1917,1918,3980,0,1,15,2,1,0,0,0), // thoracicNodalStation4lPos
    I(1919,1920,3981,0,1,15,2,1,0,0,0), // thoracicNodalStation4rEx
    I(1921,1922,3982,0,1,15,2,1,0,0,0), // thoracicNodalStation4rPos
    I(1923,1924,3983,0,1,15,2,1,0,0,0), // thoracicNodalStation5Ex
    I(1925,1926,3984,0,1,15,2,1,0,0,0), // thoracicNodalStation5Pos
    I(1927,1928,3985,0,1,15,2,1,0,0,0), // thoracicNodalStation6Ex
    I(1929,1930,3986,0,1,15,2,1,0,0,0), // thoracicNodalStation6Pos
    I(1931,1932,3987,0,1,15,2,1,0,0,0), // thoracicNodalStation7Ex
    I(1933,1934,3988,0,1,15,2,1,0,0,0), // thoracicNodalStation7Pos
    I(1935,1936,3989,0,1,15,2,1,0,0,0), // thoracicNodalStation8lEx
    I(1937,1938,3990,0,1,15,2,1,0,0,0), // thoracicNodalStation8lPos
    I(1939,1940,3991,0,1,15,2,1,0,0,0), // thoracicNodalStation8rEx
    I(1941,1942,3992,0,1,15,2,1,0,0,0), // thoracicNodalStation8rPos
    I(1943,1944,3993,0,1,15,2,1,0,0,0), // thoracicNodalStation9lEx
    I(1945,1946,3994,0,1,15,2,1,0,0,0), // thoracicNodalStation9lPos
    I(1947,1948,3995,0,1,15,2,1,0,0,0), // thoracicNodalStation9rEx
    I(1949,1950,3996,0,1,15,2,1,0,0,0), // thoracicNodalStation9rPos
};

const NaaccrItemDef items_140[] = {
    R[0],R[1],R[2],R[3],R[4],R[5],R[6],R[7],R[8],R[9],R[10],R[11],R[12],R[13],R[14],R[15],
    R[16],R[17],R[18],R[19],R[20],R[21],R[22],R[23],R[24],R[25],R[26],R[27],R[28],R[29],R[30],R[31],
    R[32],R[33],R[34],R[35],R[36],R[37],R[38],R[39],R[40],R[41],R[42],R[43],R[44],R[45],R[46],R[47],
    R[48],R[49],R[50],R[51],R[52],R[53],R[54],R[55],R[56],R[57],R[58],R[59],R[60],R[61],R[62],R[63],
    R[64],R[65],R[66],R[67],R[68],R[69],R[70],R[71],R[72],R[73],R[74],R[75],R[76],R[77],R[78],R[79],
    R[80],R[81],R[82],R[83],R[84],R[85],R[86],R[87],R[88],R[89],R[90],R[91],R[92],R[93],R[94],R[95],
    R[96],R[97],R[98],R[99],R[100],R[101],R[102],R[103],R[104],R[105],R[106],R[107],R[108],R[109],R[110],R[111],
    R[112],R[113],R[114],R[115],R[116],R[117],R[118],R[119],R[120],R[121],R[122],R[123],R[124],R[125],R[126],R[127],
    R[128],R[129],R[130],R[131],R[132],R[133],R[134],R[135],R[136],R[137],R[138],R[139],R[140],R[141],R[142],R[143],
    R[144],R[145],R[146],R[147],R[148],R[149],R[150],R[151],R[152],R[153],R[154],R[155],R[156],R[157],R[158],R[159],
    R[160],R[161],R[162],R[163],R[164],R[165],R[166],R[167],R[168],R[169],R[170],R[171],R[172],R[173],R[174],R[175],
    R[176],R[177],R[178],R[179],R[180],R[181],R[182],R[183],R[184],R[185],R[186],R[187],R[188],R[189],R[190],R[191],
    R[192],R[193],R[194],R[195],R[196],R[197],R[198],R[199],R[200],R[201],R[202],R[203],R[204],R[205],R[206],R[207],
    R[208],R[209],R[210],R[211],R[212],R[213],R[214],R[215],R[216],R[217],R[218],R[219],R[220],R[221],R[222],R[223],
    R[224],R[225],R[226],R[227],R[228],R[229],R[230],R[231],R[232],R[233],R[234],R[235],R[236],R[237],R[238],R[239],
    R[240],R[241],R[242],R[243],R[244],R[245],R[246],R[247],R[248],R[249],R[250],R[251],R[252],R[253],R[254],R[255],
    R[256],R[257],R[258],R[259],R[260],R[261],R[262],R[263],R[264],R[265],R[266],R[267],R[268],R[269],R[270],R[271],
    R[272],R[273],R[274],R[275],R[276],R[277],R[278],R[279],R[280],R[281],R[282],R[283],R[284],R[285],R[286],R[287],
    R[288],R[289],R[290],R[291],R[292],R[293],R[294],R[295],R[296],R[297],R[298],R[299],R[300],R[301],R[302],R[303],
    R[304],R[305],R[306],R[307],R[308],R[309],R[310],R[311],R[312],R[313],R[314],R[315],R[316],R[317],R[318],R[319],
    R[320],R[321],R[322],R[323],R[324],R[325],R[326],R[327],R[328],R[329],R[330],R[331],R[332],R[333],R[334],R[335],
    R[336],R[337],R[338],R[339],R[340],R[341],R[342],R[343],R[344],R[345],R[346],R[347],R[348],R[349],R[350],R[351],
    R[352],R[353],R[354],R[355],R[356],R[357],R[358],R[359],R[360],R[361],R[362],R[363],R[364],R[365],R[366],R[367],
    R[368],R[369],R[370],R[371],R[372],R[373],R[374],R[375],R[376],R[377],R[378],R[379],R[380],R[381],R[382],R[383],
    R[384],R[385],R[386],R[387],R[388],R[389],R[390],R[391],R[392],R[393],R[394],R[395],R[396],R[397],R[398],R[399],
    R[400],R[401],R[402],R[403],R[404],R[405],R[406],R[407],R[408],R[409],R[410],R[411],R[412],R[413],R[414],R[415],
    R[416],R[417],R[418],R[419],R[420],R[421],R[422],R[423],R[424],R[425],R[426],R[427],R[428],R[429],R[430],R[431],
    R[432],R[433],R[434],R[435],R[436],R[437],R[438],R[439],R[440],R[441],R[442],R[443],R[444],R[445],R[446],R[447],
    R[448],R[449],R[450],R[451],R[452],R[453],R[454],R[455],R[456],R[457],R[458],R[459],R[460],R[461],R[462],R[463],
    R[464],R[465],R[466],R[467],R[468],R[469],R[470],R[471],R[472],R[473],R[474],R[475],R[476],R[477],R[478],R[479],
    R[480],R[481],R[482],R[483],R[484],R[485],R[486],R[487],R[488],R[489],R[490],R[491],R[492],R[493],R[494],R[495],
    R[496],R[497],R[498],R[499],R[500],R[501],R[502],R[503],R[504],R[505],R[506],R[507],R[508],R[509],R[510],R[511],
    R[512],R[513],R[514],R[515],R[516],R[517],R[518],R[519],R[520],R[521],R[522],R[523],R[524],R[525],R[526],R[527],
    R[528],R[529],R[530],R[531],R[532],R[533],R[534],R[535],R[536],R[537],R[538],R[539],R[540],R[541],R[542],R[543],
    R[544],R[545],R[546],R[547],R[548],R[549],R[550],R[551],R[552],R[553],R[554],
};
const uint16_t by_number_140[] = {
    0,7,8,1,2,5,4,3,6,10,11,13,12,53,14,16,
    18,50,62,21,22,23,24,25,26,27,28,29,44,46,45,30,
    31,32,33,34,35,36,55,56,37,60,38,61,39,40,41,42,
    43,19,51,17,20,47,52,15,9,64,65,66,67,68,548,69,
    70,88,73,74,83,84,86,87,89,85,75,76,77,78,79,80,
    81,82,549,71,72,63,92,91,95,96,97,98,99,100,101,102,
    103,104,105,106,108,109,110,111,112,90,114,115,116,117,118,119,
    121,122,123,124,125,126,550,127,128,129,130,131,132,133,134,135,
    136,138,139,140,141,142,143,144,145,146,147,148,149,137,150,151,
    152,153,154,155,266,156,328,271,272,277,278,283,284,285,286,287,
    288,289,290,267,268,269,270,291,292,293,294,295,296,297,363,298,
    299,300,301,302,304,305,306,308,309,310,311,312,313,315,316,317,
    318,319,322,323,325,326,327,428,329,330,551,331,335,336,337,338,
    339,332,333,334,340,341,552,342,346,347,348,349,350,343,344,345,
    351,352,553,353,357,358,359,360,361,354,355,356,455,362,429,430,
    452,453,431,432,433,434,451,435,436,437,438,54,479,439,444,445,
    446,57,454,441,442,443,486,447,448,449,450,58,59,385,554,386,
    387,388,389,364,365,366,367,368,369,370,371,372,373,374,375,376,
    377,378,379,380,381,382,383,384,528,390,399,400,401,402,403,404,
    405,406,407,391,392,393,394,314,395,396,397,398,547,456,457,458,
    459,460,461,462,464,465,466,467,468,469,470,477,478,471,472,473,
    463,475,476,474,107,483,482,485,484,481,480,113,488,487,490,489,
    492,491,494,493,496,495,497,529,530,531,532,533,534,535,536,537,
    538,539,540,541,542,543,544,545,546,440,193,194,195,196,197,198,
    199,200,201,202,203,157,158,159,160,161,162,164,165,166,167,163,
    174,175,176,177,178,179,180,181,182,183,184,185,186,187,188,189,
    190,191,192,168,169,170,171,172,173,236,237,235,204,205,206,207,
    208,209,210,229,230,232,233,234,94,93,245,246,247,248,249,250,
    251,252,253,254,244,273,274,275,276,324,320,321,279,280,281,282,
    307,303,120,48,49,211,212,213,214,215,216,217,218,219,220,221,
    222,223,224,225,226,227,228,231,238,239,240,241,242,243,265,408,
    409,410,411,412,413,414,415,416,417,418,419,420,421,422,423,424,
    425,426,427,255,256,257,258,259,260,261,262,263,264,498,504,510,
    516,522,499,505,511,517,523,503,509,515,521,527,502,508,514,520,
    526,500,506,512,518,524,501,507,513,519,525,
};
const uint16_t by_id_140[] = {
    97,95,10,53,468,12,11,469,436,54,470,438,437,471,33,83,
    94,449,72,387,70,36,56,55,432,82,447,19,51,15,16,38,
    60,37,61,43,17,20,52,62,14,18,50,105,393,394,136,245,
    254,246,247,248,249,250,251,252,253,30,31,13,439,390,158,160,
    161,162,164,165,166,167,163,201,202,203,200,194,196,198,199,197,
    195,193,168,177,178,179,180,181,182,183,184,185,186,169,187,188,
    189,190,191,192,170,171,172,173,174,175,176,157,159,237,235,236,
    269,270,400,401,399,402,403,405,404,84,85,267,268,98,99,34,
    35,452,453,65,66,100,101,102,103,429,430,87,88,406,473,208,
    209,206,207,210,204,205,215,216,213,214,217,211,212,232,231,227,
    226,228,225,222,223,220,221,224,218,219,229,233,230,234,80,398,
    128,129,130,133,134,135,127,550,444,474,475,446,445,476,434,451,
    481,57,47,73,388,75,74,71,386,69,389,407,244,448,46,40,
    104,483,485,68,477,478,156,21,465,466,78,79,554,548,549,86,
    89,3,462,458,457,463,459,460,464,461,435,44,265,93,480,482,
    484,493,495,489,487,491,4,91,39,367,372,369,408,417,418,419,
    420,421,422,423,424,425,426,409,427,410,411,412,413,414,415,416,
    377,368,370,379,380,378,373,381,382,383,384,374,371,376,364,366,
    365,375,500,506,512,518,524,503,509,515,521,527,502,508,514,520,
    526,499,505,511,517,523,501,507,513,519,525,498,504,510,516,522,
    7,8,150,152,151,494,496,490,488,492,450,59,58,106,67,433,
    22,23,24,25,26,27,28,45,321,320,318,316,315,319,317,324,
    312,301,0,441,442,443,132,131,5,1,92,2,9,63,90,124,
    266,328,363,428,455,479,486,497,528,547,107,113,440,314,48,49,
    313,287,288,283,284,291,292,285,286,273,274,289,290,277,279,280,
    278,271,272,275,276,281,282,117,115,119,116,118,120,114,112,122,
    110,108,123,111,109,121,310,308,302,309,311,303,305,304,300,297,
    326,295,327,296,294,306,325,323,298,299,322,307,293,543,541,542,
    544,539,540,538,255,264,256,257,258,259,260,261,262,263,391,392,
    397,238,239,240,241,242,243,126,125,396,64,96,32,76,77,385,
    467,29,456,338,336,551,329,337,339,335,331,334,332,333,330,349,
    347,552,340,348,350,346,342,345,343,344,341,360,358,553,351,359,
    361,357,353,356,354,355,352,362,472,532,533,534,529,531,530,536,
    546,535,545,537,42,41,148,146,145,147,149,144,137,142,140,139,
    141,143,138,153,154,155,6,81,454,395,431,
};

const NaaccrItemDef items_150[] = {
    R[0],R[1],R[2],R[3],R[555],R[5],R[6],R[7],R[556],R[9],R[10],R[11],R[12],R[557],R[14],R[15],
    R[16],R[17],R[18],R[19],R[20],R[21],R[558],R[559],R[560],R[561],R[562],R[27],R[28],R[29],R[30],R[31],
    R[32],R[563],R[34],R[35],R[564],R[565],R[566],R[39],R[40],R[41],R[42],R[43],R[44],R[567],R[46],R[568],
    R[569],R[570],R[50],R[51],R[52],R[53],R[54],R[55],R[56],R[57],R[58],R[59],R[571],R[572],R[62],R[63],
    R[573],R[65],R[66],R[67],R[68],R[69],R[70],R[71],R[72],R[73],R[74],R[75],R[76],R[77],R[78],R[79],
    R[80],R[81],R[82],R[83],R[84],R[85],R[574],R[87],R[88],R[575],R[90],R[576],R[92],R[577],R[578],R[579],
    R[580],R[97],R[98],R[99],R[100],R[101],R[102],R[103],R[104],R[581],R[582],R[107],R[108],R[583],R[110],R[111],
    R[584],R[113],R[114],R[585],R[586],R[587],R[118],R[588],R[120],R[589],R[122],R[123],R[124],R[125],R[126],R[590],
    R[591],R[592],R[130],R[593],R[594],R[133],R[134],R[135],R[136],R[595],R[138],R[139],R[140],R[141],R[142],R[143],
    R[144],R[145],R[146],R[147],R[148],R[149],R[596],R[597],R[152],R[153],R[154],R[155],R[156],R[598],R[599],R[159],
    R[600],R[161],R[601],R[163],R[164],R[165],R[166],R[167],R[602],R[603],R[604],R[605],R[606],R[607],R[608],R[609],
    R[610],R[611],R[612],R[613],R[614],R[615],R[616],R[617],R[618],R[619],R[620],R[621],R[622],R[623],R[624],R[625],
    R[626],R[627],R[628],R[195],R[629],R[197],R[630],R[199],R[631],R[632],R[633],R[634],R[204],R[205],R[206],R[207],
    R[208],R[209],R[210],R[635],R[212],R[636],R[214],R[637],R[216],R[638],R[639],R[219],R[640],R[221],R[641],R[223],
    R[642],R[643],R[644],R[645],R[228],R[229],R[230],R[231],R[232],R[233],R[234],R[235],R[236],R[646],R[238],R[239],
    R[240],R[241],R[242],R[243],R[244],R[647],R[648],R[649],R[650],R[651],R[652],R[653],R[654],R[655],R[656],R[255],
    R[256],R[257],R[258],R[259],R[260],R[261],R[262],R[263],R[264],R[265],R[266],R[267],R[268],R[269],R[270],R[271],
    R[272],R[273],R[274],R[275],R[276],R[277],R[278],R[279],R[280],R[281],R[282],R[283],R[284],R[285],R[286],R[287],
    R[288],R[289],R[290],R[291],R[292],R[293],R[657],R[295],R[296],R[658],R[298],R[299],R[300],R[301],R[659],R[303],
    R[304],R[305],R[306],R[660],R[661],R[662],R[663],R[311],R[312],R[664],R[314],R[665],R[666],R[667],R[318],R[668],
    R[669],R[670],R[322],R[671],R[324],R[672],R[326],R[327],R[328],R[329],R[330],R[673],R[332],R[333],R[674],R[335],
    R[336],R[337],R[338],R[339],R[340],R[341],R[675],R[343],R[344],R[676],R[346],R[347],R[348],R[349],R[350],R[351],
    R[352],R[677],R[354],R[355],R[678],R[357],R[358],R[359],R[360],R[361],R[362],R[363],R[364],R[365],R[366],R[367],
    R[368],R[369],R[370],R[371],R[372],R[373],R[374],R[375],R[376],R[377],R[378],R[379],R[380],R[381],R[382],R[383],
    R[384],R[385],R[386],R[387],R[388],R[389],R[390],R[391],R[392],R[679],R[680],R[395],R[396],R[681],R[398],R[399],
    R[400],R[401],R[402],R[403],R[404],R[405],R[406],R[407],R[408],R[409],R[410],R[411],R[412],R[413],R[414],R[415],
    R[416],R[417],R[418],R[419],R[420],R[421],R[422],R[423],R[424],R[425],R[426],R[427],R[428],R[429],R[430],R[431],
    R[432],R[433],R[434],R[435],R[436],R[437],R[438],R[682],R[440],R[441],R[442],R[683],R[444],R[445],R[446],R[447],
    R[448],R[449],R[684],R[685],R[452],R[453],R[454],R[686],R[687],R[688],R[689],R[690],R[691],R[692],R[693],R[456],
    R[457],R[458],R[459],R[460],R[461],R[462],R[463],R[464],R[694],R[695],R[467],R[468],R[469],R[470],R[471],R[696],
    R[473],R[474],R[475],R[476],R[697],R[698],R[479],R[699],R[481],R[700],R[701],R[702],R[485],R[486],R[487],R[488],
    R[703],R[490],R[704],R[492],R[705],R[494],R[706],R[496],R[497],R[498],R[499],R[707],R[708],R[502],R[503],R[504],
    R[505],R[709],R[710],R[508],R[509],R[510],R[511],R[711],R[712],R[514],R[515],R[516],R[517],R[713],R[714],R[520],
    R[521],R[522],R[523],R[715],R[716],R[526],R[527],R[528],R[529],R[530],R[531],R[532],R[533],R[534],R[535],R[536],
    R[537],R[538],R[539],R[540],R[541],R[542],R[543],R[544],R[545],R[546],R[547],R[548],R[549],R[550],R[551],R[552],
    R[553],R[554],
};
const uint16_t by_number_150[] = {
    0,7,8,1,2,5,4,3,6,10,11,13,12,53,14,16,
    18,50,62,21,22,23,24,25,26,27,28,29,44,46,45,30,
    31,32,33,34,35,36,55,56,37,60,38,61,39,40,41,42,
    43,19,51,17,20,47,52,15,9,64,65,66,67,68,555,69,
    70,88,73,74,83,84,86,87,89,85,75,76,77,78,79,80,
    81,82,556,71,72,63,92,91,95,96,97,98,99,100,101,102,
    103,104,105,106,108,109,110,111,112,90,114,115,116,117,118,119,
    121,122,123,124,125,126,557,127,128,129,130,131,132,133,134,135,
    136,138,139,140,141,142,143,144,145,146,147,148,149,137,150,151,
    152,153,154,155,266,156,328,271,272,277,278,283,284,285,286,287,
    288,289,290,267,268,269,270,291,292,293,294,295,296,297,363,298,
    299,300,301,302,304,305,306,308,309,310,311,312,313,315,316,317,
    318,319,322,323,325,326,327,428,329,330,558,331,335,336,337,338,
    339,332,333,334,340,341,559,342,346,347,348,349,350,343,344,345,
    351,352,560,353,357,358,359,360,361,354,355,356,462,362,429,430,
    452,453,431,432,433,455,456,457,458,459,460,461,434,451,435,436,
    437,438,54,486,439,444,445,446,57,454,441,442,443,493,447,448,
    449,450,58,59,385,561,386,387,388,389,364,365,366,367,368,369,
    370,371,372,373,374,375,376,377,378,379,380,381,382,383,384,535,
    390,399,400,401,402,403,404,405,406,407,391,392,393,394,314,395,
    396,397,398,554,463,464,465,466,467,468,469,471,472,473,474,475,
    476,477,484,485,478,479,480,470,482,483,481,107,490,489,492,491,
    488,487,113,495,494,497,496,499,498,501,500,503,502,504,536,537,
    538,539,540,541,542,543,544,545,546,547,548,549,550,551,552,553,
    440,193,194,195,196,197,198,199,200,201,202,203,157,158,159,160,
    161,162,164,165,166,167,163,174,175,176,177,178,179,180,181,182,
    183,184,185,186,187,188,189,190,191,192,168,169,170,171,172,173,
    236,237,235,204,205,206,207,208,209,210,229,230,232,233,234,94,
    93,245,246,247,248,249,250,251,252,253,254,244,273,274,275,276,
    324,320,321,279,280,281,282,307,303,120,48,49,211,212,213,214,
    215,216,217,218,219,220,221,222,223,224,225,226,227,228,231,238,
    239,240,241,242,243,265,408,409,410,411,412,413,414,415,416,417,
    418,419,420,421,422,423,424,425,426,427,255,256,257,258,259,260,
    261,262,263,264,505,511,517,523,529,506,512,518,524,530,510,516,
    522,528,534,509,515,521,527,533,507,513,519,525,531,508,514,520,
    526,532,
};
const uint16_t by_id_150[] = {
    97,95,10,53,475,12,11,476,436,54,477,438,437,478,33,83,
    94,449,72,387,70,36,56,55,432,82,447,19,51,15,16,38,
    60,37,61,43,17,20,52,62,14,18,50,105,393,394,136,245,
    254,246,247,248,249,250,251,252,253,30,31,13,439,390,158,160,
    161,162,164,165,166,167,163,201,202,203,200,194,196,198,199,197,
    195,193,168,177,178,179,180,181,182,183,184,185,186,169,187,188,
    189,190,191,192,170,171,172,173,174,175,176,157,159,237,235,236,
    269,270,400,401,399,402,403,405,404,84,85,267,268,98,99,34,
    35,452,453,65,66,100,101,102,103,429,430,87,88,406,480,208,
    209,206,207,210,204,205,215,216,213,214,217,211,212,232,231,227,
    226,228,225,222,223,220,221,224,218,219,229,233,230,234,80,398,
    128,129,130,133,134,135,127,557,444,481,482,446,445,483,434,451,
    488,57,47,73,388,75,74,71,386,69,389,407,244,448,46,40,
    104,490,492,68,484,485,156,21,472,473,78,79,561,555,556,86,
    89,3,469,465,464,470,466,467,471,468,435,44,265,93,487,489,
    491,500,502,496,494,498,4,91,39,367,372,369,408,417,418,419,
    420,421,422,423,424,425,426,409,427,410,411,412,413,414,415,416,
    377,368,370,379,380,378,373,381,382,383,384,374,371,376,364,366,
    365,375,507,513,519,525,531,510,516,522,528,534,509,515,521,527,
    533,506,512,518,524,530,508,514,520,526,532,505,511,517,523,529,
    7,8,150,152,151,501,503,497,495,499,450,59,58,106,67,433,
    22,23,24,25,26,27,28,45,321,320,318,316,315,319,317,324,
    312,301,0,441,442,443,132,131,5,1,92,2,9,63,90,124,
    266,328,363,428,462,486,493,504,535,554,107,113,440,314,48,49,
    313,287,288,283,284,291,292,285,286,273,274,289,290,277,279,280,
    278,271,272,275,276,281,282,117,115,119,116,118,120,114,112,122,
    110,108,123,111,109,121,310,308,302,309,311,303,305,304,300,297,
    326,295,327,296,294,306,325,323,298,299,322,307,293,550,548,549,
    551,546,547,545,255,264,256,257,258,259,260,261,262,263,391,392,
    397,238,239,240,241,242,243,126,125,396,64,96,32,76,77,385,
    474,29,463,338,336,558,329,337,339,335,331,334,332,333,330,349,
    347,559,340,348,350,346,342,345,343,344,341,360,358,560,351,359,
    361,357,353,356,354,355,352,362,455,461,458,456,459,457,460,479,
    539,540,541,536,538,537,543,553,542,552,544,42,41,148,146,145,
    147,149,144,137,142,140,139,141,143,138,153,154,155,6,81,454,
    395,431,
};

const NaaccrItemDef items_160[] = {
    R[0],R[1],R[2],R[3],R[555],R[5],R[6],R[7],R[556],R[9],R[10],R[11],R[12],R[557],R[14],R[15],
    R[16],R[17],R[18],R[19],R[20],R[21],R[558],R[559],R[560],R[561],R[562],R[27],R[28],R[29],R[30],R[31],
    R[32],R[563],R[34],R[35],R[564],R[565],R[566],R[39],R[40],R[41],R[42],R[43],R[44],R[567],R[46],R[568],
    R[569],R[570],R[50],R[51],R[52],R[53],R[54],R[55],R[56],R[57],R[58],R[59],R[717],R[718],R[62],R[719],
    R[720],R[721],R[722],R[723],R[724],R[573],R[65],R[66],R[67],R[68],R[69],R[70],R[71],R[72],R[73],R[74],
    R[75],R[76],R[77],R[78],R[79],R[80],R[81],R[82],R[83],R[84],R[85],R[574],R[87],R[88],R[575],R[90],
    R[576],R[92],R[577],R[578],R[579],R[580],R[97],R[98],R[99],R[100],R[101],R[102],R[103],R[104],R[581],R[582],
    R[107],R[108],R[583],R[110],R[111],R[584],R[113],R[114],R[585],R[586],R[587],R[118],R[588],R[120],R[589],R[122],
    R[123],R[725],R[726],R[727],R[728],R[729],R[730],R[731],R[732],R[733],R[734],R[735],R[736],R[737],R[738],R[739],
    R[740],R[741],R[742],R[743],R[744],R[745],R[746],R[747],R[748],R[749],R[750],R[751],R[752],R[125],R[126],R[590],
    R[591],R[592],R[130],R[593],R[594],R[133],R[134],R[135],R[136],R[595],R[138],R[139],R[140],R[141],R[142],R[753],
    R[144],R[145],R[146],R[147],R[148],R[754],R[596],R[597],R[152],R[153],R[154],R[155],R[156],R[598],R[599],R[159],
    R[600],R[161],R[601],R[163],R[164],R[165],R[166],R[167],R[602],R[603],R[604],R[605],R[606],R[607],R[608],R[609],
    R[610],R[611],R[612],R[613],R[614],R[615],R[616],R[617],R[618],R[619],R[620],R[621],R[622],R[623],R[624],R[625],
    R[626],R[627],R[628],R[195],R[629],R[197],R[630],R[199],R[631],R[632],R[633],R[634],R[204],R[205],R[206],R[207],
    R[208],R[209],R[210],R[635],R[212],R[636],R[214],R[637],R[216],R[638],R[639],R[219],R[640],R[221],R[641],R[223],
    R[642],R[643],R[644],R[645],R[228],R[229],R[230],R[231],R[232],R[233],R[234],R[235],R[236],R[646],R[238],R[239],
    R[240],R[241],R[242],R[243],R[244],R[647],R[648],R[649],R[650],R[651],R[652],R[653],R[654],R[655],R[656],R[255],
    R[256],R[257],R[258],R[259],R[260],R[261],R[262],R[263],R[264],R[265],R[266],R[267],R[268],R[269],R[270],R[271],
    R[272],R[273],R[274],R[275],R[276],R[277],R[278],R[279],R[280],R[281],R[282],R[283],R[284],R[285],R[286],R[287],
    R[288],R[289],R[290],R[291],R[292],R[293],R[657],R[295],R[296],R[658],R[298],R[299],R[300],R[301],R[659],R[303],
    R[304],R[305],R[306],R[660],R[661],R[662],R[663],R[311],R[312],R[664],R[314],R[665],R[666],R[667],R[318],R[668],
    R[669],R[670],R[322],R[671],R[324],R[672],R[326],R[327],R[328],R[329],R[330],R[673],R[332],R[333],R[674],R[335],
    R[336],R[337],R[338],R[339],R[340],R[341],R[675],R[343],R[344],R[676],R[346],R[347],R[348],R[349],R[350],R[351],
    R[352],R[677],R[354],R[355],R[678],R[357],R[358],R[359],R[360],R[361],R[362],R[363],R[364],R[365],R[366],R[367],
    R[368],R[369],R[370],R[371],R[372],R[373],R[374],R[375],R[376],R[377],R[378],R[379],R[380],R[381],R[382],R[383],
    R[384],R[385],R[386],R[387],R[388],R[389],R[390],R[391],R[392],R[679],R[680],R[395],R[396],R[681],R[398],R[399],
    R[400],R[401],R[402],R[403],R[404],R[405],R[406],R[407],R[408],R[409],R[410],R[411],R[412],R[413],R[414],R[415],
    R[416],R[417],R[418],R[419],R[420],R[421],R[422],R[423],R[424],R[425],R[426],R[427],R[428],R[429],R[430],R[431],
    R[432],R[433],R[434],R[435],R[436],R[437],R[438],R[682],R[440],R[441],R[442],R[683],R[444],R[445],R[446],R[447],
    R[448],R[449],R[684],R[685],R[452],R[453],R[454],R[686],R[687],R[688],R[689],R[690],R[691],R[692],R[693],R[456],
    R[457],R[458],R[459],R[460],R[461],R[462],R[463],R[464],R[694],R[695],R[467],R[468],R[469],R[470],R[471],R[696],
    R[473],R[474],R[475],R[476],R[697],R[698],R[479],R[699],R[481],R[700],R[701],R[702],R[485],R[486],R[487],R[488],
    R[703],R[490],R[704],R[492],R[705],R[494],R[706],R[496],R[497],R[498],R[499],R[707],R[708],R[502],R[503],R[504],
    R[505],R[709],R[710],R[508],R[509],R[510],R[511],R[711],R[712],R[514],R[515],R[516],R[517],R[713],R[714],R[520],
    R[521],R[522],R[523],R[715],R[716],R[526],R[527],R[528],R[529],R[530],R[531],R[532],R[533],R[534],R[535],R[536],
    R[537],R[538],R[539],R[540],R[541],R[542],R[543],R[544],R[545],R[546],R[547],R[548],R[549],R[550],R[551],R[552],
    R[553],R[554],
};
const uint16_t by_number_160[] = {
    0,7,8,1,2,5,4,3,6,10,11,13,63,64,65,66,
    12,53,14,16,18,50,62,21,22,23,24,25,26,27,28,29,
    44,46,45,30,31,32,33,34,35,36,55,56,37,60,38,61,
    39,40,41,42,43,19,51,17,20,47,52,15,9,69,70,71,
    72,73,587,74,75,93,78,79,88,89,91,92,94,90,80,81,
    82,83,84,85,86,87,588,76,77,68,97,96,100,101,102,103,
    104,105,106,107,108,109,110,111,113,114,115,116,117,95,119,120,
    121,122,123,124,126,127,128,129,138,139,140,157,158,153,154,150,
    151,152,589,159,160,161,162,163,164,165,166,167,168,170,171,172,
    173,174,130,176,177,178,179,180,131,169,132,133,134,135,136,137,
    182,183,184,185,186,187,298,188,360,303,304,309,310,315,316,317,
    318,319,320,321,322,299,300,301,302,323,324,325,326,327,328,329,
    395,330,331,332,333,334,336,337,338,340,341,342,343,344,345,347,
    348,349,350,351,354,355,357,358,359,460,361,362,590,363,367,368,
    369,370,371,364,365,366,372,373,591,374,378,379,380,381,382,375,
    376,377,383,384,592,385,389,390,391,392,393,386,387,388,494,394,
    461,462,484,485,463,464,465,487,488,489,490,491,492,493,466,483,
    467,468,469,470,54,518,471,476,477,478,57,486,473,474,475,525,
    479,480,481,482,58,59,417,593,418,419,420,421,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,567,422,431,432,433,434,435,436,437,438,439,423,424,425,426,
    346,175,181,427,428,429,430,586,495,496,497,498,499,500,501,503,
    504,505,506,507,508,509,516,517,510,511,512,502,514,515,513,112,
    522,521,524,523,520,519,118,527,526,529,528,531,530,533,532,535,
    534,536,568,569,570,571,572,573,574,575,576,577,578,579,580,581,
    582,583,584,585,472,225,226,227,228,229,230,231,232,233,234,235,
    189,190,191,192,193,194,196,197,198,199,195,206,207,208,209,210,
    211,212,213,214,215,216,217,218,219,220,221,222,223,224,200,201,
    202,203,204,205,268,269,267,236,237,238,239,240,241,242,261,262,
    264,265,266,99,98,277,278,279,280,281,282,283,284,285,286,276,
    305,306,307,308,356,352,353,311,312,313,314,339,335,125,48,49,
    67,243,244,245,246,247,248,249,250,251,252,253,254,255,256,257,
    258,259,260,263,141,142,143,144,145,146,147,148,149,155,156,270,
    271,272,273,274,275,297,440,441,442,443,444,445,446,447,448,449,
    450,451,452,453,454,455,456,457,458,459,287,288,289,290,291,292,
    293,294,295,296,537,543,549,555,561,538,544,550,556,562,542,548,
    554,560,566,541,547,553,559,565,539,545,551,557,563,540,546,552,
    558,564,
};
const uint16_t by_id_160[] = {
    102,100,10,53,507,12,11,508,468,54,509,470,469,510,33,88,
    99,481,77,419,75,36,56,55,464,87,479,19,51,15,16,38,
    60,37,61,43,17,20,52,62,14,18,50,110,425,426,168,277,
    286,278,279,280,281,282,283,284,285,30,31,13,63,64,65,66,
    471,422,190,192,193,194,196,197,198,199,195,233,234,235,232,226,
    228,230,231,229,227,225,200,209,210,211,212,213,214,215,216,217,
    218,201,219,220,221,222,223,224,202,203,204,205,206,207,208,189,
    191,269,267,268,301,302,432,433,431,434,435,437,436,89,90,299,
    300,103,104,34,35,484,485,70,71,105,106,107,108,461,462,92,
    93,438,512,240,241,238,239,242,236,237,247,248,245,246,249,243,
    244,264,263,259,258,260,257,254,255,252,253,256,250,251,142,149,
    148,143,147,146,145,144,141,261,265,262,266,153,85,430,154,160,
    161,162,165,166,167,159,589,476,513,514,478,477,515,466,483,520,
    57,47,78,420,80,79,76,418,74,421,439,276,480,46,40,109,
    522,524,73,516,517,188,21,504,132,133,134,135,136,137,505,83,
    84,593,587,588,91,94,3,501,497,496,502,498,499,503,500,467,
    44,155,156,297,98,519,521,523,532,534,528,526,530,4,96,39,
    399,404,401,440,449,450,451,452,453,454,455,456,457,458,441,459,
    442,443,444,445,446,447,448,409,400,402,411,412,410,405,413,414,
    415,416,406,403,408,396,398,397,407,539,545,551,557,563,542,548,
    554,560,566,541,547,553,559,565,538,544,550,556,562,540,546,552,
    558,564,537,543,549,555,561,7,8,182,184,183,533,535,529,527,
    531,482,59,58,111,72,465,22,23,24,25,26,27,28,45,353,
    352,350,348,347,351,349,356,344,333,0,473,474,475,164,163,5,
    1,97,2,9,68,95,129,298,360,395,460,494,518,525,536,567,
    586,112,118,472,346,175,181,48,49,67,345,319,320,315,316,323,
    324,317,318,305,306,321,322,309,311,312,310,303,304,307,308,313,
    314,122,120,124,121,123,125,119,117,127,115,113,128,116,114,126,
    342,340,334,341,343,335,337,336,332,329,358,327,359,328,326,338,
    357,355,330,331,354,339,325,582,580,581,583,578,579,577,287,296,
    288,289,290,291,292,293,294,295,423,424,152,150,429,151,270,271,
    272,273,274,275,158,157,428,69,101,32,81,82,417,506,29,495,
    370,368,590,361,369,371,367,363,366,364,365,362,381,379,591,372,
    380,382,378,374,377,375,376,373,392,390,592,383,391,393,389,385,
    388,386,387,384,394,487,493,490,488,491,489,492,511,571,572,573,
    568,570,569,575,585,574,584,576,42,41,180,178,177,179,131,176,
    169,174,172,171,173,130,170,185,186,187,6,138,139,140,86,486,
    427,463,
};

const NaaccrItemDef items_180[] = {
    R[0],R[1],R[2],R[3],R[555],R[5],R[6],R[7],R[556],R[755],R[756],R[757],R[758],R[759],R[760],R[761],
    R[762],R[763],R[764],R[765],R[766],R[767],R[768],R[769],R[770],R[771],R[772],R[773],R[774],R[775],R[776],R[777],
    R[778],R[779],R[780],R[781],R[782],R[783],R[784],R[785],R[786],R[787],R[788],R[789],R[790],R[791],R[792],R[793],
    R[794],R[795],R[796],R[797],R[798],R[799],R[800],R[801],R[802],R[803],R[804],R[805],R[806],R[807],R[808],R[809],
    R[810],R[811],R[812],R[813],R[814],R[815],R[816],R[817],R[818],R[819],R[820],R[821],R[822],R[823],R[824],R[825],
    R[826],R[827],R[828],R[829],R[830],R[831],R[832],R[833],R[834],R[835],R[836],R[837],R[838],R[839],R[840],R[841],
    R[842],R[843],R[844],R[845],R[846],R[847],R[848],R[849],R[850],R[851],R[852],R[853],R[854],R[855],R[856],R[857],
    R[858],R[859],R[860],R[861],R[862],R[863],R[864],R[865],R[866],R[867],R[868],R[869],R[870],R[871],R[872],R[873],
    R[874],R[875],R[876],R[877],R[878],R[879],R[880],R[881],R[882],R[883],R[884],R[885],R[886],R[887],R[888],R[889],
    R[890],R[891],R[892],R[893],R[894],R[895],R[896],R[897],R[898],R[899],R[900],R[901],R[902],R[903],R[904],R[905],
    R[906],R[907],R[908],R[909],R[910],R[911],R[912],R[913],R[914],R[915],R[916],R[917],R[918],R[919],R[920],R[921],
    R[922],R[923],R[924],R[925],R[926],R[927],R[928],R[929],R[930],R[931],R[932],R[933],R[934],R[935],R[936],R[937],
    R[938],R[939],R[940],R[941],R[942],R[943],R[944],R[945],R[946],R[947],R[948],R[949],R[950],R[951],R[952],R[953],
    R[954],R[955],R[956],R[957],R[958],R[959],R[960],R[961],R[962],R[963],R[964],R[965],R[966],R[967],R[968],R[969],
    R[970],R[971],R[972],R[973],R[974],R[975],R[976],R[977],R[978],R[979],R[980],R[981],R[982],R[983],R[984],R[985],
    R[986],R[987],R[988],R[989],R[990],R[991],R[992],R[993],R[994],R[995],R[996],R[997],R[998],R[999],R[1000],R[1001],
    R[1002],R[1003],R[1004],R[1005],R[1006],R[1007],R[1008],R[1009],R[1010],R[1011],R[1012],R[1013],R[1014],R[1015],R[1016],R[1017],
    R[1018],R[1019],R[1020],R[1021],R[1022],R[1023],R[1024],R[1025],R[1026],R[1027],R[1028],R[1029],R[1030],R[1031],R[1032],R[1033],
    R[1034],R[1035],R[1036],R[1037],R[1038],R[1039],R[1040],R[1041],R[1042],R[1043],R[1044],R[1045],R[1046],R[1047],R[1048],R[1049],
    R[1050],R[1051],R[1052],R[1053],R[1054],R[1055],R[1056],R[1057],R[1058],R[1059],R[1060],R[1061],R[1062],R[1063],R[1064],R[1065],
    R[1066],R[1067],R[1068],R[1069],R[1070],R[1071],R[1072],R[1073],R[1074],R[1075],R[1076],R[1077],R[1078],R[1079],R[1080],R[1081],
    R[1082],R[1083],R[1084],R[1085],R[1086],R[1087],R[1088],R[1089],R[1090],R[1091],R[1092],R[1093],R[1094],R[1095],R[1096],R[1097],
    R[1098],R[1099],R[1100],R[1101],R[1102],R[1103],R[1104],R[1105],R[1106],R[1107],R[1108],R[1109],R[1110],R[1111],R[1112],R[1113],
    R[1114],R[1115],R[1116],R[1117],R[1118],R[1119],R[1120],R[1121],R[1122],R[1123],R[1124],R[1125],R[1126],R[1127],R[1128],R[1129],
    R[1130],R[1131],R[1132],R[1133],R[1134],R[1135],R[1136],R[1137],R[1138],R[1139],R[1140],R[1141],R[1142],R[1143],R[1144],R[1145],
    R[1146],R[1147],R[1148],R[1149],R[1150],R[1151],R[1152],R[1153],R[1154],R[1155],R[1156],R[1157],R[1158],R[1159],R[1160],R[1161],
    R[1162],R[1163],R[1164],R[1165],R[1166],R[1167],R[1168],R[1169],R[1170],R[1171],R[1172],R[1173],R[1174],R[1175],R[1176],R[1177],
    R[1178],R[1179],R[1180],R[1181],R[1182],R[1183],R[1184],R[1185],R[1186],R[1187],R[1188],R[1189],R[1190],R[1191],R[1192],R[1193],
    R[1194],R[1195],R[1196],R[1197],R[1198],R[1199],R[1200],R[1201],R[1202],R[1203],R[1204],R[1205],R[1206],R[1207],R[1208],R[1209],
    R[1210],R[1211],R[1212],R[1213],R[1214],R[1215],R[1216],R[1217],R[1218],R[1219],R[1220],R[1221],R[1222],R[1223],R[1224],R[1225],
    R[1226],R[1227],R[1228],R[1229],R[1230],R[1231],R[1232],R[1233],R[1234],R[1235],R[1236],R[1237],R[1238],R[1239],R[1240],R[1241],
    R[1242],R[1243],R[1244],R[1245],R[1246],R[1247],R[1248],R[1249],R[1250],R[1251],R[1252],R[1253],R[1254],R[1255],R[1256],R[1257],
    R[1258],R[1259],R[1260],R[1261],R[1262],R[1263],R[1264],R[1265],R[1266],R[1267],R[1268],R[1269],R[1270],R[1271],R[1272],R[1273],
    R[1274],R[1275],R[1276],R[1277],R[1278],R[1279],R[1280],R[1281],R[1282],R[1283],R[1284],R[1285],R[1286],R[1287],R[1288],R[1289],
    R[1290],R[1291],R[1292],R[1293],R[1294],R[1295],R[1296],R[1297],R[1298],R[1299],R[1300],R[1301],R[1302],R[1303],R[1304],R[1305],
    R[1306],R[1307],R[1308],R[1309],R[1310],R[1311],R[1312],R[1313],R[1314],R[1315],R[1316],R[1317],R[1318],R[1319],R[1320],R[1321],
    R[1322],R[1323],R[1324],R[1325],R[1326],R[1327],R[1328],R[1329],R[1330],R[1331],R[1332],R[1333],R[1334],R[1335],R[1336],R[1337],
    R[1338],R[1339],R[1340],R[1341],R[1342],R[1343],R[1344],R[1345],R[1346],R[1347],R[1348],R[1349],R[1350],R[1351],R[1352],R[1353],
    R[1354],R[1355],R[1356],R[1357],R[1358],R[1359],R[1360],R[1361],R[1362],R[1363],R[1364],R[1365],R[1366],R[1367],R[1368],R[1369],
    R[1370],R[1371],R[1372],R[1373],R[1374],R[1375],R[1376],R[1377],R[1378],R[1379],R[1380],R[1381],R[1382],R[1383],R[1384],R[1385],
    R[1386],R[1387],R[1388],R[1389],R[1390],R[1391],R[1392],R[1393],R[1394],R[1395],R[1396],R[1397],R[1398],R[1399],R[1400],R[1401],
    R[1402],R[1403],R[1404],R[1405],R[1406],R[1407],R[1408],R[1409],R[1410],R[1411],R[1412],R[1413],R[1414],R[1415],R[1416],R[1417],
    R[1418],R[1419],R[1420],R[1421],R[1422],R[1423],R[1424],R[1425],R[1426],R[1427],R[1428],R[1429],R[1430],R[1431],R[1432],R[1433],
    R[1434],R[1435],R[1436],R[1437],R[1438],R[1439],R[1440],R[1441],R[1442],R[1443],R[1444],R[1445],R[1446],R[1447],R[1448],R[1449],
    R[1450],R[1451],R[1452],R[1453],R[1454],R[1455],R[1456],R[1457],R[1458],R[1459],R[1460],R[1461],R[1462],R[1463],R[1464],R[1465],
    R[1466],R[1467],R[1468],R[1469],R[1470],R[1471],R[1472],R[1473],R[1474],R[1475],R[1476],R[1477],R[1478],R[1479],R[1480],R[1481],
    R[1482],R[1483],R[1484],R[1485],R[1486],R[1487],R[1488],R[1489],R[1490],R[1491],R[1492],R[1493],R[1494],R[1495],R[1496],R[1497],
    R[1498],R[1499],R[1500],R[1501],R[1502],R[1503],R[1504],R[1505],R[1506],R[1507],R[1508],R[1509],R[1510],R[1511],R[1512],R[1513],
    R[1514],R[1515],R[1516],R[1517],R[1518],R[1519],R[1520],R[1521],R[1522],R[1523],R[1524],R[1525],R[1526],R[1527],R[1528],R[1529],
    R[1530],R[1531],R[1532],R[1533],R[1534],R[1535],R[1536],R[1537],R[1538],R[1539],R[1540],R[1541],R[1542],R[1543],R[1544],R[1545],
    R[1546],R[1547],
};
const uint16_t by_number_180[] = {
    0,7,8,1,2,5,4,3,6,10,11,16,22,27,32,15,
    13,17,23,28,33,12,71,18,20,34,24,29,80,37,38,39,
    40,41,42,43,44,45,60,62,61,46,47,48,49,50,51,52,
    73,74,53,78,54,79,55,56,57,58,59,67,68,69,70,791,
    792,793,794,35,25,30,21,26,63,31,19,36,9,82,83,84,
    85,86,795,87,88,106,91,92,101,102,104,105,107,103,93,94,
    95,96,97,98,99,100,796,89,90,81,110,109,113,114,115,116,
    117,118,119,120,121,122,123,124,125,126,127,128,129,108,178,179,
    130,131,132,133,134,135,137,138,139,140,149,150,151,170,171,168,
    169,161,162,163,797,172,164,173,166,174,175,165,167,176,177,182,
    183,181,180,184,185,186,187,189,190,191,192,193,141,194,195,196,
    197,198,142,330,199,201,203,204,205,207,209,210,211,213,215,216,
    200,206,212,202,208,214,188,143,144,145,146,147,148,220,221,222,
    223,224,225,466,226,551,471,472,477,478,483,484,485,486,487,488,
    489,490,467,468,469,470,491,492,493,494,495,496,497,586,498,499,
    500,501,502,504,505,506,508,509,510,511,512,513,531,530,532,527,
    528,529,533,514,538,537,539,534,535,536,540,515,545,544,546,541,
    542,543,547,549,548,550,516,517,518,521,522,524,525,526,657,552,
    553,798,554,558,559,560,561,562,555,556,557,563,564,799,565,569,
    570,571,572,573,566,567,568,574,575,800,576,580,581,582,583,584,
    577,578,579,696,585,658,659,686,687,660,661,662,663,664,665,666,
    689,690,691,692,693,694,695,667,685,668,669,670,671,72,721,672,
    676,677,678,75,688,673,674,675,728,679,680,681,682,683,684,76,
    77,612,801,613,614,615,616,587,588,589,590,591,592,593,594,595,
    596,597,598,599,600,601,602,603,604,605,606,607,608,609,610,611,
    771,617,628,629,630,631,632,633,634,635,636,618,619,620,621,623,
    622,624,625,626,627,790,697,698,699,700,701,702,703,705,706,707,
    709,708,710,711,712,719,720,713,714,715,704,717,718,716,336,725,
    724,727,726,723,722,14,730,729,732,731,734,733,736,735,738,737,
    739,740,772,773,774,775,776,777,778,779,780,781,782,783,784,785,
    786,787,788,789,227,228,229,230,231,232,234,235,236,237,233,244,
    245,246,247,248,249,250,251,252,253,254,255,256,257,258,259,260,
    261,262,238,239,240,241,242,243,300,301,299,263,264,265,266,267,
    268,269,288,289,291,292,293,112,111,309,310,311,312,313,314,315,
    316,317,318,308,473,474,475,476,523,519,520,479,480,481,482,507,
    503,136,64,65,66,270,271,272,273,274,275,276,277,278,279,280,
    281,282,283,284,285,286,287,290,152,153,154,155,156,157,158,159,
    160,296,297,298,294,295,302,303,304,305,306,307,329,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,319,320,321,322,323,324,325,326,327,328,331,337,338,390,420,
    448,449,446,447,391,392,421,401,393,394,445,465,412,429,361,362,
    405,406,363,395,396,347,340,348,373,431,376,377,432,407,397,375,
    433,435,436,437,438,439,217,218,219,452,453,450,451,349,350,351,
    352,353,341,419,425,444,402,398,386,383,354,387,374,364,455,454,
    426,413,463,458,459,460,461,378,379,380,381,416,464,342,382,462,
    422,388,408,409,339,365,410,411,404,343,344,403,440,441,369,371,
    368,370,355,356,357,358,423,335,366,418,372,434,359,345,360,384,
    417,442,443,430,346,456,457,389,332,333,334,399,427,428,414,424,
    367,385,415,400,741,747,753,759,765,742,748,754,760,766,746,752,
    758,764,770,745,751,757,763,769,743,749,755,761,767,744,750,756,
    762,768,
};
const uint16_t by_id_180[] = {
    115,113,10,71,710,12,11,711,669,72,712,671,670,713,390,420,
    448,449,446,447,391,392,49,330,203,201,202,204,199,200,209,207,
    208,210,205,206,215,213,214,216,211,212,101,421,112,683,401,90,
    614,88,393,394,52,74,73,445,465,412,429,662,100,679,361,362,
    25,30,35,19,20,54,78,53,79,59,21,26,31,80,18,24,
    29,34,36,338,337,405,406,363,123,623,620,621,187,309,318,310,
    311,312,313,314,315,316,317,46,47,13,15,17,23,28,33,672,
    617,395,396,228,230,231,232,234,235,236,237,233,238,247,248,249,
    250,251,252,253,254,255,256,239,257,258,259,260,261,262,240,241,
    242,243,244,245,246,227,229,301,299,300,469,470,629,630,628,631,
    632,634,633,102,103,467,468,116,117,50,51,686,687,83,84,118,
    119,120,121,663,664,658,659,105,106,178,179,182,183,635,715,267,
    268,265,266,269,263,264,274,275,272,273,276,270,271,291,166,165,
    167,164,290,286,285,287,284,281,282,279,280,283,277,278,153,160,
    159,154,158,157,156,155,152,288,292,289,293,168,98,627,739,173,
    174,175,163,184,185,186,161,162,172,373,347,340,348,797,431,376,
    377,432,407,397,375,676,716,717,678,677,718,667,685,723,75,791,
    792,793,794,433,63,435,436,437,438,439,91,217,615,93,92,218,
    219,452,453,450,451,349,350,351,352,353,341,419,425,444,89,613,
    87,402,398,616,636,308,682,62,56,122,725,727,387,386,383,354,
    374,364,86,719,455,454,414,426,413,463,458,459,460,461,378,379,
    380,381,416,464,342,382,462,720,226,422,388,37,408,409,706,709,
    339,143,144,145,146,147,148,365,410,707,411,404,96,97,801,795,
    796,104,343,344,107,3,703,699,698,704,700,701,705,702,403,668,
    60,296,297,298,294,295,329,111,722,724,726,735,737,731,729,733,
    4,109,440,441,369,371,368,370,548,55,355,356,357,358,423,590,
    595,592,637,646,647,648,649,650,651,652,653,654,655,638,656,639,
    640,641,642,643,644,645,603,591,593,605,606,611,604,599,607,608,
    609,610,600,594,602,587,589,588,601,598,596,597,743,749,755,761,
    767,746,752,758,764,770,745,751,757,763,769,742,748,754,760,766,
    744,750,756,762,768,741,747,753,759,765,7,8,220,222,221,335,
    366,418,372,531,532,530,527,528,529,533,538,539,537,534,535,536,
    540,545,546,544,541,542,543,547,736,738,732,730,734,684,77,76,
    434,124,384,85,417,359,345,360,442,443,666,38,39,40,41,42,
    43,44,61,520,519,517,515,514,518,516,549,523,512,501,665,0,
    673,674,675,177,176,5,1,110,2,9,81,108,140,466,551,586,
    657,696,721,728,740,771,790,336,14,430,346,622,67,68,64,65,
    66,513,487,488,483,484,491,492,485,486,473,474,489,490,477,479,
    480,478,471,472,475,476,481,482,133,131,135,132,134,136,130,129,
    138,127,125,139,128,126,137,510,508,502,509,511,503,505,504,500,
    497,525,495,526,496,494,506,524,522,498,499,521,507,493,786,784,
    785,787,782,783,781,456,457,389,332,333,334,331,319,328,320,321,
    322,323,324,325,326,327,680,618,619,681,626,302,303,304,305,306,
    307,171,170,625,181,180,399,82,114,427,428,48,94,95,612,708,
    45,16,22,27,32,697,561,559,798,552,560,562,558,554,557,555,
    556,553,572,570,799,563,571,573,569,565,568,566,567,564,583,581,
    800,574,582,584,580,576,579,577,578,575,585,169,689,695,692,690,
    693,691,694,714,775,776,777,772,774,773,779,789,778,788,780,58,
    57,424,198,196,195,197,142,194,188,193,191,190,192,141,189,550,
    367,385,223,224,225,6,149,150,151,99,415,688,69,70,624,400,
    660,661,
};

const NaaccrItemDef items_210[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[1562],R[1563],
    R[1564],R[1565],R[1566],R[1567],R[1568],R[1569],R[1570],R[1571],R[1572],R[1573],R[1574],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[1609],R[1610],R[1611],
    R[1612],R[1613],R[1614],R[1615],R[1616],R[1617],R[1618],R[1619],R[1620],R[1621],R[1622],R[1623],R[1624],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[1630],R[1631],R[1632],R[1633],R[1634],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],
    R[1644],R[1645],R[1646],R[1647],R[1648],R[1649],R[1650],R[1651],R[1652],R[1653],R[1654],R[1655],R[1656],R[1657],R[1658],R[1659],
    R[1660],R[1661],R[1662],R[1663],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],R[1670],R[1671],R[1672],R[1673],R[1674],R[1675],
    R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],R[1687],R[1688],R[1689],R[1690],R[1691],
    R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],R[1703],R[1704],R[1705],R[1706],R[1707],
    R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1716],R[1717],R[1718],R[1719],R[1720],R[1721],R[1722],R[1723],
    R[1724],R[1725],R[1726],R[1727],R[1728],R[1729],R[1730],R[1731],R[1732],R[1733],R[1734],R[1735],R[1736],R[1737],R[1738],R[1739],
    R[1740],R[1741],R[1742],R[1743],R[1744],R[1745],R[1746],R[1747],R[1748],R[1749],R[1750],R[1751],R[1752],R[1753],R[1754],R[1755],
    R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],R[1769],R[1770],R[1771],
    R[1772],R[1773],R[1774],R[1775],R[1776],R[1777],R[1778],R[1779],R[1780],R[1781],R[1782],R[1783],R[1784],R[1785],R[1786],R[1787],
    R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[1796],R[1797],R[1798],R[1799],R[1800],R[1801],R[1802],R[1803],
    R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],R[1814],R[1815],R[1816],R[1817],R[1818],R[1819],
    R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[1829],R[1830],R[1831],R[1832],R[1833],R[1834],R[1835],
    R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],R[1844],R[1845],R[1846],R[1847],R[1848],R[1849],R[1850],R[1851],
    R[1852],R[1853],R[1854],R[1855],R[1856],R[1857],R[1858],R[1859],R[1860],R[1861],R[1862],R[1863],R[1864],R[1865],R[1866],R[1867],
    R[1868],R[1869],R[1870],R[1871],R[1872],R[1873],R[1874],R[1875],R[1876],R[1877],R[1878],R[1879],R[1880],R[1881],R[1882],R[1883],
    R[1884],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],R[1891],R[1892],R[1893],R[1894],R[1895],R[1896],R[1897],R[1898],R[1899],
    R[1900],R[1901],R[1902],R[1903],R[1904],R[1905],R[1906],R[1907],R[1908],R[1909],R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],
    R[1916],R[1917],R[1918],R[1919],R[1920],R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],R[1927],R[1928],R[1929],R[1930],R[1931],
    R[1932],R[1933],R[1934],R[1935],R[1936],R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],R[1943],R[1944],R[1945],R[1946],R[1947],
    R[1948],R[1949],R[1950],R[1951],R[1952],R[1953],R[1954],R[1955],R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],
    R[1964],R[1965],R[1966],R[1967],R[1968],R[1969],R[1970],R[1971],R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],
    R[1980],R[1981],R[1982],R[1983],R[1984],R[1985],R[1986],R[1987],R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],
    R[1996],R[1997],R[1998],R[1999],R[2000],R[2001],R[2002],R[2003],R[2004],R[2005],R[2006],R[2007],R[2008],R[2009],R[2010],R[2011],
    R[2012],R[2013],R[2014],R[2015],R[2016],R[2017],R[2018],R[2019],R[2020],R[2021],R[2022],R[2023],R[2024],R[2025],R[2026],R[2027],
    R[2028],R[2029],R[2030],R[2031],R[2032],R[2033],R[2034],R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],R[2042],R[2043],
    R[2044],R[2045],R[2046],R[2047],R[2048],R[2049],R[2050],R[2051],R[2052],R[2053],R[2054],R[2055],R[2056],R[2057],R[2058],R[2059],
    R[2060],R[2061],R[2062],R[2063],R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],
    R[2076],R[2077],R[2078],R[2079],R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],R[2086],R[2087],R[2088],R[2089],R[2090],R[2091],
    R[2092],R[2093],R[2094],R[2095],R[2096],R[2097],R[2098],R[2099],R[2100],R[2101],R[2102],R[2103],R[2104],R[2105],R[2106],R[2107],
    R[2108],R[2109],R[2110],R[2111],R[2112],R[2113],R[2114],R[2115],R[2116],R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2123],
    R[2124],R[2125],R[2126],R[2127],R[2128],R[2129],R[2130],R[2131],R[2132],R[2133],R[2134],R[2135],R[2136],R[2137],R[2138],R[2139],
    R[2140],R[2141],R[2142],R[2143],R[2144],R[2145],R[2146],R[2147],R[2148],R[2149],R[2150],R[2151],R[2152],R[2153],R[2154],R[2155],
    R[2156],R[2157],R[2158],R[2159],R[2160],R[2161],R[2162],R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2169],R[2170],R[2171],
    R[2172],R[2173],R[2174],R[2175],R[2176],R[2177],R[2178],R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],R[2185],R[2186],R[2187],
    R[2188],R[2189],R[2190],R[2191],R[2192],R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],R[2199],R[2200],R[2201],R[2202],R[2203],
    R[2204],R[2205],R[2206],R[2207],R[2208],R[2209],R[2210],R[2211],R[2212],R[2213],R[2214],R[2215],R[2216],R[2217],R[2218],R[2219],
    R[2220],R[2221],R[2222],R[2223],R[2224],R[2225],R[2226],R[2227],R[2228],R[2229],R[2230],R[2231],R[2232],R[2233],R[2234],R[2235],
    R[2236],R[2237],R[2238],R[2239],R[2240],R[2241],R[2242],R[2243],R[2244],R[2245],R[2246],R[2247],R[2248],R[2249],R[2250],R[2251],
    R[2252],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2267],
    R[2268],R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],R[2276],R[2277],R[2278],R[2279],R[2280],R[2281],R[2282],R[2283],
    R[2284],R[2285],R[2286],R[2287],R[2288],R[2289],R[2290],R[2291],R[2292],R[2293],R[2294],R[2295],R[2296],R[2297],R[2298],R[2299],
    R[2300],R[2301],R[2302],R[2303],R[2304],R[2305],R[2306],R[2307],R[2308],R[2309],R[2310],R[2311],R[2312],R[2313],R[2314],R[2315],
    R[2316],R[2317],R[2318],R[2319],R[2320],R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],R[2327],R[2328],R[2329],R[2330],R[2331],
    R[2332],R[2333],R[2334],R[2335],R[2336],R[2337],R[2338],R[2339],R[2340],R[2341],R[2342],R[2343],R[2344],R[2345],R[2346],R[2347],
    R[2348],R[2349],R[2350],R[2351],R[2352],R[2353],R[2354],R[2355],R[2356],R[2357],R[2358],
};
const uint16_t by_number_210[] = {
    574,505,506,581,580,414,380,785,2,6,705,706,707,708,119,118,
    120,121,122,123,5,3,91,81,94,92,93,90,357,554,555,556,
    557,558,559,560,704,399,321,561,116,117,699,22,182,183,63,65,
    64,84,83,82,85,424,322,764,763,86,586,587,792,793,801,802,
    803,804,79,77,78,87,88,285,89,80,95,695,186,187,546,332,
    806,314,60,197,291,295,53,176,376,196,379,177,294,700,701,374,
    375,249,789,73,807,312,58,582,415,1,696,0,180,181,188,189,
    190,191,323,101,544,624,627,623,626,621,198,199,620,615,617,614,
    618,616,628,622,625,786,787,788,690,689,248,743,260,261,256,800,
    262,222,253,219,254,255,220,221,579,578,200,201,692,693,257,258,
    259,105,778,775,774,776,773,777,771,768,767,769,766,770,27,32,
    29,28,31,38,35,34,37,50,47,46,49,33,39,51,30,36,
    48,772,44,45,41,42,40,43,298,363,364,365,366,367,368,507,
    509,508,782,783,784,354,608,609,604,607,594,595,598,599,592,593,
    602,603,178,179,167,168,596,597,651,643,640,642,638,647,648,637,
    572,631,636,635,644,630,632,629,633,571,591,514,516,515,517,518,
    519,520,566,521,523,522,524,525,526,527,565,528,530,529,531,532,
    533,534,569,423,779,568,564,567,397,395,396,649,646,645,639,641,
    711,719,808,715,714,710,712,709,713,717,718,716,722,730,809,726,
    725,721,723,720,724,728,729,727,733,741,810,737,736,732,734,731,
    735,739,740,738,742,194,195,184,185,796,797,72,192,193,573,553,
    744,747,749,746,748,750,745,280,281,398,8,12,11,9,124,274,
    278,277,283,791,575,576,577,74,678,681,320,56,540,542,541,702,
    805,313,59,293,317,468,470,469,430,454,432,455,466,431,473,474,
    472,460,465,471,467,453,459,456,457,461,462,463,464,458,125,171,
    169,170,172,173,175,174,202,318,666,667,679,680,103,104,102,585,
    23,24,25,26,794,691,682,250,799,384,382,383,386,387,389,381,
    388,360,371,361,703,4,7,10,333,353,13,751,203,385,276,279,
    275,324,407,325,408,282,406,538,412,537,411,539,413,535,409,536,
    410,252,755,757,756,752,753,754,760,758,762,658,656,657,653,654,
    652,655,761,759,162,128,163,129,130,131,132,133,134,135,136,159,
    160,161,138,139,140,141,142,143,144,145,146,147,149,150,151,152,
    153,154,137,148,155,156,157,158,166,164,165,209,210,206,207,204,
    205,208,244,246,218,245,247,55,405,106,108,109,110,111,112,113,
    114,115,107,319,600,601,610,611,570,563,562,605,606,612,613,650,
    634,619,588,589,590,216,217,213,214,211,212,215,233,234,230,231,
    228,229,232,227,225,224,226,223,243,235,238,242,241,240,239,237,
    236,400,401,402,403,404,683,684,685,686,687,688,798,433,444,446,
    447,448,449,450,451,452,434,435,436,437,438,439,440,441,442,443,
    445,668,670,671,672,673,674,675,676,677,669,665,97,96,14,15,
    16,17,18,19,20,21,54,57,61,62,66,68,69,70,75,76,
    98,99,100,126,127,264,265,266,263,267,268,269,270,271,272,273,
    284,286,287,288,289,290,292,296,297,299,300,301,302,303,304,305,
    306,307,308,309,310,311,315,316,327,328,329,326,330,331,334,335,
    337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,352,
    355,356,358,359,362,369,370,372,373,377,378,390,417,418,419,420,
    421,422,425,426,427,428,429,510,511,512,513,543,548,549,550,545,
    547,551,552,583,584,659,660,661,662,663,664,694,697,698,336,765,
    780,781,790,795,52,251,67,416,71,394,392,393,391,500,501,502,
    503,504,490,491,492,493,494,480,481,482,483,484,485,486,487,488,
    489,475,476,477,478,479,495,496,497,498,499,
};
const uint16_t by_id_210[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,800,267,268,269,270,
    271,272,273,274,275,276,277,278,279,280,281,282,283,801,802,803,
    804,284,285,286,287,288,289,290,291,292,293,294,295,296,297,298,
    299,300,301,302,303,304,305,306,307,308,309,310,311,312,313,314,
    315,316,317,318,319,320,321,322,323,324,325,326,327,328,329,330,
    331,332,333,334,335,336,337,338,339,340,341,342,343,344,345,346,
    347,348,349,350,351,352,353,354,355,356,357,358,359,360,361,362,
    363,364,365,366,367,368,369,370,371,372,373,374,375,805,806,807,
    376,377,378,379,380,381,382,383,384,385,386,387,388,389,390,391,
    392,393,394,395,396,397,398,399,400,401,402,403,404,798,405,406,
    407,408,409,410,411,412,413,414,415,416,417,418,419,420,421,422,
    423,424,425,426,427,428,429,430,431,432,433,434,435,436,437,438,
    439,440,441,442,443,444,445,446,447,448,449,450,451,452,453,454,
    455,456,457,458,459,460,461,462,463,464,465,466,467,468,469,470,
    471,472,473,474,475,476,477,478,479,480,481,482,483,484,485,486,
    487,488,489,490,491,492,493,494,495,496,497,498,499,500,501,502,
    503,504,505,506,507,508,509,510,511,512,513,514,515,516,517,518,
    519,520,521,522,523,524,525,526,527,528,529,530,531,532,533,534,
    535,536,537,538,539,540,541,542,543,544,545,546,547,548,549,550,
    551,552,553,554,555,556,557,558,559,560,561,562,563,564,565,566,
    567,568,569,570,571,572,573,574,575,576,577,578,579,580,581,582,
    583,584,585,586,587,588,589,590,591,592,593,594,595,596,597,598,
    599,600,601,602,603,604,605,606,607,608,609,610,611,612,613,614,
    615,616,617,618,619,620,621,622,623,624,625,626,627,628,629,630,
    631,632,633,634,635,636,637,638,639,640,641,642,643,644,645,646,
    647,648,649,650,651,652,653,654,655,656,657,658,659,660,661,662,
    663,664,665,666,667,668,669,670,671,672,673,674,675,676,677,678,
    679,680,681,682,683,684,685,686,687,688,689,690,691,692,693,694,
    695,696,697,698,699,700,701,702,703,704,705,706,707,708,799,709,
    710,808,711,712,713,714,715,716,717,718,719,720,721,809,722,723,
    724,725,726,727,728,729,730,731,732,810,733,734,735,736,737,738,
    739,740,741,742,743,744,745,746,747,748,749,750,751,752,753,754,
    755,756,757,758,759,760,761,762,763,764,765,766,767,768,769,770,
    771,772,773,774,775,776,777,778,779,780,781,782,783,784,785,786,
    787,788,789,790,791,792,793,794,795,796,797,
};

const NaaccrItemDef items_220[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[1562],R[1563],
    R[1564],R[1565],R[1566],R[1567],R[1568],R[1569],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[1609],R[1610],R[1611],
    R[1612],R[1613],R[1614],R[1615],R[1616],R[1617],R[1618],R[1619],R[1620],R[1621],R[1622],R[1623],R[1624],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[1630],R[1631],R[1632],R[1633],R[1634],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],
    R[1644],R[1645],R[1646],R[1647],R[1648],R[1649],R[1650],R[1651],R[1652],R[1653],R[1654],R[1655],R[1656],R[1657],R[1658],R[1659],
    R[1660],R[1661],R[1662],R[1663],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],R[1670],R[1671],R[1672],R[1673],R[1674],R[1675],
    R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],R[1687],R[1688],R[1689],R[1690],R[1691],
    R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],R[1703],R[1704],R[1705],R[1706],R[1707],
    R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1716],R[1717],R[1718],R[1719],R[1720],R[1721],R[1722],R[1723],
    R[1724],R[1725],R[1726],R[1727],R[1728],R[1729],R[1730],R[1731],R[1732],R[1733],R[1734],R[1735],R[1736],R[1737],R[1738],R[1739],
    R[1740],R[1741],R[1742],R[1743],R[1744],R[1745],R[1746],R[1747],R[1748],R[1749],R[1750],R[2361],R[1752],R[1753],R[1754],R[1755],
    R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],R[1769],R[1770],R[1771],
    R[1772],R[1773],R[1774],R[1775],R[1776],R[1777],R[1778],R[1779],R[1780],R[1781],R[1782],R[2362],R[1783],R[1784],R[1785],R[1786],
    R[1787],R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[1796],R[1797],R[1798],R[2363],R[2364],R[1799],R[1800],
    R[1801],R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],R[1814],R[1815],R[1816],
    R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[1829],R[1830],R[1831],R[1832],
    R[1833],R[1834],R[1835],R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],R[1844],R[1845],R[1846],R[1847],R[1848],
    R[1849],R[1850],R[1851],R[1852],R[1853],R[1854],R[1855],R[1856],R[1857],R[1858],R[1859],R[1860],R[1861],R[1862],R[1863],R[1864],
    R[1865],R[1866],R[1867],R[1868],R[1869],R[2365],R[1870],R[1871],R[1872],R[1873],R[1874],R[1875],R[1876],R[1877],R[1878],R[1879],
    R[1880],R[1881],R[1882],R[1883],R[1884],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],R[1891],R[1892],R[1893],R[1894],R[1895],
    R[1896],R[1897],R[1898],R[1899],R[1900],R[2366],R[2367],R[2368],R[1901],R[1902],R[1903],R[2369],R[1904],R[1905],R[1906],R[1907],
    R[1908],R[1909],R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],R[1918],R[1919],R[1920],R[1921],R[1922],R[1923],
    R[1924],R[1925],R[1926],R[1927],R[1928],R[1929],R[1930],R[1931],R[1932],R[1933],R[1934],R[1935],R[1936],R[1937],R[1938],R[1939],
    R[1940],R[1941],R[1942],R[1943],R[1944],R[1945],R[1946],R[1947],R[1948],R[1949],R[1950],R[1951],R[1952],R[1953],R[1954],R[1955],
    R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],R[1964],R[1965],R[1966],R[1967],R[1968],R[1969],R[1970],R[1971],
    R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],R[1980],R[1981],R[1982],R[1983],R[1984],R[1985],R[1986],R[1987],
    R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],R[1996],R[1997],R[1998],R[1999],R[2000],R[2001],R[2002],R[2003],
    R[2004],R[2005],R[2006],R[2007],R[2008],R[2009],R[2010],R[2011],R[2012],R[2013],R[2014],R[2015],R[2016],R[2017],R[2018],R[2019],
    R[2020],R[2021],R[2022],R[2370],R[2023],R[2024],R[2025],R[2026],R[2027],R[2028],R[2029],R[2030],R[2031],R[2032],R[2033],R[2034],
    R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],R[2042],R[2043],R[2044],R[2045],R[2046],R[2047],R[2048],R[2049],R[2050],
    R[2051],R[2052],R[2053],R[2054],R[2055],R[2056],R[2057],R[2058],R[2059],R[2060],R[2061],R[2062],R[2063],R[2064],R[2065],R[2066],
    R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],R[2078],R[2079],R[2080],R[2081],R[2082],
    R[2083],R[2084],R[2085],R[2086],R[2087],R[2088],R[2089],R[2090],R[2091],R[2092],R[2093],R[2094],R[2095],R[2096],R[2097],R[2098],
    R[2099],R[2100],R[2101],R[2102],R[2103],R[2104],R[2105],R[2106],R[2107],R[2108],R[2109],R[2110],R[2111],R[2112],R[2113],R[2114],
    R[2115],R[2116],R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2123],R[2124],R[2125],R[2126],R[2127],R[2128],R[2129],R[2130],
    R[2131],R[2132],R[2133],R[2134],R[2135],R[2136],R[2137],R[2138],R[2139],R[2140],R[2141],R[2142],R[2143],R[2144],R[2145],R[2146],
    R[2147],R[2148],R[2149],R[2150],R[2151],R[2152],R[2153],R[2154],R[2155],R[2156],R[2157],R[2158],R[2159],R[2160],R[2161],R[2162],
    R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2169],R[2170],R[2171],R[2172],R[2173],R[2174],R[2175],R[2176],R[2177],R[2178],
    R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],R[2185],R[2186],R[2187],R[2188],R[2189],R[2190],R[2191],R[2192],R[2193],R[2194],
    R[2195],R[2196],R[2197],R[2198],R[2199],R[2200],R[2201],R[2202],R[2203],R[2204],R[2205],R[2206],R[2207],R[2208],R[2209],R[2210],
    R[2211],R[2212],R[2213],R[2214],R[2215],R[2216],R[2217],R[2218],R[2219],R[2220],R[2221],R[2222],R[2223],R[2224],R[2225],R[2226],
    R[2227],R[2228],R[2229],R[2230],R[2231],R[2232],R[2233],R[2234],R[2235],R[2236],R[2237],R[2238],R[2239],R[2240],R[2241],R[2242],
    R[2243],R[2244],R[2245],R[2246],R[2247],R[2248],R[2249],R[2250],R[2251],R[2252],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],
    R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2267],R[2268],R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],
    R[2275],R[2276],R[2277],R[2278],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],R[2285],R[2286],R[2287],R[2288],R[2289],R[2290],
    R[2291],R[2292],R[2293],R[2294],R[2295],R[2296],R[2297],R[2298],R[2299],R[2300],R[2301],R[2302],R[2303],R[2304],R[2305],R[2306],
    R[2307],R[2308],R[2309],R[2310],R[2311],R[2312],R[2313],R[2314],R[2315],R[2316],R[2317],R[2318],R[2319],R[2320],R[2321],R[2322],
    R[2323],R[2324],R[2325],R[2326],R[2371],R[2327],R[2328],R[2329],R[2330],R[2331],R[2332],R[2333],R[2334],R[2335],R[2336],R[2337],
    R[2372],R[2338],R[2339],R[2373],R[2340],R[2341],R[2342],R[2343],R[2344],R[2345],R[2348],R[2349],R[2350],R[2351],R[2352],R[2353],
    R[2354],R[2355],R[2356],R[2357],R[2358],
};
const uint16_t by_number_220[] = {
    583,514,515,590,589,422,388,795,2,6,714,715,716,717,119,118,
    120,121,122,123,5,3,91,81,94,92,93,90,365,563,564,565,
    566,567,568,569,713,407,324,570,325,116,117,708,22,182,183,63,
    65,64,84,83,82,85,803,800,432,326,773,772,86,595,596,788,
    804,805,811,812,813,814,79,77,78,87,88,288,89,80,95,704,
    186,187,555,336,816,317,60,197,294,298,53,176,384,196,387,177,
    297,709,710,382,383,250,799,73,817,315,58,253,252,591,423,1,
    705,0,180,181,188,189,190,191,327,101,553,633,636,632,635,630,
    198,199,629,624,626,623,627,625,637,631,634,796,797,798,699,698,
    249,752,263,264,259,810,265,222,256,219,257,258,220,221,588,587,
    200,201,701,702,260,261,262,105,787,784,783,785,782,786,780,777,
    776,778,775,779,27,32,29,28,31,38,35,34,37,50,47,46,
    49,33,39,51,30,36,48,781,44,45,41,42,40,43,301,371,
    372,373,374,375,376,516,518,517,792,793,794,361,617,618,613,616,
    603,604,607,608,601,602,611,612,178,179,167,168,605,606,660,652,
    649,651,647,656,657,646,581,640,645,644,653,639,641,638,642,580,
    600,523,525,524,526,527,528,529,575,530,532,531,533,534,535,536,
    574,537,539,538,540,541,542,543,578,431,789,577,573,576,405,403,
    404,658,655,654,648,650,720,728,818,724,723,719,721,718,722,726,
    727,725,731,739,819,735,734,730,732,729,733,737,738,736,742,750,
    820,746,745,741,743,740,744,748,749,747,751,194,195,184,185,808,
    809,72,192,193,582,562,753,756,758,755,757,759,754,283,284,406,
    8,12,11,9,124,277,281,280,286,802,584,585,586,74,687,690,
    323,56,549,551,550,711,815,316,59,296,320,476,478,477,438,462,
    440,463,474,439,481,482,480,468,473,479,475,461,467,464,465,469,
    470,471,472,466,125,171,169,170,172,173,175,174,202,321,675,676,
    688,689,103,104,102,594,23,24,25,26,806,700,691,251,392,390,
    391,394,395,397,389,396,368,379,369,712,4,7,10,337,360,13,
    760,203,393,279,282,278,328,415,329,416,285,414,547,420,546,419,
    548,421,544,417,545,418,255,764,766,765,761,762,763,769,767,771,
    667,665,666,662,663,661,664,770,768,162,128,163,129,130,131,132,
    133,134,135,136,159,160,161,138,139,140,141,142,143,144,145,146,
    147,149,150,151,152,153,154,137,148,155,156,157,158,166,164,165,
    209,210,206,207,204,205,208,245,247,218,246,248,55,413,106,108,
    109,110,111,112,113,114,115,107,322,609,610,619,620,579,572,571,
    614,615,621,622,659,643,628,597,598,599,216,217,213,214,211,212,
    215,233,234,230,231,228,229,232,227,225,224,226,223,244,236,239,
    243,242,241,240,238,237,408,409,410,411,412,692,693,694,695,696,
    697,441,452,454,455,456,457,458,459,460,442,443,444,445,446,447,
    448,449,450,451,453,677,679,680,681,682,683,684,685,686,678,674,
    97,96,14,15,16,17,18,19,20,21,54,57,61,62,66,68,
    69,70,75,76,98,99,100,126,127,267,268,269,266,270,271,272,
    273,274,275,276,287,289,290,291,292,293,295,299,300,302,303,304,
    305,306,307,308,309,310,311,312,313,314,318,319,331,332,333,330,
    334,335,338,339,341,342,343,344,345,346,347,348,349,350,351,352,
    353,354,355,356,362,364,366,367,370,377,378,380,381,385,386,398,
    425,426,427,428,429,430,433,434,435,436,437,519,520,521,522,552,
    557,558,559,554,556,560,561,592,593,668,669,670,671,672,673,703,
    706,707,340,774,790,791,801,807,52,254,67,424,71,402,400,401,
    399,363,235,483,359,358,357,509,510,511,512,513,499,500,501,502,
    503,489,490,491,492,493,494,495,496,497,498,484,485,486,487,488,
    504,505,506,507,508,
};
const uint16_t by_id_220[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,810,270,
    271,272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,
    811,812,813,814,287,288,289,290,291,292,293,294,295,296,297,298,
    299,300,301,302,303,304,305,306,307,308,309,310,311,312,313,314,
    315,316,317,318,319,320,321,322,323,324,325,326,327,328,329,330,
    331,332,333,334,335,336,337,338,339,340,341,342,343,344,345,346,
    347,348,349,350,351,352,353,354,355,356,357,358,359,360,361,362,
    363,364,365,366,367,368,369,370,371,372,373,374,375,376,377,378,
    379,380,381,382,383,815,816,817,384,385,386,387,388,389,390,391,
    392,393,394,395,396,397,398,399,400,401,402,403,404,405,406,407,
    408,409,410,411,412,413,414,415,416,417,418,419,420,421,422,423,
    424,425,426,427,428,429,430,431,432,433,434,435,436,437,438,439,
    440,441,442,443,444,445,446,447,448,449,450,451,452,453,454,455,
    456,457,458,459,460,461,462,463,464,465,466,467,468,469,470,471,
    472,473,474,475,476,477,478,479,480,481,482,483,484,485,486,487,
    488,489,490,491,492,493,494,495,496,497,498,499,500,501,502,503,
    504,505,506,507,508,509,510,511,512,513,514,515,516,517,518,519,
    520,521,522,523,524,525,526,527,528,529,530,531,532,533,534,535,
    536,537,538,539,540,541,542,543,544,545,546,547,548,549,550,551,
    552,553,554,555,556,557,558,559,560,561,562,563,564,565,566,567,
    568,569,570,571,572,573,574,575,576,577,578,579,580,581,582,583,
    584,585,586,587,588,589,590,591,592,593,594,595,596,597,598,599,
    600,601,602,603,604,605,606,607,608,609,610,611,612,613,614,615,
    616,617,618,619,620,621,622,623,624,625,626,627,628,629,630,631,
    632,633,634,635,636,637,638,639,640,641,642,643,644,645,646,647,
    648,649,650,651,652,653,654,655,656,657,658,659,660,661,662,663,
    664,665,666,667,668,669,670,671,672,673,674,675,676,677,678,679,
    680,681,682,683,684,685,686,687,688,689,690,691,692,693,694,695,
    696,697,698,699,700,701,702,703,704,705,706,707,708,709,710,711,
    712,713,714,715,716,717,718,719,818,720,721,722,723,724,725,726,
    727,728,729,730,819,731,732,733,734,735,736,737,738,739,740,741,
    820,742,743,744,745,746,747,748,749,750,751,752,753,754,755,756,
    757,758,759,760,761,762,763,764,765,766,767,768,769,770,771,772,
    773,774,775,776,777,778,779,780,781,782,783,784,785,786,787,788,
    789,790,791,792,793,794,795,796,797,798,799,800,801,802,803,804,
    805,806,807,808,809,
};

const NaaccrItemDef items_230[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[1562],R[1563],
    R[1564],R[1565],R[1566],R[1567],R[1568],R[1569],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[1609],R[1610],R[1611],
    R[1612],R[1613],R[1614],R[1615],R[1616],R[1617],R[1618],R[1619],R[1620],R[1621],R[1622],R[1623],R[1624],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[1630],R[1631],R[1632],R[1633],R[1634],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],
    R[1644],R[1645],R[1646],R[1647],R[1648],R[1649],R[2374],R[1650],R[1651],R[1652],R[1653],R[1654],R[1655],R[1656],R[1657],R[1658],
    R[1659],R[1660],R[1661],R[1662],R[1663],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],R[1670],R[1671],R[1672],R[1673],R[1674],
    R[1675],R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],R[1687],R[1688],R[1689],R[1690],
    R[1691],R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],R[1703],R[1704],R[1705],R[1706],
    R[1707],R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1717],R[1718],R[1719],R[1720],R[1721],R[1722],R[1723],
    R[1724],R[1726],R[1728],R[1730],R[1732],R[1734],R[1736],R[1738],R[1740],R[1742],R[1744],R[1746],R[1748],R[1750],R[2361],R[1752],
    R[1753],R[1754],R[1755],R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],
    R[1769],R[1770],R[1771],R[1772],R[1773],R[1774],R[1775],R[1776],R[1777],R[1778],R[1779],R[1780],R[1781],R[1782],R[2362],R[1783],
    R[1784],R[1785],R[1786],R[1787],R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[1796],R[1797],R[1798],R[2363],
    R[2364],R[1799],R[2375],R[1801],R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],
    R[1814],R[1815],R[1816],R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[1829],
    R[1830],R[1831],R[1832],R[1833],R[1834],R[1835],R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],R[1844],R[1845],
    R[1846],R[1847],R[1848],R[1849],R[1850],R[1851],R[1852],R[1853],R[1854],R[1855],R[1856],R[1857],R[1858],R[1859],R[2376],R[1860],
    R[1861],R[1862],R[1863],R[1864],R[1866],R[1867],R[1868],R[1869],R[2365],R[1870],R[1871],R[1872],R[1873],R[1874],R[1875],R[1876],
    R[1877],R[1878],R[1879],R[1880],R[1881],R[1882],R[1883],R[1884],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],R[1891],R[1892],
    R[1893],R[1894],R[1895],R[1896],R[1897],R[1898],R[1899],R[1900],R[2366],R[2367],R[2368],R[1901],R[1902],R[1903],R[2369],R[1904],
    R[1905],R[1906],R[1907],R[1908],R[1909],R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],R[1918],R[1919],R[1920],
    R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],R[1927],R[1928],R[1929],R[1930],R[1931],R[1932],R[1933],R[1934],R[1935],R[1936],
    R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],R[1943],R[1944],R[1945],R[1946],R[1947],R[2377],R[1948],R[1949],R[1950],R[1951],
    R[1952],R[1953],R[1954],R[1955],R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],R[1964],R[1965],R[1966],R[1967],
    R[1968],R[1969],R[1970],R[1971],R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],R[1980],R[1981],R[1982],R[1983],
    R[1984],R[1985],R[1986],R[1987],R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],R[1996],R[1997],R[1998],R[1999],
    R[2000],R[2001],R[2002],R[2003],R[2004],R[2005],R[2006],R[2007],R[2008],R[2009],R[2010],R[2011],R[2012],R[2013],R[2014],R[2015],
    R[2016],R[2017],R[2018],R[2019],R[2020],R[2021],R[2022],R[2370],R[2023],R[2024],R[2025],R[2026],R[2027],R[2028],R[2029],R[2030],
    R[2031],R[2032],R[2033],R[2034],R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],R[2042],R[2043],R[2044],R[2045],R[2046],
    R[2047],R[2048],R[2049],R[2050],R[2051],R[2052],R[2053],R[2054],R[2055],R[2056],R[2057],R[2058],R[2059],R[2060],R[2061],R[2062],
    R[2063],R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],R[2078],
    R[2079],R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],R[2086],R[2087],R[2088],R[2089],R[2090],R[2091],R[2092],R[2093],R[2094],
    R[2095],R[2096],R[2097],R[2098],R[2099],R[2100],R[2101],R[2102],R[2103],R[2104],R[2105],R[2106],R[2107],R[2108],R[2109],R[2110],
    R[2111],R[2112],R[2113],R[2114],R[2115],R[2116],R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2123],R[2125],R[2126],R[2127],
    R[2128],R[2129],R[2130],R[2378],R[2131],R[2132],R[2133],R[2134],R[2135],R[2136],R[2137],R[2138],R[2139],R[2140],R[2142],R[2144],
    R[2146],R[2148],R[2150],R[2152],R[2153],R[2156],R[2158],R[2160],R[2162],R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2169],
    R[2170],R[2171],R[2172],R[2173],R[2174],R[2379],R[2380],R[2176],R[2177],R[2178],R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],
    R[2185],R[2186],R[2187],R[2188],R[2189],R[2190],R[2381],R[2382],R[2192],R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],R[2199],
    R[2383],R[2384],R[2385],R[2386],R[2387],R[2388],R[2389],R[2207],R[2208],R[2209],R[2210],R[2211],R[2212],R[2213],R[2214],R[2215],
    R[2216],R[2217],R[2218],R[2219],R[2220],R[2221],R[2222],R[2223],R[2224],R[2225],R[2226],R[2229],R[2231],R[2232],R[2233],R[2234],
    R[2235],R[2236],R[2237],R[2238],R[2240],R[2241],R[2242],R[2243],R[2244],R[2245],R[2246],R[2247],R[2248],R[2249],R[2250],R[2251],
    R[2252],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2268],
    R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],R[2276],R[2277],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],R[2285],
    R[2286],R[2287],R[2288],R[2290],R[2291],R[2292],R[2293],R[2294],R[2295],R[2296],R[2297],R[2298],R[2299],R[2390],R[2391],R[2392],
    R[2393],R[2394],R[2395],R[2306],R[2307],R[2308],R[2396],R[2397],R[2311],R[2312],R[2313],R[2314],R[2315],R[2316],R[2317],R[2318],
    R[2319],R[2320],R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],R[2371],R[2327],R[2328],R[2329],R[2330],R[2331],R[2332],R[2333],
    R[2334],R[2335],R[2336],R[2337],R[2372],R[2338],R[2339],R[2373],R[2340],R[2341],R[2342],R[2343],R[2344],R[2345],
};
const uint16_t by_number_230[] = {
    571,502,503,577,576,410,375,767,2,6,689,690,691,692,120,119,
    121,122,123,124,5,3,91,81,94,92,93,90,352,551,552,553,
    554,555,556,557,688,394,311,558,312,117,118,683,22,179,63,65,
    64,84,83,82,85,775,772,420,313,745,744,86,583,584,760,776,
    777,79,77,78,87,88,275,89,80,95,679,181,543,323,305,60,
    281,285,53,176,371,186,374,284,684,685,369,370,237,771,73,303,
    58,240,239,578,411,1,680,0,178,182,183,314,101,541,610,613,
    614,609,612,607,187,606,601,603,600,604,602,615,608,611,768,769,
    770,675,674,236,724,250,251,246,252,209,243,206,244,245,207,208,
    575,574,188,676,677,247,248,249,106,759,756,755,757,754,758,752,
    749,748,750,747,751,27,32,29,28,31,38,35,34,37,50,47,
    46,49,33,39,51,30,36,48,753,44,45,41,42,40,43,288,
    358,359,360,361,362,363,504,506,505,764,765,766,348,597,595,590,
    592,589,594,177,168,591,639,630,631,627,629,625,635,636,624,569,
    618,623,622,632,617,619,616,620,568,588,511,513,512,514,515,516,
    517,563,518,520,519,521,522,523,524,562,525,527,526,528,529,530,
    531,566,419,761,565,561,564,392,390,391,637,634,633,626,628,695,
    699,698,694,696,693,697,701,702,700,705,709,708,704,706,703,707,
    711,712,710,715,719,718,714,716,713,717,721,722,720,723,185,180,
    780,781,72,184,570,550,725,728,730,727,729,731,726,270,271,393,
    8,12,11,9,125,264,268,267,273,774,395,579,572,573,74,666,
    667,310,56,537,539,538,686,304,59,283,464,466,465,426,450,428,
    451,462,427,469,470,468,456,461,467,463,449,455,452,453,457,458,
    459,460,454,126,171,169,170,172,173,175,174,189,308,654,655,104,
    105,103,582,23,24,25,26,778,238,379,377,378,381,382,384,376,
    383,355,366,356,687,4,7,10,324,347,13,732,190,380,266,269,
    265,315,403,316,404,272,402,535,408,534,407,536,409,532,405,533,
    406,242,736,738,737,733,734,735,741,739,743,646,644,645,641,642,
    640,643,742,740,163,129,164,130,131,132,133,134,135,136,137,160,
    161,162,139,140,141,142,143,144,145,146,147,148,150,151,152,153,
    154,155,138,149,156,157,158,159,167,165,166,196,197,193,194,191,
    192,195,232,234,205,233,235,55,401,107,109,110,111,112,113,114,
    115,116,108,309,593,598,567,560,559,596,599,638,621,605,585,586,
    587,203,204,200,201,198,199,202,220,221,217,218,215,216,219,214,
    212,211,213,210,231,223,226,230,229,228,227,225,224,396,397,398,
    399,400,668,669,670,671,672,673,429,440,442,443,444,445,446,447,
    448,430,431,432,433,434,435,436,437,438,439,441,656,658,659,660,
    661,662,663,664,665,657,653,97,96,14,15,16,17,18,19,20,
    21,54,57,61,62,66,68,69,70,75,76,98,99,100,127,128,
    254,255,256,253,257,258,259,260,261,262,263,274,276,277,278,279,
    280,282,286,287,289,290,291,292,293,294,295,296,297,298,299,300,
    301,306,307,318,319,320,317,321,322,325,326,328,329,330,331,332,
    333,334,335,336,337,338,339,340,341,342,343,349,351,353,354,357,
    364,365,367,368,372,373,385,413,414,415,416,417,418,421,422,423,
    424,425,507,508,509,510,540,545,546,547,542,544,548,549,580,581,
    647,648,649,650,651,652,678,681,682,327,746,762,763,773,779,52,
    241,67,412,71,389,387,388,386,350,222,471,346,345,344,302,102,
    497,498,499,500,501,487,488,489,490,491,477,478,479,480,481,482,
    483,484,485,486,472,473,474,475,476,492,493,494,495,496,
};
const uint16_t by_id_230[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,270,271,
    272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,287,
    288,289,290,291,292,293,294,295,296,297,298,299,300,301,302,303,
    304,305,306,307,308,309,310,311,312,313,314,315,316,317,318,319,
    320,321,322,323,324,325,326,327,328,329,330,331,332,333,334,335,
    336,337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,
    352,353,354,355,356,357,358,359,360,361,362,363,364,365,366,367,
    368,369,370,371,372,373,374,375,376,377,378,379,380,381,382,383,
    384,385,386,387,388,389,390,391,392,393,394,395,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,417,418,419,420,421,422,423,424,425,426,427,428,429,430,431,
    432,433,434,435,436,437,438,439,440,441,442,443,444,445,446,447,
    448,449,450,451,452,453,454,455,456,457,458,459,460,461,462,463,
    464,465,466,467,468,469,470,471,472,473,474,475,476,477,478,479,
    480,481,482,483,484,485,486,487,488,489,490,491,492,493,494,495,
    496,497,498,499,500,501,502,503,504,505,506,507,508,509,510,511,
    512,513,514,515,516,517,518,519,520,521,522,523,524,525,526,527,
    528,529,530,531,532,533,534,535,536,537,538,539,540,541,542,543,
    544,545,546,547,548,549,550,551,552,553,554,555,556,557,558,559,
    560,561,562,563,564,565,566,567,568,569,570,571,572,573,574,575,
    576,577,578,579,580,581,582,583,584,585,586,587,588,589,590,591,
    592,593,594,595,596,597,598,599,600,601,602,603,604,605,606,607,
    608,609,610,611,612,613,614,615,616,617,618,619,620,621,622,623,
    624,625,626,627,628,629,630,631,632,633,634,635,636,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,657,658,659,660,661,662,663,664,665,666,667,668,669,670,671,
    672,673,674,675,676,677,678,679,680,681,682,683,684,685,686,687,
    688,689,690,691,692,693,694,695,696,697,698,699,700,701,702,703,
    704,705,706,707,708,709,710,711,712,713,714,715,716,717,718,719,
    720,721,722,723,724,725,726,727,728,729,730,731,732,733,734,735,
    736,737,738,739,740,741,742,743,744,745,746,747,748,749,750,751,
    752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,767,
    768,769,770,771,772,773,774,775,776,777,778,779,780,781,
};

const NaaccrItemDef items_240[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[2398],R[1563],
    R[2399],R[1565],R[2400],R[1567],R[1568],R[2401],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[2402],R[1610],R[1612],
    R[1613],R[1614],R[1615],R[1616],R[2403],R[2404],R[1618],R[2405],R[1620],R[1621],R[1622],R[1623],R[2406],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[1630],R[1631],R[1632],R[1633],R[1634],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],
    R[1644],R[1645],R[1646],R[1647],R[2407],R[1649],R[2408],R[1650],R[1651],R[1652],R[1653],R[2409],R[2410],R[2411],R[2412],R[2413],
    R[2414],R[2415],R[2416],R[2417],R[2418],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],R[1670],R[1671],R[1672],R[2419],R[1675],
    R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],R[1687],R[1688],R[1689],R[1690],R[1691],
    R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],R[1703],R[1704],R[1705],R[1706],R[1707],
    R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1717],R[1718],R[1719],R[1720],R[1721],R[1722],R[1723],R[1724],
    R[1726],R[1728],R[1730],R[1732],R[1734],R[1736],R[1738],R[1740],R[1742],R[1744],R[1746],R[1748],R[1750],R[2361],R[1752],R[1753],
    R[1754],R[1755],R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],R[1769],
    R[1770],R[1771],R[1772],R[1773],R[1774],R[1775],R[1776],R[1777],R[1778],R[1779],R[1780],R[1781],R[1782],R[2362],R[1783],R[1784],
    R[1785],R[1786],R[1787],R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[2420],R[1796],R[1797],R[1798],R[2363],
    R[2364],R[1799],R[2375],R[1801],R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],
    R[1814],R[1815],R[1816],R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[2421],
    R[1830],R[1831],R[2422],R[2423],R[1832],R[1833],R[1834],R[1835],R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],
    R[1844],R[1845],R[1846],R[2424],R[1848],R[2425],R[1850],R[1851],R[2426],R[2427],R[2428],R[1855],R[1856],R[1857],R[1858],R[1859],
    R[2376],R[1860],R[1861],R[1862],R[1863],R[1864],R[1866],R[1867],R[1868],R[1869],R[2365],R[1870],R[1871],R[1872],R[1873],R[1874],
    R[1875],R[1876],R[2429],R[1878],R[1879],R[1880],R[2430],R[1882],R[1883],R[2431],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],
    R[1891],R[1892],R[1893],R[1894],R[1895],R[1896],R[1897],R[1898],R[2432],R[2366],R[2367],R[2368],R[2433],R[1902],R[1903],R[2369],
    R[1904],R[1905],R[2434],R[2435],R[2436],R[1909],R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],R[1918],R[1919],
    R[2437],R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],R[1927],R[1928],R[1929],R[1930],R[1931],R[1932],R[1934],R[1935],R[1936],
    R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],R[1943],R[1944],R[1945],R[1946],R[1947],R[2377],R[1948],R[1949],R[1950],R[1951],
    R[1952],R[1953],R[1954],R[1955],R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],R[1964],R[1965],R[1966],R[1967],
    R[1968],R[1969],R[1970],R[1971],R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],R[1980],R[1981],R[1982],R[1983],
    R[1984],R[1985],R[1986],R[1987],R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],R[1996],R[1997],R[1998],R[1999],
    R[2000],R[2001],R[2002],R[2003],R[2004],R[2005],R[2006],R[2007],R[2008],R[2009],R[2010],R[2011],R[2012],R[2013],R[2014],R[2015],
    R[2016],R[2017],R[2018],R[2019],R[2020],R[2021],R[2022],R[2370],R[2023],R[2024],R[2025],R[2026],R[2027],R[2028],R[2029],R[2030],
    R[2031],R[2032],R[2033],R[2034],R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],R[2042],R[2043],R[2044],R[2045],R[2046],
    R[2047],R[2048],R[2049],R[2050],R[2051],R[2052],R[2053],R[2054],R[2055],R[2056],R[2057],R[2438],R[2059],R[2060],R[2061],R[2062],
    R[2063],R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],R[2078],
    R[2079],R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],R[2086],R[2087],R[2089],R[2090],R[2091],R[2092],R[2093],R[2094],R[2095],
    R[2096],R[2097],R[2098],R[2099],R[2439],R[2101],R[2102],R[2103],R[2104],R[2105],R[2106],R[2107],R[2108],R[2109],R[2110],R[2111],
    R[2112],R[2113],R[2114],R[2115],R[2116],R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2123],R[2125],R[2126],R[2127],R[2128],
    R[2129],R[2130],R[2378],R[2131],R[2132],R[2133],R[2134],R[2135],R[2136],R[2137],R[2138],R[2139],R[2140],R[2142],R[2144],R[2146],
    R[2148],R[2150],R[2152],R[2153],R[2156],R[2158],R[2160],R[2162],R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2440],R[2169],
    R[2170],R[2171],R[2172],R[2173],R[2174],R[2379],R[2380],R[2176],R[2177],R[2178],R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],
    R[2441],R[2185],R[2186],R[2187],R[2188],R[2189],R[2190],R[2381],R[2382],R[2192],R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],
    R[2199],R[2383],R[2384],R[2385],R[2386],R[2387],R[2388],R[2389],R[2207],R[2208],R[2209],R[2210],R[2211],R[2212],R[2213],R[2214],
    R[2215],R[2216],R[2217],R[2218],R[2219],R[2220],R[2221],R[2222],R[2223],R[2224],R[2225],R[2226],R[2229],R[2442],R[2232],R[2233],
    R[2234],R[2235],R[2236],R[2237],R[2238],R[2240],R[2241],R[2242],R[2243],R[2244],R[2245],R[2246],R[2247],R[2248],R[2249],R[2250],
    R[2251],R[2252],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],
    R[2268],R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],R[2276],R[2277],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],
    R[2285],R[2286],R[2287],R[2288],R[2290],R[2291],R[2292],R[2293],R[2294],R[2295],R[2296],R[2297],R[2298],R[2299],R[2390],R[2391],
    R[2392],R[2393],R[2394],R[2395],R[2306],R[2307],R[2308],R[2396],R[2397],R[2311],R[2312],R[2313],R[2314],R[2315],R[2316],R[2317],
    R[2318],R[2319],R[2320],R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],R[2371],R[2327],R[2328],R[2329],R[2330],R[2331],R[2332],
    R[2333],R[2334],R[2335],R[2336],R[2337],R[2443],R[2338],R[2339],R[2444],R[2340],R[2341],R[2342],R[2343],R[2344],R[2345],
};
const uint16_t by_number_240[] = {
    570,502,503,576,575,410,376,768,2,6,690,691,692,693,274,275,
    120,119,121,122,123,124,5,3,91,81,94,92,93,90,353,550,
    551,552,553,554,555,556,689,394,313,557,314,117,118,684,22,178,
    64,63,84,83,82,85,776,773,420,315,746,745,86,582,583,761,
    777,778,79,77,78,87,88,277,89,80,95,680,180,542,325,307,
    60,283,287,53,175,372,185,375,286,685,686,370,371,237,772,73,
    305,58,240,239,577,411,1,681,0,177,181,182,316,101,540,610,
    613,614,609,612,607,186,605,600,602,599,603,601,615,608,611,606,
    769,770,771,676,675,236,725,250,251,246,252,208,243,205,244,245,
    206,207,574,573,187,677,678,247,248,249,106,760,757,756,758,755,
    759,753,750,749,751,748,752,27,32,29,28,31,38,35,34,37,
    50,47,46,49,33,39,51,30,36,48,754,44,45,41,42,40,
    43,290,359,360,361,362,363,364,504,506,505,765,766,767,349,596,
    594,589,591,588,593,176,167,590,640,631,632,628,630,626,636,637,
    625,624,568,618,623,622,633,617,619,616,620,567,587,511,513,512,
    514,515,516,517,562,518,520,519,521,522,523,524,561,525,527,526,
    528,529,530,531,565,419,762,564,560,563,392,390,391,638,635,634,
    627,629,696,700,699,695,697,694,698,702,703,701,706,710,709,705,
    707,704,708,712,713,711,716,720,719,715,717,714,718,722,723,721,
    724,184,179,781,782,72,183,569,549,726,729,731,728,730,732,727,
    270,271,393,8,12,11,9,125,264,268,267,273,775,395,578,571,
    572,74,667,668,312,56,538,537,687,306,59,285,235,464,466,465,
    426,450,428,451,462,427,469,470,468,456,461,467,463,449,455,452,
    453,457,458,459,460,454,170,168,169,171,172,174,173,188,310,655,
    656,104,105,103,581,23,24,25,26,779,238,380,378,379,381,382,
    384,377,383,356,367,357,688,4,7,10,326,348,13,733,189,266,
    269,265,317,403,318,404,272,402,535,408,534,407,536,409,532,405,
    533,406,242,737,739,738,734,735,736,742,740,744,647,645,646,642,
    643,641,644,743,741,162,128,163,129,130,131,132,133,134,135,136,
    159,160,161,138,139,140,141,142,143,144,145,146,147,149,150,151,
    152,153,154,137,148,155,156,157,158,166,164,165,195,196,192,193,
    190,191,194,231,233,204,232,234,55,401,107,109,110,111,112,113,
    114,115,116,108,311,592,597,566,559,558,595,598,639,621,604,584,
    585,586,202,203,199,200,197,198,201,219,220,216,217,214,215,218,
    213,211,210,212,209,230,222,225,229,228,227,226,224,223,396,397,
    398,399,400,669,670,671,672,673,674,429,440,442,443,444,445,446,
    447,448,430,431,432,433,434,435,436,437,438,439,441,657,659,660,
    661,662,663,664,665,666,658,654,97,96,14,15,16,17,18,19,
    20,21,54,57,61,62,65,67,69,70,75,76,98,99,100,126,
    127,254,255,256,253,257,258,259,260,261,262,263,276,278,279,280,
    281,282,284,288,289,291,292,293,294,295,296,297,298,299,300,301,
    302,303,308,309,320,321,322,319,323,324,327,328,330,331,332,333,
    334,335,336,337,338,339,340,341,342,343,344,350,352,354,355,358,
    365,366,368,369,373,374,385,413,414,415,416,417,418,421,422,423,
    424,425,507,508,509,510,539,544,545,546,541,543,547,548,579,580,
    648,649,650,651,652,653,679,682,683,329,747,763,764,774,780,52,
    241,66,412,71,389,387,388,386,351,221,471,347,346,345,304,102,
    68,497,498,499,500,501,487,488,489,490,491,477,478,479,480,481,
    482,483,484,485,486,472,473,474,475,476,492,493,494,495,496,
};
const uint16_t by_id_240[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,270,271,
    272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,287,
    288,289,290,291,292,293,294,295,296,297,298,299,300,301,302,303,
    304,305,306,307,308,309,310,311,312,313,314,315,316,317,318,319,
    320,321,322,323,324,325,326,327,328,329,330,331,332,333,334,335,
    336,337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,
    352,353,354,355,356,357,358,359,360,361,362,363,364,365,366,367,
    368,369,370,371,372,373,374,375,376,377,378,379,380,381,382,383,
    384,385,386,387,388,389,390,391,392,393,394,395,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,417,418,419,420,421,422,423,424,425,426,427,428,429,430,431,
    432,433,434,435,436,437,438,439,440,441,442,443,444,445,446,447,
    448,449,450,451,452,453,454,455,456,457,458,459,460,461,462,463,
    464,465,466,467,468,469,470,471,472,473,474,475,476,477,478,479,
    480,481,482,483,484,485,486,487,488,489,490,491,492,493,494,495,
    496,497,498,499,500,501,502,503,504,505,506,507,508,509,510,511,
    512,513,514,515,516,517,518,519,520,521,522,523,524,525,526,527,
    528,529,530,531,532,533,534,535,536,537,538,539,540,541,542,543,
    544,545,546,547,548,549,550,551,552,553,554,555,556,557,558,559,
    560,561,562,563,564,565,566,567,568,569,570,571,572,573,574,575,
    576,577,578,579,580,581,582,583,584,585,586,587,588,589,590,591,
    592,593,594,595,596,597,598,599,600,601,602,603,604,605,606,607,
    608,609,610,611,612,613,614,615,616,617,618,619,620,621,622,623,
    624,625,626,627,628,629,630,631,632,633,634,635,636,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,657,658,659,660,661,662,663,664,665,666,667,668,669,670,671,
    672,673,674,675,676,677,678,679,680,681,682,683,684,685,686,687,
    688,689,690,691,692,693,694,695,696,697,698,699,700,701,702,703,
    704,705,706,707,708,709,710,711,712,713,714,715,716,717,718,719,
    720,721,722,723,724,725,726,727,728,729,730,731,732,733,734,735,
    736,737,738,739,740,741,742,743,744,745,746,747,748,749,750,751,
    752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,767,
    768,769,770,771,772,773,774,775,776,777,778,779,780,781,782,
};

const NaaccrItemDef items_250[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[2398],R[1563],
    R[2399],R[1565],R[2400],R[1567],R[1568],R[2401],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[2402],R[1610],R[1612],
    R[1613],R[1614],R[1615],R[1616],R[2403],R[2404],R[1618],R[2405],R[1620],R[1621],R[1622],R[1623],R[2406],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[2445],R[2446],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],R[2447],R[1644],R[1645],
    R[2448],R[1646],R[1647],R[2407],R[1649],R[2408],R[1650],R[1651],R[1652],R[1653],R[2409],R[2410],R[2411],R[2412],R[2413],R[2414],
    R[2415],R[2416],R[2417],R[2418],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],R[1670],R[1671],R[1672],R[2419],R[1675],R[1676],
    R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],R[1687],R[1688],R[1689],R[1690],R[1691],R[1692],
    R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],R[1703],R[1704],R[1705],R[1706],R[1707],R[1708],
    R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1717],R[1718],R[1719],R[1720],R[1721],R[1722],R[1723],R[1724],R[1726],
    R[1728],R[1730],R[1732],R[1734],R[1736],R[1738],R[1740],R[1742],R[1744],R[1746],R[1748],R[1750],R[2361],R[1752],R[1753],R[1754],
    R[1755],R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],R[1769],R[1770],
    R[2449],R[2450],R[2451],R[2452],R[2362],R[1783],R[1784],R[1785],R[1786],R[1787],R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],
    R[1794],R[1795],R[2420],R[1796],R[1797],R[2363],R[2364],R[1799],R[2375],R[1801],R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],
    R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],R[1814],R[2453],R[1815],R[1816],R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],
    R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[2421],R[1830],R[1831],R[2454],R[2422],R[2455],R[1832],R[1833],R[1834],R[1835],
    R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],R[1844],R[1845],R[1846],R[2424],R[1848],R[2425],R[1850],R[1851],
    R[2426],R[2427],R[2428],R[1855],R[1856],R[1857],R[1858],R[1859],R[2376],R[1860],R[1861],R[1862],R[1863],R[1864],R[1866],R[1867],
    R[1868],R[1869],R[2365],R[1870],R[2456],R[2457],R[1872],R[1873],R[1874],R[1875],R[2458],R[1876],R[2429],R[1878],R[1879],R[1880],
    R[2430],R[1882],R[1883],R[2431],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],R[1891],R[1892],R[1893],R[1894],R[1895],R[1896],
    R[1897],R[1898],R[2432],R[2366],R[2367],R[2368],R[2433],R[1902],R[1903],R[2369],R[1904],R[1905],R[2434],R[2435],R[2436],R[1909],
    R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],R[1918],R[2437],R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],
    R[1927],R[2459],R[1928],R[1929],R[1930],R[1931],R[1932],R[1934],R[1935],R[1936],R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],
    R[1943],R[1944],R[1945],R[1946],R[1947],R[2377],R[1948],R[1949],R[1950],R[1953],R[1954],R[1955],R[1956],R[1957],R[1958],R[1959],
    R[1960],R[1961],R[1962],R[1963],R[1964],R[1965],R[1966],R[1967],R[1968],R[1969],R[1970],R[1971],R[1972],R[1973],R[1974],R[1975],
    R[1976],R[1977],R[1978],R[1979],R[1980],R[1981],R[1982],R[1983],R[1984],R[1985],R[1986],R[1987],R[1988],R[1989],R[1990],R[1991],
    R[1992],R[1993],R[1994],R[1995],R[1996],R[1997],R[1998],R[1999],R[2000],R[2001],R[2002],R[2003],R[2004],R[2005],R[2006],R[2007],
    R[2008],R[2009],R[2010],R[2011],R[2012],R[2013],R[2014],R[2015],R[2016],R[2017],R[2018],R[2019],R[2020],R[2021],R[2022],R[2370],
    R[2460],R[2461],R[2462],R[2463],R[2464],R[2028],R[2029],R[2030],R[2031],R[2032],R[2033],R[2034],R[2035],R[2036],R[2037],R[2038],
    R[2039],R[2040],R[2041],R[2042],R[2043],R[2044],R[2045],R[2046],R[2047],R[2048],R[2049],R[2050],R[2051],R[2052],R[2053],R[2054],
    R[2465],R[2466],R[2467],R[2468],R[2469],R[2470],R[2471],R[2055],R[2056],R[2057],R[2438],R[2059],R[2060],R[2061],R[2062],R[2063],
    R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],R[2078],R[2079],
    R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],R[2086],R[2087],R[2089],R[2090],R[2091],R[2472],R[2092],R[2093],R[2094],R[2095],
    R[2096],R[2097],R[2098],R[2099],R[2439],R[2473],R[2102],R[2103],R[2104],R[2105],R[2106],R[2109],R[2112],R[2115],R[2117],R[2118],
    R[2119],R[2120],R[2121],R[2122],R[2123],R[2125],R[2126],R[2127],R[2128],R[2129],R[2130],R[2378],R[2131],R[2132],R[2134],R[2135],
    R[2136],R[2137],R[2138],R[2139],R[2140],R[2142],R[2144],R[2146],R[2148],R[2150],R[2152],R[2153],R[2156],R[2158],R[2160],R[2162],
    R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2440],R[2169],R[2170],R[2171],R[2172],R[2173],R[2174],R[2379],R[2380],R[2176],
    R[2177],R[2178],R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],R[2441],R[2185],R[2186],R[2187],R[2188],R[2189],R[2190],R[2381],
    R[2382],R[2192],R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],R[2199],R[2383],R[2384],R[2385],R[2386],R[2387],R[2388],R[2389],
    R[2207],R[2208],R[2209],R[2210],R[2211],R[2212],R[2213],R[2474],R[2475],R[2216],R[2217],R[2218],R[2219],R[2220],R[2221],R[2222],
    R[2223],R[2224],R[2225],R[2226],R[2229],R[2442],R[2232],R[2233],R[2234],R[2235],R[2236],R[2237],R[2238],R[2240],R[2241],R[2242],
    R[2243],R[2244],R[2245],R[2246],R[2247],R[2248],R[2249],R[2250],R[2251],R[2252],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],
    R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2268],R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],
    R[2276],R[2277],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],R[2285],R[2286],R[2287],R[2288],R[2291],R[2292],R[2293],R[2294],
    R[2295],R[2296],R[2297],R[2298],R[2299],R[2390],R[2391],R[2392],R[2393],R[2394],R[2395],R[2306],R[2307],R[2308],R[2396],R[2397],
    R[2311],R[2312],R[2313],R[2314],R[2315],R[2316],R[2317],R[2318],R[2319],R[2320],R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],
    R[2371],R[2476],R[2477],R[2478],R[2479],R[2480],R[2327],R[2328],R[2329],R[2330],R[2331],R[2332],R[2333],R[2334],R[2335],R[2336],
    R[2337],R[2443],R[2338],R[2339],R[2444],R[2340],R[2341],R[2342],R[2343],R[2344],R[2345],R[2481],
};
const uint16_t by_number_250[] = {
    563,494,495,569,568,402,370,764,2,6,682,683,684,685,266,267,
    119,118,120,121,122,123,5,3,88,81,91,89,90,87,347,550,
    551,552,553,554,681,388,305,555,306,116,117,676,22,177,64,63,
    82,83,772,769,412,307,737,736,574,575,752,773,774,79,77,78,
    84,85,269,86,80,92,672,179,542,319,299,60,275,279,53,174,
    365,184,368,278,677,678,363,364,228,768,73,297,58,230,229,570,
    403,1,673,0,176,180,181,100,540,602,605,606,601,604,599,185,
    597,592,594,591,595,593,607,600,603,598,765,766,767,668,667,227,
    716,240,241,236,242,207,233,204,234,235,205,206,567,566,186,669,
    670,237,238,239,105,751,748,747,749,746,750,744,741,740,742,739,
    743,27,32,29,28,31,38,35,34,37,50,47,46,49,33,39,
    51,30,36,48,745,44,45,41,42,40,43,282,353,354,355,356,
    357,358,503,505,497,498,499,757,501,502,500,504,210,211,208,209,
    756,754,753,755,761,762,763,549,496,343,779,309,369,308,314,93,
    96,247,539,265,588,586,581,583,580,585,175,166,582,632,623,624,
    620,622,618,628,629,617,616,561,610,615,614,625,609,611,608,612,
    560,579,510,512,511,513,514,515,516,517,519,518,520,521,522,523,
    524,526,525,527,528,529,530,558,411,758,556,557,386,384,385,630,
    627,626,619,621,688,692,691,687,689,686,690,694,695,693,698,702,
    701,697,699,696,700,704,705,703,708,712,711,707,709,706,710,714,
    715,713,183,178,777,778,72,182,562,717,720,722,719,721,723,718,
    261,262,387,8,12,11,9,124,255,259,258,264,771,389,571,564,
    565,74,659,660,304,56,537,536,679,298,59,277,226,456,458,457,
    418,442,420,443,454,419,461,462,460,448,453,459,455,441,447,444,
    445,449,450,451,452,446,169,167,168,170,171,173,172,187,302,647,
    648,103,104,102,23,24,25,26,775,374,372,373,375,376,378,371,
    377,350,351,680,4,7,10,320,342,13,724,188,257,260,256,310,
    395,311,396,263,394,534,400,533,399,535,401,531,397,532,398,232,
    728,730,729,725,726,727,733,731,735,639,637,638,634,635,633,636,
    734,732,161,127,162,128,129,130,131,132,133,134,135,158,159,160,
    137,138,139,140,141,142,143,144,145,146,148,149,150,151,152,153,
    136,147,154,155,156,157,165,163,164,194,195,191,192,189,190,193,
    222,224,203,223,225,55,393,106,108,109,110,111,112,113,114,115,
    107,303,584,589,559,587,590,631,613,596,576,577,578,201,202,198,
    199,196,197,200,221,213,216,220,219,218,217,215,214,390,391,392,
    661,662,663,664,665,666,421,432,434,435,436,437,438,439,440,422,
    423,424,425,426,427,428,429,430,431,433,649,651,652,653,654,655,
    656,657,658,650,646,95,94,14,15,16,17,18,19,20,21,54,
    57,61,62,65,67,69,70,75,76,97,98,99,125,126,244,245,
    246,243,248,249,250,251,252,253,254,268,270,271,272,273,274,276,
    280,281,283,284,285,286,287,288,289,290,291,292,293,294,295,300,
    301,313,315,316,312,317,318,321,322,324,325,326,327,328,329,330,
    331,332,333,334,335,336,337,338,344,346,348,349,352,359,360,361,
    362,366,367,379,405,406,407,408,409,410,413,414,415,416,417,506,
    507,508,509,538,544,545,546,541,543,547,548,572,573,640,641,642,
    643,644,645,671,674,675,323,738,759,760,770,776,52,231,66,404,
    71,383,381,382,380,345,212,463,341,340,339,296,101,68,489,490,
    491,492,493,479,480,481,482,483,469,470,471,472,473,474,475,476,
    477,478,464,465,466,467,468,484,485,486,487,488,
};
const uint16_t by_id_250[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,211,209,210,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,270,271,
    272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,287,
    288,289,290,291,292,293,294,295,296,297,298,299,300,301,302,303,
    304,305,306,307,308,309,310,311,312,313,314,315,316,317,318,319,
    320,321,322,323,324,325,326,327,328,329,330,331,332,333,334,335,
    336,337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,
    352,353,354,355,356,357,358,359,360,361,362,363,364,365,366,367,
    368,369,370,371,372,373,374,375,376,377,378,379,380,381,382,383,
    384,385,386,387,388,389,390,391,392,393,394,395,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,417,418,419,420,421,422,423,424,425,426,427,428,429,430,431,
    432,433,434,435,436,437,438,439,440,441,442,443,444,445,446,447,
    448,449,450,451,452,453,454,455,456,457,458,459,460,461,462,463,
    464,465,466,467,468,469,470,471,472,473,474,475,476,477,478,479,
    480,481,482,483,484,485,486,487,488,489,490,491,492,493,494,495,
    496,497,498,499,500,501,502,503,504,505,506,507,508,509,510,511,
    512,513,514,515,516,517,518,519,520,521,522,523,524,525,526,527,
    528,529,530,531,532,533,534,535,536,537,538,539,540,541,542,543,
    544,545,546,547,548,549,550,551,552,553,554,555,556,557,558,559,
    560,561,562,563,564,565,566,567,568,569,570,571,572,573,574,575,
    576,577,578,579,580,581,582,583,584,585,586,587,588,589,590,591,
    592,593,594,595,596,597,598,599,600,601,602,603,604,605,606,607,
    608,609,610,611,612,613,614,615,616,617,618,619,620,621,622,623,
    624,625,626,627,628,629,630,631,632,633,634,635,636,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,657,658,659,660,661,662,663,664,665,666,667,668,669,670,671,
    672,673,674,675,676,677,678,679,680,681,682,683,684,685,686,687,
    688,689,690,691,692,693,694,695,696,697,698,699,700,701,702,703,
    704,705,706,707,708,709,710,711,712,713,714,715,716,717,718,719,
    720,721,722,723,724,725,726,727,728,729,730,731,732,733,734,735,
    736,737,738,739,740,741,742,743,744,745,746,747,748,749,750,751,
    752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,767,
    768,769,770,771,772,773,774,775,776,777,778,779,
};

const NaaccrItemDef items_260[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[2398],R[1563],
    R[2399],R[1565],R[2400],R[1567],R[1568],R[2401],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[1580],R[1581],R[1582],R[1583],R[1584],R[1585],R[1586],R[1587],R[1588],R[1589],R[1590],R[1591],R[1592],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[1598],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[2402],R[1610],R[1612],
    R[1613],R[1614],R[1615],R[1616],R[2403],R[2404],R[1618],R[2405],R[1620],R[1621],R[1622],R[1623],R[2406],R[1625],R[1626],R[1627],
    R[1628],R[1629],R[2445],R[2446],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],R[2447],R[1644],R[1645],
    R[2448],R[1646],R[1647],R[2407],R[1649],R[2408],R[1650],R[1651],R[1652],R[1653],R[1664],R[1665],R[1666],R[1667],R[1668],R[1669],
    R[1670],R[1671],R[1672],R[2419],R[1675],R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],R[1686],
    R[1687],R[1688],R[1689],R[1690],R[1691],R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],R[1702],
    R[1703],R[1704],R[1705],R[1706],R[1707],R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1717],R[1718],R[1719],
    R[1720],R[1721],R[1722],R[1723],R[1724],R[1726],R[1728],R[1730],R[1732],R[1734],R[1736],R[1738],R[1740],R[1742],R[1744],R[1746],
    R[1748],R[1750],R[2361],R[1752],R[1753],R[1754],R[1755],R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],R[1763],R[1764],
    R[1765],R[1766],R[1767],R[1768],R[1769],R[1770],R[2449],R[2452],R[2450],R[2451],R[2362],R[1783],R[1784],R[1785],R[1786],R[1787],
    R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[2420],R[1796],R[1797],R[2363],R[2364],R[1799],R[2375],R[1801],
    R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],R[1814],R[2453],R[1815],R[1816],
    R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[2421],R[1830],R[1831],R[2454],
    R[2482],R[2483],R[2422],R[2455],R[1832],R[1833],R[1834],R[1835],R[1836],R[1837],R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],
    R[1844],R[1845],R[1846],R[2424],R[1848],R[2425],R[1850],R[1851],R[2426],R[2427],R[2428],R[1855],R[1856],R[1857],R[1858],R[1859],
    R[2376],R[1860],R[1861],R[1862],R[1863],R[1864],R[1866],R[1867],R[1868],R[1869],R[2365],R[1870],R[2456],R[2457],R[1872],R[1873],
    R[1874],R[1875],R[2458],R[1876],R[2429],R[1878],R[1879],R[1880],R[2430],R[1882],R[1883],R[2431],R[1885],R[1886],R[1887],R[1888],
    R[1889],R[1890],R[1891],R[1892],R[1893],R[1894],R[1895],R[1896],R[1897],R[1898],R[2432],R[2366],R[2367],R[2368],R[2433],R[1902],
    R[1903],R[2369],R[1904],R[1905],R[2434],R[2435],R[2436],R[1909],R[1910],R[1911],R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],
    R[1918],R[2437],R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],R[1927],R[2459],R[1928],R[1929],R[1930],R[1931],R[1932],R[1934],
    R[1935],R[1936],R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],R[1943],R[1944],R[1945],R[1946],R[1947],R[2377],R[1953],R[1954],
    R[1955],R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],R[1964],R[1965],R[1966],R[1967],R[1968],R[1969],R[1970],
    R[1971],R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],R[1980],R[1981],R[1982],R[1983],R[1984],R[1985],R[1986],
    R[1987],R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],R[1996],R[1997],R[1998],R[1999],R[2000],R[2001],R[2002],
    R[2003],R[2004],R[2005],R[2484],R[2007],R[2008],R[2009],R[2010],R[2011],R[2012],R[2013],R[2014],R[2015],R[2016],R[2017],R[2018],
    R[2019],R[2020],R[2021],R[2022],R[2370],R[2460],R[2461],R[2462],R[2463],R[2464],R[2028],R[2029],R[2030],R[2031],R[2032],R[2033],
    R[2034],R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],R[2042],R[2043],R[2044],R[2045],R[2046],R[2047],R[2048],R[2049],
    R[2050],R[2051],R[2052],R[2053],R[2054],R[2465],R[2466],R[2467],R[2468],R[2469],R[2470],R[2471],R[2438],R[2059],R[2060],R[2061],
    R[2062],R[2063],R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],
    R[2078],R[2079],R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],R[2086],R[2087],R[2089],R[2090],R[2091],R[2472],R[2092],R[2093],
    R[2094],R[2095],R[2096],R[2097],R[2098],R[2099],R[2439],R[2473],R[2102],R[2103],R[2104],R[2105],R[2106],R[2109],R[2112],R[2115],
    R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2123],R[2125],R[2126],R[2127],R[2128],R[2129],R[2130],R[2378],R[2485],R[2486],
    R[2131],R[2132],R[2134],R[2135],R[2487],R[2136],R[2137],R[2138],R[2139],R[2140],R[2142],R[2144],R[2146],R[2148],R[2150],R[2152],
    R[2153],R[2156],R[2158],R[2160],R[2162],R[2163],R[2164],R[2165],R[2166],R[2167],R[2168],R[2440],R[2169],R[2170],R[2171],R[2172],
    R[2173],R[2174],R[2379],R[2380],R[2176],R[2177],R[2178],R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],R[2441],R[2185],R[2186],
    R[2187],R[2188],R[2189],R[2190],R[2381],R[2382],R[2192],R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],R[2199],R[2383],R[2384],
    R[2385],R[2386],R[2387],R[2388],R[2389],R[2207],R[2208],R[2209],R[2210],R[2211],R[2212],R[2213],R[2474],R[2475],R[2216],R[2217],
    R[2218],R[2219],R[2220],R[2221],R[2222],R[2223],R[2224],R[2225],R[2226],R[2229],R[2442],R[2232],R[2233],R[2234],R[2235],R[2236],
    R[2237],R[2238],R[2240],R[2241],R[2242],R[2243],R[2244],R[2245],R[2246],R[2488],R[2248],R[2249],R[2250],R[2251],R[2252],R[2489],
    R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],R[2259],R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2268],R[2269],
    R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],R[2276],R[2277],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],R[2285],R[2286],
    R[2287],R[2288],R[2291],R[2292],R[2293],R[2294],R[2295],R[2296],R[2297],R[2298],R[2299],R[2390],R[2391],R[2392],R[2393],R[2394],
    R[2395],R[2306],R[2307],R[2308],R[2396],R[2397],R[2311],R[2312],R[2313],R[2314],R[2315],R[2316],R[2317],R[2318],R[2319],R[2320],
    R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],R[2371],R[2476],R[2477],R[2478],R[2479],R[2480],R[2327],R[2328],R[2329],R[2330],
    R[2331],R[2332],R[2333],R[2334],R[2335],R[2336],R[2337],R[2443],R[2338],R[2339],R[2444],R[2340],R[2341],R[2490],R[2342],R[2343],
    R[2344],R[2345],R[2481],
};
const uint16_t by_number_260[] = {
    549,483,484,555,554,391,362,754,2,6,672,673,674,675,258,259,
    109,108,110,111,112,113,5,3,88,81,91,89,90,87,339,536,
    537,538,539,540,670,380,297,541,298,106,107,665,22,167,64,63,
    82,83,762,759,401,299,727,726,256,257,562,563,564,742,763,764,
    765,79,77,78,84,85,261,86,80,92,661,169,528,311,291,60,
    267,271,53,164,357,174,360,270,666,667,355,356,218,758,73,289,
    58,220,219,556,392,1,662,0,166,170,171,100,526,591,594,595,
    590,593,588,175,586,581,583,580,584,582,596,589,592,587,755,756,
    757,657,656,217,706,230,231,226,232,197,223,194,224,225,195,196,
    553,552,176,658,659,227,228,229,105,741,738,737,739,736,740,734,
    731,730,732,729,733,27,32,29,28,31,38,35,34,37,50,47,
    46,49,33,39,51,30,36,48,735,44,45,41,42,40,43,274,
    345,346,347,348,349,350,486,487,488,747,490,491,489,201,199,198,
    200,746,744,743,745,751,752,753,535,485,671,559,558,335,770,301,
    361,300,306,93,96,237,525,255,577,575,570,572,569,574,165,156,
    571,621,612,613,609,611,607,617,618,606,605,547,599,604,603,614,
    598,600,597,601,546,568,496,498,497,499,500,501,502,503,505,504,
    506,507,508,509,510,512,511,513,514,515,516,544,400,748,542,543,
    378,376,377,619,616,615,608,610,678,682,681,677,679,676,680,684,
    685,683,688,692,691,687,689,686,690,694,695,693,698,702,701,697,
    699,696,700,704,705,703,173,168,768,769,72,172,548,707,710,712,
    709,711,713,708,251,252,379,8,12,11,9,114,245,249,248,254,
    761,381,557,550,551,74,648,649,296,56,523,522,668,290,59,269,
    216,445,447,446,407,431,409,432,443,408,450,451,449,437,442,448,
    444,430,436,433,434,438,439,440,441,435,159,157,158,160,161,163,
    162,177,294,636,637,103,104,102,23,24,25,26,766,366,364,365,
    367,368,370,363,369,342,343,669,4,7,10,312,334,13,714,178,
    247,250,246,302,384,303,385,253,383,520,389,519,388,521,390,517,
    386,518,387,222,718,720,719,715,716,717,723,721,725,628,626,627,
    623,624,622,625,724,722,151,117,152,118,119,120,121,122,123,124,
    125,148,149,150,127,128,129,130,131,132,133,134,135,136,138,139,
    140,141,142,143,126,137,144,145,146,147,155,153,154,184,185,181,
    182,179,180,183,212,214,193,213,215,55,382,295,573,578,545,576,
    579,620,602,585,565,566,567,191,192,188,189,186,187,190,211,203,
    206,210,209,208,207,205,204,650,651,652,653,654,655,410,421,423,
    424,425,426,427,428,429,411,412,413,414,415,416,417,418,419,420,
    422,638,640,641,642,643,644,645,646,647,639,635,95,94,14,15,
    16,17,18,19,20,21,54,57,61,62,65,67,69,70,75,76,
    97,98,99,115,116,234,235,236,233,238,239,240,241,242,243,244,
    260,262,263,264,265,266,268,272,273,275,276,277,278,279,280,281,
    282,283,284,285,286,287,292,293,305,307,308,304,309,310,313,314,
    316,317,318,319,320,321,322,323,324,325,326,327,328,329,330,336,
    338,340,341,344,351,352,353,354,358,359,371,394,395,396,397,398,
    399,402,403,404,405,406,492,493,494,495,524,530,531,532,527,529,
    533,534,560,561,629,630,631,632,633,634,660,663,664,315,728,749,
    750,760,767,52,221,66,393,71,375,373,374,372,337,202,452,333,
    332,331,288,101,68,478,479,480,481,482,468,469,470,471,472,458,
    459,460,461,462,463,464,465,466,467,453,454,455,456,457,473,474,
    475,476,477,
};
const uint16_t by_id_260[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,270,271,
    272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,287,
    288,289,290,291,292,293,294,295,296,297,298,299,300,301,302,303,
    304,305,306,307,308,309,310,311,312,313,314,315,316,317,318,319,
    320,321,322,323,324,325,326,327,328,329,330,331,332,333,334,335,
    336,337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,
    352,353,354,355,356,357,358,359,360,361,362,363,364,365,366,367,
    368,369,370,371,372,373,374,375,376,377,378,379,380,381,382,383,
    384,385,386,387,388,389,390,391,392,393,394,395,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,417,418,419,420,421,422,423,424,425,426,427,428,429,430,431,
    432,433,434,435,436,437,438,439,440,441,442,443,444,445,446,447,
    448,449,450,451,452,453,454,455,456,457,458,459,460,461,462,463,
    464,465,466,467,468,469,470,471,472,473,474,475,476,477,478,479,
    480,481,482,483,484,485,486,487,488,489,490,491,492,493,494,495,
    496,497,498,499,500,501,502,503,504,505,506,507,508,509,510,511,
    512,513,514,515,516,517,518,519,520,521,522,523,524,525,526,527,
    528,529,530,531,532,533,534,535,536,537,538,539,540,541,542,543,
    544,545,546,547,548,549,550,551,552,553,554,555,556,557,558,559,
    560,561,562,563,564,565,566,567,568,569,570,571,572,573,574,575,
    576,577,578,579,580,581,582,583,584,585,586,587,588,589,590,591,
    592,593,594,595,596,597,598,599,600,601,602,603,604,605,606,607,
    608,609,610,611,612,613,614,615,616,617,618,619,620,621,622,623,
    624,625,626,627,628,629,630,631,632,633,634,635,636,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,657,658,659,660,661,662,663,664,665,666,667,668,669,670,671,
    672,673,674,675,676,677,678,679,680,681,682,683,684,685,686,687,
    688,689,690,691,692,693,694,695,696,697,698,699,700,701,702,703,
    704,705,706,707,708,709,710,711,712,713,714,715,716,717,718,719,
    720,721,722,723,724,725,726,727,728,729,730,731,732,733,734,735,
    736,737,738,739,740,741,742,743,744,745,746,747,748,749,750,751,
    752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,767,
    768,769,770,
};

const NaaccrItemDef items_270[] = {
    R[1548],R[1549],R[1550],R[1551],R[1552],R[1553],R[1554],R[1555],R[1556],R[1557],R[1558],R[1559],R[1560],R[1561],R[2398],R[1563],
    R[2399],R[1565],R[2400],R[1567],R[1568],R[2401],R[1570],R[1571],R[1572],R[2359],R[2360],R[1575],R[1576],R[1577],R[1578],R[1579],
    R[2491],R[1581],R[1582],R[1583],R[1584],R[1585],R[2492],R[1587],R[1588],R[1589],R[1590],R[1591],R[2493],R[1593],R[1594],R[1595],
    R[1596],R[1597],R[2494],R[1599],R[1600],R[1601],R[1602],R[1603],R[1604],R[1605],R[1606],R[1607],R[1608],R[2402],R[1610],R[1612],
    R[1613],R[1614],R[1615],R[1616],R[2403],R[2404],R[1618],R[2405],R[1620],R[2495],R[1621],R[1622],R[1623],R[2406],R[1625],R[1626],
    R[1627],R[1628],R[1629],R[2445],R[2446],R[1635],R[1636],R[1637],R[1638],R[1639],R[1640],R[1641],R[1642],R[1643],R[2447],R[1644],
    R[1645],R[2448],R[1646],R[1647],R[2407],R[1649],R[2408],R[1650],R[1651],R[1652],R[1653],R[1664],R[1665],R[1666],R[1667],R[1668],
    R[1669],R[1670],R[1671],R[1672],R[2419],R[1675],R[1676],R[1677],R[1678],R[1679],R[1680],R[1681],R[1682],R[1683],R[1684],R[1685],
    R[1686],R[1687],R[1688],R[1689],R[1690],R[1691],R[1692],R[1693],R[1694],R[1695],R[1696],R[1697],R[1698],R[1699],R[1700],R[1701],
    R[1702],R[1703],R[1704],R[1705],R[1706],R[1707],R[1708],R[1709],R[1710],R[1711],R[1712],R[1713],R[1714],R[1715],R[1717],R[1718],
    R[1719],R[1720],R[1721],R[1722],R[1723],R[1724],R[1726],R[1728],R[1730],R[2496],R[1732],R[1734],R[1736],R[1738],R[1740],R[1742],
    R[1744],R[1746],R[1748],R[1750],R[2361],R[1752],R[1753],R[1754],R[1755],R[1756],R[1757],R[1758],R[1759],R[1760],R[1761],R[1762],
    R[1763],R[1764],R[1765],R[1766],R[1767],R[1768],R[1769],R[1770],R[2449],R[2452],R[2450],R[2451],R[2362],R[1783],R[1784],R[1785],
    R[1786],R[1787],R[1788],R[1789],R[1790],R[1791],R[1792],R[1793],R[1794],R[1795],R[2420],R[1796],R[1797],R[2363],R[2364],R[1799],
    R[2375],R[1801],R[1802],R[1803],R[1804],R[1805],R[1806],R[1807],R[1808],R[1809],R[1810],R[1811],R[1812],R[1813],R[1814],R[2453],
    R[1815],R[1816],R[1817],R[1818],R[1819],R[1820],R[1821],R[1822],R[1823],R[1824],R[1825],R[1826],R[1827],R[1828],R[2421],R[1830],
    R[1831],R[2454],R[2497],R[2498],R[2499],R[2500],R[2482],R[2483],R[2422],R[2455],R[1832],R[1833],R[1834],R[1835],R[1836],R[1837],
    R[1838],R[1839],R[1840],R[1841],R[1842],R[1843],R[1844],R[1845],R[1846],R[2424],R[1848],R[2425],R[1850],R[1851],R[2426],R[2427],
    R[2428],R[1855],R[1856],R[1857],R[2501],R[1859],R[2376],R[1860],R[1861],R[1862],R[1863],R[1864],R[1866],R[1867],R[1868],R[1869],
    R[2365],R[1870],R[2456],R[2457],R[1872],R[1873],R[1874],R[1875],R[2458],R[1876],R[2429],R[1878],R[1879],R[1880],R[2430],R[1882],
    R[1883],R[2431],R[1885],R[1886],R[1887],R[1888],R[1889],R[1890],R[1891],R[1892],R[1893],R[1894],R[1895],R[1896],R[1897],R[2502],
    R[2432],R[2366],R[2367],R[2368],R[2433],R[1902],R[1903],R[2369],R[1904],R[1905],R[2434],R[2435],R[2436],R[1909],R[1910],R[1911],
    R[1912],R[1913],R[1914],R[1915],R[1916],R[1917],R[1918],R[2503],R[2437],R[1921],R[1922],R[1923],R[1924],R[1925],R[1926],R[1927],
    R[2459],R[1928],R[1929],R[1930],R[1931],R[1932],R[1934],R[1935],R[1936],R[1937],R[1938],R[1939],R[1940],R[1941],R[1942],R[2504],
    R[1944],R[2505],R[1946],R[1947],R[2377],R[1953],R[1954],R[1955],R[1956],R[1957],R[1958],R[1959],R[1960],R[1961],R[1962],R[1963],
    R[1964],R[1965],R[1966],R[1967],R[1968],R[1969],R[1970],R[1971],R[1972],R[1973],R[1974],R[1975],R[1976],R[1977],R[1978],R[1979],
    R[1980],R[1981],R[1982],R[1983],R[1984],R[1985],R[1986],R[1987],R[1988],R[1989],R[1990],R[1991],R[1992],R[1993],R[1994],R[1995],
    R[1996],R[1997],R[1998],R[1999],R[2000],R[2001],R[2002],R[2003],R[2004],R[2005],R[2484],R[2007],R[2008],R[2506],R[2009],R[2010],
    R[2011],R[2012],R[2013],R[2014],R[2015],R[2016],R[2017],R[2018],R[2019],R[2020],R[2021],R[2022],R[2370],R[2460],R[2461],R[2462],
    R[2463],R[2464],R[2028],R[2029],R[2030],R[2031],R[2032],R[2033],R[2034],R[2035],R[2036],R[2037],R[2038],R[2039],R[2040],R[2041],
    R[2042],R[2043],R[2044],R[2045],R[2046],R[2047],R[2048],R[2049],R[2050],R[2051],R[2052],R[2053],R[2054],R[2507],R[2466],R[2467],
    R[2468],R[2469],R[2470],R[2471],R[2438],R[2059],R[2060],R[2061],R[2062],R[2063],R[2064],R[2065],R[2066],R[2067],R[2068],R[2069],
    R[2070],R[2071],R[2072],R[2073],R[2074],R[2075],R[2076],R[2077],R[2078],R[2079],R[2080],R[2081],R[2082],R[2083],R[2084],R[2085],
    R[2086],R[2087],R[2089],R[2090],R[2091],R[2472],R[2092],R[2093],R[2094],R[2095],R[2096],R[2097],R[2098],R[2099],R[2439],R[2473],
    R[2102],R[2103],R[2104],R[2105],R[2106],R[2109],R[2112],R[2115],R[2117],R[2118],R[2119],R[2120],R[2121],R[2122],R[2508],R[2509],
    R[2510],R[2126],R[2127],R[2128],R[2129],R[2130],R[2378],R[2485],R[2486],R[2131],R[2132],R[2134],R[2135],R[2487],R[2136],R[2137],
    R[2138],R[2139],R[2140],R[2142],R[2144],R[2146],R[2148],R[2150],R[2152],R[2153],R[2156],R[2158],R[2160],R[2162],R[2163],R[2164],
    R[2165],R[2166],R[2167],R[2168],R[2440],R[2169],R[2170],R[2171],R[2172],R[2173],R[2174],R[2379],R[2380],R[2176],R[2177],R[2178],
    R[2179],R[2180],R[2181],R[2182],R[2183],R[2184],R[2441],R[2185],R[2186],R[2187],R[2188],R[2189],R[2190],R[2381],R[2382],R[2192],
    R[2193],R[2194],R[2195],R[2196],R[2197],R[2198],R[2199],R[2383],R[2384],R[2385],R[2386],R[2387],R[2388],R[2389],R[2207],R[2208],
    R[2209],R[2511],R[2211],R[2212],R[2213],R[2474],R[2475],R[2216],R[2217],R[2218],R[2219],R[2220],R[2221],R[2222],R[2223],R[2224],
    R[2225],R[2226],R[2229],R[2442],R[2232],R[2233],R[2234],R[2235],R[2236],R[2237],R[2238],R[2240],R[2241],R[2242],R[2243],R[2244],
    R[2245],R[2246],R[2488],R[2248],R[2249],R[2250],R[2251],R[2252],R[2489],R[2253],R[2254],R[2255],R[2256],R[2257],R[2258],R[2259],
    R[2260],R[2261],R[2262],R[2263],R[2264],R[2265],R[2266],R[2268],R[2269],R[2270],R[2271],R[2272],R[2273],R[2274],R[2275],R[2276],
    R[2277],R[2279],R[2280],R[2281],R[2282],R[2283],R[2284],R[2285],R[2286],R[2287],R[2288],R[2291],R[2292],R[2293],R[2294],R[2295],
    R[2296],R[2297],R[2298],R[2299],R[2390],R[2391],R[2392],R[2393],R[2394],R[2395],R[2306],R[2307],R[2308],R[2396],R[2397],R[2311],
    R[2312],R[2512],R[2513],R[2514],R[2515],R[2516],R[2517],R[2518],R[2519],R[2520],R[2521],R[2522],R[2523],R[2524],R[2525],R[2526],
    R[2527],R[2528],R[2529],R[2530],R[2531],R[2532],R[2533],R[2534],R[2535],R[2536],R[2537],R[2538],R[2539],R[2540],R[2541],R[2542],
    R[2543],R[2544],R[2545],R[2546],R[2547],R[2548],R[2549],R[2550],R[2551],R[2552],R[2553],R[2313],R[2314],R[2315],R[2316],R[2317],
    R[2318],R[2319],R[2320],R[2321],R[2322],R[2323],R[2324],R[2325],R[2326],R[2371],R[2476],R[2477],R[2478],R[2479],R[2480],R[2327],
    R[2328],R[2329],R[2330],R[2331],R[2332],R[2333],R[2334],R[2335],R[2336],R[2337],R[2443],R[2338],R[2339],R[2444],R[2340],R[2341],
    R[2490],R[2342],R[2343],R[2344],R[2345],R[2481],
};
const uint16_t by_number_270[] = {
    557,491,492,564,563,398,369,805,2,6,681,682,683,684,264,265,
    110,109,111,112,113,114,5,3,259,258,261,260,89,82,92,90,
    91,88,345,544,545,546,547,548,679,387,303,549,304,107,108,674,
    22,168,64,63,83,84,813,810,408,305,736,735,262,263,571,572,
    573,793,814,815,816,80,78,79,85,86,267,87,81,93,670,171,
    536,317,297,60,273,277,53,165,364,176,367,276,675,676,362,363,
    220,809,74,295,58,222,221,565,399,1,671,0,167,172,173,101,
    534,600,603,604,599,602,597,177,595,590,592,589,593,591,605,598,
    601,596,806,807,808,666,665,219,715,232,233,228,234,199,225,196,
    226,227,197,198,562,561,178,667,668,229,230,231,106,792,789,788,
    790,787,791,785,782,781,783,780,784,27,32,29,28,31,38,35,
    34,37,50,47,46,49,33,39,51,30,36,48,786,44,45,41,
    42,40,43,280,351,352,353,354,355,356,494,495,496,798,498,499,
    497,203,201,200,202,797,795,794,796,802,803,804,543,493,680,568,
    567,341,821,307,368,306,312,94,97,239,533,257,586,584,579,581,
    578,583,166,157,580,630,621,622,618,620,616,626,627,615,614,555,
    608,613,612,623,607,609,606,610,554,577,504,506,505,507,508,509,
    510,511,513,512,514,515,516,517,518,520,519,521,522,523,524,552,
    407,799,550,551,385,383,384,628,625,624,617,619,687,691,690,686,
    688,685,689,693,694,692,697,701,700,696,698,695,699,703,704,702,
    707,711,710,706,708,705,709,713,714,712,175,170,819,820,169,73,
    72,174,556,716,719,721,718,720,722,717,253,254,386,8,12,11,
    9,115,247,251,250,256,812,388,566,559,560,75,657,658,302,56,
    531,530,677,296,59,275,218,453,455,454,414,438,416,439,451,415,
    458,459,457,444,450,456,452,437,443,440,441,446,447,448,449,442,
    445,160,158,159,161,162,164,163,179,300,645,646,104,105,103,23,
    24,25,26,817,373,371,372,374,375,377,370,376,348,349,678,4,
    7,10,318,340,13,723,180,249,252,248,308,391,309,392,255,390,
    528,396,527,395,529,397,525,393,526,394,224,727,729,728,724,725,
    726,732,730,734,637,635,636,632,633,631,634,733,731,152,118,153,
    119,120,121,122,123,124,125,126,149,150,151,128,129,130,131,132,
    133,134,135,136,137,139,140,141,142,143,144,127,138,145,146,147,
    148,156,154,155,186,187,183,184,181,182,185,214,216,195,215,217,
    55,389,301,582,587,553,585,588,629,611,594,574,575,576,193,194,
    190,191,188,189,192,213,205,208,212,211,210,209,207,206,659,660,
    661,662,663,664,417,428,430,431,432,433,434,435,436,418,419,420,
    421,422,423,424,425,426,427,429,647,649,650,651,652,653,654,655,
    656,648,644,96,95,14,15,16,17,18,19,20,21,54,57,61,
    62,65,67,69,70,76,77,98,99,100,116,117,236,237,238,235,
    240,241,242,243,244,245,246,266,268,269,270,271,272,274,278,279,
    281,282,283,284,285,286,287,288,289,290,291,292,293,298,299,311,
    313,314,310,315,316,319,320,322,323,324,325,326,327,328,329,330,
    331,332,333,334,335,336,342,344,346,347,350,357,358,360,361,365,
    366,378,401,402,403,404,405,406,409,410,411,412,413,500,501,502,
    503,532,538,539,540,535,537,541,542,569,570,638,639,640,641,642,
    643,669,672,673,321,779,800,801,811,818,52,223,66,400,71,382,
    380,381,379,343,204,460,339,338,337,294,102,68,558,359,749,750,
    751,752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,
    767,768,769,770,771,772,773,774,775,776,777,778,737,738,739,740,
    741,742,743,744,745,746,747,748,486,487,488,489,490,476,477,478,
    479,480,466,467,468,469,470,471,472,473,474,475,461,462,463,464,
    465,481,482,483,484,485,
};
const uint16_t by_id_270[] = {
    0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,
    16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,
    32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,
    48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,
    64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,
    80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,
    96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,
    112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127,
    128,129,130,131,132,133,134,135,136,137,138,139,140,141,142,143,
    144,145,146,147,148,149,150,151,152,153,154,155,156,157,158,159,
    160,161,162,163,164,165,166,167,168,169,170,171,172,173,174,175,
    176,177,178,179,180,181,182,183,184,185,186,187,188,189,190,191,
    192,193,194,195,196,197,198,199,200,201,202,203,204,205,206,207,
    208,209,210,211,212,213,214,215,216,217,218,219,220,221,222,223,
    224,225,226,227,228,229,230,231,232,233,234,235,236,237,238,239,
    240,241,242,243,244,245,246,247,248,249,250,251,252,253,254,255,
    256,257,258,259,260,261,262,263,264,265,266,267,268,269,270,271,
    272,273,274,275,276,277,278,279,280,281,282,283,284,285,286,287,
    288,289,290,291,292,293,294,295,296,297,298,299,300,301,302,303,
    304,305,306,307,308,309,310,311,312,313,314,315,316,317,318,319,
    320,321,322,323,324,325,326,327,328,329,330,331,332,333,334,335,
    336,337,338,339,340,341,342,343,344,345,346,347,348,349,350,351,
    352,353,354,355,356,357,358,359,360,361,362,363,364,365,366,367,
    368,369,370,371,372,373,374,375,376,377,378,379,380,381,382,383,
    384,385,386,387,388,389,390,391,392,393,394,395,396,397,398,399,
    400,401,402,403,404,405,406,407,408,409,410,411,412,413,414,415,
    416,417,418,419,420,421,422,423,424,425,426,427,428,429,430,431,
    432,433,434,435,436,437,438,439,440,441,442,443,444,445,446,447,
    448,449,450,451,452,453,454,455,456,457,458,459,460,461,462,463,
    464,465,466,467,468,469,470,471,472,473,474,475,476,477,478,479,
    480,481,482,483,484,485,486,487,488,489,490,491,492,493,494,495,
    496,497,498,499,500,501,502,503,504,505,506,507,508,509,510,511,
    512,513,514,515,516,517,518,519,520,521,522,523,524,525,526,527,
    528,529,530,531,532,533,534,535,536,537,538,539,540,541,542,543,
    544,545,546,547,548,549,550,551,552,553,554,555,556,557,558,559,
    560,561,562,563,564,565,566,567,568,569,570,571,572,573,574,575,
    576,577,578,579,580,581,582,583,584,585,586,587,588,589,590,591,
    592,593,594,595,596,597,598,599,600,601,602,603,604,605,606,607,
    608,609,610,611,612,613,614,615,616,617,618,619,620,621,622,623,
    624,625,626,627,628,629,630,631,632,633,634,635,636,637,638,639,
    640,641,642,643,644,645,646,647,648,649,650,651,652,653,654,655,
    656,657,658,659,660,661,662,663,664,665,666,667,668,669,670,671,
    672,673,674,675,676,677,678,679,680,681,682,683,684,685,686,687,
    688,689,690,691,692,693,694,695,696,697,698,699,700,701,702,703,
    704,705,706,707,708,709,710,711,712,713,714,715,716,717,718,719,
    720,721,722,723,724,725,726,727,728,729,730,731,732,733,734,735,
    736,737,738,739,740,741,742,743,744,745,746,747,748,749,750,751,
    752,753,754,755,756,757,758,759,760,761,762,763,764,765,766,767,
    768,769,770,771,772,773,774,775,776,777,778,779,780,781,782,783,
    784,785,786,787,788,789,790,791,792,793,794,795,796,797,798,799,
    800,801,802,803,804,805,806,807,808,809,810,811,812,813,814,815,
    816,817,818,819,820,821,
};

} // namespace

const NaaccrDictionary naaccr_dictionaries[] = {
    {140, "http://naaccr.org/naaccrxml/naaccr-dictionary-140.xml", "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-140.xml", "1.5", items_140, 555, by_number_140, by_id_140},
    {150, "http://naaccr.org/naaccrxml/naaccr-dictionary-150.xml", "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-150.xml", "1.5", items_150, 562, by_number_150, by_id_150},
    {160, "http://naaccr.org/naaccrxml/naaccr-dictionary-160.xml", "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-160.xml", "1.5", items_160, 594, by_number_160, by_id_160},
    {180, "http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml", "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-180.xml", "1.5", items_180, 802, by_number_180, by_id_180},
    {210, "http://naaccr.org/naaccrxml/naaccr-dictionary-210.xml", "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-210.xml", "1.5", items_210, 811, by_number_210, by_id_210},
    {220, "http://naaccr.org/naaccrxml/naaccr-dictionary-220.xml", nullptr, "1.5", items_220, 821, by_number_220, by_id_220},
    {230, "http://naaccr.org/naaccrxml/naaccr-dictionary-230.xml", nullptr, "1.6", items_230, 782, by_number_230, by_id_230},
    {240, "http://naaccr.org/naaccrxml/naaccr-dictionary-240.xml", nullptr, "1.7", items_240, 783, by_number_240, by_id_240},
    {250, "http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml", nullptr, "1.8", items_250, 780, by_number_250, by_id_250},
    {260, "http://naaccr.org/naaccrxml/naaccr-dictionary-260.xml", nullptr, "1.8", items_260, 771, by_number_260, by_id_260},
    {270, "http://naaccr.org/naaccrxml/naaccr-dictionary-270.xml", nullptr, "1.8", items_270, 822, by_number_270, by_id_270},
};
const size_t naaccr_dictionary_count = sizeof naaccr_dictionaries / sizeof naaccr_dictionaries[0];
static_assert(flat_dictionary_count == 4, "the first 4 dictionaries have columns in flat records");
// clang-format on

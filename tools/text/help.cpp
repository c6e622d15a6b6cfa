// help.cpp -- usage lines and help texts; tools/cvnaaccr.1 says the same at
// more length, and a test checks that it names every option shown here.
#include "text/text.h"

#include <stdio.h>
#include <string.h>

namespace
{

struct Help {
    const char *command;
    const char *usage;
    const char *text;
};

const Help helps[] = {
    {"inspect", "cvnaaccr inspect [--json] FILE...",
     "What each file is.  Fixed-length records: what the library's file inspection\n"
     "finds out: the path as the library rejoined it, record type, NAACCR version,\n"
     "record length with its terminators, file size, record count, the result code\n"
     "and its message.  NAACCR XML (its first character after white space is <): the\n"
     "version and record type its root gives, result 0, or why the root cannot be\n"
     "read.  gzip-compressed data is inspected decompressed.  Inspection needs a\n"
     "file: standard input (-) cannot be inspected; use check.\n"
     "\n"
     "  --json      one JSON object per file instead\n"
     "  -h, --help  show this help\n"},
    {"check",
     "cvnaaccr check [--json] [--checksums] [--items] [--codes] [--dictionary FILE]...\n"
     "       [--max-problems N] [--threads N] [--quiet] FILE...",
     "Checks every record of each file against its first record: length, terminator,\n"
     "record type, version code and bytes.  One line per problem, then a summary line.\n"
     "A NAACCR XML file (its first character after white space is <) is checked as\n"
     "XML, every data item included: each problem with its line and column, patient\n"
     "and tumour; the summary says what the file is.  FILE may be - (standard\n"
     "input); gzip-compressed input (a name ending in .gz, or data starting with the\n"
     "gzip magic bytes) is decompressed.\n"
     "\n"
     "  --json             one JSON object per file instead\n"
     "  --checksums        also verify each record's NAACCR checksum field\n"
     "  --items            also check every data item by the NAACCR data dictionary of\n"
     "                     the record's type and version; the summary names the ten\n"
     "                     items with most problems; JSON schema 2 (always for XML)\n"
     "  --codes            also check each coded item's value against its allowed codes\n"
     "                     and each tumour's codes and dates together (site, histology\n"
     "                     and behavior, sequence numbers, birth, diagnosis, last\n"
     "                     contact and age); implies --items; a last line names the\n"
     "                     lists used\n"
     "  --dictionary FILE  NAACCR XML: load a user dictionary (may be repeated)\n"
     "  --max-problems N   list at most N problems per file (default 100; 0: all)\n"
     "  --threads N        threads that read and check a file (default 0: one per\n"
     "                     processor, at most 8)\n"
     "  -q, --quiet        only the summary line of each file\n"
     "  -h, --help         show this help\n"},
    {"checksum verify", "cvnaaccr checksum verify [--json] [--max-problems N] [--threads N] [--quiet] FILE...",
     "Verifies the NAACCR checksum field of every record, as check --checksums does.\n"
     "Lists mismatches and every reason a record could not be verified; blank fields\n"
     "are counted, not listed.  Summary: records, match, mismatch, blank, not checked.\n"
     "\n"
     "  --json            one JSON object per file instead\n"
     "  --max-problems N  list at most N problems per file (default 100; 0: all)\n"
     "  --threads N       threads that read and check a file (default 0: one per\n"
     "                    processor, at most 8)\n"
     "  -q, --quiet       only the summary line of each file\n"
     "  -h, --help        show this help\n"},
    {"checksum assign", "cvnaaccr checksum assign [--max-problems N] [--quiet] FILE -o OUT",
     "Writes a copy of FILE to OUT with the checksum field of every record assigned;\n"
     "no other byte changes.  Records that cannot be assigned are copied unchanged\n"
     "and listed.  A file that cannot be split cleanly into records is refused and\n"
     "OUT is not written.  FILE may be - or gzip-compressed; OUT is plain.  OUT must\n"
     "be a regular file or a new name, never FILE itself; it is replaced only by a\n"
     "complete copy, flushed to the disk.\n"
     "\n"
     "  -o, --output OUT  where the copy goes\n"
     "  --max-problems N  list at most N records per file (default 100; 0: all)\n"
     "  -q, --quiet       only the summary line\n"
     "  -h, --help        show this help\n"},
    {"checksum", "cvnaaccr checksum verify|assign ...",
     "  checksum verify FILE...        verify every record's NAACCR checksum field\n"
     "  checksum assign FILE -o OUT    write a copy with every checksum field assigned\n"
     "\n"
     "  -h, --help  show this help; cvnaaccr checksum verify --help and\n"
     "              cvnaaccr checksum assign --help say more\n"},
    {"items", "cvnaaccr items VERSION [--type A|M|C|I] [--codes ID] [--json]",
     "Lists the data items of a NAACCR version's dictionary (140, 150, 160, 180, 210\n"
     "to 270; 18 stands for 180) that records of one type hold: columns (flat\n"
     "versions only), length, number, id, data type, padding and name.\n"
     "\n"
     "  --type T    record type A (the default), M, C or I\n"
     "  --codes ID  instead, the allowed codes of the item ID (a naaccrId or a\n"
     "              number) in that version: each code, the first version whose\n"
     "              list holds it, and its label where the list is public domain\n"
     "  --json      one JSON object with every attribute of every item instead\n"
     "  -h, --help  show this help\n"},
    {"show", "cvnaaccr show FILE [--record N | --patient ID] [--all]",
     "Prints the data items of one record that are given (not blank), one per line:\n"
     "number, id, name, columns and the value as it stands, in quotes, then the code's\n"
     "label where its list has labels.  FILE may be -\n"
     "or gzip-compressed.  Of NAACCR XML (told by its first bytes, read from any of\n"
     "these), shows the N-th tumour with its patient's and the file's items, and each\n"
     "item's level.\n"
     "\n"
     "  --record N    the record (or XML tumour) to show, from 1 (the default)\n"
     "  --patient ID  every record (or XML tumour) whose Patient ID Number is ID, as\n"
     "                the file holds it (as check names it), in file order\n"
     "  --all         blank items too (XML: the items not given)\n"
     "  -h, --help    show this help\n"},
    {"convert",
     "cvnaaccr convert IN -o OUT [--to xml|flat|csv] [--items ID,...] [--lf] [--lossy] [--root first]\n"
     "                [--skip-bad-records] [--encoding latin1|windows-1252] [--dictionary FILE]...",
     "Writes IN (flat records of NAACCR 14 to 18, or NAACCR XML) as NAACCR XML, as flat\n"
     "records or as CSV (one row per tumour, a header of naaccrIds).  The target comes\n"
     "from OUT's extension (.xml, .txt or .dat, .csv) unless --to gives it; a further\n"
     ".gz compresses OUT.  IN may be - or gzip-compressed.  OUT is replaced only by a\n"
     "complete conversion, flushed to the disk, after every line of the report: a\n"
     "refused or failed conversion, or a report that standard output cannot take,\n"
     "leaves it untouched.  OUT - is standard output (--to is then needed), written\n"
     "as the conversion goes, with no such promise: the report goes to standard\n"
     "error, and a refused or failed conversion leaves partial data there (status 2).\n"
     "Exit status: 0 written, 1 written with problems listed (patient splits, what\n"
     "--lossy, --root first or --skip-bad-records left out), 2 refused or not\n"
     "written.\n"
     "\n"
     "  -o, --output OUT     where the conversion goes; - for standard output\n"
     "  --to FORMAT          xml, flat or csv\n"
     "  --items ID,...       CSV: these items' columns, in this order\n"
     "  --lf                 flat and CSV: lines end in LF instead of CR LF\n"
     "  --lossy              write what the target can hold and list the rest\n"
     "  --root first         flat to XML: file-level items that differ between records\n"
     "                       keep the first record's values; the other values are\n"
     "                       dropped and listed (no --lossy needed)\n"
     "  --skip-bad-records   leave out and list each flat record with a record problem\n"
     "                       (its length, type, version, an illegal byte); convert the rest\n"
     "  --encoding NAME      flat input: bytes above 126 are latin1 or windows-1252\n"
     "                       (written as UTF-8 to XML and CSV)\n"
     "  --dictionary FILE    a user dictionary for XML input (repeatable)\n"
     "  --max-problems N     list at most N problems (default 100; 0: all)\n"
     "  -h, --help           show this help\n"},
    {"version", "cvnaaccr version",
     "Prints the library's version, build date and time, and contact text.\n"
     "\n"
     "  -h, --help  show this help\n"},
};

const char program_help[] = "cvnaaccr recognises and checks NAACCR fixed-length record files and NAACCR XML\n"
                            "files, converts between them and CSV, and maintains the checksum fields of\n"
                            "records.\n"
                            "\n"
                            "Commands:\n"
                            "  inspect   what each file is: its format, version and record type\n"
                            "  check     every record of each file checked\n"
                            "  checksum  verify or assign the NAACCR checksum field of every record\n"
                            "  items     the data items of a NAACCR version's dictionary\n"
                            "  show      the data items of one record\n"
                            "  convert   a file written as NAACCR XML, flat records or CSV\n"
                            "  version   the library's identification\n"
                            "\n"
                            "Options:\n"
                            "  -h, --help     show this help; cvnaaccr COMMAND --help shows a command's\n"
                            "  --version      print the library's version, as cvnaaccr version does\n"
                            "\n"
                            "Options of a command may stand before or after its file names; -- ends them.\n"
                            "\n"
                            "Exit status: 0 when no file has a problem, 1 when any file has one, 2 for a\n"
                            "usage error or an input that cannot be read.  The insignificant anomalies at\n"
                            "the end of a file (a last record without terminator, a stray Ctrl-Z) are\n"
                            "reported but count as no problem.\n";

const Help *find_help(const char *command)
{
    for (const Help &h : helps)
        if (strcmp(h.command, command) == 0)
            return &h;
    return nullptr;
}

} // namespace

int print_help(const char *command)
{
    const Help *h = find_help(command);
    if (h == nullptr) {
        fputs("Usage:", stdout);
        for (const Help &each : helps)
            if (strcmp(each.command, "checksum") != 0)
                printf(" %s\n      ", each.usage);
        fputs(" cvnaaccr --help | --version\n\n", stdout);
        fputs(program_help, stdout);
    } else {
        printf("Usage: %s\n\n%s", h->usage, h->text);
    }
    return finish_output("cvnaaccr") ? 0 : 2;
}

int usage_error(const char *command)
{
    const Help *h = find_help(command);
    if (h == nullptr) {
        fputs("Usage:", stderr);
        for (const Help &each : helps)
            if (strcmp(each.command, "checksum") != 0)
                fprintf(stderr, " %s\n      ", each.usage);
        fputs(" cvnaaccr --help | --version\n", stderr);
    } else {
        fprintf(stderr, "Usage: %s\nTry 'cvnaaccr %s --help'.\n", h->usage, command);
    }
    return 2;
}

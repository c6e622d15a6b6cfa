#!/usr/bin/env python3
"""make_code_tables.py -- writes library/codes/code_tables.cpp from the allowed
codes of NAACCR data items in data/codes, so the library judges codes without
reading CSV.

    make_code_tables.py CODES_FOLDER OUTPUT_FILE

Each row keeps a code and the first NAACCR version whose list holds it (a code
is valid for version V when any list up to V holds it, so only the first
matters); labels only from the tables that items.csv calls public domain.  The
generator also lays out the look-up index the library builds on first use:
for each table the lowest byte and the span of bytes at each position of its
codes, so a code maps to one slot without a search.  The output is committed;
a test runs this again into the build tree and compares.  Python 3's standard
library only.
"""

import csv
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_dictionary_tables import DictionaryError, c_string  # noqa: E402

# The NAACCR versions whose lists data/codes holds, in order.
LIST_VERSIONS = (180, 210, 220, 230, 240, 250, 260)
# Judged by the record check, which holds its own record types and versions.
RECORD_ITEMS = ("recordType", "naaccrRecordVersion")
# Age at Diagnosis has no list in data/codes: whole years 000 to 120, and 999 for unknown.
AGE = {"naaccrId": "ageAtDiagnosis", "naaccrNum": "230", "length": "3",
       "source": "constructed: whole years 000 to 120, and 999 for unknown",
       "licence": "a rule, not a table"}
AGE_CODES = ["%03d" % age for age in range(121)] + ["999"]
# SEER's Site/Histology Validation List: its edition and the diagnosis years it is for, as
# items.csv states them for site-histology.csv.
SITE_LIST_EDITION = "2022-04-29"
SITE_LIST_YEARS = (2021, 2023)
ROWS_PER_LINE = 8
MORPHOLOGIES_PER_LINE = 12


class CodeError(Exception):
    pass


def read_csv(folder, name):
    path = os.path.join(folder, name)
    with open(path, encoding="utf-8", newline="") as source:
        return list(csv.DictReader(source)), path


def first_version(text, path):
    """The first NAACCR version of a `versions` field ("180-220,250-260"); 0 when not tracked."""
    if text == "":
        return 0
    starts = []
    for part in text.split(","):
        ends = [int(v) for v in part.split("-")]
        if len(ends) > 2 or any(v not in LIST_VERSIONS for v in ends) or ends[0] > ends[-1]:
            raise CodeError("%s: versions %r" % (path, text))
        starts.append(ends[0])
    return min(starts)


def ascii_text(text, path):
    if any(ord(c) < 32 or ord(c) > 126 for c in text):
        raise CodeError("%s: not printable ASCII: %r" % (path, text))
    return text


def read_item(folder, item):
    """An item's rows: (code, first version, label or None), sorted by code."""
    rows, path = read_csv(folder, item["table_file"])
    public = item["licence"].startswith("public domain")
    length = int(item["length"])
    table = []
    for row in rows:
        code = ascii_text(row["code"], path)
        if len(code) != length:
            raise CodeError("%s: code %r is not %d characters" % (path, code, length))
        label = row.get("label") if public else None
        table.append((code, first_version(row["versions"], path), ascii_text(label, path) if label else None))
    codes = [row[0] for row in table]
    if len(set(codes)) != len(codes) or len(codes) != int(item["code_count"]):
        raise CodeError("%s: %d codes, %d distinct, items.csv says %s" %
                        (path, len(codes), len(set(codes)), item["code_count"]))
    return sorted(table)


def geometry(codes):
    """The lowest byte and the span of bytes at each position of `codes`, and the slots they need."""
    low, span, slots = "", [], 1
    for position in range(len(codes[0])):
        column = [ord(code[position]) for code in codes]
        low += chr(min(column))
        span.append(max(column) - min(column) + 1)
        slots *= span[-1]
    return low, span, slots


def read_items(folder):
    items, path = read_csv(folder, "items.csv")
    tables = []
    for item in items:
        if not item["naaccrNum"].isdigit() or item["naaccrId"] in RECORD_ITEMS:
            continue
        tables.append(dict(item, rows=read_item(folder, item)))
    tables.append(dict(AGE, rows=[(code, 0, None) for code in AGE_CODES]))
    tables.sort(key=lambda table: int(table["naaccrNum"]))
    site_entry = [item for item in items if item["table_file"] == "site-histology.csv"]
    wanted = "%s (for %d-%d diagnoses)" % (SITE_LIST_EDITION, SITE_LIST_YEARS[0], SITE_LIST_YEARS[1])
    if len(site_entry) != 1 or wanted not in site_entry[0]["code_versions"]:
        raise CodeError("%s: the site/histology list is not the edition %s" % (path, wanted))
    return tables, site_entry[0]


def morphology(histology, behavior, path):
    if len(histology) != 4 or not histology.isdigit() or len(behavior) != 1 or not behavior.isdigit():
        raise CodeError("%s: morphology %r/%r" % (path, histology, behavior))
    return int(histology) * 10 + int(behavior)


def read_pairs(folder):
    rows, path = read_csv(folder, "histology-behavior.csv")
    pairs = sorted((morphology(r["histology"], r["behavior"], path), first_version(r["versions"], path))
                   for r in rows)
    if len(set(p[0] for p in pairs)) != len(pairs):
        raise CodeError("%s: a pair twice" % path)
    return pairs


def expand_sites(site_range, sites, path):
    """The site codes of a group such as "C000-C006,C008-C009", in order."""
    chosen = set()
    for part in site_range.split(","):
        ends = part.split("-")
        if len(ends) > 2 or any(end not in sites for end in ends):
            raise CodeError("%s: site range %r" % (path, site_range))
        chosen.update(site for site in sites if ends[0] <= site <= ends[-1])
    return sorted(chosen)


def read_site_list(folder, sites):
    rows, path = read_csv(folder, "site-histology.csv")
    groups = {}
    for row in rows:
        groups.setdefault(row["site_range"], set()).add(morphology(row["histology"], row["behavior"], path))
    placed = {}
    for site_range in groups:
        for site in expand_sites(site_range, sites, path):
            if site in placed:
                raise CodeError("%s: %s in two site groups" % (path, site))
            placed[site] = site_range
    if len(placed) != len(sites):
        raise CodeError("%s: %d of %d sites in a group" % (path, len(placed), len(sites)))
    if len(groups) > 254:
        raise CodeError("%s: %d site groups; the index holds a group in a byte" % (path, len(groups)))
    ordered = sorted(groups, key=lambda site_range: expand_sites(site_range, sites, path)[0])
    return [(site_range, expand_sites(site_range, sites, path), sorted(groups[site_range]))
            for site_range in ordered]


def comment_lines(prefix, text, width=100):
    lines, line = [], prefix
    for word in text.split():
        if len(line) + 1 + len(word) > width and line != prefix:
            lines.append(line)
            line = "//   "
        line += " " + word
    return lines + [line]


def row_text(row):
    code, first, label = row
    if label is None:
        return "C(%s, %d)" % (c_string(code), first)
    return "L(%s, %d, %s)" % (c_string(code), first, c_string(label))


def table_lines(table):
    rows, item_id = table["rows"], table["naaccrId"]
    lines = [""]
    lines += comment_lines("// %s (%s), %d codes." % (item_id, table["naaccrNum"], len(rows)), "")
    lines += comment_lines("// Source:", table["source"])
    lines += comment_lines("// Licence:", table["licence"])
    lines.append("const CodeRow %s_codes[] = {" % item_id)
    per_line = 1 if any(row[2] is not None for row in rows) else ROWS_PER_LINE
    for i in range(0, len(rows), per_line):
        lines.append("    /* %s */ %s," % (item_id, ", ".join(row_text(row) for row in rows[i:i + per_line])))
    lines.append("};")
    return lines


def table_of(tables, number):
    return [table for table in tables if table["naaccrNum"] == number][0]


def pair_lines(pairs, histology):
    lines = [""]
    lines += comment_lines("// Histology and behavior (items 522 and 523) as histology * 10 + behavior:",
                           "the pairs of the ICD-O-3 term list per NAACCR version, %d in all." % len(pairs))
    lines += comment_lines("// Source:", histology["source"])
    lines += comment_lines("// Licence:", histology["licence"])
    lines.append("const MorphologyRow pairs[] = {")
    for i in range(0, len(pairs), ROWS_PER_LINE):
        lines.append("    /* 522+523 */ %s," % ", ".join("{%d, %d}" % pair for pair in pairs[i:i + ROWS_PER_LINE]))
    return lines + ["};"]


def site_list_lines(groups, site_entry):
    lines = [""]
    lines += comment_lines("// SEER's Site/Histology Validation List of %s:" % SITE_LIST_EDITION,
                           "histology * 10 + behavior by site group, %d rows." % sum(len(g[2]) for g in groups))
    lines += comment_lines("// Source:", site_entry["source"])
    lines += comment_lines("// Licence:", site_entry["licence"])
    lines.append("const uint32_t site_list_rows[] = {")
    for number, (site_range, _, morphologies) in enumerate(groups):
        lines.append("    // group %d: %s" % (number, site_range))
        for i in range(0, len(morphologies), MORPHOLOGIES_PER_LINE):
            line = ", ".join(str(m) for m in morphologies[i:i + MORPHOLOGIES_PER_LINE])
            lines.append("    /* group %d */ %s," % (number, line))
    return lines + ["};"]


def index_lines(tables, pairs, groups):
    """The tables of tables, each with its place in code_index, and code_index itself."""
    lines = ["const int32_t code_list_versions[] = {%s};" % ", ".join(str(v) for v in LIST_VERSIONS),
             "const size_t code_list_version_count = sizeof code_list_versions / sizeof code_list_versions[0];",
             "",
             "// By naaccrNum: naaccrId, rows, codes, code length, lowest byte and span of",
             "// bytes at each position, first slot in code_index.",
             "const CodeTable code_tables[] = {"]
    slots, site_slots = 0, 0
    for table in tables:
        codes = [row[0] for row in table["rows"]]
        low, span, size = geometry(codes)
        lines.append("    {%s, %s, %s_codes, %d, %d, %s, {%s}, %d}," % (
            table["naaccrNum"], c_string(table["naaccrId"]), table["naaccrId"], len(codes), len(codes[0]),
            c_string(low), ", ".join(str(s) for s in span), slots))
        if table["naaccrNum"] == "400":
            site_slots = size
        slots += size
    lines += ["};", "const size_t code_table_count = sizeof code_tables / sizeof code_tables[0];", ""]

    # The pairs' slots span every morphology of the pairs and of the site list.
    morphologies = [pair[0] for pair in pairs] + [m for group in groups for m in group[2]]
    low, span = min(morphologies), max(morphologies) - min(morphologies) + 1
    lines += ["// The pairs: rows, lowest morphology, span of morphologies, first slot in code_index.",
              "const MorphologyTable morphology_pairs = {pairs, %d, %d, %d, %d};" % (len(pairs), low, span, slots)]
    slots += span

    lines += ["", "// Site groups: their sites, and their rows in site_list_rows.", "const SiteGroup site_groups[] = {"]
    first = 0
    for site_range, sites, rows in groups:
        lines.append("    {%s, %d, %d}, // %s" % (c_string(" ".join(sites)), first, len(rows), site_range))
        first += len(rows)
    lines += ["};",
              "// Edition, groups, rows, years of diagnosis, the site groups' slots in code_index.",
              "const SiteList site_list = {%s, site_groups, sizeof site_groups / sizeof site_groups[0], site_list_rows,"
              % c_string(SITE_LIST_EDITION),
              "                            %d, %d, %d, %d, %d};" % (first, SITE_LIST_YEARS[0], SITE_LIST_YEARS[1],
                                                                    slots, site_slots)]
    slots += site_slots
    return lines + ["",
                    "// Room for the look-up index that codes are found by, built on first use:",
                    "// each table's slots, then the pairs', then the site group of each site.",
                    "uint8_t code_index[%d];" % slots,
                    "const size_t code_index_size = sizeof code_index;"]


def render(tables, pairs, groups, site_entry):
    lines = [
        "// code_tables.cpp -- the allowed codes of NAACCR data items as tables: made by",
        "// tools/dictionaries/make_code_tables.py from data/codes; do not edit.",
        "//",
        "// A row holds a code and the first NAACCR version whose list holds it (0: the",
        "// source does not track versions, and the code holds for all).  Labels only",
        "// where the table is in the public domain.  Sources, commits and licences of",
        "// every table: data/codes/README.md and items.csv.",
        "// clang-format off",
        '#include "codes/codes.h"',
        "",
        "namespace",
        "{",
        "",
        "// A code and the first version whose list holds it; the same with its label.",
        "#define C(code, first) {code, first, nullptr}",
        "#define L(code, first, label) {code, first, label}",
    ]
    for table in tables:
        lines += table_lines(table)
    lines += pair_lines(pairs, table_of(tables, "522"))
    lines += site_list_lines(groups, site_entry)
    lines += ["", "} // namespace", ""]
    lines += index_lines(tables, pairs, groups)
    lines += ["// clang-format on", ""]
    return "\n".join(lines)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_code_tables.py CODES_FOLDER OUTPUT_FILE\n")
        return 2
    folder = argv[1]
    try:
        tables, site_entry = read_items(folder)
        sites = [row[0] for row in table_of(tables, "400")["rows"]]
        text = render(tables, read_pairs(folder), read_site_list(folder, sites), site_entry)
    except (CodeError, DictionaryError, OSError, KeyError, ValueError) as error:
        sys.stderr.write("make_code_tables.py: %s\n" % error)
        return 1
    with open(argv[2], "w", encoding="ascii", newline="\n") as output:
        output.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

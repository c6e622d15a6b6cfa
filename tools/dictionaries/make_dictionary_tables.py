#!/usr/bin/env python3
"""make_dictionary_tables.py -- writes library/items/dictionary_tables.cpp from
NAACCR's data dictionaries (every naaccr-dictionary-VVV.xml of the folder, and
the default user dictionary of each version that has one), so the library
holds every item definition without reading XML.

    make_dictionary_tables.py DICTIONARY_FOLDER OUTPUT_FILE

The output is committed; a test runs this again into the build tree and
compares, so the tables and the dictionaries cannot drift apart.  The words
the dictionaries use for levels, data types, paddings and record types, and
the XML namespace, are read from the library's public header, which gives
their numbers.  Python 3's standard library only.
"""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree

HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "library", "include", "cvnaaccr.h")

# The dictionaries' value when an attribute is not given.
TRIMS = {"all": 0, "none": 1}

# Entries per line of a version's item and index tables.
INDICES_PER_LINE = 16


class DictionaryError(Exception):
    pass


def header_strings(text, name):
    """The string literals of the header's macro `name`, in order."""
    match = re.search(r"^#define %s ((?:\"[^\"]*\"(?:, )?)+)$" % name, text, re.MULTILINE)
    if match is None:
        raise DictionaryError("%s: no #define %s" % (HEADER, name))
    return re.findall(r'"([^"]*)"', match.group(1))


def header_words():
    """The header's words, each mapped to its number."""
    with open(HEADER, encoding="ascii") as header:
        text = header.read()
    numbered = lambda name: {word: n for n, word in enumerate(header_strings(text, name))}
    return {
        "levels": numbered("NAACCR_LEVEL_NAMES"),
        "data_types": numbered("NAACCR_DATA_TYPE_NAMES"),
        "paddings": numbered("NAACCR_PADDING_NAMES"),
        "record_type_bits": {letter: 1 << n for n, letter in enumerate(header_strings(text, "NAACCR_RECORD_TYPES")[0])},
        "namespace": "{%s}" % header_strings(text, "NAACCR_XML_NAMESPACE")[0],
    }


WORDS = {}


def attribute(element, name, path, default=None):
    value = element.get(name, default)
    if value is None:
        raise DictionaryError("%s: %s of %s missing" % (path, name, element.get("naaccrId", "an item")))
    return value


def lookup(table, value, what, path):
    if value not in table:
        raise DictionaryError("%s: unknown %s %r" % (path, what, value))
    return table[value]


def read_item(element, path, grouped, user):
    record_types = 0
    for letter in attribute(element, "recordTypes", path).split(","):
        record_types |= lookup(WORDS["record_type_bits"], letter.strip(), "record type", path)
    return {
        "id": attribute(element, "naaccrId", path),
        "name": attribute(element, "naaccrName", path),
        "number": int(attribute(element, "naaccrNum", path)),
        "start": int(element.get("startColumn", "0")),
        "length": int(attribute(element, "length", path)),
        "record_types": record_types,
        "level": lookup(WORDS["levels"], attribute(element, "parentXmlElement", path), "parentXmlElement", path),
        "data_type": lookup(WORDS["data_types"], element.get("dataType", "text"), "dataType", path),
        "padding": lookup(WORDS["paddings"], element.get("padding", "rightBlank"), "padding", path),
        "trim_none": lookup(TRIMS, element.get("trim", "all"), "trim", path),
        "unlimited": 1 if element.get("allowUnlimitedText", "false") == "true" else 0,
        "grouped": grouped,
        "user": user,
    }


def read_dictionary(path, user):
    """The root's attributes, its items and its grouped items, in file order."""
    namespace = WORDS["namespace"]
    root = ElementTree.parse(path).getroot()
    if root.tag != namespace + "NaaccrDictionary":
        raise DictionaryError("%s: not a NAACCR dictionary" % path)
    items = [read_item(e, path, 0, user) for e in root.iter(namespace + "ItemDef")]
    groups = [read_item(e, path, 1, user) for e in root.iter(namespace + "GroupedItemDef")]
    return root, items, groups


def base_versions(folder):
    """The versions of the folder's base dictionaries, ascending."""
    names = (re.fullmatch(r"naaccr-dictionary-(\d+)\.xml", name) for name in os.listdir(folder))
    versions = sorted(int(match.group(1)) for match in names if match)
    if not versions:
        raise DictionaryError("%s: no naaccr-dictionary-VVV.xml" % folder)
    return versions


def read_version(folder, version):
    base_path = os.path.join(folder, "naaccr-dictionary-%d.xml" % version)
    root, items, groups = read_dictionary(base_path, 0)
    if root.get("naaccrVersion") != str(version):
        raise DictionaryError("%s: naaccrVersion %s" % (base_path, root.get("naaccrVersion")))
    user_path = os.path.join(folder, "user-defined-naaccr-dictionary-%d.xml" % version)
    user_uri = None
    if os.path.exists(user_path):
        user_root, user_items, user_groups = read_dictionary(user_path, 1)
        user_uri = attribute(user_root, "dictionaryUri", user_path)
        items += user_items
        groups += user_groups
    # The versions exchanged as flat records are those whose items have columns.
    flat = any(item["start"] > 0 for item in items)
    if flat:
        items.sort(key=lambda item: item["start"])
        groups.sort(key=lambda item: item["start"])
    everything = items + groups
    for key in ("id", "number"):
        seen = set()
        for item in everything:
            if item[key] in seen:
                raise DictionaryError("version %d: %s %r twice" % (version, key, item[key]))
            seen.add(item[key])
    return {
        "version": version,
        "uri": attribute(root, "dictionaryUri", base_path),
        "user_uri": user_uri,
        "format_version": attribute(root, "specificationVersion", base_path),
        "flat": flat,
        "items": everything,
    }


def c_string(text):
    if any(ord(c) < 32 or ord(c) > 126 for c in text):
        raise DictionaryError("not printable ASCII: %r" % text)
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def string_table(dictionaries):
    """Every id and name once, in order of first use."""
    strings = {}
    for dictionary in dictionaries:
        for item in dictionary["items"]:
            for key in ("id", "name"):
                strings.setdefault(item[key], len(strings))
    return strings


def item_row(item, strings):
    macro = "G" if item["grouped"] else ("U" if item["user"] else "I")
    fields = [strings[item["id"]], strings[item["name"]], item["number"], item["start"], item["length"],
              item["record_types"], item["level"], item["data_type"], item["padding"], item["trim_none"],
              item["unlimited"]]
    return "%s(%s)," % (macro, ",".join(str(f) for f in fields))


def index_lines(indices):
    lines = []
    for i in range(0, len(indices), INDICES_PER_LINE):
        lines.append("    " + ",".join(str(n) for n in indices[i:i + INDICES_PER_LINE]) + ",")
    return lines


def row_table(dictionaries, strings):
    """Every distinct item row once, in order of first use, with its item's id."""
    rows = {}
    for dictionary in dictionaries:
        for item in dictionary["items"]:
            rows.setdefault(item_row(item, strings), (len(rows), item["id"]))
    return rows


def version_lines(dictionary, strings, rows):
    version = dictionary["version"]
    items = dictionary["items"]
    references = ["R[%d]" % rows[item_row(item, strings)][0] for item in items]
    by_number = sorted(range(len(items)), key=lambda i: items[i]["number"])
    # Sorted as strcmp compares: by bytes, and the ids are ASCII.
    by_id = sorted(range(len(items)), key=lambda i: items[i]["id"].encode("ascii"))
    lines = ["", "const NaaccrItemDef items_%d[] = {" % version]
    lines += index_lines(references)
    lines += ["};", "const uint16_t by_number_%d[] = {" % version]
    lines += index_lines(by_number)
    lines += ["};", "const uint16_t by_id_%d[] = {" % version]
    lines += index_lines(by_id)
    lines.append("};")
    return lines


def render(dictionaries):
    strings = string_table(dictionaries)
    rows = row_table(dictionaries, strings)
    versions = [d["version"] for d in dictionaries]
    user_versions = [d["version"] for d in dictionaries if d["user_uri"]]
    flat_count = sum(1 for d in dictionaries if d["flat"])
    if any(not d["flat"] for d in dictionaries[:flat_count]):
        raise DictionaryError("the versions with flat records do not come first")
    lines = [
        "// dictionary_tables.cpp -- NAACCR's data dictionaries as tables: made by",
        "// tools/dictionaries/make_dictionary_tables.py; do not edit.",
        "//",
        "// The item definitions are NAACCR's (the NAACCR XML data dictionaries, base",
        "// %d to %d and the default user dictionaries %d to %d).  Each item's row" % (
            versions[0], versions[-1], user_versions[0], user_versions[-1]),
        "// ends with its naaccrId.",
        "// clang-format off",
        '#include "items/items.h"',
        "",
        "namespace",
        "{",
        "",
        "// Every naaccrId and naaccrName once.",
        "constexpr const char *S[] = {",
    ]
    lines += ["    %s," % c_string(text) for text in strings]
    lines += [
        "};",
        "",
        "// An item of the base dictionary, a grouped item, an item of the user dictionary.",
        "#define I(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \\",
        "    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 0, 0, {0, 0, 0, 0}}",
        "#define G(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \\",
        "    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 1, 0, {0, 0, 0, 0}}",
        "#define U(id, name, number, start, length, types, level, type, padding, trim_none, unlimited) \\",
        "    {S[id], S[name], number, start, length, types, level, type, padding, trim_none, unlimited, 0, 1, {0, 0, 0, 0}}",
    ]
    lines += ["", "// Every distinct item once; the versions' tables copy them.", "constexpr NaaccrItemDef R[] = {"]
    lines += ["    %s // %s" % (row, item_id) for row, (_, item_id) in rows.items()]
    lines.append("};")
    for dictionary in dictionaries:
        lines += version_lines(dictionary, strings, rows)
    lines += ["", "} // namespace", "", "const NaaccrDictionary naaccr_dictionaries[] = {"]
    for d in dictionaries:
        v = d["version"]
        user_uri = c_string(d["user_uri"]) if d["user_uri"] else "nullptr"
        lines.append("    {%d, %s, %s, %s, items_%d, %d, by_number_%d, by_id_%d}," % (
            v, c_string(d["uri"]), user_uri, c_string(d["format_version"]), v, len(d["items"]), v, v))
    lines += [
        "};",
        "const size_t naaccr_dictionary_count = sizeof naaccr_dictionaries / sizeof naaccr_dictionaries[0];",
        "static_assert(flat_dictionary_count == %d, \"the first %d dictionaries have columns in flat records\");" % (
            flat_count, flat_count),
        "// clang-format on",
        "",
    ]
    return "\n".join(lines)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_dictionary_tables.py DICTIONARY_FOLDER OUTPUT_FILE\n")
        return 2
    try:
        WORDS.update(header_words())
        dictionaries = [read_version(argv[1], version) for version in base_versions(argv[1])]
    except (DictionaryError, ElementTree.ParseError, OSError, ValueError) as error:
        sys.stderr.write("make_dictionary_tables.py: %s\n" % error)
        return 1
    text = render(dictionaries)
    with open(argv[2], "w", encoding="ascii", newline="\n") as output:
        output.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

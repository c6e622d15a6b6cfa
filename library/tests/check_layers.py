#!/usr/bin/env python3
"""check_layers.py -- holds the library's code to its layout: a folder per
subsystem in the layer order below, lowest first.  Fails on

  - an include of another folder's file other than that folder's one header
    (flat/flat.h), or of a header of a higher folder than the includer's;
  - an include of common/ or tools/, or one that does not name its folder;
  - a mention of an exported cv... function (abi/exports.txt) in library code
    outside abi/: exports are called only by callers outside the library;
  - a folder or a source file in library/ that has no place in the order.

    check_layers.py LIBRARY_FOLDER
    check_layers.py --self-test

Python 3's standard library only.  library/README.md shows the same order.
"""

import os
import re
import sys
import tempfile

# The layer order, lowest first: a folder includes only folders before it.
LAYERS = ["platform", "base", "flat", "items", "codes", "flat_check", "xml", "check", "tumors", "convert", "abi"]
# What else library/ holds: the public header, and the code that tests, fuzzes
# and measures the library (which may include any folder's headers).
OTHER_FOLDERS = {"include", "tests", "fuzz", "benchmarks"}
PUBLIC_HEADER = "cvnaaccr.h"
SOURCE_ENDINGS = (".cpp", ".h", ".c", ".rc")

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
# Comments, then string and character literals, which may mention an export
# without calling it.
COMMENTS = re.compile(r"//[^\n]*|/\*.*?\*/", re.DOTALL)
LITERALS = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'')


def exported_names(library):
    names = []
    with open(os.path.join(library, "abi", "exports.txt"), encoding="ascii") as exports:
        for line in exports:
            line = line.strip()
            if line and not line.startswith("#"):
                names.append(line.split(":")[0])
    return names


def include_problem(folder, target, library):
    """Why `#include "target"` in a file of `folder` breaks the rules, or None."""
    if target == PUBLIC_HEADER:
        return None
    parts = target.split("/")
    if ".." in parts or parts[0] in ("common", "tools"):
        return "includes %s, outside the library" % target
    if len(parts) != 2 or parts[0] not in LAYERS:
        return "includes %s, which does not name its folder" % target
    other, name = parts
    if not os.path.isfile(os.path.join(library, other, name)):
        return "includes %s, which does not exist" % target
    if other == folder:
        return None
    if name != other + ".h":
        return "includes %s, not %s/%s.h, the one header of %s/" % (target, other, other, other)
    if folder in LAYERS and LAYERS.index(other) > LAYERS.index(folder):
        return "includes %s, of a layer above %s/" % (target, folder)
    return None


def check(library):
    """Every breach of the rules in `library`, as lines of text."""
    problems = []
    exports = exported_names(library)
    mention = re.compile(r"\b(%s)\b" % "|".join(map(re.escape, exports)))
    for entry in sorted(os.listdir(library)):
        path = os.path.join(library, entry)
        if os.path.isdir(path):
            if entry not in LAYERS and entry not in OTHER_FOLDERS:
                problems.append("%s/: a folder that has no place in the layer order" % entry)
        elif entry.endswith(SOURCE_ENDINGS):
            problems.append("%s: a source file outside every folder" % entry)
    for folder in LAYERS + sorted(OTHER_FOLDERS - {"include"}):
        top = os.path.join(library, folder)
        for root, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith(SOURCE_ENDINGS):
                    continue
                path = os.path.join(root, name)
                shown = os.path.relpath(path, library)
                with open(path, encoding="utf-8", errors="replace") as source:
                    text = source.read()
                for target in INCLUDE.findall(text):
                    if folder not in LAYERS:
                        # Tests, fuzzers and benchmarks may include any folder's
                        # headers, and their own helpers beside them.
                        if "/" not in target or target.split("/")[0] not in LAYERS:
                            continue
                        if not os.path.isfile(os.path.join(library, target)):
                            problems.append("%s: includes %s, which does not exist" % (shown, target))
                        continue
                    why = include_problem(folder, target, library)
                    if why is not None:
                        problems.append("%s: %s" % (shown, why))
                if folder in LAYERS and folder != "abi":
                    code = LITERALS.sub('""', COMMENTS.sub(" ", text))
                    for found in sorted(set(mention.findall(code))):
                        problems.append("%s: calls the export %s; call its internal entry point" % (shown, found))
    return problems


def self_test():
    """Each kind of breach, planted in a small library, is found."""
    cases = [
        ("a foreign folder's inner file", "check/check_input.cpp", '#include "flat/layouts.cpp"\n', "not flat/flat.h"),
        ("an include up the order", "flat/layouts.cpp", '#include "xml/xml.h"\n', "a layer above flat/"),
        ("common/ included", "items/dictionary.cpp", '#include "common/check_kinds.h"\n', "outside the library"),
        ("no folder named", "flat/layouts.cpp", '#include "flat.h"\n', "does not name its folder"),
        ("an export called", "tumors/reading.cpp", "int f() { return cvCheckNaaccrFile(0, 0, 0); }\n",
         "calls the export cvCheckNaaccrFile"),
        ("a folder out of the order", "reports/report.cpp", "\n", "no place in the layer order"),
    ]
    failures = 0
    for label, file, text, expected in cases:
        with tempfile.TemporaryDirectory() as library:
            for folder in ("abi", "flat", "xml", "check", "items", "tumors"):
                os.makedirs(os.path.join(library, folder))
            for header in ("flat/flat.h", "xml/xml.h", "flat/layouts.cpp"):
                open(os.path.join(library, header), "w").close()
            with open(os.path.join(library, "abi", "exports.txt"), "w") as exports:
                exports.write("# names\ncvCheckNaaccrFile:12\n")
            os.makedirs(os.path.dirname(os.path.join(library, file)), exist_ok=True)
            with open(os.path.join(library, file), "a") as source:
                source.write("// cvCheckNaaccrFile in a comment is no call\n" + text)
            found = check(library)
            if not any(expected in problem for problem in found):
                print("self-test %s: expected '%s', found %s" % (label, expected, found))
                failures += 1
    return 1 if failures else 0


def main(argv):
    if len(argv) == 2 and argv[1] == "--self-test":
        return self_test()
    if len(argv) != 2:
        sys.stderr.write("usage: check_layers.py LIBRARY_FOLDER | --self-test\n")
        return 2
    problems = check(argv[1])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""The DLLs and functions each program of the driver disk imports.

    program_imports.py check  BUILD_DIR LIST_DIR OBJDUMP
    program_imports.py update BUILD_DIR LIST_DIR OBJDUMP

The lists in LIST_DIR (one file per program, kept under version control)
are the reviewed imports. `check` fails, showing the difference, when a
build imports anything else or no longer imports something; `update`
writes the lists from the build, for review with the change that needs
them.
"""
import difflib
import pathlib
import re
import subprocess
import sys

# The programs, by the name they have on the disk, and where the build puts them.
PROGRAMS = {
    "BOARDSETUP.EXE": "setup/BOARDSETUP.EXE",
    "TRAYREMOVE.EXE": "setup/TRAYREMOVE.EXE",
    "Ravlo.exe": "ravlo/Ravlo.exe",
    "KALVOR.EXE": "kalvor/KALVOR.EXE",
    "PELMOX.EXE": "pelmox/shell/PELMOX.EXE",
}

DLL_LINE = re.compile(r"^\s*DLL Name:\s*(\S+)")
FUNCTION_LINE = re.compile(r"^\s+[0-9a-fA-F]+\s+(\d+)\s+(\S+)?\s*$")


def imports_of(program, objdump):
    """DLL name (upper case) -> sorted imported names ("#ordinal" when by number)."""
    dump = subprocess.run([objdump, "-p", str(program)], check=True, capture_output=True, text=True).stdout
    tables, dll = {}, None
    for line in dump.splitlines():
        found = DLL_LINE.match(line)
        if found:
            dll = found.group(1).upper()
            tables.setdefault(dll, set())
            continue
        if dll is None:
            continue
        function = FUNCTION_LINE.match(line)
        if function:
            tables[dll].add(function.group(2) or "#" + function.group(1))
        elif not line.strip():
            dll = None
    return {name: sorted(functions) for name, functions in sorted(tables.items())}


def list_text(name, tables):
    lines = [f"# {name}: the DLLs and functions it imports. A change here is a reviewed decision;",
             "# regenerate with `make imports` after the review."]
    for dll, functions in tables.items():
        lines.append(dll)
        lines.extend("    " + function for function in functions)
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) != 5 or argv[1] not in ("check", "update"):
        print(__doc__, file=sys.stderr)
        return 2
    command, build, lists, objdump = argv[1], pathlib.Path(argv[2]), pathlib.Path(argv[3]), argv[4]
    changed = False
    for name, path in PROGRAMS.items():
        text = list_text(name, imports_of(build / path, objdump))
        listed = lists / (name.upper() + ".txt")
        if command == "update":
            lists.mkdir(parents=True, exist_ok=True)
            listed.write_text(text)
            continue
        reviewed = listed.read_text() if listed.exists() else ""
        if reviewed != text:
            changed = True
            sys.stdout.writelines(difflib.unified_diff(reviewed.splitlines(True), text.splitlines(True),
                                                       str(listed), name + " as built"))
    if changed:
        print("program_imports: the imports changed; review them and run `make imports`")
        return 1
    if command == "check":
        print(f"program_imports: the imports of {len(PROGRAMS)} programs are the reviewed ones")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

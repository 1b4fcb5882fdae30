#!/usr/bin/python3
"""Checks a disc image against the folder it was made from: the tree and the
file sizes in both its Rock Ridge and its Joliet names, the autorun.inf at
its root, and that its menu.exe is the given program, a 32-bit Windows GUI
executable holding the form and the icon.

    test_image.py --iso DISC.ISO --content DIR --menu MENU.EXE
"""

import argparse
import configparser
import os
import subprocess
import sys
import tempfile

from pe_file import MACHINE_I386, RT_ICON_GROUP, RT_RCDATA, SUBSYSTEM_WINDOWS_GUI, PeFile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def image_tree(iso, tree):
    """{path: size or None for a folder} as xorriso lists the image."""
    options = ["-rockridge", "on"] if tree == "rockridge" else ["-rockridge", "off", "-joliet", "on"]
    listing = subprocess.run(["xorriso", "-no_rc", *options, "-indev", iso, "-find", "/", "-exec", "lsdl"],
                             capture_output=True, text=True, check=True, stdin=subprocess.DEVNULL).stdout
    found = {}
    for line in listing.splitlines():
        if not line.endswith("'") or "'" not in line:
            continue
        fields, path = line[:line.index("'")].split(), line[line.index("'") + 1:-1].replace("'\\''", "'")
        if path == "/":
            continue
        found[path] = None if line.startswith("d") else int(fields[4])
    return found


def content_tree(content, menu):
    expected = {}
    for top, dirs, files in os.walk(content):
        for name in dirs:
            expected["/" + os.path.relpath(os.path.join(top, name), content)] = None
        for name in files:
            path = os.path.join(top, name)
            expected["/" + os.path.relpath(path, content)] = os.path.getsize(path)
    expected["/menu.exe"] = os.path.getsize(menu)
    expected.pop("/autorun.inf", None)
    return expected


def extract(iso, path, into):
    target = os.path.join(into, os.path.basename(path))
    subprocess.run(["xorriso", "-no_rc", "-osirrox", "on", "-indev", iso, "-extract", path, target],
                   capture_output=True, check=True, stdin=subprocess.DEVNULL)
    with open(target, "rb") as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--iso", required=True)
    parser.add_argument("--content", required=True)
    parser.add_argument("--menu", required=True)
    args = parser.parse_args()

    expected = content_tree(args.content, args.menu)
    for tree in ("rockridge", "joliet"):
        found = image_tree(args.iso, tree)
        autorun_size = found.pop("/autorun.inf", None)
        check(autorun_size, f"{tree}: no autorun.inf at the root")
        for path in sorted(expected.keys() - found.keys()):
            failures.append(f"{tree}: {path} is missing from the image")
        for path in sorted(found.keys() - expected.keys()):
            failures.append(f"{tree}: {path} is in the image but not in the content")
        for path in sorted(expected.keys() & found.keys()):
            check(expected[path] == found[path], f"{tree}: {path} has size {found[path]}, not {expected[path]}")

    with tempfile.TemporaryDirectory() as scratch:
        inf_bytes = extract(args.iso, "/autorun.inf", scratch)
        menu_bytes = extract(args.iso, "/menu.exe", scratch)

    check(inf_bytes.isascii(), "autorun.inf is not ASCII")
    check(b"\r\n" in inf_bytes and b"\n" not in inf_bytes.replace(b"\r\n", b""), "autorun.inf lines do not end in CR LF")
    inf = configparser.ConfigParser()
    inf.read_string(inf_bytes.decode("ascii"))
    check(inf.has_section("autorun"), "autorun.inf has no [autorun] section")
    if inf.has_section("autorun"):
        section = inf["autorun"]
        check(section.get("open") == "menu.exe", f"autorun.inf: open={section.get('open')}")
        check(section.get("icon") == "menu.exe,0", f"autorun.inf: icon={section.get('icon')}")
        check(bool(section.get("label")), "autorun.inf: no label")

    with open(args.menu, "rb") as f:
        check(menu_bytes == f.read(), "the image's menu.exe is not the built program")
    pe = PeFile(menu_bytes)
    check(pe.magic == 0x10B and pe.machine == MACHINE_I386, "menu.exe is not a 32-bit x86 (PE32) program")
    check(pe.subsystem == SUBSYSTEM_WINDOWS_GUI, f"menu.exe has subsystem {pe.subsystem}, not Windows GUI")
    resources = pe.resources()
    check("TAUTOFORM" in resources.get(RT_RCDATA, []), f"menu.exe holds no RCDATA TAUTOFORM: {resources}")
    check("MAINICON" in resources.get(RT_ICON_GROUP, []), f"menu.exe holds no icon group MAINICON: {resources}")

    for failure in failures:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print(f"{args.iso}: {len(expected) + 1} entries checked in both name trees; autorun.inf and menu.exe as built")


if __name__ == "__main__":
    main()

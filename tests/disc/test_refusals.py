#!/usr/bin/python3
"""The image is refused, with a message naming each fault and no image
written, for a content folder that lacks a setup folder or program, or that
holds a name Joliet would change.

    test_refusals.py MAKE_IMAGE

A complete content folder holds the setup folders of setup-folders.txt
beside MAKE_IMAGE, each with its Setup.exe.
"""

import os
import shutil
import subprocess
import sys
import tempfile

# (case, how to spoil a complete content folder, the lines the refusal must print)
CASES = [
    ("missing folder", lambda c: os.rename(f"{c}/KVPos", f"{c}/kvpos-old"),
     ["KVPos: the setup folder is missing"]),
    ("missing program", lambda c: os.remove(f"{c}/MSDE/Setup.exe"),
     ["MSDE/Setup.exe: the setup program is missing"]),
    ("name too long", lambda c: open(f"{c}/KVServer/{'说明' * 33}.txt", "w").close(),
     [f"KVServer/{'说明' * 33}.txt: the name is longer than Joliet's 64 characters"]),
    ("forbidden characters", lambda c: open(f"{c}/KVClient/read?me;1.txt", "w").close(),
     ["KVClient/read?me;1.txt: Joliet cannot hold the characters ';' '?'"]),
    ("path too long", lambda c: os.makedirs(f"{c}/KVPos/{'a' * 60}/{'b' * 60}"),
     [f"KVPos/{'a' * 60}/{'b' * 60}: the path is longer than Joliet's 120 characters"]),
    ("not UTF-8", lambda c: open(os.path.join(os.fsencode(c), b"KVPos", b"\xb0\xb2.txt"), "w").close(),
     ["the name is not valid UTF-8"]),
    ("symbolic link", lambda c: (shutil.move(f"{c}/KVServer", f"{c}/../real-{os.path.basename(c)}"),
                                 os.symlink(f"../real-{os.path.basename(c)}", f"{c}/KVServer")),
     ["KVServer: a symbolic link; put the file or folder itself there"]),
    ("names differing in case", lambda c: open(f"{c}/KVPos/setup.exe", "w").close(),
     ["KVPos/setup.exe: differs from KVPos/Setup.exe only in case, and Windows sees one name"]),
    ("two faults at once", lambda c: (os.remove(f"{c}/KVServer/Setup.exe"), shutil.rmtree(f"{c}/KVClient")),
     ["KVServer/Setup.exe: the setup program is missing", "KVClient: the setup folder is missing"]),
]


def read_setup_folders(path):
    """The folder names the list at path holds: one a line, # lines are comments."""
    with open(path, encoding="utf-8") as f:
        names = [line.rstrip("\r\n") for line in f]
    return [name for name in names if name and not name.startswith("#")]


def complete_content(root, folders):
    for folder in folders:
        os.makedirs(f"{root}/{folder}")
        with open(f"{root}/{folder}/Setup.exe", "w") as f:
            f.write("stand-in")


def run(make_image, content, out, menu):
    return subprocess.run([sys.executable, make_image, "--menu", menu, "--content", content,
                           "--label", "Test", "--volume-id", "TEST", "--out", out],
                          capture_output=True, text=True)


def main():
    make_image = sys.argv[1]
    folders = read_setup_folders(os.path.join(os.path.dirname(os.path.abspath(make_image)), "setup-folders.txt"))
    failures = []
    if not folders:
        failures.append("setup-folders.txt lists no setup folders")
    with tempfile.TemporaryDirectory() as scratch:
        menu = f"{scratch}/menu.exe"
        with open(menu, "w") as f:
            f.write("menu")
        good = f"{scratch}/good"
        complete_content(good, folders)
        result = run(make_image, good, f"{scratch}/good.iso", menu)
        if result.returncode != 0 or not os.path.exists(f"{scratch}/good.iso"):
            failures.append(f"a complete content folder was refused: {result.stderr}")
        # Each listed folder is one the image cannot go without.
        missing = [(f"missing {folder}", lambda c, folder=folder: shutil.rmtree(f"{c}/{folder}"),
                    [f"{folder}: the setup folder is missing"]) for folder in folders]
        for index, (case, spoil, lines) in enumerate(CASES + missing):
            content = f"{scratch}/case{index}"
            complete_content(content, folders)
            spoil(content)
            out = f"{scratch}/case{index}.iso"
            result = run(make_image, content, out, menu)
            if result.returncode == 0:
                failures.append(f"{case}: the image was made")
            if os.path.exists(out):
                failures.append(f"{case}: an image file was left behind")
            for line in lines:
                if f"  {line}" not in result.stderr.splitlines() and line not in result.stderr:
                    failures.append(f"{case}: the refusal does not say {line!r}:\n{result.stderr}")
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Makes the disc image: an ISO 9660 image with Joliet and Rock Ridge names
holding the menu as menu.exe, an autorun.inf that starts it, and the setup
folders of a content folder beside them.

    make-image.py --menu MENU.EXE --content DIR --label LABEL --volume-id ID --out DISC.ISO

The content folder must hold the eight setup folders that setup-folders.txt
beside this script lists, each with its Setup.exe, and only names that the
image keeps as they are: Windows reads a disc's Joliet names, which hold at
most 64 characters, a path of at most 120, and none of the characters
* / : ; ? \\ or control characters. Anything else (symbolic links, which
Joliet cannot hold, and two names that differ only in case, which Windows
sees as one, included) is refused with a message naming each fault, and no
image is written.
A menu.exe or autorun.inf at the content's root, in any case, is replaced
by the build's.
"""

import argparse
import os
import subprocess
import sys
import tempfile

SETUP_FOLDERS_LIST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "setup-folders.txt")
REPLACED_AT_ROOT = {"menu.exe", "autorun.inf"}
JOLIET_NAME_LIMIT = 64    # UTF-16 units in one name
JOLIET_PATH_LIMIT = 120   # UTF-16 units in a whole path
JOLIET_FORBIDDEN = set('*/:;?\\')


def utf16_units(text):
    return len(text.encode("utf-16-le")) // 2


def read_setup_folders(path):
    """The folder names the list at path holds: one a line, # lines are comments."""
    with open(path, encoding="utf-8") as f:
        names = [line.rstrip("\r\n") for line in f]
    return [name for name in names if name and not name.startswith("#")]


def name_faults(relative):
    """What keeps the path relative (below the content folder) from
    standing in the image as it is."""
    try:
        text = os.fsdecode(relative).encode("utf-8", "strict").decode("utf-8")
    except UnicodeError:
        return [f"{os.fsdecode(relative)!r}: the name is not valid UTF-8"]
    faults = []
    name = os.path.basename(text)
    if utf16_units(name) > JOLIET_NAME_LIMIT:
        faults.append(f"{text}: the name is longer than Joliet's {JOLIET_NAME_LIMIT} characters")
    bad = sorted({c for c in name if c in JOLIET_FORBIDDEN or ord(c) < 32})
    if bad:
        shown = " ".join(repr(c) for c in bad)
        faults.append(f"{text}: Joliet cannot hold the characters {shown}")
    if utf16_units("/" + text) > JOLIET_PATH_LIMIT:
        faults.append(f"{text}: the path is longer than Joliet's {JOLIET_PATH_LIMIT} characters")
    return faults


def content_faults(content, setup_folders):
    faults = []
    for folder in setup_folders:
        setup = os.path.join(content, folder, "Setup.exe")
        if not os.path.isdir(os.path.join(content, folder)):
            faults.append(f"{folder}: the setup folder is missing")
        elif not os.path.isfile(setup):
            faults.append(f"{folder}/Setup.exe: the setup program is missing")
    for top, dirs, files in os.walk(os.fsencode(content)):
        seen = {}
        for entry in sorted(dirs + files):
            path = os.path.join(top, entry)
            relative = os.path.relpath(path, os.fsencode(content))
            shown = os.fsdecode(relative)
            faults.extend(name_faults(relative))
            if os.path.islink(path):
                # Joliet cannot hold a link: Windows would not see it at all.
                faults.append(f"{shown}: a symbolic link; put the file or folder itself there")
            folded = os.fsdecode(entry).casefold()
            if folded in seen:
                faults.append(f"{shown}: differs from {seen[folded]} only in case, and Windows sees one name")
            seen[folded] = shown
    return faults


def autorun(label):
    # Windows reads autorun.inf in the ANSI code page: keep it ASCII.
    return f"[autorun]\r\nopen=menu.exe\r\nicon=menu.exe,0\r\nlabel={label}\r\n"


VOLUME_ID_LIMIT = 16  # Joliet's volume identifier


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--menu", required=True)
    parser.add_argument("--content", required=True)
    parser.add_argument("--label", required=True, help="the drive's name in Explorer (autorun.inf)")
    parser.add_argument("--volume-id", required=True, help="the volume identifier, at most 16 of A-Z 0-9 _")
    parser.add_argument("--out", required=True)
    parser.add_argument("--date", type=int, default=0,
                        help="seconds since 1970: the time of the volume and of every file in it")
    args = parser.parse_args()

    if not args.label.isascii() or not args.label.isprintable():
        sys.exit(f"make-image: the label {args.label!r} must be printable ASCII")
    volid = args.volume_id
    if not volid or len(volid) > VOLUME_ID_LIMIT or not all(c in "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_" for c in volid):
        sys.exit(f"make-image: the volume identifier {volid!r} must be 1 to 16 of A-Z, 0-9 and _")
    if not os.path.isdir(args.content):
        sys.exit(f"make-image: the content folder {args.content} does not exist")
    try:
        setup_folders = read_setup_folders(SETUP_FOLDERS_LIST)
    except OSError as error:
        sys.exit(f"make-image: the list of setup folders cannot be read: {error}")
    if not setup_folders:
        sys.exit(f"make-image: {SETUP_FOLDERS_LIST} lists no setup folders")
    faults = content_faults(args.content, setup_folders)
    if faults:
        print(f"make-image: the content folder {args.content} cannot go on the disc:", file=sys.stderr)
        for fault in faults:
            print(f"  {fault}", file=sys.stderr)
        sys.exit(1)

    if os.path.exists(args.out):
        os.remove(args.out)
    with tempfile.TemporaryDirectory() as scratch:
        inf = os.path.join(scratch, "autorun.inf")
        with open(inf, "w", encoding="ascii", newline="") as f:
            f.write(autorun(args.label))
        command = ["xorriso", "-no_rc", "-report_about", "WARNING", "-outdev", args.out,
                   "-joliet", "on", "-rockridge", "on", "-volid", volid,
                   "-map", args.content, "/"]
        for name in sorted(n for n in os.listdir(args.content) if n.lower() in REPLACED_AT_ROOT):
            command += ["-rm_r", "/" + name, "--"]
        command += ["-map", args.menu, "/menu.exe", "-map", inf, "/autorun.inf",
                    "-volume_date", "all_file_dates", f"={args.date}", "-commit"]
        # SOURCE_DATE_EPOCH gives the volume's own dates and its identifier;
        # the option above the files' dates, whatever they are on disk. The
        # ISO 9660 and Joliet directories are sorted by name.
        environment = dict(os.environ, SOURCE_DATE_EPOCH=str(args.date))
        result = subprocess.run(command, stdin=subprocess.DEVNULL, env=environment)
        if result.returncode != 0:
            if os.path.exists(args.out):
                os.remove(args.out)
            sys.exit(f"make-image: xorriso failed ({result.returncode})")


if __name__ == "__main__":
    main()

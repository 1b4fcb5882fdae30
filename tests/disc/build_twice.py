"""Builds the same sources twice, in two build folders of different paths,
and checks that the files named come out byte for byte the same.

    build_twice.py --source DIR --work DIR --target TARGET --file PATH... -- CMAKE_ARGS...

Each PATH is relative to the build folder. Prints one line per file and a
closing "N passed, M failed"; the exit code is 1 if any file differs.
"""

import argparse
import os
import shutil
import subprocess
import sys


def build(source, folder, target, cmake_args):
    for command in (["cmake", "-S", source, "-B", folder, "-G", "Ninja", *cmake_args],
                    ["cmake", "--build", folder, "--target", target]):
        result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"build_twice: {' '.join(command)} failed:\n{result.stdout}{result.stderr}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--target", required=True)
    parser.add_argument("--file", action="append", required=True)
    parser.add_argument("cmake_args", nargs="*")
    args = parser.parse_args()

    shutil.rmtree(args.work, ignore_errors=True)
    # Two folders whose paths differ in length too.
    folders = [os.path.join(args.work, "a"), os.path.join(args.work, "second", "build folder")]
    for folder in folders:
        build(args.source, folder, args.target, args.cmake_args)
    passed = failed = 0
    for name in args.file:
        with open(os.path.join(folders[0], name), "rb") as a, open(os.path.join(folders[1], name), "rb") as b:
            first, second = a.read(), b.read()
        if first == second:
            passed += 1
            print(f"ok - {name}: {len(first)} bytes, the same in both builds")
        else:
            failed += 1
            at = next((i for i, (x, y) in enumerate(zip(first, second)) if x != y), min(len(first), len(second)))
            print(f"FAIL - {name} differs between the builds, first at byte {at}")
    print(f"{passed} passed, {failed} failed")
    shutil.rmtree(args.work, ignore_errors=True)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()

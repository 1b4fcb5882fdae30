#!/usr/bin/env bash
# check-imports.sh EXE ALLOWED_LIST
#
# Reads the import table of the 32-bit Windows program EXE (objdump) and
# checks that it starts on Windows XP and loads only system DLLs: every DLL
# is one of kernel32, user32, gdi32, shell32, advapi32, comctl32 and msvcrt,
# every imported function is in ALLOWED_LIST (the functions known to exist
# on Windows XP), the GUI subsystem version is 5.01 and ASLR and DEP are on.
# Prints one line per check and "N passed, M failed".
set -euo pipefail
exe=$1 allowed=$2
headers=$(i686-w64-mingw32-objdump -p "$exe")

passed=0 failed=0
check() {  # check NAME CONDITION-STATUS [DETAIL]
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "ok - $1"
  else failed=$((failed + 1)); echo "FAIL - $1${3:+: $3}"; fi
}

# "dll function" per import, DLL names in lower case.
imports=$(awk -F'\t' '
  /DLL Name:/ { split($2, Name, ": "); dll = tolower(Name[2]); next }
  dll && NF >= 3 && $2 ~ /^[0-9a-f]+$/ { n = split($3, Field, " +"); print dll " " Field[n] }
  /^$/ { }' <<<"$headers" | sort -u)

dlls=$(cut -d' ' -f1 <<<"$imports" | sort -u)
foreign=$(grep -vxE 'kernel32\.dll|user32\.dll|gdi32\.dll|shell32\.dll|advapi32\.dll|comctl32\.dll|msvcrt\.dll' <<<"$dlls" || true)
check "imports only system DLLs ($(tr '\n' ' ' <<<"$dlls"))" "$([ -z "$foreign" ]; echo $?)" "$foreign"

unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | sort -u))
check "imports only functions Windows XP has ($(wc -l <<<"$imports") imports)" "$([ -z "$unknown" ]; echo $?)" \
  "$(tr '\n' ',' <<<"$unknown")"

subsystem=$(awk '/MajorSubsystemVersion/ {major = $2} /MinorSubsystemVersion/ {minor = $2} END {print major "." minor}' <<<"$headers")
check "GUI subsystem version 5.01 (got $subsystem)" "$([ "$subsystem" = 5.1 ] && grep -q 'Windows GUI' <<<"$headers"; echo $?)"
check "ASLR and DEP" "$(grep -q DYNAMIC_BASE <<<"$headers" && grep -q NX_COMPAT <<<"$headers"; echo $?)"

echo "imports: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

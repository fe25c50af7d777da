#!/usr/bin/env bash
# The checks of the built modules, run as ctest tests (label "checks") in each build folder:
#
#   checks.sh runtime-imports TRIPLE DLL...          every module imports the shared GCC runtime
#   checks.sh system-imports TRIPLE ALLOWED DLL...   system imports are among ALLOWED's lines
#   checks.sh headers-alone TRIPLE INSTALL CHARSET   each installed header compiles on its own
#   checks.sh exports TRIPLE INSTALL EXPORTS JOURNAL the DLLs export what their headers declare
set -euo pipefail

fail() { printf '%s\n' "$*" >&2; failed=1; }
failed=0

# The functions a module imports from the system's DLLs, one "dll!function" a line (the DLL's
# name in lower case); the GCC runtime and the project's own DLLs are left out.
system_imports() { # triple module
  "$1-objdump" -p "$2" | awk '
    /^\tDLL Name:/ { dll = tolower($3); next }
    /^\t[0-9a-f]+\t/ && dll != "" { print dll "!" $NF }' |
    grep -viE '^(libgcc|libstdc|libwinpthread|vxframework|vexelcore)' | sort -u
}

# The names a DLL exports, demangled and cut to the class or function they belong to
# ("vtable for vxLayout" and "vxLayout::Add(...)" are both vxLayout), each once.
exported_names() { # triple dll
  "$1-objdump" -p "$2" | awk '/\[Ordinal\/Name Pointer\] Table/ { t = 1; next }
                             t && NF == 0 { exit }
                             t { print $NF }' | "$1-c++filt" -n |
    sed -E 's/^(typeinfo name|typeinfo|vtable) for //; s/@[0-9]+$//;
            s/^([A-Za-z_][A-Za-z0-9_]*).*/\1/' | sort -u
}

what=$1 triple=$2
shift 2
case "$what" in
  runtime-imports)
    # An exception thrown in one DLL and caught in another needs a single unwinder.
    libgcc=libgcc_s_seh-1.dll
    [ "$triple" = i686-w64-mingw32 ] && libgcc=libgcc_s_dw2-1.dll
    for module in "$@"; do
      imports=$("$triple-objdump" -p "$module")
      for dll in "$libgcc" libstdc++-6.dll; do
        grep -qiF "DLL Name: $dll" <<<"$imports" || fail "${module##*/} does not import $dll"
      done
    done
    ;;
  system-imports)
    # The DLLs load on Windows 7: anything newer is loaded at run time.
    allowed=$(grep -v '^#' "$1")
    shift
    for module in "$@"; do
      while read -r name; do
        grep -qxF "$name" <<<"$allowed" || fail "${module##*/} imports $name, which is not listed as a Windows 7 function"
      done < <(system_imports "$triple" "$module")
    done
    ;;
  headers-alone)
    # As the first thing a host includes.
    sdk=$1 charset=$2
    flags=()
    [ "$charset" = unicode ] && flags=(-DUNICODE -D_UNICODE)
    for header in "$sdk"/include/VexelControl/*.h "$sdk"/include/vxframework/*.h "$sdk"/include/vexelcore.h; do
      echo "#include \"$header\"" | "$triple-g++-posix" -std=c++17 -fsyntax-only -Wall -Wextra -Werror \
        -Wno-unused-parameter ${flags[@]+"${flags[@]}"} -I"$sdk/include" -I"$sdk/include/vxframework" \
        -I"$sdk/include/VexelControl" -x c++ - || fail "${header#$sdk/} does not compile on its own ($charset)"
    done
    ;;
  exports)
    # The controls' DLL exports the names of its list and nothing else; the framework and the
    # skin engine export only names their installed headers declare, the engine also the
    # journal and test switches of its tests' own header (JOURNAL, not installed).
    sdk=$1 list=$2 journal=$3
    for dll in "$sdk"/bin/VexelControl*.dll; do
      while read -r name; do
        grep -qxF "$name" <(grep -v '^#' "$list") || fail "${dll##*/} exports $name, which is not on its list"
      done < <(exported_names "$triple" "$dll")
    done
    for dll in "$sdk"/bin/vxframework*.dll; do
      while read -r name; do
        grep -qwF "$name" "$sdk"/include/vxframework/*.h || fail "${dll##*/} exports $name, which no installed header declares"
      done < <(exported_names "$triple" "$dll")
    done
    while read -r name; do
      grep -qwF "$name" "$sdk/include/vexelcore.h" "$journal" ||
        fail "vexelcore.dll exports $name, which neither vexelcore.h nor ${journal##*/} declares"
    done < <(exported_names "$triple" "$sdk/bin/vexelcore.dll")
    ;;
  *)
    sed -n '2,/^set -e/{/^#/p}' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
exit "$failed"

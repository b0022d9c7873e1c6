#!/usr/bin/env bash
# Builds the Debian package, checks its desktop entry and metainfo, lints it, checks that its
# programs are built hardened, unpacks it into a temporary root and starts the installed
# program there from a fresh home that holds only the operator's own rates: the window opens,
# 100 euros are converted to leke, and Ctrl+Q ends it with the store written, the user's data
# folder prepared and the operator's rates kept.
set -euo pipefail
source "$2/tests/e2e/lib.sh"
e2e_init "$1" "$2" "$3"

(cd "$E2E_BIN" && cpack -G DEB -B "$E2E_TMP/out" >"$E2E_TMP/cpack.log" 2>&1) ||
    e2e_fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/out/vemox_*.deb)
root="$E2E_TMP/root"
dpkg -x "$deb" "$root"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || e2e_fail "no Qt in Depends: $(dpkg-deb -f "$deb" Depends)"
desktop-file-validate "$root/usr/share/applications/vemox.desktop" || e2e_fail "desktop entry not valid"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$E2E_TMP/appstream.log" ||
    e2e_fail "metainfo not valid: $(cat "$E2E_TMP/appstream.log")"
lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
    e2e_fail "lintian: $(cat "$E2E_TMP/lintian.log")"

# Debian's hardening, read from each installed program's ELF file.
for exe in vemox vemox-ratesfeed; do
    elf=$(readelf -dlW --dyn-syms "$root/usr/bin/$exe")
    for mark in 'PIE:FLAGS_1.*PIE' 'RELRO:GNU_RELRO' 'BIND_NOW:FLAGS_1.*NOW' \
        'the stack protector: __stack_chk_fail@' '_FORTIFY_SOURCE: __[a-z0-9_]+_chk@'; do
        grep -qE "${mark#*:}" <<<"$elf" || e2e_fail "$exe is built without ${mark%%:*}"
    done
done
# Stack clash protection leaves no trace in an ELF file, and Debian 12's C start files carry no
# control-flow marker, so the linker drops it from every program: both are read in the build.
commands=$(grep '"command"' "$E2E_BIN/compile_commands.json")
[ -n "$commands" ] && ! grep -v -- -fstack-clash-protection <<<"$commands" ||
    e2e_fail "compiled without -fstack-clash-protection"
if [ "$(uname -m)" = x86_64 ]; then
    # The objects of today's build graph, not those a renamed source left behind.
    objects=$(ninja -C "$E2E_BIN" -t targets all | sed -n 's/^\(\(src\|tools\)\/[^:]*\.o\): .*/\1/p')
    [ -n "$objects" ] || e2e_fail "no objects of the programs found in the build"
    for obj in $objects; do
        grep -q 'x86 feature: IBT, SHSTK' <<<"$(readelf -nW "$E2E_BIN/$obj")" ||
            e2e_fail "$obj is compiled without -fcf-protection"
    done
fi

e2e_start_display
export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME/elsewhere" "$XDG_RUNTIME_DIR" "$HOME/.local/share/vemox" && chmod 700 "$XDG_RUNTIME_DIR"
# The operator's own rates are already there: the first start must keep them.
sed '1s/<KRTDATE>[^<]*/<KRTDATE>the operator'"'"'s own/' "$root/usr/share/vemox/currency.dat" >"$HOME/.local/share/vemox/currency.dat"
cp "$HOME/.local/share/vemox/currency.dat" "$E2E_TMP/own.dat"
cd "$HOME/elsewhere"
E2E_EXE="$root/usr/bin/vemox"
E2E_WORK="$HOME/elsewhere"
e2e_start_program
data="$HOME/.local/share/vemox"
cmp -s "$data/currency.dat" "$E2E_TMP/own.dat" || e2e_fail "the operator's currency.dat was not kept"
[ -f "$data/dll/ZYM_VEMOX.dll" ] && [ -f "$data/help/CALCHELP.html" ] || e2e_fail "library or help not prepared"

e2e_convert_europe 100
e2e_screenshot package-installed
e2e_save_log "$HOME/elsewhere/installed"
grep -q 'Converts to 9,677.49 Leke (ALL)' "$HOME/elsewhere/installed.tlg" || e2e_fail "no conversion in the saved log"
e2e_close
grep -qi 'VEMOX\\Ct\]' "$HOME/.config/vemox/registry.reg" || e2e_fail "the store was not written on close"
echo "package: ok, $(basename "$deb"), screenshot $E2E_BIN/package-installed.png"

#!/usr/bin/env bash
# Creates the Wine prefix the programs and tests run in, then applies the project's settings
# (tools/wine-prefix.reg). Call through tools/wine-env.sh.
#   tools/wine-prefix.sh             make the prefix afresh
#   tools/wine-prefix.sh --settings  apply the settings to the prefix as it is
#   tools/wine-prefix.sh --stamp     print the fingerprint of the settings as they are now
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
reg="$here/wine-prefix.reg"
if [ "${1:-}" = --stamp ]; then
  sha256sum "$reg" | cut -d' ' -f1
  exit 0
fi
: "${WINEPREFIX:?}"
export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8

# The fingerprint of the settings a prefix holds, kept in the prefix: a changed .reg file is
# applied again to a prefix made before it.
tenmark_settings_stamp() { sha256sum "$reg" | cut -d' ' -f1; }

apply_settings() {
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
  # regedit says nothing when it fails. Without the font replacements the dialogs are drawn
  # with a wider substitute that cuts their labels, so that one is checked.
  local wanted expected value
  wanted=$(iconv -f UTF-16LE -t UTF-8 "$reg" | tr -d '\r' |
    sed -n '/^\[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements\]/,/^\[/p' | grep '^"' || true)
  # Through a file, not a pipe: Wine services this call starts would hold a pipe open.
  local answer="$WINEPREFIX/.tenmark-query"
  wine reg query 'HKCU\Software\Wine\Fonts\Replacements' </dev/null >"$answer" 2>/dev/null || true
  value=$(iconv -f CP932 -t UTF-8 "$answer" | tr -d '\r')
  rm -f "$answer"
  while IFS= read -r expected; do
    [ -n "$expected" ] || continue
    local name="${expected%%\"=*}" font="${expected#*\"=\"}"
    name="${name#\"}" font="${font%\"}"
    if ! grep -qF "    $name    REG_SZ    $font" <<<"$value"; then
      echo "wine-prefix: the font replacement $name -> $font did not reach the prefix $WINEPREFIX" >&2
      return 1
    fi
  done <<<"$wanted"
  tenmark_settings_stamp >"$WINEPREFIX/.tenmark-settings"
}

if [ "${1:-}" = --settings ]; then
  apply_settings
  exit 0
fi

rm -rf "$WINEPREFIX"
# Japanese locale while the prefix is made, or its fonts and code pages come out wrong.
wine wineboot -i </dev/null >/dev/null 2>&1
wineserver -w
# The prefix is made: a failed import below only has its settings applied again next time.
touch "$WINEPREFIX/.tenmark-ready"
apply_settings
wineserver -w

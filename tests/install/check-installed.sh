#!/usr/bin/env bash
# The installed program as an ordinary user meets it: installed into a prefix
# the user cannot write to, started offscreen with an empty home and cache.
# It must come up without a message, write compiled.dict into the cache, read
# it at the next start without rebuilding, and rebuild once default.dict is
# newer. Run as root, the program runs as the user "nobody" (root could write
# anywhere); run as anyone else, the prefix is made read-only instead.
# Usage: check-installed.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
chmod 755 "$root"
prefix=$root/prefix
home=$root/home
cache=$home/cache/sahdict
mkdir -p "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null

if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_user=(runuser -u nobody --)
else
  chmod -R a-w "$prefix"
  as_user=()
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the installed program, waits until its lookup window is open, ends it
# and leaves what it logged about its files in $log. With $fsize set, under
# that file size limit; $allow, a pattern for the one message then expected
# (the program is ended while that message waits to be closed).
starts=0
start() {
  starts=$((starts + 1))
  log=$root/log$starts
  : >"$log"
  # The subshell must not run this script's clean-up when it is ended.
  (
    trap - EXIT
    [ -z "${fsize:-}" ] || ulimit -f "$fsize"
    exec "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CACHE_HOME="$home/cache" \
      XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
      QT_LOGGING_RULES='sahdict.files.info=true' "$prefix/bin/sahdict"
  ) >"$log" 2>&1 &
  local pid=$! waited=0
  until grep -q "lookup window open" "$log" || { [ -n "${allow:-}" ] && grep -q "files: message: " "$log"; }; do
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended before its window opened"; }
    [ $waited -lt 600 ] || { kill "$pid"; cat "$log" >&2; fail "no lookup window after 60 s"; }
    sleep 0.1
    waited=$((waited + 1))
  done
  kill "$pid"
  wait "$pid" || true
  if [ "$(grep -c "files: message: " "$log")" != "$([ -n "${allow:-}" ] && echo 1 || echo 0)" ] ||
    { [ -n "${allow:-}" ] && ! grep -q "files: message: .*$allow" "$log"; }; then
    cat "$log" >&2
    fail "the program showed other messages than expected"
  fi
}
expect_log() {
  grep -qF -- "$1" "$log" || { cat "$log" >&2; fail "expected in the log: $1"; }
}

source=$prefix/share/sahdict/default.dict
compiled=$cache/compiled.dict

start
expect_log "rebuilt from $source into $compiled"
[ -s "$compiled" ] || fail "no compiled.dict in the cache folder"
[ ! -e "$prefix/share/sahdict/compiled.dict" ] && [ ! -e "$prefix/bin/compiled.dict" ] ||
  fail "compiled.dict written into the installed folders"
echo "first start: compiled.dict written to the cache"

before=$(stat -c '%i %Y' "$compiled")
start
expect_log "read $compiled"
grep -q "rebuilt" "$log" && fail "the second start rebuilt the dictionary"
[ "$(stat -c '%i %Y' "$compiled")" = "$before" ] || fail "the second start replaced compiled.dict"
echo "second start: compiled.dict read from the cache"

touch "$source"
start
expect_log "not used $compiled"
expect_log "rebuilt from $source into $compiled"
echo "after default.dict changed: rebuilt"

# A file size limit too small for compiled.dict: the program is not killed,
# and one message says that compiled.dict was not written.
rm -f "$compiled"
fsize=1 allow="Не удалось записать файл compiled.dict" start
[ ! -e "$compiled" ] || fail "compiled.dict written past the file size limit"
echo "file size limit: reported"

# The same program in a folder named in Windows-1251 bytes finds its dictionary.
moved=$root/$(printf '\357\360\356\343')
cp -a "$prefix" "$moved"
prefix=$moved
start
expect_log "rebuilt from"
echo "program folder named in Windows-1251: dictionary read"

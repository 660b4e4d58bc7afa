#!/usr/bin/env bash
# The exports of one dictionary read by the programs they are meant for:
# dictzip -t on every .dz file, xmllint on the XDXF, sdcv on every headword of
# every pair and on generated Sakha forms through the synonym file, and a real
# dictd server on 127.0.0.1 asked by dict for a sample of headwords.
# Usage: readers.sh TOOL DICTFILE WORKDIR [FORMS]  (FORMS: how many generated forms to look up)
# Exit 77 (skipped) when DICTFILE is absent.
set -euo pipefail
tool=$1 dict=$2 work=$3 forms=${4:-200}
[ -f "$dict" ] || { echo "no $dict: skipped"; exit 77; }
for p in sdcv dictd dict dictzip xmllint; do
  command -v "$p" >/dev/null || { echo "$p is missing: scripts/deps.sh installs it" >&2; exit 1; }
done
fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

start=$SECONDS
rc=0
"$tool" export "$dict" all "$work" --force > "$work/export.log" || rc=$?
[ $rc -le 1 ] || fail "export: exit $rc"
grep -v '^skipped: ' "$work/export.log" | while read -r file; do [ -s "$file" ] || fail "$file is empty"; done
echo "exports: $((SECONDS - start)) s"
for dz in "$work"/*/*.dz; do dictzip -t "$dz" > /dev/null || fail "dictzip -t $dz"; done
for x in "$work"/xdxf/*.xdxf; do xmllint --noout "$x" || fail "xmllint $x"; done

# sdcv reads the words from standard input, one per line, when none is given.
# Every headword of each pair, as the tool lists the entries: the Word up to
# " (", Sakha in real letters, less those the export reported as skipped.
"$tool" dump "$dict" | grep -v '^message: ' > "$work/dump.txt" || true
sed -n 's/^skipped: [^\t]*\t//p' "$work/export.log" | sort -u > "$work/skipped.txt"
export HOME="$work/home" XDG_CACHE_HOME="$work/home/cache"
mkdir -p "$HOME"
for pair in RUS-SAH RSE-SAH SAH-RUS; do
  base=$(echo "$pair" | tr 'A-Z' 'a-z')
  [ -f "$work/stardict/$base.ifo" ] || continue
  words="$work/words-$base.txt"
  awk -F'\t' -v p="$pair" '$1 == p { w = $2; i = index(w, " ("); if (i) w = substr(w, 1, i - 1); print w }' \
    "$work/dump.txt" | sort -u > "$words.raw"
  if [ "$pair" = SAH-RUS ]; then "$tool" letters - < "$words.raw" > "$words.all"; else cp "$words.raw" "$words.all"; fi
  grep -vxF -f "$work/skipped.txt" "$words.all" > "$words" || true
  book=$(sed -n 's/^bookname=//p' "$work/stardict/$base.ifo")
  sdcv -e -x -2 "$work/stardict" -u "$book" < "$words" > "$work/sdcv-$base.txt" 2>&1
  # A headword must be found as itself: the entry's word, the second "-->"
  # line after "Found", is the word asked for (not a form that leads elsewhere).
  found=$(awk '/^Found [0-9]* items, similar to / { q = $0; sub(/^Found [0-9]* items, similar to /, "", q);
                 sub(/\.$/, "", q); n = 0; next }
               /^-->/ && ++n == 2 && substr($0, 4) == q { ok++ }
               END { print ok + 0 }' "$work/sdcv-$base.txt")
  total=$(wc -l < "$words")
  echo "sdcv $pair: $found of $total headwords found"
  [ "$found" -eq "$total" ] || { grep -m5 '^Nothing similar' "$work/sdcv-$base.txt" >&2; fail "sdcv $pair"; }
done

# Generated forms of Sakha nouns reach their article through the synonym
# file: sdcv answers each with entries among which is a noun the form belongs to
# (`paradigm` gives a noun's forms; forms that are headwords are left out).
# Up to 20 forms of each of a spread of nouns.
awk -F'\t' '$1 == "SAH-RUS" && $4 == "сущ." { w = $2; i = index(w, " ("); if (i) w = substr(w, 1, i - 1); print w }' \
  "$work/dump.txt" | sort -u > "$work/nouns.txt"
step=$(( $(wc -l < "$work/nouns.txt") / ((forms + 19) / 20) + 1 ))
: > "$work/form-pairs.txt"
while IFS= read -r noun; do
  letters=$("$tool" letters "$noun")
  "$tool" paradigm "$dict" "$noun" | cut -f2 | "$tool" letters - | grep -vxF -f "$work/words-sah-rus.txt" \
    | awk -v w="$letters" 'NR % 5 == 1 && c < 20 { print w "\t" $0; c++ }' >> "$work/form-pairs.txt"
done < <(awk -v s="$step" 'NR % s == 1' "$work/nouns.txt")
sort -u -o "$work/form-pairs.txt" "$work/form-pairs.txt"
cut -f2 "$work/form-pairs.txt" | sort -u | head -n "$forms" > "$work/forms.txt"
book=$(sed -n 's/^bookname=//p' "$work/stardict/sah-rus.ifo")
sdcv -e -x -2 "$work/stardict" -u "$book" < "$work/forms.txt" > "$work/sdcv-forms.txt" 2>&1
# A form that is also a form of another word may show that word's entry:
# every lemma the model reads the form as counts.
"$tool" analyze "$dict" - < "$work/forms.txt" | cut -f2 | sed 's/ (.*//' | "$tool" letters - \
  | awk 'NR == FNR { form[FNR] = $0; next } $0 == "--" { i++; next } { print $0 "\t" form[i + 1] }' \
    "$work/forms.txt" - >> "$work/form-pairs.txt"
found=$(awk -F'\t' 'FILENAME == ARGV[1] { lemma[$2 "\t" $1] = 1; next }
                    /^Found [0-9]* items, similar to / { q = $0; sub(/^Found [0-9]* items, similar to /, "", q);
                      sub(/\.$/, "", q); n = 0; next }
                    /^-->/ && ++n % 2 == 0 && ((q "\t" substr($0, 4)) in lemma) && !(q in seen) { seen[q] = 1; ok++ }
                    END { print ok + 0 }' "$work/form-pairs.txt" "$work/sdcv-forms.txt")
total=$(wc -l < "$work/forms.txt")
echo "sdcv forms: $found of $total generated forms found under their noun"
[ "$total" -gt 0 ] && [ "$found" -eq "$total" ] || fail "sdcv forms"

# A real dictd on a free port of 127.0.0.1, stopped when the script ends.
served=$(mktemp -d)
chmod 755 "$served"
mkdir -m 1777 "$served/log"
cp "$work"/dictd/* "$served/"
chmod 644 "$served"/*.*
conf="$served/dictd.conf"
: > "$conf"
for index in "$served"/*.index; do
  db=$(basename "$index" .index)
  echo "database $db { data \"$served/$db.dict.dz\" index \"$index\" }" >> "$conf"
done
server=
stop() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$served"
}
trap stop EXIT
port=
for try in 1 2 3 4 5; do
  candidate=$((20000 + RANDOM % 30000))
  ss -ltn | grep -q ":$candidate " && continue
  timeout 300 dictd -c "$conf" -p "$candidate" --listen-to 127.0.0.1 --locale C.UTF-8 -d nodetach \
    -L "$served/log/dictd.log" > "$served/log/stderr.txt" 2>&1 &
  server=$!
  for wait in $(seq 50); do
    if ss -ltn | grep -q "127.0.0.1:$candidate "; then port=$candidate; break; fi
    sleep 0.1
  done
  [ -n "$port" ] && break
  kill "$server" 2>/dev/null || true
  server=
done
[ -n "$port" ] || fail "dictd did not start: $(cat "$served/log/dictd.log" 2>/dev/null)"
asked=0
for index in "$served"/*.index; do
  db=$(basename "$index" .index)
  # About 150 headwords spread over the index (the shown word in the fourth column when there is one).
  step=$(( $(wc -l < "$index") / 150 + 1 ))
  while IFS= read -r word; do
    out=$(timeout 20 dict -h 127.0.0.1 -p "$port" -d "$db" -- "$word" 2>&1) || fail "dict -d $db '$word': $out"
    grep -q "^From .* \[$db\]:" <<<"$out" || fail "dict -d $db '$word': $out"
    asked=$((asked + 1))
  done < <(grep -v '^00-database' "$index" | awk -F'\t' -v step="$step" 'NR % step == 1 { print (NF == 4 ? $4 : $1) }')
done
# Generated forms: the index lists them, so the server answers with their noun's article.
forms_asked=0
while IFS= read -r form; do
  out=$(timeout 20 dict -h 127.0.0.1 -p "$port" -d sah-rus -- "$form" 2>&1) || fail "dict '$form': $out"
  grep -q '^From .* \[sah-rus\]:' <<<"$out" || fail "dict '$form': $out"
  forms_asked=$((forms_asked + 1))
done < <(awk 'NR % 20 == 1' "$work/forms.txt")
echo "dictd: $asked headwords and $forms_asked generated forms answered on port $port"

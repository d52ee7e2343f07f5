#!/usr/bin/env bash
# The ledger at scale on both engines, in one table:
#   bench/scale.sh [--10m | --sizes N,N...] [--runs N] [--heavy-runs N] [--no-pg] [--no-sqlite] [--big-import N]
#                  [--reuse] [--pg-dir DIR]
# Builds a 1M-line demo ledger (and with --10m a 10M-line one) on SQLite (/tmp/ksiega_scale_N.db)
# and in a throwaway PostgreSQL cluster (scripts/pg), runs bench/scale over each and prints
# one table: for every measure our time, the bare SQL doing the same work in the same run,
# their ratio and peak memory, one column group per engine and size. The ledgers are made
# anew each time: the last measure imports --big-import lines (default 1000000) into them.
# --reuse keeps ledgers between runs: one that exists is measured as it is (its build's time
# is the one recorded beside it, N.demo) and nothing is imported into it unless --big-import
# is given after --reuse. --pg-dir uses (and keeps) the PostgreSQL cluster in DIR, starting
# one there when there is none.
# Needs the targets ksiega and scale built (ninja -C build ksiega scale).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KSIEGA_BUILD_DIR:-$root/build}
ksiega=$build/ksiega
scale=$build/bench/scale
sizes=(1000000); runs=5; heavy=3; pg=1; lite=1; big=1000000; reuse=0; pgkeep=
while [ $# -gt 0 ]; do
  case "$1" in
    --10m) sizes=(1000000 10000000) ;;
    --sizes) IFS=, read -r -a sizes <<< "$2"; shift ;;
    --runs) runs=$2; shift ;;
    --heavy-runs) heavy=$2; shift ;;
    --no-pg) pg=0 ;;
    --no-sqlite) lite=0 ;;
    --big-import) big=$2; shift ;;
    --reuse) reuse=1; big=0 ;;
    --pg-dir) pgkeep=$2; shift ;;
    *) echo "usage: bench/scale.sh [--10m | --sizes N,N...] [--runs N] [--heavy-runs N] [--no-pg] [--no-sqlite] [--big-import N] [--reuse] [--pg-dir DIR]" >&2; exit 2 ;;
  esac
  shift
done
for f in "$ksiega" "$scale"; do [ -x "$f" ] || { echo "build $f first (ninja -C build ksiega scale)" >&2; exit 1; }; done

out=$(mktemp -d /tmp/ksiega_scale.XXXXXX)
cleanup() {
  [ -n "${pgdir:-}" ] && [ -z "$pgkeep" ] && "$root/scripts/pg" stop "$pgdir"
  rm -rf "$out"
}
trap cleanup EXIT

# One ledger: build it (whole-process time and peak memory of `ksiega demo`), then measure.
measure() {   # name url lines exists record
  local name=$1 url=$2 n=$3 exists=$4 record=$5
  if [ "$reuse" = 1 ] && [ "$exists" = 1 ]; then
    echo "== $name: the ledger as it is ($record)" >&2
    cp "$record" "$out/$name.demo" 2>/dev/null || echo "0 0" > "$out/$name.demo"
  else
    echo "== $name: ksiega demo --lines $n" >&2
    /usr/bin/time -f "%e %M" -o "$out/$name.demo" "$ksiega" demo --db "$url" --force --lines "$n" >&2
    cp "$out/$name.demo" "$record"
  fi
  read -r secs kb < "$out/$name.demo"
  printf 'ksiega demo --lines %s\t%.2f\t0\tms\t%.0f\twhole process\n' "$n" "$(awk -v s="$secs" 'BEGIN { print s * 1000 }')" "$((kb / 1024))" > "$out/$name.tsv"
  echo "== $name: scale" >&2
  "$scale" "$url" --tsv --runs "$runs" --heavy-runs "$heavy" --ksiega "$ksiega" --big-import "$big" >> "$out/$name.tsv"
}

groups=()
for n in "${sizes[@]}"; do
  [ "$lite" = 1 ] || break
  label=$([ "$n" -ge 1000000 ] && echo "$((n / 1000000))M" || echo "$n")
  file=/tmp/ksiega_scale_$n.db
  measure "SQLite $label" "sqlite:$file" "$n" "$([ -f "$file" ] && echo 1 || echo 0)" "$file.demo"
  groups+=("SQLite $label")
done
if [ "$pg" = 1 ]; then
  if [ -n "$pgkeep" ]; then
    pgdir=$pgkeep
    [ -f "$pgdir/port" ] || "$root/scripts/pg" start "$pgdir" >/dev/null
  else
    pgdir=$(mktemp -d /tmp/ksiega_scale_pg.XXXXXX)
    "$root/scripts/pg" start "$pgdir" >/dev/null
  fi
  # The benchmark makes its own databases and loads them in bulk: it works as the superuser.
  url=$("$root/scripts/pg" url "$pgdir" postgres)
  for n in "${sizes[@]}"; do
    label=$([ "$n" -ge 1000000 ] && echo "$((n / 1000000))M" || echo "$n")
    db_url="${url%/postgres}/scale_$n"
    exists=$(psql -qtA "$url" -c "select count(*) from pg_database where datname = 'scale_$n'")
    [ "$exists" = 1 ] || psql -q "$url" -c "create database scale_$n" >/dev/null
    measure "PostgreSQL $label" "$db_url" "$n" "$exists" "$pgdir/scale_$n.demo"
    groups+=("PostgreSQL $label")
  done
fi

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores, median of $runs runs"
python3 - "$out" "${groups[@]}" <<'EOF'
import sys
out, groups = sys.argv[1], sys.argv[2:]
rows, order, notes = {}, [], {}
for g in groups:
    for line in open(f"{out}/{g}.tsv", encoding="utf-8"):
        name, ours, bare, unit, peak, note = (line.rstrip("\n").split("\t") + [""] * 6)[:6]
        if name not in rows:
            rows[name] = {}
            order.append(name)
        rows[name][g] = (float(ours), float(bare), unit, peak)
        if note: notes.setdefault(name, []).append(f"{g}: {note}")

def value(v, unit):
    if v <= 0: return ""
    if unit == "ms": return f"{v:.2f} ms" if v < 10 else f"{v:.1f} ms" if v < 100 else f"{v:.0f} ms"
    return f"{v:,.0f} {unit}".replace(",", " ")

head = "| measure | " + " | ".join(f"{g}: ours | bare | ratio | peak MB" for g in groups) + " |"
print(head)
print("|---|" + "---:|" * (4 * len(groups)))
for name in order:
    cells = []
    for g in groups:
        if g not in rows[name]:
            cells += ["", "", "", ""]
            continue
        ours, bare, unit, peak = rows[name][g]
        ratio = "" if ours <= 0 or bare <= 0 else f"{(ours / bare if unit == 'ms' else bare / ours):.2f}"
        cells += [value(ours, unit), value(bare, unit), ratio, peak]
    print(f"| {name} | " + " | ".join(cells) + " |")
print()
print("Notes:")
for name in order:
    for n in notes.get(name, []): print(f"- {name}, {n}")
EOF

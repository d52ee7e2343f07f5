#!/usr/bin/env bash
# Builds the benchmark ledgers and runs ledger_browse over them:
#   bench/ledger_browse.sh [LINES...]     default: 1000000 (add 10000000 for the large one)
# SQLite databases go to /tmp/ksiega_bench_N.db and are kept (made again only when missing);
# PostgreSQL runs in a throwaway cluster of scripts/pg (KSIEGA_BENCH_PG=0 skips it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KSIEGA_BUILD_DIR:-$root/build}
ksiega=$build/ksiega
bench=$build/bench/ledger_browse
sizes=("$@"); [ ${#sizes[@]} -eq 0 ] && sizes=(1000000)
runs=${KSIEGA_BENCH_RUNS:-7}

for n in "${sizes[@]}"; do
  db=/tmp/ksiega_bench_$n.db
  if [ ! -f "$db" ]; then "$ksiega" demo --db "sqlite:$db" --force --lines "$n"; fi
  "$bench" "sqlite:$db" --runs "$runs" ${KSIEGA_BENCH_SORTS:+--sorts}
done

if [ "${KSIEGA_BENCH_PG:-1}" != 0 ]; then
  dir=$(mktemp -d /tmp/ksiega_bench_pg.XXXXXX)
  "$root/scripts/pg" start "$dir" >/dev/null
  url=$("$root/scripts/pg" url "$dir" postgres)   # the demo creates its tables in the public schema
  trap '"$root/scripts/pg" stop "$dir"' EXIT
  for n in "${sizes[@]}"; do
    "$ksiega" demo --db "$url" --force --lines "$n"
    "$bench" "$url" --runs "$runs" ${KSIEGA_BENCH_SORTS:+--sorts}
  done
fi

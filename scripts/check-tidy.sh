#!/usr/bin/env bash
# check-tidy.sh [build-dir]: fails, listing the findings, when clang-tidy (.clang-tidy at the top
# of the tree) finds something in a C++ source file changed against the main branch
# (QM_TIDY_BASE to compare with another) or not yet committed. Headers are checked through the
# sources that include them. Needs the build directory's compile database and generated files.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build/test}"
base="${QM_TIDY_BASE:-main}"
if ! git rev-parse -q --verify "$base^{commit}" >/dev/null; then
  echo "check-tidy: no branch $base to compare with; nothing checked"
  exit 0
fi
mapfile -t files < <(
  { git diff --name-only --diff-filter=d "$(git merge-base HEAD "$base")" -- '*.cpp'
    git ls-files --others --exclude-standard -- '*.cpp'; } | sort -u)
if [ ${#files[@]} -eq 0 ]; then exit 0; fi
log="$dir/tidy.log"
if ! printf '%s\n' "${files[@]}" |
    xargs -P"$(nproc)" -n4 clang-tidy -p "$dir" --quiet >"$log" 2>&1; then
  grep -E '(warning|error): ' "$log" | sort -u | head -n 100
  echo "clang-tidy found problems in ${#files[@]} changed files (full log: $log)"
  exit 1
fi

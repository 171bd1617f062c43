#!/usr/bin/env bash
# Type-checks the page's modules (TypeScript over their JSDoc types, nothing
# emitted) and lints them with ESLint's recommended rules. They import the
# constants module that the page's build writes: build the page first
# (scripts/build-web.sh build-web, or make test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/web/page"
if [ ! -f "$root/build-web/page/constants.js" ]; then
    echo "check-page: no build-web/page/constants.js; build the page first" >&2
    exit 1
fi
[ -d node_modules/typescript ] || npm ci --no-audit --no-fund --silent
start=$(date +%s)
node_modules/.bin/tsc -p tsconfig.json --noEmit --checkJs
echo "check-page: tsc took $(($(date +%s) - start)) s"
start=$(date +%s)
node_modules/.bin/eslint --max-warnings 0 .
echo "check-page: eslint took $(($(date +%s) - start)) s"

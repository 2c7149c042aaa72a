#!/usr/bin/env bash
# Brings the Linguist files in translations/ up to date with the texts of the sources: new
# texts come in unfinished (translate them with Qt Linguist: `linguist translations/*.ts`),
# texts no longer in the sources go. The build turns the files into .qm itself.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
if [ -z "$lupdate" ]; then
  echo "update-translations: lupdate not found (Debian: qt6-l10n-tools, see scripts/setup.sh)" >&2
  exit 1
fi
# No line numbers in the files, so that they change only when texts do.
"$lupdate" -locations none -no-obsolete src -ts translations/*.ts

#!/usr/bin/env bash
# make_screenshots.sh -- remakes docs/veldrix-check.png, veldrix's check window after a finished check,
# and docs/report.png, the HTML report of the browser test's sample folder as chromium renders it.
#
# Usage: docs/make_screenshots.sh [BUILD_DIR]
#   BUILD_DIR is a build of the win64 preset (default build/win64, configured if it is not yet). The
#   picture is the one the end-to-end "check" run takes (inspector/tests/e2e/run_e2e.sh): a file with
#   problems checked in the window, on a private X server under Wine 64, so it shows the window as the
#   current code draws it (the file's path in it names the run's temporary folder). The PNG's
#   metadata, such as the time it was made, is stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}

[[ -f $build/build.ninja ]] || cmake --preset win64 >/dev/null
cmake --build "$build" --target veldrix veldrix_dist veldrix_e2e_driver >/dev/null
artifacts=$(mktemp -d "${TMPDIR:-/tmp}/veldrix-shots.XXXXXX")
trap 'rm -rf "$artifacts"' EXIT
VELDRIX_E2E_SCENARIOS=check inspector/tests/e2e/run_e2e.sh "$build/dist/veldrix" \
  "$build/inspector/tests/e2e/veldrix_e2e_driver.exe" "$artifacts" >"$artifacts/run.txt" ||
  { cat "$artifacts/run.txt" >&2; exit 1; }
convert "$artifacts/check-dialog.png" -strip docs/veldrix-check.png
echo "docs/veldrix-check.png"

# The HTML report: the browser test renders its sample folder's report, and keeps a picture of it.
native=build/native
[[ -f $native/build.ninja ]] || cmake --preset native >/dev/null
cmake --build "$native" --target cvnaaccr_cli >/dev/null
bash tools/tests/browser_report_test.sh "$PWD/$native/tools/cvnaaccr" "$artifacts/browser" "$PWD/samples" \
  "$PWD/data/xml-samples" "$artifacts/report.png" >"$artifacts/browser.txt" || { cat "$artifacts/browser.txt" >&2; exit 1; }
convert "$artifacts/report.png" -strip docs/report.png
echo "docs/report.png"

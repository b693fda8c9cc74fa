#!/bin/bash
# Installs what is missing, builds everything and runs the whole test suite
# headless: unit tests on Qt's offscreen platform, end-to-end tests in their own
# Xvfb displays, then everything again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
cmake --preset default
cmake --build --preset default
ctest --preset default
# The same suite again with AddressSanitizer, UndefinedBehaviorSanitizer and
# leak detection.
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

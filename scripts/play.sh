#!/bin/bash
# Installs what is missing, builds the game and its content, and starts it in
# the build's data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
cmake --build --preset default --target play

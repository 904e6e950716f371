#!/usr/bin/env bash
# Installs what is needed, builds Vantor and starts it in the contest folder
# (VANTOR_CONTEST, by default ~/vantor-contest). The log, the on/off journal and the
# settings are kept there, so running this again continues the same contest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

contest=${VANTOR_CONTEST:-$HOME/vantor-contest}
mkdir -p "$contest"
# The Help menu shows readns.txt from the contest folder.
cp -u readns.txt "$contest/readns.txt"
binary=$(pwd)/build/src/app/vantor
cd "$contest"
echo "Vantor starts in $contest"
exec "$binary"

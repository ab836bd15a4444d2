#!/bin/sh
# Rewrites the golden pictures from the current game: update.sh BUILD_DIR
# Look at every new full-size frame in BUILD_DIR/tests/golden/frames/ before
# committing the pictures under tests/golden/expected/.
set -e
build=${1:?usage: update.sh BUILD_DIR}
cmake --build "$build" -j2 --target golden_check
ZEMBRA_UPDATE_GOLDEN=1 ctest --test-dir "$build" -R '^Golden\.' -j2 --output-on-failure
echo "Now look at the frames in $build/tests/golden/frames/"

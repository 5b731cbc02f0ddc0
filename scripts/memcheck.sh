#!/usr/bin/env bash
# Runs the picture tests under valgrind's memcheck: AddressSanitizer cannot see pixels that a
# decoder left uninitialised, memcheck can. Needs the default build (./run-tests makes it).
set -euo pipefail
cd "$(dirname "$0")/../build"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
memcheck=(valgrind --error-exitcode=1 --leak-check=no --track-origins=yes)
"${memcheck[@]}" tests/picture_test
"${memcheck[@]}" tests/mainwindow_test unreadablePictureGivesANumberedBoard solvedBoardShowsThePreviewPixelForPixel

# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# What the install checks share, sourced by each: a scratch folder removed on
# exit, and `fail`, which reports a check and lets the others run on; each
# script ends with `exit $failed`.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL $*"
    failed=1
}

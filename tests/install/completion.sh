#!/usr/bin/env bash
# The completion of zantrel-cli as bash runs it: each case sets COMP_WORDS and COMP_CWORD,
# calls the function and compares COMPREPLY, sorted, with what is expected.
#   completion.sh SCRIPT
set -u
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir -p mod/proto
touch a.pro B.PRO notes.txt mod/proto/c.pro

faults=0
expect() { # expected words, then the command line with the cursor on its last word
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _zantrel_cli
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$want" ]]; then
        echo "for '$*': got '$got', want '$want'"
        faults=$((faults + 1))
    fi
}

expect "cat check diff list ls new set show text textconv" zantrel-cli ""
expect "text textconv" zantrel-cli te
expect "list ls" zantrel-cli --game /g l
expect "--game --help --version" zantrel-cli -
expect "--dry-run" zantrel-cli set -
expect "--description --from --kind --name" zantrel-cli new items --
expect "critters items misc scenery tiles walls" zantrel-cli list ""
expect "scenery" zantrel-cli --game /g new sc
expect "B.PRO a.pro mod" zantrel-cli show ""
expect "a.pro" zantrel-cli diff B.PRO a
expect "mod" zantrel-cli --game m
expect "B.PRO a.pro mod" zantrel-cli new items --from ""
expect "" zantrel-cli text a.pro --name ""
expect "mod/proto" zantrel-cli check mod/p
expect "ladder-down ladder-up" zantrel-cli new scenery --name x --kind lad
expect "" zantrel-cli new walls --kind ""

if ((faults)); then
    echo "$faults completion cases failed"
    exit 1
fi
echo "completion: every case passed"

#!/bin/bash
# Every option that `kavrel-zones --help` and `kavrel-zones SUBCOMMAND --help`
# list must be in the manual page (in the section of its subcommand) and be
# offered by the bash completion; every subcommand must be completed too.
#
# usage: check_manual_and_completion.sh KAVREL_ZONES MANUAL_PAGE COMPLETION_SCRIPT
set -u
tool="$1" manual="$2" completion="$3"
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

help_of()
{
    LC_ALL=C "$tool" ${1:+"$1"} --help
}

# The option names of a help text: the lines that start with two blanks and
# a dash, up to the two blanks before the description.
options_of()
{
    help_of "$1" | grep -E '^  -' | sed -E 's/^  //; s/  .*//' |
        grep -oE -- '(^|[ ,])--?[A-Za-z0-9][-A-Za-z0-9]*' | tr -d ' ,'
}

# The roff text of the options section of the main command or of one
# subcommand's section (".SS NAME" up to the next section).
manual_section()
{
    if [[ -z "$1" ]]; then
        sed -n '/^\.SH OPTIONS/,/^\.SH/p' "$manual"
    else
        sed -n "/^\\.SS \"\\{0,1\\}$1\"\\{0,1\\}\$/,/^\\.S[HS]/p" "$manual"
    fi
}

# What the completion offers for the words given.
complete_words()
{
    (
        # shellcheck source=/dev/null
        source "$completion"
        COMP_WORDS=("$tool" "$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        _kavrel_zones
        printf '%s\n' "${COMPREPLY[@]}"
    )
}

subcommands=$(help_of "" | sed -n 's/.*kavrel-zones \([a-z][a-z-]*\) --help.*/\1/p')
[[ -n "$subcommands" ]] || fail "kavrel-zones --help names no subcommand"
offered=$(complete_words "")
for subcommand in $subcommands; do
    grep -qxF -- "$subcommand" <<<"$offered" || fail "the completion does not offer the subcommand $subcommand"
    grep -qE "^\\.SS \"?$subcommand\"?\$" "$manual" || fail "the manual has no section .SS $subcommand"
done

for subcommand in "" $subcommands; do
    command="kavrel-zones${subcommand:+ $subcommand}"
    options=$(options_of "$subcommand")
    [[ -n "$options" ]] || fail "$command --help lists no option"
    section=$(manual_section "$subcommand")
    offered=$(complete_words ${subcommand:+"$subcommand"} -)
    for option in $options; do
        escaped=${option//-/\\-}
        grep -qF -- "$escaped" <<<"$section" ||
            fail "$command: $option is not in the manual page's section ($escaped)"
        grep -qxF -- "$option" <<<"$offered" || fail "$command: the completion does not offer $option"
    done
done

# The page must also read without complaints from man.
if command -v man >/dev/null; then
    page=$(mktemp)
    sed 's/@PROJECT_VERSION@/0/' "$manual" >"$page"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$page" 2>&1 >/dev/null)
    rm -f "$page"
    [[ -z "$warnings" ]] || fail "man warns about the page: $warnings"
fi

((failures == 0)) || exit 1
echo "manual page and completion cover every option of: kavrel-zones $subcommands"

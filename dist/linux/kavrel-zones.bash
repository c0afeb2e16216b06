# bash completion for kavrel-zones
#
# The subcommands and options are read from the tool's own --help, which it
# prints from the tables it parses its command line with, so the completion
# knows every option the installed tool has.

# The help of the tool ($1) or of one of its subcommands ($2), in English.
_kavrel_zones_help()
{
    LC_ALL=C "$1" ${2:+"$2"} --help 2>/dev/null
}

# The subcommands the main help points to ("kavrel-zones NAME --help").
_kavrel_zones_subcommands()
{
    _kavrel_zones_help "$1" | sed -n 's/.*kavrel-zones \([a-z][a-z-]*\) --help.*/\1/p'
}

# One line per option of the help text on standard input: its names (e.g.
# "-o --output"), a tab and the value it takes, empty for a switch. Option
# lines start with two blanks and a dash; two blanks end names and value.
_kavrel_zones_options()
{
    local line spec word names value
    while IFS= read -r line; do
        [[ "$line" == "  -"* ]] || continue
        spec="${line#  }"
        spec="${spec%%  *}"
        names="" value=""
        for word in ${spec//, -/ -}; do
            if [[ "$word" == -* ]]; then
                names+="${names:+ }$word"
            else
                value="$word"
            fi
        done
        printf '%s\t%s\n' "$names" "$value"
    done
}

# Completes the value of an option that takes one: word lists where the
# values are a fixed few, file names for files, nothing for numbers.
_kavrel_zones_value()
{
    local option="$1" value="$2" cur="$3"
    case "$option" in
        --diameter-unit) COMPREPLY=($(compgen -W "cm mm m" -- "$cur")); return ;;
        --design) COMPREPLY=($(compgen -W "random systematic random,systematic" -- "$cur")); return ;;
        --process) COMPREPLY=($(compgen -W "poisson thomas matern-cluster ssi matern-hardcore" -- "$cur")); return ;;
    esac
    case "$value" in
        *FILE* | *.svg | *.csv | *.json)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            ;;
        *"|"*)
            [[ "$value" =~ [A-Z] ]] || COMPREPLY=($(compgen -W "${value//|/ }" -- "$cur"))
            ;;
    esac
}

_kavrel_zones()
{
    # The tool as typed; a leading ~ is not expanded in COMP_WORDS.
    local tool="${COMP_WORDS[0]/#\~/$HOME}" cur="${COMP_WORDS[COMP_CWORD]}" prev=""
    local subcommand="" subcommands names value option
    ((COMP_CWORD > 0)) && prev="${COMP_WORDS[COMP_CWORD-1]}"
    COMPREPLY=()
    subcommands="$(_kavrel_zones_subcommands "$tool")"
    if ((COMP_CWORD > 1)) && [[ -n "${COMP_WORDS[1]}" ]] &&
        grep -qxF -- "${COMP_WORDS[1]}" <<<"$subcommands"; then
        subcommand="${COMP_WORDS[1]}"
    fi
    local table
    table="$(_kavrel_zones_help "$tool" "$subcommand" | _kavrel_zones_options)"

    # --name=VALUE is the same as --name VALUE.
    if [[ "$cur" == --*=* ]]; then
        prev="${cur%%=*}"
        cur="${cur#*=}"
    fi
    while IFS=$'\t' read -r names value; do
        for option in $names; do
            if [[ "$option" == "$prev" && -n "$value" ]]; then
                _kavrel_zones_value "$option" "$value" "$cur"
                return
            fi
        done
    done <<<"$table"

    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$(cut -f1 <<<"$table")" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
    if ((COMP_CWORD == 1)); then
        COMPREPLY+=($(compgen -W "$subcommands" -- "$cur"))
    fi
    compopt -o filenames 2>/dev/null
}
complete -F _kavrel_zones kavrel-zones

# bash completion for kavrel-zones
_kavrel_zones()
{
    local cur prev
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    case "$prev" in
        --order|--map|--select|--simulate|--seed|--grid|--threads)
            return ;;
        --diameter-unit)
            COMPREPLY=($(compgen -W "cm mm m" -- "$cur"))
            return ;;
        --svg)
            COMPREPLY=($(compgen -f -X '!*.svg' -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "--order --map --select --areas --simulate --seed --grid --diameter-unit --csv --geojson --svg --threads --help" -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames 2>/dev/null
    fi
}
complete -F _kavrel_zones kavrel-zones

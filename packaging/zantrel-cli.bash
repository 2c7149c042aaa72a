# bash completion for zantrel-cli: its commands, options and types, .pro files for file
# arguments, folders for --game and check.
# Prototype files and the folders that may hold them.
_zantrel_cli_protos() {
    COMPREPLY=($(compgen -f -X '!*.[pP][rR][oO]' -- "$cur") $(compgen -d -- "$cur"))
    compopt -o filenames 2>/dev/null
}

_zantrel_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="ls cat show set textconv diff check list text new"
    local types="items critters scenery walls tiles misc"

    case $prev in
        --game)
            COMPREPLY=($(compgen -d -- "$cur"))
            return
            ;;
        --name | --description)
            return
            ;;
    esac

    # The command: the first word that is no option and no option's value.
    local i command="" at=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --game) ((i++)) ;;
            -*) ;;
            *) command=${COMP_WORDS[i]}; at=$i; break ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--game --help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    if [[ $prev == --kind ]]; then
        # The kinds of the type that follows new; the words kept whole ("ladder-up").
        case ${COMP_WORDS[at + 1]} in
            items) COMPREPLY=($(compgen -W "armor container drug weapon ammo misc key" -- "$cur")) ;;
            scenery) COMPREPLY=($(compgen -W "door stairs elevator ladder-up ladder-down generic" -- "$cur")) ;;
        esac
        return
    fi

    local options=""
    case $command in
        show) options="--json" ;;
        set) options="--dry-run" ;;
        check) options="--json" ;;
        list) options="--json" ;;
        text) options="--name --description" ;;
        new) options="--from --kind --name --description" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
        show | set | textconv | diff | text | check)
            _zantrel_cli_protos
            ;;
        list)
            # The type comes first, right after the command.
            ((COMP_CWORD == at + 1)) && COMPREPLY=($(compgen -W "$types" -- "$cur"))
            ;;
        new)
            if ((COMP_CWORD == at + 1)); then
                COMPREPLY=($(compgen -W "$types" -- "$cur"))
            elif [[ $prev == --from ]]; then
                _zantrel_cli_protos
            fi
            ;;
    esac
}
complete -F _zantrel_cli zantrel-cli

# bash completion for weapon-editor. The words come from the program itself ("weapon-editor
# complete"): its commands with their options, the categories, and the item references of the
# game folder already typed; this script only knows which argument of a command is which.
_weapon_editor() {
    local cur prev words cword
    _init_completion || return
    local program="${words[0]}" line kind name
    local -a commands=() categories=() options=()
    local -A command_options=()
    while read -r kind name line; do
        case "$kind" in
            command) commands+=("$name"); command_options[$name]="$line" ;;
            category) categories+=("$name") ;;
            option) options+=("$name") ;;
        esac
    done < <("$program" complete 2>/dev/null)

    # The command and its arguments, the program's own options and their values left out.
    local -a args=()
    local i
    for ((i = 1; i < cword; i++)); do
        case "${words[i]}" in
            --code-page | --lang | --base | --rules | --nth | --calc | --rejects | --into | --choices) ((i++)) ;;
            -*) ;;
            *) args+=("${words[i]}") ;;
        esac
    done
    case "$prev" in
        --lang) COMPREPLY=($(compgen -W "en zh" -- "$cur")); return ;;
        --base) _filedir -d; return ;;
        --rejects | --choices) _filedir; return ;;
        --into) _filedir -d; return ;;
        --rules) _filedir lua; return ;;
        --code-page | --nth | --calc) return ;;
    esac
    local command="${args[0]:-}"
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "${options[*]} ${command_options[${command:-?}]:-} --help" -- "$cur"))
        return
    fi
    if [ ${#args[@]} -eq 0 ]; then
        COMPREPLY=($(compgen -W "${commands[*]}" -- "$cur"))
        _filedir -d
        return
    fi
    # Which argument of the command is being typed: 1 is the first after the command.
    local position=${#args[@]}
    case "$command:$position" in
        list:1 | get:1 | set:1 | check:1 | diff:1 | diff:2 | apply:1 | export:1 | import:1 | \
            columns:1 | run:1 | rules:1 | merge:1) _filedir -d ;;
        list:2 | export:2 | import:2 | columns:2) COMPREPLY=($(compgen -W "${categories[*]}" -- "$cur")) ;;
        get:2 | set:2)
            local folder="${args[1]}" IFS=$'\n'
            [[ "$folder" == "~" || "$folder" == "~/"* ]] && folder="$HOME${folder:1}"
            COMPREPLY=($("$program" complete "$folder" "$cur" 2>/dev/null))
            ;;
        apply:2 | export:3 | import:3) _filedir ;;
        merge:*) _filedir ;; # a mod: a folder or a patch file
    esac
}
complete -F _weapon_editor weapon-editor

# bash completion for tagorix. The program says what fits, from its own
# commands, options, settings and ports: tagorix --complete CWORD WORD...
# prints "files" or "words", then one word a line (see tagorix(1)).
_tagorix()
{
    local cur prev words cword
    # NAME=VALUE and --port=COM3 stay one word, as the program reads them.
    _init_completion -n =: || return

    local lines
    mapfile -t lines < <("$1" --complete "$cword" "${words[@]}" 2>/dev/null)
    # bash replaces only what follows the last = or : of the word.
    local head=${cur%"${cur##*[=:]}"}
    COMPREPLY=("${lines[@]:1}")
    [[ -n $head ]] && COMPREPLY=("${COMPREPLY[@]#"$head"}")
    if [[ ${lines[0]-} == files ]]; then
        cur=${cur#"$head"}
        _filedir
    fi
    # A setting's name waits for its value.
    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
    return 0
}
complete -F _tagorix tagorix

# Bash completion for kwpnd: its commands, their options and the values
# the options take. Installed as share/bash-completion/completions/kwpnd.

_kwpnd_render_options="-d --data -o --output --scale-mode --height --width --watermark --logo
  --picture1 --picture2 --picture3 --picture4 --back-picture --string --picture --app --grid
  --listview --webbrowser --no-print --strict -h --help"
_kwpnd_window_options="-d --data --scale-mode --height --width --watermark --logo
  --picture1 --picture2 --picture3 --picture4 --back-picture --string --picture --app --grid
  --listview --webbrowser --no-print --strict -h --help"
_kwpnd_preview_options="$_kwpnd_window_options --rulers --guides --adjusters --paging --page --screenshot"
_kwpnd_print_options="$_kwpnd_window_options"
_kwpnd_barcode_options="-o --output --height --scale-mode -h --help"
_kwpnd_stationery_options="--screenshot --allow-remote -h --help"
_kwpnd_symbologies="code39 ean13 upc11 evalbar"
# The options followed by a value of their own.
_kwpnd_value_options=" -d --data -o --output --scale-mode --height --width --watermark --logo --picture1
  --picture2 --picture3 --picture4 --back-picture --string --picture --app --grid --listview
  --webbrowser --page --screenshot "

# Files ending in one of the given extensions, and directories to walk into.
_kwpnd_files()
{
    local cur=$1 ext
    shift
    local IFS=$'\n'
    # Let bash quote the names and mark directories.
    compopt -o filenames 2>/dev/null || true
    COMPREPLY+=($(compgen -d -- "$cur"))
    for ext in "$@"; do
        COMPREPLY+=($(compgen -f -X "!*.$ext" -- "$cur"))
    done
}

_kwpnd_takes_value()
{
    [[ $_kwpnd_value_options == *[[:space:]]"$1"[[:space:]]* ]]
}

# Completes the value of OPTION.
_kwpnd_value()
{
    local command=$1 option=$2 cur=$3
    case $option in
        -d | --data) _kwpnd_files "$cur" ini INI ;;
        -o | --output)
            if [[ $command == barcode ]]; then
                _kwpnd_files "$cur" bmp png
            else
                _kwpnd_files "$cur" bmp png pdf
            fi
            ;;
        --screenshot) _kwpnd_files "$cur" png PNG ;;
        --scale-mode) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7" -- "$cur")) ;;
        --logo | --picture[1-4] | --back-picture)
            local IFS=$'\n'
            compopt -o filenames 2>/dev/null || true
            COMPREPLY=($(compgen -f -- "$cur"))
            ;;
        *) ;; # numbers and KEY=VALUE pairs: nothing to offer
    esac
}

# Bash splits "--data=FILE" at the sign into three words: join them again
# into _kwpnd_words, the word being completed at index _kwpnd_cword.
_kwpnd_join_words()
{
    local i word after_sign=0
    _kwpnd_words=()
    for ((i = 0; i <= COMP_CWORD && i < ${#COMP_WORDS[@]}; i++)); do
        word=${COMP_WORDS[i]}
        if ((i > 1)) && [[ $word == = ]]; then
            _kwpnd_words[-1]+=$word
            after_sign=1
        elif ((after_sign)); then
            _kwpnd_words[-1]+=$word
            after_sign=0
        else
            _kwpnd_words+=("$word")
        fi
    done
    # The cursor on a fresh word after the last one.
    ((COMP_CWORD >= ${#COMP_WORDS[@]})) && _kwpnd_words+=("")
    _kwpnd_cword=$((${#_kwpnd_words[@]} - 1))
}

_kwpnd()
{
    COMPREPLY=()
    _kwpnd_join_words
    local cword=$_kwpnd_cword
    local cur=${_kwpnd_words[cword]}
    local prev=${_kwpnd_words[cword - 1]}

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "render preview print barcode stationery --help --version" -- "$cur"))
        return
    fi

    local command=${_kwpnd_words[1]} options
    case $command in
        render) options=$_kwpnd_render_options ;;
        preview) options=$_kwpnd_preview_options ;;
        print) options=$_kwpnd_print_options ;;
        barcode) options=$_kwpnd_barcode_options ;;
        stationery) options=$_kwpnd_stationery_options ;;
        *) return ;;
    esac

    # --option=value: complete the value after the sign (bash replaces only
    # the part after it).
    if [[ $cur == --*=* ]]; then
        _kwpnd_value "$command" "${cur%%=*}" "${cur#*=}"
        return
    fi
    if ((cword > 2)) && _kwpnd_takes_value "$prev"; then
        _kwpnd_value "$command" "$prev" "$cur"
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # Positional words: the layout file, or barcode's symbology then data.
    local i positional=0 skip=0
    for ((i = 2; i < cword; i++)); do
        if ((skip)); then
            skip=0
        elif [[ ${_kwpnd_words[i]} == -* ]]; then
            _kwpnd_takes_value "${_kwpnd_words[i]}" && skip=1
        else
            positional=$((positional + 1))
        fi
    done
    if [[ $command == barcode ]]; then
        ((positional == 0)) && COMPREPLY=($(compgen -W "$_kwpnd_symbologies" -- "$cur"))
    elif [[ $command == stationery ]]; then
        # The stationery folder, then a page in it.
        if ((positional == 0)); then
            compopt -o filenames 2>/dev/null || true
            COMPREPLY=($(compgen -d -- "$cur"))
        elif ((positional == 1)); then
            _kwpnd_files "$cur" htm html
        fi
    elif ((positional == 0)); then
        _kwpnd_files "$cur" ini INI
    fi
}

complete -F _kwpnd kwpnd

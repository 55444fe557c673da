# bash completion for glimmet-batch
_glimmet_batch() {
    local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
    case $previous in
        -c | --compare)
            mapfile -t COMPREPLY < <(compgen -W "equal notequal greater lesser invert" -- "$current")
            return ;;
        -f | --fill)
            mapfile -t COMPREPLY < <(compgen -W "points circles squares text" -- "$current")
            return ;;
        -o | --output | --html | --report | --files-from)
            mapfile -t COMPREPLY < <(compgen -f -- "$current")
            return ;;
        -r | --region | -s | --step | -z | --zoom | -k | --key | --tolerance | -t | --text | \
        --report-limit | -j | --jobs | --shard)
            return ;;
    esac
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "-r --region -s --step -z --zoom -k --key -c --compare
            --tolerance -f --fill -t --text -o --output --html --report --report-limit -j --jobs
            --files-from -0 --null --shard --dry-run --expect-none -q --quiet -h --help --version
            --" -- "$current")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -f -- "$current")
}
complete -o filenames -F _glimmet_batch glimmet-batch

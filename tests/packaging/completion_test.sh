#!/usr/bin/env bash
# glintwick-cli's bash completion, sourced into bash as bash-completion loads it: commands,
# options, effect numbers, and files by the extension each argument takes.
set -u
cli=$(realpath "$1")
completion=$(realpath "$2")
# shellcheck source=../check.sh
source "$(dirname "$0")/../check.sh"
cd "$work" || exit 1
touch a.gwk A.GWK "my project.gwk" b.json c.js d.html e.htm f.txt
mkdir sub
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

# complete LINE: what completing LINE offers, sorted and joined by commas; | marks the cursor.
complete_line() {
  local line="glintwick-cli ${1%|}"
  read -ra COMP_WORDS <<<"$line"
  [[ $1 == *" |" || $1 == "|" ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  _glintwick_cli
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd, -
}

gwk='A.GWK,a.gwk,my project.gwk,sub'
while IFS=';' read -r line expected; do
  check "glintwick-cli $line" "$expected" "$(complete_line "$line")"
done <<EOF_CASES
|;--help,--version,check,frames,generate,import,play,preview,show,strip,svg
svg a.gwk x.svg --f|;--font-family,--font-size
g|;generate
--v|;--version
generate |;$gwk
generate a.gwk |;c.js,sub
generate a.gwk c.js |;
show |;$gwk
show a.gwk |;
import |;b.json,sub
import b.json |;$gwk
preview |;$gwk
preview a.gwk |;d.html,e.htm,sub
strip |;c.js,sub
check |;$gwk
check a.gwk |;--json
frames 1|;1,10,11
frames 1 |;
play |;$gwk
play a.gwk |;--ticks,--trace
play a.gwk --trace |;--ticks
play a.gwk --ticks |;
play a.gwk --ticks 5 |;--trace
play --t|;--ticks,--trace
play --trace |;$gwk
generate -- a.gwk |;c.js,sub
check -- |;$gwk
check a.gwk -- |;
unknown |;
EOF_CASES

# Every command the tool's usage lists is offered.
offered=",$(complete_line "|"),"
commands=$("$cli" --help | awk '$1 == "glintwick-cli" { print $2 }')
[ "$(echo "$commands" | wc -l)" -ge 9 ] || { echo "FAIL the usage lists too few commands: $commands"; exit 1; }
for command in $commands; do
  check "the completion offers $command, which the usage lists" yes \
    "$([[ $offered == *",$command,"* ]] && echo yes)"
done
# And every option the usage gives a command, after the command's other arguments.
while read -r _ command rest; do
  operands="" options=""
  for word in $rest; do
    case $word in
      \[--*) options+=" ${word#[}" ;;
      \[* | *\]) ;;
      *) operands+="x " ;;
    esac
  done
  offered=",$(complete_line "$command $operands|"),"
  for option in $options; do
    check "the completion offers ${option%]} after $command, as the usage does" yes \
      "$([[ $offered == *",${option%]},"* ]] && echo yes)"
  done
done < <("$cli" --help | awk '$1 == "glintwick-cli" && $2 !~ /^-/')

finish

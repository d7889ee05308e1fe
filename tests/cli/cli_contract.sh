#!/usr/bin/env bash
# The command-line tool's contract: outputs, messages on stderr and exit statuses.
set -u
cli=$1
examples=$2
version=$3  # the CMake project version
# shellcheck source=../check.sh
source "$(dirname "$0")/../check.sh"
# run CMD...: sets out, err and status
run() { out=$("$@" 2>"$work/err"); status=$?; err=$(cat "$work/err"); }

# The bundled example is exactly what its JSON imports to.
run "$cli" import "$examples/demo.json" "$work/demo.gwk"
check "import demo status" 0 "$status"
check "demo.gwk matches demo.json" "$(cmp -s "$work/demo.gwk" "$examples/demo.gwk" && echo same)" same

# generate: tag on stdout, file title names the script, CR LF, no line end after the start call.
run "$cli" generate "$examples/demo.gwk" "$work/my-page.js"
check "generate tag" "<SCRIPT SRC='my-page.js'></SCRIPT>" "$out"
check "generate status" 0 "$status"
check "script name from file title" 1 "$(grep -c "function my-page_start()" "$work/my-page.js")"
check "script ends with start call" "my-page_start();" "$(tail -c 16 "$work/my-page.js")"

# show round-trips through import byte for byte.
run "$cli" show "$examples/demo.gwk"
echo "$out" >"$work/shown.json"
run "$cli" import "$work/shown.json" "$work/again.gwk"
check "show/import round trip" same "$(cmp -s "$work/again.gwk" "$examples/demo.gwk" && echo same)"

# import: defaults for missing fields, refusal of characters outside the code page.
echo '{"effects":[{}]}' >"$work/defaults.json"
run "$cli" import "$work/defaults.json" "$work/defaults.gwk"
check "defaults file is 57 bytes" 57 "$(stat -c %s "$work/defaults.gwk")"
run "$cli" show "$work/defaults.gwk"
check "defaults shown" '{"finalText":"","autoStart":1,"repeat":0,"effects":[{"text":"Enter your Status Bar text here","effect":0,"speed":10,"loops":1}],"timing":{"loopSeconds":[3.52],"passSeconds":3.54,"totalSeconds":null}}' "$out"
echo '{"finalText":"ok \u4e2d"}' >"$work/bad.json"
run "$cli" import "$work/bad.json" "$work/bad.gwk"
check "unencodable status" 1 "$status"
check "unencodable names the character" 1 "$(echo "$err" | grep -c 'U+4E2D')"
check "nothing written on failure" no "$([ -e "$work/bad.gwk" ] && echo yes || echo no)"

# import is strict: an unknown key is named, not read over; a value the dialogs would refuse is
# refused with its field and range, and written as it is only with --allow-any.
long=$(printf 'x%.0s' $(seq 501))
while IFS='|' read -r json message; do
  echo "$json" >"$work/strict.json"
  rm -f "$work/strict.gwk"
  run "$cli" import "$work/strict.json" "$work/strict.gwk"
  check "strict import of $json" "1 glintwick-cli: '$work/strict.json': $message no" \
    "$status $err $([ -e "$work/strict.gwk" ] && echo yes || echo no)"
  run "$cli" import "$work/strict.json" "$work/strict.gwk" --allow-any
  case $message in
    *"no key"* | *twice | *"single value"* | *"JSON object") check "--allow-any still refuses $json" 1 "$status" ;;
    *) check "--allow-any writes $json" "0 yes" "$status $([ -e "$work/strict.gwk" ] && echo yes)" ;;
  esac
done <<EOF
{"effects":[{"loop":5}]}|effects[0].'loop' is no key of a project's JSON (text, effect, speed, loops)
{"repeats":2}|'repeats' is no key of a project's JSON (finalText, autoStart, repeat, effects, timing)
{"repeat":-1}|repeat is -1, outside 0 to 100 (--allow-any writes it all the same)
{"repeat":101}|repeat is 101, outside 0 to 100 (--allow-any writes it all the same)
{"effects":[{"loops":11}]}|effects[0].loops is 11, outside 1 to 10 (--allow-any writes it all the same)
{"effects":[{"speed":0}]}|effects[0].speed is 0, outside 1 to 20 (--allow-any writes it all the same)
{"effects":[{"text":"$long"}]}|effects[0].text's length is 501, outside 0 to 500 (--allow-any writes it all the same)
{"finalText":"${long:0:301}"}|finalText's length is 301, outside 0 to 300 (--allow-any writes it all the same)
{"repeat":1,"repeat":2}|repeat is given twice
{"effects":[{"text":"a","text":"b"}]}|effects[0].text is given twice
{"effects":[{"text":["a"]}]}|effects[0].text must be a single value, not a list or an object
[1,2]|the project must be a JSON object
EOF
echo '{"autoStart":false}' >"$work/off.json"
"$cli" import "$work/off.json" "$work/off.gwk"
check "autoStart false imports as 0" 0 "$("$cli" show "$work/off.gwk" | sed 's/.*"autoStart":\([0-9]*\).*/\1/')"
echo 'nope' >"$work/nope.json"
run "$cli" import "$work/nope.json" "$work/nope.gwk"
check "a JSON error says where, in the parser's words only" \
  "glintwick-cli: '$work/nope.json': not valid JSON: parse error at line 1, column 2: syntax error while parsing value - invalid literal; last read: 'no'" "$err"

# import: every number outside the 32-bit signed range is refused, naming the field, up to
# 2^64 - 1, which would otherwise wrap to a negative, and past 64 bits; nothing is written.
for number in 2147483648 -2147483649 9223372036854775808 18446744071562067968 18446744073709551615 \
  18446744073709551616 -9223372036854775809; do
  for field in repeat autoStart 'effects[0].loops'; do
    case $field in
      effects*) echo "{\"effects\":[{\"loops\":$number}]}" >"$work/big.json" ;;
      *) echo "{\"$field\":$number}" >"$work/big.json" ;;
    esac
    rm -f "$work/big.gwk"
    run "$cli" import "$work/big.json" "$work/big.gwk"
    check "import $field $number" "1 glintwick-cli: '$work/big.json': $field does not fit in 32 bits no" \
      "$status $err $([ -e "$work/big.gwk" ] && echo yes || echo no)"
  done
done

# import reads only a regular file: a FIFO is refused at once, not waited on.
mkfifo "$work/pipe.json"
out=$(timeout 10 "$cli" import "$work/pipe.json" "$work/piped.gwk" 2>"$work/err"); status=$?
check "import of a FIFO" "1 glintwick-cli: Access to '$work/pipe.json' was denied." "$status $(cat "$work/err")"

# Empty list refusal and load failures carry the design's messages.
echo '{"effects":[]}' >"$work/empty.json"
"$cli" import "$work/empty.json" "$work/empty.gwk"
run "$cli" generate "$work/empty.gwk" "$work/empty.js"
check "empty list message" "glintwick-cli: '$work/empty.gwk': You have not defined any effects yet." "$err"
check "empty list status" 1 "$status"
run "$cli" show "$work/missing.gwk"
check "missing file message" "glintwick-cli: '$work/missing.gwk' was not found." "$err"
head -c 20 "$examples/demo.gwk" >"$work/cut.gwk"
run "$cli" show "$work/cut.gwk"
check "truncated file message" "glintwick-cli: '$work/cut.gwk': Unexpected file format." "$err"
check "truncated file status" 1 "$status"
run "$cli" generate "$examples/demo.gwk" "$work/no/such/folder/x.js"
check "bad output folder" "glintwick-cli: '$work/no/such/folder/x.js' contains an invalid path." "$err"

# show's timing: the one-effect timeline of 10 ticks, once.
echo '{"repeat":3,"effects":[{"text":"abc","effect":0,"speed":20,"loops":2}]}' >"$work/timed.json"
"$cli" import "$work/timed.json" "$work/timed.gwk"
run "$cli" show "$work/timed.gwk"
check "timing read-out" '"timing":{"loopSeconds":[0.04],"passSeconds":0.1,"totalSeconds":0.3}}' "${out#*\],}"

# frames: one loop, JSON strings, ending with the empty frame; UTF-8 in and out.
run "$cli" frames 6 "né"
check "uppercase across frames" $'"Né"\n"nÉ"\n""' "$out"
# A long text's loop has millions of frames (shooting letters on 3000 characters: 4.5 million
# of them, 13 GB): they come out as they are made, the first at once.
long=$(printf 'x%.0s' $(seq 3000))
check "frames stream out as they are made" 1000 \
  "$(timeout 10 "$cli" frames 9 "$long" 2>/dev/null | head -n 1000 | wc -l)"
run "$cli" frames 12 "x"
check "effect out of range is a usage error" 2 "$status"

# play --trace: the one-effect timeline.
echo '{"repeat":1,"effects":[{"text":"abc","effect":0,"speed":20,"loops":2}]}' >"$work/abc.json"
"$cli" import "$work/abc.json" "$work/abc.gwk"
run "$cli" play "$work/abc.gwk" --trace --ticks 100
check "play trace" "$(printf '1\t""\n2\t"a"\n3\t"ab"\n4\t"abc"\n5\t"abc"\n6\t"a"\n7\t"ab"\n8\t"abc"\n9\t"abc"\n10\t"abc"\n11\tstop')" "$out"
run "$cli" play "$work/abc.gwk" --trace --ticks 3
check "play trace tick limit" 3 "$(echo "$out" | wc -l)"
run "$cli" play "$work/abc.gwk" --ticks 30
check "real-time play ends with the sequence" 0 "$status"

# preview: the generated script, unchanged and named after the page, beside the page.
mkdir -p "$work/site"
run "$cli" preview "$examples/demo.gwk" "$work/site/news.html"
check "preview status" 0 "$status"
check "preview names what it wrote" "$(printf '%s\n%s' "$work/site/news.js" "$work/site/news.html")" "$out"
"$cli" generate "$examples/demo.gwk" "$work/news.js" >/dev/null
check "preview script is the generated one" same "$(cmp -s "$work/news.js" "$work/site/news.js" && echo same)"
check "preview page loads it" 1 "$(grep -c '<script src="news.js"></script>' "$work/site/news.html")"
run "$cli" preview "$examples/demo.gwk" "$work/site/my page.html"
check "a page name that cannot name a script is mended" "$work/site/my_page.js" "$(echo "$out" | head -n 1)"
run "$cli" preview "$examples/demo.gwk" "$work/site/news.js"
check "a page that is no .html is refused" "2 glintwick-cli: the preview page's name must end in .html or .htm, not 'news.js'"$'\n'"Try 'glintwick-cli --help'." "$status $err"
check "and the script it would replace is kept" same "$(cmp -s "$work/news.js" "$work/site/news.js" && echo same)"
run "$cli" preview "$examples/demo.gwk" "$work/gone/p.html"
check "a missing folder names the page" "1 glintwick-cli: '$work/gone/p.html' contains an invalid path." "$status $err"
run "$cli" preview "$work/empty.gwk" "$work/site/empty.html"
check "preview of an empty list" "1 glintwick-cli: '$work/empty.gwk': You have not defined any effects yet." "$status $err"
check "nothing written for an empty list" no "$([ -e "$work/site/empty.html" ] && echo yes || echo no)"

# preview keeps a script it was not told to write: an existing one beside the page is replaced
# only with --force, and nothing is written without it.
echo "my own app.js" >"$work/site/app.js"
run "$cli" preview "$examples/demo.gwk" "$work/site/app.html"
check "preview keeps an existing script" "1 glintwick-cli: '$work/site/app.js': exists; --force replaces it" "$status $err"
check "and writes nothing" "my own app.js no" "$(cat "$work/site/app.js") $([ -e "$work/site/app.html" ] && echo yes || echo no)"
run "$cli" preview "$examples/demo.gwk" "$work/site/app.html" --force
"$cli" generate "$examples/demo.gwk" "$work/app.js" >/dev/null
check "preview --force replaces it" "0 same" "$status $(cmp -s "$work/site/app.js" "$work/app.js" && echo same)"
check "the usage names --force" 1 "$("$cli" --help | grep -c 'OUTPUT.html \[--force\]')"

# No command writes over the file it reads, by its own name, a link or a hard link.
cp "$examples/demo.gwk" "$work/mine.gwk"
ln -s mine.gwk "$work/link.gwk"
ln "$work/mine.gwk" "$work/hard.gwk"
cp "$examples/demo.json" "$work/mine.json"
for case in "generate mine.gwk mine.gwk" "generate mine.gwk link.gwk" "generate link.gwk hard.gwk" \
            "import mine.json mine.json" "preview mine.gwk mine.gwk.html"; do
  set -- $case
  [ "$1" == preview ] && ln -sf mine.gwk "$work/mine.gwk.html"
  run "$cli" "$1" "$work/$2" "$work/$3"
  check "$case is refused" "2 glintwick-cli: '$work/$3' is '$work/$2', which the command reads; name another file"$'\n'"Try 'glintwick-cli --help'." "$status $err"
  rm -f "$work/mine.gwk.html"
done
check "the project is intact" same "$(cmp -s "$work/mine.gwk" "$examples/demo.gwk" && echo same)"
check "the JSON is intact" same "$(cmp -s "$work/mine.json" "$examples/demo.json" && echo same)"

# generate warns, as the program does, about a script name that cannot run; it still writes.
run "$cli" generate "$examples/demo.gwk" "$work/my page.js"
check "generate warns about a name that cannot run" \
  "0 glintwick-cli: warning: The script name \"my page\" is not a valid JavaScript name, so the script will not run in a page. yes" \
  "$status $err $([ -e "$work/my page.js" ] && echo yes || echo no)"
run "$cli" generate "$examples/demo.gwk" "$work/it's #1.js"
check "a generated script's tag keeps a name that would break it" "<SCRIPT SRC='it%27s %231.js'></SCRIPT>" "$out"
run "$cli" generate "$examples/demo.gwk" "$work/caf$(printf '\xc3\xa9').js"
check "a name with accented letters is usable" "0 " "$status $err"

# svg: the checked-in demo banner is what the tool writes; its options are checked.
run "$cli" svg "$examples/demo.gwk" -
check "docs/demo.svg is the demo's SVG" same "$(cmp -s <(echo "$out") "$examples/../docs/demo.svg" && echo same)"
run "$cli" svg "$examples/demo.gwk" - --width 500 --font-size 20 --font-family 'Georgia, serif'
check "svg options" '0 width="500" height="35" font-size:20px;font-family:"Georgia",serif' \
  "$status $(echo "$out" | grep -o 'width="500" height="35"') $(echo "$out" | grep -o 'font-size:20px;font-family:[^;]*')"
run "$cli" svg "$examples/demo.gwk" - --font-family '"Times, serif'
check "a font family that could end the style is refused" "2 glintwick-cli: --font-family takes font names (letters, digits, spaces, - and _) separated by commas, not '\"Times, serif'" "$status $(echo "$err" | head -1)"
echo '{"effects":[{"text":"abcdefghij klmnopqrst uvwxyzabcd efghijklmn opqrstuvwx yzabcdefgh ijklmnopqr stuvwxyzab abcdefghij klmnopqrst uvwxyzabcd efghijklmn opqrstuvwx yzabcdefgh ijklmnopqr","effect":9,"speed":20}]}' >"$work/shoot.json"
"$cli" import "$work/shoot.json" "$work/shoot.gwk"
run "$cli" svg "$work/shoot.gwk" "$work/shoot.svg"
check "a large image is written, with a warning" "0 glintwick-cli: warning: '$work/shoot.svg' is" "$status ${err%% [0-9]*}"
run "$cli" svg "$examples/demo.gwk" "$work/x.svg" --width 3
check "svg width out of range" "2 glintwick-cli: --width takes a number of pixels from 16 to 10000, not '3'" "$status $(echo "$err" | head -1)"

# strip: one file for every project, its tag on stdout.
run "$cli" strip "$work/site/glintwick-strip.js"
check "strip tag" "0 <SCRIPT SRC='glintwick-strip.js'></SCRIPT>" "$status $out"
check "strip is the page's strip" 1 "$(grep -cF "$(sed -n 2p "$work/site/glintwick-strip.js")" "$work/site/news.html")"
# No output name at all (an unset variable) is a bad path, not a full disk.
run "$cli" strip ''
check "strip to no name" "1glintwick-cli: '' contains an invalid path." "$status$out$err"
run "$cli" generate "$examples/demo.gwk" ''
check "generate to no name, and no warning of a script never written" "1glintwick-cli: '' contains an invalid path." "$status$err"
for command in show play check; do
  run "$cli" $command ''
  check "$command of no name" "1glintwick-cli: '' contains an invalid path." "$status$out$err"
done
run "$cli" strip "$work/site/it's #1.js"
check "strip tag of an awkward name" "<SCRIPT SRC='it%27s %231.js'></SCRIPT>" "$out"
run "$cli" strip "$work/no/such/folder/s.js"
check "strip into a missing folder" "1 glintwick-cli: '$work/no/such/folder/s.js' contains an invalid path." "$status $err"

# check: flashes fail WCAG 2.3.1 (status 1), motion past 5 s is a note on 2.2.2 (status 0).
pause="WCAG 2.2.2 Pause, Stop, Hide (level A) is met when glintwick-strip.js, which has a pause button, is on the page; a page with the bare script must add a control that calls the script's NAME_stop()"
run "$cli" check "$examples/demo.gwk"
check "check of the calm demo" "0 note: the sequence moves for 30.85 s, more than 5 s: $pause" "$status $out"
echo '{"effects":[{"text":"Sale","effect":4,"speed":20,"loops":10}]}' >"$work/flash.json"
"$cli" import "$work/flash.json" "$work/flash.gwk"
run "$cli" check "$work/flash.gwk"
check "check of Flashing at 20" "1 effect 1 (Flashing): flashes 17 times within one second (first at 0.23 s), more than three: fails WCAG 2.3.1 Three Flashes or Below Threshold (level A)
note: the sequence moves without end, more than 5 s: $pause" "$status $out"
run "$cli" check "$work/flash.gwk" --json
check "check --json" '1 {"findings":[{"effect":1,"criterion":"2.3.1","name":"Three Flashes or Below Threshold","level":"A","kind":"failure","flashes":17,"atSeconds":0.23' "$status ${out%%,\"message\"*}"
run "$cli" check "$work/missing.gwk" --json
check "check of a missing file" "1 glintwick-cli: '$work/missing.gwk' was not found." "$status $err"

# "-" is standard input as the project or JSON, standard output as a script (the tag then on
# stderr): each piped result is the named-file command's, byte for byte.
# pipe_case NAME STDERR COMMAND REFERENCE: COMMAND succeeds with STDERR and writes what
# REFERENCE does, byte for byte.
pipe_case() {
  bash -c "$3" >"$work/piped" 2>"$work/err"
  local status=$?
  bash -c "$4" >"$work/reference"
  check "pipe: $1" "0 $2 same" \
    "$status $(cat "$work/err") $(cmp -s "$work/piped" "$work/reference" && echo same)"
}
c=$cli demo=$examples/demo.gwk
"$c" generate "$demo" "$work/demo.js" >/dev/null
"$c" strip "$work/strip.js" >/dev/null
pipe_case "show from stdin" "" "'$c' show - <'$demo'" "'$c' show '$demo'"
pipe_case "import from stdin" "" "'$c' show '$demo' | '$c' import - '$work/p.gwk' && cat '$work/p.gwk'" \
  "cat '$demo'"
pipe_case "generate to stdout" "<SCRIPT SRC='demo.js'></SCRIPT>" "'$c' generate '$demo' -" \
  "cat '$work/demo.js'"
pipe_case "strip to stdout" "<SCRIPT SRC='glintwick-strip.js'></SCRIPT>" "'$c' strip -" \
  "cat '$work/strip.js'"
# Standard input is read as a file is: a cut project fails with its message, endless input
# ends at once (zeros are a project of no effects; "y" lines claim a record count past any
# budget), and a terminal is refused instead of waited on.
run bash -c "head -c 20 '$demo' | '$cli' show -"
check "cut project on stdin" "1 glintwick-cli: 'standard input': Unexpected file format." "$status $err"
run bash -c "head -c 1000000000 /dev/zero | timeout 10 '$cli' show -"
check "zeros on stdin" 0 "$status"
run bash -c "yes | timeout 10 '$cli' show -"
check "endless lines on stdin" "1 glintwick-cli: 'standard input': Unexpected file format." "$status $err"
run bash -c "head -c 200000000 /dev/zero | tr '\\0' a | (printf '{\"finalText\":\"'; cat) | '$cli' import - '$work/huge.gwk'"
check "endless JSON on stdin" "1 glintwick-cli: 'standard input': more than 128 MiB, the most a project's JSON may be" "$status $err"
# A writer that keeps the pipe open once the project is through does not hold the load up.
run timeout 10 "$cli" show - < <(cat "$demo"; sleep 5)
check "a pipe left open after the project" "0 $("$cli" show "$demo")" "$status $out"
run script -qec "'$cli' show -" /dev/null
check "a terminal as stdin" "1 glintwick-cli: the project is read from standard input, which is a terminal; pipe one in or name a file" "$status $(echo "$out" | tr -d '\r')"

# --version: the project version, on stdout.
run "$cli" --version
check "version" "0 glintwick-cli $version" "$status $out"
run "$cli" --help
check "help lists --version" 1 "$(echo "$out" | grep -c -- '--version')"
check "help fits 80 columns" "" "$(echo "$out" | awk 'length($0) > 80')"
run "$cli" show --help
check "a command's help" "0 usage: glintwick-cli show PROJECT.gwk" "$status $(echo "$out" | head -1)"

# Options go before or after the other arguments, and -- ends them.
"$cli" play "$examples/demo.gwk" --trace --ticks 5 >"$work/after.txt"
run "$cli" play --ticks 5 --trace "$examples/demo.gwk"
check "options before the project" "$(cat "$work/after.txt")" "$out"
run "$cli" frames 6 -- -x
check "-- ends the options" $'"-x"\n"-X"\n""' "$out"

# A usage error is what was wrong in one line, then where to look; status 2.
while IFS='|' read -r args message; do
  read -ra words <<<"$args"
  run "$cli" "${words[@]}"
  check "usage error: ${args:-no arguments}" \
    "2 glintwick-cli: $message"$'\n'"Try 'glintwick-cli --help'." "$status $err"
done <<'EOF'
|no command given
bogus|unknown command 'bogus'
--version extra|--version takes no arguments
generate only-one-argument|generate takes PROJECT.gwk OUTPUT.js, not 1 argument
strip|strip takes OUTPUT.js, not 0 arguments
play x.gwk --ticks -4|--ticks takes a number of ticks from 0, not '-4'
play x.gwk --ticks|--ticks needs N
check x.gwk --yaml|unknown option '--yaml' for check
frames 12 x|EFFECT must be a number from 0 to 11, not '12'
EOF

# A file is named in the shell's quoting: a quote in it cannot end the quotes, nor a control
# character reach the terminal.
run "$cli" show "$work/it's"$'\e'"[2J.gwk"
check "an awkward name is quoted" "1 glintwick-cli: '$work/it'\\''s'\$'\\033''[2J.gwk' was not found." "$status $err"
run "$cli" show "$work/"$'\xc2\x9b\xff'".gwk"
check "a C1 control or a byte of no character is quoted" "1 glintwick-cli: '$work/'\$'\\302'''\$'\\233'''\$'\\377''.gwk' was not found." "$status $err"

finish

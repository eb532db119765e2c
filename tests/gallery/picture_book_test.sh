#!/usr/bin/env bash
# The gallery's picture book: index.html names every page --list names and every picture in
# the folder, shows only pictures that exist, carries each page's transcript and fetches
# nothing. A second run into the same folder still lists every picture, so does a run into a
# relative folder; a page run alone makes a book of that page.
set -euo pipefail
gallery=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

check_book() {
    local dir=$1 pages=$2
    local index=$dir/index.html
    [[ -s $index ]] || fail "no $index"
    for page in $pages; do
        grep -q "<section id=\"$page\">" "$index" || fail "$index lacks page $page"
    done
    for png in "$dir"/*.png; do
        grep -q "<img src=\"$(basename "$png")\"" "$index" || fail "$index lacks $(basename "$png")"
    done
    for src in $(grep -o '<img src="[^"]*"' "$index" | sed 's/<img src="//; s/"$//'); do
        [[ -f $dir/$src ]] || fail "$index shows $src, which is not there"
    done
    if grep -Eq '(src|href)="(https?:)?//' "$index"; then
        fail "$index reaches the network"
    fi
}

pages=$("$gallery" --list | awk '{print $1}')
[[ $(wc -w <<<"$pages") -ge 6 ]] || fail "--list names too few pages: $pages"

"$gallery" --out "$out/all" >"$out/all.txt"
check_book "$out/all" "$pages"
# The spin page's notifications reach both the terminal and the book.
grep -q 'WM_COMMAND whole number' "$out/all.txt" || fail "no transcript on stdout"
grep -q 'WM_COMMAND whole number' "$out/all/index.html" || fail "no transcript in the book"
[[ $(grep -c '<img src=' "$out/all/index.html") -eq $(ls "$out/all"/*.png | wc -l) ]] ||
    fail "a picture is shown twice or missing"

"$gallery" --out "$out/all" >/dev/null
check_book "$out/all" "$pages"

# A relative folder, parents and all, made where the gallery runs; every page still succeeds
# (the printers' port folders among them).
(cd "$out" && "$gallery" --out nested/book >/dev/null) || fail "a relative --out fails"
check_book "$out/nested/book" "$pages"

"$gallery" --page spin --out "$out/spin" >/dev/null
check_book "$out/spin" spin
grep -q '<section id="percent-bar">' "$out/spin/index.html" && fail "a page run alone shows others"

set +e
"$gallery" --page no-such-page --out "$out/none" 2>"$out/err.txt"
rc=$?
set -e
[[ $rc -eq 2 ]] || fail "an unknown page exits $rc"
grep -q 'no page no-such-page' "$out/err.txt" || fail "an unknown page is not named"
echo "picture book: ok"

#!/bin/sh
# Installs the build into a temporary prefix and checks it as a desktop would:
# every file in its place, the desktop entry, metainfo and MIME type valid, the
# installed editor started from another folder, and a thumbnail drawn through
# the thumbnailer entry's own command line.
# Usage: install_test.sh BUILD-DIR
set -eu
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null

for file in bin/zubo-editor bin/zubo-level \
    share/zubo-editor/img_bg/0.png share/zubo-editor/img_chars/primary.png \
    share/zubo-editor/levels/demo.lvl \
    share/applications/org.zubo.Editor.desktop share/metainfo/org.zubo.Editor.metainfo.xml \
    share/mime/packages/zubo-editor.xml share/thumbnailers/zubo-level.thumbnailer \
    share/icons/hicolor/scalable/apps/org.zubo.Editor.svg \
    share/icons/hicolor/16x16/apps/org.zubo.Editor.png \
    share/icons/hicolor/48x48/apps/org.zubo.Editor.png \
    share/icons/hicolor/256x256/apps/org.zubo.Editor.png \
    share/man/man1/zubo-editor.1 share/man/man1/zubo-level.1; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -d "$prefix/share/zubo-editor/zuboapp/levels" ] || fail "the sample game has no zuboapp/levels"
[ ! -e "$prefix/share/zubo-editor/zubo-editor" ] || fail "a program lies in the sample game"

desktop-file-validate "$prefix/share/applications/org.zubo.Editor.desktop" || fail "desktop entry"
grep -q '^Exec=zubo-editor %f$' "$prefix/share/applications/org.zubo.Editor.desktop" ||
  fail "the desktop entry does not open a file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zubo.Editor.metainfo.xml" > /dev/null ||
  fail "metainfo"
xmllint --noout "$prefix/share/mime/packages/zubo-editor.xml" || fail "MIME type XML"
grep -q 'glob pattern="\*.lvl"' "$prefix/share/mime/packages/zubo-editor.xml" || fail "MIME glob"
for page in zubo-editor zubo-level; do
  [ -z "$(man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 > /dev/null)" ] ||
    fail "man page $page"
done

# The installed editor, started without --game from a folder without tile
# sets, shows its window with the sample game's tile sets and keeps levels in
# the user's folder. It is ended once it has run for a while.
mkdir "$work/elsewhere" "$work/home"
touch "$work/installed"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
status=0
(cd "$work/elsewhere" && QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$prefix/bin/zubo-editor" \
   --autosave 0 levels/demo.lvl 2> "$work/editor.err") || status=$?
[ "$status" -eq 124 ] || { cat "$work/editor.err" >&2; fail "the editor ended by itself ($status)"; }
! grep -q '^zubo-editor:' "$work/editor.err" || { cat "$work/editor.err" >&2; fail "editor start"; }
[ -f "$work/home/data/Zubo/Editor/levels/demo.lvl" ] || fail "no demo level in the user's folder"
[ -d "$work/home/data/Zubo/Editor/zuboapp/levels" ] || fail "no emulator folder for the user"
[ -z "$(find "$prefix" -newer "$work/installed")" ] || fail "the editor wrote under the prefix"

# The thumbnailer's command line, with its %s, %i and %o filled in.
command=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/zubo-level.thumbnailer")
command=$(printf '%s' "$command" | sed "s|%s|128|; s|%i|'$prefix/share/zubo-editor/levels/demo.lvl'|; s|%o|'$work/thumb'|")
(cd "$work/elsewhere" && PATH="$prefix/bin:$PATH" sh -c "$command") 2> /dev/null ||
  fail "thumbnailer: $command"
head -c 8 "$work/thumb" | od -An -c | grep -q 'P   N   G' || fail "the thumbnail is no PNG"
echo "installed files, desktop entry, metainfo, MIME type, man pages, editor and thumbnailer: ok"

#!/bin/sh
# Installs a launcher entry as a package does, updates the desktop database and asks xdg-mime,
# in an environment that sees only that installation, which application opens a folder, a text
# and a PDF. It must not be Balewick: "open this folder" would archive the folder.
# Usage: NoDefaultApplication.sh ENTRY UPDATE_DESKTOP_DATABASE XDG_MIME
set -eu
entry=$1
update_desktop_database=$2
xdg_mime=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/share/applications" "$root/local/share" "$root/config" "$root/xdg"
cp "$entry" "$root/share/applications/"
# An entry that does claim a type: its answer shows that the lookup sees this installation.
printf '[Desktop Entry]\nType=Application\nName=Probe\nExec=true\nMimeType=application/x-probe;\n' \
    >"$root/share/applications/probe.desktop"
"$update_desktop_database" "$root/share/applications"

query() {
    env -i PATH="$PATH" HOME="$root" XDG_DATA_HOME="$root/local/share" XDG_DATA_DIRS="$root/share" \
        XDG_CONFIG_HOME="$root/config" XDG_CONFIG_DIRS="$root/xdg" "$xdg_mime" query default "$1"
}

if [ "$(query application/x-probe)" != probe.desktop ]; then
    echo "xdg-mime does not see the entries installed in $root/share/applications"
    exit 1
fi
status=0
for type in inode/directory text/plain application/pdf; do
    answer=$(query "$type")
    if echo "$answer" | grep -qi balewick; then
        echo "$type opens with $answer"
        status=1
    fi
done
exit $status

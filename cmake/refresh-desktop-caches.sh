#!/bin/sh
# Tells the desktop about launchers, file types and icons installed or removed below
# $KELBRIN_DATADIR (default /usr/share). Missing tools are skipped. Also the body of the
# package's postinst and postrm.
share=${KELBRIN_DATADIR:-/usr/share}
command -v update-mime-database >/dev/null 2>&1 && update-mime-database "$share/mime" || true
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database -q "$share/applications" || true
if [ -f "$share/icons/hicolor/index.theme" ]; then
  command -v gtk-update-icon-cache >/dev/null 2>&1 && gtk-update-icon-cache -q -t -f "$share/icons/hicolor" || true
fi
exit 0

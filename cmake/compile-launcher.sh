#!/bin/sh
# compile-launcher.sh <ccache> <compiler command...>
# Compiles through ccache, except the moc bundles Qt's AUTOMOC writes
# (*_autogen/mocs_compilation.cpp): ccache has handed back stale objects for
# them after a Q_OBJECT header was added, which fails the link with missing
# meta-object symbols. They are cheap to compile and only rebuilt when moc
# output changes.
ccache="$1"
shift
for arg in "$@"; do
  case "$arg" in
    *_autogen/mocs_compilation*) exec "$@" ;;
  esac
done
exec "$ccache" "$@"

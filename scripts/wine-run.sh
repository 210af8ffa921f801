#!/usr/bin/env bash
# CTest's emulator for the Windows test programs: run one under Wine, quietly.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"

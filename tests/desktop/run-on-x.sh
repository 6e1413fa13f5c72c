#!/bin/sh
# Runs a command on a private X server. The server number is searched from a random start,
# so tests started at the same time (here or by other builds) do not race for one number.
exec xvfb-run -a -n $((100 + $(od -An -N2 -tu2 /dev/urandom) % 800)) -s "-screen 0 1024x768x24" "$@"

#!/usr/bin/env bash
# Soak: the real game in its window under a private Xvfb for MINUTES minutes, driven by seeded
# random keys and mouse (xdotool), its resident memory sampled from /proc. At the end it is
# asked to stop (SIGTERM) and must exit 0. Fails when the game dies, or its memory grows by
# more than LIMIT_KB after the warm-up.
#
#   bench/soak.sh GAME MINUTES [SEED] [WARMUP_SECONDS] [LIMIT_KB]
#
# Escape is never pressed: the quit menu's exit would end the run early, and its own tests
# cover it. Everything else a player can press, click or move is.
set -euo pipefail

game=$(realpath "${1:?usage: soak.sh GAME MINUTES [SEED] [WARMUP_SECONDS] [LIMIT_KB]}")
minutes=${2:?minutes}
seed=${3:-1}
# Two minutes of warm-up, or a quarter of a shorter run.
warmup=${4:-$((minutes * 60 / 4 < 120 ? minutes * 60 / 4 : 120))}
limit_kb=${5:-1024}
sample_every=10

command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
    { echo "soak: needs Xvfb and xdotool"; exit 2; }

# A display of our own: random input must never reach anybody's desktop.
display=
for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "soak: no free display number"; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

x() { timeout 10 xdotool "$@" >/dev/null 2>&1 || true; }

# Alive means running: a game that ended and was not waited for yet is a zombie, and a zombie
# still answers kill -0.
alive() {
    local state
    state=$(awk '{ print $3 }' "/proc/$game_pid/stat" 2>/dev/null || echo Z)
    [ "$state" != Z ]
}

folder=$(mktemp -d)
log=$folder/soak.log
# Its log and settings go beside ours, not into the home folder of whoever runs the soak.
XDG_STATE_HOME=$folder XDG_CONFIG_HOME=$folder SDL_AUDIODRIVER=dummy "$game" 2>"$log.err" &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" | head -1)
[ -n "$window" ] || { echo "soak: the game's window never appeared"; cat "$log.err"; exit 1; }
x windowfocus --sync "$window"
x mousemove --window "$window" 512 384

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status" 2>/dev/null || echo 0; }
keys=(w a s d e i n h o Return w a s d w a s d)
RANDOM=$seed
start=$(date +%s)
end=$((start + minutes * 60))
next_sample=$start
warm_rss=
peak_after=0
samples=0
actions=0
echo "soak: ${minutes} min, seed $seed, display $display, game pid $game_pid"
while :; do
    now=$(date +%s)
    if ! alive; then
        status=0; wait "$game_pid" || status=$?
        echo "soak: FAILED, the game ended by itself after $((now - start)) s (status $status)"
        cat "$log.err"
        exit 1
    fi
    if [ "$now" -ge "$next_sample" ]; then
        kb=$(rss)
        echo "$((now - start)) $kb" >>"$log"
        samples=$((samples + 1))
        if [ $((now - start)) -ge "$warmup" ]; then
            [ -z "$warm_rss" ] && warm_rss=$kb
            [ "$kb" -gt "$peak_after" ] && peak_after=$kb
        fi
        next_sample=$((next_sample + sample_every))
    fi
    [ "$now" -ge "$end" ] && break
    # One action: a key held a moment, a mouse move, or a click.
    case $((RANDOM % 10)) in
        0 | 1 | 2 | 3 | 4 | 5)
            key=${keys[$((RANDOM % ${#keys[@]}))]}
            x keydown "$key"
            sleep "0.$((RANDOM % 6))$((RANDOM % 10))"
            x keyup "$key"
            ;;
        6 | 7 | 8)
            x mousemove_relative -- $((RANDOM % 301 - 150)) $((RANDOM % 301 - 150))
            ;;
        9)
            x click 1
            ;;
    esac
    actions=$((actions + 1))
done

final_rss=$(rss)
kill -TERM "$game_pid"
stop_start=$(date +%s%N)
status=0
for _ in $(seq 250); do
    alive || break
    sleep 0.02
done
if alive; then
    echo "soak: FAILED, the game did not end within 5 s of SIGTERM"
    exit 1
fi
wait "$game_pid" || status=$?
stop_ms=$((($(date +%s%N) - stop_start) / 1000000))
game_pid=
growth=$((final_rss - ${warm_rss:-$final_rss}))
peak_growth=$((peak_after - ${warm_rss:-$peak_after}))
echo "soak: ${actions} actions, ${samples} samples (every ${sample_every} s) in $log"
echo "soak: RSS after ${warmup} s warm-up ${warm_rss} kB, at the end ${final_rss} kB," \
    "growth ${growth} kB (highest after warm-up: +${peak_growth} kB)"
echo "soak: SIGTERM ended the game with status $status in ${stop_ms} ms"
if [ "$status" != 0 ]; then echo "soak: FAILED, exit status $status"; cat "$log.err"; exit 1; fi
if [ -s "$log.err" ]; then echo "soak: FAILED, the game complained:"; cat "$log.err"; exit 1; fi
if [ -z "$warm_rss" ]; then echo "soak: FAILED, no memory sample after the warm-up"; exit 1; fi
if [ "$growth" -ge "$limit_kb" ]; then echo "soak: FAILED, memory grew by ${growth} kB"; exit 1; fi
echo "soak: passed"

#!/usr/bin/env bash
# With QT_SCALE_FACTOR 1.5 and 2 the skinned window, its tab strip and its buttons are drawn at
# the larger size: the window is the scaled size of the unscaled one, the frame's colour reaches
# its corners and edges (no gap shows the black screen behind), and brought back to the unscaled
# size its buttons are where the unscaled window has them.
source "$(dirname "$0")/lib.sh"
e2e_start_display --tray

home="$E2E_WORK/notes"
e2e_write_config "$home" oneinstance=0 -- Shopping Ideas
printf '%s\n' '{\rtf1\ansi\deff0{\fonttbl{\f0 DejaVu Sans;}}\f0\fs22 {\b Saturday market}\par milk, bread\par}' \
    >"$home/tab00001.rtf"

pixel() { # image x y: the colour as "r,g,b"
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

for scale in 1 1.5 2; do
    export QT_SCALE_FACTOR=$scale
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - Shopping$")
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    e2e_screenshot "$E2E_WORK/screen$scale.png"
    e2e_stop_tabulet TERM
    [ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS at scale $scale"
    convert "$E2E_WORK/screen$scale.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$E2E_WORK/window$scale.png"
    if [ "$scale" = 1 ]; then
        width=$WIDTH height=$HEIGHT
        continue
    fi
    awk -v w="$WIDTH" -v h="$HEIGHT" -v w1="$width" -v h1="$height" -v s="$scale" \
        'BEGIN { exit !(w >= w1 * s - 1 && w <= w1 * s + 1 && h >= h1 * s - 1 && h <= h1 * s + 1) }' ||
        e2e_fail "at scale $scale the window is ${WIDTH}x$HEIGHT, not $scale times ${width}x$height"
    image="$E2E_WORK/window$scale.png"
    for at in "0 0" "$((WIDTH - 1)) 0" "0 $((HEIGHT - 1))" "$((WIDTH - 1)) $((HEIGHT - 1))" \
        "$((WIDTH / 2)) 0" "$((WIDTH / 2)) $((HEIGHT - 1))" "0 $((HEIGHT / 2))" "$((WIDTH - 1)) $((HEIGHT / 2))"; do
        read -r x y <<<"$at"
        [ "$(pixel "$image" "$x" "$y")" != "0,0,0" ] || e2e_fail "at scale $scale the frame leaves a gap at $x,$y"
    done
    # The default theme's title bar (top 30 rows: menu, new, pin, minimise, close) and its format
    # bar (bottom 32 rows), brought back to the unscaled size, match the unscaled window: text is
    # drawn afresh at each size, the buttons are not.
    convert "$image" -resize "${width}x${height}!" "$E2E_WORK/back$scale.png"
    for band in "${width}x30+0+0" "${width}x32+0+$((height - 32))"; do
        convert "$E2E_WORK/back$scale.png" -crop "$band" +repage "$E2E_WORK/scaled-band.png"
        convert "$E2E_WORK/window1.png" -crop "$band" +repage "$E2E_WORK/unscaled-band.png"
        # compare ends with status 1 when the images differ at all; the count is what counts.
        differing=$(compare -fuzz 40% -metric AE "$E2E_WORK/scaled-band.png" "$E2E_WORK/unscaled-band.png" null: 2>&1 ||
            true)
        [ "${differing%%.*}" -le 20 ] ||
            e2e_fail "at scale $scale the buttons in $band are not where they are unscaled ($differing pixels differ)"
    done
    echo "scale $scale: ${WIDTH}x$HEIGHT, frame closed, buttons in place"
done
echo PASS

# Margin scrolling of the campaign map (1024 x 768, map 2400 x 1800, home 0 / -776).
# The map timer ticks every 15 ms; one tick moves Fix(ScrollSpeed x 10) pixels.
include common/campaign.fsi
expect-screen Camp1Frm.MapSurface top = -776
# Up at speed 1: 10 pixels a tick.
move Camp1Frm.TopMargin
expect ScrollDirection = 1
wait 15
expect-screen Camp1Frm.MapSurface top = -766
# The stop test comes before the move: 144 is still below 150, so the map goes on to
# 154 and the next tick stops and disables the top margin.
wait 3000
expect-screen Camp1Frm.MapSurface top = 154
expect-screen Camp1Frm.TopMargin enabled = false
# Down again from the bottom margin (the disabled top margin takes no pointer).
move Camp1Frm.BottomMargin
expect ScrollDirection = 2
wait 15
expect-screen Camp1Frm.MapSurface top = 144
expect-screen Camp1Frm.TopMargin enabled = true
# Moving over the map stops scrolling.
move Camp1Frm.MapSurface
expect ScrollDirection = 0
wait 300
expect-screen Camp1Frm.MapSurface top = 144
# F3 puts the map back home.
key Camp1Frm F3
expect-screen Camp1Frm.MapSurface top = -776
expect-screen Camp1Frm.MapSurface left = 0
# Down stops once the top is at 768 - 1800 - 15 = -1047 or less: -1056.
move Camp1Frm.BottomMargin
wait 3000
expect-screen Camp1Frm.MapSurface top = -1056
expect-screen Camp1Frm.BottomMargin enabled = false
# Left: the map's left edge is already at the window's edge; the first tick stops.
move Camp1Frm.LeftMargin
wait 15
expect-screen Camp1Frm.MapSurface left = 0
expect-screen Camp1Frm.LeftMargin enabled = false
# Right at speed 2 (20 pixels): the limit is 1024 - 2400 = -1376; -1360 still moves, to -1380.
key Camp1Frm Add
key Camp1Frm Add
expect ScrollSpeed = 2
move Camp1Frm.RightMargin
wait 15
expect-screen Camp1Frm.MapSurface left = -20
expect-screen Camp1Frm.LeftMargin enabled = true
wait 3000
expect-screen Camp1Frm.MapSurface left = -1380
expect-screen Camp1Frm.RightMargin enabled = false
# An arrow key stops scrolling.
move Camp1Frm.LeftMargin
wait 30
expect-screen Camp1Frm.MapSurface left = -1340
key Camp1Frm Up
expect ScrollDirection = 0
wait 300
expect-screen Camp1Frm.MapSurface left = -1340
# A screen opened over the map ends scrolling on the next tick.
move Camp1Frm.LeftMargin
click Camp1Frm.MenuBtn
wait 100
expect ScrollDirection = 0
click MenuFrm.ReturnLbl
wait 300
expect-screen Camp1Frm.MapSurface left = -1340

# Keypad plus, minus and divide change the scroll speed within 0.5 .. 2.0.
include common/campaign.fsi
expect ScrollSpeed = 1
key Camp1Frm Add
expect ScrollSpeed = 1.5
expect-screen Camp1Frm.Helper text = "The map scrolls faster."
key Camp1Frm Add
key Camp1Frm Add
expect ScrollSpeed = 2
key Camp1Frm Subtract
key Camp1Frm Subtract
key Camp1Frm Subtract
key Camp1Frm Subtract
expect ScrollSpeed = 0.5
key Camp1Frm Divide
expect ScrollSpeed = 1
# Speed 0.5 scrolls 5 pixels a tick; from home -776 up to 150: 186 moves give 154.
key Camp1Frm Subtract
move Camp1Frm.TopMargin
wait 15
expect-screen Camp1Frm.MapSurface top = -771
wait 5000
expect-screen Camp1Frm.MapSurface top = 154

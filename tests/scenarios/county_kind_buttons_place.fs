# The kind buttons of a selected field stand in a row beside it, inside the part of the
# map on screen: a field just above the status panel gets them above the panel.
include common/campaign.fsi
set Season 1
# Field 1 (120 x 84 at 50, 1288 of the map) at the bottom edge of the map's view: the
# preview centres the 1024 x 768 view on map point (0, 1015), so the map's top is -631
# and the status panel (96 high) begins at map y 672 + 631 = 1303.
click Camp1Frm.PreviewBtn
click MapPreviewFrm.MapImg 0 237
expect-screen Camp1Frm.MapSurface top = -631
rclick Camp1Frm.FieldImg1
expect-screen Camp1Frm.Field1Pic visible = true
expect-screen Camp1Frm.Field2Pic visible = true
expect-screen Camp1Frm.Field4Pic visible = true
expect-screen Camp1Frm.Field1Pic top = 1259
expect-screen Camp1Frm.Field2Pic top = 1259
expect-screen Camp1Frm.Field1Pic left = 174
expect-screen Camp1Frm.Field2Pic left = 216
# At the home view the field lies well inside: the row starts at the field's top.
key Camp1Frm F3
rclick Camp1Frm.FieldImg1
expect-screen Camp1Frm.Field1Pic top = 1288

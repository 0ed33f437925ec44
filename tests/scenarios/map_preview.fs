# The map preview is drawn from the game: the season's ground, the fields by kind, and a
# frame around the part of the map on screen; a click on it moves the view there.
include common/campaign.fsi
set Season 3
set FieldKind[0] 1
set FieldKind[1] 2
click Camp1Frm.PreviewBtn
expect-screen MapPreviewFrm.MapImg picture = "map_preview_s3"
expect-screen MapPreviewFrm.MiniFieldImg1 picture = "field_1_3"
expect-screen MapPreviewFrm.MiniFieldImg2 picture = "field_2_3"
expect-screen MapPreviewFrm.MiniFieldImg3 picture = "field_0_3"
# Field 1 lies at (50, 1288) of the 2400 x 1800 map: in the 560 x 420 preview at (20 + 11, 84 + 300).
expect-screen MapPreviewFrm.MiniFieldImg1 left = 31
expect-screen MapPreviewFrm.MiniFieldImg1 top = 384
# The view of a 1024 x 768 screen at the home position (0, -776).
expect-screen MapPreviewFrm.ViewFrameImg left = 20
expect-screen MapPreviewFrm.ViewFrameImg top = 265
expect-screen MapPreviewFrm.ViewFrameImg width = 238
# The middle of the map: the view centres on it, and the preview closes.
click MapPreviewFrm.MapImg 280 210
expect-open !MapPreviewFrm
expect-screen Camp1Frm.MapSurface left = -688
expect-screen Camp1Frm.MapSurface top = -516
# The top right corner: as far as the map reaches.
click Camp1Frm.PreviewBtn
click MapPreviewFrm.MiniFieldImg1 0 0
expect-screen Camp1Frm.MapSurface left = 0
click Camp1Frm.PreviewBtn
click MapPreviewFrm.MapImg 559 0
expect-screen Camp1Frm.MapSurface left = -1376
expect-screen Camp1Frm.MapSurface top = 0

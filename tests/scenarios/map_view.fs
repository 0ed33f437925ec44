# The map as a view of the state: season picture, camps, castle, objects.
include common/campaign.fsi
expect-screen Camp1Frm.MapSurface picture = "map_s1"
expect-screen Camp1Frm.CountyNameLbl text = "Brackenmoor"
expect-screen Camp1Frm.SeassonLbl text = "Spring"
expect-screen Camp1Frm.BuildLbl text = "Nothing under construction"
expect-screen Camp1Frm.ArmyCamp1Img visible = true
expect-screen Camp1Frm.ArmyCamp2Img visible = false
expect-screen Camp1Frm.CastleImg visible = false
expect-screen Camp1Frm.Trooper1Img visible = true
expect-screen Camp1Frm.Camp1StatusImg visible = true
expect-screen Camp1Frm.Camp1StatusImg picture = "CampStatusRes1"
expect-screen Camp1Frm.FieldBattleImg1 visible = true
expect-screen Camp1Frm.PlagueImg visible = false
expect-screen Camp1Frm.FlagImg visible = false
# A saved game restores another situation; the quick load redraws the map.
set Season 4
set CastleStageBuilt [-1, -1, 0, 0, 0]
set CampExists [-1, -1, 0]
set CampWaypoint [2, 37, 0]
set CampMovesLeft [2, 0, 0]
set ChestState [1, 0, 0]
set CountyBlessings [1, 0, 0, 0, 0, 0, 0, 1, 0, 0]
set PlagueActive -1
set BuildTurnsLeft 3
set BuildingUnderWay 9
key Camp1Frm F6
click MsgFrm.OkAniBtn
set Season 1
key Camp1Frm F7
click MsgFrm.OkAniBtn
expect-screen Camp1Frm.MapSurface picture = "map_s4"
expect-screen Camp1Frm.FieldImg1 picture = "field_0_4"
expect-screen Camp1Frm.CastleImg visible = true
expect-screen Camp1Frm.CastleImg picture = "bailey"
expect-screen Camp1Frm.ArmyCamp2Img visible = true
expect-screen Camp1Frm.Camp2StatusImg picture = "CampStatusRes2"
expect-screen Camp1Frm.ChestImg1 visible = true
expect-screen Camp1Frm.ChestImg2 visible = false
expect-screen Camp1Frm.FlagImg visible = true
expect-screen Camp1Frm.SeassonLbl text = "Winter"
expect-screen Camp1Frm.BuildLbl text = "Stronghold: 3"

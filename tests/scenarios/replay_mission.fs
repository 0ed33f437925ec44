# After a defeat the mission screen offers only the replay and the way out; the replay
# loads the campaign's first save again.
seed 5
include common/campaign.fsi
expect-screen TipsFrm.Image3 visible = false
set Gold 1
set TurnCounter 40
set PlayerInGame 0
click Camp1Frm.Image1
expect-screen TipsFrm.CloseLbl visible = false
expect-screen TipsFrm.TipLbl1 colour = "#ff0000"
expect-screen TipsFrm.TipLbl2 text = ""
click TipsFrm.Image3
expect-query open = ["Camp1Frm"]
expect PlayerInGame = -1
expect TurnCounter = 1
expect-screen Camp1Frm.GoldLbl visible = true
# a replay from a first save of another level says so, with only the close button
set CurrentLevel 14
set PlayerInGame 0
click Camp1Frm.Image1
click TipsFrm.Image3
expect-screen MsgFrm.MsgLbl text = "The game has been loaded. It belongs to another level of the campaign."
expect-screen MsgFrm.OkAniBtn visible = false
click MsgFrm.Noanibtn
expect-query open = ["Camp1Frm"]
# a defeat offers no way on to the next level, even with every objective met
set CurrentLevel 15
set CampComposition[0][9] 200
set CampComposition[0][8] 300
set Morale 80
set MapEventFlags [0, 0, 0]
set PlayerInGame 0
click Camp1Frm.Image1
expect AllObjectivesMet = -1
expect-screen TipsFrm.NextLbl visible = false
expect-screen TipsFrm.ContinueLbl visible = false
expect-screen TipsFrm.Image3 visible = true
expect-screen TipsFrm.Image4 visible = true
key TipsFrm Enter
expect-open TipsFrm

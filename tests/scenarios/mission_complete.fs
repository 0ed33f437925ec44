# Level 15 is won when the army holds 200 Templars and 300 Champions, morale reaches 80
# and the three hostile armies are beaten; the mission screen then offers to continue.
include common/campaign.fsi
click Camp1Frm.Image1
expect-screen TipsFrm.NextLbl visible = false
expect-screen TipsFrm.TipLbl1 colour = "#2b1a0e"
click TipsFrm.CloseLbl
set CampComposition[0][9] 200
set CampComposition[0][8] 300
set Morale 80
set MapEventFlags [0, 0, 0]
click Camp1Frm.Image1
expect-screen TipsFrm.TipLbl1 colour = "#009632"
expect-screen TipsFrm.TipLbl3 colour = "#009632"
expect AllObjectivesMet = -1
expect-screen TipsFrm.ProgressLbl1 text = "Templar 200 / 200   Champion 300 / 300"
expect-screen TipsFrm.ContinueLbl visible = true
expect-screen TipsFrm.ContinueLbl text = "All objectives are met."
expect-screen TipsFrm.NextLbl text = "Continue"
click TipsFrm.NextLbl
# The summary of the level comes before the hand-over
expect-open SummaryFrm
expect-query programs = {"started": [], "ended": false}
click SummaryFrm.GoOnBtn
expect-query file camp.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query file levelinfo.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query programs = {"started": ["splash.rz", "introdata.rz"], "ended": true}

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
click TipsFrm.NextLbl
expect-query file camp.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query file levelinfo.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query programs = {"started": ["splash.rz", "introdata.rz"], "ended": true}

# Rival lord 1 in play. His host, one turn from the castle, meets the army at the gate:
# the battle goes to the battle program once the turn is over, and the host goes home
# with the survivors the program reports. Then his raid on the village is fought by the
# first army with the village's militia beside it.
seed 5
include common/campaign.fsi
include common/rival1_host_at_gate.fsi
click Camp1Frm.EndTurnBtn
expect TurnCounter = 2
expect Rival1AttackState = 0
expect-query programs = {"started": [], "ended": false}
click Camp1Frm.EndTurnBtn
expect TurnCounter = 3
expect Rival1AttackState = 201
expect BattleSite = 8
# the battle waits for the end of turn to be over
expect-query programs = {"started": [], "ended": false}
wait 1000
expect-open EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait 4000
expect-open !EndTurnFrm
# the army at the gate holds; 180 of the host's archers and 40 club men are left
fight-out 1 120 180 150,100,100,100,100,50,50,10,10,10,5,100,0,2 180,0,40,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
expect-open ResultsFrm
click ResultsFrm.OkAniBtn
expect-open !ResultsFrm
expect Rival1AttackState = 200
expect EnemyCamp[1] = [0, 180, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect Rival1.Values[6] = 4
expect Rival1.Bytes[1] = 1
expect PlayerInGame = -1

# The raid: fought at the next end of turn by army A, which set out for the village.
set Rival1WarState 1
set Rival1.Bytes[1] 2
set People 2000
click Camp1Frm.EndTurnBtn
expect TurnCounter = 4
expect Rival1WarState = 200
expect Rival1.Bytes[0] = 7
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz"], "ended": false}
wait 4000
# the raiders win: they keep 100 archers, and plunder a quarter of the gold and crops
fight-out 0 300 80 100,50,50,50,50,20,20,5,5,5,2,50,0,1 100,0,0,0,0,0,0,0,0,0,0,0,0,0 50,0,100,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
expect-open ResultsFrm
set Gold 4000
set Crops 8000
click ResultsFrm.OkAniBtn
expect Gold = 3000
expect Crops = 6000
expect EnemyCamp[1] = [0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]

# No army on its way: the battlefield only names itself.
click Camp1Frm.BattlefieldImg1
expect-screen Camp1Frm.Helper text = "Battlefield"
expect-screen Camp1Frm.BattlefieldPnl visible = false
# His raiders march again; the first army meets them from the battlefield, whose question
# stands on the campaign screen. Held back once, then given.
set Rival1.Bytes[1] 2
set Rival1WarState 3
click Camp1Frm.BattlefieldImg1
expect-screen Camp1Frm.Helper text = "Battlefield"
expect-open !MsgFrm
expect-screen Camp1Frm.BattlefieldPnl visible = true
expect-screen Camp1Frm.BattlefieldQuestionLbl text = "The foe stands before your army and the hour of battle has come. Accept to attack at once. Refuse to hold back and break off."
click Camp1Frm.Noanibtn2
expect-screen Camp1Frm.BattlefieldPnl visible = false
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz"], "ended": false}
click Camp1Frm.BattlefieldImg1
click Camp1Frm.Okanibtn2
expect-screen Camp1Frm.BattlefieldPnl visible = false
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz", "battledata.rz"], "ended": false}
wait 4000
fight-out 1 20 100 100,50,50,50,50,20,20,5,5,5,2,50,0,1 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
click ResultsFrm.OkAniBtn
expect EnemyCamp[1] = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect Rival1.Bytes[1] = 0

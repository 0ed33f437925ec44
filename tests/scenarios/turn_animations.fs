# The animations queued by the turn play one after another; a click shows the next one.
include common/campaign.fsi
set Advanced.AnimatedSprites -1
set TurnAnimationFlags [2, 0, 1, 0, 0]
click Camp1Frm.EndTurnBtn
expect-open MovieFrm
expect-screen MovieFrm.WeatherAnim picture = "anim/assassin_failed.rz"
expect-screen MovieFrm.MovieLbl text = "Assassin"
expect-screen MovieFrm.MsgLbl text = "Your assassin was caught before he could strike."
click MovieFrm.WeatherAnim
expect-screen MovieFrm.WeatherAnim picture = "anim/death.rz"
expect-screen MovieFrm.MovieLbl text = ""
expect TurnAnimationFlags = [0, 0, 0, 0, 0]
key MovieFrm Escape
expect-open !MovieFrm
# With animations switched off the screen closes at once and the queue waits.
set Advanced.AnimatedSprites 0
set TurnAnimationFlags [0, 1, 0, 0, 0]
click Camp1Frm.EndTurnBtn
expect-open !MovieFrm
expect TurnAnimationFlags = [0, 1, 0, 0, 0]
# Each clip plays once (20 frames at ten a second): its end shows the next one, and the
# end of the last one closes the screen.
set Advanced.AnimatedSprites -1
set TurnAnimationFlags [0, 1, 1, 0, 0]
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/scout_ok.rz"
wait 1999
expect-screen MovieFrm.WeatherAnim picture = "anim/scout_ok.rz"
wait 1
expect-screen MovieFrm.WeatherAnim picture = "anim/death.rz"
expect TurnAnimationFlags = [0, 0, 0, 0, 0]
wait 2000
expect-open !MovieFrm

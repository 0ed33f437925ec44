# The loading bar is full once the campaign start is done: the load screen the title menu
# asked for opens over a finished bar, not one standing half way.
put LGame.rz 1
start
expect-open LoadGameFrm
expect-screen LoadingFrm.LoadingBar value = 100
expect-screen LoadingFrm.LoadingBar max = 100
click LoadGameFrm.Noanibtn
expect-open TipsFrm
expect-open !LoadingFrm
